#include "QuoteActions.h"

#include "documents/QuotePdf.h"
#include "documents/TfrmOrderDetails.h"
#include "main/TfrmMain.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "pricing/Currencies.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>

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

    // The order page's buttons, after its Print button.
    if (window.tsOrder != nullptr) {
        auto* print = window.tsOrder->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        if (QBoxLayout* buttons = LayoutHolding(window.tsOrder->layout(), print)) {
            int at = buttons->indexOf(print) + 1;
            for (const auto& [name, caption] : {std::pair{"btnOrderDetails", "De&tails..."},
                                                std::pair{"btnQuotePdf", "&Quote PDF..."}}) {
                auto* button = new QPushButton(QLatin1String(caption), window.tsOrder);
                button->setObjectName(QLatin1String(name));
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

TQuoteDocument TQuoteActions::Quote() const
{
    int tag = Window.OrderInfo.CurrencyTag;
    if (tag <= 0)
        for (const QAction* item : Window.CurrencyItems)
            if (item->isChecked())
                tag = item->data().toInt();
    return QuoteDocumentOf(Window.ResultContent(), Window.OrderInfo.Details,
                           CurrencyCode(tag > 0 ? tag : UsDollarTag));
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
        QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
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
