#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The one way the program asks where to print. While the message-box facade records (tests),
// no dialog is shown: each call counts as shown and answers with the next queued answer, or
// as cancelled when none is queued.
namespace PrintDialogs {

// Lets the user choose and set up the printer (or a PDF file); true to print, false when
// cancelled.
bool Execute(QWidget* parent, QPrinter& printer);

// --- Test hooks ---
// The next call sets the printer to write a PDF file at path and answers "print".
void SetNextOutputFile(const QString& path);
// The next call answers "cancelled".
void SetNextCancel();
// Forgets queued answers and the count of shown dialogs.
void Reset();
// How many dialogs were asked for since the last call.
int TakeShownCount();

} // namespace PrintDialogs
