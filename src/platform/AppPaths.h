#pragma once

#include <QString>

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
// update.ini: beside the program, or in the user's settings folder when the program folder
// cannot be written.
QString UpdateIniFile();

// The shared data folder registered by the installer: value "Path" of the key
// Vantrel/Common Files in the user's native settings store.
struct TCommonFilesKey {
    bool KeyExists = false;
    bool ValueExists = false;
    QString Path;
};
TCommonFilesKey ReadCommonFilesKey();
void WriteCommonFilesPath(const QString& path);

} // namespace AppPaths
