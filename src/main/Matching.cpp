#include "TfrmMain.h"

#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "quote/QuoteEngine.h"
#include "UiHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

TQuoteSources TfrmMain::QuoteSources()
{
    return {&PriceList,
            &Rates,
            RatesAvailable,
            &JumperFile,
            AppPaths::ProgramFile(QStringLiteral("dat/jumpers.dat")),
            &Specs};
}

void TfrmMain::MatchSelection()
{
    QuoteRequest = Wizard.Request();
    QuoteRequest.CurrencyTag = CurrentCurrencyTag();
    Quote = QuoteAssembly(QuoteRequest, QuoteSources());
    *Assembly = Quote.Assembly;
    if (!Quote.Warning.isEmpty()) {
        Dialogs::Beep();
        Dialogs::Warning(this, Quote.Warning);
        return;
    }
    if (!Quote.Hint.isEmpty())
        ShowStatusHint(Quote.Hint);
    // A damaged jumpers.dat entry: the wizard stays on page 2.
    if (!Quote.DataError.isEmpty())
        Dialogs::Error(this, Quote.DataError);
    else if (Quote.Page == TQuotePage::PartsList)
        ShowPartsList();
    else if (Quote.Page == TQuotePage::NearLengths)
        ShowNearLengths();
    else if (Quote.Page == TQuotePage::Final)
        ShowFinalSummary();
}

void TfrmMain::ShowNearLengths()
{
    rgStdLengths->SetItemEnabled(1, false);
    rgStdLengths->SetItemEnabled(2, false);
    ShowPage(TPage::NoLength);
    const QList<QStringList>& rows = Quote.NearRows;
    for (int row = 0; row < rows.size() && row < grdLengths->rowCount(); ++row) {
        const QStringList& cells = rows.at(row);
        for (int column = 0; column < cells.size(); ++column)
            SetCell(grdLengths, row, column, cells.at(column),
                    column >= 2 ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignLeft | Qt::AlignVCenter);
        if (row > 0)
            rgStdLengths->SetItemEnabled(row, true);
    }
}

void TfrmMain::AcceptLengthChoice()
{
    // Priced in the currency chosen now, which may have changed on this page.
    QuoteRequest.CurrencyTag = CurrentCurrencyTag();
    ChooseLength(Quote, QuoteRequest, QuoteSources(), std::max(rgStdLengths->ItemIndex(), 0));
    *Assembly = Quote.Assembly;
    ShowFinalSummary();
}
