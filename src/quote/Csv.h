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
    // The cells were separated by ';' (a spreadsheet of a region that writes a decimal comma).
    bool Semicolons = false;

    // The column of a heading (compared trimmed, without regard to case); -1 when none.
    int Column(const QString& heading) const;
};

// What a table may hold; checked while the bytes are read, so a file beyond them is refused at
// once and memory stays proportional to what is kept.
struct TCsvLimits {
    // Rows after the headings (empty lines are no rows).
    qsizetype Rows = 20000;
    // Cells in a row: the batch columns and many more of a spreadsheet's own.
    qsizetype Cells = 100;
    // Bytes of a cell's text, far more than any name or number needs.
    qsizetype FieldBytes = qsizetype(64) << 10;
    // ';' separates the cells when the heading row holds a ';' and no ','.
    bool DetectSemicolons = false;
};

// Throws TDataError naming the line for a quote left open, text after a closing quote, bytes
// that are not UTF-8, or a table beyond the limits. The text is decoded cell by cell, never
// held whole beside its bytes.
TCsvTable ParseCsv(const QByteArray& bytes, const TCsvLimits& limits = {});

// A text cell as a spreadsheet must not take it for a formula: a text starting with '=', '+',
// '-', '@', a tab or a carriage return gets a leading apostrophe, unless it is a number.
QString SpreadsheetText(const QString& text);

// One line of CSV: each field quoted when it holds a comma, a quote or a line break (a lone empty
// field as ""); no line end.
QString CsvLine(const QStringList& fields);
