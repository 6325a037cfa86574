// The standard-assembly search over jumpers.dat, then the standard lengths of what it finds and
// the nearest standard lengths for a few typed lengths.

#include "FuzzSupport.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "catalog/Performance.h"
#include "quote/Jumpers.h"
#include "quote/StandardLengths.h"

namespace {

struct TQuery {
    QString PartNumber;
    int Top = 0;
    int Bottom = 0;
};

// The cables and connector pairs the file names itself (a catalog that fits it would offer
// them), and the sample installation's default assembly.
QList<TQuery> Queries(const TSectionedFile& file)
{
    QList<TQuery> queries{{QStringLiteral("KRV4-50B"), 401, 411}};
    const QList<TSectionedFile::Section>& sections = file.Sections();
    for (qsizetype s = 1; s < sections.size() && s < 4; ++s) {
        const TSectionedFile::Section& section = sections.at(s);
        const QString partNumber = GetField(section.Value(QStringLiteral("TLine")), 1);
        queries.append({partNumber.toLower(), 0, 0});
        for (qsizetype e = 1; e < section.Entries.size() && e < 4; ++e) {
            const QString& value = section.Entries.at(e).Value;
            const int a = GetField(value, 1).toInt();
            const int b = GetField(value, 2).toInt();
            queries.append({partNumber, b, a});
        }
    }
    return queries;
}

void Lengths(const TJumperEntry& entry)
{
    const QStringList table = BuildStandardLengths(entry.FeetLengths, entry.MetreLengths);
    for (const QString& row : table) {
        IsMetreRow(row);
        MetreLengthCode(GetField(row, 3));
    }
    QStringList typed{QStringLiteral("10"), QStringLiteral("3,5"), QStringLiteral("6.0"),
                      QStringLiteral("0,5")};
    typed += Fuzz::Front(SplitFields(entry.FeetLengths, QStringLiteral(",")), 2);
    typed += Fuzz::Front(SplitFields(entry.MetreLengths, QStringLiteral(",")), 2);
    for (const QString& lengthText : typed) {
        for (const bool metres : {false, true}) {
            if (IsStandardLength(table, lengthText, metres)) {
                BuildPartNumber(entry.PartNumberStem, lengthText, metres);
                continue;
            }
            double length = 0;
            TryUserStrToFloat(lengthText, length);
            const TNearLengths near =
                FindNearLengths(table, metres ? length * FeetPerMetre : length);
            Fuzz::Require(near.Shorter < table.size() && near.Longer < table.size(),
                          "a nearest length outside the table");
            if (near.Any())
                NearLengthRows(table, near, entry.PartNumberStem, lengthText, metres);
            else
                BuildPartNumber(entry.PartNumberStem, lengthText, metres);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TSectionedFile file(TextLines(Fuzz::Bytes(data, size)));
    const TJumperIndex index(file);
    const QString fileName = QStringLiteral("jumpers.dat");
    // A search through the index finds what a walk of the file finds, or fails as it does.
    const auto search = [&](const TQuery& query, bool indexed) -> QString {
        try {
            const std::optional<TJumperEntry> entry =
                indexed
                    ? index.Find(file, query.PartNumber, query.Top, query.Bottom, fileName)
                    : FindStandardJumper(file, query.PartNumber, query.Top, query.Bottom, fileName);
            if (!entry)
                return QStringLiteral("none");
            if (!indexed)
                Lengths(*entry);
            return entry->PartNumberStem + u'|' + entry->FeetLengths + u'|' + entry->MetreLengths;
        } catch (const TDataError& error) {
            // The program reports it and stays on page 2.
            return QStringLiteral("error ") + error.FullText();
        }
    };
    for (const TQuery& query : Queries(file))
        Fuzz::Require(search(query, true) == search(query, false), "the index finds another entry",
                      query.PartNumber);
    return 0;
}
