// The records a file archive holds while a team's server cannot be reached, and their sending.

#include "ArchiveSql.h"

#include <QSet>

using namespace ArchiveSql;

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
