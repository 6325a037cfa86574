#include "BandPanels.h"

#include "band/AsBuiltPanel.h"
#include "band/BandPanel.h"
#include "band/TfrmCompare.h"
#include "main/WindowHost.h"
#include "platform/Translation.h"
#include "quote/Comparison.h"

#include <QMainWindow>
#include <QPushButton>

TBandPanels::TBandPanels(TWindowHost& window) : QObject(&window.MainWindow()), Window(window)
{
    setObjectName(QStringLiteral("BandPanels"));
    // Each page's panels go right below its figures: the as-built table first, so that the band
    // panel comes between them.
    PartsListAsBuilt = new TAsBuiltPanel(&window.MainWindow());
    window.AddResultPanel(TPage::NoPN, PartsListAsBuilt);
    FinalAsBuilt = new TAsBuiltPanel(&window.MainWindow());
    window.AddResultPanel(TPage::Final, FinalAsBuilt);
    PartsListPanel = new TBandPanel(&window.MainWindow());
    window.AddResultPanel(TPage::NoPN, PartsListPanel);
    FinalPanel = new TBandPanel(&window.MainWindow());
    window.AddResultPanel(TPage::Final, FinalPanel);
    // Page 2's Compare... button, beside the cable's name.
    auto* compare = new QPushButton(&window.MainWindow());
    compare->setObjectName(QStringLiteral("btnCompare"));
    BindText(compare, "text", TrKey("TBandPanels", "Co&mpare..."));
    window.AddCableButton(compare);
    connect(compare, &QPushButton::clicked, this, &TBandPanels::btnCompareClick);
    connect(&window.Events(), &TWindowEvents::FiguresShown, this, &TBandPanels::FiguresShown);
}

void TBandPanels::FiguresShown(TPage page)
{
    TBandPanel* panel = page == TPage::NoPN ? PartsListPanel : FinalPanel;
    TAsBuiltPanel* asBuilt = page == TPage::NoPN ? PartsListAsBuilt : FinalAsBuilt;
    const TQuoteResult& quote = Window.CurrentQuote();
    if (quote.Figures.isEmpty() || quote.Assembly.Cable == nullptr) {
        panel->Clear();
        asBuilt->Clear();
        return;
    }
    asBuilt->Show(quote.AsBuilt);
    // The band of page 1 at the length and in the unit the figures are for.
    const TQuoteRequest& request = Window.CurrentRequest();
    panel->Show(quote.Assembly.Cable, quote.FiguresInFeet, request.BeginFrequency,
                request.EndFrequency, quote.FiguresLength);
}

void TBandPanels::btnCompareClick()
{
    // The cables cboTLineData offers, in its order, as choosing each there would take it, over
    // page 1's band and length.
    const TWizardModel& wizard = Window.WizardModel();
    const QList<const TTransmissionLine*> cables = wizard.ListedCables();
    const TQuoteRequest page1 = wizard.Request();
    const TQuoteSources sources = Window.QuoteSources();
    TComparisonInput input;
    input.BeginFrequency = page1.BeginFrequency;
    input.EndFrequency = page1.EndFrequency;
    input.Length = page1.Length;
    input.Metres = page1.Metres;
    input.RatesAvailable = sources.RatesAvailable;
    input.CurrencyTag = Window.CurrentCurrencyTag();

    TfrmCompare dialog(ComparisonRows(cables, input, *sources.PriceList, *sources.Rates), input,
                       wizard.Cable(), &Window.MainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return;
    Window.ChooseCable(dialog.SelectedPartNumber());
}
