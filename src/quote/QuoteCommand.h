#pragma once

#include <QStringList>

class QIODevice;

// "ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE]": quotes every row of IN (see
// BatchQuote.h) with the installation the window would use, without a display. arguments are the
// ones after "quote". Returns the exit code: 0 when every row was quoted, 1 when some row could
// not be, 2 when nothing could be quoted (bad arguments, installation or file).
int RunQuoteCommand(const QStringList& arguments, QIODevice& out, QIODevice& err);
