#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The object name of the progress dialog shown while a download runs.
inline constexpr const char* DownloadProgressName = "DownloadProgress";

// The largest download accepted: an installer is far smaller.
inline constexpr qint64 DownloadSizeLimit = 512LL * 1024 * 1024;

// Downloads source into the file target and waits until the transfer ends. The body is streamed
// as it arrives to a temporary file beside target, which replaces target only once the whole
// body of a successful answer has arrived; until then target is left as it was. An HTTP answer
// succeeds only with status 200, a body that is not empty and, when the server sends a
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

    bool Succeeded() const { return Failure == TFailure::None; }
};
TDownloadResult DownloadFile(QWidget* parent, const QUrl& source, const QString& target);
