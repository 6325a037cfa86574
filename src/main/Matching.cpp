#include "TfrmMain.h"

#include "catalog/ConnectorLists.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "quote/QuoteEngine.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

namespace {

// The choices of pages 1 and 2 as the widgets hold them.
TQuoteRequest RequestFromPages(const TfrmMain& window)
{
    TQuoteRequest request;
    request.Feeder = window.rgApp->ItemIndex() == 1;
    request.LengthText = window.cboLength->currentText();
    request.Length = TypedNumber(window.cboLength);
    request.Metres = window.rbMeters->isChecked();
    request.BeginFrequency = TypedNumber(window.cboBeginning);
    request.EndFrequency = TypedNumber(window.cboEnding);
    request.Family = static_cast<TCableFamily>(std::clamp(window.rgCableType->ItemIndex(), 0, 2));
    request.Cable = window.CurrentCable;
    request.ConnectorGrade = ConnectorGradeCode(window.rgConnectorGrade->ItemIndex());
    request.Attachment =
        window.rgConnectorAttachment->ItemIndex() == 0 ? QStringLiteral("S") : QStringLiteral("R");
    request.IncludeTop = window.chkTopConnector->isChecked();
    request.IncludeBottom = window.chkBottomConnector->isChecked();
    request.FeederChoice =
        static_cast<TFeederChoice>(std::clamp(window.rgFeeder->ItemIndex(), 0, 3));
    request.CurrencyTag = window.CurrentCurrencyTag();
    return request;
}

} // namespace

TQuoteSources QuoteSources(TfrmMain& window)
{
    return {&window.PriceList, &window.Rates, window.RatesAvailable, &window.JumperFile,
            AppPaths::ProgramFile(QStringLiteral("dat/jumpers.dat"))};
}

void TfrmMain::MatchSelection()
{
    QuoteRequest = RequestFromPages(*this);
    QuoteRequest.Top = {TopSide.lblDescription->text(), TopSide.cboDescription->currentText(),
                        TopSide.cboInner->currentText()};
    QuoteRequest.Bottom = {BottomSide.lblDescription->text(),
                           BottomSide.cboDescription->currentText(),
                           BottomSide.cboInner->currentText()};
    Quote = QuoteAssembly(QuoteRequest, QuoteSources(*this));
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
    ChooseLength(Quote, QuoteRequest, QuoteSources(*this), std::max(rgStdLengths->ItemIndex(), 0));
    *Assembly = Quote.Assembly;
    ShowFinalSummary();
}
