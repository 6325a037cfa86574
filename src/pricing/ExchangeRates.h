#pragma once

#include "base/DataError.h"
#include "catalog/CatalogRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rates of xcngrate.dat: one line per currency, the code in field 1 and the value of one
// unit in US dollars in field 2 (code|rate|), fields trimmed. The first line of a code counts;
// codes are compared exactly. The lines are read once, when the rates are made.
// The smallest rate a currency may have: below it, converting an allowed price could overflow.
inline constexpr double MinExchangeRate = 1e-9;

class TExchangeRates
{
public:
    // No rate file: US dollars only.
    TExchangeRates() = default;
    // The lines of the rate file; fileName names it in problem reports.
    explicit TExchangeRates(const QStringList& lines, const QString& fileName = {});

    // True when a rate file was read.
    bool Available() const { return IsAvailable; }

    // The rate of the first line for code; 1.0 when there is no such line or no rate file.
    // Throws TDataError ("'%s' is not a valid floating point value", with file and line) when
    // that line's rate is not a number.
    double ExchangeRate(const QString& code) const;

    // True when code has a line whose rate is a number of at least MinExchangeRate: only then
    // may amounts be shown in that currency.
    bool Usable(const QString& code) const;

    // The US-dollar amount in each currency of CurrencyOrder: amount / rate for a usable rate,
    // 0 for a currency that may not be shown.
    TForeignAmounts Convert(double usDollars) const;

    // One error per currency of CurrencyOrder whose counting line has a rate that is not a
    // number or not above zero, in file order, each with the file and line.
    QList<TDataError> Problems() const;

private:
    struct TRate {
        bool Found = false;
        bool Numeric = false;
        double Value = 1.0;
        QString Text;
        int Line = 0;
    };
    // The rate of line index (0-based) of lines.
    static TRate RateOfLine(const QStringList& lines, qsizetype index);
    TRate Lookup(const QString& code) const;

    bool IsAvailable = false;
    QString FileName;
    QStringList Lines;
    std::array<TRate, ForeignCurrencyCount> Known{};
};
