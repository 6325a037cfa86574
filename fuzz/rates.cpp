// The rate file xcngrate.dat: which currencies may be shown, the conversions, the problems
// reported at start-up and the rates the look-ups ask for.

#include "FuzzSupport.h"

#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "pricing/Currencies.h"
#include "pricing/ExchangeRates.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = TextLines(Fuzz::Bytes(data, size));
    const TExchangeRates rates(lines, QStringLiteral("xcngrate.dat"));

    const double amount = 123.45;
    const TForeignAmounts amounts = rates.Convert(amount);
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        const QString code = QString::fromLatin1(CurrencyOrder()[i]);
        if (!rates.Usable(code)) {
            Fuzz::Require(amounts[i] == 0, "an amount in a currency that may not be shown", code);
            continue;
        }
        const double rate = rates.ExchangeRate(code); // a usable rate is a number
        Fuzz::Require(rate > 0 && std::isfinite(rate), "a usable rate that is not above zero",
                      code);
        Fuzz::Require(amounts[i] == amount / rate, "a conversion by another rate", code);
    }
    rates.Convert(0);
    rates.Convert(-1e300);

    for (const TDataError& problem : rates.Problems())
        problem.FullText();

    QStringList codes;
    for (const TCurrencyItem& item : CurrencyMenuItems())
        codes.append(CurrencyRateCode(item.Tag));
    for (const QString& line : Fuzz::Front(lines, 8))
        codes.append(GetField(line, 1));
    codes.append(QStringLiteral("eur"));
    for (const QString& code : codes) {
        rates.Usable(code);
        try {
            const double rate = rates.ExchangeRate(code);
            Fuzz::Require(std::isfinite(rate), "a rate that is not finite", code);
        } catch (const TDataError& error) {
            // A rate that is not a number stops the look-up that asked for it.
            error.FullText();
        }
    }
    return 0;
}
