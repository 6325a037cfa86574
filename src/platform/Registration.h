#pragma once

#include <QString>

class QIODevice;

// "ferrolyn --register-common-files FOLDER", as the launcher and the run script call it: registers
// FOLDER as the common-files "Path" of the user running it when none is registered yet, with the
// settings files' rules (a regular file only, under its lock, in QSettings' format). Nothing is
// created or changed in a folder another user owns (root with another user's HOME registers
// nothing and says so). Returns 0 when a path is registered (already or now), 1 when it cannot
// be, with the reason on err.
int RegisterCommonFiles(const QString& folder, QIODevice& out, QIODevice& err);
