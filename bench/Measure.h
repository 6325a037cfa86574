#pragma once

#include <QList>
#include <QString>

#include <functional>

// The times of one step, in milliseconds.
struct TStepResult {
    QString Name;
    QList<double> Ms;
    // Shown for information; not a step of the wizard.
    bool Info = false;

    double Median() const;
    double Max() const;
};

// Runs setup (not timed), then action (timed, together with the events it leaves when settle
// is set), then check (not timed), runs times. A check returns an empty text when the step did
// what it should, else what went wrong; the benchmark then stops.
TStepResult MeasureStep(const QString& name, int runs, bool settle,
                        const std::function<void(int run)>& setup,
                        const std::function<void(int run)>& action,
                        const std::function<QString(int run)>& check);

// Delivers posted events, layouts and paints, until the queue is empty.
void Settle();

// Whole-process memory, in kilobytes.
struct TMemory {
    qint64 HighWaterKb = 0; // VmHWM of /proc/self/status
    qint64 ResidentKb = 0;  // VmRSS
    qint64 MaxRssKb = 0;    // getrusage ru_maxrss
};
TMemory ProcessMemory();
// Resets the high-water mark (VmHWM) to the current size; false where the system cannot.
bool ResetHighWater();

QString Mb(qint64 kilobytes);
QString FormatMs(double ms);
[[noreturn]] void BenchFailure(const QString& text);
