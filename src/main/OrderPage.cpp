#include "TfrmMain.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "pricing/Currencies.h"
#include "QuantityEditor.h"
#include "UiHelpers.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum {
    ColQty = 0,
    ColUom = 1,
    ColPartNumber = 2,
    ColDescription = 3,
    ColPrice = 4,
    ColExtended = 5
};

constexpr TTrKey OrderFilter = TrKey("TfrmMain", "Ferrolyn Files (*.fyn)");
const QString OrderSuffix = QStringLiteral("fyn");
constexpr TTrKey NotNumeric = TrKey("TfrmMain", "This field must contain a numeric value.");
constexpr TTrKey NoBar = TrKey("TfrmMain", "This field cannot contain the character '|'.");
constexpr TTrKey DeleteHint =
    TrKey("TfrmMain", "To delete items, highlight the rows you wish to delete\rby clicking the "
                      "rowbar on the left.\rTo delete multiple rows, hold down the Ctrl key "
                      "while\rselecting each row.");
constexpr TTrKey DeleteQuestion =
    TrKey("TfrmMain", "Are you sure you want to delete the selected items?\rThis action can not be "
                      "undone!");
constexpr int OrderRowHeight = 29;

const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
const Qt::ItemFlags ReadOnly = Qt::ItemIsEnabled | Qt::ItemIsSelectable;

// How the cells of each column of the order grid look; a cell keeps the look it is made with.
struct TOrderColumn {
    Qt::Alignment Alignment;
    bool Editable;
};
const TOrderColumn OrderColumns[] = {
    {Qt::AlignCenter, true}, // ColQty
    {Left, true},            // ColUom
    {Left, false},           // ColPartNumber
    {Left, true},            // ColDescription
    {Right, false},          // ColPrice
    {Right, false},          // ColExtended
};

// Shows text in a cell of the order grid. A missing cell is made whole, with its column's look,
// before it goes into the grid (every change to a cell in the grid is reported to the view); a
// cell that already shows the text is left as it is, so that refreshing a long order costs little
// where the order did not change.
QTableWidgetItem* ShowOrderCell(QTableWidget* grid, int row, int column, QStringView text)
{
    QTableWidgetItem* cell = grid->item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem(text.toString());
        cell->setTextAlignment(OrderColumns[column].Alignment);
        if (!OrderColumns[column].Editable)
            cell->setFlags(ReadOnly);
        grid->setItem(row, column, cell);
    } else if (cell->text() != text) {
        cell->setText(text.toString());
    }
    return cell;
}

} // namespace

QWidget* TfrmMain::BuildOrderPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsOrder"));
    auto* layout = new QVBoxLayout(page);
    grdOrder = NewGrid(QStringLiteral("grdOrder"), page, 0,
                       {TrKey("TfrmMain", "Qty."), TrKey("TfrmMain", "UOM"),
                        TrKey("TfrmMain", "Part Number"), TrKey("TfrmMain", "Description"),
                        TrKey("TfrmMain", "Price"), TrKey("TfrmMain", "Extended")});
    BindHint(grdOrder, TrKey("TfrmMain", "Parts List"));
    // The row bar at the left selects whole rows; Ctrl adds rows to the selection.
    grdOrder->verticalHeader()->setVisible(true);
    grdOrder->verticalHeader()->setDefaultSectionSize(OrderRowHeight);
    grdOrder->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdOrder->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdOrder->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdOrder->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    grdOrder->horizontalHeader()->setStretchLastSection(false);
    grdOrder->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView { color: blue; }"));
    const int widths[] = {70, 60, 130, 260, 90, 100};
    for (int column = 0; column < 6; ++column)
        grdOrder->setColumnWidth(column, widths[column]);
    grdOrder->horizontalHeader()->setSectionResizeMode(ColDescription, QHeaderView::Stretch);
    grdOrder->setItemDelegateForColumn(
        ColQty,
        new TQuantityDelegate(
            [this](int row, double value) { return grdOrderSpinIncrement(row, value); }, grdOrder));
    connect(grdOrder, &QTableWidget::cellChanged, this, &TfrmMain::grdOrderCellEdit);
    layout->addWidget(grdOrder, 1);

    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    lblOrderTotal = Bound(new QLabel(page), "text", TrKey("TfrmMain", "Order Total:"));
    lblOrderTotal->setObjectName(QStringLiteral("lblOrderTotal"));
    lblOrderTotal->setStyleSheet(QStringLiteral("color: blue"));
    edtOrderTotal = new QLineEdit(page);
    edtOrderTotal->setObjectName(QStringLiteral("edtOrderTotal"));
    edtOrderTotal->setReadOnly(true);
    edtOrderTotal->setAlignment(Qt::AlignRight);
    edtOrderTotal->setMaximumWidth(140);
    totalRow->addWidget(lblOrderTotal);
    totalRow->addWidget(edtOrderTotal);
    auto* currency = new QLabel(page);
    currency->setObjectName(QStringLiteral("lblOrderCurrency"));
    totalRow->addWidget(currency);
    layout->addLayout(totalRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [&](const QString& name, TTrKey caption) {
        auto* b = Bound(new QPushButton(page), "text", caption);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    button(QStringLiteral("btnSave"), TrKey("TfrmMain", "&Save"));
    QPushButton* print = button(QStringLiteral("BitBtn1"), TrKey("TfrmMain", "&Print"));
    QPushButton* btnAdd = button(QStringLiteral("btnAdd"), TrKey("TfrmMain", "&Add"));
    QPushButton* del = button(QStringLiteral("btnDeleteSelected"), TrKey("TfrmMain", "&Delete"));
    QPushButton* update = button(QStringLiteral("BitBtn2"), TrKey("TfrmMain", "&Update"));
    QPushButton* exit = button(QStringLiteral("btnExitCM"), TrKey("TfrmMain", "&Close"));
    BindHint(exit, TrKey("TfrmMain", "Close"));
    connect(print, &QPushButton::clicked, this, &TfrmMain::Print1Click);
    connect(update, &QPushButton::clicked, this, &TfrmMain::QuickUpdate1Click);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMain::btnRestartClick);
    connect(del, &QPushButton::clicked, this, &TfrmMain::btnDeleteSelectedClick);
    connect(exit, &QPushButton::clicked, this, &TfrmMain::btnCloseClick);
    layout->addLayout(buttons);
    return page;
}

// --- The order list ------------------------------------------------------------------------------

void TfrmMain::AddResultToOrder()
{
    // A part without a list price is priced at 0: the user says whether to add it so.
    if (!Quote.Unpriced.isEmpty() &&
        Dialogs::Message(this, Dialogs::TIcon::Confirmation,
                         UnpricedNote(Quote.Unpriced) + QStringLiteral("\n\n") +
                             AddUnpricedQuestion,
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // An order is in the currency of its first item; later results join it at their prices in
    // that currency, whatever currency is chosen now.
    const int chosen = CurrentCurrencyTag();
    const int orderCurrency = OrderCurrency(Order.Info, Order.OrderLines, chosen);
    const QList<TOrderLine> rows = ResultRowsInCurrency(orderCurrency);
    if (!AddResultRows(Order.OrderLines, rows)) {
        Dialogs::Beep();
        Dialogs::Warning(this, tr("This item cannot be added to the order: its unit "
                                  "price or quantity would be above %1.")
                                   .arg(FloatToStr(MaxUnitPrice)));
        return;
    }
    Order.Info.CurrencyTag = orderCurrency;
    Order.Started = true;
    ShowPage(TPage::Order);
    RefreshOrderGrid();
    if (Order.Info.CurrencyTag != chosen)
        ShowStatusHint(tr("The order is in %1: the item was added at its prices in %1.")
                           .arg(CurrencyCaption(Order.Info.CurrencyTag)));
}

void TfrmMain::RefreshOrderGrid()
{
    FlattenLineBreaks(Order.OrderLines);
    const TOrderTotals totals = OrderTotals(Order.OrderLines);
    {
        const QSignalBlocker blocker(grdOrder);
        // As when the grid was built anew: nothing stays selected, no cell is current and no
        // editor stays open. The cells themselves are kept and change only where the order did.
        grdOrder->clearSelection();
        grdOrder->reset();
        const QList<QStringList> rows = OrderRowsShown(Order.OrderLines, totals);
        grdOrder->setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < rows.size(); ++row)
            FillOrderRow(row, rows.at(row));
    }
    ShowOrderTotal(totals);
    // Laid out now rather than at the next turn of the event loop, so that a page that is just
    // being shown is painted once, not once before the layout and again after it.
    grdOrder->doItemsLayout();
}

void TfrmMain::FillOrderRow(int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        QTableWidgetItem* cell = ShowOrderCell(grdOrder, row, column, cells.at(column));
        if (column == ColDescription && cell->toolTip() != cells.at(column))
            cell->setToolTip(cells.at(column));
    }
}

void TfrmMain::RecalcOrderTotals()
{
    const TOrderTotals totals = OrderTotals(Order.OrderLines);
    {
        const QSignalBlocker blocker(grdOrder);
        for (int row = 0; row < grdOrder->rowCount() && row < totals.Extended.size(); ++row)
            ShowOrderCell(grdOrder, row, ColExtended, FormatFixed2(totals.Extended.at(row)));
    }
    ShowOrderTotal(totals);
}

void TfrmMain::ShowOrderCurrency()
{
    if (auto* currency = tsOrder->findChild<QLabel*>(QStringLiteral("lblOrderCurrency"))) {
        if (Order.Info.CurrencyTag > 0)
            BindText(currency, "text",
                     TTrText{TrKey("TfrmMain", "Prices in %1"),
                             {CurrencyCaption(Order.Info.CurrencyTag)}});
        else
            currency->clear();
    }
}

void TfrmMain::ShowOrderTotal(const TOrderTotals& totals)
{
    edtOrderTotal->setText(FormatFixed2(totals.Total));
    ShowOrderCurrency();
    // An order that never received anything is not written, so the last order of an earlier
    // run survives until this run has an order of its own.
    if (Order.Started)
        WriteLastOrder();
    emit WindowEvents->OrderShown();
}

bool TfrmMain::grdOrderSpinIncrement(int row, double value)
{
    Q_UNUSED(row);
    return value >= 0 && value <= MaxOrderQuantity;
}

void TfrmMain::grdOrderCellEdit(int row, int column)
{
    if (row < 0 || row >= Order.OrderLines.size())
        return;
    QTableWidgetItem* cell = grdOrder->item(row, column);
    if (cell == nullptr)
        return;
    TOrderLine item = Order.OrderLines.at(row);
    const QString text = cell->text();
    auto restore = [&](const QString& old) {
        const QSignalBlocker blocker(grdOrder);
        cell->setText(old);
    };
    switch (column) {
    case ColQty: {
        double quantity = 0;
        if (!TryUserStrToFloat(text, quantity) || quantity < 0) {
            Dialogs::Beep();
            Dialogs::Warning(this, NotNumeric.Text());
            restore(ToUserNumber(item.Quantity.Text));
            return;
        }
        if (quantity > MaxOrderQuantity) {
            Dialogs::Beep();
            Dialogs::Warning(
                this, tr("The quantity must be at most %1.").arg(FloatToStr(MaxOrderQuantity)));
            restore(ToUserNumber(item.Quantity.Text));
            return;
        }
        item.Quantity = TOrderNumber::Quantity(quantity);
        restore(ToUserNumber(item.Quantity.Text));
        break;
    }
    case ColUom:
    case ColDescription:
        if (text.contains(FieldDelimiter)) {
            Dialogs::Beep();
            Dialogs::Warning(this, NoBar.Text());
            restore(column == ColUom ? item.Unit : item.Description);
            return;
        }
        (column == ColUom ? item.Unit : item.Description) = text.trimmed();
        // The grid shows what the order holds, as the outputs write it.
        restore(text.trimmed());
        break;
    default:
        return;
    }
    Order.OrderLines[row] = item;
    RecalcOrderTotals();
}

void TfrmMain::btnDeleteSelectedClick()
{
    QList<int> positions;
    for (const QModelIndex& index : grdOrder->selectionModel()->selectedRows())
        positions.append(index.row());
    Dialogs::Beep();
    if (positions.isEmpty()) {
        Dialogs::Information(this, DeleteHint.Text());
        return;
    }
    if (Dialogs::Message(this, Dialogs::TIcon::Warning, DeleteQuestion.Text(),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                         QMessageBox::No) != QMessageBox::Yes)
        return;
    RemoveItems(Order.OrderLines, positions);
    // An order without items has no currency: it takes the one of its next first item.
    if (Order.OrderLines.isEmpty())
        Order.Info = TOrderInfo();
    RefreshOrderGrid();
}

// --- Order files ---------------------------------------------------------------------------------

void TfrmMain::NoteUserDataFolder()
{
    if (UserDataFolderNoted)
        return;
    UserDataFolderNoted = true;
    if (!AppPaths::UserDataFolderNoteDue())
        return;
    const auto tell = [this] {
        Dialogs::Information(this, tr("Ferrolyn cannot write to its program folder, so it "
                                      "keeps the last order and the order files in:\r%1")
                                       .arg(QDir::toNativeSeparators(AppPaths::UserDataFolder())));
    };
    // After the window is up: an order opened from the command line is read before it shows.
    if (isVisible())
        tell();
    else
        QTimer::singleShot(0, this, tell);
}

void TfrmMain::WriteLastOrder()
{
    NoteUserDataFolder();
    const QString path = AppPaths::LastOrderFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        // Another running copy writes its last order here too: one at a time.
        WithFileLock(path, tr("order file"),
                     [&] { ::WriteOrderFile(path, Order.OrderLines, Order.Info); });
        LastOrderWriteFailed = false;
    } catch (const TDataError& error) {
        // Reported once until a write succeeds again, not at every change.
        if (!LastOrderWriteFailed)
            Dialogs::Error(this, error.FullText());
        LastOrderWriteFailed = true;
    }
}

bool TfrmMain::ReadOrderFile(const QString& path)
{
    try {
        TakeOrder(::ReadOrderFile(path), path);
        return true;
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        return false;
    }
}

void TfrmMain::TakeOrder(const TOrderFileContents& contents, const QString& path)
{
    Order.OrderLines = contents.OrderLines;
    Order.Info = TOrderInfo();
    Order.Info.Details = contents.Details;
    Order.Info.Extras = contents.Extras;
    Order.Info.Quote = contents.Quote;
    Order.Started = true;
    if (!Order.OrderLines.isEmpty())
        Order.Info.CurrencyTag = OrderFileCurrency(contents.CurrencyCode);
    emit WindowEvents->OrderLoaded(path);
}

void TfrmMain::ShowOrder(const TOrderFileContents& contents)
{
    TakeOrder(contents, QString());
    ShowPage(TPage::Order);
    RefreshOrderGrid();
}

int TfrmMain::OrderFileCurrency(const QString& code)
{
    // A file in a currency that is unknown or not offered here (or of an older build, without
    // one) is taken to be in the currency chosen now.
    // Without a rate file every order is in US dollars.
    const int tag = CurrencyTagOfCode(code);
    if (tag == UsDollarTag || (tag > 0 && RatesAvailable))
        for (const QAction* item : std::as_const(CurrencyItems))
            if (item->data().toInt() == tag && item->isEnabled())
                return tag;
    const int chosen = CurrentCurrencyTag();
    if (!code.isEmpty())
        ShowStatusHint(tr("The order's currency \"%1\" is not offered here: its prices "
                          "are taken to be in %2.")
                           .arg(code, CurrencyCaption(chosen)));
    return chosen;
}

bool TfrmMain::WriteOrderFile(const QString& path)
{
    NoteUserDataFolder();
    try {
        ::WriteOrderFile(path, Order.OrderLines, Order.Info);
        return true;
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        return false;
    }
}

void TfrmMain::Open1Click()
{
    NoteUserDataFolder();
    const QString path = FileDialogs::GetOpenFileName(this, tr("Open Order"), TDialogFolder::Orders,
                                                      OrderFilter.Text(), OrderSuffix);
    if (!path.isEmpty())
        ReadOrderFile(path);
    ShowPage(TPage::Order);
    RefreshOrderGrid();
}

void TfrmMain::ViewLastOrder1Click()
{
    const QString path = AppPaths::LastOrderFile();
    if (!QFileInfo(path).isFile()) {
        Dialogs::Error(this, tr("No Order To View"));
        return;
    }
    // After a failed write the file holds an older order than the one on screen.
    if (LastOrderWriteFailed && !Order.OrderLines.isEmpty() &&
        Dialogs::Message(this, Dialogs::TIcon::Confirmation,
                         tr("The order on screen could not be written to the last-order "
                            "file, which still holds an older order.\rReplace the "
                            "order on screen with that older order?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!ReadOrderFile(path))
        return;
    ShowPage(TPage::Order);
    RefreshOrderGrid();
}

void TfrmMain::ShowNewOrder(const QList<TOrderLine>& lines, int currencyTag)
{
    Order.OrderLines = lines;
    Order.Info.CurrencyTag = currencyTag;
    Order.Started = true;
    ShowPage(TPage::Order);
    RefreshOrderGrid();
}

void TfrmMain::ShowStatus(const QString& text)
{
    StatusPanel->setText(text);
}

void TfrmMain::SetOrderDetails(const TOrderDetails& details)
{
    Order.Info.Details = details;
    // Kept with the order in the last-order file.
    if (Order.Started)
        RefreshOrderGrid();
}

void TfrmMain::SetOrderQuote(const QString& reference)
{
    Order.Info.Quote = reference;
    if (Order.Started)
        RefreshOrderGrid();
}

namespace {

// The layout holding a widget, searched from a top layout down.
QBoxLayout* LayoutHolding(QLayout* layout, QWidget* widget)
{
    if (layout == nullptr)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout* found = LayoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

} // namespace

void TfrmMain::AddOrderButtons(const QString& after, const QList<QWidget*>& buttons)
{
    auto* before = tsOrder->findChild<QPushButton*>(after);
    QBoxLayout* row = LayoutHolding(tsOrder->layout(), before);
    if (row == nullptr)
        return;
    int at = row->indexOf(before) + 1;
    for (QWidget* button : buttons) {
        button->setParent(tsOrder);
        // In the tab order where it stands: after the button before it.
        QWidget::setTabOrder(row->itemAt(at - 1)->widget(), button);
        row->insertWidget(at++, button);
    }
}
