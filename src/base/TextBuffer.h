#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstring>
#include <optional>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How large a data file may be before it is refused unread. The catalog, jumpers.dat and the price
// list grow with the product range (ten times a real catalog is some tens of megabytes); the
// picture table and the rate file hold a few lines.
constexpr qint64 CatalogFileLimit = qint64(1) << 30;    // 1 GiB
constexpr qint64 SmallDataFileLimit = qint64(64) << 20; // 64 MiB

// Reads a whole file that is a regular file (after following links): anything else (a folder, a
// FIFO, a device) is refused before it is opened, so a reader never hangs on it. Throws TDataError
// naming the file by the path as given when it is not a regular file, is larger than maxSize
// bytes or cannot be read; a missing file gives an empty array when missingIsEmpty, else throws.
QByteArray ReadRegularFile(const QString& path, qint64 maxSize, bool missingIsEmpty = false);

// A text file's bytes, held whole and read as lines without decoding more than is asked for.
// The bytes are UTF-8 when they are valid UTF-8 through to the end (a byte-order mark at the
// start is skipped), else Windows-1252. Lines end at "\r\n", '\n' or '\r'; a break at the very
// end does not open another line. Every delimiter the data formats use ('|', '=', '[', ']',
// blanks) is ASCII, so it can be found in the bytes of either encoding, and equal texts have
// equal bytes.
class TTextBuffer
{
public:
    TTextBuffer() = default;
    explicit TTextBuffer(QByteArray bytes);
    TTextBuffer(const TTextBuffer&) = default;
    TTextBuffer& operator=(const TTextBuffer&) = default;
    // A moved-from buffer is empty.
    TTextBuffer(TTextBuffer&& other) noexcept
        : Data(std::move(other.Data)), Start(std::exchange(other.Start, 0)), Utf8(other.Utf8)
    {
        other.Data.clear();
    }
    TTextBuffer& operator=(TTextBuffer&& other) noexcept
    {
        Data = std::move(other.Data);
        other.Data.clear();
        Start = std::exchange(other.Start, 0);
        Utf8 = other.Utf8;
        return *this;
    }

    // Reads the whole file (ReadRegularFile). Throws TDataError when the file exists but cannot
    // be read; a missing file reads as no lines when missingIsEmpty, else throws too.
    static TTextBuffer ReadFile(const QString& path, bool missingIsEmpty = false,
                                qint64 maxSize = CatalogFileLimit);

    bool IsUtf8() const { return Utf8; }
    // The text's bytes, without a byte-order mark.
    QByteArrayView Bytes() const { return QByteArrayView(Data).sliced(Start); }

    // The text of part, which must lie within Bytes().
    QString Decode(QByteArrayView part) const;
    // The bytes text has in this buffer's encoding; nothing when it cannot be written in it.
    std::optional<QByteArray> Encode(const QString& text) const;

    // Calls action(line, lineNumber) for every line, lineNumber from 1; stops early when action
    // returns false.
    template <typename TAction> void ForEachLine(TAction&& action) const;
    QStringList Lines() const;

private:
    QByteArray Data;
    qsizetype Start = 0;
    bool Utf8 = true;
};

// Reads a text file as lines: UTF-8 (Windows-1252 when the bytes are not UTF-8), any line ending.
// Throws TDataError when the file exists but cannot be read; a missing file reads as no lines
// when missingIsEmpty, else throws too.
QStringList ReadTextLines(const QString& path, bool missingIsEmpty = false,
                          qint64 maxSize = CatalogFileLimit);
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

// Byte-level helpers for reading the lines of a TTextBuffer.
namespace TextBytes {

// The first byte in [from, end) that is a or b; end when there is none.
inline const char* FindEither(const char* from, const char* end, char a, char b)
{
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a);
    const __m128i vb = _mm_set1_epi8(b);
    while (end - from >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const int mask =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, va), _mm_cmpeq_epi8(chunk, vb)));
        if (mask != 0)
            return from + __builtin_ctz(static_cast<unsigned>(mask));
        from += 16;
    }
#endif
    for (; from < end; ++from)
        if (*from == a || *from == b)
            return from;
    return end;
}

// The first byte in [from, end) that is a, b or c; end when there is none.
inline const char* FindAny(const char* from, const char* end, char a, char b, char c)
{
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a);
    const __m128i vb = _mm_set1_epi8(b);
    const __m128i vc = _mm_set1_epi8(c);
    while (end - from >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const int mask = _mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, va), _mm_cmpeq_epi8(chunk, vb)),
                         _mm_cmpeq_epi8(chunk, vc)));
        if (mask != 0)
            return from + __builtin_ctz(static_cast<unsigned>(mask));
        from += 16;
    }
#endif
    for (; from < end; ++from)
        if (*from == a || *from == b || *from == c)
            return from;
    return end;
}

// The end of the line that begins at from.
inline const char* LineEnd(const char* from, const char* end)
{
    return FindEither(from, end, '\n', '\r');
}

// The start of the next line after a line that ends at lineEnd.
inline const char* NextLine(const char* lineEnd, const char* end)
{
    if (lineEnd == end)
        return end;
    if (*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n')
        return lineEnd + 2;
    return lineEnd + 1;
}

// Bytes of code 32 and below removed from both ends (TrimControl of the text, on its bytes).
inline QByteArrayView TrimControl(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}

} // namespace TextBytes

template <typename TAction> void TTextBuffer::ForEachLine(TAction&& action) const
{
    const QByteArrayView bytes = Bytes();
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    qint64 lineNumber = 0;
    while (at < end) {
        const char* lineEnd = TextBytes::LineEnd(at, end);
        if (!action(QByteArrayView(at, lineEnd - at), static_cast<int>(++lineNumber)))
            return;
        at = TextBytes::NextLine(lineEnd, end);
    }
}
