#pragma once

#include "base/Translate.h"

#include <QString>
#include <QStringList>

#include <array>

// One radio item of the currency menu.
struct TCurrencyItem {
    int Tag;              // 1..36; the two US-dollar items share Tag 1
    const char* Name;     // the menu item's object name
    const char* Caption;  // the menu item's caption, in English (CurrencyCaptionKey)
    const char* Region;   // the region submenu, in English (CurrencyRegionKey); empty for the
                          // item directly under the menu
    const char* Code;     // the code shown in the label: "USD", "ZAR", "RMB", ...
    const char* RateCode; // the code of the rate line and the price set; empty for US dollars
};

constexpr int CurrencyMenuItemCount = 37;
constexpr int UsDollarTag = 1;

// The currency menu's items in menu order: "US Dollars (USD)", then the region submenus' items.
const std::array<TCurrencyItem, CurrencyMenuItemCount>& CurrencyMenuItems();

// A tag outside 1..36 counts as US dollars.
bool IsForeignTag(int tag);
// "USD", "ZAR", "RMB", ...
QString CurrencyCode(int tag);
// The tag of a code as CurrencyCode gives it, or as its rate code ("RMB" or "CNY"), compared
// without regard to case; 0 for any other text.
int CurrencyTagOfCode(const QString& code);
// The menu caption in the user's language: "US Dollars (USD)", "Euros (EUR)", ...
QString CurrencyCaption(int tag);
// An item's caption and its region submenu's title, to translate when shown.
TTrKey CurrencyCaptionKey(const TCurrencyItem& item);
TTrKey CurrencyRegionKey(const TCurrencyItem& item);
// "(" + code + ")": "(USD)", "(EUR)", "(RMB)".
QString CurrencyLabel(int tag);
// The code the rate is looked up under: "CNY" for the renminbi; empty for US dollars.
QString CurrencyRateCode(int tag);
// The element of a price set that holds the tag's amount: 0 for US dollars, else 1 + the rate
// code's position in CurrencyOrder.
int PriceSetIndex(int tag);
