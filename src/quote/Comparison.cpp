#include "Comparison.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "catalog/Performance.h"
#include "pricing/Currencies.h"
#include "pricing/ExchangeRates.h"
#include "pricing/PriceList.h"
#include "pricing/Prices.h"

#include <cmath>
#include <limits>

QList<TComparisonRow> ComparisonRows(const QList<const TTransmissionLine*>& cables,
                                     const TComparisonInput& input, const TPriceList& prices,
                                     const TExchangeRates& rates)
{
    const double middle = (input.BeginFrequency + input.EndFrequency) / 2;
    const TQuoteCurrency currency = QuoteCurrency(input.CurrencyTag, input.RatesAvailable);
    QList<TComparisonRow> rows;
    rows.reserve(cables.size());
    for (const TTransmissionLine* cable : cables) {
        TComparisonRow row;
        row.Cable = cable;
        row.PartNumber = cable->PartNumber;
        row.Diameter = cable->Diameter + QStringLiteral(" in.");
        row.AttenuationBegin = Attenuation(*cable, input.BeginFrequency, input.BeginFrequency);
        row.AttenuationMiddle = Attenuation(*cable, middle, middle);
        row.AttenuationEnd = Attenuation(*cable, input.EndFrequency, input.EndFrequency);
        row.TotalAtEnd = TotalAttenuation(*cable, !input.Metres, input.EndFrequency,
                                          input.EndFrequency, input.Length);
        row.AveragePower = AveragePower(*cable, middle, middle);
        row.MaxPower = cable->MaxPower;
        double usDollars = 0;
        if (const std::optional<TPriceList::TItem> item = prices.Find(cable->PartNumber)) {
            row.Description = item->Description;
            usDollars = item->Price * (input.Metres ? FeetPerMetre : 1);
            row.Priced = item->Priced;
        }
        row.Price = currency.Index > 0 && rates.Available()
                        ? rates.Convert(usDollars)[static_cast<std::size_t>(currency.Index - 1)]
                        : usDollars;
        rows.append(row);
    }
    return rows;
}

QStringList ComparisonHeadings(const TComparisonInput& input)
{
    const QString at = Tr("Comparison", "Attenuation at %1 MHz (dB/100 ft)");
    return {
        Tr("Comparison", "Part Number"),
        Tr("Comparison", "Description"),
        Tr("Comparison", "Diameter"),
        at.arg(FloatToStr(input.BeginFrequency)),
        at.arg(FloatToStr((input.BeginFrequency + input.EndFrequency) / 2)),
        at.arg(FloatToStr(input.EndFrequency)),
        Tr("Comparison", "Total Attenuation at %1 MHz (dB)").arg(FloatToStr(input.EndFrequency)),
        Tr("Comparison", "Average Power (kW)"),
        Tr("Comparison", "Max Power (kW)"),
        Tr("Comparison", "Price per %1 (%2)")
            .arg(input.Metres ? QStringLiteral("m") : QStringLiteral("ft"),
                 QuoteCurrency(input.CurrencyTag, input.RatesAvailable).Code)};
}

QStringList ComparisonTexts(const TComparisonRow& row)
{
    return {row.PartNumber,
            row.Description,
            row.Diameter,
            FigureText(row.AttenuationBegin),
            FigureText(row.AttenuationMiddle),
            FigureText(row.AttenuationEnd),
            FigureText(row.TotalAtEnd),
            FigureText(row.AveragePower),
            FigureText(row.MaxPower),
            row.Priced ? FigureText(row.Price) : Tr("Comparison", "no list price")};
}

QList<double> ComparisonNumbers(const TComparisonRow& row)
{
    const double none = std::numeric_limits<double>::quiet_NaN();
    double diameter = none;
    if (!TryStrToFloat(row.Cable != nullptr ? row.Cable->Diameter : QString(), diameter))
        diameter = none;
    return {none,
            none,
            diameter,
            row.AttenuationBegin,
            row.AttenuationMiddle,
            row.AttenuationEnd,
            row.TotalAtEnd,
            row.AveragePower,
            row.MaxPower,
            row.Priced ? row.Price : none};
}
