#include "Measure.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

double TStepResult::Median() const
{
    if (Ms.isEmpty())
        return 0;
    QList<double> sorted = Ms;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype middle = sorted.size() / 2;
    return sorted.size() % 2 == 1 ? sorted.at(middle)
                                  : (sorted.at(middle - 1) + sorted.at(middle)) / 2;
}

double TStepResult::Max() const
{
    return Ms.isEmpty() ? 0 : *std::max_element(Ms.begin(), Ms.end());
}

void Settle()
{
    QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher();
    for (int round = 0; round < 20; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (dispatcher == nullptr || !dispatcher->processEvents(QEventLoop::AllEvents))
            break;
    }
}

TStepResult MeasureStep(const QString& name, int runs, bool settle,
                        const std::function<void(int run)>& setup,
                        const std::function<void(int run)>& action,
                        const std::function<QString(int run)>& check)
{
    TStepResult result;
    result.Name = name;
    for (int run = 0; run < runs; ++run) {
        if (setup)
            setup(run);
        if (settle)
            Settle();
        QElapsedTimer timer;
        timer.start();
        action(run);
        if (settle)
            Settle();
        const qint64 ns = timer.nsecsElapsed();
        if (check) {
            const QString problem = check(run);
            if (!problem.isEmpty())
                BenchFailure(
                    QStringLiteral("step \"%1\", run %2: %3").arg(name).arg(run + 1).arg(problem));
        }
        result.Ms.append(static_cast<double>(ns) / 1e6);
    }
    return result;
}

TMemory ProcessMemory()
{
    TMemory memory;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            auto value = [&line](const char* key) {
                return line.mid(static_cast<qsizetype>(qstrlen(key)))
                    .trimmed()
                    .split(' ')
                    .first()
                    .toLongLong();
            };
            if (line.startsWith("VmHWM:"))
                memory.HighWaterKb = value("VmHWM:");
            else if (line.startsWith("VmRSS:"))
                memory.ResidentKb = value("VmRSS:");
        }
    }
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        memory.MaxRssKb = usage.ru_maxrss;
    return memory;
}

bool ResetHighWater()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

QString Mb(qint64 kilobytes)
{
    return QString::number(static_cast<double>(kilobytes) / 1024.0, 'f', 1) + QStringLiteral(" MB");
}

QString FormatMs(double ms)
{
    return QString::number(ms, 'f', ms < 10 ? 2 : 1);
}

void BenchFailure(const QString& text)
{
    std::fprintf(stderr, "ferrolyn_bench: %s\n", qPrintable(text));
    std::fflush(stdout);
    std::exit(1);
}
