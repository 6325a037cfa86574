#include "AsBuiltPanel.h"

#include "base/LineFormat.h"
#include "platform/Translation.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowHeight = 24;

} // namespace

TAsBuiltPanel::TAsBuiltPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AsBuiltPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* titleRow = new QHBoxLayout;
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("lblAsBuilt"));
    BindText(title, "text",
             TrKey("TAsBuiltPanel", "Assembly as built, with the connectors fitted"));
    titleRow->addWidget(title, 1);
    btnDatasheet = new QPushButton(this);
    btnDatasheet->setObjectName(QStringLiteral("btnDatasheet"));
    BindText(btnDatasheet, "text", TrKey("TAsBuiltPanel", "Datas&heet PDF..."));
    titleRow->addWidget(btnDatasheet);
    layout->addLayout(titleRow);

    const QList<TAsBuiltRow> rows = AsBuiltRows(AssemblyAsBuilt({}));
    grdAsBuilt = new QTableWidget(static_cast<int>(rows.size()), 4, this);
    grdAsBuilt->setObjectName(QStringLiteral("grdAsBuilt"));
    grdAsBuilt->verticalHeader()->setVisible(false);
    grdAsBuilt->verticalHeader()->setDefaultSectionSize(RowHeight);
    grdAsBuilt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAsBuilt->setSelectionMode(QAbstractItemView::NoSelection);
    grdAsBuilt->setFocusPolicy(Qt::NoFocus);
    grdAsBuilt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAsBuilt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Sizes fixed here: the table is never measured again when the window lays out its pages.
    QHeaderView* header = grdAsBuilt->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    for (int column = 1; column < 4; ++column)
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    for (int row = 0; row < rows.size(); ++row) {
        auto* name = new QTableWidgetItem;
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grdAsBuilt->setItem(row, 0, name);
        for (int column = 1; column < 4; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdAsBuilt->setItem(row, column, item);
        }
        // A figure of the whole band takes the three columns.
        if (rows.at(row).Values.size() == 1) {
            grdAsBuilt->setSpan(row, 1, 1, 3);
            grdAsBuilt->item(row, 1)->setTextAlignment(Qt::AlignCenter);
        }
    }
    grdAsBuilt->setHorizontalHeaderLabels({QString(), QString(), QString(), QString()});
    ShowNames();
    grdAsBuilt->setFixedHeight(header->sizeHint().height() +
                               static_cast<int>(rows.size()) * RowHeight +
                               2 * grdAsBuilt->frameWidth());
    layout->addWidget(grdAsBuilt);

    lblAsBuiltNote = new QLabel(this);
    lblAsBuiltNote->setObjectName(QStringLiteral("lblAsBuiltNote"));
    lblAsBuiltNote->setWordWrap(true);
    lblAsBuiltNote->hide();
    layout->addWidget(lblAsBuiltNote);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TAsBuiltPanel::ShowNames()
{
    const QList<TAsBuiltRow> rows = AsBuiltRows(AssemblyAsBuilt({}));
    int nameWidth = 0;
    for (int row = 0; row < rows.size() && row < grdAsBuilt->rowCount(); ++row) {
        nameWidth = std::max(nameWidth, fontMetrics().horizontalAdvance(rows.at(row).Name));
        grdAsBuilt->item(row, 0)->setText(rows.at(row).Name);
    }
    grdAsBuilt->horizontalHeader()->resizeSection(0, nameWidth + 16);
}

void TAsBuiltPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ShowNames();
        if (Shown) {
            const TAsBuilt shown = *Shown;
            Show(shown);
        }
    }
    QWidget::changeEvent(event);
}

void TAsBuiltPanel::Show(const TAsBuilt& asBuilt)
{
    Shown = asBuilt;
    QStringList headings = {QString()};
    for (const double frequency : asBuilt.Frequencies)
        headings.append(FloatToStr(frequency) + QStringLiteral(" MHz"));
    grdAsBuilt->setHorizontalHeaderLabels(headings);
    const QList<TAsBuiltRow> rows = AsBuiltRows(asBuilt);
    for (int row = 0; row < rows.size() && row < grdAsBuilt->rowCount(); ++row)
        for (int column = 1; column < 4; ++column)
            grdAsBuilt->item(row, column)->setText(rows.at(row).Values.value(column - 1));
    const QString note = DefaultLossNote(asBuilt);
    lblAsBuiltNote->setText(note);
    lblAsBuiltNote->setVisible(!note.isEmpty());
}

void TAsBuiltPanel::Clear()
{
    Shown.reset();
    for (int row = 0; row < grdAsBuilt->rowCount(); ++row)
        for (int column = 1; column < 4; ++column)
            grdAsBuilt->item(row, column)->setText(QString());
    lblAsBuiltNote->clear();
    lblAsBuiltNote->hide();
}
