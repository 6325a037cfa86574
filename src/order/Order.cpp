#include "Order.h"

#include "base/LineFormat.h"
#include "pricing/Prices.h"

#include <QDate>
#include <QLocale>
#include <QStringBuilder>

#include <algorithm>
#include <cmath>

namespace {

QString SwapDecimalSeparator(const QString& text, const QString& from, const QString& to)
{
    if (from == to || from.isEmpty())
        return text;
    QString result = text;
    return result.replace(from, to);
}

constexpr char16_t ArabicDecimalSeparator = u'\u066B';

bool Within(const std::optional<double>& value, double bound)
{
    return value && *value >= 0 && *value <= bound;
}

// Two unit prices are equal as numbers ("1.25" and "1.250"); texts that are not numbers only
// when they are the same text.
bool SamePrice(const TOrderNumber& a, const TOrderNumber& b)
{
    const bool numbers = Within(a.Value, MaxUnitPrice) && Within(b.Value, MaxUnitPrice);
    return numbers ? *a.Value == *b.Value : a.Text == b.Text;
}

// A number field outside its bounds; a field that is no number at all is not.
bool OutOfBounds(const TOrderNumber& number, double bound)
{
    return number.Value && (*number.Value < 0 || *number.Value > bound);
}

void Flatten(QString& text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

TOrderNumber TOrderNumber::FromText(const QString& dataText)
{
    TOrderNumber number{TrimmedControl(dataText).toString(), std::nullopt};
    double value = 0;
    if (TryStrToFloat(number.Text, value))
        number.Value = value;
    return number;
}

TOrderNumber TOrderNumber::Quantity(double quantity)
{
    // The value read back from the text, as a file that holds it gives it.
    return FromText(QuantityText(quantity));
}

TOrderLine MakeOrderLine(const QString& quantity, const QString& unit, const QString& partNumber,
                         const QString& description, const QString& price, const QString& kind)
{
    const auto trimmed = [](const QString& text) {
        return TrimmedControl(text).toString();
    };
    return TOrderLine{
        TOrderNumber::FromText(quantity), trimmed(unit), trimmed(partNumber), trimmed(description),
        TOrderNumber::FromText(price),    trimmed(kind)};
}

QString QuantityText(double quantity)
{
    if (!std::isfinite(quantity))
        return QString::number(quantity);
    // A whole number below 10^15 is exact in fifteen digits: it is written as it is.
    if (std::abs(quantity) < 1e15 && quantity == std::floor(quantity))
        return QString::number(static_cast<qint64>(quantity));
    // Fifteen significant digits hide the noise of binary fractions (0.1 + 0.2 gives 0.3); the
    // shortest fixed-point form of that value never uses an exponent and writes 12 as "12".
    double rounded = QString::number(quantity, 'g', 15).toDouble();
    if (rounded == 0)
        rounded = 0; // no "-0"
    return QString::number(rounded, 'f', QLocale::FloatingPointShortest);
}

bool ParseQuantity(const QString& text, double& quantity)
{
    double value = 0;
    if (!TryStrToFloat(text, value) || value < 0 || value > MaxOrderQuantity)
        return false;
    quantity = value == 0 ? 0 : value;
    return true;
}

bool ParsePrice(const QString& text, double& price)
{
    double value = 0;
    if (!TryStrToFloat(text, value) || value < 0 || value > MaxUnitPrice)
        return false;
    price = value;
    return true;
}

QString ToDataNumber(const QString& userText)
{
    return AsciiDigits(
        SwapDecimalSeparator(userText, UserLocale().decimalPoint(), QStringLiteral(".")));
}

QString ToUserNumber(const QString& dataText)
{
    return RegionalDigits(
        SwapDecimalSeparator(dataText, QStringLiteral("."), UserLocale().decimalPoint()));
}

QString NormalisedDataNumber(QStringView text)
{
    QString result = AsciiDigits(text);
    for (QChar& c : result)
        if (c == QLatin1Char(',') || c == QChar(ArabicDecimalSeparator))
            c = QLatin1Char('.');
    return result;
}

int OrderCurrency(const TOrderInfo& info, const QList<TOrderLine>& orderLines, int chosenTag)
{
    return info.CurrencyTag <= 0 || orderLines.isEmpty() ? chosenTag : info.CurrencyTag;
}

double QuantityOrZero(const TOrderLine& line)
{
    const std::optional<double>& value = line.Quantity.Value;
    return Within(value, MaxOrderQuantity) && *value != 0 ? *value : 0;
}

double PriceOrZero(const TOrderLine& line)
{
    const std::optional<double>& value = line.UnitPrice.Value;
    return Within(value, MaxUnitPrice) ? *value : 0;
}

bool AddResultRows(QList<TOrderLine>& orderLines, const QList<TOrderLine>& resultRows)
{
    QList<TOrderLine> lines = orderLines;
    for (const TOrderLine& row : resultRows) {
        if (OutOfBounds(row.UnitPrice, MaxUnitPrice) || OutOfBounds(row.Quantity, MaxOrderQuantity))
            return false;
        bool merged = false;
        for (TOrderLine& existing : lines) {
            if (existing.PartNumber != row.PartNumber || existing.Unit != row.Unit ||
                !SamePrice(existing.UnitPrice, row.UnitPrice))
                continue;
            const double sum = QuantityOrZero(existing) + QuantityOrZero(row);
            if (sum > MaxOrderQuantity)
                return false;
            existing.Quantity = TOrderNumber::Quantity(sum);
            merged = true;
            break;
        }
        if (!merged)
            lines.append(row);
    }
    orderLines = std::move(lines);
    return true;
}

void FlattenLineBreaks(QList<TOrderLine>& orderLines)
{
    for (TOrderLine& line : orderLines)
        for (QString* text : {&line.Quantity.Text, &line.Unit, &line.PartNumber, &line.Description,
                              &line.UnitPrice.Text, &line.Kind})
            Flatten(*text);
}

TOrderTotals OrderTotals(const QList<TOrderLine>& orderLines)
{
    TOrderTotals totals;
    for (const TOrderLine& line : orderLines) {
        const double extended = ExtendedPrice(QuantityOrZero(line), PriceOrZero(line));
        totals.Extended.append(extended);
        totals.Total += extended;
    }
    totals.Total = RoundToCent(totals.Total);
    return totals;
}

namespace {

// The user's number format, looked up once for many rows.
class TUserFormat
{
public:
    TUserFormat() : Locale(UserLocale()), Point(Locale.decimalPoint()), Zero(Locale.zeroDigit()) {}

    // As ToUserNumber.
    QString Number(const QString& dataText) const
    {
        QString text = SwapDecimalSeparator(dataText, QStringLiteral("."), Point);
        if (Zero.size() == 1 && Zero != QLatin1String("0"))
            for (QChar& c : text)
                if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                    c = QChar(Zero.at(0).unicode() + (c.unicode() - u'0'));
        return text;
    }
    // As FormatFixed2; a number of zero or more without asking the locale for each.
    QString Fixed2(double value) const
    {
        return value >= 0 ? Number(FormatFixed2Data(value)) : Locale.toString(value, 'f', 2);
    }

private:
    QLocale Locale;
    QString Point;
    QString Zero;
};

QStringList RowShown(const TUserFormat& format, const TOrderLine& line, double extended)
{
    return {format.Number(line.Quantity.Text),
            line.Unit,
            line.PartNumber,
            line.Description,
            format.Number(line.UnitPrice.Text),
            format.Fixed2(extended)};
}

} // namespace

QList<QStringList> OrderRowsShown(const QList<TOrderLine>& orderLines, const TOrderTotals& totals)
{
    const TUserFormat format;
    QList<QStringList> rows;
    rows.reserve(orderLines.size());
    for (qsizetype i = 0; i < orderLines.size(); ++i)
        rows.append(RowShown(format, orderLines.at(i), totals.Extended.at(i)));
    return rows;
}

void RemoveItems(QList<TOrderLine>& orderLines, const QList<int>& positions)
{
    QList<int> doomed;
    for (const int position : positions)
        if (position >= 0 && position < orderLines.size())
            doomed.append(position);
    std::sort(doomed.begin(), doomed.end(), std::greater<int>());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (const int position : doomed)
        orderLines.removeAt(position);
}
bool TOrderDetails::IsEmpty() const
{
    return CompanyName.isEmpty() && Author.isEmpty() && Date.isEmpty() && JobNumber.isEmpty() &&
           ProposalNumber.isEmpty();
}

namespace {

const QString DataDateFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

QString ShownOrderDate(const QString& dataDate)
{
    const QDate date = QDate::fromString(dataDate, DataDateFormat);
    return date.isValid() ? UserLocale().toString(date, QLocale::ShortFormat) : dataDate;
}

QString DocumentOrderDate(const QString& dataDate)
{
    const QDate date = QDate::fromString(dataDate, DataDateFormat);
    return date.isValid() ? DocumentDateText(date) : dataDate;
}

QString QuoteDateToday()
{
    return QDate::currentDate().toString(DataDateFormat);
}

std::optional<QString> DataOrderDate(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    const QLocale locale = UserLocale();
    QDate date = locale.toDate(text, QLocale::ShortFormat);
    if (!date.isValid())
        date = locale.toDate(text, QLocale::LongFormat);
    if (!date.isValid())
        date = QDate::fromString(AsciiDigits(text), DataDateFormat);
    // A two-digit year of the short format reads as 19xx; a quote is written in this century.
    if (date.isValid() && date.year() < 1950 &&
        !locale.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy")))
        date = date.addYears(100);
    if (!date.isValid())
        return std::nullopt;
    return date.toString(DataDateFormat);
}
