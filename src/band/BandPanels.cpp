#include "BandPanels.h"

#include "band/BandPanel.h"
#include "catalog/LineFormat.h"
#include "main/TfrmMain.h"
#include "platform/RadioGroup.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>

namespace {

// The last figure of each page: the pages set their figures in order, so setting it means the
// figures are complete.
constexpr int PartsListLastFigure = 6;
constexpr int FinalLastFigure = 9;

double TypedNumber(const QComboBox* box)
{
    double value = 0;
    return TryUserStrToFloat(box->currentText(), value) ? value : 0;
}

// Puts panel into the page's layout right below the widget.
void PlaceBelow(QWidget* page, QWidget* widget, TBandPanel* panel)
{
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    if (layout == nullptr)
        return;
    layout->insertWidget(layout->indexOf(widget) + 1, panel);
}

} // namespace

TBandPanels::TBandPanels(TfrmMain& window) : QObject(&window), Window(window)
{
    setObjectName(QStringLiteral("BandPanels"));
    PartsListPanel = new TBandPanel(window.tsNoPN);
    PlaceBelow(window.tsNoPN, window.grdJumperspecs, PartsListPanel);
    FinalPanel = new TBandPanel(window.tsFinal);
    PlaceBelow(window.tsFinal, window.grdFinal, FinalPanel);
    connect(window.grdJumperspecs, &QTableWidget::itemChanged, this,
            &TBandPanels::PartsListFigureSet);
    connect(window.grdFinal, &QTableWidget::itemChanged, this, &TBandPanels::FinalFigureSet);
}

void TBandPanels::PartsListFigureSet(QTableWidgetItem* item)
{
    if (item->row() != PartsListLastFigure || item->column() != 1)
        return;
    if (item->text().isEmpty() || Window.Assembly == nullptr) {
        PartsListPanel->Clear();
        return;
    }
    PartsListPanel->Show(Window.Assembly->Cable, !Window.rbMeters->isChecked(),
                         TypedNumber(Window.cboBeginning), TypedNumber(Window.cboEnding),
                         TypedNumber(Window.cboLength));
}

void TBandPanels::FinalFigureSet(QTableWidgetItem* item)
{
    if (item->row() != FinalLastFigure || item->column() != 1)
        return;
    if (item->text().isEmpty() || Window.Assembly == nullptr) {
        FinalPanel->Clear();
        return;
    }
    double length = 0;
    TryUserStrToFloat(Window.SummaryLength.Text, length);
    FinalPanel->Show(Window.Assembly->Cable, !Window.SummaryLength.Metres,
                     TypedNumber(Window.cboBeginning), TypedNumber(Window.cboEnding), length);
}
