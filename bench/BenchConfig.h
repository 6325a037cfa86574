#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// How large a catalog the benchmark writes, and how it measures.
struct TBenchConfig {
    // Scale 1 is a real catalog of a large maker: about 200 cables of 100 connectors each and
    // 50,000 price-list lines.
    double Scale = 1;
    int Cables = 200;
    int ConnectorsPerCable = 100;
    int PriceLines = 50000;
    int AssembliesPerCable = 16;
    int OrderLines = 1000;

    int Runs = 5;        // runs of every step in the window
    int StartupRuns = 5; // start-ups in this process
    int ProcessRuns = 3; // start-ups and floors in fresh processes, for whole-process memory

    bool Show = true;     // the window is shown (offscreen), so steps include painting
    bool Tiny = false;    // a few cables, for a smoke run
    bool Compare = false; // the whole set at this scale and at twice it, with growth ratios
    bool Keep = false;    // keep the generated installation
    QString Folder;       // where to write it; a temporary folder when empty
    QString SummaryFile;  // medians and maxima for --compare, one step a line

    // The same catalog at factor times the size: cables and price lines grow; connectors per
    // cable, standard assemblies per cable and the order stay.
    TBenchConfig Scaled(double factor) const;
    // The options that make a child process run this configuration.
    QStringList ChildArguments() const;
    QString Describe() const;
};

// The configuration from the command line; std::nullopt after printing help or an error (the
// exit code then goes to exitCode).
std::optional<TBenchConfig> ParseBenchArguments(const QStringList& arguments, int& exitCode);
