#pragma once

#include <QString>

#include <optional>

// Where the program's files live.
namespace AppPaths {

// The program folder: the executable's folder unless set (tests set it).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// Joins folder and a relative path whose parts are separated by '/'. Each part that does not
// exist as written is matched without regard to letter case, as on the platforms the data files
// come from. When nothing matches, the path as written is returned.
QString Resolve(const QString& folder, const QString& relative);
QString ProgramFile(const QString& relative);
QString ImageFile(const QString& name);
// True when the program may write beside itself: never under /usr (a packaged program), else
// when the folder is writable; tests can fix the answer.
bool ProgramFolderWritable();
void SetProgramFolderWritableOverride(std::optional<bool> writable);
// A packaged program: its folder lies under /usr, and what it writes goes to the per-user folders
// by design.
bool PackagedProgram();
// Where the program keeps what it writes for the user: the program folder, or the per-user
// data folder when the program folder cannot be written.
QString UserDataFolder();
// True once per user, the first time this is asked, when what the program writes goes to the
// per-user folders because its folder cannot be written (a package's, under /usr, never asks:
// that is by design). Remembered in the program's own settings.
bool UserDataFolderNoteDue();
// The folder "data" of order files, and the last-order file "Ferrolyn.lom", in UserDataFolder.
QString OrderFolder();
QString LastOrderFile();
// Where an export of this kind ("txt", "xlsx") is offered to go: that folder of the program
// folder (made when missing) when it can be written, else the documents folder.
QString ExportFolder(const QString& kind);

// update.ini: beside the program, or in the user's settings folder when the program folder
// cannot be written.
QString UpdateIniFile();

// The folder of the user's settings files: the "Vantrel" folder of the user's configuration
// folder (~/.config), unless set (tests set it).
QString SettingsFolder();
void SetSettingsFolder(const QString& folder);
// The program's own settings (the window's place): Ferrolyn.ini in SettingsFolder.
QString WindowSettingsFile();
// The common-files registration: "Common Files.conf" in SettingsFolder (the registry key on
// Windows).
QString CommonFilesSettingsFile();

// The shared data folder registered by the installer: value "Path" of the key
// Vantrel/Common Files in the user's native settings store. A settings file that is not a
// regular file or cannot be read reads as no key, with Problem saying why.
struct TCommonFilesKey {
    bool KeyExists = false;
    bool ValueExists = false;
    QString Path;
    QString Problem;
};
TCommonFilesKey ReadCommonFilesKey();
// Throws TDataError naming the file when it cannot be written.
void WriteCommonFilesPath(const QString& path);

} // namespace AppPaths
