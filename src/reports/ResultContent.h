#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What every output takes from the shown result page, exactly as the page displays it: the
// final summary, the custom parts list or the order, and the three notices. Texts are not
// trimmed or escaped here; the final summary's description keeps its carriage returns.

enum class TContentKind { FinalSummary, PartsList, Order };

// The row of the final summary that holds the price.
inline constexpr qsizetype SummaryPriceRow = 2;

struct TLabelValue {
    QString Label;
    QString Value;
};

struct TResultContent {
    TContentKind Kind = TContentKind::FinalSummary;
    // Final summary: its ten rows (the price at SummaryPriceRow).
    QList<TLabelValue> Rows;
    // Parts list and order: the six column headings as displayed, and six cells per grid row.
    QStringList Headings;
    QList<QStringList> GridRows;
    // Parts list and order: the total's caption ("Total (USD):", "Order Total:") and text. The
    // outputs of an order write the fixed caption "Order Total:".
    QString TotalLabel;
    QString TotalValue;
    // Parts list: the seven performance rows.
    QList<TLabelValue> Performance;

    // Order: the code of its currency when it is not US dollars ("EUR"); its outputs then name it
    // in their price headings and total caption ("Price (EUR)", "Order Total (EUR):").
    QString OrderCurrencyCode;

    // Notices.
    bool ForeignCurrency = false; // a currency other than US dollars is chosen
    QString RatesDate;            // the date of the exchange rates
    QString ReminderCaption;      // the summary page's reminder label
    QString LastUpdateDate;       // the pricing database's date, as the result pages show it
    QDate LastUpdateDay;          // the same date, for documents that write it in full
};

// The notice texts, without their labels.
QString ForeignCurrencyNotice(const TResultContent& content);
QString ReminderNotice(const TResultContent& content);
QString LastUpdateNotice(const TResultContent& content);

// What the outputs write besides the grid: the label/value rows after it (the summary's rows,
// the parts list's performance rows), the total's caption, and the notices with their labels.
const QList<TLabelValue>& ContentLabelValueRows(const TResultContent& content);
QString ContentTotalCaption(const TResultContent& content);
QList<TLabelValue> ContentNotices(const TResultContent& content);
// The notices of a document the buyer receives (the workbook): the foreign-currency notice and
// the pricing date with its year in four digits; the reminder to update speaks to the seller and
// is left out.
QList<TLabelValue> BuyerNotices(const TResultContent& content);
// The pricing-date notice of such a document, its year in four digits.
QString BuyerLastUpdateNotice(const TResultContent& content);

// The outputs. Files use CR LF after every line; the clipboard text uses a carriage return alone.
// The HTML escapes &, <, > and " in every text it inserts. Line breaks inside a value (the final
// summary's description) are kept as they are in every output.
QString TextExport(const TResultContent& content);
QString HtmlExport(const TResultContent& content);
QString SpreadsheetExport(const TResultContent& content);
QString ClipboardText(const TResultContent& content);

// The printed report's entries, name=value, in print order.
QStringList ReportEntries(const TResultContent& content);

// The bytes an export file holds: Windows-1252 when every character fits, else UTF-8 with a
// byte-order mark.
QByteArray ExportBytes(const QString& text);

// Writes an export file atomically. Throws TDataError naming the file when it cannot be written;
// a failed write leaves no partial file behind.
void WriteExportFile(const QString& path, const QString& text);
