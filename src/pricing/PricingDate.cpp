#include "PricingDate.h"

#include "update/UpdateIni.h"

#include <QLocale>

namespace {

constexpr qint64 StaleAfterDays = 30;

} // namespace

QDate LastPriceUpdate(const QString& updateIniPath, const QDate& today)
{
    const std::optional<QString> text =
        ReadIniValue(updateIniPath, QStringLiteral("UPDATE"), QStringLiteral("last"));
    if (!text)
        return today;
    return ParseIniDate(*text).value_or(today);
}

bool PricingDateStale(const QDate& lastUpdate, const QDate& today)
{
    if (!lastUpdate.isValid() || !today.isValid())
        return false;
    return lastUpdate.daysTo(today) >= StaleAfterDays;
}

QString ShortDateText(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString PricingDateCaption(const QString& dateText)
{
    return QStringLiteral("Your pricing database was last updated on: ") + dateText;
}
