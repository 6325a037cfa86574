// ferrolyn_bench: writes a synthetic installation of a chosen size and measures start-up and
// every wizard step of the real main window on it. Run with --help for the options.

#include "ArchiveSteps.h"
#include "BenchConfig.h"
#include "CoreSteps.h"
#include "Floor.h"
#include "Measure.h"
#include "SyntheticInstallation.h"
#include "WindowSteps.h"

#include "base/NumericLocale.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <malloc.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int NameWidth = 66;

QtMessageHandler DefaultHandler = nullptr;

// Passes Qt's messages on, except the remarks of the offscreen platform, which say nothing about
// the program.
void MessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    DefaultHandler(type, context, message);
}

// --- Child processes -----------------------------------------------------------------------------

// Reads the files the way the floor does, in a process of its own.
int RunFloorChild(const QString& root)
{
    const TSyntheticInstallation installation = InstallationAt(root);
    QElapsedTimer timer;
    timer.start();
    const TFloorResult floor = ReadFloor(installation.StartupFiles, false);
    const qint64 ns = timer.nsecsElapsed();
    const TMemory memory = ProcessMemory();
    std::printf("FLOOR %lld %lld %lld %lld\n", static_cast<long long>(ns),
                static_cast<long long>(memory.HighWaterKb), static_cast<long long>(memory.MaxRssKb),
                static_cast<long long>(floor.Lines));
    return 0;
}

// Runs this program with arguments and returns the fields of its output line that starts with
// tag.
QList<QByteArray> RunChild(const QStringList& arguments, const QByteArray& tag)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(arguments);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        BenchFailure(
            QStringLiteral("the child process %1 failed").arg(arguments.join(QLatin1Char(' '))));
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (line.startsWith(tag + ' '))
            return line.split(' ').mid(1);
    BenchFailure(QStringLiteral("the child process %1 printed no result").arg(arguments.first()));
}

double Median(QList<double> values)
{
    TStepResult result;
    result.Ms = std::move(values);
    return result.Median();
}

// --- Report --------------------------------------------------------------------------------------

void PrintTable(const QList<TStepResult>& results)
{
    std::printf("\n%-*s %4s %10s %10s\n", NameWidth, "step", "runs", "median ms", "max ms");
    std::printf("%s\n", QByteArray(NameWidth + 27, '-').constData());
    for (const TStepResult& result : results)
        std::printf("%-*s %4lld %10s %10s%s\n", NameWidth, qPrintable(result.Name),
                    static_cast<long long>(result.Ms.size()), qPrintable(FormatMs(result.Median())),
                    qPrintable(FormatMs(result.Max())), result.Info ? "  (info)" : "");
}

// Lines of the summary file: "step<TAB>name<TAB>median<TAB>max" and "value<TAB>name<TAB>number".
void WriteSummary(const QString& path, const QList<TStepResult>& results,
                  const QList<QPair<QString, double>>& values)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        BenchFailure(QStringLiteral("cannot write %1").arg(path));
    QByteArray text;
    for (const TStepResult& result : results)
        text += "step\t" + result.Name.toUtf8() + '\t' + QByteArray::number(result.Median()) +
                '\t' + QByteArray::number(result.Max()) + '\n';
    for (const auto& [name, value] : values)
        text += "value\t" + name.toUtf8() + '\t' + QByteArray::number(value) + '\n';
    file.write(text);
}

// --- The machine ---------------------------------------------------------------------------------

// "CPU model, N logical CPUs, caches L1d 32K L1i 32K L2 512K L3 16384K": the ratios measured depend
// on memory latency as well as on speed, so a result names the machine it came from.
QString MachineDescription()
{
    QString model = QStringLiteral("unknown CPU");
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray& line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name")) {
                model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
    QStringList caches;
    const QDir cacheDir(QStringLiteral("/sys/devices/system/cpu/cpu0/cache"));
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                              : QString();
    };
    for (const QString& index :
         cacheDir.entryList({QStringLiteral("index*")}, QDir::Dirs, QDir::Name)) {
        const QString base = cacheDir.filePath(index) + QLatin1Char('/');
        const QString type = read(base + QStringLiteral("type"));
        const QString suffix = type == QLatin1String("Data")          ? QStringLiteral("d")
                               : type == QLatin1String("Instruction") ? QStringLiteral("i")
                                                                      : QString();
        caches.append(QStringLiteral("L%1%2 %3")
                          .arg(read(base + QStringLiteral("level")), suffix,
                               read(base + QStringLiteral("size"))));
    }
    return QStringLiteral("machine: %1, %2 logical CPUs%3")
        .arg(model)
        .arg(QThread::idealThreadCount())
        .arg(caches.isEmpty() ? QString()
                              : QStringLiteral(", caches ") + caches.join(QStringLiteral(", ")));
}

// --- One scale -----------------------------------------------------------------------------------

int RunBench(const TBenchConfig& config)
{
    QTemporaryDir temporary;
    QString root = config.Folder;
    if (root.isEmpty()) {
        if (!temporary.isValid())
            BenchFailure(QStringLiteral("cannot create a temporary folder"));
        temporary.setAutoRemove(!config.Keep);
        root = temporary.path();
    } else if (!QDir().mkpath(root)) {
        BenchFailure(QStringLiteral("cannot create %1").arg(root));
    }

    std::printf("Ferrolyn benchmark, %s\n%s\n", qPrintable(config.Describe()),
                qPrintable(MachineDescription()));
    std::fflush(stdout);
    const TSyntheticInstallation installation = WriteSyntheticInstallation(root, config);
    std::printf("%s\ninstallation written in %.1f s to %s%s\n", qPrintable(installation.Describe()),
                installation.WriteSeconds, qPrintable(root),
                config.Folder.isEmpty() && !config.Keep ? " (removed at the end)" : "");
    std::printf("window %s (QT_QPA_PLATFORM=%s); %d runs per step, %d start-ups in this process, "
                "%d in fresh processes\n\n",
                config.Show ? "shown, steps include painting" : "not shown",
                qgetenv("QT_QPA_PLATFORM").constData(), config.Runs, config.StartupRuns,
                config.ProcessRuns);
    std::fflush(stdout);

    // Fresh processes: whole-process time and peak memory. They run first, while this process is
    // small: a child's ru_maxrss starts from the size of the process it was forked from.
    malloc_trim(0);
    TStepResult childConstruct;
    childConstruct.Name = QStringLiteral("fresh process: construct TfrmMain");
    childConstruct.Info = true;
    TStepResult childToPage1;
    childToPage1.Name = QStringLiteral("fresh process: main() to page 1 painted");
    childToPage1.Info = true;
    TStepResult childFloor;
    childFloor.Name = QStringLiteral("fresh process: floor");
    childFloor.Info = true;
    QList<double> startupPeak;
    QList<double> startupMaxRss;
    QList<double> floorPeak;
    for (int run = 0; run < config.ProcessRuns; ++run) {
        const QList<QByteArray> f = RunChild({QStringLiteral("--floor-child"), root}, "FLOOR");
        childFloor.Ms.append(f.value(0).toDouble() / 1e6);
        floorPeak.append(f.value(1).toDouble());
        const QList<QByteArray> s = RunChild({QStringLiteral("--startup-child"), root}, "STARTUP");
        childConstruct.Ms.append(s.value(0).toDouble() / 1e6);
        childToPage1.Ms.append(s.value(1).toDouble() / 1e6);
        startupPeak.append(s.value(2).toDouble());
        startupMaxRss.append(s.value(3).toDouble());
    }

    // The floor and start-up, taken in turns so that a busy machine weighs on both alike.
    TStepResult floor;
    floor.Name = QStringLiteral("floor: read the start-up files whole, split lines at '|'");
    TStepResult decoded;
    decoded.Name = QStringLiteral("floor, decoding the files to QString first");
    decoded.Info = true;
    QList<TStepResult> startups;
    const int floorRuns = std::max(config.Runs, config.StartupRuns);
    qint64 floorLines = 0;
    for (int run = 0; run < std::max(floorRuns, config.StartupRuns); ++run) {
        if (run < floorRuns) {
            for (TStepResult* target : {&floor, &decoded}) {
                malloc_trim(0); // as MeasureStartups: each read starts with the heap handed back
                QElapsedTimer timer;
                timer.start();
                const TFloorResult result =
                    ReadFloor(installation.StartupFiles, target == &decoded);
                target->Ms.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                floorLines = result.Lines;
            }
        }
        if (run < config.StartupRuns) {
            const QList<TStepResult> one = MeasureStartups(config, installation, 1);
            if (startups.isEmpty())
                startups = one;
            else
                for (qsizetype i = 0; i < one.size(); ++i)
                    startups[i].Ms.append(one.at(i).Ms);
        }
    }
    std::printf("  floor: %lld lines; start-up median %s ms\n", static_cast<long long>(floorLines),
                qPrintable(FormatMs(startups.first().Median())));
    std::fflush(stdout);

    QStringList held;
    const QList<TStepResult> parts = MeasureStartupParts(installation, config.StartupRuns, held);

    std::printf("  wizard steps:\n");
    std::fflush(stdout);
    const QList<TStepResult> steps = MeasureWizardSteps(config, installation);
    // The quote history: 100,000 quotes (a thousand in a smoke run), whatever the scale.
    QList<TStepResult> searches =
        MeasureArchiveSearches(config.Tiny ? 1000 : 100000, std::max(config.Runs, 3));
    // A team's archive, when FERROLYN_BENCH_PGSERVER names the socket folder of a server made by
    // tests/pgserver.sh (its user ferrolyn_admin and database quotes_test).
    if (const QString folder = qEnvironmentVariable("FERROLYN_BENCH_PGSERVER"); !folder.isEmpty()) {
        TArchiveServer server;
        server.Host = folder;
        server.Database = QStringLiteral("quotes_test");
        server.User = QStringLiteral("ferrolyn_admin");
        server.Password = QStringLiteral("admin-secret");
        searches.append(MeasureServerArchiveSearches(server, config.Tiny ? 1000 : 100000,
                                                     std::max(config.Runs, 3)));
    }

    QList<TStepResult> all = {floor, decoded};
    all.append(startups);
    all.append(parts);
    if (config.ProcessRuns > 0)
        all.append({childFloor, childConstruct, childToPage1});
    all.append(steps);
    all.append(searches);
    PrintTable(all);

    const double dataMb = static_cast<double>(installation.TotalBytes) / (1024.0 * 1024.0);
    const double ratio = startups.first().Median() / std::max(floor.Median(), 1e-9);
    std::printf(
        "\nstart-up / floor (same process, medians): %.2f  (construct %s ms, floor %s ms)\n", ratio,
        qPrintable(FormatMs(startups.first().Median())), qPrintable(FormatMs(floor.Median())));
    QList<QPair<QString, double>> values = {{QStringLiteral("data files, MB"), dataMb},
                                            {QStringLiteral("start-up / floor"), ratio}};
    if (config.ProcessRuns > 0) {
        const double peakKb = Median(startupPeak);
        std::printf("start-up / floor (fresh processes, medians): %.2f\n",
                    childConstruct.Median() / std::max(childFloor.Median(), 1e-9));
        std::printf("peak memory, fresh process to page 1 (median of %d): VmHWM %s, ru_maxrss %s; "
                    "%.2f x the data files (%.1f MB)\n",
                    config.ProcessRuns, qPrintable(Mb(static_cast<qint64>(peakKb))),
                    qPrintable(Mb(static_cast<qint64>(Median(startupMaxRss)))),
                    peakKb / 1024.0 / dataMb, dataMb);
        std::printf("peak memory, fresh process reading the floor: VmHWM %s (%.2f x the data "
                    "files)\n",
                    qPrintable(Mb(static_cast<qint64>(Median(floorPeak)))),
                    Median(floorPeak) / 1024.0 / dataMb);
        values.append({QStringLiteral("peak memory to page 1, MB"), peakKb / 1024.0});
        values.append({QStringLiteral("peak memory / data files"), peakKb / 1024.0 / dataMb});
    }
    std::printf("resident memory added by each start-up part (first run, parts kept alive):\n");
    for (const QString& line : held)
        std::printf("  %s\n", qPrintable(line));
    const TMemory self = ProcessMemory();
    std::printf("this benchmark process (generation and every step): VmHWM %s, ru_maxrss %s\n",
                qPrintable(Mb(self.HighWaterKb)), qPrintable(Mb(self.MaxRssKb)));
    std::fflush(stdout);

    if (!config.SummaryFile.isEmpty())
        WriteSummary(config.SummaryFile, all, values);
    return 0;
}

// --- Two scales ----------------------------------------------------------------------------------

struct TSummary {
    QStringList Order;
    QHash<QString, QPair<double, double>> Steps;
    QList<QPair<QString, double>> Values;
};

TSummary ReadSummary(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        BenchFailure(QStringLiteral("cannot read %1").arg(path));
    TSummary summary;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 4 && fields.at(0) == "step") {
            const QString name = QString::fromUtf8(fields.at(1));
            summary.Order.append(name);
            summary.Steps.insert(name, {fields.at(2).toDouble(), fields.at(3).toDouble()});
        } else if (fields.size() == 3 && fields.at(0) == "value") {
            summary.Values.append({QString::fromUtf8(fields.at(1)), fields.at(2).toDouble()});
        }
    }
    return summary;
}

int RunCompare(const TBenchConfig& config)
{
    QTemporaryDir temporary;
    if (!temporary.isValid())
        BenchFailure(QStringLiteral("cannot create a temporary folder"));
    QList<TSummary> summaries;
    QList<TBenchConfig> configs = {config.Scaled(1), config.Scaled(2)};
    std::printf("%s\n", qPrintable(MachineDescription()));
    for (const TBenchConfig& scaled : configs) {
        const QString summary =
            temporary.filePath(QStringLiteral("summary-%1.txt").arg(summaries.size()));
        std::printf("=== %s\n", qPrintable(scaled.Describe()));
        std::fflush(stdout);
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(scaled.ChildArguments() +
                           QStringList{QStringLiteral("--summary-file"), summary});
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start();
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0)
            BenchFailure(QStringLiteral("the run at scale %1 failed").arg(scaled.Scale));
        summaries.append(ReadSummary(summary));
        std::printf("\n");
    }

    const QString small = QStringLiteral("x%1").arg(configs.at(0).Scale);
    const QString large = QStringLiteral("x%1").arg(configs.at(1).Scale);
    std::printf("=== growth from scale %s to scale %s (twice the cables and price lines)\n",
                qPrintable(small.mid(1)), qPrintable(large.mid(1)));
    std::printf("%-*s %12s %12s %7s %12s %12s %7s\n", NameWidth, "step (ms)",
                qPrintable(QStringLiteral("median ") + small),
                qPrintable(QStringLiteral("median ") + large), "growth",
                qPrintable(QStringLiteral("max ") + small),
                qPrintable(QStringLiteral("max ") + large), "growth");
    std::printf("%s\n", QByteArray(NameWidth + 70, '-').constData());
    for (const QString& name : summaries.at(0).Order) {
        // Every step is measured at both scales; one missing from either is a fault of the
        // benchmark, not a step that took no time.
        if (!summaries.at(1).Steps.contains(name))
            BenchFailure(
                QStringLiteral("\"%1\" was not measured at scale %2").arg(name, large.mid(1)));
        const auto a = summaries.at(0).Steps.value(name);
        const auto b = summaries.at(1).Steps.value(name);
        const double growth = b.first / std::max(a.first, 1e-9);
        std::printf("%-*s %12s %12s %7.2f %12s %12s %7.2f%s\n", NameWidth, qPrintable(name),
                    qPrintable(FormatMs(a.first)), qPrintable(FormatMs(b.first)), growth,
                    qPrintable(FormatMs(a.second)), qPrintable(FormatMs(b.second)),
                    b.second / std::max(a.second, 1e-9),
                    growth > 2.2 ? "  <- median above 2.2x" : "");
    }
    std::printf("\n");
    for (qsizetype i = 0; i < summaries.at(0).Values.size(); ++i) {
        const auto& [name, a] = summaries.at(0).Values.at(i);
        const double b = summaries.at(1).Values.value(i).second;
        std::printf("%-*s %12.2f %12.2f %7.2f\n", NameWidth, qPrintable(name), a, b,
                    b / std::max(a, 1e-9));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    DefaultHandler = qInstallMessageHandler(MessageHandler);
    if (argc == 3 && std::strcmp(argv[1], "--floor-child") == 0)
        return RunFloorChild(QString::fromLocal8Bit(argv[2]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    // As the program names itself, so that its per-user folders are the same.
    KeepCNumericFormat();
    QApplication::setApplicationName(QStringLiteral("Ferrolyn"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return RunStartupChild(QString::fromLocal8Bit(argv[2]), sinceMain);

    int exitCode = 0;
    const std::optional<TBenchConfig> config =
        ParseBenchArguments(QApplication::arguments(), exitCode);
    if (!config)
        return exitCode;
    return config->Compare ? RunCompare(*config) : RunBench(*config);
}
