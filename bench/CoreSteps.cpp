#include "CoreSteps.h"

#include "catalog/Catalog.h"
#include "catalog/DataError.h"
#include "catalog/TextBuffer.h"
#include "pricing/PriceList.h"
#include "quote/Jumpers.h"
#include "SyntheticInstallation.h"

#include <QElapsedTimer>

#include <malloc.h>

namespace {

// Times the parts of one run in order and notes the resident size after each.
class TParts
{
public:
    explicit TParts(QList<TStepResult>& results) : Results(results) { Timer.start(); }

    template <typename TAction> void Part(const char* name, TAction&& action)
    {
        Timer.restart();
        action();
        const double ms = static_cast<double>(Timer.nsecsElapsed()) / 1e6;
        TStepResult* result = nullptr;
        for (TStepResult& existing : Results)
            if (existing.Name == QLatin1String(name))
                result = &existing;
        if (result == nullptr) {
            Results.append(TStepResult{QLatin1String(name), {}, true});
            result = &Results.last();
        }
        result->Ms.append(ms);
        const qint64 resident = ProcessMemory().ResidentKb;
        Held.append({QLatin1String(name), resident - LastResident});
        LastResident = resident;
    }

    QList<QPair<QString, qint64>> Held;
    qint64 LastResident = ProcessMemory().ResidentKb;

private:
    QList<TStepResult>& Results;
    QElapsedTimer Timer;
};

} // namespace

QList<TStepResult> MeasureStartupParts(const TInstallation& installation, int runs,
                                       QStringList& notes)
{
    QList<TStepResult> results;
    const QString& priceFile = installation.StartupFiles.at(0);
    const QString& catalogFile = installation.StartupFiles.at(1);
    for (int run = 0; run < runs; ++run) {
        malloc_trim(0);
        TParts parts(results);
        try {
            TTextBuffer priceText;
            parts.Part("core: read M_lom.dat whole (TTextBuffer)",
                       [&] { priceText = TTextBuffer::ReadFile(priceFile); });
            TPriceList priceList;
            parts.Part("core: TPriceList index of its bytes",
                       [&] { priceList = TPriceList(priceText); });
            TTextBuffer catalogText;
            parts.Part("core: read tlineconnectors.dat whole (TTextBuffer)",
                       [&] { catalogText = TTextBuffer::ReadFile(catalogFile); });
            TCableList cables;
            parts.Part("core: LoadCatalog into Cables (connectors checked)",
                       [&] { LoadCatalog(catalogText, cables, catalogFile); });
            QStringList beginning;
            QStringList ending;
            parts.Part("core: BuildFrequencyLists",
                       [&] { BuildFrequencyLists(cables, beginning, ending); });
            parts.Part("core: every cable's connectors read (done at first use)", [&] {
                for (const auto& cable : cables)
                    cable->Connectors();
            });
            TJumperFile jumpers;
            parts.Part("core: jumpers.dat read at the first search (TJumperFile)",
                       [&] { jumpers.Read(installation.JumperFile); });
        } catch (const TDataError& error) {
            BenchFailure(QStringLiteral("core start-up parts: ") + error.FullText());
        }
        if (run == 0)
            for (const auto& [name, kb] : parts.Held)
                notes.append(QStringLiteral("%1 %2").arg(name, -62).arg(Mb(kb), 10));
    }
    return results;
}
