#pragma once

#include "platform/DialogFolders.h"

#include <QList>
#include <QString>

class QWidget;

// The one way the program asks for file names. While the message-box facade records (tests),
// no dialog is shown: each call records what it would show and answers with the next queued
// name, or with an empty name (cancelled) when none is queued.
namespace FileDialogs {

// A file to write; the dialog asks before an existing file is replaced. It opens in folder (made
// when missing; the home folder when it cannot be) with name proposed. Empty when cancelled.
QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& defaultSuffix,
                        const QString& name = {});
// A file to read; a name that does not exist may be returned. Empty when cancelled.
QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& defaultSuffix);

// The same, starting where a dialog for this kind of file starts (DialogFolders) and remembering
// the folder of the file chosen.
QString GetSaveFileName(QWidget* parent, const QString& caption, TDialogFolder kind,
                        const QString& filter, const QString& defaultSuffix,
                        const QString& name = {});
QString GetOpenFileName(QWidget* parent, const QString& caption, TDialogFolder kind,
                        const QString& filter, const QString& defaultSuffix);

// --- Test hooks ---
struct TShownDialog {
    bool Save = false;
    QString Folder;
    QString Filter;
    QString DefaultSuffix;
    QString Name; // the file name proposed
};
void SetNextFileName(const QString& name);
// Forgets queued names and shown dialogs.
void Reset();
QList<TShownDialog> TakeShownDialogs();

} // namespace FileDialogs
