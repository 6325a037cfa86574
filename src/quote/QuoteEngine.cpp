#include "QuoteEngine.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/Translate.h"
#include "catalog/Performance.h"

#include <optional>

namespace {

QString NoConnector(bool top)
{
    return top ? Tr("QuoteEngine", "No top connector of this cable matches your selections. "
                                   "Please choose another top connector.")
               : Tr("QuoteEngine", "No bottom connector of this cable matches your selections. "
                                   "Please choose another bottom connector.");
}

// The chosen connector grade has no connector for a side: the one taken is of another grade.
QString OtherGrade(const QString& gradeCode, bool top, bool bottom)
{
    const QString grade = gradeCode == ConnectorGradeCode(0) ? Tr("QuoteEngine", "Plated")
                                                             : Tr("QuoteEngine", "Standard");
    const QString sides = top && bottom ? Tr("QuoteEngine", "top or bottom connector")
                          : top         ? Tr("QuoteEngine", "top connector")
                                        : Tr("QuoteEngine", "bottom connector");
    return Tr("QuoteEngine", "The %1 grade has no such %2; a connector of another grade is used.")
        .arg(grade, sides);
}

double UserNumber(const QString& text)
{
    double value = 0;
    return TryUserStrToFloat(text, value) ? value : 0;
}

TPartsListInput PartsListInput(const TQuoteResult& quote, const TQuoteRequest& request,
                               const TQuoteCurrency& currency)
{
    TPartsListInput input;
    input.Feeder = request.Feeder;
    input.LengthText = request.LengthText;
    input.Length = request.Length;
    input.Metres = request.Metres;
    input.Family = request.Family;
    input.IncludeTop = request.IncludeTop;
    input.IncludeBottom = request.IncludeBottom;
    input.FeederChoice = request.FeederChoice;
    input.Cable = quote.Assembly.Cable;
    input.Top = quote.Assembly.TopConnector;
    input.Bottom = quote.Assembly.BottomConnector;
    input.CablePrices = quote.Assembly.CablePrices;
    input.TopPrices = quote.Assembly.TopPrices;
    input.BottomPrices = quote.Assembly.BottomPrices;
    input.Currency = currency;
    input.Prenvo = request.Prenvo();
    return input;
}

// The parts the page prices that have a part number and no usable list price: the parts list's
// rows, the standard assembly's own line, or the parts an assembly without one is priced from.
QStringList UnpricedParts(const TQuoteResult& quote, const TQuoteRequest& request,
                          const TPriceList& list)
{
    const TJumper& assembly = quote.Assembly;
    QStringList parts;
    const auto check = [&](const QString& partNumber) {
        if (!partNumber.isEmpty() && !parts.contains(partNumber) && !HasListPrice(list, partNumber))
            parts.append(partNumber);
    };
    if (quote.Page != TQuotePage::PartsList && assembly.HasPartNumber) {
        check(assembly.PartNumber);
        return parts;
    }
    const bool partsList = quote.Page == TQuotePage::PartsList;
    check(assembly.Cable->PartNumber);
    if (assembly.TopConnector != nullptr && (!partsList || request.IncludeTop))
        check(assembly.TopConnector->PartNumber);
    if (assembly.BottomConnector != nullptr && (!partsList || request.IncludeBottom))
        check(assembly.BottomConnector->PartNumber);
    if (!partsList || !request.Feeder || request.FeederChoice != TFeederChoice::None)
        check(assembly.Cable->AttachChargePartNumber);
    return parts;
}

// The assembly as built: the connectors the page lists (a parts list's included ones, both of an
// assembly), at the figures' length and over page 1's band.
TAsBuilt AsBuiltOf(const TQuoteResult& quote, const TQuoteRequest& request,
                   const TQuoteSources& sources)
{
    const TJumper& assembly = quote.Assembly;
    const bool partsList = quote.Page == TQuotePage::PartsList;
    TAsBuiltInput input;
    input.Cable = assembly.Cable;
    input.Top = !partsList || request.IncludeTop ? assembly.TopConnector : nullptr;
    input.Bottom = !partsList || request.IncludeBottom ? assembly.BottomConnector : nullptr;
    input.LengthInFeet = quote.FiguresInFeet;
    input.Length = quote.FiguresLength;
    input.BeginMHz = request.BeginFrequency;
    input.EndMHz = request.EndFrequency;
    input.Specs = sources.Specs;
    return AssemblyAsBuilt(input);
}

// The prices of the quote's cable (in the request's unit) and included connectors, into the
// quote's assembly.
void LookUpQuotePrices(TQuoteResult& quote, const TQuoteRequest& request,
                       const TQuoteSources& sources)
{
    TJumper& assembly = quote.Assembly;
    LookUpCablePrice(*assembly.Cable, assembly.CablePrices, *sources.PriceList, *sources.Rates,
                     request.Metres);
    if (request.IncludeTop && assembly.TopConnector != nullptr)
        LookUpConnectorPrice(*assembly.TopConnector, assembly.TopPrices, *sources.PriceList,
                             *sources.Rates);
    if (request.IncludeBottom && assembly.BottomConnector != nullptr)
        LookUpConnectorPrice(*assembly.BottomConnector, assembly.BottomPrices, *sources.PriceList,
                             *sources.Rates);
}

void QuotePartsList(TQuoteResult& quote, const TQuoteRequest& request, const TQuoteSources& sources)
{
    quote.Page = TQuotePage::PartsList;
    quote.FiguresLength = request.Length;
    quote.FiguresInFeet = !request.Metres;
    quote.Figures =
        PerformanceFigures(*quote.Assembly.Cable, !request.Metres, request.BeginFrequency,
                           request.EndFrequency, request.Length);
    quote.AsBuilt = AsBuiltOf(quote, request, sources);
    quote.Unpriced = UnpricedParts(quote, request, *sources.PriceList);
    PriceQuote(quote, request, sources.RatesAvailable, request.CurrencyTag);
}

// The summary of this part number at the page-1 length or a picked standard length.
void Summarise(TQuoteResult& quote, const TQuoteRequest& request, const TQuoteSources& sources,
               const QString& partNumber, bool standard,
               const std::optional<TQuoteLength>& picked = std::nullopt)
{
    quote.Length =
        picked.value_or(TQuoteLength{request.LengthText, request.Metres, request.Length});
    quote.Standard = standard;
    TJumper& assembly = quote.Assembly;
    assembly.PartNumber = partNumber;
    // An assembly is priced as one item only from a price-list line of its own part number;
    // without one it is priced from its parts, never at another assembly's price.
    assembly.HasPartNumber =
        standard && LookUpAssemblyPrice(assembly, *sources.PriceList, *sources.Rates);

    TDescriptionInput description;
    description.LengthText = quote.Length.Text;
    description.Metres = quote.Length.Metres;
    description.Cable = assembly.Cable->PartNumber;
    description.Diameter = assembly.Cable->Diameter + QStringLiteral(" in.");
    description.DiameterShown = request.Family != TCableFamily::EllipticalWaveguide;
    description.Plated = request.ConnectorGradeCode == ConnectorGradeCode(0);
    // The grade of the connector actually taken, which differs from the chosen one only when
    // that grade has no such connector.
    if (assembly.TopConnector != nullptr)
        description.TopGrade = assembly.TopConnector->Grade;
    if (assembly.BottomConnector != nullptr)
        description.BottomGrade = assembly.BottomConnector->Grade;
    description.TopCharacteristics = request.Top.Characteristics;
    description.BottomCharacteristics = request.Bottom.Characteristics;
    description.TopInterface = request.Top.Interface;
    description.BottomInterface = request.Bottom.Interface;
    description.TopInner = request.Top.InnerAttachment;
    description.BottomInner = request.Bottom.InnerAttachment;
    quote.Description = AssemblyDescription(description);

    quote.FiguresLength = UserNumber(quote.Length.Text);
    quote.FiguresInFeet = !quote.Length.Metres;
    quote.Figures = PerformanceFigures(*assembly.Cable, quote.FiguresInFeet, request.BeginFrequency,
                                       request.EndFrequency, quote.FiguresLength);
    quote.AsBuilt = AsBuiltOf(quote, request, sources);
    quote.Unpriced = UnpricedParts(quote, request, *sources.PriceList);
    PriceQuote(quote, request, sources.RatesAvailable, request.CurrencyTag);
}

} // namespace

QString UnpricedNote(const QStringList& partNumbers)
{
    if (partNumbers.isEmpty())
        return QString();
    return Tr("QuoteEngine", "No list price for %1: the total leaves them out.")
        .arg(partNumbers.join(QStringLiteral(", ")));
}

QString TQuoteResult::TotalText() const
{
    if (Page == TQuotePage::PartsList)
        return PriceText(PartsList.Total);
    return Price.Value;
}

TQuoteResult QuoteAssembly(const TQuoteRequest& request, const TQuoteSources& sources)
{
    TQuoteResult quote;
    if (request.Cable == nullptr) {
        quote.Warning = Tr("QuoteEngine", "There is no cable to choose for these selections.");
        quote.WarningAbout = TQuoteWarning::Cable;
        return quote;
    }
    const TTransmissionLine& cable = *request.Cable;
    const TMatchedConnectors matched = MatchConnectors(
        cable, request.Top, request.Bottom, request.AttachmentCode, request.ConnectorGradeCode);
    // Connectors always belong to the chosen cable: a side that nothing fits has none, rather
    // than a connector left over from an earlier cable.
    quote.Assembly.Cable = &cable;
    quote.Assembly.TopConnector = matched.Top;
    quote.Assembly.BottomConnector = matched.Bottom;
    const bool top = request.IncludeTop;
    const bool bottom = request.IncludeBottom;
    if ((top && matched.Top == nullptr) || (bottom && matched.Bottom == nullptr)) {
        const bool noTop = top && matched.Top == nullptr;
        quote.Warning = NoConnector(noTop);
        quote.WarningAbout = noTop ? TQuoteWarning::Top : TQuoteWarning::Bottom;
        return quote;
    }
    const bool topOther = top && matched.TopOtherGrade;
    const bool bottomOther = bottom && matched.BottomOtherGrade;
    if (topOther || bottomOther)
        quote.Hint = OtherGrade(request.ConnectorGradeCode, topOther, bottomOther);

    LookUpQuotePrices(quote, request, sources);

    if (request.Feeder || matched.Top == nullptr || matched.Bottom == nullptr ||
        sources.Jumpers == nullptr) {
        QuotePartsList(quote, request, sources);
        return quote;
    }

    std::optional<TJumperEntry> entry;
    try {
        entry = sources.Jumpers->Find(sources.JumpersPath, cable.PartNumber,
                                      matched.Top->ConnectorID, matched.Bottom->ConnectorID);
    } catch (const TDataError& error) {
        // A damaged jumpers.dat entry: nothing is quoted.
        quote.DataError = error.FullText();
        return quote;
    }
    if (!entry) {
        QuotePartsList(quote, request, sources);
        return quote;
    }
    quote.Assembly.PartNumberStem = entry->PartNumberStem;
    quote.Assembly.FeetLengths = entry->FeetLengths;
    quote.Assembly.MetreLengths = entry->MetreLengths;
    quote.StandardLengths = BuildStandardLengths(entry->FeetLengths, entry->MetreLengths);
    const QString partNumber =
        BuildPartNumber(entry->PartNumberStem, request.LengthText, request.Metres);
    if (IsStandardLength(quote.StandardLengths, request.LengthText, request.Metres)) {
        quote.Page = TQuotePage::Final;
        Summarise(quote, request, sources, partNumber, true);
        return quote;
    }
    quote.Near = FindNearLengths(quote.StandardLengths,
                                 request.Metres ? request.Length * FeetPerMetre : request.Length);
    if (!quote.Near.Any()) {
        quote.Page = TQuotePage::Final;
        Summarise(quote, request, sources, partNumber, false);
        return quote;
    }
    quote.Page = TQuotePage::NearLengths;
    quote.NearRows = NearLengthRows(quote.StandardLengths, quote.Near, entry->PartNumberStem,
                                    request.LengthText, request.Metres);
    ChooseLength(quote, request, sources, 0);
    return quote;
}

void ChooseLength(TQuoteResult& quote, const TQuoteRequest& request, const TQuoteSources& sources,
                  int choice)
{
    choice = std::max(choice, 0);
    const QString partNumber =
        choice < quote.NearRows.size() && quote.NearRows.at(choice).size() > 1
            ? quote.NearRows.at(choice).at(1)
            : QString();
    // Choice 1 is the first candidate row, choice 2 the second.
    const int shorter = quote.Near.Shorter;
    const int longer = quote.Near.Longer;
    const QList<int> candidates = {shorter >= 0 ? shorter : longer, shorter >= 0 ? longer : -1};
    const int index = choice > 0 && choice <= 2 ? candidates.at(choice - 1) : -1;
    if (index < 0 || index >= quote.StandardLengths.size()) {
        Summarise(quote, request, sources, partNumber, false);
        return;
    }
    // A picked standard length is described and rated at that length, in the unit its part
    // number names; a price built from parts takes it in the page-1 unit.
    const QString& row = quote.StandardLengths.at(index);
    TQuoteLength length;
    length.Metres = IsMetreRow(row);
    length.Text = GetField(row, length.Metres ? 3 : 2);
    const double native = UserNumber(length.Text);
    if (length.Metres == request.Metres)
        length.PricingLength = native;
    else
        length.PricingLength = length.Metres ? native * FeetPerMetre : native / FeetPerMetre;
    Summarise(quote, request, sources, partNumber, true, length);
}

void PriceQuote(TQuoteResult& quote, const TQuoteRequest& request, bool ratesAvailable, int tag)
{
    // The currency is resolved once, and every row priced in it.
    const TQuoteCurrency currency = QuoteCurrency(tag, ratesAvailable);
    switch (quote.Page) {
    case TQuotePage::PartsList:
        quote.PartsList = BuildPartsList(PartsListInput(quote, request, currency));
        quote.OrderRows = PartsListResultRows(quote.PartsList);
        break;
    case TQuotePage::NearLengths:
    case TQuotePage::Final:
        quote.Price = AssemblyPriceRow(quote.Assembly, quote.Length.PricingLength, currency,
                                       request.Prenvo());
        quote.OrderRows = {
            FinalResultRow(quote.Assembly.PartNumber, quote.Description, quote.Price.Value)};
        break;
    case TQuotePage::None:
        break;
    }
}
