#include "support/TestInstallation.h"

#include "about/TfrmAbout.h"
#include "documents/TfrmOrderDetails.h"
#include "history/TfrmQuoteArchive.h"
#include "history/TfrmQuoteHistory.h"
#include "main/WindowPlacement.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/IniSettings.h"
#include "platform/Languages.h"
#include "platform/RadioGroup.h"
#include "platform/Translation.h"
#include "update/TfrmOptions.h"
#include "update/TfrmUpdate.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Every text of the program's own, about 40 % longer and with accented letters; placeholders,
// markup, accelerators and shortcuts kept. Qt's own texts are left as they are.
class TPseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QByteArray name(context);
        if (name.size() > 1 && name[0] == 'Q' && QChar::isUpper(uchar(name[1])))
            return {};
        return Pseudo(QString::fromUtf8(source));
    }

    // The text about 40 % longer, its vowels accented: the extra letters make short words at
    // its end (before a menu item's shortcut).
    static QString Pseudo(const QString& text)
    {
        static const QString Plain = QStringLiteral("aeiouAEIOUcny");
        static const QString Accented = QStringLiteral("áéíöüÁÉÍÖÜçñý");
        static const QRegularExpression Kept(
            QStringLiteral("\\G(%L?\\d+|%L?n|<[^>]*>|&[a-z]+;|&#\\d+;)"));
        const qsizetype end =
            text.contains(QLatin1Char('\t')) ? text.indexOf(QLatin1Char('\t')) : text.size();
        QString result;
        int letters = 0;
        qsizetype i = 0;
        while (i < end) {
            const QRegularExpressionMatch kept = Kept.match(text, i);
            if (kept.hasMatch()) {
                result += kept.captured();
                i += kept.capturedLength();
                continue;
            }
            const QChar c = text[i++];
            const qsizetype plain = Plain.indexOf(c);
            result += plain >= 0 ? Accented[plain] : c;
            letters += c.isLetterOrNumber() ? 1 : 0;
        }
        for (int extra = (letters * 2 + 4) / 5; extra > 0; extra -= 4)
            result += QLatin1Char(' ') + QString(qMin(extra, 4), QChar(0x00DF));
        return result + text.mid(end);
    }
};

// The languages a layout is checked in: English, each translation and the pseudo-language.
QStringList LayoutLanguages()
{
    QStringList codes{QStringLiteral("en")};
    for (const Languages::TLanguage& language : Languages::Translations())
        codes.append(language.Code);
    codes.append(QStringLiteral("pseudo"));
    return codes;
}

// True when a column's heading does not fit its section: on one line, or within the header's
// height where the header wraps its headings.
bool HeadingCut(const QHeaderView* header, int column, const QString& text)
{
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int width = header->sectionSize(column) - 2 * margin;
    const QFontMetrics metrics = header->fontMetrics();
    if (!(header->defaultAlignment() & Qt::TextWordWrap))
        return metrics.horizontalAdvance(text) > width;
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, width, 10000), Qt::AlignCenter | Qt::TextWordWrap, text);
    return needed.width() > width || needed.height() > header->height() - margin;
}

// True when the layout, or one nested in it, places widget.
bool InLayout(const QLayout* layout, const QWidget* widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget ||
            (item->layout() != nullptr && InLayout(item->layout(), widget)))
            return true;
    }
    return false;
}

// What of window shows less than its text needs: labels, buttons, radio items, check boxes,
// group titles, grid headings and menu titles.
QStringList CutOff(QWidget* window)
{
    QStringList problems;
    const auto name = [](const QObject* object, const QString& text) {
        return QStringLiteral("%1 '%2'").arg(object->objectName(), text.left(60));
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const bool cut = label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                           : label->width() < label->sizeHint().width();
        if (cut)
            problems << QStringLiteral("label ") + name(label, label->text());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window) && !button->text().isEmpty() &&
            button->width() < button->sizeHint().width())
            problems << QStringLiteral("button ") + name(button, button->text());
    }
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (group->isVisibleTo(window) && !group->title().isEmpty() &&
            group->width() < group->minimumSizeHint().width())
            problems << QStringLiteral("group ") + name(group, group->title());
    }
    for (QTableWidget* grid : window->findChildren<QTableWidget*>()) {
        const QHeaderView* header = grid->horizontalHeader();
        if (!grid->isVisibleTo(window) || header->isHidden())
            continue;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
            if (item != nullptr && !header->isSectionHidden(column) &&
                HeadingCut(header, column, item->text()))
                problems << QStringLiteral("heading ") + name(grid, item->text());
        }
    }
    // Controls a layout places side by side never overlap.
    for (QWidget* parent : window->findChildren<QWidget*>()) {
        if (parent->layout() == nullptr || !parent->isVisibleTo(window))
            continue;
        QList<QWidget*> placed;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(window) && !child->isWindow() &&
                InLayout(parent->layout(), child))
                placed.append(child);
        for (qsizetype i = 0; i < placed.size(); ++i)
            for (qsizetype j = i + 1; j < placed.size(); ++j)
                if (placed[i]->geometry().intersects(placed[j]->geometry()))
                    problems << QStringLiteral("overlap %1 / %2")
                                    .arg(placed[i]->objectName(), placed[j]->objectName());
    }
    // The pages scroll down in a small window, but never sideways at the default size.
    for (QScrollArea* area : window->findChildren<QScrollArea*>()) {
        if (area->isVisibleTo(window) && area->widget() != nullptr &&
            area->widget()->minimumSizeHint().width() > area->viewport()->width())
            problems << QStringLiteral("%1 needs %2 px across, has %3")
                            .arg(area->objectName())
                            .arg(area->widget()->minimumSizeHint().width())
                            .arg(area->viewport()->width());
    }
    // Within a menu, each item's accelerator letter is its own.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QStringList taken;
        for (QAction* action : menu->actions()) {
            static const QRegularExpression Accelerator(QStringLiteral("&([^& ])"));
            const QString key = Accelerator.match(action->text()).captured(1).toLower();
            if (!key.isEmpty() && action->isVisible() && taken.contains(key))
                problems << QStringLiteral("accelerator ") + name(menu, action->text());
            taken << key;
        }
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* action : bar->actions())
            if (action->isVisible() && bar->actionGeometry(action).right() >= bar->width())
                problems << QStringLiteral("menu ") + name(action, action->text());
    }
    return problems;
}

} // namespace

QStringList EssentialsOutOfView(TfrmMain& w);

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void translationsComplete();
    void menuChangesTheLanguageAtOnce();
    void dataStaysEnglish();
    void desktopEntryInEveryLanguage();
    void nothingCutOff_data();
    void nothingCutOff();

private:
    // Shows the program in a language: "en", a translation's code or "pseudo".
    void Use(const QString& code);
    // Every dialog the window opens of itself, and the window on each page.
    QStringList CutOffEverywhere(const QSize& size);

    TWindowDriver Driver;
    std::unique_ptr<TPseudoTranslator> Pseudo;
};

void TestTranslations::init()
{
    Driver.Prepare();
}

void TestTranslations::cleanup()
{
    Driver.Stop();
    Use(QStringLiteral("en"));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void TestTranslations::Use(const QString& code)
{
    if (Pseudo != nullptr)
        QCoreApplication::removeTranslator(Pseudo.get());
    Pseudo.reset();
    if (code != QLatin1String("pseudo")) {
        Languages::Apply(code);
        return;
    }
    Languages::Apply(QStringLiteral("en"));
    Pseudo = std::make_unique<TPseudoTranslator>();
    QCoreApplication::installTranslator(Pseudo.get());
    for (QWidget* window : QApplication::topLevelWidgets())
        RetranslateBound(window);
}

// Each translation holds every text of the sources, finished, with the same placeholders and
// accelerators as its source: lupdate brings a copy of it up to date with the sources first.
void TestTranslations::translationsComplete()
{
    const QDir sources(QStringLiteral(FERROLYN_SOURCE_DIR));
    QTemporaryDir work;
    QStringList problems;
    const QStringList tsFiles = QDir(sources.filePath(QStringLiteral("translations")))
                                    .entryList({QStringLiteral("ferrolyn_*.ts")}, QDir::Files);
    QVERIFY(!tsFiles.isEmpty());
    for (const QString& file : tsFiles) {
        const QString copy = work.filePath(file);
        QVERIFY(QFile::copy(sources.filePath(QStringLiteral("translations/") + file), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(
            QStringLiteral(FERROLYN_LUPDATE),
            QString::fromUtf8(FERROLYN_LUPDATE_OPTIONS).split(QLatin1Char(' ')) +
                QStringList{sources.filePath(QStringLiteral("src")), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        QFile ts(copy);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString context;
        QString source;
        static const QRegularExpression Placeholder(QStringLiteral("%L?(\\d+|n)"));
        const auto placeholders = [](const QString& text) {
            QStringList found;
            for (const QRegularExpressionMatch& match : Placeholder.globalMatch(text))
                found.append(match.captured());
            found.sort();
            found.removeDuplicates();
            return found;
        };
        // Line breaks and blanks at either end are the message's frame: a translation keeps them.
        const auto ends = [](const QString& text) {
            const QString trimmed = text.trimmed();
            return trimmed.isEmpty() ? text
                                     : text.left(text.indexOf(trimmed)) + QLatin1Char('|') +
                                           text.mid(text.indexOf(trimmed) + trimmed.size());
        };
        static const QRegularExpression Accelerator(QStringLiteral("&[^& ]"));
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                const QString where = QStringLiteral("%1: %2 '%3'").arg(file, context, source);
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (type == QLatin1String("unfinished") || translation.trimmed().isEmpty())
                    problems << where + QStringLiteral(": not translated");
                else if (!source.contains(QLatin1String("%n")) &&
                         placeholders(source) != placeholders(translation))
                    problems << where + QStringLiteral(": placeholders differ");
                else if (source.contains(Accelerator) != translation.contains(Accelerator))
                    problems << where + QStringLiteral(": accelerator differs");
                else if (ends(source) != ends(translation))
                    problems << where + QStringLiteral(": begins or ends otherwise");
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(QStringLiteral("%1 line %2: %3")
                                                 .arg(file)
                                                 .arg(xml.lineNumber())
                                                 .arg(xml.errorString())));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::menuChangesTheLanguageAtOnce()
{
    Driver.Launch();
    TfrmMain& w = Driver.W();
    const auto texts = [&w] {
        QStringList all;
        for (const char* name : {"File1", "Language1"})
            all << w.findChild<QMenu*>(QLatin1String(name))->title();
        for (const char* name : {"Open1", "Exit1"})
            all << w.findChild<QAction*>(QLatin1String(name))->text();
        all << w.findChild<QGroupBox*>(QStringLiteral("rgApp"))->title()
            << w.findChild<QAbstractButton*>(QStringLiteral("rgApp_0"))->text()
            << w.findChild<QGroupBox*>(QStringLiteral("gbxLength"))->toolTip()
            << w.findChild<QPushButton*>(QStringLiteral("btnNext"))->text();
        return all;
    };
    const QStringList english = texts();
    QCOMPARE(english, (QStringList{"&File", "&Language", "&Open", "E&xit", "Application:", "Jumper",
                                   "Select a Length", "Next ->"}));

    w.findChild<QAction*>(QStringLiteral("Language_de"))->trigger();
    QCOMPARE(Languages::Current(), QStringLiteral("de"));
    QCOMPARE(texts(), (QStringList{"&Datei", "&Sprache", "Ö&ffnen", "&Beenden",
                                   "Anwendung:", "Jumper", "Länge wählen", "Weiter ->"}));
    QCOMPARE(
        TIniSettings::ReadFile(AppPaths::WindowSettingsFile()).Value(QStringLiteral("Language")),
        QStringLiteral("de"));
    QCOMPARE(Languages::SavedChoice(), QStringLiteral("de"));
    QVERIFY(w.findChild<QAction*>(QStringLiteral("Language_de"))->isChecked());

    // A result page shows what it computed in the new language at once: the summary's row
    // captions, its price caption, the band panel's headings and the as-built panel's rows.
    Driver.Combo("cboLength")->setEditText(QStringLiteral("6"));
    Driver.Button("btnNext")->click();
    Driver.Button("btnNext")->click();
    QCOMPARE(w.CurrentPage(), TPage::Final);
    const auto results = [&w] {
        const auto cell = [&w](const char* grid, int row, int column) {
            const QTableWidgetItem* item =
                w.findChild<QTableWidget*>(QLatin1String(grid))->item(row, column);
            return item != nullptr ? item->text() : QString();
        };
        const QTableWidget* band = w.findChild<QTableWidget*>(QStringLiteral("grdBand"));
        return QStringList{cell("grdFinal", 0, 0), cell("grdFinal", 2, 0),
                           band->horizontalHeaderItem(0)->text(), cell("grdAsBuilt", 0, 0)};
    };
    // Widgets that compute their texts hear of the change from the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(results(), (QStringList{"Artikelnummer:", "Preis (USD):", "Frequenz (MHz)",
                                     "Einfügedämpfung konfektioniert (dB)"}));

    // Back to English: every text as it was.
    w.findChild<QAction*>(QStringLiteral("Language_en"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(results(), (QStringList{"Part Number:", "Price (USD):", "Frequency (MHz)",
                                     "Insertion loss as built (dB)"}));
    w.ShowPage(TPage::Page1);
    QCOMPARE(texts(), english);
    w.findChild<QAction*>(QStringLiteral("SystemLanguage1"))->trigger();
    QCOMPARE(Languages::SavedChoice(), QString());
}

// The last-order file and update.ini hold the same bytes whatever the language shown.
void TestTranslations::dataStaysEnglish()
{
    QList<QByteArray> english;
    for (const QString& code : {QStringLiteral("en"), QStringLiteral("de")}) {
        Driver.Stop();
        Driver.Prepare();
        Use(code);
        Driver.Launch();
        Driver.Group("rgCableType")->Button(1)->click();
        Driver.Combo("cboLength")->setEditText(QStringLiteral("6"));
        Driver.Button("btnNext")->click();
        Driver.Button("btnNext")->click();
        QCOMPARE(Driver.W().CurrentPage(), TPage::Final);
        Driver.Button("btnNext")->click();
        QCOMPARE(Driver.W().CurrentPage(), TPage::Order);
        TfrmOptions options;
        options.done(QDialog::Accepted);
        QList<QByteArray> written;
        for (const QString& path : {AppPaths::LastOrderFile(), AppPaths::UpdateIniFile()}) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            written.append(file.readAll());
        }
        QVERIFY(written.at(0).contains("KRV4-50B"));
        if (code == QLatin1String("en"))
            english = written;
        else
            QCOMPARE(written, english);
    }
}

void TestTranslations::nothingCutOff_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<QSize>("size");
    const QSize standard(TWindowPlacement::DefaultWidth, TWindowPlacement::DefaultHeight);
    // A 1366 x 768 screen less a panel: the headless platform has no window manager.
    const QSize laptop(1366, 740);
    for (const QString& code : LayoutLanguages()) {
        QTest::newRow(qPrintable(code)) << code << false << standard;
        QTest::newRow(qPrintable(code + QStringLiteral("-1366x740"))) << code << false << laptop;
        // As Qt's -reverse switch lays it out, right to left.
        QTest::newRow(qPrintable(code + QStringLiteral("-mirrored"))) << code << true << standard;
    }
}

void TestTranslations::nothingCutOff()
{
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    QFETCH(QSize, size);
    Use(language);
    if (mirrored)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    Driver.Launch();
    const QStringList problems = CutOffEverywhere(size);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QStringList TestTranslations::CutOffEverywhere(const QSize& size)
{
    TfrmMain& w = Driver.W();
    w.show();
    w.resize(size);
    QStringList problems;
    const auto check = [&](QWidget* window, const QString& where) {
        QApplication::processEvents();
        if (window == &w && w.size() != size)
            problems << QStringLiteral("%1: the window needs %2 x %3")
                            .arg(where)
                            .arg(w.width())
                            .arg(w.height());
        if (window == &w)
            for (const QString& problem : EssentialsOutOfView(w))
                problems << where + QStringLiteral(": ") + problem;
        for (const QString& problem : CutOff(window))
            problems << where + QStringLiteral(": ") + problem;
        // For a translator's review: FERROLYN_SHOTS=folder keeps a picture of each.
        const QString shots = qEnvironmentVariable("FERROLYN_SHOTS");
        if (!shots.isEmpty())
            window->grab().save(
                QDir(shots).filePath(QStringLiteral("%1-%2.png")
                                         .arg(QString::fromLatin1(QTest::currentDataTag()), where)
                                         .replace(' ', '-')));
    };
    check(&w, QStringLiteral("page 1"));
    Driver.Group("rgApp")->Button(1)->click();
    check(&w, QStringLiteral("page 1, feeder"));
    Driver.Group("rgApp")->Button(0)->click();
    Driver.Button("btnNext")->click();
    check(&w, QStringLiteral("page 2"));
    WhenModal(this, QStringLiteral("frmCompare"), [&](QWidget* dialog) {
        check(dialog, QStringLiteral("cable comparison"));
        dialog->close();
    });
    Driver.Button("btnCompare")->click();
    Driver.Button("btnNext")->click();
    check(&w, QStringLiteral("result page"));
    for (const TPage page : {TPage::NoPN, TPage::NoLength, TPage::Final, TPage::Order}) {
        w.ShowPage(page);
        check(&w, w.findChild<QStackedWidget*>(QStringLiteral("PageControl1"))
                      ->currentWidget()
                      ->objectName());
    }
    TfrmAbout about;
    about.show();
    check(&about, QStringLiteral("about"));
    TfrmOptions options;
    options.show();
    check(&options, QStringLiteral("options"));
    TfrmUpdate update;
    update.show();
    check(&update, QStringLiteral("update"));
    TfrmOrderDetails details({});
    details.show();
    check(&details, QStringLiteral("order details"));
    const QTemporaryDir archive;
    TfrmQuoteHistory history({}, archive.filePath(QStringLiteral("q.db")));
    history.show();
    check(&history, QStringLiteral("quote history"));
    TArchiveSetting onServer;
    onServer.OnServer = true;
    TfrmQuoteArchive archiveSetting(onServer);
    archiveSetting.show();
    check(&archiveSetting, QStringLiteral("quote archive"));
    return problems;
}

// What a page must show without scrolling: page 1's and page 2's groups, the result pages' part
// number, figures and price, the order page's total and buttons. Each lies inside the page
// area's visible part, and the page area is scrolled to its top.
QStringList EssentialsOutOfView(TfrmMain& w)
{
    QStringList problems;
    auto* scroller = w.findChild<QScrollArea*>(QStringLiteral("PageScroller"));
    auto* pages = w.findChild<QStackedWidget*>(QStringLiteral("PageControl1"));
    if (scroller == nullptr || pages == nullptr)
        return {QStringLiteral("no page area")};
    QWidget* page = pages->currentWidget();
    QList<QWidget*> essentials;
    const QString name = page->objectName();
    if (name == QLatin1String("Page1") || name == QLatin1String("Page2")) {
        for (QGroupBox* group : page->findChildren<QGroupBox*>())
            if (group->isVisibleTo(page))
                essentials.append(group);
    } else {
        for (const char* essential : {"grdJumper", "grdJumperspecs", "edTotal", "grdLengths",
                                      "rgStdLengths", "grdFinal", "edtOrderTotal"})
            if (QWidget* widget = page->findChild<QWidget*>(QLatin1String(essential)))
                essentials.append(widget);
        if (name == QLatin1String("tsOrder"))
            for (QPushButton* button : page->findChildren<QPushButton*>())
                if (button->isVisibleTo(page))
                    essentials.append(button);
    }
    if (essentials.isEmpty())
        problems << QStringLiteral("nothing essential found on %1").arg(name);
    if (scroller->verticalScrollBar()->value() != 0)
        problems << QStringLiteral("the page opens scrolled down");
    const QRect visible = scroller->viewport()->rect();
    for (QWidget* widget : essentials) {
        const QRect placed(widget->mapTo(scroller->viewport(), QPoint(0, 0)), widget->size());
        if (!visible.contains(placed))
            problems << QStringLiteral("%1 lies outside the visible page (%2,%3 %4x%5 of %6x%7)")
                            .arg(widget->objectName())
                            .arg(placed.x())
                            .arg(placed.y())
                            .arg(placed.width())
                            .arg(placed.height())
                            .arg(visible.width())
                            .arg(visible.height());
    }
    return problems;
}

// The menu entry carries each of its texts in English and in every translation, as translated.
void TestTranslations::desktopEntryInEveryLanguage()
{
    QFile file(QStringLiteral(FERROLYN_SOURCE_DIR) + QStringLiteral("/packaging/ferrolyn.desktop"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QList<Languages::TLanguage> languages = Languages::Translations();
    QVERIFY(languages.size() >= 4);
    for (const auto& [key, text] : Languages::DesktopEntryTexts()) {
        QVERIFY2(lines.contains(key + QLatin1Char('=') + QString::fromUtf8(text.Source)),
                 qPrintable(key));
        QCOMPARE(
            lines.filter(QRegularExpression(QLatin1Char('^') + key + QStringLiteral("\\["))).size(),
            languages.size());
        for (const Languages::TLanguage& language : languages) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(":/i18n/ferrolyn_%1.qm").arg(language.Code)));
            const QString translated = translator.translate(text.Context, text.Source);
            QVERIFY2(!translated.isEmpty(), qPrintable(language.Code + QLatin1Char(' ') + key));
            const QString line = QStringLiteral("%1[%2]=%3").arg(key, language.Code, translated);
            QVERIFY2(lines.contains(line), qPrintable(line));
        }
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
