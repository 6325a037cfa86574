#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

std::optional<bool>& WritableOverride()
{
    static std::optional<bool> writable;
    return writable;
}

QSettings CommonFilesSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vantrel"),
                     QStringLiteral("Common Files"));
}

} // namespace

namespace AppPaths {

QString ProgramFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder)
{
    FolderOverride() = folder;
}

QString Resolve(const QString& folder, const QString& relative)
{
    const QString written = QDir(folder).filePath(relative);
    if (folder.isEmpty() || QFileInfo::exists(written))
        return written;
    QString current = folder;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QDir dir(current);
        QString next = dir.filePath(part);
        if (!QFileInfo::exists(next)) {
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    next = dir.filePath(entry);
                    found = true;
                    break;
                }
            }
            if (!found)
                return written;
        }
        current = next;
    }
    return current;
}

QString ProgramFile(const QString& relative)
{
    return Resolve(ProgramFolder(), relative);
}

QString ImageFile(const QString& name)
{
    return Resolve(ProgramFolder(), QStringLiteral("images/") + name);
}

bool ProgramFolderWritable()
{
    if (WritableOverride())
        return *WritableOverride();
#ifdef Q_OS_UNIX
    // A packaged program (under /usr) never writes beside itself, even for root.
    const QString canonical = QFileInfo(ProgramFolder()).canonicalFilePath();
    if (canonical.startsWith(QLatin1String("/usr/")))
        return false;
#endif
    return QFileInfo(ProgramFolder()).isWritable();
}

void SetProgramFolderWritableOverride(std::optional<bool> writable)
{
    WritableOverride() = writable;
}

QString UserDataFolder()
{
    if (ProgramFolderWritable())
        return ProgramFolder();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString OrderFolder()
{
    return Resolve(UserDataFolder(), QStringLiteral("data"));
}

QString LastOrderFile()
{
    return Resolve(UserDataFolder(), QStringLiteral("Ferrolyn.lom"));
}

QString ExportFolder(const QString& kind)
{
    if (!ProgramFolderWritable())
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = ProgramFile(kind);
    QDir().mkpath(folder);
    return folder;
}

QString UpdateIniFile()
{
    if (ProgramFolderWritable())
        return ProgramFile(QStringLiteral("update.ini"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("update.ini"));
}

TCommonFilesKey ReadCommonFilesKey()
{
    const QSettings settings = CommonFilesSettings();
    TCommonFilesKey key;
    key.KeyExists = !settings.allKeys().isEmpty();
    key.ValueExists = settings.contains(QStringLiteral("Path"));
    if (key.ValueExists)
        key.Path = settings.value(QStringLiteral("Path")).toString();
    return key;
}

void WriteCommonFilesPath(const QString& path)
{
    QSettings settings = CommonFilesSettings();
    settings.setValue(QStringLiteral("Path"), path);
    settings.sync();
}

} // namespace AppPaths
