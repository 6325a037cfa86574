#pragma once

#include <QObject>

class QWidget;
class TfrmMain;

// The main window's place on the desktop and its keyboard:
// - its size, position and maximized state are kept in the program's own settings file
//   (Vantrel/Ferrolyn.ini in the per-user configuration folder) when it closes, and restored,
//   always within a screen's available area, at any scale factor; the page area is as large as
//   the page shown needs (not the largest page), scrolls when the window is smaller than that,
//   and each page opens at its top;
// - Return and Enter press the default button (Next, Add To Order), wherever the focus is on
//   the page, unless a list is dropped down or a cell is being edited;
// - each page gives the focus to its first control when it is shown.
class TWindowPlacement : public QObject
{
    Q_OBJECT
public:
    explicit TWindowPlacement(TfrmMain& window);

    // Places the window before it is first shown: the saved geometry, or the default size
    // centred on the primary screen, fitted to a screen.
    void Restore();
    void Save() const;

    static constexpr int DefaultWidth = 880;
    static constexpr int DefaultHeight = 780;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusFirstControl(QWidget* page);
    bool PressDefaultButton();

    TfrmMain& Window;
};
