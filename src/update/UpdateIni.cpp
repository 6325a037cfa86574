#include "UpdateIni.h"

#include "catalog/DataError.h"
#include "catalog/SectionedFile.h"

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

} // namespace

std::optional<QString> ReadIniValue(const QString& path, const QString& section, const QString& key)
{
    QStringList lines;
    try {
        lines = ReadTextLines(path, true);
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
