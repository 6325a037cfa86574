#include "Catalog.h"

#include "base/DataError.h"
#include "base/KeyIndex.h"
#include "base/LineFormat.h"
#include "base/Translate.h"

#include <QSet>

#include <cstring>

namespace {

double NumericColumn(const QStringList& fields, int index)
{
    return StrToFloat(DefaultIfEmpty(fields.at(index), QStringLiteral("0")));
}

// Attenuation coefficients, a waveguide's cut-off and scale, the power factor and the maximum
// power (kW): real catalogs stay below 10, a waveguide's cut-off below 100,000 MHz and powers
// below 10,000 kW. The bound leaves room for any of them and keeps every figure a finite number
// of a few digits; a negative figure would give efficiencies above 100 % and negative powers.
constexpr double MaxCatalogFigure = 1e6;

double FigureColumn(const QStringList& fields, int index)
{
    const double value = NumericColumn(fields, index);
    if (!(value >= 0 && value <= MaxCatalogFigure))
        throw TDataError(Tr("Catalog", "'%1' is not a valid floating point value (from 0 to %2 "
                                       "here)")
                             .arg(fields.at(index), FloatToStr(MaxCatalogFigure)));
    return value;
}

} // namespace

TTransmissionLine ParseCableLine(const QString& value)
{
    const QStringList f = SplitFields(value, FieldDelimiter);
    RequireFields(f, 15);
    TTransmissionLine cable;
    cable.MinFrequency = NumericColumn(f, 0);
    cable.MaxFrequency = NumericColumn(f, 1);
    cable.Model = f.at(2);
    cable.PartNumber = f.at(3);
    cable.CableType = f.at(4);
    cable.AttenuationK1 = FigureColumn(f, 5);
    cable.AttenuationK2 = FigureColumn(f, 6);
    cable.Diameter = f.at(7);
    cable.Grade = f.at(8);
    cable.AttachChargePartNumber = f.at(9);
    cable.PrenvoOption = f.at(10);
    cable.PlatedOption = f.at(11);
    cable.StandardOption = f.at(12);
    cable.PowerFactor = FigureColumn(f, 13);
    cable.MaxPower = FigureColumn(f, 14);
    return cable;
}

TConnector ParseConnectorLine(const QString& value)
{
    const QStringList f = SplitFields(value, FieldDelimiter);
    RequireFields(f, 8);
    TConnector connector;
    connector.ConnectorID = StrToInt(DefaultIfEmpty(f.at(0), QStringLiteral("0")));
    connector.PartNumber = f.at(1);
    connector.ActualInterface = f.at(2);
    connector.Characteristics = f.at(3);
    connector.MatesToInterface = f.at(4);
    connector.InnerAttachment = f.at(5);
    connector.Grade = f.at(6);
    connector.AttachmentCode = f.at(7);
    return connector;
}

namespace {

struct TCatalogEntry {
    QByteArrayView Key; // the text before the first '=' (the whole line without one)
    QByteArrayView Value;
    int Line = 0;
};

bool IsBlankBytes(QByteArrayView line)
{
    for (const char c : line)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

// True when ParseConnectorLine surely accepts value: eight fields or more and an ID that is empty
// or a few plain digits. Anything else is left to ParseConnectorLine itself.
bool IsPlainConnectorValue(QByteArrayView value)
{
    if (value.isEmpty())
        return false;
    const char* at = value.data();
    const char* const end = at + value.size();
    const char* firstBar = nullptr;
    for (int bars = 0; bars < 7; ++bars) {
        at = static_cast<const char*>(std::memchr(at, '|', size_t(end - at)));
        if (at == nullptr)
            return false;
        if (bars == 0)
            firstBar = at;
        ++at;
    }
    const QByteArrayView id(value.data(), firstBar);
    if (id.size() > 9)
        return false;
    for (const char c : id)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// One cable section: the value of its first "TLine" entry (empty when there is none, reported at
// the section's line), then a connector for every entry after the first, each read from the
// value of the first entry with the same key.
std::unique_ptr<TTransmissionLine> LoadCable(const TTextBuffer& text,
                                             const std::vector<TCatalogEntry>& entries,
                                             int sectionLine, TKeyIndex& keys,
                                             const QString& fileName)
{
    const QByteArrayView bytes = text.Bytes();
    keys.Reset(entries.size());
    const auto keyOf = [&](qsizetype e) {
        return entries[size_t(e)].Key;
    };
    std::vector<qsizetype> first(entries.size());
    for (size_t e = 0; e < entries.size(); ++e)
        first[e] = keys.Insert(entries[e].Key, qsizetype(e), keyOf);

    const qsizetype tline = keys.Find("TLine", keyOf);
    auto cable = std::make_unique<TTransmissionLine>();
    try {
        *cable = ParseCableLine(tline < 0 ? QString() : text.Decode(entries[size_t(tline)].Value));
    } catch (TDataError& error) {
        throw error.At(fileName, tline < 0 ? sectionLine : entries[size_t(tline)].Line);
    }

    TTransmissionLine::TValueRanges values;
    values.reserve(entries.size());
    for (size_t e = 1; e < entries.size(); ++e) {
        const TCatalogEntry& source = entries[size_t(first[e])];
        if (!IsPlainConnectorValue(source.Value)) {
            try {
                ParseConnectorLine(text.Decode(source.Value));
            } catch (TDataError& error) {
                throw error.At(fileName, source.Line);
            }
        }
        values.emplace_back(source.Value.data() - bytes.data(), source.Value.size());
    }
    cable->SetUnreadConnectors(text, std::move(values));
    return cable;
}

} // namespace

void LoadCatalog(const TTextBuffer& text, TCableList& cables, const QString& fileName)
{
    // The sectioned-file rules, on the bytes: empty, blank and end-of-file lines are ignored, and
    // so are lines before the first section and sections whose name (without regard to case)
    // occurred before. The first section is the file's header; every later one is a cable.
    QSet<QString> seen; // section names, case-folded
    bool skipping = false;
    int sections = 0;
    int sectionLine = 0;
    bool cableOpen = false;
    std::vector<TCatalogEntry> entries;
    TKeyIndex keys;
    const auto closeCable = [&] {
        if (cableOpen)
            cables.push_back(LoadCable(text, entries, sectionLine, keys, fileName));
        cableOpen = false;
    };

    text.ForEachLine([&](QByteArrayView line, int lineNumber) {
        if (IsBlankBytes(line) || line == QByteArrayView("\x1A"))
            return true;
        if (line.size() >= 2 && line.startsWith('[') && line.endsWith(']')) {
            closeCable();
            const QString folded = text.Decode(line.sliced(1, line.size() - 2)).toCaseFolded();
            skipping = seen.contains(folded);
            seen.insert(folded);
            if (!skipping && ++sections > 1) {
                cableOpen = true;
                sectionLine = lineNumber;
                entries.clear();
            }
            return true;
        }
        if (!cableOpen)
            return true;
        const qsizetype eq = line.indexOf('=');
        entries.push_back(eq < 0 ? TCatalogEntry{line, {}, lineNumber}
                                 : TCatalogEntry{line.first(eq), line.sliced(eq + 1), lineNumber});
        return true;
    });
    closeCable();
}

void LoadCatalogFile(const QString& path, TCableList& cables)
{
    TTextBuffer text;
    try {
        text = TTextBuffer::ReadFile(path);
    } catch (TDataError& error) {
        throw error.At(path, 0);
    }
    LoadCatalog(text, cables, path);
}

void BuildFrequencyLists(const TCableList& cables, QStringList& beginning, QStringList& ending)
{
    beginning.clear();
    ending.clear();
    QSet<QString> lows;
    QSet<QString> highs;
    for (const auto& cable : cables) {
        const QString low = FloatToStr(cable->MinFrequency);
        const QString high = FloatToStr(cable->MaxFrequency);
        if (!lows.contains(low)) {
            lows.insert(low);
            beginning.append(low);
        }
        if (!highs.contains(high)) {
            highs.insert(high);
            ending.append(high);
        }
    }
    SortNumericStrings(beginning);
    SortNumericStrings(ending);
}

TCableRefs CableRefs(const TCableList& cables)
{
    TCableRefs refs;
    refs.reserve(static_cast<qsizetype>(cables.size()));
    for (const auto& cable : cables)
        refs.append(cable.get());
    return refs;
}

TCableRefs SelectCables(const TCableRefs& source, const TCableCriteria& criteria)
{
    const bool useTypes = criteria.Air || criteria.Foam || criteria.EllipticalWaveguide;
    const QString grade = criteria.Grade.toUpper();
    TCableRefs result;
    QSet<const TTransmissionLine*> taken; // a repeated cable is taken once
    for (const TTransmissionLine* cable : source) {
        if (criteria.UseBand && !(cable->MinFrequency <= criteria.BeginFrequency &&
                                  cable->MaxFrequency >= criteria.EndFrequency))
            continue;
        if (useTypes) {
            const QString type = cable->CableType.toUpper();
            const bool fits = (type == QLatin1String("AIR") && criteria.Air) ||
                              (type == QLatin1String("FOAM") && criteria.Foam) ||
                              (type == QLatin1String("EW") && criteria.EllipticalWaveguide);
            if (!fits)
                continue;
        }
        if (!grade.isEmpty() && cable->Grade.toUpper() != grade)
            continue;
        if (!taken.contains(cable)) {
            taken.insert(cable);
            result.append(cable);
        }
    }
    return result;
}
