#include "base/DataError.h"
#include "history/QuoteArchive.h"
#include "history/TeamArchive.h"
#include "order/OrderFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime When(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);

TQuoteRecord Order(const QString& company, const QString& partNumber, const QString& quantity,
                   TQuoteReference reference = {})
{
    TQuoteRecord record;
    record.OrderLines = {MakeOrderLine(quantity, QStringLiteral("Each"), partNumber,
                                       QStringLiteral("6 foot cable assembly"),
                                       QStringLiteral("12.50"), QStringLiteral("1"))};
    record.Info.CurrencyTag = 1;
    record.Info.Details = {company, QStringLiteral("Ann Lee"), QStringLiteral("2026-12-08"),
                           QStringLiteral("J-7"), QStringLiteral("P-9")};
    record.File = QStringLiteral("/tmp/a.fyn");
    record.Reference = reference;
    return record;
}

QStringList References(const QList<TArchivedQuote>& quotes)
{
    QStringList texts;
    for (const TArchivedQuote& quote : quotes)
        texts.append(quote.Reference.Text());
    return texts;
}

// The folder of the test server's socket, when the tests run against a server
// (FERROLYN_TEST_PGSERVER names the state file of tests/pgserver.sh).
QString ServerFolder()
{
    QFile state(qEnvironmentVariable("FERROLYN_TEST_PGSERVER"));
    if (state.fileName().isEmpty() || !state.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(state.readLine()).trimmed();
}

TArchiveServer Server(const QString& database, const QString& user = "ferrolyn_admin",
                      const QString& password = "admin-secret")
{
    TArchiveServer server;
    server.Host = ServerFolder();
    server.Database = database;
    server.User = user;
    server.Password = password;
    return server;
}

// Takes the test server away ("pause") or brings it back ("resume").
bool ServerAction(const char* action)
{
    return QProcess::execute(QStringLiteral("bash"),
                             {qEnvironmentVariable("FERROLYN_PGSERVER_SCRIPT"),
                              QLatin1String(action),
                              qEnvironmentVariable("FERROLYN_TEST_PGSERVER")}) == 0;
}

// The archive named by where: "server:<database>" or a file.
std::unique_ptr<TQuoteArchive> OpenAt(const QString& where)
{
    if (where.startsWith(QLatin1String("server:")))
        return std::make_unique<TQuoteArchive>(Server(where.mid(7)));
    return std::make_unique<TQuoteArchive>(where);
}

// A worker of twoCopiesAtOnce: records count quotes in the archive where names.
int RecordMany(const QString& where, int count)
{
    try {
        std::unique_ptr<TQuoteArchive> opened = OpenAt(where);
        TQuoteArchive& archive = *opened;
        for (int n = 0; n < count; ++n)
            archive.Record(
                Order(QStringLiteral("Worker"), QStringLiteral("PN"), QString::number(n + 1)), When,
                QStringLiteral("worker"));
    } catch (const TDataError& error) {
        qCritical("%s", qPrintable(error.FullText()));
        return 1;
    }
    return 0;
}

} // namespace

class TestQuoteArchive : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void references_data();
    void references();
    void recordsAndRevises();
    void searches_data();
    void searches();
    void migratesFromVersion1();
    void twoCopiesAtOnce();
    void refusesWhatIsNoArchive_data();
    void refusesWhatIsNoArchive();
    void serverRefuses_data();
    void serverRefuses();
    void heldWhileServerAway();
    void serverStoppedMidRecord();
    void refusedRecordWaitsAlone();
    void teamOfEngineers();

private:
    QString Path() const { return Dir->filePath(QStringLiteral("quotes.db")); }
    // Where the archive under test is: a fresh database of the test server, or a file.
    QString Where() const { return Database.isEmpty() ? Path() : "server:" + Database; }
    std::unique_ptr<TQuoteArchive> Open() const { return OpenAt(Where()); }
    TArchiveSetting Setting() const
    {
        return {true, Server(Database.isEmpty() ? QStringLiteral("quotes_test") : Database)};
    }
    std::unique_ptr<QTemporaryDir> Dir;
    QString Database;
    int Databases = 0;
};

void TestQuoteArchive::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    Database.clear();
    if (ServerFolder().isEmpty())
        return;
    // Each test on a database of its own.
    Database =
        QStringLiteral("quotes_%1_%2").arg(QCoreApplication::applicationPid()).arg(++Databases);
    const auto removeAdmin = qScopeGuard([] { QSqlDatabase::removeDatabase("admin"); });
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "admin");
        admin.setHostName(ServerFolder());
        admin.setDatabaseName(QStringLiteral("postgres"));
        admin.setUserName(QStringLiteral("ferrolyn_admin"));
        admin.setPassword(QStringLiteral("admin-secret"));
        QVERIFY2(admin.open(), qPrintable(admin.lastError().text()));
        QSqlQuery create(admin);
        QVERIFY2(create.exec("CREATE DATABASE " + Database), qPrintable(create.lastError().text()));
    }
}

void TestQuoteArchive::references_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parsed");
    QTest::newRow("number and revision") << "Q-2026-00042/2"
                                         << "Q-2026-00042/2";
    QTest::newRow("blanks around") << " Q-2026-00042/2 "
                                   << "Q-2026-00042/2";
    QTest::newRow("no revision") << "Q-2026-00042"
                                 << "";
    QTest::newRow("revision 0") << "Q-2026-00042/0"
                                << "";
    QTest::newRow("short number") << "Q-2026-42/1"
                                  << "";
    QTest::newRow("local") << "L-ann-1"
                           << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestQuoteArchive::references()
{
    QFETCH(QString, text);
    QFETCH(QString, parsed);
    const std::optional<TQuoteReference> reference = TQuoteReference::Parse(text);
    QCOMPARE(reference ? reference->Text() : QString(), parsed);
}

// A new order is a new quote; the same order again adds nothing; a changed one is the next
// revision; a reference the archive does not hold starts a new quote.
void TestQuoteArchive::recordsAndRevises()
{
    std::unique_ptr<TQuoteArchive> opened = Open();
    TQuoteArchive& archive = *opened;
    const TQuoteReference first =
        archive.Record(Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("2")),
                       When, QStringLiteral("ann"));
    QCOMPARE(first.Text(), QStringLiteral("Q-2026-00001/1"));
    const TQuoteReference same = archive.Record(
        Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("2"), first), When,
        QStringLiteral("ann"));
    QCOMPARE(same, first);
    const TQuoteReference changed = archive.Record(
        Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("3"), first), When,
        QStringLiteral("ann"));
    QCOMPARE(changed.Text(), QStringLiteral("Q-2026-00001/2"));
    // From revision 1 again, unchanged from revision 2: still revision 2.
    QCOMPARE(archive
                 .Record(Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("3"),
                               first),
                         When, QStringLiteral("ann"))
                 .Text(),
             QStringLiteral("Q-2026-00001/2"));
    const TQuoteReference unknown =
        archive.Record(Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("3"),
                             {2026, 77, 1, QString()}),
                       When, QStringLiteral("ann"));
    QCOMPARE(unknown.Text(), QStringLiteral("Q-2026-00002/1"));
    QCOMPARE(References(archive.Search(QString())),
             (QStringList{"Q-2026-00002/1", "Q-2026-00001/2", "Q-2026-00001/1"}));

    const std::optional<TArchivedQuote> found = archive.Find(changed);
    QVERIFY(found);
    QCOMPARE(found->User, QStringLiteral("ann"));
    QCOMPARE(found->Currency, QStringLiteral("USD"));
    QCOMPARE(found->Total, 37.5);
    QCOMPARE(found->Lines, 1);
    QCOMPARE(found->File, QStringLiteral("/tmp/a.fyn"));
    QCOMPARE(found->Saved, When);
    const TQuoteRecord expected =
        Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("3"));
    QCOMPARE(found->Order, OrderFileBytes(expected.OrderLines, expected.Info));

    // Only its own user's, when asked so.
    QVERIFY(!archive.Remove(first, QStringLiteral("bo")));
    QVERIFY(archive.Remove(first, QStringLiteral("ann")));
    QVERIFY(!archive.Remove(first));
    QVERIFY(!archive.Find(first));

    // A revision once given is never given again, deleted or not.
    QVERIFY(archive.Remove(changed));
    QCOMPARE(archive
                 .Record(Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("9"),
                               first),
                         When, QStringLiteral("ann"))
                 .Text(),
             QStringLiteral("Q-2026-00001/3"));
    // The same record kept twice (its key known again) is kept once.
    TQuoteRecord keyed = Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), "11");
    keyed.Key = QStringLiteral("key-1");
    const TQuoteReference once = archive.Record(keyed, When, QStringLiteral("ann"));
    QCOMPARE(archive.Record(keyed, When, QStringLiteral("ann")), once);
    QCOMPARE(archive.Search(QString()).size(), 3);
}

void TestQuoteArchive::searches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("company") << "riverside" << QStringList{"Q-2026-00002/1"};
    QTest::newRow("quote number") << "q-2026-00001" << QStringList{"Q-2026-00001/1"};
    QTest::newRow("job number") << "J-7" << QStringList{"Q-2026-00002/1", "Q-2026-00001/1"};
    QTest::newRow("proposal number") << "p-9" << QStringList{"Q-2026-00002/1", "Q-2026-00001/1"};
    QTest::newRow("author") << "ANN LEE" << QStringList{"Q-2026-00002/1", "Q-2026-00001/1"};
    QTest::newRow("part number") << "krv5" << QStringList{"Q-2026-00002/1"};
    QTest::newRow("wildcards are letters") << "%" << QStringList{};
    QTest::newRow("accented") << "MÜNCHEN" << QStringList{"Q-2026-00001/1"};
}

void TestQuoteArchive::searches()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    std::unique_ptr<TQuoteArchive> opened = Open();
    TQuoteArchive& archive = *opened;
    archive.Record(Order(QStringLiteral("Stadtwerke München"), QStringLiteral("KRV4-50B"),
                         QStringLiteral("1")),
                   When, QStringLiteral("ann"));
    archive.Record(
        Order(QStringLiteral("Riverside Site"), QStringLiteral("KRV5-50B"), QStringLiteral("1")),
        When.addSecs(60), QStringLiteral("ann"));
    QCOMPARE(References(archive.Search(text)), found);
}

// An archive of the first schema is brought up to date, and its quotes are found.
void TestQuoteArchive::migratesFromVersion1()
{
    if (!Database.isEmpty())
        QSKIP("a file archive's migration");
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        database.setDatabaseName(Path());
        QVERIFY(database.open());
        QSqlQuery query(database);
        QVERIFY(query.exec(QStringLiteral(
            "CREATE TABLE quotes (year INTEGER NOT NULL, sequence INTEGER NOT NULL, revision "
            "INTEGER NOT NULL, saved TEXT NOT NULL, user TEXT NOT NULL, company TEXT NOT NULL, "
            "author TEXT NOT NULL, quote_date TEXT NOT NULL, job_number TEXT NOT NULL, "
            "proposal_number TEXT NOT NULL, currency TEXT NOT NULL, total REAL NOT NULL, lines "
            "INTEGER NOT NULL, file TEXT NOT NULL, part_numbers TEXT NOT NULL, order_bytes BLOB "
            "NOT NULL, order_hash TEXT NOT NULL, PRIMARY KEY (year, sequence, revision))")));
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO quotes VALUES (2025, 7, 1, '2025-03-01T10:00:00.000Z', 'bo', "
            "'Harbour Towers', 'Bo', '2025-03-01', 'J-1', 'P-1', 'EUR', 99.5, 2, '', "
            "'KJ4-DMDM-6', X'00', 'x')")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    TQuoteArchive archive(Path());
    const QList<TArchivedQuote> found = archive.Search(QStringLiteral("kj4-dmdm"));
    QCOMPARE(References(found), QStringList{"Q-2025-00007/1"});
    QCOMPARE(found.first().Details.CompanyName, QStringLiteral("Harbour Towers"));
    QCOMPARE(found.first().Total, 99.5);
    // The next quote of that year follows it.
    QCOMPARE(archive
                 .Record(Order(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1")),
                         QDateTime(QDate(2025, 5, 1), QTime(8, 0), Qt::UTC), QStringLiteral("bo"))
                 .Text(),
             QStringLiteral("Q-2025-00008/1"));
}

// Two copies of the program recording at the same moment: every record kept, no number twice.
// On a server each records 1,000.
void TestQuoteArchive::twoCopiesAtOnce()
{
    const int each = Database.isEmpty() ? 200 : 1000;
    Open(); // made before the workers start
    QList<QProcess*> workers;
    for (int n = 0; n < 2; ++n) {
        auto* worker = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("FERROLYN_ARCHIVE_WORKER"), Where());
        environment.insert(QStringLiteral("FERROLYN_ARCHIVE_COUNT"), QString::number(each));
        worker->setProcessEnvironment(environment);
        worker->start(QCoreApplication::applicationFilePath(), {});
        workers.append(worker);
    }
    for (QProcess* worker : workers) {
        QVERIFY(worker->waitForFinished(120000));
        QVERIFY2(worker->exitCode() == 0, worker->readAllStandardError().constData());
    }
    const QList<TArchivedQuote> quotes = Open()->Search(QString(), 5000);
    QCOMPARE(quotes.size(), 2 * each);
    QSet<int> sequences;
    for (const TArchivedQuote& quote : quotes)
        sequences.insert(quote.Reference.Sequence);
    QCOMPARE(sequences.size(), 2 * each);
    QVERIFY(sequences.contains(1) && sequences.contains(2 * each));
}

void TestQuoteArchive::refusesWhatIsNoArchive_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("link") << "link";
    QTest::newRow("folder") << "folder";
    QTest::newRow("newer schema") << "newer";
}

// A damaged file, a link, a folder or a newer archive is refused with the file named, and left
// as it was.
void TestQuoteArchive::refusesWhatIsNoArchive()
{
    QFETCH(QString, kind);
    if (!Database.isEmpty())
        QSKIP("a file archive's checks");
    const QByteArray garbage(4096, 'x');
    if (kind == QLatin1String("damaged")) {
        QFile file(Path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    } else if (kind == QLatin1String("link")) {
        const TQuoteArchive real(Dir->filePath(QStringLiteral("real.db")));
        QVERIFY(QFile::link(Dir->filePath(QStringLiteral("real.db")), Path()));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(Path()));
    } else {
        TQuoteArchive archive(Path());
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        database.setDatabaseName(Path());
        QVERIFY(database.open());
        QVERIFY(QSqlQuery(database).exec(QStringLiteral("PRAGMA user_version = 99")));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    try {
        TQuoteArchive archive(Path());
        QFAIL("opened");
    } catch (const TDataError& error) {
        QVERIFY2(error.FullText().startsWith(QStringLiteral("The quote archive cannot be used: ")),
                 qPrintable(error.FullText()));
        QCOMPARE(error.File, Path());
    }
    if (kind == QLatin1String("damaged")) {
        QFile file(Path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
    }
}

void TestQuoteArchive::serverRefuses_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("says");
    using TKind = TArchiveServerError::TKind;
    QTest::newRow("wrong password")
        << "" << 5432 << "ferrolyn_admin"
        << "wrong"
        << "" << int(TKind::Password) << "refused user \"ferrolyn_admin\": the password is wrong";
    QTest::newRow("unknown user") << "" << 5432 << "nobody_here"
                                  << "x"
                                  << "" << int(TKind::Password) << "refused user";
    QTest::newRow("no database") << "" << 5432 << "ferrolyn_admin"
                                 << "admin-secret"
                                 << "no_such_db" << int(TKind::NoDatabase)
                                 << "has no database \"no_such_db\"";
    QTest::newRow("no right to make the tables")
        << "" << 5432 << "engineer"
        << "engineer-secret"
        << "" << int(TKind::Other) << "user \"engineer\" may not";
    QTest::newRow("nothing listening")
        << "127.0.0.1" << 1 << "ann"
        << "x"
        << "db" << int(TKind::Unreachable) << "no server answers at 127.0.0.1, port 1";
    QTest::newRow("no socket") << "/nonexistent-folder" << 5432 << "ann"
                               << "x"
                               << "db" << int(TKind::Unreachable) << "no server answers";
    QTest::newRow("unknown host") << "no-such-host.invalid" << 5432 << "ann"
                                  << "x"
                                  << "db" << int(TKind::UnknownHost)
                                  << "the host \"no-such-host.invalid\" is not known";
}

// Each way a server can fail to be used is said plainly.
void TestQuoteArchive::serverRefuses()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, database);
    QFETCH(int, kind);
    QFETCH(QString, says);
    if (host.isEmpty() && Database.isEmpty())
        QSKIP("needs the test server");
    TArchiveServer server = Server(database.isEmpty() ? Database : database, user, password);
    if (!host.isEmpty())
        server.Host = host;
    server.Port = port;
    try {
        TQuoteArchive archive(server);
        QFAIL("connected");
    } catch (const TArchiveServerError& error) {
        QVERIFY2(error.FullText().contains(says), qPrintable(error.FullText()));
        QVERIFY(error.FullText().startsWith("The quote archive cannot be used: "));
        QCOMPARE(int(error.Kind), kind);
    }
}

// Records made while the server is away wait on this computer with local numbers, revisions of
// them too; the next record sends them, oldest first, and each gets a server number. A file
// carrying a local number already sent becomes the next revision of its server quote.
void TestQuoteArchive::heldWhileServerAway()
{
    if (Database.isEmpty())
        QSKIP("needs the test server");
    const TArchiveSetting setting = Setting();
    const auto record = [&](const QString& quantity, const TQuoteReference& reference) {
        return RecordQuote(
            setting, Path(),
            Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), quantity, reference), When,
            QStringLiteral("ann"), QStringLiteral("ann.lee"));
    };
    QVERIFY(ServerAction("pause"));
    const TRecorded first = record("1", {});
    const TRecorded second = record("2", first.Reference);
    const TRecorded unchanged = record("2", second.Reference);
    QVERIFY(ServerAction("resume"));
    QVERIFY(first.Held);
    QCOMPARE(first.ProblemKind, TArchiveServerError::TKind::Unreachable);
    QCOMPARE(first.Reference.Text(), QStringLiteral("L-ann.lee-1/1"));
    QCOMPARE(second.Reference.Text(), QStringLiteral("L-ann.lee-1/2"));
    QCOMPARE(unchanged.Reference.Text(), QStringLiteral("L-ann.lee-1/2"));
    QCOMPARE(References(TQuoteArchive(Path()).Waiting()),
             (QStringList{"L-ann.lee-1/1", "L-ann.lee-1/2"}));

    const TRecorded next = record("3", {});
    QVERIFY2(!next.Held, qPrintable(next.Problem));
    QCOMPARE(next.Sent, 2);
    QCOMPARE(next.Reference.Text(), QStringLiteral("Q-2026-00002/1"));
    const QList<TArchivedQuote> onServer = Open()->Search(QString());
    QCOMPARE(References(onServer),
             (QStringList{"Q-2026-00002/1", "Q-2026-00001/2", "Q-2026-00001/1"}));
    QCOMPARE(onServer.at(1).OtherNumber, QStringLiteral("L-ann.lee-1/2"));
    TQuoteArchive local(Path());
    QVERIFY(local.Waiting().isEmpty());
    QCOMPARE(local.Find(second.Reference)->OtherNumber, QStringLiteral("Q-2026-00001/2"));

    // The file of the second local record, changed and saved again.
    QCOMPARE(record("4", second.Reference).Reference.Text(), QStringLiteral("Q-2026-00001/3"));
    QCOMPARE(record("4", second.Reference).Reference.Text(), QStringLiteral("Q-2026-00001/3"));
}

// The server goes away in the middle of a record: nothing half-made stays on it, the record
// waits here and is sent, with its server number, once the server is back.
void TestQuoteArchive::serverStoppedMidRecord()
{
    if (Database.isEmpty())
        QSKIP("needs the test server");
    bool stopped = false;
    TQuoteArchive::BeforeCommit = [&stopped] {
        stopped = ServerAction("pause");
    };
    const TRecorded recorded =
        RecordQuote(Setting(), Path(), Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), "1"),
                    When, QStringLiteral("ann"), QStringLiteral("ann"));
    TQuoteArchive::BeforeCommit = nullptr;
    QVERIFY(stopped);
    QVERIFY(ServerAction("resume"));
    QVERIFY(recorded.Held);
    QCOMPARE(recorded.Reference.Text(), QStringLiteral("L-ann-1/1"));
    QVERIFY(Open()->Search(QString()).isEmpty());

    QCOMPARE(SendWaitingQuotes(Setting(), Path()), 1);
    QCOMPARE(SendWaitingQuotes(Setting(), Path()), 0);
    const QList<TArchivedQuote> onServer = Open()->Search(QString());
    QCOMPARE(References(onServer), QStringList{"Q-2026-00001/1"});
    QCOMPARE(onServer.first().OtherNumber, QStringLiteral("L-ann-1/1"));
    QCOMPARE(onServer.first().User, QStringLiteral("ann"));
}

// A held record the server refuses (a NUL character it cannot store) waits, with its later
// revisions; the others are sent, and the next record is not held for it.
void TestQuoteArchive::refusedRecordWaitsAlone()
{
    if (Database.isEmpty())
        QSKIP("needs the test server");
    const auto record = [&](const QString& company, const TQuoteReference& reference) {
        return RecordQuote(Setting(), Path(), Order(company, "KJ4", "1", reference), When, "ann",
                           "ann");
    };
    QVERIFY(ServerAction("pause"));
    const TRecorded bad = record(QStringLiteral("Bad") + QChar(0), {});
    record(QStringLiteral("Bad again") + QChar(0), bad.Reference);
    record(QStringLiteral("Good"), {});
    QVERIFY(ServerAction("resume"));
    QCOMPARE(SendWaitingQuotes(Setting(), Path()), 1);
    const TRecorded next = record(QStringLiteral("Next"), {});
    QVERIFY2(!next.Held, qPrintable(next.Problem));
    QCOMPARE(References(TQuoteArchive(Path()).Waiting()), (QStringList{"L-ann-1/1", "L-ann-1/2"}));
    QCOMPARE(Open()->Search(QString()).size(), 2);
}

// A team as the README sets it up: a role owning the database, one login per engineer. The
// first to connect makes the tables, for the team; the others record in them; Delete takes only
// what this database user recorded, whatever login name a copy claims.
void TestQuoteArchive::teamOfEngineers()
{
    if (Database.isEmpty())
        QSKIP("needs the test server");
    const QString team = Database + QStringLiteral("_team");
    {
        const auto removeAdmin = qScopeGuard([] { QSqlDatabase::removeDatabase("team"); });
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "team");
        admin.setHostName(ServerFolder());
        admin.setDatabaseName(QStringLiteral("postgres"));
        admin.setUserName(QStringLiteral("ferrolyn_admin"));
        admin.setPassword(QStringLiteral("admin-secret"));
        QVERIFY(admin.open());
        for (const QString& sql :
             {"CREATE ROLE " + team,
              "CREATE ROLE " + team + "_ann LOGIN PASSWORD 'a' IN ROLE " + team,
              "CREATE ROLE " + team + "_bob LOGIN PASSWORD 'b' IN ROLE " + team,
              "CREATE DATABASE " + team + " OWNER " + team}) {
            QSqlQuery query(admin);
            QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
        }
    }
    TQuoteArchive ann(Server(team, team + "_ann", "a"));
    const TQuoteReference first =
        ann.Record(Order(QStringLiteral("Acme"), "KJ4", "1"), When, QStringLiteral("ann"));
    TQuoteArchive bob(Server(team, team + "_bob", "b"));
    QCOMPARE(bob.Record(Order(QStringLiteral("Acme"), "KJ4", "2", first), When, "bob").Text(),
             QStringLiteral("Q-2026-00001/2"));
    QVERIFY(!bob.Remove(first, QStringLiteral("ann")));
    QVERIFY(ann.Remove(first, QStringLiteral("ann")));
    QCOMPARE(References(bob.Search(QString())), QStringList{"Q-2026-00001/2"});
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString worker = qEnvironmentVariable("FERROLYN_ARCHIVE_WORKER");
    if (!worker.isEmpty())
        return RecordMany(worker, qEnvironmentVariableIntValue("FERROLYN_ARCHIVE_COUNT"));
    TestQuoteArchive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quotearchive.moc"
