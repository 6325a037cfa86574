#pragma once

#include "catalog/DataError.h"

#include <QLocale>
#include <QString>

#include <functional>

// A number text written with '.' as the user's regional settings write it.
inline QString Local(const QString& text)
{
    QString result = text;
    return result.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
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
