// The price list M_lom.dat: the index, checked against a walk from the top of the list, and the
// look-ups that fill cables, connectors and the assembly, with and without exchange rates.

#include "FuzzSupport.h"

#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "pricing/ExchangeRates.h"
#include "pricing/PriceList.h"
#include "pricing/Prices.h"

#include <QSet>

#include <cmath>

namespace {

// A walk from the top of the list, as the look-ups are defined: the first line that is not
// skipped and whose field 3 is the part number.
const QString* FirstLine(const QStringList& lines, const QString& partNumber)
{
    for (const QString& line : lines)
        if (!line.isEmpty() && !IsSkippedLine(line.at(0)) && GetField(line, 3) == partNumber)
            return &line;
    return nullptr;
}

void CheckIndex(const TPriceList& list, const QStringList& lines, const QString& partNumber)
{
    const std::optional<TPriceList::TItem> item = list.Find(partNumber);
    const QString* line = FirstLine(lines, partNumber);
    Fuzz::Require(item.has_value() == (line != nullptr), "the index and the walk disagree",
                  partNumber);
    if (!item)
        return;
    Fuzz::Require(item->Description == GetField(*line, 5), "wrong description", *line);
    // A price that is not a number, negative or above the bound reads as 0.
    double price = ParseNumberOr(GetField(*line, 6), QStringLiteral("0"));
    if (price < 0 || price > MaxUnitPrice)
        price = 0;
    Fuzz::Require(item->Price == price && std::isfinite(item->Price), "wrong price", *line);
}

void LookUps(const TPriceList& list, const TExchangeRates& rates, const QStringList& partNumbers)
{
    for (qsizetype i = 0; i < partNumbers.size(); ++i) {
        const QString& partNumber = partNumbers.at(i);
        const QString& next = partNumbers.at((i + 1) % partNumbers.size());

        TTransmissionLine cable;
        cable.PartNumber = partNumber;
        cable.AttachChargePartNumber = next;
        TJumper assembly;
        LookUpCablePrice(cable, assembly.CablePrices, list, rates, i % 2 == 1);
        const TCablePrice cablePrice = CablePriceInCurrency(
            assembly.CablePrices, QuoteCurrency(17, rates.Available()), i % 2 == 0);

        TConnector connector;
        connector.PartNumber = next;
        LookUpConnectorPrice(connector, assembly.TopPrices, list, rates);
        assembly.BottomPrices = assembly.TopPrices;

        assembly.Cable = &cable;
        assembly.TopConnector = &connector;
        assembly.BottomConnector = &connector;
        assembly.PartNumber = partNumber;
        assembly.HasPartNumber = LookUpAssemblyPrice(assembly, list, rates);
        for (const int tag : {1, 3, 17, 36})
            AssemblyPriceRow(assembly, 10.5, QuoteCurrency(tag, rates.Available()), tag == 3);
        PriceText(cablePrice.UnitPrice);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QStringList lines = Fuzz::ReferenceTextLines(bytes);
    const TPriceList list{TTextBuffer(bytes)};

    QSet<QString> distinct;
    for (const QString& line : lines)
        if (!line.isEmpty() && !IsSkippedLine(line.at(0)))
            distinct.insert(GetField(line, 3));
    Fuzz::Require(list.Count() == distinct.size(), "a different number of part numbers");

    QStringList partNumbers{QStringLiteral("KRV4-50B"), QString()};
    for (const QString& line : Fuzz::Front(lines, 64))
        partNumbers.append(GetField(line, 3));
    for (const QString& partNumber : partNumbers)
        CheckIndex(list, lines, partNumber);

    LookUps(list, TExchangeRates(), partNumbers);
    static const TExchangeRates rates(
        {QStringLiteral("EUR|1.08|"), QStringLiteral("CNY|0.1385|"), QStringLiteral("JPY|0|")},
        QStringLiteral("xcngrate.dat"));
    LookUps(list, rates, partNumbers);
    return 0;
}
