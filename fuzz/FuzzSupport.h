#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: each target defines LLVMFuzzerTestOneInput and feeds the input to
// the readers the program runs. The environment variable FERROLYN_FUZZ_LOCALE picks the regional
// settings (default de_DE.UTF-8, a comma as decimal separator and day.month.year dates).
namespace Fuzz {

// The input as bytes, without a copy and without a terminating NUL.
QByteArray Bytes(const uint8_t* data, size_t size);

// The lines of a file's bytes by the plainest reading of the rules: the whole text decoded at once
// (UTF-8 when it is valid to the end, which drops a byte-order mark at the start, else
// Windows-1252), one more byte-order mark dropped, then split at "\r\n", '\n' and '\r'. The
// program's readers work on the bytes and must give the same lines.
QStringList ReferenceTextLines(const QByteArray& bytes);

// At most count items from the front of list: keeps the work for one input bounded.
QStringList Front(const QStringList& list, qsizetype count);

// Reports the broken invariant and aborts, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char* what, const QString& detail = {});
inline void Require(bool condition, const char* what, const QString& detail = {})
{
    if (!condition)
        Fail(what, detail);
}

} // namespace Fuzz
