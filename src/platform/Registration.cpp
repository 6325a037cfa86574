#include "Registration.h"

#include "AppPaths.h"
#include "base/DataError.h"
#include "base/Translate.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

void Write(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8() + '\n');
}

// The nearest folder of path, or above it, that exists.
QString ExistingFolderOf(const QString& path)
{
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

} // namespace

int RegisterCommonFiles(const QString& folder, QIODevice& out, QIODevice& err)
{
    const QString settings = AppPaths::CommonFilesSettingsFile();
    const QString cannot = Tr("Registration", "The common-files folder is not registered: %1");
#ifdef Q_OS_UNIX
    // Whatever would be made or changed lies in this folder: it must be the user's own.
    const QString existing = ExistingFolderOf(QFileInfo(settings).absolutePath());
    if (QFileInfo(existing).ownerId() != ::getuid()) {
        Write(err, cannot.arg(
                       Tr("Registration", "%1 belongs to another user; run Ferrolyn as that user.")
                           .arg(QDir::toNativeSeparators(existing))));
        return 1;
    }
#endif
    const AppPaths::TCommonFilesKey key = AppPaths::ReadCommonFilesKey();
    if (!key.Problem.isEmpty()) {
        Write(err, cannot.arg(key.Problem));
        return 1;
    }
    if (key.ValueExists)
        return 0;
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    try {
        AppPaths::WriteCommonFilesPath(path);
    } catch (const TDataError& error) {
        Write(err, cannot.arg(error.FullText()));
        return 1;
    }
    Write(out, Tr("Registration", "Registered the common-files folder %1 in %2.")
                   .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(settings)));
    return 0;
}
