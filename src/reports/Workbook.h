#pragma once

#include "order/Order.h"
#include "reports/ResultContent.h"

#include <QByteArray>
#include <QString>

// The shown result page as an Excel workbook (.xlsx), holding what the spreadsheet export holds:
// for an order its details first; then the grid's bold heading row, frozen, with the currency
// code in the price headings, its rows with quantities and prices as numbers (prices with two
// decimals) and the total as a SUM formula with its value stored; then the label/value rows and
// the notices. Column widths fit their texts. Texts are stored as texts, never as formulas.
// Throws TDataError when the workbook cannot be made.
QByteArray WorkbookBytes(const TResultContent& content, const TOrderDetails& details,
                         const QString& currencyCode);

// Writes it to path; the file is replaced only by a whole workbook. Throws TDataError naming the
// file when it cannot be written.
void WriteWorkbook(const QString& path, const TResultContent& content, const TOrderDetails& details,
                   const QString& currencyCode);
