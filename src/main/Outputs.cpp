#include "TfrmMain.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "documents/OrderDocument.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "pricing/Currencies.h"
#include "pricing/PricingDate.h"
#include "reports/MPReporter.h"
#include "UiHelpers.h"
#include "update/UpdateIni.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>

namespace {

QStringList Headings(const QTableWidget* grid, int count)
{
    QStringList headings;
    for (int column = 0; column < count; ++column) {
        const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
        headings.append(item != nullptr ? item->text() : QString());
    }
    return headings;
}

QList<QStringList> Rows(const QTableWidget* grid, int count)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < count; ++column)
            cells.append(CellText(grid, row, column));
        rows.append(cells);
    }
    return rows;
}

QList<TLabelValue> LabelValues(const QTableWidget* grid)
{
    QList<TLabelValue> rows;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows.append({CellText(grid, row, 0), CellText(grid, row, 1)});
    return rows;
}

} // namespace

TResultContent TfrmMain::ResultContent()
{
    TResultContent content;
    switch (CurrentPage()) {
    case TPage::Final:
        content.Kind = TContentKind::FinalSummary;
        content.Rows = LabelValues(grdFinal);
        // The description as made, with its line breaks.
        if (const QTableWidgetItem* description = grdFinal->item(1, 1))
            content.Rows[1].Value = description->data(Qt::UserRole).toString();
        break;
    case TPage::NoPN:
        content.Kind = TContentKind::PartsList;
        content.Headings = Headings(grdJumper, 6);
        content.GridRows = Rows(grdJumper, 6);
        content.TotalLabel = lblTotal->text();
        content.TotalValue = edTotal->text();
        content.Performance = LabelValues(grdJumperspecs);
        break;
    default: {
        content.Kind = TContentKind::Order;
        content.Headings = Headings(grdOrder, 6);
        const TOrderTotals totals = OrderTotals(Order.OrderLines);
        content.GridRows = OrderRowsShown(Order.OrderLines, totals);
        content.TotalLabel = lblOrderTotal->text();
        content.TotalValue = FormatFixed2(totals.Total);
        break;
    }
    }
    // The order's prices are in its own currency, not the one chosen now.
    content.ForeignCurrency = content.Kind == TContentKind::Order && Order.Info.CurrencyTag > 0
                                  ? Order.Info.CurrencyTag != UsDollarTag
                                  : !UsDollarsChosen();
    if (content.Kind == TContentKind::Order && content.ForeignCurrency)
        content.OrderCurrencyCode = CurrencyCode(Order.Info.CurrencyTag > 0 ? Order.Info.CurrencyTag
                                                                            : CurrentCurrencyTag());
    content.RatesDate = RatesDate;
    content.ReminderCaption = lblReminder->text();
    // An order opened before any result page was shown still names the pricing date.
    if (!LastUpdateDay.isValid())
        LastUpdateDay = LastPriceUpdate(AppPaths::UpdateIniFile(), QDate::currentDate());
    content.LastUpdateDate = ShortDateText(LastUpdateDay);
    content.LastUpdateDay = LastUpdateDay;
    return content;
}

void TfrmMain::ExportToFile(const QString& filter, const QString& suffix, const QString& text)
{
    const QString path =
        FileDialogs::GetSaveFileName(this, tr("Export"), TDialogFolder::Exports, filter, suffix,
                                     ProposedFileName(*this, suffix));
    if (path.isEmpty())
        return;
    try {
        WriteExportFile(path, text);
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        return;
    }
    Dialogs::OpenUrl(QUrl::fromLocalFile(path));
}

void TfrmMain::ToATextFile1Click()
{
    ExportToFile(tr("Text Files (*.txt)"), QStringLiteral("txt"), TextExport(ResultContent()));
}

void TfrmMain::ToanHTMLDocument1Click()
{
    ExportToFile(tr("HTML Files (*.html)"), QStringLiteral("html"), HtmlExport(ResultContent()));
}

void TfrmMain::ToanMSExcelSpreadsheet1Click()
{
    ExportToFile(tr("Excel Files (*.xls)"), QStringLiteral("xls"),
                 SpreadsheetExport(ResultContent()));
}

void TfrmMain::CopyToClipboard1Click()
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ClipboardText(ResultContent()));
}

void TfrmMain::Print1Click()
{
    MPReporter1->ReportValues = ReportEntries(ResultContent());
    MPReporter1->PrintReport(this);
}
