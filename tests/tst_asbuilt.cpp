// The assembly as built and the part data it comes from: hand-computed figures for a
// jumper, a feeder with its top connector only and one without connectors, in feet and metres;
// the VSWR of two connectors at one frequency; a part data file with a malformed line, a
// part it does not name and a field it leaves empty.
#include "catalog/AsBuilt.h"
#include "catalog/Catalog.h"
#include "catalog/Performance.h"
#include "catalog/Specs.h"
#include "reports/Datasheet.h"

#include <QTest>

#include "support/CoreTestHelpers.h"

namespace {

// 0.1 x sqrt(f) dB/100 ft: 2, 3.16 and 4 dB/100 ft at 400, 1000 and 1600 MHz.
const QString Cable = QStringLiteral("400|1600|C|C-1|FOAM|0.1|0|0.5|S|FAC||Y|Y|2.6|10|");

// clang-format off
const QStringList SpecLines = {
    "[Header]", "Version=1",
    "[Connectors]",
    "; part number=loss|VSWR|PIM|condition|weight|",
    "T-1=0.04|0-6000:1.5|-155|2 x 20 W|0.2|",
    "B-1=0.06|0-1000:2.0 1000-6000:1.8|-160|2 x 20 W|0.3|",
    "N-1=|0-6000:1.2||||",
    "X-1=abc|",
    "no equals sign here",
    "V-1=0.04|700-900:1.2 oops|",
    "[cables]",
    "C-1=0.8|125|250|0.1|0.32808|CMR|",
};
// clang-format on

TConnector Connector(const QString& partNumber)
{
    TConnector connector;
    connector.PartNumber = partNumber;
    return connector;
}

} // namespace

class TestAsBuilt : public QObject
{
    Q_OBJECT
private slots:
    void figures_data();
    void figures();
    void vswrAtOneFrequency();
    void partDataFile();
    void datasheetContent();
};

void TestAsBuilt::figures_data()
{
    QTest::addColumn<bool>("feet");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QStringList>("expected"); // AsBuiltDataTexts
    QTest::addColumn<QStringList>("defaulted");

    // 50 ft: the cable 1.00, 1.58 and 2.00 dB; each connector its coefficient x sqrt(f in GHz).
    // VSWR worst at 400 MHz, where the bottom reflection comes back least attenuated.
    // clang-format off
    QTest::newRow("jumper, feet") << true << "T-1" << "B-1"
        << QStringList{"1.06", "1.68", "2.13", "2.13", "2.74", "6.66", "-155", "2 x 20 W", "19.05", "63.54", "5.50", "125"}
        << QStringList{};
    QTest::newRow("feeder, top only, feet") << true << "T-1" << ""
        << QStringList{"1.03", "1.62", "2.05", "2.05", "1.50", "13.98", "-155", "2 x 20 W", "19.05", "63.54", "5.20", "125"}
        << QStringList{};
    QTest::newRow("no connectors, feet") << true << "" << ""
        << QStringList{"1.00", "1.58", "2.00", "2.00", "n/a", "n/a", "n/a", "n/a", "19.05", "63.54", "5.00", "125"}
        << QStringList{};
    QTest::newRow("jumper, metres") << false << "T-1" << "B-1"
        << QStringList{"3.34", "5.29", "6.69", "6.69", "2.11", "8.96", "-155", "2 x 20 W", "62.50", "208.48", "16.90", "125"}
        << QStringList{};
    QTest::newRow("feeder, top only, metres") << false << "T-1" << ""
        << QStringList{"3.31", "5.23", "6.61", "6.61", "1.50", "13.98", "-155", "2 x 20 W", "62.50", "208.48", "16.60", "125"}
        << QStringList{};
    QTest::newRow("no connectors, metres") << false << "" << ""
        << QStringList{"3.28", "5.19", "6.56", "6.56", "n/a", "n/a", "n/a", "n/a", "62.50", "208.48", "16.40", "125"}
        << QStringList{};
    // A connector without a loss coefficient counts 0.05 and is named; without PIM, VSWR or
    // weight those figures are unknown; one the file does not name is unknown throughout.
    QTest::newRow("unspecified fields") << true << "N-1" << "B-1"
        << QStringList{"1.07", "1.69", "2.14", "2.14", "2.10", "8.98", "n/a", "n/a", "19.05", "63.54", "n/a", "125"}
        << QStringList{"N-1"};
    QTest::newRow("part not in the file") << true << "Z-9" << ""
        << QStringList{"1.03", "1.63", "2.06", "2.06", "n/a", "n/a", "n/a", "n/a", "19.05", "63.54", "n/a", "125"}
        << QStringList{"Z-9"};
    // clang-format on
}

void TestAsBuilt::figures()
{
    QFETCH(bool, feet);
    QFETCH(QString, top);
    QFETCH(QString, bottom);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, defaulted);

    QList<TDataError> problems;
    const TSpecData specs = ParseSpecs(SpecLines, "specs.dat", problems);
    const TTransmissionLine cable = ParseCableLine(Cable);
    const TConnector topConnector = Connector(top);
    const TConnector bottomConnector = Connector(bottom);
    const TAsBuilt built = AssemblyAsBuilt({&cable, top.isEmpty() ? nullptr : &topConnector,
                                            bottom.isEmpty() ? nullptr : &bottomConnector, feet, 50,
                                            400, 1600, &specs});
    QCOMPARE(AsBuiltDataTexts(built), expected);
    QCOMPARE(built.DefaultLossParts, defaulted);
    QCOMPARE(DefaultLossNote(built).isEmpty(), defaulted.isEmpty());
    // The page shows the same figures in the user's format.
    const QList<TAsBuiltRow> rows = AsBuiltRows(built);
    QStringList shown;
    for (const QString& text : expected.mid(0, 3))
        shown.append(Local(text));
    QCOMPARE(rows.first().Values, shown);
    QCOMPARE(rows.at(3).Values.first(), expected.at(5) == "n/a" ? "n/a" : Local(expected.at(5)));
}

void TestAsBuilt::vswrAtOneFrequency()
{
    // At 1000 MHz the top connector's 1.5 (G 0.2) and the bottom one's 2.0 (G 1/3) after 1.58 dB
    // down the cable and back: G = 0.2 + 1/3 x 10^(-0.158) = 0.4316, VSWR 2.52, 7.30 dB.
    const QStringList lines = {"[Connectors]", "T=|0-6000:1.5|", "B=|0-6000:2.0|"};
    QList<TDataError> problems;
    const TSpecData specs = ParseSpecs(lines, "specs.dat", problems);
    const TTransmissionLine cable = ParseCableLine(Cable);
    const TConnector top = Connector("T");
    const TConnector bottom = Connector("B");
    const TAsBuilt built = AssemblyAsBuilt({&cable, &top, &bottom, true, 50, 1000, 1000, &specs});
    QCOMPARE(FigureDataText(built.MaxVswr), QString("2.52"));
    QCOMPARE(FigureDataText(built.MinReturnLoss), QString("7.30"));
    QVERIFY(problems.isEmpty());
}

void TestAsBuilt::partDataFile()
{
    QList<TDataError> problems;
    const TSpecData specs = ParseSpecs(SpecLines, "specs.dat", problems);
    QStringList texts;
    for (const TDataError& problem : problems)
        texts.append(problem.FullText());
    QCOMPARE(texts.size(), 3);
    QVERIFY2(texts.at(0).startsWith("'abc' is not a valid floating point value") &&
                 texts.at(0).contains("specs.dat") && texts.at(0).contains("8"),
             qPrintable(texts.at(0)));
    QVERIFY2(texts.at(1).contains("is not a part data line") && texts.at(1).contains("9"),
             qPrintable(texts.at(1)));
    QVERIFY2(texts.at(2).contains("'oops' is not a VSWR range") && texts.at(2).contains("10"),
             qPrintable(texts.at(2)));
    // The lines around them are read; a malformed line gives no part.
    QVERIFY(specs.Connector("T-1") != nullptr);
    QVERIFY(specs.Connector("X-1") == nullptr);
    QVERIFY(specs.Connector("V-1") == nullptr);
    QCOMPARE(specs.Cable("C-1")->FireRating, QString("CMR"));
    QVERIFY(!specs.Connector("N-1")->LossCoefficient);
    QCOMPARE(VswrAt(*specs.Connector("B-1"), 1000), std::optional<double>(2.0));
    QCOMPARE(VswrAt(*specs.Connector("B-1"), 7000), std::nullopt);
    const QString note = SpecProblemsText(problems, "\n");
    QVERIFY(note.startsWith("Some part data cannot be read"));
    for (const QString& text : texts)
        QVERIFY(note.contains(text));
    // A missing file is no data and no problem.
    QList<TDataError> none;
    QVERIFY(ReadSpecFile("/nonexistent/specs.dat", none).Connectors.isEmpty());
    QVERIFY(none.isEmpty());
}

void TestAsBuilt::datasheetContent()
{
    QList<TDataError> problems;
    const TSpecData specs = ParseSpecs(SpecLines, "specs.dat", problems);
    const TTransmissionLine cable = ParseCableLine(Cable);
    TConnector top = Connector("T-1");
    top.ActualInterface = "N Male";
    TConnector bottom = Connector("Z-9");
    bottom.ActualInterface = "N Female";

    // A custom feeder fitted at the top only: named by its description, its bottom end empty.
    TQuoteRequest request;
    request.Feeder = true;
    request.LengthText = "50";
    request.Length = 50;
    request.IncludeBottom = false;
    TQuoteResult quote;
    quote.Page = TQuotePage::PartsList;
    quote.Assembly.Cable = &cable;
    quote.Assembly.TopConnector = &top;
    quote.Assembly.BottomConnector = &bottom;
    quote.Figures = PerformanceFigures(cable, true, 400, 1600, 50);
    quote.AsBuilt = AssemblyAsBuilt({&cable, &top, nullptr, true, 50, 400, 1600, &specs});
    TDatasheet sheet = DatasheetOf(quote, request, "12/1/26");
    QCOMPARE(sheet.Name, QString("50 foot feeder, C-1, top: N Male, bottom: no connector"));
    QCOMPARE(sheet.TopInterface, QString("N Male"));
    QVERIFY(sheet.BottomInterface.isEmpty());
    QCOMPARE(sheet.CableCaption, QString("C-1, 50 ft"));
    QCOMPARE(sheet.Figures.size(), 7);
    QCOMPARE(sheet.AsBuilt.first().Values.size(), 3);
    QCOMPARE(sheet.CurveMHz.size(), AsBuiltCurvePoints);
    QCOMPARE(sheet.Mechanical.at(0).Value, Local("0.8"));
    QCOMPARE(sheet.Mechanical.at(4).Value, QString("CMR"));

    // A standard assembly: its part number; what the data leaves out is "not specified".
    quote.Page = TQuotePage::Final;
    quote.Assembly.PartNumber = "PN-6";
    quote.Description = "6 foot cable assembly\rSPECIAL INSTRUCTIONS:";
    quote.AsBuilt = AssemblyAsBuilt({&cable, &top, &bottom, true, 6, 400, 1600, nullptr});
    sheet = DatasheetOf(quote, request, "12/1/26");
    QCOMPARE(sheet.Name, QString("PN-6"));
    QCOMPARE(sheet.Description, QString("6 foot cable assembly\nSPECIAL INSTRUCTIONS:"));
    QCOMPARE(sheet.BottomInterface, QString("N Female"));
    for (const TLabelValue& row : sheet.Mechanical)
        QCOMPARE(row.Value, NotSpecified);
    QCOMPARE(sheet.AsBuilt.at(2).Values.first(), NotSpecified);
    QVERIFY(!sheet.AsBuiltNote.isEmpty());
}

QTEST_GUILESS_MAIN(TestAsBuilt)
#include "tst_asbuilt.moc"
