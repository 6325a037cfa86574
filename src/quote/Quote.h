#pragma once

#include "catalog/CatalogRecords.h"
#include "order/Order.h"
#include "pricing/Prices.h"

#include <QList>
#include <QString>
#include <QStringList>

// The result pages' content as functions over plain values.

// --- Matching the page-2 choices to connectors ---

// One side's choices as page 2 shows them: the actual interface name, the characteristics text
// ("(none)" for none) and the inner-attachment text ("(N/A)" for none).
struct TConnectorChoice {
    QString Interface;
    QString Characteristics;
    QString InnerAttachment;
};

struct TMatchedConnectors {
    const TConnector* Top = nullptr;
    const TConnector* Bottom = nullptr;
    // The side's connector is not of the chosen grade: no connector of that grade fits it.
    bool TopOtherGrade = false;
    bool BottomOtherGrade = false;
};

// A connector fits a side when its actual interface, characteristics, inner attachment and
// attachment code equal the side's choices (exactly). A side's connector is the first fitting one
// in catalog order whose grade (upper-cased) is gradeCode. Only when none of that grade fits does
// the catalog-order walk decide: a later fitting connector replaces an earlier one until both
// sides have been found. A side that no connector fits stays nullptr.
TMatchedConnectors MatchConnectors(const TTransmissionLine& cable, const TConnectorChoice& top,
                                   const TConnectorChoice& bottom, const QString& attachmentCode,
                                   const QString& gradeCode);

// --- Custom parts list ---

enum class TCableFamily { Air = 0, Foam = 1, EllipticalWaveguide = 2 };
enum class TFeederChoice { Both = 0, TopOnly = 1, BottomOnly = 2, None = 3 };

struct TPartsListInput {
    bool Feeder = false;
    QString LengthText; // as typed; the cable row's quantity
    double Length = 0;  // the typed length as a number
    bool Metres = false;
    TCableFamily Family = TCableFamily::Foam;
    bool IncludeTop = true;
    bool IncludeBottom = true;
    TFeederChoice FeederChoice = TFeederChoice::Both;
    const TTransmissionLine* Cable = nullptr;
    const TConnector* Top = nullptr;
    const TConnector* Bottom = nullptr;
    // The prices the quote looked up for them.
    TCablePrices CablePrices;
    TConnectorPrices TopPrices;
    TConnectorPrices BottomPrices;
    TQuoteCurrency Currency;
    bool Prenvo = false; // the Prenvo connector attachment is chosen
};

struct TPartsRow {
    QString Qty;
    QString Uom; // "Feet", "Meters" or "Each"
    QString PartNumber;
    QString Description;
    double Price = 0;    // the unit price (shown to the cent)
    double Extended = 0; // the quantity times the unit price as shown, to the cent
    QString Kind;        // ItemKind, one digit
};

struct TPartsList {
    QList<TPartsRow> Rows;
    double Total = 0; // the sum of the extended prices
    QString Label;    // the currency label, "(USD)", ...
};

// The introduction above the parts list; line breaks are single carriage returns.
QString PartsListIntro(bool feeder);

// The rows: the cable; each included connector (equal part numbers merge into one row of
// quantity 2); the attachment charge for a jumper or a feeder with connectors (quantity 2 for a
// jumper and for a feeder with both connectors).
TPartsList BuildPartsList(const TPartsListInput& input);

// One order line per row, the quantity and price in the data format.
QList<TOrderLine> PartsListResultRows(const TPartsList& list);

// --- Final summary ---

struct TDescriptionInput {
    QString LengthText;
    bool Metres = false;
    QString Cable;    // the cable combo's text
    QString Diameter; // the diameter box's text
    bool DiameterShown = true;
    bool Plated = false; // connector grade "Plated" (else "Standard") of both sides, unless:
    // the grade of the connector actually taken on a side ("P" or "S", any case), when known
    QString TopGrade;
    QString BottomGrade;
    QString TopCharacteristics;
    QString BottomCharacteristics;
    QString TopInterface;
    QString BottomInterface;
    QString TopInner;
    QString BottomInner;
};

// The generated description, lines separated by single carriage returns.
QString AssemblyDescription(const TDescriptionInput& input);

// The summary's order line: 1 Each of the part number with the description and the price text
// as shown (in the user's format), kind 1.
TOrderLine FinalResultRow(const QString& partNumber, const QString& description,
                          const QString& priceText);
