#pragma once

#include "CatalogRecords.h"

#include <QStringList>

constexpr double FeetPerMetre = 3.2808;

// Attenuation in dB/100 ft at the mean of f1 and f2 (MHz). NaN when undefined (a waveguide at
// or below its cut-off).
double Attenuation(const TTransmissionLine& cable, double f1, double f2);
double TotalAttenuation(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                        double length);
double InsertionLoss(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                     double length);
double Efficiency(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                  double length);
// PowerFactor / attenuation, capped at MaxPower (kW).
double AveragePower(const TTransmissionLine& cable, double f1, double f2);

// A figure with two decimals in the user's format; "n/a" when it is undefined (not finite).
QString FigureText(double value);

// The seven figure texts shown on the result pages, in display order: attenuation per 100 ft,
// per 100 m, total attenuation, insertion loss, efficiency, maximum and average power. A figure
// that is undefined reads "n/a".
QStringList PerformanceTexts(const TTransmissionLine& cable, bool lengthInFeet, double f1,
                             double f2, double length);
