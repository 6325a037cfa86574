// Exchange rates, the price list and its look-ups, and the pricing date from update.ini. Runs in
// a '.' and a ',' locale: data files always use '.', texts the user sees follow the locale.
#include "base/DataError.h"
#include "base/LineFormat.h"
#include "pricing/Currencies.h"
#include "pricing/ExchangeRates.h"
#include "pricing/PriceList.h"
#include "pricing/PricingDate.h"
#include "update/UpdateIni.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "support/CoreTestHelpers.h"

#include <future>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString RateFile = QStringLiteral("/opt/ferrolyn/xcngrate.dat");

// The element of TForeignAmounts that holds code's amount.
std::size_t Slot(const QString& code)
{
    const auto& order = CurrencyOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        if (code == QLatin1String(order[i]))
            return i;
    qFatal("no currency %s", qPrintable(code));
}

std::size_t EurSlot()
{
    return Slot(QStringLiteral("EUR"));
}

// A rate for every currency, in alphabetical order rather than the price set's order.
const QList<std::pair<QString, double>> AllRates = {
    {"AED", 0.27},  {"ARS", 0.0011},  {"ATS", 0.078},  {"AUD", 0.66},    {"BEF", 0.026},
    {"BRL", 0.2},   {"CAD", 0.73},    {"CHF", 1.12},   {"CNY", 0.14},    {"DEM", 0.55},
    {"DKK", 0.145}, {"ESP", 0.0065},  {"EUR", 1.08},   {"FIM", 0.18},    {"FRF", 0.165},
    {"GBP", 1.27},  {"GRD", 0.0032},  {"HKD", 0.128},  {"IDR", 6.4e-5},  {"IEP", 1.37},
    {"INR", 0.012}, {"ITL", 0.00056}, {"JPY", 0.0067}, {"KRW", 0.00075}, {"MXP", 0.058},
    {"NLG", 0.49},  {"NOK", 0.094},   {"NZD", 0.61},   {"PHP", 0.018},   {"PTE", 0.0054},
    {"SAR", 0.267}, {"SEK", 0.096},   {"SGD", 0.74},   {"TWD", 0.031},   {"ZAR", 0.054}};

// clang-format off
// A price list with comment lines, duplicates and malformed lines.
const QStringList PriceLines = {
    ";|x|CMT1|x|comment semicolon|1.00|",
    "#|x|CMT2|x|comment hash|1.00|",
    " |x|CMT3|x|comment blank|1.00|",
    "",
    "[|x|CMT4|x|comment bracket|1.00|",
    "|A|KRV4-50B|x|1/2 in. foam cable|2.15|",
    "|A|KRV4-50B|x|later duplicate|9.99|",
    "|A|krv4-50b|x|lower case|3|",
    "|A|  DM-716\t|x|7-16 DIN Male|31.50|",
    "\t|A|TABBED|x|tab first|4|",
    "|A|EMPTYPRICE|x|no price||",
    "|A|BADPRICE|x|bad price|2.50 USD|",
    "|A|HUGE|x|huge price|1e999|",
    "|A|NEGATIVE|x|negative price|-2.50|",
    "|A|ABOVEBOUND|x|price above the bound|1000000000.01|",
    "|A|ATBOUND|x|price at the bound|1000000000|",
    "|A|SHORT|x|short line",
    "NO DELIMITERS",
    "|A||x|blank part number|7.00|"};
// clang-format on

// The list of these lines as a file holds them (UTF-8, CRLF).
TPriceList PriceListOf(const QStringList& lines)
{
    return TPriceList(TTextBuffer(lines.join(QStringLiteral("\r\n")).toUtf8()));
}

} // namespace

class TestPricing : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void exchangeRate_data();
    void exchangeRate();
    void problems_data();
    void problems();
    void problemListIsBounded();
    void priceList_data();
    void priceList();
    void priceListFileBytes_data();
    void priceListFileBytes();
    void priceListOfManyLines();
    void cableLookUp_data();
    void cableLookUp();
    void everyCurrencyUsesItsOwnRate();
    void withoutRatesOnlyDollars();
    void assemblyLookUpResets();
    void readIniValue();
    void lastPriceUpdate_data();
    void lastPriceUpdate();
    void staleness_data();
    void staleness();
    void parseIniDate_data();
    void parseIniDate();
    void regionalDateTexts();

private:
    QTemporaryDir Dir;
};

// clang-format off
void TestPricing::conversion_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<double>("tenDollars");

    QTest::newRow("half doubles") << QStringList{"EUR|0.5|"} << 17 << true << 20.0;
    QTest::newRow("first line counts") << QStringList{"EUR|0.5|", "EUR|0.25|"} << 17 << true << 20.0;
    QTest::newRow("blanks around fields") << QStringList{"  EUR  |  0.8 |x|"} << 17 << true << 12.5;
    QTest::newRow("no skip characters") << QStringList{"#|2|", " EUR|0.5|"} << 17 << true << 20.0;
    QTest::newRow("lower-case code") << QStringList{"eur|0.5|"} << 17 << false << 0.0;
    QTest::newRow("renminbi under CNY") << QStringList{"RMB|0.5|", "CNY|0.125|"} << 3 << true << 80.0;
    QTest::newRow("renminbi needs CNY") << QStringList{"RMB|0.5|"} << 3 << false << 0.0;
    QTest::newRow("no line") << QStringList{"GBP|2|"} << 17 << false << 0.0;
    QTest::newRow("zero") << QStringList{"EUR|0|"} << 17 << false << 0.0;
    QTest::newRow("negative") << QStringList{"EUR|-2|"} << 17 << false << 0.0;
    QTest::newRow("not a number") << QStringList{"EUR|abc|"} << 17 << false << 0.0;
    QTest::newRow("unterminated") << QStringList{"EUR|0.5"} << 17 << false << 0.0;
    QTest::newRow("hostile lines") << QStringList{"", "|", "EUR", "||||", "EUR|1e999|"} << 17 << false << 0.0;
}
// clang-format on

void TestPricing::conversion()
{
    QFETCH(QStringList, lines);
    QFETCH(int, tag);
    QFETCH(bool, usable);
    QFETCH(double, tenDollars);

    const TExchangeRates rates(lines, RateFile);
    QVERIFY(rates.Available());
    QCOMPARE(rates.Usable(CurrencyRateCode(tag)), usable);
    const TForeignAmounts amounts = rates.Convert(10);
    QCOMPARE(amounts[static_cast<std::size_t>(PriceSetIndex(tag) - 1)], tenDollars);
}

// clang-format off
void TestPricing::exchangeRate_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("error");

    QTest::newRow("found") << QStringList{"GBP|1.27|", "EUR|1.08|"} << "EUR" << 1.08 << QString();
    QTest::newRow("first counts") << QStringList{"EUR|1.08|", "EUR|abc|"} << "EUR" << 1.08 << QString();
    QTest::newRow("no line") << QStringList{"GBP|1.27|"} << "EUR" << 1.0 << QString();
    QTest::newRow("lower case") << QStringList{"eur|0.5|"} << "EUR" << 1.0 << QString();
    QTest::newRow("zero is a number") << QStringList{"EUR|0|"} << "EUR" << 0.0 << QString();
    QTest::newRow("outside the order") << QStringList{"EUR|1|", "XYZ|2.5|"} << "XYZ" << 2.5 << QString();
    QTest::newRow("outside the order, lower case") << QStringList{"xyz|2.5|"} << "XYZ" << 1.0 << QString();
    QTest::newRow("not a number")
        << QStringList{"GBP|1.27|", "EUR|abc|"} << "EUR" << 0.0
        << "'abc' is not a valid floating point value\n(xcngrate.dat, line 2)";
    QTest::newRow("empty rate")
        << QStringList{"EUR||"} << "EUR" << 0.0
        << "'' is not a valid floating point value\n(xcngrate.dat, line 1)";
    QTest::newRow("outside the order, not a number")
        << QStringList{"", "", "XYZ|x1|"} << "XYZ" << 0.0
        << "'x1' is not a valid floating point value\n(xcngrate.dat, line 3)";
}
// clang-format on

void TestPricing::exchangeRate()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, code);
    QFETCH(double, rate);
    QFETCH(QString, error);

    const TExchangeRates rates(lines, RateFile);
    double found = -1;
    QCOMPARE(DataErrorOf([&] { found = rates.ExchangeRate(code); }), error);
    if (error.isNull())
        QCOMPARE(found, rate);
}

// clang-format off
void TestPricing::problems_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("errors");

    QTest::newRow("none") << QStringList{"EUR|1.08|", "eur|abc|", "XYZ|0|", "EUR|0|"} << QStringList();
    QTest::newRow("file order")
        << QStringList{"EUR|abc|", "GBP|1.27|", "JPY|0|", "XYZ|bad|", "CAD|-1|", "EUR|0.9|", "DEM||",
                       "IDR|1e-10|"}
        << QStringList{
               "'abc' is not a valid floating point value\n(xcngrate.dat, line 1)",
               "'0' is not a valid exchange rate for JPY: a rate must be above zero.\n(xcngrate.dat, line 3)",
               "'-1' is not a valid exchange rate for CAD: a rate must be above zero.\n(xcngrate.dat, line 5)",
               "'' is not a valid floating point value\n(xcngrate.dat, line 7)",
               "'1e-10' is not a valid exchange rate for IDR: a rate must be at least 0.000000001.\n(xcngrate.dat, line 8)"};
}
// clang-format on

void TestPricing::problemListIsBounded()
{
    QStringList lines;
    for (int i = 0; i < 35; ++i)
        lines.append(QString::number(i));
    QCOMPARE(JoinBounded(lines.first(5), ", "), QString("0, 1, 2, 3, 4"));
    QCOMPARE(JoinBounded(lines, ", "), QString("0, 1, 2, 3, 4, and 30 more."));
}

void TestPricing::problems()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, errors);

    QStringList texts;
    const QList<TDataError> problems = TExchangeRates(lines, RateFile).Problems();
    for (const TDataError& problem : problems) {
        QCOMPARE(problem.File, RateFile);
        texts << problem.FullText();
    }
    QCOMPARE(texts, errors);
}

// clang-format off
void TestPricing::priceList_data()
{
    QTest::addColumn<QString>("partNumber");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("description");
    QTest::addColumn<double>("price");

    QTest::newRow("first line wins") << "KRV4-50B" << true << "1/2 in. foam cable" << 2.15;
    QTest::newRow("case-sensitive") << "krv4-50b" << true << "lower case" << 3.0;
    QTest::newRow("field 3 trimmed") << "DM-716" << true << "7-16 DIN Male" << 31.5;
    QTest::newRow("blanks not trimmed from the key") << " DM-716" << false << "" << 0.0;
    QTest::newRow("semicolon comment") << "CMT1" << false << "" << 0.0;
    QTest::newRow("hash comment") << "CMT2" << false << "" << 0.0;
    QTest::newRow("blank first character") << "CMT3" << false << "" << 0.0;
    QTest::newRow("bracket comment") << "CMT4" << false << "" << 0.0;
    QTest::newRow("tab is not skipped") << "TABBED" << true << "tab first" << 4.0;
    QTest::newRow("empty price") << "EMPTYPRICE" << true << "no price" << 0.0;
    QTest::newRow("malformed price") << "BADPRICE" << true << "bad price" << 0.0;
    QTest::newRow("huge price") << "HUGE" << true << "huge price" << 0.0;
    QTest::newRow("negative price") << "NEGATIVE" << true << "negative price" << 0.0;
    QTest::newRow("price above the bound") << "ABOVEBOUND" << true << "price above the bound" << 0.0;
    QTest::newRow("price at the bound") << "ATBOUND" << true << "price at the bound" << 1e9;
    QTest::newRow("short line") << "SHORT" << true << "" << 0.0;
    QTest::newRow("empty part number: first line with empty field 3") << "" << true << "" << 0.0;
    QTest::newRow("missing") << "NOPE" << false << "" << 0.0;
}
// clang-format on

void TestPricing::priceList()
{
    QFETCH(QString, partNumber);
    QFETCH(bool, found);
    QFETCH(QString, description);
    QFETCH(double, price);

    const TPriceList list = PriceListOf(PriceLines);
    const std::optional<TPriceList::TItem> item = list.Find(partNumber);
    QCOMPARE(item.has_value(), found);
    if (item) {
        QCOMPARE(item->Description, description);
        QCOMPARE(item->Price, price);
    }
}

// clang-format off
void TestPricing::priceListFileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("partNumber");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("description");
    QTest::addColumn<double>("price");

    QTest::newRow("Windows-1252") << QByteArray("|A|KRV\x99-50|x|Caf\xe9 cable|2.5|\r\n")
                                  << QStringLiteral("KRV\u2122-50") << true << QStringLiteral("Caf\u00e9 cable") << 2.5;
    QTest::newRow("Windows-1252, a key it cannot hold") << QByteArray("|A|KRV\x99-50|x|Caf\xe9 cable|2.5|\r\n")
                                  << QStringLiteral("KRV\u4e00-50") << false << QString() << 0.0;
    QTest::newRow("UTF-8") << QByteArray("|A|KRV\xe2\x84\xa2-50|x|Caf\xc3\xa9 cable|2.5|\n")
                           << QStringLiteral("KRV\u2122-50") << true << QStringLiteral("Caf\u00e9 cable") << 2.5;
    QTest::newRow("byte-order mark before the first line")
        << QByteArray("\xef\xbb\xbf|A|FIRST|x|first line|1|\n") << "FIRST" << true << "first line" << 1.0;
    QTest::newRow("CR line ends") << QByteArray("|A|A1|x|a|1|\r|A|B1|x|b|2|\r") << "B1" << true << "b" << 2.0;
    QTest::newRow("last line without a line end") << QByteArray("|A|A1|x|a|1|\n|A|B1|x|b|2|") << "B1" << true << "b" << 2.0;
    QTest::newRow("line end right after the third field")
        << QByteArray("|A|B1|\n|A|B1|x|later|2|") << "B1" << true << "" << 0.0;
    QTest::newRow("line end inside the third field")
        << QByteArray("|A|B1\n|A|B1|x|later|2|") << "B1" << true << "later" << 2.0;
    QTest::newRow("skipped after a blank line") << QByteArray("\r\n\r\n;|A|B1|x|no|1|\r\n|A|B1|x|yes|2|\r\n")
                                                << "B1" << true << "yes" << 2.0;
    QTest::newRow("empty file") << QByteArray() << "" << false << "" << 0.0;
}
// clang-format on

void TestPricing::priceListFileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, partNumber);
    QFETCH(bool, found);
    QFETCH(QString, description);
    QFETCH(double, price);

    const std::optional<TPriceList::TItem> item = TPriceList(TTextBuffer(bytes)).Find(partNumber);
    QCOMPARE(item.has_value(), found);
    if (item) {
        QCOMPARE(item->Description, description);
        QCOMPARE(item->Price, price);
    }
}

void TestPricing::priceListOfManyLines()
{
    // Short lines make the index grow several times; the first line of each part number stays.
    // The index is built on a thread of its own: look-ups made at once, from a copy taken while
    // it is built and from several threads, wait for it and find the same lines.
    QByteArray bytes;
    constexpr int Parts = 100000;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < Parts; ++i)
            bytes += "|A|P" + QByteArray::number(i) + "|x|" + (pass == 0 ? "first" : "second") +
                     "|" + QByteArray::number(i) + "|\n";
    std::optional<TPriceList> building{TPriceList(TTextBuffer(bytes))};
    const TPriceList list = *building;
    const auto check = [&list](int from) {
        for (int i = from; i < Parts; i += 997) {
            const std::optional<TPriceList::TItem> item = list.Find(QStringLiteral("P%1").arg(i));
            if (!item || item->Description != QLatin1String("first") || item->Price != double(i))
                return false;
        }
        return !list.Find(QStringLiteral("P%1").arg(Parts));
    };
    std::vector<std::future<bool>> lookUps;
    for (int thread = 0; thread < 4; ++thread)
        lookUps.push_back(std::async(std::launch::async, check, thread));
    building.reset();
    for (std::future<bool>& lookUp : lookUps)
        QVERIFY(lookUp.get());
    QCOMPARE(list.Count(), Parts);
}

// clang-format off
void TestPricing::cableLookUp_data()
{
    QTest::addColumn<QString>("partNumber");
    QTest::addColumn<QString>("chargePartNumber");
    QTest::addColumn<bool>("metres");
    QTest::addColumn<QString>("description");
    QTest::addColumn<double>("perLength");
    QTest::addColumn<double>("charge");
    QTest::addColumn<double>("eurPerLength");
    QTest::addColumn<double>("eurCharge");

    // Before each look-up: "old", 9 per length, charge 8; in euros 7 and 6.
    QTest::newRow("feet") << "CAB" << "CHG" << false << "Test cable" << 1.0 << 20.0 << 2.0 << 40.0;
    QTest::newRow("metres scale the cable only") << "CAB" << "CHG" << true << "Test cable" << 3.2808 << 20.0 << 6.5616 << 40.0;
    QTest::newRow("no charge part number") << "CAB" << "" << false << "Test cable" << 1.0 << 0.0 << 2.0 << 6.0;
    QTest::newRow("cable missing") << "NOPE" << "CHG" << true << "old" << 9.0 << 20.0 << 7.0 << 40.0;
    QTest::newRow("charge missing") << "CAB" << "NOCHG" << false << "Test cable" << 1.0 << 8.0 << 2.0 << 6.0;
}
// clang-format on

void TestPricing::cableLookUp()
{
    QFETCH(QString, partNumber);
    QFETCH(QString, chargePartNumber);
    QFETCH(bool, metres);
    QFETCH(QString, description);
    QFETCH(double, perLength);
    QFETCH(double, charge);
    QFETCH(double, eurPerLength);
    QFETCH(double, eurCharge);

    const TPriceList list =
        PriceListOf(QStringList{"|A|CAB|x|Test cable|1.00|", "|A|CHG|x|Attach charge|20.00|"});
    const TExchangeRates rates(QStringList{"EUR|0.5|"}, RateFile);
    TTransmissionLine cable;
    cable.PartNumber = partNumber;
    cable.AttachChargePartNumber = chargePartNumber;
    TCablePrices prices;
    prices.PriceDescription = QStringLiteral("old");
    prices.PricePerLength = 9;
    prices.AttachChargePrice = 8;
    prices.CurrencyPricesPerLength[EurSlot()] = 7;
    prices.CurrencyAttachChargePrices[EurSlot()] = 6;

    LookUpCablePrice(cable, prices, list, rates, metres);
    QCOMPARE(prices.PriceDescription, description);
    QCOMPARE(prices.PricePerLength, perLength);
    QCOMPARE(prices.AttachChargePrice, charge);
    QCOMPARE(prices.CurrencyPricesPerLength[EurSlot()], eurPerLength);
    QCOMPARE(prices.CurrencyAttachChargePrices[EurSlot()], eurCharge);
    if (metres && description == QLatin1String("Test cable"))
        QCOMPARE(FormatFixed2(prices.PricePerLength), Local(QStringLiteral("3.28")));
}

void TestPricing::everyCurrencyUsesItsOwnRate()
{
    QStringList lines;
    for (const auto& [code, rate] : AllRates)
        lines << code + QLatin1Char('|') + QString::number(rate, 'g', 17) + QLatin1Char('|');
    const TExchangeRates rates(lines, RateFile);
    QVERIFY(rates.Problems().isEmpty());
    const TPriceList list =
        PriceListOf(QStringList{"|A|CAB|x|Test cable|2.00|", "|A|CHG|x|Attach charge|20.00|",
                                "|A|DM|x|7-16 DIN Male|50.00|"});

    TTransmissionLine cable;
    cable.PartNumber = QStringLiteral("CAB");
    cable.AttachChargePartNumber = QStringLiteral("CHG");
    TCablePrices cablePrices;
    LookUpCablePrice(cable, cablePrices, list, rates, false);
    TConnector connector;
    connector.PartNumber = QStringLiteral("DM");
    TConnectorPrices connectorPrices;
    LookUpConnectorPrice(connector, connectorPrices, list, rates);
    QCOMPARE(connectorPrices.PriceDescription, QStringLiteral("7-16 DIN Male"));
    QCOMPARE(connectorPrices.Prices[0], 50.0);

    for (const auto& [code, rate] : AllRates) {
        const std::size_t slot = Slot(code);
        QVERIFY2(rates.Usable(code), qPrintable(code));
        QCOMPARE(cablePrices.CurrencyPricesPerLength[slot], 2.0 / rate);
        QCOMPARE(cablePrices.CurrencyAttachChargePrices[slot], 20.0 / rate);
        QCOMPARE(connectorPrices.Prices[slot + 1], 50.0 / rate);
    }
    QCOMPARE(FormatFixed2(connectorPrices.Prices[EurSlot() + 1]), Local(QStringLiteral("46.30")));

    // A cable without a charge part number is charged nothing, in any currency.
    TTransmissionLine uncharged;
    uncharged.PartNumber = QStringLiteral("CAB");
    TCablePrices unchargedPrices;
    LookUpCablePrice(uncharged, unchargedPrices, list, rates, false);
    QCOMPARE(unchargedPrices.AttachChargePrice, 0.0);
    QCOMPARE(unchargedPrices.CurrencyAttachChargePrices, TForeignAmounts{});
}

void TestPricing::withoutRatesOnlyDollars()
{
    const TExchangeRates none;
    QVERIFY(!none.Available());
    QCOMPARE(none.ExchangeRate(QStringLiteral("EUR")), 1.0);
    QVERIFY(!none.Usable(QStringLiteral("EUR")));
    QVERIFY(none.Problems().isEmpty());

    const TPriceList list =
        PriceListOf(QStringList{"|A|DM|x|7-16 DIN Male|50.00|", "|A|CAB|x|Cable|2.00|"});
    // Without rates the conversions are left as they were.
    TConnector connector;
    connector.PartNumber = QStringLiteral("DM");
    TConnectorPrices connectorPrices;
    connectorPrices.Prices[EurSlot() + 1] = 5;
    LookUpConnectorPrice(connector, connectorPrices, list, none);
    TPriceSet expected{};
    expected[0] = 50;
    expected[EurSlot() + 1] = 5;
    QCOMPARE(connectorPrices.Prices, expected);

    TTransmissionLine cable;
    cable.PartNumber = QStringLiteral("CAB");
    TCablePrices cablePrices;
    LookUpCablePrice(cable, cablePrices, list, none, false);
    QCOMPARE(cablePrices.PricePerLength, 2.0);
    QCOMPARE(cablePrices.CurrencyPricesPerLength, TForeignAmounts{});

    // With a rate file, EUR at 1.25: 50.00 is 40 euros.
    LookUpConnectorPrice(connector, connectorPrices, list,
                         TExchangeRates(QStringList{"EUR|1.25|"}, RateFile));
    QCOMPARE(connectorPrices.Prices[EurSlot() + 1], 40.0);
    QCOMPARE(connectorPrices.Prices[Slot(QStringLiteral("GBP")) + 1], 0.0);
}

void TestPricing::assemblyLookUpResets()
{
    const TPriceList list = PriceListOf(QStringList{"|A|JMP-10|x|Jumper 10 ft|123.40|"});
    const TExchangeRates rates(QStringList{"EUR|1.25|"}, RateFile);
    TJumper assembly;
    assembly.PartNumber = QStringLiteral("JMP-10");
    QVERIFY(LookUpAssemblyPrice(assembly, list, rates));
    QCOMPARE(assembly.PriceDescription, QStringLiteral("Jumper 10 ft"));
    QCOMPARE(assembly.Prices[0], 123.4);
    QCOMPARE(assembly.Prices[EurSlot() + 1], 98.72);

    assembly.PartNumber = QStringLiteral("JMP-99");
    QVERIFY(!LookUpAssemblyPrice(assembly, list, rates));
    QCOMPARE(assembly.PriceDescription, QString());
    QCOMPARE(assembly.Prices, TPriceSet{});
}

void TestPricing::readIniValue()
{
    QVERIFY(Dir.isValid());
    const QString path = Dir.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("days=1\n[Other]\nlast=other\n[ Update ]\n Days = 45 \nlast=\n"
               "last=2026-11-07\n[UPDATE]\nmode=second\n");
    file.close();

    using Value = std::optional<QString>;
    QCOMPARE(ReadIniValue(path, QStringLiteral("UPDATE"), QStringLiteral("days")), Value("45"));
    QCOMPARE(ReadIniValue(path, QStringLiteral("update"), QStringLiteral("LAST")), Value(""));
    QCOMPARE(ReadIniValue(path, QStringLiteral("other"), QStringLiteral("last")), Value("other"));
    // A repeated section is not read.
    QCOMPARE(ReadIniValue(path, QStringLiteral("UPDATE"), QStringLiteral("mode")), Value());
    QCOMPARE(ReadIniValue(path, QStringLiteral("UPDATE"), QStringLiteral("none")), Value());
    QCOMPARE(ReadIniValue(path, QStringLiteral("NONE"), QStringLiteral("days")), Value());
    QCOMPARE(ReadIniValue(Dir.filePath(QStringLiteral("missing.ini")), QStringLiteral("UPDATE"),
                          QStringLiteral("days")),
             Value());
    // A folder cannot be read: as if there were no file.
    QCOMPARE(ReadIniValue(Dir.path(), QStringLiteral("UPDATE"), QStringLiteral("days")), Value());
}

// clang-format off
void TestPricing::lastPriceUpdate_data()
{
    QTest::addColumn<QString>("ini"); // a null text: no update.ini
    QTest::addColumn<QDate>("expected");

    const QDate today(2026, 12, 1);
    QTest::newRow("iso date") << "[UPDATE]\r\ndays=30\r\nlast=2026-11-07\r\n" << QDate(2026, 11, 7);
    QTest::newRow("regional short date") << "[UPDATE]\nlast=" + ShortDateText(QDate(2026, 11, 7)) + "\n" << QDate(2026, 11, 7);
    QTest::newRow("no file") << QString() << today;
    QTest::newRow("empty file") << QStringLiteral("") << today;
    QTest::newRow("no key") << "[UPDATE]\ndays=30\n" << today;
    QTest::newRow("not a date") << "[UPDATE]\nlast=soon\n" << today;
    QTest::newRow("no such day") << "[UPDATE]\nlast=2026-02-30\n" << today;
}
// clang-format on

void TestPricing::lastPriceUpdate()
{
    QFETCH(QString, ini);
    QFETCH(QDate, expected);

    QVERIFY(Dir.isValid());
    const QString path = Dir.filePath(QStringLiteral("update.ini"));
    QFile::remove(path);
    if (!ini.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.toUtf8());
    }
    QCOMPARE(LastPriceUpdate(path, QDate(2026, 12, 1)), expected);
}

// clang-format off
void TestPricing::staleness_data()
{
    QTest::addColumn<QDate>("last");
    QTest::addColumn<bool>("stale");

    QTest::newRow("today") << QDate(2026, 12, 1) << false;
    QTest::newRow("29 days ago") << QDate(2026, 11, 2) << false;
    QTest::newRow("30 days ago") << QDate(2026, 11, 1) << true;
    QTest::newRow("a year ago") << QDate(2025, 12, 1) << true;
    QTest::newRow("in the future") << QDate(2027, 6, 1) << false;
}
// clang-format on

void TestPricing::staleness()
{
    QFETCH(QDate, last);
    QFETCH(bool, stale);
    QCOMPARE(PricingDateStale(last, QDate(2026, 12, 1)), stale);
}

// clang-format off
void TestPricing::parseIniDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: not a date

    QTest::newRow("iso") << "2026-11-07" << QDate(2026, 11, 7);
    QTest::newRow("iso with blanks") << " 2026-11-07 " << QDate(2026, 11, 7);
    QTest::newRow("no such month") << "2026-13-01" << QDate();
    QTest::newRow("garbage") << "last week" << QDate();
    QTest::newRow("empty") << "" << QDate();

    // The regional formats' locale (LANGUAGE, which the runs set to English, names only the
    // language of the texts).
    const QString name = QString::fromLatin1(qgetenv("LC_ALL")).section(QLatin1Char('.'), 0, 0);
    if (name == QLatin1String("en_US")) {
        QTest::newRow("short") << "11/7/26" << QDate(2026, 11, 7);
        QTest::newRow("two-digit year is 20yy") << "1/2/99" << QDate(2099, 1, 2);
        QTest::newRow("four-digit year") << "11/7/2026" << QDate(2026, 11, 7);
        QTest::newRow("other locale's form") << "07.11.26" << QDate();
    } else if (name == QLatin1String("de_DE")) {
        QTest::newRow("short") << "07.11.26" << QDate(2026, 11, 7);
        QTest::newRow("two-digit year is 20yy") << "02.01.99" << QDate(2099, 1, 2);
        QTest::newRow("four-digit year") << "07.11.2026" << QDate(2026, 11, 7);
        QTest::newRow("other locale's form") << "11/7/26" << QDate();
    }
}
// clang-format on

void TestPricing::parseIniDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);

    const std::optional<QDate> date = ParseIniDate(text);
    QCOMPARE(date.has_value(), expected.isValid());
    if (date)
        QCOMPARE(*date, expected);
}

void TestPricing::regionalDateTexts()
{
    // The regional formats' locale (LANGUAGE, which the runs set to English, names only the
    // language of the texts).
    const QString name = QString::fromLatin1(qgetenv("LC_ALL")).section(QLatin1Char('.'), 0, 0);
    QString text;
    if (name == QLatin1String("en_US"))
        text = QStringLiteral("11/7/26");
    else if (name == QLatin1String("de_DE"))
        text = QStringLiteral("07.11.26");
    else
        QSKIP("runs in en_US and de_DE");
    QCOMPARE(ShortDateText(QDate(2026, 11, 7)), text);
    QCOMPARE(PricingDateCaption(text), "Your pricing database was last updated on: " + text);
}

QTEST_GUILESS_MAIN(TestPricing)
#include "tst_pricing.moc"
