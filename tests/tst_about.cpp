#include "support/TestInstallation.h"

#include "about/TfrmAbout.h"
#include "platform/AppPaths.h"

#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// A one-pixel GIF picture.
const QByteArray Gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00\x21\xf9\x04\x01"
                     "\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01"
                     "\x00\x3b",
                     43);

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opens();
    void altGesture_data();
    void altGesture();
    void capitalT_data();
    void capitalT();
    void clickCloses_data();
    void clickCloses();

private:
    template <typename T> T* Find(const char* name) const
    {
        return About->findChild<T*>(QLatin1String(name));
    }
    bool AnimationPlays() const;

    std::unique_ptr<TTestInstallation> Install;
    std::unique_ptr<TfrmAbout> About;
};

void TestAbout::init()
{
    Install = std::make_unique<TTestInstallation>();
    for (const char* name : {"images/vantrellogo.gif", "images/update.gif"}) {
        QFile file(AppPaths::ProgramFile(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Gif);
    }
    About = std::make_unique<TfrmAbout>();
    About->show();
    QVERIFY(QTest::qWaitForWindowExposed(About.get()));
}

void TestAbout::cleanup()
{
    About.reset();
    Install.reset();
}

bool TestAbout::AnimationPlays() const
{
    const QMovie* movie = Find<QLabel>("RxGIFAnimator1")->movie();
    return movie && movie->fileName() == QLatin1String(":/TEAM") && movie->isValid() &&
           movie->state() == QMovie::Running && Find<QLabel>("RxGIFAnimator1")->isVisible();
}

void TestAbout::opens()
{
    QCOMPARE(About->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(About->windowTitle(), QStringLiteral("About"));
    QCOMPARE(About->focusWidget(), Find<QPushButton>("btnOk"));
    QCOMPARE(Find<QPushButton>("btnOk")->text(), QStringLiteral("&Ok"));
    auto* memo = Find<QPlainTextEdit>("Memo1");
    QVERIFY(memo->isReadOnly());
    QVERIFY(memo->toPlainText().startsWith(QLatin1String("Terms\n")));
    QVERIFY(memo->toPlainText().contains(QLatin1String("$50.00")));
    QCOMPARE(Find<QLabel>("Image1")->property("pictureFile").toString(),
             AppPaths::ImageFile(QStringLiteral("vantrellogo.gif")));
    QVERIFY(Find<QLabel>("RxGIFAnimator1")->movie() == nullptr);
    QVERIFY(QRegularExpression("^Version [0-9]+\\.[0-9]+")
                .match(Find<QLabel>("lblVersion")->text())
                .hasMatch());
}

void TestAbout::altGesture_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("withAlt");
    QTest::addColumn<bool>("plays");

    QTest::newRow("TEAM") << "TEAM" << true << true;
    QTest::newRow("restarts at the second T") << "TEATEAM" << true << true;
    QTest::newRow("EAM alone") << "EAM" << true << false;
    QTest::newRow("another key between") << "TEXAM" << true << false;
    QTest::newRow("TEAM after an interruption") << "TEXTEAM" << true << true;
    QTest::newRow("without Alt") << "TEAM" << false << false;
}

void TestAbout::altGesture()
{
    QFETCH(QString, keys);
    QFETCH(bool, withAlt);
    QFETCH(bool, plays);

    auto* button = Find<QPushButton>("btnOk");
    for (const QChar key : keys)
        QTest::keyClick(button, Qt::Key(key.unicode()), withAlt ? Qt::AltModifier : Qt::NoModifier);
    QCOMPARE(AnimationPlays(), plays);
    QCOMPARE(Find<QPlainTextEdit>("Memo1")->isHidden(), plays);
    QCOMPARE(Find<QLabel>("Label1")->isHidden(), plays);
    QCOMPARE(Find<QLabel>("Image1")->isHidden(), plays);
    QVERIFY(About->isVisible());
}

void TestAbout::capitalT_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<char>("typed");
    QTest::addColumn<bool>("hides");

    QTest::newRow("T on the button") << "btnOk" << 'T' << true;
    QTest::newRow("T on the terms") << "Memo1" << 'T' << true;
    QTest::newRow("lower-case t") << "btnOk" << 't' << false;
    QTest::newRow("another capital") << "btnOk" << 'E' << false;
}

void TestAbout::capitalT()
{
    QFETCH(QString, focus);
    QFETCH(char, typed);
    QFETCH(bool, hides);

    QWidget* target = About->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, typed);
    QCOMPARE(Find<QPlainTextEdit>("Memo1")->isHidden(), hides);
    QCOMPARE(Find<QLabel>("Label1")->isHidden(), hides);
    QVERIFY(!Find<QLabel>("Image1")->isHidden());
    QCOMPARE(Find<QLabel>("Image1")->property("pictureFile").toString(),
             AppPaths::ImageFile(hides ? QStringLiteral("update.gif")
                                       : QStringLiteral("vantrellogo.gif")));
    QVERIFY(!AnimationPlays());
    QVERIFY(About->isVisible());
}

void TestAbout::clickCloses_data()
{
    QTest::addColumn<QString>("target");

    QTest::newRow("terms") << "Memo1";
    QTest::newRow("logo") << "Image1";
    QTest::newRow("title") << "Label1";
    QTest::newRow("button") << "btnOk";
}

void TestAbout::clickCloses()
{
    QFETCH(QString, target);

    QWidget* widget = About->findChild<QWidget*>(target);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        widget = memo->viewport();
    QTest::mouseClick(widget, Qt::LeftButton);
    QVERIFY(!About->isVisible());
    QCOMPARE(About->result(), QDialog::Accepted);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
