#include "IniSettings.h"

#include "base/DataError.h"
#include "base/SafeFile.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsHexDigit(uint c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

// UTF-8 decoded as it stands: a byte-order mark inside a value or key is a character like any
// other (QString::fromUtf8 would drop one at the start of every piece).
QString Utf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArrayView Trimmed(QByteArrayView text)
{
    return text.trimmed();
}

// A key or section name as the file writes it: letters, digits, '_', '-' and '.' as they are,
// '/' as '\', other characters up to U+00FF as %XX and the rest as %UXXXX (upper-case hex).
QByteArray EscapedKey(const QString& key)
{
    static const char Hex[] = "0123456789ABCDEF";
    QByteArray result;
    for (const QChar qc : key) {
        uint ch = qc.unicode();
        if (ch == '/') {
            result += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                   (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '.') {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += Hex[ch / 16];
            result += Hex[ch % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += Hex[(ch >> shift) & 0xF];
        }
    }
    return result;
}

// A key as read: UTF-8, '\' for '/', %XX and %UXXXX decoded; a broken escape stays as written.
QString UnescapedKey(QByteArrayView key)
{
    const QString decoded = Utf8(key);
    QString result;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar c = decoded.at(i);
        if (c == QLatin1Char('\\')) {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == decoded.size() - 1) {
            result += c;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (decoded.at(first) == QLatin1Char('U')) {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= decoded.size()
                                ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// A text value as the file writes it: backslash escapes for '\', '"' and control characters,
// other characters as UTF-8 (bytes of @ByteArray and @Variant values from 0x7F as \x escapes),
// a hex digit after a \x or \0 escape escaped too, and the whole in quotes when it holds ';', ','
// or '=' or starts or ends with a blank.
QByteArray EscapedValue(const QString& text)
{
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const bool useUtf8 = !(text.startsWith(QLatin1String("@ByteArray(")) ||
                           text.startsWith(QLatin1String("@Variant(")) ||
                           text.startsWith(QLatin1String("@DateTime(")));
    QStringEncoder utf8(QStringEncoder::Utf8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uint ch = text.at(i).unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && IsHexDigit(ch)) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case 0:
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            result += "\\a";
            break;
        case '\b':
            result += "\\b";
            break;
        case '\f':
            result += "\\f";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\v':
            result += "\\v";
            break;
        case '"':
        case '\\':
            result += '\\';
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !useUtf8)) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (useUtf8) {
                // A surrogate pair is encoded as one character; a lone surrogate, which UTF-8
                // cannot hold, as an escape.
                if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                    text.at(i + 1).isLowSurrogate()) {
                    result += utf8(QStringView(text).sliced(i, 2));
                    ++i;
                } else if (text.at(i).isSurrogate()) {
                    result += "\\x" + QByteArray::number(ch, 16);
                    escapeNextIfDigit = true;
                } else {
                    result += utf8(QStringView(text).sliced(i, 1));
                }
            } else {
                result += char(ch);
            }
        }
    }
    if (needsQuotes || (!result.isEmpty() && (result.front() == ' ' || result.back() == ' '))) {
        result.prepend('"');
        result += '"';
    }
    return result;
}

// A value's text as read: blanks around it dropped (unless quoted), quotes removed, escapes
// decoded; an unquoted ',' separates the items of a list.
QStringList UnescapedValue(QByteArrayView raw, bool& isList)
{
    QStringList items;
    QString current;
    bool quoted = false; // the item has a quoted part: its trailing blanks are kept
    bool inQuotes = false;
    qsizetype kept = 0; // what an escape wrote is kept, blanks included
    isList = false;
    const qsizetype n = raw.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < n && IsBlank(raw[i]))
            ++i;
    };
    const auto endItem = [&] {
        if (!quoted)
            while (current.size() > kept &&
                   (current.back() == QLatin1Char(' ') || current.back() == QLatin1Char('\t')))
                current.chop(1);
        items.append(current);
        current.clear();
        quoted = false;
        kept = 0;
    };
    skipBlanks();
    while (i < n) {
        const char ch = raw[i];
        if (ch == '\\') {
            if (++i >= n)
                break;
            const char e = raw[i];
            static const char Codes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                            {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                            {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool known = false;
            for (const auto& code : Codes)
                if (code[0] == e) {
                    current += QLatin1Char(code[1]);
                    known = true;
                }
            if (known) {
                ++i;
            } else if (e == 'x' && i + 1 < n && IsHexDigit(uchar(raw[i + 1]))) {
                uint code = 0;
                for (++i; i < n && IsHexDigit(uchar(raw[i])); ++i)
                    code = (code * 16 + uint(HexValue(raw[i]))) & 0xFFFF;
                current += QChar(char16_t(code));
            } else if (e >= '0' && e <= '7') {
                uint code = 0;
                for (; i < n && raw[i] >= '0' && raw[i] <= '7'; ++i)
                    code = (code * 8 + uint(raw[i] - '0')) & 0xFFFF;
                current += QChar(char16_t(code));
            } else if (e == '\n' || e == '\r') {
                // A line continued on the next.
                ++i;
                if (i < n && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e)
                    ++i;
            } else {
                // An unknown escape is dropped with its character, as QSettings drops it.
                ++i;
            }
            kept = current.size();
        } else if (ch == '"') {
            quoted = true;
            inQuotes = !inQuotes;
            ++i;
            if (!inQuotes)
                skipBlanks();
        } else if (ch == ',' && !inQuotes) {
            isList = true;
            endItem();
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < n && raw[end] != '\\' && raw[end] != '"' && (raw[end] != ',' || inQuotes))
                ++end;
            current += Utf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    endItem();
    return items;
}

// A value's text as it is written again: decoded, then escaped as QSettings writes it (a list as
// its items joined by ", "), so that what is kept of a file reads back the same.
QByteArray CanonicalValue(QByteArrayView raw)
{
    bool isList = false;
    const QStringList items = UnescapedValue(raw, isList);
    if (!isList)
        return EscapedValue(items.value(0));
    QByteArray result;
    for (qsizetype i = 0; i < items.size(); ++i)
        result += (i > 0 ? QByteArrayLiteral(", ") : QByteArray()) + EscapedValue(items.at(i));
    return result;
}

// A decoded text's special forms: "@@" for a leading '@', "@Invalid()" for no value,
// "@String(...)" for a text with a NUL.
std::optional<QString> PlainText(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text == QLatin1String("@Invalid()"))
        return std::nullopt;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(QLatin1Char(')')))
        return text.mid(8).chopped(1);
    return text;
}

// A key as QSettings keeps it: no '/' at either end, none doubled (a '/' at the end would be
// written as a '\\' before the '=' and hide it).
QString NormalisedKey(const QString& key)
{
    QString result;
    for (const QChar c : key)
        if (c != QLatin1Char('/') || (!result.isEmpty() && result.back() != QLatin1Char('/')))
            result += c;
    if (result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

// Splits "group/name" at its first '/'.
std::pair<QString, QString> SectionAndName(const QString& key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), key};
    return {key.left(slash), key.mid(slash + 1)};
}

} // namespace

TIniSettings::TIniSettings(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QString section;
    const qsizetype n = bytes.size();
    qsizetype pos = 0;
    while (pos < n) {
        // One logical line: leading blanks and empty lines skipped; a ';' outside quotes starts
        // a comment to the end of the line; a line break inside quotes or after a '\' continues
        // it; the first '=' outside quotes separates the key.
        while (pos < n && (IsBlank(bytes[pos]) || bytes[pos] == '\n' || bytes[pos] == '\r'))
            ++pos;
        if (pos >= n)
            break;
        const qsizetype start = pos;
        qsizetype equals = -1;
        bool inQuotes = false;
        qsizetype end = pos;
        for (; end < n; ++end) {
            const char ch = bytes[end];
            if (ch == '=' && !inQuotes && equals < 0)
                equals = end;
            else if ((ch == '\n' || ch == '\r') && !inQuotes)
                break;
            else if (ch == '\\' && end + 1 < n) {
                ++end;
                if ((bytes[end] == '\r' || bytes[end] == '\n') && end + 1 < n &&
                    (bytes[end + 1] == '\r' || bytes[end + 1] == '\n') &&
                    bytes[end + 1] != bytes[end])
                    ++end;
            } else if (ch == '"')
                inQuotes = !inQuotes;
            else if (ch == ';' && !inQuotes)
                break;
        }
        const QByteArrayView line = bytes.sliced(start, end - start);
        // The rest of a line cut by a comment is skipped.
        pos = end;
        if (pos < n && bytes[pos] == ';')
            while (pos < n && bytes[pos] != '\n' && bytes[pos] != '\r')
                ++pos;
        if (line.isEmpty())
            continue;
        if (line.front() == '[') {
            qsizetype close = line.indexOf(']');
            if (close < 0)
                close = line.size();
            const QByteArrayView name = Trimmed(line.sliced(1, close - 1));
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.sliced(1));
            else
                section = UnescapedKey(name);
            continue;
        }
        if (equals < 0)
            continue;
        const QString key =
            NormalisedKey(UnescapedKey(Trimmed(bytes.sliced(start, equals - start))));
        Sections[section][key] = CanonicalValue(bytes.sliced(equals + 1, end - equals - 1));
    }
}

TIniSettings TIniSettings::ReadFile(const QString& path)
{
    return TIniSettings(ReadRegularFile(path, SettingsFileLimit, true));
}

void TIniSettings::UpdateFile(const QString& path, const std::function<bool(TIniSettings&)>& change)
{
    WithFileLock(path, Tr("IniSettings", "settings file"), [&] {
        TIniSettings settings = ReadFile(path);
        if (change(settings))
            WriteFileAtomically(path, settings.Bytes(), Tr("IniSettings", "settings file"),
                                TLinks::Follow);
    });
}

const QByteArray* TIniSettings::Raw(const QString& key) const
{
    const auto [section, name] = SectionAndName(key);
    const auto found = Sections.constFind(section);
    if (found == Sections.cend())
        return nullptr;
    const auto value = found->constFind(name);
    return value == found->cend() ? nullptr : &*value;
}

void TIniSettings::SetRaw(const QString& key, const QByteArray& raw)
{
    const auto [section, name] = SectionAndName(key);
    Sections[section][name] = raw;
}

bool TIniSettings::Contains(const QString& key) const
{
    return Raw(key) != nullptr;
}

std::optional<QString> TIniSettings::Value(const QString& key) const
{
    const QByteArray* raw = Raw(key);
    if (raw == nullptr)
        return std::nullopt;
    bool isList = false;
    const QStringList items = UnescapedValue(*raw, isList);
    if (!isList)
        return PlainText(items.value(0));
    QStringList texts;
    for (const QString& item : items)
        texts.append(PlainText(item).value_or(QString()));
    return texts.join(QStringLiteral(", "));
}

std::optional<QRect> TIniSettings::RectValue(const QString& key) const
{
    const std::optional<QString> text = Value(key);
    if (!text || !text->startsWith(QLatin1String("@Rect(")) || !text->endsWith(QLatin1Char(')')))
        return std::nullopt;
    const QStringList numbers = text->mid(6).chopped(1).split(QLatin1Char(' '));
    if (numbers.size() != 4)
        return std::nullopt;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = numbers.at(i).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

std::optional<bool> TIniSettings::BoolValue(const QString& key) const
{
    const std::optional<QString> text = Value(key);
    if (!text)
        return std::nullopt;
    if (text->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = text->toDouble(&ok);
    return ok ? std::optional<bool>(number != 0) : std::nullopt;
}

void TIniSettings::SetValue(const QString& key, const QString& value)
{
    QString text = value;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + QLatin1Char(')');
    else if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    SetRaw(key, EscapedValue(text));
}

void TIniSettings::SetRect(const QString& key, const QRect& rect)
{
    SetRaw(key, QStringLiteral("@Rect(%1 %2 %3 %4)")
                    .arg(rect.x())
                    .arg(rect.y())
                    .arg(rect.width())
                    .arg(rect.height())
                    .toLatin1());
}

void TIniSettings::SetBool(const QString& key, bool value)
{
    SetRaw(key, value ? QByteArrayLiteral("true") : QByteArrayLiteral("false"));
}

QByteArray TIniSettings::Bytes() const
{
    QByteArray bytes;
    bool first = true;
    for (auto section = Sections.cbegin(); section != Sections.cend(); ++section) {
        if (section->isEmpty())
            continue;
        if (!first)
            bytes += '\n';
        first = false;
        const QByteArray name = EscapedKey(section.key());
        if (name.isEmpty())
            bytes += "[General]\n";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            bytes += "[%" + name + "]\n"; // a group "General", not the keys outside any group
        else
            bytes += '[' + name + "]\n";
        for (auto value = section->cbegin(); value != section->cend(); ++value)
            bytes += EscapedKey(value.key()) + '=' + value.value() + '\n';
    }
    return bytes;
}
