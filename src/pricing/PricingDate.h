#pragma once

// The pricing date's rules; the date itself comes from update.ini (LastPriceUpdate).

#include <QDate>
#include <QString>

// True when today is 30 or more days after the last update.
bool PricingDateStale(const QDate& lastUpdate, const QDate& today);

// The date in the user's short date format.
QString ShortDateText(const QDate& date);

// "Your pricing database was last updated on: " + date text.
QString PricingDateCaption(const QString& dateText);
