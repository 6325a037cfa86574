#pragma once

#include "quote/Comparison.h"

#include <QDialog>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// Cables compared side by side: a sortable table of the cable list (numbers sort as numbers),
// its first cell's tick box drawing the cable's total attenuation across the band in the chart
// below (six cables at most; the current one ticked at first). "Use This Cable" accepts the
// dialog with the selected row's cable; Close and the close box reject it.
class TfrmCompare : public QDialog
{
    Q_OBJECT
public:
    TfrmCompare(const QList<TComparisonRow>& rows, const TComparisonInput& input,
                const TTransmissionLine* current, QWidget* parent = nullptr);

    // The cable of the selected row; empty when none is selected.
    QString SelectedPartNumber() const;
    // The part numbers drawn in the chart, in table order.
    QStringList DrawnPartNumbers() const;

    static constexpr int MostDrawn = 6;

    QTableWidget* grdCompare = nullptr;
    QChartView* chtCompare = nullptr;
    QLabel* lblCompareNote = nullptr;
    QPushButton* btnUseCable = nullptr;
    QPushButton* btnCompareClose = nullptr;

private:
    void ItemChanged(QTableWidgetItem* item);
    void Redraw();

    QList<TComparisonRow> Rows;
    TComparisonInput Input;
    bool Filling = false;
};
