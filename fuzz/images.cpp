// The picture table images.dat: the picture of every interface the table names, and of a few
// the catalog uses, in each form (right angle or not, Prenvo or not).

#include "FuzzSupport.h"

#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "catalog/ConnectorLists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList imageTable = TextLines(Fuzz::Bytes(data, size));
    QStringList names{QStringLiteral("7-16 DIN Male"), QStringLiteral("n female"), QString()};
    for (const QString& row : Fuzz::Front(imageTable, 12))
        names.append(GetField(row, 1));
    for (const QString& name : names) {
        for (const bool rightAngle : {false, true}) {
            for (const bool prenvo : {false, true}) {
                const QString file = ConnectorPictureFile(imageTable, name, rightAngle, prenvo);
                Fuzz::Require(!file.contains(QLatin1Char('|')), "a picture name holds '|'", file);
            }
        }
    }
    return 0;
}
