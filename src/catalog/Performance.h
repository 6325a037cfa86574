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
// "n/a" in the user's language, as FigureText shows an undefined figure.
QString NotAvailableText();
// The same in the data format ('.', ASCII digits), for files; "n/a" when it is undefined.
QString FigureDataText(double value);

// The seven figures of the result pages, in display order: attenuation per 100 ft (dB), per
// 100 m (dB), total attenuation (dB), insertion loss (dB), efficiency (%), maximum and average
// power (kW). NaN where a figure is undefined.
QList<double> PerformanceFigures(const TTransmissionLine& cable, bool lengthInFeet, double f1,
                                 double f2, double length);

// The figures' texts as the result pages show them: two decimals in the user's format and the
// unit (" dB", "%", " kW"); "n/a" for a figure that is undefined.
QStringList PerformanceTexts(const QList<double>& figures);
