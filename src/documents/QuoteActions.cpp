#include "QuoteActions.h"

#include "OrderDocument.h"

#include "base/DataError.h"
#include "documents/QuotePdf.h"
#include "documents/TfrmOrderDetails.h"
#include "history/QuoteHistory.h"
#include "main/WindowHost.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Translation.h"
#include "pricing/Currencies.h"
#include "reports/Workbook.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

TQuoteActions::TQuoteActions(TWindowHost& window)
    : QObject(&window.MainWindow()), Host(window), Window(window.MainWindow())
{
    setObjectName(QStringLiteral("QuoteActions"));
    QMenu* file = Window.menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
    auto* exportMenu = Window.findChild<QMenu*>(QStringLiteral("Export1"));
    const auto action = [this, file](const char* name, TTrKey caption, QAction* before) {
        auto* item = new QAction(&Window);
        item->setObjectName(QLatin1String(name));
        BindText(item, "text", caption);
        if (file != nullptr)
            file->insertAction(before, item);
        return item;
    };
    OrderDetails1 = action("OrderDetails1", TrKey("TQuoteActions", "Order &Details..."),
                           Window.findChild<QAction*>(QStringLiteral("Print1")));
    QAction* afterPrint = exportMenu != nullptr ? exportMenu->menuAction() : nullptr;
    PrintQuote1 = action("PrintQuote1", TrKey("TQuoteActions", "Print Q&uote..."), afterPrint);
    SaveQuotePdf1 =
        action("SaveQuotePdf1", TrKey("TQuoteActions", "Save Quote as PD&F..."), afterPrint);
    connect(OrderDetails1, &QAction::triggered, this, &TQuoteActions::OrderDetails1Click);
    connect(PrintQuote1, &QAction::triggered, this, &TQuoteActions::PrintQuote1Click);
    connect(SaveQuotePdf1, &QAction::triggered, this, &TQuoteActions::SaveQuotePdf1Click);
    // In the Export menu, which is enabled on every page that has an output.
    ToXlsx1 = new QAction(&Window);
    ToXlsx1->setObjectName(QStringLiteral("ToXlsx1"));
    BindText(ToXlsx1, "text", TrKey("TQuoteActions", "To an Excel &Workbook (.xlsx)..."));
    if (exportMenu != nullptr)
        exportMenu->addAction(ToXlsx1);
    connect(ToXlsx1, &QAction::triggered, this, &TQuoteActions::ToXlsx1Click);

    // The order page's buttons, after its Print button.
    QList<QWidget*> buttons;
    for (const auto& [name, caption] :
         {std::pair{"btnOrderDetails", TrKey("TQuoteActions", "De&tails...")},
          std::pair{"btnQuotePdf", TrKey("TQuoteActions", "&Quote PDF...")}}) {
        auto* button = new QPushButton(&Window);
        button->setObjectName(QLatin1String(name));
        BindText(button, "text", caption);
        connect(button, &QPushButton::clicked, this,
                QLatin1String(name) == QLatin1String("btnOrderDetails")
                    ? &TQuoteActions::OrderDetails1Click
                    : &TQuoteActions::SaveQuotePdf1Click);
        buttons.append(button);
    }
    Host.AddOrderButtons(QStringLiteral("BitBtn1"), buttons);
    connect(&Host.Events(), &TWindowEvents::PageChanged, this, &TQuoteActions::PageShown);
    PageShown();
}

void TQuoteActions::PageShown()
{
    const bool order = Host.CurrentPage() == TPage::Order;
    SaveQuotePdf1->setEnabled(order);
    PrintQuote1->setEnabled(order);
}

QString TQuoteActions::OrderCurrencyCode() const
{
    const int tag = Host.CurrentOrder().Info.CurrencyTag;
    return CurrencyCode(tag > 0 ? tag : Host.CurrentCurrencyTag());
}

TQuoteDocument TQuoteActions::Quote() const
{
    return QuoteDocumentOf(Host.ResultContent(), Host.CurrentOrder().Info.Details,
                           OrderCurrencyCode(), Host.CurrentOrder().Info.Quote);
}

void TQuoteActions::OrderDetails1Click()
{
    TfrmOrderDetails dialog(Host.CurrentOrder().Info.Details, &Window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Host.SetOrderDetails(dialog.Details());
}

void TQuoteActions::SaveQuotePdf1Click()
{
    if (Host.CurrentPage() != TPage::Order)
        return;
    const QString path = FileDialogs::GetSaveFileName(
        &Window, tr("Save Quote as PDF"), TDialogFolder::Documents, tr("PDF Files (*.pdf)"),
        QStringLiteral("pdf"), ProposedFileName(Host, QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    RecordOrderQuote(Host, path);
    const QString failure = WriteQuotePdf(Quote(), path);
    if (!failure.isEmpty())
        Dialogs::Error(&Window, failure);
    else
        Desktop::OpenWritten(&Window, path, QStringLiteral("application/pdf"));
}

void TQuoteActions::PrintQuote1Click()
{
    if (Host.CurrentPage() == TPage::Order)
        PrintQuote(&Window, [this] {
            RecordOrderQuote(Host, QString());
            return Quote();
        });
}

void TQuoteActions::ToXlsx1Click()
{
    if (Host.CurrentPage() != TPage::NoPN && Host.CurrentPage() != TPage::Final &&
        Host.CurrentPage() != TPage::Order)
        return;
    const QString path = FileDialogs::GetSaveFileName(
        &Window, tr("Export"), TDialogFolder::Exports, tr("Excel Workbooks (*.xlsx)"),
        QStringLiteral("xlsx"), ProposedFileName(Host, QStringLiteral("xlsx")));
    if (path.isEmpty())
        return;
    const TResultContent content = Host.ResultContent();
    // Result pages are priced in the chosen currency, the order in its own.
    const QString code = content.Kind == TContentKind::Order
                             ? OrderCurrencyCode()
                             : CurrencyCode(Host.CurrentCurrencyTag());
    try {
        WriteWorkbook(path, content,
                      content.Kind == TContentKind::Order ? Host.CurrentOrder().Info.Details
                                                          : TOrderDetails(),
                      code);
    } catch (const TDataError& error) {
        Dialogs::Error(&Window, error.FullText());
        return;
    }
    Desktop::OpenWritten(
        &Window, path,
        QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"));
}
