#include "TestInstallation.h"
#include "OnePixelGif.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/PrintDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "base/LineFormat.h"
#include "documents/OrderDocument.h"
#include "platform/RadioGroup.h"
#include <QAction>
#include <QBuffer>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgGenerator>

TTestInstallation::TTestInstallation()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(Dir.path()).mkpath(QStringLiteral("program/dat"));
    QDir(Dir.path()).mkpath(QStringLiteral("program/images"));
    QDir(Dir.path()).mkpath(QStringLiteral("common"));
    QDir(Dir.path()).mkpath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       Dir.filePath(QStringLiteral("settings")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       Dir.filePath(QStringLiteral("settings")));
    AppPaths::SetSettingsFolder(Dir.filePath(QStringLiteral("settings/Vantrel")));
    AppPaths::SetProgramFolder(ProgramFolder());
    Dialogs::SetRecording(true);
    FileDialogs::Reset();
    PrintDialogs::Reset();
    Desktop::SetSpreadsheetAvailableOverride(false);
    // Written documents open as on a desktop with a PDF viewer and a spreadsheet program.
    Desktop::SetOpenerAvailableOverride(true);
}

TTestInstallation::~TTestInstallation()
{
    AppPaths::SetProgramFolder(QString());
    AppPaths::SetSettingsFolder(QString());
    AppPaths::SetProgramFolderWritableOverride(std::nullopt);
    Desktop::SetSpreadsheetAvailableOverride(std::nullopt);
    Desktop::SetOpenerAvailableOverride(std::nullopt);
    Dialogs::SetRecording(true);
}

QString TTestInstallation::ProgramFolder() const
{
    return Dir.filePath(QStringLiteral("program"));
}

QString TTestInstallation::CommonFolder() const
{
    return Dir.filePath(QStringLiteral("common"));
}

namespace {

void WriteFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text.toUtf8());
}

// A one-pixel GIF picture.
void WritePicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(reinterpret_cast<const char*>(OnePixelGif), sizeof OnePixelGif);
}

} // namespace

void TTestInstallation::WriteProgramFile(const QString& relative, const QString& text)
{
    WriteFile(QDir(ProgramFolder()).filePath(relative), text);
}

void TTestInstallation::WriteCommonFile(const QString& relative, const QString& text)
{
    WriteFile(QDir(CommonFolder()).filePath(relative), text);
}

void TTestInstallation::RemoveProgramFile(const QString& relative)
{
    QFile::remove(QDir(ProgramFolder()).filePath(relative));
}

void TTestInstallation::RegisterPath()
{
    AppPaths::WriteCommonFilesPath(CommonFolder());
}

void TTestInstallation::RegisterKeyWithoutPath()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vantrel"),
                       QStringLiteral("Common Files"));
    settings.setValue(QStringLiteral("InstallDate"), QStringLiteral("2026-01-01"));
    settings.sync();
}

void TTestInstallation::WriteCatalog(const QString& catalog)
{
    WriteProgramFile(QStringLiteral("dat/tlineconnectors.dat"), catalog);
}

void TTestInstallation::WriteStandardFiles(const QString& catalog)
{
    RegisterPath();
    WriteCommonFile(QStringLiteral("M_lom.dat"),
                    QStringLiteral("; price list\n"
                                   "CAB|1|KRV4-50B|FT|1/2 in. foam cable|2.10|\n"
                                   "CON|2|V4DM-P|EA|7-16 DIN male|38.50|\n"));
    WriteCatalog(catalog);
    WriteProgramFile(QStringLiteral("dat/images.dat"), DefaultImageTable());
    WriteProgramFile(QStringLiteral("dat/jumpers.dat"),
                     QStringLiteral("[Assemblies]\nVersion=1\n[KRV4-50B]\nTLine=KRV4-50B|\n"
                                    "J1=401|401|x|x|KJ4-DMDM-|x|3,6,10|1,2|\n"));
    const QStringList pictures = {QStringLiteral("topjumper.gif"),
                                  QStringLiteral("bottomjumper.gif"),
                                  QStringLiteral("mainfeeder.gif"),
                                  QStringLiteral("pv.gif"),
                                  QStringLiteral("noconnectors.gif"),
                                  QStringLiteral("KRV4-50B.gif"),
                                  QStringLiteral("KRV4-50BP.gif"),
                                  QStringLiteral("716dinm.gif"),
                                  QStringLiteral("716dinm_pv.gif"),
                                  QStringLiteral("716dinm_ra.gif"),
                                  QStringLiteral("nm.gif")};
    for (const QString& picture : pictures)
        WritePicture(QDir(ProgramFolder()).filePath(QStringLiteral("images/") + picture));
}

std::unique_ptr<TfrmMain> TTestInstallation::Start(const QStringList& arguments)
{
    return std::make_unique<TfrmMain>(arguments);
}

QString TTestInstallation::DefaultCatalog()
{
    return QStringLiteral(
        "[Catalog]\n"
        "Version=1\n"
        "[KRV4-50B]\n"
        "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
        "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
        "C2=402|V4DM-P|7-16 DIN Male||7-16 DIN Female|Captivated Pin|P|R|\n"
        "C3=403|V4DM-S|7-16 DIN Male||7-16 DIN Female|Captivated Pin|S|R|\n"
        "C4=404|V4DMR-P|7-16 DIN Male|Right Angle|7-16 DIN Female||P|R|\n"
        "C5=405|V4NM-P|N Male||N Female||P|R|\n"
        "C6=406|V4NF-S|N Female||N Male||S|R|\n"
        "[KRV4-50BP]\n"
        "TLine=800|2200|KRV4-50BP|KRV4-50BP|FOAM|0.0689|0.00015|0.63|P|FAC-4||Y||3.3|40|\n"
        "C1=411|V4DM-P|7-16 DIN Male||7-16 DIN Female||P|R|\n"
        "[KRV5-50B]\n"
        "TLine=700|2700|KRV5-50B|KRV5-50B|FOAM|0.0382|0.00012|1.10|S|FAC-5|Y|Y|Y|9|80|\n"
        "C1=501|V5DM-P|7-16 DIN Male||7-16 DIN Female||P|R|\n"
        "[KRA5-50A]\n"
        "TLine=150|3000|KRA5-50A|KRA5-50A|AIR|0.035|0.0001|1.05|S|FAC-5||Y|Y|10|90|\n"
        "C1=601|A5NM-P|N Male||N Female||P|R|\n");
}

QString TTestInstallation::PrenvoJumperCatalog()
{
    return QStringLiteral(
        "[Catalog]\nVersion=1\n"
        "[KRV4-50B]\n"
        "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
        "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n");
}

QString TTestInstallation::DefaultImageTable()
{
    return QStringLiteral("7-16 DIN Male|||716dinm.gif|\n"
                          "7-16 DIN Male||Y|716dinm_pv.gif|\n"
                          "7-16 DIN Male|Y||716dinm_ra.gif|\n"
                          "N Male|||nm.gif|\n");
}

bool ChartLabelsInUserFormat(QChartView* view)
{
    // Qt Charts lays out its labels only in a window that is shown, and elides them when the
    // chart is small: the window is shown large while the chart is drawn as SVG, whose <text>
    // elements are what the user reads.
    QWidget* window = view->window();
    const bool hidden = !window->isVisible();
    const QSize windowSize = window->size();
    window->show();
    window->resize(1600, 1200);
    QApplication::processEvents();
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(view->size());
        QPainter painter(&generator);
        view->render(&painter);
    }
    window->resize(windowSize);
    if (hidden)
        window->hide();
    QApplication::processEvents();
    const QString point = UserLocale().decimalPoint();
    const QString other = point == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
    static const QRegularExpression text(QStringLiteral(">([^<>]*)</text>"));
    const QRegularExpression local(QStringLiteral("\\d") + QRegularExpression::escape(point) +
                                   QStringLiteral("\\d"));
    const QRegularExpression foreign(QStringLiteral("\\d") + QRegularExpression::escape(other) +
                                     QStringLiteral("\\d"));
    bool found = false;
    for (const QRegularExpressionMatch& match : text.globalMatch(QString::fromUtf8(svg.data()))) {
        const QString label = match.captured(1).trimmed();
        if (foreign.match(label).hasMatch())
            return false;
        found = found || local.match(label).hasMatch();
    }
    return found;
}

QStringList ComboItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

void TWindowDriver::Prepare(const QString& catalog)
{
    Install = std::make_unique<TTestInstallation>();
    Install->WriteStandardFiles(catalog);
}

void TWindowDriver::Launch()
{
    Window = Install->Start();
}

void TWindowDriver::Stop()
{
    Window.reset();
    Install.reset();
}

QComboBox* TWindowDriver::Combo(const char* name)
{
    return Window->findChild<QComboBox*>(QLatin1String(name));
}

TRadioGroup* TWindowDriver::Group(const char* name)
{
    return Window->findChild<TRadioGroup*>(QLatin1String(name));
}

QLabel* TWindowDriver::Label(const char* name)
{
    return Window->findChild<QLabel*>(QLatin1String(name));
}

QPushButton* TWindowDriver::Button(const char* name)
{
    return Window->findChild<QPushButton*>(QLatin1String(name));
}

void WhenModal(QObject* context, const QString& name, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(context);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, context, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool found = modal && modal->objectName() == name;
        if (found || started->hasExpired(5000)) {
            timer->stop();
            timer->deleteLater();
        }
        if (found)
            action(modal);
    });
    timer->start(5);
}

void TWindowDriver::TriggerOpen(QMessageBox::StandardButton answer)
{
    const bool asks = W().findChild<TOrderDocument*>()->Modified();
    if (asks)
        Dialogs::SetNextAnswer(answer);
    W().findChild<QAction*>(QStringLiteral("Open1"))->trigger();
    if (asks)
        Dialogs::ForgetMessage(UnsavedOrderQuestion);
}
