#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;

// Opens the file for reading when it is a regular file (after following links). It is opened
// without blocking and what was opened is checked, not only what the path named, so a FIFO or a
// device put in its place after a check is refused rather than waited on. An empty text on
// success, else why it was refused ("it is a folder.", "it is not a regular file.", the system's
// reason).
QString OpenRegularFile(QFile& file, const QString& path);

// Why the file at path must not be replaced: a folder, a FIFO or a device in its place (or a
// link to one). Empty when it may be: a regular file, or nothing.
QString NotReplaceable(const QString& path);

// What a write does with a link in the file's place: an output refuses it, so that nothing is
// ever written through a link planted in its place; a settings file follows it to a regular
// file, as QSettings does.
enum class TLinks { Refuse, Follow };

// Writes the bytes to the file atomically: the file is replaced only once every byte has been
// written, so a failure leaves the previous file whole (or no file at all). Throws TDataError
// "Cannot write the <what> "<path>": <reason>" when the file cannot be written, and without
// touching it when something other than a regular file (after following links) is in its place,
// or, unless links are followed, when the file's own name is a link (a link higher up the path
// is fine). what is shown as given, so it comes translated ("order file").
void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& what,
                         TLinks links = TLinks::Refuse);

// Runs action while holding the lock file "<path>.lock" (the one QSettings takes), so that a
// read-modify-write of a file another running copy may write loses nothing. A lock held by
// another copy is waited for a moment and tried again; throws TDataError "Cannot write the
// <what> "<path>": ..." when it still cannot be had.
void WithFileLock(const QString& path, const QString& what, const std::function<void()>& action);
