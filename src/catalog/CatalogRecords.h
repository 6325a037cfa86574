#pragma once

#include "base/TextBuffer.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

// Number of currencies besides the US dollar, in CurrencyOrder.
constexpr int ForeignCurrencyCount = 35;

// The currency codes of a price set's converted amounts, in their fixed order.
const std::array<const char*, ForeignCurrencyCount>& CurrencyOrder();

// Element 0: US dollars; elements 1..35: the same amount in CurrencyOrder.
using TPriceSet = std::array<double, ForeignCurrencyCount + 1>;
using TForeignAmounts = std::array<double, ForeignCurrencyCount>;

// One connector that fits one cable.
struct TConnector {
    std::int32_t ConnectorID = 0;
    QString PartNumber;
    QString ActualInterface;
    QString Characteristics;
    QString PriceDescription;
    QString MatesToInterface;
    QString InnerAttachment;
    QString Grade;          // "P" plated, "S" standard
    QString AttachmentCode; // "S" Prenvo, "R" regular
};

// One cable with the connectors that fit it. The cable owns its connectors; their addresses
// stay valid while connectors are added. A cable loaded from the catalog reads its connector
// lines when they are first asked for (the loader has checked them), so start-up does not pay
// for the connectors of thousands of cables nobody looks at.
struct TTransmissionLine {
    double MinFrequency = 0;
    double MaxFrequency = 0;
    QString Model;
    QString PartNumber;
    QString CableType; // "AIR", "FOAM" or "EW"
    double AttenuationK1 = 0;
    double AttenuationK2 = 0;
    QString Diameter;
    QString Grade; // "S", "P" or "R"
    QString AttachChargePartNumber;
    QString PrenvoOption;
    QString PlatedOption;
    QString StandardOption;
    double MaxPower = 0;
    double PowerFactor = 0;

    // The connectors in catalog order.
    std::deque<TConnector>& Connectors();
    const std::deque<TConnector>& Connectors() const;
    void AddConnector(const TConnector& connector);
    int ConnectorCount() const { return static_cast<int>(Connectors().size()); }
    // index must be below ConnectorCount().
    TConnector& GetConnector(int index);
    const TConnector& GetConnector(int index) const;

    // Connector values in text that are read (with ParseConnectorLine, which must accept each
    // of them) before the connectors are first used: offset and size in text.Bytes().
    using TValueRanges = std::vector<std::pair<qsizetype, qsizetype>>;
    void SetUnreadConnectors(const TTextBuffer& text, TValueRanges values);

private:
    void ReadConnectors() const;

    mutable std::deque<TConnector> ConnectorItems;
    mutable TTextBuffer UnreadText;
    mutable TValueRanges UnreadValues;
};

// A cable's prices as a quote looked them up in the price list: its description, the price per
// length (per foot, or per metre when looked up for metres) and the attachment charge per
// connector, in US dollars and converted into each currency.
struct TCablePrices {
    QString PriceDescription;
    double PricePerLength = 0;
    double AttachChargePrice = 0;
    TForeignAmounts CurrencyPricesPerLength{};
    TForeignAmounts CurrencyAttachChargePrices{};
};

// A connector's description and prices as a quote looked them up.
struct TConnectorPrices {
    QString PriceDescription;
    TPriceSet Prices{};
};

// The assembly being configured. Cable and connectors point into the catalog, which a quote
// only reads: the prices it looks up are its own.
struct TJumper {
    const TTransmissionLine* Cable = nullptr;
    const TConnector* TopConnector = nullptr;
    const TConnector* BottomConnector = nullptr;
    TCablePrices CablePrices;
    TConnectorPrices TopPrices;
    TConnectorPrices BottomPrices;
    QString PartNumberStem;
    QString PartNumber;
    QString PriceDescription;
    QString FeetLengths;
    QString MetreLengths;
    TPriceSet Prices{};
    bool HasPartNumber = false;
};

// The owning catalog and the non-owning query results.
using TCableList = std::vector<std::unique_ptr<TTransmissionLine>>;
using TCableRefs = QList<const TTransmissionLine*>;
