#include "QuoteDocument.h"

#include "base/LineFormat.h"
#include "base/Translate.h"

QList<TLabelValue> OrderDetailRows(const TOrderDetails& details, qsizetype* dateRow)
{
    constexpr qsizetype DateCaption = 2;
    const QList<TLabelValue> captions = {
        {Tr("QuoteDocument", "Company:"), details.CompanyName},
        {Tr("QuoteDocument", "Prepared by:"), details.Author},
        {Tr("QuoteDocument", "Date:"), DocumentOrderDate(details.Date)},
        {Tr("QuoteDocument", "Job Number:"), details.JobNumber},
        {Tr("QuoteDocument", "Proposal Number:"), details.ProposalNumber}};
    if (dateRow != nullptr)
        *dateRow = -1;
    QList<TLabelValue> rows;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (captions.at(i).Value.trimmed().isEmpty())
            continue;
        if (i == DateCaption && dateRow != nullptr)
            *dateRow = rows.size();
        rows.append(captions.at(i));
    }
    return rows;
}

TQuoteDocument QuoteDocumentOf(const TResultContent& order, const TOrderDetails& details,
                               const QString& currencyCode, const QString& quoteReference)
{
    TQuoteDocument quote;
    quote.Title = Tr("QuoteDocument", "Quotation");
    quote.Details = OrderDetailRows(details);
    // "Q-2026-00042/2": the quote's number and revision, first among the details.
    const QStringList reference = quoteReference.split(QLatin1Char('/'));
    if (reference.size() == 2 && !reference.first().isEmpty() && !reference.last().isEmpty())
        quote.Details.prepend({QString(), Tr("QuoteDocument", "Quote %1, revision %2")
                                              .arg(reference.first(), reference.last())});

    quote.Headings = {Tr("QuoteDocument", "Qty."),
                      Tr("QuoteDocument", "UOM"),
                      Tr("QuoteDocument", "Part Number"),
                      Tr("QuoteDocument", "Description"),
                      Tr("QuoteDocument", "Unit Price (%1)").arg(currencyCode),
                      Tr("QuoteDocument", "Extended (%1)").arg(currencyCode)};
    const QString priceOnRequest = Tr("QuoteDocument", "Price on request");
    for (const QStringList& row : order.GridRows) {
        QStringList cells;
        for (int column = 0; column < QuoteColumnCount; ++column)
            cells.append(row.value(column).trimmed());
        double price = 0;
        if (!cells.at(2).isEmpty() && TryUserStrToFloat(cells.at(4), price) && price == 0) {
            cells[4] = cells[5] = priceOnRequest;
            quote.TotalNote =
                Tr("QuoteDocument", "The total leaves out the lines priced on request.");
        }
        quote.Rows.append(cells);
    }
    quote.TotalLabel = Tr("QuoteDocument", "Total (%1):").arg(currencyCode);
    quote.Total = order.TotalValue.trimmed();
    // The pricing date with its year in four digits; the seller's reminder to update is not the
    // buyer's business and stays out of the quote.
    quote.PricingDate = BuyerLastUpdateNotice(order);
    return quote;
}

bool IsQuoteNumberColumn(int column)
{
    return column == 0 || column == 4 || column == 5;
}
