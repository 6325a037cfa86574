#include "PriceList.h"

#include "catalog/LineFormat.h"
#include "catalog/Performance.h"
#include "ExchangeRates.h"

#include <algorithm>

namespace {

// Element 0 the US-dollar amount; the conversions only when there are rates.
void FillPriceSet(TPriceSet& prices, double usDollars, const TExchangeRates& rates)
{
    prices[0] = usDollars;
    if (!rates.Available())
        return;
    const TForeignAmounts converted = rates.Convert(usDollars);
    std::copy(converted.begin(), converted.end(), prices.begin() + 1);
}

} // namespace

TPriceList::TPriceList(const QStringList& lines)
{
    const QString zero = QStringLiteral("0");
    for (const QString& line : lines) {
        if (line.isEmpty() || IsSkippedLine(line.at(0)))
            continue;
        const QString partNumber = GetField(line, 3);
        if (Items.contains(partNumber))
            continue;
        Items.insert(partNumber, TItem{GetField(line, 5), ParseNumberOr(GetField(line, 6), zero)});
    }
}

const TPriceList::TItem* TPriceList::Find(const QString& partNumber) const
{
    const auto found = Items.constFind(partNumber);
    return found == Items.constEnd() ? nullptr : &found.value();
}

void LookUpCablePrice(TTransmissionLine& cable, const TPriceList& list, const TExchangeRates& rates,
                      bool metres)
{
    if (cable.AttachChargePartNumber.isEmpty()) {
        cable.AttachChargePrice = 0;
    } else if (const TPriceList::TItem* charge = list.Find(cable.AttachChargePartNumber)) {
        cable.AttachChargePrice = charge->Price;
        if (rates.Available())
            cable.CurrencyAttachChargePrices = rates.Convert(charge->Price);
    }

    if (const TPriceList::TItem* item = list.Find(cable.PartNumber)) {
        cable.PriceDescription = item->Description;
        cable.PricePerLength = metres ? item->Price * FeetPerMetre : item->Price;
        if (rates.Available())
            cable.CurrencyPricesPerLength = rates.Convert(cable.PricePerLength);
    }
}

void LookUpConnectorPrice(TConnector& connector, const TPriceList& list,
                          const TExchangeRates& rates)
{
    if (const TPriceList::TItem* item = list.Find(connector.PartNumber)) {
        connector.PriceDescription = item->Description;
        FillPriceSet(connector.Prices, item->Price, rates);
    }
}

bool LookUpAssemblyPrice(TJumper& assembly, const TPriceList& list, const TExchangeRates& rates)
{
    assembly.PriceDescription.clear();
    assembly.Prices.fill(0);
    const TPriceList::TItem* item = list.Find(assembly.PartNumber);
    if (item == nullptr)
        return false;
    assembly.PriceDescription = item->Description;
    FillPriceSet(assembly.Prices, item->Price, rates);
    return true;
}
