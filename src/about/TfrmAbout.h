#pragma once

#include <QDialog>
#include <QString>

class QKeyEvent;
class QLabel;
class QMovie;
class QPlainTextEdit;
class QPushButton;

// The About box: the logo, the product's title and the terms of sale. A click anywhere closes
// it. Two hidden gestures replace its contents: a capital "T" typed on the Ok button or the
// terms shows another picture, and T, E, A, M typed with Alt held plays the team animation.
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void btnOkClick();
    void btnOkKeyPress(const QKeyEvent* event);
    // True when the release was part of the Alt gesture.
    bool FormKeyUp(const QKeyEvent* event);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* RxGIFAnimator1 = nullptr;
    QPushButton* btnOk = nullptr;
    QMovie* Animation = nullptr;
    QString HiddenKeyBuffer;
};

// Opens the About box modally.
void ShowAbout(QWidget* parent);
