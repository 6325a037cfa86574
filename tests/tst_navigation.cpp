#include "support/TestInstallation.h"

#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(TPage)

namespace {

struct TMenuState {
    bool Export, Print, Copy, Currency, StartOver, Save;
};

TMenuState MenuState(TfrmMain& w)
{
    auto action = [&](const char* name) {
        return w.findChild<QAction*>(QLatin1String(name));
    };
    return {action("Export1")->isEnabled(),          action("Print1")->isEnabled(),
            action("CopyToClipboard1")->isEnabled(), action("CurrencySettings1")->isEnabled(),
            action("StartOver1")->isEnabled(),       action("Save1")->isEnabled()};
}

// The object name of the modal dialog that open() shows; the dialog is closed with its close box.
QString ModalDialogOf(const std::function<void()>& open)
{
    QString name;
    QTimer::singleShot(0, [&name] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            name = dialog->objectName();
            dialog->close();
        }
    });
    open();
    return name;
}

QPushButton* Button(TfrmMain& w, const char* name)
{
    return w.findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstPage();
    void keyboard();
    void windowFitsAndRemembers();
    void pageStates_data();
    void pageStates();
    void backGoesToPage2_data();
    void backGoesToPage2();
    void startOverKeepsChoices();
    void orderPageButtons();
    void spreadsheetItem_data();
    void spreadsheetItem();
    void alwaysAvailableCommands();
    void statusBarHints_data();
    void statusBarHints();
    void logoOpensSite();
    void updateAndAboutCommands_data();
    void updateAndAboutCommands();
    void reminderOnActivation();
    void closeEndsProgram();

private:
    std::unique_ptr<TTestInstallation> Install;
    std::unique_ptr<TfrmMain> Window;
};

void TestNavigation::init()
{
    Install = std::make_unique<TTestInstallation>();
    Install->WriteStandardFiles();
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), QStringLiteral("EUR|1.08|\n"));
    Window = Install->Start();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

// clang-format off
void TestNavigation::updateAndAboutCommands_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("File, Quick Update") << "QuickUpdate1" << "frmUpdate";
    QTest::newRow("parts list button") << "btnUpdate1" << "frmUpdate";
    QTest::newRow("summary button") << "btnUpdate2" << "frmUpdate";
    QTest::newRow("order page button") << "BitBtn2" << "frmUpdate";
    QTest::newRow("About") << "Help1" << "frmAbout";
}
// clang-format on

void TestNavigation::updateAndAboutCommands()
{
    QFETCH(QString, control);
    QFETCH(QString, dialog);
    TfrmMain& w = *Window;
    const QString opened = ModalDialogOf([&] {
        if (auto* action = w.findChild<QAction*>(control))
            action->trigger();
        else
            w.findChild<QPushButton*>(control)->click();
    });
    QCOMPARE(opened, dialog);
}

void TestNavigation::reminderOnActivation()
{
    Window.reset();
    const QString yesterday =
        QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyy-MM-dd"));
    Install->WriteProgramFile(
        QStringLiteral("update.ini"),
        QStringLiteral("[UPDATE]\ndate=%1\nlast=2026-01-01\n").arg(yesterday));
    Window = Install->Start();
    // The reminder opens modally on activation; a timer looks at it and closes it with its
    // close box.
    QString shown;
    QString message;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            shown = dialog->objectName();
            message = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"))->text();
            dialog->close();
        }
    });
    watcher.start(20);
    Window->show();
    QTRY_COMPARE(shown, QStringLiteral("frmUpdate"));
    QCOMPARE(message,
             QStringLiteral("It appears you have not updated your application files lately. You "
                            "can download the latest data files from here."));
    // Closed with its close box, it does not come back when the window is active again.
    shown.clear();
    Window->activateWindow();
    QTest::qWait(200);
    QCOMPARE(shown, QString());
}

void TestNavigation::cleanup()
{
    Window.reset();
    Install.reset();
}

void TestNavigation::firstPage()
{
    TfrmMain& w = *Window;
    QCOMPARE(w.findChild<QStackedWidget*>()->currentWidget()->objectName(),
             QStringLiteral("Page1"));
    for (const char* name : {"btnRestart", "btnClose", "btnBack", "btnNext"})
        QVERIFY2(!Button(w, name)->isHidden(), name);
    QVERIFY(!Button(w, "btnRestart")->isEnabled());
    QVERIFY(!Button(w, "btnBack")->isEnabled());
    QCOMPARE(Button(w, "btnNext")->text(), QStringLiteral("Next ->"));
    QCOMPARE(Button(w, "btnRestart")->text(), QStringLiteral("&Start Over"));
    QCOMPARE(Button(w, "btnClose")->text(), QStringLiteral("&Close"));
    QCOMPARE(Button(w, "btnBack")->text(), QStringLiteral("<- Back"));
    const TMenuState menu = MenuState(w);
    QVERIFY(!menu.Export && !menu.Print && !menu.Copy && !menu.Currency && !menu.StartOver &&
            !menu.Save);
}

// clang-format off
void TestNavigation::pageStates_data()
{
    QTest::addColumn<TPage>("page");
    QTest::addColumn<QString>("nextCaption");
    QTest::addColumn<bool>("buttonsShown");
    QTest::addColumn<bool>("results");
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("currency");
    QTest::newRow("parts list") << TPage::NoPN << "Add To Order" << true << true << false << true;
    QTest::newRow("lengths") << TPage::NoLength << "Next ->" << true << false << false << false;
    QTest::newRow("final") << TPage::Final << "Add to Order" << true << true << false << true;
    QTest::newRow("order") << TPage::Order << "Next ->" << false << true << true << false;
}
// clang-format on

void TestNavigation::pageStates()
{
    QFETCH(TPage, page);
    QFETCH(QString, nextCaption);
    QFETCH(bool, buttonsShown);
    QFETCH(bool, results);
    QFETCH(bool, save);
    QFETCH(bool, currency);
    TfrmMain& w = *Window;
    Button(w, "btnNext")->click();
    QCOMPARE(w.CurrentPage(), TPage::Page2);
    QVERIFY(Button(w, "btnRestart")->isEnabled());
    QVERIFY(Button(w, "btnBack")->isEnabled());
    QVERIFY(!MenuState(w).Export);
    QVERIFY(MenuState(w).StartOver);

    w.ShowPage(page);
    QCOMPARE(w.CurrentPage(), page);
    QCOMPARE(Button(w, "btnNext")->text(), nextCaption);
    QCOMPARE(!Button(w, "btnNext")->isHidden(), buttonsShown);
    QCOMPARE(!Button(w, "btnRestart")->isHidden(), buttonsShown);
    QVERIFY(Button(w, "btnBack")->isEnabled());
    const TMenuState menu = MenuState(w);
    QCOMPARE(menu.Export, results);
    QCOMPARE(menu.Print, results);
    QCOMPARE(menu.Copy, results);
    QCOMPARE(menu.Currency, currency);
    QCOMPARE(menu.Save, save);
    QVERIFY(menu.StartOver);
    if (page == TPage::NoLength)
        QCOMPARE(w.findChild<TRadioGroup*>(QStringLiteral("rgStdLengths"))->ItemIndex(), 0);
}

// clang-format off
void TestNavigation::backGoesToPage2_data()
{
    QTest::addColumn<TPage>("page");
    QTest::newRow("parts list") << TPage::NoPN;
    QTest::newRow("lengths") << TPage::NoLength;
    QTest::newRow("final") << TPage::Final;
}
// clang-format on

void TestNavigation::backGoesToPage2()
{
    QFETCH(TPage, page);
    TfrmMain& w = *Window;
    Button(w, "btnNext")->click();
    w.ShowPage(TPage::NoLength);
    w.ShowPage(page);
    Button(w, "btnBack")->click();
    QCOMPARE(w.CurrentPage(), TPage::Page2);
    QCOMPARE(Button(w, "btnNext")->text(), QStringLiteral("Next ->"));
    Button(w, "btnBack")->click();
    QCOMPARE(w.CurrentPage(), TPage::Page1);
    QVERIFY(!Button(w, "btnBack")->isEnabled());
}

void TestNavigation::startOverKeepsChoices()
{
    TfrmMain& w = *Window;
    auto* length = w.findChild<QComboBox*>(QStringLiteral("cboLength"));
    length->setCurrentIndex(11);
    w.findChild<QRadioButton*>(QStringLiteral("rbMeters"))->setChecked(true);
    w.findChild<QComboBox*>(QStringLiteral("cboBeginning"))->setCurrentIndex(1);
    w.findChild<TRadioGroup*>(QStringLiteral("rgCableType"))->Button(0)->click();
    w.findChild<QComboBox*>(QStringLiteral("cboEnding"))->setCurrentIndex(2);
    Button(w, "btnNext")->click();
    QCOMPARE(w.CurrentPage(), TPage::Page2);
    w.ShowPage(TPage::Final);

    w.findChild<QAction*>(QStringLiteral("StartOver1"))->trigger();
    QCOMPARE(w.CurrentPage(), TPage::Page1);
    QCOMPARE(length->currentText(), QStringLiteral("12"));
    QVERIFY(w.findChild<QRadioButton*>(QStringLiteral("rbMeters"))->isChecked());
    QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cboBeginning"))->currentText(),
             QStringLiteral("700"));
    QCOMPARE(w.findChild<TRadioGroup*>(QStringLiteral("rgCableType"))->ItemIndex(), 0);
    QVERIFY(!Button(w, "btnRestart")->isEnabled());
    QVERIFY(!MenuState(w).StartOver);
}

void TestNavigation::orderPageButtons()
{
    TfrmMain& w = *Window;
    w.ShowPage(TPage::Order);
    Button(w, "btnAdd")->click();
    QCOMPARE(w.CurrentPage(), TPage::Page1);
    QVERIFY(!Button(w, "btnNext")->isHidden());
}

// clang-format off
void TestNavigation::spreadsheetItem_data()
{
    QTest::addColumn<bool>("available");
    QTest::newRow("registered") << true;
    QTest::newRow("not registered") << false;
}
// clang-format on

void TestNavigation::spreadsheetItem()
{
    QFETCH(bool, available);
    Desktop::SetSpreadsheetAvailableOverride(available);
    TfrmMain& w = *Window;
    auto* item = w.findChild<QAction*>(QStringLiteral("ToanMSExcelSpreadsheet1"));
    for (TPage page :
         {TPage::Page1, TPage::Page2, TPage::NoPN, TPage::NoLength, TPage::Final, TPage::Order}) {
        if (page == TPage::Page2)
            Button(w, "btnNext")->click();
        else
            w.ShowPage(page);
        QCOMPARE(item->isEnabled(), available);
    }
}

void TestNavigation::alwaysAvailableCommands()
{
    TfrmMain& w = *Window;
    for (TPage page : {TPage::Page1, TPage::NoPN, TPage::Final, TPage::Order}) {
        w.ShowPage(page);
        // These commands work on every page.
        for (const char* name : {"Open1", "ViewLastOrder1", "QuickUpdate1", "Help1"})
            QVERIFY2(w.findChild<QAction*>(QLatin1String(name))->isEnabled(), name);
    }
    QCOMPARE(w.findChild<QAction*>(QStringLiteral("Help1"))->text(), QStringLiteral("About"));
}

// clang-format off
void TestNavigation::statusBarHints_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("own hint") << "cboBeginning" << "Select A Beginning Frequency";
    QTest::newRow("group hint") << "cboLength" << "Select a Length";
    QTest::newRow("radio group") << "rgApp_1" << "Select An Application";
    QTest::newRow("button") << "btnRestart" << "Go back to the beginning.";
    QTest::newRow("empty page") << "Page1" << "Vantrel Corporation";
    QTest::newRow("picture") << "imgTopJumper" << "Top Jumper";
}
// clang-format on

void TestNavigation::statusBarHints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    TfrmMain& w = *Window;
    auto* widget = w.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("StatusPanel"))->text(), hint);
}

void TestNavigation::logoOpensSite()
{
    TfrmMain& w = *Window;
    auto* logo = w.findChild<QLabel*>(QStringLiteral("imgLogo"));
    QCOMPARE(logo->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(logo, Qt::LeftButton);
    QCOMPARE(Dialogs::TakeOpenedUrls(),
             QList<QUrl>{QUrl(QStringLiteral("https://www.vantrel.example/"))});
}

void TestNavigation::closeEndsProgram()
{
    TfrmMain& w = *Window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
    QVERIFY(!w.isVisible());
}

void TestNavigation::keyboard()
{
    QCOMPARE(Window->findChild<QAction*>(QStringLiteral("Open1"))->shortcut(),
             QKeySequence(QKeySequence::Open));
    QCOMPARE(Window->findChild<QAction*>(QStringLiteral("Save1"))->shortcut(),
             QKeySequence(QKeySequence::Save));
    QCOMPARE(Window->findChild<QAction*>(QStringLiteral("Print1"))->shortcut(),
             QKeySequence(QKeySequence::Print));
    QCOMPARE(Window->findChild<QAction*>(QStringLiteral("Exit1"))->shortcut(),
             QKeySequence(QKeySequence::Quit));

    Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    // The focus starts on page 1; Return and Enter press Next and Add To Order.
    QVERIFY(
        Window->findChild<QWidget*>(QStringLiteral("Page1"))->isAncestorOf(Window->focusWidget()));
    QTest::keyClick(Window->findChild<QComboBox*>(QStringLiteral("cboLength")), Qt::Key_Return);
    QCOMPARE(Window->CurrentPage(), TPage::Page2);
    QVERIFY(
        Window->findChild<QWidget*>(QStringLiteral("Page2"))->isAncestorOf(Window->focusWidget()));
    QTest::keyClick(Window->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Window->CurrentPage(), TPage::Final);
    QCOMPARE(Window->findChild<QPushButton*>(QStringLiteral("btnNext"))->text(),
             QStringLiteral("Add to Order"));
    QTest::keyClick(Window->focusWidget(), Qt::Key_Return);
    QCOMPARE(Window->CurrentPage(), TPage::Order);
    QCOMPARE(Window->CurrentOrder().OrderLines.size(), 1);
    // In a cell editor Return is the editor's: nothing is added.
    Window->findChild<QTableWidget*>(QStringLiteral("grdOrder"))->setCurrentCell(0, 3);
    Window->findChild<QTableWidget*>(QStringLiteral("grdOrder"))
        ->editItem(Window->findChild<QTableWidget*>(QStringLiteral("grdOrder"))->item(0, 3));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr &&
            Window->findChild<QTableWidget*>(QStringLiteral("grdOrder"))->isAncestorOf(editor));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Window->CurrentOrder().OrderLines.size(), 1);
    Dialogs::TakeMessages();

    // The order page's added buttons take their places in the tab order.
    QStringList order;
    for (QWidget* w = Window->findChild<QWidget*>("BitBtn1"); order.size() < 4;
         w = w->nextInFocusChain())
        order.append(w->objectName());
    QCOMPARE(order, (QStringList{"BitBtn1", "btnOrderDetails", "btnQuotePdf", "btnAdd"}));
}

void TestNavigation::windowFitsAndRemembers()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A saved place larger than the screen, half off it: fitted into it.
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Vantrel", "Ferrolyn");
        settings.setValue("Window/Geometry", QRect(-60, -140, screen.width() + 900, 1372));
    }
    Window = Install->Start();
    Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    QVERIFY2(screen.contains(Window->frameGeometry()),
             qPrintable(QString("%1,%2 %3x%4")
                            .arg(Window->frameGeometry().x())
                            .arg(Window->frameGeometry().y())
                            .arg(Window->frameGeometry().width())
                            .arg(Window->frameGeometry().height())));

    // Moved and closed, it comes back where it was.
    const QRect place(screen.x() + 20, screen.y() + 30, screen.width() - 100,
                      screen.height() - 100);
    Window->setGeometry(place);
    Window->close();
    Window = Install->Start();
    Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    QCOMPARE(Window->geometry(), place);
    Dialogs::TakeMessages();
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
