// The content of a result page in its five outputs: text file, HTML document, spreadsheet,
// clipboard and the printed report's entries; and how export files are written. The content
// holds texts as displayed, so the outputs are the same in a '.' and a ',' locale.
#include "quote/Csv.h"
#include "reports/ResultContent.h"
#include "reports/Workbook.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "support/CoreTestHelpers.h"

Q_DECLARE_METATYPE(TContentKind)
Q_DECLARE_METATYPE(TResultContent)

namespace {

const QString Reminder = "Prices are subject to change without notice.  To get the most of your "
                         "Vantrel software, you should update regularly to get the latest pricing "
                         "and product information.";
const QString Foreign = "Currencies other than United States Dollars($US) are provided for "
                        "information purposes only and are based on exchange rates as of 3/14/24";
const QString LastUpdate = "Your pricing database was last updated on 2/1/24";

const QString Description = "10 foot cable assembly, KRV4-50B, (0.63)\rSPECIAL INSTRUCTIONS: \r"
                            "Connector1 = Plated 7-16 DIN Male with Solder inner contact "
                            "attachment.  \rConnector2 = Plated N Male with Solder inner contact "
                            "attachment";

TResultContent WithNotices(TResultContent content, bool foreignCurrency)
{
    content.ForeignCurrency = foreignCurrency;
    content.RatesDate = "3/14/24";
    content.ReminderCaption = "To get the most of your Vantrel software, you should update "
                              "regularly to get the latest pricing and product information.";
    content.LastUpdateDate = "2/1/24";
    return content;
}

TResultContent Summary(bool foreignCurrency = false)
{
    TResultContent content;
    content.Kind = TContentKind::FinalSummary;
    content.Rows = {{"Part Number:", "FA-716-10"},
                    {"Description:", Description},
                    {"Price (USD):", " 812.50"},
                    {"Total Attenuation (dB):", "0.22"}};
    return WithNotices(content, foreignCurrency);
}

// Two rows of the parts list grid, each with the hidden item kind as a seventh cell.
TResultContent PartsList(bool foreignCurrency = true)
{
    TResultContent content;
    content.Kind = TContentKind::PartsList;
    content.Headings = {"Qty", "UOM", "Part Number", "Description", "Price (EUR)", "Extended"};
    content.GridRows = {{"10", "Feet", "KRV4-50B", "1/2 in foam cable", " 2.50", " 25.00", "3"},
                        {"1", "Each", "C-716M", "7-16 DIN Male", " 30.00", " 30.00", "4"}};
    content.TotalLabel = "Total (EUR):";
    content.TotalValue = " 55.00";
    content.Performance = {{"Insertion Loss (dB):", "0.31"}, {"Efficiency (%):", "93.10"}};
    return WithNotices(content, foreignCurrency);
}

TResultContent Order(bool foreignCurrency = false)
{
    TResultContent content;
    content.Kind = TContentKind::Order;
    content.Headings = {"Qty.", "UOM", "Part Number", "Description", "Price", "Extended"};
    content.GridRows = {{"2", "Each", "C-716M", "7-16 DIN Male", " 12.50", " 25.00"},
                        {"10", "Feet", "KRV4-50B", "1/2 in foam cable", " 1.25", " 12.50"}};
    content.TotalLabel = "Order Total:";
    content.TotalValue = " 37.50";
    return WithNotices(content, foreignCurrency);
}

TResultContent Content(TContentKind kind, bool foreignCurrency)
{
    switch (kind) {
    case TContentKind::FinalSummary:
        return Summary(foreignCurrency);
    case TContentKind::PartsList:
        return PartsList(foreignCurrency);
    case TContentKind::Order:
        break;
    }
    return Order(foreignCurrency);
}

// The lines of a file, each ended by CR LF.
QString FileLines(const QStringList& lines)
{
    return lines.join("\r\n") + "\r\n";
}

const QStringList HtmlStart{"<HTML><HEAD><TITLE>Vantrel Jumper Results</TITLE></HEAD>", "<BODY>",
                            "<H1><CENTER>Jumper Results</CENTER></H1>", "<P><TABLE BORDER = 3>"};
const QString HtmlEnd = "</TABLE></P></BODY></HTML>";

QString Row(const QString& label, const QString& value)
{
    return "<TR><TD><B>" + label + "</B></TD><TD>" + value + "</TD></TR>";
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestResultContent : public QObject
{
    Q_OBJECT

private slots:
    void workbook_data();
    void workbook();
    void workbookPrintsWell();
    void workbookNumbersInEveryRegion();
    void finalSummary();
    void partsList();
    void order();
    void spreadsheetFormulaTexts_data();
    void spreadsheetFormulaTexts();
    void orderInAnotherCurrency();
    void foreignCurrencyNotice_data();
    void foreignCurrencyNotice();
    void orderTextFileLines_data();
    void orderTextFileLines();
    void spreadsheetHasSixColumns_data();
    void spreadsheetHasSixColumns();
    void htmlEscapesInsertedTexts_data();
    void htmlEscapesInsertedTexts();
    void reportEntryOfOrderRow();
    void exportBytes_data();
    void exportBytes();
    void writeExportFile();
    void failedWriteLeavesNothing();
};

void TestResultContent::finalSummary()
{
    const TResultContent content = Summary();
    QCOMPARE(
        TextExport(content),
        FileLines({"Part Number: FA-716-10", "Description: " + Description, "Price (USD):  812.50",
                   "Total Attenuation (dB): 0.22", "Reminder: " + Reminder, LastUpdate}));
    QCOMPARE(HtmlExport(content),
             FileLines(HtmlStart +
                       QStringList{
                           Row("Part Number:", "FA-716-10"), Row("Description:", Description),
                           Row("Price (USD):", " 812.50"), Row("Total Attenuation (dB):", "0.22"),
                           Row("Reminder:", Reminder), Row("Last Update:", LastUpdate), HtmlEnd}));
    QCOMPARE(SpreadsheetExport(content),
             FileLines({"Part Number:\tFA-716-10", "Description:\t" + Description,
                        "Price (USD):\t 812.50", "Total Attenuation (dB):\t0.22",
                        "Reminder:\t" + Reminder, "Last Update:\t" + LastUpdate}));
    QCOMPARE(ClipboardText(content), "Part Number: FA-716-10\rDescription: " + Description +
                                         "\rPrice (USD):  812.50\rTotal Attenuation (dB): 0.22\r"
                                         "\r\rReminder: " +
                                         Reminder + "\r\r" + LastUpdate + "\r");
    QCOMPARE(ReportEntries(content),
             QStringList({"Part Number:=FA-716-10", "Description:=" + Description,
                          "Price (USD):= 812.50", "Total Attenuation (dB):=0.22", " = ", " = ",
                          " = ", "Reminder=" + Reminder, "Last Update=" + LastUpdate}));
}

void TestResultContent::partsList()
{
    const TResultContent content = PartsList();
    // clang-format off
    QCOMPARE(TextExport(content), FileLines({
        "Qty: 10", "UOM: Feet", "Part Number: KRV4-50B", "Description: 1/2 in foam cable",
        "Price (EUR):  2.50", "Extended:  25.00", "",
        "Qty: 1", "UOM: Each", "Part Number: C-716M", "Description: 7-16 DIN Male",
        "Price (EUR):  30.00", "Extended:  30.00", "",
        "Total (EUR):  55.00",
        "Insertion Loss (dB): 0.31", "Efficiency (%): 93.10",
        Foreign, "Reminder: " + Reminder, LastUpdate}));
    QCOMPARE(HtmlExport(content), FileLines(HtmlStart + QStringList{
        "<TR><TD><B>Qty</B></TD><TD><B>UOM</B></TD><TD><B>Part Number</B></TD>"
            "<TD><B>Description</B></TD><TD><B>Price (EUR)</B></TD><TD><B>Extended</B></TD></TR>",
        "<TR><TD>10</TD><TD>Feet</TD><TD>KRV4-50B</TD><TD>1/2 in foam cable</TD><TD> 2.50</TD>"
            "<TD> 25.00</TD></TR>",
        "<TR><TD>1</TD><TD>Each</TD><TD>C-716M</TD><TD>7-16 DIN Male</TD><TD> 30.00</TD>"
            "<TD> 30.00</TD></TR>",
        "<TR><TD></TD><TD><B>Total (EUR):</B></TD><TD> 55.00</TD></TR></TABLE>",
        "</P><P><TABLE BORDER = 3>",
        Row("Insertion Loss (dB):", "0.31"), Row("Efficiency (%):", "93.10"),
        Row("Foreign Currencies:", Foreign), Row("Reminder:", Reminder),
        Row("Last Update:", LastUpdate), HtmlEnd}));
    QCOMPARE(SpreadsheetExport(content), FileLines({
        "Qty\tUOM\tPart Number\tDescription\tPrice (EUR)\tExtended\t\r",
        "10\tFeet\tKRV4-50B\t1/2 in foam cable\t 2.50\t 25.00\t",
        "1\tEach\tC-716M\t7-16 DIN Male\t 30.00\t 30.00\t",
        "\tTotal (EUR):\t 55.00\r",
        "Insertion Loss (dB):\t0.31", "Efficiency (%):\t93.10",
        "Foreign Currencies:\t" + Foreign, "Reminder:\t" + Reminder,
        "Last Update:\t" + LastUpdate}));
    TResultContent regional = content; // numbers shown in regional digits
    regional.GridRows[0][0] = QStringLiteral("\u0661\u0660");
    QCOMPARE(SpreadsheetExport(regional), SpreadsheetExport(content));
    QCOMPARE(ClipboardText(content),
        "Qty: 10\rUOM: Feet\rPart Number: KRV4-50B\rDescription: 1/2 in foam cable\r"
        "Price (EUR):  2.50\rExtended:  25.00\r"
        "Qty: 1\rUOM: Each\rPart Number: C-716M\rDescription: 7-16 DIN Male\r"
        "Price (EUR):  30.00\rExtended:  30.00\r"
        "Total (EUR):  55.00\r\r"
        "Insertion Loss (dB): 0.31\rEfficiency (%): 93.10\r"
        "\r\r"
        "Foreign Currencies: " + Foreign + "\r\rReminder: " + Reminder + "\r\r" +
        LastUpdate + "\r");
    QCOMPARE(ReportEntries(content), QStringList({
        "Qty=10", "UOM=Feet", "Part Number=KRV4-50B", "Description=1/2 in foam cable",
        "Price (EUR)= 2.50", "Extended= 25.00",
        "Qty=1", "UOM=Each", "Part Number=C-716M", "Description=7-16 DIN Male",
        "Price (EUR)= 30.00", "Extended= 30.00",
        "Total (EUR):= 55.00", "Insertion Loss (dB):=0.31", "Efficiency (%):=93.10",
        " = ", " = ", " = ",
        "Foreign Currencies=" + Foreign, "Reminder=" + Reminder, "Last Update=" + LastUpdate}));
    // clang-format on
}

void TestResultContent::order()
{
    const TResultContent content = Order();
    // clang-format off
    QCOMPARE(TextExport(content), FileLines({
        "Qty.: 2", "UOM: Each", "Part Number: C-716M", "Description: 7-16 DIN Male",
        "Price:  12.50", "Extended:  25.00", "",
        "Qty.: 10", "UOM: Feet", "Part Number: KRV4-50B", "Description: 1/2 in foam cable",
        "Price:  1.25", "Extended:  12.50", "",
        "Order Total:  37.50",
        "Reminder: " + Reminder, LastUpdate}));
    QCOMPARE(HtmlExport(content), FileLines(HtmlStart + QStringList{
        "<TR><TD><B>Qty.</B></TD><TD><B>UOM</B></TD><TD><B>Part Number</B></TD>"
            "<TD><B>Description</B></TD><TD><B>Price</B></TD><TD><B>Extended</B></TD></TR>",
        "<TR><TD>2</TD><TD>Each</TD><TD>C-716M</TD><TD>7-16 DIN Male</TD><TD> 12.50</TD>"
            "<TD> 25.00</TD></TR>",
        "<TR><TD>10</TD><TD>Feet</TD><TD>KRV4-50B</TD><TD>1/2 in foam cable</TD><TD> 1.25</TD>"
            "<TD> 12.50</TD></TR>",
        "<TR><TD></TD><TD><B>Order Total:</B></TD><TD> 37.50</TD></TR></TABLE>",
        "</P><P><TABLE BORDER = 3>",
        Row("Reminder:", Reminder), Row("Last Update:", LastUpdate), HtmlEnd}));
    QCOMPARE(SpreadsheetExport(content), FileLines({
        "Qty.\tUOM\tPart Number\tDescription\tPrice\tExtended\t\r",
        "2\tEach\tC-716M\t7-16 DIN Male\t 12.50\t 25.00\t",
        "10\tFeet\tKRV4-50B\t1/2 in foam cable\t 1.25\t 12.50\t",
        "\tOrder Total:\t 37.50\r",
        "Reminder:\t" + Reminder, "Last Update:\t" + LastUpdate}));
    QCOMPARE(ClipboardText(content),
        "Qty.: 2\rUOM: Each\rPart Number: C-716M\rDescription: 7-16 DIN Male\r"
        "Price:  12.50\rExtended:  25.00\r"
        "Qty.: 10\rUOM: Feet\rPart Number: KRV4-50B\rDescription: 1/2 in foam cable\r"
        "Price:  1.25\rExtended:  12.50\r"
        "Order Total:  37.50\r\r"
        "\r\r"
        "Reminder: " + Reminder + "\r\r" + LastUpdate + "\r");
    QCOMPARE(ReportEntries(content), QStringList({
        "Each=Qty: 2,          Total Price:  25.00",
        "Feet=Qty: 10,          Total Price:  12.50",
        " = ", "Order Total:= 37.50", " = ", " = ", " = ",
        "Reminder=" + Reminder, "Last Update=" + LastUpdate}));
    // clang-format on
}

void TestResultContent::spreadsheetFormulaTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell"); // as the .xls export and the batch CSV write it
    QTest::newRow("=") << "=HYPERLINK(\"http://x.example/\",\"x\")"
                       << "'=HYPERLINK(\"http://x.example/\",\"x\")";
    QTest::newRow("+") << "+CMD"
                       << "'+CMD";
    QTest::newRow("-") << "-2+3"
                       << "'-2+3";
    QTest::newRow("@") << "@SUM(1+1)"
                       << "'@SUM(1+1)";
    QTest::newRow("tab") << "\tx"
                         << "'\tx";
    QTest::newRow("carriage return") << "\rx"
                                     << "'\rx";
    QTest::newRow("a number") << "-2.5"
                              << "-2.5";
    QTest::newRow("plain text") << "KRV4-50B = cable"
                                << "KRV4-50B = cable";
}

void TestResultContent::spreadsheetFormulaTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QCOMPARE(SpreadsheetText(text), cell);
    // In the .xls export of an order: the part number and description cells; the number cells
    // of the same row are untouched.
    TResultContent content = Order();
    content.GridRows[0][2] = text;
    content.GridRows[0][3] = text;
    QVERIFY(SpreadsheetExport(content).contains("\r\n2\tEach\t" + cell + '\t' + cell +
                                                "\t 12.50\t 25.00\t\r\n"));
}

void TestResultContent::orderInAnotherCurrency()
{
    // Every output of an order in euros names the currency in its price headings and total
    // caption; otherwise it is the US-dollar order's output, byte for byte.
    TResultContent euros = Order(true);
    euros.OrderCurrencyCode = "EUR";
    const TResultContent dollars = Order(true);
    const auto named = [](QString text) {
        static const QRegularExpression Heading("\\b(Price|Extended|Order Total)\\b");
        return text.replace(Heading, "\\1 (EUR)");
    };
    QCOMPARE(TextExport(euros), named(TextExport(dollars)));
    QCOMPARE(HtmlExport(euros), named(HtmlExport(dollars)));
    QCOMPARE(SpreadsheetExport(euros), named(SpreadsheetExport(dollars)));
    QCOMPARE(ClipboardText(euros), named(ClipboardText(dollars)));
    QCOMPARE(ReportEntries(euros), named(ReportEntries(dollars).join('\n')).split('\n'));
    QVERIFY(TextExport(euros).contains("\r\nPrice (EUR):  12.50\r\nExtended (EUR):  25.00\r\n"));
    QVERIFY(TextExport(euros).contains("\r\nOrder Total (EUR):  37.50\r\n"));
    QCOMPARE(ReportEntries(euros).at(3), "Order Total (EUR):= 37.50");
}

void TestResultContent::foreignCurrencyNotice_data()
{
    QTest::addColumn<TContentKind>("kind");
    QTest::addColumn<bool>("foreignCurrency");

    QTest::newRow("summary, US dollars") << TContentKind::FinalSummary << false;
    QTest::newRow("summary, euros") << TContentKind::FinalSummary << true;
    QTest::newRow("parts list, US dollars") << TContentKind::PartsList << false;
    QTest::newRow("parts list, euros") << TContentKind::PartsList << true;
    QTest::newRow("order, US dollars") << TContentKind::Order << false;
    QTest::newRow("order, euros") << TContentKind::Order << true;
}

void TestResultContent::foreignCurrencyNotice()
{
    QFETCH(TContentKind, kind);
    QFETCH(bool, foreignCurrency);

    const TResultContent content = Content(kind, foreignCurrency);
    QCOMPARE(ForeignCurrencyNotice(content), Foreign);
    QCOMPARE(TextExport(content).contains("\r\n" + Foreign + "\r\nReminder: "), foreignCurrency);
    QCOMPARE(HtmlExport(content).contains(Row("Foreign Currencies:", Foreign) + "\r\n"),
             foreignCurrency);
    QCOMPARE(SpreadsheetExport(content).contains("\r\nForeign Currencies:\t" + Foreign + "\r\n"),
             foreignCurrency);
    QCOMPARE(ClipboardText(content).contains("\r\r\rForeign Currencies: " + Foreign + "\r\r"),
             foreignCurrency);
    QCOMPARE(ReportEntries(content).contains("Foreign Currencies=" + Foreign), foreignCurrency);
    for (const QString& output : {TextExport(content), HtmlExport(content),
                                  SpreadsheetExport(content), ClipboardText(content)})
        QCOMPARE(output.contains("Currencies other than"), foreignCurrency);
}

void TestResultContent::orderTextFileLines_data()
{
    QTest::addColumn<bool>("foreignCurrency");
    QTest::addColumn<QStringList>("notices");

    QTest::newRow("US dollars") << false << QStringList{"Reminder: " + Reminder, LastUpdate};
    QTest::newRow("euros") << true << QStringList{Foreign, "Reminder: " + Reminder, LastUpdate};
}

void TestResultContent::orderTextFileLines()
{
    QFETCH(bool, foreignCurrency);
    QFETCH(QStringList, notices);

    const QString text = TextExport(Order(foreignCurrency));
    QVERIFY(text.endsWith("\r\n"));
    QStringList lines = text.split("\r\n");
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 6 + 1 + 6 + 1 + 1 + notices.size());
    QCOMPARE(lines.at(0), "Qty.: 2");
    QCOMPARE(lines.at(5), "Extended:  25.00");
    QCOMPARE(lines.at(6), QString());
    QCOMPARE(lines.at(7), "Qty.: 10");
    QCOMPARE(lines.at(13), QString());
    QCOMPARE(lines.at(14), "Order Total:  37.50");
    QCOMPARE(lines.mid(15), notices);
}

void TestResultContent::spreadsheetHasSixColumns_data()
{
    QTest::addColumn<TResultContent>("content");

    QTest::newRow("parts list") << PartsList();
    QTest::newRow("order") << Order();
}

void TestResultContent::spreadsheetHasSixColumns()
{
    QFETCH(TResultContent, content);

    // The heading line and each grid line: six cells, each followed by a tab.
    const QStringList lines = SpreadsheetExport(content).split("\r\n");
    QVERIFY(lines.at(0).endsWith("\tExtended\t\r"));
    for (int n = 0; n <= content.GridRows.size(); ++n)
        QCOMPARE(lines.at(n).count('\t'), 6);
    // The hidden item kinds never show.
    QVERIFY(!lines.at(1).contains("\t3"));
    QVERIFY(!lines.at(2).contains("\t4"));
}

void TestResultContent::htmlEscapesInsertedTexts_data()
{
    QTest::addColumn<TResultContent>("content");

    const QString odd = "A<B & \"C\">";
    TResultContent content = Summary();
    content.Rows[0].Label = odd;
    QTest::newRow("summary label") << content;
    content = Summary();
    content.Rows[1].Value = "Connector1 = " + odd + "\rConnector2";
    QTest::newRow("description") << content;
    content = PartsList();
    content.Headings[3] = odd;
    QTest::newRow("parts list heading") << content;
    content = PartsList();
    content.GridRows[1][3] = odd;
    QTest::newRow("parts list cell") << content;
    content = PartsList();
    content.TotalLabel = odd;
    QTest::newRow("total caption") << content;
    content = Order();
    content.TotalValue = odd;
    QTest::newRow("order total") << content;
    content = PartsList();
    content.Performance[0].Value = odd;
    QTest::newRow("performance value") << content;
    content = Order(true);
    content.RatesDate = odd;
    QTest::newRow("rates date") << content;
    content = Order();
    content.ReminderCaption = odd;
    QTest::newRow("reminder caption") << content;
    content = Summary();
    content.LastUpdateDate = odd;
    QTest::newRow("last update date") << content;
}

void TestResultContent::htmlEscapesInsertedTexts()
{
    QFETCH(TResultContent, content);

    const QString html = HtmlExport(content);
    QVERIFY2(html.contains("A&lt;B &amp; &quot;C&quot;&gt;"), qPrintable(html));
    QVERIFY(!html.contains("A<B"));
    QVERIFY(!html.contains("\"C\""));
    // The markup itself stays.
    QVERIFY(html.startsWith(FileLines(HtmlStart)));
    QVERIFY(html.endsWith("\r\n" + HtmlEnd + "\r\n"));
    // The other outputs take the text as it is.
    QVERIFY(TextExport(content).contains("A<B & \"C\">"));
    QVERIFY(ClipboardText(content).contains("A<B & \"C\">"));
}

void TestResultContent::reportEntryOfOrderRow()
{
    TResultContent content = Order();
    content.GridRows = {{"2", "Each", "C-716M", "7-16 DIN Male", Local(" 12.50"), Local(" 25.00")}};
    content.TotalValue = Local(" 25.00");

    const QStringList entries = ReportEntries(content);
    QCOMPARE(entries.first(), "Each=Qty: 2,          Total Price: " + Local(" 25.00"));
    QCOMPARE(entries.at(1), " = ");
    QCOMPARE(entries.at(2), "Order Total:=" + Local(" 25.00"));
}

void TestResultContent::exportBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << "Qty: 2\r\n" << QByteArray("Qty: 2\r\n");
    QTest::newRow("Windows-1252") << QString::fromUtf8("Preis \u20AC \u00B0C \u2013 \u00FC\r\n")
                                  << QByteArray("Preis \x80 \xB0"
                                                "C \x96 \xFC\r\n");
    QTest::newRow("beyond Windows-1252") << QString::fromUtf8("\u03A9 \u00FC\r\n")
                                         << QByteArray("\xEF\xBB\xBF\xCE\xA9 \xC3\xBC\r\n");
    // In Windows-1252 these two characters are the UTF-8 bytes of another one.
    QTest::newRow("UTF-8 look-alike")
        << QString::fromUtf8("\u00C3\u00A9") << QByteArray("\xEF\xBB\xBF\xC3\x83\xC2\xA9");
}

void TestResultContent::exportBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(ExportBytes(text), bytes);
}

void TestResultContent::writeExportFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("order.html");
    WriteExportFile(path, "old");
    const QString html = HtmlExport(Order());
    WriteExportFile(path, html);
    QCOMPARE(ReadBytes(path), ExportBytes(html));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"order.html"});
}

void TestResultContent::failedWriteLeavesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("no such folder/order.txt");
    const QString error = DataErrorOf([&] { WriteExportFile(path, TextExport(Order())); });
    const QString start = "Cannot write the file \"" + QDir::toNativeSeparators(path) + "\": ";
    QVERIFY2(error.startsWith(start) && error.size() > start.size(), qPrintable(error));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

// A part of a workbook's bytes ("xl/worksheets/sheet1.xml").
QString WorkbookPart(const QByteArray& bytes, const char* name)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("book.xlsx");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    file.close();
    QProcess unzip;
    unzip.start("unzip", {"-p", path, name});
    unzip.waitForFinished(30000);
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// The cells of the workbook's sheet as "A1 s:text", "E7 n:12.5" or "F9 f:SUM(F7:F8)=37.5".
QStringList WorkbookCells(const QByteArray& bytes)
{
    const auto part = [&bytes](const char* name) {
        return WorkbookPart(bytes, name);
    };
    QStringList strings;
    static const QRegularExpression text("<si><t(?: xml:space=\"preserve\")?>(.*?)</t></si>",
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const auto& match : text.globalMatch(part("xl/sharedStrings.xml")))
        strings.append(match.captured(1));
    QStringList cells;
    static const QRegularExpression cell("<c r=\"([A-Z]+[0-9]+)\"(?: s=\"[0-9]+\")?(?: "
                                         "t=\"(\\w+)\")?>(?:<f>(.*?)</f>)?<v>(.*?)</v></c>");
    for (const auto& match : cell.globalMatch(part("xl/worksheets/sheet1.xml"))) {
        const QString ref = match.captured(1);
        if (match.captured(2) == "s")
            cells.append(ref + " s:" + strings.value(match.captured(4).toInt()));
        else if (!match.captured(3).isEmpty())
            cells.append(ref + " f:" + match.captured(3) + "=" + match.captured(4));
        else
            cells.append(ref + " n:" + match.captured(4));
    }
    return cells;
}

void TestResultContent::workbook_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("cells"); // a selection, in sheet order
    QTest::newRow("order: details, numbers, formula, texts as texts")
        << int(TContentKind::Order)
        << QStringList{"A1 s:Company:",
                       "C1 s:=1+1 &lt;b&gt;",
                       "A2 s:Proposal Number:",
                       "E4 s:Price (EUR)",
                       "F4 s:Extended (EUR)",
                       "A5 n:2",
                       "C5 s:C-716M",
                       "E5 n:12.5",
                       "F5 n:25",
                       "A6 n:10",
                       "E6 n:1.25",
                       "F6 n:12.5",
                       "E7 s:Order Total:",
                       "F7 f:SUM(F5:F6)=37.5",
                       "A9 s:Foreign Currencies:"};
    QTest::newRow("parts list: its currency once, performance as numbers")
        << int(TContentKind::PartsList)
        << QStringList{"E1 s:Price (EUR)",
                       "F1 s:Extended (EUR)",
                       "A2 n:10",
                       "F3 n:30",
                       "E4 s:Total (EUR):",
                       "F4 f:SUM(F2:F3)=55",
                       "A6 s:Insertion Loss (dB):",
                       "C6 n:0.31",
                       "A9 s:Foreign Currencies:"};
    QTest::newRow("summary: no grid, the price a number")
        << int(TContentKind::FinalSummary)
        << QStringList{"A1 s:Part Number:", "C1 s:FA-716-10", "A3 s:Price (USD):", "C3 n:812.5"};
}

void TestResultContent::workbook()
{
    QFETCH(int, kind);
    QFETCH(QStringList, cells);
    TResultContent content = Content(TContentKind(kind), true);
    // The page shows its numbers in the regional format.
    for (QStringList& row : content.GridRows)
        for (QString& text : row)
            text = Local(text);
    for (QList<TLabelValue>* rows : {&content.Rows, &content.Performance})
        for (TLabelValue& row : *rows)
            row.Value = Local(row.Value);
    const TOrderDetails details{"=1+1 <b>", "", "", "", "P-9"};
    const QStringList all = WorkbookCells(WorkbookBytes(content, details, "EUR"));
    QStringList found;
    for (const QString& cell : all)
        if (cells.contains(cell))
            found.append(cell);
    QVERIFY2(found == cells, qPrintable(all.join(" | ")));
}

void TestResultContent::workbookPrintsWell()
{
    // Landscape, one page wide, the heading row on every page, a header naming the customer and
    // the date; the date a real date, the captions' column wide enough for the longest.
    const TOrderDetails details{"A & B Towers", "", "2026-12-07", "", "P-9"};
    const QByteArray bytes = WorkbookBytes(Order(), details, "USD");
    const QString sheet = WorkbookPart(bytes, "xl/worksheets/sheet1.xml");
    QVERIFY2(sheet.contains("orientation=\"landscape\"") && sheet.contains("fitToHeight=\"0\"") &&
                 sheet.contains("<pageSetUpPr fitToPage=\"1\"/>"),
             qPrintable(sheet));
    QVERIFY(sheet.contains("<oddHeader>&amp;LA &amp;&amp; B Towers&amp;R"));
    QVERIFY(WorkbookPart(bytes, "xl/workbook.xml").contains("_xlnm.Print_Titles"));
    QVERIFY(WorkbookCells(bytes).contains("C2 n:46363"));
    static const QRegularExpression firstColumn("<col min=\"1\" max=\"1\" width=\"([0-9.]+)\"");
    QVERIFY(firstColumn.match(sheet).captured(1).toDouble() >= 16);
    // No reminder to update: it speaks to the seller, not the buyer.
    QVERIFY(!WorkbookCells(bytes).join(" ").contains("Prices are subject to change"));
}

void TestResultContent::workbookNumbersInEveryRegion()
{
    // An order as the page shows it in this region (a fractional quantity, a decimal comma where
    // the region writes one).
    TResultContent order = Order();
    order.GridRows.append({"45.5", "Feet", "KRV4-50B", "cable", " 116.67", " 5308.49"});
    order.TotalValue = " 5345.99";
    for (QStringList& row : order.GridRows)
        for (QString& text : row)
            text = Local(text);
    order.TotalValue = Local(order.TotalValue);
    const QByteArray bytes = WorkbookBytes(order, {}, "USD");
    const QString sheet = WorkbookPart(bytes, "xl/worksheets/sheet1.xml");

    // Every number of the file, width and margin with '.' and ASCII digits.
    static const QRegularExpression plain("^-?[0-9]+(\\.[0-9]+)?$");
    static const QRegularExpression numbers(
        "<v>([^<]*)</v>|(?:width|left|right|top|bottom|header|footer)=\"([^\"]*)\"");
    int count = 0;
    for (const auto& match : numbers.globalMatch(sheet)) {
        const QString number = match.captured(1) + match.captured(2);
        QVERIFY2(plain.match(number).hasMatch(), qPrintable(match.captured(0)));
        ++count;
    }
    QVERIFY(count > 15);
    QVERIFY2(sheet.contains("<pageMargins left=\"0.7\""), qPrintable(sheet));
    const QStringList cells = WorkbookCells(bytes);
    for (const char* cell : {"A4 n:45.5", "E4 n:116.67", "F4 n:5308.49", "F2 n:25"})
        QVERIFY2(cells.contains(cell), qPrintable(cells.join(" | ")));
    // The total's value is the sum of its rows.
    static const QRegularExpression total("F5 f:SUM\\(F2:F4\\)=(.*)");
    const QString value = cells.filter(total).value(0).section('=', 1);
    bool ok = false;
    QVERIFY2(qAbs(value.toDouble(&ok) - 5345.99) < 1e-6 && ok, qPrintable(cells.join(" | ")));
}

QTEST_GUILESS_MAIN(TestResultContent)
#include "tst_resultcontent.moc"
