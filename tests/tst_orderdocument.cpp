#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "documents/OrderDocument.h"
#include "history/QuoteArchive.h"
#include "history/QuoteHistory.h"
#include "history/TeamArchive.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString PriceList = QStringLiteral("CAB|1|KRV4-50B|FT|1/2 in. cable|2.10|\n"
                                         "CON|2|V4DM-PV|EA|7-16 DIN male Prenvo|38.50|\n"
                                         "SVC|3|FAC-4|EA|1/2 in. charge|15.00|\n"
                                         "ASM|4|KJ4-DMDM-PV-6|EA|Jumper 6 ft|123.40|\n");
const QString Jumpers = QStringLiteral("[Assemblies]\nVersion=1\n[KRV4-50B]\nTLine=KRV4-50B|\n"
                                       "J1=401|401|x|x|KJ4-DMDM-PV-|x|6|2|\n");
const QString Title = QStringLiteral("Ferrolyn\u2122");

QString OrderOf(const QString& partNumber)
{
    return QStringLiteral("[Header]\r\n\r\n[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\n"
                          "Ship To City=\r\nShip To State/Province=\r\nShip To Country=\r\n"
                          "1=2|Each||%1|Item|10.00|\r\n")
        .arg(partNumber);
}

} // namespace

class TestOrderDocument : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openWithChanges_data();
    void openWithChanges();
    void saveAndSaveAs();
    void closeWithChanges_data();
    void closeWithChanges();
    void titleNamesTheOrder();
    void safeDefaultsAndProposedNames();
    void recordsQuotes();
    void quoteHistory();
    void archiveOnAServer();
    void archiveOnARealServer();

private:
    TOrderDocument& Document() { return *W().findChild<TOrderDocument*>(); }
    QAction* Action(const char* name) { return W().findChild<QAction*>(QLatin1String(name)); }
    QTableWidget* Order() { return W().findChild<QTableWidget*>(QStringLiteral("grdOrder")); }
    QString Write(const QString& name, const QString& text);
    void AddAssembly();
    void Open(const QString& path);
};

void TestOrderDocument::init()
{
    Prepare(TTestInstallation::PrenvoJumperCatalog());
    Install->WriteCommonFile(QStringLiteral("M_lom.dat"), PriceList);
    Install->WriteProgramFile(QStringLiteral("dat/jumpers.dat"), Jumpers);
    Launch();
    Dialogs::TakeMessages();
}

void TestOrderDocument::cleanup()
{
    Stop();
    SetQuoteArchivePath(QString());
}

QString TestOrderDocument::Write(const QString& name, const QString& text)
{
    Install->WriteProgramFile(QStringLiteral("data/") + name, text);
    return QDir(Install->ProgramFolder()).filePath(QStringLiteral("data/") + name);
}

void TestOrderDocument::AddAssembly()
{
    if (W().CurrentPage() == TPage::Order)
        Button("btnAdd")->click();
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Order);
}

void TestOrderDocument::Open(const QString& path)
{
    FileDialogs::SetNextFileName(path);
    Action("Open1")->trigger();
    FileDialogs::TakeShownDialogs();
}

void TestOrderDocument::openWithChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Save") << int(QMessageBox::Save);
    QTest::newRow("Discard") << int(QMessageBox::Discard);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel);
}

void TestOrderDocument::openWithChanges()
{
    QFETCH(int, answer);
    const QString first = Write(QStringLiteral("first.fyn"), OrderOf(QStringLiteral("FIRST")));
    const QString second = Write(QStringLiteral("second.fyn"), OrderOf(QStringLiteral("SECOND")));
    Open(first);
    QVERIFY(Dialogs::TakeMessages().isEmpty()); // nothing to lose at the start
    QVERIFY(!Document().Modified());
    AddAssembly();
    QVERIFY(Document().Modified());
    const QByteArray before = ReadAll(first);

    Dialogs::SetNextAnswer(QMessageBox::StandardButton(answer));
    FileDialogs::SetNextFileName(second);
    Action("Open1")->trigger();
    const QList<Dialogs::TShownMessage> asked = Dialogs::TakeMessages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().Text, UnsavedOrderQuestion);
    QCOMPARE(asked.first().DefaultButton, QMessageBox::Save);
    // Save writes the order's own file without a dialog; only Open shows one.
    QCOMPARE(FileDialogs::TakeShownDialogs().size(), answer == QMessageBox::Cancel ? 0 : 1);
    const QByteArray after = ReadAll(first);
    QCOMPARE(after != before, answer == QMessageBox::Save);
    QCOMPARE(after.contains("KJ4-DMDM-PV-6"), answer == QMessageBox::Save);
    const QString shown = Order()->item(0, 2)->text();
    QCOMPARE(shown,
             answer == QMessageBox::Cancel ? QStringLiteral("FIRST") : QStringLiteral("SECOND"));
    QCOMPARE(Document().Modified(), answer == QMessageBox::Cancel);

    // An order without a file of its own: Save asks, and cancelling that dialog cancels the Open.
    if (answer == QMessageBox::Discard) {
        Action("StartOver1")->trigger();
        AddAssembly();
        W().findChild<QAction*>(QStringLiteral("ViewLastOrder1"))->trigger();
        QVERIFY(Dialogs::TakeMessages().isEmpty()); // View Last Order never asks
        QVERIFY(Document().FilePath().isEmpty());
        Dialogs::SetNextAnswer(QMessageBox::Save);
        Action("Open1")->trigger(); // no file name queued: the save dialog is cancelled
        QCOMPARE(FileDialogs::TakeShownDialogs().size(), 1);
        QCOMPARE(Dialogs::TakeMessages().size(), 1);
        QVERIFY(Document().Modified());
    }
}

void TestOrderDocument::saveAndSaveAs()
{
    AddAssembly();
    const QString order = QDir(AppPaths::OrderFolder()).filePath(QStringLiteral("mine.fyn"));
    QVERIFY(QDir().mkpath(AppPaths::OrderFolder()));
    FileDialogs::SetNextFileName(order);
    Action("Save1")->trigger();
    auto shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    // A new order is first saved in the user's Documents folder.
    QCOMPARE(shown.first().Folder,
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QCOMPARE(shown.first().Name, QStringLiteral("order.fyn"));
    QVERIFY(ReadAll(order).contains("KJ4-DMDM-PV-6"));

    // Saved again: to the same file, without a dialog, from the menu and the page's button.
    Order()->item(0, 0)->setText(QStringLiteral("4"));
    QVERIFY(Document().Modified());
    Button("btnSave")->click();
    QVERIFY(FileDialogs::TakeShownDialogs().isEmpty());
    QVERIFY(ReadAll(order).contains("\r\n1=4|Each|"));
    QVERIFY(!Document().Modified());

    // Save As asks in the folder of the order's file, proposing its name; Save then uses it.
    const QString copy = QDir(Install->ProgramFolder()).filePath(QStringLiteral("copy.fyn"));
    FileDialogs::SetNextFileName(copy);
    Action("SaveAs1")->trigger();
    shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(QDir(shown.first().Folder), QDir(AppPaths::OrderFolder()));
    QCOMPARE(shown.first().Name, QStringLiteral("mine.fyn"));
    QCOMPARE(Document().FilePath(), QFileInfo(copy).absoluteFilePath());
    Order()->item(0, 0)->setText(QStringLiteral("5"));
    Action("Save1")->trigger();
    QVERIFY(FileDialogs::TakeShownDialogs().isEmpty());
    QVERIFY(ReadAll(copy).contains("\r\n1=5|Each|"));
    QVERIFY(ReadAll(order).contains("\r\n1=4|Each|"));
    // Ctrl+Shift+S is Save As whatever the platform's theme.
    QCOMPARE(Action("SaveAs1")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    // Open and a new order's Save start where orders were last saved.
    Action("Open1")->trigger();
    shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(QDir(shown.first().Folder), QFileInfo(copy).absoluteDir());
}

void TestOrderDocument::closeWithChanges_data()
{
    openWithChanges_data();
}

// Exit, the window's close box and a logout ask as Open does when the order has changes.
void TestOrderDocument::closeWithChanges()
{
    QFETCH(int, answer);
    const QString first = Write(QStringLiteral("first.fyn"), OrderOf(QStringLiteral("FIRST")));
    Open(first);
    W().show();
    // Nothing to lose: the window closes without a question.
    QVERIFY(W().close());
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    W().show();
    AddAssembly();
    const QByteArray before = ReadAll(first);

    Dialogs::SetNextAnswer(QMessageBox::StandardButton(answer));
    Action("Exit1")->trigger();
    const QList<Dialogs::TShownMessage> asked = Dialogs::TakeMessages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().Text, UnsavedOnCloseQuestion);
    QCOMPARE(asked.first().DefaultButton, QMessageBox::Save);
    QCOMPARE(W().isVisible(), answer == QMessageBox::Cancel);
    QCOMPARE(ReadAll(first) != before, answer == QMessageBox::Save);
    QCOMPARE(Document().Modified(), answer != QMessageBox::Save);
    if (answer != QMessageBox::Cancel)
        return;
    // Cancel keeps the window and the order; the close box asks again.
    Dialogs::SetNextAnswer(QMessageBox::Cancel);
    QVERIFY(!W().close());
    QCOMPARE(Dialogs::TakeMessages().size(), 1);
    QVERIFY(W().isVisible());
}

void TestOrderDocument::titleNamesTheOrder()
{
    QCOMPARE(W().windowTitle(), Title);
    QVERIFY(!W().isWindowModified());
    AddAssembly();
    QCOMPARE(W().windowTitle(), QStringLiteral("Untitled[*] - ") + Title);
    QVERIFY(W().isWindowModified());
    const QString path = Write(QStringLiteral("first.fyn"), OrderOf(QStringLiteral("FIRST")));
    Dialogs::SetNextAnswer(QMessageBox::Discard);
    Open(path);
    Dialogs::TakeMessages();
    QCOMPARE(W().windowTitle(), QStringLiteral("first.fyn[*] - ") + Title);
    QVERIFY(!W().isWindowModified());
    // On every page; an edit marks it.
    Order()->item(0, 0)->setText(QStringLiteral("3"));
    Action("StartOver1")->trigger();
    QCOMPARE(W().windowTitle(), QStringLiteral("first.fyn[*] - ") + Title);
    QVERIFY(W().isWindowModified());
    QVERIFY(!W().windowIcon().isNull());
}

void TestOrderDocument::safeDefaultsAndProposedNames()
{
    AddAssembly();
    // A question whose Yes loses something defaults to No.
    Order()->selectAll();
    Dialogs::SetNextAnswer(QMessageBox::No);
    Button("btnDeleteSelected")->click();
    const QList<Dialogs::TShownMessage> asked = Dialogs::TakeMessages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().DefaultButton, QMessageBox::No);
    QCOMPARE(Order()->rowCount(), 1);

    // Save dialogs propose a name for what is saved, in a folder that exists.
    AppPaths::SetProgramFolderWritableOverride(false);
    Action("ToATextFile1")->trigger();
    Action("SaveQuotePdf1")->trigger();
    Action("StartOver1")->trigger();
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    Action("ToanHTMLDocument1")->trigger();
    const QList<FileDialogs::TShownDialog> shown = FileDialogs::TakeShownDialogs();
    QStringList names;
    for (const FileDialogs::TShownDialog& dialog : shown)
        names.append(dialog.Name);
    QCOMPARE(names, (QStringList{"order.txt", "order.pdf", "KJ4-DMDM-PV-6.html"}));
}

// Saving and the quote PDF record the order as a quote: a number once, the next revision when
// the order changed, nothing when it did not; a damaged archive leaves saving as it was.
void TestOrderDocument::recordsQuotes()
{
    const QString archive = QDir(Install->ProgramFolder()).filePath(QStringLiteral("a/q.db"));
    SetQuoteArchivePath(archive);
    const QString number = QStringLiteral("Q-%1-00001").arg(QDate::currentDate().year());
    const QString order = QDir(Install->ProgramFolder()).filePath(QStringLiteral("q.fyn"));
    const auto saved = [&](const char* revision) {
        return ReadAll(order).contains("\r\nCurrency=USD\r\nQuote=" + number.toUtf8() + "/" +
                                       revision + "\r\n\r\n");
    };
    AddAssembly();
    FileDialogs::SetNextFileName(order);
    Action("Save1")->trigger();
    QVERIFY(saved("1"));
    QCOMPARE(Label("StatusPanel")->text(), "Recorded as quote " + number + ", revision 1.");
    Action("Save1")->trigger();
    QVERIFY(saved("1"));
    Order()->item(0, 0)->setText(QStringLiteral("4"));
    Action("Save1")->trigger();
    QVERIFY(saved("2"));

    // Reopened from its file and put in a PDF unchanged: revision 2, named on the PDF.
    Open(order);
    const QString pdf = QDir(Install->ProgramFolder()).filePath(QStringLiteral("q.pdf"));
    FileDialogs::SetNextFileName(pdf);
    Button("btnQuotePdf")->click();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    QVERIFY(text.readAllStandardOutput().contains("Quote " + number.toUtf8() + ", revision 2"));
    QCOMPARE(TQuoteArchive(archive).Search(QString()).size(), 2);

    // A damaged archive: the order is saved as before, and the status bar says why it was not
    // recorded.
    const QString damaged = QDir(Install->ProgramFolder()).filePath(QStringLiteral("bad.db"));
    Install->WriteProgramFile(QStringLiteral("bad.db"), QString(4096, QLatin1Char('x')));
    SetQuoteArchivePath(damaged);
    Order()->item(0, 0)->setText(QStringLiteral("5"));
    Action("Save1")->trigger();
    QVERIFY(ReadAll(order).contains("\r\n1=5|Each|"));
    QVERIFY(saved("2"));
    QVERIFY2(
        Label("StatusPanel")
            ->text()
            .startsWith("Not recorded in the quote history: The quote archive cannot be used: "),
        qPrintable(Label("StatusPanel")->text()));
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

// File > Quote History...: found by company as typed, exported, kept when Delete is answered No,
// and opened as the order it was, with its details and its number.
void TestOrderDocument::quoteHistory()
{
    const QString archivePath = QDir(Install->ProgramFolder()).filePath(QStringLiteral("q.db"));
    SetQuoteArchivePath(archivePath);
    {
        TQuoteArchive archive(archivePath);
        for (const char* company : {"Hilltop", "Riverside Site", "Harbour"}) {
            TQuoteRecord record;
            record.OrderLines = {MakeOrderLine("3", "Each", QStringLiteral("PN-%1").arg(company),
                                               "Item", "10.00", "1")};
            record.Info.CurrencyTag = 1;
            record.Info.Details.CompanyName = QLatin1String(company);
            archive.Record(record, QDateTime::currentDateTime(), QStringLiteral("ann"));
        }
    }
    const QString number = QStringLiteral("Q-%1-00002").arg(QDate::currentDate().year());
    const QString csv = QDir(Install->ProgramFolder()).filePath(QStringLiteral("h.csv"));
    bool shown = false;
    WhenModal(this, QStringLiteral("frmQuoteHistory"), [&](QWidget* dialog) {
        auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("grdQuotes"));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("Harbour")); // newest first
        dialog->findChild<QLineEdit*>(QStringLiteral("edtSearch"))
            ->setText(QStringLiteral("RIVER"));
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 0)->text(), number);
        FileDialogs::SetNextFileName(csv);
        dialog->findChild<QPushButton*>(QStringLiteral("btnExport"))->click();
        Dialogs::SetNextAnswer(QMessageBox::No);
        dialog->findChild<QPushButton*>(QStringLiteral("btnDelete"))->click();
        const QList<Dialogs::TShownMessage> asked = Dialogs::TakeMessages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().DefaultButton, QMessageBox::No);
        QCOMPARE(grid->rowCount(), 1);
        dialog->findChild<QPushButton*>(QStringLiteral("btnOpen"))->click();
        shown = true;
    });
    Action("QuoteHistory1")->trigger();
    QVERIFY(shown);
    QCOMPARE(ReadAll(csv).split('\n').value(1).trimmed(),
             number.toUtf8() + ",1," + QDate::currentDate().toString(Qt::ISODate).toUtf8() +
                 ",Riverside Site,,30.00,USD,1");
    QCOMPARE(W().CurrentPage(), TPage::Order);
    QCOMPARE(Order()->item(0, 2)->text(), QStringLiteral("PN-Riverside Site"));
    QCOMPARE(W().CurrentOrder().Info.Details.CompanyName, QStringLiteral("Riverside Site"));
    QCOMPARE(W().CurrentOrder().Info.Quote, number + QStringLiteral("/1"));
    QCOMPARE(Document().FilePath(), QString());

    // Changed and saved: revision 2 of the same quote.
    Order()->item(0, 0)->setText(QStringLiteral("4"));
    const QString saved = QDir(Install->ProgramFolder()).filePath(QStringLiteral("r.fyn"));
    FileDialogs::SetNextFileName(saved);
    Action("Save1")->trigger();
    QVERIFY(ReadAll(saved).contains("\r\nQuote=" + number.toUtf8() + "/2\r\n"));
}

namespace {

// A keyring that never answers, as on a machine without one; it counts what it is given.
class TNoKeyring : public TPasswordStore
{
public:
    std::optional<QString> Read(const QString&) override
    {
        return Kept.isEmpty() ? std::nullopt : std::optional<QString>(Kept);
    }
    bool Write(const QString&, const QString& password) override
    {
        Given.append(password);
        return false;
    }
    QStringList Given;
    QString Kept;
};

} // namespace

// Options > Quote Archive... sets a team's server; Test Connection says what failed; without a
// keyring the password is kept for the run and asked once in the next one, never written to the
// settings. With the server away a save keeps the record here with a local number, on the file
// and in Quote History, and the status bar says so in one line.
void TestOrderDocument::archiveOnAServer()
{
    TNoKeyring keyring;
    SetKeyring(&keyring);
    const auto restore = qScopeGuard([] {
        SetKeyring(nullptr);
        ForgetAskedPasswords();
    });
    ForgetAskedPasswords();
    SetQuoteArchivePath(QDir(Install->ProgramFolder()).filePath(QStringLiteral("a/q.db")));
    const QString away = QDir(Install->ProgramFolder()).filePath(QStringLiteral("no-server"));
    QString tested;
    WhenModal(this, QStringLiteral("frmQuoteArchive"), [&](QWidget* dialog) {
        QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("rbLocal"))->isChecked());
        QVERIFY(!dialog->findChild<QLineEdit*>(QStringLiteral("edtHost"))->isEnabled());
        dialog->findChild<QRadioButton*>(QStringLiteral("rbServer"))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("edtHost"))->setText(away);
        dialog->findChild<QLineEdit*>(QStringLiteral("edtDatabase"))->setText("team");
        dialog->findChild<QLineEdit*>(QStringLiteral("edtUser"))->setText("ann");
        dialog->findChild<QLineEdit*>(QStringLiteral("edtPassword"))->setText("s3cret-word");
        dialog->findChild<QPushButton*>(QStringLiteral("btnTest"))->click();
        tested = dialog->findChild<QLabel*>(QStringLiteral("lblResult"))->text();
        dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    Action("QuoteArchive1")->trigger();
    QVERIFY2(tested.contains("no server answers at " + away), qPrintable(tested));
    const TArchiveSetting setting = TArchiveSetting::Read(AppPaths::WindowSettingsFile());
    QVERIFY(setting.OnServer);
    QCOMPARE(setting.Server.Key(), QStringLiteral("ann@") + away + QStringLiteral(":5432/team"));
    QVERIFY(!ReadAll(AppPaths::WindowSettingsFile()).contains("s3cret"));
    QCOMPARE(keyring.Given, QStringList{"s3cret-word"});
    QCOMPARE(Label("StatusPanel")->text(),
             QStringLiteral("No keyring answered: the password is kept until Ferrolyn closes."));

    const QString local = "L-" + TQuoteReference::LocalLogin(TQuoteArchive::LoginName()) + "-1";
    const QString order = QDir(Install->ProgramFolder()).filePath(QStringLiteral("q.fyn"));
    AddAssembly();
    FileDialogs::SetNextFileName(order);
    Action("Save1")->trigger();
    QVERIFY(ReadAll(order).contains("\r\nQuote=" + local.toUtf8() + "/1\r\n"));
    const QString status = Label("StatusPanel")->text();
    QVERIFY2(status.startsWith("Kept on this computer as quote " + local +
                               ", revision 1, not yet sent: The quote archive cannot be used: "
                               "no server answers"),
             qPrintable(status));
    QVERIFY(!status.contains(QLatin1Char('\n')));

    // No password is asked while the server is away.
    ForgetAskedPasswords();
    for (const char* quantity : {"4", "5"}) {
        QObject watching; // the watch ends with the save
        WhenModal(&watching, QStringLiteral("dlgArchivePassword"), [](QWidget* dialog) {
            static_cast<QDialog*>(dialog)->reject();
            QFAIL("asked for a password");
        });
        Order()->item(0, 0)->setText(QLatin1String(quantity));
        Action("Save1")->trigger();
    }
    QVERIFY(ReadAll(order).contains("\r\nQuote=" + local.toUtf8() + "/3\r\n"));

    bool shown = false;
    WhenModal(this, QStringLiteral("frmQuoteHistory"), [&](QWidget* dialog) {
        auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("grdQuotes"));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(0, 0)->text(), local + " (not yet sent)");
        QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("btnDelete"))->isEnabled());
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("lblProblem")) != nullptr);
        shown = true;
        static_cast<QDialog*>(dialog)->reject();
    });
    Action("QuoteHistory1")->trigger();
    QVERIFY(shown);

    // The next start tries to send what waits, without holding the window up, and says why not.
    Window.reset();
    Launch();
    QTRY_VERIFY_WITH_TIMEOUT(
        Label("StatusPanel")
            ->text()
            .startsWith("Quotes waiting on this computer for the quote archive server: "
                        "3. Not sent: The quote archive cannot be used: no server"),
        10000);
}

// Against the test server (FERROLYN_TEST_PGSERVER names the state file of tests/pgserver.sh):
// the keyring's password is refused, so it is asked, once; the record that waited for it goes
// to the server at once; Quote History shows both its numbers and offers Delete for one's own.
void TestOrderDocument::archiveOnARealServer()
{
    QFile state(qEnvironmentVariable("FERROLYN_TEST_PGSERVER"));
    if (state.fileName().isEmpty() || !state.open(QIODevice::ReadOnly))
        QSKIP("needs the test server");
    TArchiveSetting setting;
    setting.OnServer = true;
    setting.Server.Host = QString::fromLocal8Bit(state.readLine()).trimmed();
    setting.Server.Database = QStringLiteral("quotes_test");
    setting.Server.User = QStringLiteral("ferrolyn_admin");
    setting.Write(AppPaths::WindowSettingsFile());
    TNoKeyring keyring;
    keyring.Kept = QStringLiteral("an old password");
    SetKeyring(&keyring);
    const auto restore = qScopeGuard([] {
        SetKeyring(nullptr);
        ForgetAskedPasswords();
    });
    ForgetAskedPasswords();
    SetQuoteArchivePath(QDir(Install->ProgramFolder()).filePath(QStringLiteral("a/q.db")));

    int asked = 0;
    const auto answer = [&](QWidget* dialog) {
        ++asked;
        static_cast<QInputDialog*>(dialog)->setTextValue(QStringLiteral("admin-secret"));
        static_cast<QDialog*>(dialog)->accept();
    };
    const QString number = QStringLiteral("Q-%1-00001").arg(QDate::currentDate().year());
    const QString order = QDir(Install->ProgramFolder()).filePath(QStringLiteral("q.fyn"));
    AddAssembly();
    FileDialogs::SetNextFileName(order);
    WhenModal(this, QStringLiteral("dlgArchivePassword"), answer);
    Action("Save1")->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(ReadAll(order).contains("\r\nQuote=" + number.toUtf8() + "/1\r\n"));
    QCOMPARE(Label("StatusPanel")->text(), "Recorded as quote " + number + ", revision 1.");
    Order()->item(0, 0)->setText(QStringLiteral("4"));
    WhenModal(this, QStringLiteral("dlgArchivePassword"), answer);
    Action("Save1")->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(ReadAll(order).contains("\r\nQuote=" + number.toUtf8() + "/2\r\n"));
    QCOMPARE(keyring.Given, QStringList{"admin-secret"});

    bool shown = false;
    WhenModal(this, QStringLiteral("frmQuoteHistory"), [&](QWidget* dialog) {
        auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("grdQuotes"));
        QCOMPARE(grid->rowCount(), 2);
        grid->sortItems(1); // by revision
        QVERIFY2(grid->item(0, 0)->text().startsWith(number + " (L-"),
                 qPrintable(grid->item(0, 0)->text()));
        QCOMPARE(grid->item(1, 0)->text(), number);
        grid->selectRow(1);
        QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("btnDelete"))->isEnabled());
        shown = true;
        static_cast<QDialog*>(dialog)->reject();
    });
    Action("QuoteHistory1")->trigger();
    QVERIFY(shown);
}

QTEST_MAIN(TestOrderDocument)
#include "tst_orderdocument.moc"
