#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class TWindowHost;

// File > Import Assemblies...: quotes every row of a CSV file of assemblies (see
// quote/BatchQuote.h) and adds them to the order. It adds its menu item to the window it is made
// for, and lives as long as that window.
class TImportAssemblies : public QObject
{
    Q_OBJECT
public:
    explicit TImportAssemblies(TWindowHost& window);

    // Asks for the file, quotes its rows in the order's currency, adds each quoted row quantity
    // times (merged by the order's rules) and shows the order page; one message lists the rows
    // that failed. Files of many rows show their progress and can be cancelled, which leaves the
    // order unchanged.
    void ImportAssemblies1Click();
    // The same for a named file.
    void Import(const QString& path);

private:
    TWindowHost& Host;
    QMainWindow& Window;
    QAction* ImportAssemblies1 = nullptr;
};
