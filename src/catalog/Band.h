#pragma once

#include "base/Translate.h"
#include "CatalogRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// The figures of an assembly at one frequency of its band, computed with the functions of the
// seven figures (which take the middle of the band); a figure that is undefined (a waveguide at
// or below its cut-off) is NaN.
struct TBandPoint {
    double Frequency = 0;     // MHz
    double AttenuationFt = 0; // dB/100 ft
    double AttenuationM = 0;  // dB/100 m
    double Total = 0;         // dB, the cable's attenuation over the assembly's length
    double InsertionLoss = 0; // dB, the cable and two connectors (as the seven figures count)
    double Efficiency = 0;    // % (of the insertion loss)
    double AveragePower = 0;  // kW
};

TBandPoint BandPoint(const TTransmissionLine& cable, bool lengthInFeet, double frequency,
                     double length);

// The beginning, the middle and the end of the band f1..f2.
QList<TBandPoint> BandRows(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                           double length);

// count points (at least 3, made odd so that the middle is one of them) evenly over f1..f2.
QList<TBandPoint> BandCurve(const TTransmissionLine& cable, bool lengthInFeet, double f1, double f2,
                            double length, int count);

// The band table's headings, and a row's texts in the formats of the seven figures without
// their units (which the headings carry): frequency in its shortest form, the rest with two
// decimals, "n/a" when undefined.
QStringList BandHeadings();
// The same headings as keys, to translate again when the language changes.
QList<TTrKey> BandHeadingKeys();
QStringList BandRowTexts(const TBandPoint& point);

// "Figures at 1500 MHz, the middle of 800–2200 MHz", the numbers in the user's format.
QString BandNote(double f1, double f2);
