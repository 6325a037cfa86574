#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "catalog/Performance.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/RadioGroup.h"
#include "pricing/Currencies.h"
#include "quote/BatchQuote.h"
#include "quote/QuoteCommand.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString Prices = QStringLiteral("CAB|1|KRV4-50B|FT|1/2 in. foam cable|2.10|\n"
                                      "CAB|1|KRV5-50B|FT|7/8 in. foam cable|4.20|\n"
                                      "CAB|1|KRA5-50A|FT|7/8 in. air cable|2.50|\n"
                                      "CON|2|V4DM-PV|EA|7-16 DIN male Prenvo|38.50|\n"
                                      "CON|2|V4DM-P|EA|7-16 DIN male|35.00|\n"
                                      "CON|2|V4NM-P|EA|N male|24.10|\n"
                                      "CON|2|V5DM-P|EA|7-16 DIN male 7/8|62.40|\n"
                                      "CON|2|A5NM-P|EA|N male air|30.00|\n"
                                      "SVC|3|FAC-4|EA|1/2 in. charge|15.00|\n"
                                      "SVC|3|FAC-5|EA|7/8 in. charge|18.00|\n"
                                      "ASM|4|KJ4-DMDM-6|EA|Jumper 6 ft|123.40|\n"
                                      "ASM|4|KJ4-DMDM-1M|EA|Jumper 1 m|111.11|\n");

const QString Headings = BatchColumns().join(QLatin1Char(','));

// A batch file of these rows.
QByteArray Batch(const QStringList& rows)
{
    return (Headings + QStringLiteral("\r\n") + rows.join(QStringLiteral("\r\n"))).toUtf8();
}

// One row from the cells that matter here.
QString Row(const QString& application, const QString& length, const QString& unit,
            const QString& cable, const QString& grade = {}, const QString& attachment = {},
            const QString& top = {}, const QString& bottom = {}, const QString& feeder = {},
            const QString& quantity = {})
{
    return QStringList{application, length, unit, {},     {}, cable, grade,  attachment,
                       top,         {},     {},   bottom, {}, {},    feeder, quantity}
        .join(QLatin1Char(','));
}

} // namespace

class TestBatchQuote : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void engineMatchesWindow_data();
    void engineMatchesWindow();
    void badRows_data();
    void badRows();
    void filesAsSpreadsheetsWriteThem();
    void wholeFileRefused();
    void importFillsTheOrder();
    void cancelledImportLeavesTheOrder();
    void commandLine();

private:
    TBatchSources Sources();
    TBatchItem QuoteRow(const QString& row, int tag = UsDollarTag);
    void Select(const char* combo, const QString& text);
};

void TestBatchQuote::init()
{
    // A cable without Prenvo that page 2 shows first from 700 MHz: the window keeps its regular
    // attachment when the user then picks a cable that has Prenvo. It has no attachment charge
    // part number, and neither it nor its connector has a list price.
    Prepare(TTestInstallation::DefaultCatalog() +
            "[KRV3-50A]\nTLine=700|2700|KRV3-50A|KRV3-50A|FOAM|0.1|0.0002|0.5|S|||Y|Y|3|20|\n"
            "C1=301|V3DM-P|7-16 DIN Male||7-16 DIN Female||P|R|\n");
    Install->WriteCommonFile(QStringLiteral("M_lom.dat"), Prices);
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), QStringLiteral("EUR|0.5|\n"));
    Launch();
    Dialogs::TakeMessages();
}

void TestBatchQuote::cleanup()
{
    Stop();
}

TBatchSources TestBatchQuote::Sources()
{
    TBatchSources sources;
    sources.Cables = &W().Catalog();
    sources.Quote = W().QuoteSources();
    return sources;
}

TBatchItem TestBatchQuote::QuoteRow(const QString& row, int tag)
{
    return QuoteBatchRow(ParseCsv(Batch({row})), 0, Sources(), tag);
}

void TestBatchQuote::Select(const char* combo, const QString& text)
{
    QComboBox* box = Combo(combo);
    const int index = box->findText(text, Qt::MatchFixedString);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// clang-format off
void TestBatchQuote::engineMatchesWindow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("kind");
    // The notes the window shows: a connector of another grade, parts without a list price.
    QTest::addColumn<QStringList>("notes");
    const auto unpriced = [](const QString& parts) {
        return "No list price for " + parts + ": the total leaves them out.";
    };
    QTest::newRow("standard, defaults") << Row("jumper", "6", "ft", {}) << "USD" << "standard" << QStringList();
    QTest::newRow("standard, metres, EUR") << Row("jumper", "1", "m", "KRV4-50B") << "EUR" << "standard" << QStringList();
    QTest::newRow("nearest, feet") << Row("jumper", "8", "ft", {}) << "USD" << "nearest" << QStringList();
    QTest::newRow("nearest, metres, EUR") << Row("jumper", "2.5", "m", {}) << "EUR" << "nearest" << QStringList();
    QTest::newRow("custom jumper") << Row("jumper", "10", "ft", "KRV4-50B", "plated", "regular", "7-16 DIN Male", "N Male") << "USD" << "custom" << QStringList();
    QTest::newRow("custom, standard grade, EUR") << Row("jumper", "3.5", "m", "krv4-50b", "standard", {}, {}, "n female") << "EUR" << "custom"
        << QStringList{unpriced("V4DM-S, V4NF-S")};
    QTest::newRow("grade taken for another") << "jumper,10,ft,,,KRV4-50B,standard,,7-16 DIN Male,Right Angle,,,,,," << "USD" << "custom"
        << QStringList{"The Standard grade has no such top connector; a connector of another grade is used.", unpriced("V4DMR-P, V4DM-S")};
    QTest::newRow("cable of another grade") << Row("jumper", "2", "m", "KRV4-50BP") << "USD" << "custom" << QStringList{unpriced("KRV4-50BP")};
    QTest::newRow("remembered attachment") << "jumper,6,ft,700,2200,KRV5-50B,,,,,,,,,," << "USD" << "custom" << QStringList();
    QTest::newRow("feeder, top, metres") << Row("feeder", "45", "m", "KRV5-50B", {}, {}, {}, {}, "top") << "USD" << "custom" << QStringList();
    QTest::newRow("feeder, none, EUR") << Row("feeder", "150", "ft", "KRA5-50A", {}, {}, {}, {}, "none") << "EUR" << "custom" << QStringList();
    // The attachment charge without a part number is free, not unpriced.
    QTest::newRow("cable and connector unpriced") << "feeder,20,ft,700,2200,KRV3-50A,,,,,,,,,both," << "USD" << "custom"
        << QStringList{unpriced("KRV3-50A, V3DM-P")};
}
// clang-format on

void TestBatchQuote::engineMatchesWindow()
{
    QFETCH(QString, row);
    QFETCH(QString, currency);
    QFETCH(QString, kind);
    QFETCH(QStringList, notes);
    const QStringList cells = row.split(QLatin1Char(','));
    const auto cell = [&cells](const char* column) {
        return cells.at(BatchColumns().indexOf(QLatin1String(column)));
    };
    const bool feeder = cell("application") == QLatin1String("feeder");
    const int tag = CurrencyTagOfCode(currency);

    // The same choices through the window.
    for (QAction* item :
         W().findChild<QMenu*>(QStringLiteral("CurrencySettings1"))->findChildren<QAction*>())
        if (item->isCheckable() && item->data().toInt() == tag &&
            item->objectName() != QLatin1String("US1")) {
            item->trigger();
            break;
        }
    Group("rgApp")->Button(feeder ? 1 : 0)->click();
    if (feeder)
        Group("rgFeeder")
            ->Button(
                QStringList{"both", "top", "bottom", "none"}.indexOf(cell("feeder_connectors")))
            ->click();
    Group("rgCableType")->Button(cell("cable").startsWith(QLatin1String("KRA")) ? 0 : 1)->click();
    if (cell("unit") == QLatin1String("m"))
        W().findChild<QRadioButton*>(QStringLiteral("rbMeters"))->setChecked(true);
    Combo("cboLength")->setEditText(Local(cell("length")));
    if (!cell("begin_mhz").isEmpty())
        Combo("cboBeginning")->setEditText(Local(cell("begin_mhz")));
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Page2);
    // A cable of another cable grade is listed once that grade is chosen.
    const auto listed = [this](const QString& cable) {
        return cable.isEmpty() || Combo("cboTLineData")->findText(cable, Qt::MatchFixedString) >= 0;
    };
    for (int grade = 0; grade < 3 && !listed(cell("cable")); ++grade)
        if (Group("rgCableGrade")->Button(grade)->isEnabled())
            Group("rgCableGrade")->Button(grade)->click();
    if (!cell("cable").isEmpty())
        Select("cboTLineData", cell("cable"));
    // The Standard grade is offered with the regular attachment only.
    if (!cell("attachment").isEmpty() || cell("grade") == QLatin1String("standard"))
        Group("rgConnectorAttachment")
            ->Button(cell("attachment") != QLatin1String("prenvo"))
            ->click();
    if (!cell("grade").isEmpty())
        Group("rgConnectorGrade")->Button(cell("grade") == QLatin1String("standard"))->click();
    if (!cell("top").isEmpty())
        Select("cboC1MatesTo", cell("top"));
    if (!cell("top_characteristics").isEmpty())
        Select("cboC1Description", cell("top_characteristics"));
    if (!cell("bottom").isEmpty())
        Select("cboC2MatesTo", cell("bottom"));
    Button("btnNext")->click();
    if (W().CurrentPage() == TPage::NoLength)
        Button("btnNext")->click();
    const bool partsList = W().CurrentPage() == TPage::NoPN;
    QVERIFY(partsList || W().CurrentPage() == TPage::Final);
    auto* grid = W().findChild<QTableWidget*>(partsList ? "grdJumperspecs" : "grdFinal");
    QStringList figures;
    for (int row = 0; row < 7; ++row)
        figures.append(grid->item(row + (partsList ? 0 : 3), 1)->text());
    const QString total =
        partsList ? W().findChild<QLineEdit*>("edTotal")->text() : grid->item(2, 1)->text();

    const TBatchItem item = QuoteRow(row, tag);
    QCOMPARE(item.Error, QString());
    QCOMPARE(item.Kind, kind);
    QCOMPARE(item.ResultRows, W().CurrentQuote().OrderRows);
    QCOMPARE(PerformanceTexts(item.Figures), figures);
    // The page's assembly as built shows the batch's figures.
    auto* asBuilt = W().findChild<QStackedWidget*>(QStringLiteral("PageControl1"))
                        ->currentWidget()
                        ->findChild<QTableWidget*>(QStringLiteral("grdAsBuilt"));
    QVERIFY(asBuilt != nullptr);
    const QList<TAsBuiltRow> built = AsBuiltRows(item.AsBuilt);
    for (int r = 0; r < built.size(); ++r)
        for (int c = 0; c < built.at(r).Values.size(); ++c)
            QCOMPARE(asBuilt->item(r, c + 1)->text(), built.at(r).Values.at(c));
    QCOMPARE(item.Total, total.trimmed());
    QCOMPARE(item.Currency, currency);
    QCOMPARE(item.PartNumber, partsList ? QString() : grid->item(0, 1)->text());
    if (kind == QLatin1String("nearest"))
        QVERIFY(!(item.ShorterPartNumber + item.LongerPartNumber).isEmpty());
    QCOMPARE(item.Warnings, notes);

    // The page names the parts without a price, and Add To Order asks first; No adds nothing.
    const QString unpriced =
        notes.isEmpty() || !notes.last().startsWith("No list price") ? QString() : notes.last();
    auto* label = W().findChild<QStackedWidget*>(QStringLiteral("PageControl1"))
                      ->currentWidget()
                      ->findChild<QLabel*>("lblUnpriced");
    QVERIFY(label != nullptr);
    QCOMPARE(label->isVisibleTo(W().findChild<QStackedWidget*>(QStringLiteral("PageControl1"))),
             !unpriced.isEmpty());
    QCOMPARE(label->text(), unpriced);
    Dialogs::SetNextAnswer(QMessageBox::No);
    Button("btnNext")->click();
    const QList<Dialogs::TShownMessage> asked = Dialogs::TakeMessages();
    if (!unpriced.isEmpty()) {
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().Text, unpriced + "\n\nAdd it to the order anyway?");
        QVERIFY(W().CurrentPage() != TPage::Order);
        QVERIFY(W().CurrentOrder().OrderLines.isEmpty());
        Dialogs::SetNextAnswer(QMessageBox::Yes);
        Button("btnNext")->click();
    }
    QCOMPARE(W().CurrentPage(), TPage::Order);
    // Under --strict such a row is refused, with the same sentence.
    TBatchSources strict = Sources();
    strict.Strict = true;
    const TBatchItem refused = QuoteBatchRow(ParseCsv(Batch({row})), 0, strict, tag);
    QCOMPARE(refused.Error, unpriced);
    QCOMPARE(refused.ResultRows.isEmpty(), !unpriced.isEmpty());
}

// clang-format off
void TestBatchQuote::badRows_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown cable") << Row("jumper", "6", "ft", "KRX9") << "cable: there is no cable \"KRX9\"";
    QTest::newRow("bad number") << Row("jumper", "\"6,5\"", "ft", {}) << "length: \"6,5\" is not a number";
    QTest::newRow("zero") << Row("jumper", "0", "ft", {}) << "length: \"0\" is not a number greater than 0";
    QTest::newRow("huge") << Row("jumper", "2000001", "ft", {}) << "length: 2000001 is above the largest value";
    QTest::newRow("exponent") << Row("jumper", "1e3", "ft", {}) << "length: \"1e3\" is not a number";
    QTest::newRow("long cell") << Row("jumper", "6", "ft", QString(60000, 'K')) << "cable: there is no cable \"KKKK";
    QTest::newRow("unit") << Row("jumper", "6", "yd", {}) << "unit: \"yd\" is not one of ft, m.";
    QTest::newRow("band reversed") << "jumper,6,ft,2200,800,,,,,,,,,,," << "end_mhz: Ending frequency must be greater";
    QTest::newRow("band of no cable") << "jumper,6,ft,5000,6000,,,,,,,,,,," << "begin_mhz, end_mhz: Sorry, there are no items";
    QTest::newRow("cable outside the band") << "jumper,6,ft,100,200,KRV4-50B,,,,,,,,,," << "begin_mhz, end_mhz: Sorry, there are no items";
    QTest::newRow("connector") << Row("jumper", "6", "ft", {}, {}, {}, "SMA Male") << "top: \"SMA Male\" is not offered";
    QTest::newRow("quoted comma") << Row("jumper", "6", "ft", {}, {}, {}, "\"7-16 DIN Male, Low PIM\"") << "top: \"7-16 DIN Male, Low PIM\" is not offered";
    QTest::newRow("prenvo feeder") << Row("feeder", "60", "ft", {}, {}, "prenvo") << "attachment: Prenvo is offered for jumpers only.";
    QTest::newRow("standard with prenvo") << Row("jumper", "6", "ft", {}, "standard", "prenvo") << "grade: standard connectors are not offered with Prenvo.";
    QTest::newRow("jumper side left out") << Row("jumper", "6", "ft", {}, {}, {}, {}, {}, "top") << "feeder_connectors: a jumper has both connectors.";
    QTest::newRow("feeder side left out") << Row("feeder", "60", "ft", {}, {}, {}, "N Male", {}, "bottom") << "top: the feeder has no top connector";
    QTest::newRow("quantity") << Row("jumper", "6", "ft", {}, {}, {}, {}, {}, {}, "2.5") << "quantity: \"2.5\" is not a whole number";
    QTest::newRow("order bound") << Row("feeder", "45", "ft", {}, {}, {}, {}, {}, "none", "1000000000") << "quantity: the order would hold 45000000000 of KRV4-50B";
    QTest::newRow("application") << Row("sweeper", "6", "ft", {}) << "application: \"sweeper\" is not one of jumper, feeder.";
    QTest::newRow("a cell more than the headings") << Row("jumper", "6", "ft", {}) + ",extra" << "the row has 17 cells, more than the 16 columns the first line names.";
}
// clang-format on

void TestBatchQuote::badRows()
{
    QFETCH(QString, row);
    QFETCH(QString, error);
    const TBatchItem item = QuoteRow(row);
    QVERIFY2(item.Error.startsWith(error) && item.Error.size() < 400,
             qPrintable(item.Error.left(400)));
    QVERIFY(item.ResultRows.isEmpty());
}

void TestBatchQuote::filesAsSpreadsheetsWriteThem()
{
    // Units spelt out, any case; an empty cell after the last heading is no cell more.
    for (const QString& unit :
         {QStringLiteral("Metres"), QStringLiteral("meter"), QStringLiteral("M")})
        QCOMPARE(QuoteRow(Row("jumper", "1", unit, {}) + ",").Error, QString());
    QCOMPARE(QuoteRow(Row("jumper", "6", "FEET", {})).Kind, QStringLiteral("standard"));
    // A region's ';' and decimal comma.
    QString headings = Headings;
    const TCsvTable semicolons =
        ParseCsv((headings.replace(',', ';') + "\r\njumper;2,5;m;;;;;;;;;;;;;\r\n").toUtf8(),
                 BatchCsvLimits());
    QVERIFY(semicolons.Semicolons);
    const TBatchItem item = QuoteBatchRow(semicolons, 0, Sources(), UsDollarTag);
    QCOMPARE(item.Error, QString());
    QVERIFY2(item.ResultRows.first().Description.contains(Local("2.5") + " meter"),
             qPrintable(item.ResultRows.first().Description));
    // A choice list ends with one period, and names a sixth choice rather than "and 1 more".
    QCOMPARE(JoinBounded({"a", "b", "c", "d", "e", "f"}, ", "), QStringLiteral("a, b, c, d, e, f"));
    const QString refused = QuoteRow(Row("jumper", "6", "ft", {}, {}, {}, "SMA Male")).Error;
    QVERIFY2(refused.endsWith(".") && !refused.endsWith(".."), qPrintable(refused));
    // A misspelt heading is named, with the heading it most likely is.
    QString misspelt = Headings;
    misspelt.replace("cable", "cabel");
    try {
        CheckBatchHeadings(ParseCsv(misspelt.toUtf8()));
        QFAIL("a missing column was not refused");
    } catch (const TDataError& error) {
        QVERIFY2(error.FullText().startsWith("The file has no column cable. It has the unknown "
                                             "column \"cabel\" (is it cable?)."),
                 qPrintable(error.FullText()));
    }
}

void TestBatchQuote::wholeFileRefused()
{
    QVERIFY_THROWS_EXCEPTION(TDataError, CheckBatchHeadings(ParseCsv("application,length\n")));
    QVERIFY_THROWS_EXCEPTION(
        TDataError,
        CheckBatchHeadings(ParseCsv(Batch(QStringList(MaxBatchRows + 1, QStringLiteral("x"))))));
    CheckBatchHeadings(ParseCsv(Batch(QStringList(MaxBatchRows, QStringLiteral("x")))));
}

void TestBatchQuote::importFillsTheOrder()
{
    const QString path = Install->ProgramFolder() + QStringLiteral("/site.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Batch({Row("jumper", "6", "ft", {}, {}, {}, {}, {}, {}, "3"),
                      Row("jumper", "6", "ft", "KRX9"), QStringLiteral(",,,,,,,,,,,,,,,"),
                      Row("jumper", "6", "ft", "KRV4-50B", {}, {}, {}, {}, {}, "2"),
                      Row("feeder", "45.5", "ft", "KRV5-50B", {}, {}, {}, {}, "top", "2"),
                      Row("feeder", "10", "ft", "KRV4-50BP", {}, {}, {}, {}, "none")}));
    file.close();
    FileDialogs::SetNextFileName(path);
    W().findChild<QAction*>(QStringLiteral("ImportAssemblies1"))->trigger();

    QCOMPARE(W().CurrentPage(), TPage::Order);
    auto* order = W().findChild<QTableWidget*>(QStringLiteral("grdOrder"));
    QStringList quantities;
    QStringList partNumbers;
    for (int row = 0; row < order->rowCount(); ++row) {
        quantities.append(order->item(row, 0)->text());
        partNumbers.append(order->item(row, 2)->text());
    }
    // Equal assemblies merge; a feeder row adds its parts, quantity times.
    QCOMPARE(partNumbers, (QStringList{"KJ4-DMDM-6", "KRV5-50B", "V5DM-P", "FAC-5", "KRV4-50BP"}));
    QCOMPARE(quantities,
             (QStringList{Local("5"), Local("91"), Local("2"), Local("2"), Local("10")}));
    // One report: the rows refused, then what the window would have said of the rows added.
    const QList<Dialogs::TShownMessage> messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().Text.startsWith(
                 "1 of 5 rows could not be added to the order:\n\nRow 3: cable: there is no cable"),
             qPrintable(messages.first().Text));
    QVERIFY2(messages.first().Text.endsWith("\n\nNotes on the rows added:\n\nRow 7: No list price "
                                            "for KRV4-50BP: the total leaves them out."),
             qPrintable(messages.first().Text));
    QVERIFY(messages.first().Details.startsWith(
        "1 of 5 rows could not be added to the order:\nRow 3: cable: there is no cable"));

    // Every refused row is in the details, a line each, however many the box leaves out.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(Batch(QStringList(14, Row("jumper", "6", "yd", {}))));
    file.close();
    FileDialogs::SetNextFileName(path);
    W().findChild<QAction*>(QStringLiteral("ImportAssemblies1"))->trigger();
    const QList<Dialogs::TShownMessage> refused = Dialogs::TakeMessages();
    QCOMPARE(refused.size(), 1);
    QVERIFY(refused.first().Text.endsWith("and 9 more."));
    const QStringList lines = refused.first().Details.split('\n');
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines.last(), QStringLiteral("Row 15: unit: \"yd\" is not one of ft, m."));
}

void TestBatchQuote::cancelledImportLeavesTheOrder()
{
    const QString path = Install->ProgramFolder() + QStringLiteral("/large.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Batch(QStringList(3000, Row("jumper", "6", "ft", {}))));
    file.close();
    FileDialogs::SetNextFileName(path);
    WhenModal(this, QStringLiteral("dlgImportProgress"),
              [](QWidget* dialog) { static_cast<QProgressDialog*>(dialog)->cancel(); });
    W().findChild<QAction*>(QStringLiteral("ImportAssemblies1"))->trigger();
    QCOMPARE(W().CurrentPage(), TPage::Page1);
    QVERIFY(W().CurrentOrder().OrderLines.isEmpty());
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

void TestBatchQuote::commandLine()
{
    // The program, run from the installation's program folder, as an installed one is.
    const QString program = Install->ProgramFolder() + QStringLiteral("/ferrolyn");
    QVERIFY(QFile::copy(QStringLiteral(FERROLYN_PROGRAM), program));
    const QString input = Install->ProgramFolder() + QStringLiteral("/in.csv");
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Batch({Row("jumper", "6", "ft", {}, {}, {}, {}, {}, {}, "2"),
                      Row("jumper", "6", "ft", "KRX9"),
                      Row("feeder", "20", "m", {}, {}, {}, {}, {}, "top")}));
    file.close();
    // Part data for the cable and its 7-16 connectors; the feeder's N connector has
    // none.
    Install->WriteProgramFile(QStringLiteral("dat/specs.dat"),
                              "[Connectors]\nV4DM-P=0.03|0-3000:1.10|-155|2 x 20 W|0.15|\n"
                              "V4DM-PV=0.03|0-3000:1.10|-155|2 x 20 W|0.15|\n"
                              "[Cables]\nKRV4-50B=0.88|125|250|0.0671|0.22|CMR|\n");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       Install->ProgramFolder() + QStringLiteral("/../settings"));
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, QStringList{QStringLiteral("quote")} + arguments);
        process.waitForFinished(60000);
        return std::pair{process.exitCode(), process.readAllStandardOutput()};
    };

    const QString output = Install->ProgramFolder() + QStringLiteral("/out.csv");
    QCOMPARE(run({input, QStringLiteral("-o"), output, QStringLiteral("--currency"),
                  QStringLiteral("eur")})
                 .first,
             1);
    QFile written(output);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const TCsvTable table = ParseCsv(written.readAll());
    QCOMPARE(table.Rows.size(), 5);
    const QStringList& first = table.Rows.first();
    const auto field = [&table](const QStringList& row, const char* column) {
        return row.value(table.Column(QLatin1String(column)));
    };
    QCOMPARE(field(first, "kind"), QStringLiteral("standard"));
    QCOMPARE(field(first, "line_part_number"), QStringLiteral("KJ4-DMDM-6"));
    QCOMPARE(field(first, "line_quantity"), QStringLiteral("2"));
    QCOMPARE(field(first, "unit_price"), QStringLiteral("246.80"));
    QCOMPARE(field(first, "extended_price"), QStringLiteral("493.60"));
    QCOMPARE(field(first, "currency"), QStringLiteral("EUR"));
    QVERIFY(field(table.Rows.at(1), "error").startsWith("cable: there is no cable"));
    // The band's ends, by hand: 6 ft at 0.0689 sqrt(f) + 0.00015 f dB/100 ft, two connectors at
    // 0.05 sqrt(f/1000) dB, power 3.3 / attenuation kW.
    QStringList edges;
    for (const char* column :
         {"total_attenuation_db_begin", "insertion_loss_db_begin", "efficiency_pct_begin",
          "average_power_kw_begin", "total_attenuation_db_end", "insertion_loss_db_end",
          "efficiency_pct_end", "average_power_kw_end", "warnings"})
        edges.append(field(first, column));
    QCOMPARE(edges,
             (QStringList{"0.12", "0.21", "95.20", "1.60", "0.21", "0.36", "92.00", "0.93", ""}));
    QCOMPARE(table.Headings.last(), QStringLiteral("warnings"));
    // The assembly as built, by hand, after the band's ends: the cable above and two connectors
    // at 0.03 sqrt(f/1000) dB; VSWR 1.10 each, the bottom one seen through 0.12 dB of cable at
    // 800 MHz and back; 1.83 m at a velocity factor of 0.88; 6 x 0.0671 kg and 2 x 0.15 kg.
    const int asBuilt = table.Column(QStringLiteral("insertion_loss_as_built_db_begin"));
    QCOMPARE(asBuilt, table.Column(QStringLiteral("average_power_kw_end")) + 1);
    QCOMPARE(table.Headings.mid(asBuilt, 12), AsBuiltKeys());
    QCOMPARE(first.mid(asBuilt, 12),
             (QStringList{"0.18", "0.25", "0.30", "0.30", "1.21", "20.55", "-155", "2 x 20 W",
                          "2.08", "6.93", "0.70", "125"}));
    // A row that failed has none. A 20 m feeder fitted at the top only: one connector, the
    // weight by the metre (20 x 0.22 kg and 0.15 kg), on each of its lines.
    QCOMPARE(table.Rows.at(1).mid(asBuilt, 12), QStringList(12, QString()));
    for (int row = 2; row < 5; ++row)
        QCOMPARE(table.Rows.at(row).mid(asBuilt, 12),
                 (QStringList{"1.38", "1.94", "2.38", "2.38", "1.10", "26.44", "-155", "2 x 20 W",
                              "22.73", "75.81", "4.55", "125"}));

    // In German the output is the same data, byte for byte (its error texts included); what
    // the command says on standard error is German.
    QFile english(output);
    QVERIFY(english.open(QIODevice::ReadOnly));
    QProcess german;
    QProcessEnvironment germanEnvironment = environment;
    germanEnvironment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    german.setProcessEnvironment(germanEnvironment);
    german.start(program, {QStringLiteral("quote"), input, QStringLiteral("--currency"),
                           QStringLiteral("eur")});
    QVERIFY(german.waitForFinished(60000));
    QCOMPARE(german.readAllStandardOutput(), english.readAll());
    const QByteArray said = german.readAllStandardError();
    QVERIFY2(said.contains("Zeile 3: cable:"), said.constData());

    // --archive records the quoted rows as one quote; "history" lists it.
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       Install->ProgramFolder() + QStringLiteral("/../data-home"));
    const auto history = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        process.waitForFinished(60000);
        return std::pair{process.readAllStandardOutput(), process.readAllStandardError()};
    };
    const QString number = QStringLiteral("Q-%1-00001").arg(QDate::currentDate().year());
    QCOMPARE(history({QStringLiteral("quote"), input, QStringLiteral("--archive")}).second,
             "Row 3: " + field(table.Rows.at(1), "error").toUtf8() +
                 "\n1 of 3 rows could not "
                 "be quoted.\nRecorded as quote " +
                 number.toUtf8() + "/1.\n");
    const QJsonArray listed =
        QJsonDocument::fromJson(
            history({QStringLiteral("history"), QStringLiteral("--json")}).first)
            .array();
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.first()[QLatin1String("number")].toString(), number);
    QCOMPARE(listed.first()[QLatin1String("currency")].toString(), QStringLiteral("USD"));
    QCOMPARE(listed.first()[QLatin1String("lines")].toInt(), 4);
    QCOMPARE(
        history({QStringLiteral("history"), QStringLiteral("--search"), QStringLiteral("x")}).first,
        "number,revision,date,company,total,currency,lines\r\n");

    // Texts that a spreadsheet would run as formulas get an apostrophe; numbers never do.
    TBatchItem formulas;
    formulas.Kind = "=1+1";
    formulas.ResultRows = OrderLinesOf({"-2|Each|@SUM(1+1)|+CMD| 12.50|1|"});
    formulas.Total = "-3";
    const QStringList cells = ParseCsv(BatchCsv({formulas})).Rows.first();
    QCOMPARE(field(cells, "kind"), "'=1+1");
    QCOMPARE(field(cells, "line_part_number"), "'@SUM(1+1)");
    QCOMPARE(field(cells, "line_description"), "'+CMD");
    QCOMPARE(field(cells, "line_quantity"), "-2");
    QCOMPARE(field(cells, "total"), "-3");

    // Datasheets: one per quoted row, named after the part number or the row; none for the
    // refused row.
    const QString sheets = Install->ProgramFolder() + QStringLiteral("/sheets/new");
    QCOMPARE(run({input, QStringLiteral("--datasheets"), sheets}).first, 1);
    QCOMPARE(QDir(sheets).entryList(QDir::Files, QDir::Name),
             (QStringList{"KJ4-DMDM-6.pdf", "row-4.pdf"}));
    // The feeder has no part number: its datasheet is named by its description.
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QDir(sheets).filePath(QStringLiteral("row-4.pdf")), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString sheet = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(sheet.startsWith(QStringLiteral("20 meter feeder, KRV4-50B, top: 7-16 DIN Male, "
                                             "bottom: no connector")),
             qPrintable(sheet.left(200)));
    QVERIFY(!sheet.contains(QStringLiteral("EUR")) && !sheet.contains(QStringLiteral("USD")));
    // Nothing is written through a link planted in an output's place: not -o, not a datasheet
    // (whose rows after it are still written; the run ends with 2).
    const QString victim = Install->ProgramFolder() + QStringLiteral("/victim.txt");
    QFile victimFile(victim);
    QVERIFY(victimFile.open(QIODevice::WriteOnly));
    victimFile.write("keep me");
    victimFile.close();
    const QString linkOut = Install->ProgramFolder() + QStringLiteral("/link.csv");
    QVERIFY(QFile::link(victim, linkOut));
    QCOMPARE(run({input, QStringLiteral("-o"), linkOut}).first, 2);
    const QString linked = Install->ProgramFolder() + QStringLiteral("/sheets/linked");
    QVERIFY(QDir().mkpath(linked));
    QVERIFY(QFile::link(victim, linked + QStringLiteral("/KJ4-DMDM-6.pdf")));
    QCOMPARE(run({input, QStringLiteral("--datasheets"), linked}).first, 2);
    QVERIFY(QFile::exists(linked + QStringLiteral("/row-4.pdf")));
    QVERIFY(victimFile.open(QIODevice::ReadOnly));
    QCOMPARE(victimFile.readAll(), QByteArray("keep me"));
    victimFile.close();

    // Without XDG_RUNTIME_DIR the offscreen platform has nothing to say on standard error.
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const auto quiet = history({QStringLiteral("quote"), input, QStringLiteral("--datasheets"),
                                Install->ProgramFolder() + QStringLiteral("/sheets/quiet")});
    QVERIFY2(!quiet.second.contains("QStandardPaths"), quiet.second.constData());

    // Without a display, the window's start says so in one line and ends with 2 (Qt would abort);
    // a named platform still starts it.
    QProcess windowless;
    windowless.setProcessEnvironment(environment);
    windowless.start(program, {QStringLiteral("OPEN"), QStringLiteral("missing.fyn")});
    QVERIFY(windowless.waitForFinished(60000));
    QCOMPARE(windowless.exitStatus(), QProcess::NormalExit);
    QCOMPARE(windowless.exitCode(), 2);
    QCOMPARE(windowless.readAllStandardError(),
             QByteArray("Ferrolyn needs a display to open its window; 'ferrolyn quote' and "
                        "'ferrolyn history' work without one.\n"));

    TBatchItem named;
    named.PartNumber = QStringLiteral("A/B C\u00e9");
    TBatchItem unnamed;
    unnamed.Row = 7;
    TBatchItem failed;
    failed.Error = QStringLiteral("no");
    QCOMPARE(
        DatasheetFileNames({named, failed, named, unnamed, named}),
        (QStringList{"A_B_C\u00e9.pdf", "A_B_C\u00e9-2.pdf", "row-7.pdf", "A_B_C\u00e9-3.pdf"}));

    const auto [code, json] = run({input, QStringLiteral("--json")});
    QCOMPARE(code, 1);
    const QJsonArray rows = QJsonDocument::fromJson(json).array();
    QCOMPARE(rows.size(), 3);
    const QJsonObject built = rows.at(0)[QStringLiteral("as_built")].toObject();
    QCOMPARE(built.keys().size(), 12);
    QCOMPARE(built[QStringLiteral("vswr_max")].toDouble(), 1.21);
    QCOMPARE(built[QStringLiteral("pim_condition")].toString(), QStringLiteral("2 x 20 W"));
    QCOMPARE(rows.at(0)[QStringLiteral("total")].toDouble(), 123.40);
    QCOMPARE(rows.at(0)[QStringLiteral("lines")][0][QStringLiteral("extended_price")].toDouble(),
             246.80);
    QVERIFY(rows.at(0)[QStringLiteral("figures")][QStringLiteral("efficiency_percent")].toDouble() >
            0);
    QCOMPARE(rows.at(1)[QStringLiteral("row")].toInt(), 3);
    QCOMPARE(rows.at(0)[QStringLiteral("band_end")][QStringLiteral("insertion_loss_db")].toDouble(),
             0.36);
    QCOMPARE(rows.at(0)[QStringLiteral("warnings")].toArray().size(), 0);

    // A part without a list price: a warning, or under --strict a refused row and exit code 1.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(Batch({Row("jumper", "2", "m", "KRV4-50BP")}));
    file.close();
    const QString sentence = "No list price for KRV4-50BP: the total leaves them out.";
    const auto [priced, csv] = run({input});
    QCOMPARE(priced, 0);
    QVERIFY(csv.contains(("," + sentence + "\r\n").toUtf8()));
    const auto [strict, refused] = run({input, QStringLiteral("--strict")});
    QCOMPARE(strict, 1);
    const TCsvTable refusedTable = ParseCsv(refused);
    QCOMPARE(refusedTable.Rows.size(), 1);
    QCOMPARE(field(refusedTable.Rows.first(), "error"), sentence);
    QCOMPARE(field(refusedTable.Rows.first(), "line_part_number"), QString());

    QCOMPARE(run({input, QStringLiteral("--currency"), QStringLiteral("XYZ")}).first, 2);
    QCOMPARE(run({QStringLiteral("missing.csv")}).first, 2);
}

QTEST_MAIN(TestBatchQuote)
#include "tst_batchquote.moc"
