#pragma once

#include "base/Translate.h"
#include "catalog/CatalogRecords.h"
#include "order/Order.h"
#include "pricing/ExchangeRates.h"
#include "pricing/PriceList.h"
#include "quote/Jumpers.h"
#include "quote/QuoteEngine.h"
#include "quote/WizardModel.h"
#include "reports/ResultContent.h"
#include "WindowHost.h"

#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

struct TOrderTotals;
class QAction;
class QDate;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class TMPReporter;
class TUpdateReminder;
class TRadioGroup;

// The main window: the wizard and all state of the run. Its add-ons see it as a TWindowHost.
class TfrmMain : public QMainWindow, public TWindowHost
{
    Q_OBJECT
    // The window's place and keyboard order: a part of the window kept in a file of its own.
    friend class TWindowPlacement;

public:
    // Creating the window runs the start-up sequence. When a required file is missing the
    // window is not to be shown and the program ends: Terminated() is then true.
    explicit TfrmMain(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TfrmMain() override;

    bool Terminated() const { return StartupTerminated; }

    // --- What the add-ons see ---
    QMainWindow& MainWindow() override { return *this; }
    TWindowEvents& Events() override { return *WindowEvents; }
    const TQuoteResult& CurrentQuote() const override { return Quote; }
    const TQuoteRequest& CurrentRequest() const override { return QuoteRequest; }
    // Where the window's quotes take prices and standard assemblies from.
    TQuoteSources QuoteSources() override;
    const TCableList& Catalog() const override { return Cables; }
    const TOrder& CurrentOrder() const override { return Order; }
    void ShowNewOrder(const QList<TOrderLine>& lines, int currencyTag) override;
    void ShowStatus(const QString& text) override;
    void SetOrderDetails(const TOrderDetails& details) override;
    void SetOrderQuote(const QString& reference) override;
    void ShowOrder(const TOrderFileContents& contents) override;
    void AddOrderButtons(const QString& after, const QList<QWidget*>& buttons) override;
    void AddResultPanel(TPage page, QWidget* panel) override;
    void AddCableButton(QWidget* button) override;
    bool ChooseCable(const QString& partNumber) override;

    // --- Navigation ---
    void ShowPage(TPage page);
    TPage CurrentPage() const override;
    void ShowNavigationButtons(bool visible);
    void UpdateMenuState(bool resultsAvailable);
    bool SpreadsheetAvailable() const;
    static void ClearGrid(QTableWidget* grid);

    void btnNextClick();
    void btnBackClick();
    void btnRestartClick();
    void btnCloseClick();
    void imgLogoClick();

    // --- Page 1 ---
    // The wizard's pages 1 and 2: their state and rules.
    const TWizardModel& WizardModel() const override { return Wizard; }
    // True when leaving a box would warn of its text (a typed text that is not a number).
    static bool WouldWarn(const QString& text);
    void rgAppClick();
    void IncludeConnectorClick();
    // Leaving a box; false when it held no number.
    bool cboLengthExit();
    bool cboBeginningExit();
    bool cboEndingExit();
    bool Page1Next();

    // --- Page 2 ---
    void Page2Show();
    void rgCableGradeClick();
    void cboTLineDataChange();
    void cboC1MatesToChange();
    void cboC2MatesToChange();
    void cboC1DescriptionChange();
    void cboC2DescriptionChange();
    void cboC1InnerChange();
    void cboC2InnerChange();
    void rgConnectorGradeClick();
    void rgConnectorAttachmentClick();
    void rbC1ActualClick();
    void rbC2ActualClick();

    // --- Matching and nearest lengths ---
    // Next on page 2: quotes the choices and shows the page the quote reaches.
    void MatchSelection();
    void ShowNearLengths();
    // Next on the nearest-lengths page: the summary of the chosen row.
    void AcceptLengthChoice();

    // --- Result pages (of Quote, priced in the chosen currency) ---
    void ShowPartsList();
    // The prices of the shown parts list, in the chosen currency (a currency change).
    void ShowPartsListPrices();
    void ShowFinalSummary();
    void ShowAssemblyPrice();
    // ResultRows: the order lines of the page shown.
    void RebuildFinalResultRow();
    // After a language change: the texts the pages compute from what they show, again.
    void ShowTextsAgain();
    // What ResultRows holds for the shown result page, priced in the currency of this tag.
    QList<TOrderLine> ResultRowsInCurrency(int tag);
    void ShowPricingDate(QLabel* label);

    // --- Order ---
    void AddResultToOrder();
    void RefreshOrderGrid();
    void RecalcOrderTotals();
    void FillOrderRow(int row, const QStringList& cells);
    // The order total, and the last-order file written.
    void ShowOrderTotal(const TOrderTotals& totals);
    void ShowOrderCurrency();
    // A cell of the order grid changed, typed or spun.
    void grdOrderCellEdit(int row, int column);
    // Asked before a spin step is applied to a quantity: false refuses the new value.
    bool grdOrderSpinIncrement(int row, double value);
    void btnDeleteSelectedClick();
    // False (after an error message) when the file could not be read or written; the order is
    // then unchanged.
    bool ReadOrderFile(const QString& path);
    // The order of a file's contents; path names where it came from (empty for no file).
    void TakeOrder(const TOrderFileContents& contents, const QString& path);
    bool WriteOrderFile(const QString& path) override;
    void Open1Click() override;
    void ViewLastOrder1Click();

    // --- Currencies ---
    int CurrentCurrencyTag() const override;
    void US1Click(QAction* item);
    void SelectCurrency(QAction* item);
    void ShowForeignNotice();
    // True while the North America "US Dollars (USD)" item carries the check.
    bool UsDollarsChosen() const;

    // --- Outputs ---
    // The shown result page as every output takes it.
    TResultContent ResultContent() override;
    void ToATextFile1Click();
    void ToanHTMLDocument1Click();
    void ToanMSExcelSpreadsheet1Click();
    void CopyToClipboard1Click();
    void Print1Click();

    // --- Updates and About ---
    // Each time the window becomes active: the update reminder.
    void FormActivate();
    void QuickUpdate1Click();
    void Help1Click();

    // The status-bar text for the control under the pointer.
    QString HintFor(QWidget* widget) const;

private:
    // --- State of the run ---
    std::unique_ptr<TJumper> Assembly;
    QStringList ImageTable;
    QStringList RateLines;
    // The order, with its currency (until it is replaced or its last line deleted) and details.
    TOrder Order;
    QList<TOrderLine> ResultRows;
    TCableList Cables;

    // The price list (held once: the file's bytes, indexed by part number), and the exchange
    // rates (US dollars only without a rate file).
    TPriceList PriceList;
    TExchangeRates Rates;
    QDate LastUpdateDay;
    // jumpers.dat, read again when it changes on disk, and the part data.
    TJumperFile JumperFile;
    TSpecData Specs;

    bool RatesAvailable = false;
    QString RatesDate;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // One side of page 2: the top (C1) or bottom (C2) connector.
    struct TSide {
        bool Top = true;
        QRadioButton* rbActual = nullptr;
        QRadioButton* rbMatesTo = nullptr;
        QComboBox* cboMatesTo = nullptr;
        QLabel* lblDescription = nullptr;
        TTrKey DescriptionCaption;
        QLabel* img = nullptr;
        QComboBox* cboDescription = nullptr;
        QComboBox* cboInner = nullptr;
    };

    void BuildUi();
    void BuildMenu();
    void BuildCurrencyMenu();
    void WriteLastOrder();
    // The tag of an order file's currency code, when that currency is offered here; else the
    // chosen currency's (the status bar says so for a code that is not offered).
    int OrderFileCurrency(const QString& code);
    // Writes an export file in the output's folder, chosen in the save dialog, and opens it.
    void ExportToFile(const QString& filter, const QString& suffix, const QString& text);
    // Tells once per run that orders are kept in the per-user folder.
    void NoteUserDataFolder();
    bool UserDataFolderNoted = false;
    bool LastOrderWriteFailed = false;
    // Disables the currencies without a usable rate and reports bad rate lines.
    void CheckCurrencyRates();
    QWidget* BuildPage1();
    QWidget* BuildPage2();
    QWidget* BuildPartsListPage();
    QWidget* BuildLengthsPage();
    QWidget* BuildFinalPage();
    QWidget* BuildOrderPage();
    QGroupBox* BuildSideGroup(TSide& side, const QString& prefix, TTrKey title);

    void FormCreate(const QStringList& arguments);
    static QString UserLocaleDate(const QDate& date);
    void PreparePage(TPage page);
    void ShowStatusHint(const QString& hint);
    void BoxLeft(QComboBox* box);
    bool RunExitHandler(QComboBox* box);
    // Runs the leave work of a box that a mouse click left, if it has not run yet; false when
    // it found no number.
    bool RunPendingExit();
    // Runs the leave work of a box that a mouse click leaves before the click reaches its
    // control; true when the event is to be swallowed.
    bool HandleLeaveClick(QObject* watched, QEvent::Type type);
    QPointer<QComboBox> PendingExit;
    QPointer<QComboBox> WarnOnRelease;

    // Pages 1 and 2 shown as the wizard has them.
    TWizardModel Wizard;
    // The choices last quoted and their quote: what the result pages show (the add-ons read
    // them through CurrentRequest and CurrentQuote).
    TQuoteRequest QuoteRequest;
    TQuoteResult Quote;
    // The registered shared data folder.
    QString InstallPath;
    TWindowEvents* WindowEvents = nullptr;
    // A box left, or Next on page 1, warns of a text that is no number; false then.
    bool IsNumeric(bool numeric);
    void ShowEditList(QComboBox* box, const TEditList& list);
    // Shows the page-1 boxes of this TWizardModel::TBoxes mask.
    void ShowBoxes(int boxes);
    void ShowPage1Options();
    void ShowPage2();
    void ShowSide(TSide& side, const TWizardModel::TSide& shown);
    void SetComboItems(QComboBox* box, const QStringList& items, const QString& selected);

    bool StartupTerminated = false;
    bool Centred = false;

    // --- Controls, named as the program's objects ---
    QStackedWidget* PageControl = nullptr;
    QWidget* Page1 = nullptr;
    QWidget* Page2 = nullptr;
    QWidget* tsNoPN = nullptr;
    QWidget* tsNoLength = nullptr;
    QWidget* tsFinal = nullptr;
    QWidget* tsOrder = nullptr;
    QPushButton* btnRestart = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* StatusPanel = nullptr;
    // Lays out and prints the report of the shown page.
    TMPReporter* MPReporter1 = nullptr;
    // Offers the Quick Update when the update date has passed.
    TUpdateReminder* Reminder = nullptr;

    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Print1 = nullptr;
    QMenu* Export1 = nullptr;
    QAction* ToATextFile1 = nullptr;
    QAction* ToanHTMLDocument1 = nullptr;
    QAction* ToanMSExcelSpreadsheet1 = nullptr;
    QAction* CopyToClipboard1 = nullptr;
    QAction* ViewLastOrder1 = nullptr;
    QAction* QuickUpdate1 = nullptr;
    QAction* StartOver1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* CurrencySettings1 = nullptr;
    QAction* Help1 = nullptr;

    // Page 1
    TRadioGroup* rgApp = nullptr;
    QComboBox* cboLength = nullptr;
    QRadioButton* rbFeet = nullptr;
    QRadioButton* rbMeters = nullptr;
    QComboBox* cboBeginning = nullptr;
    QComboBox* cboEnding = nullptr;
    TRadioGroup* rgCableType = nullptr;
    TRadioGroup* rgFeeder = nullptr;
    QGroupBox* gbxConnectors = nullptr;
    QCheckBox* chkTopConnector = nullptr;
    QCheckBox* chkBottomConnector = nullptr;
    QLabel* imgTopJumper = nullptr;
    QLabel* imgBottomJumper = nullptr;
    QLabel* imgFeeder = nullptr;

    // Page 2
    QComboBox* cboTLineData = nullptr;
    QLineEdit* edtTlineSize = nullptr;
    QLabel* lblDiameter = nullptr;
    QLabel* imgCable = nullptr;
    TSide TopSide;
    TSide BottomSide;
    TRadioGroup* rgConnectorGrade = nullptr;
    TRadioGroup* rgCableGrade = nullptr;
    TRadioGroup* rgConnectorAttachment = nullptr;
    QLabel* imgPV = nullptr;

    // Result pages
    QLabel* lblPartsList = nullptr;
    QTableWidget* grdJumper = nullptr;
    QLabel* lblTotal = nullptr;
    QLineEdit* edTotal = nullptr;
    QTableWidget* grdJumperspecs = nullptr;
    QLabel* lblforeign1 = nullptr;
    QLabel* lblUpdate1 = nullptr;
    QPushButton* btnUpdate1 = nullptr;
    QLabel* Label11 = nullptr;
    QTableWidget* grdLengths = nullptr;
    TRadioGroup* rgStdLengths = nullptr;
    QTableWidget* grdFinal = nullptr;
    QLabel* lblforeign2 = nullptr;
    QLabel* lblUpdate2 = nullptr;
    QPushButton* btnUpdate2 = nullptr;
    QLabel* lblReminder = nullptr;
    // The currency menu's radio items in menu order.
    QList<QAction*> CurrencyItems;
    QTableWidget* grdOrder = nullptr;
    QLabel* lblOrderTotal = nullptr;
    QLineEdit* edtOrderTotal = nullptr;
};
