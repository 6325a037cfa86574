#include "ArchiveSteps.h"

#include "history/QuoteArchive.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdio>

namespace {

const char* const Companies[] = {"Harbour Towers", "Riverside Site", "Hilltop Radio",
                                 "Northern Grid",  "Metro Cell",     "Coastal Link"};

// The quotes written in one transaction, in the archive's own columns (the archive records one
// at a time, as users save them).
void FillArchive(const QString& path, int quotes)
{
    {
        const TQuoteArchive made(path); // the schema
    }
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        database.setDatabaseName(path);
        if (!database.open())
            BenchFailure(QStringLiteral("cannot open the archive"));
        QSqlQuery query(database);
        query.exec(QStringLiteral("BEGIN"));
        query.prepare(QStringLiteral(
            "INSERT INTO quotes (year, sequence, revision, saved, user, company, author,"
            " quote_date, job_number, proposal_number, currency, total, lines, file, part_numbers,"
            " order_bytes, order_hash) VALUES (?, ?, 1, ?, 'bench', ?, 'Ann Lee', '', ?, ?, 'USD',"
            " ?, 3, '', ?, ?, '')"));
        QSqlQuery search(database);
        search.prepare(QStringLiteral(
            "INSERT INTO quote_search (quote, text) VALUES (last_insert_rowid(), ?)"));
        // An order file of three lines and its header, as saved orders are.
        const QByteArray order(2048, 'o');
        const QDateTime start(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
        for (int n = 1; n <= quotes; ++n) {
            const int year = 2020 + n * 6 / (quotes + 1);
            const QString company =
                QLatin1String(Companies[n % 6]) + QLatin1Char(' ') + QString::number(n % 997);
            const QString job = QStringLiteral("J-%1").arg(n);
            const QString proposal = QStringLiteral("P-%1").arg(n * 7);
            const QString parts = QStringLiteral("KJ4-DMDM-%1\nKRV4-50B\nV4DM-P").arg(n % 50);
            const QString number =
                QStringLiteral("Q-%1-%2").arg(year).arg(n, 5, 10, QLatin1Char('0'));
            query.addBindValue(year);
            query.addBindValue(n);
            query.addBindValue(start.addSecs(qint64(n) * 600).toString(Qt::ISODateWithMs));
            query.addBindValue(company);
            query.addBindValue(job);
            query.addBindValue(proposal);
            query.addBindValue(n * 1.5);
            query.addBindValue(parts);
            query.addBindValue(order);
            search.addBindValue(
                QStringList{number, company, QStringLiteral("Ann Lee"), job, proposal, parts}
                    .join(QLatin1Char('\n'))
                    .toLower());
            if (!query.exec() || !search.exec())
                BenchFailure(QStringLiteral("cannot fill the archive"));
        }
        query.exec(QStringLiteral("COMMIT"));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
}

// The same quotes on a server, made there in two statements.
void FillServerArchive(const TArchiveServer& server, int quotes)
{
    {
        const TQuoteArchive made(server); // the schema
    }
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench-fill"));
        database.setHostName(server.Host);
        database.setPort(server.Port);
        database.setDatabaseName(server.Database);
        database.setUserName(server.User);
        database.setPassword(server.Password);
        if (!database.open())
            BenchFailure(QStringLiteral("cannot open the server archive"));
        QSqlQuery query(database);
        const bool filled =
            query.exec(QStringLiteral("TRUNCATE quotes, quote_search, quote_numbers")) &&
            query.exec(
                QStringLiteral(
                    "INSERT INTO quotes (year, sequence, revision, saved, \"user\", company,"
                    " author, quote_date, job_number, proposal_number, currency, total, lines,"
                    " file, part_numbers, order_bytes, order_hash)"
                    " SELECT 2020 + n * 6 / (%1 + 1), n, 1,"
                    " to_char(timestamp '2020-01-01 08:00' + n * interval '10 minutes',"
                    " 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), 'bench',"
                    " (ARRAY['Harbour Towers', 'Riverside Site', 'Hilltop Radio',"
                    " 'Northern Grid', 'Metro Cell', 'Coastal Link'])[n %% 6 + 1] || ' ' ||"
                    " (n %% 997), 'Ann Lee', '', 'J-' || n, 'P-' || (n * 7), 'USD', n * 1.5, 3,"
                    " '', 'KJ4-DMDM-' || (n %% 50) || E'\\nKRV4-50B\\nV4DM-P',"
                    " decode(repeat('6f', 2048), 'hex'), '' FROM generate_series(1, %1) n")
                    .arg(quotes)
                    .replace(QLatin1String("%%"), QLatin1String("%"))) &&
            query.exec(QStringLiteral(
                "INSERT INTO quote_search (quote, text) SELECT id, lower(concat_ws(E'\\n',"
                " 'Q-' || year || '-' || lpad(sequence::text, 5, '0'), company, author,"
                " job_number, proposal_number, part_numbers)) FROM quotes")) &&
            query.exec(QStringLiteral("ANALYZE"));
        if (!filled)
            BenchFailure(QStringLiteral("cannot fill the server archive"));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
}

QList<TStepResult> MeasureSearches(TQuoteArchive& archive, const QString& label, int quotes,
                                   int runs)
{
    QList<TStepResult> results;
    const struct {
        const char* Name;
        QString Text;
        int AtLeast;
    } searches[] = {
        {"a company", QStringLiteral("riverside site 1"), 1},
        {"a quote number", QStringLiteral("-%1").arg(quotes / 2, 5, 10, QLatin1Char('0')), 1},
        {"a part number", QStringLiteral("kj4-dmdm-17"), 1},
        {"nothing found", QStringLiteral("no such words"), 0}};
    for (const auto& search : searches) {
        int found = 0;
        results.append(MeasureStep(
            label + QLatin1String(search.Name), runs, false, [](int) {},
            [&](int) { found = int(archive.Search(search.Text, 1000).size()); },
            [&](int) {
                return found >= search.AtLeast ? QString()
                                               : QStringLiteral("the search found nothing");
            }));
    }
    return results;
}

} // namespace

QList<TStepResult> MeasureArchiveSearches(int quotes, int runs)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("quotes.db"));
    FillArchive(path, quotes);
    TQuoteArchive archive(path);
    return MeasureSearches(archive, QStringLiteral("archive of %L1 quotes: search ").arg(quotes),
                           quotes, runs);
}

QList<TStepResult> MeasureServerArchiveSearches(const TArchiveServer& server, int quotes, int runs)
{
    FillServerArchive(server, quotes);
    TQuoteArchive archive(server);
    return MeasureSearches(
        archive, QStringLiteral("server archive of %L1 quotes: search ").arg(quotes), quotes, runs);
}
