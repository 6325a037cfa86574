#include "Languages.h"

#include "AppPaths.h"
#include "base/DataError.h"
#include "Dialogs.h"
#include "IniSettings.h"
#include "Translation.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <QWidget>

#include <memory>

namespace Languages {

namespace {

const QString English = QStringLiteral("en");
const QString LanguageKey = QStringLiteral("Language");

std::unique_ptr<QTranslator> ProgramTranslator;
std::unique_ptr<QTranslator> QtTranslator;
QString Shown = English;

bool Known(const QString& code)
{
    if (code == English)
        return true;
    for (const TLanguage& language : Translations())
        if (language.Code == code)
            return true;
    return false;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator != nullptr)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

TLanguageChanges* Changes()
{
    static TLanguageChanges changes;
    return &changes;
}

QList<TLanguage> Translations()
{
    QList<TLanguage> languages;
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("ferrolyn_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString code = file.mid(9, file.size() - 12);
        QString name = QLocale(code).nativeLanguageName();
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
        languages.append({code, name.isEmpty() ? code : name});
    }
    return languages;
}

QString SystemLanguage()
{
    for (const QString& wanted : QLocale::system().uiLanguages()) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::C)
            continue;
        if (locale.language() == QLocale::English)
            return English;
        for (const TLanguage& language : Translations())
            if (QLocale(language.Code).language() == locale.language())
                return language.Code;
    }
    return English;
}

QString SavedChoice()
{
    try {
        const QString choice = TIniSettings::ReadFile(AppPaths::WindowSettingsFile())
                                   .Value(LanguageKey)
                                   .value_or(QString());
        return Known(choice) ? choice : QString();
    } catch (const TDataError&) {
        return {};
    }
}

void SaveChoice(const QString& choice)
{
    TIniSettings::UpdateFile(AppPaths::WindowSettingsFile(), [&choice](TIniSettings& settings) {
        settings.SetValue(LanguageKey, choice);
        return true;
    });
}

void Apply(const QString& choice)
{
    const QString code = choice.isEmpty() || !Known(choice) ? SystemLanguage() : choice;
    Remove(ProgramTranslator);
    Remove(QtTranslator);
    Shown = English;
    if (code != English) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/i18n/ferrolyn_%1.qm").arg(code))) {
            Shown = code;
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qt_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt.get());
                QtTranslator = std::move(qt);
            }
            QCoreApplication::installTranslator(program.get());
            ProgramTranslator = std::move(program);
        }
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        for (QWidget* window : QApplication::topLevelWidgets())
            RetranslateBound(window);
    emit Changes()->Changed();
}

QString Current()
{
    return Shown;
}

QMenu* AddLanguageMenu(QMenu* menu, QWidget* window)
{
    QMenu* languages = menu->addMenu(QString());
    languages->setObjectName(QStringLiteral("Language1"));
    languages->menuAction()->setObjectName(QStringLiteral("Language1"));
    BindText(languages, "title", TrKey("Languages", "&Language"));
    auto* group = new QActionGroup(languages);
    auto add = [&](const QString& choice, const QString& name) {
        QAction* item = languages->addAction(name);
        item->setObjectName(choice.isEmpty() ? QStringLiteral("SystemLanguage1")
                                             : QStringLiteral("Language_") + choice);
        item->setCheckable(true);
        item->setChecked(choice == SavedChoice());
        item->setData(choice);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, languages, [choice, window] {
            try {
                SaveChoice(choice);
            } catch (const TDataError& error) {
                Dialogs::Warning(window, Tr("Languages", "The language could not be remembered "
                                                         "for the next start: %1")
                                             .arg(error.FullText()));
            }
            Apply(choice);
        });
        return item;
    };
    BindText(add(QString(), QString()), "text", TrKey("Languages", "&System Language"));
    add(English, QStringLiteral("English"));
    for (const TLanguage& language : Translations())
        add(language.Code, language.Name);
    return languages;
}

QList<std::pair<QString, TTrKey>> DesktopEntryTexts()
{
    return {
        {QStringLiteral("GenericName"), TrKey("DesktopEntry", "Cable Assembly Configurator")},
        {QStringLiteral("Comment"),
         TrKey("DesktopEntry", "Configure and price RF coaxial cable assemblies")},
        {QStringLiteral("Keywords"), TrKey("DesktopEntry", "coaxial;cable;assembly;RF;quote;")}};
}

} // namespace Languages
