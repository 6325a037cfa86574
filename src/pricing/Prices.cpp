#include "Prices.h"

#include "base/LineFormat.h"
#include "Currencies.h"

#include <cmath>
#include <cstddef>

namespace {

// The element of a price set that holds the chosen currency's amount; US dollars without rates.
int ChosenIndex(int tag, bool ratesAvailable)
{
    return ratesAvailable ? PriceSetIndex(tag) : 0;
}

QString ChosenCode(int index, int tag)
{
    return index > 0 ? CurrencyCode(tag) : QStringLiteral("USD");
}

QString ChosenLabel(int index, int tag)
{
    return index > 0 ? CurrencyLabel(tag) : QStringLiteral("(USD)");
}

double Foreign(const TForeignAmounts& amounts, int index)
{
    return amounts[static_cast<std::size_t>(index - 1)];
}

double PriceOf(const TPriceSet& prices, int index)
{
    return prices[static_cast<std::size_t>(index)];
}

} // namespace

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

TCablePrice CablePriceInCurrency(const TCablePrices& cable, int tag, bool ratesAvailable,
                                 bool prenvo)
{
    const int index = ChosenIndex(tag, ratesAvailable);
    TCablePrice price;
    if (index > 0) {
        price.UnitPrice = Foreign(cable.CurrencyPricesPerLength, index);
        price.Charge = Foreign(cable.CurrencyAttachChargePrices, index);
    } else {
        price.UnitPrice = cable.PricePerLength;
        price.Charge = cable.AttachChargePrice;
    }
    if (prenvo)
        price.Charge *= 0.75;
    price.Label = ChosenLabel(index, tag);
    price.Code = ChosenCode(index, tag);
    return price;
}

double ConnectorPriceInCurrency(const TConnectorPrices& connector, int tag, bool ratesAvailable)
{
    return PriceOf(connector.Prices, ChosenIndex(tag, ratesAvailable));
}

TAssemblyPrice AssemblyPriceInCurrency(const TJumper& assembly, int tag, bool ratesAvailable)
{
    const int index = ChosenIndex(tag, ratesAvailable);
    return {ChosenLabel(index, tag), FormatFixed2(PriceOf(assembly.Prices, index))};
}

TPriceRow AssemblyPriceRow(const TJumper& assembly, double length, int tag, bool ratesAvailable,
                           bool prenvo)
{
    if (assembly.HasPartNumber) {
        const TAssemblyPrice price = AssemblyPriceInCurrency(assembly, tag, ratesAvailable);
        return {QStringLiteral("Price ") + price.Label + QLatin1Char(':'), price.Text};
    }

    // A cable that was never chosen has no prices looked up: it prices at 0.
    const TCablePrice cablePrice =
        CablePriceInCurrency(assembly.CablePrices, tag, ratesAvailable, prenvo);
    double total = length * cablePrice.UnitPrice + 2 * cablePrice.Charge;
    if (assembly.TopConnector != nullptr)
        total += ConnectorPriceInCurrency(assembly.TopPrices, tag, ratesAvailable);
    if (assembly.BottomConnector != nullptr)
        total += ConnectorPriceInCurrency(assembly.BottomPrices, tag, ratesAvailable);
    return {QStringLiteral("Price ") + cablePrice.Label + QLatin1Char(':'), PriceText(total)};
}
