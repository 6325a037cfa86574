// Settings files in QSettings' INI format: any bytes read as settings; written and read again,
// they are written to the same bytes (so every key and value read back as it was), and the
// program's own keys read the same from both.

#include "FuzzSupport.h"

#include "platform/IniSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TIniSettings first(Fuzz::Bytes(data, size));
    const QByteArray written = first.Bytes();
    const TIniSettings second(written);
    Fuzz::Require(second.Bytes() == written,
                  "settings written and read again are written otherwise",
                  QString::fromUtf8(written.left(300)));
    for (const char* key : {"Path", "Window/Geometry", "Window/Maximized"}) {
        const QString name = QLatin1String(key);
        Fuzz::Require(first.Value(name) == second.Value(name), "a value reads otherwise", name);
        Fuzz::Require(first.RectValue(name) == second.RectValue(name), "a place reads otherwise",
                      name);
        Fuzz::Require(first.BoolValue(name) == second.BoolValue(name), "a flag reads otherwise",
                      name);
    }
    return 0;
}
