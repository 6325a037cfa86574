#include "DatasheetActions.h"

#include "base/LineFormat.h"
#include "platform/Desktop.h"

#include "documents/DatasheetPdf.h"
#include "main/WindowHost.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Translation.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A name for the file: the part number, or "datasheet"; characters other than letters, digits,
// '.', '-' and '_' as '_'.
QString ProposedName(const TDatasheet& sheet, bool hasPartNumber)
{
    QString name = hasPartNumber ? sheet.Name : QStringLiteral("datasheet");
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-') &&
            c != QLatin1Char('_'))
            c = QLatin1Char('_');
    return name + QStringLiteral(".pdf");
}

} // namespace

TDatasheetActions::TDatasheetActions(TWindowHost& window)
    : QObject(&window.MainWindow()), Host(window), Window(window.MainWindow())
{
    setObjectName(QStringLiteral("DatasheetActions"));
    DatasheetPdf1 = new QAction(&Window);
    DatasheetPdf1->setObjectName(QStringLiteral("DatasheetPdf1"));
    BindText(DatasheetPdf1, "text", TrKey("TDatasheetActions", "Datas&heet PDF..."));
    if (QMenu* file = Window.menuBar()->findChild<QMenu*>(QStringLiteral("File1"))) {
        auto* exportMenu = Window.findChild<QMenu*>(QStringLiteral("Export1"));
        file->insertAction(exportMenu != nullptr ? exportMenu->menuAction() : nullptr,
                           DatasheetPdf1);
    }
    connect(DatasheetPdf1, &QAction::triggered, this, &TDatasheetActions::DatasheetPdf1Click);
    for (QPushButton* button : Window.findChildren<QPushButton*>(QStringLiteral("btnDatasheet")))
        connect(button, &QPushButton::clicked, this, &TDatasheetActions::DatasheetPdf1Click);
    connect(&Host.Events(), &TWindowEvents::PageChanged, this, &TDatasheetActions::PageShown);
    PageShown();
}

void TDatasheetActions::PageShown()
{
    const TPage page = Host.CurrentPage();
    DatasheetPdf1->setEnabled(page == TPage::NoPN || page == TPage::Final);
}

TDatasheet TDatasheetActions::Datasheet() const
{
    return DatasheetOf(Host.CurrentQuote(), Host.CurrentRequest(),
                       DocumentDateText(Host.ResultContent().LastUpdateDay));
}

void TDatasheetActions::DatasheetPdf1Click()
{
    const TPage page = Host.CurrentPage();
    if ((page != TPage::NoPN && page != TPage::Final) || !Host.CurrentQuote().Quoted())
        return;
    const TDatasheet sheet = Datasheet();
    const bool hasPartNumber =
        page == TPage::Final && !Host.CurrentQuote().Assembly.PartNumber.isEmpty();
    const QString path = FileDialogs::GetSaveFileName(
        &Window, tr("Save Datasheet as PDF"), TDialogFolder::Documents, tr("PDF Files (*.pdf)"),
        QStringLiteral("pdf"), ProposedName(sheet, hasPartNumber));
    if (path.isEmpty())
        return;
    if (const QString failure = WriteDatasheetPdf(sheet, path); !failure.isEmpty()) {
        Dialogs::Error(&Window, failure);
        return;
    }
    Desktop::OpenWritten(&Window, path, QStringLiteral("application/pdf"));
}
