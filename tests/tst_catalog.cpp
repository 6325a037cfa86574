// Catalog lines, loading tlineconnectors.dat, the frequency lists and the cable query.
#include "base/DataError.h"
#include "catalog/Catalog.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "support/CoreTestHelpers.h"

#include <functional>

namespace {

QStringList PartNumbers(const TCableRefs& cables)
{
    QStringList numbers;
    for (const TTransmissionLine* cable : cables)
        numbers << cable->PartNumber;
    return numbers;
}

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT

private slots:
    void parseCableLine();
    void parseConnectorLine();
    void emptyNumericColumnsReadZero();
    void parseErrors_data();
    void parseErrors();
    void loadCatalog();
    void loadCatalogFileBytes();
    void loadWithoutCables_data();
    void loadWithoutCables();
    void loadErrors_data();
    void loadErrors();
    void frequencyLists();
    void selectCables_data();
    void selectCables();
    void selectFromEmptyOrRepeatedSource();
    void connectorArray();

private:
    // Writes text as tlineconnectors.dat and loads it.
    TCableList Load(const QByteArray& text);
    QTemporaryDir Dir;
};

TCableList TestCatalog::Load(const QByteArray& text)
{
    const QString path = Dir.filePath("tlineconnectors.dat");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
    file.close();
    TCableList cables;
    LoadCatalogFile(path, cables);
    return cables;
}

void TestCatalog::parseCableLine()
{
    const TTransmissionLine c = ParseCableLine(
        "800|2200|KRV4-50B|KRV4-50B-S|FOAM|0.07|0.0002| 0.63|S|ATT-4|Y|P|St|6.5|40|");
    QCOMPARE(c.MinFrequency, 800.0);
    QCOMPARE(c.MaxFrequency, 2200.0);
    QCOMPARE(c.Model, QStringLiteral("KRV4-50B"));
    QCOMPARE(c.PartNumber, QStringLiteral("KRV4-50B-S"));
    QCOMPARE(c.CableType, QStringLiteral("FOAM"));
    QCOMPARE(c.AttenuationK1, 0.07);
    QCOMPARE(c.AttenuationK2, 0.0002);
    QCOMPARE(c.Diameter, QStringLiteral(" 0.63")); // columns are not trimmed
    QCOMPARE(c.Grade, QStringLiteral("S"));
    QCOMPARE(c.AttachChargePartNumber, QStringLiteral("ATT-4"));
    QCOMPARE(c.PrenvoOption, QStringLiteral("Y"));
    QCOMPARE(c.PlatedOption, QStringLiteral("P"));
    QCOMPARE(c.StandardOption, QStringLiteral("St"));
    QCOMPARE(c.PowerFactor, 6.5); // column 14
    QCOMPARE(c.MaxPower, 40.0);   // column 15
    QCOMPARE(c.ConnectorCount(), 0);
}

void TestCatalog::parseConnectorLine()
{
    const TConnector c =
        ParseConnectorLine("12|FN-716M-RA|7-16 DIN Male|RIGHT ANGLE|7-16 DIN Female|Bronze |p|s|");
    QCOMPARE(c.ConnectorID, 12);
    QCOMPARE(c.PartNumber, QStringLiteral("FN-716M-RA"));
    QCOMPARE(c.ActualInterface, QStringLiteral("7-16 DIN Male"));
    QCOMPARE(c.Characteristics, QStringLiteral("RIGHT ANGLE"));
    QCOMPARE(c.MatesToInterface, QStringLiteral("7-16 DIN Female"));
    QCOMPARE(c.InnerAttachment, QStringLiteral("Bronze "));
    QCOMPARE(c.Grade, QStringLiteral("p"));
    QCOMPARE(c.AttachmentCode, QStringLiteral("s"));
    QCOMPARE(c.PriceDescription, QString());
}

void TestCatalog::emptyNumericColumnsReadZero()
{
    const TTransmissionLine cable = ParseCableLine("||KRE60|KRE60-S|EW|||1.2|S|||||||");
    QCOMPARE(cable.MinFrequency, 0.0);
    QCOMPARE(cable.MaxFrequency, 0.0);
    QCOMPARE(cable.AttenuationK1, 0.0);
    QCOMPARE(cable.AttenuationK2, 0.0);
    QCOMPARE(cable.PowerFactor, 0.0);
    QCOMPARE(cable.MaxPower, 0.0);
    QCOMPARE(ParseConnectorLine("|FN-NM|N Male||N Female||S|R|").ConnectorID, 0);
}

// clang-format off
void TestCatalog::parseErrors_data()
{
    QTest::addColumn<bool>("cable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    QTest::newRow("cable of 14 fields") << true << "800|2200|M|PN|FOAM|0.07|0.0002|0.63|S|A|Y|Y|Y|4"
                                        << "List index out of bounds (14)";
    QTest::newRow("empty cable") << true << "" << "List index out of bounds (1)";
    QTest::newRow("unit in frequency") << true << "800MHz|2200|M|PN|FOAM|1|1|1|S|||||4|40|"
                                       << "'800MHz' is not a valid floating point value";
    QTest::newRow("blank is not empty") << true << "800|2200|M|PN|FOAM| |1|1|S|||||4|40|"
                                        << "' ' is not a valid floating point value";
    QTest::newRow("max power") << true << "800|2200|M|PN|FOAM|1|1|1|S|||||4|forty|"
                               << "'forty' is not a valid floating point value";
    // Figures that would give an efficiency above 100 %, negative or endless powers.
    const QString bounded = "is not a valid floating point value (from 0 to " + Local("1000000") + " here)";
    QTest::newRow("negative coefficient") << true << "800|2200|M|PN|FOAM|-0.07|0.0002|0.63|S|||||4|40|"
                                          << "'-0.07' " + bounded;
    QTest::newRow("negative second coefficient") << true << "800|2200|M|PN|FOAM|0.07|-1e-3|0.63|S|||||4|40|"
                                                 << "'-1e-3' " + bounded;
    QTest::newRow("negative power factor") << true << "800|2200|M|PN|FOAM|0.07|0.0002|0.63|S|||||-4|40|"
                                           << "'-4' " + bounded;
    QTest::newRow("huge power factor") << true << "800|2200|M|PN|FOAM|0.07|0.0002|0.63|S|||||5e307|40|"
                                       << "'5e307' " + bounded;
    QTest::newRow("huge max power") << true << "800|2200|M|PN|FOAM|0.07|0.0002|0.63|S|||||4|1000001|"
                                    << "'1000001' " + bounded;
    QTest::newRow("connector of 7 fields") << false << "1|PN|N Male||N Female||P"
                                           << "List index out of bounds (7)";
    QTest::newRow("fractional id") << false << "1.5|PN|N Male||N Female||P|R|"
                                   << "'1.5' is not a valid integer value";
    QTest::newRow("letters in id") << false << "A1|PN|N Male||N Female||P|R|"
                                   << "'A1' is not a valid integer value";
}
// clang-format on

void TestCatalog::parseErrors()
{
    QFETCH(bool, cable);
    QFETCH(QString, value);
    QFETCH(QString, message);

    if (cable)
        QCOMPARE(DataErrorOf([&] { ParseCableLine(value); }), message);
    else
        QCOMPARE(DataErrorOf([&] { ParseConnectorLine(value); }), message);
}

void TestCatalog::loadCatalog()
{
    const TCableList cables =
        Load("[Catalog]\r\n"
             "TLine=1|1|NOT|A-CABLE|FOAM|0|0|0|S|||||0|0|\r\n"
             "[KRV4-50B]\r\n"
             "TLine=800|2200|KRV4-50B|KRV4-50B-S|FOAM|0.07|0.0002|0.63|S||Y|Y|Y|4|40|\r\n"
             "C1=1|FN-716M|7-16 DIN Male||7-16 DIN Female||P|S|\r\n"
             "C2=2|FN-NM|N Male|Right Angle|N Female|Captivated|S|R|\r\n"
             "C1=3|FN-NF|N Female||N Male||S|R|\r\n"
             "[KRV4-50B-P]\r\n"
             "TLine=800|2200|KRV4-50B|KRV4-50B-P|FOAM|0.07|0.0002|0.63|P||||||\r\n"
             "[KRA7-50]\r\n"
             "C5=5|AN-716F|7-16 DIN Female||7-16 DIN Male||P|R|\r\n"
             "TLine=150|1700|KRA7-50|KRA7-50-S|AIR|0.03|0.0001|1.63|S||||Y|60|90|\r\n"
             "C6=6|AN-NF|N Female||N Male||S|R|\r\n");
    QCOMPARE(cables.size(), std::size_t(3));
    QCOMPARE(PartNumbers(CableRefs(cables)),
             (QStringList{"KRV4-50B-S", "KRV4-50B-P", "KRA7-50-S"}));

    // Entries in file order; of two equal keys the first line's value serves both.
    const TTransmissionLine& foam = *cables.at(0);
    QCOMPARE(foam.ConnectorCount(), 3);
    QCOMPARE(foam.GetConnector(0).PartNumber, QStringLiteral("FN-716M"));
    QCOMPARE(foam.GetConnector(1).PartNumber, QStringLiteral("FN-NM"));
    QCOMPARE(foam.GetConnector(1).InnerAttachment, QStringLiteral("Captivated"));
    QCOMPARE(foam.GetConnector(2).ConnectorID, 1);
    QCOMPARE(foam.GetConnector(2).PartNumber, QStringLiteral("FN-716M"));

    QCOMPARE(cables.at(1)->ConnectorCount(), 0);
    QCOMPARE(cables.at(1)->Grade, QStringLiteral("P"));

    // The cable comes from "TLine" wherever it stands; the first line is skipped and the
    // "TLine" line itself is read as a connector entry.
    const TTransmissionLine& air = *cables.at(2);
    QCOMPARE(air.MinFrequency, 150.0);
    QCOMPARE(air.MaxFrequency, 1700.0);
    QCOMPARE(air.PowerFactor, 60.0);
    QCOMPARE(air.MaxPower, 90.0);
    QCOMPARE(air.ConnectorCount(), 2);
    QCOMPARE(air.GetConnector(0).ConnectorID, 150);
    QCOMPARE(air.GetConnector(0).PartNumber, QStringLiteral("1700"));
    QCOMPARE(air.GetConnector(0).ActualInterface, QStringLiteral("KRA7-50"));
    QCOMPARE(air.GetConnector(0).AttachmentCode, QStringLiteral("1.63"));
    QCOMPARE(air.GetConnector(1).PartNumber, QStringLiteral("AN-NF"));
}

void TestCatalog::loadCatalogFileBytes()
{
    // Windows-1252 names; a repeated section (whatever the case) is ignored unread; IDs with
    // blanks around them are numbers; connectors are read when first asked for.
    const TCableList cables =
        Load("[Catalog]\r\n"
             "[LDF4]\r\n"
             "TLine=800|2200|LDF4|LDF4-S|FOAM|0.07|0.0002|0.63|S||Y|Y|Y|4|40|\r\n"
             "C1= 7 |FN-N\xd8|N Male \xd8 8mm||N Female||P|S|\r\n"
             "C2=|FN-X|N Male||N Female||S|R|extra|\r\n"
             "\t \r\n"
             "[ldf4]\r\n"
             "TLine=no cable at all\r\n"
             "C1=x|bad\r\n"
             "\x1a");
    QCOMPARE(cables.size(), std::size_t(1));
    const TTransmissionLine& cable = *cables.at(0);
    QCOMPARE(cable.ConnectorCount(), 2);
    QCOMPARE(cable.GetConnector(0).ConnectorID, 7);
    QCOMPARE(cable.GetConnector(0).PartNumber, QStringLiteral("FN-N\u00d8"));
    QCOMPARE(cable.GetConnector(0).ActualInterface, QStringLiteral("N Male \u00d8 8mm"));
    QCOMPARE(cable.GetConnector(1).ConnectorID, 0);
    QCOMPARE(cable.GetConnector(1).AttachmentCode, QStringLiteral("R"));

    // A connector added to a loaded cable comes after the catalog's own.
    TCableList more =
        Load("[Catalog]\n[A]\nTLine=1|2|A|A-S|AIR|0|0|0|S|||||0|0|\nC1=1|A1|N||N||S|R|\n");
    TConnector added;
    added.ConnectorID = 9;
    more.at(0)->AddConnector(added);
    QCOMPARE(more.at(0)->ConnectorCount(), 2);
    QCOMPARE(more.at(0)->GetConnector(0).PartNumber, QStringLiteral("A1"));
    QCOMPARE(more.at(0)->GetConnector(1).ConnectorID, 9);
}

// clang-format off
void TestCatalog::loadWithoutCables_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("one section") << QByteArray(
        "[KRV4-50B]\r\nTLine=800|2200|KRV4-50B|KRV4-50B-S|FOAM|0.07|0.0002|0.63|S||Y|Y|Y|4|40|\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("no sections") << QByteArray("TLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|40|\r\n");
}
// clang-format on

void TestCatalog::loadWithoutCables()
{
    QFETCH(QByteArray, text);

    QVERIFY(Load(text).empty());
}

// clang-format off
void TestCatalog::loadErrors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("bad connector id")
        << QByteArray("[Catalog]\n[LDF4]\nTLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|40|\n\n"
                      "C1=1|PN|N Male||N Female||P|R|\nC2=x|PN|N Male||N Female||P|R|\n")
        << "'x' is not a valid integer value\n(tlineconnectors.dat, line 6)";
    QTest::newRow("short cable line")
        << QByteArray("[Catalog]\r\n[LDF4]\r\nC1=1|PN|N Male||N Female||P|R|\r\n"
                      "TLine=800|2200|M|PN|FOAM|\r\n")
        << "List index out of bounds (6)\n(tlineconnectors.dat, line 4)";
    QTest::newRow("no cable line")
        << QByteArray("[Catalog]\r\n\r\n[LDF4]\r\nC1=1|PN|N Male||N Female||P|R|\r\n")
        << "List index out of bounds (1)\n(tlineconnectors.dat, line 3)";
    QTest::newRow("id too large")
        << QByteArray("[Catalog]\n[A]\nTLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|40|\n"
                      "C1=1|PN|N Male||N Female||P|R|\nC2=99999999999|PN|N Male||N Female||P|R|\n")
        << "'99999999999' is not a valid integer value\n(tlineconnectors.dat, line 5)";
    QTest::newRow("a repeated key reads the first line's value")
        << QByteArray("[Catalog]\n[A]\nC1=1|PN|N Male||N Female||P\n"
                      "TLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|40|\nC1=1|PN|N Male||N Female||P|R|\n")
        << "List index out of bounds (7)\n(tlineconnectors.dat, line 3)";
    QTest::newRow("negative power in a later section")
        << QByteArray("[Catalog]\n[A]\nTLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|40|\n"
                      "[B]\nTLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|-40|\n")
        << "'-40' is not a valid floating point value (from 0 to " + Local("1000000") +
           " here)\n(tlineconnectors.dat, line 5)";
    QTest::newRow("bad number in a later section")
        << QByteArray("[Catalog]\r[A]\rTLine=800|2200|M|PN|FOAM|1|1|1|S|||||4|40|\r"
                      "[B]\rTLine=800|2200|M|PN|FOAM|1|0.2.1|1|S|||||4|40|\r")
        << "'0.2.1' is not a valid floating point value\n(tlineconnectors.dat, line 5)";
}
// clang-format on

void TestCatalog::loadErrors()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);

    QCOMPARE(DataErrorOf([&] { Load(text); }), message);
}

void TestCatalog::frequencyLists()
{
    TCableList cables;
    for (const auto& [low, high] : std::initializer_list<std::pair<double, double>>{
             {800, 2200}, {1700, 2200}, {150, 1700}, {800, 2500}, {2.5, 6}}) {
        cables.push_back(std::make_unique<TTransmissionLine>());
        cables.back()->MinFrequency = low;
        cables.back()->MaxFrequency = high;
    }
    QStringList beginning{"stale"};
    QStringList ending{"stale"};

    BuildFrequencyLists(cables, beginning, ending);
    QCOMPARE(beginning, (QStringList{Local("2.5"), Local("150"), Local("800"), Local("1700")}));
    QCOMPARE(ending, (QStringList{Local("6"), Local("1700"), Local("2200"), Local("2500")}));

    BuildFrequencyLists(TCableList(), beginning, ending);
    QVERIFY(beginning.isEmpty());
    QVERIFY(ending.isEmpty());
}

// clang-format off
void TestCatalog::selectCables_data()
{
    QTest::addColumn<bool>("useBand");
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<QString>("types"); // letters A(ir), F(oam), E(W)
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QStringList>("selected");

    QTest::newRow("no criteria") << false << 0.0 << 0.0 << "" << ""
                                 << QStringList{"A", "B", "C", "D", "E", "F"};
    QTest::newRow("exact band") << true << 800.0 << 2200.0 << "" << "" << QStringList{"A", "B", "D"};
    QTest::newRow("inside band") << true << 824.0 << 894.0 << "" << ""
                                 << QStringList{"A", "B", "C", "D", "F"};
    QTest::newRow("below range") << true << 700.0 << 900.0 << "" << "" << QStringList{"C", "F"};
    QTest::newRow("above range") << true << 2000.0 << 2500.0 << "" << "" << QStringList{};
    QTest::newRow("single frequency") << true << 900.0 << 900.0 << "" << ""
                                      << QStringList{"A", "B", "C", "D", "F"};
    QTest::newRow("both ends inclusive") << true << 150.0 << 1700.0 << "" << "" << QStringList{"C"};
    QTest::newRow("foam, any case") << false << 0.0 << 0.0 << "F" << "" << QStringList{"A", "B", "F"};
    QTest::newRow("air, not 'AIR '") << false << 0.0 << 0.0 << "A" << "" << QStringList{"C"};
    QTest::newRow("waveguide") << false << 0.0 << 0.0 << "E" << "" << QStringList{"E"};
    QTest::newRow("air and foam") << false << 0.0 << 0.0 << "AF" << ""
                                  << QStringList{"A", "B", "C", "F"};
    QTest::newRow("grade P") << false << 0.0 << 0.0 << "" << "P" << QStringList{"B"};
    QTest::newRow("grade s upper-cased") << false << 0.0 << 0.0 << "" << "s"
                                         << QStringList{"A", "C", "D", "F"};
    QTest::newRow("grade nobody has") << false << 0.0 << 0.0 << "" << "R" << QStringList{};
    QTest::newRow("all three") << true << 800.0 << 2200.0 << "F" << "S" << QStringList{"A"};
}
// clang-format on

void TestCatalog::selectCables()
{
    QFETCH(bool, useBand);
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(QString, types);
    QFETCH(QString, grade);
    QFETCH(QStringList, selected);

    TCableList cables;
    for (const char* line :
         {"800|2200|M|A|FOAM|1|1|1|S|||||4|40|", "800|2200|M|B|foam|1|1|1|p|||||4|40|",
          "150|1700|M|C|AIR|1|1|1|S|||||4|40|", "800|2200|M|D|AIR |1|1|1|s|||||4|40|",
          "1700|2300|M|E|EW|1|1|1|W|||||4|40|", "700|900|M|F|Foam|1|1|1|S|||||4|40|"})
        cables.push_back(std::make_unique<TTransmissionLine>(ParseCableLine(line)));

    TCableCriteria criteria;
    criteria.UseBand = useBand;
    criteria.BeginFrequency = begin;
    criteria.EndFrequency = end;
    criteria.Air = types.contains('A');
    criteria.Foam = types.contains('F');
    criteria.EllipticalWaveguide = types.contains('E');
    criteria.Grade = grade;

    QCOMPARE(PartNumbers(SelectCables(CableRefs(cables), criteria)), selected);
}

void TestCatalog::selectFromEmptyOrRepeatedSource()
{
    TCableCriteria all;
    all.UseBand = true;
    all.EndFrequency = 1e9;
    all.Air = all.Foam = all.EllipticalWaveguide = true;
    QVERIFY(SelectCables(TCableRefs(), all).isEmpty());
    QVERIFY(SelectCables(TCableRefs(), TCableCriteria()).isEmpty());

    TTransmissionLine cable = ParseCableLine("800|2200|M|A|FOAM|1|1|1|S|||||4|40|");
    const TCableRefs selected = SelectCables(TCableRefs{&cable, &cable}, TCableCriteria());
    QCOMPARE(selected, TCableRefs{&cable});
}

void TestCatalog::connectorArray()
{
    TTransmissionLine cable;
    QCOMPARE(cable.ConnectorCount(), 0);

    for (int id = 1; id <= 3; ++id) {
        TConnector connector;
        connector.ConnectorID = id;
        cable.AddConnector(connector);
    }
    QCOMPARE(cable.ConnectorCount(), 3);
    QCOMPARE(cable.GetConnector(0).ConnectorID, 1);
    QCOMPARE(cable.GetConnector(2).ConnectorID, 3);

    // Connectors stay where they are while more are added (the assembly points at them).
    const TConnector* first = &cable.GetConnector(0);
    for (int i = 0; i < 1000; ++i)
        cable.AddConnector(TConnector());
    QCOMPARE(&cable.GetConnector(0), first);
    QCOMPARE(cable.ConnectorCount(), 1003);
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"
