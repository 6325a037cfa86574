#pragma once

#include "CatalogRecords.h"
#include "Specs.h"

#include <QList>
#include <QString>
#include <QStringList>

// The assembly as it is built, for an engineer who signs it off: beyond the seven figures (which
// count two standard connectors at the middle of the band), the connectors actually fitted with
// their own data, at the band's beginning, middle and end, worst case over the band. A figure
// that the data does not give is NaN (shown "n/a"), never a default; the one default is a
// connector's loss coefficient, DefaultConnectorLoss, and the parts it was taken for are named.

inline constexpr double DefaultConnectorLoss = 0.05; // dB per sqrt(GHz)
inline constexpr double SpeedOfLightMPerNs = 0.299792458;
inline constexpr int AsBuiltCurvePoints = 61;

struct TAsBuiltInput {
    const TTransmissionLine* Cable = nullptr;
    // The connectors fitted (null: that end has none).
    const TConnector* Top = nullptr;
    const TConnector* Bottom = nullptr;
    bool LengthInFeet = true;
    double Length = 0;
    double BeginMHz = 0;
    double EndMHz = 0;
    const TSpecData* Specs = nullptr;
};

struct TAsBuilt {
    // The band's beginning, middle and end (MHz), and the insertion loss there (dB): the cable's
    // attenuation over the length plus each fitted connector's coefficient x sqrt(f in GHz).
    double Frequencies[3] = {0, 0, 0};
    double InsertionLoss[3] = {0, 0, 0};
    // The largest insertion loss over the band.
    double MaxInsertionLoss = 0;
    // Worst case over the band from the fitted connectors' maximum VSWR: seen from the top,
    // G = Gtop + Gbottom x 10^(-A/10) with G = (VSWR - 1)/(VSWR + 1) per connector and A the
    // cable's attenuation (dB); VSWR = (1 + G)/(1 - G), return loss = -20 log10 G.
    double MaxVswr = 0;
    double MinReturnLoss = 0;
    // The worst (highest) PIM rating of the fitted connectors, and its test condition.
    double PimDbc = 0;
    QString PimCondition;
    double ElectricalLengthM = 0; // length / velocity factor
    double DelayNs = 0;           // length / (velocity factor x c)
    double WeightKg = 0;          // the cable by its length and the fitted connectors
    double BendRadiusMm = 0;      // the cable's minimum, single bend
    double BendRadiusRepeatedMm = 0;
    double VelocityFactor = 0;
    QString FireRating;
    // The insertion loss and the return-loss limit (the return loss the connectors' VSWR allows,
    // NaN where unknown) at CurvePoints frequencies evenly over the band, for a chart.
    QList<double> CurveMHz;
    QList<double> CurveInsertionLoss;
    QList<double> CurveReturnLoss;
    // The fitted connectors whose loss coefficient was taken as DefaultConnectorLoss.
    QStringList DefaultLossParts;
};

TAsBuilt AssemblyAsBuilt(const TAsBuiltInput& input);

// The note below the table when a default coefficient was taken; empty when none was.
QString DefaultLossNote(const TAsBuilt& asBuilt);

// The batch output's keys of the figures, in column order, and their texts in the data format
// ('.', ASCII digits): two decimals, PIM and the bend radius as the data gives them, "n/a" for
// what is unknown (an unknown PIM condition too).
QStringList AsBuiltKeys();
QStringList AsBuiltDataTexts(const TAsBuilt& asBuilt);

// The rows of the result pages' table: the name, then one text (a figure of the whole band) or
// three (at the band's beginning, middle and end), in the user's format, "n/a" for what is
// unknown.
struct TAsBuiltRow {
    QString Name;
    QStringList Values;
};
QList<TAsBuiltRow> AsBuiltRows(const TAsBuilt& asBuilt);
// The PIM as the table shows it: "-155 dBc (2 x 20 W)", "n/a" when unknown.
QString PimText(const TAsBuilt& asBuilt);
