#pragma once

#include "platform/Translation.h"

#include <QString>
#include <Qt>

class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// Sets the status-bar text alone, for containers whose hint shows over their empty parts.
void SetStatusHint(QWidget* widget, const QString& hint);

// A label that shows a picture, with a minimum size for its placeholder.
QLabel* NewPicture(const QString& name, QWidget* parent, int width, int height);

// A read-only grid; headings empty means no heading row.
QTableWidget* NewGrid(const QString& name, QWidget* parent, int rows, const QList<TTrKey>& headings,
                      int columns = 0);

// The text shown over empty parts of the window.
inline const QString CompanyHint = QStringLiteral("Vantrel Corporation");

// Sets a grid cell's text, making the cell when it has none yet.
QTableWidgetItem* SetCell(QTableWidget* grid, int row, int column, const QString& text,
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A cell's text; empty for a cell that has none.
QString CellText(const QTableWidget* grid, int row, int column);

// A result page's note on parts without a list price (lblUnpriced, hidden while empty).
QLabel* NewUnpricedNote(QWidget* page);
void ShowUnpricedNote(QWidget* page, const QStringList& partNumbers);
