#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

// The '|'-delimited line format shared by every data file, grid row and order line, and the
// number conversions used with it.

inline const QString FieldDelimiter = QStringLiteral("|");

// Bounds that keep every figure, price and total finite and sound: a unit price (in the price
// list or on an order line), an order quantity, a typed length (feet or metres) and a typed
// frequency (MHz) above these are bad values.
inline constexpr double MaxUnitPrice = 1e9;
inline constexpr double MaxOrderQuantity = 1e9;
inline constexpr double MaxTypedLength = 1e6;
inline constexpr double MaxTypedFrequency = 1e6;

// Clears target and fills it with every field of text; the text after the last delimiter is
// the last field, even when empty. Fields are not trimmed.
void SplitFields(QStringList& target, const QString& text, const QString& delimiter);
QStringList SplitFields(const QString& text, const QString& delimiter = FieldDelimiter);

// The n-th field (from 1) that is followed by a delimiter, trimmed of characters of code 32 and
// below; empty when there is no such field.
QString GetField(const QString& text, int n, const QString& delimiter = FieldDelimiter);

// Characters of code 32 and below removed from both ends.
QString TrimControl(const QString& text);
QStringView TrimmedControl(QStringView text);

QString DefaultIfEmpty(const QString& text, const QString& defaultText);

// The number in text, or the number in defaultText when text is empty or not a number.
double ParseNumberOr(const QString& text, const QString& defaultText);

// True for the first characters of price-list lines that are skipped.
bool IsSkippedLine(QChar first);

// Sorts by numeric value; equal values keep their order, texts are not reformatted.
void SortNumericStrings(QStringList& list);

// The locale for everything the user sees and types: regional separators, no grouping. While a
// TDataNumbers scope is active on the thread, "C" numbers instead ('.', ASCII digits).
QLocale UserLocale();

// Output that is data (the batch quote's CSV and JSON) is made from the same texts the window
// shows; within this scope those texts carry '.' and ASCII digits whatever the regional settings.
class TDataNumbers
{
public:
    TDataNumbers();
    ~TDataNumbers();
    TDataNumbers(const TDataNumbers&) = delete;
    TDataNumbers& operator=(const TDataNumbers&) = delete;

    static bool Active();
};

// A date in the user's short format with its year in four digits ("12/8/2026", "08.12.2026"):
// the dates of documents a customer files, where "08.12.26" would be ambiguous.
QString DocumentDateText(const QDate& date);

// Decimal digits of any script as ASCII digits, and ASCII digits as the user's regional digits.
QString AsciiDigits(QStringView text);
QString RegionalDigits(const QString& text);

// Converts a number text: '.' as decimal point, or the regional separator. Blanks around the
// number are allowed; infinities and NaN are not numbers.
bool TryStrToFloat(const QString& text, double& value);
bool IsNumber(const QString& text);

// Converts a number the user typed: the regional format alone, group separators refused, blanks
// around the number allowed; infinities and NaN are not numbers. With a comma as the regional
// decimal separator "2,5" is 2.5 while "2.5" and "1.700" are not numbers.
bool TryUserStrToFloat(const QString& text, double& value);
bool IsUserNumber(const QString& text);

// As TryStrToFloat/an integer conversion, but a text that is not a number throws TDataError
// "'%s' is not a valid floating point value" / "'%s' is not a valid integer value".
double StrToFloat(const QString& text);
int StrToInt(const QString& text);

// Throws TDataError "List index out of bounds (%d)" when fields has fewer than count entries.
void RequireFields(const QStringList& fields, int count);

// Shortest plain form in the user's format: 800, 1700, 2.5, 100000.
QString FloatToStr(double value);
// Fixed point with two decimals in the user's format ("%.2f").
QString FormatFixed2(double value);
// Fixed point with two decimals and '.', for data files.
QString FormatFixed2Data(double value);
