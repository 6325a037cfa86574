#include "TfrmMain.h"

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

#include <functional>

namespace {

QComboBox* NewList(const QString& name, QWidget* parent, TTrKey hint)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(14);
    BindHint(box, hint);
    return box;
}

// A caption that wraps rather than widen the page in a language of longer words.
QLabel* WrappedLabel(QWidget* parent, TTrKey text)
{
    QLabel* label = Bound(new QLabel(parent), "text", text);
    label->setWordWrap(true);
    return label;
}

} // namespace

QGroupBox* TfrmMain::BuildSideGroup(TSide& side, const QString& prefix, TTrKey title)
{
    const bool top = side.Top;
    auto* group = Bound(new QGroupBox, "title", title);
    group->setObjectName(QStringLiteral("gbx") + prefix);
    auto* layout = new QVBoxLayout(group);

    auto* radios = new QHBoxLayout;
    side.rbActual = Bound(new QRadioButton(group), "text", TrKey("TfrmMain", "Actual"));
    side.rbActual->setObjectName(QStringLiteral("rb%1Actual").arg(prefix));
    side.rbMatesTo = Bound(new QRadioButton(group), "text", TrKey("TfrmMain", "Mates To"));
    side.rbMatesTo->setObjectName(QStringLiteral("rb%1MatesTo").arg(prefix));
    side.rbActual->setChecked(true);
    auto* exclusive = new QButtonGroup(group);
    exclusive->addButton(side.rbActual);
    exclusive->addButton(side.rbMatesTo);
    radios->addWidget(side.rbActual);
    radios->addWidget(side.rbMatesTo);
    radios->addStretch(1);
    layout->addLayout(radios);

    const TTrKey connectorHint =
        top ? TrKey("TfrmMain", "Top Connector") : TrKey("TfrmMain", "Bottom Connector");
    side.cboMatesTo = NewList(QStringLiteral("cbo%1MatesTo").arg(prefix), group, connectorHint);
    layout->addWidget(side.cboMatesTo);

    side.DescriptionCaption =
        top ? TrKey("TfrmMain", "Top Connector Desc.") : TrKey("TfrmMain", "Bottom Connector Desc");
    side.lblDescription = Bound(new QLabel(group), "text", side.DescriptionCaption);
    side.lblDescription->setObjectName(top ? QStringLiteral("lblTopDescription")
                                           : QStringLiteral("lblBottomDescription"));
    side.lblDescription->setAlignment(Qt::AlignCenter);
    side.lblDescription->setWordWrap(true);
    QFont bold = side.lblDescription->font();
    bold.setBold(true);
    side.lblDescription->setFont(bold);
    layout->addWidget(side.lblDescription);

    side.img =
        NewPicture(top ? QStringLiteral("imgTop") : QStringLiteral("imgBottom"), group, 120, 120);
    BindHint(side.img, connectorHint);
    layout->addWidget(side.img, 1);

    layout->addWidget(WrappedLabel(group, TrKey("TfrmMain", "Special Characteristics:")));
    side.cboDescription =
        NewList(QStringLiteral("cbo%1Description").arg(prefix), group,
                top ? TrKey("TfrmMain", "Select special characteristics for top connector")
                    : TrKey("TfrmMain", "Select special characteristics for bottom connector"));
    layout->addWidget(side.cboDescription);
    layout->addWidget(WrappedLabel(group, TrKey("TfrmMain", "Inner Connector Attachment:")));
    side.cboInner =
        NewList(QStringLiteral("cbo%1Inner").arg(prefix), group,
                top ? TrKey("TfrmMain", "Select inner connector attachment for top connector")
                    : TrKey("TfrmMain", "Select inner connector attachment for bottom connector"));
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
        BuildSideGroup(TopSide, QStringLiteral("C1"), TrKey("TfrmMain", "Top Connector"));
    QGroupBox* bottomGroup =
        BuildSideGroup(BottomSide, QStringLiteral("C2"), TrKey("TfrmMain", "Bottom Connector"));

    auto* cableGroup = Bound(new QGroupBox(page), "title", TrKey("TfrmMain", "Cable"));
    cableGroup->setObjectName(QStringLiteral("gbxCable"));
    auto* cableLayout = new QGridLayout(cableGroup);
    cboTLineData =
        NewList(QStringLiteral("cboTLineData"), cableGroup, TrKey("TfrmMain", "Select Cable Size"));
    lblDiameter = Bound(new QLabel(cableGroup), "text", TrKey("TfrmMain", "Diameter:"));
    lblDiameter->setObjectName(QStringLiteral("lblDiameter"));
    edtTlineSize = new QLineEdit(cableGroup);
    edtTlineSize->setObjectName(QStringLiteral("edtTlineSize"));
    edtTlineSize->setReadOnly(true);
    BindHint(edtTlineSize, TrKey("TfrmMain", "Diameter"));
    imgCable = NewPicture(QStringLiteral("imgCable"), cableGroup, 160, 120);
    BindHint(imgCable, TrKey("TfrmMain", "Cable"));
    imgPV = NewPicture(QStringLiteral("imgPV"), cableGroup, 100, 60);
    imgPV->hide();
    cableLayout->addWidget(Bound(new QLabel(cableGroup), "text", TrKey("TfrmMain", "Name:")), 0, 0);
    cableLayout->addWidget(cboTLineData, 0, 1);
    cableLayout->addWidget(lblDiameter, 1, 0);
    cableLayout->addWidget(edtTlineSize, 1, 1);
    // Row 2 holds an add-on's button under the cable's data (AddCableButton), so that the group
    // is no wider than its list.
    cableLayout->addWidget(imgCable, 3, 0, 1, 2);
    cableLayout->addWidget(imgPV, 4, 0, 1, 2);
    cableLayout->setRowStretch(3, 1);
    cableLayout->setColumnStretch(1, 1);

    rgConnectorGrade =
        new TRadioGroup(QStringLiteral("rgConnectorGrade"), TrKey("TfrmMain", "Connector Grade:"),
                        {TrKey("TfrmMain", "Plated"), TrKey("TfrmMain", "Standard")}, page);
    rgConnectorGrade->SetItemIndexSilently(TWizardModel::Standard);
    rgCableGrade =
        new TRadioGroup(QStringLiteral("rgCableGrade"), TrKey("TfrmMain", "Cable Grade:"),
                        {TrKey("TfrmMain", "Standard Cable"), TrKey("TfrmMain", "Premium Cable"),
                         TrKey("TfrmMain", "Flame Retardant Cable")},
                        page);
    rgConnectorAttachment = new TRadioGroup(
        QStringLiteral("rgConnectorAttachment"), TrKey("TfrmMain", "Connector Attachment:"),
        {TrKey("TfrmMain", "Prenvo"), TrKey("TfrmMain", "Regular")}, page);
    rgConnectorAttachment->SetItemIndexSilently(TWizardModel::Prenvo);

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

namespace {

// A picture shown again only when it is another file.
void ShowPictureFile(QLabel* label, const QString& file)
{
    const QString path = file.isEmpty() ? QString() : AppPaths::ImageFile(file);
    if (!path.isEmpty() && label->property("pictureFile").toString() == path)
        return;
    Desktop::ShowPicture(label, path);
}

void ShowRadioGroup(TRadioGroup* group, int index, const std::function<bool(int)>& enabled)
{
    for (int i = 0; i < group->Count(); ++i)
        group->SetItemEnabled(i, enabled(i));
    if (group->ItemIndex() != index)
        group->SetItemIndexSilently(index);
}

} // namespace

void TfrmMain::SetComboItems(QComboBox* box, const QStringList& items, const QString& selected)
{
    const QSignalBlocker blocker(box);
    bool same = box->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = box->itemText(i) == items.at(i);
    if (!same) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(selected.isEmpty() ? -1 : box->findText(selected, Qt::MatchExactly));
}

void TfrmMain::ShowSide(TSide& side, const TWizardModel::TSide& shown)
{
    for (QWidget* control :
         {static_cast<QWidget*>(side.cboMatesTo), static_cast<QWidget*>(side.rbActual),
          static_cast<QWidget*>(side.rbMatesTo), static_cast<QWidget*>(side.cboDescription),
          static_cast<QWidget*>(side.cboInner)})
        control->setEnabled(shown.Included);
    {
        const QSignalBlocker actual(side.rbActual);
        const QSignalBlocker matesTo(side.rbMatesTo);
        (shown.Actual ? side.rbActual : side.rbMatesTo)->setChecked(true);
    }
    SetComboItems(side.cboMatesTo, shown.Interfaces, shown.Interface);
    SetComboItems(side.cboDescription, shown.CharacteristicsItems, shown.Characteristics);
    SetComboItems(side.cboInner, shown.InnerItems, shown.Inner);
    // The side's caption follows the language; a connector's name is data.
    if (shown.Included && shown.Label == shown.Caption)
        BindText(side.lblDescription, "text", side.DescriptionCaption);
    else
        side.lblDescription->setText(shown.Label);
    ShowPictureFile(side.img, shown.Picture);
}

void TfrmMain::ShowPage2()
{
    const TWizardModel& wizard = Wizard;
    ShowRadioGroup(rgCableGrade, wizard.CableGrade(),
                   [&wizard](int i) { return wizard.CableGradeEnabled(i); });
    SetComboItems(cboTLineData, wizard.CableItems(), wizard.CableText());
    const TTransmissionLine* cable = wizard.Cable();
    if (cable != nullptr) {
        edtTlineSize->setText(cable->Diameter + QStringLiteral(" in."));
        ShowPictureFile(imgCable, cable->Model + QStringLiteral(".gif"));
    } else {
        edtTlineSize->clear();
        ShowPictureFile(imgCable, QString());
    }
    ShowRadioGroup(rgConnectorAttachment, wizard.Attachment(),
                   [&wizard](int i) { return wizard.AttachmentEnabled(i); });
    ShowRadioGroup(rgConnectorGrade, wizard.Grade(),
                   [&wizard](int i) { return wizard.GradeEnabled(i); });
    rgConnectorAttachment->setEnabled(wizard.AnyIncluded());
    rgConnectorGrade->setEnabled(wizard.AnyIncluded());
    imgPV->setVisible(wizard.PrenvoBadge());
    ShowSide(TopSide, wizard.Side(0));
    ShowSide(BottomSide, wizard.Side(1));
}

void TfrmMain::Page2Show()
{
    const bool waveguide = Wizard.CableType() == 2;
    edtTlineSize->setVisible(!waveguide);
    lblDiameter->setVisible(!waveguide);

    ShowNavigationButtons(true);
    btnRestart->setEnabled(true);
    BindText(btnNext, "text", TrKey("TfrmMain", "Next ->"));
    btnBack->setEnabled(true);

    Wizard.Page2Show();
    ShowPage2();

    UpdateMenuState(false);
}

// --- Handlers: each passes the pick to the wizard and shows it ---------------------------------

void TfrmMain::rgCableGradeClick()
{
    Wizard.CableGradeClick(rgCableGrade->ItemIndex());
    ShowPage2();
}

void TfrmMain::cboTLineDataChange()
{
    Wizard.CableChange(cboTLineData->currentText());
    ShowPage2();
}

void TfrmMain::rgConnectorGradeClick()
{
    Wizard.GradeClick(rgConnectorGrade->ItemIndex());
    ShowPage2();
}

void TfrmMain::rgConnectorAttachmentClick()
{
    Wizard.AttachmentClick(rgConnectorAttachment->ItemIndex());
    ShowPage2();
}

void TfrmMain::cboC1MatesToChange()
{
    Wizard.InterfaceChange(0, TopSide.cboMatesTo->currentText());
    ShowPage2();
}

void TfrmMain::cboC2MatesToChange()
{
    Wizard.InterfaceChange(1, BottomSide.cboMatesTo->currentText());
    ShowPage2();
}

void TfrmMain::cboC1DescriptionChange()
{
    Wizard.CharacteristicsChange(0, TopSide.cboDescription->currentText());
    ShowPage2();
}

void TfrmMain::cboC2DescriptionChange()
{
    Wizard.CharacteristicsChange(1, BottomSide.cboDescription->currentText());
    ShowPage2();
}

void TfrmMain::cboC1InnerChange()
{
    Wizard.InnerChange(0, TopSide.cboInner->currentText());
}

void TfrmMain::cboC2InnerChange()
{
    Wizard.InnerChange(1, BottomSide.cboInner->currentText());
}

void TfrmMain::rbC1ActualClick()
{
    Wizard.ActualClick(0, TopSide.rbActual->isChecked());
    ShowPage2();
}

void TfrmMain::rbC2ActualClick()
{
    Wizard.ActualClick(1, BottomSide.rbActual->isChecked());
    ShowPage2();
}

// --- Add-ons -----------------------------------------------------------------------------------

void TfrmMain::AddCableButton(QWidget* button)
{
    auto* cables = qobject_cast<QGridLayout*>(cboTLineData->parentWidget()->layout());
    if (cables == nullptr)
        return;
    button->setParent(cboTLineData->parentWidget());
    cables->addWidget(button, 2, 1, Qt::AlignLeft);
    QWidget::setTabOrder(cboTLineData, button);
}

bool TfrmMain::ChooseCable(const QString& partNumber)
{
    const int index = cboTLineData->findText(partNumber);
    if (index < 0)
        return false;
    cboTLineData->setCurrentIndex(index);
    emit cboTLineData->activated(index);
    return true;
}
