#pragma once

#include "catalog/Band.h"
#include "quote/Csv.h"
#include "quote/QuoteEngine.h"
#include "reports/Datasheet.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Quoting assemblies in batches: each row of a CSV file names the choices of one assembly as the
// wizard's first two pages would take them, and is quoted as Next on page 2 would quote them.
// Columns (headings without regard to case; more columns are allowed and ignored):
//   application  jumper | feeder                   (jumper)
//   length       a number, '.' as decimal point    (6 for a jumper, 200 for a feeder)
//   unit         ft | m                            (ft)
//   begin_mhz    end_mhz                           (800, 2200)
//   cable        the cable's part number           (as page 2 offers first)
//   grade        plated | standard                 (as page 2 offers first)
//   attachment   prenvo | regular                  (as page 2 offers first)
//   top, bottom  the connector's actual interface  (7-16 DIN Male, or the first offered)
//   top_characteristics, top_inner, bottom_characteristics, bottom_inner  (the first offered)
//   feeder_connectors  both | top | bottom | none  (both)
//   quantity     a whole number of assemblies      (1)
// A row is quoted as a freshly started window quotes it with page 1 filled in and the row's picks
// made on page 2 (TWizardWalk): an empty cell keeps what page 2 shows, which is the default in
// brackets unless an earlier pick changed it, as in the window.

// The headings every batch file has.
QStringList BatchColumns();

// What quoting a row needs: the catalog and where prices and standard assemblies come from.
struct TBatchSources {
    const TCableList* Cables = nullptr;
    TQuoteSources Quote;
    // A row with a part without a usable list price is refused rather than quoted at 0.
    bool Strict = false;
    // Each quoted row's datasheet is made, with this pricing date (as the result pages show it).
    bool Datasheets = false;
    QString PricingDate;
};

// The quote of one row.
struct TBatchItem {
    int Row = 0;   // the file line on which the row starts
    QString Error; // why the row could not be quoted; empty when it was
    QString Kind;  // "standard", "nearest" or "custom"
    QString PartNumber;
    QString ShorterPartNumber; // nearest: the standard lengths the nearest-lengths page offers
    QString LongerPartNumber;
    qint64 Quantity = 1;
    // The order lines the result page offers, quantity times.
    QList<TOrderLine> ResultRows;
    QString Total;    // the result page's total for one assembly, in the user's format
    QString Currency; // "USD", "EUR", ...
    // The seven figures (NaN where undefined).
    QList<double> Figures;
    // The band's beginning and end, as the band panel computes them.
    TBandPoint BandBegin;
    // The assembly as built, and the datasheet when the sources ask for one.
    TAsBuilt AsBuilt;
    TDatasheet Datasheet;
    TBandPoint BandEnd;
    // The notes the window shows for the row, in its words and order: a connector of another
    // grade taken, parts without a list price.
    QStringList Warnings;
};

// The most rows a file may have: as many as an order file may hold lines.
constexpr int MaxBatchRows = 20000;
// The largest batch file: 20,000 rows of a few hundred bytes run to a few MB.
constexpr qint64 BatchFileLimit = qint64(16) << 20; // 16 MiB

// What a batch file may hold (rows, cells, cell bytes), checked while it is parsed.
TCsvLimits BatchCsvLimits();

// Throws TDataError when a column is missing or the file has more than MaxBatchRows rows.
void CheckBatchHeadings(const TCsvTable& table);

// A batch file read (a regular file of at most BatchFileLimit bytes), parsed within
// BatchCsvLimits and checked.
// Throws TDataError naming the file.
TCsvTable ReadBatchFile(const QString& path);

// Quotes row index (0 for the first row after the headings) in the currency of this tag. A row
// on the nearest-lengths page is quoted at the length as entered, as that page's first choice.
TBatchItem QuoteBatchRow(const TCsvTable& table, int index, const TBatchSources& sources, int tag);

// Quotes every row but those without any value; progress (rows done) is told after each row
// and stops the batch when it answers false.
QList<TBatchItem> QuoteBatch(const TCsvTable& table, const TBatchSources& sources, int tag,
                             const std::function<bool(int)>& progress = {});

// The result rows with each quantity multiplied by count (the merge of count such additions).
QList<TOrderLine> ScaledResultRows(const QList<TOrderLine>& rows, qint64 count);

// The quotes as CSV (one line per order line, or one for a row that failed) or as a JSON array
// of one object per row. Numbers are written with '.' as decimal point.
QByteArray BatchCsv(const QList<TBatchItem>& items);
QByteArray BatchJson(const QList<TBatchItem>& items);
