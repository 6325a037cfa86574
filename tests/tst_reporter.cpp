#include "platform/Dialogs.h"
#include "platform/PrintDialogs.h"
#include "reports/EZPrint.h"
#include "reports/MPReporter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A white image of a known size with a painter and a TEZPrint scaled to it, as a printer page
// would be.
struct TImagePage {
    QImage Image;
    QPainter Painter;
    TEZPrint EZ;

    TImagePage(int width, int height) : Image(width, height, QImage::Format_RGB32)
    {
        Image.fill(Qt::white);
        Painter.begin(&Image);
        EZ.SetCanvas(&Painter);
        EZ.XScale = width / 1000.0;
        EZ.YScale = height / 1000.0;
    }
};

bool Dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Dark pixels of one image row, from x first to x last.
int DarkInRow(const QImage& image, int y, int first, int last)
{
    int count = 0;
    for (int x = first; x <= last; ++x)
        count += Dark(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The page objects of a PDF file (not the page tree nodes).
int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(text.count(page));
}

QStringList NumberedEntries(int count)
{
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries << QStringLiteral("Part Number %1=KJ4-DMDM-PV-%1").arg(i);
    return entries;
}

const QString LongValue = QStringLiteral(
    "6 foot cable assembly, KRV4-50B, (0.63 in.) SPECIAL INSTRUCTIONS:  Connector1 = Plated "
    "7-16 DIN Male with (N/A) inner contact attachment.   Connector2 = Plated 7-16 DIN Male "
    "with (N/A) inner contact attachment");

} // namespace

class TestReporter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void scaling_data();
    void scaling();
    void pageProportions_data();
    void pageProportions();
    void listTop_data();
    void listTop();
    void entries();
    void pages_data();
    void pages();
    void printDialog();
};

void TestReporter::initTestCase()
{
    Dialogs::SetRecording(true);
}

void TestReporter::init()
{
    PrintDialogs::Reset();
}

void TestReporter::scaling_data()
{
    QTest::addColumn<char>("axis");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");

    // clang-format off
    QTest::newRow("x 2.5 to even 2")      << 'x' << 2.5  << 1  << 2;
    QTest::newRow("x 7.5 to even 8")      << 'x' << 2.5  << 3  << 8;
    QTest::newRow("x -2.5 to even -2")    << 'x' << 2.5  << -1 << -2;
    QTest::newRow("x 3.75 up")            << 'x' << 0.75 << 5  << 4;
    QTest::newRow("y 2.5 to even 2")      << 'y' << 0.5  << 5  << 2;
    QTest::newRow("y 3.5 to even 4")      << 'y' << 0.5  << 7  << 4;
    QTest::newRow("y 0.5 to even 0")      << 'y' << 1.25 << 0  << 0;
    QTest::newRow("y 2.25 down")          << 'y' << 0.75 << 3  << 2;
    QTest::newRow("unscale 2.5 to 2")     << 'u' << 2.0  << 5  << 2;
    QTest::newRow("unscale 3.5 to 4")     << 'u' << 2.0  << 7  << 4;
    QTest::newRow("unscale 0.5 to 0")     << 'u' << 4.0  << 2  << 0;
    QTest::newRow("unscale 2.4 down")     << 'u' << 1.25 << 3  << 2;
    // clang-format on
}

void TestReporter::scaling()
{
    QFETCH(char, axis);
    QFETCH(double, scale);
    QFETCH(int, value);
    QFETCH(int, expected);

    TEZPrint ez;
    // The other axis gets another scale, so a mixed-up axis shows.
    ez.XScale = axis == 'x' ? scale : 10.0;
    ez.YScale = axis == 'x' ? 10.0 : scale;
    if (axis == 'x')
        QCOMPARE(ez.ScaleX(value), expected);
    else if (axis == 'y')
        QCOMPARE(ez.ScaleY(value), expected);
    else
        QCOMPARE(ez.UnscaleY(value), expected);
}

void TestReporter::pageProportions_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("tall page") << 1000 << 2000;
    QTest::newRow("wide page") << 2000 << 1000;
}

void TestReporter::pageProportions()
{
    QFETCH(int, width);
    QFETCH(int, height);

    TImagePage page(width, height);
    TMPReporter reporter;
    reporter.DrawFrame(page.EZ);

    // The frame's left side is 3/1000 of the page width thick, halfway down the page.
    const int penWidth = 3 * width / 1000;
    QCOMPARE(page.Painter.pen().width(), penWidth);
    const int frameLeft = 29 * width / 1000;
    QCOMPARE(DarkInRow(page.Image, height / 2, frameLeft - 10, frameLeft + 10), penWidth);
    QCOMPARE(page.EZ.ScaleRect({29, 71, 963, 966}),
             QRect(frameLeft, 71 * height / 1000, (963 - 29) * width / 1000,
                   (966 - 71) * height / 1000));

    // A list line is 16/1000 of the page height, whatever the width: one line of text measures
    // at least that and less than half as much again.
    page.Painter.setFont(TMPReporter::ReportFont(page.EZ.ScaleY(16), false));
    const int line = page.EZ.DrawTextInRect({460, 100, 950, 116}, QStringLiteral("Reminder"),
                                            TTextFormat::Measure);
    const int listLine = 16 * height / 1000;
    QVERIFY2(line >= listLine && line < listLine * 3 / 2, qPrintable(QString::number(line)));
    // Measuring draws nothing.
    QCOMPARE(DarkInRow(page.Image, page.EZ.ScaleY(110), page.EZ.ScaleX(460), page.EZ.ScaleX(950)),
             0);
    // The logo is stretched into its rectangle above the frame.
    int logo = 0;
    for (int y = page.EZ.ScaleY(21); y < page.EZ.ScaleY(60); ++y)
        logo += DarkInRow(page.Image, y, page.EZ.ScaleX(407), page.EZ.ScaleX(565) - 1);
    QVERIFY(logo > 0);
    QCOMPARE(DarkInRow(page.Image, page.EZ.ScaleY(40), 0, page.EZ.ScaleX(400)), 0);
}

void TestReporter::listTop_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("firstTop");
    QTest::addColumn<bool>("titleDrawn");

    QTest::newRow("no title") << QString() << 100 << false;
    QTest::newRow("title") << QStringLiteral("Vantrel Ferrolyn Results") << 145 << true;
}

void TestReporter::listTop()
{
    QFETCH(QString, title);
    QFETCH(int, firstTop);
    QFETCH(bool, titleDrawn);

    TImagePage page(1000, 1300);
    TMPReporter reporter;
    reporter.DrawFrame(page.EZ);
    reporter.DrawValues(page.EZ, {QStringLiteral("Qty=2"), QStringLiteral("UOM=EA")}, title);

    const TReportLayout& layout = reporter.LastLayout();
    QCOMPARE(layout.FirstTop, firstTop);
    QCOMPARE(layout.PageCount, 1);
    QCOMPARE(layout.Entries.size(), 2);
    QCOMPARE(layout.Entries[0].NameRect.Top, firstTop);
    QCOMPARE(layout.Entries[0].ValueRect.Top, firstTop);
    QCOMPARE(layout.Entries[1].ValueRect.Top, layout.Entries[0].ValueRect.Bottom + 5);

    // The title line is centred on the page between y 100 and the list.
    const int titleRow = page.EZ.ScaleY(112);
    const int left = DarkInRow(page.Image, titleRow, page.EZ.ScaleX(60), page.EZ.ScaleX(499));
    const int right = DarkInRow(page.Image, titleRow, page.EZ.ScaleX(501), page.EZ.ScaleX(940));
    QCOMPARE(left > 0 && right > 0, titleDrawn);
}

void TestReporter::entries()
{
    TImagePage page(1000, 1000);
    TMPReporter reporter;
    const QString longName = QStringLiteral("A name much longer than the name column is wide, "
                                            "so that it would need several lines to show whole");
    const QStringList entries{
        QStringLiteral("Description=") + LongValue,
        QStringLiteral("EA=Qty: 2,          Total Price: 25.00"),
        QStringLiteral(" = "),
        longName + QStringLiteral("=1"),
        QStringLiteral("Formula=a=b"),
        QStringLiteral("No separator"),
    };
    reporter.DrawValues(page.EZ, entries, QString());
    const QList<TReportEntryPlace> places = reporter.LastLayout().Entries;
    QCOMPARE(places.size(), entries.size());

    // Names end at the first '='; a line without one is all name.
    QCOMPARE(places[1].Name, QStringLiteral("EA"));
    QCOMPARE(places[1].Value, QStringLiteral("Qty: 2,          Total Price: 25.00"));
    QCOMPARE(places[2].Name, QStringLiteral(" "));
    QCOMPARE(places[2].Value, QStringLiteral(" "));
    QCOMPARE(places[4].Name, QStringLiteral("Formula"));
    QCOMPARE(places[4].Value, QStringLiteral("a=b"));
    QCOMPARE(places[5].Name, QStringLiteral("No separator"));
    QCOMPARE(places[5].Value, QString());

    // Columns: names from 60 to 450, values from 460 to 950.
    for (const TReportEntryPlace& place : places) {
        QCOMPARE(place.NameRect.Left, 60);
        QCOMPARE(place.NameRect.Right, 450);
        QCOMPARE(place.ValueRect.Left, 460);
        QCOMPARE(place.ValueRect.Right, 950);
        QCOMPARE(place.NameRect.Top, place.ValueRect.Top);
    }
    // Each entry starts 5 below the previous value.
    for (qsizetype i = 1; i < places.size(); ++i)
        QCOMPARE(places[i].ValueRect.Top, places[i - 1].ValueRect.Bottom + 5);

    // A one-line value, the spacer, a value under a long name and an empty value are each one
    // line high; the long value wraps onto several lines.
    const int oneLine = places[1].ValueRect.Bottom - places[1].ValueRect.Top;
    QVERIFY(oneLine >= 16 && oneLine < 24);
    for (const int i : {2, 3, 4, 5})
        QCOMPARE(places[i].ValueRect.Bottom - places[i].ValueRect.Top, oneLine);
    QVERIFY(places[0].ValueRect.Bottom - places[0].ValueRect.Top >= 3 * oneLine - 2);
    // A name shows one line only: its rectangle does not grow with the name.
    QCOMPARE(places[3].NameRect.Bottom - places[3].NameRect.Top,
             places[1].NameRect.Bottom - places[1].NameRect.Top);
    QVERIFY(places[3].NameRect.Bottom - places[3].NameRect.Top < 2 * 16);
}

void TestReporter::pages_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("pageCount");

    const QString title = QStringLiteral("Vantrel Ferrolyn Results");
    QTest::newRow("short list") << NumberedEntries(10) << title << 1;
    QTest::newRow("list reaching the footer") << NumberedEntries(60) << title << 2;
    QTest::newRow("untitled long list") << NumberedEntries(60) << QString() << 2;
    QTest::newRow("value taller than a page")
        << QStringList{QStringLiteral("Notes=") + LongValue.repeated(40)} << title << 1;
    QTest::newRow("entry after a page-tall value")
        << QStringList{QStringLiteral("Notes=") + LongValue.repeated(40), QStringLiteral("Qty=2")}
        << title << 2;
}

void TestReporter::pages()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, title);
    QFETCH(int, pageCount);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    TMPReporter reporter;
    reporter.Title = title;
    reporter.ReportValues = entries;
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        QVERIFY(reporter.Render(&writer));
    }

    const TReportLayout& layout = reporter.LastLayout();
    QCOMPARE(layout.PageCount, pageCount);
    QCOMPARE(PdfPageCount(path), pageCount);
    QCOMPARE(layout.Entries.size(), entries.size());

    int page = 0;
    for (qsizetype i = 0; i < layout.Entries.size(); ++i) {
        const TReportEntryPlace& place = layout.Entries[i];
        // Nothing reaches the footer band.
        QVERIFY(place.ValueRect.Bottom < TMPReporter::FooterTop);
        QVERIFY(place.NameRect.Bottom < TMPReporter::FooterTop);
        if (place.Page == page)
            continue;
        // A further page continues the list at 100, with the entry that would have reached the
        // footer on the page before.
        QCOMPARE(place.Page, page + 1);
        QCOMPARE(place.ValueRect.Top, 100);
        const TReportEntryPlace& previous = layout.Entries[i - 1];
        const int height = std::max(place.ValueRect.Bottom, place.NameRect.Bottom) - 100;
        QVERIFY(previous.ValueRect.Bottom + 5 + height >= TMPReporter::FooterTop);
        page = place.Page;
    }
    QCOMPARE(page + 1, pageCount);

    // Only a value that does not fit on a page of its own is cut.
    const bool pageTall = entries.first().size() > 1000;
    QCOMPARE(layout.Entries.first().Clipped, pageTall);
    if (pageTall)
        QCOMPARE(layout.Entries.first().ValueRect.Bottom, TMPReporter::FooterTop - 1);
}

void TestReporter::printDialog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    TMPReporter reporter;
    reporter.Title = QStringLiteral("Vantrel Ferrolyn Results");
    reporter.ReportValues = NumberedEntries(3);

    // Nothing queued: the dialog is cancelled and nothing is printed.
    QVERIFY(!reporter.PrintReport(nullptr));
    QCOMPARE(PrintDialogs::TakeShownCount(), 1);
    QCOMPARE(reporter.LastLayout().PageCount, 0);
    QVERIFY(QDir(dir.path()).isEmpty());

    // A queued cancel, then a queued file: the second print writes the file.
    PrintDialogs::SetNextCancel();
    PrintDialogs::SetNextOutputFile(path);
    QVERIFY(!reporter.PrintReport(nullptr));
    QVERIFY(!QFile::exists(path));
    QVERIFY(reporter.PrintReport(nullptr));
    QCOMPARE(PrintDialogs::TakeShownCount(), 2);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QCOMPARE(PdfPageCount(path), 1);
    QCOMPARE(reporter.LastLayout().PageCount, 1);
    QCOMPARE(reporter.LastLayout().FirstTop, 145);
    QCOMPARE(reporter.LastLayout().Entries.size(), 3);
    QVERIFY(Dialogs::TakeMessages().isEmpty());

    // A PDF that cannot be written says so; the PDF in place stays whole, and no temporary file
    // is left beside it.
    const QByteArray before = [&] {
        QFile written(path);
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.pdf"))));
    for (const QString& name : {QStringLiteral("folder.pdf"), QStringLiteral("full.pdf")}) {
        PrintDialogs::SetNextOutputFile(dir.filePath(name));
        QVERIFY(!reporter.PrintReport(nullptr));
        const auto messages = Dialogs::TakeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().Text.contains(name), qPrintable(messages.first().Text));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             (QStringList{"folder.pdf", "full.pdf", "printed.pdf"}));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.pdf"))).isDir());
    QCOMPARE(before.size() > 0, true);
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), before);
}

QTEST_MAIN(TestReporter)
#include "tst_reporter.moc"
