// Part data: read as start-up reads it, then the assembly as built for the parts it
// names on a sample cable; every figure is a number or unknown, never out of its sense.

#include "FuzzSupport.h"

#include "base/TextBuffer.h"
#include "catalog/AsBuilt.h"
#include "catalog/Catalog.h"
#include "catalog/Specs.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<TDataError> problems;
    const TSpecData specs =
        ParseSpecs(TextLines(Fuzz::Bytes(data, size)), QStringLiteral("specs.dat"), problems);
    for (const TDataError& problem : problems)
        Fuzz::Require(problem.Line > 0, "a problem without its line", problem.FullText());
    SpecProblemsText(problems, QStringLiteral("\n"));

    static const TTransmissionLine cable =
        ParseCableLine(QStringLiteral("400|3000|C|C|FOAM|0.07|0.0002|0.6|S|FAC||Y|Y|3|40|"));
    QList<TConnector> connectors;
    for (auto it = specs.Connectors.cbegin();
         it != specs.Connectors.cend() && connectors.size() < 4; ++it) {
        TConnector connector;
        connector.PartNumber = it.key();
        connectors.append(connector);
    }
    for (qsizetype i = 0; i <= connectors.size(); ++i) {
        const TConnector* top = i < connectors.size() ? &connectors.at(i) : nullptr;
        const TConnector* bottom = connectors.isEmpty() ? nullptr : &connectors.constFirst();
        for (const bool feet : {true, false}) {
            const TAsBuilt built =
                AssemblyAsBuilt({&cable, top, bottom, feet, 10, 700, 2700, &specs});
            for (const double loss : built.InsertionLoss)
                Fuzz::Require(std::isfinite(loss) && loss >= 0, "an insertion loss out of sense");
            Fuzz::Require(std::isnan(built.MaxVswr) || built.MaxVswr >= 1, "a VSWR below 1");
            Fuzz::Require(AsBuiltDataTexts(built).size() == AsBuiltKeys().size(),
                          "a figure without its column");
            AsBuiltRows(built);
        }
    }
    return 0;
}
