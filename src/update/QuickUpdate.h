#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

// The message of the Quick Update dialog when the reminder opens it.
QString UpdateReminderMessage();

// Where the installer comes from: the environment variable FERROLYN_UPDATE_URL when set, else
// the maker's download address of this platform's installer (fnsetup.exe on Windows, the Debian
// package ferrolyn_amd64.deb elsewhere), which the desktop opens with its package installer.
QUrl InstallerUrl();
// Where the installer from source goes: the last part of its address ("fnsetup.exe" when it has
// none) in the program folder, or in the per-user data folder when the program folder cannot be
// written.
QString InstallerPath(const QUrl& source);

// Opens the Quick Update dialog modally; a non-empty message replaces its default message.
void ShowQuickUpdate(QWidget* parent, const QString& message = {});

// Downloads the installer from source to target, with its detached Ed25519 signature (source
// with ".sig" appended), and keeps it only when a key of the program folder's update-keys.txt
// verifies the signature. On success tells the user and hands the file to the desktop to open,
// which starts the installer; on failure says what failed (the connection, the server, the
// disk, the signature, no key) and leaves nothing. True on success.
bool DownloadAndInstall(QWidget* parent, const QUrl& source, const QString& target);

// The update reminder of one run of the program. The main window calls Check each time it
// becomes active. When the due date in update.ini has passed, the Quick Update dialog opens with
// the reminder message, shortly after the activation. It never opens while it or another modal
// dialog or message box is showing, and once a Quick Update dialog has been shown and closed in
// this run (by the reminder or by the user), the reminder stays quiet until the next start.
class TUpdateReminder : public QObject
{
    Q_OBJECT
public:
    explicit TUpdateReminder(QObject* parent = nullptr);

    void Check(QWidget* mainWindow);

private:
    bool Blocked() const;

    int ClosedAtStart = 0;
    bool Pending = false;
    bool Showing = false;
    bool ErrorShown = false;
};
