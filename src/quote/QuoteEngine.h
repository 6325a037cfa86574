#pragma once

#include "base/Translate.h"
#include "catalog/AsBuilt.h"
#include "catalog/CatalogRecords.h"
#include "catalog/ConnectorLists.h"
#include "pricing/ExchangeRates.h"
#include "pricing/PriceList.h"
#include "pricing/Prices.h"
#include "quote/Jumpers.h"
#include "quote/Quote.h"
#include "quote/StandardLengths.h"

#include <QList>
#include <QString>
#include <QStringList>

// The quote of one assembly: from every choice of the first two wizard pages to what a result
// page shows and the order lines it offers. Texts are in the user's number format, as the pages
// show them.

// The wizard's choices at start-up, and what page 1 says when no cable fits.
inline const QString DefaultInterface = QStringLiteral("7-16 DIN Male");
inline const QString DefaultCableModel = QStringLiteral("KRV4-50B");
inline constexpr TTrKey BandReversed =
    TrKey("QuoteEngine", "Ending frequency must be greater than beginning frequency.");
inline constexpr TTrKey NoMatch =
    TrKey("QuoteEngine", "Sorry, there are no items that match your selection criteria.");

// What a result page and the order's question say of parts without a list price: a text in the
// language shown when it is used.
struct TAddUnpricedQuestion {
    operator QString() const { return Tr("QuoteEngine", "Add it to the order anyway?"); }
};
inline constexpr TAddUnpricedQuestion AddUnpricedQuestion{};

// The choices, as pages 1 and 2 hold them once the user presses Next on page 2.
struct TQuoteRequest {
    bool Feeder = false;
    QString LengthText; // as typed
    double Length = 0;  // LengthText as a number (0 when it is none)
    bool Metres = false;
    double BeginFrequency = 0; // MHz
    double EndFrequency = 0;
    TCableFamily Family = TCableFamily::Foam;
    // The chosen cable (null: none offered).
    const TTransmissionLine* Cable = nullptr;
    // The catalog's codes of the connector grade and attachment (ConnectorGradeCode,
    // AttachmentCodeFor): the same letter means another thing in each.
    QString ConnectorGradeCode = QStringLiteral("S"); // "P" plated, "S" standard
    QString AttachmentCode = QStringLiteral("R");     // "S" Prenvo, "R" regular
    bool IncludeTop = true;
    bool IncludeBottom = true;
    TFeederChoice FeederChoice = TFeederChoice::Both;
    TConnectorChoice Top;
    TConnectorChoice Bottom;
    int CurrencyTag = 1;
    bool Prenvo() const { return AttachmentCode == AttachmentCodeFor(0); }
};

// Where prices and standard assemblies come from.
struct TQuoteSources {
    const TPriceList* PriceList = nullptr;
    const TExchangeRates* Rates = nullptr;
    bool RatesAvailable = false;
    TJumperFile* Jumpers = nullptr;
    QString JumpersPath;
    // The part data (none: every part unspecified).
    const TSpecData* Specs = nullptr;
};

// The page a quote reaches.
enum class TQuotePage { None, PartsList, NearLengths, Final };

// The length a final summary describes, rates and prices.
struct TQuoteLength {
    QString Text;             // as shown, in the user's format
    bool Metres = false;      // Text is in metres
    double PricingLength = 0; // in the page-1 unit, for a price built from parts
};

// What a quote's warning is about: no cable, or no connector for the top or bottom.
enum class TQuoteWarning { None, Cable, Top, Bottom };

struct TQuoteResult {
    TQuotePage Page = TQuotePage::None;
    // Why nothing was quoted: a warning about the choices, or a damaged data file (an error).
    QString Warning;
    TQuoteWarning WarningAbout = TQuoteWarning::None;
    QString DataError;
    // A note for the status bar: a side's connector is of another grade than the chosen one.
    QString Hint;
    // The cable and connectors taken (also after a warning), the standard assembly's stem and
    // lengths, and the summary's part number and assembly price.
    TJumper Assembly;

    // The nearest-lengths page: the standard-length table, the candidates as its rows, and the
    // grid's rows (the typed length first).
    QStringList StandardLengths;
    TNearLengths Near;
    QList<QStringList> NearRows;

    // The final summary (for the nearest-lengths page: of its chosen row, the first until
    // ChooseLength picks another). Standard: a standard length's part number.
    bool Standard = false;
    TQuoteLength Length;
    QString Description; // lines separated by single carriage returns
    TPriceRow Price;

    // The parts list.
    TPartsList PartsList;

    // The part numbers the page prices at 0 for want of a usable list price, in row order: parts
    // with a part number only (an attachment without one is free).
    QStringList Unpriced;

    // The seven figures of the page (PerformanceFigures), and the length they are computed for.
    QList<double> Figures;
    double FiguresLength = 0;
    bool FiguresInFeet = true;
    // The assembly as built, with the connectors actually fitted, for the same length and band.
    TAsBuilt AsBuilt;
    // The order lines the page offers.
    QList<TOrderLine> OrderRows;

    bool Quoted() const { return Page != TQuotePage::None; }
    // What the page shows as the total: the parts list's total or the summary's price.
    QString TotalText() const;
};

// "No list price for A, B: the total leaves them out."; empty for no parts.
QString UnpricedNote(const QStringList& partNumbers);

// Matches the connectors, looks prices up, and finds the standard assembly and its lengths, as
// Next on page 2 does.
TQuoteResult QuoteAssembly(const TQuoteRequest& request, const TQuoteSources& sources);

// The final summary of a nearest-lengths quote for one of its page's choices: 0 keeps the typed
// length, 1 and 2 take the first and second candidate row.
void ChooseLength(TQuoteResult& quote, const TQuoteRequest& request, const TQuoteSources& sources,
                  int choice);

// The prices and order lines of a quote in the currency of this tag.
void PriceQuote(TQuoteResult& quote, const TQuoteRequest& request, bool ratesAvailable, int tag);
