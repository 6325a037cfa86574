#pragma once

#include "reports/Datasheet.h"

#include <QObject>

class QAction;
class QMainWindow;
class TWindowHost;

// The datasheet of the assembly on a result page: File > Datasheet PDF... (DatasheetPdf1) and the
// result pages' Datasheet PDF... buttons (btnDatasheet, in their assembly-as-built panels) save it
// as PDF and open it. Enabled on the two result pages only.
class TDatasheetActions : public QObject
{
    Q_OBJECT
public:
    explicit TDatasheetActions(TWindowHost& window);

    void DatasheetPdf1Click();
    // The datasheet of the assembly shown now.
    TDatasheet Datasheet() const;

private:
    void PageShown();

    TWindowHost& Host;
    QMainWindow& Window;
    QAction* DatasheetPdf1 = nullptr;
};
