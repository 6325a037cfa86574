#include "StandardLengths.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "catalog/Performance.h"

namespace {

const QLatin1Char DataDecimalPoint('.');

QString LengthRow(const QString& code, const QString& feet, const QString& metres)
{
    return code + FieldDelimiter + feet + FieldDelimiter + metres + FieldDelimiter;
}

// The rows of one comma-separated list, up to its first piece that is not a number.
void AddLengthRows(QStringList& table, const QString& lengths, bool metres)
{
    for (const QString& piece : SplitFields(lengths, QStringLiteral(","))) {
        double value = 0;
        if (!TryStrToFloat(piece, value))
            return;
        if (metres)
            table.append(LengthRow(MetreLengthCode(piece), FormatFixed2(value * FeetPerMetre),
                                   UserLengthText(piece)));
        else
            table.append(
                LengthRow(piece, UserLengthText(piece), FormatFixed2(value / FeetPerMetre)));
    }
}

// Column of a table row as a number; 0 when it is not one.
double NumberAt(const QString& row, int column)
{
    double value = 0;
    if (!TryStrToFloat(GetField(row, column), value))
        return 0;
    return value;
}

// The difference column: shortest general form and the unit.
QString DifferenceText(double difference, bool metres)
{
    const QString number = UserLocale().toString(difference, 'g', 15);
    return metres ? Tr("StandardLengths", "%1 Meters").arg(number)
                  : Tr("StandardLengths", "%1 Feet").arg(number);
}

} // namespace

QString DataLengthText(const QString& userText)
{
    QString text = userText;
    return AsciiDigits(text.replace(UserLocale().decimalPoint(), QString(DataDecimalPoint)));
}

QString UserLengthText(const QString& dataText)
{
    QString text = dataText;
    return RegionalDigits(text.replace(DataDecimalPoint, UserLocale().decimalPoint()));
}

QString MetreLengthCode(const QString& metres)
{
    const QString text = DataLengthText(metres);
    const qsizetype dot = text.indexOf(DataDecimalPoint);
    if (dot < 0)
        return text + QLatin1Char('M');

    QString whole = text.left(dot).trimmed();
    bool isInteger = false;
    const int value = whole.toInt(&isInteger, 10);
    if (isInteger && value == 0)
        whole.clear();
    return whole + QLatin1Char('M') + text.mid(dot + 1);
}

QStringList BuildStandardLengths(const QString& feetLengths, const QString& metreLengths)
{
    QStringList table;
    AddLengthRows(table, feetLengths, false);
    AddLengthRows(table, metreLengths, true);
    return table;
}

bool IsMetreRow(const QString& row)
{
    return GetField(row, 1).contains(QLatin1Char('M'));
}

bool IsStandardLength(const QStringList& table, const QString& lengthText, bool metres)
{
    // Compared as texts in ASCII digits: "10" typed in regional digits is the 10 of the table,
    // "10.0" is another length text.
    const int column = metres ? 3 : 2;
    const QString length = DataLengthText(lengthText);
    for (const QString& row : table)
        if (DataLengthText(GetField(row, column)) == length)
            return true;
    return false;
}

QString BuildPartNumber(const QString& stem, const QString& lengthText, bool metres)
{
    return stem + (metres ? MetreLengthCode(lengthText) : DataLengthText(lengthText));
}

TNearLengths FindNearLengths(const QStringList& table, double lengthFeet)
{
    TNearLengths near;
    double shorterBound = lengthFeet - LengthWindowFeet;
    double longerBound = lengthFeet + LengthWindowFeet;
    for (int i = 0; i < table.size(); ++i) {
        double value = 0;
        if (!TryStrToFloat(GetField(table.at(i), 2), value))
            continue;
        if (value > shorterBound && value < lengthFeet) {
            shorterBound = value;
            near.Shorter = i;
        }
        if (value < longerBound && value > lengthFeet) {
            longerBound = value;
            near.Longer = i;
        }
    }
    return near;
}

QList<QStringList> NearLengthRows(const QStringList& table, const TNearLengths& near,
                                  const QString& stem, const QString& lengthText, bool metres)
{
    double length = 0;
    if (!TryUserStrToFloat(lengthText, length))
        length = 0;

    QList<QStringList> rows;
    rows.append({Tr("StandardLengths", "Your Selection:"),
                 BuildPartNumber(stem, lengthText, metres),
                 metres ? FormatFixed2(length * FeetPerMetre) : RegionalDigits(lengthText),
                 metres ? RegionalDigits(lengthText) : FormatFixed2(length / FeetPerMetre),
                 RegionalDigits(QStringLiteral("0"))});

    const auto addCandidate = [&](int index, const QString& description) {
        if (index < 0 || index >= table.size())
            return;
        const QString& row = table.at(index);
        const double difference = NumberAt(row, metres ? 3 : 2) - length;
        rows.append({description, stem + GetField(row, 1), GetField(row, 2), GetField(row, 3),
                     DifferenceText(difference, metres)});
    };
    addCandidate(near.Shorter, Tr("StandardLengths", "A little shorter:"));
    addCandidate(near.Longer, Tr("StandardLengths", "A little longer:"));
    return rows;
}
