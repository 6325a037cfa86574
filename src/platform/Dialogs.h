#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// The one way the program shows message boxes, beeps and opens addresses. Tests switch it to
// record what would be shown and to answer with queued buttons instead of waiting for a user.
namespace Dialogs {

enum class TIcon { Error, Warning, Information, Confirmation };

struct TShownMessage {
    TIcon Icon;
    QString Text;
    // The button Return presses; NoButton for the box's own choice.
    QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
    // The box's details (Show Details...), empty for none.
    QString Details;
};

// A modal message box with the given icon and buttons; returns the button pressed. A question
// whose Yes loses something names No as its default button.
QMessageBox::StandardButton
Message(QWidget* parent, TIcon icon, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        const QString& details = {});
void Error(QWidget* parent, const QString& text);
void Warning(QWidget* parent, const QString& text);
void Information(QWidget* parent, const QString& text);

void Beep();

// Opens an address or a file with the user's default application.
void OpenUrl(const QUrl& url);

// True while a message box of this facade is open.
bool MessageShowing();

// --- Test hooks ---
// While recording, nothing is shown: messages, beeps and opened addresses are kept, and each
// message is answered with the next queued answer or, when none is queued, its first button.
void SetRecording(bool on);
bool Recording();
void SetNextAnswer(QMessageBox::StandardButton answer);
QList<TShownMessage> TakeMessages();
// Forgets the first recorded message with this text (a question a test has answered).
void ForgetMessage(const QString& text);
int TakeBeeps();
QList<QUrl> TakeOpenedUrls();

} // namespace Dialogs
