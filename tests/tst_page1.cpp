#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Beginnings 150, 800, 1700, 1900; endings 1700, 2200, 2500, 3000.
const QString BandCatalog = QStringLiteral(
    "[Catalog]\nVersion=1\n"
    "[A]\nTLine=150|3000|A|A|AIR|0.03|0.0001|1.05|S||||10|90|\nC1=1|P1|N Male||N Female||P|R|\n"
    "[B]\nTLine=800|2200|B|B|FOAM|0.07|0.0002|0.63|S||||4|40|\nC1=2|P2|N Male||N Female||P|R|\n"
    "[C]\nTLine=800|2500|C|C|FOAM|0.07|0.0002|0.63|P||||4|40|\nC1=3|P3|N Male||N Female||P|R|\n"
    "[D]\nTLine=1700|2200|D|D|foam|0.07|0.0002|0.63|S||||4|40|\nC1=4|P4|N Male||N Female||P|R|\n"
    "[E]\nTLine=1900|1700|E|E|EW|1350|1500||S||||4|40|\n");

} // namespace

class TestPage1 : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void switchingApplication();
    void lengthMustBeNumeric_data();
    void lengthMustBeNumeric();
    void leavingByFocus();
    void clickingNextFromTheLengthBox();
    void nextChecks_data();
    void nextChecks();
    void typedTextStaysAsTyped_data();
    void typedTextStaysAsTyped();
    void typedNumbersFollowRegionalFormat_data();
    void typedNumbersFollowRegionalFormat();
    void leaveCheckComesBeforeTheClickedRadio_data();
    void leaveCheckComesBeforeTheClickedRadio();
    void leavingByOpeningTheOtherList();

private:
    void SetBand(const QString& beginning, const QString& ending)
    {
        Combo("cboBeginning")->setEditText(beginning);
        Combo("cboEnding")->setEditText(ending);
    }
};

void TestPage1::init()
{
    Prepare(BandCatalog);
    Launch();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(ComboItems(Combo("cboBeginning")), (QStringList{"150", "800", "1700", "1900"}));
    QCOMPARE(ComboItems(Combo("cboEnding")), (QStringList{"1700", "2200", "2500", "3000"}));
}

void TestPage1::cleanup()
{
    Stop();
}

void TestPage1::switchingApplication()
{
    auto* feeder = Group("rgFeeder");
    auto* cableType = Group("rgCableType");
    QVERIFY(feeder->isHidden());
    QCOMPARE(feeder->ItemIndex(), -1);

    Group("rgApp")->Button(1)->click();
    QCOMPARE(Combo("cboLength")->count(), 401);
    QCOMPARE(Combo("cboLength")->itemText(0), QStringLiteral("100"));
    QCOMPARE(Combo("cboLength")->currentText(), QStringLiteral("200"));
    QVERIFY(!feeder->isHidden());
    QCOMPARE(feeder->ItemIndex(), 0);
    QVERIFY(!W().findChild<QGroupBox*>(QStringLiteral("gbxConnectors"))->isHidden());
    QVERIFY(!W().findChild<QLabel*>(QStringLiteral("imgFeeder"))->isHidden());
    QVERIFY(W().findChild<QLabel*>(QStringLiteral("imgTopJumper"))->isHidden());
    QVERIFY(W().findChild<QLabel*>(QStringLiteral("imgBottomJumper"))->isHidden());
    QVERIFY(cableType->ItemEnabled(2));
    QCOMPARE(W().WizardModel().AttachmentChoice(), 1);

    cableType->Button(2)->click();
    W().findChild<QCheckBox*>(QStringLiteral("chkTopConnector"))->click();
    Group("rgApp")->Button(0)->click();
    QCOMPARE(Combo("cboLength")->count(), 50);
    QCOMPARE(Combo("cboLength")->currentText(), QStringLiteral("6"));
    QCOMPARE(cableType->ItemIndex(), 1);
    QVERIFY(!cableType->ItemEnabled(2));
    QVERIFY(W().findChild<QCheckBox*>(QStringLiteral("chkTopConnector"))->isChecked());
    QVERIFY(W().findChild<QCheckBox*>(QStringLiteral("chkBottomConnector"))->isChecked());
    QVERIFY(feeder->isHidden());
    QCOMPARE(feeder->ItemIndex(), -1);
    QVERIFY(W().findChild<QGroupBox*>(QStringLiteral("gbxConnectors"))->isHidden());
    QVERIFY(!W().findChild<QLabel*>(QStringLiteral("imgTopJumper"))->isHidden());
    QCOMPARE(W().WizardModel().AttachmentChoice(), 0);
}

// clang-format off
void TestPage1::lengthMustBeNumeric_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("warned");
    QTest::newRow("letters") << "12a" << "1" << true;
    QTest::newRow("decimal") << "12.5" << "12.5" << false;
}
// clang-format on

void TestPage1::lengthMustBeNumeric()
{
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(bool, warned);
    // Typed in the user's format.
    typed = Local(typed);
    result = Local(result);
    Combo("cboLength")->setEditText(typed);
    W().cboLengthExit();
    QCOMPARE(Combo("cboLength")->currentText(), result);
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), warned ? 1 : 0);
    QCOMPARE(Dialogs::TakeBeeps(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(messages.first().Text, QStringLiteral("This field must contain a numeric value."));
        QCOMPARE(messages.first().Icon, Dialogs::TIcon::Warning);
    }
}

void TestPage1::leavingByFocus()
{
    W().show();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    Combo("cboEnding")->setFocus();
    QTRY_VERIFY(Combo("cboEnding")->hasFocus());
    SetBand(QStringLiteral("1900"), QStringLiteral("1700"));
    Combo("cboLength")->setFocus();
    QTRY_COMPARE(ComboItems(Combo("cboBeginning")), (QStringList{"150", "800"}));
    QCOMPARE(Combo("cboBeginning")->currentText(), QStringLiteral("800"));
}

// clang-format off
void TestPage1::clickingNextFromTheLengthBox()
{
    W().show();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    auto* next = W().findChild<QPushButton*>(QStringLiteral("btnNext"));
    Combo("cboLength")->setFocus();
    QTRY_VERIFY(Combo("cboLength")->hasFocus());
    Combo("cboLength")->setEditText(QStringLiteral("12a"));
    QTest::mouseClick(next, Qt::LeftButton);
    // The box is checked first; its warning stops the click, which leaves nothing pressed.
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Text, QStringLiteral("This field must contain a numeric value."));
    QCOMPARE(Combo("cboLength")->currentText(), QStringLiteral("1"));
    QCOMPARE(W().CurrentPage(), TPage::Page1);
    QVERIFY(!next->isDown());

    Combo("cboLength")->setFocus();
    QTRY_VERIFY(Combo("cboLength")->hasFocus());
    Combo("cboLength")->setEditText(QStringLiteral("12"));
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(W().CurrentPage(), TPage::Page2);
}

void TestPage1::nextChecks_data()
{
    QTest::addColumn<QString>("beginning");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    const int warning = int(Dialogs::TIcon::Warning);
    const int error = int(Dialogs::TIcon::Error);
    QTest::newRow("reversed band") << "900" << "800" << "6"
                                   << "Ending frequency must be greater than beginning frequency." << error;
    QTest::newRow("no cable covers band") << "700" << "2200" << "6"
                                          << "Sorry, there are no items that match your selection criteria." << warning;
    QTest::newRow("equal band passes") << "1700" << "1700" << "6" << "" << 0;
}
// clang-format on

void TestPage1::nextChecks()
{
    QFETCH(QString, beginning);
    QFETCH(QString, ending);
    QFETCH(QString, length);
    QFETCH(QString, message);
    QFETCH(int, icon);
    SetBand(beginning, ending);
    Combo("cboLength")->setEditText(Local(length));
    W().findChild<QPushButton*>(QStringLiteral("btnNext"))->click();
    const auto messages = Dialogs::TakeMessages();
    if (message.isEmpty()) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(W().CurrentPage(), TPage::Page2);
        return;
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Text, message);
    QCOMPARE(int(messages.first().Icon), icon);
    QCOMPARE(Dialogs::TakeBeeps(), 1);
    QCOMPARE(W().CurrentPage(), TPage::Page1);
}

// clang-format off
void TestPage1::typedTextStaysAsTyped_data()
{
    QTest::addColumn<bool>("feeder");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byTab");
    // Each typed text is the start of an item ("300", "3000", "150").
    QTest::newRow("length, tab") << true << "cboLength" << "30" << true;
    QTest::newRow("length, click") << true << "cboLength" << "30" << false;
    QTest::newRow("ending, tab") << false << "cboEnding" << "300" << true;
    QTest::newRow("ending, click") << false << "cboEnding" << "300" << false;
    QTest::newRow("beginning, tab") << false << "cboBeginning" << "15" << true;
    QTest::newRow("beginning, click") << false << "cboBeginning" << "15" << false;
}
// clang-format on

void TestPage1::typedTextStaysAsTyped()
{
    QFETCH(bool, feeder);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, byTab);
    W().show();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    if (feeder)
        Group("rgApp")->Button(1)->click();
    QComboBox* combo = Combo(box.toLatin1().constData());
    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), typed);
    if (byTab)
        QTest::keyClick(combo, Qt::Key_Tab);
    else
        QTest::mouseClick(W().findChild<QRadioButton*>(QStringLiteral("rbMeters")), Qt::LeftButton);
    QTRY_VERIFY(!combo->hasFocus());
    QCOMPARE(combo->currentText(), typed);
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

// clang-format off
void TestPage1::typedNumbersFollowRegionalFormat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("numberWithDot");
    QTest::addColumn<bool>("numberWithComma");
    QTest::newRow("1.700") << "1.700" << true << false;
    QTest::newRow("2.5") << "2.5" << true << false;
    QTest::newRow("2,5") << "2,5" << false << true;
    QTest::newRow("1,700") << "1,700" << false << true;
    QTest::newRow("12") << "12" << true << true;
}
// clang-format on

void TestPage1::typedNumbersFollowRegionalFormat()
{
    QFETCH(QString, typed);
    QFETCH(bool, numberWithDot);
    QFETCH(bool, numberWithComma);
    const bool comma = QLocale::system().decimalPoint() == QStringLiteral(",");
    const bool number = comma ? numberWithComma : numberWithDot;
    Combo("cboLength")->setEditText(typed);
    W().cboLengthExit();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), number ? 0 : 1);
    if (!number) {
        QCOMPARE(messages.first().Text, QStringLiteral("This field must contain a numeric value."));
        QCOMPARE(Combo("cboLength")->currentText(), QStringLiteral("1"));
        return;
    }
    QCOMPARE(Combo("cboLength")->currentText(), typed);
    W().findChild<QPushButton*>(QStringLiteral("btnNext"))->click();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(W().CurrentPage(), TPage::Page2);
}

// clang-format off
void TestPage1::leaveCheckComesBeforeTheClickedRadio_data()
{
    QTest::addColumn<QString>("radio");
    QTest::newRow("Jumper") << "Jumper";
    QTest::newRow("Feeder") << "Feeder";
    QTest::newRow("Feet") << "Feet";
    QTest::newRow("Meters") << "Meters";
    QTest::newRow("Air Coaxial") << "Air Coaxial";
    QTest::newRow("Foam Coaxial") << "Foam Coaxial";
}
// clang-format on

void TestPage1::leaveCheckComesBeforeTheClickedRadio()
{
    QFETCH(QString, radio);
    W().show();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    QRadioButton* target = nullptr;
    for (QRadioButton* button : W().findChildren<QRadioButton*>())
        if (button->text() == radio &&
            W().findChild<QWidget*>(QStringLiteral("Page1"))->isAncestorOf(button))
            target = button;
    QVERIFY(target != nullptr);
    auto* length = Combo("cboLength");
    length->setFocus();
    QTRY_VERIFY(length->hasFocus());
    length->lineEdit()->selectAll();
    QTest::keyClicks(length->lineEdit(), QStringLiteral("abc"));

    // On the radio's indicator: a radio in a wide group only takes clicks on its indicator and
    // text.
    const QPoint indicator(8, target->height() / 2);
    QTest::mouseClick(target, Qt::LeftButton, {}, indicator);
    // The warning came first and stopped the click: the jumper list still shows its first item,
    // so the application was not switched before the check, and nothing stays pressed.
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Text, QStringLiteral("This field must contain a numeric value."));
    QCOMPARE(Dialogs::TakeBeeps(), 1);
    QCOMPARE(length->currentText(), QStringLiteral("1"));
    QCOMPARE(Group("rgApp")->ItemIndex(), 0);
    QVERIFY(!target->isDown());

    // With a number in the box the same click goes through.
    length->setFocus();
    QTRY_VERIFY(length->hasFocus());
    QTest::mouseClick(target, Qt::LeftButton, {}, indicator);
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(target->isChecked());
}

void TestPage1::leavingByOpeningTheOtherList()
{
    W().show();
    QVERIFY(QTest::qWaitForWindowActive(&W()));
    auto* beginning = Combo("cboBeginning");
    auto* ending = Combo("cboEnding");
    beginning->setFocus();
    QTRY_VERIFY(beginning->hasFocus());
    beginning->lineEdit()->selectAll();
    QTest::keyClicks(beginning->lineEdit(), QStringLiteral("1800"));
    // The ending list is refilled when the press arrives, before the list can open.
    QTest::mousePress(ending, Qt::LeftButton);
    QCOMPARE(ComboItems(ending), (QStringList{"2200", "2500", "3000"}));
    QCOMPARE(ending->currentText(), QStringLiteral("2200"));
    ending->hidePopup();
    QTest::mouseRelease(ending, Qt::LeftButton);
    QCOMPARE(beginning->currentText(), QStringLiteral("1800"));
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

QTEST_MAIN(TestPage1)
#include "tst_page1.moc"
