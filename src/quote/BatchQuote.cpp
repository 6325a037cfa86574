#include "BatchQuote.h"

#include "catalog/Catalog.h"
#include "catalog/ConnectorLists.h"
#include "catalog/DataError.h"
#include "catalog/LineFormat.h"
#include "order/Order.h"
#include "pricing/Currencies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// The window's start-up choices.
const QString DefaultInterface = QStringLiteral("7-16 DIN Male");
const QString DefaultCableModel = QStringLiteral("KRV4-50B");
const QString NoMatch =
    QStringLiteral("Sorry, there are no items that match your selection criteria.");

const QStringList FigureColumns = {
    QStringLiteral("attenuation_db_per_100ft"), QStringLiteral("attenuation_db_per_100m"),
    QStringLiteral("total_attenuation_db"),     QStringLiteral("insertion_loss_db"),
    QStringLiteral("efficiency_percent"),       QStringLiteral("max_power_kw"),
    QStringLiteral("average_power_kw")};

// Why a row cannot be quoted.
struct TRowError {
    QString Text;
};

[[noreturn]] void Fail(const QString& text)
{
    throw TRowError{text};
}

class TRow
{
public:
    TRow(const TCsvTable& table, int index) : Table(table), Index(index) {}

    QString Cell(const QString& column) const
    {
        const int at = Table.Column(column);
        const QStringList& fields = Table.Rows.at(Index);
        return at >= 0 && at < fields.size() ? fields.at(at).trimmed() : QString();
    }

    // One of the words (without regard to case); the index of the word, or fallback when empty.
    int Word(const QString& column, const QStringList& words, int fallback) const
    {
        const QString text = Cell(column);
        if (text.isEmpty())
            return fallback;
        for (int i = 0; i < words.size(); ++i)
            if (text.compare(words.at(i), Qt::CaseInsensitive) == 0)
                return i;
        Fail(QStringLiteral("%1: \"%2\" is not one of %3.")
                 .arg(column, text, words.join(QStringLiteral(", "))));
    }

    // A number above 0 and at most bound, '.' as decimal point; the text as written.
    double Number(const QString& column, const QString& fallback, double bound,
                  QString* written = nullptr) const
    {
        QString text = Cell(column);
        if (text.isEmpty())
            text = fallback;
        double value = 0;
        if (!TryStrToFloat(text, value) || text.contains(QLatin1Char(',')) || value <= 0)
            Fail(QStringLiteral("%1: \"%2\" is not a number greater than 0.").arg(column, text));
        if (value > bound)
            Fail(QStringLiteral("%1: %2 is above the largest value, %3.")
                     .arg(column, text, FloatToStr(bound)));
        if (written != nullptr)
            *written = text;
        return value;
    }

private:
    const TCsvTable& Table;
    int Index;
};

TCableFamily FamilyOf(const QString& cableType)
{
    if (cableType.compare(QLatin1String("AIR"), Qt::CaseInsensitive) == 0)
        return TCableFamily::Air;
    if (cableType.compare(QLatin1String("EW"), Qt::CaseInsensitive) == 0)
        return TCableFamily::EllipticalWaveguide;
    return TCableFamily::Foam;
}

// The cable as page 2 takes it: the named one in the first cable grade (standard, premium,
// flame retardant) that offers it, or page 2's first choice.
TTransmissionLine* ChooseCable(TQuoteRequest& request, const QString& partNumber,
                               const TCableList& cables)
{
    if (!partNumber.isEmpty()) {
        const auto known = std::find_if(cables.begin(), cables.end(), [&](const auto& cable) {
            return cable->PartNumber.compare(partNumber, Qt::CaseInsensitive) == 0;
        });
        if (known == cables.end())
            Fail(QStringLiteral("cable: there is no cable \"%1\" in the catalog.").arg(partNumber));
        request.Family = FamilyOf((*known)->CableType);
    }
    if (request.Family == TCableFamily::EllipticalWaveguide && !request.Feeder)
        Fail(QStringLiteral("cable: elliptical waveguide is offered for feeders only."));

    TCableCriteria criteria;
    criteria.UseBand = true;
    criteria.BeginFrequency = request.BeginFrequency;
    criteria.EndFrequency = request.EndFrequency;
    criteria.Air = request.Family == TCableFamily::Air;
    criteria.Foam = request.Family == TCableFamily::Foam;
    criteria.EllipticalWaveguide = request.Family == TCableFamily::EllipticalWaveguide;
    const TCableRefs matching = SelectCables(CableRefs(cables), criteria);
    if (matching.isEmpty())
        Fail(NoMatch);

    for (int grade = 0; grade < 3; ++grade) {
        TCableCriteria graded;
        graded.Grade = CableGradeCode(grade);
        const TCableRefs offered = SelectCables(matching, graded);
        if (offered.isEmpty())
            continue;
        if (!partNumber.isEmpty()) {
            for (TTransmissionLine* cable : offered)
                if (cable->PartNumber.compare(partNumber, Qt::CaseInsensitive) == 0)
                    return cable;
            continue;
        }
        QStringList partNumbers;
        for (const TTransmissionLine* cable : offered)
            partNumbers.append(cable->PartNumber);
        partNumbers = SortedUnique(partNumbers);
        QString selected = partNumbers.first();
        for (const TTransmissionLine* cable : offered) {
            if (cable->Model == DefaultCableModel) {
                selected = cable->PartNumber;
                break;
            }
        }
        for (TTransmissionLine* cable : offered)
            if (cable->PartNumber == selected)
                return cable;
        return offered.last();
    }
    Fail(
        QStringLiteral("cable: \"%1\" is not offered from %2 to %3 MHz.")
            .arg(partNumber, FloatToStr(request.BeginFrequency), FloatToStr(request.EndFrequency)));
}

// The item of a page-2 list the cell names (without regard to case), or the list's first item.
QString ListItem(const QStringList& items, const QString& text, const QString& fallback,
                 const QString& column, const QString& what)
{
    if (text.isEmpty()) {
        if (items.contains(fallback))
            return fallback;
        if (items.isEmpty())
            Fail(QStringLiteral("%1: the cable offers no %2 for these choices.").arg(column, what));
        return items.first();
    }
    for (const QString& item : items)
        if (item.compare(text, Qt::CaseInsensitive) == 0)
            return item;
    Fail(QStringLiteral("%1: \"%2\" is not offered for these choices; the choices are: %3.")
             .arg(column, text, JoinBounded(items, QStringLiteral(", "))));
}

TConnectorChoice ChooseSide(const TRow& row, const QString& side, const TQuoteRequest& request)
{
    const TTransmissionLine& cable = *request.Cable;
    const QString interfaceColumn = side;
    const QString characteristicsColumn = side + QStringLiteral("_characteristics");
    const QString innerColumn = side + QStringLiteral("_inner");
    TConnectorChoice choice;
    choice.Interface = ListItem(
        InterfaceLists(cable, request.ConnectorGrade, request.Attachment).Actual,
        row.Cell(interfaceColumn), DefaultInterface, interfaceColumn, QStringLiteral("connector"));
    choice.Characteristics =
        ListItem(CharacteristicsList(cable, true, choice.Interface, request.Attachment).Items,
                 row.Cell(characteristicsColumn), {}, characteristicsColumn,
                 QStringLiteral("characteristics"));
    choice.InnerAttachment =
        ListItem(InnerAttachmentList(cable, true, choice.Interface, choice.Characteristics,
                                     request.Attachment)
                     .Items,
                 row.Cell(innerColumn), {}, innerColumn, QStringLiteral("inner attachment"));
    return choice;
}

// The connector options as page 2 offers them for the cable.
void ChooseConnectorOptions(const TRow& row, TQuoteRequest& request)
{
    const TTransmissionLine& cable = *request.Cable;
    const int grade = row.Word(QStringLiteral("grade"),
                               {QStringLiteral("plated"), QStringLiteral("standard")}, -1);
    const int attachment = row.Word(QStringLiteral("attachment"),
                                    {QStringLiteral("prenvo"), QStringLiteral("regular")}, -1);
    if (!request.IncludeTop && !request.IncludeBottom) {
        request.Attachment = QStringLiteral("R");
        request.ConnectorGrade = QStringLiteral("P");
        return;
    }
    const bool prenvoOffered = !cable.PrenvoOption.isEmpty() && !request.Feeder;
    bool prenvo = false;
    if (attachment == 0) {
        if (!prenvoOffered)
            Fail(request.Feeder
                     ? QStringLiteral("attachment: Prenvo is offered for jumpers only.")
                     : QStringLiteral("attachment: this cable is not offered with Prenvo."));
        prenvo = true;
    } else if (attachment < 0) {
        // The Standard grade is chosen only with the regular attachment.
        prenvo = prenvoOffered && grade != 1;
    }
    request.Attachment = prenvo ? QStringLiteral("S") : QStringLiteral("R");

    const bool plated = !cable.PlatedOption.isEmpty();
    const bool standard = !cable.StandardOption.isEmpty() && !prenvo;
    if (grade == 0 && !plated)
        Fail(QStringLiteral("grade: this cable is not offered with plated connectors."));
    if (grade == 1 && !standard)
        Fail(prenvo ? QStringLiteral("grade: standard connectors are not offered with Prenvo.")
                    : QStringLiteral("grade: this cable is not offered with standard "
                                     "connectors."));
    const bool platedChosen = grade == 0 || (grade < 0 && (plated || prenvo));
    request.ConnectorGrade = platedChosen ? QStringLiteral("P") : QStringLiteral("S");
}

TQuoteRequest RequestOfRow(const TRow& row, const TCableList& cables, qint64& quantity)
{
    TQuoteRequest request;
    request.Feeder = row.Word(QStringLiteral("application"),
                              {QStringLiteral("jumper"), QStringLiteral("feeder")}, 0) == 1;
    request.Metres =
        row.Word(QStringLiteral("unit"), {QStringLiteral("ft"), QStringLiteral("m")}, 0) == 1;
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
        Fail(QStringLiteral("Ending frequency must be greater than beginning frequency."));

    const int feeder = row.Word(QStringLiteral("feeder_connectors"),
                                {QStringLiteral("both"), QStringLiteral("top"),
                                 QStringLiteral("bottom"), QStringLiteral("none")},
                                0);
    if (!request.Feeder && feeder != 0)
        Fail(QStringLiteral("feeder_connectors: a jumper has both connectors."));
    request.FeederChoice = static_cast<TFeederChoice>(feeder);
    request.IncludeTop = feeder == 0 || feeder == 1;
    request.IncludeBottom = feeder == 0 || feeder == 2;
    for (const QString& side : {QStringLiteral("top"), QStringLiteral("bottom")}) {
        const bool included =
            side == QLatin1String("top") ? request.IncludeTop : request.IncludeBottom;
        if (!included && !(row.Cell(side) + row.Cell(side + QStringLiteral("_characteristics")) +
                           row.Cell(side + QStringLiteral("_inner")))
                              .isEmpty())
            Fail(QStringLiteral("%1: the feeder has no %1 connector (feeder_connectors).")
                     .arg(side));
    }

    const QString count = row.Cell(QStringLiteral("quantity"));
    bool whole = false;
    quantity = count.isEmpty() ? 1 : count.toLongLong(&whole);
    if (!count.isEmpty() && (!whole || quantity < 1 || quantity > MaxOrderQuantity))
        Fail(QStringLiteral("quantity: \"%1\" is not a whole number from 1 to %2.")
                 .arg(count, FloatToStr(MaxOrderQuantity)));

    request.Cable = ChooseCable(request, row.Cell(QStringLiteral("cable")), cables);
    ChooseConnectorOptions(row, request);
    // A side left out shows "N/A" in its lists, as on page 2.
    const TConnectorChoice none{{}, QStringLiteral("N/A"), QStringLiteral("N/A")};
    request.Top = request.IncludeTop ? ChooseSide(row, QStringLiteral("top"), request) : none;
    request.Bottom =
        request.IncludeBottom ? ChooseSide(row, QStringLiteral("bottom"), request) : none;
    return request;
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

TLineFields LineFields(const QString& resultRow)
{
    const TOrderItem item = OrderItem(OrderLineFromResultRow(resultRow));
    TLineFields result{item.Quantity,        item.Unit, item.PartNumber, item.Description,
                       item.Price.trimmed(), {}};
    result.Description.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    double quantity = 0;
    double price = 0;
    TryStrToFloat(result.Quantity, quantity);
    TryStrToFloat(result.Price, price);
    result.Extended = FormatFixed2Data(quantity * price);
    return result;
}

// A figure text ("2.89 dB", "93.41%", "n/a") as its number in the data format; "n/a" stays.
QString FigureNumber(const QString& figure)
{
    const QString data = ToDataNumber(figure);
    qsizetype end = 0;
    while (end < data.size() && (data.at(end).isDigit() || data.at(end) == QLatin1Char('.') ||
                                 data.at(end) == QLatin1Char('-')))
        ++end;
    return end == 0 ? data : data.left(end);
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
    return {QStringLiteral("application"),
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
}

void CheckBatchHeadings(const TCsvTable& table)
{
    QStringList missing;
    for (const QString& column : BatchColumns())
        if (table.Column(column) < 0)
            missing.append(column);
    if (missing.isEmpty())
        return;
    throw TDataError(
        QStringLiteral("The file has no column %1. The first line must name the columns %2.")
            .arg(missing.join(QStringLiteral(", ")), BatchColumns().join(QStringLiteral(","))));
}

TBatchItem QuoteBatchRow(const TCsvTable& table, int index, const TBatchSources& sources, int tag)
{
    TBatchItem item;
    item.Row = table.RowLines.value(index);
    try {
        const TRow row(table, index);
        TQuoteRequest request = RequestOfRow(row, *sources.Cables, item.Quantity);
        request.CurrencyTag = tag;
        const TQuoteResult quote = QuoteAssembly(request, sources.Quote);
        if (!quote.Warning.isEmpty())
            Fail(quote.Warning);
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
        for (const QString& row : item.ResultRows) {
            const TOrderItem line = OrderItem(OrderLineFromResultRow(row));
            double quantity = 0;
            double price = 0;
            if (TryStrToFloat(line.Quantity, quantity) && quantity > MaxOrderQuantity)
                Fail(QStringLiteral("quantity: the order would hold %1 of %2, above the largest "
                                    "quantity, %3.")
                         .arg(line.Quantity, line.PartNumber, FloatToStr(MaxOrderQuantity)));
            if (TryStrToFloat(line.Price.trimmed(), price) && price > MaxUnitPrice)
                Fail(QStringLiteral("The unit price of %1 is above %2.")
                         .arg(line.PartNumber, FloatToStr(MaxUnitPrice)));
        }
        item.Total = quote.TotalText().trimmed();
        item.Currency = CurrencyCode(sources.Quote.RatesAvailable ? tag : UsDollarTag);
        item.Figures = quote.Figures;
    } catch (const TRowError& error) {
        // Nothing of a row that failed part-way is kept.
        const int line = item.Row;
        item = TBatchItem();
        item.Row = line;
        item.Error = error.Text;
    }
    return item;
}

QList<TBatchItem> QuoteBatch(const TCsvTable& table, const TBatchSources& sources, int tag,
                             const std::function<bool(int)>& progress)
{
    QList<TBatchItem> items;
    items.reserve(table.Rows.size());
    for (int index = 0; index < table.Rows.size(); ++index) {
        items.append(QuoteBatchRow(table, index, sources, tag));
        if (progress && !progress(index + 1))
            break;
    }
    return items;
}

QStringList ScaledResultRows(const QStringList& rows, qint64 count)
{
    if (count == 1)
        return rows;
    QStringList scaled;
    for (const QString& row : rows) {
        const qsizetype bar = row.indexOf(FieldDelimiter);
        double quantity = 0;
        if (bar < 0 || !TryStrToFloat(ToDataNumber(row.left(bar)), quantity)) {
            scaled.append(row);
            continue;
        }
        scaled.append(ToUserNumber(QuantityText(quantity * static_cast<double>(count))) +
                      row.mid(bar));
    }
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
    QString text = CsvLine(headings) + QStringLiteral("\r\n");
    for (const TBatchItem& item : items) {
        const QStringList row = {QString::number(item.Row),
                                 item.Kind,
                                 item.PartNumber,
                                 item.ShorterPartNumber,
                                 item.LongerPartNumber,
                                 item.Error.isEmpty() ? QString::number(item.Quantity) : QString()};
        QStringList tail = {ToDataNumber(item.Total), item.Currency};
        for (int i = 0; i < FigureColumns.size(); ++i)
            tail.append(FigureNumber(item.Figures.value(i)));
        tail.append(item.Error);
        if (item.ResultRows.isEmpty())
            text += CsvLine(row + QStringList(6, QString()) + tail) + QStringLiteral("\r\n");
        for (const QString& resultRow : item.ResultRows) {
            const TLineFields line = LineFields(resultRow);
            text += CsvLine(row +
                            QStringList{line.Quantity, line.Unit, line.PartNumber, line.Description,
                                        line.Price, line.Extended} +
                            tail) +
                    QStringLiteral("\r\n");
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
        for (const QString& resultRow : item.ResultRows) {
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
            figures.insert(FigureColumns.at(i), JsonNumber(FigureNumber(item.Figures.value(i))));
        row.insert(QStringLiteral("figures"), figures);
        row.insert(QStringLiteral("error"), QJsonValue::Null);
        rows.append(row);
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}
