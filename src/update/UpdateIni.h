#pragma once

#include <QDate>
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
