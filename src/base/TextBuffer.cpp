#include "TextBuffer.h"

#include "SafeFile.h"

#include "DataError.h"
#include "Translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Windows-1252: Latin-1 but for 0x80..0x9F, which hold typographic characters. The five
// unassigned bytes keep their Latin-1 meaning.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte >= 0x80 && byte < 0xA0 ? QChar(High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

TTextBuffer::TTextBuffer(QByteArray bytes) : Data(std::move(bytes))
{
    // A text that is not UTF-8 through to the end (a sequence cut short by the end of the file
    // counts as invalid) is Windows-1252. UTF-8 text loses up to two byte-order marks, as it
    // always has: the decoder's own and the one read after it.
    Utf8 = QByteArrayView(Data).isValidUtf8();
    if (Utf8)
        for (int mark = 0; mark < 2 && QByteArrayView(Data).sliced(Start).startsWith(ByteOrderMark);
             ++mark)
            Start += ByteOrderMark.size();
}

QByteArray ReadRegularFile(const QString& path, qint64 maxSize, bool missingIsEmpty)
{
    const auto cannot = [&path](bool reading, const QString& reason) {
        TDataError error((reading ? Tr("TextBuffer", "Cannot read file \"%1\": %2")
                                  : Tr("TextBuffer", "Cannot open file \"%1\": %2"))
                             .arg(QDir::toNativeSeparators(path), reason));
        error.Reason = reason;
        return error;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        if (missingIsEmpty && !info.isSymLink())
            return {};
        throw cannot(false, info.isSymLink() ? Tr("TextBuffer", "it is a link to nothing.")
                                             : Tr("TextBuffer", "it does not exist."));
    }
    if (!info.isFile())
        throw cannot(false, info.isDir() ? Tr("TextBuffer", "it is a folder.")
                                         : Tr("TextBuffer", "it is not a regular file."));
    const auto tooLarge = [&] {
        return cannot(false,
                      Tr("TextBuffer", "it is larger than %1 MB, more than such a file holds.")
                          .arg(maxSize >> 20));
    };
    if (info.size() > maxSize)
        throw tooLarge();
    // The file opened is checked again: a FIFO put in its place since is refused, not waited on.
    QFile file;
    if (const QString reason = OpenRegularFile(file, path); !reason.isEmpty())
        throw cannot(false, reason);
    // Read into a buffer of the file's size (plus one byte, to see it grow); a file that grows
    // while it is read, or claims a size of 0 as some system files do, still stops at the limit.
    QByteArray bytes(qsizetype(std::min(info.size(), maxSize) + 1), Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxSize)
                throw tooLarge();
            bytes.resize(qsizetype(std::min(2 * filled, maxSize + 1)));
        }
        const qint64 count = file.read(bytes.data() + filled, bytes.size() - filled);
        if (count < 0)
            throw cannot(true, file.errorString());
        if (count == 0)
            break;
        filled += count;
    }
    bytes.resize(qsizetype(filled));
    return bytes;
}

TTextBuffer TTextBuffer::ReadFile(const QString& path, bool missingIsEmpty, qint64 maxSize)
{
    return TTextBuffer(ReadRegularFile(path, maxSize, missingIsEmpty));
}

QString TTextBuffer::Decode(QByteArrayView part) const
{
    if (!Utf8)
        return FromWindows1252(part);
    // A byte-order mark inside the text is a character like any other (QString::fromUtf8 would
    // drop one at the start of every part).
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(part);
}

std::optional<QByteArray> TTextBuffer::Encode(const QString& text) const
{
    if (!Utf8)
        return ToWindows1252(text);
    if (!QStringView(text).isValidUtf16())
        return std::nullopt;
    return text.toUtf8();
}

QStringList TTextBuffer::Lines() const
{
    QStringList lines;
    ForEachLine([&](QByteArrayView line, int) {
        lines.append(Decode(line));
        return true;
    });
    return lines;
}

QStringList ReadTextLines(const QString& path, bool missingIsEmpty, qint64 maxSize)
{
    return TTextBuffer::ReadFile(path, missingIsEmpty, maxSize).Lines();
}

QStringList TextLines(const QByteArray& bytes)
{
    return TTextBuffer(bytes).Lines();
}

bool IsBlankLine(const QString& line)
{
    for (const QChar c : line)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    return true;
}

std::optional<QByteArray> ToWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        int byte = -1;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = c;
        } else {
            for (int j = 0; j < 32; ++j) {
                if (High[j] == c) {
                    byte = 0x80 + j;
                    break;
                }
            }
        }
        if (byte < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(byte);
    }
    return bytes;
}

std::optional<QByteArray> ToUnmistakableWindows1252(const QString& text)
{
    std::optional<QByteArray> bytes = ToWindows1252(text);
    if (!bytes)
        return std::nullopt;
    const TTextBuffer readBack(*bytes);
    if (readBack.IsUtf8() && readBack.Decode(readBack.Bytes()) != text)
        return std::nullopt;
    return bytes;
}
