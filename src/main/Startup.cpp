#include "TfrmMain.h"

#include "base/DataError.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "platform/Translation.h"
#include "quote/Installation.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>

void TfrmMain::FormCreate(const QStringList& arguments)
{
    // 1. Collections.
    Assembly = std::make_unique<TJumper>();
    Desktop::ShowPicture(imgLogo, AppPaths::ImageFile(QStringLiteral("vantrellogo.gif")));

    // Everything is loaded at once; what went wrong is then told in the order it happened.
    TInstallation loaded = LoadInstallation();

    // 2, 3. The shared data folder.
    const AppPaths::TCommonFilesKey& key = loaded.Key;
    // A registration that is no regular file (or cannot be read) is named, then taken as none.
    if (!key.Problem.isEmpty())
        Dialogs::Error(this, key.Problem);
    if (!key.KeyExists)
        Dialogs::Error(this, tr("Unable to locate Registry Key"));
    if (key.ValueExists) {
        InstallPath = key.Path;
    } else {
        Dialogs::Error(this, tr("Unable to create path from Registry"));
        InstallPath.clear();
    }

    // 4. Required files. An optional rate file that is there but cannot be read is reported
    // once and taken as absent.
    RatesAvailable = loaded.RatesAvailable;
    const auto ratesUnusable = [this](const QString& reason) {
        Dialogs::Error(this, tr("The exchange rates cannot be read, so prices are "
                                "shown in US dollars only.\r") +
                                 reason);
    };
    if (!loaded.RatesUnreadable.isEmpty())
        ratesUnusable(loaded.RatesUnreadable);
    if (loaded.MissingFile) {
        // A file that is there but cannot be read ends the start-up as a missing one does; the
        // message then names it.
        Dialogs::Beep();
        Dialogs::Error(this, tr("One or more files needed to run this application are missing.") +
                                 (loaded.MissingReason.isEmpty()
                                      ? QString()
                                      : QLatin1Char('\r') + loaded.MissingReason));
        StartupTerminated = true;
        return;
    }

    using TStage = TInstallation::TStage;
    const auto damaged = [this, &loaded](bool pageShown) {
        Dialogs::Error(this, loaded.Error->FullText());
        if (!pageShown)
            ShowPage(TPage::Page1);
    };

    // 5, 6. Defaults of the wizard, and the length box.
    Wizard.Defaults();
    ShowBoxes(TWizardModel::LengthBox);

    // 7. Price list.
    if (loaded.Reached < TStage::PriceList)
        return damaged(false);
    PriceList = std::move(loaded.PriceList);

    // 8. Exchange rates.
    if (loaded.RatesError)
        ratesUnusable(loaded.RatesError->FullText());
    if (RatesAvailable) {
        RateLines = loaded.RateLines;
        Rates = loaded.Rates;
        CurrencySettings1->menuAction()->setVisible(true);
        RatesDate = UserLocaleDate(loaded.RatesDate);
        CheckCurrencyRates();
    }

    // 9. Catalog (what was read before a fault stays).
    Cables = std::move(loaded.Cables);
    if (loaded.Reached < TStage::Catalog)
        return damaged(false);

    // 10. First page.
    ShowPage(TPage::Page1);

    // 11, 12. Frequency lists; elliptical waveguide is for feeders only.
    Wizard.CatalogLoaded(&Cables, loaded.BeginningFrequencies, loaded.EndingFrequencies);
    ShowBoxes(TWizardModel::BeginningBox | TWizardModel::EndingBox);
    rgCableType->SetItemEnabled(2, Wizard.WaveguideOffered());

    // 13. Picture table.
    if (loaded.Reached < TStage::Pictures)
        return damaged(true);
    ImageTable = loaded.ImageTable;
    Wizard.PicturesLoaded(ImageTable);

    // 14. Pictures. A missing one shows a placeholder; it is not worth stopping for.
    Desktop::ShowPicture(imgTopJumper, AppPaths::ImageFile(QStringLiteral("topjumper.gif")));
    Desktop::ShowPicture(imgBottomJumper, AppPaths::ImageFile(QStringLiteral("bottomjumper.gif")));
    Desktop::ShowPicture(imgFeeder, AppPaths::ImageFile(QStringLiteral("mainfeeder.gif")));
    Desktop::ShowPicture(imgPV, AppPaths::ImageFile(QStringLiteral("pv.gif")));

    // 15. Currency notes.
    const TTrText currencyNote{
        TrKey("TfrmMain", "Currencies other than the United States Dollars ($US)  are provided "
                          "for information purposes only and are based on exchange rates as of: "
                          "%1."),
        {RatesDate}};
    BindText(lblforeign1, "text", currencyNote);
    BindText(lblforeign2, "text", currencyNote);

    // The part data: its unreadable lines, once.
    Specs = std::move(loaded.Specs);
    if (const QString problems = SpecProblemsText(loaded.SpecProblems, QStringLiteral("\r"));
        !problems.isEmpty())
        Dialogs::Warning(this, problems);

    // 16. An order named on the command line: OPEN <file>.
    try {
        if (arguments.size() == 2 &&
            arguments.at(0).compare(QLatin1String("OPEN"), Qt::CaseInsensitive) == 0 &&
            ReadOrderFile(arguments.at(1))) {
            ShowPage(TPage::Order);
            RefreshOrderGrid();
        }
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
}

QString TfrmMain::UserLocaleDate(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}
