// Attenuation, insertion loss, efficiency and power of a cable run, and the figure texts of the
// result pages. Expected texts are written with '.' and localised by Local().
#include "catalog/Band.h"
#include "catalog/Catalog.h"
#include "catalog/Performance.h"

#include <QLocale>
#include <QTest>

#include "support/CoreTestHelpers.h"

#include <cmath>

namespace {

QStringList Local(const QStringList& texts)
{
    QStringList result;
    for (const QString& text : texts)
        result << ::Local(text);
    return result;
}

// A 1/2" foam cable: K1 0.07, K2 0.0002, power factor 4 kW*dB/100 ft, at most 40 kW.
const QString FoamLine =
    QStringLiteral("800|1000|KRV4-50B|KRV4-50B-S|FOAM|0.07|0.0002|0.63|S|||||4|40|");

// Connector term of the insertion loss at 900 MHz: 2 * 0.05 * sqrt(0.9).
const double ConnectorLoss900 = 0.1 * std::sqrt(0.9);

} // namespace

class TestPerformance : public QObject
{
    Q_OBJECT

private slots:
    void band_data();
    void band();
    void coaxialTexts_data();
    void coaxialTexts();
    void coaxialValues();
    void averagePower_data();
    void averagePower();
    void waveguide_data();
    void waveguide();
    void bandOrderDoesNotMatter();
    void undefinedFigures_data();
    void undefinedFigures();
};

// clang-format off
void TestPerformance::coaxialTexts_data()
{
    QTest::addColumn<bool>("feet");
    QTest::addColumn<double>("length");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("10 ft") << true << 10.0
                           << QStringList{"2.28 dB", "7.48 dB", "0.23 dB", "0.32 dB", "92.84%",
                                          "40.00 kW", "1.75 kW"};
    QTest::newRow("10 m") << false << 10.0
                          << QStringList{"2.28 dB", "7.48 dB", "0.75 dB", "0.84 dB", "82.36%",
                                         "40.00 kW", "1.75 kW"};
    QTest::newRow("zero length") << true << 0.0
                                 << QStringList{"2.28 dB", "7.48 dB", "0.00 dB", "0.09 dB",
                                                "97.84%", "40.00 kW", "1.75 kW"};
    QTest::newRow("10000 m, 3.2808 ft per m") << false << 10000.0
                                              << QStringList{"2.28 dB", "7.48 dB", "748.02 dB",
                                                             "748.12 dB", "0.00%", "40.00 kW",
                                                             "1.75 kW"};
}
// clang-format on

void TestPerformance::coaxialTexts()
{
    QFETCH(bool, feet);
    QFETCH(double, length);
    QFETCH(QStringList, texts);

    const TTransmissionLine cable = ParseCableLine(FoamLine);
    QCOMPARE(PerformanceTexts(PerformanceFigures(cable, feet, 800, 1000, length)), Local(texts));
}

void TestPerformance::coaxialValues()
{
    const TTransmissionLine cable = ParseCableLine(FoamLine);

    QVERIFY(qFuzzyCompare(Attenuation(cable, 800, 1000), 2.28));
    QVERIFY(qFuzzyCompare(TotalAttenuation(cable, true, 800, 1000, 10), 0.228));
    QVERIFY(qFuzzyCompare(TotalAttenuation(cable, false, 800, 1000, 10), 0.7480224));
    QVERIFY(qFuzzyCompare(InsertionLoss(cable, true, 800, 1000, 10), 0.228 + ConnectorLoss900));
    QVERIFY(qFuzzyCompare(Efficiency(cable, true, 800, 1000, 10),
                          100 * std::pow(10.0, -(0.228 + ConnectorLoss900) / 10)));

    // Zero length: only the two connectors lose anything.
    QCOMPARE(TotalAttenuation(cable, true, 800, 1000, 0), 0.0);
    QVERIFY(qFuzzyCompare(InsertionLoss(cable, false, 800, 1000, 0), ConnectorLoss900));
    const double efficiency = Efficiency(cable, true, 800, 1000, 0);
    QVERIFY(efficiency < 100 && efficiency > 97.8);

    // A single frequency band is evaluated at that frequency.
    QVERIFY(qFuzzyCompare(Attenuation(cable, 900, 900), 2.28));
}

// clang-format off
void TestPerformance::averagePower_data()
{
    QTest::addColumn<double>("powerFactor");
    QTest::addColumn<double>("power");

    QTest::newRow("below the ceiling") << 4.0 << 4 / 2.28;
    QTest::newRow("capped") << 200.0 << 40.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}
// clang-format on

void TestPerformance::averagePower()
{
    QFETCH(double, powerFactor);
    QFETCH(double, power);

    TTransmissionLine cable = ParseCableLine(FoamLine);
    cable.PowerFactor = powerFactor;
    QVERIFY(qFuzzyCompare(1 + AveragePower(cable, 800, 1000), 1 + power));
    QCOMPARE(PerformanceTexts(PerformanceFigures(cable, true, 800, 1000, 10)).at(6),
             Local(QString(QLocale::c().toString(power, 'f', 2) + " kW")));
}

// clang-format off
void TestPerformance::waveguide_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<double>("f1");
    QTest::addColumn<double>("f2");
    QTest::addColumn<double>("attenuation");

    // K1 1000 MHz, K2 1500: at twice K1 the logarithm is 0 and the result exactly 1.5.
    QTest::newRow("EW at 2000") << "EW" << 2000.0 << 2000.0 << 1.5;
    QTest::newRow("ew counts too") << "ew" << 2000.0 << 2000.0 << 1.5;
    QTest::newRow("mean of 1800 and 2200") << "EW" << 1800.0 << 2200.0 << 1.5;
    QTest::newRow("band reversed") << "Ew" << 2200.0 << 1800.0 << 1.5;
    const double l = std::log(2.0); // at 3000: ln(3000 / 1000 - 1)
    QTest::newRow("at 3000") << "EW" << 3000.0 << 3000.0
                             << 1.5 * std::exp(0.09557 * l * l - 0.13127 * l);
    QTest::newRow("not EW: coaxial formula") << "EWX" << 2000.0 << 2000.0
                                             << 1000 * std::sqrt(2000.0) + 1500 * 2000.0;
}
// clang-format on

void TestPerformance::waveguide()
{
    QFETCH(QString, type);
    QFETCH(double, f1);
    QFETCH(double, f2);
    QFETCH(double, attenuation);

    const TTransmissionLine cable =
        ParseCableLine("1700|2300|KRE60|KRE60-S|" + type + "|1000|1500||S|||||4|40|");
    if (attenuation == 1.5)
        QCOMPARE(Attenuation(cable, f1, f2), 1.5);
    else
        QVERIFY(qFuzzyCompare(Attenuation(cable, f1, f2), attenuation));
}

void TestPerformance::bandOrderDoesNotMatter()
{
    const TTransmissionLine cable = ParseCableLine(FoamLine);

    QCOMPARE(Attenuation(cable, 1000, 800), Attenuation(cable, 800, 1000));
    QCOMPARE(InsertionLoss(cable, false, 1000, 800, 25),
             InsertionLoss(cable, false, 800, 1000, 25));
    QCOMPARE(AveragePower(cable, 1000, 800), AveragePower(cable, 800, 1000));
    QCOMPARE(PerformanceTexts(PerformanceFigures(cable, true, 1000, 800, 10)),
             PerformanceTexts(PerformanceFigures(cable, true, 800, 1000, 10)));
}

// clang-format off
void TestPerformance::undefinedFigures_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("texts");

    const QStringList cutOff{"n/a", "n/a", "n/a", "n/a", "n/a", "40.00 kW", "n/a"};
    QTest::newRow("waveguide at cut-off") << "800|1000|KRE9|KRE9-S|EW|900|1500||S|||||4|40|"
                                          << cutOff;
    QTest::newRow("waveguide below cut-off") << "800|1000|KRE9|KRE9-S|EW|950|1500||S|||||4|40|"
                                             << cutOff;
    QTest::newRow("zero attenuation")
        << "800|1000|IDEAL|IDEAL-S|FOAM|0|0|0.5|S|||||4|40|"
        << QStringList{"0.00 dB", "0.00 dB", "0.00 dB", "0.09 dB", "97.84%", "40.00 kW", "n/a"};
}
// clang-format on

void TestPerformance::undefinedFigures()
{
    QFETCH(QString, line);
    QFETCH(QStringList, texts);

    QCOMPARE(PerformanceTexts(PerformanceFigures(ParseCableLine(line), true, 800, 1000, 10)),
             Local(texts));
}

// clang-format off
void TestPerformance::band_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("feet");
    // beginning, middle, end: frequency|attenuation per 100 ft and 100 m|the cable's total|
    // insertion loss|efficiency|average power
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("foam, 10 ft") << FoamLine << true
        << QStringList{"800|2.14|7.02|0.21|0.30|93.25|1.87", "900|2.28|7.48|0.23|0.32|92.84|1.75",
                       "1000|2.41|7.92|0.24|0.34|92.44|1.66"};
    QTest::newRow("foam, 10 m") << FoamLine << false
        << QStringList{"800|2.14|7.02|0.70|0.79|83.34|1.87", "900|2.28|7.48|0.75|0.84|82.36|1.75",
                       "1000|2.41|7.92|0.79|0.89|81.44|1.66"};
    QTest::newRow("waveguide, cut-off at 900") << "800|1000|KRE9|KRE9-S|EW|900|1500||S|||||4|40|" << true
        << QStringList{"800|n/a|n/a|n/a|n/a|n/a|n/a", "900|n/a|n/a|n/a|n/a|n/a|n/a",
                       "1000|3.17|10.42|0.32|0.42|90.83|1.26"};
}
// clang-format on

void TestPerformance::band()
{
    QFETCH(QString, line);
    QFETCH(bool, feet);
    QFETCH(QStringList, rows);
    const TTransmissionLine cable = ParseCableLine(line);

    QStringList texts;
    for (const TBandPoint& point : BandRows(cable, feet, 800, 1000, 10))
        texts.append(BandRowTexts(point).join('|'));
    QCOMPARE(texts, Local(rows));
    // The middle row is the seven figures' middle.
    QStringList figures =
        PerformanceTexts(PerformanceFigures(cable, feet, 800, 1000, 10)).mid(0, 4);
    for (QString& figure : figures)
        figure.remove(" dB");
    QCOMPARE(Local(rows.at(1)).split('|').mid(1, 4), figures);
    QCOMPARE(BandNote(800, 1000), "Figures at " + Local("900") + " MHz, the middle of " +
                                      Local("800") + "\u2013" + Local("1000") + " MHz");

    // The curve: odd, both ends and the middle exactly as the table has them.
    const QList<TBandPoint> curve = BandCurve(cable, feet, 800, 1000, 10, 60);
    QCOMPARE(curve.size(), 61);
    QCOMPARE(curve.first().Frequency, 800.0);
    QCOMPARE(curve.at(30).Frequency, 900.0);
    QCOMPARE(curve.last().Frequency, 1000.0);
    QCOMPARE(BandRowTexts(curve.at(30)), BandRowTexts(BandRows(cable, feet, 800, 1000, 10).at(1)));
}

QTEST_GUILESS_MAIN(TestPerformance)
#include "tst_performance.moc"
