#include "QuoteCommand.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"
#include "catalog/Catalog.h"
#include "order/OrderFile.h"
#include "platform/AppPaths.h"
#include "pricing/Currencies.h"
#include "pricing/PricingDate.h"
#include "quote/BatchQuote.h"
#include "quote/Installation.h"
#include "update/UpdateIni.h"

#include <QDate>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QSet>

namespace {

// The usage, with the columns a file must name.
QString Usage()
{
    return Tr("QuoteCommand",
              "Usage: ferrolyn quote IN.csv [-o OUT.csv] [--json] [--currency CODE] [--strict]\n"
              "                      [--datasheets DIR] [--archive]\n"
              "Prices every assembly of IN.csv (UTF-8, a heading row naming the columns\n"
              "%1)\n"
              "and writes one line per order line to OUT.csv or the standard output.\n"
              "  -o OUT      write to this file instead of the standard output\n"
              "  --json      write JSON instead of CSV\n"
              "  --currency  the currency of the prices, such as EUR (USD when not given)\n"
              "  --strict    refuse a row with a part that has no list price (instead of\n"
              "              quoting it at 0 with a warning)\n"
              "  --datasheets DIR  write a datasheet PDF of every quoted row into DIR,\n"
              "              named after its part number (or row-N)\n")
               .arg(BatchColumns().join(QLatin1Char(','))) +
           Tr("QuoteCommand",
              "  --archive   record the quoted rows as one quote in the quote archive\n");
}

struct TOptions {
    QString Input;
    QString Output;
    bool Json = false;
    bool Strict = false;
    QString Currency = QStringLiteral("USD");
    QString Datasheets;
    bool Archive = false;
};

void Write(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

// Throws TDataError for an argument it does not know.
TOptions ParseOptions(const QStringList& arguments)
{
    TOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TDataError(Tr("QuoteCommand", "%1 needs a value.").arg(argument));
            return arguments.at(++i);
        };
        if (argument == QLatin1String("-o") || argument == QLatin1String("--output"))
            options.Output = value();
        else if (argument == QLatin1String("--json"))
            options.Json = true;
        else if (argument == QLatin1String("--strict"))
            options.Strict = true;
        else if (argument == QLatin1String("--archive"))
            options.Archive = true;
        else if (argument == QLatin1String("--currency"))
            options.Currency = value();
        else if (argument == QLatin1String("--datasheets"))
            options.Datasheets = value();
        else if (argument.startsWith(QLatin1Char('-')) || !options.Input.isEmpty())
            throw TDataError(Tr("QuoteCommand", "Unknown argument \"%1\".").arg(argument));
        else
            options.Input = argument;
    }
    if (options.Input.isEmpty())
        throw TDataError(Tr("QuoteCommand", "Name the CSV file of assemblies to quote."));
    return options;
}

// Loads what quoting needs as the window does (without its pictures); throws TDataError naming
// what is missing or damaged. A rate file that cannot be read leaves prices in US dollars (a note
// goes to err).
TInstallation LoadForQuoting(QIODevice& err)
{
    TInstallation installation = LoadInstallation({.Pictures = false});
    const AppPaths::TCommonFilesKey& key = installation.Key;
    if (!key.Problem.isEmpty())
        throw TDataError(key.Problem);
    if (!key.ValueExists || key.Path.isEmpty())
        throw TDataError(Tr("QuoteCommand", "The shared data folder is not registered: start "
                                            "Ferrolyn once, or install it again."));
    if (installation.MissingFile)
        throw TDataError(Tr("QuoteCommand", "One or more files needed to run this application "
                                            "are missing: ") +
                         (installation.MissingReason.isEmpty() ? *installation.MissingFile
                                                               : installation.MissingReason));
    if (installation.Error)
        throw *installation.Error;
    const QString ratesProblem = !installation.RatesUnreadable.isEmpty()
                                     ? installation.RatesUnreadable
                                 : installation.RatesError ? installation.RatesError->FullText()
                                                           : QString();
    if (!ratesProblem.isEmpty())
        Write(err, Tr("QuoteCommand", "The exchange rates cannot be read, so prices are in US "
                                      "dollars only: %1")
                           .arg(ratesProblem) +
                       QLatin1Char('\n'));
    if (const QString specs = SpecProblemsText(installation.SpecProblems, QStringLiteral("\n"));
        !specs.isEmpty())
        Write(err, specs + QLatin1Char('\n'));
    return installation;
}

// False when the device's buffered bytes could not be written.
bool Flushed(QIODevice& device)
{
    auto* file = qobject_cast<QFileDevice*>(&device);
    return file == nullptr || file->flush();
}

int CurrencyTag(const TOptions& options, const TInstallation& installation)
{
    const int tag = CurrencyTagOfCode(options.Currency);
    if (tag <= 0)
        throw TDataError(Tr("QuoteCommand", "\"%1\" is not a currency code such as USD or EUR.")
                             .arg(options.Currency));
    if (!IsForeignTag(tag))
        return tag;
    if (!installation.RatesAvailable)
        throw TDataError(Tr("QuoteCommand",
                            "No exchange rates are installed: prices can be given in "
                            "US dollars (USD) only."));
    if (!installation.Rates.Usable(CurrencyRateCode(tag)))
        throw TDataError(
            Tr("QuoteCommand", "The exchange rate of %1 cannot be used.").arg(CurrencyCode(tag)));
    return tag;
}

// Writes the datasheets of the quoted rows into folder; throws TDataError for the first that
// cannot be written.
void WriteDatasheets(const QList<TBatchItem>& items, const QString& folder,
                     const TDatasheetWriter& write)
{
    if (!write)
        throw TDataError(Tr("QuoteCommand", "This program cannot draw datasheets."));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw TDataError(Tr("QuoteCommand", "The folder \"%1\" cannot be made.")
                             .arg(QDir::toNativeSeparators(folder)));
    const QStringList names = DatasheetFileNames(items);
    qsizetype next = 0;
    // A datasheet that cannot be written (its name taken by a link, say) does not stop the
    // others; the run then ends in an error naming the first few.
    constexpr qsizetype Named = 10;
    QStringList failures;
    qsizetype failed = 0;
    for (const TBatchItem& item : items) {
        if (!item.Error.isEmpty())
            continue;
        const QString failure = write(item.Datasheet, QDir(folder).filePath(names.at(next++)));
        if (failure.isEmpty())
            continue;
        if (++failed <= Named)
            failures.append(failure);
    }
    if (failed > Named)
        failures.append(
            Tr("QuoteCommand", "%1 more datasheets could not be written.").arg(failed - Named));
    if (!failures.isEmpty())
        throw TDataError(failures.join(QLatin1Char('\n')));
}

} // namespace

QStringList DatasheetFileNames(const QList<TBatchItem>& items)
{
    QStringList names;
    QSet<QString> used;
    for (const TBatchItem& item : items) {
        if (!item.Error.isEmpty())
            continue;
        QString stem =
            item.PartNumber.isEmpty() ? QStringLiteral("row-%1").arg(item.Row) : item.PartNumber;
        for (QChar& c : stem)
            if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-') &&
                c != QLatin1Char('_'))
                c = QLatin1Char('_');
        QString name = stem + QStringLiteral(".pdf");
        for (int n = 2; used.contains(name.toCaseFolded()); ++n)
            name = stem + QStringLiteral("-%1.pdf").arg(n);
        used.insert(name.toCaseFolded());
        names.append(name);
    }
    return names;
}

namespace {

// The quoted rows as one quote in the archive, as Import Assemblies would add them to an empty
// order; its number goes to err.
void RecordQuote(const QList<TBatchItem>& items, int tag, const TQuoteRecorder& record,
                 QIODevice& err)
{
    QList<TOrderLine> lines;
    for (const TBatchItem& item : items)
        if (item.Error.isEmpty() && !AddResultRows(lines, item.ResultRows))
            throw TDataError(Tr("QuoteCommand", "The quote is too large to be recorded."));
    if (lines.isEmpty() || !OrderFileFits(lines, TOrderInfo{tag, {}, {}, {}})) {
        Write(err, (lines.isEmpty() ? Tr("QuoteCommand", "No row was quoted: no quote was "
                                                         "recorded.")
                                    : Tr("QuoteCommand", "The quote is too large to be "
                                                         "recorded.")) +
                       QLatin1Char('\n'));
        return;
    }
    if (!record)
        throw TDataError(Tr("QuoteCommand", "The quote archive is not available."));
    Write(err,
          Tr("QuoteCommand", "Recorded as quote %1.").arg(record(lines, tag)) + QLatin1Char('\n'));
}

} // namespace

int RunQuoteCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                    const TDatasheetWriter& writeDatasheet, const TQuoteRecorder& record)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        Write(out, Usage());
        return 0;
    }
    QList<TBatchItem> items;
    TOptions options;
    try {
        options = ParseOptions(arguments);
    } catch (const TDataError& error) {
        Write(err, error.FullText() + QLatin1Char('\n') + Usage());
        return 2;
    }
    int tag = 0;
    try {
        TInstallation installation = LoadForQuoting(err);
        TJumperFile jumpers;
        tag = CurrencyTag(options, installation);
        const TCsvTable table = ReadBatchFile(options.Input);
        TBatchSources sources;
        sources.Cables = &installation.Cables;
        sources.Strict = options.Strict;
        const bool datasheets = !options.Datasheets.isEmpty();
        if (datasheets)
            sources.PricingDate =
                DocumentDateText(LastPriceUpdate(AppPaths::UpdateIniFile(), QDate::currentDate()));
        sources.Quote = {&installation.PriceList,     &installation.Rates,
                         installation.RatesAvailable, &jumpers,
                         installation.JumpersFile,    &installation.Specs};
        QByteArray bytes;
        {
            // The output is data: its errors and warnings stay English in every language, and
            // its numbers are written with '.' and ASCII digits in every region.
            const TEnglishTexts english;
            const TDataNumbers numbers;
            items = QuoteBatch(table, sources, tag);
            bytes = options.Json ? BatchJson(items) : BatchCsv(items);
        }
        if (options.Output.isEmpty()) {
            if (out.write(bytes) != bytes.size() || !Flushed(out))
                throw TDataError(Tr("QuoteCommand",
                                    "The quote could not be written to the standard "
                                    "output: %1")
                                     .arg(out.errorString()));
        } else
            WriteFileAtomically(options.Output, bytes, QStringLiteral("quote"));
        // The datasheets are the customer's, in the user's language: the rows are quoted again
        // for them outside the English texts.
        if (datasheets) {
            sources.Datasheets = true;
            WriteDatasheets(QuoteBatch(table, sources, tag), options.Datasheets, writeDatasheet);
        }
    } catch (const TDataError& error) {
        Write(err, error.FullText() + QLatin1Char('\n'));
        return 2;
    }
    int failed = 0;
    for (const TBatchItem& item : std::as_const(items)) {
        if (item.Error.isEmpty())
            continue;
        ++failed;
        Write(err,
              Tr("QuoteCommand", "Row %1: %2").arg(item.Row).arg(item.Error) + QLatin1Char('\n'));
    }
    if (failed > 0)
        Write(
            err,
            Tr("QuoteCommand", "%1 of %2 rows could not be quoted.").arg(failed).arg(items.size()) +
                QLatin1Char('\n'));
    if (options.Archive) {
        try {
            RecordQuote(items, tag, record, err);
        } catch (const TDataError& error) {
            Write(err, error.FullText() + QLatin1Char('\n'));
            return 2;
        }
    }
    return failed > 0 ? 1 : 0;
}
