#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

#include "base/Translate.h"

class QButtonGroup;
class QRadioButton;

// A titled group of radio items of which at most one is chosen. Choosing an item, by the user
// or from code, emits Click when the chosen item changes.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    TRadioGroup(const QString& name, const QString& title, const QStringList& items,
                QWidget* parent = nullptr, int columns = 1);
    // A group whose title and items are translated, and again when the language changes.
    TRadioGroup(const QString& name, TTrKey title, const QList<TTrKey>& items,
                QWidget* parent = nullptr, int columns = 1);

    int ItemIndex() const { return Index; }
    // Chooses item index (-1: none); emits Click when that changes the chosen item.
    void SetItemIndex(int index);
    // Chooses an item without emitting Click.
    void SetItemIndexSilently(int index);

    int Count() const { return static_cast<int>(Buttons.size()); }
    QRadioButton* Button(int index) const;
    void SetItemEnabled(int index, bool enabled);
    bool ItemEnabled(int index) const;

signals:
    void Click();

private:
    void Choose(int index);
    void ButtonToggled(int index, bool checked);

    QButtonGroup* Group = nullptr;
    QList<QRadioButton*> Buttons;
    int Index = -1;
    bool Updating = false;
};
