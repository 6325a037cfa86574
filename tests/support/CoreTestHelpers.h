#pragma once

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "order/Order.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTest>

#include <functional>

// A text with '.' and ASCII digits as the user's regional settings show it: each piece between
// '|' and blanks that is a plain number takes the regional decimal point, minus sign and digits.
inline QString Local(const QString& text)
{
    static const QRegularExpression Number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?%?$"));
    static const QRegularExpression Pieces(QStringLiteral("[^| ]+"));
    const QLocale locale = QLocale::system();
    const QString zero = locale.zeroDigit();
    QString result = text;
    auto matches = Pieces.globalMatch(text);
    QList<QRegularExpressionMatch> found;
    while (matches.hasNext())
        found.prepend(matches.next());
    for (const QRegularExpressionMatch& match : found) {
        if (!Number.match(match.captured()).hasMatch())
            continue;
        QString local;
        for (const QChar c : match.captured()) {
            if (c == QLatin1Char('.'))
                local += locale.decimalPoint();
            else if (c == QLatin1Char('-'))
                local += locale.negativeSign();
            else if (c == QLatin1Char('%'))
                local += c;
            else if (zero.size() == 1)
                local += QChar(zero.at(0).unicode() + (c.unicode() - '0'));
            else
                local += c;
        }
        result.replace(match.capturedStart(), match.capturedLength(), local);
    }
    return result;
}

// The full text of the TDataError that action throws; a null text when it throws nothing.
inline QString DataErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TDataError& error) {
        return error.FullText();
    }
    return {};
}

// A file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Order lines written as quantity|unit|part number|description|price|kind| (numbers in the data
// format), and back: each field trimmed.
inline QList<TOrderLine> OrderLinesOf(const QStringList& texts)
{
    QList<TOrderLine> lines;
    for (const QString& text : texts)
        lines.append(MakeOrderLine(GetField(text, 1), GetField(text, 2), GetField(text, 3),
                                   GetField(text, 4), GetField(text, 5), GetField(text, 6)));
    return lines;
}

inline QStringList OrderLineTexts(const QList<TOrderLine>& lines)
{
    QStringList texts;
    for (const TOrderLine& line : lines)
        texts.append(QStringList{line.Quantity.Text, line.Unit, line.PartNumber, line.Description,
                                 line.UnitPrice.Text, line.Kind, QString()}
                         .join(QLatin1Char('|')));
    return texts;
}

// How QCOMPARE shows an order line.
inline char* toString(const TOrderLine& line)
{
    return QTest::toString(OrderLineTexts({line}).constFirst());
}
