#pragma once

#include <QList>
#include <QRect>

// Where a window goes: wanted (its frame, in device-independent pixels) moved, and shrunk when
// it is larger, so that it lies wholly within one screen's available area: the screen it
// overlaps most, else the first one (the primary screen). Unchanged without screens.
QRect FittedGeometry(const QRect& wanted, const QList<QRect>& availableAreas);
