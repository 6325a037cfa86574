#include "QuoteArchive.h"

#include "base/DataError.h"
#include "base/Translate.h"
#include "order/OrderFile.h"
#include "pricing/Currencies.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <functional>

namespace {

QAtomicInt Connections;

// The first schema: one row per revision of a quote.
const char* const SchemaVersion1 =
    "CREATE TABLE quotes ("
    " year INTEGER NOT NULL, sequence INTEGER NOT NULL, revision INTEGER NOT NULL,"
    " saved TEXT NOT NULL, user TEXT NOT NULL,"
    " company TEXT NOT NULL, author TEXT NOT NULL, quote_date TEXT NOT NULL,"
    " job_number TEXT NOT NULL, proposal_number TEXT NOT NULL,"
    " currency TEXT NOT NULL, total REAL NOT NULL, lines INTEGER NOT NULL, file TEXT NOT NULL,"
    " part_numbers TEXT NOT NULL, order_bytes BLOB NOT NULL, order_hash TEXT NOT NULL,"
    " PRIMARY KEY (year, sequence, revision))";

QString NumberText(int year, int sequence)
{
    return QStringLiteral("Q-%1-%2").arg(year).arg(sequence, 5, 10, QLatin1Char('0'));
}

// What a search looks in, lower-cased: the number, company, author, job and proposal numbers and
// the part numbers, a line each.
QString SearchText(int year, int sequence, const TOrderDetails& details, const QString& partNumbers)
{
    return QStringList{NumberText(year, sequence), details.CompanyName,    details.Author,
                       details.JobNumber,          details.ProposalNumber, partNumbers}
        .join(QLatin1Char('\n'))
        .toLower();
}

TDataError ArchiveError(const QString& reason)
{
    return TDataError(Tr("QuoteArchive", "The quote archive cannot be used: %1").arg(reason));
}

} // namespace

QString TQuoteReference::Number() const
{
    return NumberText(Year, Sequence);
}

QString TQuoteReference::Text() const
{
    return Number() + QLatin1Char('/') + QString::number(Revision);
}

std::optional<TQuoteReference> TQuoteReference::Parse(const QString& text)
{
    static const QRegularExpression Form(QStringLiteral("^Q-(\\d{4})-(\\d{5,9})/(\\d{1,9})$"));
    const QRegularExpressionMatch match = Form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    TQuoteReference reference{match.captured(1).toInt(), match.captured(2).toInt(),
                              match.captured(3).toInt()};
    if (!reference.IsValid())
        return std::nullopt;
    return reference;
}

// --- The database ---------------------------------------------------------------------------

namespace {

// A statement run on the archive's connection; a failure throws naming the archive.
class TStatement
{
public:
    TStatement(const QString& connection, const QString& path, const QString& sql)
        : Query(QSqlDatabase::database(connection, false)), Path(path)
    {
        if (!Query.prepare(sql))
            Fail();
    }

    TStatement& Bind(const QVariant& value)
    {
        Query.addBindValue(value);
        return *this;
    }
    // A text, empty rather than NULL when it is a null string.
    TStatement& Bind(const QString& text)
    {
        Query.addBindValue(text.isNull() ? QStringLiteral("") : text);
        return *this;
    }

    // The query, run (a statement runs once).
    QSqlQuery Run()
    {
        if (!Query.exec())
            Fail();
        return std::move(Query);
    }

private:
    [[noreturn]] void Fail() const { throw ArchiveError(Query.lastError().text()).At(Path, 0); }

    QSqlQuery Query;
    QString Path;
};

} // namespace

TQuoteArchive::TQuoteArchive(const QString& path)
    : Path(path),
      Connection(QStringLiteral("quote-archive-%1").arg(Connections.fetchAndAddRelaxed(1)))
{
    // Only a regular file is opened as the archive: a link, a folder or a device in its place is
    // refused before SQLite sees it.
    const QFileInfo file(path);
    if (file.isSymLink() || (file.exists() && !file.isFile()))
        throw ArchiveError(Tr("QuoteArchive", "it is not a regular file.")).At(path, 0);
    if (!QDir().mkpath(file.absolutePath()))
        throw ArchiveError(Tr("QuoteArchive", "its folder cannot be made.")).At(path, 0);

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
    database.setDatabaseName(path);
    // Another copy recording at the same moment holds the write lock for a few milliseconds.
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
    if (!database.open()) {
        const QString reason = database.lastError().text();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(Connection);
        throw ArchiveError(reason).At(path, 0);
    }
    try {
        const auto run = [this](const QString& sql) {
            return TStatement(Connection, Path, sql).Run();
        };
        run(QStringLiteral("PRAGMA journal_mode=WAL"));
        run(QStringLiteral("PRAGMA case_sensitive_like=ON"));
        run(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            QSqlQuery versionQuery = run(QStringLiteral("PRAGMA user_version"));
            const int version = versionQuery.next() ? versionQuery.value(0).toInt() : 0;
            if (version > SchemaVersion)
                throw ArchiveError(Tr("QuoteArchive", "it was made by a newer version of "
                                                      "Ferrolyn."))
                    .At(path, 0);
            if (version < 1)
                run(QString::fromLatin1(SchemaVersion1));
            if (version < 2) {
                // Version 2: what a search looks in, lower-cased, in a narrow table of its own
                // (a scan of it never reads the orders), and the newest first.
                run(QStringLiteral("CREATE TABLE quote_search (quote INTEGER PRIMARY KEY,"
                                   " text TEXT NOT NULL)"));
                QSqlQuery rows = run(QStringLiteral(
                    "SELECT rowid, year, sequence, company, author, job_number, proposal_number,"
                    " part_numbers FROM quotes"));
                QList<std::pair<qint64, QString>> texts;
                while (rows.next()) {
                    TOrderDetails details;
                    details.CompanyName = rows.value(3).toString();
                    details.Author = rows.value(4).toString();
                    details.JobNumber = rows.value(5).toString();
                    details.ProposalNumber = rows.value(6).toString();
                    texts.append({rows.value(0).toLongLong(),
                                  SearchText(rows.value(1).toInt(), rows.value(2).toInt(), details,
                                             rows.value(7).toString())});
                }
                for (const auto& [row, text] : texts)
                    TStatement(
                        Connection, Path,
                        QStringLiteral("INSERT INTO quote_search (quote, text) VALUES (?, ?)"))
                        .Bind(row)
                        .Bind(text)
                        .Run();
                run(QStringLiteral("CREATE INDEX quotes_saved ON quotes (saved)"));
            }
            if (version < SchemaVersion)
                run(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
            run(QStringLiteral("COMMIT"));
        } catch (...) {
            QSqlQuery(QSqlDatabase::database(Connection, false)).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    } catch (...) {
        QSqlDatabase::database(Connection, false).close();
        QSqlDatabase::removeDatabase(Connection);
        throw;
    }
}

TQuoteArchive::~TQuoteArchive()
{
    {
        QSqlDatabase database = QSqlDatabase::database(Connection, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(Connection);
}

QString TQuoteArchive::DefaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("quotes.db"));
}

QString TQuoteArchive::LoginName()
{
    for (const char* name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("unknown");
}

TQuoteReference TQuoteArchive::Record(const TQuoteRecord& record, const QDateTime& when,
                                      const QString& user)
{
    // The order as its file holds it, without its own reference: the same order recorded from
    // two revisions' files is the same.
    TOrderInfo info = record.Info;
    info.Quote.clear();
    const QByteArray bytes = OrderFileBytes(record.OrderLines, info);
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    QStringList partNumbers;
    for (const TOrderLine& line : record.OrderLines)
        if (!line.PartNumber.isEmpty())
            partNumbers.append(line.PartNumber);
    const auto statement = [this](const QString& sql) {
        return TStatement(Connection, Path, sql);
    };

    statement(QStringLiteral("BEGIN IMMEDIATE")).Run();
    try {
        TQuoteReference reference;
        if (record.Reference.IsValid()) {
            QSqlQuery latest =
                statement(QStringLiteral("SELECT revision, order_hash FROM quotes WHERE year = ?"
                                         " AND sequence = ? ORDER BY revision DESC LIMIT 1"))
                    .Bind(record.Reference.Year)
                    .Bind(record.Reference.Sequence)
                    .Run();
            if (latest.next()) {
                reference = {record.Reference.Year, record.Reference.Sequence,
                             latest.value(0).toInt()};
                if (latest.value(1).toString() == hash) {
                    statement(QStringLiteral("COMMIT")).Run();
                    return reference;
                }
                ++reference.Revision;
            }
        }
        if (!reference.IsValid()) {
            const int year = when.toLocalTime().date().year();
            QSqlQuery last =
                statement(
                    QStringLiteral("SELECT COALESCE(MAX(sequence), 0) FROM quotes WHERE year = ?"))
                    .Bind(year)
                    .Run();
            reference = {year, (last.next() ? last.value(0).toInt() : 0) + 1, 1};
        }
        const TOrderDetails& details = record.Info.Details;
        statement(QStringLiteral("INSERT INTO quotes (year, sequence, revision, saved, user,"
                                 " company, author, quote_date, job_number, proposal_number,"
                                 " currency, total, lines, file, part_numbers, order_bytes,"
                                 " order_hash)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
            .Bind(reference.Year)
            .Bind(reference.Sequence)
            .Bind(reference.Revision)
            .Bind(when.toUTC().toString(Qt::ISODateWithMs))
            .Bind(user)
            .Bind(details.CompanyName)
            .Bind(details.Author)
            .Bind(details.Date)
            .Bind(details.JobNumber)
            .Bind(details.ProposalNumber)
            .Bind(record.Info.CurrencyTag > 0 ? CurrencyCode(record.Info.CurrencyTag) : QString())
            .Bind(OrderTotals(record.OrderLines).Total)
            .Bind(int(record.OrderLines.size()))
            .Bind(record.File)
            .Bind(partNumbers.join(QLatin1Char('\n')))
            .Bind(QVariant(bytes))
            .Bind(hash)
            .Run();
        statement(QStringLiteral("INSERT INTO quote_search (quote, text) VALUES"
                                 " (last_insert_rowid(), ?)"))
            .Bind(SearchText(reference.Year, reference.Sequence, details,
                             partNumbers.join(QLatin1Char('\n'))))
            .Run();
        statement(QStringLiteral("COMMIT")).Run();
        return reference;
    } catch (...) {
        QSqlQuery(QSqlDatabase::database(Connection, false)).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

namespace {

const QString Columns =
    QStringLiteral("year, sequence, revision, saved, user, company, author, quote_date, job_number,"
                   " proposal_number, currency, total, lines, file");

TArchivedQuote QuoteOfRow(const QSqlQuery& row)
{
    TArchivedQuote quote;
    quote.Reference = {row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt()};
    quote.Saved = QDateTime::fromString(row.value(3).toString(), Qt::ISODateWithMs);
    quote.User = row.value(4).toString();
    quote.Details.CompanyName = row.value(5).toString();
    quote.Details.Author = row.value(6).toString();
    quote.Details.Date = row.value(7).toString();
    quote.Details.JobNumber = row.value(8).toString();
    quote.Details.ProposalNumber = row.value(9).toString();
    quote.Currency = row.value(10).toString();
    quote.Total = row.value(11).toDouble();
    quote.Lines = row.value(12).toInt();
    quote.File = row.value(13).toString();
    return quote;
}

} // namespace

QList<TArchivedQuote> TQuoteArchive::Search(const QString& text, int limit) const
{
    // Both sides lower-cased: LIKE compares case-sensitively (set when the archive opens), which
    // is the faster way.
    QString pattern = text.trimmed().toLower();
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    QSqlQuery rows =
        TStatement(Connection, Path,
                   QStringLiteral("SELECT %1 FROM quote_search JOIN quotes ON quotes.rowid ="
                                  " quote_search.quote WHERE quote_search.text LIKE ? ESCAPE '\\'"
                                  " ORDER BY quotes.saved DESC, quotes.rowid DESC LIMIT ?")
                       .arg(Columns))
            .Bind(QLatin1Char('%') + pattern + QLatin1Char('%'))
            .Bind(limit)
            .Run();
    QList<TArchivedQuote> quotes;
    while (rows.next())
        quotes.append(QuoteOfRow(rows));
    return quotes;
}

std::optional<TArchivedQuote> TQuoteArchive::Find(const TQuoteReference& reference) const
{
    QSqlQuery row = TStatement(Connection, Path,
                               QStringLiteral("SELECT %1, order_bytes FROM quotes WHERE year = ?"
                                              " AND sequence = ? AND revision = ?")
                                   .arg(Columns))
                        .Bind(reference.Year)
                        .Bind(reference.Sequence)
                        .Bind(reference.Revision)
                        .Run();
    if (!row.next())
        return std::nullopt;
    TArchivedQuote quote = QuoteOfRow(row);
    quote.Order = row.value(14).toByteArray();
    return quote;
}

bool TQuoteArchive::Remove(const TQuoteReference& reference)
{
    const auto statement = [this](const QString& sql) {
        return TStatement(Connection, Path, sql);
    };
    statement(QStringLiteral("BEGIN IMMEDIATE")).Run();
    try {
        statement(QStringLiteral("DELETE FROM quote_search WHERE quote IN (SELECT rowid FROM"
                                 " quotes WHERE year = ? AND sequence = ? AND revision = ?)"))
            .Bind(reference.Year)
            .Bind(reference.Sequence)
            .Bind(reference.Revision)
            .Run();
        const QSqlQuery removed =
            statement(QStringLiteral(
                          "DELETE FROM quotes WHERE year = ? AND sequence = ? AND revision = ?"))
                .Bind(reference.Year)
                .Bind(reference.Sequence)
                .Bind(reference.Revision)
                .Run();
        statement(QStringLiteral("COMMIT")).Run();
        return removed.numRowsAffected() > 0;
    } catch (...) {
        QSqlQuery(QSqlDatabase::database(Connection, false)).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}
