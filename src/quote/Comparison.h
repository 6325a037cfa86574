#pragma once

#include "catalog/CatalogRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

class TExchangeRates;
class TPriceList;

// Cables side by side over the band of page 1: each cable's attenuation at the band's beginning,
// middle and end, its total attenuation at page 1's length at the band's end, its average
// (middle of the band) and maximum power, and its price per foot or metre in the chosen currency.
struct TComparisonInput {
    double BeginFrequency = 0; // MHz
    double EndFrequency = 0;
    double Length = 0;
    bool Metres = false;
    int CurrencyTag = 0;
    bool RatesAvailable = false;
};

struct TComparisonRow {
    const TTransmissionLine* Cable = nullptr;
    QString PartNumber;
    QString Description;         // the price list's, empty when it has none
    QString Diameter;            // "0.63 in."
    double AttenuationBegin = 0; // dB/100 ft; NaN when undefined
    double AttenuationMiddle = 0;
    double AttenuationEnd = 0;
    double TotalAtEnd = 0;   // dB
    double AveragePower = 0; // kW
    double MaxPower = 0;     // kW
    double Price = 0;        // per foot or metre, in the chosen currency
    bool Priced = false;     // the price list gives the cable a usable price
};

inline constexpr int ComparisonColumnCount = 10;

QList<TComparisonRow> ComparisonRows(const QList<const TTransmissionLine*>& cables,
                                     const TComparisonInput& input, const TPriceList& prices,
                                     const TExchangeRates& rates);

// The column headings, with the band's frequencies, the unit and the currency code.
QStringList ComparisonHeadings(const TComparisonInput& input);
// A row as shown (the formats of the seven figures, "n/a" when undefined, prices with two
// decimals), and the numbers its columns sort by (NaN for the text columns).
QStringList ComparisonTexts(const TComparisonRow& row);
QList<double> ComparisonNumbers(const TComparisonRow& row);
