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
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>

#include <functional>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

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
QString SearchText(const QString& number, const TOrderDetails& details, const QString& partNumbers)
{
    return QStringList{
        number,     details.CompanyName, details.Author, details.JobNumber, details.ProposalNumber,
        partNumbers}
        .join(QLatin1Char('\n'))
        .toLower();
}

TDataError ArchiveError(const QString& reason)
{
    return TDataError(Tr("QuoteArchive", "The quote archive cannot be used: %1").arg(reason));
}

// A failure the database reported, with its own text as the reason; naming the file of a file
// archive (file is empty for a server's).
TDataError ArchiveFailure(const QString& reported, const QString& file)
{
    TDataError error = ArchiveError(reported);
    error.Reason = reported;
    if (!file.isEmpty())
        error.At(file, 0);
    return error;
}

} // namespace

QString TQuoteReference::Number() const
{
    if (IsLocal())
        return QStringLiteral("L-%1-%2").arg(Login).arg(Sequence);
    return NumberText(Year, Sequence);
}

QString TQuoteReference::Text() const
{
    return Number() + QLatin1Char('/') + QString::number(Revision);
}

std::optional<TQuoteReference> TQuoteReference::Parse(const QString& text)
{
    static const QRegularExpression Form(QStringLiteral("^Q-(\\d{4})-(\\d{5,9})/(\\d{1,9})$"));
    static const QRegularExpression LocalForm(
        QStringLiteral("^L-([A-Za-z0-9._-]{1,20})-(\\d{1,9})/(\\d{1,9})$"));
    TQuoteReference reference;
    if (const QRegularExpressionMatch match = Form.match(text.trimmed()); match.hasMatch())
        reference = {match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt(), QString()};
    else if (const QRegularExpressionMatch local = LocalForm.match(text.trimmed());
             local.hasMatch())
        reference = {0, local.captured(2).toInt(), local.captured(3).toInt(), local.captured(1)};
    if (!reference.IsValid())
        return std::nullopt;
    return reference;
}

QString TQuoteReference::LocalLogin(const QString& login)
{
    QString text;
    for (const QChar c : login.left(20))
        text += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('.') ||
                        c == QLatin1Char('_') || c == QLatin1Char('-')
                    ? c
                    : QLatin1Char('_');
    return text.isEmpty() ? QStringLiteral("user") : text;
}

QString TArchiveServer::Key() const
{
    return QStringLiteral("%1@%2:%3/%4").arg(User, Host).arg(Port).arg(Database);
}

// --- The database ---------------------------------------------------------------------------

namespace {

// A statement run on the archive's connection; a failure throws naming the archive. One with
// values is prepared; one without is run as it is (a server prepares only queries and changes
// of rows, not the making of tables).
class TStatement
{
public:
    TStatement(const QString& connection, const QString& where, const QString& sql)
        : Query(QSqlDatabase::database(connection, false)), Sql(sql), Where(where)
    {
    }

    TStatement& Bind(const QVariant& value)
    {
        Values.append(value);
        return *this;
    }
    // A text, empty rather than NULL when it is a null string.
    TStatement& Bind(const QString& text)
    {
        Values.append(text.isNull() ? QStringLiteral("") : text);
        return *this;
    }

    // The columns saved ... order_hash of a record, in that order.
    template <typename TRow> TStatement& BindRow(const TRow& row)
    {
        Bind(row.Saved).Bind(row.User);
        const TOrderDetails& details = row.Details;
        for (const QString& text : {details.CompanyName, details.Author, details.Date,
                                    details.JobNumber, details.ProposalNumber, row.Currency})
            Bind(text);
        return Bind(row.Total)
            .Bind(row.Lines)
            .Bind(row.File)
            .Bind(row.PartNumbers)
            .Bind(QVariant(row.Bytes))
            .Bind(row.Hash);
    }

    // The query, run (a statement runs once).
    QSqlQuery Run()
    {
        if (Values.isEmpty()) {
            if (!Query.exec(Sql))
                Fail();
        } else {
            if (!Query.prepare(Sql))
                Fail();
            for (const QVariant& value : std::as_const(Values))
                Query.addBindValue(value);
            if (!Query.exec())
                Fail();
        }
        return std::move(Query);
    }

private:
    [[noreturn]] void Fail() const { throw ArchiveFailure(Query.lastError().text(), Where); }

    QSqlQuery Query;
    QString Sql;
    QList<QVariant> Values;
    QString Where;
};

// A LIKE pattern matching text anywhere, with '!' escaping its wildcards (ESCAPE '!': a
// backslash would depend on the server's settings).
QString ContainsPattern(const QString& text)
{
    QString pattern = text;
    pattern.replace(QLatin1Char('!'), QLatin1String("!!"))
        .replace(QLatin1Char('%'), QLatin1String("!%"))
        .replace(QLatin1Char('_'), QLatin1String("!_"));
    return QLatin1Char('%') + pattern + QLatin1Char('%');
}

// Why the server cannot be used, said plainly, from what its client library reported.
TArchiveServerError ServerError(const TArchiveServer& server, const QString& reported)
{
    using TKind = TArchiveServerError::TKind;
    const auto has = [&reported](const char* text) {
        return reported.contains(QLatin1String(text), Qt::CaseInsensitive);
    };
    TKind kind = TKind::Other;
    QString reason;
    if (has("role") && has("does not exist")) {
        reason = Tr("QuoteArchive", "the server has no user \"%1\".").arg(server.User);
    } else if (has("password authentication failed") || has("no password supplied")) {
        kind = TKind::Password;
        reason = Tr("QuoteArchive", "the server refused user \"%1\": the password is wrong or "
                                    "missing.")
                     .arg(server.User);
    } else if (has("database") && has("does not exist")) {
        kind = TKind::NoDatabase;
        reason = Tr("QuoteArchive", "the server has no database \"%1\".").arg(server.Database);
    } else if (has("could not translate host name")) {
        kind = TKind::UnknownHost;
        reason = Tr("QuoteArchive", "the host \"%1\" is not known.").arg(server.Host);
    } else if (has("timeout expired") || has("timed out")) {
        kind = TKind::TimedOut;
        reason = Tr("QuoteArchive", "the server at %1 did not answer within %2 seconds.")
                     .arg(server.Host)
                     .arg(server.TimeoutSeconds);
    } else if (has("connection refused") || has("no such file or directory") ||
               has("network is unreachable") || has("no route to host")) {
        kind = TKind::Unreachable;
        reason = Tr("QuoteArchive", "no server answers at %1, port %2. Is it running, and are "
                                    "the host and port right?")
                     .arg(server.Host)
                     .arg(server.Port);
    } else if (has("permission denied") && !has("connection to server")) {
        reason = Tr("QuoteArchive", "user \"%1\" may not use the archive's tables, or may not "
                                    "make them on first use: %2")
                     .arg(server.User, reported.simplified());
    } else {
        reason = reported.simplified();
    }
    return TArchiveServerError(kind, ArchiveError(reason).Message);
}

} // namespace

// The columns a record writes.
struct TQuoteArchive::TRow {
    int Year = 0; // the year it was saved in, local time
    QString Saved;
    QString User;
    TOrderDetails Details;
    QString Currency;
    double Total = 0;
    int Lines = 0;
    QString File;
    QString PartNumbers;
    QByteArray Bytes;
    QString Hash;
    QString Key;
};

namespace {

QString NewRecordKey()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

const char* const QuoteColumns =
    "year, sequence, revision, saved, \"user\", company, author, quote_date, job_number,"
    " proposal_number, currency, total, lines, file, local_number, order_bytes";
const char* const OutboxColumns =
    "0, sequence, revision, saved, \"user\", company, author, quote_date, job_number,"
    " proposal_number, currency, total, lines, file, '', order_bytes, login, sent_year,"
    " sent_sequence, sent_revision, part_numbers, order_hash, record_key, base";

TArchivedQuote QuoteOfRow(const QSqlQuery& row)
{
    TArchivedQuote quote;
    quote.Reference = {row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt(), QString()};
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
    quote.OtherNumber = row.value(14).toString();
    quote.Order = row.value(15).toByteArray();
    return quote;
}

// A held record, from a row of OutboxColumns.
TArchivedQuote HeldOfRow(const QSqlQuery& row)
{
    TArchivedQuote quote = QuoteOfRow(row);
    quote.Reference.Login = row.value(16).toString();
    quote.Waiting = row.value(17).toInt() == 0;
    if (!quote.Waiting)
        quote.OtherNumber = TQuoteReference{row.value(17).toInt(), row.value(18).toInt(),
                                            row.value(19).toInt(), QString()}
                                .Text();
    return quote;
}

} // namespace

TQuoteArchive::TRow TQuoteArchive::RowOf(const TQuoteRecord& record, const QDateTime& when,
                                         const QString& user)
{
    // The order as its file holds it, without its own reference: the same order recorded from
    // two revisions' files is the same.
    TOrderInfo info = record.Info;
    info.Quote.clear();
    TRow row;
    row.Year = when.toLocalTime().date().year();
    row.Saved = when.toUTC().toString(Qt::ISODateWithMs);
    row.User = user;
    row.Details = record.Info.Details;
    row.Currency = record.Info.CurrencyTag > 0 ? CurrencyCode(record.Info.CurrencyTag) : QString();
    row.Total = OrderTotals(record.OrderLines).Total;
    row.Lines = int(record.OrderLines.size());
    row.File = record.File;
    QStringList partNumbers;
    for (const TOrderLine& line : record.OrderLines)
        if (!line.PartNumber.isEmpty())
            partNumbers.append(line.PartNumber);
    row.PartNumbers = partNumbers.join(QLatin1Char('\n'));
    row.Bytes = OrderFileBytes(record.OrderLines, info);
    row.Hash = QString::fromLatin1(
        QCryptographicHash::hash(row.Bytes, QCryptographicHash::Sha256).toHex());
    row.Key = record.Key.isEmpty() ? NewRecordKey() : record.Key;
    return row;
}

QString TQuoteArchive::Sql(QString text) const
{
    return text
        .replace(QLatin1String("%ID%"), Server ? QLatin1String("id") : QLatin1String("rowid"))
        .replace(QLatin1String("%BLOB%"), Server ? QLatin1String("BYTEA") : QLatin1String("BLOB"))
        .replace(QLatin1String("%WHO%"),
                 Server ? QLatin1String("session_user") : QLatin1String("''"))
        .replace(QLatin1String("%REAL%"),
                 Server ? QLatin1String("DOUBLE PRECISION") : QLatin1String("REAL"));
}

TQuoteArchive::TQuoteArchive(const QString& path)
    : Where(path),
      Connection(QStringLiteral("quote-archive-%1").arg(Connections.fetchAndAddRelaxed(1)))
{
    // Only a regular file is opened as the archive: a link, a folder or a device in its place is
    // refused before SQLite sees it.
    const QFileInfo file(path);
    if (file.isSymLink() || (file.exists() && !file.isFile()))
        throw ArchiveError(Tr("QuoteArchive", "it is not a regular file.")).At(path, 0);
    if (!QDir().mkpath(file.absolutePath()))
        throw ArchiveError(Tr("QuoteArchive", "its folder cannot be made.")).At(path, 0);

    {
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
    }
    try {
        TStatement(Connection, Where, QStringLiteral("PRAGMA journal_mode=WAL")).Run();
        TStatement(Connection, Where, QStringLiteral("PRAGMA case_sensitive_like=ON")).Run();
        Migrate();
    } catch (...) {
        QSqlDatabase::database(Connection, false).close();
        QSqlDatabase::removeDatabase(Connection);
        throw;
    }
}

TQuoteArchive::TQuoteArchive(const TArchiveServer& server)
    : Where(),
      Connection(QStringLiteral("quote-archive-%1").arg(Connections.fetchAndAddRelaxed(1))),
      Server(true)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        throw TArchiveServerError(
            TArchiveServerError::TKind::NoDriver,
            ArchiveError(Tr("QuoteArchive", "Qt's PostgreSQL driver is not installed (Debian "
                                            "package libqt6sql6-psql)."))
                .Message);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), Connection);
        database.setHostName(server.Host);
        database.setPort(server.Port);
        database.setDatabaseName(server.Database);
        database.setUserName(server.User);
        database.setPassword(server.Password);
        // Neither a server away nor one that stops answering holds a save for long.
        const int milliseconds = server.TimeoutSeconds * 1000;
        database.setConnectOptions(
            QStringLiteral("connect_timeout=%1;tcp_user_timeout=%2;options='-c statement_timeout=%3"
                           " -c lock_timeout=%3 -c client_encoding=UTF8'")
                .arg(std::max(2, server.TimeoutSeconds))
                .arg(milliseconds)
                .arg(milliseconds * 3));
        if (!database.open()) {
            const QString reported = database.lastError().databaseText() + QLatin1Char(' ') +
                                     database.lastError().driverText();
            database = QSqlDatabase();
            QSqlDatabase::removeDatabase(Connection);
            throw ServerError(server, reported);
        }
    }
    try {
        Migrate();
    } catch (const TDataError& error) {
        QSqlDatabase::database(Connection, false).close();
        QSqlDatabase::removeDatabase(Connection);
        if (error.Reason.isEmpty())
            throw TArchiveServerError(TArchiveServerError::TKind::Other, error.Message);
        throw ServerError(server, error.Reason);
    }
}

void TQuoteArchive::Migrate()
{
    const auto run = [this](const QString& sql) {
        return TStatement(Connection, Where, Sql(sql)).Run();
    };
    QSqlDatabase database = QSqlDatabase::database(Connection, false);
    const auto exec = [&](const QString& sql) {
        QSqlQuery query(database);
        if (!query.exec(sql))
            throw ArchiveFailure(query.lastError().text(), Where);
        return query;
    };
    exec(Server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    try {
        int version = 0;
        if (Server) {
            // Two copies making the schema on first use: one makes it, the other waits.
            run(QStringLiteral("SELECT pg_advisory_xact_lock(726001)"));
            QSqlQuery made =
                run(QStringLiteral("SELECT to_regclass('archive_schema') IS NOT NULL"));
            if (made.next() && made.value(0).toBool()) {
                QSqlQuery current = run(QStringLiteral("SELECT MAX(version) FROM archive_schema"));
                version = current.next() ? current.value(0).toInt() : 0;
            }
        } else {
            QSqlQuery current = run(QStringLiteral("PRAGMA user_version"));
            version = current.next() ? current.value(0).toInt() : 0;
        }
        if (version > SchemaVersion) {
            TDataError error =
                ArchiveError(Tr("QuoteArchive", "it was made by a newer version of Ferrolyn."));
            throw Where.isEmpty() ? error : error.At(Where, 0);
        }
        if (Server && version < SchemaVersion) {
            // The tables belong to the database's owner (a team's role) when the user making them
            // is one of its members, so that every member may use them.
            QSqlQuery owner = run(QStringLiteral(
                "SELECT pg_get_userbyid(datdba), pg_has_role(current_user, datdba, 'MEMBER')"
                " FROM pg_database WHERE datname = current_database()"));
            if (owner.next() && owner.value(1).toBool())
                run(QStringLiteral("SET LOCAL ROLE \"%1\"")
                        .arg(owner.value(0).toString().replace(QLatin1Char('"'),
                                                               QLatin1String("\"\""))));
        }
        if (version < 1)
            // The first schema: one row per revision of a quote.
            run(QStringLiteral(
                    "CREATE TABLE quotes (%1"
                    " year INTEGER NOT NULL, sequence INTEGER NOT NULL, revision INTEGER NOT NULL,"
                    " saved TEXT NOT NULL, \"user\" TEXT NOT NULL,"
                    " company TEXT NOT NULL, author TEXT NOT NULL, quote_date TEXT NOT NULL,"
                    " job_number TEXT NOT NULL, proposal_number TEXT NOT NULL,"
                    " currency TEXT NOT NULL, total %REAL% NOT NULL, lines INTEGER NOT NULL,"
                    " file TEXT NOT NULL, part_numbers TEXT NOT NULL, order_bytes %BLOB% NOT NULL,"
                    " order_hash TEXT NOT NULL, PRIMARY KEY (year, sequence, revision))")
                    .arg(Server ? QStringLiteral("id BIGSERIAL UNIQUE,") : QString()));
        if (version < 2) {
            // Version 2: what a search looks in, lower-cased, in a narrow table of its own (a
            // scan of it never reads the orders), and the newest first.
            run(Server ? QStringLiteral("CREATE TABLE quote_search (quote BIGINT PRIMARY KEY,"
                                        " text TEXT NOT NULL)")
                       : QStringLiteral("CREATE TABLE quote_search (quote INTEGER PRIMARY KEY,"
                                        " text TEXT NOT NULL)"));
            QSqlQuery rows = run(QStringLiteral(
                "SELECT %ID%, year, sequence, company, author, job_number, proposal_number,"
                " part_numbers FROM quotes"));
            QList<std::pair<qint64, QString>> texts;
            while (rows.next()) {
                TOrderDetails details;
                details.CompanyName = rows.value(3).toString();
                details.Author = rows.value(4).toString();
                details.JobNumber = rows.value(5).toString();
                details.ProposalNumber = rows.value(6).toString();
                texts.append({rows.value(0).toLongLong(),
                              SearchText(NumberText(rows.value(1).toInt(), rows.value(2).toInt()),
                                         details, rows.value(7).toString())});
            }
            for (const auto& [row, text] : texts)
                TStatement(Connection, Where,
                           QStringLiteral("INSERT INTO quote_search (quote, text) VALUES (?, ?)"))
                    .Bind(row)
                    .Bind(text)
                    .Run();
            run(QStringLiteral("CREATE INDEX quotes_saved ON quotes (saved)"));
        }
        if (version < 3) {
            // Version 3: counters of numbers and revisions (a number or a revision once given is
            // never given again, deleted or not), each record's own key (a record sent twice is
            // kept once), the local number a record sent late had, the database user who
            // recorded it, and (in a file) the records waiting for the team's server.
            for (const char* column : {"local_number", "record_key", "recorded_by"})
                run(QStringLiteral("ALTER TABLE quotes ADD COLUMN %1 TEXT NOT NULL DEFAULT ''")
                        .arg(QLatin1String(column)));
            run(QStringLiteral("CREATE UNIQUE INDEX quotes_record_key ON quotes (record_key)"
                               " WHERE record_key <> ''"));
            run(QStringLiteral("CREATE TABLE quote_numbers (year INTEGER PRIMARY KEY,"
                               " last_sequence INTEGER NOT NULL)"));
            run(QStringLiteral("INSERT INTO quote_numbers (year, last_sequence)"
                               " SELECT year, MAX(sequence) FROM quotes GROUP BY year"));
            run(QStringLiteral("CREATE TABLE quote_revisions (year INTEGER NOT NULL,"
                               " sequence INTEGER NOT NULL, last_revision INTEGER NOT NULL,"
                               " PRIMARY KEY (year, sequence))"));
            run(QStringLiteral("INSERT INTO quote_revisions (year, sequence, last_revision)"
                               " SELECT year, sequence, MAX(revision) FROM quotes"
                               " GROUP BY year, sequence"));
            if (!Server)
                run(QStringLiteral(
                    "CREATE TABLE outbox (login TEXT NOT NULL, sequence INTEGER NOT NULL,"
                    " revision INTEGER NOT NULL, saved TEXT NOT NULL, \"user\" TEXT NOT NULL,"
                    " company TEXT NOT NULL, author TEXT NOT NULL, quote_date TEXT NOT NULL,"
                    " job_number TEXT NOT NULL, proposal_number TEXT NOT NULL,"
                    " currency TEXT NOT NULL, total REAL NOT NULL, lines INTEGER NOT NULL,"
                    " file TEXT NOT NULL, part_numbers TEXT NOT NULL, order_bytes BLOB NOT NULL,"
                    " order_hash TEXT NOT NULL, record_key TEXT NOT NULL, base TEXT NOT NULL,"
                    " sent_year INTEGER NOT NULL DEFAULT 0,"
                    " sent_sequence INTEGER NOT NULL DEFAULT 0,"
                    " sent_revision INTEGER NOT NULL DEFAULT 0,"
                    " send_problem TEXT NOT NULL DEFAULT '', search_text TEXT NOT NULL,"
                    " PRIMARY KEY (login, sequence, revision))"));
        }
        if (version < SchemaVersion) {
            if (!Server)
                run(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
            else {
                if (version == 0)
                    run(QStringLiteral("CREATE TABLE archive_schema (version INTEGER NOT NULL)"));
                run(QStringLiteral("DELETE FROM archive_schema"));
                run(QStringLiteral("INSERT INTO archive_schema (version) VALUES (%1)")
                        .arg(SchemaVersion));
            }
        }
        exec(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
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

bool TQuoteArchive::OnServer() const
{
    return Server;
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
#ifdef Q_OS_UNIX
    // A service or a cron job may run without them: the account's own name.
    if (const passwd* account = getpwuid(geteuid()); account != nullptr && account->pw_name)
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return QStringLiteral("unknown");
}

namespace {

// Runs body in one transaction of the archive's connection: committed when it returns, rolled
// back when it throws.
template <typename TBody>
auto InTransaction(const QString& connection, const QString& where, bool server, TBody body)
{
    QSqlDatabase database = QSqlDatabase::database(connection, false);
    QSqlQuery begin(database);
    if (!begin.exec(server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        throw ArchiveFailure(begin.lastError().text(), where);
    try {
        auto result = body();
        QSqlQuery commit(database);
        if (!commit.exec(QStringLiteral("COMMIT")))
            throw ArchiveFailure(commit.lastError().text(), where);
        return result;
    } catch (...) {
        QSqlQuery(database).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace

TQuoteReference TQuoteArchive::Record(const TQuoteRecord& record, const QDateTime& when,
                                      const QString& user)
{
    return RecordRow(RowOf(record, when, user), record.Reference, QString());
}

TQuoteReference TQuoteArchive::RecordRow(const TRow& row, const TQuoteReference& reference,
                                         const QString& localNumber)
{
    const auto statement = [this](const QString& sql) {
        return TStatement(Connection, Where, Sql(sql));
    };
    return InTransaction(Connection, Where, Server, [&] {
        // A record kept already (its first sending was cut short after the commit, or two copies
        // send it at once): the same. The lock makes the second wait for the first.
        if (Server)
            statement(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(?))"))
                .Bind(row.Key)
                .Run();
        QSqlQuery kept = statement(QStringLiteral("SELECT year, sequence, revision FROM quotes"
                                                  " WHERE record_key = ?"))
                             .Bind(row.Key)
                             .Run();
        if (kept.next())
            return TQuoteReference{kept.value(0).toInt(), kept.value(1).toInt(),
                                   kept.value(2).toInt(), QString()};
        TQuoteReference quote = reference;
        if (quote.IsLocal()) {
            // A file of a local quote this archive got from another computer.
            QSqlQuery known = statement(QStringLiteral("SELECT year, sequence FROM quotes WHERE"
                                                       " local_number LIKE ? ESCAPE '!' ORDER BY"
                                                       " year DESC, sequence DESC LIMIT 1"))
                                  .Bind(ContainsPattern(quote.Number() + QLatin1Char('/')).mid(1))
                                  .Run();
            quote = known.next() ? TQuoteReference{known.value(0).toInt(), known.value(1).toInt(),
                                                   1, QString()}
                                 : TQuoteReference();
        }
        TQuoteReference result;
        if (quote.IsValid()) {
            if (Server)
                statement(QStringLiteral("SELECT pg_advisory_xact_lock(?, ?)"))
                    .Bind(quote.Year)
                    .Bind(quote.Sequence)
                    .Run();
            // The next revision follows the last one given, deleted or not; an unchanged order
            // is its latest revision.
            QSqlQuery last = statement(QStringLiteral("SELECT last_revision FROM quote_revisions"
                                                      " WHERE year = ? AND sequence = ?"))
                                 .Bind(quote.Year)
                                 .Bind(quote.Sequence)
                                 .Run();
            if (last.next()) {
                result = {quote.Year, quote.Sequence, last.value(0).toInt() + 1, QString()};
                QSqlQuery latest =
                    statement(QStringLiteral("SELECT revision, order_hash FROM quotes WHERE"
                                             " year = ? AND sequence = ? ORDER BY revision"
                                             " DESC LIMIT 1"))
                        .Bind(quote.Year)
                        .Bind(quote.Sequence)
                        .Run();
                if (latest.next() && latest.value(1).toString() == row.Hash)
                    return TQuoteReference{quote.Year, quote.Sequence, latest.value(0).toInt(),
                                           QString()};
            }
        }
        if (!result.IsValid()) {
            QSqlQuery next =
                statement(QStringLiteral("INSERT INTO quote_numbers (year, last_sequence)"
                                         " VALUES (?, 1) ON CONFLICT (year) DO UPDATE SET"
                                         " last_sequence = quote_numbers.last_sequence + 1"
                                         " RETURNING last_sequence"))
                    .Bind(row.Year)
                    .Run();
            result = {row.Year, next.next() ? next.value(0).toInt() : 0, 1, QString()};
        }
        QSqlQuery inserted =
            statement(
                QStringLiteral("INSERT INTO quotes (year, sequence, revision, saved, \"user\","
                               " company, author, quote_date, job_number, proposal_number,"
                               " currency, total, lines, file, part_numbers, order_bytes,"
                               " order_hash, local_number, record_key, recorded_by) VALUES"
                               " (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                               " %WHO%) RETURNING %ID%"))
                .Bind(result.Year)
                .Bind(result.Sequence)
                .Bind(result.Revision)
                .BindRow(row)
                .Bind(localNumber)
                .Bind(row.Key)
                .Run();
        const qint64 id = inserted.next() ? inserted.value(0).toLongLong() : 0;
        inserted.finish();
        statement(QStringLiteral("INSERT INTO quote_revisions (year, sequence, last_revision)"
                                 " VALUES (?, ?, ?) ON CONFLICT (year, sequence) DO UPDATE SET"
                                 " last_revision = excluded.last_revision"))
            .Bind(result.Year)
            .Bind(result.Sequence)
            .Bind(result.Revision)
            .Run();
        statement(QStringLiteral("INSERT INTO quote_search (quote, text) VALUES (?, ?)"))
            .Bind(id)
            .Bind(SearchText(result.Number(), row.Details, row.PartNumbers))
            .Run();
        if (Server && BeforeCommit)
            BeforeCommit();
        return result;
    });
}

QList<TArchivedQuote> TQuoteArchive::Search(const QString& text, int limit) const
{
    // Both sides lower-cased: LIKE compares case-sensitively (set when a file archive opens),
    // which is the faster way.
    QSqlQuery rows =
        TStatement(Connection, Where,
                   Sql(QStringLiteral("SELECT %1 FROM quote_search JOIN quotes ON quotes.%ID% ="
                                      " quote_search.quote WHERE quote_search.text LIKE ? ESCAPE"
                                      " '!' ORDER BY quotes.saved DESC, quotes.%ID% DESC LIMIT ?")
                           .arg(QString::fromLatin1(QuoteColumns)
                                    .replace(QLatin1String("order_bytes"), QLatin1String("''")))))
            .Bind(ContainsPattern(text.trimmed().toLower()))
            .Bind(limit)
            .Run();
    QList<TArchivedQuote> quotes;
    while (rows.next())
        quotes.append(QuoteOfRow(rows));
    return quotes;
}

std::optional<TArchivedQuote> TQuoteArchive::Find(const TQuoteReference& reference) const
{
    // A local number is one of the records held here for a server.
    const bool held = reference.IsLocal();
    if (held && Server)
        return std::nullopt;
    QSqlQuery row =
        TStatement(Connection, Where,
                   held ? QStringLiteral("SELECT %1 FROM outbox WHERE login = ? AND sequence = ?"
                                         " AND revision = ?")
                              .arg(QLatin1String(OutboxColumns))
                        : QStringLiteral("SELECT %1 FROM quotes WHERE year = ? AND sequence = ?"
                                         " AND revision = ?")
                              .arg(QLatin1String(QuoteColumns)))
            .Bind(held ? QVariant(reference.Login) : QVariant(reference.Year))
            .Bind(reference.Sequence)
            .Bind(reference.Revision)
            .Run();
    if (!row.next())
        return std::nullopt;
    return held ? HeldOfRow(row) : QuoteOfRow(row);
}

bool TQuoteArchive::Remove(const TQuoteReference& reference, const QString& onlyBy)
{
    if (reference.IsLocal())
        return false;
    // On a server, one's own also means recorded by this database user.
    const QString who =
        onlyBy.isEmpty()
            ? QString()
            : QStringLiteral(" AND \"user\" = ?") +
                  (Server ? QStringLiteral(" AND recorded_by = session_user") : QString());
    const auto statement = [this](const QString& sql) {
        return TStatement(Connection, Where, Sql(sql));
    };
    return InTransaction(Connection, Where, Server, [&] {
        TStatement search =
            statement(QStringLiteral("DELETE FROM quote_search WHERE quote IN (SELECT %ID% FROM"
                                     " quotes WHERE year = ? AND sequence = ? AND revision = ?%1)")
                          .arg(who));
        TStatement quote = statement(
            QStringLiteral("DELETE FROM quotes WHERE year = ? AND sequence = ? AND revision = ?%1")
                .arg(who));
        for (TStatement* each : {&search, &quote}) {
            each->Bind(reference.Year).Bind(reference.Sequence).Bind(reference.Revision);
            if (!onlyBy.isEmpty())
                each->Bind(onlyBy);
        }
        search.Run();
        const QSqlQuery removed = quote.Run();
        return removed.numRowsAffected() > 0;
    });
}

// --- Records waiting for the server -----------------------------------------------------------

TQuoteReference TQuoteArchive::Hold(const TQuoteRecord& record, const QDateTime& when,
                                    const QString& user, const QString& login)
{
    const auto statement = [this](const QString& sql) {
        return TStatement(Connection, Where, sql);
    };
    const TRow row = RowOf(record, when, user);
    const QString owner = TQuoteReference::LocalLogin(login);
    return InTransaction(Connection, Where, false, [&] {
        TQuoteReference result;
        // What the first sending revises: the quote the record's reference names.
        QString base = record.Reference.IsValid() ? record.Reference.Text() : QString();
        if (record.Reference.IsLocal()) {
            QSqlQuery latest = statement(QStringLiteral("SELECT revision, order_hash, base FROM"
                                                        " outbox WHERE login = ? AND sequence = ?"
                                                        " ORDER BY revision DESC LIMIT 1"))
                                   .Bind(record.Reference.Login)
                                   .Bind(record.Reference.Sequence)
                                   .Run();
            if (latest.next()) {
                result = {0, record.Reference.Sequence, latest.value(0).toInt(),
                          record.Reference.Login};
                if (latest.value(1).toString() == row.Hash)
                    return result;
                ++result.Revision;
                base = latest.value(2).toString();
            }
        }
        if (!result.IsValid()) {
            QSqlQuery last =
                statement(
                    QStringLiteral("SELECT COALESCE(MAX(sequence), 0) FROM outbox WHERE login = ?"))
                    .Bind(owner)
                    .Run();
            result = {0, (last.next() ? last.value(0).toInt() : 0) + 1, 1, owner};
        }
        statement(QStringLiteral("INSERT INTO outbox (login, sequence, revision, saved, \"user\","
                                 " company, author, quote_date, job_number, proposal_number,"
                                 " currency, total, lines, file, part_numbers, order_bytes,"
                                 " order_hash, record_key, base, search_text) VALUES (?, ?, ?,"
                                 " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
            .Bind(result.Login)
            .Bind(result.Sequence)
            .Bind(result.Revision)
            .BindRow(row)
            .Bind(row.Key)
            .Bind(base)
            .Bind(SearchText(result.Number(), row.Details, row.PartNumbers))
            .Run();
        return result;
    });
}

QList<TArchivedQuote> TQuoteArchive::Waiting(const QString& text) const
{
    if (Server)
        return {};
    QSqlQuery rows = TStatement(Connection, Where,
                                QStringLiteral("SELECT %1 FROM outbox WHERE sent_year = 0 AND"
                                               " search_text LIKE ? ESCAPE '!' ORDER BY rowid")
                                    .arg(QLatin1String(OutboxColumns)))
                         .Bind(ContainsPattern(text.trimmed().toLower()))
                         .Run();
    QList<TArchivedQuote> quotes;
    while (rows.next())
        quotes.append(HeldOfRow(rows));
    return quotes;
}

bool TQuoteArchive::Answers() const
{
    return QSqlQuery(QSqlDatabase::database(Connection, false)).exec(QStringLiteral("SELECT 1"));
}

int TQuoteArchive::SendWaiting(TQuoteArchive& server, const std::function<bool()>& stop)
{
    if (Server)
        return 0;
    QSqlQuery rows = TStatement(Connection, Where,
                                QStringLiteral("SELECT %1 FROM outbox WHERE sent_year = 0"
                                               " ORDER BY rowid")
                                    .arg(QLatin1String(OutboxColumns)))
                         .Run();
    struct TWaiting {
        TQuoteReference Local;
        TRow Row;
        QString Base;
    };
    QList<TWaiting> waiting;
    while (rows.next()) {
        const TArchivedQuote quote = HeldOfRow(rows);
        TRow row;
        row.Year = quote.Saved.toLocalTime().date().year();
        row.Saved = rows.value(3).toString();
        row.User = quote.User;
        row.Details = quote.Details;
        row.Currency = quote.Currency;
        row.Total = quote.Total;
        row.Lines = quote.Lines;
        row.File = quote.File;
        row.PartNumbers = rows.value(20).toString();
        row.Bytes = rows.value(15).toByteArray();
        row.Hash = rows.value(21).toString();
        row.Key = rows.value(22).toString();
        waiting.append({quote.Reference, std::move(row), rows.value(23).toString()});
    }
    rows.finish();
    int sent = 0;
    // Local quotes one of whose revisions the server refused: their later ones wait too, so that
    // they stay revisions of the same quote.
    QSet<QString> refused;
    for (const TWaiting& record : std::as_const(waiting)) {
        if (stop && stop())
            break;
        if (refused.contains(record.Local.Number()))
            continue;
        // A later revision goes where the earlier ones went; the first to the quote it revises.
        const TQuoteReference target =
            SentAs(record.Local)
                .value_or(TQuoteReference::Parse(record.Base).value_or(TQuoteReference()));
        TQuoteReference number;
        QString problem;
        try {
            number = server.RecordRow(record.Row, target, record.Local.Text());
        } catch (const TDataError& error) {
            // The server away: the rest waits for the next time. The server refusing this one:
            // it waits, with the reason, and the others go on.
            if (!server.Answers())
                throw;
            problem = error.Message;
            refused.insert(record.Local.Number());
        }
        TStatement(Connection, Where,
                   QStringLiteral("UPDATE outbox SET sent_year = ?, sent_sequence = ?,"
                                  " sent_revision = ?, send_problem = ? WHERE login = ? AND"
                                  " sequence = ? AND revision = ?"))
            .Bind(number.Year)
            .Bind(number.Sequence)
            .Bind(number.Revision)
            .Bind(problem)
            .Bind(record.Local.Login)
            .Bind(record.Local.Sequence)
            .Bind(record.Local.Revision)
            .Run();
        if (problem.isEmpty())
            ++sent;
    }
    return sent;
}

std::optional<TQuoteReference> TQuoteArchive::SentAs(const TQuoteReference& local) const
{
    if (Server || !local.IsLocal())
        return std::nullopt;
    QSqlQuery sent = TStatement(Connection, Where,
                                QStringLiteral("SELECT sent_year, sent_sequence, sent_revision"
                                               " FROM outbox WHERE login = ? AND sequence = ? AND"
                                               " sent_year > 0 ORDER BY revision DESC LIMIT 1"))
                         .Bind(local.Login)
                         .Bind(local.Sequence)
                         .Run();
    if (!sent.next())
        return std::nullopt;
    return TQuoteReference{sent.value(0).toInt(), sent.value(1).toInt(), sent.value(2).toInt(),
                           QString()};
}
