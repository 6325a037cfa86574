// Standard lengths and part numbers, jumpers.dat look-up, connector matching, the custom parts
// list, prices in the chosen currency and the summary description. Runs in a '.' and a ','
// locale: number texts the user sees or types are written with '.' and localised by Local().
#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "pricing/Prices.h"
#include "quote/Csv.h"
#include "quote/Jumpers.h"
#include "quote/Quote.h"
#include "quote/StandardLengths.h"

#include <QTest>

#include "support/CoreTestHelpers.h"

namespace {

QStringList Local(const QStringList& texts)
{
    QStringList result;
    for (const QString& text : texts)
        result << ::Local(text);
    return result;
}

// code|feet|metres| with the two lengths in the user's format; the code is locale-independent.
QString LengthRow(const QString& code, const QString& feet, const QString& metres)
{
    return code + '|' + ::Local(feet) + '|' + ::Local(metres) + '|';
}

QStringList Joined(const QList<QStringList>& rows)
{
    QStringList result;
    for (const QStringList& row : rows)
        result << row.join('|');
    return result;
}

TConnector Connector(int id, const QString& iface, const QString& characteristics,
                     const QString& inner, const QString& grade, const QString& code)
{
    TConnector connector;
    connector.ConnectorID = id;
    connector.ActualInterface = iface;
    connector.Characteristics = characteristics;
    connector.InnerAttachment = inner;
    connector.Grade = grade;
    connector.AttachmentCode = code;
    return connector;
}

// A catalog record and the prices a quote looked up for it.
struct TPricedConnector {
    TConnector Record;
    TConnectorPrices Prices;
};
struct TPricedCable {
    TTransmissionLine Record;
    TCablePrices Prices;
};

TPricedConnector PricedConnector(const QString& partNumber, const QString& description,
                                 double price)
{
    TPricedConnector connector;
    connector.Record.PartNumber = partNumber;
    connector.Prices.PriceDescription = description;
    connector.Prices.Prices[0] = price;
    return connector;
}

// 7/8" air cable at 2.50 per foot, attachment charge 15.00 per connector.
TPricedCable AirCable()
{
    TPricedCable cable;
    cable.Record.PartNumber = "AVA5-50";
    cable.Record.AttachChargePartNumber = "ACH-5";
    cable.Prices.PriceDescription = "7/8 air cable";
    cable.Prices.PricePerLength = 2.5;
    cable.Prices.AttachChargePrice = 15;
    return cable;
}

// Qty|UOM|Part Number|Description|Price|Extended|Kind as the grid shows them.
QStringList RowTexts(const TPartsList& list)
{
    QStringList rows;
    for (const TPartsRow& row : list.Rows)
        rows << row.Qty + '|' + row.Uom + '|' + row.PartNumber + '|' + row.Description + '|' +
                    FormatFixed2(row.Price) + '|' + FormatFixed2(row.Extended) + '|' +
                    Local(row.Kind);
    return rows;
}

// A jumper of cable with the two connectors, both included.
TPartsListInput PartsInput(const TPricedCable& cable, const TPricedConnector& top,
                           const TPricedConnector& bottom, const QString& length, double value)
{
    TPartsListInput input;
    input.LengthText = length;
    input.Length = value;
    input.Cable = &cable.Record;
    input.Top = &top.Record;
    input.Bottom = &bottom.Record;
    input.CablePrices = cable.Prices;
    input.TopPrices = top.Prices;
    input.BottomPrices = bottom.Prices;
    return input;
}

const QStringList Jumpers = {
    "[Header]",
    "TLine=HDR|",
    "J1=1|2|x|x|KJ-HDR-|x|3|1|",
    "[AVA5-50 jumpers]",
    "TLine=AVA5-50|",
    "J1=11|12|x|x|KJ5-1112-|x|3,6,10|1,2|",
    "J2=13|11|x|x|KJ5-1311-|x|3|1|",
    "J3=12|11|x|x|KJ5-LATER-|x|4|2|",
    "[Other cable]",
    "TLine=LDF4-50A|",
    "J1=x|y|",
    "[KRV4-50B]",
    "TLine=KRV4-50B-S|",
    "J1=21|22|x|x|KJ4-2122-|x|3|1|",
    "[AVA5-50 again]",
    "TLine=ava5-50|",
    "J1=11|14|x|x|KJ5-1114-|x|3|1|",
};

} // namespace

class TestQuote : public QObject
{
    Q_OBJECT

private slots:
    void csv_data();
    void csv();
    void metreLengthCode_data();
    void metreLengthCode();
    void buildStandardLengths_data();
    void buildStandardLengths();
    void standardLength_data();
    void standardLength();
    void findNearLengths_data();
    void findNearLengths();
    void nearLengthRows_data();
    void nearLengthRows();
    void findStandardJumper_data();
    void findStandardJumper();
    void jumperFileErrors_data();
    void jumperFileErrors();
    void matchConnectors_data();
    void matchConnectors();
    void partsList_data();
    void partsList();
    void partsListInMetres();
    void currencyPrices_data();
    void currencyPrices();
    void assemblyPriceRow_data();
    void assemblyPriceRow();
    void description_data();
    void description();
    void resultRows();
};

// clang-format off
void TestQuote::metreLengthCode_data()
{
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("code");

    QTest::newRow("whole") << "3" << "3M";
    QTest::newRow("half") << "3.5" << "3M5";
    QTest::newRow("below one") << "0.5" << "M5";
    QTest::newRow("two decimals") << "10.25" << "10M25";
    QTest::newRow("trailing zero kept") << "3.50" << "3M50";
    QTest::newRow("regional separator") << Local("3.5") << "3M5";
    QTest::newRow("zeros before point") << "00.5" << "M5";
    QTest::newRow("blank before point") << " 2.5" << "2M5";
    QTest::newRow("not an integer part") << "x.5" << "xM5";
}
// clang-format on

void TestQuote::metreLengthCode()
{
    QFETCH(QString, metres);
    QFETCH(QString, code);
    QCOMPARE(MetreLengthCode(metres), code);
}

// clang-format off
void TestQuote::buildStandardLengths_data()
{
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QStringList>("table");

    QTest::newRow("feet then metres") << "3,6,10" << "1,3.5"
        << QStringList{LengthRow("3", "3", "0.91"), LengthRow("6", "6", "1.83"),
                       LengthRow("10", "10", "3.05"), LengthRow("1M", "3.28", "1"),
                       LengthRow("3M5", "11.48", "3.5")};
    QTest::newRow("fractional feet") << "2.5" << ""
        << QStringList{LengthRow("2.5", "2.5", "0.76")};
    QTest::newRow("non-number ends a list") << "3,x,10" << "1,,2"
        << QStringList{LengthRow("3", "3", "0.91"), LengthRow("1M", "3.28", "1")};
    QTest::newRow("empty lists") << "" << "" << QStringList{};
}
// clang-format on

void TestQuote::buildStandardLengths()
{
    QFETCH(QString, feet);
    QFETCH(QString, metres);
    QFETCH(QStringList, table);
    QCOMPARE(BuildStandardLengths(feet, metres), table);
}

// clang-format off
void TestQuote::standardLength_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("metres");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("partNumber");

    QTest::newRow("10 ft") << "10" << false << true << "KJ5-10";
    QTest::newRow("10.0 ft is another text") << Local("10.0") << false << false << "KJ5-10.0";
    QTest::newRow("3.28 ft from the 1 m row") << Local("3.28") << false << true << "KJ5-3.28";
    QTest::newRow("12.5 ft") << Local("12.5") << false << false << "KJ5-12.5";
    QTest::newRow("3.5 m") << Local("3.5") << true << true << "KJ5-3M5";
    QTest::newRow("3.05 m from the 10 ft row") << Local("3.05") << true << true << "KJ5-3M05";
    QTest::newRow("10 in metres") << "10" << true << false << "KJ5-10M";
}
// clang-format on

void TestQuote::standardLength()
{
    QFETCH(QString, length);
    QFETCH(bool, metres);
    QFETCH(bool, standard);
    QFETCH(QString, partNumber);
    const QStringList table = BuildStandardLengths("3,6,10", "1,3.5");
    QCOMPARE(IsStandardLength(table, length, metres), standard);
    QCOMPARE(BuildPartNumber("KJ5-", length, metres), partNumber);
}

// clang-format off
void TestQuote::findNearLengths_data()
{
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<double>("lengthFeet");
    QTest::addColumn<int>("shorter");
    QTest::addColumn<int>("longer");

    QTest::newRow("8 ft") << "3,6,10,15" << "" << 8.0 << 1 << 2;
    QTest::newRow("12 ft") << "3,6,10,15" << "" << 12.0 << 2 << 3;
    QTest::newRow("20 ft: none") << "3,6,10,15" << "" << 20.0 << -1 << -1;
    QTest::newRow("exactly 4 ft away") << "6,14" << "" << 10.0 << -1 << -1;
    QTest::newRow("just inside 4 ft") << "6.01,13.99" << "" << 10.0 << 0 << 1;
    QTest::newRow("equal length skipped") << "8,10,12" << "" << 10.0 << 0 << 2;
    QTest::newRow("nearest, not first") << "5,7,6,11,9.5" << "" << 8.0 << 1 << 4;
    QTest::newRow("2.5 m") << "" << "1,2,3" << 2.5 * 3.2808 << 1 << 2;
    QTest::newRow("feet row before equal metre row") << "3.28,6.56" << "1,2" << 5.0 << 0 << 1;
}
// clang-format on

void TestQuote::findNearLengths()
{
    QFETCH(QString, feet);
    QFETCH(QString, metres);
    QFETCH(double, lengthFeet);
    QFETCH(int, shorter);
    QFETCH(int, longer);
    const TNearLengths near = FindNearLengths(BuildStandardLengths(feet, metres), lengthFeet);
    QCOMPARE(near.Shorter, shorter);
    QCOMPARE(near.Longer, longer);
    QCOMPARE(near.Any(), shorter >= 0 || longer >= 0);
}

// clang-format off
void TestQuote::nearLengthRows_data()
{
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("inMetres");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("8 ft") << "3,6,10,15" << "" << "8" << false << Local(QStringList{
        "Your Selection:|KJ5-8|8|2.44|0",
        "A little shorter:|KJ5-6|6|1.83|-2 Feet",
        "A little longer:|KJ5-10|10|3.05|2 Feet"});
    QTest::newRow("2.5 m") << "" << "1,2,3" << Local("2.5") << true << Local(QStringList{
        "Your Selection:|KJ5-2M5|8.20|2.5|0",
        "A little shorter:|KJ5-2M|6.56|2|-0.5 Meters",
        "A little longer:|KJ5-3M|9.84|3|0.5 Meters"});
    QTest::newRow("metre row offered in feet") << "" << "2" << "8" << false << Local(QStringList{
        "Your Selection:|KJ5-8|8|2.44|0",
        "A little shorter:|KJ5-2M|6.56|2|-1.44 Feet"});
    QTest::newRow("only longer") << "10" << "" << "8" << false << Local(QStringList{
        "Your Selection:|KJ5-8|8|2.44|0",
        "A little longer:|KJ5-10|10|3.05|2 Feet"});
}
// clang-format on

void TestQuote::nearLengthRows()
{
    QFETCH(QString, feet);
    QFETCH(QString, metres);
    QFETCH(QString, length);
    QFETCH(bool, inMetres);
    QFETCH(QStringList, rows);

    double value = 0;
    QVERIFY(TryUserStrToFloat(length, value));
    const QStringList table = BuildStandardLengths(feet, metres);
    const TNearLengths near = FindNearLengths(table, inMetres ? value * 3.2808 : value);
    QCOMPARE(Joined(NearLengthRows(table, near, "KJ5-", length, inMetres)), rows);
}

// clang-format off
void TestQuote::findStandardJumper_data()
{
    QTest::addColumn<QString>("cable");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QStringList>("entry"); // stem, feet, metres; empty when none

    QTest::newRow("listed order") << "AVA5-50" << 11 << 12 << QStringList{"KJ5-1112-", "3,6,10", "1,2"};
    QTest::newRow("reverse order") << "AVA5-50" << 12 << 11 << QStringList{"KJ5-1112-", "3,6,10", "1,2"};
    QTest::newRow("cable case ignored") << "ava5-50" << 11 << 13 << QStringList{"KJ5-1311-", "3", "1"};
    QTest::newRow("later cable section") << "krv4-50b-s" << 22 << 21 << QStringList{"KJ4-2122-", "3", "1"};
    QTest::newRow("only the first section") << "AVA5-50" << 11 << 14 << QStringList{};
    QTest::newRow("unknown connectors") << "AVA5-50" << 11 << 99 << QStringList{};
    QTest::newRow("first section skipped") << "HDR" << 1 << 2 << QStringList{};
    QTest::newRow("unknown cable") << "LDF5-50A" << 11 << 12 << QStringList{};
}
// clang-format on

void TestQuote::findStandardJumper()
{
    QFETCH(QString, cable);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(QStringList, entry);

    const auto found = FindStandardJumper(TSectionedFile(Jumpers), cable, top, bottom);
    QCOMPARE(found.has_value(), !entry.isEmpty());
    if (found)
        QCOMPARE((QStringList{found->PartNumberStem, found->FeetLengths, found->MetreLengths}),
                 entry);
}

// clang-format off
void TestQuote::jumperFileErrors_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("error"); // null when the search ends without one
    QTest::addColumn<bool>("found");

    const QString header = "[Header]";
    const QString section = "[AVA5-50]";
    const QString tline = "TLine=AVA5-50|";
    QTest::newRow("malformed connector") << QStringList{header, section, tline, "J1=11|12x|x|x|S|x|3|1|"}
                                         << "'12x' is not a valid integer value\n(jumpers.dat, line 4)" << false;
    QTest::newRow("empty connector") << QStringList{header, section, tline, "J1=|12|x|x|S|x|3|1|"}
                                     << "'' is not a valid integer value\n(jumpers.dat, line 4)" << false;
    QTest::newRow("after other entries") << QStringList{header, section, tline, "J1=13|14|", "", "J2=11|z|"}
                                         << "'z' is not a valid integer value\n(jumpers.dat, line 6)" << false;
    QTest::newRow("too few pieces") << QStringList{header, section, tline, "J1=11|12|x|x|S|x|"}
                                    << "List index out of bounds (7)\n(jumpers.dat, line 4)" << false;
    QTest::newRow("after the match") << QStringList{header, section, tline, "J1=12|11|x|x|S|x|3|1|", "J2=x|"}
                                     << QString() << true;
    QTest::newRow("one section only") << QStringList{section, tline, "J1=11|12|x|x|S|x|3|1|"} << QString() << false;
    QTest::newRow("empty file") << QStringList{} << QString() << false;
}
// clang-format on

void TestQuote::jumperFileErrors()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, error);
    QFETCH(bool, found);

    const TSectionedFile file(lines);
    std::optional<TJumperEntry> entry;
    QCOMPARE(DataErrorOf([&] {
                 entry = FindStandardJumper(file, "AVA5-50", 11, 12, "/opt/fyn/dat/jumpers.dat");
             }),
             error);
    QCOMPARE(entry.has_value(), found);
}

// clang-format off
void TestQuote::matchConnectors_data()
{
    QTest::addColumn<QStringList>("top");    // interface, characteristics, inner
    QTest::addColumn<QStringList>("bottom");
    QTest::addColumn<QString>("code");       // attachment code
    QTest::addColumn<QString>("grade");      // the chosen connector grade
    QTest::addColumn<int>("topId");          // 0: no connector
    QTest::addColumn<int>("bottomId");
    QTest::addColumn<bool>("topOther");      // taken from another grade
    QTest::addColumn<bool>("bottomOther");

    const QStringList nMale{"N Male", "(none)", "(N/A)"};
    const QStringList dinFemale{"7-16 DIN Female", "(none)", "(N/A)"};
    QTest::newRow("plated: first of the grade") << nMale << dinFemale << "R" << "P" << 1 << 4 << false << false;
    QTest::newRow("standard: grade upper-cased") << nMale << nMale << "R" << "S" << 2 << 2 << false << false;
    QTest::newRow("no standard bottom: catalog walk") << nMale << dinFemale << "R" << "S" << 2 << 4 << false << true;
    QTest::newRow("no grade at all: later replaces earlier") << nMale << nMale << "S" << "S" << 6 << 6 << true << true;
    QTest::newRow("characteristics and inner") << QStringList{"N Male", "RIGHT ANGLE", "Soldered"} << dinFemale << "R" << "P" << 3 << 4 << false << false;
    QTest::newRow("attachment code") << nMale << nMale << "S" << "P" << 6 << 6 << false << false;
    QTest::newRow("no fit") << QStringList{"N Female", "(none)", "(N/A)"} << dinFemale << "R" << "P" << 0 << 4 << false << false;
    QTest::newRow("case-sensitive") << QStringList{"n male", "(none)", "(N/A)"} << nMale << "R" << "P" << 0 << 1 << false << false;
    QTest::newRow("only inner reads (N/A)") << QStringList{"N Male", "(N/A)", "(N/A)"} << nMale << "R" << "P" << 0 << 1 << false << false;
}
// clang-format on

void TestQuote::matchConnectors()
{
    QFETCH(QStringList, top);
    QFETCH(QStringList, bottom);
    QFETCH(QString, code);
    QFETCH(QString, grade);
    QFETCH(int, topId);
    QFETCH(int, bottomId);
    QFETCH(bool, topOther);
    QFETCH(bool, bottomOther);

    TTransmissionLine cable;
    cable.AddConnector(Connector(1, "N Male", "", "", "P", "R"));
    cable.AddConnector(Connector(2, "N Male", "", "", "s", "R"));
    cable.AddConnector(Connector(3, "N Male", "RIGHT ANGLE", "Soldered", "P", "R"));
    cable.AddConnector(Connector(4, "7-16 DIN Female", "", "", "P", "R"));
    cable.AddConnector(Connector(5, "N Male", "", "", "P", "R"));
    cable.AddConnector(Connector(6, "N Male", "", "", "P", "S"));

    const TMatchedConnectors matched = MatchConnectors(
        cable, {top[0], top[1], top[2]}, {bottom[0], bottom[1], bottom[2]}, code, grade);
    QCOMPARE(matched.Top != nullptr ? matched.Top->ConnectorID : 0, topId);
    QCOMPARE(matched.Bottom != nullptr ? matched.Bottom->ConnectorID : 0, bottomId);
    QCOMPARE(matched.TopOtherGrade, topOther);
    QCOMPARE(matched.BottomOtherGrade, bottomOther);
}

// clang-format off
void TestQuote::partsList_data()
{
    QTest::addColumn<bool>("feeder");
    QTest::addColumn<int>("choice");   // TFeederChoice
    QTest::addColumn<bool>("withTop");
    QTest::addColumn<bool>("withBottom");
    QTest::addColumn<bool>("samePart"); // the bottom connector has the top's part number
    QTest::addColumn<bool>("prenvo");
    QTest::addColumn<int>("family");   // TCableFamily
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("total");

    const QString cable = "10|Feet|AVA5-50|7/8 air cable|2.50|25.00|";
    const QString top = "1|Each|NM-5|N Male|30.00|30.00|";
    const QString bottom = "1|Each|DF-5|7-16 DIN Female|40.00|40.00|";
    const QString charge = "|Each|ACH-5|Factory attachment charge for AVA5-50 connectors|";
    QTest::newRow("jumper") << false << 3 << true << true << false << false << 0
        << QStringList{cable + "2", top + "4", bottom + "4", "2" + charge + "15.00|30.00|7"} << "125.00";
    QTest::newRow("jumper, equal connectors") << false << 0 << true << true << true << false << 1
        << QStringList{cable + "3", "2|Each|NM-5|N Male|30.00|60.00|4", "2" + charge + "15.00|30.00|7"} << "115.00";
    QTest::newRow("jumper, Prenvo") << false << 0 << true << true << false << true << 1
        << QStringList{cable + "3", top + "4", bottom + "4", "2" + charge + "11.25|22.50|7"} << "117.50";
    QTest::newRow("feeder, no connectors") << true << 3 << true << true << false << false << 1
        << QStringList{cable + "3", top + "4", bottom + "4"} << "95.00";
    QTest::newRow("feeder, top only") << true << 1 << true << false << false << false << 1
        << QStringList{cable + "3", top + "4", "1" + charge + "15.00|15.00|7"} << "70.00";
    QTest::newRow("feeder, bottom only, same part") << true << 2 << false << true << true << false << 1
        << QStringList{cable + "3", top + "4", "1" + charge + "15.00|15.00|7"} << "70.00";
    QTest::newRow("feeder, both, waveguide") << true << 0 << true << true << false << false << 2
        << QStringList{cable + "5", top + "6", bottom + "6", "2" + charge + "15.00|30.00|7"} << "125.00";
}
// clang-format on

void TestQuote::partsList()
{
    QFETCH(bool, feeder);
    QFETCH(int, choice);
    QFETCH(bool, withTop);
    QFETCH(bool, withBottom);
    QFETCH(bool, samePart);
    QFETCH(bool, prenvo);
    QFETCH(int, family);
    QFETCH(QStringList, rows);
    QFETCH(QString, total);

    const TPricedCable cable = AirCable();
    const TPricedConnector top = PricedConnector("NM-5", "N Male", 30);
    const TPricedConnector bottom = samePart ? PricedConnector("NM-5", "N Male", 30)
                                             : PricedConnector("DF-5", "7-16 DIN Female", 40);
    TPartsListInput input = PartsInput(cable, top, bottom, "10", 10);
    input.Feeder = feeder;
    input.Family = static_cast<TCableFamily>(family);
    input.IncludeTop = withTop;
    input.IncludeBottom = withBottom;
    input.FeederChoice = static_cast<TFeederChoice>(choice);
    input.Prenvo = prenvo;

    const TPartsList list = BuildPartsList(input);
    QCOMPARE(RowTexts(list), Local(rows));
    QCOMPARE(FormatFixed2(list.Total), Local(total));
    QCOMPARE(list.Label, QString("(USD)"));
}

void TestQuote::partsListInMetres()
{
    // The look-up stores the per-metre price: 1.00 per foot is 3.2808 per metre.
    TPricedCable cable = AirCable();
    cable.Prices.PricePerLength = 3.2808;
    const TPricedConnector top = PricedConnector("NM-5", "N Male", 0.004);
    const TPricedConnector bottom = PricedConnector("DF-5", "7-16 DIN Female", 0.004);
    TPartsListInput input = PartsInput(cable, top, bottom, Local("10.5"), 10.5);
    input.Feeder = true;
    input.FeederChoice = TFeederChoice::None;
    input.Metres = true;

    const TPartsList list = BuildPartsList(input);
    // Extended prices are the quantity times the unit price as shown: 10.5 x 3.28, not
    // 10.5 x 3.2808 = 34.45; the total is their sum as shown.
    QCOMPARE(RowTexts(list), Local(QStringList{"10.5|Meters|AVA5-50|7/8 air cable|3.28|34.44|3",
                                               "1|Each|NM-5|N Male|0.00|0.00|4",
                                               "1|Each|DF-5|7-16 DIN Female|0.00|0.00|4"}));
    QCOMPARE(list.Total, 34.44);
    QCOMPARE(FormatFixed2(list.Total), Local("34.44"));

    // 45 m of a cable at 6.80 a foot: 22.31 a metre as shown, 1003.95 (not 1003.92) extended.
    cable.Prices.PricePerLength = 6.80 * 3.2808;
    input = PartsInput(cable, top, bottom, Local("45"), 45);
    input.Feeder = true;
    input.FeederChoice = TFeederChoice::None;
    input.IncludeTop = input.IncludeBottom = false;
    input.Metres = true;
    const TPartsList feeder = BuildPartsList(input);
    QCOMPARE(RowTexts(feeder),
             QStringList{Local("45") + "|Meters|AVA5-50|7/8 air cable|" + Local("22.31") + "|" +
                         Local("1003.95") + "|" + Local("3")});
    QCOMPARE(FormatFixed2(feeder.Total), Local("1003.95"));
    QCOMPARE(PartsListResultRows(feeder).first().UnitPrice.Text, QString("22.31"));
}

// clang-format off
void TestQuote::currencyPrices_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("rates");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("unit");
    QTest::addColumn<double>("charge");
    QTest::addColumn<double>("connector");
    QTest::addColumn<QString>("assembly");

    QTest::newRow("US dollars") << 1 << true << "(USD)" << "USD" << 2.5 << 15.0 << 30.0 << "123.40";
    QTest::newRow("euro") << 17 << true << "(EUR)" << "EUR" << 2.0 << 12.0 << 24.0 << "98.72";
    QTest::newRow("euro without rates") << 17 << false << "(USD)" << "USD" << 2.5 << 15.0 << 30.0 << "123.40";
    QTest::newRow("renminbi") << 3 << true << "(RMB)" << "RMB" << 17.5 << 105.0 << 210.0 << "863.80";
    QTest::newRow("tag 0") << 0 << true << "(USD)" << "USD" << 2.5 << 15.0 << 30.0 << "123.40";
    QTest::newRow("tag 37") << 37 << true << "(USD)" << "USD" << 2.5 << 15.0 << 30.0 << "123.40";
}
// clang-format on

void TestQuote::currencyPrices()
{
    QFETCH(int, tag);
    QFETCH(bool, rates);
    QFETCH(QString, label);
    QFETCH(QString, code);
    QFETCH(double, unit);
    QFETCH(double, charge);
    QFETCH(double, connector);
    QFETCH(QString, assembly);

    // Converted amounts: EUR is the 3rd and CNY the 7th currency of a price set.
    TCablePrices cable = AirCable().Prices;
    cable.CurrencyPricesPerLength[2] = 2.0;
    cable.CurrencyPricesPerLength[6] = 17.5;
    cable.CurrencyAttachChargePrices[2] = 12;
    cable.CurrencyAttachChargePrices[6] = 105;
    TConnectorPrices part = PricedConnector("NM-5", "N Male", 30).Prices;
    part.Prices[3] = 24;
    part.Prices[7] = 210;
    TJumper jumper;
    jumper.Prices[0] = 123.4;
    jumper.Prices[3] = 98.72;
    jumper.Prices[7] = 863.8;

    const TQuoteCurrency currency = QuoteCurrency(tag, rates);
    const TCablePrice regular = CablePriceInCurrency(cable, currency, false);
    QCOMPARE(regular.UnitPrice, unit);
    QCOMPARE(regular.Charge, charge);
    QCOMPARE(regular.Label, label);
    QCOMPARE(regular.Code, code);
    QCOMPARE(CablePriceInCurrency(cable, currency, true).Charge, charge * 0.75);
    QCOMPARE(ConnectorPriceInCurrency(part, currency), connector);
    const TAssemblyPrice price = AssemblyPriceInCurrency(jumper, currency);
    QCOMPARE(price.Label, label);
    QCOMPARE(price.Text, Local(assembly));
}

// clang-format off
void TestQuote::assemblyPriceRow_data()
{
    QTest::addColumn<bool>("ownPartNumber");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("prenvo");
    QTest::addColumn<bool>("withBottom");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");

    QTest::newRow("from parts") << false << 1 << false << true << "Price (USD):" << " 100.00";
    QTest::newRow("from parts, Prenvo") << false << 1 << true << true << "Price (USD):" << " 97.50";
    QTest::newRow("from parts, no bottom") << false << 1 << false << false << "Price (USD):" << " 60.00";
    QTest::newRow("from parts in euros") << false << 17 << false << true << "Price (EUR):" << " 80.00";
    QTest::newRow("own part number") << true << 1 << false << true << "Price (USD):" << "123.40";
    QTest::newRow("own part number in euros") << true << 17 << false << true << "Price (EUR):" << "98.72";
}
// clang-format on

void TestQuote::assemblyPriceRow()
{
    QFETCH(bool, ownPartNumber);
    QFETCH(int, tag);
    QFETCH(bool, prenvo);
    QFETCH(bool, withBottom);
    QFETCH(QString, label);
    QFETCH(QString, value);

    // 10 ft at 2.00, charge 5.00, connectors 30.00 and 40.00; in euros 1.60, 4.00, 24.00, 32.00.
    TTransmissionLine cable;
    TPricedConnector top = PricedConnector("NM-5", "N Male", 30);
    top.Prices.Prices[3] = 24;
    TPricedConnector bottom = PricedConnector("DF-5", "7-16 DIN Female", 40);
    bottom.Prices.Prices[3] = 32;
    TJumper jumper;
    jumper.Cable = &cable;
    jumper.CablePrices.PricePerLength = 2;
    jumper.CablePrices.AttachChargePrice = 5;
    jumper.CablePrices.CurrencyPricesPerLength[2] = 1.6;
    jumper.CablePrices.CurrencyAttachChargePrices[2] = 4;
    jumper.TopConnector = &top.Record;
    jumper.TopPrices = top.Prices;
    jumper.BottomConnector = withBottom ? &bottom.Record : nullptr;
    jumper.BottomPrices = bottom.Prices;
    jumper.HasPartNumber = ownPartNumber;
    jumper.Prices[0] = 123.4;
    jumper.Prices[3] = 98.72;

    const TPriceRow row = AssemblyPriceRow(jumper, 10, QuoteCurrency(tag, true), prenvo);
    QCOMPARE(row.Label, label);
    QCOMPARE(row.Value, Local(value));
}

// clang-format off
void TestQuote::description_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("metres");
    QTest::addColumn<bool>("diameterShown");
    QTest::addColumn<bool>("plated");
    QTest::addColumn<QString>("topCharacteristics");
    QTest::addColumn<QStringList>("grades"); // of the connectors taken; empty: not known
    QTest::addColumn<QString>("description");

    const QStringList unknown{"", ""};
    QTest::newRow("no characteristics") << "10" << false << true << true << "(none)" << unknown
        << "10 foot cable assembly, KRV4-50B, (0.63 in.)\rSPECIAL INSTRUCTIONS: \r"
           "Connector1 = Plated 7-16 DIN Male with Captivated inner contact attachment.  \r"
           "Connector2 = Plated N Female with (N/A) inner contact attachment";
    QTest::newRow("hidden diameter, metres") << "25" << true << false << false << "(none)" << unknown
        << "25 meter cable assembly, KRV4-50B, \rSPECIAL INSTRUCTIONS: \r"
           "Connector1 = Standard 7-16 DIN Male with Captivated inner contact attachment.  \r"
           "Connector2 = Standard N Female with (N/A) inner contact attachment";
    QTest::newRow("top characteristic") << "10" << false << true << true << "RIGHT ANGLE" << QStringList{"P", "P"}
        << "10 foot cable assembly, KRV4-50B, (0.63 in.)\rSPECIAL INSTRUCTIONS: \r"
           "Connector1 = Plated RIGHT ANGLE 7-16 DIN Male with Captivated inner contact attachment.  \r"
           "Connector2 = Plated N Female with (N/A) inner contact attachment";
    QTest::newRow("each side names the grade taken") << "10" << false << true << true << "(none)" << QStringList{"s", "P"}
        << "10 foot cable assembly, KRV4-50B, (0.63 in.)\rSPECIAL INSTRUCTIONS: \r"
           "Connector1 = Standard 7-16 DIN Male with Captivated inner contact attachment.  \r"
           "Connector2 = Plated N Female with (N/A) inner contact attachment";
}
// clang-format on

void TestQuote::description()
{
    QFETCH(QString, length);
    QFETCH(bool, metres);
    QFETCH(bool, diameterShown);
    QFETCH(bool, plated);
    QFETCH(QString, topCharacteristics);
    QFETCH(QStringList, grades);
    QFETCH(QString, description);

    TDescriptionInput input;
    input.TopGrade = grades[0];
    input.BottomGrade = grades[1];
    input.LengthText = length;
    input.Metres = metres;
    input.Cable = "KRV4-50B";
    input.Diameter = "0.63 in.";
    input.DiameterShown = diameterShown;
    input.Plated = plated;
    input.TopCharacteristics = topCharacteristics;
    input.BottomCharacteristics = "(none)";
    input.TopInterface = "7-16 DIN Male";
    input.BottomInterface = "N Female";
    input.TopInner = "Captivated";
    input.BottomInner = "(N/A)";
    QCOMPARE(AssemblyDescription(input), description);
}

void TestQuote::resultRows()
{
    const TPricedCable cable = AirCable();
    const TPricedConnector top = PricedConnector("NM-5", "N Male", 30);
    const TPricedConnector bottom = PricedConnector("DF-5", "7-16 DIN Female", 40);
    TPartsListInput input = PartsInput(cable, top, bottom, Local("10.5"), 10.5);
    input.Family = TCableFamily::Air;

    // Quantities and prices in the data format, whatever the user's.
    QCOMPARE(
        OrderLineTexts(PartsListResultRows(BuildPartsList(input))),
        (QStringList{"10.5|Feet|AVA5-50|7/8 air cable|2.50|2|", "1|Each|NM-5|N Male|30.00|4|",
                     "1|Each|DF-5|7-16 DIN Female|40.00|4|",
                     "2|Each|ACH-5|Factory attachment charge for AVA5-50 connectors|15.00|7|"}));
    QCOMPARE(
        OrderLineTexts({FinalResultRow("KJ5-1112-10", "10 foot\rConnector2", Local(" 97.50"))}),
        QStringList("1|Each|KJ5-1112-10|10 foot\rConnector2|97.50|1|"));
    QCOMPARE(
        PartsListIntro(true),
        QString("Below is a list of the part numbers that correspond to your specifications:"));
    QCOMPARE(PartsListIntro(false),
             QString("There is no standard part number that matches your selections.\r\r"
                     "Below is a list of the individual components that will make up your cable "
                     "assembly,\ralong with the charges to have the connectors attached to the "
                     "cable (if applicable)."));
}

// clang-format off
void TestQuote::csv_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows"); // headings first, fields joined by '|'; or the error

    QTest::newRow("plain, LF") << QByteArray("cable,length\nKRV4-50B,6\n") << QStringList{"cable|length", "KRV4-50B|6"};
    QTest::newRow("CR LF, BOM, no last line end")
        << QByteArray("\xEF\xBB\xBF" "a,b\r\n1,2") << QStringList{"a|b", "1|2"};
    QTest::newRow("quotes, commas and line breaks inside fields")
        << QByteArray("a,b\n\"x, \"\"y\"\"\",\"two\nlines\"\n") << QStringList{"a|b", "x, \"y\"|two\nlines"};
    QTest::newRow("empty fields and empty lines")
        << QByteArray("a,b,c\n\n,,\n\"\",x,\n") << QStringList{"a|b|c", "||", "|x|"};
    QTest::newRow("quote left open") << QByteArray("a\n\"open\n") << QStringList{"Line 2: a quoted field is not closed."};
    QTest::newRow("text after a closing quote") << QByteArray("a\n\"x\"y\n") << QStringList{"Line 2: text after the closing quote of a field."};
    QTest::newRow("not UTF-8") << QByteArray("a\n\xff\n") << QStringList{"The file is not UTF-8 text."};
    QTest::newRow("not UTF-8 at a cell's end") << QByteArray("a\nx\xc3,y\n") << QStringList{"The file is not UTF-8 text."};
    // Limits are checked as the bytes are read: millions of empty rows or cells are refused at
    // the first one too many, not after they fill the memory.
    QTest::newRow("4 million empty rows") << "a\n" + QByteArray(",\n").repeated(4000000)
        << QStringList{"Line 20002: the file has more than 20000 rows."};
    QTest::newRow("8 million commas") << "a\n" + QByteArray(8000000, ',')
        << QStringList{"Line 2: a row has more than 100 cells."};
    QTest::newRow("a cell of 64 KiB and a byte") << "a\n\"" + QByteArray(65537, 'x') + '"'
        << QStringList{"Line 2: a cell is longer than 65536 bytes."};
}
// clang-format on

void TestQuote::csv()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QStringList found;
    const QString error = DataErrorOf([&] {
        const TCsvTable table = ParseCsv(bytes);
        found.append(table.Headings.join('|'));
        for (const QStringList& row : table.Rows)
            found.append(row.join('|'));
    });
    QCOMPARE(error.isNull() ? found : QStringList{error}, rows);
    if (error.isNull()) {
        // Written back, the rows read the same.
        QByteArray written;
        const TCsvTable table = ParseCsv(bytes);
        written += CsvLine(table.Headings).toUtf8() + "\r\n";
        for (const QStringList& row : table.Rows)
            written += CsvLine(row).toUtf8() + "\r\n";
        QCOMPARE(ParseCsv(written).Rows, table.Rows);
        QCOMPARE(table.Column(" LENGTH "), table.Headings.indexOf("length"));
    }

    // Exactly at the limits a table reads; one more row, cell or byte is refused.
    const TCsvLimits small{2, 3, 4};
    QCOMPARE(ParseCsv("a,b,c\n1,2,3\n\"x\"\"yy\",,\n", small).Rows.last().first(), "x\"yy");
    QVERIFY_THROWS_EXCEPTION(TDataError, ParseCsv("a\n1\n2\n3\n", small));
    QVERIFY_THROWS_EXCEPTION(TDataError, ParseCsv("a\n1,2,3,4\n", small));
    QVERIFY_THROWS_EXCEPTION(TDataError, ParseCsv("a\nxxxxx\n", small));
}

QTEST_GUILESS_MAIN(TestQuote)
#include "tst_quote.moc"
