#include "FuzzSupport.h"

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
