#include "Dialogs.h"

#include "base/Translate.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

struct TState {
    bool Recording = false;
    QList<QMessageBox::StandardButton> Answers;
    QList<Dialogs::TShownMessage> Messages;
    int Beeps = 0;
    QList<QUrl> Urls;
    int Open = 0;
};

TState& State()
{
    static TState state;
    return state;
}

QString Caption(Dialogs::TIcon icon)
{
    switch (icon) {
    case Dialogs::TIcon::Error:
        return Tr("Dialogs", "Error");
    case Dialogs::TIcon::Warning:
        return Tr("Dialogs", "Warning");
    case Dialogs::TIcon::Information:
        return Tr("Dialogs", "Information");
    case Dialogs::TIcon::Confirmation:
        return Tr("Dialogs", "Confirm");
    }
    return {};
}

QMessageBox::Icon BoxIcon(Dialogs::TIcon icon)
{
    switch (icon) {
    case Dialogs::TIcon::Error:
        return QMessageBox::Critical;
    case Dialogs::TIcon::Warning:
        return QMessageBox::Warning;
    case Dialogs::TIcon::Information:
        return QMessageBox::Information;
    case Dialogs::TIcon::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons)
{
    for (unsigned bit = 1; bit != 0; bit <<= 1)
        if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
            return static_cast<QMessageBox::StandardButton>(bit);
    return QMessageBox::Ok;
}

} // namespace

namespace Dialogs {

QMessageBox::StandardButton Message(QWidget* parent, TIcon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton,
                                    const QString& details)
{
    TState& state = State();
    if (state.Recording) {
        state.Messages.append({icon, text, defaultButton, details});
        if (!state.Answers.isEmpty())
            return state.Answers.takeFirst();
        return FirstButton(buttons);
    }
    // Message texts break lines with a carriage return alone.
    QMessageBox box(BoxIcon(icon), Caption(icon),
                    QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')), buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (!details.isEmpty())
        box.setDetailedText(details);
    ++state.Open;
    const int result = box.exec();
    --state.Open;
    return static_cast<QMessageBox::StandardButton>(result);
}

void Error(QWidget* parent, const QString& text)
{
    Message(parent, TIcon::Error, text);
}

void Warning(QWidget* parent, const QString& text)
{
    Message(parent, TIcon::Warning, text);
}

void Information(QWidget* parent, const QString& text)
{
    Message(parent, TIcon::Information, text);
}

void Beep()
{
    if (State().Recording)
        ++State().Beeps;
    else
        QApplication::beep();
}

void OpenUrl(const QUrl& url)
{
    if (State().Recording)
        State().Urls.append(url);
    else
        QDesktopServices::openUrl(url);
}

bool MessageShowing()
{
    return State().Open > 0;
}

void SetRecording(bool on)
{
    State() = TState{};
    State().Recording = on;
}

bool Recording()
{
    return State().Recording;
}

void SetNextAnswer(QMessageBox::StandardButton answer)
{
    State().Answers.append(answer);
}

QList<TShownMessage> TakeMessages()
{
    return std::exchange(State().Messages, {});
}

void ForgetMessage(const QString& text)
{
    QList<TShownMessage>& messages = State().Messages;
    for (qsizetype i = 0; i < messages.size(); ++i)
        if (messages.at(i).Text == text) {
            messages.removeAt(i);
            return;
        }
}

int TakeBeeps()
{
    return std::exchange(State().Beeps, 0);
}

QList<QUrl> TakeOpenedUrls()
{
    return std::exchange(State().Urls, {});
}

} // namespace Dialogs
