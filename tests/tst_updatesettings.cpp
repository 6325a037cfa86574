#include "base/DataError.h"
#include "platform/AppPaths.h"
#include "update/UpdateIni.h"
#include "update/UpdateSettings.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QDate Today(2026, 12, 1);

} // namespace

class TestUpdateSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void readOptions_data();
    void readOptions();
    void writeKeepsTheRest_data();
    void writeKeepsTheRest();
    void unwritableFile();
    void reminder_data();
    void reminder();
    void nextUpdateDate_data();
    void nextUpdateDate();
    void fileLocation();

private:
    QString Path() const { return Dir.filePath(QStringLiteral("update.ini")); }
    void Write(const QByteArray& bytes);
    QByteArray Read() const;

    QTemporaryDir Dir;
};

void TestUpdateSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(Dir.isValid());
}

void TestUpdateSettings::init()
{
    QFile::remove(Path());
}

void TestUpdateSettings::cleanup()
{
    AppPaths::SetProgramFolder(QString());
    AppPaths::SetProgramFolderWritableOverride(std::nullopt);
}

void TestUpdateSettings::Write(const QByteArray& bytes)
{
    QFile file(Path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray TestUpdateSettings::Read() const
{
    QFile file(Path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// clang-format off
void TestUpdateSettings::readOptions_data()
{
    QTest::addColumn<QByteArray>("ini"); // a null text: no file
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("autoUpdate");

    QTest::newRow("no file") << QByteArray() << 30 << false;
    QTest::newRow("no keys") << QByteArray("[UPDATE]\r\ndate=2026-01-01\r\n") << 30 << false;
    QTest::newRow("set") << QByteArray("[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n") << 45 << true;
    QTest::newRow("any case, blanks") << QByteArray("[update]\n DAYS = 12 \nAutoUpdate=0\n") << 12 << false;
    QTest::newRow("below the dialog's range") << QByteArray("[UPDATE]\ndays=5\n") << 5 << false;
    QTest::newRow("zero") << QByteArray("[UPDATE]\ndays=0\n") << 0 << false;
    QTest::newRow("negative") << QByteArray("[UPDATE]\ndays=-3\n") << 30 << false;
    QTest::newRow("not a number") << QByteArray("[UPDATE]\ndays=abc\nautoupdate=yes\n") << 30 << false;
    QTest::newRow("fraction") << QByteArray("[UPDATE]\ndays=12.5\n") << 30 << false;
    QTest::newRow("boolean word") << QByteArray("[UPDATE]\nautoupdate=True\n") << 30 << true;
    QTest::newRow("other section") << QByteArray("[OTHER]\ndays=45\nautoupdate=1\n") << 30 << false;
}
// clang-format on

void TestUpdateSettings::readOptions()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, days);
    QFETCH(bool, autoUpdate);
    if (!ini.isNull())
        Write(ini);
    QCOMPARE(ReadUpdateInterval(Path()), days);
    QCOMPARE(ReadAutoUpdate(Path()), autoUpdate);
}

// clang-format off
void TestUpdateSettings::writeKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("before"); // a null text: no file
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file")
        << QByteArray()
        << QByteArray("[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n");
    QTest::newRow("keys replaced in place, new ones after the last entry")
        << QByteArray("; settings\n[Other]\nx=1\n[Update]\nDays = 30\nlast=2026-01-01\n\n[More]\ny=2\n")
        << QByteArray("; settings\n[Other]\nx=1\n[Update]\ndays=45\nlast=2026-01-01\nautoupdate=1\n\n[More]\ny=2\n");
    QTest::newRow("section added, missing final line end")
        << QByteArray("[Other]\r\nx=1")
        << QByteArray("[Other]\r\nx=1\r\n[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n");
    QTest::newRow("empty section at the end without line end")
        << QByteArray("[UPDATE]")
        << QByteArray("[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n");
    QTest::newRow("only the first section of the name")
        << QByteArray("[UPDATE]\r\nautoupdate=0\r\n[UPDATE]\r\ndays=10\r\n")
        << QByteArray("[UPDATE]\r\nautoupdate=1\r\ndays=45\r\n[UPDATE]\r\ndays=10\r\n");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[UPDATE]\r\nnote=caf\xC3\xA9\r\ndays=30\r\nDAYS=31\r\n")
        << QByteArray("\xEF\xBB\xBF[UPDATE]\r\nnote=caf\xC3\xA9\r\ndays=45\r\nDAYS=31\r\nautoupdate=1\r\n");
    QTest::newRow("Windows-1252 bytes kept")
        << QByteArray("[Other]\nnote=caf\xE9\n[UPDATE]\ndays=30")
        << QByteArray("[Other]\nnote=caf\xE9\n[UPDATE]\ndays=45\nautoupdate=1\n");
    // Keys are written where the reader looks for them: lines are decoded as the reader decodes
    // them, not byte by byte.
    QTest::newRow("no-break space before a key in UTF-8")
        << QByteArray("[UPDATE]\n\xC2\xA0" "days=30\n")
        << QByteArray("[UPDATE]\ndays=45\nautoupdate=1\n");
    QTest::newRow("Windows-1252 ellipsis before a key is part of it")
        << QByteArray("[UPDATE]\n\x85" "days=30\n")
        << QByteArray("[UPDATE]\n\x85" "days=30\ndays=45\nautoupdate=1\n");
    QTest::newRow("byte order mark of a file that is not UTF-8 hides the section")
        << QByteArray("\xEF\xBB\xBF[UPDATE]\r\nnote=\xFF\r\ndays=30\r\n")
        << QByteArray("\xEF\xBB\xBF[UPDATE]\r\nnote=\xFF\r\ndays=30\r\n[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n");
    QTest::newRow("byte order mark alone")
        << QByteArray("\xEF\xBB\xBF")
        << QByteArray("\xEF\xBB\xBF\r\n[UPDATE]\r\ndays=45\r\nautoupdate=1\r\n");
    // Replacing the only byte that is not UTF-8 would make the file UTF-8, its mark skipped and
    // "[UPDATE]" the section: the file is written in UTF-8 as it read, the mark's three characters
    // kept as text.
    QTest::newRow("a write that would change the decoding")
        << QByteArray("\xEF\xBB\xBF[UPDATE]\r[Update]\nDays =\xBE ")
        << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBF[UPDATE]\r\n[Update]\r\ndays=45\r\nautoupdate=1\r\n");
    // A new line ended by a lone CR before an empty line's LF: the two line ends join, and the
    // empty line at the end is gone, which reads the same.
    QTest::newRow("lone CR line ends before an empty line")
        << QByteArray("[X]\r[UPDATE]\nlast=\n\n")
        << QByteArray("[X]\r[UPDATE]\nlast=\ndays=45\rautoupdate=1\r\n");
    QTest::newRow("lone CR line ends before an empty line with a tab")
        << QByteArray("[E]\r[UPDATE]\ndate=soon\nlast=\n\n\r\t\n")
        << QByteArray("[E]\r\n[UPDATE]\r\ndate=soon\r\nlast=\r\ndays=45\r\nautoupdate=1\r\n\r\n\r\n\t\r\n");
}
// clang-format on

void TestUpdateSettings::writeKeepsTheRest()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        Write(before);
    WriteUpdateOptions(Path(), 45, true);
    QCOMPARE(Read(), after);
    QCOMPARE(ReadUpdateInterval(Path()), 45);
    QVERIFY(ReadAutoUpdate(Path()));
    // Nothing else is left in the folder, such as a temporary file.
    QCOMPARE(QDir(Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("update.ini")});
}

void TestUpdateSettings::unwritableFile()
{
    // A folder in place of the file cannot be read, so it is not overwritten.
    QVERIFY(QDir(Dir.path()).mkpath(QStringLiteral("update.ini")));
    QVERIFY_THROWS_EXCEPTION(TDataError, WriteNextUpdateDate(Path(), 30, true, Today));
    QVERIFY(QDir(Dir.path()).rmdir(QStringLiteral("update.ini")));

#ifdef Q_OS_UNIX
    // A FIFO (or a link to a device) is neither read, which would hang, nor replaced.
    for (const QString& target :
         {Dir.filePath(QStringLiteral("fifo")), QStringLiteral("/dev/zero")}) {
        if (target.endsWith(QLatin1String("fifo")))
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        QVERIFY(QFile::link(target, Path()));
        QCOMPARE(ReadUpdateInterval(Path()), 30);
        QVERIFY_THROWS_EXCEPTION(TDataError, WriteUpdateOptions(Path(), 45, true));
        QVERIFY(QFileInfo(Path()).isSymLink() && !QFileInfo(Path()).isFile());
        QVERIFY(QFile::remove(Path()));
    }
#endif

    // A file in place of the folder.
    const QString blocked = Dir.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    try {
        WriteUpdateOptions(blocked + QStringLiteral("/update.ini"), 30, false);
        QFAIL("no error");
    } catch (const TDataError& error) {
        QVERIFY2(error.FullText().startsWith(QStringLiteral("Cannot write the settings file")),
                 qPrintable(error.FullText()));
    }
    QVERIFY(QFile::remove(blocked));
}

// clang-format off
void TestUpdateSettings::reminder_data()
{
    QTest::addColumn<QByteArray>("ini"); // a null text: no file
    QTest::addColumn<bool>("due");
    QTest::addColumn<QByteArray>("after"); // a null text: unchanged

    const QByteArray yesterdayShort = QLocale::system().toString(Today.addDays(-1), QLocale::ShortFormat).toUtf8();
    QTest::newRow("first run") << QByteArray() << false << QByteArray("[UPDATE]\r\ndate=2026-12-31\r\nlast=2026-12-01\r\n");
    QTest::newRow("first run keeps days") << QByteArray("[UPDATE]\r\ndays=45\r\n") << false << QByteArray("[UPDATE]\r\ndays=45\r\ndate=2026-12-31\r\nlast=2026-12-01\r\n");
    QTest::newRow("due yesterday") << QByteArray("[UPDATE]\ndate=2026-11-30\n") << true << QByteArray();
    QTest::newRow("due yesterday, regional form") << "[UPDATE]\ndate=" + yesterdayShort + "\n" << true << QByteArray();
    QTest::newRow("due a year ago") << QByteArray("[UPDATE]\ndate=2025-12-01\n") << true << QByteArray();
    QTest::newRow("due today") << QByteArray("[UPDATE]\ndate=2026-12-01\n") << false << QByteArray();
    QTest::newRow("due tomorrow") << QByteArray("[UPDATE]\ndate=2026-12-02\n") << false << QByteArray();
    QTest::newRow("unreadable date") << QByteArray("[UPDATE]\ndate=soon\n") << false << QByteArray();
    QTest::newRow("empty date") << QByteArray("[UPDATE]\ndate=\n") << false << QByteArray();
    QTest::newRow("auto update off still reminds") << QByteArray("[UPDATE]\nautoupdate=1\ndate=2026-11-01\n") << true << QByteArray();
}
// clang-format on

void TestUpdateSettings::reminder()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, due);
    QFETCH(QByteArray, after);
    if (!ini.isNull())
        Write(ini);
    QCOMPARE(CheckUpdateReminder(Path(), Today), due);
    QCOMPARE(Read(), after.isNull() ? ini : after);
    // The rule itself, on the text of "date".
    const std::optional<QString> date =
        ReadIniValue(Path(), QStringLiteral("UPDATE"), QStringLiteral("date"));
    QVERIFY(date);
    QCOMPARE(UpdateReminderRule(date, Today),
             due ? TReminderAction::Remind : TReminderAction::None);
}

// clang-format off
void TestUpdateSettings::nextUpdateDate_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("record");
    QTest::addColumn<QByteArray>("after");

    const QByteArray ini("[UPDATE]\r\ndays=45\r\ndate=2026-01-01\r\nlast=2025-12-01\r\n");
    QTest::newRow("update done") << ini << true << QByteArray("[UPDATE]\r\ndays=45\r\ndate=2027-01-15\r\nlast=2026-12-01\r\n");
    QTest::newRow("postponed") << ini << false << QByteArray("[UPDATE]\r\ndays=45\r\ndate=2027-01-15\r\nlast=2025-12-01\r\n");
    QTest::newRow("postponed, no last yet") << QByteArray("[UPDATE]\ndays=45\n") << false << QByteArray("[UPDATE]\ndays=45\ndate=2027-01-15\n");
}
// clang-format on

void TestUpdateSettings::nextUpdateDate()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, record);
    QFETCH(QByteArray, after);
    Write(ini);
    WriteNextUpdateDate(Path(), ReadUpdateInterval(Path()), record, Today);
    QCOMPARE(Read(), after);
    QVERIFY(!CheckUpdateReminder(Path(), Today));
}

void TestUpdateSettings::fileLocation()
{
    AppPaths::SetProgramFolder(Dir.path());
    AppPaths::SetProgramFolderWritableOverride(true);
    QCOMPARE(AppPaths::UpdateIniFile(), Path());

    AppPaths::SetProgramFolderWritableOverride(false);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QVERIFY(!config.isEmpty());
    QDir(config).removeRecursively();
    const QString perUser = QDir(config).filePath(QStringLiteral("update.ini"));
    QCOMPARE(AppPaths::UpdateIniFile(), perUser);
    // The folder is created with the file.
    WriteNextUpdateDate(12, false);
    QCOMPARE(ReadIniValue(perUser, QStringLiteral("UPDATE"), QStringLiteral("date")),
             IniDateText(QDate::currentDate().addDays(12)));
    QCOMPARE(ReadUpdateInterval(), 30);
    QVERIFY(!QFile::exists(Path()));
    QDir(config).removeRecursively();
}

QTEST_GUILESS_MAIN(TestUpdateSettings)
#include "tst_updatesettings.moc"
