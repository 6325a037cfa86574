#include "FuzzSupport.h"

#include <QStringDecoder>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    // Qt reads the regional settings from the environment when QLocale::system() is first used.
    const char* locale = std::getenv("FERROLYN_FUZZ_LOCALE");
    const QByteArray name =
        locale != nullptr && *locale != '\0' ? QByteArray(locale) : QByteArray("de_DE.UTF-8");
    setenv("LC_ALL", name.constData(), 1);
    setenv("LANG", name.constData(), 1);
    return 0;
}

namespace Fuzz {

QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

QStringList ReferenceTextLines(const QByteArray& bytes)
{
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = QString(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes.at(i));
            text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(High[byte - 0x80]) : QChar(byte);
        }
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QStringList Front(const QStringList& list, qsizetype count)
{
    return list.mid(0, count);
}

void Fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "INVARIANT BROKEN: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace Fuzz
