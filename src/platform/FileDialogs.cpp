#include "FileDialogs.h"

#include "Dialogs.h"

#include <QFileDialog>
#include <utility>

namespace {

struct TState {
    QList<QString> Names;
    QList<FileDialogs::TShownDialog> Shown;
};

TState& State()
{
    static TState state;
    return state;
}

QString Ask(QWidget* parent, bool save, const QString& caption, const QString& folder,
            const QString& filter, const QString& defaultSuffix)
{
    if (Dialogs::Recording()) {
        State().Shown.append({save, folder, filter, defaultSuffix});
        return State().Names.isEmpty() ? QString() : State().Names.takeFirst();
    }
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening does not insist that the file exists; the reader reports a missing one.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

namespace FileDialogs {

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& defaultSuffix)
{
    return Ask(parent, true, caption, folder, filter, defaultSuffix);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& defaultSuffix)
{
    return Ask(parent, false, caption, folder, filter, defaultSuffix);
}

void SetNextFileName(const QString& name)
{
    State().Names.append(name);
}

void Reset()
{
    State() = TState{};
}

QList<TShownDialog> TakeShownDialogs()
{
    return std::exchange(State().Shown, {});
}

} // namespace FileDialogs
