#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QSessionManager;
class TWindowHost;

// The file name a save dialog proposes for what the window shows, with this suffix ("txt"): the
// assembly's part number on the final summary, the cable's parts list, the order's file name (or
// "order") on the order page.
QString ProposedFileName(TWindowHost& window, const QString& suffix);

// The question File > Open asks when the order has changes that are not saved, in English (it is
// asked in the user's language).
extern const QString UnsavedOrderQuestion;
// The question closing the window asks then, in English.
extern const QString UnsavedOnCloseQuestion;

// The order as a desktop document: the file it belongs to (none for a new order or one shown by
// View Last Order), whether it has changes since it was started, opened or saved, the window's
// title naming it ("first.fyn[*] - Ferrolyn™"), Save to its own file, Save As, and the question
// before File > Open, closing the window or the desktop's logout drops changes that are not saved.
class TOrderDocument : public QObject
{
    Q_OBJECT
public:
    explicit TOrderDocument(TWindowHost& window);

    QString FilePath() const { return File; }
    // The order has changes that are not in its file: a new order with items, an edited one.
    bool Modified() const;

    // File > Open: asks first when the order has changes (Save, Discard, Cancel).
    void Open1Click();
    // Before the order is replaced: true when it has no changes, or the user saved or discarded
    // them when asked (Save, Discard, Cancel).
    bool MayReplace();
    // The same before the window closes.
    bool MayClose();
    // File > Save and the order page's Save: to the order's own file, asking for one only when
    // it has none. File > Save As: always asks. False when nothing was saved.
    bool Save1Click();
    bool SaveAs1Click();

    QAction* SaveAs1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MayDrop(const QString& question);
    void CommitData(QSessionManager& manager);
    bool SaveTo(bool ask);
    void OrderLoaded(const QString& path);
    void ShowTitle();
    QByteArray Bytes() const;

    TWindowHost& Host;
    QMainWindow& Window;
    QString File;
    // The order's file bytes as last started, opened or saved.
    QByteArray Saved;
    // The user agreed to close: the window is closing.
    bool Closing = false;
};
