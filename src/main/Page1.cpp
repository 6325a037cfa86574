#include "TfrmMain.h"

#include "base/LineFormat.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "UiHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr TTrKey NotNumeric = TrKey("TfrmMain", "This field must contain a numeric value.");

QComboBox* NewEditableCombo(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(15);
    // What the user types stays as typed: no completion from the items ("30" must not become
    // "300" on leaving the box).
    box->setCompleter(nullptr);
    return box;
}

} // namespace

QWidget* TfrmMain::BuildPage1()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page1"));
    auto* grid = new QGridLayout(page);

    rgApp = new TRadioGroup(QStringLiteral("rgApp"), TrKey("TfrmMain", "Application:"),
                            {TrKey("TfrmMain", "Jumper"), TrKey("TfrmMain", "Feeder")}, page);
    BindHint(rgApp, TrKey("TfrmMain", "Select An Application"));
    rgApp->SetItemIndexSilently(TWizardModel::Jumper);
    connect(rgApp, &TRadioGroup::Click, this, &TfrmMain::rgAppClick);

    auto* lengthGroup = Bound(new QGroupBox(page), "title", TrKey("TfrmMain", "Length:"));
    lengthGroup->setObjectName(QStringLiteral("gbxLength"));
    BindHint(lengthGroup, TrKey("TfrmMain", "Select a Length"));
    auto* lengthLayout = new QHBoxLayout(lengthGroup);
    cboLength = NewEditableCombo(QStringLiteral("cboLength"), lengthGroup);
    rbFeet = Bound(new QRadioButton(lengthGroup), "text", TrKey("TfrmMain", "Feet"));
    rbFeet->setObjectName(QStringLiteral("rbFeet"));
    BindHint(rbFeet, TrKey("TfrmMain", "Feet"));
    rbFeet->setChecked(true);
    rbMeters = Bound(new QRadioButton(lengthGroup), "text", TrKey("TfrmMain", "Meters"));
    rbMeters->setObjectName(QStringLiteral("rbMeters"));
    BindHint(rbMeters, TrKey("TfrmMain", "Meters"));
    connect(rbMeters, &QRadioButton::toggled, this,
            [this] { Wizard.UnitClick(rbMeters->isChecked()); });
    lengthLayout->addWidget(cboLength, 1);
    lengthLayout->addWidget(rbFeet);
    lengthLayout->addWidget(rbMeters);

    auto* frequencyGroup = Bound(new QGroupBox(page), "title", TrKey("TfrmMain", "Frequencies:"));
    frequencyGroup->setObjectName(QStringLiteral("gbxFrequencies"));
    BindHint(frequencyGroup, TrKey("TfrmMain", "Select Frequencies"));
    auto* frequencyLayout = new QGridLayout(frequencyGroup);
    cboBeginning = NewEditableCombo(QStringLiteral("cboBeginning"), frequencyGroup);
    BindHint(cboBeginning, TrKey("TfrmMain", "Select A Beginning Frequency"));
    cboEnding = NewEditableCombo(QStringLiteral("cboEnding"), frequencyGroup);
    BindHint(cboEnding, TrKey("TfrmMain", "Select An Ending Frequency"));
    frequencyLayout->addWidget(
        Bound(new QLabel(frequencyGroup), "text", TrKey("TfrmMain", "Beginning Frequency:")), 0, 0);
    frequencyLayout->addWidget(cboBeginning, 0, 1);
    frequencyLayout->addWidget(new QLabel(QStringLiteral("MHz"), frequencyGroup), 0, 2);
    frequencyLayout->addWidget(
        Bound(new QLabel(frequencyGroup), "text", TrKey("TfrmMain", "Ending Frequency:")), 1, 0);
    frequencyLayout->addWidget(cboEnding, 1, 1);
    frequencyLayout->addWidget(new QLabel(QStringLiteral("MHz"), frequencyGroup), 1, 2);
    frequencyLayout->setColumnStretch(1, 1);

    rgCableType =
        new TRadioGroup(QStringLiteral("rgCableType"), TrKey("TfrmMain", "Cable Type:"),
                        {TrKey("TfrmMain", "Air Coaxial"), TrKey("TfrmMain", "Foam Coaxial"),
                         TrKey("TfrmMain", "Elliptical Waveguide")},
                        page);
    BindHint(rgCableType, TrKey("TfrmMain", "Select A Cable Type"));
    rgCableType->SetItemIndexSilently(1);
    connect(rgCableType, &TRadioGroup::Click, this,
            [this] { Wizard.CableTypeClick(rgCableType->ItemIndex()); });

    rgFeeder = new TRadioGroup(
        QStringLiteral("rgFeeder"), TrKey("TfrmMain", "Connector Attachment(s)"),
        {TrKey("TfrmMain", "Both Connectors"), TrKey("TfrmMain", "Top Connector ONLY"),
         TrKey("TfrmMain", "Bottom Connector ONLY"), TrKey("TfrmMain", "No Connectors")},
        page);
    BindHint(rgFeeder, TrKey("TfrmMain", "Select A Type Of Feeder"));
    rgFeeder->hide();
    connect(rgFeeder, &TRadioGroup::Click, this, [this] {
        Wizard.FeederClick(rgFeeder->ItemIndex());
        ShowPage1Options();
    });

    gbxConnectors = Bound(new QGroupBox(page), "title", TrKey("TfrmMain", "Connectors:"));
    gbxConnectors->setObjectName(QStringLiteral("gbxConnectors"));
    auto* connectorsLayout = new QVBoxLayout(gbxConnectors);
    chkTopConnector =
        Bound(new QCheckBox(gbxConnectors), "text", TrKey("TfrmMain", "Include Top Connector"));
    chkTopConnector->setObjectName(QStringLiteral("chkTopConnector"));
    chkTopConnector->setChecked(true);
    chkBottomConnector =
        Bound(new QCheckBox(gbxConnectors), "text", TrKey("TfrmMain", "Include Bottom Connector"));
    chkBottomConnector->setObjectName(QStringLiteral("chkBottomConnector"));
    chkBottomConnector->setChecked(true);
    connectorsLayout->addWidget(chkTopConnector);
    connectorsLayout->addWidget(chkBottomConnector);
    gbxConnectors->hide();
    connect(chkTopConnector, &QCheckBox::clicked, this, &TfrmMain::IncludeConnectorClick);
    connect(chkBottomConnector, &QCheckBox::clicked, this, &TfrmMain::IncludeConnectorClick);

    imgTopJumper = NewPicture(QStringLiteral("imgTopJumper"), page, 160, 140);
    BindHint(imgTopJumper, TrKey("TfrmMain", "Top Jumper"));
    imgBottomJumper = NewPicture(QStringLiteral("imgBottomJumper"), page, 160, 140);
    BindHint(imgBottomJumper, TrKey("TfrmMain", "Bottom Jumper"));
    imgFeeder = NewPicture(QStringLiteral("imgFeeder"), page, 160, 160);
    BindHint(imgFeeder, TrKey("TfrmMain", "Main Feeder"));
    imgFeeder->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(rgApp);
    left->addWidget(lengthGroup);
    left->addWidget(frequencyGroup);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(rgCableType);
    middle->addWidget(rgFeeder);
    middle->addWidget(gbxConnectors);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(imgTopJumper);
    right->addWidget(imgFeeder);
    right->addWidget(imgBottomJumper);
    right->addStretch(1);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);

    // Leaving a box checks and refills; only a move to another control of this window counts,
    // not the box's own drop-down list or a message box taking the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == nullptr || now == nullptr || now->window() != this)
            return;
        for (QComboBox* box : {cboLength, cboBeginning, cboEnding}) {
            const bool wasIn = old == box || box->isAncestorOf(old);
            const bool isIn = now == box || box->isAncestorOf(now);
            if (wasIn && !isIn)
                BoxLeft(box);
        }
    });
    return page;
}

void TfrmMain::ShowEditList(QComboBox* box, const TEditList& list)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(list.Items);
    box->setCurrentIndex(list.Index);
    if (box->currentText() != list.Text)
        box->setEditText(list.Text);
}

void TfrmMain::ShowPage1Options()
{
    const TWizardModel& wizard = Wizard;
    const bool feeder = wizard.IsFeeder();
    if (rgApp->ItemIndex() != wizard.Application())
        rgApp->SetItemIndexSilently(wizard.Application());
    rgFeeder->setVisible(feeder);
    for (int i = 0; i < rgFeeder->Count(); ++i)
        rgFeeder->SetItemEnabled(i, wizard.FeederItemEnabled(i));
    if (rgFeeder->ItemIndex() != wizard.FeederChoice())
        rgFeeder->SetItemIndexSilently(wizard.FeederChoice());
    chkTopConnector->setChecked(wizard.IncludeTop());
    chkBottomConnector->setChecked(wizard.IncludeBottom());
    gbxConnectors->setVisible(feeder);
    imgFeeder->setVisible(feeder);
    if (rgCableType->ItemIndex() != wizard.CableType())
        rgCableType->SetItemIndexSilently(wizard.CableType());
    rgCableType->SetItemEnabled(2, wizard.WaveguideOffered());
    imgTopJumper->setVisible(!feeder);
    imgBottomJumper->setVisible(!feeder);
}

bool TfrmMain::WouldWarn(const QString& text)
{
    return !TWizardModel::NumericText(text);
}

bool TfrmMain::IsNumeric(bool numeric)
{
    if (numeric)
        return true;
    Dialogs::Beep();
    Dialogs::Warning(this, NotNumeric.Text());
    return false;
}

void TfrmMain::ShowBoxes(int boxes)
{
    if ((boxes & TWizardModel::LengthBox) != 0)
        ShowEditList(cboLength, Wizard.Length());
    if ((boxes & TWizardModel::BeginningBox) != 0)
        ShowEditList(cboBeginning, Wizard.Beginning());
    if ((boxes & TWizardModel::EndingBox) != 0)
        ShowEditList(cboEnding, Wizard.Ending());
}

void TfrmMain::rgAppClick()
{
    Wizard.ApplicationClick(rgApp->ItemIndex());
    ShowPage1Options();
    ShowBoxes(TWizardModel::LengthBox);
}

void TfrmMain::IncludeConnectorClick()
{
    Wizard.IncludeClick(chkTopConnector->isChecked(), chkBottomConnector->isChecked());
    ShowPage1Options();
}

bool TfrmMain::cboLengthExit()
{
    bool numeric = true;
    const int changed = Wizard.LengthLeft(cboLength->currentText(), numeric);
    IsNumeric(numeric);
    ShowBoxes(changed);
    return numeric;
}

void TfrmMain::BoxLeft(QComboBox* box)
{
    // A click that moves the focus must not be cut in two by the box's message: the press would
    // reach the clicked control only after the message, and its release never. The leave work
    // waits for the press to reach the event filter, which runs it before the clicked control
    // sees anything (see HandleLeaveClick).
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        PendingExit = box;
        return;
    }
    PendingExit = nullptr;
    RunExitHandler(box);
}

bool TfrmMain::RunExitHandler(QComboBox* box)
{
    if (box == cboLength)
        return cboLengthExit();
    if (box == cboBeginning)
        return cboBeginningExit();
    if (box == cboEnding)
        return cboEndingExit();
    return true;
}

bool TfrmMain::HandleLeaveClick(QObject* watched, QEvent::Type type)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    if (type == QEvent::MouseButtonPress && PendingExit != nullptr) {
        // The click left a box: its leave work comes before the clicked control acts. When the
        // box's text draws a warning, the click stops here; the press never reaches the control
        // (so nothing stays pressed) and the warning follows on the release, once the mouse
        // sequence is over.
        QComboBox* box = PendingExit;
        PendingExit = nullptr;
        if (WouldWarn(box->currentText())) {
            WarnOnRelease = box;
            return true;
        }
        RunExitHandler(box);
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        if (WarnOnRelease != nullptr) {
            QComboBox* box = WarnOnRelease;
            WarnOnRelease = nullptr;
            RunExitHandler(box);
            return true;
        }
        // A focus move while a button was held that no press followed (a drag out of a list).
        if (PendingExit != nullptr)
            QMetaObject::invokeMethod(
                this, [this] { RunPendingExit(); }, Qt::QueuedConnection);
    }
    return false;
}

bool TfrmMain::RunPendingExit()
{
    QComboBox* box = PendingExit;
    PendingExit = nullptr;
    return box == nullptr || RunExitHandler(box);
}

bool TfrmMain::cboEndingExit()
{
    bool numeric = true;
    const int changed =
        Wizard.EndingLeft(cboBeginning->currentText(), cboEnding->currentText(), numeric);
    IsNumeric(numeric);
    ShowBoxes(changed);
    return numeric;
}

bool TfrmMain::cboBeginningExit()
{
    bool numeric = true;
    const int changed =
        Wizard.BeginningLeft(cboBeginning->currentText(), cboEnding->currentText(), numeric);
    IsNumeric(numeric);
    ShowBoxes(changed);
    return numeric;
}

bool TfrmMain::Page1Next()
{
    const TPage1Problem problem = Wizard.Page1Next(
        cboLength->currentText(), cboBeginning->currentText(), cboEnding->currentText());
    if (!problem.Any())
        return true;
    Dialogs::Beep();
    if (problem.Error)
        Dialogs::Error(this, problem.Text);
    else
        Dialogs::Warning(this, problem.Text);
    return false;
}
