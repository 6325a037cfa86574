#include "TfrmMain.h"

#include "catalog/Catalog.h"
#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SectionedFile.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "base/SafeFile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>

namespace {

const QString CurrencyNote =
    QStringLiteral("Currencies other than the United States Dollars ($US)  are provided for "
                   "information purposes only and are based on exchange rates as of: ");

bool FileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

// Why a file that is there cannot be read: it is not a regular file (after following links), or
// it cannot be opened. Empty when it can be read, or when nothing is there.
QString Unreadable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    const QString name = QDir::toNativeSeparators(path);
    if (!info.exists())
        return QStringLiteral("\"%1\" is a link to nothing.").arg(name);
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a regular file.").arg(name);
    QFile file;
    if (const QString reason = OpenRegularFile(file, path); !reason.isEmpty())
        return QStringLiteral("\"%1\" cannot be read: %2").arg(name, reason);
    return {};
}

} // namespace

void TfrmMain::FormCreate(const QStringList& arguments)
{
    // 1. Collections.
    Assembly = std::make_unique<TJumper>();
    Desktop::ShowPicture(imgLogo, AppPaths::ImageFile(QStringLiteral("vantrellogo.gif")));

    // 2, 3. The shared data folder.
    const AppPaths::TCommonFilesKey key = AppPaths::ReadCommonFilesKey();
    // A registration that is no regular file (or cannot be read) is named, then taken as none.
    if (!key.Problem.isEmpty())
        Dialogs::Error(this, key.Problem);
    if (!key.KeyExists)
        Dialogs::Error(this, QStringLiteral("Unable to locate Registry Key"));
    if (key.ValueExists) {
        InstallPath = key.Path;
    } else {
        Dialogs::Error(this, QStringLiteral("Unable to create path from Registry"));
        InstallPath.clear();
    }

    // 4. Required files. An optional rate file that is there but cannot be read is reported
    // once and taken as absent.
    const QString ratesFile = AppPaths::ProgramFile(QStringLiteral("xcngrate.dat"));
    RatesAvailable = FileExists(ratesFile);
    const auto ratesUnusable = [this](const QString& reason) {
        RatesAvailable = false;
        Dialogs::Error(this, QStringLiteral("The exchange rates cannot be read, so prices are "
                                            "shown in US dollars only.\r") +
                                 reason);
    };
    if (const QString reason = Unreadable(ratesFile); !reason.isEmpty())
        ratesUnusable(reason);
    const QString priceFile = InstallPath.isEmpty()
                                  ? QString()
                                  : AppPaths::Resolve(InstallPath, QStringLiteral("M_Lom.dat"));
    const QStringList required = {priceFile,
                                  AppPaths::ProgramFile(QStringLiteral("dat/tlineconnectors.dat")),
                                  AppPaths::ProgramFile(QStringLiteral("dat/images.dat")),
                                  AppPaths::ProgramFile(QStringLiteral("dat/jumpers.dat"))};
    for (const QString& file : required) {
        // A file that is there but cannot be read ends the start-up as a missing one does; the
        // message then names it.
        const QString reason = file.isEmpty() ? QString() : Unreadable(file);
        if (file.isEmpty() || !FileExists(file) || !reason.isEmpty()) {
            Dialogs::Beep();
            Dialogs::Error(
                this,
                QStringLiteral("One or more files needed to run this application are missing.") +
                    (reason.isEmpty() ? QString() : QLatin1Char('\r') + reason));
            StartupTerminated = true;
            return;
        }
    }

    bool pageShown = false;
    try {
        // 5, 6. Defaults of the wizard, and the length box.
        Wizard.Defaults();
        ShowBoxes(TWizardModel::LengthBox);

        // 7. Price list.
        try {
            PriceList = TPriceList(TTextBuffer::ReadFile(priceFile));
        } catch (TDataError& error) {
            throw error.At(priceFile, 0);
        }

        // 8. Exchange rates.
        if (RatesAvailable) {
            try {
                RateLines = ReadTextLines(ratesFile, false, SmallDataFileLimit);
            } catch (const TDataError& error) {
                ratesUnusable(error.FullText());
            }
        }
        if (RatesAvailable) {
            Rates = TExchangeRates(RateLines, ratesFile);
            CurrencySettings1->menuAction()->setVisible(true);
            RatesDate = UserLocaleDate(QFileInfo(ratesFile).lastModified().date());
            CheckCurrencyRates();
        }

        // 9. Catalog.
        LoadCatalogFile(AppPaths::ProgramFile(QStringLiteral("dat/tlineconnectors.dat")), Cables);

        // 10. First page.
        ShowPage(TPage::Page1);
        pageShown = true;

        // 11, 12. Frequency lists; elliptical waveguide is for feeders only.
        QStringList beginning;
        QStringList ending;
        BuildFrequencyLists(Cables, beginning, ending);
        Wizard.CatalogLoaded(&Cables, beginning, ending);
        ShowBoxes(TWizardModel::BeginningBox | TWizardModel::EndingBox);
        rgCableType->SetItemEnabled(2, Wizard.WaveguideOffered());

        // 13. Picture table.
        const QString imagesFile = AppPaths::ProgramFile(QStringLiteral("dat/images.dat"));
        try {
            ImageTable = ReadTextLines(imagesFile, false, SmallDataFileLimit);
            Wizard.PicturesLoaded(ImageTable);
        } catch (TDataError& error) {
            throw error.At(imagesFile, 0);
        }

        // 14. Pictures. A missing one shows a placeholder; it is not worth stopping for.
        Desktop::ShowPicture(imgTopJumper, AppPaths::ImageFile(QStringLiteral("topjumper.gif")));
        Desktop::ShowPicture(imgBottomJumper,
                             AppPaths::ImageFile(QStringLiteral("bottomjumper.gif")));
        Desktop::ShowPicture(imgFeeder, AppPaths::ImageFile(QStringLiteral("mainfeeder.gif")));
        Desktop::ShowPicture(imgPV, AppPaths::ImageFile(QStringLiteral("pv.gif")));

        // 15. Currency notes.
        lblforeign1->setText(CurrencyNote + RatesDate + QLatin1Char('.'));
        lblforeign2->setText(CurrencyNote + RatesDate + QLatin1Char('.'));

        // 16. An order named on the command line: OPEN <file>.
        if (arguments.size() == 2 &&
            arguments.at(0).compare(QLatin1String("OPEN"), Qt::CaseInsensitive) == 0 &&
            ReadOrderFile(arguments.at(1))) {
            ShowPage(TPage::Order);
            RefreshOrderGrid();
        }
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        if (!pageShown)
            ShowPage(TPage::Page1);
    }
}

QString TfrmMain::UserLocaleDate(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}
