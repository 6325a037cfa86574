#include "TfrmQuoteArchive.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmQuoteArchive::TfrmQuoteArchive(const TArchiveSetting& setting, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmQuoteArchive"));
    setWindowTitle(tr("Quote Archive"));
    auto* layout = new QVBoxLayout(this);
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    rbLocal = named(new QRadioButton(tr("On this computer"), this), "rbLocal");
    rbServer = named(new QRadioButton(tr("On a server"), this), "rbServer");
    layout->addWidget(rbLocal);
    layout->addWidget(rbServer);

    auto* form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 0);
    edtHost = named(new QLineEdit(setting.Server.Host, this), "edtHost");
    spnPort = named(new QSpinBox(this), "spnPort");
    spnPort->setRange(1, 65535);
    spnPort->setValue(setting.Server.Port);
    edtDatabase = named(new QLineEdit(setting.Server.Database, this), "edtDatabase");
    edtUser = named(new QLineEdit(setting.Server.User, this), "edtUser");
    edtPassword = named(new QLineEdit(this), "edtPassword");
    edtPassword->setEchoMode(QLineEdit::Password);
    if (setting.OnServer && KnownPassword(setting.Server))
        edtPassword->setPlaceholderText(tr("(as kept)"));
    form->addRow(tr("&Host:"), edtHost);
    form->addRow(tr("P&ort:"), spnPort);
    form->addRow(tr("&Database:"), edtDatabase);
    form->addRow(tr("&User:"), edtUser);
    form->addRow(tr("Pass&word:"), edtPassword);
    layout->addLayout(form);

    btnTest = named(new QPushButton(tr("&Test Connection"), this), "btnTest");
    auto* testRow = new QHBoxLayout;
    testRow->setContentsMargins(24, 0, 0, 0);
    testRow->addWidget(btnTest);
    testRow->addStretch(1);
    layout->addLayout(testRow);
    lblResult = named(new QLabel(this), "lblResult");
    lblResult->setWordWrap(true);
    lblResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblResult);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);

    (setting.OnServer ? rbServer : rbLocal)->setChecked(true);
    connect(rbServer, &QRadioButton::toggled, this, &TfrmQuoteArchive::ShowControls);
    connect(btnTest, &QPushButton::clicked, this, &TfrmQuoteArchive::btnTestClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmQuoteArchive::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowControls();
    resize(440, sizeHint().height());
}

TArchiveSetting TfrmQuoteArchive::Setting() const
{
    TArchiveSetting setting;
    setting.OnServer = rbServer->isChecked();
    setting.Server.Host = edtHost->text().trimmed();
    setting.Server.Port = spnPort->value();
    setting.Server.Database = edtDatabase->text().trimmed();
    setting.Server.User = edtUser->text().trimmed();
    return setting;
}

QString TfrmQuoteArchive::Password() const
{
    return edtPassword->text();
}

void TfrmQuoteArchive::ShowControls()
{
    const bool server = rbServer->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{edtHost, spnPort, edtDatabase, edtUser,
                                                            edtPassword, btnTest})
        control->setEnabled(server);
    lblResult->clear();
}

void TfrmQuoteArchive::btnTestClick()
{
    TArchiveServer server = Setting().Server;
    server.Password = Password().isEmpty() ? KnownPassword(server).value_or(QString()) : Password();
    lblResult->setText(tr("Connecting..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString result;
    try {
        const TQuoteArchive archive(server);
        result = tr("Connected: the quote archive on the server is ready.");
    } catch (const TDataError& error) {
        result = error.FullText();
    }
    QApplication::restoreOverrideCursor();
    lblResult->setText(result);
}

void TfrmQuoteArchive::btnOKClick()
{
    const TArchiveSetting setting = Setting();
    if (setting.OnServer && (setting.Server.Database.isEmpty() || setting.Server.User.isEmpty())) {
        Dialogs::Error(this, tr("Enter the database and the user of the quote archive server."));
        (setting.Server.Database.isEmpty() ? edtDatabase : edtUser)->setFocus();
        return;
    }
    accept();
}
