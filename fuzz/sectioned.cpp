// Sectioned files ([section] and key=value lines) as tlineconnectors.dat, jumpers.dat and order
// files are read, and the text encodings the order files are written in.

#include "FuzzSupport.h"

#include "base/SectionedFile.h"

#include <QSet>

namespace {

void CheckSections(const QStringList& lines)
{
    const TSectionedFile file(lines);
    QSet<QString> names;
    for (const TSectionedFile::Section& section : file.Sections()) {
        const QString folded = section.Name.toCaseFolded();
        Fuzz::Require(!names.contains(folded), "a repeated section was kept", section.Name);
        names.insert(folded);
        Fuzz::Require(section.Line >= 1 && section.Line <= lines.size(),
                      "a section's line is outside the file");
        Fuzz::Require(lines.at(section.Line - 1) ==
                          QLatin1Char('[') + section.Name + QLatin1Char(']'),
                      "a section's line is not its header", section.Name);
        for (qsizetype e = 0; e < section.Entries.size(); ++e) {
            const TSectionedFile::Entry& entry = section.Entries.at(e);
            Fuzz::Require(entry.Line > section.Line && entry.Line <= lines.size() &&
                              lines.at(entry.Line - 1) == entry.Text,
                          "an entry's line is not its text", entry.Text);
            Fuzz::Require(!IsBlankLine(entry.Text), "a blank line was taken as an entry");
            Fuzz::Require(entry.Text.contains(QLatin1Char('='))
                              ? entry.Key + QLatin1Char('=') + entry.Value == entry.Text
                              : entry.Key == entry.Text && entry.Value.isEmpty(),
                          "key and value do not make the line", entry.Text);
            if (e < 16) {
                section.Value(entry.Key);
                section.LineOf(entry.Key);
            }
        }
        section.Value(QStringLiteral("TLine"));
        section.LineOf(QStringLiteral("TLine"));
    }
}

// The order file writer's encodings must give the same lines back to this reader.
void CheckEncodings(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    ToWindows1252(text);
    if (const std::optional<QByteArray> single = ToUnmistakableWindows1252(text))
        Fuzz::Require(TextLines(*single) == lines, "Windows-1252 text reads back otherwise");
    if (lines.isEmpty() || !lines.first().startsWith(QChar(0xFEFF)))
        Fuzz::Require(TextLines(text.toUtf8()) == lines, "UTF-8 text reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QStringList lines = TextLines(bytes);
    Fuzz::Require(lines == Fuzz::ReferenceTextLines(bytes), "the lines differ from the reference");
    CheckSections(lines);
    CheckEncodings(lines);
    return 0;
}
