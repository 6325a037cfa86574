#include "Downloader.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScopeGuard>

#include <limits>

namespace {

// A transfer that receives nothing for this long has failed.
constexpr int StallTimeoutMs = 30000;

bool WriteAll(QSaveFile& file, const QByteArray& bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

bool IsHttp(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

bool DownloadFile(QWidget* parent, const QUrl& source, const QString& target)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    if (!source.isValid() || source.isRelative())
        return false;

    // Unbuffered, so that a failed write shows at once rather than when the buffer is flushed
    // during commit(), which would put a cut-off file in place.
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;

    QNetworkAccessManager manager;
    QNetworkRequest request(source);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(StallTimeoutMs);
    // The body as sent, so that its length can be checked against Content-Length.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = manager.get(request);

    QProgressDialog progress(QStringLiteral("Downloading the update..."), QStringLiteral("&Cancel"),
                             0, 0, parent);
    progress.setObjectName(QLatin1String(DownloadProgressName));
    progress.setWindowTitle(QStringLiteral("Quick Update"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);

    bool cancelled = false;
    bool writeFailed = false;
    qint64 received = 0;
    QEventLoop loop;

    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (!writeFailed && !WriteAll(file, bytes)) {
            writeFailed = true;
            reply->abort();
        }
    });
    // Queued: a modal progress dialog processes events while it updates, which must not happen
    // inside the reply's own signal.
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, &progress,
        [&progress](qint64 bytesReceived, qint64 bytesTotal) {
            if (bytesTotal > 0 && bytesTotal <= std::numeric_limits<int>::max()) {
                progress.setMaximum(static_cast<int>(bytesTotal));
                progress.setValue(static_cast<int>(bytesReceived));
            }
        },
        Qt::QueuedConnection);
    // Cancel, the close box and Escape all end the transfer.
    const auto cancel = [&] {
        cancelled = true;
        reply->abort();
    };
    const QMetaObject::Connection cancelled1 =
        QObject::connect(&progress, &QProgressDialog::canceled, reply, cancel);
    const QMetaObject::Connection cancelled2 =
        QObject::connect(&progress, &QDialog::rejected, reply, cancel);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    progress.show();
    if (!reply->isFinished())
        loop.exec();
    QObject::disconnect(cancelled1);
    QObject::disconnect(cancelled2);
    progress.hide();

    bool ok = !cancelled && !writeFailed && reply->error() == QNetworkReply::NoError;
    if (ok && IsHttp(reply->url())) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        ok = status >= 200 && status < 300;
    }
    if (ok) {
        const QByteArray rest = reply->readAll();
        received += rest.size();
        ok = WriteAll(file, rest);
    }
    if (ok) {
        // A connection closed early is not always reported as an error.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        ok = !length.isValid() || length.toLongLong() == received;
    }
    if (ok)
        ok = file.flush() && file.error() == QFileDevice::NoError && file.commit();
    if (!ok)
        file.cancelWriting();
    return ok;
}
