#pragma once

#include <QObject>

class TAsBuiltPanel;
class TBandPanel;
class TWindowHost;
enum class TPage;

// The band panels of the window's two result pages, below their figures, and below each the
// assembly as built: each is rebuilt when its page's figures are, from the same cable, length,
// unit and band. And page 2's Compare... button, which compares the cables of its cable list
// over that band.
class TBandPanels : public QObject
{
    Q_OBJECT
public:
    explicit TBandPanels(TWindowHost& window);

    TBandPanel* PartsListPanel = nullptr;
    TBandPanel* FinalPanel = nullptr;
    TAsBuiltPanel* PartsListAsBuilt = nullptr;
    TAsBuiltPanel* FinalAsBuilt = nullptr;

    // Page 2's "Compare..." button: opens frmCompare on the cables cboTLineData offers; the
    // cable it returns is chosen in cboTLineData as the user would choose it.
    void btnCompareClick();

private:
    void FiguresShown(TPage page);

    TWindowHost& Window;
};
