#include "AppPaths.h"

#include "base/DataError.h"
#include "IniSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

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

QString& SettingsFolderOverride()
{
    static QString folder;
    return folder;
}

#ifdef Q_OS_WIN
QSettings CommonFilesSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vantrel"),
                     QStringLiteral("Common Files"));
}
#endif

const QString PathKey = QStringLiteral("Path");

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
    // A packaged program never writes beside itself, even for root.
    if (PackagedProgram())
        return false;
    return QFileInfo(ProgramFolder()).isWritable();
}

bool PackagedProgram()
{
#ifdef Q_OS_UNIX
    const QString canonical = QFileInfo(ProgramFolder()).canonicalFilePath();
    return canonical.startsWith(QLatin1String("/usr/"));
#else
    return false;
#endif
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

bool UserDataFolderNoteDue()
{
    if (ProgramFolderWritable() || PackagedProgram())
        return false;
    const QString key = QStringLiteral("Notes/UserDataFolder");
    bool told = false;
    try {
        TIniSettings::UpdateFile(WindowSettingsFile(), [&](TIniSettings& settings) {
            told = settings.BoolValue(key).value_or(false);
            settings.SetBool(key, true);
            return !told;
        });
    } catch (const TDataError&) {
        // Settings that cannot be kept: said this once, in this run.
    }
    return !told;
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

QString SettingsFolder()
{
    if (!SettingsFolderOverride().isEmpty())
        return SettingsFolderOverride();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Vantrel"));
}

void SetSettingsFolder(const QString& folder)
{
    SettingsFolderOverride() = folder;
}

QString WindowSettingsFile()
{
    return QDir(SettingsFolder()).filePath(QStringLiteral("Ferrolyn.ini"));
}

QString CommonFilesSettingsFile()
{
    return QDir(SettingsFolder()).filePath(QStringLiteral("Common Files.conf"));
}

TCommonFilesKey ReadCommonFilesKey()
{
    TCommonFilesKey key;
#ifdef Q_OS_WIN
    const QSettings settings = CommonFilesSettings();
    key.KeyExists = !settings.allKeys().isEmpty();
    key.ValueExists = settings.contains(PathKey);
    if (key.ValueExists)
        key.Path = settings.value(PathKey).toString();
#else
    try {
        const TIniSettings settings = TIniSettings::ReadFile(CommonFilesSettingsFile());
        key.KeyExists = !settings.IsEmpty();
        const std::optional<QString> path = settings.Value(PathKey);
        key.ValueExists = path.has_value();
        key.Path = path.value_or(QString());
    } catch (const TDataError& error) {
        key.Problem = error.FullText();
    }
#endif
    return key;
}

void WriteCommonFilesPath(const QString& path)
{
#ifdef Q_OS_WIN
    QSettings settings = CommonFilesSettings();
    settings.setValue(PathKey, path);
    settings.sync();
#else
    TIniSettings::UpdateFile(CommonFilesSettingsFile(), [&path](TIniSettings& settings) {
        settings.SetValue(PathKey, path);
        return true;
    });
#endif
}

} // namespace AppPaths
