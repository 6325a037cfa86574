#include "Installation.h"

#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"
#include "catalog/Catalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString UnreadableFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    const QString name = QDir::toNativeSeparators(path);
    if (!info.exists())
        return Tr("Installation", "\"%1\" is a link to nothing.").arg(name);
    if (!info.isFile())
        return Tr("Installation", "\"%1\" is not a regular file.").arg(name);
    QFile file;
    if (const QString reason = OpenRegularFile(file, path); !reason.isEmpty())
        return Tr("Installation", "\"%1\" cannot be read: %2").arg(name, reason);
    return {};
}

TInstallation LoadInstallation(const TInstallationOptions& options)
{
    TInstallation in;
    in.Key = AppPaths::ReadCommonFilesKey();
    const QString installPath = in.Key.ValueExists ? in.Key.Path : QString();

    // An optional rate file that is there but cannot be read is taken as absent.
    in.RatesFile = AppPaths::ProgramFile(QStringLiteral("xcngrate.dat"));
    in.RatesAvailable = QFileInfo(in.RatesFile).isFile();
    in.RatesUnreadable = UnreadableFile(in.RatesFile);
    if (!in.RatesUnreadable.isEmpty())
        in.RatesAvailable = false;

    in.PriceFile = installPath.isEmpty()
                       ? QString()
                       : AppPaths::Resolve(installPath, QStringLiteral("M_Lom.dat"));
    in.CatalogFile = AppPaths::ProgramFile(QStringLiteral("dat/tlineconnectors.dat"));
    in.ImagesFile = AppPaths::ProgramFile(QStringLiteral("dat/images.dat"));
    in.JumpersFile = AppPaths::ProgramFile(QStringLiteral("dat/jumpers.dat"));
    in.SpecsFile = AppPaths::ProgramFile(QStringLiteral("dat/specs.dat"));
    QStringList required = {in.PriceFile, in.CatalogFile};
    if (options.Pictures)
        required.append(in.ImagesFile);
    required.append(in.JumpersFile);
    for (const QString& file : std::as_const(required)) {
        // A file that is there but cannot be read counts as a missing one, with its reason.
        const QString reason = file.isEmpty() ? QString() : UnreadableFile(file);
        if (file.isEmpty() || !QFileInfo(file).isFile() || !reason.isEmpty()) {
            in.MissingFile = file;
            in.MissingReason = reason;
            return in;
        }
    }

    in.Specs = ReadSpecFile(in.SpecsFile, in.SpecProblems);
    try {
        try {
            in.PriceList = TPriceList(TTextBuffer::ReadFile(in.PriceFile));
        } catch (TDataError& error) {
            throw error.At(in.PriceFile, 0);
        }
        in.Reached = TInstallation::TStage::PriceList;

        if (in.RatesAvailable) {
            try {
                in.RateLines = ReadTextLines(in.RatesFile, false, SmallDataFileLimit);
            } catch (const TDataError& error) {
                in.RatesError = error;
                in.RatesAvailable = false;
            }
        }
        if (in.RatesAvailable) {
            in.Rates = TExchangeRates(in.RateLines, in.RatesFile);
            in.RatesDate = QFileInfo(in.RatesFile).lastModified().date();
        }
        in.Reached = TInstallation::TStage::Rates;

        LoadCatalogFile(in.CatalogFile, in.Cables);
        BuildFrequencyLists(in.Cables, in.BeginningFrequencies, in.EndingFrequencies);
        in.Reached = TInstallation::TStage::Catalog;

        if (options.Pictures) {
            try {
                in.ImageTable = ReadTextLines(in.ImagesFile, false, SmallDataFileLimit);
            } catch (TDataError& error) {
                throw error.At(in.ImagesFile, 0);
            }
        }
        in.Reached = TInstallation::TStage::Pictures;
    } catch (const TDataError& error) {
        in.Error = error;
    }
    return in;
}
