#pragma once

#include "base/KeyIndex.h"
#include "base/TextBuffer.h"
#include "catalog/CatalogRecords.h"

#include <QString>

#include <future>
#include <memory>
#include <optional>
#include <vector>

class TExchangeRates;

// The price list M_lom.dat, indexed once. A line is skipped when it is empty or begins with a
// skip character (IsSkippedLine); field 3, trimmed, is the part number, field 5 the
// description and field 6 the US-dollar price (empty or not a number reads as 0). For each part
// number the first line counts, exactly as a walk from the top of the list would find it.
//
// The list keeps the file's bytes and, per part number, where its first line starts: a look-up
// reads that one line. Indexing looks at the bytes alone, so it costs little more than reading
// the file, and it runs on a thread of its own, begun when the list is made: start-up does not
// wait for it. A look-up waits until the index is complete, so it never sees a part of it.
class TPriceList
{
public:
    struct TItem {
        QString Description;
        double Price = 0;
        // The line gives a usable price: a number from 0 to MaxUnitPrice (otherwise Price is 0).
        bool Priced = false;
    };

    TPriceList() = default;
    explicit TPriceList(TTextBuffer text);

    // The first line whose field 3 equals partNumber exactly (case-sensitive); nothing when none.
    std::optional<TItem> Find(const QString& partNumber) const;
    // The number of distinct part numbers.
    qsizetype Count() const;

private:
    // Where a part number's first line starts, and its part number, in Text.Bytes().
    struct TEntry {
        qsizetype LineStart = 0;
        qsizetype PartNumberStart = 0;
        qsizetype PartNumberSize = 0;
    };
    struct TIndexed {
        TTextBuffer Text;
        std::vector<TEntry> Entries; // one per part number, in file order
        TKeyIndex Index;             // part number -> index into Entries

        void Build();
        QByteArrayView PartNumberOf(const TEntry& entry) const;
        QByteArrayView LineAt(qsizetype start) const;
    };

    // The list once its index is complete.
    const TIndexed* Indexed() const;

    // Shared by copies of the list; never changed once built.
    std::shared_ptr<TIndexed> Data;
    std::shared_future<void> Built;
};

// True when the list has a line of this part number with a usable price.
bool HasListPrice(const TPriceList& list, const QString& partNumber);

// Fills the prices of the cable: description, price per length (per metre, times 3.2808, when
// metres is the chosen unit) and attachment charge (never scaled; 0 when the cable names no
// charge part number), and, when rates are available, their conversions. What the list lacks
// keeps its previous values.
void LookUpCablePrice(const TTransmissionLine& cable, TCablePrices& prices, const TPriceList& list,
                      const TExchangeRates& rates, bool metres);
// Fills the connector's description and price set; nothing changes when the list lacks it.
void LookUpConnectorPrice(const TConnector& connector, TConnectorPrices& prices,
                          const TPriceList& list, const TExchangeRates& rates);
// Clears the assembly's description and price set, then fills them from the line of its
// PartNumber. False when the list has no such line: the assembly is then priced from its parts.
bool LookUpAssemblyPrice(TJumper& assembly, const TPriceList& list, const TExchangeRates& rates);
