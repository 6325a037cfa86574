#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// update.ini, a Windows-style settings file: [SECTION] headers and key=value lines. Section and
// key names are compared without regard to case; values are trimmed.

// The value of key in the first section of that name; std::nullopt when the file is missing or
// unreadable, or the section or the key is missing. The first line of a key counts.
std::optional<QString> ReadIniValue(const QString& path, const QString& section,
                                    const QString& key);

// A date as update.ini holds it: yyyy-MM-dd, or the user's short date format; a two-digit year
// means 20yy. std::nullopt when the text is not a date.
std::optional<QDate> ParseIniDate(const QString& text);

// Sets keys of a section, each to its value, and writes the file atomically. The first line of
// an existing key is rewritten in place; new keys are added at the end of the first section of
// that name, and a missing section at the end of the file. Every other line is kept byte for byte,
// with the file's own line ending (CR LF for a new file). A missing file and its folder are
// created. Throws TDataError when the existing file cannot be read or the file cannot be written.
void WriteIniValues(const QString& path, const QString& section,
                    const QList<QPair<QString, QString>>& values);

// A date as update.ini is written: yyyy-MM-dd.
QString IniDateText(const QDate& date);

// The date of the last price update: key "last" of section "UPDATE" in update.ini; today when
// the file or the key is missing or the text is not a date.
QDate LastPriceUpdate(const QString& updateIniPath, const QDate& today);
