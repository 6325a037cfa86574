// The '|' line format and its number conversions. Runs in a '.' and a ',' locale: expected
// texts that the user sees are written with '.' and localised by Local().
#include "base/DataError.h"
#include "base/LineFormat.h"

#include <QLocale>
#include <QTest>

#include "support/CoreTestHelpers.h"

#include <functional>

class TestLineFormat : public QObject
{
    Q_OBJECT

private slots:
    void splitFields_data();
    void splitFields();
    void getField_data();
    void getField();
    void trimControl_data();
    void trimControl();
    void defaultIfEmpty();
    void parseNumberOr_data();
    void parseNumberOr();
    void isSkippedLine_data();
    void isSkippedLine();
    void sortNumericStrings_data();
    void sortNumericStrings();
    void numberConversion_data();
    void numberConversion();
    void strToInt_data();
    void strToInt();
    void requireFields_data();
    void requireFields();
    void formatting_data();
    void formatting();
};

// clang-format off
void TestLineFormat::splitFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("terminated") << "a|b|c|" << "|" << QStringList{"a", "b", "c", ""};
    QTest::newRow("empty middle") << "a||b" << "|" << QStringList{"a", "", "b"};
    QTest::newRow("no delimiter") << "abc" << "|" << QStringList{"abc"};
    QTest::newRow("empty text") << "" << "|" << QStringList{""};
    QTest::newRow("blanks kept") << " A |B|" << "|" << QStringList{" A ", "B", ""};
    QTest::newRow("lengths") << "3,6,10" << "," << QStringList{"3", "6", "10"};
}
// clang-format on

void TestLineFormat::splitFields()
{
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QFETCH(QStringList, fields);

    QStringList target{"left", "over"};
    SplitFields(target, text, delimiter);
    QCOMPARE(target, fields);
    QCOMPARE(SplitFields(text, delimiter), fields);
}

// clang-format off
void TestLineFormat::getField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QString>("field");

    QTest::newRow("third of terminated") << "A|B|C|" << 3 << "|" << "C";
    QTest::newRow("third unterminated") << "A|B|C" << 3 << "|" << "";
    QTest::newRow("trimmed") << " A |B|" << 1 << "|" << "A";
    QTest::newRow("second of a|b") << "a|b" << 2 << "|" << "";
    QTest::newRow("beyond last") << "A|B|" << 5 << "|" << "";
    QTest::newRow("empty field") << "A||C|" << 2 << "|" << "";
    QTest::newRow("control characters") << "\tA\x01 |x|" << 1 << "|" << "A";
    QTest::newRow("inner blanks kept") << "N|7-16 DIN Male |" << 2 << "|" << "7-16 DIN Male";
    QTest::newRow("comma") << "3,6,10" << 2 << "," << "6";
    QTest::newRow("comma unterminated") << "3,6,10" << 3 << "," << "";
}
// clang-format on

void TestLineFormat::getField()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, delimiter);
    QFETCH(QString, field);

    QCOMPARE(GetField(text, n, delimiter), field);
}

// clang-format off
void TestLineFormat::trimControl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("blanks and controls") << " \t\r\nabc \x1f" << "abc";
    QTest::newRow("inner blank") << "a b" << "a b";
    QTest::newRow("only blanks") << "  \t " << "";
    QTest::newRow("no-break space kept") << QStringLiteral("\u00a0x ") << QStringLiteral("\u00a0x");
}
// clang-format on

void TestLineFormat::trimControl()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);

    QCOMPARE(TrimControl(text), trimmed);
}

void TestLineFormat::defaultIfEmpty()
{
    QCOMPARE(DefaultIfEmpty("", "0"), QStringLiteral("0"));
    QCOMPARE(DefaultIfEmpty(" ", "0"), QStringLiteral(" "));
    QCOMPARE(DefaultIfEmpty("12", "0"), QStringLiteral("12"));
}

// clang-format off
void TestLineFormat::parseNumberOr_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << "0" << 0.0;
    QTest::newRow("not a number") << "abc" << "0" << 0.0;
    QTest::newRow("trailing letter") << "12a" << "3" << 3.0;
    QTest::newRow("point") << "12.5" << "0" << 12.5;
    QTest::newRow("regional separator") << Local("12.5") << "0" << 12.5;
    QTest::newRow("other default") << "" << "7.25" << 7.25;
    QTest::newRow("negative") << "-4" << "0" << -4.0;
}
// clang-format on

void TestLineFormat::parseNumberOr()
{
    QFETCH(QString, text);
    QFETCH(QString, defaultText);
    QFETCH(double, value);

    QCOMPARE(ParseNumberOr(text, defaultText), value);
}

// clang-format off
void TestLineFormat::isSkippedLine_data()
{
    QTest::addColumn<QChar>("first");
    QTest::addColumn<bool>("skipped");

    for (const char c : {' ', '#', ';', '[', '^', '`', '{', '~'})
        QTest::addRow("'%c'", c) << QChar::fromLatin1(c) << true;
    for (const char c : {'A', 'z', '0', '"', '!', '\t', ']', '}', '|', '-'})
        QTest::addRow("code %d", c) << QChar::fromLatin1(c) << false;
}
// clang-format on

void TestLineFormat::isSkippedLine()
{
    QFETCH(QChar, first);
    QFETCH(bool, skipped);

    QCOMPARE(IsSkippedLine(first), skipped);
}

// clang-format off
void TestLineFormat::sortNumericStrings_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("frequencies") << QStringList{"800", "1700", "150", "800"}
                                 << QStringList{"150", "800", "800", "1700"};
    QTest::newRow("numeric, not text order") << QStringList{"100", "10", "9.5"}
                                             << QStringList{"9.5", "10", "100"};
    QTest::newRow("equal values keep order") << QStringList{"2.50", "2.5", "1"}
                                             << QStringList{"1", "2.50", "2.5"};
    QTest::newRow("regional separator") << QStringList{"10", Local("2.5")}
                                        << QStringList{Local("2.5"), "10"};
    QTest::newRow("a text that is not a number counts 0") << QStringList{"5", "abc", "-1", "0"}
                                                          << QStringList{"-1", "abc", "0", "5"};
    QTest::newRow("one") << QStringList{"5"} << QStringList{"5"};
    QTest::newRow("none") << QStringList{} << QStringList{};
    QStringList descending;
    QStringList ascending;
    for (int i = 0; i < 400; ++i) {
        descending.append(QString::number(400 - i));
        ascending.append(QString::number(i + 1));
    }
    QTest::newRow("a long list") << descending << ascending;
}
// clang-format on

void TestLineFormat::sortNumericStrings()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, sorted);

    SortNumericStrings(texts);
    QCOMPARE(texts, sorted);
}

// clang-format off
void TestLineFormat::numberConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("data point") << "12.5" << true << 12.5;
    QTest::newRow("regional separator") << Local("2.25") << true << 2.25;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("blanks around") << " 7.5 " << true << 7.5;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("grouped") << "1,234.5" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    // Plain decimals take a shortcut; the texts around its edges take the general path.
    QTest::newRow("leading zeros") << "007.50" << true << 7.5;
    QTest::newRow("negative fraction") << "-0.125" << true << -0.125;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("point last") << "5." << true << 5.0;
    QTest::newRow("plus sign") << "+5" << true << 5.0;
    QTest::newRow("minus alone") << "-" << false << 0.0;
    QTest::newRow("two minus signs") << "--5" << false << 0.0;
    QTest::newRow("33 digits") << "100000000000000000000000000000000" << true << 1e32;
    QTest::newRow("correctly rounded") << "0.30000000000000004" << true << 0.30000000000000004;
    QTest::newRow("too large") << "1" + QString(400, '0') << false << 0.0;
}
// clang-format on

void TestLineFormat::numberConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);

    double parsed = 0;
    QCOMPARE(TryStrToFloat(text, parsed), isNumber);
    QCOMPARE(IsNumber(text), isNumber);
    if (isNumber) {
        QCOMPARE(parsed, value);
        QCOMPARE(StrToFloat(text), value);
    } else {
        QCOMPARE(DataErrorOf([&] { StrToFloat(text); }),
                 QString("'" + text + "' is not a valid floating point value"));
    }
}

// clang-format off
void TestLineFormat::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("error");

    QTest::newRow("plain") << "42" << 42 << QString();
    QTest::newRow("negative") << "-7" << -7 << QString();
    QTest::newRow("blanks around") << " 5 " << 5 << QString();
    QTest::newRow("fraction") << "12.5" << 0 << "'12.5' is not a valid integer value";
    QTest::newRow("empty") << "" << 0 << "'' is not a valid integer value";
    QTest::newRow("letters") << "x1" << 0 << "'x1' is not a valid integer value";
    QTest::newRow("too large") << "99999999999" << 0
                               << "'99999999999' is not a valid integer value";
}
// clang-format on

void TestLineFormat::strToInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, error);

    int result = 0;
    QCOMPARE(DataErrorOf([&] { result = StrToInt(text); }), error);
    QCOMPARE(result, value);
}

// clang-format off
void TestLineFormat::requireFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("error");

    QTest::newRow("enough") << "a|b|" << 3 << QString();
    QTest::newRow("one short") << "a|b" << 3 << "List index out of bounds (2)";
    QTest::newRow("connector of one field") << "17" << 8 << "List index out of bounds (1)";
    QTest::newRow("cable of fourteen") << "1|2|3|4|5|6|7|8|9|10|11|12|13|14" << 15
                                       << "List index out of bounds (14)";
}
// clang-format on

void TestLineFormat::requireFields()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QFETCH(QString, error);

    QCOMPARE(DataErrorOf([&] { RequireFields(SplitFields(line), count); }), error);
}

// clang-format off
void TestLineFormat::formatting_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shortest"); // written with '.'
    QTest::addColumn<QString>("fixed2");   // written with '.'

    QTest::newRow("whole") << 800.0 << "800" << "800.00";
    QTest::newRow("no grouping") << 1234.5 << "1234.5" << "1234.50";
    QTest::newRow("half") << 2.5 << "2.5" << "2.50";
    QTest::newRow("rounded") << 0.3228683 << "0.3228683" << "0.32";
    QTest::newRow("rounded up") << 92.8353 << "92.8353" << "92.84";
    QTest::newRow("zero") << 0.0 << "0" << "0.00";
    QTest::newRow("large, no exponent") << 100000.0 << "100000" << "100000.00";
    QTest::newRow("small, no exponent") << 0.0001 << "0.0001" << "0.00";
    QTest::newRow("negative") << -2.25 << "-2.25" << "-2.25";
}
// clang-format on

void TestLineFormat::formatting()
{
    QFETCH(double, value);
    QFETCH(QString, shortest);
    QFETCH(QString, fixed2);

    QCOMPARE(FloatToStr(value), Local(shortest));
    QCOMPARE(FormatFixed2(value), Local(fixed2));
    QCOMPARE(FormatFixed2Data(value), fixed2);
}

QTEST_GUILESS_MAIN(TestLineFormat)
#include "tst_lineformat.moc"
