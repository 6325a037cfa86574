#include "UpdateSettings.h"

#include "platform/AppPaths.h"
#include "UpdateIni.h"

#include <QList>
#include <QPair>

namespace {

const QString Section = QStringLiteral("UPDATE");
const QString DaysKey = QStringLiteral("days");
const QString AutoUpdateKey = QStringLiteral("autoupdate");
const QString DateKey = QStringLiteral("date");
const QString LastKey = QStringLiteral("last");

// The first-run due date lies this many days ahead, whatever "days" says.
constexpr int FirstRunDays = 30;

} // namespace

int ReadUpdateInterval(const QString& iniPath)
{
    const std::optional<QString> text = ReadIniValue(iniPath, Section, DaysKey);
    if (!text)
        return DefaultUpdateInterval;
    bool ok = false;
    const int days = text->toInt(&ok);
    // A negative interval would put the next due date in the past and remind at once again.
    if (!ok || days < 0)
        return DefaultUpdateInterval;
    return days;
}

int ReadUpdateInterval()
{
    return ReadUpdateInterval(AppPaths::UpdateIniFile());
}

bool ReadAutoUpdate(const QString& iniPath)
{
    const std::optional<QString> text = ReadIniValue(iniPath, Section, AutoUpdateKey);
    if (!text)
        return false;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (ok)
        return number != 0;
    return text->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void WriteUpdateOptions(const QString& iniPath, int days, bool autoUpdate)
{
    WriteIniValues(iniPath, Section,
                   {{DaysKey, QString::number(days)},
                    {AutoUpdateKey, autoUpdate ? QStringLiteral("1") : QStringLiteral("0")}});
}

void WriteNextUpdateDate(const QString& iniPath, int days, bool recordUpdate, const QDate& today)
{
    QList<QPair<QString, QString>> values{{DateKey, IniDateText(today.addDays(days))}};
    if (recordUpdate)
        values.append({LastKey, IniDateText(today)});
    WriteIniValues(iniPath, Section, values);
}

void WriteNextUpdateDate(int days, bool recordUpdate)
{
    WriteNextUpdateDate(AppPaths::UpdateIniFile(), days, recordUpdate, QDate::currentDate());
}

TReminderAction UpdateReminderRule(const std::optional<QString>& dateText, const QDate& today)
{
    if (!dateText)
        return TReminderAction::FirstRun;
    // An unreadable date counts as today + 30: not due.
    const std::optional<QDate> due = ParseIniDate(*dateText);
    if (due && *due < today)
        return TReminderAction::Remind;
    return TReminderAction::None;
}

bool CheckUpdateReminder(const QString& iniPath, const QDate& today)
{
    switch (UpdateReminderRule(ReadIniValue(iniPath, Section, DateKey), today)) {
    case TReminderAction::FirstRun:
        WriteIniValues(
            iniPath, Section,
            {{DateKey, IniDateText(today.addDays(FirstRunDays))}, {LastKey, IniDateText(today)}});
        return false;
    case TReminderAction::Remind:
        return true;
    case TReminderAction::None:
        break;
    }
    return false;
}

bool CheckUpdateReminder()
{
    return CheckUpdateReminder(AppPaths::UpdateIniFile(), QDate::currentDate());
}
