// tlineconnectors.dat as start-up reads it, then what the wizard builds from the cables that
// loaded: the frequency lists, the page-1 query, the page-2 lists and the performance figures.

#include "FuzzSupport.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "catalog/Catalog.h"
#include "catalog/ConnectorLists.h"
#include "catalog/Performance.h"
#include "quote/Quote.h"

namespace {

const QString FileName = QStringLiteral("tlineconnectors.dat");

QString Describe(const TTransmissionLine& cable)
{
    QStringList fields{FloatToStr(cable.MinFrequency),
                       FloatToStr(cable.MaxFrequency),
                       cable.Model,
                       cable.PartNumber,
                       cable.CableType,
                       cable.Grade};
    for (const TConnector& connector : cable.Connectors())
        fields << QString::number(connector.ConnectorID) << connector.PartNumber
               << connector.ActualInterface << connector.Characteristics
               << connector.MatesToInterface << connector.InnerAttachment << connector.Grade
               << connector.AttachmentCode;
    return fields.join(QLatin1Char('/'));
}

// The catalog as the sectioned-file rules define it, read from the decoded lines: every section
// after the first is a cable, its connectors the values of the first entry with each later
// entry's key. LoadCatalog reads the bytes and must build the same cables, or stop at the same
// error.
QStringList ReferenceCatalog(const QByteArray& bytes, QString& error)
{
    QStringList cables;
    const TSectionedFile file(Fuzz::ReferenceTextLines(bytes));
    const QList<TSectionedFile::Section>& sections = file.Sections();
    for (qsizetype s = 1; s < sections.size(); ++s) {
        const TSectionedFile::Section& section = sections.at(s);
        TTransmissionLine cable;
        try {
            cable = ParseCableLine(section.Value(QStringLiteral("TLine")));
        } catch (TDataError& failure) {
            error = failure.At(FileName, section.LineOf(QStringLiteral("TLine"))).FullText();
            return cables;
        }
        for (qsizetype e = 1; e < section.Entries.size(); ++e) {
            const QString& key = section.Entries.at(e).Key;
            try {
                cable.AddConnector(ParseConnectorLine(section.Value(key)));
            } catch (TDataError& failure) {
                error = failure.At(FileName, section.LineOf(key)).FullText();
                return cables;
            }
        }
        cables.append(Describe(cable));
    }
    return cables;
}

// Page 2 for one cable: every grade and attachment, the interface lists and, for the first few
// interfaces, the characteristics and inner-attachment lists a side offers.
void Page2Lists(TTransmissionLine& cable)
{
    for (int grade = 0; grade < 2; ++grade) {
        for (int attachment = 0; attachment < 2; ++attachment) {
            const QString attachmentCode = AttachmentCodeFor(attachment);
            const TInterfaceLists lists =
                InterfaceLists(cable, ConnectorGradeCode(grade), attachmentCode);
            for (const bool actual : {true, false}) {
                const QStringList& interfaces = actual ? lists.Actual : lists.MatesTo;
                for (const QString& interfaceText : Fuzz::Front(interfaces, 3)) {
                    const TChoiceList characteristics =
                        CharacteristicsList(cable, actual, interfaceText, attachmentCode);
                    const QString characteristicsText =
                        characteristics.Pick(QStringLiteral("(none)"));
                    IsRightAngle(characteristicsText);
                    const TChoiceList inner = InnerAttachmentList(
                        cable, actual, interfaceText, characteristicsText, attachmentCode);
                    const QString innerText = inner.Pick(QString());
                    const std::optional<QString> name = InterfaceName(cable, actual, interfaceText);
                    const TConnectorChoice choice{name.value_or(QString()), characteristicsText,
                                                  innerText};
                    MatchConnectors(cable, choice, choice, attachmentCode, QStringLiteral("P"));
                }
            }
        }
    }
}

void Performance(const TTransmissionLine& cable, double f1, double f2)
{
    for (const bool feet : {true, false})
        for (const double length : {6.0, 10.5})
            PerformanceTexts(PerformanceFigures(cable, feet, f1, f2, length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    TCableList cables;
    QString error;
    try {
        LoadCatalog(TTextBuffer(bytes), cables, FileName);
    } catch (const TDataError& failure) {
        // The program reports it and goes on with the cables loaded so far.
        error = failure.FullText();
    }
    QString expectedError;
    const QStringList expected = ReferenceCatalog(bytes, expectedError);
    Fuzz::Require(error == expectedError, "a different error than the sectioned-file rules give",
                  error + QLatin1Char('\n') + expectedError);
    Fuzz::Require(static_cast<qsizetype>(cables.size()) == expected.size(),
                  "a different number of cables than the sectioned-file rules give");
    for (std::size_t i = 0; i < cables.size(); ++i) {
        // A copy made before the connectors are read reads them too, and the same.
        const TTransmissionLine copy = *cables[i];
        Fuzz::Require(Describe(*cables[i]) == expected.at(qsizetype(i)),
                      "a cable differs from the sectioned-file rules", expected.at(qsizetype(i)));
        Fuzz::Require(Describe(copy) == expected.at(qsizetype(i)), "a copied cable differs",
                      expected.at(qsizetype(i)));
    }

    QStringList beginning;
    QStringList ending;
    BuildFrequencyLists(cables, beginning, ending);
    Fuzz::Require(beginning.size() <= static_cast<qsizetype>(cables.size()) &&
                      ending.size() <= static_cast<qsizetype>(cables.size()),
                  "more frequencies than cables");

    // Page 1: the lowest beginning and the highest ending frequency, as the user picks them.
    double f1 = 800;
    double f2 = 2200;
    if (!beginning.isEmpty())
        TryUserStrToFloat(beginning.first(), f1);
    if (!ending.isEmpty())
        TryUserStrToFloat(ending.last(), f2);

    const TCableRefs all = CableRefs(cables);
    for (int type = 0; type < 3; ++type) {
        TCableCriteria criteria;
        criteria.UseBand = true;
        criteria.BeginFrequency = f1;
        criteria.EndFrequency = f2;
        criteria.Air = type == 0;
        criteria.Foam = type == 1;
        criteria.EllipticalWaveguide = type == 2;
        const TCableRefs matching = SelectCables(all, criteria);
        for (int grade = 0; grade < 3; ++grade) {
            TCableCriteria byGrade;
            byGrade.Grade = CableGradeCode(grade);
            SelectCables(matching, byGrade);
        }
    }

    for (std::size_t i = 0; i < cables.size() && i < 8; ++i) {
        TTransmissionLine& cable = *cables[i];
        Page2Lists(cable);
        Performance(cable, f1, f2);
        Performance(cable, cable.MinFrequency, cable.MaxFrequency);
    }
    return 0;
}
