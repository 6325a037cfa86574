#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a text file as lines: UTF-8 (Windows-1252 when the bytes are not UTF-8), any line ending.
// Throws TDataError when the file exists but cannot be read; a missing file reads as no lines
// when missingIsEmpty, else throws too.
QStringList ReadTextLines(const QString& path, bool missingIsEmpty = false);
// The lines of a file's bytes, decoded as above.
QStringList TextLines(const QByteArray& bytes);

// The text in Windows-1252, the reverse of the reading above (the five unassigned bytes stand
// for the control characters of the same code); nothing when a character does not fit.
std::optional<QByteArray> ToWindows1252(const QString& text);

// The same, but also nothing when the bytes would read as the UTF-8 of another text: a reader
// that tries UTF-8 first (as the one above does) must get this text back.
std::optional<QByteArray> ToUnmistakableWindows1252(const QString& text);

// True for an empty line and a line of nothing but blanks and tabs: an invisible stray line in a
// hand-edited file counts as empty.
bool IsBlankLine(const QString& line);

// A text file of [section] headers and key=value lines.
//  - A line that begins with '[' and ends with ']' opens a section.
//  - Empty lines (blanks and tabs alone count as empty), a line holding only the end-of-file
//  character (code 26) and lines before the
//    first section are ignored.
//  - A section whose name (without regard to case) occurred before is ignored, with its lines.
//  - Lines are taken as they stand; the key is the text before the first '='.
class TSectionedFile
{
public:
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
    explicit TSectionedFile(const QStringList& lines) { Parse(lines); }

    void Parse(const QStringList& lines);
    const QList<Section>& Sections() const { return Items; }

private:
    QList<Section> Items;
};
