#include "support/TestInstallation.h"

#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "update/Downloader.h"
#include "update/QuickUpdate.h"
#include "update/TfrmOptions.h"
#include "update/TfrmUpdate.h"
#include "update/UpdateIni.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <sodium.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString Downloaded =
    QStringLiteral("Update files have been downloaded. Press OK to continue with installation");
const QString DownloadFailed = QStringLiteral(
    "Unable to dowload files. Please make sure you have an active Internet connection.");

// Days 45, the reminder due and the last update long ago.
const QString OldIni =
    QStringLiteral("[UPDATE]\r\ndays=45\r\ndate=2025-01-01\r\nlast=2025-01-01\r\n");

QString Today(int days = 0)
{
    return IniDateText(QDate::currentDate().addDays(days));
}

// Watches for Quick Update dialogs, keeps their message and closes each with its close box.
class TUpdateDialogWatch : public QObject
{
public:
    TUpdateDialogWatch()
    {
        connect(&Timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QLatin1String("frmUpdate") || !modal->isVisible())
                return;
            Messages.append(modal->findChild<QLabel*>(QStringLiteral("lblMessage"))->text());
            modal->close();
        });
        Timer.start(5);
    }
    QStringList Messages;

private:
    QTimer Timer;
};

// A web server on the loopback interface that answers every request in one way.
class TTestServer : public QObject
{
public:
    enum class TAnswer { Complete, NotFound, CutShort, Stalled, NoContent, Partial, Empty, Huge };

    TTestServer(TAnswer answer, QByteArray body) : Answer(answer), Body(std::move(body))
    {
        // The installer's signature: answered at the installer's address with ".sig" appended;
        // a null signature is not found there.
        Signature = "no signature set";
        connect(&Server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = Server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
            }
        });
    }
    bool Listen() { return Server.listen(QHostAddress::LocalHost); }
    QUrl Url() const
    {
        return QUrl(
            QStringLiteral("http://127.0.0.1:%1/ferrolyn/setup-2026.exe").arg(Server.serverPort()));
    }

private:
    void Serve(QTcpSocket* socket)
    {
        Request += socket->readAll();
        if (!Request.contains("\r\n\r\n"))
            return;
        const bool signature = Request.left(Request.indexOf('\n')).contains(".sig ");
        Request.clear();
        const auto head = [](const char* status, qint64 length) {
            return QByteArray("HTTP/1.1 ") + status +
                   "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                   QByteArray::number(length) + "\r\nConnection: close\r\n\r\n";
        };
        if (signature) {
            socket->write(Signature.isNull() ? head("404 Not Found", 9) + "Not found"
                                             : head("200 OK", Signature.size()) + Signature);
            socket->disconnectFromHost();
            return;
        }
        switch (Answer) {
        case TAnswer::Complete:
            socket->write(head("200 OK", Body.size()) + Body);
            socket->disconnectFromHost();
            break;
        case TAnswer::NotFound:
            socket->write(head("404 Not Found", 9) + "Not found");
            socket->disconnectFromHost();
            break;
        case TAnswer::CutShort:
            socket->write(head("200 OK", Body.size() * 2) + Body);
            socket->disconnectFromHost();
            break;
        case TAnswer::Stalled:
            socket->write(head("200 OK", Body.size() * 100) + Body);
            break;
        case TAnswer::NoContent:
            socket->write("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            break;
        case TAnswer::Partial:
            socket->write(head("206 Partial Content", Body.size()) + Body);
            socket->disconnectFromHost();
            break;
        case TAnswer::Empty:
            socket->write(head("200 OK", 0));
            socket->disconnectFromHost();
            break;
        case TAnswer::Huge:
            socket->write(head("200 OK", qint64(4) << 30) + Body);
            break;
        }
    }

public:
    QByteArray Signature;

private:
    TAnswer Answer;
    QByteArray Body;
    QByteArray Request;
    QTcpServer Server;
};

// An Ed25519 key pair made from a seed (so every run has the same), and its update-keys.txt line.
struct TKeyPair {
    QByteArray Public;
    QByteArray Secret;
    QByteArray Line;
};

TKeyPair KeyPair(char seed)
{
    TKeyPair pair;
    pair.Public.resize(crypto_sign_PUBLICKEYBYTES);
    pair.Secret.resize(crypto_sign_SECRETKEYBYTES);
    const QByteArray seedBytes(crypto_sign_SEEDBYTES, seed);
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(pair.Public.data()),
                             reinterpret_cast<unsigned char*>(pair.Secret.data()),
                             reinterpret_cast<const unsigned char*>(seedBytes.constData()));
    pair.Line = pair.Public.toBase64();
    return pair;
}

// The base64 of the detached signature of bytes, as the server offers it.
QByteArray Sign(const TKeyPair& pair, const QByteArray& bytes)
{
    QByteArray signature(crypto_sign_BYTES, Qt::Uninitialized);
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(bytes.constData()),
                         static_cast<unsigned long long>(bytes.size()),
                         reinterpret_cast<const unsigned char*>(pair.Secret.constData()));
    return signature.toBase64() + "\n";
}

} // namespace

class TestQuickUpdate : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cancelAndCloseBox();
    void installerForThePlatform();
    void download_data();
    void download();
    void options_data();
    void options();
    void optionsCheckBox();
    void optionsFromUpdateDialog();
    void messages();
    void reminder_data();
    void reminder();
    void reminderWaitsForModalDialog();

private:
    QString Ini() const { return QDir(Install->ProgramFolder()).filePath("update.ini"); }
    QString Value(const char* key) const
    {
        return ReadIniValue(Ini(), QStringLiteral("UPDATE"), QLatin1String(key)).value_or("-");
    }
    QStringList ProgramFiles() const
    {
        return QDir(Install->ProgramFolder()).entryList(QDir::Files | QDir::Hidden);
    }
    void WriteIni(const QString& text) { Install->WriteProgramFile("update.ini", text); }
    QByteArray ReadIni() const
    {
        QFile file(Ini());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TTestInstallation> Install;
    QTimer Watchdog;
    bool Hung = false;
};

void TestQuickUpdate::init()
{
    Install = std::make_unique<TTestInstallation>();
    AppPaths::SetProgramFolderWritableOverride(true);
    // No test may wait for a dialog nobody closes.
    Hung = false;
    Watchdog.setSingleShot(true);
    Watchdog.callOnTimeout(this, [this] {
        Hung = true;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->isModal())
                widget->close();
    });
    Watchdog.start(20000);
}

void TestQuickUpdate::cleanup()
{
    Watchdog.stop();
    QVERIFY2(!Hung, "a dialog was left open");
    qunsetenv("FERROLYN_UPDATE_URL");
    Install.reset();
}

void TestQuickUpdate::cancelAndCloseBox()
{
    WriteIni(OldIni);
    {
        TfrmUpdate dialog;
        dialog.show();
        dialog.close();
        QCOMPARE(ReadIni(), OldIni.toUtf8());
    }
    TfrmUpdate dialog;
    dialog.show();
    dialog.findChild<QPushButton*>("btnCancel")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), QDialog::Rejected);
    QCOMPARE(Value("date"), Today(45));
    QCOMPARE(Value("last"), QStringLiteral("2025-01-01"));
    QCOMPARE(Value("days"), QStringLiteral("45"));
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

void TestQuickUpdate::installerForThePlatform()
{
    qunsetenv("FERROLYN_UPDATE_URL");
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("fnsetup.exe");
#else
    const QString name = QStringLiteral("ferrolyn_amd64.deb");
#endif
    QCOMPARE(InstallerUrl().fileName(), name);
    QCOMPARE(QFileInfo(InstallerPath(InstallerUrl())).fileName(), name);
    qputenv("FERROLYN_UPDATE_URL", "https://example.org/get/setup-3.exe");
    QCOMPARE(QFileInfo(InstallerPath(InstallerUrl())).fileName(), QStringLiteral("setup-3.exe"));
}

// clang-format off
void TestQuickUpdate::download_data()
{
    QTest::addColumn<int>("answer");     // a TTestServer::TAnswer, or -1: nobody listening
    QTest::addColumn<QString>("cancel"); // how the user cancels the progress dialog
    // The error shown: the connection's own sentence only when there is no connection; what
    // failed otherwise; nothing at all for the user's Cancel. Empty on success.
    QTest::addColumn<QString>("failure");
    // The signature the server offers ("good", "other bytes", "untrusted key", "malformed",
    // "missing") and the keys the installation trusts ("ours", "comment and two", "none").
    QTest::addColumn<QString>("signature");
    QTest::addColumn<QString>("keys");

    using A = TTestServer::TAnswer;
    const QString cancelled = "-"; // no message
    QTest::newRow("complete") << int(A::Complete) << QString() << QString() << "good" << "ours";
    const QString mismatch = "The download could not be verified: its signature does not match "
                             "the maker's key.";
    QTest::newRow("signature of other bytes") << int(A::Complete) << QString() << mismatch << "other bytes" << "ours";
    QTest::newRow("signature by an untrusted key") << int(A::Complete) << QString() << mismatch << "untrusted key" << "ours";
    QTest::newRow("malformed signature") << int(A::Complete) << QString() << mismatch << "malformed" << "ours";
    QTest::newRow("no signature") << int(A::Complete) << QString()
                                  << "The download could not be verified: the server offers no signature." << "missing" << "ours";
    QTest::newRow("a comment and two keys, the second signs") << int(A::Complete) << QString() << QString() << "good" << "comment and two";
    QTest::newRow("no key file") << int(A::Complete) << QString()
        << "Updates cannot be verified: this installation has no update key. Install the new version by hand from https://www.vantrel.example/."
        << "good" << "none";
    QTest::newRow("not found") << int(A::NotFound) << QString()
                               << "The server answered 404 Not Found instead of sending the file." << "good" << "ours";
    QTest::newRow("connection refused") << -1 << QString() << DownloadFailed << "good" << "ours";
    QTest::newRow("cut short") << int(A::CutShort) << QString()
                               << "The server sent 368890 of the 737780 bytes it announced." << "good" << "ours";
    QTest::newRow("cancelled") << int(A::Stalled) << "Cancel" << cancelled << "good" << "ours";
    QTest::newRow("cancelled with Escape") << int(A::Stalled) << "Escape" << cancelled << "good" << "ours";
    QTest::newRow("no content")
        << int(A::NoContent) << QString()
        << "The server answered 204 No Content instead of sending the file." << "good" << "ours";
    QTest::newRow("partial content")
        << int(A::Partial) << QString()
        << "The server answered 206 Partial Content instead of sending the file." << "good" << "ours";
    QTest::newRow("empty body") << int(A::Empty) << QString() << "The server sent an empty file." << "good" << "ours";
    QTest::newRow("larger than the limit")
        << int(A::Huge) << QString() << "The download is larger than the limit of 512 MB." << "good" << "ours";
}
// clang-format on

void TestQuickUpdate::download()
{
    QFETCH(int, answer);
    QFETCH(QString, cancel);
    QFETCH(QString, failure);
    QFETCH(QString, signature);
    QFETCH(QString, keys);
    const bool succeeds = failure.isEmpty();

    // A body of several network packets.
    QByteArray body;
    for (int i = 0; i < 20000; ++i)
        body += "MZ installer " + QByteArray::number(i) + '\n';
    TTestServer server(TTestServer::TAnswer(std::max(answer, 0)), body);
    const TKeyPair ours = KeyPair(1);
    const TKeyPair other = KeyPair(2);
    server.Signature = signature == QLatin1String("missing")         ? QByteArray()
                       : signature == QLatin1String("other bytes")   ? Sign(ours, body + 'x')
                       : signature == QLatin1String("untrusted key") ? Sign(other, body)
                       : signature == QLatin1String("malformed")
                           ? QByteArray("bm90IGEgc2lnbmF0dXJl")
                           : Sign(ours, body);
    if (keys == QLatin1String("comment and two"))
        Install->WriteProgramFile("update-keys.txt",
                                  "# the maker's keys\n" + other.Line + "\n\n" + ours.Line + "\n");
    else if (keys != QLatin1String("none"))
        Install->WriteProgramFile("update-keys.txt", ours.Line + "\n");
    QUrl url;
    if (answer >= 0) {
        QVERIFY(server.Listen());
        url = server.Url();
    } else {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        url = QUrl(QStringLiteral("http://127.0.0.1:%1/fnsetup.exe").arg(closed.serverPort()));
    }
    qputenv("FERROLYN_UPDATE_URL", url.toEncoded());
    WriteIni(OldIni);
    // Named after the last part of the address.
    const QString installer = QDir(Install->ProgramFolder()).filePath("setup-2026.exe");
    if (succeeds)
        Install->WriteProgramFile("setup-2026.exe", "an older installer");

    bool progressShown = false;
    QObject scope;
    WhenModal(&scope, QLatin1String(DownloadProgressName), [&](QWidget* progress) {
        progressShown = QApplication::overrideCursor() &&
                        QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        // Once some bytes have arrived.
        QTimer::singleShot(100, progress, [progress, cancel] {
            if (cancel == QLatin1String("Cancel"))
                progress->findChild<QPushButton*>()->click();
            else if (cancel == QLatin1String("Escape"))
                QTest::keyClick(progress, Qt::Key_Escape);
        });
    });
    TfrmUpdate dialog;
    dialog.show();
    dialog.findChild<QPushButton*>("btnUpdate")->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    const QList<Dialogs::TShownMessage> messages = Dialogs::TakeMessages();
    if (failure == QLatin1String("-")) {
        QVERIFY(messages.isEmpty());
    } else {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].Text, succeeds ? Downloaded : failure);
        QCOMPARE(messages[0].Icon, succeeds ? Dialogs::TIcon::Information : Dialogs::TIcon::Error);
    }
    QCOMPARE(Value("date"), Today(45));
    QCOMPARE(Value("last"), succeeds ? Today() : QStringLiteral("2025-01-01"));
    // The progress and the busy cursor while it runs (too short to see but when it stalls).
    if (!cancel.isNull())
        QVERIFY(progressShown);
    if (succeeds) {
        QFile file(installer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), body);
        QCOMPARE(Dialogs::TakeOpenedUrls(), QList<QUrl>{QUrl::fromLocalFile(installer)});
        QCOMPARE(ProgramFiles(), QStringList({"setup-2026.exe", "update-keys.txt", "update.ini"}));
    } else {
        QVERIFY(Dialogs::TakeOpenedUrls().isEmpty());
        // Neither the installer nor a part of it.
        QStringList left = ProgramFiles();
        left.removeOne("update-keys.txt");
        QCOMPARE(left, QStringList{"update.ini"});
    }
}

void TestQuickUpdate::options_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("typed"); // a null text: nothing typed
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("saved");

    QTest::newRow("defaults") << "" << QString() << "close box" << 30 << "30";
    QTest::newRow("5 shows as 10") << "[UPDATE]\ndays=5\n"
                                   << QString() << "close box" << 10 << "10";
    QTest::newRow("500 shows as 100") << "[UPDATE]\ndays=500\n"
                                      << QString() << "OK" << 100 << "100";
    QTest::newRow("not a number saves as 10") << "[UPDATE]\ndays=45\n"
                                              << "abc"
                                              << "OK" << 45 << "10";
    QTest::newRow("typed below the range") << "[UPDATE]\ndays=45\n"
                                           << "5"
                                           << "Escape" << 45 << "10";
    QTest::newRow("typed") << "[UPDATE]\ndays=45\n"
                           << "60"
                           << "Escape" << 45 << "60";
}

void TestQuickUpdate::options()
{
    QFETCH(QString, ini);
    QFETCH(QString, typed);
    QFETCH(QString, closeBy);
    QFETCH(int, shown);
    QFETCH(QString, saved);

    if (!ini.isEmpty())
        WriteIni(ini);
    TfrmOptions dialog;
    dialog.show();
    auto* days = dialog.findChild<QSpinBox*>("txtDays");
    QCOMPARE(days->value(), shown);
    QVERIFY(days->isEnabled());
    QCOMPARE(dialog.findChild<QCheckBox*>("cbxAutoUpdate")->text(),
             QStringLiteral("Do not use Auto Update"));
    if (!typed.isNull())
        days->findChild<QLineEdit*>()->setText(typed);
    if (closeBy == QLatin1String("OK"))
        dialog.findChild<QPushButton*>("btnOK")->click();
    else if (closeBy == QLatin1String("Escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Value("days"), saved);
    QCOMPARE(Value("autoupdate"), QStringLiteral("0"));
}

void TestQuickUpdate::optionsCheckBox()
{
    WriteIni("[UPDATE]\r\nautoupdate=1\r\ndays=20\r\n[OTHER]\r\nkey=kept\r\n");
    TfrmOptions dialog;
    dialog.show();
    auto* days = dialog.findChild<QSpinBox*>("txtDays");
    auto* autoUpdate = dialog.findChild<QCheckBox*>("cbxAutoUpdate");
    QVERIFY(autoUpdate->isChecked());
    QVERIFY(!days->isEnabled());
    autoUpdate->click();
    QVERIFY(days->isEnabled());
    autoUpdate->click();
    QVERIFY(!days->isEnabled());
    dialog.close();
    QCOMPARE(ReadIni(),
             QByteArray("[UPDATE]\r\nautoupdate=1\r\ndays=20\r\n[OTHER]\r\nkey=kept\r\n"));
}

void TestQuickUpdate::optionsFromUpdateDialog()
{
    WriteIni(OldIni);
    TfrmUpdate dialog;
    dialog.show();
    QObject scope;
    WhenModal(&scope, "frmOptions", [](QWidget* options) {
        options->findChild<QSpinBox*>("txtDays")->setValue(60);
        options->findChild<QPushButton*>("btnOK")->click();
    });
    dialog.findChild<QPushButton*>("btnOptions")->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(Value("days"), QStringLiteral("60"));
    // The next Cancel reads the new interval.
    dialog.findChild<QPushButton*>("btnCancel")->click();
    QCOMPARE(Value("date"), Today(60));
    QCOMPARE(Value("last"), QStringLiteral("2025-01-01"));
}

void TestQuickUpdate::messages()
{
    TUpdateDialogWatch watch;
    ShowQuickUpdate(nullptr);
    ShowQuickUpdate(nullptr, UpdateReminderMessage());
    QCOMPARE(watch.Messages,
             QStringList({"Before clicking the Update button, please make sure you have an "
                          "active Internet connection.",
                          "It appears you have not updated your application files lately. You "
                          "can download the latest data files from here."}));
    // The close box writes nothing.
    QVERIFY(!QFile::exists(Ini()));

    TfrmUpdate dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Quick Update"));
    QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(),
             QStringLiteral("It is recommended that you restart your application after updated "
                            "files have been installed."));
    // No update.gif in the installation: a placeholder.
    QVERIFY(dialog.findChild<QLabel*>("Image1")->property("noPicture").toBool());
}

void TestQuickUpdate::reminder_data()
{
    QTest::addColumn<QString>("ini"); // empty: no file
    QTest::addColumn<bool>("opens");

    QTest::newRow("first run") << "" << false;
    QTest::newRow("due yesterday") << "[UPDATE]\ndate=" + Today(-1) + "\n" << true;
    QTest::newRow("due today") << "[UPDATE]\ndate=" + Today() + "\n" << false;
    QTest::newRow("auto update off") << "[UPDATE]\nautoupdate=1\ndate=" + Today(-1) + "\n" << true;
}

void TestQuickUpdate::reminder()
{
    QFETCH(QString, ini);
    QFETCH(bool, opens);

    if (!ini.isEmpty())
        WriteIni(ini);
    QWidget window;
    window.show();
    TUpdateReminder reminder;
    TUpdateDialogWatch watch;
    reminder.Check(&window);
    if (opens)
        QTRY_COMPARE(watch.Messages, QStringList{UpdateReminderMessage()});
    else
        QTest::qWait(100);
    if (ini.isEmpty()) {
        QCOMPARE(Value("date"), Today(30));
        QCOMPARE(Value("last"), Today());
    } else {
        QCOMPARE(ReadIni(), ini.toUtf8());
    }
    // Closed by its close box: not again in this run.
    reminder.Check(&window);
    reminder.Check(&window);
    QTest::qWait(100);
    QCOMPARE(watch.Messages.size(), opens ? 1 : 0);
}

void TestQuickUpdate::reminderWaitsForModalDialog()
{
    WriteIni("[UPDATE]\ndate=" + Today(-1) + "\n");
    QWidget window;
    window.show();
    TUpdateReminder reminder;
    TUpdateDialogWatch watch;
    {
        QDialog other(&window);
        other.setModal(true);
        other.show();
        reminder.Check(&window);
        QTest::qWait(100);
        QVERIFY(watch.Messages.isEmpty());
    }
    reminder.Check(&window);
    reminder.Check(&window); // a second activation before it opened
    QTRY_COMPARE(watch.Messages.size(), 1);
    QTest::qWait(100);
    QCOMPARE(watch.Messages.size(), 1);
}

QTEST_MAIN(TestQuickUpdate)
#include "tst_quickupdate.moc"
