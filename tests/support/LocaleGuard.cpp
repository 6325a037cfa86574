// Built into every test program: a run that names a locale (LC_ALL, LC_NUMERIC or LANG) must get
// it from the C library. Where the locale is not generated, setlocale fails, the C library stays
// in "C" and every path through it would be tested in English only; the run stops at once instead.

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

const char* NamedLocale()
{
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return nullptr;
}

bool CheckLocale()
{
    const char* named = NamedLocale();
    if (named == nullptr || std::strcmp(named, "C") == 0 || std::strcmp(named, "POSIX") == 0)
        return true;
    const bool available = std::setlocale(LC_ALL, "") != nullptr;
    std::setlocale(LC_ALL, "C");
    if (!available) {
        std::fprintf(stderr,
                     "The locale %s is not available on this machine: generate it (Debian: "
                     "locale-gen, or scripts/locales.sh) before running this test.\n",
                     named);
        std::exit(3);
    }
    return true;
}

[[maybe_unused]] const bool LocaleChecked = CheckLocale();

} // namespace
