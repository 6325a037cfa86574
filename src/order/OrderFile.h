#pragma once

#include "Order.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Order files (".fyn") and the last-order file: a sectioned text file with CR LF line ends.
//   [Header]            Company Name=, Author=, Date= (yyyy-MM-dd), Job Number=,
//                       Proposal Number= with the order's details (empty until confirmed),
//                       File Name= and File Path= empty, then Currency= and the code of the
//                       order's currency ("USD"; empty while the order has none), and for an
//                       order recorded in the quote archive Quote= and its number and revision
//                       ("Q-2026-00042/2")
//   (empty line)
//   [SITE 001 LOM]      five site lines with empty values: Site Name=, Site Number=,
//                       Ship To City=, Ship To State/Province=, Ship To Country=
//                       then one line per item, n=quantity|unit|item number|part number|
//                       description|price| with the key n counting from 1, every field trimmed
//                       (a line break inside a field written as a blank), the item number
//                       "FN-001" for kind 1 and empty otherwise
//   (empty line)
// What a file read held beside this (Header lines of other keys, site lines with values, further
// sections) is written back in its place, as read (TOrderFileExtras).
// Files are written in Windows-1252 when every character fits and the bytes do not also read as
// UTF-8, else in UTF-8; the reader takes both.

// The lines of the file for these order lines.
QStringList OrderFileLines(const QList<TOrderLine>& orderLines, const TOrderInfo& info = {});

// The bytes of the file for these order lines: the lines above, each ended by CR LF, encoded.
QByteArray OrderFileBytes(const QList<TOrderLine>& orderLines, const TOrderInfo& info = {});

// True when the file of this order is one that ReadOrderFile opens again (within its limits of
// lines and bytes).
bool OrderFileFits(const QList<TOrderLine>& orderLines, const TOrderInfo& info = {});

// Writes the file atomically: a failed write leaves the previous file whole. Throws TDataError
// naming the file when it cannot be written.
void WriteOrderFile(const QString& path, const QList<TOrderLine>& orderLines,
                    const TOrderInfo& info = {});

// The longest "Quote=" value kept from a file.
inline constexpr qsizetype MaxQuoteReferenceLength = 40;

struct TOrderFileContents {
    // The order: one line per item read (kind "1" when the item number is not empty, else "2").
    // Quantities and prices are in the data format ('.', ASCII digits).
    QList<TOrderLine> OrderLines;
    // The Header's "Currency=" value as written (trimmed); empty when there is none.
    QString CurrencyCode;
    // The Header's "Quote=" value as written (trimmed); empty when there is none or it is far
    // longer than a quote reference.
    QString Quote;
    // The Header's details as written (trimmed); empty in files of older builds.
    TOrderDetails Details;
    // What the file holds that the order does not use.
    TOrderFileExtras Extras;
};

// The order of a file's lines: the section "SITE 001 LOM" (names compared without regard to
// case, a repeated section ignored, empty lines and a lone end-of-file character skipped), its
// first five lines skipped by position whatever they hold (a line of blanks among them counts;
// after them it is skipped). Quantities and prices may use '.' or ',' and any decimal digits.
// Throws TDataError naming the file when there is no such section (it is not an order file), and
// naming the file and the line at the first item line that cannot be read: no '=', fewer than six
// fields, a quantity that is not a number of zero or more, a price that is not a number.
TOrderFileContents ParseOrderFile(const QStringList& lines, const QString& fileName);

// Reads the file. Throws TDataError naming the file when it is missing, a folder, far larger than
// any order file, cannot be read, is not an order file or has an item line it cannot read.
TOrderFileContents ReadOrderFile(const QString& path);
