#include "TfrmOrderDetails.h"

#include "base/LineFormat.h"
#include "platform/Dialogs.h"

#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The longest value a detail takes: ample for a company name, far below the order file's limit.
constexpr int MaxDetailLength = 200;

// A value on one line, without blanks around it.
QString OneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return line.trimmed();
}

} // namespace

TfrmOrderDetails::TfrmOrderDetails(const TOrderDetails& details, QWidget* parent)
    : QDialog(parent), Confirmed(details)
{
    setObjectName(QStringLiteral("frmOrderDetails"));
    setWindowTitle(tr("Order Details"));

    auto edit = [this](const char* name, const QString& value) {
        auto* box = new QLineEdit(value, this);
        box->setObjectName(QLatin1String(name));
        box->setMaxLength(MaxDetailLength);
        box->setMinimumWidth(260);
        return box;
    };
    edtCompanyName = edit("edtCompanyName", details.CompanyName);
    edtAuthor = edit("edtAuthor", details.Author);
    const QString today = UserLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    edtDate = edit("edtDate", details.Date.isEmpty() ? today : ShownOrderDate(details.Date));
    edtDate->setPlaceholderText(today);
    edtJobNumber = edit("edtJobNumber", details.JobNumber);
    edtProposalNumber = edit("edtProposalNumber", details.ProposalNumber);

    auto* form = new QFormLayout;
    form->addRow(tr("&Company name:"), edtCompanyName);
    form->addRow(tr("&Author:"), edtAuthor);
    form->addRow(tr("Da&te:"), edtDate);
    form->addRow(tr("&Job number:"), edtJobNumber);
    form->addRow(tr("&Proposal number:"), edtProposalNumber);

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnOk, &QPushButton::clicked, this, &TfrmOrderDetails::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmOrderDetails::accept()
{
    const std::optional<QString> date = DataOrderDate(OneLine(edtDate->text()));
    if (!date) {
        Dialogs::Beep();
        Dialogs::Warning(
            this, tr("The date must be a date such as %1.")
                      .arg(UserLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
        edtDate->setFocus();
        return;
    }
    Confirmed = {OneLine(edtCompanyName->text()), OneLine(edtAuthor->text()), *date,
                 OneLine(edtJobNumber->text()), OneLine(edtProposalNumber->text())};
    QDialog::accept();
}
