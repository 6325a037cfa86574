#pragma once

#include <QByteArray>
#include <QString>

// Writes the bytes to the file atomically: the file is replaced only once every byte has been
// written, so a failure leaves the previous file whole (or no file at all). Throws TDataError
// "Cannot write the <what> "<path>": <reason>" when the file cannot be written, and without
// touching it when something other than a regular file (after following links) is in its place.
void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& what);
