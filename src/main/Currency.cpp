#include "TfrmMain.h"

#include "platform/Dialogs.h"
#include "platform/Translation.h"
#include "pricing/Currencies.h"

#include <QAction>
#include <QActionGroup>
#include <QHash>
#include <QLabel>
#include <QMenu>

void TfrmMain::BuildCurrencyMenu()
{
    // One exclusive group per menu level gives the items their radio look; the two US-dollar
    // items live in different groups, so both can carry the check.
    QHash<QString, QMenu*> regions;
    QHash<QMenu*, QActionGroup*> groups;
    auto groupOf = [&](QMenu* menu) {
        QActionGroup*& group = groups[menu];
        if (group == nullptr)
            group = new QActionGroup(menu);
        return group;
    };
    for (const TCurrencyItem& currency : CurrencyMenuItems()) {
        QMenu* menu = CurrencySettings1;
        const QString region = QString::fromLatin1(currency.Region);
        if (!region.isEmpty()) {
            QMenu*& submenu = regions[region];
            if (submenu == nullptr) {
                submenu = CurrencySettings1->addMenu(QString());
                BindText(submenu, "title", CurrencyRegionKey(currency));
                submenu->setObjectName(QString(region).remove(QLatin1Char(' ')) +
                                       QStringLiteral("1"));
            }
            menu = submenu;
        }
        QAction* item = menu->addAction(QString());
        BindText(item, "text", CurrencyCaptionKey(currency));
        item->setObjectName(QString::fromLatin1(currency.Name));
        item->setData(currency.Tag);
        item->setCheckable(true);
        item->setChecked(currency.Tag == UsDollarTag);
        groupOf(menu)->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { US1Click(item); });
        CurrencyItems.append(item);
    }
}

void TfrmMain::CheckCurrencyRates()
{
    for (QAction* item : CurrencyItems) {
        const int tag = item->data().toInt();
        if (IsForeignTag(tag))
            item->setEnabled(Rates.Usable(CurrencyRateCode(tag)));
    }
    const QList<TDataError> problems = Rates.Problems();
    if (problems.isEmpty())
        return;
    QStringList texts;
    for (const TDataError& problem : problems)
        texts.append(problem.FullText());
    Dialogs::Error(this, tr("These exchange rates cannot be used; their currencies are "
                            "not offered:\n\n") +
                             JoinBounded(texts, QStringLiteral("\n\n")));
}

int TfrmMain::CurrentCurrencyTag() const
{
    for (const QAction* item : CurrencyItems)
        if (item->isChecked())
            return item->data().toInt();
    return UsDollarTag;
}

void TfrmMain::US1Click(QAction* item)
{
    SelectCurrency(item);
}

void TfrmMain::SelectCurrency(QAction* item)
{
    if (item == nullptr || !item->isEnabled())
        return;
    for (QAction* other : CurrencyItems)
        other->setChecked(false);
    item->setChecked(true);
    // The two US-dollar items are one currency.
    const QString name = item->objectName();
    if (name == QLatin1String("US1") || name == QLatin1String("USDollarsUSD1")) {
        for (QAction* other : CurrencyItems)
            if (other->objectName() == QLatin1String("US1") ||
                other->objectName() == QLatin1String("USDollarsUSD1"))
                other->setChecked(true);
    }
    ShowForeignNotice();

    // Re-price the page that shows, from the amounts already looked up; nothing else changes.
    if (CurrentPage() == TPage::Final) {
        ShowAssemblyPrice();
        RebuildFinalResultRow();
    } else if (CurrentPage() == TPage::NoPN) {
        ShowPartsListPrices();
    }
}

bool TfrmMain::UsDollarsChosen() const
{
    for (const QAction* item : CurrencyItems)
        if (item->objectName() == QLatin1String("US1"))
            return item->isChecked();
    return true;
}

void TfrmMain::ShowForeignNotice()
{
    lblforeign1->setVisible(!UsDollarsChosen());
    lblforeign2->setVisible(!UsDollarsChosen());
}
