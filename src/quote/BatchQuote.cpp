#include "BatchQuote.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"
#include "catalog/Catalog.h"
#include "catalog/ConnectorLists.h"
#include "catalog/Performance.h"
#include "order/Order.h"
#include "pricing/Currencies.h"
#include "quote/WizardModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

const QStringList FigureColumns = {
    QStringLiteral("attenuation_db_per_100ft"), QStringLiteral("attenuation_db_per_100m"),
    QStringLiteral("total_attenuation_db"),     QStringLiteral("insertion_loss_db"),
    QStringLiteral("efficiency_percent"),       QStringLiteral("max_power_kw"),
    QStringLiteral("average_power_kw")};

// The figures of the band's beginning and end: the JSON keys; the CSV adds "_begin" and "_end".
const QStringList BandEdgeKeys = {
    QStringLiteral("total_attenuation_db"), QStringLiteral("insertion_loss_db"),
    QStringLiteral("efficiency_pct"), QStringLiteral("average_power_kw")};

QStringList BandEdgeNumbers(const TBandPoint& point)
{
    QStringList numbers;
    for (const double value :
         {point.Total, point.InsertionLoss, point.Efficiency, point.AveragePower})
        numbers.append(FigureDataText(value));
    return numbers;
}

// Why a row cannot be quoted.
struct TRowError {
    QString Text;
};

[[noreturn]] void Fail(const QString& text)
{
    throw TRowError{text};
}

// A cell's text in a message: quoted, and cut short when long.
QString Shown(const QString& text)
{
    constexpr int Longest = 60;
    return QLatin1Char('"') +
           (text.size() > Longest ? text.left(Longest) + QStringLiteral("...") : text) +
           QLatin1Char('"');
}

// The batch columns' positions in a table (-1 for none).
QList<int> ColumnsOf(const TCsvTable& table)
{
    QList<int> columns;
    for (const QString& column : BatchColumns())
        columns.append(table.Column(column));
    return columns;
}

class TRow
{
public:
    TRow(const QStringList& fields, const QList<int>& columns, bool decimalComma = false)
        : Fields(fields), Columns(columns), DecimalComma(decimalComma)
    {
    }

    QString Cell(const QString& column) const
    {
        const int at = Columns.value(BatchColumns().indexOf(column), -1);
        return at >= 0 && at < Fields.size() ? Fields.at(at).trimmed() : QString();
    }

    bool Empty() const
    {
        for (const int at : Columns)
            if (at >= 0 && at < Fields.size() && !Fields.at(at).trimmed().isEmpty())
                return false;
        return true;
    }

    // One of the words (without regard to case); the index of the word, or fallback when empty.
    int Word(const QString& column, const QStringList& words, int fallback) const
    {
        QList<QStringList> choices;
        for (const QString& word : words)
            choices.append({word});
        return Word(column, choices, fallback);
    }
    // The same with other spellings of a choice after its first ("ft", "feet", "foot").
    int Word(const QString& column, const QList<QStringList>& choices, int fallback) const
    {
        const QString text = Cell(column);
        if (text.isEmpty())
            return fallback;
        QStringList names;
        for (int i = 0; i < choices.size(); ++i) {
            names.append(choices.at(i).first());
            for (const QString& word : choices.at(i))
                if (text.compare(word, Qt::CaseInsensitive) == 0)
                    return i;
        }
        Fail(Tr("BatchQuote", "%1: %2 is not one of %3.")
                 .arg(column, Shown(text), names.join(QStringLiteral(", "))));
    }

    // A plain decimal number above 0 and at most bound ('.' as decimal point); the text as
    // written, which part numbers and descriptions take over.
    double Number(const QString& column, const QString& fallback, double bound,
                  QString* written = nullptr) const
    {
        static const QRegularExpression Plain(QStringLiteral("^[0-9]{1,12}(\\.[0-9]{1,12})?$"));
        QString text = Cell(column);
        if (text.isEmpty())
            text = fallback;
        // A file of a region that separates cells with ';' writes a decimal comma.
        if (DecimalComma)
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        double value = 0;
        if (!Plain.match(text).hasMatch() || !TryStrToFloat(text, value) || value <= 0)
            Fail(Tr("BatchQuote", "%1: %2 is not a number greater than 0 (such as 12 or 2.5).")
                     .arg(column, Shown(text)));
        if (value > bound)
            Fail(Tr("BatchQuote", "%1: %2 is above the largest value, %3.")
                     .arg(column, text, FloatToStr(bound)));
        if (written != nullptr)
            *written = text;
        return value;
    }

    // Cells beyond the headings that hold something: the row does not fit the file's columns.
    void CheckWidth(qsizetype headings) const
    {
        for (qsizetype at = headings; at < Fields.size(); ++at)
            if (!Fields.at(at).trimmed().isEmpty())
                Fail(Tr("BatchQuote",
                        "the row has %1 cells, more than the %2 columns the first line "
                        "names.")
                         .arg(Fields.size())
                         .arg(headings));
    }

private:
    const QStringList& Fields;
    const QList<int>& Columns;
    bool DecimalComma = false;
};

// The items offered, in a message that ends with its own period.
QString Choices(const QStringList& items)
{
    QString text = JoinBounded(items, QStringLiteral(", "));
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The edit distance of two texts, without regard to case.
qsizetype Distance(const QString& a, const QString& b)
{
    const QString x = a.toLower();
    const QString y = b.toLower();
    QList<qsizetype> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = j;
    for (qsizetype i = 1; i <= x.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const qsizetype above = row[j];
            row[j] =
                std::min({above + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

TCableFamily FamilyOf(const QString& cableType)
{
    if (cableType.compare(QLatin1String("AIR"), Qt::CaseInsensitive) == 0)
        return TCableFamily::Air;
    if (cableType.compare(QLatin1String("EW"), Qt::CaseInsensitive) == 0)
        return TCableFamily::EllipticalWaveguide;
    return TCableFamily::Foam;
}

// What the rows of a batch share, so that a row costs the same whatever the catalog's size:
// page 2's cable lists by page-1 choices, and the catalog's first cable of each part number
// (without regard to case).
struct TBatchLists {
    TWizardModel::TCableCache CableLists;
    QHash<QString, const TTransmissionLine*> Cables;
    bool CablesBuilt = false;

    const TTransmissionLine* Cable(const TCableList& cables, const QString& partNumber)
    {
        if (!CablesBuilt) {
            CablesBuilt = true;
            for (const auto& cable : cables)
                if (const QString key = cable->PartNumber.toCaseFolded(); !Cables.contains(key))
                    Cables.insert(key, cable.get());
        }
        const TTransmissionLine* cable = Cables.value(partNumber.toCaseFolded(), nullptr);
        return cable != nullptr && cable->PartNumber.compare(partNumber, Qt::CaseInsensitive) == 0
                   ? cable
                   : nullptr;
    }
};

// Page 1 filled in with the row's choices, and Next pressed: the family is the named cable's (or
// foam, page 1's own choice, when no cable is named).
void FillPage1(TWizardModel& wizard, const TQuoteRequest& request, const QString& partNumber,
               const TCableList& cables, TBatchLists& lists)
{
    if (request.Feeder)
        wizard.ApplicationClick(TWizardModel::Feeder);
    wizard.UnitClick(request.Metres);
    TCableFamily family = TCableFamily::Foam;
    if (!partNumber.isEmpty()) {
        const TTransmissionLine* known = lists.Cable(cables, partNumber);
        if (known == nullptr)
            Fail(Tr("BatchQuote", "cable: there is no cable %1 in the catalog.")
                     .arg(Shown(partNumber)));
        family = FamilyOf(known->CableType);
    }
    if (family == TCableFamily::EllipticalWaveguide && !wizard.WaveguideOffered())
        Fail(Tr("BatchQuote", "cable: elliptical waveguide is offered for feeders only."));
    wizard.CableTypeClick(static_cast<int>(family));
    if (request.Feeder)
        wizard.FeederClick(static_cast<int>(request.FeederChoice));
    const TPage1Problem problem = wizard.Page1Next(request.LengthText, request.Length,
                                                   request.BeginFrequency, request.EndFrequency);
    if (problem.NothingFits)
        Fail(QStringLiteral("begin_mhz, end_mhz: ") + problem.Text);
    if (problem.Any())
        Fail(problem.Text);
}

// Page 2 walked with the row's picks.
void WalkPage2(const TRow& row, TWizardModel& page, const TQuoteRequest& request)
{
    page.Page2Show();
    const QString cable = row.Cell(QStringLiteral("cable"));
    if (!cable.isEmpty() && !page.PickCable(cable))
        Fail(Tr("BatchQuote", "cable: %1 is not offered from %2 to %3 MHz.")
                 .arg(Shown(cable), FloatToStr(request.BeginFrequency),
                      FloatToStr(request.EndFrequency)));

    const bool anyConnector = page.AnyIncluded();
    const int attachment = row.Word(QStringLiteral("attachment"),
                                    {QStringLiteral("prenvo"), QStringLiteral("regular")}, -1);
    const int grade = row.Word(QStringLiteral("grade"),
                               {QStringLiteral("plated"), QStringLiteral("standard")}, -1);
    if (anyConnector && attachment >= 0 && !page.PickAttachment(attachment))
        Fail(request.Feeder
                 ? Tr("BatchQuote", "attachment: Prenvo is offered for jumpers only.")
                 : Tr("BatchQuote", "attachment: this cable is not offered with Prenvo."));
    // The Standard grade is offered with the regular attachment only, which a user picks first.
    if (anyConnector && grade == TWizardModel::Standard && attachment < 0 &&
        page.Attachment() == TWizardModel::Prenvo)
        page.PickAttachment(TWizardModel::Regular);
    if (anyConnector && grade >= 0 && !page.PickGrade(grade))
        Fail(grade == TWizardModel::Plated
                 ? Tr("BatchQuote", "grade: this cable is not offered with plated connectors.")
             : page.Attachment() == TWizardModel::Prenvo
                 ? Tr("BatchQuote", "grade: standard connectors are not offered with Prenvo.")
                 : Tr("BatchQuote", "grade: this cable is not offered with standard connectors."));

    const QString sides[2] = {QStringLiteral("top"), QStringLiteral("bottom")};
    for (int side = 0; side < 2; ++side) {
        const TWizardModel::TSide& shown = page.Side(side);
        const QString interfaceColumn = sides[side];
        const QString characteristicsColumn = sides[side] + QStringLiteral("_characteristics");
        const QString innerColumn = sides[side] + QStringLiteral("_inner");
        const QString text = row.Cell(interfaceColumn);
        if (!text.isEmpty() && !page.PickInterface(side, text))
            Fail(Tr("BatchQuote", "%1: %2 is not offered for these choices; the choices are: %3.")
                     .arg(interfaceColumn, Shown(text), Choices(shown.Interfaces)));
        const QString characteristics = row.Cell(characteristicsColumn);
        if (!characteristics.isEmpty() && !page.PickCharacteristics(side, characteristics))
            Fail(Tr("BatchQuote", "%1: %2 is not offered for these choices; the choices are: %3.")
                     .arg(characteristicsColumn, Shown(characteristics),
                          Choices(shown.CharacteristicsItems)));
        const QString inner = row.Cell(innerColumn);
        if (!inner.isEmpty() && !page.PickInner(side, inner))
            Fail(Tr("BatchQuote", "%1: %2 is not offered for these choices; the choices are: %3.")
                     .arg(innerColumn, Shown(inner), Choices(shown.InnerItems)));
    }
}

TQuoteRequest RequestOfRow(const TRow& row, const TCableList& cables, TBatchLists& lists,
                           qint64& quantity)
{
    TQuoteRequest request;
    request.Feeder = row.Word(QStringLiteral("application"),
                              {QStringLiteral("jumper"), QStringLiteral("feeder")}, 0) == 1;
    request.Metres =
        row.Word(QStringLiteral("unit"),
                 QList<QStringList>{
                     {QStringLiteral("ft"), QStringLiteral("feet"), QStringLiteral("foot")},
                     {QStringLiteral("m"), QStringLiteral("meters"), QStringLiteral("metres"),
                      QStringLiteral("meter"), QStringLiteral("metre")}},
                 0) == 1;
    QString length;
    request.Length = row.Number(QStringLiteral("length"),
                                request.Feeder ? QStringLiteral("200") : QStringLiteral("6"),
                                MaxTypedLength, &length);
    request.LengthText = ToUserNumber(length);
    request.BeginFrequency =
        row.Number(QStringLiteral("begin_mhz"), QStringLiteral("800"), MaxTypedFrequency);
    request.EndFrequency =
        row.Number(QStringLiteral("end_mhz"), QStringLiteral("2200"), MaxTypedFrequency);
    if (request.BeginFrequency > request.EndFrequency)
        Fail(QStringLiteral("end_mhz: ") + BandReversed.Text());

    const int feeder = row.Word(QStringLiteral("feeder_connectors"),
                                {QStringLiteral("both"), QStringLiteral("top"),
                                 QStringLiteral("bottom"), QStringLiteral("none")},
                                0);
    if (!request.Feeder && feeder != 0)
        Fail(Tr("BatchQuote", "feeder_connectors: a jumper has both connectors."));
    request.FeederChoice = static_cast<TFeederChoice>(feeder);
    request.IncludeTop = feeder == 0 || feeder == 1;
    request.IncludeBottom = feeder == 0 || feeder == 2;
    for (const QString& side : {QStringLiteral("top"), QStringLiteral("bottom")}) {
        const bool included =
            side == QLatin1String("top") ? request.IncludeTop : request.IncludeBottom;
        if (!included && !(row.Cell(side) + row.Cell(side + QStringLiteral("_characteristics")) +
                           row.Cell(side + QStringLiteral("_inner")))
                              .isEmpty())
            Fail(side == QLatin1String("top")
                     ? Tr("BatchQuote", "top: the feeder has no top connector (feeder_connectors).")
                     : Tr("BatchQuote",
                          "bottom: the feeder has no bottom connector (feeder_connectors)."));
    }

    const QString count = row.Cell(QStringLiteral("quantity"));
    bool whole = false;
    quantity = count.isEmpty() ? 1 : count.toLongLong(&whole);
    if (!count.isEmpty() && (!whole || quantity < 1 || quantity > MaxOrderQuantity))
        Fail(Tr("BatchQuote", "quantity: %1 is not a whole number from 1 to %2.")
                 .arg(Shown(count), FloatToStr(MaxOrderQuantity)));

    // A freshly started window with page 1 filled in and the row's picks made on page 2.
    TWizardModel wizard;
    wizard.ShareCableLists(&lists.CableLists);
    wizard.Defaults();
    wizard.CatalogLoaded(&cables, {}, {});
    FillPage1(wizard, request, row.Cell(QStringLiteral("cable")), cables, lists);
    WalkPage2(row, wizard, request);
    return wizard.Request();
}

QString KindOf(const TQuoteResult& quote)
{
    switch (quote.Page) {
    case TQuotePage::NearLengths:
        return QStringLiteral("nearest");
    case TQuotePage::Final:
        return quote.Standard ? QStringLiteral("standard") : QStringLiteral("custom");
    default:
        return QStringLiteral("custom");
    }
}

// An order line's fields as numbers are written in the data format.
struct TLineFields {
    QString Quantity;
    QString Unit;
    QString PartNumber;
    QString Description;
    QString Price;
    QString Extended;
};

TLineFields LineFields(const TOrderLine& line)
{
    TLineFields result{line.Quantity.Text, line.Unit,           line.PartNumber,
                       line.Description,   line.UnitPrice.Text, {}};
    result.Description.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    result.Extended = FormatFixed2Data(
        ExtendedPrice(line.Quantity.Value.value_or(0), line.UnitPrice.Value.value_or(0)));
    return result;
}

QJsonValue JsonNumber(const QString& dataText)
{
    double value = 0;
    if (!TryStrToFloat(dataText, value))
        return QJsonValue::Null;
    return value;
}

QJsonValue JsonText(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

} // namespace

QStringList BatchColumns()
{
    static const QStringList columns = {QStringLiteral("application"),
                                        QStringLiteral("length"),
                                        QStringLiteral("unit"),
                                        QStringLiteral("begin_mhz"),
                                        QStringLiteral("end_mhz"),
                                        QStringLiteral("cable"),
                                        QStringLiteral("grade"),
                                        QStringLiteral("attachment"),
                                        QStringLiteral("top"),
                                        QStringLiteral("top_characteristics"),
                                        QStringLiteral("top_inner"),
                                        QStringLiteral("bottom"),
                                        QStringLiteral("bottom_characteristics"),
                                        QStringLiteral("bottom_inner"),
                                        QStringLiteral("feeder_connectors"),
                                        QStringLiteral("quantity")};
    return columns;
}

TCsvLimits BatchCsvLimits()
{
    TCsvLimits limits;
    limits.Rows = MaxBatchRows;
    limits.DetectSemicolons = true;
    return limits;
}

void CheckBatchHeadings(const TCsvTable& table)
{
    QStringList missing;
    for (const QString& column : BatchColumns())
        if (table.Column(column) < 0)
            missing.append(column);
    if (!missing.isEmpty()) {
        // A heading that is not known is most likely a missing one misspelt.
        QStringList unknown;
        for (const QString& heading : table.Headings) {
            // A heading far longer than any column's name is no misspelling of one.
            const QString name = heading.trimmed().left(60);
            if (name.isEmpty() || BatchColumns().contains(name, Qt::CaseInsensitive) ||
                unknown.size() > 5)
                continue;
            QString nearest;
            qsizetype distance = std::numeric_limits<qsizetype>::max();
            for (const QString& column : missing)
                if (const qsizetype d = Distance(name, column); d < distance) {
                    distance = d;
                    nearest = column;
                }
            unknown.append(Tr("BatchQuote", "\"%1\" (is it %2?)").arg(name, nearest));
        }
        throw TDataError(Tr("BatchQuote",
                            "The file has no column %1.%2 The first line must name the columns %3.")
                             .arg(missing.join(QStringLiteral(", ")),
                                  unknown.isEmpty()
                                      ? QString()
                                      : Tr("BatchQuote", " It has the unknown column %1.")
                                            .arg(JoinBounded(unknown, QStringLiteral(", "))),
                                  BatchColumns().join(QLatin1Char(','))));
    }
    if (table.Rows.size() > MaxBatchRows)
        throw TDataError(Tr("BatchQuote",
                            "The file has %1 rows; at most %2 assemblies can be quoted "
                            "at once.")
                             .arg(table.Rows.size())
                             .arg(MaxBatchRows));
}

TCsvTable ReadBatchFile(const QString& path)
{
    const QByteArray bytes = ReadRegularFile(path, BatchFileLimit);
    try {
        TCsvTable table = ParseCsv(bytes, BatchCsvLimits());
        CheckBatchHeadings(table);
        return table;
    } catch (TDataError& error) {
        throw error.At(path, 0);
    }
}

namespace {

TBatchItem QuoteRow(const TRow& row, int line, qsizetype headings, const TBatchSources& sources,
                    int tag, TBatchLists& lists)
{
    TBatchItem item;
    item.Row = line;
    try {
        row.CheckWidth(headings);
        TQuoteRequest request = RequestOfRow(row, *sources.Cables, lists, item.Quantity);
        request.CurrencyTag = tag;
        const TQuoteResult quote = QuoteAssembly(request, sources.Quote);
        if (!quote.Warning.isEmpty())
            Fail((quote.WarningAbout == TQuoteWarning::Top      ? QStringLiteral("top: ")
                  : quote.WarningAbout == TQuoteWarning::Bottom ? QStringLiteral("bottom: ")
                                                                : QStringLiteral("cable: ")) +
                 quote.Warning);
        if (!quote.DataError.isEmpty())
            Fail(quote.DataError);
        item.Kind = KindOf(quote);
        item.PartNumber =
            quote.Page == TQuotePage::PartsList ? QString() : quote.Assembly.PartNumber;
        if (quote.Page == TQuotePage::NearLengths) {
            const QStringList first = quote.NearRows.value(1);
            const QStringList second = quote.NearRows.value(2);
            const bool shorter = quote.Near.Shorter >= 0;
            item.ShorterPartNumber = shorter ? first.value(1) : QString();
            item.LongerPartNumber = shorter ? second.value(1) : first.value(1);
        }
        item.ResultRows = ScaledResultRows(quote.OrderRows, item.Quantity);
        for (const TOrderLine& line : item.ResultRows) {
            if (line.Quantity.Value.value_or(0) > MaxOrderQuantity)
                Fail(Tr("BatchQuote", "quantity: the order would hold %1 of %2, above the largest "
                                      "quantity, %3.")
                         .arg(line.Quantity.Text, line.PartNumber, FloatToStr(MaxOrderQuantity)));
            if (line.UnitPrice.Value.value_or(0) > MaxUnitPrice)
                Fail(Tr("BatchQuote", "The unit price of %1 is above %2.")
                         .arg(line.PartNumber, FloatToStr(MaxUnitPrice)));
        }
        const QString unpriced = UnpricedNote(quote.Unpriced);
        if (sources.Strict && !unpriced.isEmpty())
            Fail(unpriced);
        if (!quote.Hint.isEmpty())
            item.Warnings.append(quote.Hint);
        if (!unpriced.isEmpty())
            item.Warnings.append(unpriced);
        item.Total = quote.TotalText().trimmed();
        item.Currency = QuoteCurrency(tag, sources.Quote.RatesAvailable).Code;
        item.Figures = quote.Figures;
        item.AsBuilt = quote.AsBuilt;
        if (sources.Datasheets)
            item.Datasheet = DatasheetOf(quote, request, sources.PricingDate);
        const QList<TBandPoint> band =
            BandRows(*quote.Assembly.Cable, quote.FiguresInFeet, request.BeginFrequency,
                     request.EndFrequency, quote.FiguresLength);
        item.BandBegin = band.at(0);
        item.BandEnd = band.at(2);
    } catch (const TRowError& error) {
        // Nothing of a row that failed part-way is kept.
        const int line = item.Row;
        item = TBatchItem();
        item.Row = line;
        item.Error = error.Text;
    }
    return item;
}

} // namespace

TBatchItem QuoteBatchRow(const TCsvTable& table, int index, const TBatchSources& sources, int tag)
{
    const QList<int> columns = ColumnsOf(table);
    TBatchLists lists;
    return QuoteRow(TRow(table.Rows.at(index), columns, table.Semicolons),
                    table.RowLines.value(index), table.Headings.size(), sources, tag, lists);
}

QList<TBatchItem> QuoteBatch(const TCsvTable& table, const TBatchSources& sources, int tag,
                             const std::function<bool(int)>& progress)
{
    const QList<int> columns = ColumnsOf(table);
    QList<TBatchItem> items;
    items.reserve(table.Rows.size());
    TBatchLists lists;
    for (int index = 0; index < table.Rows.size(); ++index) {
        const TRow row(table.Rows.at(index), columns, table.Semicolons);
        // A row without any value (a spreadsheet's empty line) is no assembly.
        if (!row.Empty())
            items.append(QuoteRow(row, table.RowLines.value(index), table.Headings.size(), sources,
                                  tag, lists));
        if (progress && !progress(index + 1))
            break;
    }
    return items;
}

QList<TOrderLine> ScaledResultRows(const QList<TOrderLine>& rows, qint64 count)
{
    if (count == 1)
        return rows;
    QList<TOrderLine> scaled = rows;
    for (TOrderLine& row : scaled)
        if (row.Quantity.Value)
            row.Quantity = TOrderNumber::Quantity(*row.Quantity.Value * static_cast<double>(count));
    return scaled;
}

QByteArray BatchCsv(const QList<TBatchItem>& items)
{
    QStringList headings = {QStringLiteral("row"),
                            QStringLiteral("kind"),
                            QStringLiteral("part_number"),
                            QStringLiteral("shorter_part_number"),
                            QStringLiteral("longer_part_number"),
                            QStringLiteral("quantity"),
                            QStringLiteral("line_quantity"),
                            QStringLiteral("line_unit"),
                            QStringLiteral("line_part_number"),
                            QStringLiteral("line_description"),
                            QStringLiteral("unit_price"),
                            QStringLiteral("extended_price"),
                            QStringLiteral("total"),
                            QStringLiteral("currency")};
    headings += FigureColumns;
    headings.append(QStringLiteral("error"));
    for (const QString& edge : {QStringLiteral("_begin"), QStringLiteral("_end")})
        for (const QString& key : BandEdgeKeys)
            headings.append(key + edge);
    headings += AsBuiltKeys();
    headings.append(QStringLiteral("warnings"));
    // No text cell may start like a formula in the spreadsheet the file is opened in.
    const auto line = [](QStringList cells) {
        for (QString& cell : cells)
            cell = SpreadsheetText(cell);
        return CsvLine(cells) + QStringLiteral("\r\n");
    };
    QString text = line(headings);
    for (const TBatchItem& item : items) {
        const QStringList row = {QString::number(item.Row),
                                 item.Kind,
                                 item.PartNumber,
                                 item.ShorterPartNumber,
                                 item.LongerPartNumber,
                                 item.Error.isEmpty() ? QString::number(item.Quantity) : QString()};
        QStringList tail = {ToDataNumber(item.Total), item.Currency};
        for (int i = 0; i < FigureColumns.size(); ++i)
            tail.append(FigureDataText(item.Figures.value(i, qQNaN())));
        tail.append(item.Error);
        if (item.Error.isEmpty())
            tail += BandEdgeNumbers(item.BandBegin) + BandEdgeNumbers(item.BandEnd) +
                    AsBuiltDataTexts(item.AsBuilt);
        else
            tail += QStringList(2 * BandEdgeKeys.size() + AsBuiltKeys().size(), QString());
        tail.append(item.Warnings.join(QLatin1Char(' ')));
        if (item.ResultRows.isEmpty())
            text += line(row + QStringList(6, QString()) + tail);
        for (const TOrderLine& resultRow : item.ResultRows) {
            const TLineFields fields = LineFields(resultRow);
            text += line(row +
                         QStringList{fields.Quantity, fields.Unit, fields.PartNumber,
                                     fields.Description, fields.Price, fields.Extended} +
                         tail);
        }
    }
    return text.toUtf8();
}

QByteArray BatchJson(const QList<TBatchItem>& items)
{
    QJsonArray rows;
    for (const TBatchItem& item : items) {
        QJsonObject row;
        row.insert(QStringLiteral("row"), item.Row);
        if (!item.Error.isEmpty()) {
            row.insert(QStringLiteral("error"), item.Error);
            rows.append(row);
            continue;
        }
        row.insert(QStringLiteral("kind"), item.Kind);
        row.insert(QStringLiteral("part_number"), JsonText(item.PartNumber));
        row.insert(QStringLiteral("shorter_part_number"), JsonText(item.ShorterPartNumber));
        row.insert(QStringLiteral("longer_part_number"), JsonText(item.LongerPartNumber));
        row.insert(QStringLiteral("quantity"), item.Quantity);
        QJsonArray lines;
        for (const TOrderLine& resultRow : item.ResultRows) {
            const TLineFields fields = LineFields(resultRow);
            lines.append(
                QJsonObject{{QStringLiteral("quantity"), JsonNumber(fields.Quantity)},
                            {QStringLiteral("unit"), fields.Unit},
                            {QStringLiteral("part_number"), fields.PartNumber},
                            {QStringLiteral("description"), fields.Description},
                            {QStringLiteral("unit_price"), JsonNumber(fields.Price)},
                            {QStringLiteral("extended_price"), JsonNumber(fields.Extended)}});
        }
        row.insert(QStringLiteral("lines"), lines);
        row.insert(QStringLiteral("total"), JsonNumber(ToDataNumber(item.Total)));
        row.insert(QStringLiteral("currency"), item.Currency);
        QJsonObject figures;
        for (int i = 0; i < FigureColumns.size(); ++i)
            figures.insert(FigureColumns.at(i),
                           JsonNumber(FigureDataText(item.Figures.value(i, qQNaN()))));
        row.insert(QStringLiteral("figures"), figures);
        const auto edge = [](const TBandPoint& point) {
            const QStringList numbers = BandEdgeNumbers(point);
            QJsonObject object;
            for (int i = 0; i < BandEdgeKeys.size(); ++i)
                object.insert(BandEdgeKeys.at(i), JsonNumber(numbers.at(i)));
            return object;
        };
        row.insert(QStringLiteral("band_begin"), edge(item.BandBegin));
        row.insert(QStringLiteral("band_end"), edge(item.BandEnd));
        QJsonObject asBuilt;
        const QStringList keys = AsBuiltKeys();
        const QStringList texts = AsBuiltDataTexts(item.AsBuilt);
        for (int i = 0; i < keys.size(); ++i)
            asBuilt.insert(
                keys.at(i),
                keys.at(i) == QLatin1String("pim_condition")
                    ? JsonText(texts.at(i) == QLatin1String("n/a") ? QString() : texts.at(i))
                    : JsonNumber(texts.at(i)));
        row.insert(QStringLiteral("as_built"), asBuilt);
        row.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(item.Warnings));
        row.insert(QStringLiteral("error"), QJsonValue::Null);
        rows.append(row);
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}
