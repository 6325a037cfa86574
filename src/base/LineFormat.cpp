#include "LineFormat.h"

#include "DataError.h"
#include "Translate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

void SplitFields(QStringList& target, const QString& text, const QString& delimiter)
{
    target.clear();
    if (delimiter.isEmpty()) {
        target.append(text);
        return;
    }
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = text.indexOf(delimiter, start);
        if (at < 0)
            break;
        target.append(text.mid(start, at - start));
        start = at + delimiter.size();
    }
    target.append(text.mid(start));
}

QStringList SplitFields(const QString& text, const QString& delimiter)
{
    QStringList fields;
    SplitFields(fields, text, delimiter);
    return fields;
}

QStringView TrimmedControl(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

QString TrimControl(const QString& text)
{
    const QStringView trimmed = TrimmedControl(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString GetField(const QString& text, int n, const QString& delimiter)
{
    if (n < 1 || delimiter.isEmpty())
        return {};
    const QStringView view(text);
    const bool oneCharacter = delimiter.size() == 1;
    qsizetype start = 0;
    for (int i = 1; i <= n; ++i) {
        const qsizetype at =
            oneCharacter ? view.indexOf(delimiter.front(), start) : view.indexOf(delimiter, start);
        if (at < 0)
            return {};
        if (i == n)
            return TrimmedControl(view.sliced(start, at - start)).toString();
        start = at + delimiter.size();
    }
    return {};
}

QString DefaultIfEmpty(const QString& text, const QString& defaultText)
{
    return text.isEmpty() ? defaultText : text;
}

double ParseNumberOr(const QString& text, const QString& defaultText)
{
    double value = 0;
    if (!TryStrToFloat(defaultText, value))
        value = 0;
    double parsed = 0;
    if (!text.isEmpty() && TryStrToFloat(text, parsed))
        value = parsed;
    return value;
}

bool IsSkippedLine(QChar first)
{
    switch (first.unicode()) {
    case ' ':
    case '#':
    case ';':
    case '[':
    case '^':
    case '`':
    case '{':
    case '~':
        return true;
    default:
        return false;
    }
}

void SortNumericStrings(QStringList& list)
{
    // Each text is converted once (a text that is not a number counts 0); a stable sort keeps
    // equal values in their order, exactly as a bubble sort would.
    std::vector<std::pair<double, QString>> items;
    items.reserve(static_cast<size_t>(list.size()));
    for (const QString& text : list) {
        double value = 0;
        TryStrToFloat(text, value);
        items.emplace_back(value, text);
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 0; i < list.size(); ++i)
        list[i] = items[static_cast<size_t>(i)].second;
}

namespace {
thread_local int DataNumbersDepth = 0;
} // namespace

TDataNumbers::TDataNumbers()
{
    ++DataNumbersDepth;
}

TDataNumbers::~TDataNumbers()
{
    --DataNumbersDepth;
}

bool TDataNumbers::Active()
{
    return DataNumbersDepth > 0;
}

QLocale UserLocale()
{
    QLocale locale = DataNumbersDepth > 0 ? QLocale::c() : QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString DocumentDateText(const QDate& date)
{
    if (!date.isValid())
        return {};
    const QLocale locale = QLocale::system();
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // "yy" alone becomes "yyyy"; a format that has "yyyy" already keeps it.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

QString AsciiDigits(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int digit = c.isDigit() ? c.digitValue() : -1;
        result += digit >= 0 && digit <= 9 ? QChar(u'0' + digit) : c;
    }
    return result;
}

QString RegionalDigits(const QString& text)
{
    const QString zero = UserLocale().zeroDigit();
    if (zero == QLatin1String("0") || zero.size() != 1)
        return text;
    QString result = text;
    for (QChar& c : result)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
    return result;
}

namespace {

// A plain decimal ("12", "-0.5", "2.10"): digits, at most one '.' between digits, an optional
// leading '-', short enough that it can neither overflow nor underflow. QString::toDouble and
// std::from_chars both round such a text correctly, so they give the same value; the common
// case then needs no allocation.
bool TryPlainDecimal(QStringView text, double& value)
{
    const qsizetype size = text.size();
    if (size == 0 || size > 32)
        return false;
    char ascii[32];
    bool digitBefore = false;
    bool point = false;
    bool digitAfter = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= '0' && c <= '9')
            (point ? digitAfter : digitBefore) = true;
        else if (c == '.' && digitBefore && !point)
            point = true;
        else if (!(c == '-' && i == 0))
            return false;
        ascii[i] = static_cast<char>(c);
    }
    if (!digitBefore || (point && !digitAfter))
        return false;
    double result = 0;
    const auto [end, error] = std::from_chars(ascii, ascii + size, result);
    if (error != std::errc() || end != ascii + size || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

} // namespace

bool TryStrToFloat(const QString& text, double& value)
{
    if (TryPlainDecimal(text, value))
        return true;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    double result = trimmed.toDouble(&ok); // '.' as decimal point, no grouping
    if (!ok)
        result = UserLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

bool TryUserStrToFloat(const QString& text, double& value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    const double result = UserLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

bool IsUserNumber(const QString& text)
{
    double ignored = 0;
    return TryUserStrToFloat(text, ignored);
}

bool IsNumber(const QString& text)
{
    double ignored = 0;
    return TryStrToFloat(text, ignored);
}

double StrToFloat(const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw TDataError(Tr("LineFormat", "'%1' is not a valid floating point value").arg(text));
    return value;
}

int StrToInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw TDataError(Tr("LineFormat", "'%1' is not a valid integer value").arg(text));
    return value;
}

void RequireFields(const QStringList& fields, int count)
{
    if (fields.size() < count)
        throw TDataError(Tr("LineFormat", "List index out of bounds (%1)").arg(fields.size()));
}

QString FloatToStr(double value)
{
    return UserLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

QString FormatFixed2(double value)
{
    return UserLocale().toString(value, 'f', 2);
}

QString FormatFixed2Data(double value)
{
    return QString::number(value, 'f', 2);
}
