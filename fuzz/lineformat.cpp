// The line format helpers over every line of the input: splitting, fields, number conversions,
// skipped lines and the numeric sort.

#include "FuzzSupport.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SectionedFile.h"

#include <algorithm>
#include <cmath>

namespace {

const QString Zero = QStringLiteral("0");

void CheckNumber(const QString& text)
{
    double value = 0;
    if (TryStrToFloat(text, value)) {
        Fuzz::Require(std::isfinite(value), "TryStrToFloat gave a number that is not finite", text);
        // The frequency lists write numbers this way and sort them by reading them back.
        double back = 0;
        const QString shortest = FloatToStr(value);
        Fuzz::Require(TryStrToFloat(shortest, back) && back == value,
                      "FloatToStr does not read back", text + QStringLiteral(" -> ") + shortest);
        FormatFixed2(value);
        FormatFixed2Data(value);
    }
    double user = 0;
    if (TryUserStrToFloat(text, user))
        Fuzz::Require(std::isfinite(user), "TryUserStrToFloat gave a number that is not finite",
                      text);
    Fuzz::Require(IsNumber(text) == TryStrToFloat(text, value), "IsNumber disagrees", text);
    IsUserNumber(text);
    Fuzz::Require(std::isfinite(ParseNumberOr(text, Zero)), "ParseNumberOr is not finite", text);
    try {
        StrToFloat(DefaultIfEmpty(text, Zero));
    } catch (const TDataError& error) {
        error.FullText();
    }
    try {
        StrToInt(DefaultIfEmpty(text, Zero));
    } catch (const TDataError& error) {
        error.FullText();
    }
}

void CheckLine(const QString& line)
{
    const QStringList fields = SplitFields(line, FieldDelimiter);
    Fuzz::Require(fields.join(FieldDelimiter) == line, "SplitFields loses text", line);
    SplitFields(line, QStringLiteral(","));
    SplitFields(line, QStringLiteral("."));
    SplitFields(line, QString());

    const qsizetype count = std::min<qsizetype>(fields.size() + 1, 24);
    for (int n = 1; n <= count; ++n) {
        const QString field = GetField(line, n);
        const QString expected = n < fields.size() ? TrimControl(fields.at(n - 1)) : QString();
        Fuzz::Require(field == expected, "GetField disagrees with SplitFields", line);
        CheckNumber(field);
    }
    for (qsizetype i = 0; i < std::min<qsizetype>(fields.size(), 24); ++i)
        CheckNumber(fields.at(i));
    try {
        RequireFields(fields, 15);
    } catch (const TDataError& error) {
        error.FullText();
    }
    IsSkippedLine(line.isEmpty() ? QChar() : line.at(0));

    QStringList sorted = Fuzz::Front(fields, 48);
    SortNumericStrings(sorted);
    double previous = -HUGE_VAL;
    for (const QString& text : sorted) {
        double value = 0;
        TryStrToFloat(text, value);
        Fuzz::Require(value >= previous, "SortNumericStrings left the list unsorted", line);
        previous = value;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const QString& line : Fuzz::Front(TextLines(Fuzz::Bytes(data, size)), 64))
        CheckLine(line);
    return 0;
}
