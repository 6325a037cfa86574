#pragma once

#include <QString>
#include <QStringList>

struct TBenchConfig;

// The cables and choices the benchmark drives. They are written last in every file, so that any
// look-up that walks a file, a section list or a list of cables pays for all of it.
namespace BenchCatalog {
inline const QString MainCable = QStringLiteral("KRV4-50B");
inline const QString OtherCable = QStringLiteral("KRV4-50A");
// The standard assembly of MainCable with a 7-16 DIN Male Prenvo connector at both ends:
// feet lengths 3,6,10,15,20 and metre lengths 1,2,3,5.
inline const QString StandardStem = QStringLiteral("KJ4B-DMDM-PV-");
inline const QString StandardLength = QStringLiteral("6");
inline const QString NearLength = QStringLiteral("8");
inline const QString StandardInterface = QStringLiteral("7-16 DIN Male");
// Never part of a standard assembly: with it the wizard ends on the parts list.
inline const QString CustomInterface = QStringLiteral("N Female");
} // namespace BenchCatalog

// A written installation: the program folder, the common-files folder with the price list, a
// settings folder and an order file.
struct TSyntheticInstallation {
    QString Root;
    QString ProgramFolder;
    QString CommonFolder;
    QString OrderFile;
    // The data files the program reads at start-up (price list, catalog, picture table, rates)
    // and jumpers.dat, which it reads at the first part-number search.
    QStringList StartupFiles;
    QString JumperFile;
    qint64 StartupBytes = 0;
    qint64 TotalBytes = 0;

    int Cables = 0;
    int ConnectorEntries = 0;
    int Assemblies = 0;
    int PriceLines = 0;   // item lines of the price list
    int CommentLines = 0; // comment and empty lines of the price list
    int OrderItems = 0;
    double WriteSeconds = 0;

    QString Describe() const;
};

// Writes the installation under root (which must exist) in the program's real file formats.
TSyntheticInstallation WriteSyntheticInstallation(const QString& root, const TBenchConfig& config);

// The installation's folders and files without writing anything.
TSyntheticInstallation InstallationAt(const QString& root);

// Points the program at the installation under root, as the tests do: settings redirected into
// root/settings (where the common-files folder is registered), the program folder set, message
// boxes and file dialogs recorded instead of shown, and a spreadsheet program present.
void UseInstallation(const QString& root);
