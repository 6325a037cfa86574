#include "support/TestInstallation.h"

#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "quote/Installation.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString MissingFiles =
    QStringLiteral("One or more files needed to run this application are missing.");
const QString CurrencyNote =
    QStringLiteral("Currencies other than the United States Dollars ($US)  are provided for "
                   "information purposes only and are based on exchange rates as of: ");

QStringList Texts(const QList<Dialogs::TShownMessage>& messages)
{
    QStringList texts;
    for (const auto& message : messages)
        texts.append(message.Text);
    return texts;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void missingRegistry_data();
    void missingRegistry();
    void settingsFilesThatAreNoFiles();
    void missingRequiredFile_data();
    void missingRequiredFile();
    void cleanStart();
    void exchangeRates();
    void unreadableRatesAreSkipped_data();
    void unreadableRatesAreSkipped();
    void malformedCatalog_data();
    void malformedCatalog();
    void catalogWithHeaderOnly();
    void missingPictureShowsPlaceholder();
    void malformedPartDataLines();
};

// clang-format off
void TestStartup::missingRegistry_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no key") << false
                            << QStringList{QStringLiteral("Unable to locate Registry Key"),
                                           QStringLiteral("Unable to create path from Registry"),
                                           MissingFiles};
    QTest::newRow("key without Path")
        << true << QStringList{QStringLiteral("Unable to create path from Registry"), MissingFiles};
}
// clang-format on

void TestStartup::missingRegistry()
{
    QFETCH(bool, keyExists);
    QFETCH(QStringList, expected);
    TTestInstallation install;
    install.WriteStandardFiles();
    // Take the registration away again; a price list in the current folder must not count.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vantrel"),
              QStringLiteral("Common Files"))
        .clear();
    if (keyExists)
        install.RegisterKeyWithoutPath();

    auto window = install.Start();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(Texts(messages), expected);
    for (const auto& message : messages)
        QCOMPARE(message.Icon, Dialogs::TIcon::Error);
    QCOMPARE(Dialogs::TakeBeeps(), 1);
    QVERIFY(window->Terminated());
    QVERIFY(!window->isVisible());
}

// clang-format off
void TestStartup::settingsFilesThatAreNoFiles()
{
    // A FIFO in place of the window's place and a link to a device in place of the registration:
    // the start neither hangs nor replaces them; the registration is named and taken as none, the
    // window's place is forgotten.
    TTestInstallation install;
    install.WriteStandardFiles();
    const QString conf = AppPaths::CommonFilesSettingsFile();
    const QString ini = AppPaths::WindowSettingsFile();
    QFile::remove(conf);
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), conf));
    QCOMPARE(mkfifo(QFile::encodeName(ini).constData(), 0600), 0);

    auto window = install.Start();
    const QStringList texts = Texts(Dialogs::TakeMessages());
    QVERIFY2(texts.value(0).contains(QStringLiteral("Common Files.conf")) &&
                 texts.value(0).contains(QStringLiteral("not a regular file")),
             qPrintable(texts.join('\n')));
    QCOMPARE(texts.mid(1, 2), (QStringList{QStringLiteral("Unable to locate Registry Key"),
                                           QStringLiteral("Unable to create path from Registry")}));
    QVERIFY(window->Terminated());
    window.reset();
    QVERIFY(QFileInfo(conf).isSymLink());

    // Registered again, the window opens at its default place and closes without a word.
    QFile::remove(conf);
    install.RegisterPath();
    window = install.Start();
    QVERIFY(!window->Terminated());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->close();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(!QFileInfo(ini).isFile() && QFileInfo::exists(ini));
}

void TestStartup::missingRequiredFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("common");
    QTest::addColumn<QString>("replacement"); // empty: none; else a link to this
    QTest::newRow("price list") << QStringLiteral("M_lom.dat") << true << QString();
    QTest::newRow("catalog") << QStringLiteral("dat/tlineconnectors.dat") << false << QString();
    QTest::newRow("pictures") << QStringLiteral("dat/images.dat") << false << QString();
    QTest::newRow("assemblies") << QStringLiteral("dat/jumpers.dat") << false << QString();
    QTest::newRow("assemblies as a FIFO") << QStringLiteral("dat/jumpers.dat") << false << QStringLiteral("fifo");
    QTest::newRow("price list as a device") << QStringLiteral("M_lom.dat") << true << QStringLiteral("/dev/zero");
}
// clang-format on

void TestStartup::missingRequiredFile()
{
    QFETCH(QString, file);
    QFETCH(bool, common);
    QFETCH(QString, replacement);
    TTestInstallation install;
    install.WriteStandardFiles();
    const QString path =
        QDir(common ? install.CommonFolder() : install.ProgramFolder()).filePath(file);
    QFile::remove(path);
    QString expected = MissingFiles;
    if (!replacement.isEmpty()) {
        // A file that is there but is not a regular file ends the start-up the same way, named.
        if (replacement == QLatin1String("fifo")) {
            replacement = path + QStringLiteral(".fifo");
            QCOMPARE(::mkfifo(QFile::encodeName(replacement).constData(), 0600), 0);
        }
        QVERIFY(QFile::link(replacement, path));
        expected += "\r\"" + QDir::toNativeSeparators(path) + "\" is not a regular file.";
    }

    auto window = install.Start();
    QCOMPARE(Texts(Dialogs::TakeMessages()), QStringList{expected});
    QCOMPARE(Dialogs::TakeBeeps(), 1);
    QVERIFY(window->Terminated());
    QVERIFY(window->Catalog().empty());
}

void TestStartup::cleanStart()
{
    TTestInstallation install;
    install.WriteStandardFiles();
    auto window = install.Start();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(!window->Terminated());
    QCOMPARE(window->windowTitle(), QStringLiteral("Ferrolyn\u2122"));

    QCOMPARE(window->Catalog().size(), std::size_t(4));
    QCOMPARE(window->Catalog().front()->ConnectorCount(), 6);
    QCOMPARE(window->QuoteSources().PriceList->Count(),
             2); // two part numbers; the comment line is skipped
    QCOMPARE(window->QuoteSources().PriceList->Find(QStringLiteral("V4DM-P"))->Price, 38.5);
    QCOMPARE(LoadInstallation().ImageTable.size(), 4);
    QCOMPARE(window->WizardModel().Side(0).InterfaceChoice, QStringLiteral("7-16 DIN Male"));
    QCOMPARE(window->WizardModel().Side(1).InterfaceChoice, QStringLiteral("7-16 DIN Male"));
    QCOMPARE(window->WizardModel().CableModel(), QStringLiteral("KRV4-50B"));

    auto* length = window->findChild<QComboBox*>(QStringLiteral("cboLength"));
    QCOMPARE(length->count(), 50);
    QCOMPARE(length->itemText(0), QStringLiteral("1"));
    QCOMPARE(length->itemText(49), QStringLiteral("50"));
    QCOMPARE(length->currentText(), QStringLiteral("6"));

    auto* beginning = window->findChild<QComboBox*>(QStringLiteral("cboBeginning"));
    auto* ending = window->findChild<QComboBox*>(QStringLiteral("cboEnding"));
    QCOMPARE(ComboItems(beginning), (QStringList{"150", "700", "800"}));
    QCOMPARE(ComboItems(ending), (QStringList{"2200", "2700", "3000"}));
    QCOMPARE(beginning->currentText(), QStringLiteral("800"));
    QCOMPARE(ending->currentText(), QStringLiteral("2200"));

    auto* cableType = window->findChild<TRadioGroup*>(QStringLiteral("rgCableType"));
    QCOMPARE(cableType->ItemIndex(), 1);
    QVERIFY(!cableType->ItemEnabled(2));
    QVERIFY(cableType->ItemEnabled(0));

    QVERIFY(!window->QuoteSources().RatesAvailable);
    QVERIFY(window->ResultContent().RatesDate.isEmpty());
    QVERIFY(
        !window->findChild<QMenu*>(QStringLiteral("CurrencySettings1"))->menuAction()->isVisible());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblforeign1"))->text(),
             CurrencyNote + QStringLiteral("."));

    for (const char* name : {"imgTopJumper", "imgBottomJumper", "imgFeeder", "imgPV", "imgLogo"}) {
        auto* picture = window->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(picture != nullptr, name);
        if (qstrcmp(name, "imgLogo") != 0)
            QVERIFY2(!picture->property("noPicture").toBool(), name);
    }
}

void TestStartup::exchangeRates()
{
    TTestInstallation install;
    install.WriteStandardFiles();
    install.WriteProgramFile(QStringLiteral("xcngrate.dat"),
                             QStringLiteral("EUR|1.08|\nGBP|1.27|\n"));
    const QDateTime stamp(QDate(2026, 11, 3), QTime(10, 0));
    {
        QFile rates(QDir(install.ProgramFolder()).filePath(QStringLiteral("xcngrate.dat")));
        QVERIFY(rates.open(QIODevice::ReadWrite));
        QVERIFY(rates.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    auto window = install.Start();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(window->QuoteSources().RatesAvailable);
    QCOMPARE(LoadInstallation().RateLines, (QStringList{"EUR|1.08|", "GBP|1.27|"}));
    const QString date = QLocale::system().toString(stamp.date(), QLocale::ShortFormat);
    QCOMPARE(window->ResultContent().RatesDate, date);
    QVERIFY(
        window->findChild<QMenu*>(QStringLiteral("CurrencySettings1"))->menuAction()->isVisible());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblforeign2"))->text(),
             CurrencyNote + date + QStringLiteral("."));
}

void TestStartup::malformedPartDataLines()
{
    // Told once, each line with its file and line; the window starts, and the good line counts.
    TTestInstallation install;
    install.WriteStandardFiles();
    install.WriteProgramFile(QStringLiteral("dat/specs.dat"),
                             QStringLiteral("[Connectors]\nV4DM-PV=0.03|\nV4NM-P=x|\n"
                                            "[Cables]\nKRV4-50B=2|\n"));
    auto window = install.Start();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    const QString text = messages.first().Text;
    QVERIFY2(text.startsWith(QStringLiteral("Some part data cannot be read")) &&
                 text.contains(QStringLiteral("'x' is not a valid floating point value")) &&
                 text.contains(QStringLiteral("'2' is not a valid floating point value")) &&
                 text.contains(QStringLiteral("specs.dat, line 3")) &&
                 text.contains(QStringLiteral("specs.dat, line 5")),
             qPrintable(text));
    QVERIFY(!window->Terminated());
    QVERIFY(window->QuoteSources().Specs->Connector(QStringLiteral("V4DM-PV")) != nullptr);
}

void TestStartup::unreadableRatesAreSkipped_data()
{
    QTest::addColumn<QString>("target"); // what xcngrate.dat links to
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    // A regular file whose reading fails.
    if (QFileInfo::exists(QStringLiteral("/proc/self/mem")))
        QTest::newRow("unreadable regular file") << QStringLiteral("/proc/self/mem");
}

void TestStartup::unreadableRatesAreSkipped()
{
    QFETCH(QString, target);
    TTestInstallation install;
    install.WriteStandardFiles();
    const QString path = QDir(install.ProgramFolder()).filePath(QStringLiteral("xcngrate.dat"));
    if (target == QLatin1String("fifo")) {
        target = path + QStringLiteral(".fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    }
    QVERIFY(QFile::link(target, path));
    auto window = install.Start();
    const QStringList messages = Texts(Dialogs::TakeMessages());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("The exchange rates cannot be read")) &&
                 messages.first().contains(QDir::toNativeSeparators(path)),
             qPrintable(messages.first()));
    QVERIFY(!window->Terminated());
    QVERIFY(!window->QuoteSources().RatesAvailable);
    QVERIFY(!window->Catalog().empty());
    QVERIFY(
        !window->findChild<QMenu*>(QStringLiteral("CurrencySettings1"))->menuAction()->isVisible());
}

// clang-format off
void TestStartup::malformedCatalog_data()
{
    QTest::addColumn<QString>("badSection");
    QTest::addColumn<QString>("message");
    QTest::newRow("frequency not a number")
        << QStringLiteral("[Bad]\nTLine=8OO|2200|X|X|FOAM|0|0|1|S||||0|0|\n")
        << QStringLiteral("'8OO' is not a valid floating point value\n(tlineconnectors.dat, line 13)");
    QTest::newRow("cable line too short")
        << QStringLiteral("[Bad]\nTLine=800|2200|X|\n")
        << QStringLiteral("List index out of bounds (4)\n(tlineconnectors.dat, line 13)");
    QTest::newRow("connector number not an integer")
        << QStringLiteral("[Bad]\nTLine=800|2200|X|X|FOAM|0|0|1|S||||0|0|\nC1=4.5|P|N Male||N Female||P|R|\n")
        << QStringLiteral("'4.5' is not a valid integer value\n(tlineconnectors.dat, line 14)");
}
// clang-format on

void TestStartup::malformedCatalog()
{
    QFETCH(QString, badSection);
    QFETCH(QString, message);
    TTestInstallation install;
    // Two good cables, then the bad section, then a cable that is never reached.
    install.WriteStandardFiles(
        QStringLiteral("[Catalog]\nVersion=1\n"
                       "[A]\nTLine=800|2200|A|A|FOAM|0.07|0.0002|0.63|S||||4|40|\nC1=1|P1|N "
                       "Male||N Female||P|R|\n"
                       "\n"
                       "[B]\nTLine=700|2700|B|B|FOAM|0.07|0.0002|0.63|S||||4|40|\n"
                       "C1=2|P2|N Male||N Female||P|R|\n\n\n") +
        badSection + QStringLiteral("[C]\nTLine=150|3000|C|C|AIR|0|0|1|S||||0|0|\n"));

    auto window = install.Start();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(Texts(messages), QStringList{message});
    QCOMPARE(messages.first().Icon, Dialogs::TIcon::Error);
    QVERIFY(!window->Terminated());
    // What was read before the fault stays; later steps did not run.
    QCOMPARE(window->Catalog().size(), std::size_t(2));
    QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("cboBeginning"))->count(), 0);
    QCOMPARE(window->CurrentPage(), TPage::Page1);
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("btnBack"))->isEnabled());
}

void TestStartup::catalogWithHeaderOnly()
{
    TTestInstallation install;
    install.WriteStandardFiles(QStringLiteral("[Catalog]\nVersion=1\n"));
    auto window = install.Start();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(window->Catalog().empty());
    for (const char* name : {"cboBeginning", "cboEnding"}) {
        auto* box = window->findChild<QComboBox*>(QLatin1String(name));
        QCOMPARE(box->count(), 0);
        QCOMPARE(box->currentIndex(), -1);
    }
}

void TestStartup::missingPictureShowsPlaceholder()
{
    TTestInstallation install;
    install.WriteStandardFiles();
    install.RemoveProgramFile(QStringLiteral("images/topjumper.gif"));
    install.WriteProgramFile(QStringLiteral("images/pv.gif"), QStringLiteral("not a picture"));
    auto window = install.Start();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(
        window->findChild<QLabel*>(QStringLiteral("imgTopJumper"))->property("noPicture").toBool());
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("imgPV"))->property("noPicture").toBool());
    QVERIFY(!window->findChild<QLabel*>(QStringLiteral("imgBottomJumper"))
                 ->property("noPicture")
                 .toBool());
    // Start-up went on past the pictures.
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblforeign1"))->text(),
             CurrencyNote + QStringLiteral("."));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
