#include "TfrmMain.h"

#include "base/LineFormat.h"
#include "catalog/Performance.h"
#include "platform/AppPaths.h"
#include "platform/RadioGroup.h"
#include "pricing/Prices.h"
#include "pricing/PricingDate.h"
#include "quote/Quote.h"
#include "UiHelpers.h"
#include "update/UpdateIni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr TTrKey UpdateButtonCaption = TrKey("TfrmMain", "Click here to &update your software");
constexpr int DesignedRowHeight = 29;

const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment Centre = Qt::AlignCenter;

const QList<TTrKey> PartsListHeadings = {TrKey("TfrmMain", "Qty"),
                                         TrKey("TfrmMain", "UOM"),
                                         TrKey("TfrmMain", "Part Number"),
                                         TrKey("TfrmMain", "Description"),
                                         TrKey("TfrmMain", "Price"),
                                         TrKey("TfrmMain", "Extended"),
                                         TTrKey{}};

// The first column of the figure grids, set again each time their page shows (in the language
// of that moment).
const QList<TTrKey> PartsListFigures = {
    TrKey("TfrmMain", "Attenuation (dB/100 ft):"), TrKey("TfrmMain", "Attenuation (dB/100m):"),
    TrKey("TfrmMain", "Total Attenuation (dB):"),  TrKey("TfrmMain", "Insertion Loss (dB):"),
    TrKey("TfrmMain", "Efficiency (%):"),          TrKey("TfrmMain", "Max Power (kW):"),
    TrKey("TfrmMain", "Average Power (kW):")};
const QList<TTrKey> FinalRows = {TrKey("TfrmMain", "Part Number:"),
                                 TrKey("TfrmMain", "Description:"),
                                 TrKey("TfrmMain", "Price:"),
                                 TrKey("TfrmMain", "Attenuation (dB/100 ft):"),
                                 TrKey("TfrmMain", "Attenuation (dB/100 m):"),
                                 TrKey("TfrmMain", "Total Attenuation (dB):"),
                                 TrKey("TfrmMain", "Insertion Loss (dB):"),
                                 TrKey("TfrmMain", "Efficiency (%):"),
                                 TrKey("TfrmMain", "Max Power (kW):"),
                                 TrKey("TfrmMain", "Average Power (kW):")};

void ShowRowCaptions(QTableWidget* grid, const QList<TTrKey>& captions, Qt::Alignment alignment)
{
    for (int row = 0; row < captions.size(); ++row)
        SetCell(grid, row, 0, captions.at(row).Text(), alignment);
}

// The text as a page shows it: the data's carriage returns as line breaks.
QString Displayed(const QString& text)
{
    return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QPushButton* NewUpdateButton(const QString& name, QWidget* parent)
{
    auto* button = Bound(new QPushButton(parent), "text", UpdateButtonCaption);
    button->setObjectName(name);
    return button;
}

QLabel* NewNotice(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// The foreign-currency notice keeps its room while hidden, so that a currency change does not
// move (and redraw) what is below it.
QLabel* NewCurrencyNotice(const QString& name, QWidget* parent)
{
    QLabel* label = NewNotice(name, parent);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

} // namespace

// --- Pages --------------------------------------------------------------------------------------

QWidget* TfrmMain::BuildPartsListPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsNoPN"));
    auto* layout = new QVBoxLayout(page);
    lblPartsList = NewNotice(QStringLiteral("lblPartsList"), page);
    layout->addWidget(lblPartsList);
    grdJumper = NewGrid(QStringLiteral("grdJumper"), page, 1, PartsListHeadings);
    grdJumper->setColumnHidden(6, true);
    grdJumper->setSelectionMode(QAbstractItemView::NoSelection);
    grdJumper->setFocusPolicy(Qt::NoFocus);
    grdJumper->horizontalHeader()->setStretchLastSection(false);
    grdJumper->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    grdJumper->verticalHeader()->setDefaultSectionSize(DesignedRowHeight);
    grdJumper->setColumnWidth(0, 50);
    grdJumper->setColumnWidth(1, 60);
    grdJumper->setColumnWidth(2, 130);
    grdJumper->setColumnWidth(4, 100);
    grdJumper->setColumnWidth(5, 90);
    FitHeadingWidths(grdJumper);
    grdJumper->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BindHint(grdJumper, TrKey("TfrmMain", "Parts List"));
    layout->addWidget(grdJumper);

    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    lblTotal = Bound(new QLabel(page), "text", TrKey("TfrmMain", "Total ($US):"));
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    edTotal = new QLineEdit(page);
    edTotal->setObjectName(QStringLiteral("edTotal"));
    edTotal->setReadOnly(true);
    edTotal->setAlignment(Qt::AlignRight);
    edTotal->setMaximumWidth(140);
    BindHint(edTotal, TrKey("TfrmMain", "Price"));
    totalRow->addWidget(lblTotal);
    totalRow->addWidget(edTotal);
    layout->addLayout(totalRow);
    layout->addWidget(NewUnpricedNote(page));

    grdJumperspecs = NewGrid(QStringLiteral("grdJumperspecs"), page, 7, {}, 2);
    ShowRowCaptions(grdJumperspecs, PartsListFigures, Left);
    grdJumperspecs->setColumnWidth(0, 200);
    grdJumperspecs->setSelectionMode(QAbstractItemView::NoSelection);
    grdJumperspecs->setFocusPolicy(Qt::NoFocus);
    grdJumperspecs->verticalHeader()->setDefaultSectionSize(22);
    grdJumperspecs->setFixedHeight(7 * 22 + 2 * grdJumperspecs->frameWidth());
    grdJumperspecs->setMaximumWidth(360);
    grdJumperspecs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdJumperspecs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(grdJumperspecs);
    layout->addStretch(1);

    lblforeign1 = NewCurrencyNotice(QStringLiteral("lblforeign1"), page);
    lblforeign1->hide();
    layout->addWidget(lblforeign1);
    auto* updateRow = new QHBoxLayout;
    lblUpdate1 = NewNotice(QStringLiteral("lblUpdate1"), page);
    btnUpdate1 = NewUpdateButton(QStringLiteral("btnUpdate1"), page);
    connect(btnUpdate1, &QPushButton::clicked, this, &TfrmMain::QuickUpdate1Click);
    updateRow->addWidget(lblUpdate1, 1);
    updateRow->addWidget(btnUpdate1);
    layout->addLayout(updateRow);
    Label11 = NewNotice(QStringLiteral("Label11"), page);
    BindText(Label11, "text",
             TrKey("TfrmMain", "To get the most of your Vantrel software, make sure to update "
                               "regularly to get the latest pricing and product information."));
    layout->addWidget(Label11);
    return page;
}

QWidget* TfrmMain::BuildLengthsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsNoLength"));
    auto* layout = new QVBoxLayout(page);
    auto* text = NewNotice(QStringLiteral("lblNoLength"), page);
    BindText(text, "text",
             TrKey("TfrmMain",
                   "The length you have selected is not a standard length for this jumper "
                   "assembly, but there are some standard lengths available that are close to "
                   "your selection.\n\n"
                   "Your jumper assembly can still be made with the length you originally "
                   "selected, but ordering standard lengths may speed up production time, "
                   "allowing you to receive your order faster.\n\n"
                   "Below is a list of standard lengths for the jumper assembly that you have "
                   "selected that are close to the length you picked.\n\n"
                   "You can either select one of these standard lengths, or you can keep your "
                   "current selection."));
    layout->addWidget(text);
    grdLengths = NewGrid(QStringLiteral("grdLengths"), page, 3,
                         {TrKey("TfrmMain", "Description"), TrKey("TfrmMain", "Part Number"),
                          TrKey("TfrmMain", "Length (Feet)"), TrKey("TfrmMain", "Length (Meters)"),
                          TrKey("TfrmMain", "Difference In Length")});
    grdLengths->verticalHeader()->setDefaultSectionSize(DesignedRowHeight);
    grdLengths->setSelectionMode(QAbstractItemView::NoSelection);
    grdLengths->setFocusPolicy(Qt::NoFocus);
    grdLengths->setColumnWidth(0, 130);
    grdLengths->setColumnWidth(1, 170);
    grdLengths->setColumnWidth(2, 110);
    grdLengths->setColumnWidth(3, 120);
    FitHeadingWidths(grdLengths);
    grdLengths->setFixedHeight(grdLengths->horizontalHeader()->sizeHint().height() +
                               3 * DesignedRowHeight + 2 * grdLengths->frameWidth());
    grdLengths->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BindHint(grdLengths, TrKey("TfrmMain", "Standard Lengths"));
    layout->addWidget(grdLengths);
    rgStdLengths = new TRadioGroup(QStringLiteral("rgStdLengths"), TTrKey{},
                                   {TrKey("TfrmMain", "Keep Your Current Selection"),
                                    TrKey("TfrmMain", "Select This Jumper"),
                                    TrKey("TfrmMain", "Select This Jumper")},
                                   page);
    BindHint(rgStdLengths, TrKey("TfrmMain", "Select A Jumper"));
    layout->addWidget(rgStdLengths);
    layout->addStretch(1);
    return page;
}

QWidget* TfrmMain::BuildFinalPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsFinal"));
    auto* layout = new QVBoxLayout(page);
    grdFinal = NewGrid(QStringLiteral("grdFinal"), page, 10, {}, 2);
    BindHint(grdFinal, TrKey("TfrmMain", "Final Selection Data"));
    ShowRowCaptions(grdFinal, FinalRows, Right);
    int height = 2 * grdFinal->frameWidth();
    for (int row = 0; row < FinalRows.size(); ++row) {
        grdFinal->setRowHeight(row, row == 1 ? 100 : 25);
        height += grdFinal->rowHeight(row);
    }
    grdFinal->setColumnWidth(0, 180);
    grdFinal->setSelectionMode(QAbstractItemView::NoSelection);
    grdFinal->setFocusPolicy(Qt::NoFocus);
    grdFinal->setWordWrap(true);
    grdFinal->setFixedHeight(height);
    grdFinal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(grdFinal);
    layout->addWidget(NewUnpricedNote(page));
    layout->addStretch(1);
    lblforeign2 = NewCurrencyNotice(QStringLiteral("lblforeign2"), page);
    lblforeign2->hide();
    layout->addWidget(lblforeign2);
    auto* updateRow = new QHBoxLayout;
    lblUpdate2 = NewNotice(QStringLiteral("lblUpdate2"), page);
    btnUpdate2 = NewUpdateButton(QStringLiteral("btnUpdate2"), page);
    connect(btnUpdate2, &QPushButton::clicked, this, &TfrmMain::QuickUpdate1Click);
    updateRow->addWidget(lblUpdate2, 1);
    updateRow->addWidget(btnUpdate2);
    layout->addLayout(updateRow);
    lblReminder = NewNotice(QStringLiteral("lblReminder"), page);
    BindText(lblReminder, "text",
             TrKey("TfrmMain", "To get the most of your Vantrel software, you should "
                               "update regularly to get the latest pricing and product "
                               "information."));
    layout->addWidget(lblReminder);
    return page;
}

// --- Shared pieces ------------------------------------------------------------------------------

void TfrmMain::ShowPricingDate(QLabel* label)
{
    const QDate today = QDate::currentDate();
    const QDate last = LastPriceUpdate(AppPaths::UpdateIniFile(), today);
    LastUpdateDay = last;
    label->setText(PricingDateCaption(ShortDateText(last)));
    label->setStyleSheet(PricingDateStale(last, today) ? QStringLiteral("color: red")
                                                       : QStringLiteral("color: blue"));
}

// --- Custom parts list --------------------------------------------------------------------------

void TfrmMain::ShowPartsList()
{
    ShowPage(TPage::NoPN);
    ShowRowCaptions(grdJumperspecs, PartsListFigures, Left);
    // Priced in the currency chosen now.
    PriceQuote(Quote, QuoteRequest, RatesAvailable, CurrentCurrencyTag());
    const TPartsList& list = Quote.PartsList;

    lblPartsList->setText(Displayed(PartsListIntro(QuoteRequest.Feeder)));
    grdJumper->setRowCount(static_cast<int>(list.Rows.size()));
    for (int row = 0; row < list.Rows.size(); ++row) {
        const TPartsRow& item = list.Rows.at(row);
        SetCell(grdJumper, row, 0, item.Qty, Centre);
        SetCell(grdJumper, row, 1, item.Uom, Left);
        SetCell(grdJumper, row, 2, item.PartNumber, Left);
        SetCell(grdJumper, row, 3, item.Description, Left);
        SetCell(grdJumper, row, 6, item.Kind, Left);
    }
    ShowPartsListPrices();
    // The heading and every row show without scrolling.
    grdJumper->setFixedHeight(grdJumper->horizontalHeader()->sizeHint().height() +
                              grdJumper->rowCount() * DesignedRowHeight +
                              2 * grdJumper->frameWidth());
    ShowUnpricedNote(grdJumper->parentWidget(), Quote.Unpriced);

    const QStringList figures = PerformanceTexts(Quote.Figures);
    for (int row = 0; row < figures.size(); ++row)
        SetCell(grdJumperspecs, row, 1, figures.at(row));
    emit WindowEvents->FiguresShown(TPage::NoPN);
}

void TfrmMain::ShowPartsListPrices()
{
    PriceQuote(Quote, QuoteRequest, RatesAvailable, CurrentCurrencyTag());
    const TPartsList& list = Quote.PartsList;
    // The price heading names the currency: the other headings are set again with it.
    BindHeadings(grdJumper, PartsListHeadings);
    grdJumper->horizontalHeaderItem(4)->setText(tr("Price %1").arg(list.Label));
    for (int row = 0; row < list.Rows.size() && row < grdJumper->rowCount(); ++row) {
        const TPartsRow& item = list.Rows.at(row);
        SetCell(grdJumper, row, 4, PriceText(item.Price), Right);
        SetCell(grdJumper, row, 5, PriceText(item.Extended), Right);
    }
    BindText(lblTotal, "text", TTrText{TrKey("TfrmMain", "Total %1:"), {list.Label}});
    edTotal->setText(Quote.TotalText());
    ResultRows = Quote.OrderRows;
}

// --- Final summary ------------------------------------------------------------------------------

void TfrmMain::ShowFinalSummary()
{
    ShowPage(TPage::Final);
    ShowRowCaptions(grdFinal, FinalRows, Right);
    SetCell(grdFinal, 0, 1, Quote.Assembly.PartNumber);
    ShowAssemblyPrice();
    QTableWidgetItem* cell = SetCell(grdFinal, 1, 1, Displayed(Quote.Description));
    cell->setData(Qt::UserRole, Quote.Description);
    const QStringList figures = PerformanceTexts(Quote.Figures);
    for (int row = 0; row < figures.size(); ++row)
        SetCell(grdFinal, row + 3, 1, figures.at(row));
    ShowUnpricedNote(grdFinal->parentWidget(), Quote.Unpriced);
    RebuildFinalResultRow();
    emit WindowEvents->FiguresShown(TPage::Final);
}

void TfrmMain::ShowAssemblyPrice()
{
    PriceQuote(Quote, QuoteRequest, RatesAvailable, CurrentCurrencyTag());
    SetCell(grdFinal, 2, 0, Quote.Price.Label, Right);
    SetCell(grdFinal, 2, 1, Quote.Price.Value);
}

void TfrmMain::ShowTextsAgain()
{
    if (CurrentPage() == TPage::NoPN)
        ShowPartsList();
    else if (CurrentPage() == TPage::Final)
        ShowFinalSummary();
    ShowOrderCurrency();
}

void TfrmMain::RebuildFinalResultRow()
{
    ResultRows = Quote.OrderRows;
}

QList<TOrderLine> TfrmMain::ResultRowsInCurrency(int tag)
{
    if (tag == CurrentCurrencyTag() ||
        (CurrentPage() != TPage::NoPN && CurrentPage() != TPage::Final))
        return ResultRows;
    TQuoteResult priced = Quote;
    PriceQuote(priced, QuoteRequest, RatesAvailable, tag);
    return priced.OrderRows;
}

void TfrmMain::AddResultPanel(TPage page, QWidget* panel)
{
    QWidget* host = page == TPage::NoPN ? tsNoPN : tsFinal;
    QWidget* figures = page == TPage::NoPN ? grdJumperspecs : grdFinal;
    auto* layout = qobject_cast<QBoxLayout*>(host->layout());
    if (layout == nullptr)
        return;
    // The panels share an area below the figures that takes nearly all the room the page has to
    // spare and scrolls itself, so that the part number, figures and price stay in view in a
    // small window.
    auto* area =
        host->findChild<QScrollArea*>(QStringLiteral("ResultPanels"), Qt::FindDirectChildrenOnly);
    if (area == nullptr) {
        area = new QScrollArea(host);
        area->setObjectName(QStringLiteral("ResultPanels"));
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        // The page's height leaves the panels out: they take what the figures leave, at least
        // enough to show that there is more.
        area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
        area->setMinimumHeight(150);
        auto* content = new QWidget(area);
        auto* column = new QVBoxLayout(content);
        column->setContentsMargins(0, 0, 0, 0);
        area->setWidget(content);
        layout->insertWidget(layout->indexOf(figures) + 1, area, 20);
    }
    // The panel added last stands first, right below the figures.
    panel->setParent(area->widget());
    static_cast<QVBoxLayout*>(area->widget()->layout())->insertWidget(0, panel);
}
