#pragma once

#include "order/Order.h"
#include "reports/ResultContent.h"

#include <QList>
#include <QString>
#include <QStringList>

// The quote a customer receives for the order on the order page: its details, one row per item
// with the prices in the order's currency, the total, and the report's pricing-date line (its
// year in four digits). Every text is as shown (regional format); nothing the user typed is
// interpreted.
struct TQuoteDocument {
    QString Title;
    // The details that are not empty, each with its caption ("Company:").
    QList<TLabelValue> Details;
    // Qty., UOM, Part Number, Description, Unit Price (EUR), Extended (EUR).
    QStringList Headings;
    QList<QStringList> Rows;
    // "Total (EUR):" and the order total.
    QString TotalLabel;
    QString Total;
    // Under the total when some line is priced on request; empty otherwise.
    QString TotalNote;
    QString PricingDate;
};

inline constexpr int QuoteColumnCount = 6;

// The order's details that are not empty, each with its caption ("Company:"), the date as shown.
// dateRow, when given, is set to the position of the date among them (-1 without a date).
QList<TLabelValue> OrderDetailRows(const TOrderDetails& details, qsizetype* dateRow = nullptr);

// The quote of an order: content as the outputs take it from the order page, the order's details
// and the code of its currency ("USD"). A line with a part number priced 0.00 (a part without a
// list price) shows "Price on request" for its prices, and the total says it leaves them out.
TQuoteDocument QuoteDocumentOf(const TResultContent& order, const TOrderDetails& details,
                               const QString& currencyCode, const QString& quoteReference = {});

// Columns of numbers, right-aligned: quantity, unit price and extended price.
bool IsQuoteNumberColumn(int column);
