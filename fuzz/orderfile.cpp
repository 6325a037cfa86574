// Order files: read as File, Open reads them, written back exactly as WriteOrderFile writes, and
// read again; the second read must give the same order, and writing that gives the same bytes.

#include "FuzzSupport.h"

#include "base/DataError.h"
#include "base/SectionedFile.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "pricing/Currencies.h"

#include <algorithm>

namespace {

const QString FileName = QStringLiteral("order.fyn");

QString Text(const TOrderLine& line)
{
    return QStringList{line.Quantity.Text, line.Unit,           line.PartNumber,
                       line.Description,   line.UnitPrice.Text, line.Kind}
        .join(QLatin1Char('|'));
}

// What the order page does with an order it opened: totals, merging and deleting rows.
void OrderPage(const QList<TOrderLine>& orderLines)
{
    const TOrderTotals totals = OrderTotals(orderLines);
    Fuzz::Require(totals.Extended.size() == orderLines.size(), "a total per item line");

    QList<TOrderLine> lines = orderLines;
    for (const TOrderLine& line : orderLines.mid(0, 8)) {
        double quantity = 0;
        Fuzz::Require(ParseQuantity(line.Quantity.Text, quantity),
                      "an opened quantity is no number", Text(line));
        Fuzz::Require(QuantityText(quantity) == line.Quantity.Text,
                      "a quantity not in its own form", Text(line));
        Fuzz::Require(line.UnitPrice.Value.has_value(), "an opened price is no number", Text(line));
    }
    // Merged quantities may pass their bound, and then nothing is added.
    static_cast<void>(AddResultRows(lines, orderLines.mid(0, 8)));
    FlattenLineBreaks(lines);
    OrderTotals(lines);
    OrderRowsShown(lines, OrderTotals(lines));
    RemoveItems(lines, {0, 2, -1, 1000});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TOrderFileContents first;
    try {
        first = ParseOrderFile(TextLines(Fuzz::Bytes(data, size)), FileName);
    } catch (const TDataError& error) {
        // Not an order file: the program reports it and keeps the order it had.
        error.FullText();
        return 0;
    }
    OrderPage(first.OrderLines);

    const TOrderInfo info{CurrencyTagOfCode(first.CurrencyCode), first.Details, first.Extras};
    const QByteArray written = OrderFileBytes(first.OrderLines, info);
    TOrderFileContents second;
    try {
        second = ParseOrderFile(TextLines(written), FileName);
    } catch (const TDataError& error) {
        Fuzz::Fail("a written order file does not read back", error.FullText());
    }
    Fuzz::Require(CurrencyTagOfCode(second.CurrencyCode) == info.CurrencyTag,
                  "the order's currency does not read back", second.CurrencyCode);
    Fuzz::Require(second.Details == first.Details, "the order's details do not read back",
                  second.Details.CompanyName);
    if (second.OrderLines != first.OrderLines) {
        QString detail;
        for (qsizetype i = 0; i < std::max(first.OrderLines.size(), second.OrderLines.size()); ++i)
            detail += Text(first.OrderLines.value(i)) + QStringLiteral("  <->  ") +
                      Text(second.OrderLines.value(i)) + QLatin1Char('\n');
        Fuzz::Fail("the order read back differs", detail);
    }
    Fuzz::Require(OrderFileBytes(second.OrderLines, info) == written,
                  "writing the order read back gives other bytes");
    return 0;
}
