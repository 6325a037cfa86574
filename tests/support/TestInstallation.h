#pragma once

#include "main/TfrmMain.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QComboBox;

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

private:
    QTemporaryDir Dir;
};

// Items of a combo box, in order.
QStringList ComboItems(const QComboBox* box);
