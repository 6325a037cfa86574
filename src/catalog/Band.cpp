#include "Band.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "Performance.h"

#include <algorithm>
#include <cmath>

namespace {

} // namespace

TBandPoint BandPoint(const TTransmissionLine& cable, bool lengthInFeet, double frequency,
                     double length)
{
    const double f = frequency;
    TBandPoint point;
    point.Frequency = f;
    point.AttenuationFt = Attenuation(cable, f, f);
    point.AttenuationM = point.AttenuationFt * FeetPerMetre;
    point.Total = TotalAttenuation(cable, lengthInFeet, f, f, length);
    point.InsertionLoss = InsertionLoss(cable, lengthInFeet, f, f, length);
    point.Efficiency = Efficiency(cable, lengthInFeet, f, f, length);
    point.AveragePower = AveragePower(cable, f, f);
    return point;
}

QList<TBandPoint> BandRows(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                           double length)
{
    return {BandPoint(cable, lengthInFeet, f1, length),
            BandPoint(cable, lengthInFeet, (f1 + f2) / 2, length),
            BandPoint(cable, lengthInFeet, f2, length)};
}

QList<TBandPoint> BandCurve(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                            double length, int count)
{
    const int points = std::max(3, count) | 1;
    QList<TBandPoint> curve;
    curve.reserve(points);
    for (int i = 0; i < points; ++i) {
        // The ends and the middle exactly as the table computes them.
        const double f = i == 0                ? f1
                         : i == points - 1     ? f2
                         : 2 * i == points - 1 ? (f1 + f2) / 2
                                               : f1 + (f2 - f1) * i / (points - 1);
        curve.append(BandPoint(cable, lengthInFeet, f, length));
    }
    return curve;
}

QList<TTrKey> BandHeadingKeys()
{
    return {TrKey("Band", "Frequency (MHz)"),        TrKey("Band", "Attenuation (dB/100 ft)"),
            TrKey("Band", "Attenuation (dB/100 m)"), TrKey("Band", "Cable Total Attenuation (dB)"),
            TrKey("Band", "Insertion Loss (dB)"),    TrKey("Band", "Efficiency (%)"),
            TrKey("Band", "Average Power (kW)")};
}

QStringList BandHeadings()
{
    QStringList headings;
    for (const TTrKey& key : BandHeadingKeys())
        headings.append(key.Text());
    return headings;
}

QStringList BandRowTexts(const TBandPoint& point)
{
    return {FloatToStr(point.Frequency),     FigureText(point.AttenuationFt),
            FigureText(point.AttenuationM),  FigureText(point.Total),
            FigureText(point.InsertionLoss), FigureText(point.Efficiency),
            FigureText(point.AveragePower)};
}

QString BandNote(double f1, double f2)
{
    return Tr("Band", "Figures at %1 MHz, the middle of %2\u2013%3 MHz")
        .arg(FloatToStr((f1 + f2) / 2), FloatToStr(f1), FloatToStr(f2));
}
