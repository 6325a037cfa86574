#include "PriceList.h"

#include "base/LineFormat.h"
#include "catalog/Performance.h"
#include "ExchangeRates.h"

#include <algorithm>
#include <array>

namespace {

// Element 0 the US-dollar amount; the conversions only when there are rates.
void FillPriceSet(TPriceSet& prices, double usDollars, const TExchangeRates& rates)
{
    prices[0] = usDollars;
    if (!rates.Available())
        return;
    const TForeignAmounts converted = rates.Convert(usDollars);
    std::copy(converted.begin(), converted.end(), prices.begin() + 1);
}

} // namespace

TPriceList::TPriceList(TTextBuffer text) : Data(std::make_shared<TIndexed>())
{
    Data->Text = std::move(text);
    // The thread holds the data it builds, so a list destroyed early leaves it nothing dangling.
    Built = std::async(std::launch::async, [data = Data] { data->Build(); }).share();
}

const TPriceList::TIndexed* TPriceList::Indexed() const
{
    if (!Data)
        return nullptr;
    Built.get();
    return Data.get();
}

qsizetype TPriceList::Count() const
{
    const TIndexed* indexed = Indexed();
    return indexed != nullptr ? static_cast<qsizetype>(indexed->Entries.size()) : 0;
}

void TPriceList::TIndexed::Build()
{
    const QByteArrayView bytes = Text.Bytes();
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    // Price lines run to about a hundred bytes; the guess saves most of the rehashing.
    const auto guess = static_cast<size_t>(bytes.size() / 128);
    Entries.reserve(guess);
    Index.Reset(guess);
    const auto keyOf = [this](qsizetype entry) {
        return PartNumberOf(Entries[size_t(entry)]);
    };

    // Part numbers go into the index a few lines after their slots are prefetched, in line
    // order, so the first line of a part number still wins.
    struct TPending {
        QByteArrayView PartNumber;
        quint32 Hash = 0;
        const char* LineStart = nullptr;
    };
    constexpr size_t Ahead = 16;
    std::array<TPending, Ahead> pending;
    size_t lines = 0;
    const auto insert = [&](const TPending& line) {
        const auto entry = static_cast<qsizetype>(Entries.size());
        if (Index.Insert(line.PartNumber, line.Hash, entry, keyOf) == entry)
            Entries.push_back(TEntry{line.LineStart - begin,
                                     line.PartNumber.isEmpty() ? 0 : line.PartNumber.data() - begin,
                                     line.PartNumber.size()});
    };

    const char* at = begin;
    while (at < end) {
        // One pass over the line: the first three delimiters, then on to its end.
        const char* lineStart = at;
        const char* bars[3] = {};
        int found = 0;
        const char* scan = at;
        while (found < 3) {
            scan = TextBytes::FindAny(scan, end, '|', '\n', '\r');
            if (scan == end || *scan != '|')
                break;
            bars[found++] = scan++;
        }
        const char* lineEnd = found == 3 ? TextBytes::LineEnd(scan, end) : scan;
        at = TextBytes::NextLine(lineEnd, end);
        if (lineEnd == lineStart || IsSkippedLine(QLatin1Char(*lineStart)))
            continue;

        const QByteArrayView partNumber =
            found == 3 ? TextBytes::TrimControl(QByteArrayView(bars[1] + 1, bars[2]))
                       : QByteArrayView();
        const quint32 hash = Index.Hash(partNumber);
        Index.Prefetch(hash);
        TPending& slot = pending[lines % Ahead];
        if (lines >= Ahead)
            insert(slot);
        slot = TPending{partNumber, hash, lineStart};
        ++lines;
    }
    for (size_t line = lines > Ahead ? lines - Ahead : 0; line < lines; ++line)
        insert(pending[line % Ahead]);
}

QByteArrayView TPriceList::TIndexed::PartNumberOf(const TEntry& entry) const
{
    return Text.Bytes().sliced(entry.PartNumberStart, entry.PartNumberSize);
}

QByteArrayView TPriceList::TIndexed::LineAt(qsizetype start) const
{
    const QByteArrayView bytes = Text.Bytes();
    const char* from = bytes.data() + start;
    return QByteArrayView(from, TextBytes::LineEnd(from, bytes.data() + bytes.size()));
}

std::optional<TPriceList::TItem> TPriceList::Find(const QString& partNumber) const
{
    const TIndexed* data = Indexed();
    if (data == nullptr)
        return std::nullopt;
    const std::optional<QByteArray> key = data->Text.Encode(partNumber);
    if (!key)
        return std::nullopt;
    const qsizetype entry = data->Index.Find(*key, [data](qsizetype stored) {
        return data->PartNumberOf(data->Entries[size_t(stored)]);
    });
    if (entry < 0)
        return std::nullopt;
    const QString line = data->Text.Decode(data->LineAt(data->Entries[size_t(entry)].LineStart));
    // A price that is not a number, negative or above MaxUnitPrice reads as 0, as a missing
    // price does; the item is then not priced.
    double price = 0;
    const bool priced =
        TryStrToFloat(GetField(line, 6), price) && price >= 0 && price <= MaxUnitPrice;
    if (!priced)
        price = 0;
    return TItem{GetField(line, 5), price, priced};
}

bool HasListPrice(const TPriceList& list, const QString& partNumber)
{
    const std::optional<TPriceList::TItem> item = list.Find(partNumber);
    return item && item->Priced;
}

void LookUpCablePrice(const TTransmissionLine& cable, TCablePrices& prices, const TPriceList& list,
                      const TExchangeRates& rates, bool metres)
{
    if (cable.AttachChargePartNumber.isEmpty()) {
        prices.AttachChargePrice = 0;
    } else if (const std::optional<TPriceList::TItem> charge =
                   list.Find(cable.AttachChargePartNumber)) {
        prices.AttachChargePrice = charge->Price;
        if (rates.Available())
            prices.CurrencyAttachChargePrices = rates.Convert(charge->Price);
    }

    if (const std::optional<TPriceList::TItem> item = list.Find(cable.PartNumber)) {
        prices.PriceDescription = item->Description;
        prices.PricePerLength = metres ? item->Price * FeetPerMetre : item->Price;
        if (rates.Available())
            prices.CurrencyPricesPerLength = rates.Convert(prices.PricePerLength);
    }
}

void LookUpConnectorPrice(const TConnector& connector, TConnectorPrices& prices,
                          const TPriceList& list, const TExchangeRates& rates)
{
    if (const std::optional<TPriceList::TItem> item = list.Find(connector.PartNumber)) {
        prices.PriceDescription = item->Description;
        FillPriceSet(prices.Prices, item->Price, rates);
    }
}

bool LookUpAssemblyPrice(TJumper& assembly, const TPriceList& list, const TExchangeRates& rates)
{
    assembly.PriceDescription.clear();
    assembly.Prices.fill(0);
    const std::optional<TPriceList::TItem> item = list.Find(assembly.PartNumber);
    if (!item)
        return false;
    assembly.PriceDescription = item->Description;
    FillPriceSet(assembly.Prices, item->Price, rates);
    return true;
}
