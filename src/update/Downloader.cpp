#include "Downloader.h"

#include "base/SafeFile.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>
#include <limits>

namespace {

// A transfer that receives nothing for this long has failed.
constexpr int StallTimeoutMs = 30000;
// The most the network layer holds unread.
constexpr qint64 ReadBufferSize = 1024 * 1024;

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

QString SizeText(qint64 bytes)
{
    return QLocale::system().formattedDataSize(bytes, 0, QLocale::DataSizeTraditionalFormat);
}

// What an HTTP answer that arrived whole says against success; empty when it is a success.
QString AnswerFailure(const QNetworkReply& reply, qint64 received)
{
    if (IsHttp(reply.url())) {
        const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 200) {
            const QString reason =
                reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
            return Tr("Downloader", "The server answered %1%2 instead of sending the file.")
                .arg(status)
                .arg(reason.isEmpty() ? QString() : QLatin1Char(' ') + reason);
        }
    }
    if (received == 0)
        return Tr("Downloader", "The server sent an empty file.");
    // A connection closed early is not always reported as an error.
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != received)
        return Tr("Downloader", "The server sent %1 of the %2 bytes it announced.")
            .arg(received)
            .arg(length.toLongLong());
    return {};
}

// Errors of the connection itself rather than of what the server answered.
bool IsConnectionFailure(QNetworkReply::NetworkError error)
{
    if (error == QNetworkReply::TooManyRedirectsError ||
        error == QNetworkReply::InsecureRedirectError)
        return false;
    return (error >= QNetworkReply::ConnectionRefusedError &&
            error <= QNetworkReply::UnknownNetworkError) ||
           (error >= QNetworkReply::ProxyConnectionRefusedError &&
            error <= QNetworkReply::UnknownProxyError);
}

} // namespace

TDownloadResult DownloadFile(QWidget* parent, const QUrl& source, const QString& target,
                             const TDownloadOptions& options)
{
    const qint64 limit = options.Limit;
    const auto& check = options.Check;
    using TFailure = TDownloadResult::TFailure;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    if (!source.isValid() || source.isRelative())
        return {TFailure::Other, Tr("Downloader", "The download address is not valid."), 0};

    // Unbuffered, so that a failed write shows at once rather than when the buffer is flushed
    // during commit(), which would put a cut-off file in place.
    QDir().mkpath(QFileInfo(target).absolutePath());
    // Only a regular file is replaced: a link in its place, or a device or a FIFO, is left alone.
    QString reason = NotReplaceable(target);
    if (QFileInfo(target).isSymLink())
        reason = Tr("SafeFile", "it is a link; choose another name.");
    if (!reason.isEmpty())
        return {TFailure::Other,
                Tr("Downloader", "The file %1 could not be written: %2")
                    .arg(QDir::toNativeSeparators(target), reason),
                0};
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    const auto diskFailure = [&file, &target] {
        return Tr("Downloader", "The file %1 could not be written: %2")
            .arg(QDir::toNativeSeparators(target), file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {TFailure::Other, diskFailure(), 0};

    QNetworkAccessManager manager;
    QNetworkRequest request(source);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(StallTimeoutMs);
    // The body as sent, so that its length can be checked against Content-Length.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = manager.get(request);
    // Memory stays flat however large the body: the network waits while this much is unread.
    reply->setReadBufferSize(ReadBufferSize);

    QProgressDialog progress(options.ProgressText, Tr("Downloader", "&Cancel"), 0, 0, parent);
    progress.setObjectName(options.ProgressName);
    progress.setWindowTitle(Tr("Downloader", "Quick Update"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);

    QString failure;
    TFailure kind = TFailure::Other;
    qint64 received = 0;
    QEventLoop loop;
    const auto fail = [&](const QString& why, TFailure what = TFailure::Other) {
        if (failure.isEmpty()) {
            failure = why;
            kind = what;
        }
        reply->abort();
    };
    const auto tooLarge = [limit] {
        return Tr("Downloader", "The download is larger than the limit of %1.")
            .arg(SizeText(limit));
    };

    // A body announced larger than the limit is refused before it arrives.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limit)
            fail(tooLarge());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        if (!failure.isEmpty())
            return;
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (received > limit)
            fail(tooLarge());
        else if (!WriteAll(file, bytes))
            fail(diskFailure());
    });
    // Queued: a modal progress dialog processes events while it updates, which must not happen
    // inside the reply's own signal.
    QObject::connect(
        reply, &QNetworkReply::downloadProgress, &progress,
        [&progress](qint64 bytesReceived, qint64 bytesTotal) {
            if (bytesTotal > 0 && bytesTotal <= std::numeric_limits<int>::max()) {
                progress.setMaximum(static_cast<int>(bytesTotal));
                progress.setValue(static_cast<int>(std::min(bytesReceived, bytesTotal)));
            }
        },
        Qt::QueuedConnection);
    // Cancel, the close box and Escape all end the transfer at once.
    const auto cancel = [&] {
        fail(Tr("Downloader", "The download was cancelled by the user."), TFailure::Cancelled);
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

    if (failure.isEmpty() && reply->error() != QNetworkReply::NoError) {
        // Only the transfer timeout aborts without the user.
        if (reply->error() == QNetworkReply::OperationCanceledError) {
            failure = Tr("Downloader", "The server sent nothing for %1 seconds.")
                          .arg(StallTimeoutMs / 1000);
            kind = TFailure::Connection;
        } else if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
            failure = AnswerFailure(*reply, received);
        }
        if (failure.isEmpty()) {
            kind = IsConnectionFailure(reply->error()) ? TFailure::Connection : TFailure::Other;
            failure =
                kind == TFailure::Connection
                    ? Tr("Downloader", "No connection to the server: %1").arg(reply->errorString())
                    : Tr("Downloader", "The download failed: %1").arg(reply->errorString());
        }
    }
    if (failure.isEmpty()) {
        const QByteArray rest = reply->readAll();
        received += rest.size();
        if (received > limit)
            failure = tooLarge();
        else if (!WriteAll(file, rest))
            failure = diskFailure();
    }
    if (failure.isEmpty())
        failure = AnswerFailure(*reply, received);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (failure.isEmpty() && !(file.flush() && file.error() == QFileDevice::NoError))
        failure = diskFailure();
    if (failure.isEmpty() && check) {
        // The body as written, read back from the file itself.
        const qint64 size = file.size();
        uchar* data = size > 0 ? file.map(0, size) : nullptr;
        if (size > 0 && data == nullptr)
            failure = diskFailure();
        else
            failure = check(data, size);
        if (data != nullptr)
            file.unmap(data);
    }
    if (failure.isEmpty() && !file.commit())
        failure = diskFailure();
    if (failure.isEmpty())
        return {TFailure::None, {}, status};
    file.cancelWriting();
    return {kind, failure, status};
}
