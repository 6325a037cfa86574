#include "BandPanels.h"

#include "band/BandPanel.h"
#include "band/TfrmCompare.h"
#include "base/LineFormat.h"
#include "main/TfrmMain.h"
#include "platform/RadioGroup.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QTableWidget>

namespace {

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
    connect(&window, &TfrmMain::FiguresShown, this, &TBandPanels::FiguresShown);
}

void TBandPanels::FiguresShown(TPage page)
{
    TBandPanel* panel = page == TPage::NoPN ? PartsListPanel : FinalPanel;
    const TQuoteResult& quote = Window.Quote;
    if (quote.Figures.isEmpty() || quote.Assembly.Cable == nullptr) {
        panel->Clear();
        return;
    }
    // The band of page 1 at the length and in the unit the figures are for.
    panel->Show(quote.Assembly.Cable, quote.FiguresInFeet, Window.QuoteRequest.BeginFrequency,
                Window.QuoteRequest.EndFrequency, quote.FiguresLength);
}

void TBandPanels::btnCompareClick()
{
    // The cables cboTLineData offers, in its order, as choosing each there would take it, over
    // page 1's band and length.
    const TWizardModel& wizard = Window.WizardModel();
    const QList<const TTransmissionLine*> cables = wizard.ListedCables();
    const TQuoteRequest page1 = wizard.Request();
    TComparisonInput input;
    input.BeginFrequency = page1.BeginFrequency;
    input.EndFrequency = page1.EndFrequency;
    input.Length = page1.Length;
    input.Metres = page1.Metres;
    input.RatesAvailable = Window.RatesAvailable;
    input.CurrencyTag = Window.CurrentCurrencyTag();

    TfrmCompare dialog(ComparisonRows(cables, input, Window.PriceList, Window.Rates), input,
                       wizard.Cable(), &Window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int index = Window.cboTLineData->findText(dialog.SelectedPartNumber());
    if (index < 0)
        return;
    Window.cboTLineData->setCurrentIndex(index);
    emit Window.cboTLineData->activated(index);
}
