#include "RadioGroup.h"

#include "Translation.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& name, const QString& title, const QStringList& items,
                         QWidget* parent, int columns)
    : QGroupBox(title, parent), Group(new QButtonGroup(this))
{
    setObjectName(name);
    auto* layout = new QGridLayout(this);
    const int perColumn = static_cast<int>((items.size() + columns - 1) / std::max(columns, 1));
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        button->setObjectName(name + QStringLiteral("_%1").arg(i));
        Group->addButton(button, i);
        layout->addWidget(button, perColumn > 0 ? i % perColumn : i,
                          perColumn > 0 ? i / perColumn : 0);
        Buttons.append(button);
    }
    layout->setRowStretch(layout->rowCount(), 1);
    connect(Group, &QButtonGroup::idToggled, this,
            [this](int id, bool checked) { ButtonToggled(id, checked); });
}

TRadioGroup::TRadioGroup(const QString& name, TTrKey title, const QList<TTrKey>& items,
                         QWidget* parent, int columns)
    : TRadioGroup(name, QString(), QStringList(items.size(), QString()), parent, columns)
{
    BindText(this, "title", title);
    for (int i = 0; i < items.size(); ++i)
        BindText(Buttons.at(i), "text", items.at(i));
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return index >= 0 && index < Buttons.size() ? Buttons.at(index) : nullptr;
}

void TRadioGroup::SetItemEnabled(int index, bool enabled)
{
    if (QRadioButton* button = Button(index))
        button->setEnabled(enabled);
}

bool TRadioGroup::ItemEnabled(int index) const
{
    const QRadioButton* button = Button(index);
    // The item's own state, whether or not the whole group is enabled.
    return button != nullptr && button->isEnabledTo(this);
}

void TRadioGroup::Choose(int index)
{
    Updating = true;
    if (QRadioButton* button = Button(index)) {
        button->setChecked(true);
    } else {
        Group->setExclusive(false);
        for (QRadioButton* b : Buttons)
            b->setChecked(false);
        Group->setExclusive(true);
        index = -1;
    }
    Updating = false;
    Index = index;
}

void TRadioGroup::SetItemIndex(int index)
{
    if (!Button(index))
        index = -1;
    if (index == Index)
        return;
    Choose(index);
    emit Click();
}

void TRadioGroup::SetItemIndexSilently(int index)
{
    Choose(index);
}

void TRadioGroup::ButtonToggled(int index, bool checked)
{
    if (Updating || !checked || index == Index)
        return;
    Index = index;
    emit Click();
}
