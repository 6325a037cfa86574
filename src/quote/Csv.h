#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 writes them, in UTF-8 (a byte-order mark is skipped): fields
// separated by ',', a field in double quotes may hold commas, line breaks and "" for a quote; lines
// end in CR LF or LF. The first line holds the headings; empty lines are skipped.
struct TCsvTable {
    QStringList Headings;
    QList<QStringList> Rows;
    // The file line on which each row starts (1 for the headings).
    QList<int> RowLines;

    // The column of a heading (compared trimmed, without regard to case); -1 when none.
    int Column(const QString& heading) const;
};

// Throws TDataError naming the line for a quote left open, text after a closing quote, or bytes
// that are not UTF-8.
TCsvTable ParseCsv(const QByteArray& bytes);

// One line of CSV: each field quoted when it holds a comma, a quote or a line break (a lone empty
// field as ""); no line end.
QString CsvLine(const QStringList& fields);
