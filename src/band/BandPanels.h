#pragma once

#include <QObject>

class QTableWidgetItem;
class TBandPanel;
class TfrmMain;

// The band panels of the window's two result pages, below their figures: each is rebuilt when
// its page's figures are, from the same cable, length, unit and band.
class TBandPanels : public QObject
{
    Q_OBJECT
public:
    explicit TBandPanels(TfrmMain& window);

    TBandPanel* PartsListPanel = nullptr;
    TBandPanel* FinalPanel = nullptr;

private:
    void PartsListFigureSet(QTableWidgetItem* item);
    void FinalFigureSet(QTableWidgetItem* item);

    TfrmMain& Window;
};
