#include "ResultContent.h"

#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "base/SectionedFile.h"
#include "base/Translate.h"
#include "quote/Csv.h"

namespace {

// The grids' columns 1 to 6; a hidden seventh cell is never output.
constexpr int ColumnCount = 6;
constexpr int QuantityColumn = 0;
constexpr int UnitColumn = 1;
constexpr int PriceColumn = 4;
constexpr int ExtendedColumn = 5;

const QString LineEnd = QStringLiteral("\r\n");
const QChar CR = QLatin1Char('\r');
const QChar Tab = QLatin1Char('\t');
const QChar Blank = QLatin1Char(' ');

QString ForeignCurrencyLabel()
{
    return Tr("ResultContent", "Foreign Currencies:");
}

QString ReminderLabel()
{
    return Tr("ResultContent", "Reminder:");
}

QString LastUpdateLabel()
{
    return Tr("ResultContent", "Last Update:");
}

const QString TableStart = QStringLiteral("<P><TABLE BORDER = 3>");
const QString NextTable = QStringLiteral("</P><P><TABLE BORDER = 3>");

bool HasGrid(const TResultContent& content)
{
    return content.Kind != TContentKind::FinalSummary;
}

// " (EUR)" for an order in another currency than US dollars; empty otherwise.
QString OrderCurrencySuffix(const TResultContent& content)
{
    if (content.Kind != TContentKind::Order || content.OrderCurrencyCode.isEmpty())
        return QString();
    return QStringLiteral(" (") + content.OrderCurrencyCode + QLatin1Char(')');
}

QString Heading(const TResultContent& content, int column)
{
    const QString heading = content.Headings.value(column);
    return column == PriceColumn || column == ExtendedColumn
               ? heading + OrderCurrencySuffix(content)
               : heading;
}

// The total's caption: the order's is fixed (with its currency when that is not US dollars),
// the parts list's carries its currency.
QString TotalCaption(const TResultContent& content)
{
    if (content.Kind != TContentKind::Order)
        return content.TotalLabel;
    return OrderCurrencySuffix(content).isEmpty()
               ? Tr("ResultContent", "Order Total:")
               : Tr("ResultContent", "Order Total (%1):").arg(content.OrderCurrencyCode);
}

// The label/value rows after the grid: the summary's rows, the parts list's performance rows.
const QList<TLabelValue>& LabelValueRows(const TResultContent& content)
{
    static const QList<TLabelValue> None;
    switch (content.Kind) {
    case TContentKind::FinalSummary:
        return content.Rows;
    case TContentKind::PartsList:
        return content.Performance;
    case TContentKind::Order:
        break;
    }
    return None;
}

// The lines of a file, each followed by CR LF.
QString FileText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + LineEnd;
    return text;
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString HtmlLabelValueRow(const QString& label, const QString& value)
{
    return QStringLiteral("<TR><TD><B>") + Escaped(label) + QStringLiteral("</B></TD><TD>") +
           Escaped(value) + QStringLiteral("</TD></TR>");
}

} // namespace

QString ForeignCurrencyNotice(const TResultContent& content)
{
    return Tr("ResultContent", "Currencies other than United States Dollars($US) are provided for "
                               "information purposes only and are based on exchange rates as of %1")
        .arg(content.RatesDate);
}

QString ReminderNotice(const TResultContent& content)
{
    return Tr("ResultContent", "Prices are subject to change without notice.  %1")
        .arg(content.ReminderCaption);
}

QString LastUpdateNotice(const TResultContent& content)
{
    return Tr("ResultContent", "Your pricing database was last updated on %1")
        .arg(content.LastUpdateDate);
}

QString TextExport(const TResultContent& content)
{
    QStringList lines;
    if (HasGrid(content)) {
        for (const QStringList& row : content.GridRows) {
            for (int column = 0; column < ColumnCount; ++column)
                lines.append(Heading(content, column) + QStringLiteral(": ") + row.value(column));
            lines.append(QString());
        }
        lines.append(TotalCaption(content) + Blank + content.TotalValue);
    }
    for (const TLabelValue& row : LabelValueRows(content))
        lines.append(row.Label + Blank + row.Value);

    if (content.ForeignCurrency)
        lines.append(ForeignCurrencyNotice(content));
    lines.append(ReminderLabel() + Blank + ReminderNotice(content));
    lines.append(LastUpdateNotice(content));
    return FileText(lines);
}

QString HtmlExport(const TResultContent& content)
{
    QStringList lines{QStringLiteral("<HTML><HEAD><TITLE>") +
                          Escaped(Tr("ResultContent", "Vantrel Jumper Results")) +
                          QStringLiteral("</TITLE></HEAD>"),
                      QStringLiteral("<BODY>"),
                      QStringLiteral("<H1><CENTER>") +
                          Escaped(Tr("ResultContent", "Jumper Results")) +
                          QStringLiteral("</CENTER></H1>"),
                      TableStart};
    if (HasGrid(content)) {
        QString headings = QStringLiteral("<TR>");
        for (int column = 0; column < ColumnCount; ++column)
            headings += QStringLiteral("<TD><B>") + Escaped(Heading(content, column)) +
                        QStringLiteral("</B></TD>");
        lines.append(headings + QStringLiteral("</TR>"));
        for (const QStringList& row : content.GridRows) {
            QString line = QStringLiteral("<TR>");
            for (int column = 0; column < ColumnCount; ++column)
                line +=
                    QStringLiteral("<TD>") + Escaped(row.value(column)) + QStringLiteral("</TD>");
            lines.append(line + QStringLiteral("</TR>"));
        }
        lines.append(QStringLiteral("<TR><TD></TD><TD><B>") + Escaped(TotalCaption(content)) +
                     QStringLiteral("</B></TD><TD>") + Escaped(content.TotalValue) +
                     QStringLiteral("</TD></TR></TABLE>"));
        lines.append(NextTable);
    }
    for (const TLabelValue& row : LabelValueRows(content))
        lines.append(HtmlLabelValueRow(row.Label, row.Value));

    if (content.ForeignCurrency)
        lines.append(HtmlLabelValueRow(ForeignCurrencyLabel(), ForeignCurrencyNotice(content)));
    lines.append(HtmlLabelValueRow(ReminderLabel(), ReminderNotice(content)));
    lines.append(HtmlLabelValueRow(LastUpdateLabel(), LastUpdateNotice(content)));
    lines.append(QStringLiteral("</TABLE></P></BODY></HTML>"));
    return FileText(lines);
}

QString SpreadsheetExport(const TResultContent& content)
{
    // No text cell may start like a formula (a received order file's part number "=HYPERLINK(...)"
    // or "-2+3"): such a text gets a leading apostrophe; numbers are never touched.
    const auto cell = [](const QString& text) {
        return SpreadsheetText(text);
    };
    QStringList lines;
    if (HasGrid(content)) {
        // The heading line and the total line end in a carriage return of their own.
        QString headings;
        for (int column = 0; column < ColumnCount; ++column)
            headings += cell(Heading(content, column)) + Tab;
        lines.append(headings + CR);
        for (const QStringList& row : content.GridRows) {
            QString line;
            for (int column = 0; column < ColumnCount; ++column)
                line += cell(row.value(column)) + Tab;
            lines.append(line);
        }
        lines.append(Tab + cell(TotalCaption(content)) + Tab + cell(content.TotalValue) + CR);
    }
    for (const TLabelValue& row : LabelValueRows(content))
        lines.append(cell(row.Label) + Tab + cell(row.Value));

    if (content.ForeignCurrency)
        lines.append(ForeignCurrencyLabel() + Tab + ForeignCurrencyNotice(content));
    lines.append(ReminderLabel() + Tab + cell(ReminderNotice(content)));
    lines.append(LastUpdateLabel() + Tab + LastUpdateNotice(content));
    // A spreadsheet reads numbers in ASCII digits only; the decimal separator stays the
    // regional one, as a spreadsheet of that region reads it.
    return AsciiDigits(FileText(lines));
}

QString ClipboardText(const TResultContent& content)
{
    QString text;
    if (HasGrid(content)) {
        for (const QStringList& row : content.GridRows)
            for (int column = 0; column < ColumnCount; ++column)
                text += Heading(content, column) + QStringLiteral(": ") + row.value(column) + CR;
        text += TotalCaption(content) + Blank + content.TotalValue + CR + CR;
    }
    for (const TLabelValue& row : LabelValueRows(content))
        text += row.Label + Blank + row.Value + CR;
    text += CR;
    text += CR;

    if (content.ForeignCurrency)
        text += ForeignCurrencyLabel() + Blank + ForeignCurrencyNotice(content) + CR + CR;
    text += ReminderLabel() + Blank + ReminderNotice(content) + CR + CR;
    text += LastUpdateNotice(content) + CR;
    return text;
}

QStringList ReportEntries(const TResultContent& content)
{
    const QChar is = QLatin1Char('=');
    const QString spacer = QStringLiteral(" = ");
    QStringList entries;
    switch (content.Kind) {
    case TContentKind::FinalSummary:
        for (const TLabelValue& row : content.Rows)
            entries.append(row.Label + is + row.Value);
        break;
    case TContentKind::PartsList:
        for (const QStringList& row : content.GridRows)
            for (int column = 0; column < ColumnCount; ++column)
                entries.append(Heading(content, column) + is + row.value(column));
        entries.append(content.TotalLabel + is + content.TotalValue);
        for (const TLabelValue& row : content.Performance)
            entries.append(row.Label + is + row.Value);
        break;
    case TContentKind::Order:
        for (const QStringList& row : content.GridRows)
            entries.append(row.value(UnitColumn) + is +
                           (OrderCurrencySuffix(content).isEmpty()
                                ? Tr("ResultContent", "Qty: %1,          Total Price: %2")
                                      .arg(row.value(QuantityColumn), row.value(ExtendedColumn))
                                : Tr("ResultContent", "Qty: %1,          Total Price (%2): %3")
                                      .arg(row.value(QuantityColumn), content.OrderCurrencyCode,
                                           row.value(ExtendedColumn))));
        entries.append(spacer);
        entries.append(TotalCaption(content) + is + content.TotalValue);
        break;
    }
    for (int n = 0; n < 3; ++n)
        entries.append(spacer);

    if (content.ForeignCurrency)
        entries.append(Tr("ResultContent", "Foreign Currencies") + is +
                       ForeignCurrencyNotice(content));
    entries.append(Tr("ResultContent", "Reminder") + is + ReminderNotice(content));
    entries.append(Tr("ResultContent", "Last Update") + is + LastUpdateNotice(content));
    return entries;
}

QByteArray ExportBytes(const QString& text)
{
    if (std::optional<QByteArray> single = ToUnmistakableWindows1252(text))
        return *std::move(single);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

void WriteExportFile(const QString& path, const QString& text)
{
    WriteFileAtomically(path, ExportBytes(text), Tr("ResultContent", "file"));
}

const QList<TLabelValue>& ContentLabelValueRows(const TResultContent& content)
{
    return LabelValueRows(content);
}

QString ContentTotalCaption(const TResultContent& content)
{
    return TotalCaption(content);
}

QString BuyerLastUpdateNotice(const TResultContent& content)
{
    TResultContent dated = content;
    if (content.LastUpdateDay.isValid())
        dated.LastUpdateDate = DocumentDateText(content.LastUpdateDay);
    return LastUpdateNotice(dated);
}

QList<TLabelValue> BuyerNotices(const TResultContent& content)
{
    QList<TLabelValue> notices;
    if (content.ForeignCurrency)
        notices.append({ForeignCurrencyLabel(), ForeignCurrencyNotice(content)});
    notices.append({LastUpdateLabel(), BuyerLastUpdateNotice(content)});
    return notices;
}

QList<TLabelValue> ContentNotices(const TResultContent& content)
{
    QList<TLabelValue> notices;
    if (content.ForeignCurrency)
        notices.append({ForeignCurrencyLabel(), ForeignCurrencyNotice(content)});
    notices.append({ReminderLabel(), ReminderNotice(content)});
    notices.append({LastUpdateLabel(), LastUpdateNotice(content)});
    return notices;
}
