#pragma once

#include "catalog/CatalogRecords.h"

#include <QString>

// Prices in the chosen currency, resolved once per quote (QuoteCurrency).

// The currency a quote prices in: the element of a price set that holds its amounts, its code
// and its label.
struct TQuoteCurrency {
    int Index = 0; // 0: US dollars
    QString Code = QStringLiteral("USD");
    QString Label = QStringLiteral("(USD)");
};
// The checked currency item's tag (1..36; any other tag means US dollars); without rates every
// price is in US dollars, labelled "(USD)".
TQuoteCurrency QuoteCurrency(int tag, bool ratesAvailable);

// " %.2f" in the user's number format: a blank, then the amount with two decimals.
QString PriceText(double amount);

// An amount rounded to the cent exactly as its text with two decimals shows it.
double RoundToCent(double amount);
// An extended price: quantity times the unit price as shown (to the cent), rounded to the cent
// (an exact half away from zero, as the shown text rounds it). Every total sums these.
double ExtendedPrice(double quantity, double unitPrice);

struct TCablePrice {
    double UnitPrice = 0; // per foot, or per metre when the cable was looked up for metres
    double Charge = 0;    // attachment charge per connector; 75% of the list charge for Prenvo
    QString Label;        // "(USD)", "(EUR)", "(RMB)", ...
    QString Code;         // "USD", "EUR", "RMB", ...
};
TCablePrice CablePriceInCurrency(const TCablePrices& cable, const TQuoteCurrency& currency,
                                 bool prenvo);

double ConnectorPriceInCurrency(const TConnectorPrices& connector, const TQuoteCurrency& currency);

struct TAssemblyPrice {
    QString Label; // "(" + code + ")"
    QString Text;  // "%.2f", no leading blank
};
TAssemblyPrice AssemblyPriceInCurrency(const TJumper& assembly, const TQuoteCurrency& currency);

// Row 3 of the summary grid: "Price " + label + ":" and the price. With HasPartNumber the
// assembly's own price ("%.2f"); otherwise the price built from its parts (" %.2f"):
// length x unit price + 2 x charge + top connector + bottom connector. A missing connector
// counts 0.
struct TPriceRow {
    QString Label;
    QString Value;
};
TPriceRow AssemblyPriceRow(const TJumper& assembly, double length, const TQuoteCurrency& currency,
                           bool prenvo);
