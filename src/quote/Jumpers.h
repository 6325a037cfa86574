#pragma once

#include "base/SectionedFile.h"
#include "catalog/CatalogRecords.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// The standard assemblies of jumpers.dat: one section per cable, "TLine" first with the cable's
// part number in column 1, then one entry per assembly: connector numbers in columns 1 and 2,
// the part-number stem in column 5, the standard lengths in feet and in metres (comma-separated)
// in columns 7 and 8.

struct TJumperEntry {
    QString PartNumberStem;
    QString FeetLengths;
    QString MetreLengths;
};

// Reads a whole entry line (key, '=', value) split at '|' without trimming: piece 5 is the stem,
// pieces 7 and 8 the length lists. Throws TDataError "List index out of bounds (%d)" when the
// line has fewer than 8 pieces.
TJumperEntry ReadJumperEntry(const QString& entryLine);

// The first entry, in the first section (after the file's first) whose TLine names the cable
// (compared upper-cased), that joins the two connectors in either order. Only that section is
// searched. Throws TDataError with the file and line when an entry's connector number is empty
// or not an integer before a match is found.
std::optional<TJumperEntry> FindStandardJumper(const TSectionedFile& file,
                                               const QString& cablePartNumber, int topConnectorId,
                                               int bottomConnectorId, const QString& fileName = {});
// The same search within one section (the one that names the cable).
std::optional<TJumperEntry> FindInJumperSection(const TSectionedFile::Section& section,
                                                int topConnectorId, int bottomConnectorId,
                                                const QString& fileName = {});

// The sections of a jumpers.dat by the cable each is the first to name (upper-cased), so that a
// search costs the same whatever the number of cables; it finds what FindStandardJumper finds.
class TJumperIndex
{
public:
    TJumperIndex() = default;
    explicit TJumperIndex(const TSectionedFile& file);
    std::optional<TJumperEntry> Find(const TSectionedFile& file, const QString& cablePartNumber,
                                     int topConnectorId, int bottomConnectorId,
                                     const QString& fileName = {}) const;

private:
    QHash<QString, qsizetype> Sections;
};

// jumpers.dat as last read. It is read again whenever the file on disk changed (appeared,
// disappeared, or changed size or time), so an edited file counts at the next search without
// the cost of reading an unchanged file at every search.
class TJumperFile
{
public:
    // The file's sections; a missing file has none. Throws TDataError with the file name when
    // the file exists but cannot be read.
    const TSectionedFile& Read(const QString& path);
    // FindStandardJumper in the file as read now (read again when it changed), through its index.
    std::optional<TJumperEntry> Find(const QString& path, const QString& cablePartNumber,
                                     int topConnectorId, int bottomConnectorId);

private:
    QString Path;
    bool Loaded = false;
    bool Exists = false;
    qint64 Size = -1;
    QDateTime Modified;
    TSectionedFile File;
    TJumperIndex Index;
};
