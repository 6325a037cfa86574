#include "TfrmMain.h"

#include "catalog/Catalog.h"
#include "catalog/LineFormat.h"
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
#include <QVBoxLayout>

namespace {

const QString NotNumeric = QStringLiteral("This field must contain a numeric value.");
const QString BadBeginning =
    QStringLiteral("The beginning frequency must be a number greater than 0 MHz.");
const QString BadEnding =
    QStringLiteral("The ending frequency must be a number greater than 0 MHz.");
const QString BadLength = QStringLiteral("The length must be a number greater than 0.");
const QString FrequencyTooLarge = QStringLiteral("The frequency must be at most %1 MHz.");
const QString LengthTooLarge = QStringLiteral("The length must be at most %1.");

enum { AppJumper = 0, AppFeeder = 1 };
enum { FeederBoth = 0, FeederTop = 1, FeederBottom = 2, FeederNone = 3 };

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

// A typed number above zero.
bool PositiveNumber(const QString& text, double& value)
{
    return TryUserStrToFloat(text, value) && value > 0;
}

} // namespace

QWidget* TfrmMain::BuildPage1()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page1"));
    auto* grid = new QGridLayout(page);

    rgApp = new TRadioGroup(QStringLiteral("rgApp"), QStringLiteral("Application:"),
                            {QStringLiteral("Jumper"), QStringLiteral("Feeder")}, page);
    SetHint(rgApp, QStringLiteral("Select An Application"));
    rgApp->SetItemIndexSilently(AppJumper);
    connect(rgApp, &TRadioGroup::Click, this, &TfrmMain::rgAppClick);

    auto* lengthGroup = new QGroupBox(QStringLiteral("Length:"), page);
    lengthGroup->setObjectName(QStringLiteral("gbxLength"));
    SetHint(lengthGroup, QStringLiteral("Select a Length"));
    auto* lengthLayout = new QHBoxLayout(lengthGroup);
    cboLength = NewEditableCombo(QStringLiteral("cboLength"), lengthGroup);
    rbFeet = new QRadioButton(QStringLiteral("Feet"), lengthGroup);
    rbFeet->setObjectName(QStringLiteral("rbFeet"));
    SetHint(rbFeet, QStringLiteral("Feet"));
    rbFeet->setChecked(true);
    rbMeters = new QRadioButton(QStringLiteral("Meters"), lengthGroup);
    rbMeters->setObjectName(QStringLiteral("rbMeters"));
    SetHint(rbMeters, QStringLiteral("Meters"));
    lengthLayout->addWidget(cboLength, 1);
    lengthLayout->addWidget(rbFeet);
    lengthLayout->addWidget(rbMeters);

    auto* frequencyGroup = new QGroupBox(QStringLiteral("Frequencies:"), page);
    frequencyGroup->setObjectName(QStringLiteral("gbxFrequencies"));
    SetHint(frequencyGroup, QStringLiteral("Select Frequencies"));
    auto* frequencyLayout = new QGridLayout(frequencyGroup);
    cboBeginning = NewEditableCombo(QStringLiteral("cboBeginning"), frequencyGroup);
    SetHint(cboBeginning, QStringLiteral("Select A Beginning Frequency"));
    cboEnding = NewEditableCombo(QStringLiteral("cboEnding"), frequencyGroup);
    SetHint(cboEnding, QStringLiteral("Select An Ending Frequency"));
    frequencyLayout->addWidget(new QLabel(QStringLiteral("Beginning Frequency:"), frequencyGroup),
                               0, 0);
    frequencyLayout->addWidget(cboBeginning, 0, 1);
    frequencyLayout->addWidget(new QLabel(QStringLiteral("MHz"), frequencyGroup), 0, 2);
    frequencyLayout->addWidget(new QLabel(QStringLiteral("Ending Frequency:"), frequencyGroup), 1,
                               0);
    frequencyLayout->addWidget(cboEnding, 1, 1);
    frequencyLayout->addWidget(new QLabel(QStringLiteral("MHz"), frequencyGroup), 1, 2);
    frequencyLayout->setColumnStretch(1, 1);

    rgCableType = new TRadioGroup(QStringLiteral("rgCableType"), QStringLiteral("Cable Type:"),
                                  {QStringLiteral("Air Coaxial"), QStringLiteral("Foam Coaxial"),
                                   QStringLiteral("Elliptical Waveguide")},
                                  page);
    SetHint(rgCableType, QStringLiteral("Select A Cable Type"));
    rgCableType->SetItemIndexSilently(1);

    rgFeeder =
        new TRadioGroup(QStringLiteral("rgFeeder"), QStringLiteral("Connector Attachment(s)"),
                        {QStringLiteral("Both Connectors"), QStringLiteral("Top Connector ONLY"),
                         QStringLiteral("Bottom Connector ONLY"), QStringLiteral("No Connectors")},
                        page);
    SetHint(rgFeeder, QStringLiteral("Select A Type Of Feeder"));
    rgFeeder->hide();
    // Choosing an item directly ticks the include boxes to match it, through their own handler,
    // so that the boxes, the items and the parts list always agree.
    connect(rgFeeder, &TRadioGroup::Click, this, [this] {
        const int choice = rgFeeder->ItemIndex();
        if (choice < FeederBoth || choice > FeederNone)
            return;
        const bool top = choice == FeederBoth || choice == FeederTop;
        const bool bottom = choice == FeederBoth || choice == FeederBottom;
        if (chkTopConnector->isChecked() == top && chkBottomConnector->isChecked() == bottom)
            return;
        chkTopConnector->setChecked(top);
        chkBottomConnector->setChecked(bottom);
        IncludeConnectorClick();
    });

    gbxConnectors = new QGroupBox(QStringLiteral("Connectors:"), page);
    gbxConnectors->setObjectName(QStringLiteral("gbxConnectors"));
    auto* connectorsLayout = new QVBoxLayout(gbxConnectors);
    chkTopConnector = new QCheckBox(QStringLiteral("Include Top Connector"), gbxConnectors);
    chkTopConnector->setObjectName(QStringLiteral("chkTopConnector"));
    chkTopConnector->setChecked(true);
    chkBottomConnector = new QCheckBox(QStringLiteral("Include Bottom Connector"), gbxConnectors);
    chkBottomConnector->setObjectName(QStringLiteral("chkBottomConnector"));
    chkBottomConnector->setChecked(true);
    connectorsLayout->addWidget(chkTopConnector);
    connectorsLayout->addWidget(chkBottomConnector);
    gbxConnectors->hide();
    connect(chkTopConnector, &QCheckBox::clicked, this, &TfrmMain::IncludeConnectorClick);
    connect(chkBottomConnector, &QCheckBox::clicked, this, &TfrmMain::IncludeConnectorClick);

    imgTopJumper = NewPicture(QStringLiteral("imgTopJumper"), page, 160, 140);
    SetHint(imgTopJumper, QStringLiteral("Top Jumper"));
    imgBottomJumper = NewPicture(QStringLiteral("imgBottomJumper"), page, 160, 140);
    SetHint(imgBottomJumper, QStringLiteral("Bottom Jumper"));
    imgFeeder = NewPicture(QStringLiteral("imgFeeder"), page, 160, 160);
    SetHint(imgFeeder, QStringLiteral("Main Feeder"));
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

void TfrmMain::LoadLengthCombo(int first, int last, int itemIndex)
{
    cboLength->clear();
    QStringList items;
    for (int value = first; value <= last; ++value)
        items.append(QString::number(value));
    cboLength->addItems(items);
    cboLength->setCurrentIndex(itemIndex);
}

bool TfrmMain::WouldWarn(const QString& text)
{
    return !text.isEmpty() && !IsUserNumber(text);
}

bool TfrmMain::IsNumeric(const QString& text)
{
    if (!WouldWarn(text))
        return true;
    Dialogs::Beep();
    Dialogs::Warning(this, NotNumeric);
    return false;
}

bool TfrmMain::CheckValue(QComboBox* box)
{
    if (IsNumeric(box->currentText()))
        return true;
    if (box->count() > 0) {
        box->setCurrentIndex(0);
        box->setEditText(box->itemText(0));
    } else {
        box->setEditText(QString());
    }
    return false;
}

void TfrmMain::rgAppClick()
{
    const bool feeder = rgApp->ItemIndex() == AppFeeder;
    if (feeder) {
        rgFeeder->show();
        rgFeeder->SetItemIndex(FeederBoth);
        AttachmentChoice = 1;
        LoadLengthCombo(100, 500, 100);
    } else {
        rgFeeder->hide();
        rgCableType->SetItemIndex(1);
        chkTopConnector->setChecked(true);
        chkBottomConnector->setChecked(true);
        IncludeConnectorClick();
        rgFeeder->SetItemIndex(-1);
        AttachmentChoice = 0;
        LoadLengthCombo(1, 50, 5);
    }
    gbxConnectors->setVisible(feeder);
    imgFeeder->setVisible(feeder);
    rgCableType->SetItemEnabled(2, feeder);
    imgTopJumper->setVisible(!feeder);
    imgBottomJumper->setVisible(!feeder);
}

void TfrmMain::IncludeConnectorClick()
{
    const bool top = chkTopConnector->isChecked();
    const bool bottom = chkBottomConnector->isChecked();
    int choice = FeederNone;
    if (top && bottom)
        choice = FeederBoth;
    else if (top)
        choice = FeederTop;
    else if (bottom)
        choice = FeederBottom;
    rgFeeder->SetItemIndex(choice);
    rgFeeder->SetItemEnabled(FeederBoth, top && bottom);
    rgFeeder->SetItemEnabled(FeederTop, top);
    rgFeeder->SetItemEnabled(FeederBottom, bottom);
}

bool TfrmMain::cboLengthExit()
{
    return CheckValue(cboLength);
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

namespace {

// Puts the list into box and chooses text, adding it at the end when it is not an item.
void ChooseAdding(QComboBox* box, const QString& text)
{
    int index = box->findText(text, Qt::MatchExactly);
    if (index < 0) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

} // namespace

bool TfrmMain::cboEndingExit()
{
    const QString remembered = cboBeginning->currentText();
    const bool numeric = CheckValue(cboEnding);
    double ending = 0;
    if (!TryUserStrToFloat(cboEnding->currentText(), ending))
        return numeric;
    QStringList below;
    for (const QString& text : BeginningFrequencies) {
        double value = 0;
        if (TryUserStrToFloat(text, value) && value < ending)
            below.append(text);
    }
    cboBeginning->clear();
    cboBeginning->addItems(below);
    double beginning = 0;
    if (TryUserStrToFloat(remembered, beginning) && beginning <= ending)
        ChooseAdding(cboBeginning, remembered);
    else
        cboBeginning->setCurrentIndex(cboBeginning->count() - 1);
    return numeric;
}

bool TfrmMain::cboBeginningExit()
{
    const QString remembered = cboEnding->currentText();
    const bool numeric = CheckValue(cboBeginning);
    double beginning = 0;
    if (!TryUserStrToFloat(cboBeginning->currentText(), beginning))
        return numeric;
    QStringList above;
    for (const QString& text : EndingFrequencies) {
        double value = 0;
        if (TryUserStrToFloat(text, value) && value > beginning)
            above.append(text);
    }
    cboEnding->clear();
    cboEnding->addItems(above);
    cboEnding->setCurrentIndex(cboEnding->count() > 0 ? 0 : -1);
    double ending = 0;
    if (TryUserStrToFloat(remembered, ending) && !(ending < beginning))
        ChooseAdding(cboEnding, remembered);
    return numeric;
}

bool TfrmMain::Page1Next()
{
    double beginning = 0;
    double ending = 0;
    double length = 0;
    if (!PositiveNumber(cboBeginning->currentText(), beginning)) {
        Dialogs::Beep();
        Dialogs::Warning(this, BadBeginning);
        return false;
    }
    if (!PositiveNumber(cboEnding->currentText(), ending)) {
        Dialogs::Beep();
        Dialogs::Warning(this, BadEnding);
        return false;
    }
    if (beginning > ending) {
        Dialogs::Beep();
        Dialogs::Error(this, BandReversed);
        return false;
    }
    if (!PositiveNumber(cboLength->currentText(), length)) {
        Dialogs::Beep();
        Dialogs::Warning(this, BadLength);
        return false;
    }
    // Larger values give no sound figures or prices.
    const auto tooLarge = [this](double value, double bound, const QString& text) {
        if (value <= bound)
            return false;
        Dialogs::Beep();
        Dialogs::Warning(this, text.arg(FloatToStr(bound)));
        return true;
    };
    if (tooLarge(beginning, MaxTypedFrequency, FrequencyTooLarge) ||
        tooLarge(ending, MaxTypedFrequency, FrequencyTooLarge) ||
        tooLarge(length, MaxTypedLength, LengthTooLarge))
        return false;

    TCableCriteria criteria;
    criteria.UseBand = true;
    criteria.BeginFrequency = beginning;
    criteria.EndFrequency = ending;
    criteria.Air = rgCableType->ItemIndex() == 0;
    criteria.Foam = rgCableType->ItemIndex() == 1;
    criteria.EllipticalWaveguide = rgCableType->ItemIndex() == 2;
    MatchingCables = SelectCables(CableRefs(Cables), criteria);
    GradeCables = MatchingCables;
    if (MatchingCables.isEmpty()) {
        Dialogs::Beep();
        Dialogs::Warning(this, NoMatch);
        return false;
    }
    return true;
}
