#include "PrintDialogs.h"

#include "Dialogs.h"

#include <QList>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

namespace {

struct TState {
    // A null entry is a cancel; any other entry is the PDF file to print to.
    QList<QString> Answers;
    int Shown = 0;
};

TState& State()
{
    static TState state;
    return state;
}

} // namespace

namespace PrintDialogs {

bool Execute(QWidget* parent, QPrinter& printer)
{
    if (Dialogs::Recording()) {
        ++State().Shown;
        if (State().Answers.isEmpty())
            return false;
        const QString path = State().Answers.takeFirst();
        if (path.isNull())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    // The report always prints whole: page ranges and selections do not apply.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

void SetNextOutputFile(const QString& path)
{
    // A null entry is a cancel, so a null path is queued as an empty one.
    State().Answers.append(path.isNull() ? QStringLiteral("") : path);
}

void SetNextCancel()
{
    State().Answers.append(QString());
}

void Reset()
{
    State() = TState{};
}

int TakeShownCount()
{
    return std::exchange(State().Shown, 0);
}

} // namespace PrintDialogs
