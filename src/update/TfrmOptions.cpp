#include "TfrmOptions.h"

#include "base/DataError.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "update/UpdateSettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

TfrmOptions::TfrmOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Update Options"));

    Label1 = new QLabel(tr("Set days between each update"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtDays = new QSpinBox(this);
    txtDays->setObjectName(QStringLiteral("txtDays"));
    txtDays->setRange(10, 100);
    txtDays->setValue(DefaultUpdateInterval);
    txtDays->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    Label1->setBuddy(txtDays);
    cbxAutoUpdate = new QCheckBox(tr("Do not use Auto Update"), this);
    cbxAutoUpdate->setObjectName(QStringLiteral("cbxAutoUpdate"));
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    auto* days = new QHBoxLayout;
    days->addWidget(Label1);
    days->addWidget(txtDays);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(days);
    layout->addWidget(cbxAutoUpdate);
    layout->addLayout(buttons);
    // A fixed dialog border.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbxAutoUpdate, &QCheckBox::toggled, this, &TfrmOptions::cbxAutoUpdateClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TfrmOptions::done(int result)
{
    if (!Saved) {
        Saved = true;
        FormDestroy();
    }
    QDialog::done(result);
}

void TfrmOptions::FormCreate()
{
    const QString path = AppPaths::UpdateIniFile();
    txtDays->setValue(ReadUpdateInterval(path));
    cbxAutoUpdate->setChecked(ReadAutoUpdate(path));
    cbxAutoUpdateClick();
}

void TfrmOptions::FormDestroy()
{
    try {
        WriteUpdateOptions(AppPaths::UpdateIniFile(), DaysShown(), cbxAutoUpdate->isChecked());
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
}

void TfrmOptions::cbxAutoUpdateClick()
{
    txtDays->setEnabled(!cbxAutoUpdate->isChecked());
}

int TfrmOptions::DaysShown() const
{
    bool ok = false;
    const int days = txtDays->locale().toInt(txtDays->cleanText(), &ok);
    if (!ok)
        return txtDays->minimum();
    return std::clamp(days, txtDays->minimum(), txtDays->maximum());
}
