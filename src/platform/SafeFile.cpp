#include "SafeFile.h"

#include "catalog/DataError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& what)
{
    const auto failed = [&path, &what](const QString& reason) {
        return TDataError(QStringLiteral("Cannot write the %1 \"%2\": %3")
                              .arg(what, QDir::toNativeSeparators(path), reason));
    };
    // Only a regular file is replaced: a folder, a FIFO or a device in its place (or a link to
    // one) is left alone.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw failed(info.isDir() ? QStringLiteral("it is a folder.")
                                  : QStringLiteral("it is not a regular file."));
    // Unbuffered, so that a short or failed write shows here: QSaveFile::commit() does not
    // notice a failure while flushing its buffer and would put a truncated file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failed(file.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written < bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("only part of it could be written");
        file.cancelWriting();
        throw failed(reason);
    }
    if (!file.commit())
        throw failed(file.errorString());
}
