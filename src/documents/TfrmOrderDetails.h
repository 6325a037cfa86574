#pragma once

#include "order/Order.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The order's details: company, author, date, job and proposal numbers. The date is typed in the
// regional short format (today is offered when there is none yet); OK refuses a text that is no
// date. Details() gives what OK confirmed, each value on one line.
class TfrmOrderDetails : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOrderDetails(const TOrderDetails& details, QWidget* parent = nullptr);

    TOrderDetails Details() const { return Confirmed; }
    void accept() override;

private:
    QLineEdit* edtCompanyName = nullptr;
    QLineEdit* edtAuthor = nullptr;
    QLineEdit* edtDate = nullptr;
    QLineEdit* edtJobNumber = nullptr;
    QLineEdit* edtProposalNumber = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    TOrderDetails Confirmed;
};
