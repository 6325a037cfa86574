#include "Floor.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <vector>

namespace {

// Splits every line of text at '\n' (dropping a '\r' before it) and then at '|'.
template <typename TView, typename TChar>
void SplitLines(TView text, TChar newline, TChar carriageReturn, TChar bar, TFloorResult& result)
{
    QVarLengthArray<TView, 32> fields;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = text.indexOf(newline, start);
        if (end < 0)
            end = size;
        TView line = text.sliced(start, end - start);
        if (!line.isEmpty() && line.back() == carriageReturn)
            line.chop(1);
        fields.clear();
        qsizetype from = 0;
        for (qsizetype at = line.indexOf(bar); at >= 0; at = line.indexOf(bar, from)) {
            fields.append(line.sliced(from, at - from));
            from = at + 1;
        }
        fields.append(line.sliced(from));
        ++result.Lines;
        result.Fields += fields.size();
        for (const TView& field : fields)
            result.FieldChars += field.size();
        start = end + 1;
    }
}

} // namespace

TFloorResult ReadFloor(const QStringList& files, bool decode)
{
    TFloorResult result;
    std::vector<QByteArray> contents;
    std::vector<QString> texts;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        contents.push_back(file.readAll());
        const QByteArray& bytes = contents.back();
        result.Bytes += bytes.size();
        if (decode) {
            texts.push_back(QString::fromUtf8(bytes));
            SplitLines(QStringView(texts.back()), u'\n', u'\r', u'|', result);
        } else {
            SplitLines(QByteArrayView(bytes), '\n', '\r', '|', result);
        }
    }
    return result;
}
