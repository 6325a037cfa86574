#include "TfrmMain.h"

#include "catalog/ConnectorLists.h"
#include "catalog/DataError.h"
#include "catalog/LineFormat.h"
#include "catalog/Performance.h"
#include "catalog/SectionedFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "quote/Jumpers.h"
#include "quote/Quote.h"
#include "quote/StandardLengths.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

namespace {

const QString NoCable = QStringLiteral("There is no cable to choose for these selections.");

QString NoConnector(bool top)
{
    return QStringLiteral("No %1 connector of this cable matches your selections. Please choose "
                          "another %1 connector.")
        .arg(top ? QStringLiteral("top") : QStringLiteral("bottom"));
}

// The chosen connector grade has no connector for a side: the one taken is of another grade.
QString OtherGrade(const QString& gradeCode, bool top, bool bottom)
{
    const QString grade =
        gradeCode == QLatin1String("P") ? QStringLiteral("Plated") : QStringLiteral("Standard");
    const QString sides = top && bottom ? QStringLiteral("top or bottom connector")
                          : top         ? QStringLiteral("top connector")
                                        : QStringLiteral("bottom connector");
    return QStringLiteral("The %1 grade has no such %2; a connector of another grade is used.")
        .arg(grade, sides);
}

} // namespace

void TfrmMain::MatchSelection()
{
    if (CurrentCable == nullptr) {
        Dialogs::Beep();
        Dialogs::Warning(this, NoCable);
        return;
    }
    const bool top = chkTopConnector->isChecked();
    const bool bottom = chkBottomConnector->isChecked();
    const QString attachment =
        rgConnectorAttachment->ItemIndex() == 0 ? QStringLiteral("S") : QStringLiteral("R");
    Assembly->Cable = CurrentCable;
    const QString grade = ConnectorGradeCode(rgConnectorGrade->ItemIndex());
    const TMatchedConnectors matched = MatchConnectors(
        *CurrentCable,
        {TopSide.lblDescription->text(), TopSide.cboDescription->currentText(),
         TopSide.cboInner->currentText()},
        {BottomSide.lblDescription->text(), BottomSide.cboDescription->currentText(),
         BottomSide.cboInner->currentText()},
        attachment, grade);
    // Connectors always belong to the chosen cable: a side that nothing fits has none, rather
    // than a connector left over from an earlier cable.
    Assembly->TopConnector = matched.Top;
    Assembly->BottomConnector = matched.Bottom;
    if ((top && matched.Top == nullptr) || (bottom && matched.Bottom == nullptr)) {
        Dialogs::Beep();
        Dialogs::Warning(this, NoConnector(top && matched.Top == nullptr));
        return;
    }

    const bool topOther = top && matched.TopOtherGrade;
    const bool bottomOther = bottom && matched.BottomOtherGrade;
    if (topOther || bottomOther)
        ShowStatusHint(OtherGrade(grade, topOther, bottomOther));

    LookUpCablePrice(*CurrentCable, PriceList, Rates, rbMeters->isChecked());
    if (top)
        LookUpConnectorPrice(*matched.Top, PriceList, Rates);
    if (bottom)
        LookUpConnectorPrice(*matched.Bottom, PriceList, Rates);

    if (rgApp->ItemIndex() == 1) {
        ShowPartsList();
        return;
    }
    try {
        if (!FindStandardJumper())
            ShowPartsList();
    } catch (const TDataError& error) {
        // A damaged jumpers.dat entry: the wizard stays on page 2.
        Dialogs::Error(this, error.FullText());
    }
}

bool TfrmMain::FindStandardJumper()
{
    const QString path = AppPaths::ProgramFile(QStringLiteral("dat/jumpers.dat"));
    const std::optional<TJumperEntry> entry = ::FindStandardJumper(
        JumperFile.Read(path), Assembly->Cable->PartNumber, Assembly->TopConnector->ConnectorID,
        Assembly->BottomConnector->ConnectorID, path);
    if (!entry)
        return false;
    Assembly->PartNumberStem = entry->PartNumberStem;
    Assembly->FeetLengths = entry->FeetLengths;
    Assembly->MetreLengths = entry->MetreLengths;
    if (IsStandardLength())
        ShowFinalSummary(::BuildPartNumber(Assembly->PartNumberStem, cboLength->currentText(),
                                           rbMeters->isChecked()),
                         true);
    return true;
}

bool TfrmMain::IsStandardLength()
{
    StandardLengthTable = BuildStandardLengths(Assembly->FeetLengths, Assembly->MetreLengths);
    if (::IsStandardLength(StandardLengthTable, cboLength->currentText(), rbMeters->isChecked()))
        return true;
    FindNearLengths(StandardLengthTable);
    return false;
}

void TfrmMain::FindNearLengths(const QStringList& table)
{
    double length = 0;
    TryUserStrToFloat(cboLength->currentText(), length);
    if (rbMeters->isChecked())
        length *= FeetPerMetre;
    const TNearLengths near = ::FindNearLengths(table, length);
    if (near.Any())
        ShowNearLengths(table, near.Shorter, near.Longer);
    else
        ShowFinalSummary(::BuildPartNumber(Assembly->PartNumberStem, cboLength->currentText(),
                                           rbMeters->isChecked()),
                         false);
}

void TfrmMain::ShowNearLengths(const QStringList& table, int shorter, int longer)
{
    rgStdLengths->SetItemEnabled(1, false);
    rgStdLengths->SetItemEnabled(2, false);
    ShowPage(TPage::NoLength);
    NearShorter = shorter;
    NearLonger = longer;
    TNearLengths near;
    near.Shorter = shorter;
    near.Longer = longer;
    const QList<QStringList> rows = NearLengthRows(table, near, Assembly->PartNumberStem,
                                                   cboLength->currentText(), rbMeters->isChecked());
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
    const int choice = std::max(rgStdLengths->ItemIndex(), 0);
    const QString partNumber = CellText(grdLengths, choice, 1);
    // Item 1 is the first candidate row, item 2 the second.
    const QList<int> candidates = {NearShorter >= 0 ? NearShorter : NearLonger,
                                   NearShorter >= 0 ? NearLonger : -1};
    const int index = choice > 0 ? candidates.at(choice - 1) : -1;
    if (index < 0 || index >= StandardLengthTable.size()) {
        ShowFinalSummary(partNumber, false);
        return;
    }
    // A picked standard length is described and rated at that length, in the unit its part
    // number names; a price built from parts takes it in the page-1 unit.
    const QString& row = StandardLengthTable.at(index);
    TSummaryLength length;
    length.Metres = IsMetreRow(row);
    length.Text = GetField(row, length.Metres ? 3 : 2);
    double native = 0;
    TryUserStrToFloat(length.Text, native);
    if (length.Metres == rbMeters->isChecked())
        length.PricingLength = native;
    else
        length.PricingLength = length.Metres ? native * FeetPerMetre : native / FeetPerMetre;
    ShowFinalSummary(partNumber, true, length);
}
