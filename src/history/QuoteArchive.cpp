#include "QuoteArchive.h"

#include "ArchiveSql.h"
#include "base/Translate.h"
#include "order/OrderFile.h"
#include "pricing/Currencies.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <functional>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

using namespace ArchiveSql;

namespace {

QAtomicInt Connections;

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
