#include "BandPanels.h"

#include "band/BandPanel.h"
#include "band/TfrmCompare.h"
#include "base/LineFormat.h"
#include "main/TfrmMain.h"
#include "main/UiHelpers.h"
#include "platform/RadioGroup.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

// The last figure of each page: the pages set their figures in order, so setting it means the
// figures are complete.
constexpr int PartsListLastFigure = 6;
constexpr int FinalLastFigure = 9;

// Puts panel into the page's layout right below the widget.
void PlaceBelow(QWidget* page, QWidget* widget, TBandPanel* panel)
{
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    if (layout == nullptr)
        return;
    // It takes most of the room the page has to spare.
    layout->insertWidget(layout->indexOf(widget) + 1, panel, 3);
}

} // namespace

TBandPanels::TBandPanels(TfrmMain& window) : QObject(&window), Window(window)
{
    setObjectName(QStringLiteral("BandPanels"));
    PartsListPanel = new TBandPanel(window.tsNoPN);
    PlaceBelow(window.tsNoPN, window.grdJumperspecs, PartsListPanel);
    FinalPanel = new TBandPanel(window.tsFinal);
    PlaceBelow(window.tsFinal, window.grdFinal, FinalPanel);
    // Page 2's Compare... button, beside the cable's name.
    if (auto* cables = qobject_cast<QGridLayout*>(window.cboTLineData->parentWidget()->layout())) {
        auto* compare =
            new QPushButton(QStringLiteral("Co&mpare..."), window.cboTLineData->parentWidget());
        compare->setObjectName(QStringLiteral("btnCompare"));
        cables->addWidget(compare, 0, 2);
        QWidget::setTabOrder(window.cboTLineData, compare);
        connect(compare, &QPushButton::clicked, this, &TBandPanels::btnCompareClick);
    }
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
    TryUserStrToFloat(Window.Quote.Length.Text, length);
    FinalPanel->Show(Window.Assembly->Cable, !Window.Quote.Length.Metres,
                     TypedNumber(Window.cboBeginning), TypedNumber(Window.cboEnding), length);
}

void TBandPanels::btnCompareClick()
{
    // The cables cboTLineData offers, in its order, as choosing each there would take it.
    QList<const TTransmissionLine*> cables;
    for (int i = 0; i < Window.cboTLineData->count(); ++i) {
        const QString partNumber = Window.cboTLineData->itemText(i);
        for (const TTransmissionLine* cable : Window.WizardModel().GradeCables())
            if (cable->PartNumber == partNumber) {
                cables.append(cable);
                break;
            }
    }
    TComparisonInput input;
    input.BeginFrequency = TypedNumber(Window.cboBeginning);
    input.EndFrequency = TypedNumber(Window.cboEnding);
    input.Length = TypedNumber(Window.cboLength);
    input.Metres = Window.rbMeters->isChecked();
    input.RatesAvailable = Window.RatesAvailable;
    input.CurrencyTag = Window.CurrentCurrencyTag();

    TfrmCompare dialog(ComparisonRows(cables, input, Window.PriceList, Window.Rates), input,
                       Window.WizardModel().Cable(), &Window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int index = Window.cboTLineData->findText(dialog.SelectedPartNumber());
    if (index < 0)
        return;
    Window.cboTLineData->setCurrentIndex(index);
    emit Window.cboTLineData->activated(index);
}
