#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The Quick Update dialog: downloads and starts the newest installer (Update), or postpones the
// next reminder (Cancel); Options edits the update interval. Update and Cancel move the next
// reminder date in update.ini; closing the window by its close box or Escape writes nothing.
class TfrmUpdate : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmUpdate(QWidget* parent = nullptr);

    // Replaces the default message, as the reminder does.
    void SetMessage(const QString& message);

private:
    void FormCreate();
    void btnUpdateClick();
    void btnCancelClick();
    void btnOptionsClick();
    // Writes the next reminder date, reporting a failure.
    void WriteNextUpdate(bool recordUpdate);

    QLabel* Image1 = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* btnUpdate = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOptions = nullptr;
    bool Busy = false;
};
