#pragma once

#include "TextBuffer.h"

#include <QList>
#include <QString>
#include <QStringList>

// A text file of [section] headers and key=value lines.
//  - A line that begins with '[' and ends with ']' opens a section.
//  - Empty lines (blanks and tabs alone count as empty, unless blank lines are kept), a line
//    holding only the end-of-file character (code 26) and lines before the first section are
//    ignored.
//  - A section whose name (without regard to case) occurred before is ignored, with its lines.
//  - Lines are taken as they stand; the key is the text before the first '='.
class TSectionedFile
{
public:
    // Whether a line of blanks and tabs alone is skipped as empty or kept as an entry.
    enum class TBlankLines { Skip, Keep };

    struct Entry {
        QString Key;
        QString Value;
        QString Text; // the whole line
        int Line = 0; // 1-based line number in the file
    };
    struct Section {
        QString Name;
        int Line = 0;
        QList<Entry> Entries;
        // The value of the first entry with this key (exact match); empty when there is none.
        QString Value(const QString& key) const;
        // The line number of the first entry with this key, or the section's line.
        int LineOf(const QString& key) const;
    };

    TSectionedFile() = default;
    explicit TSectionedFile(const QStringList& lines, TBlankLines blank = TBlankLines::Skip)
    {
        Parse(lines, blank);
    }

    void Parse(const QStringList& lines, TBlankLines blank = TBlankLines::Skip);
    const QList<Section>& Sections() const { return Items; }

private:
    QList<Section> Items;
};
