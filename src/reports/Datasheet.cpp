#include "Datasheet.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "catalog/Performance.h"

#include <cmath>
#include <iterator>

namespace {

constexpr TTrKey FigureNames[] = {
    TrKey("Datasheet", "Attenuation (dB/100 ft):"), TrKey("Datasheet", "Attenuation (dB/100 m):"),
    TrKey("Datasheet", "Total Attenuation (dB):"),  TrKey("Datasheet", "Insertion Loss (dB):"),
    TrKey("Datasheet", "Efficiency (%):"),          TrKey("Datasheet", "Max Power (kW):"),
    TrKey("Datasheet", "Average Power (kW):")};

// Unknown figures read "n/a" in the user's language; a data text "n/a" is unknown too.
QString Specified(const QString& text)
{
    return text.isEmpty() || text == QLatin1String("n/a") || text == NotAvailableText()
               ? QString(NotSpecified)
               : text;
}

QString Shortest(double value)
{
    return std::isfinite(value) ? UserLocale().toString(value, 'f', QLocale::FloatingPointShortest)
                                : QString(NotSpecified);
}

} // namespace

TNotSpecified::operator QString() const
{
    return Tr("Datasheet", "not specified");
}

TDatasheet DatasheetOf(const TQuoteResult& quote, const TQuoteRequest& request,
                       const QString& pricingDate)
{
    TDatasheet sheet;
    const TJumper& assembly = quote.Assembly;
    const bool partsList = quote.Page == TQuotePage::PartsList;
    const QString length = partsList ? request.LengthText : quote.Length.Text;
    const bool metres = partsList ? request.Metres : quote.Length.Metres;
    const QString cable = assembly.Cable != nullptr ? assembly.Cable->PartNumber : QString();

    // Which ends are fitted, as the assembly as built counts them.
    const TConnector* top = !partsList || request.IncludeTop ? assembly.TopConnector : nullptr;
    const TConnector* bottom =
        !partsList || request.IncludeBottom ? assembly.BottomConnector : nullptr;
    sheet.TopInterface = top != nullptr ? top->ActualInterface : QString();
    sheet.BottomInterface = bottom != nullptr ? bottom->ActualInterface : QString();
    sheet.CableCaption = cable + QStringLiteral(", ") + length +
                         (metres ? QStringLiteral(" m") : QStringLiteral(" ft"));

    sheet.Description = QString(quote.Description).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (sheet.Description.isEmpty()) {
        const auto end = [](const TConnector* connector) {
            return connector != nullptr ? connector->ActualInterface
                                        : QStringLiteral("no connector");
        };
        sheet.Description =
            length + (metres ? QStringLiteral(" meter ") : QStringLiteral(" foot ")) +
            (request.Feeder ? QStringLiteral("feeder, ") : QStringLiteral("cable assembly, ")) +
            cable + QStringLiteral(", top: ") + end(top) + QStringLiteral(", bottom: ") +
            end(bottom);
    }
    sheet.Name =
        !partsList && !assembly.PartNumber.isEmpty() ? assembly.PartNumber : sheet.Description;
    sheet.PricingDate = pricingDate;

    const QStringList figures = PerformanceTexts(quote.Figures);
    for (qsizetype i = 0; i < qsizetype(std::size(FigureNames)); ++i)
        sheet.Figures.append({FigureNames[i].Text(), figures.value(i, NotAvailableText())});

    const TAsBuilt& built = quote.AsBuilt;
    sheet.AsBuiltHeadings = {QString()};
    for (const double frequency : built.Frequencies)
        sheet.AsBuiltHeadings.append(FloatToStr(frequency) + QStringLiteral(" MHz"));
    sheet.AsBuilt = AsBuiltRows(built);
    for (TAsBuiltRow& row : sheet.AsBuilt)
        for (QString& value : row.Values)
            value = Specified(value);
    sheet.AsBuiltNote = DefaultLossNote(built);
    sheet.CurveMHz = built.CurveMHz;
    sheet.CurveInsertionLoss = built.CurveInsertionLoss;
    sheet.CurveReturnLoss = built.CurveReturnLoss;

    sheet.Mechanical = {
        {Tr("Datasheet", "Velocity factor:"), Shortest(built.VelocityFactor)},
        {Tr("Datasheet", "Minimum bend radius, single (mm):"), Shortest(built.BendRadiusMm)},
        {Tr("Datasheet", "Minimum bend radius, repeated (mm):"),
         Shortest(built.BendRadiusRepeatedMm)},
        {Tr("Datasheet", "Weight (kg):"), Specified(FigureText(built.WeightKg))},
        {Tr("Datasheet", "Fire rating:"), Specified(built.FireRating)},
        {Tr("Datasheet", "PIM:"), Specified(PimText(built))}};
    return sheet;
}
