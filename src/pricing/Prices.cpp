#include "Prices.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "Currencies.h"

#include <cmath>
#include <cstddef>

namespace {

double Foreign(const TForeignAmounts& amounts, int index)
{
    return amounts[static_cast<std::size_t>(index - 1)];
}

double PriceOf(const TPriceSet& prices, int index)
{
    return prices[static_cast<std::size_t>(index)];
}

} // namespace

TQuoteCurrency QuoteCurrency(int tag, bool ratesAvailable)
{
    TQuoteCurrency currency;
    currency.Index = ratesAvailable ? PriceSetIndex(tag) : 0;
    if (currency.Index > 0) {
        currency.Code = CurrencyCode(tag);
        currency.Label = CurrencyLabel(tag);
    }
    return currency;
}

QString PriceText(double amount)
{
    return QLatin1Char(' ') + FormatFixed2(amount);
}

double RoundToCent(double amount)
{
    if (!std::isfinite(amount))
        return amount;
    // The digits FormatFixed2 shows (the same conversion, without the locale's symbols).
    return QString::number(amount, 'f', 2).toDouble();
}

double ExtendedPrice(double quantity, double unitPrice)
{
    const double unitCents = std::round(RoundToCent(unitPrice) * 100);
    double cents = quantity * unitCents;
    if (!std::isfinite(cents))
        return cents;
    // A product of decimals carries the binary fractions' noise (45 x 2231 cents may come out a
    // hair below 100395, 1.15 x 10 below 11.5): it is dropped before the cent is rounded.
    if (std::abs(cents) < 1e11)
        cents = std::round(cents * 1e4) / 1e4;
    return std::round(cents) / 100;
}

TCablePrice CablePriceInCurrency(const TCablePrices& cable, const TQuoteCurrency& currency,
                                 bool prenvo)
{
    TCablePrice price;
    if (currency.Index > 0) {
        price.UnitPrice = Foreign(cable.CurrencyPricesPerLength, currency.Index);
        price.Charge = Foreign(cable.CurrencyAttachChargePrices, currency.Index);
    } else {
        price.UnitPrice = cable.PricePerLength;
        price.Charge = cable.AttachChargePrice;
    }
    if (prenvo)
        price.Charge *= 0.75;
    price.Label = currency.Label;
    price.Code = currency.Code;
    return price;
}

double ConnectorPriceInCurrency(const TConnectorPrices& connector, const TQuoteCurrency& currency)
{
    return PriceOf(connector.Prices, currency.Index);
}

TAssemblyPrice AssemblyPriceInCurrency(const TJumper& assembly, const TQuoteCurrency& currency)
{
    return {currency.Label, FormatFixed2(PriceOf(assembly.Prices, currency.Index))};
}

TPriceRow AssemblyPriceRow(const TJumper& assembly, double length, const TQuoteCurrency& currency,
                           bool prenvo)
{
    if (assembly.HasPartNumber) {
        const TAssemblyPrice price = AssemblyPriceInCurrency(assembly, currency);
        return {Tr("Prices", "Price %1:").arg(price.Label), price.Text};
    }

    // A cable that was never chosen has no prices looked up: it prices at 0.
    const TCablePrice cablePrice = CablePriceInCurrency(assembly.CablePrices, currency, prenvo);
    double total = length * cablePrice.UnitPrice + 2 * cablePrice.Charge;
    if (assembly.TopConnector != nullptr)
        total += ConnectorPriceInCurrency(assembly.TopPrices, currency);
    if (assembly.BottomConnector != nullptr)
        total += ConnectorPriceInCurrency(assembly.BottomPrices, currency);
    return {Tr("Prices", "Price %1:").arg(cablePrice.Label), PriceText(total)};
}
