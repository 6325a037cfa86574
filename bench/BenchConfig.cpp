#include "BenchConfig.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Scale 1: a real catalog.
constexpr int CablesPerScale = 200;
constexpr int PriceLinesPerScale = 50000;

int Scaled(int value, double factor)
{
    return std::max(1, static_cast<int>(std::lround(value * factor)));
}

bool ReadCount(const QCommandLineParser& parser, const QString& name, int minimum, int& target)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum) {
        std::fprintf(stderr, "--%s needs a whole number of at least %d\n", qPrintable(name),
                     minimum);
        return false;
    }
    target = value;
    return true;
}

} // namespace

TBenchConfig TBenchConfig::Scaled(double factor) const
{
    TBenchConfig config = *this;
    config.Scale = Scale * factor;
    config.Cables = ::Scaled(Cables, factor);
    config.PriceLines = ::Scaled(PriceLines, factor);
    return config;
}

QStringList TBenchConfig::ChildArguments() const
{
    QStringList arguments = {QStringLiteral("--cables"),       QString::number(Cables),
                             QStringLiteral("--connectors"),   QString::number(ConnectorsPerCable),
                             QStringLiteral("--price-lines"),  QString::number(PriceLines),
                             QStringLiteral("--assemblies"),   QString::number(AssembliesPerCable),
                             QStringLiteral("--order-lines"),  QString::number(OrderLines),
                             QStringLiteral("--runs"),         QString::number(Runs),
                             QStringLiteral("--startup-runs"), QString::number(StartupRuns),
                             QStringLiteral("--process-runs"), QString::number(ProcessRuns),
                             QStringLiteral("--label-scale"),  QString::number(Scale)};
    if (!Show)
        arguments.append(QStringLiteral("--no-show"));
    if (Keep)
        arguments.append(QStringLiteral("--keep"));
    return arguments;
}

QString TBenchConfig::Describe() const
{
    return QStringLiteral("scale %1: %2 cables x %3 connectors, %4 standard assemblies per cable, "
                          "%5 price lines, orders of %6 lines")
        .arg(Scale)
        .arg(Cables)
        .arg(ConnectorsPerCable)
        .arg(AssembliesPerCable)
        .arg(PriceLines)
        .arg(OrderLines);
}

std::optional<TBenchConfig> ParseBenchArguments(const QStringList& arguments, int& exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a synthetic Ferrolyn installation of the chosen size and measures "
                       "start-up and every wizard step on it through the real main window "
                       "(offscreen)."));
    parser.addHelpOption();
    const QList<QCommandLineOption> options = {
        {QStringLiteral("scale"),
         QStringLiteral("Catalog size: 1 is a real catalog (200 cables x 100 connectors, 50,000 "
                        "price lines); 10 is 2,000 cables and 500,000 price lines. Default 1."),
         QStringLiteral("N")},
        {QStringLiteral("cables"), QStringLiteral("Number of cables (overrides the scale)."),
         QStringLiteral("n")},
        {QStringLiteral("connectors"), QStringLiteral("Connectors per cable (default 100)."),
         QStringLiteral("n")},
        {QStringLiteral("price-lines"),
         QStringLiteral("Price-list lines at least (overrides the scale); accessories fill up "
                        "what the catalog's own part numbers leave."),
         QStringLiteral("n")},
        {QStringLiteral("assemblies"),
         QStringLiteral("Standard assemblies per cable in jumpers.dat (default 16)."),
         QStringLiteral("n")},
        {QStringLiteral("order-lines"),
         QStringLiteral("Lines of the order that is opened, saved and exported (default 1000)."),
         QStringLiteral("n")},
        {QStringLiteral("runs"), QStringLiteral("Runs of each window step (default 5)."),
         QStringLiteral("n")},
        {QStringLiteral("startup-runs"),
         QStringLiteral("Start-ups in this process (default 5; 3 from scale 5 up)."),
         QStringLiteral("n")},
        {QStringLiteral("process-runs"),
         QStringLiteral("Start-ups and floor reads in fresh processes, for whole-process time "
                        "and peak memory (default 3; 0 skips them)."),
         QStringLiteral("n")},
        {QStringLiteral("tiny"),
         QStringLiteral("A few cables and one or two runs of everything: a smoke run for CI.")},
        {QStringLiteral("compare"),
         QStringLiteral("Run the whole set at scale N and at scale 2N, each in a process of its "
                        "own, and print the growth of every step."),
         QStringLiteral("N")},
        {QStringLiteral("no-show"),
         QStringLiteral("Drive the window without showing it (steps then exclude painting).")},
        {QStringLiteral("dir"),
         QStringLiteral("Write the installation into this folder (default: a temporary one)."),
         QStringLiteral("path")},
        {QStringLiteral("keep"), QStringLiteral("Keep the generated installation.")},
        {QStringLiteral("summary-file"),
         QStringLiteral("Also write each step's median and maximum to this file."),
         QStringLiteral("path")},
        {QStringLiteral("label-scale"), QStringLiteral("Internal: the scale to print."),
         QStringLiteral("N")},
    };
    parser.addOptions(options);
    parser.process(arguments);

    TBenchConfig config;
    exitCode = 1;
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "unexpected argument: %s\n",
                     qPrintable(parser.positionalArguments().first()));
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("tiny"))) {
        config.Tiny = true;
        config.Cables = 12;
        config.Scale = config.Cables / static_cast<double>(CablesPerScale);
        config.ConnectorsPerCable = 12;
        config.PriceLines = 600;
        config.AssembliesPerCable = 4;
        config.OrderLines = 20;
        config.Runs = 2;
        config.StartupRuns = 1;
        config.ProcessRuns = 1;
    }
    for (const QString& name : {QStringLiteral("scale"), QStringLiteral("compare")}) {
        if (!parser.isSet(name))
            continue;
        bool ok = false;
        const double scale = parser.value(name).toDouble(&ok);
        if (!ok || !(scale > 0) || scale > 1000) {
            std::fprintf(stderr, "--%s needs a number above 0\n", qPrintable(name));
            return std::nullopt;
        }
        config.Scale = scale;
        config.Cables = std::max(4, Scaled(CablesPerScale, scale));
        config.PriceLines = Scaled(PriceLinesPerScale, scale);
        if (scale >= 5)
            config.StartupRuns = 3;
    }
    if (!ReadCount(parser, QStringLiteral("cables"), 4, config.Cables) ||
        !ReadCount(parser, QStringLiteral("connectors"), 8, config.ConnectorsPerCable) ||
        !ReadCount(parser, QStringLiteral("price-lines"), 0, config.PriceLines) ||
        !ReadCount(parser, QStringLiteral("assemblies"), 1, config.AssembliesPerCable) ||
        !ReadCount(parser, QStringLiteral("order-lines"), 1, config.OrderLines) ||
        !ReadCount(parser, QStringLiteral("runs"), 1, config.Runs) ||
        !ReadCount(parser, QStringLiteral("startup-runs"), 1, config.StartupRuns) ||
        !ReadCount(parser, QStringLiteral("process-runs"), 0, config.ProcessRuns))
        return std::nullopt;
    if (parser.isSet(QStringLiteral("label-scale")))
        config.Scale = parser.value(QStringLiteral("label-scale")).toDouble();
    config.Compare = parser.isSet(QStringLiteral("compare"));
    config.Show = !parser.isSet(QStringLiteral("no-show"));
    config.Keep = parser.isSet(QStringLiteral("keep"));
    config.Folder = parser.value(QStringLiteral("dir"));
    config.SummaryFile = parser.value(QStringLiteral("summary-file"));
    if (config.Compare && !config.Folder.isEmpty()) {
        std::fprintf(stderr, "--compare writes two installations; it does not take --dir\n");
        return std::nullopt;
    }
    exitCode = 0;
    return config;
}
