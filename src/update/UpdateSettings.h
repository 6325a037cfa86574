#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The update bookkeeping in update.ini, section "UPDATE":
//   days        whole days between updates (30 when missing or not a number of zero or more)
//   autoupdate  1 or 0 (false when missing)
//   date        the day the update reminder falls due, written yyyy-MM-dd
//   last        the day of the last update, written yyyy-MM-dd
// Every function opens the file, reads or writes it and closes it again; nothing is cached.
// Writing keeps every other section and key and replaces the file atomically; a failed write
// throws TDataError. The forms without a path use AppPaths::UpdateIniFile() and today's date.

inline constexpr int DefaultUpdateInterval = 30;

// "days" of the file.
int ReadUpdateInterval(const QString& iniPath);
int ReadUpdateInterval();

// "autoupdate" of the file.
bool ReadAutoUpdate(const QString& iniPath);

// Writes "days" and "autoupdate".
void WriteUpdateOptions(const QString& iniPath, int days, bool autoUpdate);

// Moves the reminder: "date" := today + days; "last" := today only when recordUpdate.
void WriteNextUpdateDate(const QString& iniPath, int days, bool recordUpdate, const QDate& today);
void WriteNextUpdateDate(int days, bool recordUpdate);

// What the reminder check does, given the text of "date" (std::nullopt when the key is missing).
enum class TReminderAction {
    None,     // not due yet, due today, or the date text cannot be read
    FirstRun, // no "date" yet: write date = today + 30 and last = today, show nothing
    Remind,   // the due date lies before today
};
TReminderAction UpdateReminderRule(const std::optional<QString>& dateText, const QDate& today);

// Applies the rule to the file: on a first run writes "date" and "last". True when the reminder
// is due.
bool CheckUpdateReminder(const QString& iniPath, const QDate& today);
bool CheckUpdateReminder();
