#include "ExchangeRates.h"

#include "base/LineFormat.h"
#include "base/Translate.h"

#include <QHash>

#include <algorithm>

namespace {

QString OrderCode(std::size_t index)
{
    return QString::fromLatin1(CurrencyOrder()[index]);
}

} // namespace

TExchangeRates::TExchangeRates(const QStringList& lines, const QString& fileName)
    : IsAvailable(true), FileName(fileName), Lines(lines)
{
    // One pass over the file: the first line of every code.
    QHash<QString, qsizetype> firstLine;
    for (qsizetype i = 0; i < Lines.size(); ++i) {
        const QString code = GetField(Lines.at(i), 1);
        if (!firstLine.contains(code))
            firstLine.insert(code, i);
    }
    for (std::size_t i = 0; i < Known.size(); ++i) {
        const auto found = firstLine.constFind(OrderCode(i));
        if (found != firstLine.constEnd())
            Known[i] = RateOfLine(Lines, found.value());
    }
}

TExchangeRates::TRate TExchangeRates::RateOfLine(const QStringList& lines, qsizetype index)
{
    TRate rate;
    rate.Found = true;
    rate.Line = static_cast<int>(index + 1);
    rate.Text = GetField(lines.at(index), 2);
    double value = 0;
    rate.Numeric = TryStrToFloat(rate.Text, value);
    if (rate.Numeric)
        rate.Value = value;
    return rate;
}

TExchangeRates::TRate TExchangeRates::Lookup(const QString& code) const
{
    for (std::size_t i = 0; i < Known.size(); ++i)
        if (OrderCode(i) == code)
            return Known[i];
    for (qsizetype i = 0; i < Lines.size(); ++i)
        if (GetField(Lines.at(i), 1) == code)
            return RateOfLine(Lines, i);
    return {};
}

double TExchangeRates::ExchangeRate(const QString& code) const
{
    if (!IsAvailable)
        return 1.0;
    const TRate rate = Lookup(code);
    if (!rate.Found)
        return 1.0;
    if (!rate.Numeric)
        throw TDataError(
            Tr("ExchangeRates", "'%1' is not a valid floating point value").arg(rate.Text))
            .At(FileName, rate.Line);
    return rate.Value;
}

bool TExchangeRates::Usable(const QString& code) const
{
    if (!IsAvailable)
        return false;
    const TRate rate = Lookup(code);
    return rate.Found && rate.Numeric && rate.Value >= MinExchangeRate;
}

TForeignAmounts TExchangeRates::Convert(double usDollars) const
{
    TForeignAmounts amounts{};
    for (std::size_t i = 0; i < Known.size(); ++i) {
        const TRate& rate = Known[i];
        if (rate.Found && rate.Numeric && rate.Value >= MinExchangeRate)
            amounts[i] = usDollars / rate.Value;
    }
    return amounts;
}

QList<TDataError> TExchangeRates::Problems() const
{
    // Known is in currency order; problems are reported in file order.
    std::array<std::size_t, ForeignCurrencyCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [this](std::size_t a, std::size_t b) { return Known[a].Line < Known[b].Line; });

    QList<TDataError> problems;
    for (const std::size_t i : order) {
        const TRate& rate = Known[i];
        if (!rate.Found || (rate.Numeric && rate.Value >= MinExchangeRate))
            continue;
        QString message =
            Tr("ExchangeRates", "'%1' is not a valid floating point value").arg(rate.Text);
        if (rate.Numeric && rate.Value <= 0)
            message = Tr("ExchangeRates", "'%1' is not a valid exchange rate for %2: a rate must "
                                          "be above zero.")
                          .arg(rate.Text, OrderCode(i));
        else if (rate.Numeric)
            message = Tr("ExchangeRates", "'%1' is not a valid exchange rate for %2: a rate must "
                                          "be at least 0.000000001.")
                          .arg(rate.Text, OrderCode(i));
        problems.append(TDataError(message).At(FileName, rate.Line));
    }
    return problems;
}
