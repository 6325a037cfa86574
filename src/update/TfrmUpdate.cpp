#include "TfrmUpdate.h"

#include "base/DataError.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "QuickUpdate.h"
#include "TfrmOptions.h"
#include "update/UpdateSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int TextWidth = 320;

QLabel* WrappedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setMinimumWidth(TextWidth);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmUpdate::TfrmUpdate(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(tr("Quick Update"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblMessage = WrappedLabel(this, "lblMessage",
                              tr("Before clicking the Update button, please make sure you have an "
                                 "active Internet connection."));
    Label2 = WrappedLabel(this, "Label2",
                          tr("It is recommended that you restart your application after updated "
                             "files have been installed."));
    btnUpdate = Button(this, "btnUpdate", tr("&Update"));
    btnUpdate->setDefault(true);
    btnCancel = Button(this, "btnCancel", tr("&Cancel"));
    btnOptions = Button(this, "btnOptions", tr("&Options"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblMessage);
    texts->addWidget(Label2);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUpdate);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnOptions);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    // A fixed dialog border.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnUpdate, &QPushButton::clicked, this, &TfrmUpdate::btnUpdateClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmUpdate::btnCancelClick);
    connect(btnOptions, &QPushButton::clicked, this, &TfrmUpdate::btnOptionsClick);

    FormCreate();
}

void TfrmUpdate::SetMessage(const QString& message)
{
    lblMessage->setText(message);
}

void TfrmUpdate::FormCreate()
{
    Desktop::ShowPicture(Image1, AppPaths::ImageFile(QStringLiteral("update.gif")));
}

void TfrmUpdate::btnUpdateClick()
{
    if (Busy)
        return;
    Busy = true;
    const QPointer<TfrmUpdate> self = this;
    const bool installed = DownloadAndInstall(this, InstallerUrl(), InstallerPath(InstallerUrl()));
    if (!self)
        return;
    // A failed download postpones the next reminder but is not recorded as an update.
    WriteNextUpdate(installed);
    Busy = false;
    accept();
}

void TfrmUpdate::btnCancelClick()
{
    if (Busy)
        return;
    WriteNextUpdate(false);
    reject();
}

void TfrmUpdate::btnOptionsClick()
{
    if (Busy)
        return;
    const QPointer<TfrmOptions> options = new TfrmOptions(this);
    options->exec();
    delete options.data();
}

void TfrmUpdate::WriteNextUpdate(bool recordUpdate)
{
    try {
        WriteNextUpdateDate(ReadUpdateInterval(), recordUpdate);
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
}
