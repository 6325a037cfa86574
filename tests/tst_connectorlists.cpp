// The lists of page 2 built from a cable's connectors: option codes, interfaces,
// characteristics, inner attachments, interface names and connector pictures.
#include "catalog/Catalog.h"
#include "catalog/ConnectorLists.h"

#include <QTest>

namespace {

// One cable's connector entries: id|part|actual|characteristics|mates to|inner|grade|attachment
TTransmissionLine TestCable()
{
    TTransmissionLine cable;
    for (const char* line :
         {"1|FN-716M|7-16 DIN Male||7-16 DIN Female||p|s|",
          "2|FN-716M-RA|7-16 DIN Male|Right Angle|7-16 DIN Female||p|s|",
          "3|FN-716MS|7-16 DIN Male||7-16 DIN Female|Captivated|s|s|",
          "4|FN-716F|7-16 DIN Female||7-16 DIN Male||P|R|",
          "5|FN-NM|N Male||N Female|Captivated|S|r|",
          "6|FN-NM2|N Male||N Female|Non-captivated|S|R|", "7|FN-NM3|n male|Low PIM|N Female||S|R|",
          "8|FN-43M|4.3-10 Male||4.3-10 Female||P|S|",
          "9|FN-43MS|4.3-10 Male||4.3-10 Female||S|S|"})
        cable.AddConnector(ParseConnectorLine(line));
    return cable;
}

} // namespace

class TestConnectorLists : public QObject
{
    Q_OBJECT

private slots:
    void optionCodes_data();
    void optionCodes();
    void sortedUnique_data();
    void sortedUnique();
    void interfaceLists_data();
    void interfaceLists();
    void characteristicsList_data();
    void characteristicsList();
    void innerAttachmentList_data();
    void innerAttachmentList();
    void interfaceName_data();
    void interfaceName();
    void isRightAngle_data();
    void isRightAngle();
    void connectorPictureFile_data();
    void connectorPictureFile();
};

// clang-format off
void TestConnectorLists::optionCodes_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("connectorGrade");
    QTest::addColumn<QString>("cableGrade");
    QTest::addColumn<QString>("attachment");

    QTest::newRow("item 0") << 0 << "P" << "S" << "S";
    QTest::newRow("item 1") << 1 << "S" << "P" << "R";
    QTest::newRow("item 2") << 2 << "S" << "R" << "R";
    QTest::newRow("nothing chosen") << -1 << "S" << "" << "R";
}
// clang-format on

void TestConnectorLists::optionCodes()
{
    QFETCH(int, item);
    QFETCH(QString, connectorGrade);
    QFETCH(QString, cableGrade);
    QFETCH(QString, attachment);

    QCOMPARE(ConnectorGradeCode(item), connectorGrade);
    QCOMPARE(CableGradeCode(item), cableGrade);
    QCOMPARE(AttachmentCodeFor(item), attachment);
}

// clang-format off
void TestConnectorLists::sortedUnique_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("case-insensitive order") << QStringList{"b", "C", "a"}
                                            << QStringList{"a", "b", "C"};
    QTest::newRow("case duplicates once") << QStringList{"N Male", "n male", "N MALE"}
                                          << QStringList{"N Male"};
    QTest::newRow("interfaces")
        << QStringList{"7-16 DIN Male", "N Female", "4.3-10 Male", "7-16 DIN Male"}
        << QStringList{"4.3-10 Male", "7-16 DIN Male", "N Female"};
    QTest::newRow("none") << QStringList{} << QStringList{};
}
// clang-format on

void TestConnectorLists::sortedUnique()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, sorted);

    QCOMPARE(SortedUnique(texts), sorted);
}

// clang-format off
void TestConnectorLists::interfaceLists_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QStringList>("actual");
    QTest::addColumn<QStringList>("matesTo");

    QTest::newRow("plated prenvo, lower-case catalog codes")
        << "P" << "S" << QStringList{"4.3-10 Male", "7-16 DIN Male"}
        << QStringList{"4.3-10 Female", "7-16 DIN Female"};
    QTest::newRow("standard prenvo") << "S" << "S" << QStringList{"4.3-10 Male", "7-16 DIN Male"}
                                     << QStringList{"4.3-10 Female", "7-16 DIN Female"};
    QTest::newRow("plated regular") << "P" << "R" << QStringList{"7-16 DIN Female"}
                                    << QStringList{"7-16 DIN Male"};
    QTest::newRow("standard regular, case duplicate once")
        << "S" << "R" << QStringList{"N Male"} << QStringList{"N Female"};
    QTest::newRow("unknown grade") << "X" << "R" << QStringList{} << QStringList{};
}
// clang-format on

void TestConnectorLists::interfaceLists()
{
    QFETCH(QString, grade);
    QFETCH(QString, attachment);
    QFETCH(QStringList, actual);
    QFETCH(QStringList, matesTo);

    const TInterfaceLists lists = InterfaceLists(TestCable(), grade, attachment);
    QCOMPARE(lists.Actual, actual);
    QCOMPARE(lists.MatesTo, matesTo);
}

// clang-format off
void TestConnectorLists::characteristicsList_data()
{
    QTest::addColumn<bool>("actual");
    QTest::addColumn<QString>("interfaceText");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("picked");

    const QStringList dinMale{"(none)", "Right Angle"};
    QTest::newRow("both grades, remembered") << true << "7-16 DIN Male" << "S" << "Right Angle"
                                             << dinMale << "Right Angle";
    QTest::newRow("remembered in other case") << true << "7-16 DIN Male" << "S" << "RIGHT ANGLE"
                                              << dinMale << "(none)";
    QTest::newRow("nothing remembered") << true << "7-16 DIN Male" << "S" << "" << dinMale
                                        << "(none)";
    QTest::newRow("mates to") << false << "7-16 DIN Female" << "S" << "Right Angle" << dinMale
                              << "Right Angle";
    QTest::newRow("mates to, regular") << false << "N Female" << "R" << "Low PIM"
                                       << QStringList{"(none)", "Low PIM"} << "Low PIM";
    QTest::newRow("interface compared exactly") << true << "N Male" << "R" << "Low PIM"
                                                << QStringList{"(none)"} << "(none)";
    QTest::newRow("other attachment") << true << "N Male" << "S" << "" << QStringList{} << "";
    QTest::newRow("empty interface") << true << "" << "R" << "" << QStringList{} << "";
}
// clang-format on

void TestConnectorLists::characteristicsList()
{
    QFETCH(bool, actual);
    QFETCH(QString, interfaceText);
    QFETCH(QString, attachment);
    QFETCH(QString, remembered);
    QFETCH(QStringList, items);
    QFETCH(QString, picked);

    const TChoiceList list = CharacteristicsList(TestCable(), actual, interfaceText, attachment);
    QCOMPARE(list.Items, items);
    QCOMPARE(list.Pick(remembered), picked);
}

// clang-format off
void TestConnectorLists::innerAttachmentList_data()
{
    QTest::addColumn<bool>("actual");
    QTest::addColumn<QString>("interfaceText");
    QTest::addColumn<QString>("characteristics");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("picked");

    QTest::newRow("(none) means empty") << true << "7-16 DIN Male" << "(none)" << "S"
                                        << "Captivated" << QStringList{"(N/A)", "Captivated"}
                                        << "Captivated";
    QTest::newRow("right angle") << true << "7-16 DIN Male" << "Right Angle" << "S"
                                 << "Captivated" << QStringList{"(N/A)"} << "(N/A)";
    QTest::newRow("remembered") << true << "N Male" << "(none)" << "R" << "Non-captivated"
                                << QStringList{"Captivated", "Non-captivated"} << "Non-captivated";
    QTest::newRow("remembered gone") << true << "N Male" << "" << "R" << "Gone"
                                     << QStringList{"Captivated", "Non-captivated"} << "Captivated";
    QTest::newRow("all empty: one (N/A)") << true << "4.3-10 Male" << "(none)" << "S" << ""
                                          << QStringList{"(N/A)"} << "(N/A)";
    QTest::newRow("mates to") << false << "N Female" << "Low PIM" << "R" << ""
                              << QStringList{"(N/A)"} << "(N/A)";
    QTest::newRow("no such characteristics") << true << "N Male" << "Low PIM" << "R" << ""
                                             << QStringList{} << "";
    QTest::newRow("other attachment") << true << "N Male" << "(none)" << "S" << ""
                                      << QStringList{} << "";
}
// clang-format on

void TestConnectorLists::innerAttachmentList()
{
    QFETCH(bool, actual);
    QFETCH(QString, interfaceText);
    QFETCH(QString, characteristics);
    QFETCH(QString, attachment);
    QFETCH(QString, remembered);
    QFETCH(QStringList, items);
    QFETCH(QString, picked);

    const TChoiceList list =
        InnerAttachmentList(TestCable(), actual, interfaceText, characteristics, attachment);
    QCOMPARE(list.Items, items);
    QCOMPARE(list.Pick(remembered), picked);
}

// clang-format off
void TestConnectorLists::interfaceName_data()
{
    QTest::addColumn<bool>("actual");
    QTest::addColumn<QString>("interfaceText");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("name");

    QTest::newRow("actual") << true << "7-16 DIN Male" << true << "7-16 DIN Male";
    QTest::newRow("mates to, first connector") << false << "N Female" << true << "N Male";
    QTest::newRow("mates to") << false << "7-16 DIN Male" << true << "7-16 DIN Female";
    QTest::newRow("exact case") << true << "N MALE" << false << "";
    QTest::newRow("empty") << true << "" << false << "";
}
// clang-format on

void TestConnectorLists::interfaceName()
{
    QFETCH(bool, actual);
    QFETCH(QString, interfaceText);
    QFETCH(bool, found);
    QFETCH(QString, name);

    const std::optional<QString> result = InterfaceName(TestCable(), actual, interfaceText);
    QCOMPARE(result.has_value(), found);
    if (found)
        QCOMPARE(*result, name);
}

// clang-format off
void TestConnectorLists::isRightAngle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rightAngle");

    QTest::newRow("upper") << "RIGHT ANGLE" << true;
    QTest::newRow("mixed") << "Right Angle" << true;
    QTest::newRow("at start") << "right angle, low PIM" << true;
    QTest::newRow("at end") << "Low PIM rIGHT aNGLE" << true;
    QTest::newRow("no blank") << "RIGHTANGLE" << false;
    QTest::newRow("two blanks") << "Right  Angle" << false;
    QTest::newRow("hyphen") << "Right-Angle" << false;
    QTest::newRow("(none)") << "(none)" << false;
}
// clang-format on

void TestConnectorLists::isRightAngle()
{
    QFETCH(QString, text);
    QFETCH(bool, rightAngle);

    QCOMPARE(IsRightAngle(text), rightAngle);
}

// clang-format off
void TestConnectorLists::connectorPictureFile_data()
{
    QTest::addColumn<QString>("interfaceText");
    QTest::addColumn<bool>("rightAngle");
    QTest::addColumn<bool>("prenvo");
    QTest::addColumn<QString>("file");

    QTest::newRow("plain") << "7-16 DIN Male" << false << false << "716m.gif";
    QTest::newRow("any case, first row wins") << "7-16 din MALE" << false << false << "716m.gif";
    QTest::newRow("right angle") << "7-16 DIN Male" << true << false << "716m-ra.gif";
    QTest::newRow("prenvo") << "7-16 DIN Male" << false << true << "716m-pv.gif";
    QTest::newRow("right angle prenvo") << "7-16 DIN Male" << true << true << "716m-ra-pv.gif";
    QTest::newRow("blank columns are empty") << "N Female" << false << false << "nf.gif";
    QTest::newRow("fields trimmed") << "N Male" << false << false << "nm.gif";
    QTest::newRow("no right-angle row") << "N Female" << true << false << "";
    QTest::newRow("no row") << "4.3-10 Male" << false << false << "";
}
// clang-format on

void TestConnectorLists::connectorPictureFile()
{
    QFETCH(QString, interfaceText);
    QFETCH(bool, rightAngle);
    QFETCH(bool, prenvo);
    QFETCH(QString, file);

    // interface | right angle | prenvo | picture |
    const QStringList imageTable{"7-16 DIN Male|Y|Y|716m-ra-pv.gif|",
                                 "7-16 DIN Male|||716m.gif|",
                                 "7-16 DIN Male|Y||716m-ra.gif|",
                                 "7-16 DIN Male||Y|716m-pv.gif|",
                                 "7-16 DIN MALE|||second.gif|",
                                 "N Female| | |nf.gif|",
                                 " N Male |||nm.gif |"};
    QCOMPARE(ConnectorPictureFile(imageTable, interfaceText, rightAngle, prenvo), file);
}

QTEST_GUILESS_MAIN(TestConnectorLists)
#include "tst_connectorlists.moc"
