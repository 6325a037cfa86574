#include "Order.h"

#include "base/LineFormat.h"
#include "pricing/Prices.h"

#include <QDate>
#include <QLocale>
#include <QStringBuilder>

#include <algorithm>
#include <cmath>

namespace {

// Item lines start at position 1; position 0 is the header line.
constexpr qsizetype FirstItem = 1;

double QuantityOrZero(const QString& text)
{
    double quantity = 0;
    return ParseQuantity(text, quantity) ? quantity : 0;
}

double PriceOrZero(const QString& text)
{
    double price = 0;
    return ParsePrice(text, price) ? price : 0;
}

QString SwapDecimalSeparator(const QString& text, const QString& from, const QString& to)
{
    if (from == to || from.isEmpty())
        return text;
    QString result = text;
    return result.replace(from, to);
}

constexpr char16_t ArabicDecimalSeparator = u'\u066B';

// Two unit prices are equal as numbers ("1.25" and " 1.250"); texts that are not numbers only
// when they are the same text.
bool SamePrice(QStringView a, QStringView b)
{
    double x = 0;
    double y = 0;
    const bool numbers = ParsePrice(a.toString(), x) && ParsePrice(b.toString(), y);
    return numbers ? x == y : a == b;
}

} // namespace

TOrderItem OrderItem(const QString& line)
{
    const TOrderItemView item = OrderItemView(line);
    return TOrderItem{item.Quantity.toString(),   item.Unit.toString(),
                      item.PartNumber.toString(), item.Description.toString(),
                      item.Price.toString(),      item.Kind.toString()};
}

TOrderItemView OrderItemView(const QString& line)
{
    // The fields in one pass over the line, each trimmed as TrimControl trims.
    QStringView fields[6];
    qsizetype start = 0;
    for (QStringView& field : fields) {
        const qsizetype at = line.indexOf(FieldDelimiter, start);
        if (at < 0)
            break;
        field = TrimmedControl(QStringView(line).sliced(start, at - start));
        start = at + FieldDelimiter.size();
    }
    return TOrderItemView{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

QString OrderLine(const TOrderItem& item)
{
    return item.Quantity % FieldDelimiter % item.Unit % FieldDelimiter % item.PartNumber %
           FieldDelimiter % item.Description % FieldDelimiter % item.Price % FieldDelimiter %
           item.Kind % FieldDelimiter;
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

QString OrderLineFromResultRow(const QString& resultRow)
{
    TOrderItem item = OrderItem(resultRow);
    item.Quantity = ToDataNumber(item.Quantity);
    item.Price = ToDataNumber(item.Price);
    // The result pages write prices as " %.2f"; the blank stays with the price.
    const QStringList fields = SplitFields(resultRow);
    if (!item.Price.isEmpty() && fields.size() > 5 && fields.at(4).startsWith(QLatin1Char(' ')))
        item.Price.prepend(QLatin1Char(' '));
    return OrderLine(item);
}

namespace {

// A number field outside its bounds; a field that is no number at all is not.
bool OutOfBounds(const QString& text, double bound)
{
    double value = 0;
    return TryStrToFloat(text, value) && (value < 0 || value > bound);
}

} // namespace

int OrderCurrency(const TOrderInfo& info, const QStringList& orderLines, int chosenTag)
{
    return info.CurrencyTag <= 0 || orderLines.size() <= 1 ? chosenTag : info.CurrencyTag;
}

bool AddResultRows(QStringList& orderLines, const QStringList& resultRows)
{
    QStringList lines = orderLines;
    if (lines.isEmpty())
        lines.append(OrderHeaderLine);
    for (const QString& row : resultRows) {
        const QString line = OrderLineFromResultRow(row);
        const TOrderItem item = OrderItem(line);
        if (OutOfBounds(item.Price, MaxUnitPrice) || OutOfBounds(item.Quantity, MaxOrderQuantity))
            return false;
        bool merged = false;
        for (qsizetype i = FirstItem; i < lines.size(); ++i) {
            QString& existing = lines[i];
            const TOrderItemView other = OrderItemView(existing);
            if (other.PartNumber != item.PartNumber || other.Unit != item.Unit ||
                !SamePrice(other.Price, item.Price))
                continue;
            const double sum =
                QuantityOrZero(GetField(existing, 1)) + QuantityOrZero(GetField(line, 1));
            if (sum > MaxOrderQuantity)
                return false;
            const qsizetype bar = existing.indexOf(FieldDelimiter);
            existing = QuantityText(sum) + (bar < 0 ? FieldDelimiter : existing.mid(bar));
            merged = true;
            break;
        }
        if (!merged)
            lines.append(line);
    }
    orderLines = std::move(lines);
    return true;
}

void FlattenLineBreaks(QStringList& orderLines)
{
    for (qsizetype i = FirstItem; i < orderLines.size(); ++i) {
        QString& line = orderLines[i];
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
}

TOrderTotals OrderTotals(const QStringList& orderLines)
{
    TOrderTotals totals;
    for (qsizetype i = FirstItem; i < orderLines.size(); ++i) {
        const QString& line = orderLines.at(i);
        const double extended =
            ExtendedPrice(QuantityOrZero(GetField(line, 1)), PriceOrZero(GetField(line, 5)));
        totals.Extended.append(extended);
        totals.Total += extended;
    }
    totals.Total = RoundToCent(totals.Total);
    return totals;
}

void RemoveItems(QStringList& orderLines, const QList<int>& positions)
{
    QList<int> doomed;
    for (const int position : positions)
        if (position >= FirstItem && position < orderLines.size())
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
