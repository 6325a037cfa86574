// The CSV of assemblies to quote: any bytes read as a table or refused with a located error; a
// table written back with CsvLine reads as the same table. A table with the batch columns is
// quoted against a small catalog: each row is quoted or has its reason, and the CSV and JSON
// written of the quotes read back.

#include "FuzzSupport.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "catalog/Catalog.h"
#include "order/Order.h"
#include "quote/BatchQuote.h"
#include "quote/Csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// A jumper cable with Prenvo and regular connectors and standard assemblies in feet and metres,
// a feeder cable, and a waveguide.
struct TFixture {
    TFixture()
    {
        LoadCatalog(TTextBuffer(QByteArrayLiteral(
                        "[Catalog]\nVersion=1\n"
                        "[KRV4-50B]\n"
                        "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|"
                        "3.3|40|\n"
                        "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
                        "C2=402|V4DM-P|7-16 DIN Male||7-16 DIN Female|Captivated Pin|P|R|\n"
                        "C3=403|V4DM-S|7-16 DIN Male||7-16 DIN Female|Captivated Pin|S|R|\n"
                        "C4=405|V4NM-P|N Male|Right Angle|N Female||P|R|\n"
                        "[KRV5-50B]\n"
                        "TLine=700|2700|KRV5-50B|KRV5-50B|FOAM|0.0382|0.00012|1.10|S|FAC-5||Y|Y|9|"
                        "80|\n"
                        "C1=501|V5DM-P|7-16 DIN Male||7-16 DIN Female||P|R|\n"
                        "[KWE17]\n"
                        "TLine=1700|2300|KWE17|KWE17|EW|1350|950|2.87|S|FAC-EW17|||Y|1|2|\n"
                        "C1=701|E17DM-S|7-16 DIN Male||7-16 DIN Female||S|R|\n")),
                    Cables);
        PriceList = TPriceList(TTextBuffer(QByteArrayLiteral(
            "CAB|1|KRV4-50B|FT|1/2 in. cable|2.10|\nCON|2|V4DM-PV|EA|7-16 DIN male|38.50|\n"
            "CON|2|V5DM-P|EA|7-16 DIN male|62.40|\nSVC|3|FAC-4|EA|charge|15.00|\n"
            "ASM|4|KJ4-DMDM-PV-6|EA|Jumper 6 ft|1e9|\n")));
        JumpersPath = QDir::temp().filePath(
            QStringLiteral("ferrolyn-fuzz-jumpers-%1.dat").arg(QCoreApplication::applicationPid()));
        QFile file(JumpersPath);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("[Assemblies]\nVersion=1\n[KRV4-50B]\nTLine=KRV4-50B|\n"
                       "J1=401|401|x|x|KJ4-DMDM-PV-|x|3,6,10|1,2.5|\n") < 0)
            Fuzz::Fail("cannot write the fixture's jumpers.dat", JumpersPath);
    }
    ~TFixture() { QFile::remove(JumpersPath); }

    TCableList Cables;
    TPriceList PriceList;
    TExchangeRates Rates;
    TJumperFile Jumpers;
    QString JumpersPath;
};

void QuoteRows(const TCsvTable& table)
{
    try {
        CheckBatchHeadings(table);
    } catch (const TDataError&) {
        return;
    }
    static TFixture fixture;
    TBatchSources sources;
    sources.Cables = &fixture.Cables;
    sources.Quote = {&fixture.PriceList, &fixture.Rates,      false,
                     &fixture.Jumpers,   fixture.JumpersPath, nullptr};
    QList<TBatchItem> items;
    qsizetype lines = 1;
    for (int index = 0; index < table.Rows.size() && index < 16; ++index) {
        const TBatchItem item = QuoteBatchRow(table, index, sources, 1);
        Fuzz::Require(item.Error.isEmpty() != item.ResultRows.isEmpty(),
                      "a row is neither quoted nor refused",
                      QString::number(item.Row) + QLatin1Char(' ') + item.Kind);
        if (item.Error.isEmpty()) {
            Fuzz::Require(item.Figures.size() == 7, "a quote without its seven figures");
            Fuzz::Require(item.Quantity >= 1 && item.Quantity <= MaxOrderQuantity,
                          "a quantity out of bounds");
            QList<TOrderLine> order;
            Fuzz::Require(AddResultRows(order, item.ResultRows), "a quote the order refuses",
                          QString::number(item.Row));
        }
        lines += std::max<qsizetype>(1, item.ResultRows.size());
        items.append(item);
    }
    try {
        Fuzz::Require(ParseCsv(BatchCsv(items)).Rows.size() + 1 == lines,
                      "the quotes' CSV has other lines than the quotes");
    } catch (const TDataError& error) {
        Fuzz::Fail("the quotes' CSV does not read back", error.FullText());
    }
    Fuzz::Require(QJsonDocument::fromJson(BatchJson(items)).array().size() == items.size(),
                  "the quotes' JSON does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TCsvTable table;
    try {
        table = ParseCsv(Fuzz::Bytes(data, size));
    } catch (const TDataError& error) {
        error.FullText();
        return 0;
    }
    Fuzz::Require(table.Rows.size() == table.RowLines.size(), "a row without its line");
    // Small limits, which short inputs reach: a table within them reads as without them, and one
    // beyond them is refused.
    const TCsvLimits small{4, 6, 16};
    bool within = table.Rows.size() <= small.Rows && table.Headings.size() <= small.Cells;
    for (const QStringList& row : std::as_const(table.Rows))
        within = within && row.size() <= small.Cells;
    for (const QStringList& row : QList<QStringList>{table.Headings} + table.Rows)
        for (const QString& field : row)
            within = within && field.toUtf8().size() <= small.FieldBytes;
    try {
        const TCsvTable limited = ParseCsv(Fuzz::Bytes(data, size), small);
        Fuzz::Require(within, "a table beyond the limits was read");
        Fuzz::Require(limited.Headings == table.Headings && limited.Rows == table.Rows,
                      "a table within the limits reads otherwise");
    } catch (const TDataError&) {
        Fuzz::Require(!within, "a table within the limits was refused");
    }
    QByteArray written = CsvLine(table.Headings).toUtf8() + "\r\n";
    for (const QStringList& row : table.Rows)
        written += CsvLine(row).toUtf8() + "\r\n";
    TCsvTable again;
    try {
        again = ParseCsv(written);
    } catch (const TDataError& error) {
        Fuzz::Fail("a written table does not read back", error.FullText());
    }
    Fuzz::Require(again.Headings == table.Headings, "the headings read back differ");
    Fuzz::Require(again.Rows == table.Rows, "the table read back differs");
    QuoteRows(table);
    return 0;
}
