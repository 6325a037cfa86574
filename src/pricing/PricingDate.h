#pragma once

#include <QDate>
#include <QString>

// The date of the last price update: key "last" of section "UPDATE" in update.ini; today when
// the file or the key is missing or the text is not a date.
QDate LastPriceUpdate(const QString& updateIniPath, const QDate& today);

// True when today is 30 or more days after the last update.
bool PricingDateStale(const QDate& lastUpdate, const QDate& today);

// The date in the user's short date format.
QString ShortDateText(const QDate& date);

// "Your pricing database was last updated on: " + date text.
QString PricingDateCaption(const QString& dateText);
