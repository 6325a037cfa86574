#pragma once

#include "base/Translate.h"

#include <QList>
#include <QObject>
#include <QString>

class QMenu;
class QWidget;

// The language of the program's texts: the system's choice, English or a translation built into
// the program, remembered in the program's own settings (key "Language": empty or missing for the
// system's choice, "en" or a translation's code). Data written by the program stays English.
// Tells, once a language change has set every bound text again, what must show texts it
// computes anew.
class TLanguageChanges : public QObject
{
    Q_OBJECT
signals:
    void Changed();
};

namespace Languages {

TLanguageChanges* Changes();

struct TLanguage {
    QString Code; // "de"
    QString Name; // in its own language: "Deutsch"
};

// The translations built into the program, by code.
QList<TLanguage> Translations();
// The language the system's UI languages ask for first among English and the translations;
// English when they ask for none of them.
QString SystemLanguage();
// The remembered choice ("" for the system's); "" when none is remembered or it names no language
// the program has.
QString SavedChoice();
// Remembers a choice; throws TDataError when the settings file cannot be written.
void SaveChoice(const QString& choice);
// Shows the program's texts, and Qt's own dialogs, in the chosen language ("" for the system's)
// and sets every bound text of the open windows again.
void Apply(const QString& choice);
// The language now shown ("en" or a translation's code).
QString Current();

// The menu "Language1" at the end of menu: the system's choice, English and each translation by
// its own name; choosing one applies and remembers it.
QMenu* AddLanguageMenu(QMenu* menu, QWidget* window);

// The texts of the menu entry (packaging/ferrolyn.desktop) that follow the language, by key
// ("GenericName", "Comment", "Keywords"): translated with the program's own texts, and written in
// the entry as "GenericName[de]=...".
QList<std::pair<QString, TTrKey>> DesktopEntryTexts();

} // namespace Languages
