#pragma once

#include "reports/QuoteDocument.h"

#include <QObject>

class QAction;
class QMainWindow;
class TWindowHost;

// The quote a customer receives, next to the window's own outputs: the order's details, the
// quote as PDF and printed. It adds its menu items and order-page buttons to the window it is
// made for, and lives as long as that window.
class TQuoteActions : public QObject
{
    Q_OBJECT
public:
    explicit TQuoteActions(TWindowHost& window);

    // File > Order Details... and the order page's Details... button: edits the order's details;
    // only what OK confirms is kept (and written to the last-order file).
    void OrderDetails1Click();
    // File > Save Quote as PDF... and the order page's Quote PDF... button.
    void SaveQuotePdf1Click();
    // File > Print Quote...
    void PrintQuote1Click();
    // File > Export > To an Excel Workbook (.xlsx)...: the shown result page as a workbook,
    // opened once written as the other exports are.
    void ToXlsx1Click();

    // The quote of the order as it stands.
    TQuoteDocument Quote() const;
    // The code of the order's currency, or of the chosen one while the order has none.
    QString OrderCurrencyCode() const;

private:
    void PageShown();

    TWindowHost& Host;
    QMainWindow& Window;
    QAction* OrderDetails1 = nullptr;
    QAction* SaveQuotePdf1 = nullptr;
    QAction* PrintQuote1 = nullptr;
    QAction* ToXlsx1 = nullptr;
};
