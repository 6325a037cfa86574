#include "base/DataError.h"
#include "history/QuoteArchive.h"
#include "order/OrderFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
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

// A worker of twoCopiesAtOnce: records count quotes in the archive at path.
int RecordMany(const QString& path, int count)
{
    try {
        TQuoteArchive archive(path);
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

private:
    QString Path() const { return Dir->filePath(QStringLiteral("quotes.db")); }
    std::unique_ptr<QTemporaryDir> Dir;
};

void TestQuoteArchive::init()
{
    Dir = std::make_unique<QTemporaryDir>();
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
    TQuoteArchive archive(Path());
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
    const TQuoteReference unknown = archive.Record(
        Order(QStringLiteral("Acme"), QStringLiteral("KJ4"), QStringLiteral("3"), {2026, 77, 1}),
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

    QVERIFY(archive.Remove(first));
    QVERIFY(!archive.Remove(first));
    QVERIFY(!archive.Find(first));
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
    TQuoteArchive archive(Path());
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
void TestQuoteArchive::twoCopiesAtOnce()
{
    {
        const TQuoteArchive made(Path()); // before the workers start
    }
    QList<QProcess*> workers;
    for (int n = 0; n < 2; ++n) {
        auto* worker = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("FERROLYN_ARCHIVE_WORKER"), Path());
        worker->setProcessEnvironment(environment);
        worker->start(QCoreApplication::applicationFilePath(), {});
        workers.append(worker);
    }
    for (QProcess* worker : workers) {
        QVERIFY(worker->waitForFinished(120000));
        QVERIFY2(worker->exitCode() == 0, worker->readAllStandardError().constData());
    }
    const QList<TArchivedQuote> quotes = TQuoteArchive(Path()).Search(QString(), 1000);
    QCOMPARE(quotes.size(), 400);
    QSet<int> sequences;
    for (const TArchivedQuote& quote : quotes)
        sequences.insert(quote.Reference.Sequence);
    QCOMPARE(sequences.size(), 400);
    QVERIFY(sequences.contains(1) && sequences.contains(400));
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

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString worker = qEnvironmentVariable("FERROLYN_ARCHIVE_WORKER");
    if (!worker.isEmpty())
        return RecordMany(worker, 200);
    TestQuoteArchive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quotearchive.moc"
