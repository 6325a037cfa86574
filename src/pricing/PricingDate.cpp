#include "PricingDate.h"

#include "base/Translate.h"

#include <QLocale>

namespace {

constexpr qint64 StaleAfterDays = 30;

} // namespace

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
    return Tr("PricingDate", "Your pricing database was last updated on: %1").arg(dateText);
}
