#pragma once

#include <QByteArray>
#include <QMap>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

// A settings file in the INI format QSettings reads and writes, read and written by the program
// itself so that only a regular file is ever read or replaced (a link to a device, a FIFO or a
// folder in its place is refused without blocking) and a read-modify-write of it is done under
// the lock file QSettings uses ("<file>.lock"), so that two running copies lose nothing.
//
// The format is QSettings': "[section]" lines ("[General]" for keys outside any group), "key=value"
// lines with keys %-escaped ("%20" for a blank, "%UXXXX" above U+00FF, '\' for '/') and values
// escaped with backslashes and quoted when they hold ';', ',' or '=' or start or end with a blank;
// ';' starts a comment; the last of equal keys counts; UTF-8 without a byte-order mark (one is
// skipped), LF line ends. A key is "group/name" or "name" for the [General] section.
//
// What the program does not set is kept as it was read (each value's text unchanged), and the
// file is written as QSettings writes it: [General] first, then the sections and their keys in
// sorted order, a blank line before each section but the first.
class TIniSettings
{
public:
    TIniSettings() = default;
    // The settings of these bytes (see above); lines that are not key=value are ignored.
    explicit TIniSettings(QByteArrayView bytes);

    // Reads the file: none (or a missing file) gives no settings. Throws TDataError naming the
    // file when it is not a regular file, is larger than a settings file can be or cannot be read.
    static TIniSettings ReadFile(const QString& path);

    // Under the file's lock: reads the file, lets change alter the settings and writes them back
    // atomically when change returns true. A lock held by another copy is waited for a moment
    // and tried again; throws TDataError naming the file when it still cannot be had, or when the
    // file cannot be read or written.
    static void UpdateFile(const QString& path, const std::function<bool(TIniSettings&)>& change);

    bool IsEmpty() const { return Sections.isEmpty(); }
    bool Contains(const QString& key) const;
    // A value as a text (a list as its items joined by ", "); nothing when the key is missing
    // or holds an invalid value.
    std::optional<QString> Value(const QString& key) const;
    // A value written as "@Rect(x y w h)"; nothing otherwise.
    std::optional<QRect> RectValue(const QString& key) const;
    // A value "true" or "false" (or a number, 0 for false); nothing otherwise.
    std::optional<bool> BoolValue(const QString& key) const;

    void SetValue(const QString& key, const QString& value);
    void SetRect(const QString& key, const QRect& rect);
    void SetBool(const QString& key, bool value);

    // The file's bytes, as QSettings writes them.
    QByteArray Bytes() const;

private:
    void SetRaw(const QString& key, const QByteArray& raw);
    const QByteArray* Raw(const QString& key) const;

    // Section name ("" for [General]) -> key within it -> the value's text as in the file.
    QMap<QString, QMap<QString, QByteArray>> Sections;
};

// The largest settings file read: a few lines are all any of them holds.
inline constexpr qint64 SettingsFileLimit = qint64(1) << 20; // 1 MiB
