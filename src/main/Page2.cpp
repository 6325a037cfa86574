#include "TfrmMain.h"

#include "catalog/Catalog.h"
#include "catalog/ConnectorLists.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/RadioGroup.h"
#include "UiHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum { GradePlated = 0, GradeStandard = 1 };
enum { AttachPrenvo = 0, AttachRegular = 1 };

QComboBox* NewList(const QString& name, QWidget* parent, const QString& hint)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(14);
    if (!hint.isEmpty())
        SetHint(box, hint);
    return box;
}

} // namespace

QGroupBox* TfrmMain::BuildSideGroup(TSide& side, const QString& prefix, const QString& title)
{
    const bool top = side.Top;
    const QString which = top ? QStringLiteral("top") : QStringLiteral("bottom");
    auto* group = new QGroupBox(title);
    group->setObjectName(QStringLiteral("gbx") + prefix);
    auto* layout = new QVBoxLayout(group);

    auto* radios = new QHBoxLayout;
    side.rbActual = new QRadioButton(QStringLiteral("Actual"), group);
    side.rbActual->setObjectName(QStringLiteral("rb%1Actual").arg(prefix));
    side.rbMatesTo = new QRadioButton(QStringLiteral("Mates To"), group);
    side.rbMatesTo->setObjectName(QStringLiteral("rb%1MatesTo").arg(prefix));
    side.rbActual->setChecked(true);
    auto* exclusive = new QButtonGroup(group);
    exclusive->addButton(side.rbActual);
    exclusive->addButton(side.rbMatesTo);
    radios->addWidget(side.rbActual);
    radios->addWidget(side.rbMatesTo);
    radios->addStretch(1);
    layout->addLayout(radios);

    const QString connectorHint =
        top ? QStringLiteral("Top Connector") : QStringLiteral("Bottom Connector");
    side.cboMatesTo = NewList(QStringLiteral("cbo%1MatesTo").arg(prefix), group, connectorHint);
    layout->addWidget(side.cboMatesTo);

    side.DescriptionCaption =
        top ? QStringLiteral("Top Connector Desc.") : QStringLiteral("Bottom Connector Desc");
    side.lblDescription = new QLabel(side.DescriptionCaption, group);
    side.lblDescription->setObjectName(top ? QStringLiteral("lblTopDescription")
                                           : QStringLiteral("lblBottomDescription"));
    side.lblDescription->setAlignment(Qt::AlignCenter);
    QFont bold = side.lblDescription->font();
    bold.setBold(true);
    side.lblDescription->setFont(bold);
    layout->addWidget(side.lblDescription);

    side.img =
        NewPicture(top ? QStringLiteral("imgTop") : QStringLiteral("imgBottom"), group, 120, 120);
    SetHint(side.img, connectorHint);
    layout->addWidget(side.img, 1);

    layout->addWidget(new QLabel(QStringLiteral("Special Characteristics:"), group));
    side.cboDescription =
        NewList(QStringLiteral("cbo%1Description").arg(prefix), group,
                QStringLiteral("Select special characteristics for %1 connector").arg(which));
    layout->addWidget(side.cboDescription);
    layout->addWidget(new QLabel(QStringLiteral("Inner Connector Attachment:"), group));
    side.cboInner =
        NewList(QStringLiteral("cbo%1Inner").arg(prefix), group,
                QStringLiteral("Select inner connector attachment for %1 connector").arg(which));
    layout->addWidget(side.cboInner);
    return group;
}

QWidget* TfrmMain::BuildPage2()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page2"));
    auto* grid = new QGridLayout(page);

    TopSide.Top = true;
    BottomSide.Top = false;
    QGroupBox* topGroup =
        BuildSideGroup(TopSide, QStringLiteral("C1"), QStringLiteral("Top Connector"));
    QGroupBox* bottomGroup =
        BuildSideGroup(BottomSide, QStringLiteral("C2"), QStringLiteral("Bottom Connector"));

    auto* cableGroup = new QGroupBox(QStringLiteral("Cable"), page);
    cableGroup->setObjectName(QStringLiteral("gbxCable"));
    auto* cableLayout = new QGridLayout(cableGroup);
    cboTLineData =
        NewList(QStringLiteral("cboTLineData"), cableGroup, QStringLiteral("Select Cable Size"));
    lblDiameter = new QLabel(QStringLiteral("Diameter:"), cableGroup);
    lblDiameter->setObjectName(QStringLiteral("lblDiameter"));
    edtTlineSize = new QLineEdit(cableGroup);
    edtTlineSize->setObjectName(QStringLiteral("edtTlineSize"));
    edtTlineSize->setReadOnly(true);
    SetHint(edtTlineSize, QStringLiteral("Diameter"));
    imgCable = NewPicture(QStringLiteral("imgCable"), cableGroup, 160, 120);
    SetHint(imgCable, QStringLiteral("Cable"));
    imgPV = NewPicture(QStringLiteral("imgPV"), cableGroup, 100, 60);
    imgPV->hide();
    cableLayout->addWidget(new QLabel(QStringLiteral("Name:"), cableGroup), 0, 0);
    cableLayout->addWidget(cboTLineData, 0, 1);
    cableLayout->addWidget(lblDiameter, 1, 0);
    cableLayout->addWidget(edtTlineSize, 1, 1);
    cableLayout->addWidget(imgCable, 2, 0, 1, 2);
    cableLayout->addWidget(imgPV, 3, 0, 1, 2);
    cableLayout->setRowStretch(2, 1);
    cableLayout->setColumnStretch(1, 1);

    rgConnectorGrade =
        new TRadioGroup(QStringLiteral("rgConnectorGrade"), QStringLiteral("Connector Grade:"),
                        {QStringLiteral("Plated"), QStringLiteral("Standard")}, page);
    rgConnectorGrade->SetItemIndexSilently(GradeStandard);
    rgCableGrade =
        new TRadioGroup(QStringLiteral("rgCableGrade"), QStringLiteral("Cable Grade:"),
                        {QStringLiteral("Standard Cable"), QStringLiteral("Premium Cable"),
                         QStringLiteral("Flame Retardant Cable")},
                        page);
    rgConnectorAttachment = new TRadioGroup(
        QStringLiteral("rgConnectorAttachment"), QStringLiteral("Connector Attachment:"),
        {QStringLiteral("Prenvo"), QStringLiteral("Regular")}, page);
    rgConnectorAttachment->SetItemIndexSilently(AttachPrenvo);

    grid->addWidget(topGroup, 0, 0);
    grid->addWidget(cableGroup, 0, 1);
    grid->addWidget(bottomGroup, 0, 2);
    grid->addWidget(rgConnectorGrade, 1, 0);
    grid->addWidget(rgCableGrade, 1, 1);
    grid->addWidget(rgConnectorAttachment, 1, 2);
    grid->setRowStretch(0, 1);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);

    connect(rgCableGrade, &TRadioGroup::Click, this, &TfrmMain::rgCableGradeClick);
    connect(rgConnectorGrade, &TRadioGroup::Click, this, &TfrmMain::rgConnectorGradeClick);
    connect(rgConnectorAttachment, &TRadioGroup::Click, this,
            &TfrmMain::rgConnectorAttachmentClick);
    connect(cboTLineData, &QComboBox::activated, this, &TfrmMain::cboTLineDataChange);
    connect(TopSide.cboMatesTo, &QComboBox::activated, this, &TfrmMain::cboC1MatesToChange);
    connect(BottomSide.cboMatesTo, &QComboBox::activated, this, &TfrmMain::cboC2MatesToChange);
    connect(TopSide.cboDescription, &QComboBox::activated, this, &TfrmMain::cboC1DescriptionChange);
    connect(BottomSide.cboDescription, &QComboBox::activated, this,
            &TfrmMain::cboC2DescriptionChange);
    connect(TopSide.cboInner, &QComboBox::activated, this, &TfrmMain::cboC1InnerChange);
    connect(BottomSide.cboInner, &QComboBox::activated, this, &TfrmMain::cboC2InnerChange);
    for (QRadioButton* radio : {TopSide.rbActual, TopSide.rbMatesTo})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rbC1ActualClick();
        });
    for (QRadioButton* radio : {BottomSide.rbActual, BottomSide.rbMatesTo})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rbC2ActualClick();
        });
    return page;
}

// --- Showing the page -------------------------------------------------------------------------

void TfrmMain::Page2Show()
{
    const bool waveguide = rgCableType->ItemIndex() == 2;
    edtTlineSize->setVisible(!waveguide);
    lblDiameter->setVisible(!waveguide);

    for (TSide* side : {&TopSide, &BottomSide}) {
        const bool included = SideIncluded(*side);
        for (QWidget* control :
             {static_cast<QWidget*>(side->cboMatesTo), static_cast<QWidget*>(side->rbActual),
              static_cast<QWidget*>(side->rbMatesTo), static_cast<QWidget*>(side->cboDescription),
              static_cast<QWidget*>(side->cboInner)})
            control->setEnabled(included);
        if (!included) {
            SetComboItems(side->cboMatesTo, {QStringLiteral("None")}, QStringLiteral("None"));
            SetComboItems(side->cboDescription, {QStringLiteral("N/A")}, QStringLiteral("N/A"));
            SetComboItems(side->cboInner, {QStringLiteral("N/A")}, QStringLiteral("N/A"));
            Desktop::ShowPicture(side->img,
                                 AppPaths::ImageFile(QStringLiteral("noconnectors.gif")));
            side->lblDescription->clear();
        }
    }
    const bool anyIncluded = SideIncluded(TopSide) || SideIncluded(BottomSide);
    rgConnectorAttachment->setEnabled(anyIncluded);
    rgConnectorGrade->setEnabled(anyIncluded);

    ShowNavigationButtons(true);
    btnRestart->setEnabled(true);
    btnNext->setText(QStringLiteral("Next ->"));
    btnBack->setEnabled(true);

    UpdateCableGradeOptions();
    rgCableGradeClick();

    UpdateMenuState(false);
}

bool TfrmMain::SideIncluded(const TSide& side) const
{
    return side.Top ? chkTopConnector->isChecked() : chkBottomConnector->isChecked();
}

QString& TfrmMain::InterfaceChoice(const TSide& side)
{
    return side.Top ? TopInterfaceChoice : BottomInterfaceChoice;
}

QString& TfrmMain::CharacteristicsChoice(const TSide& side)
{
    return side.Top ? TopCharacteristicsChoice : BottomCharacteristicsChoice;
}

QString& TfrmMain::InnerChoice(const TSide& side)
{
    return side.Top ? TopInnerChoice : BottomInnerChoice;
}

void TfrmMain::SetComboItems(QComboBox* box, const QStringList& items, const QString& selected)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(selected.isEmpty() ? -1 : box->findText(selected, Qt::MatchExactly));
}

// --- Cable ------------------------------------------------------------------------------------

void TfrmMain::UpdateCableGradeOptions()
{
    bool seen[3] = {false, false, false};
    const QString codes[3] = {QStringLiteral("S"), QStringLiteral("P"), QStringLiteral("R")};
    for (const TTransmissionLine* cable : MatchingCables) {
        for (int i = 0; i < 3; ++i)
            if (cable->Grade == codes[i])
                seen[i] = true;
        if (seen[0] && seen[1] && seen[2])
            break;
    }
    for (int i = 0; i < 3; ++i)
        rgCableGrade->SetItemEnabled(i, seen[i]);
    if (rgCableGrade->ItemEnabled(CableGradeChoice)) {
        rgCableGrade->SetItemIndex(CableGradeChoice);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (seen[i]) {
            rgCableGrade->SetItemIndex(i);
            return;
        }
    }
}

void TfrmMain::rgCableGradeClick()
{
    CableGradeChoice = rgCableGrade->ItemIndex();
    const QString code = CableGradeCode(CableGradeChoice);
    if (code.isEmpty()) {
        GradeCables = MatchingCables;
    } else {
        TCableCriteria criteria;
        criteria.Grade = code;
        GradeCables = SelectCables(MatchingCables, criteria);
    }
    FillCableList();
    cboTLineDataChange();
    if (SideIncluded(TopSide))
        InterfaceChange(TopSide);
    if (SideIncluded(BottomSide))
        InterfaceChange(BottomSide);
}

void TfrmMain::FillCableList()
{
    QStringList partNumbers;
    for (const TTransmissionLine* cable : GradeCables)
        partNumbers.append(cable->PartNumber);
    partNumbers = SortedUnique(partNumbers);
    QString selected = partNumbers.isEmpty() ? QString() : partNumbers.first();
    if (!CurrentCableModel.isEmpty()) {
        const QString code = CableGradeCode(rgCableGrade->ItemIndex());
        for (const TTransmissionLine* cable : GradeCables) {
            if (cable->Model == CurrentCableModel && cable->Grade == code) {
                if (partNumbers.contains(cable->PartNumber))
                    selected = cable->PartNumber;
                break;
            }
        }
    }
    SetComboItems(cboTLineData, partNumbers, selected);
}

void TfrmMain::cboTLineDataChange()
{
    // 1. The cable named in the combo; a text that names no cable takes the last one. With no
    //    cable of the chosen grade there is no current cable, so no list offers stale choices.
    if (GradeCables.isEmpty()) {
        CurrentCable = nullptr;
    } else {
        CurrentCable = GradeCables.last();
        for (const TTransmissionLine* cable : GradeCables) {
            if (cable->PartNumber == cboTLineData->currentText()) {
                CurrentCable = cable;
                break;
            }
        }
    }
    // 2, 3. Model, diameter and picture.
    if (CurrentCable != nullptr) {
        CurrentCableModel = CurrentCable->Model;
        edtTlineSize->setText(CurrentCable->Diameter + QStringLiteral(" in."));
        Desktop::ShowPicture(imgCable,
                             AppPaths::ImageFile(CurrentCable->Model + QStringLiteral(".gif")));
    } else {
        edtTlineSize->clear();
        Desktop::ShowPicture(imgCable, QString());
    }
    // 4 to 6. Connector options and lists.
    const bool anyIncluded = SideIncluded(TopSide) || SideIncluded(BottomSide);
    if (anyIncluded) {
        UpdateAttachmentAndGradeOptions();
        FillConnectorLists();
    }
    if (SideIncluded(TopSide))
        InterfaceChange(TopSide);
    if (SideIncluded(BottomSide))
        InterfaceChange(BottomSide);
    if (anyIncluded) {
        rgConnectorGradeClick();
        rgConnectorAttachmentClick();
    }
}

// --- Connector options ------------------------------------------------------------------------

void TfrmMain::UpdateAttachmentAndGradeOptions()
{
    const bool prenvo =
        CurrentCable != nullptr && !CurrentCable->PrenvoOption.isEmpty() && rgApp->ItemIndex() <= 0;
    rgConnectorAttachment->SetItemEnabled(AttachPrenvo, prenvo);
    if (rgConnectorAttachment->ItemEnabled(AttachmentChoice))
        rgConnectorAttachment->SetItemIndex(AttachmentChoice);
    else if (rgConnectorAttachment->ItemEnabled(AttachPrenvo))
        rgConnectorAttachment->SetItemIndex(AttachPrenvo);
    else
        rgConnectorAttachment->SetItemIndex(AttachRegular);

    const bool plated = CurrentCable != nullptr && !CurrentCable->PlatedOption.isEmpty();
    const bool standard = CurrentCable != nullptr && !CurrentCable->StandardOption.isEmpty() &&
                          rgConnectorAttachment->ItemIndex() != AttachPrenvo;
    rgConnectorGrade->SetItemEnabled(GradePlated, plated);
    rgConnectorGrade->SetItemEnabled(GradeStandard, standard);
    if (rgConnectorGrade->ItemEnabled(ConnectorGradeChoice))
        rgConnectorGrade->SetItemIndex(ConnectorGradeChoice);
    else if (rgConnectorGrade->ItemEnabled(GradePlated))
        rgConnectorGrade->SetItemIndex(GradePlated);
    else
        rgConnectorGrade->SetItemIndex(GradeStandard);
}

void TfrmMain::FillConnectorLists()
{
    TInterfaceLists lists;
    if (CurrentCable != nullptr)
        lists = InterfaceLists(*CurrentCable, ConnectorGradeCode(rgConnectorGrade->ItemIndex()),
                               AttachmentCodeFor(rgConnectorAttachment->ItemIndex()));
    for (TSide* side : {&TopSide, &BottomSide}) {
        if (!SideIncluded(*side))
            continue;
        const QStringList& list = side->rbActual->isChecked() ? lists.Actual : lists.MatesTo;
        SetComboItems(side->cboMatesTo, list, QString());
        FindConnectorInList(list, InterfaceChoice(*side), side->cboMatesTo);
    }
}

void TfrmMain::FindConnectorInList(const QStringList& list, const QString& remembered,
                                   QComboBox* box)
{
    const QSignalBlocker blocker(box);
    bool found = false;
    if (!remembered.isEmpty() && list.contains(remembered)) {
        const int index = box->findText(remembered, Qt::MatchExactly);
        if (index >= 0) {
            box->setCurrentIndex(index);
            found = true;
        }
    }
    if (!found || box->currentIndex() < 0)
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

void TfrmMain::rgConnectorGradeClick()
{
    ConnectorGradeChoice = rgConnectorGrade->ItemIndex();
    FillConnectorLists();
    if (SideIncluded(TopSide))
        InterfaceChange(TopSide);
    if (SideIncluded(BottomSide))
        InterfaceChange(BottomSide);
}

void TfrmMain::rgConnectorAttachmentClick()
{
    AttachmentChoice = rgConnectorAttachment->ItemIndex();
    if (AttachmentChoice == AttachPrenvo) {
        rgConnectorGrade->SetItemEnabled(GradeStandard, false);
        rgConnectorGrade->SetItemIndex(GradePlated);
        // The attachment's badge only where a connector is attached.
        imgPV->setVisible(SideIncluded(TopSide) || SideIncluded(BottomSide));
    } else {
        UpdateAttachmentAndGradeOptions();
        imgPV->hide();
    }
    rgConnectorGradeClick();
}

// --- One side ---------------------------------------------------------------------------------

void TfrmMain::InterfaceChange(TSide& side)
{
    InterfaceChoice(side) = side.cboMatesTo->currentText();
    FillCharacteristicsList(side);
    CharacteristicsChange(side);
}

void TfrmMain::CharacteristicsChange(TSide& side)
{
    ShowInterfaceName(side);
    ShowConnectorPicture(side, IsRightAngle(side.cboDescription->currentText()));
    CharacteristicsChoice(side) = side.cboDescription->currentText();
    FillInnerAttachmentList(side);
}

void TfrmMain::ShowInterfaceName(TSide& side)
{
    // A side without a connector names none.
    if (!SideIncluded(side)) {
        side.lblDescription->clear();
        return;
    }
    std::optional<QString> name;
    if (CurrentCable != nullptr)
        name = InterfaceName(*CurrentCable, side.rbActual->isChecked(),
                             side.cboMatesTo->currentText());
    // With no connector of that interface the label returns to its caption, so it never names
    // a connector that is no longer offered.
    side.lblDescription->setText(name.value_or(side.DescriptionCaption));
}

void TfrmMain::ShowConnectorPicture(TSide& side, bool rightAngle)
{
    if (!SideIncluded(side)) {
        Desktop::ShowPicture(side.img, AppPaths::ImageFile(QStringLiteral("noconnectors.gif")));
        return;
    }
    const QString file = ConnectorPictureFile(ImageTable, side.lblDescription->text(), rightAngle,
                                              rgConnectorAttachment->ItemIndex() == AttachPrenvo);
    Desktop::ShowPicture(side.img, file.isEmpty() ? QString() : AppPaths::ImageFile(file));
}

void TfrmMain::FillCharacteristicsList(TSide& side)
{
    TChoiceList list;
    if (CurrentCable != nullptr)
        list = CharacteristicsList(*CurrentCable, side.rbActual->isChecked(),
                                   side.cboMatesTo->currentText(),
                                   AttachmentCodeFor(rgConnectorAttachment->ItemIndex()));
    SetComboItems(side.cboDescription, list.Items, list.Pick(CharacteristicsChoice(side)));
}

void TfrmMain::FillInnerAttachmentList(TSide& side)
{
    TChoiceList list;
    if (CurrentCable != nullptr)
        list =
            InnerAttachmentList(*CurrentCable, side.rbActual->isChecked(),
                                side.cboMatesTo->currentText(), side.cboDescription->currentText(),
                                AttachmentCodeFor(rgConnectorAttachment->ItemIndex()));
    SetComboItems(side.cboInner, list.Items, list.Pick(InnerChoice(side)));
}

// --- Handlers ---------------------------------------------------------------------------------

void TfrmMain::cboC1MatesToChange()
{
    InterfaceChange(TopSide);
}

void TfrmMain::cboC2MatesToChange()
{
    InterfaceChange(BottomSide);
}

void TfrmMain::cboC1DescriptionChange()
{
    CharacteristicsChange(TopSide);
}

void TfrmMain::cboC2DescriptionChange()
{
    CharacteristicsChange(BottomSide);
}

void TfrmMain::cboC1InnerChange()
{
    TopInnerChoice = TopSide.cboInner->currentText();
}

void TfrmMain::cboC2InnerChange()
{
    BottomInnerChoice = BottomSide.cboInner->currentText();
}

void TfrmMain::rbC1ActualClick()
{
    FillConnectorLists();
    InterfaceChange(TopSide);
}

void TfrmMain::rbC2ActualClick()
{
    FillConnectorLists();
    InterfaceChange(BottomSide);
}
