#include "base/DataError.h"
#include "base/SafeFile.h"
#include "platform/IniSettings.h"
#include "support/CoreTestHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

#include <sys/stat.h>

namespace {

void WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestIniSettings : public QObject
{
    Q_OBJECT
private slots:
    void sameAsQSettings_data();
    void sameAsQSettings();
    void keepsWhatItDoesNotSet();
    void onlyRegularFiles_data();
    void onlyRegularFiles();
    void lockedFile();
    void outputsRefuseLinks_data();
    void outputsRefuseLinks();
    void twoCopiesLoseNothing();

private:
    QTemporaryDir Dir;
};

// clang-format off
void TestIniSettings::sameAsQSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("a path with blanks") << "Path" << "/home/ann/My Files/common";
    QTest::newRow("letters beyond ASCII") << "Path" << "/srv/Stra\u00dfe/\u00dcn\u00efcode \u20ac \U0001F4E1";
    QTest::newRow("'=', ';' and ','") << "Path" << "a=b;c,d";
    QTest::newRow("blanks at the ends") << "Path" << " lead and trail ";
    QTest::newRow("backslashes and quotes") << "Path" << "C:\\Temp\\x \"quoted\"";
    QTest::newRow("control characters") << "Path" << "line1\nline2\ttab\x01" "a";
    QTest::newRow("a leading @") << "Path" << "@home";
    QTest::newRow("empty") << "Path" << "";
    QTest::newRow("a group and a key of blanks and letters") << "Main Window/Gr\u00f6\u00dfe \u20ac" << "x";
    QTest::newRow("a group named General") << "General/Path" << "y";
}
// clang-format on

void TestIniSettings::sameAsQSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString byQt = Dir.filePath(QStringLiteral("qt.conf"));
    const QString byUs = Dir.filePath(QStringLiteral("us.conf"));
    QFile::remove(byQt);
    QFile::remove(byUs);
    {
        QSettings settings(byQt, QSettings::IniFormat);
        settings.setValue(key, value);
        settings.setValue(QStringLiteral("Window/Geometry"), QRect(10, -20, 800, 600));
        settings.setValue(QStringLiteral("Window/Maximized"), true);
    }
    // What QSettings wrote reads the same here.
    const TIniSettings read = TIniSettings::ReadFile(byQt);
    QCOMPARE(read.Value(key), std::optional<QString>(value));
    QCOMPARE(read.RectValue(QStringLiteral("Window/Geometry")),
             std::optional<QRect>(QRect(10, -20, 800, 600)));
    QCOMPARE(read.BoolValue(QStringLiteral("Window/Maximized")), std::optional<bool>(true));

    // What is written here reads the same in QSettings, and has its very bytes.
    TIniSettings written;
    written.SetValue(key, value);
    written.SetRect(QStringLiteral("Window/Geometry"), QRect(10, -20, 800, 600));
    written.SetBool(QStringLiteral("Window/Maximized"), true);
    TIniSettings::UpdateFile(byUs, [&written](TIniSettings& settings) {
        settings = written;
        return true;
    });
    QCOMPARE(ReadAll(byUs), ReadAll(byQt));
    QSettings settings(byUs, QSettings::IniFormat);
    QCOMPARE(settings.value(key).toString(), value);
    QCOMPARE(settings.value(QStringLiteral("Window/Geometry")).toRect(), QRect(10, -20, 800, 600));
}

void TestIniSettings::keepsWhatItDoesNotSet()
{
    // Other keys, lists, typed values and sections as they were; comments go, as in QSettings.
    const QByteArray file = "\xEF\xBB\xBF; a comment\n[General]\nOther=\"1, 2\"\nList=a, b\n"
                            "Path=/old ; stale\n\n[Z]\nV=@Variant(\\0\\0\\0\\x7f)\n";
    const TIniSettings settings(file);
    QCOMPARE(settings.Value(QStringLiteral("Path")), std::optional<QString>("/old"));
    QCOMPARE(settings.Value(QStringLiteral("List")), std::optional<QString>("a, b"));
    QCOMPARE(settings.Value(QStringLiteral("Other")), std::optional<QString>("1, 2"));
    TIniSettings changed = settings;
    changed.SetValue(QStringLiteral("Path"), QStringLiteral("/new"));
    QCOMPARE(changed.Bytes(), QByteArray("[General]\nList=a, b\nOther=\"1, 2\"\nPath=/new\n\n[Z]\n"
                                         "V=@Variant(\\0\\0\\0\\x7f)\n"));
}

void TestIniSettings::onlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a device") << "device";
    QTest::newRow("folder") << "folder";
}

void TestIniSettings::onlyRegularFiles()
{
    QFETCH(QString, kind);
    const QString path = Dir.filePath(kind + QStringLiteral(".conf"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    else
        QVERIFY(QDir().mkpath(path));
    // Refused at once, never waited on, and left as it is.
    QElapsedTimer timer;
    timer.start();
    QVERIFY_THROWS_EXCEPTION(TDataError, TIniSettings::ReadFile(path));
    QVERIFY_THROWS_EXCEPTION(TDataError, TIniSettings::UpdateFile(path, [](TIniSettings& settings) {
                                 settings.SetValue(QStringLiteral("Path"), QStringLiteral("x"));
                                 return true;
                             }));
    QVERIFY(timer.elapsed() < 5000);
    const QFileInfo info(path);
    QVERIFY(!info.isFile());
    QCOMPARE(info.isSymLink(), kind == QLatin1String("device"));
}

void TestIniSettings::lockedFile()
{
    // A lock that another copy holds, and keeps, makes the write fail with a message; nothing is
    // written.
    const QString path = Dir.filePath(QStringLiteral("locked.conf"));
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--hold-lock"), path + QStringLiteral(".lock")});
    QVERIFY(holder.waitForReadyRead(10000));
    try {
        TIniSettings::UpdateFile(path, [](TIniSettings&) { return true; });
        QFAIL("the write went ahead without the lock");
    } catch (const TDataError& error) {
        QVERIFY2(error.FullText().contains(QStringLiteral("another running copy")),
                 qPrintable(error.FullText()));
    }
    holder.kill();
    holder.waitForFinished();
    QVERIFY(!QFileInfo::exists(path));
}

void TestIniSettings::twoCopiesLoseNothing()
{
    // Two copies, each counting its own key up in the same file, lose none of each other's.
    const QString path = Dir.filePath(QStringLiteral("shared.conf"));
    constexpr int Rounds = 40;
    QProcess first;
    QProcess second;
    first.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--count"), path, QStringLiteral("A"), QString::number(Rounds)});
    second.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--count"), path, QStringLiteral("B"), QString::number(Rounds)});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    const TIniSettings settings = TIniSettings::ReadFile(path);
    QCOMPARE(settings.Value(QStringLiteral("Count/A")), std::optional<QString>("40"));
    QCOMPARE(settings.Value(QStringLiteral("Count/B")), std::optional<QString>("40"));
}

// The test's own helper modes: holding a lock file, and counting a key up round by round.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--hold-lock")) {
        QLockFile lock(arguments.value(2));
        if (!lock.lock())
            return 1;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    if (arguments.value(1) == QLatin1String("--count")) {
        const QString key = QStringLiteral("Count/") + arguments.value(3);
        for (int round = 0; round < arguments.value(4).toInt(); ++round)
            TIniSettings::UpdateFile(arguments.value(2), [&key](TIniSettings& settings) {
                settings.SetValue(
                    key, QString::number(settings.Value(key).value_or(QString()).toInt() + 1));
                return true;
            });
        return 0;
    }
    TestIniSettings test;
    return QTest::qExec(&test, argc, argv);
}

void TestIniSettings::outputsRefuseLinks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("settings");
    QTest::newRow("output, link to a file") << "victim.txt" << false;
    QTest::newRow("output, dangling link") << "missing.txt" << false;
    QTest::newRow("output, link to a folder") << "folder" << false;
    // A settings file keeps QSettings' rule: a link to a regular file is followed.
    QTest::newRow("settings, link to a file") << "victim.txt" << true;
}

// No output is written through a link in its place: the link's target keeps its bytes and a
// dangling link's target is not made; a link higher up the path is fine.
void TestIniSettings::outputsRefuseLinks()
{
    QFETCH(QString, target);
    QFETCH(bool, settings);
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim.txt"));
    WriteText(victim, QStringLiteral("keep me"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString link = dir.filePath(QStringLiteral("out.csv"));
    QVERIFY(QFile::link(dir.filePath(target), link));
    QString error;
    try {
        WriteFileAtomically(link, "new bytes", QStringLiteral("quote"),
                            settings ? TLinks::Follow : TLinks::Refuse);
    } catch (const TDataError& e) {
        error = e.FullText();
    }
    if (settings) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(ReadText(victim), QStringLiteral("new bytes"));
        return;
    }
    QCOMPARE(error, "Cannot write the quote \"" + QDir::toNativeSeparators(link) +
                        "\": it is a link; choose another name.");
    QCOMPARE(ReadText(victim), QStringLiteral("keep me"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing.txt"))));
    QVERIFY(QFileInfo(link).isSymLink());
    // Through a linked folder, the file itself is written.
    const QString linkedFolder = dir.filePath(QStringLiteral("linked"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("folder")), linkedFolder));
    WriteFileAtomically(linkedFolder + QStringLiteral("/out.csv"), "fine", QStringLiteral("quote"));
    QCOMPARE(ReadText(dir.filePath(QStringLiteral("folder/out.csv"))), QStringLiteral("fine"));
}

#include "tst_inisettings.moc"
