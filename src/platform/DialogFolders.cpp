#include "DialogFolders.h"

#include "base/DataError.h"
#include "platform/AppPaths.h"
#include "platform/IniSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Key(TDialogFolder kind)
{
    switch (kind) {
    case TDialogFolder::Orders:
        return QStringLiteral("Folders/Orders");
    case TDialogFolder::Exports:
        return QStringLiteral("Folders/Exports");
    case TDialogFolder::Documents:
        return QStringLiteral("Folders/Documents");
    case TDialogFolder::Imports:
        break;
    }
    return QStringLiteral("Folders/Imports");
}

// The user's Documents folder, made when missing; the home folder when there is none.
QString DocumentsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    return folder;
}

} // namespace

namespace DialogFolders {

QString Start(TDialogFolder kind)
{
    try {
        const QString remembered = TIniSettings::ReadFile(AppPaths::WindowSettingsFile())
                                       .Value(Key(kind))
                                       .value_or(QString());
        if (!remembered.isEmpty() && QDir::isAbsolutePath(remembered) &&
            QFileInfo(remembered).isDir())
            return remembered;
    } catch (const TDataError&) {
        // An unreadable settings file: start where a first dialog starts.
    }
    return DocumentsFolder();
}

void Remember(TDialogFolder kind, const QString& file)
{
    if (file.isEmpty())
        return;
    const QString folder = QFileInfo(file).absolutePath();
    try {
        TIniSettings::UpdateFile(AppPaths::WindowSettingsFile(), [&](TIniSettings& settings) {
            if (settings.Value(Key(kind)) == folder)
                return false;
            settings.SetValue(Key(kind), folder);
            return true;
        });
    } catch (const TDataError&) {
        // Remembering is a convenience: the file itself was chosen and is written as asked.
    }
}

} // namespace DialogFolders
