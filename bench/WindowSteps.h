#pragma once

#include "Measure.h"

#include <QList>

class QElapsedTimer;
struct TBenchConfig;
struct TSyntheticInstallation;

// Start-ups of the main window in this process: constructing TfrmMain (everything from reading
// the registry to page 1), showing and painting it, and closing it. Every start-up must end on
// page 1 with the whole catalog and no message.
QList<TStepResult> MeasureStartups(const TBenchConfig& config,
                                   const TSyntheticInstallation& installation, int runs);

// Every wizard step on one window, driven as a user would through the window's controls (found
// by object name) and its public handlers.
QList<TStepResult> MeasureWizardSteps(const TBenchConfig& config,
                                      const TSyntheticInstallation& installation);

// What a child process prints after one start-up: the time to construct the window, the time
// from the process's main() to page 1 painted, and its peak memory. Returns the exit code.
int RunStartupChild(const QString& root, const QElapsedTimer& sinceMain);
