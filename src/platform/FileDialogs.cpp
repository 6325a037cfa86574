#include "FileDialogs.h"

#include "Dialogs.h"

#include <QDir>
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
            const QString& filter, const QString& defaultSuffix, const QString& name)
{
    if (Dialogs::Recording()) {
        State().Shown.append({save, folder, filter, defaultSuffix, name});
        return State().Names.isEmpty() ? QString() : State().Names.takeFirst();
    }
    // A dialog opened on a folder that does not exist offers the folder's name as the file's.
    QString start = folder;
    if (save && !start.isEmpty() && !QDir().mkpath(start))
        start = QDir::homePath();
    QFileDialog dialog(parent, caption, start, filter);
    if (!name.isEmpty())
        dialog.selectFile(name);
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
                        const QString& filter, const QString& defaultSuffix, const QString& name)
{
    return Ask(parent, true, caption, folder, filter, defaultSuffix, name);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& defaultSuffix)
{
    return Ask(parent, false, caption, folder, filter, defaultSuffix, QString());
}

void SetNextFileName(const QString& name)
{
    State().Names.append(name);
}

void Reset()
{
    State() = TState{};
}

QString GetSaveFileName(QWidget* parent, const QString& caption, TDialogFolder kind,
                        const QString& filter, const QString& defaultSuffix, const QString& name)
{
    const QString path =
        GetSaveFileName(parent, caption, DialogFolders::Start(kind), filter, defaultSuffix, name);
    DialogFolders::Remember(kind, path);
    return path;
}

QString GetOpenFileName(QWidget* parent, const QString& caption, TDialogFolder kind,
                        const QString& filter, const QString& defaultSuffix)
{
    const QString path =
        GetOpenFileName(parent, caption, DialogFolders::Start(kind), filter, defaultSuffix);
    DialogFolders::Remember(kind, path);
    return path;
}

QList<TShownDialog> TakeShownDialogs()
{
    return std::exchange(State().Shown, {});
}

} // namespace FileDialogs
