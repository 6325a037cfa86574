#include "Jumpers.h"

#include "base/DataError.h"
#include "base/LineFormat.h"

#include <QFileInfo>

TJumperEntry ReadJumperEntry(const QString& entryLine)
{
    const QStringList pieces = SplitFields(entryLine, FieldDelimiter);
    RequireFields(pieces, 8);
    return {pieces.at(4), pieces.at(6), pieces.at(7)};
}

std::optional<TJumperEntry> FindStandardJumper(const TSectionedFile& file,
                                               const QString& cablePartNumber, int topConnectorId,
                                               int bottomConnectorId, const QString& fileName)
{
    const QList<TSectionedFile::Section>& sections = file.Sections();
    const QString wanted = cablePartNumber.toUpper();
    for (qsizetype s = 1; s < sections.size(); ++s) {
        const TSectionedFile::Section& section = sections.at(s);
        // Only the first section naming the cable is searched.
        if (GetField(section.Value(QStringLiteral("TLine")), 1).toUpper() == wanted)
            return FindInJumperSection(section, topConnectorId, bottomConnectorId, fileName);
    }
    return std::nullopt;
}

std::optional<TJumperEntry> FindInJumperSection(const TSectionedFile::Section& section,
                                                int topConnectorId, int bottomConnectorId,
                                                const QString& fileName)
{
    for (qsizetype e = 1; e < section.Entries.size(); ++e) {
        const TSectionedFile::Entry& entry = section.Entries.at(e);
        try {
            const int a = StrToInt(GetField(entry.Value, 1));
            const int b = StrToInt(GetField(entry.Value, 2));
            const bool matches = (a == topConnectorId && b == bottomConnectorId) ||
                                 (b == topConnectorId && a == bottomConnectorId);
            if (matches)
                return ReadJumperEntry(entry.Text);
        } catch (TDataError& error) {
            error.At(fileName, entry.Line);
            throw;
        }
    }
    return std::nullopt;
}

TJumperIndex::TJumperIndex(const TSectionedFile& file)
{
    const QList<TSectionedFile::Section>& sections = file.Sections();
    for (qsizetype s = 1; s < sections.size(); ++s) {
        const QString cable = GetField(sections.at(s).Value(QStringLiteral("TLine")), 1).toUpper();
        if (!Sections.contains(cable))
            Sections.insert(cable, s);
    }
}

std::optional<TJumperEntry> TJumperIndex::Find(const TSectionedFile& file,
                                               const QString& cablePartNumber, int topConnectorId,
                                               int bottomConnectorId, const QString& fileName) const
{
    const auto section = Sections.constFind(cablePartNumber.toUpper());
    if (section == Sections.cend())
        return std::nullopt;
    return FindInJumperSection(file.Sections().at(*section), topConnectorId, bottomConnectorId,
                               fileName);
}

std::optional<TJumperEntry> TJumperFile::Find(const QString& path, const QString& cablePartNumber,
                                              int topConnectorId, int bottomConnectorId)
{
    const TSectionedFile& file = Read(path);
    return Index.Find(file, cablePartNumber, topConnectorId, bottomConnectorId, path);
}

const TSectionedFile& TJumperFile::Read(const QString& path)
{
    const QFileInfo info(path);
    const bool exists = info.isFile();
    const qint64 size = exists ? info.size() : -1;
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    if (Loaded && path == Path && exists == Exists && size == Size && modified == Modified)
        return File;
    QStringList lines;
    try {
        lines = ReadTextLines(path, true);
    } catch (TDataError& error) {
        Loaded = false;
        throw error.At(path, 0);
    }
    File = TSectionedFile(lines);
    Index = TJumperIndex(File);
    Path = path;
    Exists = exists;
    Size = size;
    Modified = modified;
    Loaded = true;
    return File;
}
