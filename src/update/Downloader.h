#pragma once

#include "base/Translate.h"

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The object names of the progress dialogs shown while the installer and its signature download.
inline constexpr const char* DownloadProgressName = "DownloadProgress";
inline constexpr const char* SignatureProgressName = "SignatureProgress";

// The largest download accepted: an installer is far smaller.
inline constexpr qint64 DownloadSizeLimit = 512LL * 1024 * 1024;

// Downloads source into the file target and waits until the transfer ends (see the options). The
// body is streamed as it arrives to a temporary file beside target, which replaces target only once
// the whole body of a successful answer has arrived; until then target is left as it was. An HTTP
// answer succeeds only with status 200, a body that is not empty and, when the server sends a
// Content-Length, exactly that many bytes; no more than DownloadSizeLimit bytes are accepted.
// Meanwhile a progress dialog with Cancel blocks the rest of the program and the busy cursor is
// shown; both are gone when this returns.
struct TDownloadResult {
    enum class TFailure {
        None,
        Connection, // no connection to the server: no route, refused, name not found, timed out
        Cancelled,  // by the user
        Other,      // the server's answer, the disk, the size: said in Text
    };
    TFailure Failure = TFailure::None;
    // One plain sentence saying what failed; empty on success.
    QString Text;
    // The server's HTTP status, 0 when none came.
    int HttpStatus = 0;

    bool Succeeded() const { return Failure == TFailure::None; }
};
struct TDownloadOptions {
    // No more than this many bytes are accepted.
    qint64 Limit = DownloadSizeLimit;
    // Called with the whole body once it has arrived and before it replaces target: a sentence
    // saying why it may not be used (the download then fails, nothing is left), or empty.
    std::function<QString(const uchar* data, qint64 size)> Check;
    // The progress dialog's object name and text.
    QString ProgressName = QLatin1String(DownloadProgressName);
    QString ProgressText = Tr("Downloader", "Downloading the update...");
};
TDownloadResult DownloadFile(QWidget* parent, const QUrl& source, const QString& target,
                             const TDownloadOptions& options = {});
