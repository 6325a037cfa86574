#pragma once

#include <QMessageBox>

#include "main/TfrmMain.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QComboBox;
class QChartView;
class QLabel;
class QPushButton;
class TRadioGroup;

// A throw-away installation for driving the real main window: a program folder and a
// common-files folder in a temporary directory, settings redirected there, dialogs recorded
// instead of shown, and no spreadsheet program unless a test says so.
class TTestInstallation
{
public:
    TTestInstallation();
    ~TTestInstallation();

    QString ProgramFolder() const;
    QString CommonFolder() const;

    // Writes text (lines joined by '\n') to a file of the program or common-files folder.
    void WriteProgramFile(const QString& relative, const QString& text);
    void WriteCommonFile(const QString& relative, const QString& text);
    void RemoveProgramFile(const QString& relative);

    // Registers the common-files folder as "Path", as the installer does.
    void RegisterPath();
    // A key with another value but no "Path".
    void RegisterKeyWithoutPath();

    // Writes every required file: a registered price list, catalog, picture table, standard
    // assemblies and the pictures the pages load. catalog replaces the default catalog.
    void WriteStandardFiles(const QString& catalog = DefaultCatalog());
    void WriteCatalog(const QString& catalog);

    std::unique_ptr<TfrmMain> Start(const QStringList& arguments = {});

    // A small catalog: a header section, then 1/2" foam cables of three grades (800-2200 MHz)
    // with 7-16 DIN and N connectors, a 7/8" foam cable (700-2700) and an air cable (150-3000).
    static QString DefaultCatalog();
    static QString DefaultImageTable();
    // One 1/2" foam cable (800-2200 MHz) with one 7-16 DIN Male Prenvo connector: the standard
    // jumper of the default jumpers.dat.
    static QString PrenvoJumperCatalog();

private:
    QTemporaryDir Dir;
};

// Items of a combo box, in order.
QStringList ComboItems(const QComboBox* box);

// True when the chart's axis labels write their fractions with the user's decimal separator
// ("0,4" in a comma locale) and some label has one.
bool ChartLabelsInUserFormat(QChartView* view);

// Runs action on the dialog named name once it is the active modal widget (within 5 s), while
// context lives: for a dialog that an action about to be taken opens with exec().
void WhenModal(QObject* context, const QString& name, std::function<void(QWidget*)> action);

// A test's installation and the window started on it, with look-ups of controls by name.
class TWindowDriver
{
public:
    // A new installation with the standard files and this catalog.
    void Prepare(const QString& catalog = TTestInstallation::DefaultCatalog());
    // Starts the window on it.
    void Launch();
    void Stop();

    TfrmMain& W() { return *Window; }
    QComboBox* Combo(const char* name);
    TRadioGroup* Group(const char* name);
    QLabel* Label(const char* name);
    QPushButton* Button(const char* name);
    // File > Open, answering the question about unsaved changes, when it comes, with answer
    // (and forgetting it).
    void TriggerOpen(QMessageBox::StandardButton answer = QMessageBox::Discard);

    std::unique_ptr<TTestInstallation> Install;
    std::unique_ptr<TfrmMain> Window;
};
