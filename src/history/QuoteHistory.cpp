#include "QuoteHistory.h"

#include "QuoteArchive.h"
#include "base/DataError.h"
#include "base/Translate.h"
#include "main/WindowHost.h"

namespace {

QString ArchivePath;

} // namespace

QString QuoteArchivePath()
{
    return ArchivePath.isEmpty() ? TQuoteArchive::DefaultPath() : ArchivePath;
}

void SetQuoteArchivePath(const QString& path)
{
    ArchivePath = path;
}

void RecordOrderQuote(TWindowHost& host, const QString& file)
{
    const TOrder& order = host.CurrentOrder();
    TQuoteRecord record;
    record.OrderLines = order.OrderLines;
    record.Info = order.Info;
    record.File = file;
    record.Reference = TQuoteReference::Parse(order.Info.Quote).value_or(TQuoteReference());
    try {
        TQuoteArchive archive(QuoteArchivePath());
        const TQuoteReference reference =
            archive.Record(record, QDateTime::currentDateTime(), TQuoteArchive::LoginName());
        host.SetOrderQuote(reference.Text());
        host.ShowStatus(Tr("QuoteHistory", "Recorded as quote %1, revision %2.")
                            .arg(reference.Number())
                            .arg(reference.Revision));
    } catch (const TDataError& error) {
        host.ShowStatus(
            Tr("QuoteHistory", "Not recorded in the quote history: %1").arg(error.FullText()));
    }
}
