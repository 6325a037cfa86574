#include "SyntheticInstallation.h"

#include "BenchConfig.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "support/OnePixelGif.h"
#include "SyntheticCatalog.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace SyntheticCatalog;

namespace {

[[noreturn]] void Fail(const QString& text)
{
    std::fprintf(stderr, "ferrolyn_bench: %s\n", qPrintable(text));
    std::exit(2);
}

// --- Writing files -------------------------------------------------------------------------------

// Writes a text file line by line through a large buffer.
class TFileWriter
{
public:
    TFileWriter(const QString& path, QByteArray lineEnd = "\n") : File(path), End(lineEnd)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Fail(QStringLiteral("cannot write %1: %2").arg(path, File.errorString()));
    }
    ~TFileWriter() { Flush(); }
    TFileWriter(const TFileWriter&) = delete;
    TFileWriter& operator=(const TFileWriter&) = delete;

    void Line(const QByteArray& text)
    {
        Buffer += text;
        Buffer += End;
        if (Buffer.size() >= 1 << 20)
            Flush();
    }
    void Flush()
    {
        if (!Buffer.isEmpty() && File.write(Buffer) != Buffer.size())
            Fail(QStringLiteral("cannot write %1: %2").arg(File.fileName(), File.errorString()));
        Buffer.clear();
    }

private:
    QFile File;
    QByteArray End;
    QByteArray Buffer;
};

// A one-pixel GIF picture.
void WritePicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(OnePixelGif),
                                                       sizeof OnePixelGif) != sizeof OnePixelGif)
        Fail(QStringLiteral("cannot write %1").arg(path));
}

// --- The files -----------------------------------------------------------------------------------

struct TOrderItem {
    QByteArray Quantity;
    QByteArray Unit;
    QByteArray ItemNumber;
    QByteArray PartNumber;
    QByteArray Description;
    QByteArray Price;
};

// Keeps every stride-th offered item, up to a limit.
class TSample
{
public:
    TSample(qint64 expected, int limit)
        : Stride(std::max<qint64>(1, expected / limit)), Limit(limit)
    {
    }
    bool Wanted() { return Seen++ % Stride == 0 && static_cast<int>(Items.size()) < Limit; }
    std::vector<TOrderItem> Items;

private:
    qint64 Stride;
    qint64 Seen = 0;
    int Limit;
};

QByteArray AssemblyOrderDescription(const TSeries& series, char grade, const TAssemblySpec& a,
                                    const QByteArray& feet)
{
    auto connector = [](const TConnectorSpec& c) {
        return QByteArray(c.Grade == 'P' ? "Plated " : "Standard ") +
               (c.Characteristics.isEmpty() ? QByteArray() : c.Characteristics + ' ') + c.Actual +
               " with " + (c.Inner.isEmpty() ? QByteArray("(N/A)") : c.Inner) +
               " inner contact attachment";
    };
    return feet + " foot cable assembly, " + Model(series, grade) + ", (" +
           Num(series.Size->Diameter, 2) +
           " in.) SPECIAL INSTRUCTIONS:  Connector1 = " + connector(*a.A) +
           ".   Connector2 = " + connector(*a.B);
}

void WriteUpdateIni(const QString& path)
{
    const QDate today = QDate::currentDate();
    TFileWriter ini(path, "\r\n");
    ini.Line("[UPDATE]");
    ini.Line("days=30");
    ini.Line("autoupdate=0");
    ini.Line("date=" + today.addDays(30).toString(Qt::ISODate).toLatin1());
    ini.Line("last=" + today.addDays(-2).toString(Qt::ISODate).toLatin1());
}

qint64 FileSize(const QString& path)
{
    return QFileInfo(path).size();
}

QString Megabytes(qint64 bytes)
{
    if (bytes < 1024 * 1024)
        return QString::number((bytes + 1023) / 1024) + QStringLiteral(" KB");
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1) +
           QStringLiteral(" MB");
}

} // namespace

QString TSyntheticInstallation::Describe() const
{
    QStringList sizes;
    for (const QString& file : StartupFiles + QStringList{JumperFile})
        sizes.append(QFileInfo(file).fileName() + QLatin1Char(' ') + Megabytes(FileSize(file)));
    return QStringLiteral("catalog: %1 cables, %2 connector entries, %3 standard assemblies; "
                          "price list: %4 item lines and %5 comment lines; order: %6 lines\n"
                          "data files: %7; total %8 (read at start-up: %9)")
        .arg(Cables)
        .arg(ConnectorEntries)
        .arg(Assemblies)
        .arg(PriceLines)
        .arg(CommentLines)
        .arg(OrderItems)
        .arg(sizes.join(QStringLiteral(", ")), Megabytes(TotalBytes), Megabytes(StartupBytes));
}

TSyntheticInstallation InstallationAt(const QString& root)
{
    TSyntheticInstallation installation;
    const QDir dir(root);
    installation.Root = root;
    installation.ProgramFolder = dir.filePath(QStringLiteral("program"));
    installation.CommonFolder = dir.filePath(QStringLiteral("common"));
    const QDir program(installation.ProgramFolder);
    installation.OrderFile = program.filePath(QStringLiteral("data/bench-order.fyn"));
    installation.StartupFiles = {
        QDir(installation.CommonFolder).filePath(QStringLiteral("M_lom.dat")),
        program.filePath(QStringLiteral("dat/tlineconnectors.dat")),
        program.filePath(QStringLiteral("dat/images.dat")),
        program.filePath(QStringLiteral("xcngrate.dat"))};
    installation.JumperFile = program.filePath(QStringLiteral("dat/jumpers.dat"));
    for (const QString& file : installation.StartupFiles)
        installation.StartupBytes += FileSize(file);
    installation.TotalBytes = installation.StartupBytes + FileSize(installation.JumperFile);
    return installation;
}

void UseInstallation(const QString& root)
{
    const QDir dir(root);
    QStandardPaths::setTestModeEnabled(true);
    const QString settings = dir.filePath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    AppPaths::SetSettingsFolder(QDir(settings).filePath(QStringLiteral("Vantrel")));
    AppPaths::SetProgramFolder(dir.filePath(QStringLiteral("program")));
    Dialogs::SetRecording(true);
    FileDialogs::Reset();
    Desktop::SetSpreadsheetAvailableOverride(true);
    // Written documents are handed to an application, as on a desktop with one.
    Desktop::SetOpenerAvailableOverride(true);
}

TSyntheticInstallation WriteSyntheticInstallation(const QString& root, const TBenchConfig& config)
{
    QElapsedTimer timer;
    timer.start();
    const QDir dir(root);
    for (const char* folder :
         {"program/dat", "program/images", "program/data", "common", "settings"})
        if (!dir.mkpath(QLatin1String(folder)))
            Fail(QStringLiteral("cannot create %1").arg(dir.filePath(QLatin1String(folder))));
    UseInstallation(root);
    TSyntheticInstallation installation = InstallationAt(root);
    AppPaths::WriteCommonFilesPath(installation.CommonFolder);
    const QDir program(installation.ProgramFolder);

    const std::vector<TSeries> catalog = CatalogSeries(config.Cables);
    const int connectorCount = config.ConnectorsPerCable;
    const qint64 expectedConnectors = static_cast<qint64>(catalog.size()) * connectorCount;
    // About five feet lengths per standard assembly.
    const qint64 expectedAssemblies =
        static_cast<qint64>(config.Cables) * config.AssembliesPerCable * 5;
    const int orderShare = std::max(1, config.OrderLines / 4 + 1);
    TSample orderCables(config.Cables, orderShare);
    TSample orderConnectors(expectedConnectors, orderShare * 2);
    TSample orderAssemblies(expectedAssemblies, orderShare);

    // tlineconnectors.dat: one section per cable.
    {
        TFileWriter out(program.filePath(QStringLiteral("dat/tlineconnectors.dat")));
        out.Line("[Header]");
        out.Line("Version=4.2");
        out.Line("Title=Vantrel Ferrolyn cable and connector catalog (benchmark)");
        out.Line("Released=2024-03-18");
        for (const TSeries& series : catalog) {
            const std::vector<TConnectorSpec> connectors = Connectors(series, connectorCount);
            for (const char grade : series.Grades) {
                out.Line(QByteArray());
                out.Line('[' + Model(series, grade) + ']');
                out.Line("TLine=" + CableLine(series, grade));
                int n = 0;
                for (const TConnectorSpec& c : connectors) {
                    out.Line("Connector" + QByteArray::number(++n) + '=' +
                             QByteArray::number(c.Id) + '|' + c.PartNumber + '|' + c.Actual + '|' +
                             c.Characteristics + '|' + c.MatesTo + '|' + c.Inner + '|' + c.Grade +
                             '|' + c.Attachment + '|');
                }
                ++installation.Cables;
                installation.ConnectorEntries += static_cast<int>(connectors.size());
            }
        }
    }

    // jumpers.dat: one section per cable with standard assemblies.
    {
        TFileWriter out(installation.JumperFile);
        out.Line("[Header]");
        out.Line("Version=4.2");
        out.Line("Title=Vantrel Ferrolyn standard jumper assemblies (benchmark)");
        out.Line("Released=2024-03-18");
        for (const TSeries& series : catalog) {
            const std::vector<TConnectorSpec> connectors = Connectors(series, connectorCount);
            for (const char grade : series.Grades) {
                const std::vector<TAssemblySpec> assemblies =
                    Assemblies(series, grade, connectors, config.AssembliesPerCable);
                if (assemblies.empty())
                    continue;
                out.Line(QByteArray());
                out.Line('[' + Model(series, grade) + " Jumpers]");
                out.Line("TLine=" + Model(series, grade) + '|' + CableDescription(series, grade) +
                         '|');
                int n = 0;
                for (const TAssemblySpec& a : assemblies) {
                    out.Line("Jumper" + QByteArray::number(++n) + '=' +
                             QByteArray::number(a.A->Id) + '|' + QByteArray::number(a.B->Id) + '|' +
                             a.A->PartNumber + '|' + a.B->PartNumber + '|' + a.Stem + '|' +
                             a.Description + '|' + a.Feet + '|' + a.Metres + '|');
                }
                installation.Assemblies += static_cast<int>(assemblies.size());
            }
        }
    }

    // M_lom.dat: a line for every part number, by group, then accessories up to the size asked.
    {
        TFileWriter out(installation.StartupFiles.at(0));
        int items = 0;
        auto comment = [&](const QByteArray& text) {
            out.Line(text);
            ++installation.CommentLines;
        };
        auto item = [&](const QByteArray& group, const QByteArray& line,
                        const QByteArray& partNumber, const QByteArray& unit,
                        const QByteArray& description, double price) {
            out.Line(group + '|' + line + '|' + partNumber + '|' + unit + '|' + description + '|' +
                     Money(price) + '|');
            ++items;
        };
        comment("; Vantrel price list - Ferrolyn configurator (benchmark catalog)");
        comment("; Columns: group|line|part number|unit|description|list price USD|");
        comment("; Cable prices are per foot; all other items are per piece.");
        comment("# Effective 2024-03-18. Prices subject to change without notice.");

        comment(QByteArray());
        comment("; --- Cables ---");
        for (const TSeries& series : catalog) {
            for (const char grade : series.Grades) {
                const double price = CablePrice(series, grade);
                item("CABLE", series.Family == TFamily::Waveguide ? "EW" : "COAX",
                     Model(series, grade), "FT", CableDescription(series, grade), price);
                if (orderCables.Wanted())
                    orderCables.Items.push_back(
                        {QByteArray::number(50 + 10 * (orderCables.Items.size() % 46)),
                         "Feet",
                         {},
                         Model(series, grade),
                         CableDescription(series, grade),
                         Money(price)});
            }
        }

        comment(QByteArray());
        comment("; --- Factory attachment charges ---");
        QSet<QByteArray> charges;
        for (const TSeries& series : catalog) {
            const QByteArray charge = ChargePartNumber(series);
            if (charges.contains(charge))
                continue;
            charges.insert(charge);
            item("SERVICE", "ASSY", charge, "EA",
                 "Factory Attachment Charge " + CableKind(series) + " per Connector",
                 series.Size->Charge);
        }

        comment(QByteArray());
        comment("; --- Connectors ---");
        for (const TSeries& series : catalog) {
            for (const TConnectorSpec& c : Connectors(series, connectorCount)) {
                item("CONNECTOR", series.Family == TFamily::Waveguide ? "EW" : "COAX", c.PartNumber,
                     "EA", c.Description, c.Price);
                if (orderConnectors.Wanted())
                    orderConnectors.Items.push_back(
                        {QByteArray::number(1 + orderConnectors.Items.size() % 24),
                         "Each",
                         {},
                         c.PartNumber,
                         c.Description,
                         Money(c.Price)});
            }
        }

        comment(QByteArray());
        comment("; --- Standard jumper assemblies ---");
        comment("; Part number = stem + length in feet, or stem + metre code (1M5 = 1.5 m)");
        for (const TSeries& series : catalog) {
            const std::vector<TConnectorSpec> connectors = Connectors(series, connectorCount);
            for (const char grade : series.Grades) {
                for (const TAssemblySpec& a :
                     Assemblies(series, grade, connectors, config.AssembliesPerCable)) {
                    const QByteArray suffix = ", " + Model(series, grade);
                    for (const QByteArray& feet : a.Feet.split(',')) {
                        const double price = a.BasePrice + feet.toDouble() * a.PricePerFoot;
                        item("ASSEMBLY", "JUMPER", a.Stem + feet, "EA",
                             feet + " ft " + a.Description + " Jumper" + suffix, price);
                        if (orderAssemblies.Wanted())
                            orderAssemblies.Items.push_back(
                                {QByteArray::number(1 + orderAssemblies.Items.size() % 12), "Each",
                                 "FN-001", a.Stem + feet,
                                 AssemblyOrderDescription(series, grade, a, feet), Money(price)});
                    }
                    for (const QByteArray& metres : a.Metres.split(',')) {
                        const double price =
                            a.BasePrice + metres.toDouble() * 3.2808 * a.PricePerFoot;
                        item("ASSEMBLY", "JUMPER", a.Stem + MetreCode(metres), "EA",
                             metres + " m " + a.Description + " Jumper" + suffix, price);
                    }
                }
            }
        }

        comment(QByteArray());
        comment("; --- Accessories ---");
        for (int n = 0; items < config.PriceLines; ++n) {
            const TAccessory accessory = Accessory(n);
            item("ACCESSORY", "HARDWARE", accessory.PartNumber, "EA", accessory.Description,
                 accessory.Price);
        }
        comment(QByteArray());
        comment("; end of price list");
        installation.PriceLines = items;
    }

    // images.dat: four pictures for every interface, as in the real table.
    {
        TFileWriter out(program.filePath(QStringLiteral("dat/images.dat")));
        QStringList pictures = {
            QStringLiteral("topjumper.gif"),    QStringLiteral("bottomjumper.gif"),
            QStringLiteral("mainfeeder.gif"),   QStringLiteral("pv.gif"),
            QStringLiteral("noconnectors.gif"), QStringLiteral("update.gif"),
            QStringLiteral("vantrellogo.gif")};
        for (const TInterface* face : PictureInterfaces()) {
            const QByteArray name = face->Actual;
            const QByteArray base = face->Picture;
            out.Line(name + "|||" + base + ".gif|");
            out.Line(name + "||Y|" + base + "_pv.gif|");
            out.Line(name + "|Y||" + base + "_ra.gif|");
            out.Line(name + "|Y|Y|" + base + "_ra_pv.gif|");
            for (const char* suffix : {"", "_pv", "_ra", "_ra_pv"})
                pictures.append(QString::fromLatin1(base + suffix + ".gif"));
        }
        for (const TSeries& series : catalog)
            for (const char grade : series.Grades)
                pictures.append(QString::fromLatin1(Model(series, grade) + ".gif"));
        for (const QString& picture : pictures)
            WritePicture(program.filePath(QStringLiteral("images/") + picture));
    }

    // xcngrate.dat: a rate for every currency.
    {
        TFileWriter out(installation.StartupFiles.at(3));
        for (const QByteArray& line : RateLines())
            out.Line(line);
    }

    WriteUpdateIni(program.filePath(QStringLiteral("update.ini")));

    // An order file of the size asked, from the catalog's own part numbers.
    {
        std::vector<TOrderItem> items;
        const std::vector<TOrderItem>* pools[] = {&orderAssemblies.Items, &orderCables.Items,
                                                  &orderConnectors.Items, &orderConnectors.Items};
        std::size_t next[4] = {0, 0, 1, 0};
        for (int i = 0; static_cast<int>(items.size()) < config.OrderLines; ++i) {
            const int kind = i % 4;
            const std::vector<TOrderItem>& pool = *pools[kind];
            if (pool.empty())
                continue;
            items.push_back(pool[next[kind] % pool.size()]);
            next[kind] += kind >= 2 ? 2 : 1;
        }
        TFileWriter out(installation.OrderFile, "\r\n");
        for (const char* line :
             {"[Header]", "Company Name=", "Author=", "Date=", "Job Number=", "Proposal Number=",
              "File Name=", "File Path=", "", "[SITE 001 LOM]", "Site Name=", "Site Number=",
              "Ship To City=", "Ship To State/Province=", "Ship To Country="})
            out.Line(line);
        int n = 0;
        for (const TOrderItem& item : items)
            out.Line(QByteArray::number(++n) + '=' + item.Quantity + '|' + item.Unit + '|' +
                     item.ItemNumber + '|' + item.PartNumber + '|' + item.Description + '|' +
                     item.Price + '|');
        out.Line(QByteArray());
        installation.OrderItems = n;
    }

    const TSyntheticInstallation sizes = InstallationAt(root);
    installation.StartupBytes = sizes.StartupBytes;
    installation.TotalBytes = sizes.TotalBytes;
    installation.WriteSeconds = static_cast<double>(timer.elapsed()) / 1000.0;
    return installation;
}
