#pragma once

#include "history/QuoteArchive.h"
#include "Measure.h"

#include <QList>

// Searches of a quote archive of this many quotes (company, quote number, part number, and a
// search that matches nothing), each timed runs times.
QList<TStepResult> MeasureArchiveSearches(int quotes, int runs);
// The same on a PostgreSQL server's archive (its tables are emptied first).
QList<TStepResult> MeasureServerArchiveSearches(const TArchiveServer& server, int quotes, int runs);
