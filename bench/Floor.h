#pragma once

#include <QStringList>

// The least any start-up can do with the data files: read each whole and split every line at
// '|' once, keeping the files' contents until the end.
struct TFloorResult {
    qint64 Bytes = 0;
    qint64 Lines = 0;
    qint64 Fields = 0;
    qint64 FieldChars = 0; // used, so that no split can be left out
};

// On the bytes as read (the floor), or decoded to QString first (what a Qt program holds).
TFloorResult ReadFloor(const QStringList& files, bool decode);
