#include "AsBuilt.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "Performance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double MHzPerGHz = 1000;
// The band is walked at this many evenly spaced frequencies, and at every edge of a VSWR range
// inside it, for its worst case.
constexpr int BandSteps = 200;

struct TFitted {
    const TConnector* Connector = nullptr;
    const TConnectorSpec* Spec = nullptr;
    double Loss = DefaultConnectorLoss;
};

double CableLoss(const TAsBuiltInput& input, double f)
{
    return TotalAttenuation(*input.Cable, input.LengthInFeet, f, f, input.Length);
}

double InsertionLossAt(const TAsBuiltInput& input, const QList<TFitted>& fitted, double f)
{
    double loss = CableLoss(input, f);
    for (const TFitted& connector : fitted)
        loss += connector.Loss * std::sqrt(f / MHzPerGHz);
    return loss;
}

double Reflection(double vswr)
{
    return (vswr - 1) / (vswr + 1);
}

double LengthInMetres(const TAsBuiltInput& input)
{
    return input.LengthInFeet ? input.Length / FeetPerMetre : input.Length;
}

// A figure as the data gives it, in its shortest form.
QString DataValue(double value)
{
    return std::isfinite(value) ? QString::number(value, 'f', QLocale::FloatingPointShortest)
                                : QStringLiteral("n/a");
}

QString UserValue(double value)
{
    return std::isfinite(value) ? UserLocale().toString(value, 'f', QLocale::FloatingPointShortest)
                                : NotAvailableText();
}

} // namespace

TAsBuilt AssemblyAsBuilt(const TAsBuiltInput& input)
{
    TAsBuilt result;
    const double f1 = input.BeginMHz;
    const double f2 = input.EndMHz;
    result.Frequencies[0] = f1;
    result.Frequencies[1] = (f1 + f2) / 2;
    result.Frequencies[2] = f2;
    if (input.Cable == nullptr) {
        std::fill(std::begin(result.InsertionLoss), std::end(result.InsertionLoss), NaN);
        result.MaxInsertionLoss = result.MaxVswr = result.MinReturnLoss = result.PimDbc = NaN;
        result.VelocityFactor = NaN;
        result.ElectricalLengthM = result.DelayNs = result.WeightKg = NaN;
        result.BendRadiusMm = result.BendRadiusRepeatedMm = NaN;
        return result;
    }
    const TSpecData noSpecs;
    const TSpecData& specs = input.Specs != nullptr ? *input.Specs : noSpecs;

    QList<TFitted> fitted;
    for (const TConnector* connector : {input.Top, input.Bottom}) {
        if (connector == nullptr)
            continue;
        TFitted item{connector, specs.Connector(connector->PartNumber), DefaultConnectorLoss};
        if (item.Spec != nullptr && item.Spec->LossCoefficient)
            item.Loss = *item.Spec->LossCoefficient;
        else if (!result.DefaultLossParts.contains(connector->PartNumber))
            result.DefaultLossParts.append(connector->PartNumber);
        fitted.append(item);
    }

    // Insertion loss at the three frequencies and its largest value over the band.
    for (int i = 0; i < 3; ++i)
        result.InsertionLoss[i] = InsertionLossAt(input, fitted, result.Frequencies[i]);
    QList<double> band;
    for (int step = 0; step <= BandSteps; ++step)
        band.append(f1 + (f2 - f1) * step / BandSteps);
    for (const TFitted& connector : fitted)
        if (connector.Spec != nullptr)
            for (const TVswrRange& range : connector.Spec->Vswr)
                for (const double edge : {range.LowMHz, range.HighMHz})
                    if (edge > std::min(f1, f2) && edge < std::max(f1, f2))
                        band.append(edge);
    result.MaxInsertionLoss = -std::numeric_limits<double>::infinity();
    for (const double f : std::as_const(band)) {
        const double loss = InsertionLossAt(input, fitted, f);
        result.MaxInsertionLoss =
            std::isfinite(loss) ? std::max(result.MaxInsertionLoss, loss) : NaN;
        if (std::isnan(result.MaxInsertionLoss))
            break;
    }

    // VSWR and return loss, worst case over the band; unknown where a fitted connector has no
    // VSWR for a frequency of it.
    // Seen from the top: the top connector's reflection as it is, the bottom one's after a trip
    // down the cable and back. NaN without connectors or where one has no VSWR.
    const bool topFitted = input.Top != nullptr;
    const auto reflectionAt = [&](double f) {
        if (fitted.isEmpty())
            return NaN;
        double gamma = 0;
        for (qsizetype i = 0; i < fitted.size(); ++i) {
            const TFitted& connector = fitted.at(i);
            const std::optional<double> vswr =
                connector.Spec != nullptr ? VswrAt(*connector.Spec, f) : std::nullopt;
            if (!vswr)
                return NaN;
            const bool isTop = topFitted && i == 0;
            gamma += isTop ? Reflection(*vswr)
                           : Reflection(*vswr) * std::pow(10.0, -CableLoss(input, f) / 10);
        }
        return gamma;
    };
    double worst = fitted.isEmpty() ? NaN : 0;
    for (const double f : std::as_const(band)) {
        const double gamma = reflectionAt(f);
        worst = std::isfinite(gamma) ? std::max(worst, gamma) : NaN;
        if (std::isnan(worst))
            break;
    }
    for (int point = 0; point < AsBuiltCurvePoints; ++point) {
        const double f = f1 + (f2 - f1) * point / (AsBuiltCurvePoints - 1);
        const double gamma = reflectionAt(f);
        result.CurveMHz.append(f);
        result.CurveInsertionLoss.append(InsertionLossAt(input, fitted, f));
        result.CurveReturnLoss.append(gamma > 0 && gamma < 1 ? -20 * std::log10(gamma) : NaN);
    }
    result.MaxVswr = worst < 1 ? (1 + worst) / (1 - worst) : NaN;
    result.MinReturnLoss = worst > 0 && worst < 1 ? -20 * std::log10(worst) : NaN;

    // PIM: the worst rating of the fitted connectors, known only when each has one.
    result.PimDbc = fitted.isEmpty() ? NaN : -std::numeric_limits<double>::infinity();
    for (const TFitted& connector : fitted) {
        if (connector.Spec == nullptr || !connector.Spec->PimDbc) {
            result.PimDbc = NaN;
            result.PimCondition.clear();
            break;
        }
        if (*connector.Spec->PimDbc > result.PimDbc) {
            result.PimDbc = *connector.Spec->PimDbc;
            result.PimCondition = connector.Spec->PimCondition;
        }
    }

    // Mechanical figures from the cable's data and the fitted connectors' weights.
    const TCableSpec* cable = specs.Cable(input.Cable->PartNumber);
    const double metres = LengthInMetres(input);
    const std::optional<double> factor = cable != nullptr ? cable->VelocityFactor : std::nullopt;
    result.VelocityFactor = factor ? *factor : NaN;
    result.ElectricalLengthM = factor ? metres / *factor : NaN;
    result.DelayNs = factor ? metres / (*factor * SpeedOfLightMPerNs) : NaN;
    std::optional<double> perUnit;
    if (cable != nullptr) {
        if (input.LengthInFeet)
            perUnit = cable->WeightKgPerFoot ? cable->WeightKgPerFoot
                      : cable->WeightKgPerMetre
                          ? std::optional<double>(*cable->WeightKgPerMetre / FeetPerMetre)
                          : std::nullopt;
        else
            perUnit = cable->WeightKgPerMetre ? cable->WeightKgPerMetre
                      : cable->WeightKgPerFoot
                          ? std::optional<double>(*cable->WeightKgPerFoot * FeetPerMetre)
                          : std::nullopt;
    }
    result.WeightKg = perUnit ? *perUnit * input.Length : NaN;
    for (const TFitted& connector : fitted)
        result.WeightKg = connector.Spec != nullptr && connector.Spec->WeightKg
                              ? result.WeightKg + *connector.Spec->WeightKg
                              : NaN;
    result.BendRadiusMm =
        cable != nullptr && cable->BendRadiusSingleMm ? *cable->BendRadiusSingleMm : NaN;
    result.BendRadiusRepeatedMm =
        cable != nullptr && cable->BendRadiusRepeatedMm ? *cable->BendRadiusRepeatedMm : NaN;
    if (cable != nullptr)
        result.FireRating = cable->FireRating;
    return result;
}

QString DefaultLossNote(const TAsBuilt& asBuilt)
{
    if (asBuilt.DefaultLossParts.isEmpty())
        return {};
    return Tr("AsBuilt", "Connector loss taken as %1 dB/\u221aGHz for %2: no part data.")
        .arg(FigureText(DefaultConnectorLoss), asBuilt.DefaultLossParts.join(QStringLiteral(", ")));
}

QStringList AsBuiltKeys()
{
    return {QStringLiteral("insertion_loss_as_built_db_begin"),
            QStringLiteral("insertion_loss_as_built_db_middle"),
            QStringLiteral("insertion_loss_as_built_db_end"),
            QStringLiteral("insertion_loss_max_db"),
            QStringLiteral("vswr_max"),
            QStringLiteral("return_loss_min_db"),
            QStringLiteral("pim_dbc"),
            QStringLiteral("pim_condition"),
            QStringLiteral("electrical_length_m"),
            QStringLiteral("delay_ns"),
            QStringLiteral("weight_kg"),
            QStringLiteral("bend_radius_min_mm")};
}

QStringList AsBuiltDataTexts(const TAsBuilt& asBuilt)
{
    const bool pim = std::isfinite(asBuilt.PimDbc);
    return {FigureDataText(asBuilt.InsertionLoss[0]),
            FigureDataText(asBuilt.InsertionLoss[1]),
            FigureDataText(asBuilt.InsertionLoss[2]),
            FigureDataText(asBuilt.MaxInsertionLoss),
            FigureDataText(asBuilt.MaxVswr),
            FigureDataText(asBuilt.MinReturnLoss),
            DataValue(asBuilt.PimDbc),
            pim && !asBuilt.PimCondition.isEmpty() ? asBuilt.PimCondition : QStringLiteral("n/a"),
            FigureDataText(asBuilt.ElectricalLengthM),
            FigureDataText(asBuilt.DelayNs),
            FigureDataText(asBuilt.WeightKg),
            DataValue(asBuilt.BendRadiusMm)};
}

QString PimText(const TAsBuilt& asBuilt)
{
    QString pim = UserValue(asBuilt.PimDbc);
    if (std::isfinite(asBuilt.PimDbc)) {
        pim += QStringLiteral(" dBc");
        if (!asBuilt.PimCondition.isEmpty())
            pim += QStringLiteral(" (") + asBuilt.PimCondition + QLatin1Char(')');
    }
    return pim;
}

QList<TAsBuiltRow> AsBuiltRows(const TAsBuilt& asBuilt)
{
    const QString pim = PimText(asBuilt);
    return {{Tr("AsBuilt", "Insertion loss as built (dB)"),
             {FigureText(asBuilt.InsertionLoss[0]), FigureText(asBuilt.InsertionLoss[1]),
              FigureText(asBuilt.InsertionLoss[2])}},
            {Tr("AsBuilt", "Maximum insertion loss in the band (dB)"),
             {FigureText(asBuilt.MaxInsertionLoss)}},
            {Tr("AsBuilt", "Maximum VSWR"), {FigureText(asBuilt.MaxVswr)}},
            {Tr("AsBuilt", "Minimum return loss (dB)"), {FigureText(asBuilt.MinReturnLoss)}},
            {Tr("AsBuilt", "PIM"), {pim}},
            {Tr("AsBuilt", "Electrical length (m)"), {FigureText(asBuilt.ElectricalLengthM)}},
            {Tr("AsBuilt", "Delay (ns)"), {FigureText(asBuilt.DelayNs)}},
            {Tr("AsBuilt", "Weight (kg)"), {FigureText(asBuilt.WeightKg)}},
            {Tr("AsBuilt", "Minimum bend radius (mm)"), {UserValue(asBuilt.BendRadiusMm)}}};
}
