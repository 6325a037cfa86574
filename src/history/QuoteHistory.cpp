#include "QuoteHistory.h"

#include "base/DataError.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"
#include "documents/OrderDocument.h"
#include "main/WindowHost.h"
#include "order/OrderFile.h"
#include "platform/Dialogs.h"
#include "platform/Translation.h"
#include "QuoteArchive.h"
#include "TfrmQuoteHistory.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

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

TQuoteHistory::TQuoteHistory(TWindowHost& window) : QObject(&window.MainWindow()), Host(window)
{
    setObjectName(QStringLiteral("QuoteHistory"));
    QMainWindow& main = Host.MainWindow();
    QMenu* file = main.findChild<QMenu*>(QStringLiteral("File1"));
    QuoteHistory1 = new QAction(file);
    QuoteHistory1->setObjectName(QStringLiteral("QuoteHistory1"));
    BindText(QuoteHistory1, "text", TrKey("TQuoteHistory", "Quote Histo&ry..."));
    // Beside View Last Order: the orders of earlier days.
    QAction* before = main.findChild<QAction*>(QStringLiteral("QuickUpdate1"));
    file->insertAction(before, QuoteHistory1);
    connect(QuoteHistory1, &QAction::triggered, this, &TQuoteHistory::QuoteHistory1Click);
}

void TQuoteHistory::QuoteHistory1Click()
{
    TfrmQuoteHistory dialog(QuoteArchivePath(), &Host.MainWindow());
    if (dialog.exec() != QDialog::Accepted || !dialog.Chosen())
        return;
    auto* document = Host.MainWindow().findChild<TOrderDocument*>();
    if (document != nullptr && !document->MayReplace())
        return;
    // A copy: Chosen() gives the dialog's choice by value.
    const TArchivedQuote quote = *dialog.Chosen();
    try {
        TOrderFileContents contents =
            ParseOrderFile(TextLines(quote.Order), quote.Reference.Number());
        contents.Quote = quote.Reference.Text();
        Host.ShowOrder(contents);
    } catch (const TDataError& error) {
        Dialogs::Error(&Host.MainWindow(), error.FullText());
    }
}
