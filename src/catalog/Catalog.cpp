#include "Catalog.h"

#include "DataError.h"
#include "LineFormat.h"

namespace {

double NumericColumn(const QStringList& fields, int index)
{
    return StrToFloat(DefaultIfEmpty(fields.at(index), QStringLiteral("0")));
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
    cable.AttenuationK1 = NumericColumn(f, 5);
    cable.AttenuationK2 = NumericColumn(f, 6);
    cable.Diameter = f.at(7);
    cable.Grade = f.at(8);
    cable.AttachChargePartNumber = f.at(9);
    cable.PrenvoOption = f.at(10);
    cable.PlatedOption = f.at(11);
    cable.StandardOption = f.at(12);
    cable.PowerFactor = NumericColumn(f, 13);
    cable.MaxPower = NumericColumn(f, 14);
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

void LoadCatalog(const TSectionedFile& file, TCableList& cables, const QString& fileName)
{
    const auto& sections = file.Sections();
    for (qsizetype s = 1; s < sections.size(); ++s) {
        const TSectionedFile::Section& section = sections.at(s);
        const QString tline = QStringLiteral("TLine");
        auto cable = std::make_unique<TTransmissionLine>();
        try {
            *cable = ParseCableLine(section.Value(tline));
        } catch (TDataError& error) {
            throw error.At(fileName, section.LineOf(tline));
        }
        for (qsizetype e = 1; e < section.Entries.size(); ++e) {
            const TSectionedFile::Entry& entry = section.Entries.at(e);
            try {
                cable->AddConnector(ParseConnectorLine(section.Value(entry.Key)));
            } catch (TDataError& error) {
                throw error.At(fileName, section.LineOf(entry.Key));
            }
        }
        cables.push_back(std::move(cable));
    }
}

void LoadCatalogFile(const QString& path, TCableList& cables)
{
    QStringList lines;
    try {
        lines = ReadTextLines(path);
    } catch (TDataError& error) {
        throw error.At(path, 0);
    }
    LoadCatalog(TSectionedFile(lines), cables, path);
}

void BuildFrequencyLists(const TCableList& cables, QStringList& beginning, QStringList& ending)
{
    beginning.clear();
    ending.clear();
    for (const auto& cable : cables) {
        const QString low = FloatToStr(cable->MinFrequency);
        const QString high = FloatToStr(cable->MaxFrequency);
        if (!beginning.contains(low))
            beginning.append(low);
        if (!ending.contains(high))
            ending.append(high);
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
    for (TTransmissionLine* cable : source) {
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
        if (!result.contains(cable))
            result.append(cable);
    }
    return result;
}
