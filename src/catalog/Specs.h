#pragma once

#include "base/DataError.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Part data (dat/specs.dat in the program folder): what the makers' datasheets state of
// each connector and cable part number beyond the catalog. Every field is optional: a part or a
// field the file does not give is unknown, never a default.
//
//   [Header]             free keys (Version, Title, ...)
//   [Connectors]         part number=loss|VSWR ranges|PIM|PIM condition|weight|
//                        loss: insertion-loss coefficient in dB per square root of GHz;
//                        VSWR ranges: blank-separated low-high:VSWR (MHz), such as
//                        "698-960:1.15 1710-2690:1.20"; PIM in dBc (such as -155) and its test
//                        condition (such as "2 x 20 W"); weight in kg
//   [Cables]             part number=velocity factor|bend radius, single (mm)|bend radius,
//                        repeated (mm)|weight per foot (kg)|weight per metre (kg)|fire rating|
//
// Lines are read as the catalog's: sections by name without regard to case (a repeated one
// ignored), key=value lines, empty lines skipped, and lines starting with ';' or '#' are
// comments. A line that cannot be read is a problem with its file and line, and is skipped; the
// rest of the file is kept. A part named twice keeps its first line.

struct TVswrRange {
    double LowMHz = 0;
    double HighMHz = 0;
    double Vswr = 1;
};

struct TConnectorSpec {
    std::optional<double> LossCoefficient; // dB per sqrt(GHz)
    QList<TVswrRange> Vswr;
    std::optional<double> PimDbc;
    QString PimCondition;
    std::optional<double> WeightKg;
};

struct TCableSpec {
    std::optional<double> VelocityFactor;
    std::optional<double> BendRadiusSingleMm;
    std::optional<double> BendRadiusRepeatedMm;
    std::optional<double> WeightKgPerFoot;
    std::optional<double> WeightKgPerMetre;
    QString FireRating;
};

struct TSpecData {
    QHash<QString, TConnectorSpec> Connectors;
    QHash<QString, TCableSpec> Cables;

    const TConnectorSpec* Connector(const QString& partNumber) const;
    const TCableSpec* Cable(const QString& partNumber) const;
};

// A part data file is a few hundred kilobytes; one beyond this is refused whole.
constexpr qint64 SpecFileLimit = qint64(16) << 20;

// The data of these lines; the lines that cannot be read go to problems (with fileName and their
// line number).
TSpecData ParseSpecs(const QStringList& lines, const QString& fileName,
                     QList<TDataError>& problems);

// Reads the file: a missing file is no data and no problem. A file that is there but cannot be
// read (not a regular file, too large, unreadable) is one problem naming the file.
TSpecData ReadSpecFile(const QString& path, QList<TDataError>& problems);

// The VSWR a connector is specified for at this frequency: the largest of the ranges that hold it;
// none when no range does.
std::optional<double> VswrAt(const TConnectorSpec& spec, double frequencyMHz);

// What start-up says of the lines that could not be read, each with its file and line (the first
// few named), lines separated by lineBreak; empty for none.
QString SpecProblemsText(const QList<TDataError>& problems, const QString& lineBreak);
