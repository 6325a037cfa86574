#include "TeamArchive.h"

#include "platform/AppPaths.h"
#include "platform/IniSettings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QTimer>
#include <QUuid>

#include <qt6keychain/keychain.h>

namespace {

const QString Section = QStringLiteral("QuoteArchive/");

// The keyring through QtKeychain. Without a session bus (a server, a build machine) no keyring
// can answer, and none is asked; an answer is waited for a few seconds at most.
class TSystemKeyring : public TPasswordStore
{
public:
    std::optional<QString> Read(const QString& key) override
    {
        std::optional<QString> password;
        Run(new QKeychain::ReadPasswordJob(Service()), key, [&](QKeychain::Job& job) {
            if (job.error() == QKeychain::NoError)
                password = static_cast<QKeychain::ReadPasswordJob&>(job).textData();
        });
        return password;
    }

    bool Write(const QString& key, const QString& password) override
    {
        bool written = false;
        auto* job = new QKeychain::WritePasswordJob(Service());
        job->setTextData(password);
        Run(job, key, [&](QKeychain::Job& done) { written = done.error() == QKeychain::NoError; });
        return written;
    }

private:
    static QString Service() { return QStringLiteral("Vantrel Ferrolyn quote archive"); }

    template <typename TDone> static void Run(QKeychain::Job* job, const QString& key, TDone done)
    {
        job->setAutoDelete(true);
        job->setKey(key);
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
            QCoreApplication::instance() == nullptr) {
            delete job;
            return;
        }
        QEventLoop loop;
        bool finished = false;
        QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* finishedJob) {
            finished = true;
            done(*finishedJob);
            loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        job->start();
        loop.exec();
        if (!finished)
            QObject::disconnect(job, nullptr, &loop, nullptr);
    }
};

TPasswordStore* Store = nullptr;

QHash<QString, QString>& GivenPasswords()
{
    static QHash<QString, QString> passwords;
    return passwords;
}

} // namespace

TArchiveSetting TArchiveSetting::Read(const QString& settingsFile)
{
    TArchiveSetting setting;
    try {
        const TIniSettings settings = TIniSettings::ReadFile(settingsFile);
        const auto value = [&settings](const char* key) {
            return settings.Value(Section + QLatin1String(key)).value_or(QString());
        };
        setting.OnServer = value("Mode") == QLatin1String("server");
        setting.Server.Host = value("Host");
        bool ok = false;
        const int port = value("Port").toInt(&ok);
        if (ok && port > 0 && port < 65536)
            setting.Server.Port = port;
        setting.Server.Database = value("Database");
        setting.Server.User = value("User");
    } catch (const TDataError&) {
        // An unreadable settings file: this computer's archive.
    }
    return setting;
}

TArchiveSetting TArchiveSetting::Current()
{
    TArchiveSetting setting = Read(AppPaths::WindowSettingsFile());
    if (setting.OnServer)
        setting.Server.Password = KnownPassword(setting.Server).value_or(QString());
    return setting;
}

void TArchiveSetting::Write(const QString& settingsFile) const
{
    TIniSettings::UpdateFile(settingsFile, [this](TIniSettings& settings) {
        settings.SetValue(Section + QStringLiteral("Mode"),
                          OnServer ? QStringLiteral("server") : QStringLiteral("local"));
        settings.SetValue(Section + QStringLiteral("Host"), Server.Host);
        settings.SetValue(Section + QStringLiteral("Port"), QString::number(Server.Port));
        settings.SetValue(Section + QStringLiteral("Database"), Server.Database);
        settings.SetValue(Section + QStringLiteral("User"), Server.User);
        return true;
    });
}

TPasswordStore& Keyring()
{
    static TSystemKeyring system;
    return Store != nullptr ? *Store : system;
}

void SetKeyring(TPasswordStore* store)
{
    Store = store;
}

std::optional<QString> KnownPassword(const TArchiveServer& server)
{
    const auto given = GivenPasswords().constFind(server.Key());
    if (given != GivenPasswords().constEnd())
        return *given;
    std::optional<QString> kept = Keyring().Read(server.Key());
    if (kept)
        GivenPasswords().insert(server.Key(), *kept);
    return kept;
}

bool RememberPassword(const TArchiveServer& server, const QString& password)
{
    GivenPasswords().insert(server.Key(), password);
    return Keyring().Write(server.Key(), password);
}

void ForgetPasswords()
{
    GivenPasswords().clear();
}

TRecorded RecordQuote(const TArchiveSetting& setting, const QString& localPath,
                      const TQuoteRecord& record, const QDateTime& when, const QString& user,
                      const QString& login)
{
    if (!setting.OnServer)
        return {TQuoteArchive(localPath).Record(record, when, user), false, QString(), 0, {}};
    // This computer's archive holds what waits for the server; a damaged one does not stop a
    // record the server can take.
    std::unique_ptr<TQuoteArchive> local;
    QString localProblem;
    try {
        local = std::make_unique<TQuoteArchive>(localPath);
    } catch (const TDataError& error) {
        localProblem = error.FullText();
    }
    // One key for both tries: a record the server kept although its answer was lost is known
    // again when the held copy is sent.
    TQuoteRecord keyed = record;
    if (keyed.Key.isEmpty())
        keyed.Key = QUuid::createUuid().toString(QUuid::WithoutBraces);
    TRecorded recorded;
    try {
        TQuoteArchive server(setting.Server);
        TQuoteRecord sent = keyed;
        if (local != nullptr) {
            recorded.Sent = local->SendWaiting(server);
            // A file of a local quote already sent: the next revision of the quote it became.
            if (const std::optional<TQuoteReference> number = local->SentAs(record.Reference))
                sent.Reference = *number;
        }
        recorded.Reference = server.Record(sent, when, user);
        return recorded;
    } catch (const TArchiveServerError& error) {
        recorded.Problem = error.FullText();
        recorded.ProblemKind = error.Kind;
    } catch (const TDataError& error) {
        recorded.Problem = error.FullText();
    }
    if (local == nullptr)
        throw TDataError(recorded.Problem + QLatin1Char('\n') + localProblem);
    try {
        recorded.Reference = local->Hold(keyed, when, user, login);
    } catch (const TDataError& error) {
        throw TDataError(recorded.Problem + QLatin1Char('\n') + error.FullText());
    }
    recorded.Held = true;
    return recorded;
}

int SendWaitingQuotes(const TArchiveSetting& setting, const QString& localPath,
                      const std::function<bool()>& stop)
{
    if (!setting.OnServer)
        return 0;
    TQuoteArchive local(localPath);
    if (local.Waiting().isEmpty())
        return 0;
    TQuoteArchive server(setting.Server);
    return local.SendWaiting(server, stop);
}

int WaitingQuotes(const QString& localPath)
{
    if (!QFileInfo::exists(localPath))
        return 0;
    try {
        return int(TQuoteArchive(localPath).Waiting().size());
    } catch (const TDataError&) {
        return 0;
    }
}

std::unique_ptr<TQuoteArchive> OpenQuoteArchive(const TArchiveSetting& setting,
                                                const QString& localPath)
{
    if (setting.OnServer)
        return std::make_unique<TQuoteArchive>(setting.Server);
    return std::make_unique<TQuoteArchive>(localPath);
}
