#include "CoreSteps.h"

#include "base/DataError.h"
#include "base/TextBuffer.h"
#include "catalog/Catalog.h"
#include "order/OrderFile.h"
#include "pricing/PriceList.h"
#include "quote/BatchQuote.h"
#include "quote/Jumpers.h"
#include "SyntheticInstallation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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

// Order files at the reader's limits (4 MiB, 20,000 lines, fields of 2,000 characters): the worst
// a user can open, each opened or refused in one pass.
struct TWorstFile {
    const char* Step;
    QByteArray Bytes;
};

QList<TWorstFile> WorstOrders()
{
    const QByteArray head = "[Header]\r\nCompany Name=\r\nAuthor=\r\nDate=\r\nJob Number=\r\n"
                            "Proposal Number=\r\nFile Name=\r\nFile Path=\r\nCurrency=USD\r\n\r\n"
                            "[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\nShip To City=\r\n"
                            "Ship To State/Province=\r\nShip To Country=\r\n";
    constexpr qint64 limit = qint64(4) << 20;
    QByteArray manyLines = head;
    for (int n = 1; manyLines.size() < limit - 300 && n < 19980; ++n)
        manyLines += QByteArray::number(n) + "=12.5|Feet||KRV4-50B-" + QByteArray::number(n) + "|" +
                     QByteArray(150, 'd') + "|2.15|\r\n";
    QByteArray longFields = head;
    for (int n = 1; longFields.size() < limit - 2100; ++n)
        longFields += QByteArray::number(n) + "=1|Each||P" + QByteArray::number(n) + "|" +
                      QByteArray(1990, 'd') + "|30|\r\n";
    QByteArray withoutEquals = head;
    for (int n = 1; n < 19980; ++n)
        withoutEquals += "no equals sign on this line at all\r\n";
    QByteArray oneLine =
        head + "1=1|Each||P|" + QByteArray(limit - head.size() - 40, 'd') + "|1|\r\n";
    return {{"core: worst order file opened: 19,979 item lines, 4 MiB", manyLines},
            {"core: worst order file opened: 2,000-character descriptions", longFields},
            {"core: worst order file refused: 19,979 lines without '='", withoutEquals},
            {"core: worst order file refused: one 4 MiB description", oneLine}};
}

// Batch files at the reader's limits (16 MiB): millions of empty cells or rows, one huge cell,
// and 20,000 rows of a hundred cells, each parsed or refused in one pass.
QList<TWorstFile> WorstBatchFiles()
{
    const qint64 limit = BatchFileLimit;
    const QByteArray head = BatchColumns().join(QLatin1Char(',')).toUtf8() + "\r\n";
    QByteArray fullRows = head;
    const QByteArray row = QByteArray("jumper,6,ft") + QByteArray(97, ',') + "\r\n";
    for (int n = 0; n < MaxBatchRows; ++n)
        fullRows += row;
    return {{"core: worst batch file refused: 16 MiB of commas",
             head + QByteArray(limit - head.size(), ',')},
            {"core: worst batch file refused: 8 million empty rows",
             head + QByteArray(",\n").repeated((limit - head.size()) / 2)},
            {"core: worst batch file refused: one 16 MiB cell",
             head + '"' + QByteArray(limit - head.size() - 2, 'x') + '"'},
            {"core: worst batch file read: 20,000 rows of 100 cells", fullRows}};
}

} // namespace

QList<TStepResult> MeasureStartupParts(const TSyntheticInstallation& installation, int runs,
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
            // Built on a thread of its own; the first look-up waits for it.
            parts.Part("core: TPriceList index of its bytes (on its own thread, waited for)", [&] {
                priceList = TPriceList(priceText);
                priceList.Count();
            });
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
        QTemporaryDir folder;
        // Each worst file written, then read (or refused) as a user's choice of it would be.
        const auto worst = [&](const TWorstFile& file, const QString& name, auto read) {
            const QString path = QDir(folder.path()).filePath(name);
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly) || out.write(file.Bytes) != file.Bytes.size())
                BenchFailure(QStringLiteral("cannot write ") + path);
            out.close();
            malloc_trim(0);
            const bool highWater = ResetHighWater();
            const qint64 before = ProcessMemory().ResidentKb;
            parts.Part(file.Step, [&] {
                try {
                    read(path);
                } catch (const TDataError&) {
                    // Refused, as a file beyond the limits must be.
                }
            });
            if (run == 0 && highWater)
                notes.append(QStringLiteral("%1 %2")
                                 .arg(QLatin1String(file.Step) + QStringLiteral(" (peak)"), -62)
                                 .arg(Mb(ProcessMemory().HighWaterKb - before), 10));
        };
        for (const TWorstFile& batch : WorstBatchFiles())
            worst(batch, QStringLiteral("worst.csv"),
                  [](const QString& path) { ReadBatchFile(path); });
        for (const TWorstFile& order : WorstOrders())
            worst(order, QStringLiteral("worst.fyn"),
                  [](const QString& path) { ReadOrderFile(path); });
        if (run == 0)
            for (const auto& [name, kb] : parts.Held)
                notes.append(QStringLiteral("%1 %2").arg(name, -62).arg(Mb(kb), 10));
    }
    return results;
}
