// Order lines (merging result rows, totals, removing items) and order files. Runs in a '.' and a
// ',' locale: order lines and files use '.' in both.
#include "base/DataError.h"
#include "base/LineFormat.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "pricing/Currencies.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/CoreTestHelpers.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

// The order of these lines, written quantity|unit|part number|description|price|kind|.
QList<TOrderLine> Order(const QStringList& items)
{
    return OrderLinesOf(items);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QByteArray FileStart = "[Header]\r\nCompany Name=\r\nAuthor=\r\nDate=\r\nJob Number=\r\n"
                             "Proposal Number=\r\nFile Name=\r\nFile Path=\r\nCurrency=\r\n\r\n"
                             "[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\nShip To City=\r\n"
                             "Ship To State/Province=\r\nShip To Country=\r\n";

// The site section as the writer starts it.
// clang-format off
const QStringList SiteStart{"[SITE 001 LOM]", "Site Name=", "Site Number=", "Ship To City=",
                            "Ship To State/Province=", "Ship To Country="};
// clang-format on

} // namespace

class TestOrder : public QObject
{
    Q_OBJECT

private slots:
    void addResultRows_data();
    void addResultRows();
    void userNumbers();
    void orderItemFields_data();
    void orderItemFields();
    void quantityText_data();
    void quantityText();
    void totals_data();
    void totals();
    void flattenLineBreaks();
    void removeItems_data();
    void removeItems();
    void orderFileLines();
    void orderFileOfUnusualLines();
    void writeThenRead();
    void keepsWhatItDoesNotUse_data();
    void keepsWhatItDoesNotUse();
    void orderDates();
    void encoding_data();
    void encoding();
    void parse_data();
    void parse();
    void badLine_data();
    void badLine();
    void notAnOrderFile_data();
    void notAnOrderFile();
    void writeFailures();
    void notRegularOrTooLarge_data();
    void notRegularOrTooLarge();
    void failedWriteKeepsFile();

private:
    QTemporaryDir Dir;
};

// clang-format off
void TestOrder::addResultRows_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QList<QStringList>>("additions"); // result rows
    QTest::addColumn<QStringList>("expected");

    const QString assembly = "1|Each|FA-716-10|10 foot cable assembly| 812.50|1|";
    QTest::newRow("same assembly twice")
        << QStringList{} << QList<QStringList>{{assembly}, {assembly}}
        << QStringList({"2|Each|FA-716-10|10 foot cable assembly| 812.50|1|"});
    QTest::newRow("two parts lists on one cable")
        << QStringList{}
        << QList<QStringList>{{"10|Feet|KRV4-50B|1/2 in. foam cable| 1.25|3|",
                               "1|Each|CN-716M|7-16 DIN Male| 30.00|4|",
                               "1|Each|CN-716F|7-16 DIN Female| 40.00|4|",
                               "2|Each|AC-50|Factory attachment charge for KRV4-50B connectors| 15.00|7|"},
                              {"10.5|Feet|KRV4-50B|1/2 in. foam cable| 1.25|3|",
                               "2|Each|CN-NM|N Male| 25.00|4|",
                               "2|Each|AC-50|Factory attachment charge for KRV4-50B connectors| 15.00|7|"}}
        << QStringList({"20.5|Feet|KRV4-50B|1/2 in. foam cable| 1.25|3|",
                  "1|Each|CN-716M|7-16 DIN Male| 30.00|4|",
                  "1|Each|CN-716F|7-16 DIN Female| 40.00|4|",
                  "4|Each|AC-50|Factory attachment charge for KRV4-50B connectors| 15.00|7|",
                  "2|Each|CN-NM|N Male| 25.00|4|"});
    QTest::newRow("merged line keeps its description and kind")
        << QStringList({"1|Each|FA-716-10|First description| 812.50|1|"})
        << QList<QStringList>{{"3|Each|FA-716-10|Second description|812.5|2|"}}
        << QStringList({"4|Each|FA-716-10|First description| 812.50|1|"});
    QTest::newRow("feet and metres, or two prices, never merge")
        << QStringList{}
        << QList<QStringList>{{"6|Feet|KRV4-50B|Cable| 1.25|3|"}, {"2|Meters|KRV4-50B|Cable| 4.10|3|"},
                              {"1|Feet|KRV4-50B|Cable| 1.13|3|"}, {"4|Feet|KRV4-50B|Cable| 1.25|3|"}}
        << QStringList({"10|Feet|KRV4-50B|Cable| 1.25|3|", "2|Meters|KRV4-50B|Cable| 4.10|3|",
                  "1|Feet|KRV4-50B|Cable| 1.13|3|"});
    QTest::newRow("only the first of two equal part numbers")
        << QStringList({"3|Each|CN-NM|N Male| 25.00|2|", "1|Each|CN-716M|7-16 DIN Male|30.00|2|",
                  "4|Each|CN-NM|N Male| 25.00|2|"})
        << QList<QStringList>{{"2|Each|CN-NM|N Male| 25.00|4|"}}
        << QStringList({"5|Each|CN-NM|N Male| 25.00|2|", "1|Each|CN-716M|7-16 DIN Male|30.00|2|",
                  "4|Each|CN-NM|N Male| 25.00|2|"});
    QTest::newRow("part numbers are case-sensitive")
        << QStringList({"1|Each|CN-NM|N Male| 25.00|4|"})
        << QList<QStringList>{{"1|Each|cn-nm|N Male| 25.00|4|"}}
        << QStringList({"1|Each|CN-NM|N Male| 25.00|4|", "1|Each|cn-nm|N Male| 25.00|4|"});
    QTest::newRow("part numbers compared trimmed")
        << QStringList({"1|Each| CN-NM |N Male| 25.00|4|"})
        << QList<QStringList>{{"1|Each|CN-NM|N Male| 25.00|4|"}}
        << QStringList({"2|Each| CN-NM |N Male| 25.00|4|"});
    QTest::newRow("the header line is no item")
        << QStringList{} << QList<QStringList>{{"1|Each|pn|A part called pn| 5.00|4|"}}
        << QStringList({"1|Each|pn|A part called pn| 5.00|4|"});
    QTest::newRow("fractions add as numbers")
        << QStringList{} << QList<QStringList>{{"0.1|Meters|KRV4-50B|Cable| 4.10|3|"},
                                               {"0.2|Meters|KRV4-50B|Cable| 4.10|3|"}}
        << QStringList({"0.3|Meters|KRV4-50B|Cable| 4.10|3|"});
    QTest::newRow("a quantity that is not a number counts 0")
        << QStringList({"many|Each|CN-NM|N Male| 25.00|4|"})
        << QList<QStringList>{{"2|Each|CN-NM|N Male| 25.00|4|"}}
        << QStringList({"2|Each|CN-NM|N Male| 25.00|4|"});
    // Out of bounds: the whole addition is refused and the order stays as it was.
    QTest::newRow("a unit price above 1e9 is refused")
        << QStringList({"1|Each|CN-NM|N Male| 25.00|4|"})
        << QList<QStringList>{{"1|Each|CN-716M|7-16 DIN Male| 30.00|4|",
                               "1|Each|BIG|Big| 1000000000.01|4|"}}
        << QStringList({"1|Each|CN-NM|N Male| 25.00|4|"});
    QTest::newRow("a merged quantity above 1e9 is refused")
        << QStringList({"999999999|Each|CN-NM|N Male| 25.00|4|"})
        << QList<QStringList>{{"2|Each|CN-NM|N Male| 25.00|4|"}}
        << QStringList({"999999999|Each|CN-NM|N Male| 25.00|4|"});
}
// clang-format on

void TestOrder::addResultRows()
{
    QFETCH(QStringList, order);
    QFETCH(QList<QStringList>, additions);
    QFETCH(QStringList, expected);

    QList<TOrderLine> lines = Order(order);
    for (const QStringList& rows : additions)
        QCOMPARE(AddResultRows(lines, Order(rows)),
                 !QByteArray(QTest::currentDataTag()).contains("refused"));
    QCOMPARE(lines, Order(expected));
}

void TestOrder::userNumbers()
{
    QCOMPARE(ToUserNumber(QStringLiteral(" 1.25")), Local(" 1.25"));
    QCOMPARE(ToDataNumber(Local(" 1.25")), QStringLiteral(" 1.25"));
}

// clang-format off
void TestOrder::orderItemFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "2|Each|FA-716-10|10 ft assembly| 812.50|1|";
    QTest::newRow("blanks and controls around fields") << " 2 |\tEach\t|\rFA\n| a  b |  | 1 |";
    QTest::newRow("missing last fields") << "3|x|";
    QTest::newRow("text after the last delimiter") << "3|x|P|d|1.5|2|extra";
    QTest::newRow("more than six fields") << "3|x|P|d|1.5|2|7|8|";
    QTest::newRow("no delimiter") << "garbage";
    QTest::newRow("empty") << "";
    QTest::newRow("empty fields") << "||||||";
}
// clang-format on

void TestOrder::orderItemFields()
{
    QFETCH(QString, line);

    // The fields as they stand before each '|', untrimmed: every field as GetField gives it.
    QStringList fields = line.split('|');
    fields.removeLast();
    while (fields.size() < 6)
        fields.append(QString());
    const TOrderLine item = MakeOrderLine(fields.at(0), fields.at(1), fields.at(2), fields.at(3),
                                          fields.at(4), fields.at(5));
    QCOMPARE(item.Quantity.Text, GetField(line, 1));
    QCOMPARE(item.Unit, GetField(line, 2));
    QCOMPARE(item.PartNumber, GetField(line, 3));
    QCOMPARE(item.Description, GetField(line, 4));
    QCOMPARE(item.UnitPrice.Text, GetField(line, 5));
    QCOMPARE(item.Kind, GetField(line, 6));
}

void TestOrder::quantityText_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("fraction") << 10.5 << "10.5";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("a million") << 1e6 << "1000000";
    QTest::newRow("negative whole") << -3.0 << "-3";
    QTest::newRow("largest of fifteen digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("ten to the fifteenth") << 1e15 << "1000000000000000";
    QTest::newRow("ten to the twentieth") << 1e20 << "100000000000000000000";
    QTest::newRow("small, no exponent") << 1e-7 << "0.0000001";
}

void TestOrder::quantityText()
{
    QFETCH(double, quantity);
    QFETCH(QString, text);

    QCOMPARE(QuantityText(quantity), text);
}

// clang-format off
void TestOrder::totals_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<double>>("extended");
    QTest::addColumn<double>("total");

    QTest::newRow("3 at 1.25") << QStringList{"3|Each|CN-NM|N Male| 1.25|4|"}
                               << QList<double>{3.75} << 3.75;
    QTest::newRow("two such rows") << QStringList{"3|Each|A|a| 1.25|4|", "3|Each|B|b|1.25|4|"}
                                   << QList<double>{3.75, 3.75} << 7.5;
    // Each extended price is rounded to the cent as its text shows it (an exact half away from
    // zero), and the total sums them: 45 x 22.31 is 1003.95 although the binary product is a
    // hair below it.
    QTest::newRow("fractional quantity") << QStringList{"10.5|Feet|KRV4-50B|Cable| 1.25|2|"}
                                         << QList<double>{13.13} << 13.13;
    QTest::newRow("45 m at 22.31") << QStringList{"45|Meters|KRV6-50A|Cable| 22.31|3|"}
                                   << QList<double>{1003.95} << 1003.95;
    QTest::newRow("1.15 at 0.10") << QStringList{"1.15|Feet|A|a| 0.10|3|"}
                                  << QList<double>{0.12} << 0.12;
    QTest::newRow("not numbers count 0")
        << QStringList{"many|Each|A|a| 2.00|4|", "-2|Each|B|b| 2.00|4|", "2|Each|C|c||4|",
                       "2|Each|D|d| n/a|4|", "4|Each|E|e| 0.50|4|"}
        << QList<double>{0, 0, 0, 0, 2} << 2.0;
    QTest::newRow("sum of the amounts as shown")
        << QStringList{"1|Each|A|a|0.005|7|", "1|Each|B|b|0.005|7|", "1|Each|C|c|0.005|7|"}
        << QList<double>{0.01, 0.01, 0.01} << 0.03;
    QTest::newRow("no items") << QStringList{} << QList<double>{} << 0.0;
}
// clang-format on

void TestOrder::totals()
{
    QFETCH(QStringList, items);
    QFETCH(QList<double>, extended);
    QFETCH(double, total);

    const TOrderTotals totals = OrderTotals(Order(items));
    QCOMPARE(totals.Extended, extended);
    QCOMPARE(totals.Total, total);
}

void TestOrder::flattenLineBreaks()
{
    QList<TOrderLine> order = Order({"1|Each|FA-716-10|10 ft,\rSPECIAL:\r\nConnector1| 812.50|1|",
                                     "2|Each|CN-NM|N\nMale| 25.00|4|"});
    FlattenLineBreaks(order);
    QCOMPARE(order, Order({"1|Each|FA-716-10|10 ft, SPECIAL:  Connector1| 812.50|1|",
                           "2|Each|CN-NM|N Male| 25.00|4|"}));
}

void TestOrder::removeItems_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("rows 2 and 3") << QList<int>{1, 2} << QStringList{"1|a|", "4|d|"};
    QTest::newRow("any order, duplicates") << QList<int>{2, 1, 2, 1} << QStringList{"1|a|", "4|d|"};
    QTest::newRow("first and last") << QList<int>{3, 0} << QStringList{"2|b|", "3|c|"};
    QTest::newRow("outside the items")
        << QList<int>{-1, 4, 100} << QStringList{"1|a|", "2|b|", "3|c|", "4|d|"};
    QTest::newRow("all") << QList<int>{0, 1, 2, 3} << QStringList{};
}

void TestOrder::removeItems()
{
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, left);

    QList<TOrderLine> order = Order({"1|a|", "2|b|", "3|c|", "4|d|"});
    RemoveItems(order, positions);
    QCOMPARE(order, Order(left));
}

void TestOrder::orderFileLines()
{
    const QList<TOrderLine> order = Order({"2|Each|FA-716-10| 10 ft\rassembly | 812.50|1|",
                                           "10.5|Feet|KRV4-50B|1/2 in. foam cable| 1.25|3|"});
    QCOMPARE(OrderFileLines(order, TOrderInfo{17, {}, {}, {}}),
             (QStringList{"[Header]", "Company Name=", "Author=", "Date=", "Job Number=",
                          "Proposal Number=", "File Name=", "File Path=", "Currency=EUR", ""} +
              SiteStart +
              QStringList{"1=2|Each|FN-001|FA-716-10|10 ft assembly|812.50|",
                          "2=10.5|Feet||KRV4-50B|1/2 in. foam cable|1.25|", ""}));
    QCOMPARE(OrderFileLines(Order({})).mid(8, 2), (QStringList{"Currency=", ""}));
    QCOMPARE(OrderFileLines(Order({})).mid(10), SiteStart + QStringList{""});
    QCOMPARE(OrderFileLines({}).mid(10), SiteStart + QStringList{""});
}

void TestOrder::orderFileOfUnusualLines()
{
    const QList<TOrderLine> order = Order({" 2 |\tEach\t|FA-716-10| a\nb\r\nc |  812.50 | 1 |",
                                           "3|x|", "garbage", "||||||", "4|Feet|P|d|1.5|2|extra"});
    const QStringList lines = OrderFileLines(order);
    QCOMPARE(lines.mid(16), (QStringList{"1=2|Each|FN-001|FA-716-10|a b  c|812.50|", "2=3|x|||||",
                                         "3=||||||", "4=||||||", "5=4|Feet||P|d|1.5|", ""}));
    // The bytes written are those lines, each ended by CR LF.
    QCOMPARE(OrderFileBytes(order), (lines.join("\r\n") + "\r\n").toLatin1());
    QCOMPARE(OrderFileBytes({}), (OrderFileLines({}).join("\r\n") + "\r\n").toLatin1());
}

void TestOrder::writeThenRead()
{
    const QString path = Dir.filePath("order.fyn");
    WriteOrderFile(path, Order({"2|Each|FA-716-10|10 foot assembly| 812.50|1|",
                                "10.5|Feet|KRV4-50B|Foam cable, 90\u00b0C| 1.25|3|",
                                "0|Each|CN-NM|N Male|25|4|"}));

    QCOMPARE(ReadBytes(path), FileStart + "1=2|Each|FN-001|FA-716-10|10 foot assembly|812.50|\r\n"
                                          "2=10.5|Feet||KRV4-50B|Foam cable, 90\xb0"
                                          "C|1.25|\r\n"
                                          "3=0|Each||CN-NM|N Male|25|\r\n\r\n");
    const TOrderFileContents contents = ReadOrderFile(path);
    QCOMPARE(contents.OrderLines, Order({"2|Each|FA-716-10|10 foot assembly|812.50|1|",
                                         "10.5|Feet|KRV4-50B|Foam cable, 90\u00b0C|1.25|2|",
                                         "0|Each|CN-NM|N Male|25|2|"}));

    // A second write replaces the file as a whole.
    WriteOrderFile(path, Order({}));
    QCOMPARE(ReadBytes(path), FileStart + "\r\n");
    QCOMPARE(ReadOrderFile(path).OrderLines, Order({}));

    // The order's currency goes with it, by the code the result pages show.
    WriteOrderFile(path, Order({"1|Each|P|d|1.00|4|"}), TOrderInfo{3, {}, {}, {}});
    QCOMPARE(ReadOrderFile(path).CurrencyCode, QString("RMB"));
    QVERIFY(ReadOrderFile(path).Details.IsEmpty()); // as files of older builds

    // So do its details: '|' and '=' as they are, a line break as a blank.
    const TOrderDetails details{"A|B = C", "Ann\nLee", "2026-12-07", "J-1", " P=2 "};
    WriteOrderFile(path, Order({"1|Each|P|d|1.00|4|"}), TOrderInfo{3, details, {}, {}});
    QVERIFY(ReadBytes(path).startsWith("[Header]\r\nCompany Name=A|B = C\r\nAuthor=Ann Lee\r\n"
                                       "Date=2026-12-07\r\nJob Number=J-1\r\n"
                                       "Proposal Number=P=2\r\n"));
    QCOMPARE(ReadOrderFile(path).Details,
             (TOrderDetails{"A|B = C", "Ann Lee", "2026-12-07", "J-1", "P=2"}));
}

void TestOrder::keepsWhatItDoesNotUse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("written"); // when the order is written back; empty: the same
    const QByteArray header = "[Header]\r\nCompany Name=Acme\r\nAuthor=\r\nDate=\r\n"
                              "Job Number=\r\nProposal Number=\r\nFile Name=\r\nFile Path=\r\n"
                              "Currency=EUR\r\n";
    const QByteArray site = "[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\nShip To City=\r\n"
                            "Ship To State/Province=\r\nShip To Country=\r\n";
    const QByteArray item = "1=2|Each||KRV4-50B|cable|1.25|\r\n\r\n";
    QTest::newRow("nothing else: byte for byte") << header + "\r\n" + site + item << QByteArray();
    // A quote reference follows Currency=; one that is no reference opens all the same.
    QTest::newRow("quote reference")
        << header + "Quote=Q-2026-00042/2\r\n\r\n" + site + item << QByteArray();
    QTest::newRow("quote reference first")
        << "[Header]\r\nQuote=Q-2026-00042/2\r\n" + header.mid(10) + "\r\n" + site + item
        << header + "Quote=Q-2026-00042/2\r\n\r\n" + site + item;
    QTest::newRow("no quote reference")
        << header + "Quote=42 / x\r\n\r\n" + site + item << QByteArray();
    QTest::newRow("far too long a quote reference")
        << header + "Quote=" + QByteArray(41, 'Q') + "\r\n\r\n" + site + item
        << header + "\r\n" + site + item;
    QTest::newRow("all of it")
        << header +
               "Customer Ref=R-7; \"x\"\r\nRevision=3\r\n\r\n"
               "[SITE 001 LOM]\r\nSite Name=Riverside\r\nSite Number=12\r\n"
               "Ship To City=Bern\r\nShip To State/Province=\r\nShip To Country=CH\r\n" +
               item +
               "[SITE 002 LOM]\r\nSite Name=Hilltop\r\n1=1|Each||X|y|2|\r\n\r\n[Notes]\r\nA=b\r\n"
        << header +
               "Customer Ref=R-7; \"x\"\r\nRevision=3\r\n\r\n"
               "[SITE 001 LOM]\r\nSite Name=Riverside\r\nSite Number=12\r\n"
               "Ship To City=Bern\r\nShip To State/Province=\r\nShip To Country=CH\r\n" +
               item +
               "[SITE 002 LOM]\r\nSite "
               "Name=Hilltop\r\n1=1|Each||X|y|2|\r\n\r\n[Notes]\r\nA=b\r\n\r\n";
}

void TestOrder::keepsWhatItDoesNotUse()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    const QString path = Dir.filePath("kept.fyn");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    const TOrderFileContents contents = ReadOrderFile(path);
    QCOMPARE(contents.OrderLines.size(), 1);
    WriteOrderFile(
        path, contents.OrderLines,
        TOrderInfo{CurrencyTagOfCode("EUR"), contents.Details, contents.Extras, contents.Quote});
    QCOMPARE(ReadBytes(path), written.isEmpty() ? file : written);
}

void TestOrder::orderDates()
{
    // Typed in the regional short format (or as yyyy-MM-dd), kept as yyyy-MM-dd, shown back.
    const QDate day(2026, 12, 7);
    const QString shown = QLocale::system().toString(day, QLocale::ShortFormat);
    QCOMPARE(DataOrderDate(shown), std::optional<QString>("2026-12-07"));
    QCOMPARE(DataOrderDate(" 2026-12-07 "), std::optional<QString>("2026-12-07"));
    QCOMPARE(DataOrderDate(""), std::optional<QString>(""));
    QCOMPARE(DataOrderDate("next Tuesday"), std::nullopt);
    QCOMPARE(ShownOrderDate("2026-12-07"), shown);
    QCOMPARE(ShownOrderDate("as agreed"), QString("as agreed"));
}

void TestOrder::encoding_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << "N Male" << QByteArray("N Male");
    QTest::newRow("Windows-1252") << "90\u00b0 \u20ac \u2013 \u00d8"
                                  << QByteArray("90\xb0 \x80 \x96 \xd8");
    QTest::newRow("outside Windows-1252")
        << "50 \u03a9 \u00b0" << QByteArray("50 \xce\xa9 \xc2\xb0");
    // In Windows-1252 these bytes would read back as UTF-8 "é".
    QTest::newRow("looks like UTF-8") << "\u00c3\u00a9" << QByteArray("\xc3\x83\xc2\xa9");
}

void TestOrder::encoding()
{
    QFETCH(QString, description);
    QFETCH(QByteArray, bytes);

    const QString path = Dir.filePath("encoding.fyn");
    WriteOrderFile(path, Order({"1|Each|P|" + description + "|1.00|4|"}));

    QCOMPARE(ReadBytes(path), FileStart + "1=1|Each||P|" + bytes + "|1.00|\r\n\r\n");
    QCOMPARE(ReadOrderFile(path).OrderLines, Order({"1|Each|P|" + description + "|1.00|2|"}));
}

// clang-format off
void TestOrder::parse_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("currency");

    QTest::newRow("site lines missing: the first five items are lost")
        << QStringList{"[SITE 001 LOM]", "1=1|Each||A|a|1.00|", "2=2|Each||B|b|1.00|",
                       "3=3|Each||C|c|1.00|", "4=4|Each||D|d|1.00|", "5=5|Each||E|e|1.00|",
                       "6=6|Each|FN-001|F|f|1.00|", "7=7|Feet||G|g|2.50|"}
        << QStringList{"6|Each|F|f|1.00|1|", "7|Feet|G|g|2.50|2|"} << "";
    QTest::newRow("section name in any case, site lines not read, key ignored")
        << QStringList{"junk before", "[site 001 Lom]", "Site Name=1|Each||A|a|1.00|", "a", "b",
                       "c", "d", "x=3|Each|item|P|Desc=with equals|812.5|"}
        << QStringList{"3|Each|P|Desc=with equals|812.5|1|"} << "";
    QTest::newRow("empty and end-of-file lines do not count")
        << (SiteStart.mid(0, 3) + QStringList{"", QString(QChar(26))} + SiteStart.mid(3) +
            QStringList{"", "1= 12.00 | Each |  | P | D |  1.25 |", QString(QChar(26))})
        << QStringList{"12|Each|P|D|1.25|2|"} << "";
    QTest::newRow("site lines of blanks count by position")
        << QStringList{"[SITE 001 LOM]", "   ", "\t", "Ship To City=", " ", "Ship To Country=",
                       "1=1|Each||A|a|1.00|", "  ", "2=2|Each||B|b|1.00|"}
        << QStringList{"1|Each|A|a|1.00|2|", "2|Each|B|b|1.00|2|"} << "";
    QTest::newRow("repeated section ignored")
        << (SiteStart + QStringList{"1=1|Each||A|a|1.00|", "[Header]", "Author=me"} + SiteStart +
            QStringList{"1=2|Each||B|b|1.00|"})
        << QStringList{"1|Each|A|a|1.00|2|"} << "";
    QTest::newRow("five lines or fewer") << SiteStart << QStringList{} << "";
    QTest::newRow("comma, Arabic-Indic digits and separator, any locale")
        << (SiteStart + QStringList{"1=2,5|Feet||P|d|12,50|",
                                    "2=\u0663|Each||Q|q|\u0661\u0662\u066b\u0665\u0660|"})
        << QStringList{"2.5|Feet|P|d|12.50|2|", "3|Each|Q|q|12.50|2|"} << "";
    QTest::newRow("currency from the header")
        << (QStringList{"[Header]", "Author=", "Currency= EUR "} + SiteStart)
        << QStringList{} << "EUR";
}
// clang-format on

void TestOrder::parse()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, items);
    QFETCH(QString, currency);

    const TOrderFileContents contents = ParseOrderFile(lines, "order.fyn");
    QCOMPARE(contents.OrderLines, Order(items));
    QCOMPARE(contents.CurrencyCode, currency);
}

void TestOrder::badLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reason");

    QTest::newRow("no '='") << "2|Each||B|b|1.00|"
                            << "no '=' before the item's fields";
    QTest::newRow("five fields") << "3=3|Each||C|c|"
                                 << "fewer than six fields";
    QTest::newRow("text quantity") << "4=abc|Each||D|d|1.00|"
                                   << "the quantity 'abc' is not a number from 0 to 1000000000";
    QTest::newRow("negative quantity") << "5=-1|Each||E|e|1.00|"
                                       << "the quantity '-1' is not a number from 0 to 1000000000";
    QTest::newRow("empty quantity") << "6=|Each||F|f|1.00|"
                                    << "the quantity '' is not a number from 0 to 1000000000";
    QTest::newRow("text price") << "7=1|Each||G|g|x|"
                                << "the price 'x' is not a number from 0 to 1000000000";
    QTest::newRow("grouped price") << "7=1|Each||G|g|1.234,50|"
                                   << "the price '1.234,50' is not a number from 0 to 1000000000";
    QTest::newRow("negative price") << "7=1|Each||G|g|-2.5|"
                                    << "the price '-2.5' is not a number from 0 to 1000000000";
    QTest::newRow("price above 1e9")
        << "7=1|Each||G|g|1000000000.5|"
        << "the price '1000000000.5' is not a number from 0 to 1000000000";
    QTest::newRow("quantity above 1e9")
        << "7=1e10|Each||G|g|1|"
        << "the quantity '1e10' is not a number from 0 to 1000000000";
    QTest::newRow("huge quantity") << "1=" + QString(1000000, '7') + "x|Each||A|a|1.00|"
                                   << "field 1 is longer than 2000 characters";
    QTest::newRow("long quantity") << "1=" + QString(300, '7') + "x|Each||A|a|1.00|"
                                   << "the quantity '7777777777777777777777777777777777777...' is "
                                      "not a number from 0 to 1000000000";
}

void TestOrder::badLine()
{
    QFETCH(QString, line);
    QFETCH(QString, reason);

    // The bad line fails the whole file, whatever good lines come before or after it. The file's
    // name is shown as it is, placeholders and all.
    const QStringList lines =
        SiteStart + QStringList{"1=1|Each||A|a|1.00|", line, "9=1|Each||Z|z|1.00|"};
    QCOMPARE(DataErrorOf([&] { ParseOrderFile(lines, "x%1%2 %3.fyn"); }),
             "Cannot open the order file \"x%1%2 %3.fyn\": line 8: " + reason + ".");
}

void TestOrder::notAnOrderFile_data()
{
    static const char Junk[] = "\x00\xff\xfe[\x1a]\r\n\x80\x81=|||||||\n\x00\x00";
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes"); // null: no such file
    QTest::addColumn<QString>("message");  // %1: the path

    QTest::newRow("missing") << "absent.fyn" << QByteArray()
                             << "Cannot open the order file \"%1\": it does not exist.";
    QTest::newRow("empty") << "empty.fyn" << QByteArray("")
                           << "\"empty.fyn\" is not an order file.";
    QTest::newRow("header only") << "header.fyn"
                                 << QByteArray(
                                        "[Header]\r\nAuthor=\r\nSITE 001 LOM=\r\n[SITE 001 LOM\r\n")
                                 << "\"header.fyn\" is not an order file.";
    QTest::newRow("binary junk") << "junk.fyn" << QByteArray(Junk, sizeof(Junk) - 1)
                                 << "\"junk.fyn\" is not an order file.";
}

void TestOrder::notAnOrderFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    const QString path = Dir.filePath(fileName);
    if (!bytes.isNull())
        WriteBytes(path, bytes);
    if (message.contains("%1"))
        message = message.arg(QDir::toNativeSeparators(path));
    QCOMPARE(DataErrorOf([&] { ReadOrderFile(path); }), message);
}

void TestOrder::writeFailures()
{
    const QString order = QStringLiteral("1|Each|P|D|1.00|4|");
    const QString missingFolder = Dir.filePath("no such folder/order.fyn");
    QVERIFY(DataErrorOf([&] { WriteOrderFile(missingFolder, Order({order})); })
                .startsWith("Cannot write the order file \"" +
                            QDir::toNativeSeparators(missingFolder) + "\": "));
    QVERIFY(!QFile::exists(missingFolder));

    const QString folder = Dir.filePath("folder.fyn");
    QVERIFY(QDir(Dir.path()).mkdir("folder.fyn"));
    QVERIFY(DataErrorOf([&] { WriteOrderFile(folder, Order({order})); })
                .startsWith("Cannot write the order file \"" + QDir::toNativeSeparators(folder) +
                            "\": "));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(DataErrorOf([&] { ReadOrderFile(folder); }), "Cannot open the order file \"" +
                                                              QDir::toNativeSeparators(folder) +
                                                              "\": it is a folder.");
}

void TestOrder::notRegularOrTooLarge_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // how the read is refused
    QTest::newRow("FIFO") << "fifo"
                          << "it is not a regular file.";
    QTest::newRow("link to a FIFO") << "link to fifo"
                                    << "it is not a regular file.";
    QTest::newRow("link to a device") << "link to /dev/zero"
                                      << "it is not a regular file.";
    QTest::newRow("too large") << "large"
                               << "it is far too large to be an order file.";
    QTest::newRow("too many lines") << "lines"
                                    << "it has more than 20000 lines.";
    QTest::newRow("field too long") << "field"
                                    << "line 17: field 5 is longer than 2000 characters.";
}

void TestOrder::notRegularOrTooLarge()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = Dir.filePath("hostile.fyn");
    QFile::remove(path);
    const QString fifo = Dir.filePath("fifo");
    QFile::remove(fifo);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (kind == "fifo")
        QVERIFY(QFile::rename(fifo, path));
    else if (kind.startsWith("link to "))
        QVERIFY(QFile::link(kind == "link to fifo" ? fifo : kind.mid(8), path));
    else if (kind == "large")
        WriteBytes(path, QByteArray(5 << 20, ' '));
    else if (kind == "lines")
        WriteBytes(path, QByteArray(20001, '\n'));
    else
        WriteBytes(path, FileStart + "1=1|Each||P|" + QByteArray(2001, 'd') + "|1.00|\r\n");

    // Refused at once, naming the file as given.
    const QString name =
        kind == "field" ? QStringLiteral("hostile.fyn") : QDir::toNativeSeparators(path);
    QCOMPARE(DataErrorOf([&] { ReadOrderFile(path); }),
             "Cannot open the order file \"" + name + "\": " + reason);
    // Only a regular file is replaced.
    if (kind != "link to /dev/zero") {
        const bool regular = QFileInfo(path).isFile();
        const QString error = DataErrorOf([&] { WriteOrderFile(path, Order({})); });
        QCOMPARE(error.isEmpty(), regular);
        QCOMPARE(QFileInfo(path).isFile(), regular);
        QCOMPARE(QFileInfo(path).isSymLink(), kind.startsWith("link to "));
    }
#else
    QSKIP("FIFOs and links are a POSIX matter");
#endif
}

void TestOrder::failedWriteKeepsFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write fail part way, even for root.
    const QString path = Dir.filePath("kept.fyn");
    WriteOrderFile(path, Order({"1|Each|P|D|1.00|4|"}));
    const QByteArray before = ReadBytes(path);

    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = DataErrorOf(
        [&] { WriteOrderFile(path, Order({"1|Each|P|" + QString(4000, 'd') + "|1.00|4|"})); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(error.startsWith("Cannot write the order file \"" + QDir::toNativeSeparators(path) +
                              "\": "),
             qPrintable(error));
    QCOMPARE(ReadBytes(path), before);
    QCOMPARE(QDir(Dir.path()).entryList(QStringList{"kept.fyn*"}, QDir::Files | QDir::Hidden),
             QStringList{"kept.fyn"});
#else
    QSKIP("needs a file-size limit");
#endif
}

QTEST_GUILESS_MAIN(TestOrder)
#include "tst_order.moc"
