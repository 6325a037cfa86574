#include "base/NumericLocale.h"
#include "base/Translate.h"
#include "documents/DatasheetPdf.h"
#include "history/HistoryCommand.h"
#include "history/QuoteArchive.h"
#include "main/TfrmMain.h"
#include "platform/Desktop.h"
#include "platform/Languages.h"
#include "platform/Registration.h"
#include "quote/QuoteCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstring>
#include <functional>

namespace {

// Names the program and shows its texts in the user's language. Called right after the
// application object is made, which sets the C library's locale from the environment: the
// number format goes back to "C" at once, so that no C library the program uses (libxlsxwriter,
// printf, strtod) writes or reads a comma for a decimal point in a file. What the user sees
// follows QLocale, which this does not touch.
void NameApplication()
{
    KeepCNumericFormat();
    QCoreApplication::setApplicationName(QStringLiteral("Ferrolyn"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    Languages::Apply(Languages::SavedChoice());
}

// Drops the offscreen platform's one remark on a session without XDG_RUNTIME_DIR, which says
// nothing to the user of a command; every other message goes on as before.
QtMessageHandler PreviousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (PreviousHandler != nullptr)
        PreviousHandler(type, context, message);
}

// A command without a display: its arguments after the first, the standard output and error.
int RunCommand(int argc, char* argv[],
               const std::function<int(const QStringList&, QIODevice&, QIODevice&)>& command)
{
    QCoreApplication app(argc, argv);
    NameApplication();
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return 2;
    return command(QCoreApplication::arguments().mid(2), out, err);
}

// "ferrolyn quote --archive" records in the user's quote archive.
QString RecordInArchive(const QList<TOrderLine>& orderLines, int currencyTag)
{
    return RecordBatchQuote(orderLines, currencyTag, TQuoteArchive::DefaultPath(),
                            TArchiveSetting::Current());
}

// "ferrolyn quote ...": its CSV and JSON carry '.' and ASCII digits whatever the regional
// settings; its datasheets follow the user's format, as the window's do.
int RunQuote(int argc, char* argv[])
{
    bool datasheets = false;
    for (int i = 2; i < argc; ++i)
        datasheets = datasheets || std::strcmp(argv[i], "--datasheets") == 0;
    if (!datasheets)
        return RunCommand(argc, argv,
                          [](const QStringList& arguments, QIODevice& out, QIODevice& err) {
                              return RunQuoteCommand(arguments, out, err, {}, RecordInArchive);
                          });
    // Datasheets are drawn with the window's fonts and painter, still without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PreviousHandler = qInstallMessageHandler(QuietHandler);
    QGuiApplication app(argc, argv);
    NameApplication();
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return 2;
    return RunQuoteCommand(QCoreApplication::arguments().mid(2), out, err, WriteDatasheetPdf,
                           RecordInArchive);
}

// "ferrolyn --help": the usage, in the user's language.
int RunHelp(int argc, char* argv[])
{
    return RunCommand(argc, argv, [](const QStringList&, QIODevice& out, QIODevice&) {
        out.write(Tr("Main",
                     "Usage: ferrolyn [OPEN ORDER.fyn]\n"
                     "       ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] "
                     "[--strict] [--datasheets DIR] [--archive]\n"
                     "       ferrolyn --register-common-files FOLDER\n"
                     "Without arguments, opens the configurator; with OPEN and an order "
                     "file, opens that order.\n"
                     "'ferrolyn quote --help' describes quoting a CSV file of assemblies.\n")
                      .toUtf8());
        out.write(Tr("Main", "'ferrolyn history --help' describes listing the quote archive.\n")
                      .toUtf8());
        return 0;
    });
}

// "ferrolyn --register-common-files FOLDER": the launcher's registration.
int RunRegister(int argc, char* argv[])
{
    return RunCommand(argc, argv, [](const QStringList& arguments, QIODevice& out, QIODevice& err) {
        return RegisterCommonFiles(arguments.value(0), out, err);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return RunHelp(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "quote") == 0)
        return RunQuote(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--register-common-files") == 0)
        return RunRegister(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "history") == 0)
        return RunCommand(
            argc, argv, [](const QStringList& arguments, QIODevice& out, QIODevice& err) {
                return RunHistoryCommand(arguments, out, err, TQuoteArchive::DefaultPath(),
                                         TArchiveSetting::Current());
            });

    if (!Desktop::DisplayAvailable(argc, argv))
        return RunCommand(argc, argv, [](const QStringList&, QIODevice&, QIODevice& err) {
            err.write(Tr("Main", "Ferrolyn needs a display to open its window; 'ferrolyn quote' "
                                 "and 'ferrolyn history' work without one.\n")
                          .toUtf8());
            return 2;
        });

    QApplication app(argc, argv);
    NameApplication();

    TfrmMain window(QApplication::arguments().mid(1));
    if (window.Terminated())
        return 0;
    window.show();
    return QApplication::exec();
}
