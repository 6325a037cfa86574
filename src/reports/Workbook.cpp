#include "Workbook.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/NumericLocale.h"
#include "base/SafeFile.h"
#include "base/Translate.h"
#include "reports/QuoteDocument.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// A column is never made wider than this many characters; longer texts run on.
constexpr double WidestColumn = 70;
// Excel keeps at most this many characters in a cell.
constexpr qsizetype LongestCellText = 32767;

// A shown number ("1.5", " 12,50" in a comma locale, regional digits); nullopt for any other text.
std::optional<double> ShownNumber(const QString& text)
{
    double value = 0;
    if (text.trimmed().isEmpty() || !TryUserStrToFloat(text, value))
        return std::nullopt;
    return value;
}

class TSheet
{
public:
    TSheet(lxw_workbook* book, lxw_worksheet* sheet) : Sheet(sheet)
    {
        Bold = workbook_add_format(book);
        format_set_bold(Bold);
        Money = workbook_add_format(book);
        format_set_num_format(Money, "0.00");
        BoldMoney = workbook_add_format(book);
        format_set_bold(BoldMoney);
        format_set_num_format(BoldMoney, "0.00");
        Wrapped = workbook_add_format(book);
        format_set_text_wrap(Wrapped);
        format_set_align(Wrapped, LXW_ALIGN_VERTICAL_TOP);
        DateFormat = workbook_add_format(book);
        format_set_num_format(DateFormat, "yyyy-mm-dd");
        format_set_align(DateFormat, LXW_ALIGN_LEFT);
    }

    // A text cell; a text that only runs on (a notice) does not widen its column.
    void Text(lxw_row_t row, lxw_col_t column, const QString& text, lxw_format* format = nullptr,
              bool fit = true)
    {
        if (text.isEmpty() && format == nullptr)
            return;
        const QByteArray utf8 = text.left(LongestCellText).toUtf8();
        Check(worksheet_write_string(Sheet, row, column, utf8.constData(), format));
        if (fit)
            Fit(column, text);
    }

    void Number(lxw_row_t row, lxw_col_t column, double value, lxw_format* format,
                const QString& shown)
    {
        Check(worksheet_write_number(Sheet, row, column, value, format));
        Fit(column, shown);
    }

    // A shown text as a number where it is one (with two decimals when money), else as text.
    void Cell(lxw_row_t row, lxw_col_t column, const QString& text, bool money)
    {
        if (const std::optional<double> value = ShownNumber(text))
            Number(row, column, *value, money ? Money : nullptr, text.trimmed());
        else
            Text(row, column, text.trimmed());
    }

    void Formula(lxw_row_t row, lxw_col_t column, const QString& formula, double value,
                 const QString& shown)
    {
        const QByteArray utf8 = formula.toUtf8();
        Check(worksheet_write_formula_num(Sheet, row, column, utf8.constData(), BoldMoney, value));
        Fit(column, shown);
    }

    void Freeze(lxw_row_t rows) { worksheet_freeze_panes(Sheet, rows, 0); }

    // A date cell, shown as yyyy-mm-dd.
    void Date(lxw_row_t row, lxw_col_t column, const QDate& date)
    {
        lxw_datetime when{date.year(), date.month(), date.day(), 0, 0, 0};
        Check(worksheet_write_datetime(Sheet, row, column, &when, DateFormat));
        Fit(column, QStringLiteral("yyyy-mm-dd"));
    }

    // Printed landscape, one page wide, the grid's heading row on every page, and a page header
    // naming the customer and the quote's date.
    void PageSetup(std::optional<lxw_row_t> headingRow, const QString& company, const QString& date)
    {
        worksheet_set_landscape(Sheet);
        worksheet_fit_to_pages(Sheet, 1, 0);
        if (headingRow)
            Check(worksheet_repeat_rows(Sheet, *headingRow, *headingRow));
        // A header holds at most 255 characters, '&' written twice.
        const auto escaped = [](QString text, int longest) {
            text.replace(QLatin1Char('\r'), QLatin1Char(' '))
                .replace(QLatin1Char('\n'), QLatin1Char(' '));
            return text.left(longest).replace(QLatin1Char('&'), QStringLiteral("&&"));
        };
        QString header;
        if (!company.isEmpty())
            header += QStringLiteral("&L") + escaped(company, 100);
        if (!date.isEmpty())
            header += QStringLiteral("&R") + escaped(date, 100);
        QByteArray utf8 = header.toUtf8();
        while (utf8.size() > 255) {
            header.chop(1);
            if (header.endsWith(QLatin1Char('&')) && !header.endsWith(QStringLiteral("&&")))
                header.chop(1);
            utf8 = header.toUtf8();
        }
        if (!header.isEmpty())
            Check(worksheet_set_header(Sheet, utf8.constData()));
    }

    void SetWidths()
    {
        for (lxw_col_t column = 0; column < Widths.size(); ++column)
            if (Widths[column] > 0)
                Check(worksheet_set_column(Sheet, column, column,
                                           std::min(WidestColumn, Widths[column] + 2), nullptr));
    }

    static void Check(lxw_error error)
    {
        if (error != LXW_NO_ERROR)
            throw TDataError(Tr("Workbook", "Cannot make the workbook: %1")
                                 .arg(QString::fromUtf8(lxw_strerror(error))));
    }

    lxw_format* Bold = nullptr;
    lxw_format* Money = nullptr;
    lxw_format* BoldMoney = nullptr;
    lxw_format* Wrapped = nullptr;
    lxw_format* DateFormat = nullptr;

private:
    void Fit(lxw_col_t column, const QString& text)
    {
        if (column < Widths.size())
            Widths[column] = std::max(Widths[column], static_cast<double>(text.size()));
    }

    lxw_worksheet* Sheet;
    std::array<double, 8> Widths{};
};

// A price heading with the currency code, once ("Price (EUR)" stays as it is).
QString WithCurrency(const QString& heading, const QString& code)
{
    if (code.isEmpty() || heading.contains(QLatin1Char('(') + code + QLatin1Char(')')))
        return heading;
    return heading + QStringLiteral(" (") + code + QLatin1Char(')');
}

void Fill(TSheet& sheet, const TResultContent& content, const TOrderDetails& details,
          const QString& currencyCode)
{
    lxw_row_t row = 0;
    if (content.Kind == TContentKind::Order) {
        qsizetype dateRow = -1;
        const QList<TLabelValue> rows = OrderDetailRows(details, &dateRow);
        const QDate date = QDate::fromString(details.Date, QStringLiteral("yyyy-MM-dd"));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const TLabelValue& detail = rows.at(i);
            // The caption's column is as wide as its longest caption.
            sheet.Text(row, 0, detail.Label, sheet.Bold);
            if (i == dateRow && date.isValid())
                sheet.Date(row, 2, date);
            else
                sheet.Text(row, 2, detail.Value, nullptr, false);
            ++row;
        }
        const bool any = !rows.isEmpty();
        if (any)
            ++row;
    }

    std::optional<lxw_row_t> headingRow;
    if (content.Kind != TContentKind::FinalSummary) {
        const lxw_row_t heading = row;
        headingRow = heading;
        for (int column = 0; column < 6; ++column) {
            QString text = content.Headings.value(column);
            if (column >= 4)
                text = WithCurrency(text, currencyCode);
            sheet.Text(row, lxw_col_t(column), text, sheet.Bold);
        }
        sheet.Freeze(heading + 1);
        ++row;
        double total = 0;
        for (const QStringList& cells : content.GridRows) {
            for (int column = 0; column < 6; ++column) {
                // Descriptions wrap within their column.
                if (column == 3)
                    sheet.Text(row, 3, cells.value(3).trimmed(), sheet.Wrapped);
                else
                    sheet.Cell(row, lxw_col_t(column), cells.value(column), column >= 4);
            }
            if (const std::optional<double> extended = ShownNumber(cells.value(5)))
                total += *extended;
            ++row;
        }
        sheet.Text(row, 4, ContentTotalCaption(content), sheet.Bold);
        const QString range = content.GridRows.isEmpty()
                                  ? QStringLiteral("0")
                                  : QStringLiteral("SUM(F%1:F%2)").arg(heading + 2).arg(row);
        sheet.Formula(row, 5, QLatin1Char('=') + range, total, content.TotalValue.trimmed());
        row += 2;
    }

    const QList<TLabelValue>& pairs = ContentLabelValueRows(content);
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const TLabelValue& pair = pairs.at(i);
        sheet.Text(row, 0, pair.Label, sheet.Bold);
        const bool money = content.Kind == TContentKind::FinalSummary && i == SummaryPriceRow;
        // Multi-line values (the summary's description) keep their lines in one cell.
        if (pair.Value.contains(QLatin1Char('\r')) || pair.Value.contains(QLatin1Char('\n'))) {
            QString value = pair.Value;
            value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            sheet.Text(row, 2, value, sheet.Wrapped);
        } else {
            sheet.Cell(row, 2, pair.Value, money);
        }
        ++row;
    }
    if (!pairs.isEmpty())
        ++row;
    for (const TLabelValue& notice : BuyerNotices(content)) {
        sheet.Text(row, 0, notice.Label, sheet.Bold, false);
        sheet.Text(row, 2, notice.Value, nullptr, false);
        ++row;
    }
    sheet.SetWidths();
    sheet.PageSetup(
        headingRow, content.Kind == TContentKind::Order ? details.CompanyName : QString(),
        content.Kind == TContentKind::Order ? DocumentOrderDate(details.Date) : QString());
}

} // namespace

QByteArray WorkbookBytes(const TResultContent& content, const TOrderDetails& details,
                         const QString& currencyCode)
{
    // libxlsxwriter writes every number, width and margin with the C library's printf.
    const TCNumericScope numbers;
    QTemporaryDir folder;
    if (!folder.isValid())
        throw TDataError(Tr("Workbook", "Cannot make the workbook: no temporary folder: %1")
                             .arg(folder.errorString()));
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("book.xlsx")));
    const QByteArray temporary = QFile::encodeName(folder.path());
    lxw_workbook_options options{};
    options.constant_memory = 0;
    options.tmpdir = const_cast<char*>(temporary.constData());
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (book == nullptr)
        throw TDataError(Tr("Workbook", "Cannot make the workbook."));
    try {
        lxw_worksheet* sheet = workbook_add_worksheet(book, "Ferrolyn");
        if (sheet == nullptr)
            throw TDataError(Tr("Workbook", "Cannot make the workbook."));
        TSheet filled(book, sheet);
        Fill(filled, content, details, currencyCode);
    } catch (...) {
        workbook_close(book);
        throw;
    }
    TSheet::Check(workbook_close(book));
    QFile file(folder.filePath(QStringLiteral("book.xlsx")));
    if (!file.open(QIODevice::ReadOnly))
        throw TDataError(Tr("Workbook", "Cannot make the workbook: %1").arg(file.errorString()));
    return file.readAll();
}

void WriteWorkbook(const QString& path, const TResultContent& content, const TOrderDetails& details,
                   const QString& currencyCode)
{
    WriteFileAtomically(path, WorkbookBytes(content, details, currencyCode),
                        Tr("Workbook", "workbook"));
}
