#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/PrintDialogs.h"
#include "platform/RadioGroup.h"
#include "reports/MPReporter.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

// The cable's description carries characters that HTML must escape.
const QString PriceList = QStringLiteral("CAB|1|KRV4-50B|FT|1/2 in. <foam> & \"jacket\"|2.10|\n"
                                         "CON|2|V4DM-PV|EA|7-16 DIN male Prenvo|38.50|\n"
                                         "SVC|3|FAC-4|EA|1/2 in. charge|15.00|\n"
                                         "ASM|4|KJ4-DMDM-PV-6|EA|Jumper 6 ft|123.40|\n");

const QString Jumpers = QStringLiteral("[Assemblies]\nVersion=1\n"
                                       "[KRV4-50B]\nTLine=KRV4-50B|\n"
                                       "J1=401|401|x|x|KJ4-DMDM-PV-|x|6|2|\n");

} // namespace

class TestOutputs : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuFollowsThePage();
    void textExportOfTheSummary();
    void exportsGoToTheirFolders_data();
    void exportsGoToTheirFolders();
    void cancelledExportWritesNothing();
    void htmlEscapesPageTexts();
    void foreignCurrencyNotice();
    void clipboardOfTheOrder_data();
    void clipboardOfTheOrder();
    void unwritableProgramFolderExportsToDocuments();
    void printingTheOrder();

private:
    void Start();
    void ToSummary();
    void ToPartsList();
    QAction* Action(const char* name) { return W().findChild<QAction*>(QLatin1String(name)); }
    QString Export(const char* action, const QString& name);
};

void TestOutputs::init()
{
    Prepare(TTestInstallation::PrenvoJumperCatalog());
    Install->WriteCommonFile(QStringLiteral("M_lom.dat"), PriceList);
    Install->WriteProgramFile(QStringLiteral("dat/jumpers.dat"), Jumpers);
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), QStringLiteral("EUR|0.5|\n"));
}

void TestOutputs::cleanup()
{
    Stop();
}

void TestOutputs::Start()
{
    Launch();
    Dialogs::TakeMessages();
}

void TestOutputs::ToSummary()
{
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Final);
}

void TestOutputs::ToPartsList()
{
    // A feeder without connectors: one cable row.
    Group("rgApp")->Button(1)->click();
    W().findChild<QCheckBox*>(QStringLiteral("chkTopConnector"))->click();
    W().findChild<QCheckBox*>(QStringLiteral("chkBottomConnector"))->click();
    Combo("cboLength")->setEditText(QStringLiteral("5"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
}

QString TestOutputs::Export(const char* action, const QString& name)
{
    const QString path = QDir(Install->ProgramFolder()).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    FileDialogs::SetNextFileName(path);
    Action(action)->trigger();
    return path;
}

void TestOutputs::menuFollowsThePage()
{
    Start();
    QVERIFY(!Action("Print1")->isEnabled());
    QVERIFY(!Action("CopyToClipboard1")->isEnabled());
    ToSummary();
    QVERIFY(Action("Print1")->isEnabled());
    QVERIFY(Action("CopyToClipboard1")->isEnabled());
    QVERIFY(Action("ToATextFile1")->isEnabled());
    // No spreadsheet program is registered in the tests.
    QVERIFY(!Action("ToanMSExcelSpreadsheet1")->isEnabled());
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Order);
    QVERIFY(Button("BitBtn1")->isEnabled());
}

void TestOutputs::textExportOfTheSummary()
{
    Start();
    ToSummary();
    const QString path = Export("ToATextFile1", QStringLiteral("txt/summary.txt"));
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith("Part Number: KJ4-DMDM-PV-6\r\nDescription: 6 foot cable assembly, "
                             "KRV4-50B, (0.63 in.)\rSPECIAL INSTRUCTIONS: \r"));
    QVERIFY(
        bytes.contains(QStringLiteral("\r\nPrice (USD): %1\r\n").arg(Local("123.40")).toLatin1()));
    QVERIFY(bytes.contains("\r\nReminder: Prices are subject to change without notice.  To get the "
                           "most of your Vantrel software, you should update regularly"));
    QVERIFY(bytes.endsWith(QStringLiteral("Your pricing database was last updated on %1\r\n")
                               .arg(W().ResultContent().LastUpdateDate)
                               .toLatin1()));
    QVERIFY(!bytes.contains("Currencies other than"));
    // The written file is handed to its application.
    QCOMPARE(Dialogs::TakeOpenedUrls(), QList<QUrl>{QUrl::fromLocalFile(path)});
}

// clang-format off
void TestOutputs::exportsGoToTheirFolders_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("text") << "ToATextFile1" << "txt" << "Text Files (*.txt)" << QByteArray("Qty: 5\r\n");
    QTest::newRow("html") << "ToanHTMLDocument1" << "html" << "HTML Files (*.html)" << QByteArray("<HTML><HEAD><TITLE>Vantrel Jumper Results</TITLE></HEAD>\r\n");
    QTest::newRow("spreadsheet") << "ToanMSExcelSpreadsheet1" << "xls" << "Excel Files (*.xls)" << QByteArray("Qty\tUOM\tPart Number\tDescription\tPrice (USD)\tExtended\t\r\r\n");
}
// clang-format on

// The first export starts in the user's Documents folder (made when missing), the next in the
// folder the last export went to, which Ferrolyn.ini remembers; a remembered folder that is gone
// gives Documents again.
void TestOutputs::exportsGoToTheirFolders()
{
    QFETCH(QString, action);
    QFETCH(QString, folder);
    QFETCH(QString, filter);
    QFETCH(QByteArray, start);
    Desktop::SetSpreadsheetAvailableOverride(true);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    Start();
    ToPartsList();
    QVERIFY(QDir().mkpath(QDir(Install->ProgramFolder()).filePath(folder)));
    const QString path = Export(action.toLatin1().constData(), folder + QStringLiteral("/out.x"));
    auto shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().Save);
    QCOMPARE(shown.first().Filter, filter);
    QCOMPARE(QDir(shown.first().Folder), QDir(documents));
    QVERIFY(QDir(documents).exists());
    QVERIFY2(ReadAll(path).startsWith(start), ReadAll(path).left(80).constData());

    // Every export kind then starts where this one went; the quote's documents do not.
    Action("ToATextFile1")->trigger();
    shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(QDir(shown.first().Folder), QFileInfo(path).absoluteDir());
    const QByteArray settings = ReadAll(AppPaths::WindowSettingsFile());
    QVERIFY2(settings.contains("[Folders]\nExports=" + QFileInfo(path).absolutePath().toUtf8()),
             settings.constData());
    QVERIFY(QDir(QFileInfo(path).absolutePath()).removeRecursively());
    Action("ToATextFile1")->trigger();
    QCOMPARE(QDir(FileDialogs::TakeShownDialogs().first().Folder), QDir(documents));
}

void TestOutputs::cancelledExportWritesNothing()
{
    Start();
    ToSummary();
    Action("ToanHTMLDocument1")->trigger();
    QCOMPARE(FileDialogs::TakeShownDialogs().size(), 1);
    QVERIFY(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .entryList(QDir::Files)
                .isEmpty());
    QVERIFY(Dialogs::TakeOpenedUrls().isEmpty());
}

void TestOutputs::htmlEscapesPageTexts()
{
    Start();
    ToPartsList();
    const QByteArray html = ReadAll(Export("ToanHTMLDocument1", QStringLiteral("p.html")));
    QVERIFY(html.contains("<TD>1/2 in. &lt;foam&gt; &amp; &quot;jacket&quot;</TD>"));
    QVERIFY(html.endsWith("</TABLE></P></BODY></HTML>\r\n"));
}

void TestOutputs::foreignCurrencyNotice()
{
    Start();
    ToSummary();
    Action("Euro1")->trigger();
    const QByteArray text = ReadAll(Export("ToATextFile1", QStringLiteral("e.txt")));
    QVERIFY(text.contains(QStringLiteral("Price (EUR): %1\r\n").arg(Local("246.80")).toLatin1()));
    QVERIFY(text.contains(("Currencies other than United States Dollars($US) are provided for "
                           "information purposes only and are based on exchange rates as of " +
                           W().ResultContent().RatesDate + "\r\n")
                              .toLatin1()));
    Action("CopyToClipboard1")->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().contains(
        QStringLiteral("\rForeign Currencies: Currencies other than")));
}

void TestOutputs::clipboardOfTheOrder_data()
{
    QTest::addColumn<QString>("currency"); // the order's currency item
    QTest::addColumn<QString>("suffix");   // what its headings and total caption add
    QTest::addColumn<QString>("price");
    QTest::newRow("US dollars") << "US1"
                                << ""
                                << "123.40";
    QTest::newRow("euros") << "Euro1"
                           << " (EUR)"
                           << "246.80";
}

void TestOutputs::clipboardOfTheOrder()
{
    QFETCH(QString, currency);
    QFETCH(QString, suffix);
    QFETCH(QString, price);
    Start();
    ToSummary();
    Action(qPrintable(currency))->trigger();
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Order);
    // The order keeps its currency whatever is chosen later.
    Action("US1")->trigger();
    Action("CopyToClipboard1")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.startsWith(QStringLiteral("Qty.: 1\rUOM: Each\rPart Number: KJ4-DMDM-PV-6\r")));
    QVERIFY(text.contains("\rPrice" + suffix + ": " + Local(price) + "\rExtended" + suffix + ": " +
                          Local(price) + "\r"));
    QVERIFY(text.contains("\rOrder Total" + suffix + ": " + Local(price) + "\r\r"));
    QVERIFY(!text.contains(QLatin1Char('\n')));
}

void TestOutputs::unwritableProgramFolderExportsToDocuments()
{
    AppPaths::SetProgramFolderWritableOverride(false);
    Start();
    ToSummary();
    Action("ToATextFile1")->trigger();
    const auto shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().Folder,
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QVERIFY(!QDir(QDir(Install->ProgramFolder()).filePath(QStringLiteral("txt"))).exists());
}

void TestOutputs::printingTheOrder()
{
    Start();
    ToSummary();
    Button("btnNext")->click();
    const QString pdf = QDir(Install->ProgramFolder()).filePath(QStringLiteral("order.pdf"));
    PrintDialogs::SetNextOutputFile(pdf);
    Button("BitBtn1")->click();
    QCOMPARE(PrintDialogs::TakeShownCount(), 1);
    QVERIFY(ReadAll(pdf).startsWith("%PDF-"));
    auto* reporter = W().findChild<TMPReporter*>(QStringLiteral("MPReporter1"));
    QCOMPARE(reporter->Title, QStringLiteral("Vantrel Ferrolyn Results"));
    const QStringList entries = reporter->ReportValues;
    QCOMPARE(entries.first(),
             QStringLiteral("Each=Qty: 1,          Total Price: ") + Local("123.40"));
    QCOMPARE(entries.at(1), QStringLiteral(" = "));
    QCOMPARE(entries.at(2), QStringLiteral("Order Total:=") + Local("123.40"));
    QVERIFY(entries.last().startsWith(QStringLiteral("Last Update=Your pricing database")));

    // A cancelled dialog prints nothing.
    QFile::remove(pdf);
    W().findChild<QAction*>(QStringLiteral("Print1"))->trigger();
    QCOMPARE(PrintDialogs::TakeShownCount(), 1);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestOutputs)
#include "tst_outputs.moc"
