#include "Csv.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/Translate.h"

#include <QStringDecoder>

int TCsvTable::Column(const QString& heading) const
{
    const QString wanted = heading.trimmed();
    for (int i = 0; i < Headings.size(); ++i)
        if (Headings.at(i).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TCsvTable ParseCsv(const QByteArray& bytes, const TCsvLimits& limits)
{
    // Every character the format gives a meaning (',', '"', CR, LF) is ASCII, so the bytes are
    // split as they are and each cell decoded on its own: a cell boundary never falls inside a
    // character, and a byte that is not UTF-8 is found in the cell that holds it.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const char* at = bytes.constData();
    const char* const end = at + bytes.size();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        at += 3;

    TCsvTable table;
    char separator = ',';
    if (limits.DetectSemicolons) {
        const QByteArrayView rest(at, end);
        qsizetype lineEnd = 0;
        while (lineEnd < rest.size() && rest[lineEnd] != '\n' && rest[lineEnd] != '\r')
            ++lineEnd;
        const QByteArrayView heading = rest.first(lineEnd);
        if (heading.contains(';') && !heading.contains(','))
            separator = ';';
    }
    table.Semicolons = separator == ';';
    QStringList fields;
    QByteArray field;
    int line = 1;
    int rowLine = 1;
    bool quoted = false;   // inside a quoted field
    bool closed = false;   // a quoted field has ended; only a separator may follow
    bool anything = false; // the row has any character
    const auto addField = [&] {
        if (fields.size() >= limits.Cells)
            throw TDataError(
                Tr("Csv", "Line %1: a row has more than %2 cells.").arg(rowLine).arg(limits.Cells));
        QString text;
        if (!field.isEmpty()) {
            text = utf8(field);
            if (utf8.hasError())
                throw TDataError(Tr("Csv", "The file is not UTF-8 text."));
        }
        fields.append(text);
        field.clear();
    };
    const auto addByte = [&](char c) {
        if (field.size() >= limits.FieldBytes)
            throw TDataError(Tr("Csv", "Line %1: a cell is longer than %2 bytes.")
                                 .arg(line)
                                 .arg(limits.FieldBytes));
        field += c;
    };
    const auto endRow = [&] {
        addField();
        const bool empty = !anything && fields.size() == 1;
        if (!empty) {
            if (table.Headings.isEmpty() && table.Rows.isEmpty())
                table.Headings = fields;
            else if (table.Rows.size() >= limits.Rows)
                throw TDataError(Tr("Csv", "Line %1: the file has more than %2 rows.")
                                     .arg(rowLine)
                                     .arg(limits.Rows));
            else {
                table.Rows.append(fields);
                table.RowLines.append(rowLine);
            }
        }
        fields.clear();
        anything = false;
        closed = false;
    };
    for (; at < end; ++at) {
        const char c = *at;
        if (quoted) {
            if (c == '"') {
                if (at + 1 < end && at[1] == '"') {
                    addByte(c);
                    ++at;
                } else {
                    quoted = false;
                    closed = true;
                }
            } else {
                if (c == '\n')
                    ++line;
                addByte(c);
            }
            continue;
        }
        if (c == separator) {
            addField();
            closed = false;
            anything = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && at + 1 < end && at[1] == '\n')
                ++at;
            endRow();
            ++line;
            rowLine = line;
        } else if (closed) {
            throw TDataError(
                Tr("Csv", "Line %1: text after the closing quote of a field.").arg(line));
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
            anything = true;
        } else {
            addByte(c);
            anything = true;
        }
    }
    if (quoted)
        throw TDataError(Tr("Csv", "Line %1: a quoted field is not closed.").arg(rowLine));
    if (anything || !fields.isEmpty())
        endRow();
    return table;
}

QString SpreadsheetText(const QString& text)
{
    if (text.isEmpty())
        return text;
    switch (text.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        break;
    default:
        return text;
    }
    return IsNumber(text) ? text : QLatin1Char('\'') + text;
}

QString CsvLine(const QStringList& fields)
{
    // A line of one empty field is written "", so that it is not an empty line, which is skipped;
    // a field starting with a byte-order mark is quoted, so that the mark is not taken for the
    // file's.
    if (fields.size() == 1 && fields.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList written;
    for (const QString& field : fields) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
            field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
            field.startsWith(QChar(0xFEFF))) {
            QString quoted = field;
            quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
            written.append(QLatin1Char('"') + quoted + QLatin1Char('"'));
        } else {
            written.append(field);
        }
    }
    return written.join(QLatin1Char(','));
}
