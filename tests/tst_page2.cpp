#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "band/TfrmCompare.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// 1/2" foam in three grades (800-2200 MHz) and a 7/8" foam cable without connectors
// (700-2700 MHz). Connector codes of V4NM-P are written in lower case.
const QString Catalog = QStringLiteral(
    "[Catalog]\nVersion=1\n"
    "[KRV4-50B]\n"
    "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
    "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
    "C2=402|V4DM-P|7-16 DIN Male||7-16 DIN Female|Captivated Pin|P|R|\n"
    "C3=403|V4DM-S|7-16 DIN Male|Low PIM|7-16 DIN Female||S|R|\n"
    "C4=404|V4DMR-P|7-16 DIN Male|right ANGLE|7-16 DIN Female|Spring Finger|P|R|\n"
    "C5=405|V4NM-P|N Male||N Female||p|r|\n"
    "C6=406|V4NF-S|N Female||N Male||S|R|\n"
    "C7=407|V4HY-P|4.3-10 Hybrid||4.3-10 Hybrid||P|R|\n"
    "[KRV4-50BP]\n"
    "TLine=800|2200|KRV4-50BP|KRV4-50BP|FOAM|0.0689|0.00015|0.63|P|FAC-4||Y||3.3|40|\n"
    "C1=411|V4DM-P|7-16 DIN Male||7-16 DIN Female||P|R|\n"
    "[KRV4-50BR]\n"
    "TLine=800|2200|KRV4-50BR|KRV4-50BR|FOAM|0.0689|0.00015|0.63|R|FAC-4|Y|Y|Y|3.3|40|\n"
    "C1=421|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
    "[KRV5-50B]\n"
    "TLine=700|2700|KRV5-50B|KRV5-50B|FOAM|0.0382|0.00012|1.10|S|FAC-5|Y|Y|Y|9|80|\n");

const QString ImageTable = QStringLiteral("7-16 DIN Male|||716dinm.gif|\n"
                                          "7-16 DIN MALE||Y|716dinm_pv.gif|\n"
                                          "7-16 DIN Male|Y||716dinm_ra.gif|\n"
                                          "N Male|||nm.gif|\n");

enum { Plated = 0, Standard = 1 };
enum { Prenvo = 0, Regular = 1 };

} // namespace

class TestPage2 : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaultsOnFirstVisit();
    void compareCables();
    void everyControlPassesItsPick();
    void feederSides_data();
    void feederSides();
    void tabOrderByColumn();
    void missingPicturesShowPlaceholder();

private:
    QString Picture(const char* name)
    {
        const QString file = Label(name)->property("pictureFile").toString();
        return QFileInfo(file).fileName();
    }
    // Picks an item as the user does.
    void Choose(const char* combo, const QString& text)
    {
        QComboBox* box = Combo(combo);
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void Next()
    {
        Button("btnNext")->click();
        QCOMPARE(W().CurrentPage(), TPage::Page2);
    }
};

void TestPage2::init()
{
    Prepare(Catalog);
    Install->WriteProgramFile(QStringLiteral("dat/images.dat"), ImageTable);
    Launch();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

void TestPage2::cleanup()
{
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    Stop();
}

void TestPage2::defaultsOnFirstVisit()
{
    Next();
    QCOMPARE(ComboItems(Combo("cboTLineData")), (QStringList{"KRV4-50B", "KRV5-50B"}));
    QCOMPARE(Combo("cboTLineData")->currentText(), QStringLiteral("KRV4-50B"));
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edtTlineSize"))->text(),
             QStringLiteral("0.63 in."));
    QCOMPARE(Picture("imgCable"), QStringLiteral("KRV4-50B.gif"));

    auto* cableGrade = Group("rgCableGrade");
    QCOMPARE(cableGrade->ItemIndex(), 0);
    QVERIFY(cableGrade->ItemEnabled(0) && cableGrade->ItemEnabled(1) && cableGrade->ItemEnabled(2));

    QCOMPARE(Group("rgConnectorAttachment")->ItemIndex(), int(Prenvo));
    QCOMPARE(Group("rgConnectorGrade")->ItemIndex(), int(Plated));
    QVERIFY(!Group("rgConnectorGrade")->ItemEnabled(Standard));
    QVERIFY(!Label("imgPV")->isHidden());

    for (const char* side : {"C1", "C2"}) {
        const QByteArray prefix = QByteArray("cbo") + side;
        QCOMPARE(ComboItems(Combo(prefix + "MatesTo")), QStringList{"7-16 DIN Male"});
        QCOMPARE(Combo(prefix + "MatesTo")->currentText(), QStringLiteral("7-16 DIN Male"));
        QCOMPARE(ComboItems(Combo(prefix + "Description")), QStringList{"(none)"});
        QCOMPARE(ComboItems(Combo(prefix + "Inner")), QStringList{"(N/A)"});
    }
    QCOMPARE(Label("lblTopDescription")->text(), QStringLiteral("7-16 DIN Male"));
    QCOMPARE(Label("lblBottomDescription")->text(), QStringLiteral("7-16 DIN Male"));
    // The Prenvo picture row is found without regard to case.
    QCOMPARE(Picture("imgTop"), QStringLiteral("716dinm_pv.gif"));
    QCOMPARE(Picture("imgBottom"), QStringLiteral("716dinm_pv.gif"));
    QCOMPARE(W().WizardModel().Cable()->Model, QStringLiteral("KRV4-50B"));
    QCOMPARE(W().WizardModel().Side(0).CharacteristicsChoice, QStringLiteral("(none)"));
}

void TestPage2::compareCables()
{
    Next();
    QStringList seen;
    // The cable list in its order (a cable without a list price says so), the current cable
    // selected and drawn; sorted by a number column as numbers; Close changes nothing.
    WhenModal(this, QStringLiteral("frmCompare"), [&seen](QWidget* dialog) {
        auto* compare = static_cast<TfrmCompare*>(dialog);
        QTableWidget* grid = compare->grdCompare;
        const auto column = [grid](int c) {
            QStringList texts;
            for (int r = 0; r < grid->rowCount(); ++r)
                texts.append(grid->item(r, c)->text());
            return texts.join('|');
        };
        QVERIFY(ChartLabelsInUserFormat(compare->chtCompare));
        seen << column(0) << column(4) << column(9) << compare->SelectedPartNumber()
             << compare->DrawnPartNumbers().join('|')
             << QString::number(
                    static_cast<QLineSeries*>(compare->chtCompare->chart()->series().first())
                        ->count());
        grid->sortByColumn(4, Qt::AscendingOrder);
        seen << column(0);
        grid->sortByColumn(2, Qt::DescendingOrder);
        seen << column(2);
        // A second tick draws a second cable.
        grid->item(0, 0)->setCheckState(Qt::Checked);
        seen << compare->DrawnPartNumbers().join('|')
             << QString::number(compare->chtCompare->chart()->series().size());
        compare->btnCompareClose->click();
    });
    Button("btnCompare")->click();
    QCOMPARE(seen,
             (QStringList{"KRV4-50B|KRV5-50B", Local("2.89") + "|" + Local("1.66"),
                          Local("2.10") + "|no list price", "KRV4-50B", "KRV4-50B", "61",
                          "KRV5-50B|KRV4-50B", "1.10 in.|0.63 in.", "KRV5-50B|KRV4-50B", "2"}));
    QCOMPARE(Combo("cboTLineData")->currentText(), QStringLiteral("KRV4-50B"));

    // Use This Cable chooses the selected cable as cboTLineData does.
    WhenModal(this, QStringLiteral("frmCompare"), [](QWidget* dialog) {
        auto* compare = static_cast<TfrmCompare*>(dialog);
        compare->grdCompare->selectRow(1);
        compare->btnUseCable->click();
    });
    Button("btnCompare")->click();
    QCOMPARE(Combo("cboTLineData")->currentText(), QStringLiteral("KRV5-50B"));
    QCOMPARE(W().WizardModel().Cable()->Model, QStringLiteral("KRV5-50B"));
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edtTlineSize"))->text(),
             QStringLiteral("1.10 in."));
}

// clang-format off
void TestPage2::everyControlPassesItsPick()
{
    // Each control of the page hands its pick to the wizard, and the page shows the result.
    Next();
    Group("rgConnectorAttachment")->Button(Regular)->click();
    QVERIFY(Label("imgPV")->isHidden());
    Group("rgConnectorGrade")->Button(Standard)->click();
    QCOMPARE(W().WizardModel().GradeChoice(), int(Standard));
    QCOMPARE(ComboItems(Combo("cboC2MatesTo")), (QStringList{"7-16 DIN Male", "N Female"}));
    Group("rgConnectorGrade")->Button(Plated)->click();
    Choose("cboC1Description", QStringLiteral("right ANGLE"));
    QCOMPARE(Picture("imgTop"), QStringLiteral("716dinm_ra.gif"));
    QCOMPARE(ComboItems(Combo("cboC1Inner")), QStringList{"Spring Finger"});
    Choose("cboC1Inner", QStringLiteral("Spring Finger"));
    QCOMPARE(W().WizardModel().Side(0).InnerChoice, QStringLiteral("Spring Finger"));
    W().findChild<QRadioButton*>(QStringLiteral("rbC1MatesTo"))->click();
    QCOMPARE(ComboItems(Combo("cboC1MatesTo")),
             (QStringList{"4.3-10 Hybrid", "7-16 DIN Female", "N Female"}));
    Choose("cboC1MatesTo", QStringLiteral("7-16 DIN Female"));
    QCOMPARE(Label("lblTopDescription")->text(), QStringLiteral("7-16 DIN Male"));
    W().findChild<QRadioButton*>(QStringLiteral("rbC2MatesTo"))->click();
    Choose("cboC2MatesTo", QStringLiteral("N Female"));
    QCOMPARE(Label("lblBottomDescription")->text(), QStringLiteral("N Male"));
    QCOMPARE(Picture("imgBottom"), QStringLiteral("nm.gif"));
    Choose("cboC2Description", QStringLiteral("(none)"));
    Choose("cboC2Inner", QStringLiteral("(N/A)"));
    QCOMPARE(W().WizardModel().Side(1).InnerChoice, QStringLiteral("(N/A)"));
    Group("rgConnectorAttachment")->Button(Prenvo)->click();
    QVERIFY(!Label("imgPV")->isHidden());
    QVERIFY(!Group("rgConnectorGrade")->ItemEnabled(Standard));
    Group("rgCableGrade")->Button(2)->click();
    QCOMPARE(Combo("cboTLineData")->currentText(), QStringLiteral("KRV4-50BR"));
    QCOMPARE(W().WizardModel().CableModel(), QStringLiteral("KRV4-50BR"));
}

// clang-format off
void TestPage2::feederSides_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::newRow("top only") << true << false;
    QTest::newRow("bottom only") << false << true;
    QTest::newRow("no connectors") << false << false;
}
// clang-format on

void TestPage2::feederSides()
{
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    Group("rgApp")->Button(1)->click();
    if (!top)
        W().findChild<QCheckBox*>(QStringLiteral("chkTopConnector"))->click();
    if (!bottom)
        W().findChild<QCheckBox*>(QStringLiteral("chkBottomConnector"))->click();
    Next();
    const struct {
        bool Included;
        const char* Prefix;
        const char* Picture;
    } sides[] = {{top, "C1", "imgTop"}, {bottom, "C2", "imgBottom"}};
    for (const auto& side : sides) {
        const QByteArray prefix = QByteArray("cbo") + side.Prefix;
        QComboBox* interfaceBox = Combo(prefix + "MatesTo");
        QCOMPARE(interfaceBox->isEnabled(), side.Included);
        QCOMPARE(W().findChild<QRadioButton*>(QLatin1String("rb") + QLatin1String(side.Prefix) +
                                              QLatin1String("Actual"))
                     ->isEnabled(),
                 side.Included);
        if (side.Included) {
            QCOMPARE(interfaceBox->currentText(), QStringLiteral("7-16 DIN Male"));
            continue;
        }
        QCOMPARE(ComboItems(interfaceBox), QStringList{"None"});
        QCOMPARE(Combo(prefix + "Description")->currentText(), QStringLiteral("N/A"));
        QCOMPARE(Combo(prefix + "Inner")->currentText(), QStringLiteral("N/A"));
        QCOMPARE(Picture(side.Picture), QStringLiteral("noconnectors.gif"));
        // No interface is named over the picture of no connector.
        QCOMPARE(Label(side.Included ? ""
                                     : (side.Prefix == QByteArray("C1") ? "lblTopDescription"
                                                                        : "lblBottomDescription"))
                     ->text(),
                 QString());
    }
    QCOMPARE(Label("imgPV")->isVisibleTo(&W()), false);
    QCOMPARE(Group("rgConnectorGrade")->isEnabled(), top || bottom);
    QCOMPARE(Group("rgConnectorAttachment")->isEnabled(), top || bottom);
    if (top || bottom)
        QVERIFY(!Group("rgConnectorAttachment")->ItemEnabled(Prenvo));
}

void TestPage2::tabOrderByColumn()
{
    // Down the cable column, the top connector, the bottom one, then the buttons; the read-only
    // diameter and disabled controls are no tab stops.
    W().show();
    Next();
    QStringList order;
    QWidget* widget = Combo("cboTLineData");
    for (int guard = 0; guard < 200 && !order.contains(QStringLiteral("btnNext")); ++guard) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&W()) &&
            widget->isEnabled()) {
            const QString name = widget->objectName().isEmpty()
                                     ? widget->parentWidget()->objectName() + QLatin1Char('/') +
                                           static_cast<QAbstractButton*>(widget)->text()
                                     : widget->objectName();
            if (!order.contains(name))
                order.append(name);
        }
        widget = widget->nextInFocusChain();
    }
    // (The Standard connector grade is not offered with the Prenvo attachment page 2 starts with.)
    const QStringList wanted = {"cboTLineData",
                                "btnCompare",
                                "rgCableGrade_0",
                                "rgCableGrade_1",
                                "rgCableGrade_2",
                                "rbC1Actual",
                                "rbC1MatesTo",
                                "cboC1MatesTo",
                                "cboC1Description",
                                "cboC1Inner",
                                "rgConnectorGrade_0",
                                "rbC2Actual",
                                "rbC2MatesTo",
                                "cboC2MatesTo",
                                "cboC2Description",
                                "cboC2Inner",
                                "rgConnectorAttachment_0",
                                "rgConnectorAttachment_1",
                                "btnRestart",
                                "btnClose",
                                "btnBack",
                                "btnNext"};
    QStringList found;
    for (const QString& name : order)
        if (wanted.contains(name) || name == QLatin1String("edtTlineSize"))
            found.append(name);
    QVERIFY2(found == wanted, qPrintable(order.join(", ")));
}

void TestPage2::missingPicturesShowPlaceholder()
{
    Next();
    Group("rgCableGrade")->Button(2)->click();
    // No KRV4-50BR.gif is installed.
    QVERIFY(Label("imgCable")->property("noPicture").toBool());
    QCOMPARE(ComboItems(Combo("cboC1MatesTo")), QStringList{"7-16 DIN Male"});
    QCOMPARE(Label("lblTopDescription")->text(), QStringLiteral("7-16 DIN Male"));
}

QTEST_MAIN(TestPage2)
#include "tst_page2.moc"
