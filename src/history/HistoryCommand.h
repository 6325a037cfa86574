#pragma once

#include "order/Order.h"
#include "TeamArchive.h"

#include <QString>
#include <QStringList>

class QIODevice;

// "ferrolyn history [--search TEXT] [--json]": the archive's quotes, newest first, one line each
// as CSV (number, revision, date, company, total, currency, lines) or as a JSON array of objects
// with those keys: the server's quotes when the setting names one, else the archive at
// archivePath's. arguments are the ones after "history". Returns 0, or 2 with the reason on err
// when the arguments or the archive cannot be used.
int RunHistoryCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                      const QString& archivePath, const TArchiveSetting& setting = {});

// Records a batch quote's order lines (in the currency of currencyTag) as a new quote, saved by
// the user running the program, in the archive of the setting (the one at archivePath, or the
// server's, waiting at archivePath while the server cannot be used); returns its number and
// revision ("Q-2026-00042/1"), and why it waits when it does. Throws TDataError when no archive
// can be used.
QString RecordBatchQuote(const QList<TOrderLine>& orderLines, int currencyTag,
                         const QString& archivePath, const TArchiveSetting& setting = {});
