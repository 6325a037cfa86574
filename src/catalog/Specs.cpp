#include "Specs.h"

#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace {

const QString ConnectorsSection = QStringLiteral("Connectors");
const QString CablesSection = QStringLiteral("Cables");

bool IsComment(const QString& line)
{
    const QStringView text = TrimmedControl(line);
    return text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#'));
}

// A number of a field from low to high; none for an empty field. Throws the design's message
// for anything else.
std::optional<double> Number(const QStringList& fields, int index, double low, double high)
{
    const QString text = index < fields.size() ? TrimControl(fields.at(index)) : QString();
    if (text.isEmpty())
        return std::nullopt;
    double value = 0;
    if (!TryStrToFloat(text, value) || !(value >= low && value <= high))
        throw TDataError(Tr("Specs", "'%1' is not a valid floating point value (from %2 to %3 "
                                     "here)")
                             .arg(text, FloatToStr(low), FloatToStr(high)));
    return value;
}

QString Text(const QStringList& fields, int index)
{
    return index < fields.size() ? TrimControl(fields.at(index)) : QString();
}

// "698-960:1.15 1710-2690:1.20"
QList<TVswrRange> VswrRanges(const QString& text)
{
    static const QRegularExpression Blanks(QStringLiteral("\\s+"));
    QList<TVswrRange> ranges;
    for (const QString& item : text.split(Blanks, Qt::SkipEmptyParts)) {
        const auto bad = [&item] {
            return TDataError(Tr("Specs", "'%1' is not a VSWR range (low-high:VSWR in MHz, "
                                          "such as 698-960:1.15)")
                                  .arg(item));
        };
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        if (colon < 0 || dash < 0 || dash > colon)
            throw bad();
        double low = 0;
        double high = 0;
        double vswr = 0;
        if (!TryStrToFloat(item.left(dash), low) ||
            !TryStrToFloat(item.mid(dash + 1, colon - dash - 1), high) ||
            !TryStrToFloat(item.mid(colon + 1), vswr) || !(low >= 0 && low <= high) ||
            !(high <= MaxTypedFrequency) || !(vswr >= 1 && vswr <= 100))
            throw bad();
        ranges.append({low, high, vswr});
    }
    return ranges;
}

TConnectorSpec ConnectorSpec(const QStringList& fields)
{
    TConnectorSpec spec;
    spec.LossCoefficient = Number(fields, 0, 0, 10);
    spec.Vswr = VswrRanges(Text(fields, 1));
    spec.PimDbc = Number(fields, 2, -300, 0);
    spec.PimCondition = Text(fields, 3);
    spec.WeightKg = Number(fields, 4, 0, 1e6);
    return spec;
}

TCableSpec CableSpec(const QStringList& fields)
{
    TCableSpec spec;
    spec.VelocityFactor = Number(fields, 0, 0.01, 1);
    spec.BendRadiusSingleMm = Number(fields, 1, 0, 1e6);
    spec.BendRadiusRepeatedMm = Number(fields, 2, 0, 1e6);
    spec.WeightKgPerFoot = Number(fields, 3, 0, 1e6);
    spec.WeightKgPerMetre = Number(fields, 4, 0, 1e6);
    spec.FireRating = Text(fields, 5);
    return spec;
}

} // namespace

const TConnectorSpec* TSpecData::Connector(const QString& partNumber) const
{
    const auto found = Connectors.constFind(partNumber);
    return found == Connectors.cend() ? nullptr : &found.value();
}

const TCableSpec* TSpecData::Cable(const QString& partNumber) const
{
    const auto found = Cables.constFind(partNumber);
    return found == Cables.cend() ? nullptr : &found.value();
}

TSpecData ParseSpecs(const QStringList& lines, const QString& fileName, QList<TDataError>& problems)
{
    TSpecData data;
    const TSectionedFile file(lines);
    for (const TSectionedFile::Section& section : file.Sections()) {
        const bool connectors = section.Name.compare(ConnectorsSection, Qt::CaseInsensitive) == 0;
        const bool cables = section.Name.compare(CablesSection, Qt::CaseInsensitive) == 0;
        if (!connectors && !cables)
            continue;
        for (const TSectionedFile::Entry& entry : section.Entries) {
            if (IsComment(entry.Text))
                continue;
            try {
                const QString partNumber = TrimControl(entry.Key);
                if (!entry.Text.contains(QLatin1Char('=')) || partNumber.isEmpty())
                    throw TDataError(Tr("Specs", "'%1' is not a part data line (part "
                                                 "number=fields)")
                                         .arg(TrimControl(entry.Text).left(60)));
                const QStringList fields = SplitFields(entry.Value);
                if (connectors) {
                    const TConnectorSpec spec = ConnectorSpec(fields);
                    if (!data.Connectors.contains(partNumber))
                        data.Connectors.insert(partNumber, spec);
                } else {
                    const TCableSpec spec = CableSpec(fields);
                    if (!data.Cables.contains(partNumber))
                        data.Cables.insert(partNumber, spec);
                }
            } catch (TDataError& error) {
                problems.append(error.At(fileName, entry.Line));
            }
        }
    }
    return data;
}

TSpecData ReadSpecFile(const QString& path, QList<TDataError>& problems)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    try {
        return ParseSpecs(ReadTextLines(path, false, SpecFileLimit), path, problems);
    } catch (TDataError& error) {
        problems.append(error.At(path, 0));
    }
    return {};
}

std::optional<double> VswrAt(const TConnectorSpec& spec, double frequencyMHz)
{
    std::optional<double> worst;
    for (const TVswrRange& range : spec.Vswr)
        if (frequencyMHz >= range.LowMHz && frequencyMHz <= range.HighMHz &&
            (!worst || range.Vswr > *worst))
            worst = range.Vswr;
    return worst;
}

QString SpecProblemsText(const QList<TDataError>& problems, const QString& lineBreak)
{
    if (problems.isEmpty())
        return {};
    QStringList texts;
    for (const TDataError& problem : problems)
        texts.append(problem.FullText());
    return Tr("Specs", "Some part data cannot be read; the parts it concerns show n/a:") +
           lineBreak + JoinBounded(texts, lineBreak);
}
