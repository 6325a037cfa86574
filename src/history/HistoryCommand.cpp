#include "HistoryCommand.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/Translate.h"
#include "quote/Csv.h"
#include "QuoteArchive.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString Usage()
{
    return Tr("HistoryCommand", "Usage: ferrolyn history [--search TEXT] [--json]\n"
                                "Lists the quote archive, newest first: number, revision, date, "
                                "company, total, currency and lines.\n"
                                "  --search TEXT  only quotes whose company, number, job or "
                                "proposal number, author or part numbers contain TEXT\n"
                                "  --json         write JSON instead of CSV\n");
}

} // namespace

int RunHistoryCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                      const QString& archivePath, const TArchiveSetting& setting)
{
    QString search;
    bool json = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            out.write(Usage().toUtf8());
            return 0;
        }
        if (argument == QLatin1String("--json"))
            json = true;
        else if (argument == QLatin1String("--search") && i + 1 < arguments.size())
            search = arguments.at(++i);
        else {
            err.write((Tr("HistoryCommand", "Unknown argument \"%1\".").arg(argument) +
                       QLatin1Char('\n') + Usage())
                          .toUtf8());
            return 2;
        }
    }
    QList<TArchivedQuote> quotes;
    try {
        quotes = OpenQuoteArchive(setting, archivePath)->Search(search);
    } catch (const TDataError& error) {
        err.write((error.FullText() + QLatin1Char('\n')).toUtf8());
        return 2;
    }
    // Data, as the batch output is: the same bytes in every language and locale.
    const auto date = [](const TArchivedQuote& quote) {
        return quote.Saved.toLocalTime().date().toString(Qt::ISODate);
    };
    const auto total = [](const TArchivedQuote& quote) {
        return QString::number(quote.Total, 'f', 2);
    };
    QByteArray bytes;
    if (json) {
        QJsonArray rows;
        for (const TArchivedQuote& quote : std::as_const(quotes))
            rows.append(QJsonObject{{QStringLiteral("number"), quote.Reference.Number()},
                                    {QStringLiteral("revision"), quote.Reference.Revision},
                                    {QStringLiteral("date"), date(quote)},
                                    {QStringLiteral("company"), quote.Details.CompanyName},
                                    {QStringLiteral("total"), total(quote)},
                                    {QStringLiteral("currency"), quote.Currency},
                                    {QStringLiteral("lines"), quote.Lines}});
        bytes = QJsonDocument(rows).toJson();
    } else {
        QString text =
            CsvLine({QStringLiteral("number"), QStringLiteral("revision"), QStringLiteral("date"),
                     QStringLiteral("company"), QStringLiteral("total"), QStringLiteral("currency"),
                     QStringLiteral("lines")}) +
            QStringLiteral("\r\n");
        for (const TArchivedQuote& quote : std::as_const(quotes))
            text += CsvLine({quote.Reference.Number(), QString::number(quote.Reference.Revision),
                             date(quote), SpreadsheetText(quote.Details.CompanyName), total(quote),
                             quote.Currency, QString::number(quote.Lines)}) +
                    QStringLiteral("\r\n");
        bytes = text.toUtf8();
    }
    if (out.write(bytes) != bytes.size()) {
        err.write(
            (Tr("HistoryCommand", "The list could not be written: %1").arg(out.errorString()) +
             QLatin1Char('\n'))
                .toUtf8());
        return 2;
    }
    return 0;
}

QString RecordBatchQuote(const QList<TOrderLine>& orderLines, int currencyTag,
                         const QString& archivePath, const TArchiveSetting& setting)
{
    TQuoteRecord record;
    record.OrderLines = orderLines;
    record.Info.CurrencyTag = currencyTag;
    record.Info.Details.Date = QuoteDateToday();
    const TRecorded recorded =
        RecordQuote(setting, archivePath, record, QDateTime::currentDateTime(),
                    TQuoteArchive::LoginName(), TQuoteArchive::LoginName());
    if (!recorded.Held)
        return recorded.Reference.Text();
    return Tr("HistoryCommand", "%1 (kept on this computer, not yet sent: %2)")
        .arg(recorded.Reference.Text(), recorded.Problem.simplified());
}
