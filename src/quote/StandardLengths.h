#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Standard lengths of an assembly and the part numbers built from lengths.
//
// The standard-length table has one row per standard length, code|feet|metres|: the feet rows
// (from the feet list) first, then the metre rows, each in list order. Column 1 is the length
// code in the part number, column 2 the length in feet, column 3 in metres. Lengths as the lists
// write them ('.' as decimal point) are shown in the user's number format; converted lengths are
// "%.2f" in the user's format. One metre is 3.2808 ft.

constexpr double LengthWindowFeet = 4.0;

// A length the user typed, as part numbers write it: the regional decimal separator becomes '.'.
QString DataLengthText(const QString& userText);
// A length from a data file in the user's number format: '.' becomes the regional separator.
QString UserLengthText(const QString& dataText);

// The part-number code of a length in metres: 3 -> 3M, 3.5 -> 3M5, 0.5 -> M5, 10.25 -> 10M25,
// 3.50 -> 3M50. The text may use '.' or the regional decimal separator.
QString MetreLengthCode(const QString& metres);

// The table built from the comma-separated lists; pieces are not trimmed, and the first piece of
// a list that is not a number ends that list's rows.
QStringList BuildStandardLengths(const QString& feetLengths, const QString& metreLengths);

// True for a row made from the metre list (its length code names metres).
bool IsMetreRow(const QString& row);

// True when the typed length text equals column 3 (metres) or column 2 (feet) of some row: a
// comparison of texts, so 10.0 is not 10.
bool IsStandardLength(const QStringList& table, const QString& lengthText, bool metres);

// The stem followed by the length code: MetreLengthCode for metres, else the typed text.
QString BuildPartNumber(const QString& stem, const QString& lengthText, bool metres);

// Row indexes of the nearest standard lengths strictly within 4 ft below and above the length
// (in feet); -1 when there is none. Of equal lengths the first row counts.
struct TNearLengths {
    int Shorter = -1;
    int Longer = -1;
    bool Any() const { return Shorter >= 0 || Longer >= 0; }
};
TNearLengths FindNearLengths(const QStringList& table, double lengthFeet);

// The rows of the nearest-lengths grid, five cells each (description, part number, feet,
// metres, difference): the typed length, then the shorter and the longer candidate when found.
QList<QStringList> NearLengthRows(const QStringList& table, const TNearLengths& near,
                                  const QString& stem, const QString& lengthText, bool metres);
