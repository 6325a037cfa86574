#pragma once

#include "base/SectionedFile.h"
#include "CatalogRecords.h"

#include <QStringList>

// Builds a cable from the value of a "TLine" key (at least 15 columns, not trimmed; numeric
// columns empty read as 0). Throws TDataError.
TTransmissionLine ParseCableLine(const QString& value);
// Builds a connector from a connector entry's value (at least 8 columns). Throws TDataError.
TConnector ParseConnectorLine(const QString& value);

// Builds the cables of tlineconnectors.dat (a sectioned file: see TSectionedFile): every section
// after the first, in file order. Every line is checked now; connectors are read at first use.
// Throws TDataError with the file and line of the offending entry.
void LoadCatalog(const TTextBuffer& text, TCableList& cables, const QString& fileName = {});
void LoadCatalogFile(const QString& path, TCableList& cables);

// The distinct minimum and maximum frequencies of all cables, in shortest form, ascending.
void BuildFrequencyLists(const TCableList& cables, QStringList& beginning, QStringList& ending);

// The criteria of a cable query; each applies only when requested.
struct TCableCriteria {
    bool UseBand = false;
    double BeginFrequency = 0;
    double EndFrequency = 0;
    bool Air = false;
    bool Foam = false;
    bool EllipticalWaveguide = false;
    QString Grade;
};

// Cables of source that satisfy every requested criterion, in source order.
TCableRefs SelectCables(const TCableRefs& source, const TCableCriteria& criteria);
TCableRefs CableRefs(const TCableList& cables);
