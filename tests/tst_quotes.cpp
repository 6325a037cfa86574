#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "band/BandPanel.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/RadioGroup.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QtTest>

namespace {

// An air cable with Regular connectors only and a foam cable with Prenvo and Regular ones.
const QString Catalog = QStringLiteral(
    "[Catalog]\nVersion=1\n"
    "[KRA5-50A]\n"
    "TLine=150|3000|KRA5-50A|KRA5-50A|AIR|0.035|0.0001|1.05|S|FAC-5||Y|Y|10|90|\n"
    "C1=601|A5NM-P|N Male||N Female||P|R|\n"
    "C2=602|A5NF-P|N Female||N Male||P|R|\n"
    "[KRV4-50B]\n"
    "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
    "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
    "C2=404|V4DM-P|7-16 DIN Male||7-16 DIN Female|Captivated Pin|P|R|\n"
    "C3=411|V4NM-PV|N Male||N Female||P|S|\n"
    "C4=412|V4DMR-PV|7-16 DIN Male|Right Angle|7-16 DIN Female||P|S|\n");

const QString PriceList = QStringLiteral("; test prices\n"
                                         "CAB|1|KRA5-50A|FT|7/8 in. air cable|2.50|\n"
                                         "CON|2|A5NM-P|EA|N male|30.00|\n"
                                         "CON|2|A5NF-P|EA|N female|40.00|\n"
                                         "SVC|3|FAC-5|EA|7/8 in. charge|15.00|\n"
                                         "CAB|1|KRV4-50B|FT|1/2 in. foam cable|2.10|\n"
                                         "CON|2|V4DM-PV|EA|7-16 DIN male Prenvo|38.50|\n"
                                         "CON|2|V4DM-P|EA|7-16 DIN male|35.00|\n"
                                         "CON|2|V4NM-PV|EA|N male Prenvo|36.00|\n"
                                         "SVC|3|FAC-4|EA|1/2 in. charge|15.00|\n"
                                         "ASM|4|KJ4-DMDM-PV-6|EA|Jumper 6 ft|123.40|\n"
                                         "ASM|4|KJ4-DMDM-PV-1M|EA|Jumper 1 m|111.11|\n");

const QString Jumpers = QStringLiteral("[Assemblies]\nVersion=1\n"
                                       "[KRV4-50B]\nTLine=KRV4-50B|\n"
                                       "J1=401|401|x|x|KJ4-DMDM-PV-|x|3,6,10,15|1,5|\n"
                                       "J2=411|401|x|x|KJ4-NMDM-PV-|x|3,6|1|\n");

const QString Rates = QStringLiteral("EUR|0.5|\nEUR|0.8|\nCNY|0.125|\nGBP|abc|\nJPY|0|\n");

const QString Description6Ft =
    QStringLiteral("6 foot cable assembly, KRV4-50B, (0.63 in.)\rSPECIAL INSTRUCTIONS: \r"
                   "Connector1 = Plated 7-16 DIN Male with (N/A) inner contact attachment.  \r"
                   "Connector2 = Plated 7-16 DIN Male with (N/A) inner contact attachment");

} // namespace

class TestQuotes : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void partsListOfTwoConnectors();
    void equalConnectorsMerge();
    void prenvoChargeAtThreeQuarters();
    void feederAttachmentRows_data();
    void feederAttachmentRows();
    void chosenGradeIsFollowed_data();
    void chosenGradeIsFollowed();
    void metresPricePerMetre();
    void standardLengthGivesSummary_data();
    void standardLengthGivesSummary();
    void nearestLengths_data();
    void nearestLengths();
    void pickingALengthOnTheNearestLengthsPage();
    void pickingAFeetLengthInMetres();
    void noStandardLengthNear();
    void unpricedAssemblyNeverShowsAnothersPrice();
    void currencyRepricesTheSummary();
    void currencyRepricesThePartsList();
    void badRatesDisableTheirCurrencies();
    void withoutRatesOnlyDollars();
    void pricingDateColour_data();
    void pricingDateColour();
    void bandPanelFollowsTheResult();
    void malformedJumperEntry();
    void missingJumperFileGivesPartsList();
    void editedJumperFileCountsAtTheNextSearch();

private:
    void Start(bool withRates = true);
    void ToPage2(const QString& length, int cableType = 1, bool metres = false);
    void ChooseInterface(const char* combo, const QString& text);
    void Next() { Button("btnNext")->click(); }
    QTableWidget* Grid(const char* name) { return W().findChild<QTableWidget*>(name); }
    QStringList Column(const char* grid, int column);
    QAction* Currency(const char* name) { return W().findChild<QAction*>(name); }
};

void TestQuotes::init()
{
    Prepare(Catalog);
    Install->WriteCommonFile(QStringLiteral("M_lom.dat"), PriceList);
    Install->WriteProgramFile(QStringLiteral("dat/jumpers.dat"), Jumpers);
}

void TestQuotes::cleanup()
{
    Stop();
}

void TestQuotes::Start(bool withRates)
{
    if (withRates)
        Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), Rates);
    Launch();
    Dialogs::TakeMessages();
    Dialogs::TakeBeeps();
}

void TestQuotes::ToPage2(const QString& length, int cableType, bool metres)
{
    Group("rgCableType")->Button(cableType)->click();
    if (metres)
        W().findChild<QRadioButton*>(QStringLiteral("rbMeters"))->setChecked(true);
    Combo("cboLength")->setEditText(Local(length));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Page2);
}

void TestQuotes::ChooseInterface(const char* combo, const QString& text)
{
    QComboBox* box = Combo(combo);
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QStringList TestQuotes::Column(const char* grid, int column)
{
    QStringList texts;
    QTableWidget* table = Grid(grid);
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, column) ? table->item(row, column)->text() : QString());
    return texts;
}

void TestQuotes::partsListOfTwoConnectors()
{
    Start();
    ToPage2(QStringLiteral("10"), 0);
    ChooseInterface("cboC1MatesTo", QStringLiteral("N Male"));
    ChooseInterface("cboC2MatesTo", QStringLiteral("N Female"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    QCOMPARE(Column("grdJumper", 0), (QStringList{"10", "1", "1", "2"}));
    QCOMPARE(Column("grdJumper", 1), (QStringList{"Feet", "Each", "Each", "Each"}));
    QCOMPARE(Column("grdJumper", 2), (QStringList{"KRA5-50A", "A5NM-P", "A5NF-P", "FAC-5"}));
    QCOMPARE(Column("grdJumper", 3).last(),
             QStringLiteral("Factory attachment charge for KRA5-50A connectors"));
    QCOMPARE(Column("grdJumper", 4),
             (QStringList{Local(" 2.50"), Local(" 30.00"), Local(" 40.00"), Local(" 15.00")}));
    QCOMPARE(Column("grdJumper", 5),
             (QStringList{Local(" 25.00"), Local(" 30.00"), Local(" 40.00"), Local(" 30.00")}));
    QCOMPARE(Column("grdJumper", 6), (QStringList{"2", "4", "4", "7"}));
    QCOMPARE(Grid("grdJumper")->horizontalHeaderItem(4)->text(), QStringLiteral("Price (USD)"));
    QCOMPARE(Label("lblTotal")->text(), QStringLiteral("Total (USD):"));
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edTotal"))->text(), Local(" 125.00"));
    QCOMPARE(Label("lblPartsList")->text(),
             QStringLiteral("There is no standard part number that matches your selections.\n\n"
                            "Below is a list of the individual components that will make up "
                            "your cable assembly,\nalong with the charges to have the connectors "
                            "attached to the cable (if applicable)."));
    // The rows it offers to the order, numbers in the data format.
    QCOMPARE(OrderLineTexts(W().CurrentQuote().OrderRows).first(),
             QStringLiteral("10|Feet|KRA5-50A|7/8 in. air cable|2.50|2|"));
    QCOMPARE(
        OrderLineTexts(W().CurrentQuote().OrderRows).last(),
        QStringLiteral("2|Each|FAC-5|Factory attachment charge for KRA5-50A connectors|15.00|7|"));
    // Attenuation 0.035 x sqrt(1500) + 0.0001 x 1500 = 1.5056 dB/100 ft.
    QCOMPARE(Grid("grdJumperspecs")->item(0, 1)->text(), Local("1.51 dB"));
    QCOMPARE(Button("btnNext")->text(), QStringLiteral("Add To Order"));
}

void TestQuotes::equalConnectorsMerge()
{
    Start();
    ToPage2(QStringLiteral("10"), 0);
    ChooseInterface("cboC1MatesTo", QStringLiteral("N Male"));
    ChooseInterface("cboC2MatesTo", QStringLiteral("N Male"));
    Next();
    QCOMPARE(Column("grdJumper", 0), (QStringList{"10", "2", "2"}));
    QCOMPARE(Column("grdJumper", 4).at(1), Local(" 30.00"));
    QCOMPARE(Column("grdJumper", 5).at(1), Local(" 60.00"));
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edTotal"))->text(), Local(" 115.00"));
}

void TestQuotes::prenvoChargeAtThreeQuarters()
{
    Start();
    ToPage2(QStringLiteral("5"));
    QCOMPARE(Group("rgConnectorAttachment")->ItemIndex(), 0);
    ChooseInterface("cboC1MatesTo", QStringLiteral("N Male"));
    ChooseInterface("cboC2MatesTo", QStringLiteral("N Male"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    QCOMPARE(Column("grdJumper", 2), (QStringList{"KRV4-50B", "V4NM-PV", "FAC-4"}));
    QCOMPARE(Column("grdJumper", 4).last(), Local(" 11.25"));
    QCOMPARE(Column("grdJumper", 5).last(), Local(" 22.50"));
    // 5 x 2.10 + 2 x 36.00 + 2 x 11.25
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edTotal"))->text(), Local(" 105.00"));
}

// clang-format off
void TestQuotes::feederAttachmentRows_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<QStringList>("quantities");
    QTest::addColumn<QStringList>("partNumbers");
    QTest::addColumn<int>("item"); // -1: the include boxes are ticked; else this rgFeeder item is chosen
    QTest::newRow("both") << true << true << QStringList{"150", "2", "2"} << QStringList{"KRV4-50B", "V4DM-P", "FAC-4"} << -1;
    QTest::newRow("top only") << true << false << QStringList{"150", "1", "1"} << QStringList{"KRV4-50B", "V4DM-P", "FAC-4"} << -1;
    QTest::newRow("bottom only") << false << true << QStringList{"150", "1", "1"} << QStringList{"KRV4-50B", "V4DM-P", "FAC-4"} << -1;
    QTest::newRow("none") << false << false << QStringList{"150"} << QStringList{"KRV4-50B"} << -1;
    QTest::newRow("item top only") << true << false << QStringList{"150", "1", "1"} << QStringList{"KRV4-50B", "V4DM-P", "FAC-4"} << 1;
    QTest::newRow("item bottom only") << false << true << QStringList{"150", "1", "1"} << QStringList{"KRV4-50B", "V4DM-P", "FAC-4"} << 2;
    QTest::newRow("item none") << false << false << QStringList{"150"} << QStringList{"KRV4-50B"} << 3;
}
// clang-format on

void TestQuotes::feederAttachmentRows()
{
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    QFETCH(QStringList, quantities);
    QFETCH(QStringList, partNumbers);
    QFETCH(int, item);
    Start();
    Group("rgApp")->Button(1)->click();
    auto* topBox = W().findChild<QCheckBox*>(QStringLiteral("chkTopConnector"));
    auto* bottomBox = W().findChild<QCheckBox*>(QStringLiteral("chkBottomConnector"));
    if (item >= 0) {
        // Choosing an item directly ticks the boxes to match it.
        Group("rgFeeder")->Button(item)->click();
        QCOMPARE(Group("rgFeeder")->ItemIndex(), item);
    } else {
        if (!top)
            topBox->click();
        if (!bottom)
            bottomBox->click();
    }
    QCOMPARE(topBox->isChecked(), top);
    QCOMPARE(bottomBox->isChecked(), bottom);
    QCOMPARE(Group("rgFeeder")->ItemEnabled(0), top && bottom);
    ToPage2(QStringLiteral("150"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    QCOMPARE(Column("grdJumper", 0), quantities);
    QCOMPARE(Column("grdJumper", 2), partNumbers);
    QCOMPARE(Label("lblPartsList")->text(),
             QStringLiteral(
                 "Below is a list of the part numbers that correspond to your specifications:"));
}

// clang-format off
void TestQuotes::chosenGradeIsFollowed_data()
{
    QTest::addColumn<int>("grade");             // rgConnectorGrade item: 0 Plated, 1 Standard
    QTest::addColumn<QString>("bottomSpecial"); // bottom characteristics
    QTest::addColumn<QString>("partNumber");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QStringList>("grades");    // as the description names them
    QTest::addColumn<bool>("otherGrade");       // the status bar says the grade has no such connector
    QTest::newRow("plated") << 0 << "(none)" << "KJ4-DMDM-P-6" << "118.34" << QStringList{"Plated", "Plated"} << false;
    QTest::newRow("standard, listed after the plated one") << 1 << "(none)" << "KJ4-DMDM-S-6" << "105.24" << QStringList{"Standard", "Standard"} << false;
    QTest::newRow("no standard right angle") << 1 << "Right Angle" << "KJ4-DMDMR-SP-6" << "111.00" << QStringList{"Standard", "Plated"} << true;
}
// clang-format on

void TestQuotes::chosenGradeIsFollowed()
{
    QFETCH(int, grade);
    QFETCH(QString, bottomSpecial);
    QFETCH(QString, partNumber);
    QFETCH(QString, price);
    QFETCH(QStringList, grades);
    QFETCH(bool, otherGrade);
    // Both grades of one connector, the plated one first, and a right angle in plated only.
    Install->WriteCatalog(QStringLiteral(
        "[Catalog]\nVersion=1\n[KRV4-50B]\n"
        "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
        "C1=404|V4DM-P|7-16 DIN Male||7-16 DIN Female|Captivated Pin|P|R|\n"
        "C2=405|V4DM-S|7-16 DIN Male||7-16 DIN Female|Captivated Pin|S|R|\n"
        "C3=407|V4DMR-P|7-16 DIN Male|Right Angle|7-16 DIN Female|Captivated Pin|P|R|\n"));
    Install->WriteProgramFile(
        QStringLiteral("dat/jumpers.dat"),
        QStringLiteral("[Assemblies]\nVersion=1\n[KRV4-50B]\nTLine=KRV4-50B|\n"
                       "J1=404|404|x|x|KJ4-DMDM-P-|x|3,6,10||\n"
                       "J2=405|405|x|x|KJ4-DMDM-S-|x|3,6,10||\n"
                       "J3=405|407|x|x|KJ4-DMDMR-SP-|x|3,6,10||\n"));
    Install->WriteCommonFile(QStringLiteral("M_lom.dat"),
                             PriceList + QStringLiteral("ASM|4|KJ4-DMDM-P-6|EA|J|118.34|\n"
                                                        "ASM|4|KJ4-DMDM-S-6|EA|J|105.24|\n"
                                                        "ASM|4|KJ4-DMDMR-SP-6|EA|J|111.00|\n"));
    Start();
    ToPage2(QStringLiteral("6"));
    Group("rgConnectorAttachment")->Button(1)->click();
    Group("rgConnectorGrade")->Button(grade)->click();
    ChooseInterface("cboC1MatesTo", QStringLiteral("7-16 DIN Male"));
    ChooseInterface("cboC2MatesTo", QStringLiteral("7-16 DIN Male"));
    ChooseInterface("cboC2Description", bottomSpecial);
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QCOMPARE(Grid("grdFinal")->item(0, 1)->text(), partNumber);
    QCOMPARE(Grid("grdFinal")->item(2, 1)->text(), Local(price));
    const QString description = Grid("grdFinal")->item(1, 1)->text();
    QVERIFY2(description.contains("Connector1 = " + grades[0] + " 7-16 DIN Male") &&
                 description.contains("Connector2 = " + grades[1] + " "),
             qPrintable(description));
    QCOMPARE(Label("StatusPanel")->text().contains(QStringLiteral("no such bottom connector")),
             otherGrade);
}

void TestQuotes::metresPricePerMetre()
{
    Start();
    Group("rgApp")->Button(1)->click();
    W().findChild<QCheckBox*>(QStringLiteral("chkTopConnector"))->click();
    W().findChild<QCheckBox*>(QStringLiteral("chkBottomConnector"))->click();
    ToPage2(QStringLiteral("10"), 1, true);
    Next();
    // 2.10 per foot is 6.88968 per metre; 10 m extend to 68.8968.
    QCOMPARE(Column("grdJumper", 1), QStringList{"Meters"});
    QCOMPARE(Column("grdJumper", 4), QStringList{Local(" 6.89")});
    QCOMPARE(Column("grdJumper", 5), QStringList{Local(" 68.90")});
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edTotal"))->text(), Local(" 68.90"));
}

// clang-format off
void TestQuotes::standardLengthGivesSummary_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("metres");
    QTest::addColumn<QString>("partNumber");
    QTest::addColumn<QString>("price");
    QTest::newRow("feet") << "6" << false << "KJ4-DMDM-PV-6" << "123.40";
    QTest::newRow("metres") << "1" << true << "KJ4-DMDM-PV-1M" << "111.11";
}
// clang-format on

void TestQuotes::standardLengthGivesSummary()
{
    QFETCH(QString, length);
    QFETCH(bool, metres);
    QFETCH(QString, partNumber);
    QFETCH(QString, price);
    Start();
    ToPage2(length, 1, metres);
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QTableWidget* grid = Grid("grdFinal");
    QCOMPARE(grid->item(0, 1)->text(), partNumber);
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Price (USD):"));
    QCOMPARE(grid->item(2, 1)->text(), Local(price));
    QCOMPARE(Button("btnNext")->text(), QStringLiteral("Add to Order"));
    QCOMPARE(W().CurrentQuote().OrderRows.size(), 1);
    QVERIFY(OrderLineTexts(W().CurrentQuote().OrderRows)
                .first()
                .startsWith(QStringLiteral("1|Each|") + partNumber + "|"));
    QVERIFY(OrderLineTexts(W().CurrentQuote().OrderRows)
                .first()
                .endsWith(QLatin1Char('|') + price.trimmed() + "|1|"));
    if (!metres) {
        QCOMPARE(OrderLineTexts(W().CurrentQuote().OrderRows).first(),
                 QStringLiteral("1|Each|KJ4-DMDM-PV-6|") + Description6Ft + "|123.40|1|");
        // The page shows the description's line breaks as line breaks.
        QCOMPARE(grid->item(1, 1)->text(), QString(Description6Ft).replace('\r', '\n'));
    }
}

// clang-format off
void TestQuotes::nearestLengths_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("metres");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("8 ft") << "8" << false << QStringList{
        "Your Selection:|KJ4-DMDM-PV-8|8|2.44|0",
        "A little shorter:|KJ4-DMDM-PV-6|6|1.83|-2 Feet",
        "A little longer:|KJ4-DMDM-PV-10|10|3.05|2 Feet"};
    QTest::newRow("12 ft") << "12" << false << QStringList{
        "Your Selection:|KJ4-DMDM-PV-12|12|3.66|0",
        "A little shorter:|KJ4-DMDM-PV-10|10|3.05|-2 Feet",
        "A little longer:|KJ4-DMDM-PV-15|15|4.57|3 Feet"};
    QTest::newRow("2.5 m") << "2.5" << true << QStringList{
        "Your Selection:|KJ4-DMDM-PV-2M5|8.20|2.5|0",
        "A little shorter:|KJ4-DMDM-PV-6|6|1.83|-0.67 Meters",
        "A little longer:|KJ4-DMDM-PV-10|10|3.05|0.55 Meters"};
    QTest::newRow("11 ft: 15 ft is exactly 4 ft away") << "11" << false << QStringList{
        "Your Selection:|KJ4-DMDM-PV-11|11|3.35|0",
        "A little shorter:|KJ4-DMDM-PV-10|10|3.05|-1 Feet"};
}
// clang-format on

void TestQuotes::nearestLengths()
{
    QFETCH(QString, length);
    QFETCH(bool, metres);
    QFETCH(QStringList, rows);
    Start();
    ToPage2(length, 1, metres);
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoLength);
    QTableWidget* grid = Grid("grdLengths");
    for (int row = 0; row < 3; ++row) {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells.append(grid->item(row, column) ? grid->item(row, column)->text() : QString());
        const QString expected = row < rows.size() ? Local(rows.at(row)) : QStringLiteral("||||");
        QCOMPARE(cells.join(QLatin1Char('|')), expected);
    }
    auto* choice = Group("rgStdLengths");
    QCOMPARE(choice->ItemIndex(), 0);
    QVERIFY(choice->ItemEnabled(1));
    QCOMPARE(choice->ItemEnabled(2), rows.size() == 3);
}

void TestQuotes::pickingALengthOnTheNearestLengthsPage()
{
    Start();
    ToPage2(QStringLiteral("8"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoLength);
    Group("rgStdLengths")->Button(1)->click();
    Next();
    // The standard 6 ft assembly at its own price, described and rated at 6 ft.
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QTableWidget* grid = Grid("grdFinal");
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-6"));
    QCOMPARE(grid->item(2, 1)->text(), Local("123.40"));
    QVERIFY(grid->item(1, 1)->text().startsWith(QStringLiteral("6 foot cable assembly")));

    // Keeping the typed length: priced from its parts, 8 x 2.10 + 2 x 11.25 + 2 x 38.50.
    Button("btnBack")->click();
    Next();
    Next();
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-8"));
    QCOMPARE(grid->item(2, 1)->text(), Local(" 116.30"));
    QVERIFY(grid->item(1, 1)->text().startsWith(QStringLiteral("8 foot cable assembly")));
}

void TestQuotes::bandPanelFollowsTheResult()
{
    // The panel's middle row, and its chart's middle, are the page's figures.
    const auto check = [this](QWidget* page, const char* figures, int firstFigure) {
        auto* panel = page->findChild<TBandPanel*>();
        QVERIFY(panel != nullptr);
        QCOMPARE(panel->lblBandNote->text(), "Figures at " + Local("1500") +
                                                 " MHz, the middle of " + Local("800") + "\u2013" +
                                                 Local("2200") + " MHz");
        QTableWidget* grid = Grid(figures);
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(panel->grdBand->item(1, column)->text() + " dB",
                     grid->item(firstFigure + column - 1, 1)->text());
        QCOMPARE(panel->grdBand->item(0, 0)->text(), Local("800"));
        QCOMPARE(panel->grdBand->item(2, 0)->text(), Local("2200"));
        QCOMPARE(panel->AttenuationSeries->count(), TBandPanel::CurvePoints);
        QCOMPARE(panel->PowerSeries->count(), TBandPanel::CurvePoints);
        QCOMPARE(panel->MiddleSeries->count(), 1);
        QVERIFY(ChartLabelsInUserFormat(panel->chtBand));
        QCOMPARE(panel->MiddleSeries->at(0).x(), 1500.0);
        QCOMPARE(Local(QString::number(panel->MiddleSeries->at(0).y(), 'f', 2)),
                 panel->grdBand->item(1, 3)->text());
    };
    Start();
    ToPage2(QStringLiteral("6"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    check(W().findChild<QWidget*>(QStringLiteral("tsFinal")), "grdFinal", 3);
    const QString at6 = W().findChild<QWidget*>(QStringLiteral("tsFinal"))
                            ->findChild<TBandPanel*>()
                            ->grdBand->item(1, 3)
                            ->text();

    // Its context menu saves the chart as PNG or SVG.
    auto* panel = W().findChild<QWidget*>(QStringLiteral("tsFinal"))->findChild<TBandPanel*>();
    for (const auto& [action, name, start] :
         {std::tuple{"SaveChartPng", "chart.png", QByteArray("\x89PNG")},
          std::tuple{"SaveChartSvg", "chart.svg", QByteArray("<?xml")}}) {
        const QString path = QDir(Install->ProgramFolder()).filePath(QLatin1String(name));
        FileDialogs::SetNextFileName(path);
        panel->chtBand->findChild<QAction*>(QLatin1String(action))->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(saved.startsWith(start));
        // Large enough to print or show, titled with the cable, the length and the band.
        if (start.startsWith("<?xml")) {
            QVERIFY(saved.contains("KRV4-50B, " + Local("6").toUtf8() + " ft, " +
                                   Local("800").toUtf8() + "\u2013" + Local("2200").toUtf8() +
                                   " MHz"));
        } else {
            QVERIFY(QImage::fromData(saved).width() >= 1200);
        }
    }
    FileDialogs::TakeShownDialogs();
    QCOMPARE(panel->maximumHeight(), QWIDGETSIZE_MAX);

    // Another length rebuilds it.
    Button("btnBack")->click();
    Button("btnBack")->click();
    ToPage2(QStringLiteral("15"));
    Next();
    check(W().findChild<QWidget*>(QStringLiteral("tsFinal")), "grdFinal", 3);
    QVERIFY(W().findChild<QWidget*>(QStringLiteral("tsFinal"))
                ->findChild<TBandPanel*>()
                ->grdBand->item(1, 3)
                ->text() != at6);

    // The parts list has one of its own.
    Button("btnBack")->click();
    Button("btnBack")->click();
    ToPage2(QStringLiteral("10"), 0);
    ChooseInterface("cboC1MatesTo", QStringLiteral("N Male"));
    ChooseInterface("cboC2MatesTo", QStringLiteral("N Female"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    check(W().findChild<QWidget*>(QStringLiteral("tsNoPN")), "grdJumperspecs", 0);
}

void TestQuotes::pickingAFeetLengthInMetres()
{
    Start();
    ToPage2(QStringLiteral("2.5"), 1, true);
    Next();
    QCOMPARE(W().CurrentPage(), TPage::NoLength);
    // The 6 ft row: its own part number, price and length.
    Group("rgStdLengths")->Button(1)->click();
    Next();
    QTableWidget* grid = Grid("grdFinal");
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-6"));
    QCOMPARE(grid->item(2, 1)->text(), Local("123.40"));
    QVERIFY(grid->item(1, 1)->text().startsWith(QStringLiteral("6 foot cable assembly")));
    // Total attenuation of 6 ft: 2.8906 dB/100 ft x 0.06.
    QCOMPARE(grid->item(5, 1)->text(), Local("0.17 dB"));

    // The 10 ft row has no price of its own: 10 ft of cable at the per-metre price, the charges
    // and both connectors, 21.00 + 22.50 + 77.00.
    Button("btnBack")->click();
    Next();
    Group("rgStdLengths")->Button(2)->click();
    Next();
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-10"));
    QCOMPARE(grid->item(2, 1)->text(), Local(" 120.50"));
    QVERIFY(grid->item(1, 1)->text().startsWith(QStringLiteral("10 foot cable assembly")));
}

void TestQuotes::noStandardLengthNear()
{
    Start();
    // 15 ft and 5 m (16.40 ft) are more than 4 ft away.
    ToPage2(QStringLiteral("21"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QCOMPARE(Grid("grdFinal")->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-21"));
    // 21 x 2.10 + 2 x 11.25 + 2 x 38.50
    QCOMPARE(Grid("grdFinal")->item(2, 1)->text(), Local(" 143.60"));
}

void TestQuotes::unpricedAssemblyNeverShowsAnothersPrice()
{
    Start();
    ToPage2(QStringLiteral("6"));
    Next();
    QCOMPARE(Grid("grdFinal")->item(2, 1)->text(), Local("123.40"));
    Button("btnRestart")->click();
    // 10 ft is a standard length, but KJ4-DMDM-PV-10 has no price-list line.
    ToPage2(QStringLiteral("10"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QCOMPARE(Grid("grdFinal")->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-10"));
    QCOMPARE(Grid("grdFinal")->item(2, 1)->text(), Local(" 120.50"));
    QVERIFY(OrderLineTexts(W().CurrentQuote().OrderRows).first().endsWith("|120.50|1|"));
}

void TestQuotes::currencyRepricesTheSummary()
{
    Start();
    QVERIFY(W().findChild<QMenu*>(QStringLiteral("CurrencySettings1"))->menuAction()->isVisible());
    ToPage2(QStringLiteral("6"));
    Next();
    QVERIFY(Label("lblforeign2")->isHidden());
    // The first of the two EUR lines counts: 0.5 doubles every amount.
    Currency("Euro1")->trigger();
    QTableWidget* grid = Grid("grdFinal");
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Price (EUR):"));
    QCOMPARE(grid->item(2, 1)->text(), Local("246.80"));
    QVERIFY(OrderLineTexts(W().CurrentQuote().OrderRows).first().endsWith("|246.80|1|"));
    QVERIFY(!Label("lblforeign2")->isHidden());
    QVERIFY(!Currency("US1")->isChecked());
    QVERIFY(!Currency("USDollarsUSD1")->isChecked());
    QVERIFY(
        Label("lblforeign2")->text().endsWith(W().ResultContent().RatesDate + QLatin1Char('.')));

    // The renminbi is labelled RMB and converted with the CNY rate.
    Currency("RenminbiRMD1")->trigger();
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Price (RMB):"));
    QCOMPARE(grid->item(2, 1)->text(), Local("987.20"));
    QCOMPARE(W().CurrentCurrencyTag(), 3);

    // Either US-dollar item checks both.
    Currency("US1")->trigger();
    QVERIFY(Currency("US1")->isChecked());
    QVERIFY(Currency("USDollarsUSD1")->isChecked());
    QVERIFY(!Currency("RenminbiRMD1")->isChecked());
    QCOMPARE(grid->item(2, 1)->text(), Local("123.40"));
    QVERIFY(Label("lblforeign2")->isHidden());
}

void TestQuotes::currencyRepricesThePartsList()
{
    Start();
    ToPage2(QStringLiteral("10"), 0);
    ChooseInterface("cboC1MatesTo", QStringLiteral("N Male"));
    ChooseInterface("cboC2MatesTo", QStringLiteral("N Female"));
    Next();
    Currency("Euro1")->trigger();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    QCOMPARE(Grid("grdJumper")->horizontalHeaderItem(4)->text(), QStringLiteral("Price (EUR)"));
    QCOMPARE(Label("lblTotal")->text(), QStringLiteral("Total (EUR):"));
    QCOMPARE(Column("grdJumper", 4),
             (QStringList{Local(" 5.00"), Local(" 60.00"), Local(" 80.00"), Local(" 30.00")}));
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edTotal"))->text(), Local(" 250.00"));
    QVERIFY(!Label("lblforeign1")->isHidden());
    QCOMPARE(Grid("grdJumperspecs")->item(0, 1)->text(), Local("1.51 dB"));
    Currency("USDollarsUSD1")->trigger();
    QCOMPARE(W().findChild<QLineEdit*>(QStringLiteral("edTotal"))->text(), Local(" 125.00"));
    QVERIFY(Currency("US1")->isChecked());
}

void TestQuotes::badRatesDisableTheirCurrencies()
{
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), Rates);
    Launch();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Icon, Dialogs::TIcon::Error);
    QVERIFY(messages.first().Text.contains(
        QStringLiteral("'abc' is not a valid floating point value\n(xcngrate.dat, line 4)")));
    QVERIFY(messages.first().Text.contains(QStringLiteral("(xcngrate.dat, line 5)")));
    QVERIFY(!Currency("GBP1")->isEnabled()); // not a number
    QVERIFY(!Currency("Yen1")->isEnabled()); // zero
    QVERIFY(!Currency("ZAR1")->isEnabled()); // no line
    QVERIFY(Currency("Euro1")->isEnabled());
    QVERIFY(Currency("RenminbiRMD1")->isEnabled());
    QVERIFY(Currency("US1")->isEnabled());
}

void TestQuotes::withoutRatesOnlyDollars()
{
    Start(false);
    QVERIFY(!W().findChild<QMenu*>(QStringLiteral("CurrencySettings1"))->menuAction()->isVisible());
    ToPage2(QStringLiteral("6"));
    Next();
    QCOMPARE(Grid("grdFinal")->item(2, 0)->text(), QStringLiteral("Price (USD):"));
    QCOMPARE(Grid("grdFinal")->item(2, 1)->text(), Local("123.40"));
    QVERIFY(Label("lblforeign2")->isHidden());
}

// clang-format off
void TestQuotes::pricingDateColour_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QString>("colour");
    QTest::newRow("30 days") << 30 << "red";
    QTest::newRow("29 days") << 29 << "blue";
}
// clang-format on

void TestQuotes::pricingDateColour()
{
    QFETCH(int, daysAgo);
    QFETCH(QString, colour);
    const QDate last = QDate::currentDate().addDays(-daysAgo);
    Install->WriteProgramFile(QStringLiteral("update.ini"),
                              QStringLiteral("[UPDATE]\nlast=") +
                                  last.toString(QStringLiteral("yyyy-MM-dd")) + "\n");
    Start();
    ToPage2(QStringLiteral("6"));
    Next();
    QLabel* label = Label("lblUpdate2");
    QCOMPARE(label->text(), QStringLiteral("Your pricing database was last updated on: ") +
                                QLocale::system().toString(last, QLocale::ShortFormat));
    QVERIFY2(label->styleSheet().contains(colour), qPrintable(label->styleSheet()));
    QCOMPARE(W().ResultContent().LastUpdateDate,
             QLocale::system().toString(last, QLocale::ShortFormat));
}

void TestQuotes::malformedJumperEntry()
{
    Install->WriteProgramFile(QStringLiteral("dat/jumpers.dat"),
                              QStringLiteral("[Assemblies]\nVersion=1\n"
                                             "[KRV4-50B]\nTLine=KRV4-50B|\n"
                                             "J1=4x1|401|x|x|KJ4-DMDM-PV-|x|3,6|1|\n"));
    Start();
    ToPage2(QStringLiteral("6"));
    Next();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Text,
             QStringLiteral("'4x1' is not a valid integer value\n(jumpers.dat, line 5)"));
    QCOMPARE(W().CurrentPage(), TPage::Page2);
}

void TestQuotes::missingJumperFileGivesPartsList()
{
    Start();
    Install->RemoveProgramFile(QStringLiteral("dat/jumpers.dat"));
    ToPage2(QStringLiteral("6"));
    Next();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    QCOMPARE(Column("grdJumper", 0), (QStringList{"6", "2", "2"}));
}

void TestQuotes::editedJumperFileCountsAtTheNextSearch()
{
    Start();
    ToPage2(QStringLiteral("6"));
    Next();
    QCOMPARE(Grid("grdFinal")->item(0, 1)->text(), QStringLiteral("KJ4-DMDM-PV-6"));
    Button("btnBack")->click();
    Install->WriteProgramFile(QStringLiteral("dat/jumpers.dat"),
                              QStringLiteral("[Assemblies]\nVersion=1\n"
                                             "[KRV4-50B]\nTLine=KRV4-50B|\n"
                                             "J1=401|401|x|x|NEW-STEM-|x|6|1|\n"));
    Next();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QCOMPARE(Grid("grdFinal")->item(0, 1)->text(), QStringLiteral("NEW-STEM-6"));
}

QTEST_MAIN(TestQuotes)
#include "tst_quotes.moc"
