#pragma once

#include "TeamArchive.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Options > Quote Archive...: where quotes are recorded, on this computer or on a team's server
// (host, port, database, user and password). Test Connection connects with what is entered and
// says plainly what failed; the schema is made then, as on any first use.
class TfrmQuoteArchive : public QDialog
{
    Q_OBJECT
public:
    TfrmQuoteArchive(const TArchiveSetting& setting, QWidget* parent = nullptr);

    // What is entered, without the password.
    TArchiveSetting Setting() const;
    // The password entered; empty when none was.
    QString Password() const;

private:
    void ShowControls();
    void btnTestClick();
    void btnOKClick();

    QRadioButton* rbLocal = nullptr;
    QRadioButton* rbServer = nullptr;
    QLineEdit* edtHost = nullptr;
    QSpinBox* spnPort = nullptr;
    QLineEdit* edtDatabase = nullptr;
    QLineEdit* edtUser = nullptr;
    QLineEdit* edtPassword = nullptr;
    QPushButton* btnTest = nullptr;
    QLabel* lblResult = nullptr;
};
