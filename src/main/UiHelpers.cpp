#include "UiHelpers.h"

#include "base/LineFormat.h"
#include "quote/QuoteEngine.h"

#include <QComboBox>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

void SetStatusHint(QWidget* widget, const QString& hint)
{
    widget->setStatusTip(hint);
}

QLabel* NewPicture(const QString& name, QWidget* parent, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumSize(width, height);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QTableWidget* NewGrid(const QString& name, QWidget* parent, int rows, const QList<TTrKey>& headings,
                      int columns)
{
    auto* grid =
        new QTableWidget(rows, headings.isEmpty() ? columns : int(headings.size()), parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setVisible(false);
    if (headings.isEmpty())
        grid->horizontalHeader()->setVisible(false);
    else
        BindHeadings(grid, headings);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

QTableWidgetItem* SetCell(QTableWidget* grid, int row, int column, const QString& text,
                          Qt::Alignment alignment)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
    item->setTextAlignment(alignment);
    return item;
}

QString CellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

QLabel* NewUnpricedNote(QWidget* page)
{
    auto* label = new QLabel(page);
    label->setObjectName(QStringLiteral("lblUnpriced"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold"));
    label->hide();
    return label;
}

void ShowUnpricedNote(QWidget* page, const QStringList& partNumbers)
{
    auto* label = page->findChild<QLabel*>(QStringLiteral("lblUnpriced"));
    if (label == nullptr)
        return;
    label->setText(UnpricedNote(partNumbers));
    label->setVisible(!partNumbers.isEmpty());
}
