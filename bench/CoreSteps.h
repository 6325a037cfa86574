#pragma once

#include "Measure.h"

#include <QList>
#include <QStringList>

struct TSyntheticInstallation;

// The parts of start-up, and the first part-number search's read of jumpers.dat, through the
// core functions the window calls, each timed alone. notes receives the memory each part holds
// (growth of the resident size in the first run).
QList<TStepResult> MeasureStartupParts(const TSyntheticInstallation& installation, int runs,
                                       QStringList& notes);
