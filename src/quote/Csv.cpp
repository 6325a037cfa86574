#include "Csv.h"

#include "catalog/DataError.h"

#include <QStringDecoder>

int TCsvTable::Column(const QString& heading) const
{
    const QString wanted = heading.trimmed();
    for (int i = 0; i < Headings.size(); ++i)
        if (Headings.at(i).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TCsvTable ParseCsv(const QByteArray& bytes)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError())
        throw TDataError(QStringLiteral("The file is not UTF-8 text."));

    TCsvTable table;
    QStringList fields;
    QString field;
    int line = 1;
    int rowLine = 1;
    bool quoted = false;   // inside a quoted field
    bool closed = false;   // a quoted field has ended; only a separator may follow
    bool anything = false; // the row has any character
    const auto endRow = [&] {
        fields.append(field);
        field.clear();
        const bool empty = !anything && fields.size() == 1;
        if (!empty) {
            if (table.Headings.isEmpty() && table.Rows.isEmpty())
                table.Headings = fields;
            else {
                table.Rows.append(fields);
                table.RowLines.append(rowLine);
            }
        }
        fields.clear();
        anything = false;
        closed = false;
    };
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                    closed = true;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            fields.append(field);
            field.clear();
            closed = false;
            anything = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
            ++line;
            rowLine = line;
        } else if (closed) {
            throw TDataError(
                QStringLiteral("Line %1: text after the closing quote of a field.").arg(line));
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            anything = true;
        } else {
            field += c;
            anything = true;
        }
    }
    if (quoted)
        throw TDataError(QStringLiteral("Line %1: a quoted field is not closed.").arg(rowLine));
    if (anything || !fields.isEmpty())
        endRow();
    return table;
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
