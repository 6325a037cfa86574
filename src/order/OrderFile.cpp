#include "OrderFile.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "base/SectionedFile.h"
#include "base/Translate.h"
#include "Order.h"
#include "pricing/Currencies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString SiteSection = QStringLiteral("SITE 001 LOM");
const QString SiteKeys[] = {
    QStringLiteral("Site Name"), QStringLiteral("Site Number"), QStringLiteral("Ship To City"),
    QStringLiteral("Ship To State/Province"), QStringLiteral("Ship To Country")};
const QString HeaderSection = QStringLiteral("Header");
constexpr int SiteLineCount = 5;
constexpr int ItemFieldCount = 6;
const QString AssemblyItemNumber = QStringLiteral("FN-001");
const QString LineEnd = QStringLiteral("\r\n");

// An order file is a few kilobytes (a 1,000-item order about 150 KB); a file beyond these limits is
// not one, and refusing it keeps opening within a second or two and a few hundred megabytes.
constexpr qint64 MaxOrderFileSize = qint64(4) << 20;
constexpr qsizetype MaxOrderFileLines = 20000;
constexpr qsizetype MaxOrderFieldLength = 2000;

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Appends a field as an item line holds it: on one line, a line break written as a blank.
void AppendOnOneLine(QString& target, QStringView field)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\r') || field[i] == QLatin1Char('\n')) {
            target += field.sliced(start, i - start);
            target += QLatin1Char(' ');
            start = i + 1;
        }
    }
    target += field.sliced(start);
}

// Appends the file line of the item at position n of the order (1 for the first):
// n=quantity|unit|item number|part number|description|price|
void AppendItemLine(QString& target, qsizetype n, const TOrderLine& line)
{
    const QStringView itemNumber =
        line.Kind == QLatin1String("1") ? QStringView(AssemblyItemNumber) : QStringView();
    target += QString::number(n);
    target += QLatin1Char('=');
    for (const QStringView field :
         {QStringView(line.Quantity.Text), QStringView(line.Unit), itemNumber,
          QStringView(line.PartNumber), QStringView(line.Description),
          QStringView(line.UnitPrice.Text)}) {
        AppendOnOneLine(target, TrimmedControl(field));
        target += FieldDelimiter;
    }
}

// The lines before the items.
QStringList FileStartLines(const TOrderInfo& info)
{
    const QString currency = info.CurrencyTag > 0 ? CurrencyCode(info.CurrencyTag) : QString();
    const auto line = [](const char* key, const QString& value) {
        QString text = QLatin1String(key) + QLatin1Char('=');
        AppendOnOneLine(text, value.trimmed());
        return text;
    };
    const TOrderDetails& details = info.Details;
    QStringList lines = {QStringLiteral("[Header]"),
                         line("Company Name", details.CompanyName),
                         line("Author", details.Author),
                         line("Date", details.Date),
                         line("Job Number", details.JobNumber),
                         line("Proposal Number", details.ProposalNumber),
                         QStringLiteral("File Name="),
                         QStringLiteral("File Path="),
                         QStringLiteral("Currency=") + currency};
    if (!info.Quote.isEmpty())
        lines.append(line("Quote", info.Quote));
    lines += info.Extras.HeaderLines;
    lines.append(QString());
    lines.append(QLatin1Char('[') + SiteSection + QLatin1Char(']'));
    // The site lines as read, the usual empty ones where none was read.
    const QStringList& read = info.Extras.SiteLines;
    for (qsizetype i = 0; i < SiteLineCount; ++i)
        lines.append(i < read.size() ? read.at(i) : SiteKeys[i] + QLatin1Char('='));
    return lines;
}

const QStringList HeaderKeys = {
    QStringLiteral("Company Name"), QStringLiteral("Author"),          QStringLiteral("Date"),
    QStringLiteral("Job Number"),   QStringLiteral("Proposal Number"), QStringLiteral("File Name"),
    QStringLiteral("File Path"),    QStringLiteral("Currency"),        QStringLiteral("Quote")};

// What the file holds that the order does not use.
TOrderFileExtras ExtrasOf(const TSectionedFile& file, const TSectionedFile::Section* header,
                          const TSectionedFile::Section& site)
{
    TOrderFileExtras extras;
    if (header != nullptr)
        for (const TSectionedFile::Entry& entry : header->Entries)
            if (!IsBlankLine(entry.Text) && !HeaderKeys.contains(entry.Key))
                extras.HeaderLines.append(entry.Text);
    for (qsizetype i = 0; i < SiteLineCount && i < site.Entries.size(); ++i)
        extras.SiteLines.append(site.Entries.at(i).Text);
    for (const TSectionedFile::Section& section : file.Sections()) {
        if (&section == header || &section == &site)
            continue;
        extras.Sections.append(QLatin1Char('[') + section.Name + QLatin1Char(']'));
        for (const TSectionedFile::Entry& entry : section.Entries)
            if (!IsBlankLine(entry.Text))
                extras.Sections.append(entry.Text);
        extras.Sections.append(QString());
    }
    return extras;
}

// A Header key as a problem names it: "company name", "proposal number".
QString HeaderFieldName(const char* key)
{
    const QLatin1String name(key);
    if (name == QLatin1String("Company Name"))
        return Tr("OrderFile", "company name");
    if (name == QLatin1String("Author"))
        return Tr("OrderFile", "author");
    if (name == QLatin1String("Date"))
        return Tr("OrderFile", "date");
    if (name == QLatin1String("Job Number"))
        return Tr("OrderFile", "job number");
    if (name == QLatin1String("Proposal Number"))
        return Tr("OrderFile", "proposal number");
    if (name == QLatin1String("Currency"))
        return Tr("OrderFile", "currency");
    return name.toString().toLower();
}

// A text from the file quoted in a problem, cut short when it is long.
QString Quoted(const QString& text)
{
    constexpr qsizetype Longest = 40;
    if (text.size() <= Longest)
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    return QLatin1Char('\'') + text.left(Longest - 3) + QStringLiteral("...'");
}

// Windows-1252 when every character fits and the bytes cannot be mistaken for UTF-8 on
// reading (which tries UTF-8 first); UTF-8 otherwise.
QByteArray Encoded(const QString& text)
{
    if (std::optional<QByteArray> single = ToUnmistakableWindows1252(text))
        return *std::move(single);
    return text.toUtf8();
}

const TSectionedFile::Section* FindSection(const TSectionedFile& file, const QString& name)
{
    for (const TSectionedFile::Section& section : file.Sections())
        if (section.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    return nullptr;
}

} // namespace

QStringList OrderFileLines(const QList<TOrderLine>& orderLines, const TOrderInfo& info)
{
    QStringList lines = FileStartLines(info);
    for (qsizetype i = 0; i < orderLines.size(); ++i) {
        QString line;
        AppendItemLine(line, i + 1, orderLines.at(i));
        lines.append(line);
    }
    lines.append(QString());
    lines += info.Extras.Sections;
    return lines;
}

QByteArray OrderFileBytes(const QList<TOrderLine>& orderLines, const TOrderInfo& info)
{
    // Written straight into one text: the file is rewritten at every change of a large order.
    QString text;
    for (const QString& line : FileStartLines(info))
        text += line + LineEnd;
    for (qsizetype i = 0; i < orderLines.size(); ++i) {
        AppendItemLine(text, i + 1, orderLines.at(i));
        text += LineEnd;
    }
    text += LineEnd;
    for (const QString& line : info.Extras.Sections)
        text += line + LineEnd;
    return Encoded(text);
}

bool OrderFileFits(const QList<TOrderLine>& orderLines, const TOrderInfo& info)
{
    return OrderFileLines(orderLines, info).size() <= MaxOrderFileLines &&
           OrderFileBytes(orderLines, info).size() <= MaxOrderFileSize;
}

void WriteOrderFile(const QString& path, const QList<TOrderLine>& orderLines,
                    const TOrderInfo& info)
{
    WriteFileAtomically(path, OrderFileBytes(orderLines, info), Tr("OrderFile", "order file"));
}

TOrderFileContents ParseOrderFile(const QStringList& lines, const QString& fileName)
{
    if (lines.size() > MaxOrderFileLines)
        throw TDataError(
            Tr("OrderFile", "Cannot open the order file \"%1\": it has more than %2 lines.")
                .arg(fileName, QString::number(MaxOrderFileLines)));
    const TSectionedFile file(lines, TSectionedFile::TBlankLines::Keep);
    const TSectionedFile::Section* site = FindSection(file, SiteSection);
    if (!site)
        throw TDataError(Tr("OrderFile", "\"%1\" is not an order file.").arg(fileName));

    TOrderFileContents contents;
    if (const TSectionedFile::Section* header = FindSection(file, HeaderSection)) {
        const auto value = [header, &fileName](const char* key) {
            const QString text = header->Value(QLatin1String(key)).trimmed();
            if (text.size() > MaxOrderFieldLength)
                throw TDataError(
                    Tr("OrderFile", "Cannot open the order file \"%1\": line %2: the %3 is longer "
                                    "than %4 characters.")
                        .arg(fileName, QString::number(header->LineOf(QLatin1String(key))),
                             HeaderFieldName(key), QString::number(MaxOrderFieldLength)));
            return text;
        };
        contents.CurrencyCode = value("Currency");
        // A quote reference that is no reference is dropped, never an error.
        const QString quote = header->Value(QStringLiteral("Quote")).trimmed();
        contents.Quote = quote.size() <= MaxQuoteReferenceLength ? quote : QString();
        contents.Details = {value("Company Name"), value("Author"), value("Date"),
                            value("Job Number"), value("Proposal Number")};
    }
    contents.Extras = ExtrasOf(file, FindSection(file, HeaderSection), *site);
    for (qsizetype i = SiteLineCount; i < site->Entries.size(); ++i) {
        const TSectionedFile::Entry& entry = site->Entries.at(i);
        if (IsBlankLine(entry.Text))
            continue;
        const auto bad = [&entry, &fileName](const QString& reason) {
            // One .arg() for all: a "%1" in the file's name stays as it is.
            return TDataError(Tr("OrderFile", "Cannot open the order file \"%1\": line %2: %3.")
                                  .arg(fileName, QString::number(entry.Line), reason));
        };
        if (!entry.Text.contains(QLatin1Char('=')))
            throw bad(Tr("OrderFile", "no '=' before the item's fields"));
        const QString& value = entry.Value;
        if (value.count(QLatin1Char('|')) < ItemFieldCount)
            throw bad(Tr("OrderFile", "fewer than six fields"));
        for (int field = 1; field <= ItemFieldCount; ++field)
            if (GetField(value, field).size() > MaxOrderFieldLength)
                throw bad(Tr("OrderFile", "field %1 is longer than %2 characters")
                              .arg(field)
                              .arg(MaxOrderFieldLength));
        const QString quantityText = GetField(value, 1);
        double quantity = 0;
        if (!ParseQuantity(NormalisedDataNumber(quantityText), quantity))
            throw bad(Tr("OrderFile", "the quantity %1 is not a number from 0 to 1000000000")
                          .arg(Quoted(quantityText)));
        const QString priceText = GetField(value, 6);
        const QString price = NormalisedDataNumber(priceText);
        double ignored = 0;
        if (!ParsePrice(price, ignored))
            throw bad(Tr("OrderFile", "the price %1 is not a number from 0 to 1000000000")
                          .arg(Quoted(priceText)));
        const QString kind =
            GetField(value, 3).isEmpty() ? QStringLiteral("2") : QStringLiteral("1");
        contents.OrderLines.append(TOrderLine{TOrderNumber::Quantity(quantity), GetField(value, 2),
                                              GetField(value, 4), GetField(value, 5),
                                              TOrderNumber::FromText(price), kind});
    }
    return contents;
}

TOrderFileContents ReadOrderFile(const QString& path)
{
    const QFileInfo info(path);
    const auto failed = [&path](const QString& reason) {
        return TDataError(
            Tr("OrderFile", "Cannot open the order file \"%1\": %2").arg(Shown(path), reason));
    };
    if (!info.exists())
        throw failed(Tr("OrderFile", "it does not exist."));
    if (info.isDir())
        throw failed(Tr("OrderFile", "it is a folder."));
    if (!info.isFile())
        throw failed(Tr("OrderFile", "it is not a regular file."));
    if (info.size() > MaxOrderFileSize)
        throw failed(Tr("OrderFile", "it is far too large to be an order file."));
    const TTextBuffer text(ReadRegularFile(path, MaxOrderFileSize));
    // Counted before any line is decoded.
    qsizetype count = 0;
    text.ForEachLine([&count](QByteArrayView, int) { return ++count <= MaxOrderFileLines; });
    if (count > MaxOrderFileLines)
        throw failed(Tr("OrderFile", "it has more than %1 lines.").arg(MaxOrderFileLines));
    return ParseOrderFile(text.Lines(), info.fileName());
}
