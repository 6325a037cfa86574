#pragma once

#include "order/Order.h"

#include <QString>
#include <QStringList>

class QIODevice;

// "ferrolyn history [--search TEXT] [--json]": the archive's quotes, newest first, one line each
// as CSV (number, revision, date, company, total, currency, lines) or as a JSON array of objects
// with those keys. arguments are the ones after "history". Returns 0, or 2 with the reason on err
// when the arguments or the archive cannot be used.
int RunHistoryCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                      const QString& archivePath);

// Records a batch quote's order lines (in the currency of currencyTag) in the archive at
// archivePath as a new quote, saved by the user running the program; returns its number and
// revision ("Q-2026-00042/1"). Throws TDataError when the archive cannot be used.
QString RecordBatchQuote(const QList<TOrderLine>& orderLines, int currencyTag,
                         const QString& archivePath);
