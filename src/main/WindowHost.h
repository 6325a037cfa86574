#pragma once

#include "catalog/CatalogRecords.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "quote/QuoteEngine.h"
#include "quote/WizardModel.h"
#include "reports/ResultContent.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QMainWindow;
class QWidget;

// The wizard's pages, in their fixed order.
enum class TPage { Page1, Page2, NoPN, NoLength, Final, Order };

// What the main window tells its add-ons.
class TWindowEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // An order was read from this file (an order file, or the last-order file).
    void OrderLoaded(const QString& path);
    // The order page shows the order anew: after every change, open and refresh.
    void OrderShown();
    // A result page (the parts list or the final summary) shows a quote's figures, complete.
    void FiguresShown(TPage page);
    // Another page is shown.
    void PageChanged(TPage page);
};

// The main window as its add-ons see it (the band panels, the batch import, the order and quote
// documents): what is quoted now, the order, and places for their controls. The window
// implements it; an add-on depends on nothing else of the window.
class TWindowHost
{
public:
    virtual ~TWindowHost() = default;

    // The window itself: the parent of dialogs, its title, menus and status.
    virtual QMainWindow& MainWindow() = 0;
    virtual TWindowEvents& Events() = 0;

    // --- What is quoted now ---
    virtual TPage CurrentPage() const = 0;
    virtual const TQuoteResult& CurrentQuote() const = 0;
    virtual const TQuoteRequest& CurrentRequest() const = 0;
    virtual const TWizardModel& WizardModel() const = 0;
    virtual int CurrentCurrencyTag() const = 0;
    // Where quotes take prices and standard assemblies from, and the catalog they quote.
    virtual TQuoteSources QuoteSources() = 0;
    virtual const TCableList& Catalog() const = 0;

    // --- The order ---
    virtual const TOrder& CurrentOrder() const = 0;
    // The order's lines replaced (in the currency of this tag), and the order page shown.
    virtual void ShowNewOrder(const QList<TOrderLine>& lines, int currencyTag) = 0;
    // The order's details replaced; kept with the order (and in the last-order file once it has
    // lines).
    virtual void SetOrderDetails(const TOrderDetails& details) = 0;
    // The quote the order was recorded as ("Q-2026-00042/2"); kept with the order as its details.
    virtual void SetOrderQuote(const QString& reference) = 0;
    // An order read from elsewhere than a file of its own (the quote archive) replaces the order,
    // untitled, and the order page shows it.
    virtual void ShowOrder(const TOrderFileContents& contents) = 0;
    // File > Open's own work: asks for an order file and opens it.
    virtual void Open1Click() = 0;
    // Writes the order to an order file; false (after an error message) when it cannot.
    virtual bool WriteOrderFile(const QString& path) = 0;
    // The shown result page, or the order page, as every output takes it.
    virtual TResultContent ResultContent() = 0;
    // A short note in the status bar.
    virtual void ShowStatus(const QString& text) = 0;

    // --- Places for add-ons' controls ---
    // A panel right below a result page's figures (NoPN or Final), in an area that takes the room
    // the page has to spare and scrolls itself; the panel added last stands first.
    virtual void AddResultPanel(TPage page, QWidget* panel) = 0;
    // A button under page 2's cable list and diameter, next in the tab order after the list.
    virtual void AddCableButton(QWidget* button) = 0;
    // Chooses a cable of page 2's list as the user would; false when the list does not hold it.
    virtual bool ChooseCable(const QString& partNumber) = 0;
    // Buttons in the order page's row of buttons, in this order right after the one named after.
    virtual void AddOrderButtons(const QString& after, const QList<QWidget*>& buttons) = 0;
};
