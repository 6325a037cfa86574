#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The object name of the progress dialog shown while a download runs.
inline constexpr const char* DownloadProgressName = "DownloadProgress";

// Downloads source into the file target and waits until the transfer ends. The bytes go to a
// temporary file beside target, which replaces target only once the whole body of a successful
// response (HTTP 2xx) has arrived; until then target is left as it was. Meanwhile a progress
// dialog with Cancel blocks the rest of the program and the busy cursor is shown; both are gone
// when this returns. False when the transfer fails, stalls, is cancelled, or cannot be written.
bool DownloadFile(QWidget* parent, const QUrl& source, const QString& target);
