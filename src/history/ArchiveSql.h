#pragma once

// What the quote archive's files share: its statements, transactions, columns and texts. For
// the archive's own code only.

#include "QuoteArchive.h"

#include "base/DataError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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

namespace ArchiveSql {

// "Q-2026-00042"
QString NumberText(int year, int sequence);
// What a search looks in, lower-cased: the number, company, author, job and proposal numbers and
// the part numbers, a line each.
QString SearchText(const QString& number, const TOrderDetails& details, const QString& partNumbers);
// "The quote archive cannot be used: " and the reason.
TDataError ArchiveError(const QString& reason);
// A failure the database reported, with its own text as the reason; naming the file of a file
// archive (file is empty for a server's).
TDataError ArchiveFailure(const QString& reported, const QString& file);
// A LIKE pattern matching text anywhere, with '!' escaping its wildcards (ESCAPE '!': a
// backslash would depend on the server's settings).
QString ContainsPattern(const QString& text);
// A new record's own key.
QString NewRecordKey();

// The columns of a quote as QuoteOfRow reads them, then its order.
inline constexpr const char* QuoteColumns =
    "year, sequence, revision, saved, \"user\", company, author, quote_date, job_number,"
    " proposal_number, currency, total, lines, file, local_number, order_bytes";
// The same of a held record, then its login, the number it was sent as, its part numbers, hash,
// key and the reference it revises.
inline constexpr const char* OutboxColumns =
    "0, sequence, revision, saved, \"user\", company, author, quote_date, job_number,"
    " proposal_number, currency, total, lines, file, '', order_bytes, login, sent_year,"
    " sent_sequence, sent_revision, part_numbers, order_hash, record_key, base";
TArchivedQuote QuoteOfRow(const QSqlQuery& row);
// A held record, from a row of OutboxColumns.
TArchivedQuote HeldOfRow(const QSqlQuery& row);

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

} // namespace ArchiveSql
