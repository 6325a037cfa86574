#pragma once

#include "quote/BatchQuote.h"

#include <QStringList>

#include <functional>

class QIODevice;

// Writes a datasheet as a PDF file; an empty text on success, else what went wrong. The window's
// drawing, handed in by the program (the core draws nothing).
using TDatasheetWriter = std::function<QString(const TDatasheet& sheet, const QString& path)>;

// Records a batch quote's order lines, in the currency of the tag, as one quote in the quote
// archive and returns its number ("Q-2026-00042/1"); throws TDataError when it cannot. Handed in
// by the program (the archive is not part of the core).
using TQuoteRecorder =
    std::function<QString(const QList<TOrderLine>& orderLines, int currencyTag)>;

// The file names of the quoted rows' datasheets, in row order (refused rows have none): the part
// number, or "row-N" (N the row's line) without one, with ".pdf"; characters other than letters,
// digits, '.', '-' and '_' as '_'; a name used twice gets "-2", "-3", ... before ".pdf".
QStringList DatasheetFileNames(const QList<TBatchItem>& items);

// "ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict] [--datasheets DIR]
// [--archive]": quotes every row of IN (see BatchQuote.h) with the installation the window would
// use, without a display, and with --datasheets writes each quoted row's datasheet into DIR (made
// when missing) with writeDatasheet. With --archive the quoted rows' order lines, as Import
// Assemblies adds them to an empty order, are recorded as one quote with record, and its number
// is told on err. arguments are the ones after "quote". Returns the exit code: 0 when every
// row was quoted, 1 when some row could not be, 2 when nothing could be quoted (bad arguments,
// installation or file) or a datasheet could not be written.
int RunQuoteCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                    const TDatasheetWriter& writeDatasheet = {},
                    const TQuoteRecorder& record = {});
