#include "SectionedFile.h"

#include <QSet>

QString TSectionedFile::Section::Value(const QString& key) const
{
    for (const Entry& entry : Entries)
        if (entry.Key == key)
            return entry.Value;
    return {};
}

int TSectionedFile::Section::LineOf(const QString& key) const
{
    for (const Entry& entry : Entries)
        if (entry.Key == key)
            return entry.Line;
    return Line;
}

void TSectionedFile::Parse(const QStringList& lines, TBlankLines blank)
{
    Items.clear();
    QSet<QString> seen; // section names, case-folded
    bool inSection = false;
    bool skipping = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int lineNumber = static_cast<int>(i + 1);
        if (line.isEmpty() || line == QString(QChar(26)))
            continue;
        if (blank == TBlankLines::Skip && IsBlankLine(line))
            continue;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) &&
            line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            const QString folded = name.toCaseFolded();
            skipping = seen.contains(folded);
            seen.insert(folded);
            inSection = true;
            if (!skipping)
                Items.append(Section{name, lineNumber, {}});
            continue;
        }
        if (!inSection || skipping)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        Entry entry;
        entry.Key = eq < 0 ? line : line.left(eq);
        entry.Value = eq < 0 ? QString() : line.mid(eq + 1);
        entry.Text = line;
        entry.Line = lineNumber;
        Items.last().Entries.append(entry);
    }
}
