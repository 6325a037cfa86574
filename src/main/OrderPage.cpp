#include "TfrmMain.h"

#include "catalog/DataError.h"
#include "catalog/LineFormat.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
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

const QString OrderFilter = QStringLiteral("Ferrolyn Files (*.fyn)");
const QString OrderSuffix = QStringLiteral("fyn");
const QString NotNumeric = QStringLiteral("This field must contain a numeric value.");
const QString NoBar = QStringLiteral("This field cannot contain the character '|'.");
const QString DeleteHint =
    QStringLiteral("To delete items, highlight the rows you wish to delete\rby clicking the rowbar "
                   "on the left.\rTo delete multiple rows, hold down the Ctrl key while\rselecting "
                   "each row.");
const QString DeleteQuestion = QStringLiteral(
    "Are you sure you want to delete the selected items?\rThis action can not be undone!");
constexpr int OrderRowHeight = 29;

const Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

QWidget* TfrmMain::BuildOrderPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsOrder"));
    auto* layout = new QVBoxLayout(page);
    grdOrder = NewGrid(QStringLiteral("grdOrder"), page, 0,
                       {QStringLiteral("Qty."), QStringLiteral("UOM"),
                        QStringLiteral("Part Number"), QStringLiteral("Description"),
                        QStringLiteral("Price"), QStringLiteral("Extended")});
    SetHint(grdOrder, QStringLiteral("Parts List"));
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
    lblOrderTotal = new QLabel(QStringLiteral("Order Total:"), page);
    lblOrderTotal->setObjectName(QStringLiteral("lblOrderTotal"));
    lblOrderTotal->setStyleSheet(QStringLiteral("color: blue"));
    edtOrderTotal = new QLineEdit(page);
    edtOrderTotal->setObjectName(QStringLiteral("edtOrderTotal"));
    edtOrderTotal->setReadOnly(true);
    edtOrderTotal->setAlignment(Qt::AlignRight);
    edtOrderTotal->setMaximumWidth(140);
    totalRow->addWidget(lblOrderTotal);
    totalRow->addWidget(edtOrderTotal);
    layout->addLayout(totalRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [&](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, page);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* btnSave = button(QStringLiteral("btnSave"), QStringLiteral("&Save"));
    QPushButton* print = button(QStringLiteral("BitBtn1"), QStringLiteral("&Print"));
    QPushButton* btnAdd = button(QStringLiteral("btnAdd"), QStringLiteral("&Add"));
    QPushButton* del = button(QStringLiteral("btnDeleteSelected"), QStringLiteral("&Delete"));
    QPushButton* update = button(QStringLiteral("BitBtn2"), QStringLiteral("&Update"));
    QPushButton* exit = button(QStringLiteral("btnExitCM"), QStringLiteral("&Close"));
    SetHint(exit, QStringLiteral("Close"));
    connect(btnSave, &QPushButton::clicked, this, &TfrmMain::btnSaveClick);
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
    ShowPage(TPage::Order);
    AddResultRows(OrderLines, ResultRows);
    RefreshOrderGrid();
}

namespace {

// A grid cell made whole before it goes into the grid: every change to a cell that is in the
// grid is reported to the view, which made a refresh of a long order slow.
QTableWidgetItem* NewCell(const QString& text, Qt::Alignment alignment, bool editable = true)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment);
    if (!editable)
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

} // namespace

void TfrmMain::RefreshOrderGrid()
{
    FlattenLineBreaks(OrderLines);
    const TOrderTotals totals = OrderTotals(OrderLines);
    {
        const QSignalBlocker blocker(grdOrder);
        grdOrder->clearContents();
        grdOrder->clearSelection();
        const int rows = std::max(0, static_cast<int>(OrderLines.size()) - 1);
        grdOrder->setRowCount(rows);
        // The cells are announced to the view once, as one changed block, not one by one.
        QAbstractItemModel* model = grdOrder->model();
        {
            const QSignalBlocker quietModel(model);
            for (int row = 0; row < rows; ++row)
                FillOrderRow(row, OrderItem(OrderLines.at(row + 1)),
                             row < totals.Extended.size() ? FormatFixed2(totals.Extended.at(row))
                                                          : QString());
        }
        if (rows > 0)
            emit model->dataChanged(model->index(0, 0),
                                    model->index(rows - 1, model->columnCount() - 1));
    }
    ShowOrderTotal(totals);
}

void TfrmMain::FillOrderRow(int row, const TOrderItem& item, const QString& extended)
{
    grdOrder->setItem(row, ColQty, NewCell(ToUserNumber(item.Quantity), Qt::AlignCenter));
    grdOrder->setItem(row, ColUom, NewCell(item.Unit, Left));
    grdOrder->setItem(row, ColPartNumber, NewCell(item.PartNumber, Left, false));
    QTableWidgetItem* description = NewCell(item.Description, Left);
    description->setToolTip(item.Description);
    grdOrder->setItem(row, ColDescription, description);
    grdOrder->setItem(row, ColPrice, NewCell(ToUserNumber(item.Price), Right, false));
    grdOrder->setItem(row, ColExtended, NewCell(extended, Right, false));
}

void TfrmMain::RecalcOrderTotals()
{
    const TOrderTotals totals = OrderTotals(OrderLines);
    {
        const QSignalBlocker blocker(grdOrder);
        for (int row = 0; row < grdOrder->rowCount() && row < totals.Extended.size(); ++row)
            SetCell(grdOrder, row, ColExtended, FormatFixed2(totals.Extended.at(row)), Right)
                ->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    ShowOrderTotal(totals);
}

void TfrmMain::ShowOrderTotal(const TOrderTotals& totals)
{
    edtOrderTotal->setText(FormatFixed2(totals.Total));
    // An order that never received anything is not written, so the last order of an earlier
    // run survives until this run has an order of its own.
    if (!OrderLines.isEmpty())
        WriteLastOrder();
}

bool TfrmMain::grdOrderSpinIncrement(int row, double value)
{
    Q_UNUSED(row);
    return value >= 0;
}

void TfrmMain::grdOrderCellEdit(int row, int column)
{
    const int position = row + 1;
    if (position >= OrderLines.size())
        return;
    QTableWidgetItem* cell = grdOrder->item(row, column);
    if (cell == nullptr)
        return;
    TOrderItem item = OrderItem(OrderLines.at(position));
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
            Dialogs::Warning(this, NotNumeric);
            restore(ToUserNumber(item.Quantity));
            return;
        }
        item.Quantity = QuantityText(quantity);
        restore(ToUserNumber(item.Quantity));
        break;
    }
    case ColUom:
    case ColDescription:
        if (text.contains(FieldDelimiter)) {
            Dialogs::Beep();
            Dialogs::Warning(this, NoBar);
            restore(column == ColUom ? item.Unit : item.Description);
            return;
        }
        (column == ColUom ? item.Unit : item.Description) = text.trimmed();
        break;
    default:
        return;
    }
    OrderLines[position] = OrderLine(item);
    RecalcOrderTotals();
}

void TfrmMain::btnDeleteSelectedClick()
{
    QList<int> positions;
    for (const QModelIndex& index : grdOrder->selectionModel()->selectedRows())
        positions.append(index.row() + 1);
    Dialogs::Beep();
    if (positions.isEmpty()) {
        Dialogs::Information(this, DeleteHint);
        return;
    }
    if (Dialogs::Message(this, Dialogs::TIcon::Warning, DeleteQuestion,
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) !=
        QMessageBox::Yes)
        return;
    RemoveItems(OrderLines, positions);
    RefreshOrderGrid();
}

// --- Order files ---------------------------------------------------------------------------------

void TfrmMain::NoteUserDataFolder()
{
    if (UserDataFolderNoted || AppPaths::ProgramFolderWritable())
        return;
    UserDataFolderNoted = true;
    Dialogs::Information(this, QStringLiteral("Ferrolyn cannot write to its program folder, so it "
                                              "keeps the last order and the order files in:\r%1")
                                   .arg(QDir::toNativeSeparators(AppPaths::UserDataFolder())));
}

void TfrmMain::WriteLastOrder()
{
    NoteUserDataFolder();
    const QString path = AppPaths::LastOrderFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        ::WriteOrderFile(path, OrderLines);
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
        const TOrderFileContents contents = ::ReadOrderFile(path);
        OrderLines = contents.OrderLines;
        if (!contents.Problems.isEmpty())
            Dialogs::Warning(this, QStringLiteral("Some lines of \"%1\" are not order items and "
                                                  "were left out:\r")
                                           .arg(QFileInfo(path).fileName()) +
                                       contents.Problems.join(QLatin1Char('\r')));
        return true;
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        return false;
    }
}

bool TfrmMain::WriteOrderFile(const QString& path)
{
    try {
        ::WriteOrderFile(path, OrderLines);
        return true;
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        return false;
    }
}

namespace {

QString PreparedOrderFolder()
{
    const QString folder = AppPaths::OrderFolder();
    QDir().mkpath(folder);
    return folder;
}

} // namespace

void TfrmMain::btnSaveClick()
{
    NoteUserDataFolder();
    const QString path = FileDialogs::GetSaveFileName(
        this, QStringLiteral("Save Order"), PreparedOrderFolder(), OrderFilter, OrderSuffix);
    if (!path.isEmpty())
        WriteOrderFile(path);
}

void TfrmMain::Open1Click()
{
    NoteUserDataFolder();
    const QString path = FileDialogs::GetOpenFileName(
        this, QStringLiteral("Open Order"), PreparedOrderFolder(), OrderFilter, OrderSuffix);
    if (!path.isEmpty())
        ReadOrderFile(path);
    ShowPage(TPage::Order);
    RefreshOrderGrid();
}

void TfrmMain::ViewLastOrder1Click()
{
    const QString path = AppPaths::LastOrderFile();
    if (!QFileInfo(path).isFile()) {
        Dialogs::Error(this, QStringLiteral("No Order To View"));
        return;
    }
    if (!ReadOrderFile(path))
        return;
    ShowPage(TPage::Order);
    RefreshOrderGrid();
}
