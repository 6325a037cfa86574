#include "Currencies.h"

#include "catalog/CatalogRecords.h"

#include <cstring>

const std::array<TCurrencyItem, CurrencyMenuItemCount>& CurrencyMenuItems()
{
    // clang-format off
    static const std::array<TCurrencyItem, CurrencyMenuItemCount> items = {{
        {1, "USDollarsUSD1", QT_TRANSLATE_NOOP("Currencies", "US Dollars (USD)"), "", "USD", ""},
        {2, "ZAR1", QT_TRANSLATE_NOOP("Currencies", "South African Rand (ZAR)"), "Africa", "ZAR", "ZAR"},
        {3, "RenminbiRMD1", QT_TRANSLATE_NOOP("Currencies", "Chinese Renminbi (RMB)"), "Asia", "RMB", "CNY"},
        {4, "HKD1", QT_TRANSLATE_NOOP("Currencies", "Hong Kong Dollars (HKD)"), "Asia", "HKD", "HKD"},
        {5, "INR1", QT_TRANSLATE_NOOP("Currencies", "Indian Rupees (INR)"), "Asia", "INR", "INR"},
        {6, "Yen1", QT_TRANSLATE_NOOP("Currencies", "Japanese Yen (JPY)"), "Asia", "JPY", "JPY"},
        {7, "KRW1", QT_TRANSLATE_NOOP("Currencies", "Korean Won (KRW)"), "Asia", "KRW", "KRW"},
        {8, "PHP1", QT_TRANSLATE_NOOP("Currencies", "Philippino Pesos (PHP)"), "Asia", "PHP", "PHP"},
        {9, "SGD1", QT_TRANSLATE_NOOP("Currencies", "Singapore Dollars (SGD)"), "Asia", "SGD", "SGD"},
        {10, "TWD1", QT_TRANSLATE_NOOP("Currencies", "Taiwan Dollars (TWD)"), "Asia", "TWD", "TWD"},
        {11, "ATS1", QT_TRANSLATE_NOOP("Currencies", "Austrian Schillings (ATS)"), "Europe", "ATS", "ATS"},
        {12, "BEF1", QT_TRANSLATE_NOOP("Currencies", "Belgian Francs (BEF)"), "Europe", "BEF", "BEF"},
        {13, "CHF1", QT_TRANSLATE_NOOP("Currencies", "Swiss Francs (CHF)"), "Europe", "CHF", "CHF"},
        {14, "DeutchMarkDM1", QT_TRANSLATE_NOOP("Currencies", "German Deutch Marks (DEM)"), "Europe", "DEM", "DEM"},
        {15, "DKK1", QT_TRANSLATE_NOOP("Currencies", "Danish Krones (DKK)"), "Europe", "DKK", "DKK"},
        {16, "ESP1", QT_TRANSLATE_NOOP("Currencies", "Spanish Pesetas (ESP)"), "Europe", "ESP", "ESP"},
        {17, "Euro1", QT_TRANSLATE_NOOP("Currencies", "Euros (EUR)"), "Europe", "EUR", "EUR"},
        {18, "FIM1", QT_TRANSLATE_NOOP("Currencies", "Finish Markkas (FIM)"), "Europe", "FIM", "FIM"},
        {19, "FRF1", QT_TRANSLATE_NOOP("Currencies", "French Franks (FRF)"), "Europe", "FRF", "FRF"},
        {20, "GBP1", QT_TRANSLATE_NOOP("Currencies", "Pounds Sterling (GBP)"), "Europe", "GBP", "GBP"},
        {21, "GRD1", QT_TRANSLATE_NOOP("Currencies", "Greek Drachmas (GRD)"), "Europe", "GRD", "GRD"},
        {22, "IEP1", QT_TRANSLATE_NOOP("Currencies", "Irish Punts (IEP)"), "Europe", "IEP", "IEP"},
        {23, "ITL1", QT_TRANSLATE_NOOP("Currencies", "Italian Lira (ITL)"), "Europe", "ITL", "ITL"},
        {24, "NLG1", QT_TRANSLATE_NOOP("Currencies", "Dutch Gilders (NLG)"), "Europe", "NLG", "NLG"},
        {25, "NOK1", QT_TRANSLATE_NOOP("Currencies", "Norwegian Krones (NOK)"), "Europe", "NOK", "NOK"},
        {26, "PTE1", QT_TRANSLATE_NOOP("Currencies", "Portugese Escudos (PTE)"), "Europe", "PTE", "PTE"},
        {27, "SEK1", QT_TRANSLATE_NOOP("Currencies", "Sweedish Krona (SEK)"), "Europe", "SEK", "SEK"},
        {28, "AED1", QT_TRANSLATE_NOOP("Currencies", "United Arib Emirates Dirhams (AED)"), "Middle East", "AED", "AED"},
        {29, "SAR1", QT_TRANSLATE_NOOP("Currencies", "Saudi Riyal (SAR)"), "Middle East", "SAR", "SAR"},
        {1, "US1", QT_TRANSLATE_NOOP("Currencies", "US Dollars (USD)"), "North America", "USD", ""},
        {30, "Canadian1", QT_TRANSLATE_NOOP("Currencies", "Canadian Dollars (CAD)"), "North America", "CAD", "CAD"},
        {31, "MXP1", QT_TRANSLATE_NOOP("Currencies", "Mexican Pesos (MXP)"), "North America", "MXP", "MXP"},
        {32, "AUD1", QT_TRANSLATE_NOOP("Currencies", "Australian Dollars (AUD)"), "Oceania", "AUD", "AUD"},
        {33, "IDR1", QT_TRANSLATE_NOOP("Currencies", "Indeonesian Rupiahs (IDR)"), "Oceania", "IDR", "IDR"},
        {34, "NZD1", QT_TRANSLATE_NOOP("Currencies", "New Zealand Dollars (NZD)"), "Oceania", "NZD", "NZD"},
        {35, "RealR1", QT_TRANSLATE_NOOP("Currencies", "Brazillian Real (BRL)"), "South America", "BRL", "BRL"},
        {36, "ARS1", QT_TRANSLATE_NOOP("Currencies", "Argentina Pesos (ARS)"), "South America", "ARS", "ARS"},
    }};
    // clang-format on
    return items;
}

namespace {

// The first menu item of a foreign tag; nullptr for US dollars and tags outside 2..36.
const TCurrencyItem* ForeignItem(int tag)
{
    if (tag <= UsDollarTag)
        return nullptr;
    for (const TCurrencyItem& item : CurrencyMenuItems())
        if (item.Tag == tag)
            return &item;
    return nullptr;
}

} // namespace

bool IsForeignTag(int tag)
{
    return ForeignItem(tag) != nullptr;
}

QString CurrencyCode(int tag)
{
    const TCurrencyItem* item = ForeignItem(tag);
    return item != nullptr ? QString::fromLatin1(item->Code) : QStringLiteral("USD");
}

int CurrencyTagOfCode(const QString& code)
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return 0;
    for (const TCurrencyItem& item : CurrencyMenuItems())
        if (wanted.compare(QLatin1String(item.Code), Qt::CaseInsensitive) == 0 ||
            (item.RateCode[0] != '\0' &&
             wanted.compare(QLatin1String(item.RateCode), Qt::CaseInsensitive) == 0))
            return item.Tag;
    return 0;
}

QString CurrencyCaption(int tag)
{
    const TCurrencyItem* item = ForeignItem(tag);
    return CurrencyCaptionKey(item != nullptr ? *item : CurrencyMenuItems()[0]).Text();
}

TTrKey CurrencyCaptionKey(const TCurrencyItem& item)
{
    return {"Currencies", item.Caption};
}

TTrKey CurrencyRegionKey(const TCurrencyItem& item)
{
    static constexpr TTrKey Regions[] = {
        TrKey("Currencies", "Africa"),        TrKey("Currencies", "Asia"),
        TrKey("Currencies", "Europe"),        TrKey("Currencies", "Middle East"),
        TrKey("Currencies", "North America"), TrKey("Currencies", "Oceania"),
        TrKey("Currencies", "South America")};
    for (const TTrKey& region : Regions)
        if (std::strcmp(region.Source, item.Region) == 0)
            return region;
    return {"Currencies", item.Region};
}

QString CurrencyLabel(int tag)
{
    return QLatin1Char('(') + CurrencyCode(tag) + QLatin1Char(')');
}

QString CurrencyRateCode(int tag)
{
    const TCurrencyItem* item = ForeignItem(tag);
    return item != nullptr ? QString::fromLatin1(item->RateCode) : QString();
}

int PriceSetIndex(int tag)
{
    const TCurrencyItem* item = ForeignItem(tag);
    if (item == nullptr)
        return 0;
    const auto& order = CurrencyOrder();
    for (int i = 0; i < ForeignCurrencyCount; ++i)
        if (std::strcmp(order[static_cast<std::size_t>(i)], item->RateCode) == 0)
            return i + 1;
    return 0;
}
