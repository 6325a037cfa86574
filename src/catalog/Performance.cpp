#include "Performance.h"

#include "base/LineFormat.h"
#include "base/Translate.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace {

constexpr double ConnectorLossFactor = 0.05;
constexpr double ConnectorsPerAssembly = 2;
constexpr double MHzPerGHz = 1000;
constexpr double WaveguideQuadratic = 0.09557;
constexpr double WaveguideLinear = -0.13127;
constexpr double WaveguideScale = 1000;

bool IsWaveguide(const TTransmissionLine& cable)
{
    return cable.CableType.toUpper() == QLatin1String("EW");
}

QString Figure(double value, const QString& suffix)
{
    return std::isfinite(value) ? FigureText(value) + suffix : FigureText(value);
}

} // namespace

QString FigureText(double value)
{
    return std::isfinite(value) ? FormatFixed2(value) : NotAvailableText();
}

QString NotAvailableText()
{
    return Tr("Performance", "n/a");
}

QString FigureDataText(double value)
{
    return std::isfinite(value) ? FormatFixed2Data(value) : QStringLiteral("n/a");
}

double Attenuation(const TTransmissionLine& cable, double f1, double f2)
{
    const double f = (f1 + f2) / 2;
    if (!IsWaveguide(cable))
        return cable.AttenuationK1 * std::sqrt(f) + cable.AttenuationK2 * f;
    const double ratio = f / cable.AttenuationK1 - 1;
    if (!(ratio > 0))
        return std::numeric_limits<double>::quiet_NaN();
    const double l = std::log(ratio);
    return cable.AttenuationK2 / WaveguideScale *
           std::exp(WaveguideQuadratic * l * l + WaveguideLinear * l);
}

double TotalAttenuation(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                        double length)
{
    const double a = Attenuation(cable, f1, f2);
    if (lengthInFeet)
        return length * a / 100;
    return a / 100 * (length * FeetPerMetre);
}

double InsertionLoss(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                     double length)
{
    const double f = (f1 + f2) / 2;
    return ConnectorsPerAssembly * ConnectorLossFactor * std::sqrt(f / MHzPerGHz) +
           TotalAttenuation(cable, lengthInFeet, f1, f2, length);
}

double Efficiency(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                  double length)
{
    return 100 * std::pow(10.0, -InsertionLoss(cable, lengthInFeet, f1, f2, length) / 10);
}

double AveragePower(const TTransmissionLine& cable, double f1, double f2)
{
    const double a = Attenuation(cable, f1, f2);
    if (!std::isfinite(a) || a == 0)
        return std::numeric_limits<double>::quiet_NaN();
    const double p = cable.PowerFactor / a;
    return p > cable.MaxPower ? cable.MaxPower : p;
}

QList<double> PerformanceFigures(const TTransmissionLine& cable, bool lengthInFeet, double f1,
                                 double f2, double length)
{
    const double a = Attenuation(cable, f1, f2);
    return {a,
            a * FeetPerMetre,
            TotalAttenuation(cable, lengthInFeet, f1, f2, length),
            InsertionLoss(cable, lengthInFeet, f1, f2, length),
            Efficiency(cable, lengthInFeet, f1, f2, length),
            cable.MaxPower,
            AveragePower(cable, f1, f2)};
}

QStringList PerformanceTexts(const QList<double>& figures)
{
    static const QString Units[] = {
        QStringLiteral(" dB"), QStringLiteral(" dB"), QStringLiteral(" dB"), QStringLiteral(" dB"),
        QStringLiteral("%"),   QStringLiteral(" kW"), QStringLiteral(" kW")};
    QStringList texts;
    for (qsizetype i = 0; i < figures.size() && i < qsizetype(std::size(Units)); ++i)
        texts.append(Figure(figures.at(i), Units[i]));
    return texts;
}
