#include "QuoteActions.h"

#include "OrderDocument.h"

#include "base/DataError.h"
#include "documents/QuotePdf.h"
#include "documents/TfrmOrderDetails.h"
#include "main/TfrmMain.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "pricing/Currencies.h"
#include "reports/Workbook.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The layout holding a widget, searched from a top layout down.
QBoxLayout* LayoutHolding(QLayout* layout, QWidget* widget)
{
    if (layout == nullptr)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout* found = LayoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

} // namespace

TQuoteActions::TQuoteActions(TfrmMain& window) : QObject(&window), Window(window)
{
    setObjectName(QStringLiteral("QuoteActions"));
    QMenu* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
    const auto action = [this, file](const char* name, const QString& caption, QAction* before) {
        auto* item = new QAction(caption, &Window);
        item->setObjectName(QLatin1String(name));
        if (file != nullptr)
            file->insertAction(before, item);
        return item;
    };
    OrderDetails1 = action("OrderDetails1", QStringLiteral("Order &Details..."), window.Print1);
    QAction* afterPrint = window.Export1 != nullptr ? window.Export1->menuAction() : nullptr;
    PrintQuote1 = action("PrintQuote1", QStringLiteral("Print Q&uote..."), afterPrint);
    SaveQuotePdf1 = action("SaveQuotePdf1", QStringLiteral("Save Quote as PD&F..."), afterPrint);
    connect(OrderDetails1, &QAction::triggered, this, &TQuoteActions::OrderDetails1Click);
    connect(PrintQuote1, &QAction::triggered, this, &TQuoteActions::PrintQuote1Click);
    connect(SaveQuotePdf1, &QAction::triggered, this, &TQuoteActions::SaveQuotePdf1Click);
    // In the Export menu, which is enabled on every page that has an output.
    ToXlsx1 = new QAction(QStringLiteral("To an Excel &Workbook (.xlsx)..."), &Window);
    ToXlsx1->setObjectName(QStringLiteral("ToXlsx1"));
    if (window.Export1 != nullptr)
        window.Export1->addAction(ToXlsx1);
    connect(ToXlsx1, &QAction::triggered, this, &TQuoteActions::ToXlsx1Click);

    // The order page's buttons, after its Print button.
    if (window.tsOrder != nullptr) {
        auto* print = window.tsOrder->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        if (QBoxLayout* buttons = LayoutHolding(window.tsOrder->layout(), print)) {
            int at = buttons->indexOf(print) + 1;
            for (const auto& [name, caption] : {std::pair{"btnOrderDetails", "De&tails..."},
                                                std::pair{"btnQuotePdf", "&Quote PDF..."}}) {
                auto* button = new QPushButton(QLatin1String(caption), window.tsOrder);
                button->setObjectName(QLatin1String(name));
                // In the tab order where it stands: after the button before it.
                QWidget::setTabOrder(buttons->itemAt(at - 1)->widget(), button);
                buttons->insertWidget(at++, button);
                connect(button, &QPushButton::clicked, this,
                        QLatin1String(name) == QLatin1String("btnOrderDetails")
                            ? &TQuoteActions::OrderDetails1Click
                            : &TQuoteActions::SaveQuotePdf1Click);
            }
        }
    }
    if (window.PageControl != nullptr)
        connect(window.PageControl, &QStackedWidget::currentChanged, this,
                &TQuoteActions::PageShown);
    PageShown();
}

void TQuoteActions::PageShown()
{
    const bool order = Window.CurrentPage() == TPage::Order;
    SaveQuotePdf1->setEnabled(order);
    PrintQuote1->setEnabled(order);
}

QString TQuoteActions::OrderCurrencyCode() const
{
    const int tag = Window.OrderInfo.CurrencyTag;
    return CurrencyCode(tag > 0 ? tag : Window.CurrentCurrencyTag());
}

TQuoteDocument TQuoteActions::Quote() const
{
    return QuoteDocumentOf(Window.ResultContent(), Window.OrderInfo.Details, OrderCurrencyCode());
}

void TQuoteActions::OrderDetails1Click()
{
    TfrmOrderDetails dialog(Window.OrderInfo.Details, &Window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Window.OrderInfo.Details = dialog.Details();
    // Kept with the order in the last-order file.
    if (!Window.OrderLines.isEmpty())
        Window.RefreshOrderGrid();
}

void TQuoteActions::SaveQuotePdf1Click()
{
    if (Window.CurrentPage() != TPage::Order)
        return;
    const QString path = FileDialogs::GetSaveFileName(
        &Window, QStringLiteral("Save Quote as PDF"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"),
        ProposedFileName(Window, QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    const QString failure = WriteQuotePdf(Quote(), path);
    if (!failure.isEmpty())
        Dialogs::Error(&Window, failure);
}

void TQuoteActions::PrintQuote1Click()
{
    if (Window.CurrentPage() == TPage::Order)
        PrintQuote(&Window, Quote());
}

void TQuoteActions::ToXlsx1Click()
{
    if (Window.CurrentPage() != TPage::NoPN && Window.CurrentPage() != TPage::Final &&
        Window.CurrentPage() != TPage::Order)
        return;
    const QString path = FileDialogs::GetSaveFileName(
        &Window, QStringLiteral("Export"), AppPaths::ExportFolder(QStringLiteral("xlsx")),
        QStringLiteral("Excel Workbooks (*.xlsx)"), QStringLiteral("xlsx"),
        ProposedFileName(Window, QStringLiteral("xlsx")));
    if (path.isEmpty())
        return;
    const TResultContent content = Window.ResultContent();
    // Result pages are priced in the chosen currency, the order in its own.
    const QString code = content.Kind == TContentKind::Order
                             ? OrderCurrencyCode()
                             : CurrencyCode(Window.CurrentCurrencyTag());
    try {
        WriteWorkbook(
            path, content,
            content.Kind == TContentKind::Order ? Window.OrderInfo.Details : TOrderDetails(), code);
    } catch (const TDataError& error) {
        Dialogs::Error(&Window, error.FullText());
        return;
    }
    Dialogs::OpenUrl(QUrl::fromLocalFile(path));
}
