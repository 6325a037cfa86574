#include "platform/WindowGeometry.h"

#include <QTest>

// Where a window goes on a set of screens, in device-independent pixels: a 1600x1000 screen at
// scale factor 2 is an 800x500 area.
class TestWindowGeometry : public QObject
{
    Q_OBJECT
private slots:
    void fitted_data();
    void fitted();
};

void TestWindowGeometry::fitted_data()
{
    QTest::addColumn<QList<QRect>>("areas");
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("fitted");

    const QRect full(0, 0, 1600, 1000);
    const QRect scaled(0, 0, 800, 500);     // 1600x1000 at scale factor 2
    const QRect panel(0, 28, 1920, 1052);   // a top panel takes 28 pixels
    const QRect right(1920, 0, 1280, 1024); // a second screen to the right
    QTest::newRow("fits: unchanged")
        << QList<QRect>{full} << QRect(100, 80, 880, 720) << QRect(100, 80, 880, 720);
    QTest::newRow("larger than the scaled screen: shrunk into it")
        << QList<QRect>{scaled} << QRect(-60, -140, 1720, 1372) << scaled;
    QTest::newRow("off the right edge: moved in")
        << QList<QRect>{full} << QRect(1500, 900, 880, 720) << QRect(720, 280, 880, 720);
    QTest::newRow("under a top panel: moved below it")
        << QList<QRect>{panel} << QRect(10, 0, 880, 720) << QRect(10, 28, 880, 720);
    QTest::newRow("mostly on the second screen: stays there")
        << QList<QRect>{panel, right} << QRect(2500, 100, 880, 720) << QRect(2320, 100, 880, 720);
    QTest::newRow("on a screen that is gone: to the primary one")
        << QList<QRect>{panel} << QRect(2500, 100, 880, 720) << QRect(1040, 100, 880, 720);
    QTest::newRow("no screens: unchanged")
        << QList<QRect>{} << QRect(5, 5, 10, 10) << QRect(5, 5, 10, 10);
}

void TestWindowGeometry::fitted()
{
    QFETCH(QList<QRect>, areas);
    QFETCH(QRect, wanted);
    QFETCH(QRect, fitted);
    QCOMPARE(FittedGeometry(wanted, areas), fitted);
}

QTEST_GUILESS_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
