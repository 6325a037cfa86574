// Sectioned text files ([section] headers, key=value lines) and reading text files as lines.
#include "base/DataError.h"
#include "base/SectionedFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One text per section ("[name] @line") followed by one per entry ("key => value @line").
QStringList Outline(const TSectionedFile& file)
{
    QStringList outline;
    for (const TSectionedFile::Section& section : file.Sections()) {
        outline << QStringLiteral("[%1] @%2").arg(section.Name).arg(section.Line);
        for (const TSectionedFile::Entry& entry : section.Entries)
            outline << QStringLiteral("%1 => %2 @%3").arg(entry.Key, entry.Value).arg(entry.Line);
    }
    return outline;
}

const QString EndOfFile = QString(QChar(26));

} // namespace

class TestSectionedFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void entryKeepsWholeLine();
    void firstKeyWins();
    void readTextLines_data();
    void readTextLines();
    void missingFile();
    void lineNumbersAcrossLineEndings();

private:
    QTemporaryDir Dir;
};

// clang-format off
void TestSectionedFile::parse_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("outline");

    QTest::newRow("two sections")
        << QStringList{"[Header]", "Version=3", "[LDF4]", "TLine=800|2200|", "C1=1|N|"}
        << QStringList{"[Header] @1", "Version => 3 @2", "[LDF4] @3", "TLine => 800|2200| @4",
                       "C1 => 1|N| @5"};
    QTest::newRow("empty and end-of-file lines")
        << QStringList{"[S]", "", "k=v", EndOfFile, "", "j=w", EndOfFile}
        << QStringList{"[S] @1", "k => v @3", "j => w @6"};
    QTest::newRow("lines before the first section")
        << QStringList{"k0=v0", "loose text", "[S]", "k=v"}
        << QStringList{"[S] @3", "k => v @4"};
    QTest::newRow("repeated name ignored with its lines")
        << QStringList{"[Alpha]", "k=1", "[ALPHA]", "k=2", "j=3", "[Beta]", "k=4"}
        << QStringList{"[Alpha] @1", "k => 1 @2", "[Beta] @6", "k => 4 @7"};
    QTest::newRow("repeat after another section")
        << QStringList{"[A]", "[B]", "x=1", "[a]", "y=2", "[C]", "z=3"}
        << QStringList{"[A] @1", "[B] @2", "x => 1 @3", "[C] @6", "z => 3 @7"};
    QTest::newRow("line without equals sign")
        << QStringList{"[S]", "just text", "k=a=b", "=v"}
        << QStringList{"[S] @1", "just text =>  @2", "k => a=b @3", " => v @4"};
    QTest::newRow("not trimmed")
        << QStringList{"[ S ]", " k = v ", " [T]", "[U] "}
        << QStringList{"[ S ] @1", " k  =>  v  @2", " [T] =>  @3", "[U]  =>  @4"};
    QTest::newRow("lines of blanks and tabs are empty")
        << QStringList{"[S]", "k=v", "   ", "\t \t", "j=w", " x"}
        << QStringList{"[S] @1", "k => v @2", "j => w @5", " x =>  @6"};
    QTest::newRow("no sections") << QStringList{"k=v", ""} << QStringList{};
}
// clang-format on

void TestSectionedFile::parse()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, outline);

    QCOMPARE(Outline(TSectionedFile(lines)), outline);
}

void TestSectionedFile::entryKeepsWholeLine()
{
    const TSectionedFile file(QStringList{"[S]", "C7=7|FN-716|7-16 DIN Male|"});
    QCOMPARE(file.Sections().at(0).Entries.at(0).Text,
             QStringLiteral("C7=7|FN-716|7-16 DIN Male|"));
}

void TestSectionedFile::firstKeyWins()
{
    const TSectionedFile file(
        QStringList{"[Header]", "[Cable]", "", "TLine=first", "C1=one", "TLine=second"});
    const TSectionedFile::Section& cable = file.Sections().at(1);

    QCOMPARE(cable.Value("TLine"), QStringLiteral("first"));
    QCOMPARE(cable.LineOf("TLine"), 4);
    QCOMPARE(cable.Value("C1"), QStringLiteral("one"));
    QCOMPARE(cable.LineOf("C1"), 5);
    // Keys are matched exactly; a missing key reads empty at the section's own line.
    QCOMPARE(cable.Value("tline"), QString());
    QCOMPARE(cable.Value("C2"), QString());
    QCOMPARE(cable.LineOf("C2"), 2);
}

// clang-format off
void TestSectionedFile::readTextLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CRLF") << QByteArray("[S]\r\nk=v\r\n") << QStringList{"[S]", "k=v"};
    QTest::newRow("LF, last line open") << QByteArray("[S]\nk=v") << QStringList{"[S]", "k=v"};
    QTest::newRow("CR") << QByteArray("[S]\rk=v\r") << QStringList{"[S]", "k=v"};
    QTest::newRow("mixed, empty lines kept")
        << QByteArray("a\r\n\nb\rc\r\n\r\n") << QStringList{"a", "", "b", "c", ""};
    QTest::newRow("end-of-file character kept") << QByteArray("a\r\n\x1a") << QStringList{"a", EndOfFile};
    QTest::newRow("UTF-8") << QByteArray("N Male \xc3\x98 8mm|\r\n")
                           << QStringList{QStringLiteral("N Male \u00d8 8mm|")};
    QTest::newRow("Windows-1252") << QByteArray("N Male \xd8 8mm|\r\nKRV\x99 \x96 \x80 12|")
                                  << QStringList{QStringLiteral("N Male \u00d8 8mm|"),
                                                 QStringLiteral("KRV\u2122 \u2013 \u20ac 12|")};
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf[S]\r\n") << QStringList{"[S]"};
    QTest::newRow("two byte-order marks") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf[S]") << QStringList{"[S]"};
    QTest::newRow("byte-order mark starting a later line")
        << QByteArray("[S]\n\xef\xbb\xbfk=v") << QStringList{"[S]", QStringLiteral("\ufeffk=v")};
    // A file that ends in the middle of a UTF-8 sequence is not UTF-8: no character is dropped.
    QTest::newRow("Windows-1252 letter at the very end")
        << QByteArray("[S]\r\nk=Caf\xe9") << QStringList{"[S]", QStringLiteral("k=Caf\u00e9")};
    QTest::newRow("UTF-8 cut short at the end")
        << QByteArray("\xc2\xb0|\xe2\x82") << QStringList{QStringLiteral("\u00c2\u00b0|\u00e2\u201a")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}
// clang-format on

void TestSectionedFile::readTextLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QVERIFY(Dir.isValid());
    const QString path = Dir.filePath("lines.dat");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    QCOMPARE(ReadTextLines(path), lines);
    QCOMPARE(ReadTextLines(path, true), lines);
}

void TestSectionedFile::missingFile()
{
    const QString path = Dir.filePath("absent.dat");

    QCOMPARE(ReadTextLines(path, true), QStringList());
    try {
        ReadTextLines(path);
        QFAIL("a missing file must throw");
    } catch (const TDataError& error) {
        QVERIFY2(error.Message.contains(path), qPrintable(error.Message));
    }
}

void TestSectionedFile::lineNumbersAcrossLineEndings()
{
    const QString path = Dir.filePath("tlineconnectors.dat");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("; catalog\r\n[Header]\r\n\r\n[LDF4]\rTLine=800|2200|\nC1=1|N|\r\n\x1a");
    file.close();

    QCOMPARE(Outline(TSectionedFile(ReadTextLines(path))),
             (QStringList{"[Header] @2", "[LDF4] @4", "TLine => 800|2200| @5", "C1 => 1|N| @6"}));
}

QTEST_GUILESS_MAIN(TestSectionedFile)
#include "tst_sectionedfile.moc"
