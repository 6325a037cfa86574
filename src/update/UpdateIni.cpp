#include "UpdateIni.h"

#include "base/DataError.h"
#include "base/SafeFile.h"
#include "base/SectionedFile.h"
#include "base/Translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

namespace {

// The name of a "[name]" line, trimmed; std::nullopt for any other line.
std::optional<QString> SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
    if (close < 1)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// One line of a file as it stands: its bytes and the line ending that follows them (empty for a
// last line without one).
struct TRawLine {
    QByteArray Text;
    QByteArray End;
};

QList<TRawLine> SplitRawLines(const QByteArray& bytes)
{
    QList<TRawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        TRawLine line{bytes.mid(start, end - start), {}};
        if (end < bytes.size()) {
            const bool crLf =
                bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            line.End = bytes.mid(end, crLf ? 2 : 1);
        }
        start = end + line.End.size();
        lines.append(line);
    }
    return lines;
}

bool IsKeyLine(const QString& line, const QString& key)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals >= 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

// update.ini holds a few lines; a file beyond this is not one.
constexpr qint64 UpdateIniLimit = qint64(1) << 20;

QByteArray ReadWholeFile(const QString& path)
{
    try {
        return ReadRegularFile(path, UpdateIniLimit, true);
    } catch (const TDataError& error) {
        throw TDataError(Tr("UpdateIni", "Cannot read the settings file \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path),
                                  error.Reason.isEmpty() ? error.Message : error.Reason));
    }
}

// True when the bytes read as these lines (a file's last lines may be empty texts that the
// reader does not count).
bool ReadsAs(const QByteArray& bytes, const QStringList& texts)
{
    const QStringList read = TextLines(bytes);
    if (read.size() > texts.size())
        return false;
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (read.value(i) != texts.at(i))
            return false;
    return true;
}

// The lines in UTF-8, each ended by CR LF (a lone CR before an empty line's LF would join the two
// line ends into one). Two byte-order marks go first when the first line starts with that
// character, which the reader would otherwise skip.
QByteArray Utf8Lines(const QStringList& texts)
{
    QByteArray bytes;
    if (!texts.isEmpty() && texts.first().startsWith(QChar(0xFEFF)))
        bytes = "\xEF\xBB\xBF\xEF\xBB\xBF";
    for (const QString& text : texts)
        bytes += text.toUtf8() + "\r\n";
    return bytes;
}

} // namespace

std::optional<QString> ReadIniValue(const QString& path, const QString& section, const QString& key)
{
    QStringList lines;
    try {
        lines = ReadTextLines(path, true, UpdateIniLimit);
    } catch (const TDataError&) {
        return std::nullopt; // an unreadable file counts as missing
    }

    bool inSection = false;
    for (const QString& line : lines) {
        if (const std::optional<QString> name = SectionName(line)) {
            // Only the first section of that name is read.
            if (inSection)
                return std::nullopt;
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

std::optional<QDate> ParseIniDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    const QDate iso = QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd"));
    if (iso.isValid())
        return iso;

    const QLocale locale = QLocale::system();
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const QString year2 = QStringLiteral("yy");
    const QString year4 = QStringLiteral("yyyy");
    if (!format.contains(year4) && format.contains(year2)) {
        // Qt reads a two-digit year as 19yy; update.ini means 20yy.
        const QDate shortYear = locale.toDate(trimmed, format);
        if (shortYear.isValid())
            return shortYear.addYears(100);
        QString longFormat = format;
        longFormat.replace(year2, year4);
        const QDate longYear = locale.toDate(trimmed, longFormat);
        if (longYear.isValid())
            return longYear;
        return std::nullopt;
    }
    const QDate date = locale.toDate(trimmed, format);
    if (date.isValid())
        return date;
    return std::nullopt;
}

namespace {

void WriteIniValuesLocked(const QString& path, const QString& section,
                          const QList<QPair<QString, QString>>& values)
{
    const QByteArray before = ReadWholeFile(path);
    QList<TRawLine> lines = SplitRawLines(before);
    // Each line as ReadIniValue sees it (same decoding, no byte order mark), so that a key is
    // written where the reader will look for it. A file of nothing but a byte order mark has a
    // raw line but no text line.
    QStringList texts = TextLines(before);
    texts.resize(lines.size());

    QByteArray lineEnd = "\r\n";
    for (const TRawLine& line : lines) {
        if (!line.End.isEmpty()) {
            lineEnd = line.End;
            break;
        }
    }
    const auto entry = [&lineEnd](const QString& key, const QString& value) {
        return TRawLine{(key + QLatin1Char('=') + value).toUtf8(), lineEnd};
    };

    // The first section of that name: its header line and the line after its last entry.
    qsizetype header = -1;
    qsizetype end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = SectionName(texts.at(i));
        if (!name)
            continue;
        if (header >= 0) {
            end = i;
            break;
        }
        if (name->compare(section, Qt::CaseInsensitive) == 0)
            header = i;
    }

    if (header < 0) {
        if (!lines.isEmpty() && lines.last().End.isEmpty())
            lines.last().End = lineEnd;
        lines.append(TRawLine{(QLatin1Char('[') + section + QLatin1Char(']')).toUtf8(), lineEnd});
        texts.append(QLatin1Char('[') + section + QLatin1Char(']'));
        for (const auto& [key, value] : values) {
            lines.append(entry(key, value));
            texts.append(key + QLatin1Char('=') + value);
        }
    } else {
        // New keys go after the section's last non-blank line, before any blank lines that
        // separate it from the next section.
        qsizetype insertAt = end;
        while (insertAt > header + 1 && lines[insertAt - 1].Text.trimmed().isEmpty())
            --insertAt;
        for (const auto& [key, value] : values) {
            qsizetype found = -1;
            for (qsizetype i = header + 1; i < end && found < 0; ++i)
                if (IsKeyLine(texts.at(i), key))
                    found = i;
            if (found >= 0) {
                lines[found].Text = entry(key, value).Text;
                texts[found] = key + QLatin1Char('=') + value;
                continue;
            }
            if (lines[insertAt - 1].End.isEmpty())
                lines[insertAt - 1].End = lineEnd;
            lines.insert(insertAt, entry(key, value));
            texts.insert(insertAt, key + QLatin1Char('=') + value);
            ++insertAt;
            ++end;
        }
    }

    QByteArray bytes;
    for (const TRawLine& line : lines)
        bytes += line.Text + line.End;
    // Lines are kept as their bytes stood, but a change can change how the whole file decodes
    // (the only byte that was not UTF-8 replaced, and a byte-order mark read as text before is
    // then skipped), and a new line after a lone CR can join two line ends. The file must read as
    // the lines just made: when it would not, it is written whole in UTF-8 from those lines as
    // the reader saw them.
    if (!ReadsAs(bytes, texts)) {
        bytes = Utf8Lines(texts);
        if (!ReadsAs(bytes, texts))
            throw TDataError(
                Tr("UpdateIni", "Cannot write the settings file \"%1\" so that it reads back.")
                    .arg(QDir::toNativeSeparators(path)));
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteFileAtomically(path, bytes, Tr("UpdateIni", "settings file"), TLinks::Follow);
}

} // namespace

void WriteIniValues(const QString& path, const QString& section,
                    const QList<QPair<QString, QString>>& values)
{
    // Another running copy may write the file too: read, change and write under its lock.
    WithFileLock(path, Tr("UpdateIni", "settings file"),
                 [&] { WriteIniValuesLocked(path, section, values); });
}

QString IniDateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QDate LastPriceUpdate(const QString& updateIniPath, const QDate& today)
{
    const std::optional<QString> text =
        ReadIniValue(updateIniPath, QStringLiteral("UPDATE"), QStringLiteral("last"));
    if (!text)
        return today;
    return ParseIniDate(*text).value_or(today);
}
