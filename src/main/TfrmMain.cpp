#include "TfrmMain.h"

#include "band/BandPanels.h"
#include "batch/ImportAssemblies.h"
#include "documents/DatasheetActions.h"
#include "documents/OrderDocument.h"
#include "documents/QuoteActions.h"
#include "history/QuoteHistory.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Languages.h"
#include "UiHelpers.h"
#include "WindowPlacement.h"

#include "about/TfrmAbout.h"
#include "platform/RadioGroup.h"
#include "reports/MPReporter.h"
#include "update/QuickUpdate.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QUrl MakerSite(QStringLiteral("https://www.vantrel.example/"));
} // namespace

TfrmMain::TfrmMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    WindowEvents = new TWindowEvents(this);
    BuildUi();
    connect(PageControl, &QStackedWidget::currentChanged, WindowEvents,
            [this](int index) { emit WindowEvents->PageChanged(static_cast<TPage>(index)); });
    new TQuoteActions(*this);
    new TBandPanels(*this);
    new TDatasheetActions(*this);
    new TWindowPlacement(*this);
    new TImportAssemblies(*this);
    new TOrderDocument(*this);
    new TQuoteHistory(*this);
    qApp->installEventFilter(this);
    connect(Languages::Changes(), &TLanguageChanges::Changed, this, &TfrmMain::ShowTextsAgain);
    FormCreate(arguments);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
}

void TfrmMain::BuildUi()
{
    SetStatusHint(this, CompanyHint);
    BuildMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlMain"));
    SetStatusHint(central, CompanyHint);
    auto* layout = new QVBoxLayout(central);

    PageControl = new QStackedWidget(central);
    PageControl->setObjectName(QStringLiteral("PageControl1"));
    SetStatusHint(PageControl, CompanyHint);
    Page1 = BuildPage1();
    Page2 = BuildPage2();
    tsNoPN = BuildPartsListPage();
    tsNoLength = BuildLengthsPage();
    tsFinal = BuildFinalPage();
    tsOrder = BuildOrderPage();
    for (QWidget* page : {Page1, Page2, tsNoPN, tsNoLength, tsFinal, tsOrder}) {
        SetStatusHint(page, CompanyHint);
        PageControl->addWidget(page);
    }
    layout->addWidget(PageControl, 1);

    auto* buttons = new QHBoxLayout;
    imgLogo = NewPicture(QStringLiteral("imgLogo"), central, 160, 40);
    imgLogo->setCursor(Qt::PointingHandCursor);
    buttons->addWidget(imgLogo);
    buttons->addStretch(1);
    auto button = [&](QPushButton*& target, const QString& name, TTrKey caption, TTrKey hint,
                      void (TfrmMain::*handler)()) {
        target = Bound(new QPushButton(central), "text", caption);
        target->setObjectName(name);
        BindHint(target, hint);
        connect(target, &QPushButton::clicked, this, handler);
        buttons->addWidget(target);
    };
    button(btnRestart, QStringLiteral("btnRestart"), TrKey("TfrmMain", "&Start Over"),
           TrKey("TfrmMain", "Go back to the beginning."), &TfrmMain::btnRestartClick);
    button(btnClose, QStringLiteral("btnClose"), TrKey("TfrmMain", "&Close"),
           TrKey("TfrmMain", "Close"), &TfrmMain::btnCloseClick);
    button(btnBack, QStringLiteral("btnBack"), TrKey("TfrmMain", "<- Back"),
           TrKey("TfrmMain", "Go Back"), &TfrmMain::btnBackClick);
    button(btnNext, QStringLiteral("btnNext"), TrKey("TfrmMain", "Next ->"),
           TrKey("TfrmMain", "Proceed"), &TfrmMain::btnNextClick);
    btnNext->setDefault(true);
    layout->addLayout(buttons);
    setCentralWidget(central);

    StatusPanel = new QLabel(CompanyHint, this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    SetStatusHint(statusBar(), CompanyHint);
    statusBar()->addWidget(StatusPanel, 1);
    statusBar()->setSizeGripEnabled(true);

    Reminder = new TUpdateReminder(this);
    MPReporter1 = new TMPReporter(this);
    MPReporter1->setObjectName(QStringLiteral("MPReporter1"));
    BindText(MPReporter1, "Title", TrKey("TfrmMain", "Vantrel Ferrolyn Results"));

    resize(860, 640);
}

void TfrmMain::BuildMenu()
{
    auto action = [this](QMenu* menu, const QString& name, TTrKey caption) {
        QAction* item = Bound(menu->addAction(QString()), "text", caption);
        item->setObjectName(name);
        return item;
    };
    QMenu* file = Bound(menuBar()->addMenu(QString()), "title", TrKey("TfrmMain", "&File"));
    file->setObjectName(QStringLiteral("File1"));
    Open1 = action(file, QStringLiteral("Open1"), TrKey("TfrmMain", "&Open"));
    Save1 = action(file, QStringLiteral("Save1"), TrKey("TfrmMain", "&Save"));
    Print1 = action(file, QStringLiteral("Print1"), TrKey("TfrmMain", "&Print"));
    Export1 = Bound(file->addMenu(QString()), "title", TrKey("TfrmMain", "&Export"));
    Export1->setObjectName(QStringLiteral("Export1"));
    Export1->menuAction()->setObjectName(QStringLiteral("Export1"));
    ToATextFile1 =
        action(Export1, QStringLiteral("ToATextFile1"), TrKey("TfrmMain", "To a text file"));
    ToanHTMLDocument1 = action(Export1, QStringLiteral("ToanHTMLDocument1"),
                               TrKey("TfrmMain", "To an HTML Document"));
    ToanMSExcelSpreadsheet1 = action(Export1, QStringLiteral("ToanMSExcelSpreadsheet1"),
                                     TrKey("TfrmMain", "To an MS Excel Spreadsheet"));
    CopyToClipboard1 =
        action(file, QStringLiteral("CopyToClipboard1"), TrKey("TfrmMain", "&Copy To Clipboard"));
    file->addSeparator();
    ViewLastOrder1 =
        action(file, QStringLiteral("ViewLastOrder1"), TrKey("TfrmMain", "&View Last Order"));
    QuickUpdate1 = action(file, QStringLiteral("QuickUpdate1"), TrKey("TfrmMain", "&Quick Update"));
    Languages::AddLanguageMenu(file, this);
    file->addSeparator();
    StartOver1 = action(file, QStringLiteral("StartOver1"), TrKey("TfrmMain", "S&tart Over"));
    Exit1 = action(file, QStringLiteral("Exit1"), TrKey("TfrmMain", "E&xit"));
    connect(StartOver1, &QAction::triggered, this, &TfrmMain::btnRestartClick);
    connect(ViewLastOrder1, &QAction::triggered, this, &TfrmMain::ViewLastOrder1Click);
    connect(ToATextFile1, &QAction::triggered, this, &TfrmMain::ToATextFile1Click);
    connect(ToanHTMLDocument1, &QAction::triggered, this, &TfrmMain::ToanHTMLDocument1Click);
    connect(ToanMSExcelSpreadsheet1, &QAction::triggered, this,
            &TfrmMain::ToanMSExcelSpreadsheet1Click);
    connect(CopyToClipboard1, &QAction::triggered, this, &TfrmMain::CopyToClipboard1Click);
    connect(Print1, &QAction::triggered, this, &TfrmMain::Print1Click);
    connect(QuickUpdate1, &QAction::triggered, this, &TfrmMain::QuickUpdate1Click);
    connect(Exit1, &QAction::triggered, this, &TfrmMain::btnCloseClick);

    CurrencySettings1 =
        Bound(menuBar()->addMenu(QString()), "title", TrKey("TfrmMain", "Currency Settings"));
    CurrencySettings1->setObjectName(QStringLiteral("CurrencySettings1"));
    CurrencySettings1->menuAction()->setObjectName(QStringLiteral("CurrencySettings1"));
    CurrencySettings1->menuAction()->setVisible(false);
    BuildCurrencyMenu();

    Help1 = Bound(menuBar()->addAction(QString()), "text", TrKey("TfrmMain", "About"));
    Help1->setObjectName(QStringLiteral("Help1"));
    connect(Help1, &QAction::triggered, this, &TfrmMain::Help1Click);
}

// --- Navigation -------------------------------------------------------------------------------

TPage TfrmMain::CurrentPage() const
{
    return static_cast<TPage>(PageControl->currentIndex());
}

void TfrmMain::ShowPage(TPage page)
{
    PageControl->setCurrentIndex(static_cast<int>(page));
    PreparePage(page);
}

void TfrmMain::PreparePage(TPage page)
{
    switch (page) {
    case TPage::Page1:
        ShowNavigationButtons(true);
        btnRestart->setEnabled(false);
        btnBack->setEnabled(false);
        BindText(btnNext, "text", TrKey("TfrmMain", "Next ->"));
        UpdateMenuState(false);
        break;
    case TPage::Page2:
        Page2Show();
        break;
    case TPage::NoPN:
        ClearGrid(grdJumper);
        edTotal->clear();
        for (int row = 0; row < grdJumperspecs->rowCount(); ++row)
            if (QTableWidgetItem* item = grdJumperspecs->item(row, 1))
                item->setText(QString());
        BindText(btnNext, "text", TrKey("TfrmMain", "Add To Order"));
        btnBack->setEnabled(true);
        UpdateMenuState(true);
        ShowPricingDate(lblUpdate1);
        break;
    case TPage::NoLength:
        ShowNavigationButtons(true);
        ClearGrid(grdLengths);
        btnBack->setEnabled(true);
        rgStdLengths->SetItemIndex(0);
        UpdateMenuState(false);
        break;
    case TPage::Final:
        for (int row = 0; row < grdFinal->rowCount(); ++row)
            if (QTableWidgetItem* item = grdFinal->item(row, 1))
                item->setText(QString());
        BindText(btnNext, "text", TrKey("TfrmMain", "Add to Order"));
        ShowNavigationButtons(true);
        btnBack->setEnabled(true);
        UpdateMenuState(true);
        ShowPricingDate(lblUpdate2);
        break;
    case TPage::Order:
        UpdateMenuState(true);
        ShowNavigationButtons(false);
        Save1->setEnabled(true);
        CurrencySettings1->menuAction()->setEnabled(false);
        break;
    }
}

void TfrmMain::ShowNavigationButtons(bool visible)
{
    for (QPushButton* button : {btnRestart, btnClose, btnBack, btnNext})
        button->setVisible(visible);
}

void TfrmMain::UpdateMenuState(bool resultsAvailable)
{
    CurrencySettings1->menuAction()->setEnabled(resultsAvailable);
    Export1->menuAction()->setEnabled(resultsAvailable);
    Print1->setEnabled(resultsAvailable);
    CopyToClipboard1->setEnabled(resultsAvailable);
    StartOver1->setEnabled(btnRestart->isEnabled());
    Save1->setEnabled(false);
    ToanMSExcelSpreadsheet1->setEnabled(SpreadsheetAvailable());
}

bool TfrmMain::SpreadsheetAvailable() const
{
    return Desktop::SpreadsheetAvailable();
}

void TfrmMain::ClearGrid(QTableWidget* grid)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (QTableWidgetItem* item = grid->item(row, column))
                item->setText(QString());
}

void TfrmMain::btnNextClick()
{
    if (!RunPendingExit())
        return;
    switch (CurrentPage()) {
    case TPage::Page1:
        if (Page1Next())
            ShowPage(TPage::Page2);
        break;
    case TPage::Page2:
        MatchSelection();
        break;
    case TPage::NoLength:
        AcceptLengthChoice();
        break;
    case TPage::NoPN:
    case TPage::Final:
        AddResultToOrder();
        break;
    default:
        break;
    }
}

void TfrmMain::btnBackClick()
{
    ShowPage(static_cast<int>(CurrentPage()) >= 2 ? TPage::Page2 : TPage::Page1);
}

void TfrmMain::btnRestartClick()
{
    ShowPage(TPage::Page1);
}

void TfrmMain::btnCloseClick()
{
    close();
}

void TfrmMain::QuickUpdate1Click()
{
    ShowQuickUpdate(this);
}

void TfrmMain::Help1Click()
{
    ShowAbout(this);
}

void TfrmMain::FormActivate()
{
    Reminder->Check(this);
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmMain::imgLogoClick()
{
    Dialogs::OpenUrl(MakerSite);
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (Centred)
        return;
    Centred = true;
    // Where it was when it last closed, or centred; always within a screen.
    if (auto* placement = findChild<TWindowPlacement*>())
        placement->Restore();
    // Also when the desktop does not make the new window the active one (no window manager).
    QMetaObject::invokeMethod(
        this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

// --- Status bar -------------------------------------------------------------------------------

QString TfrmMain::HintFor(QWidget* widget) const
{
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w == this)
            break;
    }
    return QString();
}

void TfrmMain::ShowStatusHint(const QString& hint)
{
    if (StatusPanel->text() != hint)
        StatusPanel->setText(hint);
}

bool TfrmMain::event(QEvent* event)
{
    // The panel shows hints itself; the status bar's temporary messages would cover it.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty())
            ShowStatusHint(tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            if (type == QEvent::Leave) {
                // Back over whatever lies under the pointer now, usually the enclosing control.
                QWidget* under = QApplication::widgetAt(QCursor::pos());
                widget =
                    under != nullptr && under->window() == this ? under : widget->parentWidget();
            }
            if (widget != nullptr)
                ShowStatusHint(HintFor(widget));
        }
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        HandleLeaveClick(watched, type))
        return true;
    if (watched == imgLogo && type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        imgLogoClick();
    return QMainWindow::eventFilter(watched, event);
}
