#include "base/DataError.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "support/CoreTestHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

// Kills a process that saves orders, at random moments, and checks that every order file is
// always one whole order: the one before the save or the one after, never a mix or nothing.

namespace {

// Two orders of a few hundred lines, so that a save takes long enough to be cut.
QList<TOrderLine> Order(const QString& tag, int items)
{
    QStringList lines;
    for (int i = 1; i <= items; ++i)
        lines.append(QStringLiteral("%1|Each|%2-%3|Assembly %2 number %3 with a longer description "
                                    "to fill the line|%4.25|%5|")
                         .arg(i)
                         .arg(tag)
                         .arg(i)
                         .arg(100 + i)
                         .arg(i % 2 == 0 ? 1 : 2));
    return OrderLinesOf(lines);
}

const QList<TOrderLine> OrderA = Order(QStringLiteral("A"), 300);
const QList<TOrderLine> OrderB = Order(QStringLiteral("B"), 420);

QStringList FileNames(const QString& folder)
{
    return {QDir(folder).filePath(QStringLiteral("order.fyn")),
            QDir(folder).filePath(QStringLiteral("Ferrolyn.lom"))};
}

// The child: saves the two orders in turn, to both files, until it is killed; a dot on its
// output after each save tells the parent that it is saving.
int RunWriter(const QString& folder)
{
    QFile out;
    if (!out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    for (bool a = false;; a = !a) {
        for (const QString& path : FileNames(folder)) {
            WriteOrderFile(path, a ? OrderA : OrderB);
            out.write(".");
        }
    }
}

// The order a file holds, with kinds as a file keeps them ("1" or "2").
QList<TOrderLine> Normalised(const QList<TOrderLine>& order)
{
    const QString path = QDir::temp().filePath(QStringLiteral("ferrolyn-normalised.fyn"));
    WriteOrderFile(path, order);
    const QList<TOrderLine> lines = ReadOrderFile(path).OrderLines;
    QFile::remove(path);
    return lines;
}

} // namespace

class TestCrashSave : public QObject
{
    Q_OBJECT
private slots:
    void killedDuringSave();
};

void TestCrashSave::killedDuringSave()
{
    const int kills = qEnvironmentVariableIntValue("FERROLYN_KILLS") > 0
                          ? qEnvironmentVariableIntValue("FERROLYN_KILLS")
                          : 1000;
    const QList<TOrderLine> expectedA = Normalised(OrderA);
    const QList<TOrderLine> expectedB = Normalised(OrderB);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& path : FileNames(dir.path()))
        WriteOrderFile(path, OrderA);

    int saves = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--writer"), dir.path()});
        QVERIFY(child.waitForStarted());
        // Once it is saving, kill it at a random moment of the next few saves.
        QVERIFY(child.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(0u, 4000u));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        for (const QString& path : FileNames(dir.path())) {
            QList<TOrderLine> lines;
            try {
                lines = ReadOrderFile(path).OrderLines;
            } catch (const TDataError& error) {
                QFAIL(qPrintable(QStringLiteral("kill %1: %2").arg(kill).arg(error.FullText())));
            }
            if (lines != expectedA && lines != expectedB)
                QFAIL(qPrintable(QStringLiteral("kill %1: %2 holds neither order (%3 lines)")
                                     .arg(kill)
                                     .arg(path)
                                     .arg(lines.size())));
        }
        saves += static_cast<int>(child.readAllStandardOutput().size());
        // Temporary files of saves that were cut off, where the system leaves them.
        const QStringList leftovers =
            QDir(dir.path())
                .entryList({QStringLiteral("*.fyn.*"), QStringLiteral("*.lom.*")},
                           QDir::Files | QDir::Hidden);
        for (const QString& name : leftovers)
            QFile::remove(QDir(dir.path()).filePath(name));
    }
    qInfo("%d kills while saving, %d saves completed in all", kills, saves);
}

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0)
        return RunWriter(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestCrashSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsave.moc"
