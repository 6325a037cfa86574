#include "support/TestInstallation.h"

#include "base/LineFormat.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Languages.h"
#include "platform/PrintDialogs.h"
#include "platform/RadioGroup.h"
#include "reports/MPReporter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// An order file of count items, in euros when the rate file offers them.
QString OrderText(int count, const QString& details = {}, const QString& extra = {})
{
    QString text = QStringLiteral("[Header]\r\n") +
                   (details.isEmpty() ? QStringLiteral("Company Name=\r\nAuthor=\r\nDate=\r\n"
                                                       "Job Number=\r\nProposal Number=\r\n")
                                      : details) +
                   QStringLiteral("File Name=\r\nFile Path=\r\nCurrency=EUR\r\n\r\n"
                                  "[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\nShip To City="
                                  "\r\nShip To State/Province=\r\nShip To Country=\r\n");
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("%1=%2|Each||PN-%3-X|Jumper %3: 6 foot cable assembly, KRV4-50B, "
                               "(0.63 in.) with Plated 7-16 DIN Male connectors at both ends and "
                               "special instructions that run over more than one line|12.50|\r\n")
                    .arg(n)
                    .arg(n % 3 + 1)
                    .arg(n, 3, 10, QLatin1Char('0'));
    return text + extra + QStringLiteral("\r\n");
}

// The text of each page of a PDF.
QStringList PdfPages(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Each page's words of a PDF, with their boxes (points from the page's top left), and the pages'
// heights.
struct TPdfWord {
    QString Text;
    QRectF Box;
    int Page = 0;
};

QList<TPdfWord> PdfWords(const QString& path, QList<double>& heights)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    static const QRegularExpression Tag(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.]+)\" "
                       "yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<TPdfWord> words;
    for (const QRegularExpressionMatch& match :
         Tag.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        if (!match.captured(2).isEmpty()) {
            heights.append(match.captured(2).toDouble());
            continue;
        }
        // The word as the page holds it: pdftotext writes XML.
        QString text = match.captured(7);
        text.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        const double x = match.captured(3).toDouble();
        const double y = match.captured(4).toDouble();
        words.append(
            {text, QRectF(x, y, match.captured(5).toDouble() - x, match.captured(6).toDouble() - y),
             int(heights.size()) - 1});
    }
    return words;
}

} // namespace

class TestQuoteDocument : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void orderDetails();
    void quotePdf_data();
    void quotePdf();
    void quotePdfKeepsToTheBody();
    void workbookOnEveryOutputPage();
    void datasheetPdf();
    void chineseQuotePdf();
    void quoteDateKept();
    void documentsKeepTheirWords_data();
    void documentsKeepTheirWords();

private:
    void Open(const QString& text);
    QString SaveDatasheet(const QString& name);
    void Details(const QStringList& values, const char* button);
    QString LastOrderText();
};

void TestQuoteDocument::init()
{
    Prepare(TTestInstallation::PrenvoJumperCatalog());
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), QStringLiteral("EUR|0.5|\n"));
    Launch();
    Dialogs::TakeMessages();
}

void TestQuoteDocument::cleanup()
{
    Stop();
}

void TestQuoteDocument::Open(const QString& text)
{
    Install->WriteProgramFile(QStringLiteral("data/o.fyn"), text);
    FileDialogs::SetNextFileName(
        QDir(Install->ProgramFolder()).filePath(QStringLiteral("data/o.fyn")));
    TriggerOpen();
    FileDialogs::TakeShownDialogs();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

// Fills the order-details dialog with values (in field order) and closes it with button.
void TestQuoteDocument::Details(const QStringList& values, const char* button)
{
    WhenModal(this, QStringLiteral("frmOrderDetails"), [values, button](QWidget* dialog) {
        const char* names[] = {"edtCompanyName", "edtAuthor", "edtDate", "edtJobNumber",
                               "edtProposalNumber"};
        for (int i = 0; i < values.size(); ++i)
            dialog->findChild<QLineEdit*>(QLatin1String(names[i]))->setText(values.at(i));
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
        if (dialog->isVisible()) // a refused date: the dialog stays, closed here
            dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    Button("btnOrderDetails")->click();
}

QString TestQuoteDocument::LastOrderText()
{
    QFile file(AppPaths::LastOrderFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestQuoteDocument::orderDetails()
{
    Open(OrderText(2));
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString day = QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat);

    // Today is offered; Cancel keeps nothing.
    WhenModal(this, QStringLiteral("frmOrderDetails"), [today](QWidget* dialog) {
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("edtDate"))->text(), today);
        dialog->findChild<QLineEdit*>(QStringLiteral("edtAuthor"))->setText(QStringLiteral("X"));
        dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    W().findChild<QAction*>(QStringLiteral("OrderDetails1"))->trigger();
    QVERIFY(W().CurrentOrder().Info.Details.IsEmpty());

    // A date that is no date is refused and nothing is kept.
    Details({"Acme", "Ann", "soon"}, "btnOk");
    QCOMPARE(Dialogs::TakeMessages().size(), 1);
    QVERIFY(W().CurrentOrder().Info.Details.IsEmpty());

    // OK keeps them, with the order, in the last-order file and in a saved file.
    Details({"Acme | Sons = Co", "Ann Lee", day, "J-7", "P-9"}, "btnOk");
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    const TOrderDetails expected{"Acme | Sons = Co", "Ann Lee", "2026-12-07", "J-7", "P-9"};
    QCOMPARE(W().CurrentOrder().Info.Details, expected);
    QVERIFY(LastOrderText().startsWith("[Header]\r\nCompany Name=Acme | Sons = Co\r\nAuthor=Ann "
                                       "Lee\r\nDate=2026-12-07\r\nJob Number=J-7\r\n"
                                       "Proposal Number=P-9\r\n"));
    // Add and Start Over keep them; opening another order replaces them.
    Button("btnAdd")->click();
    W().findChild<QAction*>(QStringLiteral("StartOver1"))->trigger();
    QCOMPARE(W().CurrentOrder().Info.Details, expected);
    const QString saved = LastOrderText();
    Open(OrderText(1));
    QVERIFY(W().CurrentOrder().Info.Details.IsEmpty());
    Open(saved);
    QCOMPARE(W().CurrentOrder().Info.Details, expected);

    // Deleting the last line takes them with it.
    W().findChild<QTableWidget*>(QStringLiteral("grdOrder"))->selectAll();
    Dialogs::SetNextAnswer(QMessageBox::Yes);
    Button("btnDeleteSelected")->click();
    Dialogs::TakeMessages();
    QVERIFY(W().CurrentOrder().Info.Details.IsEmpty());
}

void TestQuoteDocument::quotePdf_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("pages");
    // Lines after the items: a part without a list price is "Price on request", an attachment
    // without a part number is free.
    QTest::addColumn<QString>("extra");
    QTest::newRow("one line") << 1 << 1 << QString();
    QTest::newRow("80 lines") << 80 << 0 << QString(); // as many as the paper needs, more than two
    QTest::newRow("priced on request")
        << 1 << 1
        << "2=2|Each||NO-PRICE|Connector|0.00|\r\n3=2|Each|||Attachment|0.00|\r\n"
           "4=12.5|Meters||KRV4-50B|Cable|0.00|\r\n";
}

void TestQuoteDocument::quotePdf()
{
    QFETCH(int, items);
    QFETCH(int, pages);
    QFETCH(QString, extra);
    Open(OrderText(items,
                   QStringLiteral("Company Name=Acme Towers\r\nAuthor=Ann Lee\r\n"
                                  "Date=2026-12-07\r\nJob Number=J-7\r\nProposal Number=P-9\r\n"),
                   extra));
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("quote.pdf"));
    FileDialogs::SetNextFileName(path);
    Button("btnQuotePdf")->click();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    const auto shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().Filter, QStringLiteral("PDF Files (*.pdf)"));

    const QStringList text = PdfPages(path);
    if (qEnvironmentVariableIsSet("FERROLYN_KEEP_QUOTE"))
        QFile::copy(path,
                    qEnvironmentVariable("FERROLYN_KEEP_QUOTE") + QString::number(items) + ".pdf");
    if (pages > 0)
        QCOMPARE(text.size(), pages);
    else
        QVERIFY(text.size() > 2);
    const QString all = text.join(QLatin1Char('\n'));
    QVERIFY(text.first().contains(QStringLiteral("Quotation")));
    for (const char* detail : {"Acme Towers", "Ann Lee", "J-7", "P-9"})
        QVERIFY2(text.first().contains(QLatin1String(detail)), detail);
    for (int n = 1; n <= items; ++n)
        QCOMPARE(all.count(QStringLiteral("PN-%1-X").arg(n, 3, 10, QLatin1Char('0'))), 1);
    for (int page = 0; page < text.size(); ++page) {
        QVERIFY(
            text.at(page).contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(text.size())));
        QVERIFY(text.at(page).contains(QStringLiteral("Unit Price (EUR)")));
        QVERIFY(text.at(page).contains(QStringLiteral("VANTREL CORPORATION")));
    }
    // Prices in the order's currency, as the file gives them.
    double total = 0;
    for (int n = 1; n <= items; ++n)
        total += (n % 3 + 1) * 12.5;
    QVERIFY(text.last().contains(QStringLiteral("Total (EUR):")));
    QVERIFY2(
        text.last().contains(
            QLocale::system().toString(total, 'f', 2).remove(QLocale::system().groupSeparator())),
        qPrintable(text.last()));
    // The date and the pricing date with four-digit years; no reminder to update, which speaks
    // to the seller.
    QVERIFY2(text.first().contains(DocumentDateText(QDate(2026, 12, 7))), qPrintable(text.first()));
    static const QRegularExpression pricingDate(
        QStringLiteral("Your pricing database was last updated on \\S*\\d{4}"));
    QVERIFY2(pricingDate.match(text.last()).hasMatch(), qPrintable(text.last()));
    QVERIFY(!all.contains(QStringLiteral("Prices are subject to change")));
    QCOMPARE(all.count(QStringLiteral("Price on request")), extra.isEmpty() ? 0 : 4);
    // A unit is never broken over two lines.
    QCOMPARE(all.contains(QStringLiteral("Meters")), !extra.isEmpty());
    QCOMPARE(all.contains(QStringLiteral("The total leaves out the lines priced on request.")),
             !extra.isEmpty());

    // Print Quote prints the same document through the print dialog.
    const QString printed = QDir(Install->ProgramFolder()).filePath(QStringLiteral("printed.pdf"));
    PrintDialogs::SetNextOutputFile(printed);
    W().findChild<QAction*>(QStringLiteral("PrintQuote1"))->trigger();
    QCOMPARE(PrintDialogs::TakeShownCount(), 1);
    QCOMPARE(PdfPages(printed), text);
}

void TestQuoteDocument::quotePdfKeepsToTheBody()
{
    // Details of the longest length an order file keeps, a description of the same length that
    // is one word (a row taller than a page) and a long description of words.
    const QString company = QStringLiteral("Acme Towers ").repeated(166);
    const QString tall = QString(2000, QLatin1Char('W'));
    const QString words = QStringLiteral("jumper ").repeated(285);
    QString details;
    for (const char* key : {"Company Name", "Author", "Date", "Job Number", "Proposal Number"})
        details += QLatin1String(key) + '=' + company + "\r\n";
    Open(OrderText(0, details,
                   "1=1|Each||PN-TALL-X|" + tall + "|1.00|\r\n2=1|Each||PN-WORDS-X|" + words +
                       "|2.00|\r\n3=1|Each||PN-LAST-X|Last|3.00|\r\n"));
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("long.pdf"));
    FileDialogs::SetNextFileName(path);
    Button("btnQuotePdf")->click();
    QVERIFY(Dialogs::TakeMessages().isEmpty());

    QList<double> heights;
    const QList<TPdfWord> found = PdfWords(path, heights);
    QVERIFY(heights.size() > 3);
    // Below the body (the page less its margin and footer) only the footer's words stand.
    QSet<QString> footer{QStringLiteral("Page"), QStringLiteral("of")};
    for (const QString& line : ReportContactLines())
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            footer.insert(word);
    int tallPieces = 0;
    QStringList partNumbers;
    for (const TPdfWord& word : found) {
        const double bodyBottom = heights.at(word.Page) - 36 - 58;
        const bool numeral = word.Text.toInt() > 0;
        if (word.Box.bottom() > bodyBottom + 0.5)
            QVERIFY2((footer.contains(word.Text) || numeral) && word.Box.top() > bodyBottom + 8,
                     qPrintable(QStringLiteral("page %1: \"%2\" at %3")
                                    .arg(word.Page + 1)
                                    .arg(word.Text)
                                    .arg(word.Box.bottom())));
        if (word.Text.startsWith(QLatin1String("PN-")))
            partNumbers.append(word.Text);
        if (word.Text.startsWith(QLatin1Char('W')) &&
            word.Text.count(QLatin1Char('W')) == word.Text.size())
            tallPieces += word.Text.size();
    }
    // Every item whole, once: the tall description's every letter on some page.
    QCOMPARE(partNumbers, (QStringList{"PN-TALL-X", "PN-WORDS-X", "PN-LAST-X"}));
    QCOMPARE(tallPieces, 2000);
}

void TestQuoteDocument::workbookOnEveryOutputPage()
{
    // No spreadsheet program is needed; the workbook is written and opened.
    QAction* xlsx = W().findChild<QAction*>(QStringLiteral("ToXlsx1"));
    QVERIFY(xlsx->isEnabled());
    QVERIFY(!W().findChild<QMenu*>(QStringLiteral("Export1"))
                 ->menuAction()
                 ->isEnabled()); // page 1 has no output
    Open(OrderText(3));
    QVERIFY(W().findChild<QMenu*>(QStringLiteral("Export1"))->menuAction()->isEnabled() &&
            xlsx->isEnabled());
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("book.xlsx"));
    FileDialogs::SetNextFileName(path);
    xlsx->trigger();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(FileDialogs::TakeShownDialogs().first().Filter,
             QStringLiteral("Excel Workbooks (*.xlsx)"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("PK"));
    QCOMPARE(Dialogs::TakeOpenedUrls(), QList<QUrl>{QUrl::fromLocalFile(path)});

    // With no application for it, a message says where the document was saved; the same for a
    // quote PDF.
    Desktop::SetOpenerAvailableOverride(false);
    for (const auto& [trigger, name] :
         {std::pair<QAction*, const char*>{xlsx, "again.xlsx"},
          std::pair<QAction*, const char*>{W().findChild<QAction*>("SaveQuotePdf1"), "q.pdf"}}) {
        const QString saved = QDir(Install->ProgramFolder()).filePath(QLatin1String(name));
        FileDialogs::SetNextFileName(saved);
        trigger->trigger();
        QVERIFY(QFile::exists(saved));
        QVERIFY(Dialogs::TakeOpenedUrls().isEmpty());
        const auto said = Dialogs::TakeMessages();
        QCOMPARE(said.size(), 1);
        QCOMPARE(said.first().Text, "Saved as " + QDir::toNativeSeparators(saved) +
                                        ".\nNo application to open it was found on this computer.");
    }
    Desktop::SetOpenerAvailableOverride(true);

    // A workbook that cannot be written says so and leaves nothing.
    const QString folder = QDir(Install->ProgramFolder()).filePath(QStringLiteral("folder.xlsx"));
    QVERIFY(QDir().mkpath(folder));
    FileDialogs::SetNextFileName(folder);
    xlsx->trigger();
    QCOMPARE(Dialogs::TakeMessages().size(), 1);
    QVERIFY(Dialogs::TakeOpenedUrls().isEmpty());
}

void TestQuoteDocument::datasheetPdf()
{
    // The summary of a standard assembly; the data names its cable only.
    Stop();
    Prepare(TTestInstallation::PrenvoJumperCatalog());
    Install->WriteProgramFile(QStringLiteral("dat/specs.dat"),
                              QStringLiteral("[Cables]\nKRV4-50B=0.88|125||0.0671||CMR|\n"));
    Launch();
    Dialogs::TakeMessages();
    QAction* datasheet = W().findChild<QAction*>(QStringLiteral("DatasheetPdf1"));
    QVERIFY(!datasheet->isEnabled());
    Group("rgCableType")->Button(1)->click();
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QVERIFY(datasheet->isEnabled());
    auto* grid = W().findChild<QTableWidget*>(QStringLiteral("grdFinal"));
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("sheet.pdf"));
    FileDialogs::SetNextFileName(path);
    W().findChild<QWidget*>(QStringLiteral("tsFinal"))
        ->findChild<QPushButton*>(QStringLiteral("btnDatasheet"))
        ->click();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(Dialogs::TakeOpenedUrls(), QList<QUrl>{QUrl::fromLocalFile(path)});
    const QString text = PdfPages(path).join(QLatin1Char('\n'));
    QVERIFY2(text.contains(grid->item(0, 1)->text()), qPrintable(text));
    for (int row = 3; row < 10; ++row)
        QVERIFY2(text.contains(grid->item(row, 1)->text()), qPrintable(grid->item(row, 1)->text()));
    QVERIFY2(text.contains(QStringLiteral("not specified")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("CMR")));
    // No price: a datasheet is not a quote.
    QVERIFY(!text.contains(grid->item(2, 1)->text()));
    QVERIFY(!text.contains(QStringLiteral("USD")));
    // The pricing date with its year in four digits.
    static const QRegularExpression pricingDate(QStringLiteral("Pricing date: \\S*\\d{4}\\b"));
    QVERIFY2(pricingDate.match(text).hasMatch(), qPrintable(text));
}

// A quote without a date of the user's is dated the day of its first quote PDF; the date is kept
// with the order, so a reprint on another day shows the same.
void TestQuoteDocument::quoteDateKept()
{
    Open(OrderText(1));
    QVERIFY(W().CurrentOrder().Info.Details.Date.isEmpty());
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("dated.pdf"));
    FileDialogs::SetNextFileName(path);
    Button("btnQuotePdf")->click();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(W().CurrentOrder().Info.Details.Date, today);
    QVERIFY(LastOrderText().contains("\r\nDate=" + today + "\r\n"));
    const QString text = PdfPages(path).join(QLatin1Char('\n'));
    QVERIFY2(text.contains(DocumentDateText(QDate::currentDate())), qPrintable(text));

    // A date of the user's is never replaced.
    Open(OrderText(1, QStringLiteral("Date=2025-01-31\r\n")));
    FileDialogs::SetNextFileName(path);
    Button("btnQuotePdf")->click();
    QCOMPARE(W().CurrentOrder().Info.Details.Date, QStringLiteral("2025-01-31"));
    QVERIFY(PdfPages(path).join(QLatin1Char('\n')).contains(DocumentDateText(QDate(2025, 1, 31))));
}

// The datasheet of the standard 6 ft jumper, saved as name in the program folder.
QString TestQuoteDocument::SaveDatasheet(const QString& name)
{
    Group("rgCableType")->Button(1)->click();
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    if (W().CurrentPage() != TPage::Final)
        return {};
    const QString path = QDir(Install->ProgramFolder()).filePath(name);
    FileDialogs::SetNextFileName(path);
    W().findChild<QWidget*>(QStringLiteral("tsFinal"))
        ->findChild<QPushButton*>(QStringLiteral("btnDatasheet"))
        ->click();
    Dialogs::TakeOpenedUrls();
    return path;
}

void TestQuoteDocument::documentsKeepTheirWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("French") << QStringLiteral("fr");
}

// In every language, headings wrap between words (a word breaks only where it is wider than its
// column), and no word of the quote PDF or the datasheet stands outside the page's margins.
void TestQuoteDocument::documentsKeepTheirWords()
{
    QFETCH(QString, language);
    Languages::Apply(language);
    const auto cleanup = qScopeGuard([] { Languages::Apply(QStringLiteral("en")); });
    const auto words = [](const QString& path, double margin, QSet<QString>& found) {
        QList<double> heights;
        const QList<TPdfWord> all = PdfWords(path, heights);
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        info.waitForFinished(30000);
        static const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x"));
        const double width =
            size.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toDouble();
        QVERIFY(width > 500 && !all.isEmpty());
        for (const TPdfWord& word : all) {
            found.insert(word.Text);
            QVERIFY2(word.Box.left() >= margin - 1 && word.Box.right() <= width - margin + 1,
                     qPrintable(QStringLiteral("\"%1\" at %2-%3 of %4")
                                    .arg(word.Text)
                                    .arg(word.Box.left())
                                    .arg(word.Box.right())
                                    .arg(width)));
        }
    };
    const auto wholeWords = [](const QSet<QString>& found, const QStringList& texts) {
        // Words part at blanks, non-breaking ones included ("proposition\u00a0:").
        static const QRegularExpression blanks(QStringLiteral("[ \\x{00a0}\\x{202f}]+"));
        for (const QString& text : texts)
            for (const QString& word : text.split(blanks, Qt::SkipEmptyParts))
                QVERIFY2(found.contains(word), qPrintable(word));
    };

    Open(OrderText(2, QStringLiteral("Company Name=Acme Towers\r\nAuthor=Ann Lee\r\n"
                                     "Date=2026-12-07\r\nJob Number=J-7\r\n"
                                     "Proposal Number=P-9\r\n")));
    const QString quote = QDir(Install->ProgramFolder()).filePath(QStringLiteral("quote.pdf"));
    FileDialogs::SetNextFileName(quote);
    Button("btnQuotePdf")->click();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QSet<QString> found;
    words(quote, 36, found);
    const auto tr = [](const char* source) {
        return QCoreApplication::translate("QuoteDocument", source);
    };
    wholeWords(found, {tr("Qty."), tr("UOM"), tr("Part Number"), tr("Description"),
                       tr("Unit Price (%1)").arg("EUR"), tr("Extended (%1)").arg("EUR"),
                       tr("Proposal Number:"), tr("Job Number:")});

    Button("btnAdd")->click();
    const QString sheet = SaveDatasheet(QStringLiteral("sheet.pdf"));
    QVERIFY(!sheet.isEmpty());
    found.clear();
    words(sheet, 40, found);
    const auto sheetTr = [](const char* source) {
        return QCoreApplication::translate("DatasheetPdf", source);
    };
    wholeWords(found, {sheetTr("Insertion loss as built and return-loss limit across the band"),
                       sheetTr("Assembly as built"), sheetTr("Mechanical data"),
                       sheetTr("Green: insertion loss as built (dB, left). Orange: return-loss "
                               "limit (dB, right).")});
}

// In Chinese the quote's texts and a Chinese company name are drawn and read back.
void TestQuoteDocument::chineseQuotePdf()
{
    Languages::Apply(QStringLiteral("zh_CN"));
    Open(OrderText(1, QStringLiteral("Company Name=\u534e\u5357\u94c1\u5854\r\n"), {}));
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("quote.pdf"));
    FileDialogs::SetNextFileName(path);
    Button("btnQuotePdf")->click();
    Languages::Apply(QStringLiteral("en"));
    const QString text = PdfPages(path).join(QLatin1Char('\n'));
    for (const QString& expected :
         {QStringLiteral("\u62a5\u4ef7\u5355"), // "Quotation"
          QStringLiteral("\u534e\u5357\u94c1\u5854"), QStringLiteral("PN-001-X")})
        QVERIFY2(text.contains(expected), qPrintable(text));
}

QTEST_MAIN(TestQuoteDocument)
#include "tst_quotedocument.moc"
