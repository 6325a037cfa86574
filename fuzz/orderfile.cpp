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

// What the order page does with an order it opened: totals, merging and deleting rows.
void OrderPage(const QStringList& orderLines)
{
    const TOrderTotals totals = OrderTotals(orderLines);
    Fuzz::Require(totals.Extended.size() == orderLines.size() - 1, "a total per item line");

    QStringList lines = orderLines;
    QStringList rows;
    for (const QString& line : Fuzz::Front(orderLines.mid(1), 8)) {
        const TOrderItem item = OrderItem(line);
        double quantity = 0;
        Fuzz::Require(ParseQuantity(item.Quantity, quantity), "an opened quantity is no number",
                      line);
        Fuzz::Require(QuantityText(quantity) == item.Quantity, "a quantity not in its own form",
                      line);
        rows.append(ToUserNumber(item.Quantity) + QLatin1Char('|') + item.Unit + QLatin1Char('|') +
                    item.PartNumber + QLatin1Char('|') + item.Description + QLatin1Char('|') +
                    ToUserNumber(item.Price) + QLatin1Char('|') + item.Kind + QLatin1Char('|'));
    }
    // Merged quantities may pass their bound, and then nothing is added.
    static_cast<void>(AddResultRows(lines, rows));
    FlattenLineBreaks(lines);
    OrderTotals(lines);
    RemoveItems(lines, {1, 3, -1, 1000});
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
            detail += first.OrderLines.value(i) + QStringLiteral("  <->  ") +
                      second.OrderLines.value(i) + QLatin1Char('\n');
        Fuzz::Fail("the order read back differs", detail);
    }
    Fuzz::Require(OrderFileBytes(second.OrderLines, info) == written,
                  "writing the order read back gives other bytes");
    return 0;
}
