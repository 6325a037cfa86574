#include "NumericLocale.h"

#include <QtGlobal>

#include <clocale>

#ifdef Q_OS_UNIX
#include <locale.h>
#endif

void KeepCNumericFormat()
{
    std::setlocale(LC_NUMERIC, "C");
}

#ifdef Q_OS_UNIX

namespace {

// One "C" locale object for every scope; newlocale's result is never freed, as it lives as long
// as the process.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

TCNumericScope::TCNumericScope()
{
    if (const locale_t c = CLocale(); c != static_cast<locale_t>(nullptr))
        Previous = uselocale(c);
}

TCNumericScope::~TCNumericScope()
{
    if (Previous != nullptr)
        uselocale(static_cast<locale_t>(Previous));
}

#else

// Windows: the thread takes a locale of its own while the scope lasts.
TCNumericScope::TCNumericScope()
{
    Previous = reinterpret_cast<void*>(
        static_cast<qintptr>(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)));
    std::setlocale(LC_NUMERIC, "C");
}

TCNumericScope::~TCNumericScope()
{
    _configthreadlocale(static_cast<int>(reinterpret_cast<qintptr>(Previous)));
}

#endif
