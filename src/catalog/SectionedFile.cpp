#include "SectionedFile.h"

#include "DataError.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

namespace {

// Windows-1252: Latin-1 but for 0x80..0x9F, which hold typographic characters. The five
// unassigned bytes keep their Latin-1 meaning.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The text when the bytes are UTF-8 through to the end: a sequence cut short by the end of the
// file makes them not UTF-8, like any other invalid sequence.
std::optional<QString> FromUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

QString FromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

bool IsBlankLine(const QString& line)
{
    for (const QChar c : line)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    return true;
}

std::optional<QByteArray> ToWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        int byte = -1;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = c;
        } else {
            for (int j = 0; j < 32; ++j) {
                if (High[j] == c) {
                    byte = 0x80 + j;
                    break;
                }
            }
        }
        if (byte < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(byte);
    }
    return bytes;
}

std::optional<QByteArray> ToUnmistakableWindows1252(const QString& text)
{
    std::optional<QByteArray> bytes = ToWindows1252(text);
    if (!bytes)
        return std::nullopt;
    const std::optional<QString> readBack = FromUtf8(*bytes);
    if (readBack && *readBack != text)
        return std::nullopt;
    return bytes;
}

QStringList ReadTextLines(const QString& path, bool missingIsEmpty)
{
    QFile file(path);
    if (!file.exists() && missingIsEmpty)
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw TDataError(
            QStringLiteral("Cannot open file \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TDataError(
            QStringLiteral("Cannot read file \"%1\": %2").arg(path, file.errorString()));
    return TextLines(bytes);
}

QStringList TextLines(const QByteArray& bytes)
{
    const std::optional<QString> utf8 = FromUtf8(bytes);
    QString text = utf8 ? *utf8 : FromWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString TSectionedFile::Section::Value(const QString& key) const
{
    for (const Entry& entry : Entries)
        if (entry.Key == key)
            return entry.Value;
    return {};
}

int TSectionedFile::Section::LineOf(const QString& key) const
{
    for (const Entry& entry : Entries)
        if (entry.Key == key)
            return entry.Line;
    return Line;
}

void TSectionedFile::Parse(const QStringList& lines)
{
    Items.clear();
    QSet<QString> seen; // section names, case-folded
    bool inSection = false;
    bool skipping = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int lineNumber = static_cast<int>(i + 1);
        if (IsBlankLine(line) || line == QString(QChar(26)))
            continue;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) &&
            line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            const QString folded = name.toCaseFolded();
            skipping = seen.contains(folded);
            seen.insert(folded);
            inSection = true;
            if (!skipping)
                Items.append(Section{name, lineNumber, {}});
            continue;
        }
        if (!inSection || skipping)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        Entry entry;
        entry.Key = eq < 0 ? line : line.left(eq);
        entry.Value = eq < 0 ? QString() : line.mid(eq + 1);
        entry.Text = line;
        entry.Line = lineNumber;
        Items.last().Entries.append(entry);
    }
}
