#include "QuoteDocument.h"

#include "base/LineFormat.h"

namespace {

const QString PriceOnRequest = QStringLiteral("Price on request");

} // namespace

QList<TLabelValue> OrderDetailRows(const TOrderDetails& details)
{
    const QList<TLabelValue> captions = {
        {QStringLiteral("Company:"), details.CompanyName},
        {QStringLiteral("Prepared by:"), details.Author},
        {QStringLiteral("Date:"), ShownOrderDate(details.Date)},
        {QStringLiteral("Job Number:"), details.JobNumber},
        {QStringLiteral("Proposal Number:"), details.ProposalNumber}};
    QList<TLabelValue> rows;
    for (const TLabelValue& detail : captions)
        if (!detail.Value.trimmed().isEmpty())
            rows.append(detail);
    return rows;
}

TQuoteDocument QuoteDocumentOf(const TResultContent& order, const TOrderDetails& details,
                               const QString& currencyCode)
{
    TQuoteDocument quote;
    quote.Title = QStringLiteral("Quotation");
    quote.Details = OrderDetailRows(details);

    const QString currency = QStringLiteral(" (") + currencyCode + QLatin1Char(')');
    quote.Headings = {QStringLiteral("Qty."),
                      QStringLiteral("UOM"),
                      QStringLiteral("Part Number"),
                      QStringLiteral("Description"),
                      QStringLiteral("Unit Price") + currency,
                      QStringLiteral("Extended") + currency};
    for (const QStringList& row : order.GridRows) {
        QStringList cells;
        for (int column = 0; column < QuoteColumnCount; ++column)
            cells.append(row.value(column).trimmed());
        double price = 0;
        if (!cells.at(2).isEmpty() && TryUserStrToFloat(cells.at(4), price) && price == 0) {
            cells[4] = cells[5] = PriceOnRequest;
            quote.TotalNote = QStringLiteral("The total leaves out the lines priced on request.");
        }
        quote.Rows.append(cells);
    }
    quote.TotalLabel = QStringLiteral("Total") + currency + QLatin1Char(':');
    quote.Total = order.TotalValue.trimmed();
    quote.PricingDate = LastUpdateNotice(order);
    quote.Reminder = ReminderNotice(order);
    return quote;
}

bool IsQuoteNumberColumn(int column)
{
    return column == 0 || column == 4 || column == 5;
}
