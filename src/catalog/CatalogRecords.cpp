#include "CatalogRecords.h"

#include "Catalog.h"

#include <cassert>

const std::array<const char*, ForeignCurrencyCount>& CurrencyOrder()
{
    static const std::array<const char*, ForeignCurrencyCount> order = {
        "CAD", "DEM", "EUR", "JPY", "GBP", "BRL", "CNY", "ZAR", "HKD", "INR", "KRW", "PHP",
        "SGD", "TWD", "ATS", "BEF", "CHF", "DKK", "ESP", "FIM", "FRF", "GRD", "IEP", "ITL",
        "NLG", "NOK", "PTE", "SEK", "AED", "SAR", "MXP", "AUD", "IDR", "NZD", "ARS"};
    return order;
}

std::deque<TConnector>& TTransmissionLine::Connectors()
{
    ReadConnectors();
    return ConnectorItems;
}

const std::deque<TConnector>& TTransmissionLine::Connectors() const
{
    ReadConnectors();
    return ConnectorItems;
}

void TTransmissionLine::AddConnector(const TConnector& connector)
{
    Connectors().push_back(connector);
}

TConnector& TTransmissionLine::GetConnector(int index)
{
    assert(index >= 0 && index < ConnectorCount());
    return Connectors().at(static_cast<std::size_t>(index));
}

const TConnector& TTransmissionLine::GetConnector(int index) const
{
    assert(index >= 0 && index < ConnectorCount());
    return Connectors().at(static_cast<std::size_t>(index));
}

void TTransmissionLine::SetUnreadConnectors(const TTextBuffer& text, TValueRanges values)
{
    ReadConnectors();
    UnreadText = text;
    UnreadValues = std::move(values);
}

void TTransmissionLine::ReadConnectors() const
{
    if (UnreadValues.empty())
        return;
    // Read into a list of its own first: a failure part-way leaves the cable as it was.
    std::deque<TConnector> read;
    const QByteArrayView bytes = UnreadText.Bytes();
    for (const auto& [offset, size] : UnreadValues)
        read.push_back(ParseConnectorLine(UnreadText.Decode(bytes.sliced(offset, size))));
    UnreadValues = {};
    UnreadText = {};
    for (TConnector& connector : read)
        ConnectorItems.push_back(std::move(connector));
}
