#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

// Update Options: the days between updates and the "Auto Update" preference of update.ini. They
// are read when the dialog is created and written when it closes, however it closes.
class TfrmOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOptions(QWidget* parent = nullptr);

    void done(int result) override;

private:
    void FormCreate();
    void FormDestroy();
    void cbxAutoUpdateClick();
    // The days as the spin box's text gives them: a text that is not a whole number counts as
    // the lowest value; the result lies within the box's range.
    int DaysShown() const;

    QLabel* Label1 = nullptr;
    QSpinBox* txtDays = nullptr;
    QCheckBox* cbxAutoUpdate = nullptr;
    QPushButton* btnOK = nullptr;
    bool Saved = false;
};
