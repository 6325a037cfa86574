#include "SafeFile.h"

#include "DataError.h"
#include "Translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString OpenRegularFile(QFile& file, const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat status {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return folder ? Tr("SafeFile", "it is a folder.")
                      : Tr("SafeFile", "it is not a regular file.");
    }
    // Reads of a regular file never block; the flag goes for the reads' sake all the same.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return info.isDir() ? Tr("SafeFile", "it is a folder.")
                            : Tr("SafeFile", "it is not a regular file.");
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
#endif
}

QString NotReplaceable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? Tr("SafeFile", "it is a folder.")
                        : Tr("SafeFile", "it is not a regular file.");
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& what,
                         TLinks links)
{
    const auto failed = [&path, &what](const QString& reason) {
        return TDataError(Tr("SafeFile", "Cannot write the %1 \"%2\": %3")
                              .arg(what, QDir::toNativeSeparators(path), reason));
    };
    // The file's own name may not be a link (QFileInfo looks at the link itself, as lstat does):
    // QSaveFile would write to whatever it points at. Asked again once the file is open, so that
    // a link put in its place meanwhile is caught before a byte is written.
    const auto refuseLink = [&] {
        if (links == TLinks::Refuse && QFileInfo(path).isSymLink())
            throw failed(Tr("SafeFile", "it is a link; choose another name."));
    };
    refuseLink();
    // Only a regular file is replaced: a folder, a FIFO or a device in its place (or a link to
    // one) is left alone.
    if (const QString reason = NotReplaceable(path); !reason.isEmpty())
        throw failed(reason);
    // Unbuffered, so that a short or failed write shows here: QSaveFile::commit() does not
    // notice a failure while flushing its buffer and would put a truncated file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failed(file.errorString());
    try {
        refuseLink();
    } catch (const TDataError&) {
        file.cancelWriting();
        throw;
    }
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
                                   : Tr("SafeFile", "only part of it could be written");
        file.cancelWriting();
        throw failed(reason);
    }
    if (!file.commit())
        throw failed(file.errorString());
}

void WithFileLock(const QString& path, const QString& what, const std::function<void()>& action)
{
    const auto failed = [&path, &what](const QString& reason) {
        return TDataError(Tr("SafeFile", "Cannot write the %1 \"%2\": %3")
                              .arg(what, QDir::toNativeSeparators(path), reason));
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw failed(
            Tr("SafeFile", "its folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
    QLockFile lock(path + QStringLiteral(".lock"));
    // A copy that died holding it leaves a lock that is taken over at once (its process is
    // gone) or after this long.
    lock.setStaleLockTime(10000);
    bool locked = false;
    for (int attempt = 0; attempt < 3 && !locked; ++attempt)
        locked = lock.tryLock(1000);
    if (!locked)
        throw failed(lock.error() == QLockFile::LockFailedError
                         ? Tr("SafeFile", "another running copy of Ferrolyn keeps it locked.")
                         : Tr("SafeFile", "its folder cannot be written."));
    action();
}
