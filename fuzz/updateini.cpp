// update.ini: every key the program reads, the dates, the reminder rule and the writes that
// follow it (first run, Update Options, the Quick Update buttons). Each write must be what the
// next read finds.

#include "FuzzSupport.h"

#include "base/DataError.h"
#include "pricing/PricingDate.h"
#include "update/UpdateIni.h"
#include "update/UpdateSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString Section = QStringLiteral("UPDATE");
const QString DateKey = QStringLiteral("date");
const QString LastKey = QStringLiteral("last");
const QDate Today(2024, 6, 15);

const QString& IniPath()
{
    // In memory where there is such a place: every input is written and rewritten several times.
    static const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static const QTemporaryDir folder(base + QStringLiteral("/ferrolyn-fuzz-XXXXXX"));
    static const QString path = folder.filePath(QStringLiteral("update.ini"));
    return path;
}

void Store(const QByteArray& bytes)
{
    QFile file(IniPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fuzz::Fail("cannot write the input to a file", IniPath());
}

std::optional<QDate> ReadDate(const QString& key)
{
    const std::optional<QString> text = ReadIniValue(IniPath(), Section, key);
    return text ? ParseIniDate(*text) : std::nullopt;
}

void Reads()
{
    for (const QString& key : {QStringLiteral("days"), QStringLiteral("autoupdate"),
                               QStringLiteral("date"), QStringLiteral("last")})
        if (const std::optional<QString> text = ReadIniValue(IniPath(), Section, key))
            ParseIniDate(*text);
    ReadIniValue(IniPath(), QStringLiteral("update"), QStringLiteral("DATE"));
    ReadIniValue(IniPath(), QString(), QString());
    ReadUpdateInterval(IniPath());
    ReadAutoUpdate(IniPath());
    const QDate last = LastPriceUpdate(IniPath(), Today);
    Fuzz::Require(last.isValid(), "the last update is not a date");
    PricingDateStale(last, Today);
    ShortDateText(last);
}

// The Quick Update dialog's buttons: Update records the update, Cancel only moves the reminder.
void QuickUpdate(bool update)
{
    const std::optional<QString> lastBefore = ReadIniValue(IniPath(), Section, LastKey);
    const int days = ReadUpdateInterval(IniPath());
    WriteNextUpdateDate(IniPath(), days, update, Today);
    // A due date past the year 9999 has no yyyy-MM-dd text; it never comes either way.
    const QDate due = Today.addDays(days);
    if (due.year() <= 9999)
        Fuzz::Require(ReadDate(DateKey) == due, "the next due date does not read back",
                      QString::number(days));
    if (update)
        Fuzz::Require(ReadDate(LastKey) == Today, "the last update does not read back");
    else
        Fuzz::Require(ReadIniValue(IniPath(), Section, LastKey) == lastBefore,
                      "a cancelled update changed the last update");
    Fuzz::Require(!CheckUpdateReminder(IniPath(), Today), "a reminder right after an update");
}

void Writes(bool update)
{
    // The reminder check on activation; after a first run the date is there.
    CheckUpdateReminder(IniPath(), Today);
    Fuzz::Require(UpdateReminderRule(ReadIniValue(IniPath(), Section, DateKey), Today) !=
                      TReminderAction::FirstRun,
                  "the reminder check finds no date after writing one");

    QuickUpdate(update);

    // The Update Options dialog: its spin edit holds 10 to 100.
    const int shown = std::clamp(ReadUpdateInterval(IniPath()), 10, 100);
    const bool autoUpdate = !ReadAutoUpdate(IniPath());
    WriteUpdateOptions(IniPath(), shown, autoUpdate);
    Fuzz::Require(ReadUpdateInterval(IniPath()) == shown, "days do not read back");
    Fuzz::Require(ReadAutoUpdate(IniPath()) == autoUpdate, "autoupdate does not read back");

    QuickUpdate(!update);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    Store(bytes);
    Reads();
    try {
        Writes(size % 2 == 0);
    } catch (const TDataError& error) {
        Fuzz::Fail("update.ini cannot be written", error.FullText());
    }
    return 0;
}
