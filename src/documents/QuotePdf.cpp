#include "QuotePdf.h"

#include "base/DataError.h"
#include "base/SafeFile.h"
#include "base/Translate.h"
#include "platform/Dialogs.h"
#include "platform/PrintDialogs.h"
#include "reports/MPReporter.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// Page geometry in points (1/72 inch).
constexpr double Margin = 36;
constexpr double FooterHeight = 58;
constexpr double CellPadding = 3;
constexpr int BodyPixels = 9;
constexpr int HeadingPixels = 8;
constexpr int TitlePixels = 20;
constexpr int FooterPixels = 8;
// Widths of the fixed columns; the description takes the rest.
constexpr double FixedWidths[QuoteColumnCount] = {36, 36, 104, 0, 86, 86};

} // namespace

QStringList WrappedLines(const QString& text, const QFontMetricsF& metrics, double width)
{
    QStringList lines;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (metrics.horizontalAdvance(candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            line.clear();
            // A word wider than the column is cut into pieces that fit.
            QString piece;
            for (const QChar c : word) {
                if (!piece.isEmpty() && metrics.horizontalAdvance(piece + c) > width) {
                    lines.append(piece);
                    piece.clear();
                }
                piece += c;
            }
            line = piece;
        }
        lines.append(line);
    }
    return lines;
}

namespace {

// The width of the widest word of text.
double WidestWord(const QString& text, const QFontMetricsF& metrics)
{
    double widest = 0;
    for (const QString& word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

class TQuotePainter
{
public:
    TQuotePainter(const TQuoteDocument& quote, QPagedPaintDevice* device, QPainter* painter,
                  int pageCount)
        : Quote(quote), Device(device), Painter(painter), PageCount(pageCount),
          Body(DocumentFont(BodyPixels)), Bold(DocumentFont(HeadingPixels, true)),
          BodyMetrics(Body, device), BoldMetrics(Bold, device)
    {
        const double scale = device->logicalDpiX() / 72.0;
        PageWidth = device->width() / scale;
        PageHeight = device->height() / scale;
        if (painter != nullptr)
            painter->scale(scale, scale);
        // The units column as wide as its longest unit ("Meters" is never broken), and every
        // column as wide as the longest word of its heading ("Menge" is never broken either).
        double widths[QuoteColumnCount];
        std::copy(std::begin(FixedWidths), std::end(FixedWidths), widths);
        const auto fit = [&](int column, double textWidth) {
            widths[column] = std::max(widths[column], textWidth + 2 * CellPadding + 1);
        };
        fit(1, BoldMetrics.horizontalAdvance(Quote.Headings.value(1)));
        for (const QStringList& row : Quote.Rows)
            fit(1, BodyMetrics.horizontalAdvance(row.value(1)));
        widths[1] = std::min(widths[1], 120.0);
        for (int column = 0; column < QuoteColumnCount; ++column)
            if (column != 3)
                fit(column, std::min(120.0, WidestWord(Quote.Headings.value(column), BoldMetrics)));
        double fixed = 0;
        for (const double width : widths)
            fixed += width;
        const double descriptionWidth = std::max(60.0, PageWidth - 2 * Margin - fixed);
        double x = Margin;
        for (int column = 0; column < QuoteColumnCount; ++column) {
            Left[column] = x;
            Width[column] = column == 3 ? descriptionWidth : widths[column];
            x += Width[column];
        }
        LineHeight = BodyMetrics.lineSpacing();
        // The details' captions as wide as the longest one ("Numéro de proposition :").
        const QFontMetricsF captionMetrics(DocumentFont(BodyPixels, true), device);
        for (const TLabelValue& detail : Quote.Details)
            CaptionWidth = std::max(
                CaptionWidth, std::min(200.0, captionMetrics.horizontalAdvance(detail.Label) + 8));
    }

    // Lays out (and draws, with a painter) the whole quote; the number of pages (0 for a paper
    // too small to hold it).
    int Run()
    {
        StartPage(true);
        PlaceDetails();
        Y += LineHeight;
        // The table starts with its heading and at least one line of a row on the same page.
        InTable = true;
        if (Y + HeadingHeight() + LineHeight + 4 * CellPadding > BodyBottom())
            NextPage();
        else
            PlaceHeading();
        for (const QStringList& row : Quote.Rows)
            PlaceRow(row, false);
        if (TooSmall)
            return 0;
        PlaceTotal();
        Y += LineHeight;
        for (const QString& line :
             WrappedLines(Quote.PricingDate, BodyMetrics, PageWidth - 2 * Margin)) {
            if (Y + LineHeight > BodyBottom())
                NextPage();
            Text(Body, Margin, Y, PageWidth - 2 * Margin, Qt::AlignLeft, line);
            Y += LineHeight;
        }
        return Page;
    }

private:
    double BodyBottom() const { return PageHeight - Margin - FooterHeight; }

    void Text(const QFont& font, double x, double y, double width, Qt::Alignment align,
              const QString& text)
    {
        if (Painter == nullptr)
            return;
        Painter->setFont(font);
        Painter->drawText(QRectF(x, y, width, LineHeight * 1.5), align | Qt::AlignTop, text);
    }

    void StartPage(bool first)
    {
        ++Page;
        double top = Margin;
        const QImage logo = Logo();
        if (Painter != nullptr && !logo.isNull()) {
            const double height = first ? 40 : 24;
            const double width = height * logo.width() / std::max(1, logo.height());
            Painter->drawImage(QRectF(Margin, top, width, height), logo);
        }
        if (first) {
            const QFont title = DocumentFont(TitlePixels, true);
            if (Painter != nullptr) {
                Painter->setFont(title);
                Painter->drawText(QRectF(Margin, top, PageWidth - 2 * Margin, 40),
                                  Qt::AlignRight | Qt::AlignVCenter, Quote.Title);
            }
            top += 52;
        } else {
            top += 32;
        }
        Y = top;
        DrawFooter();
        Fresh = true;
        if (InTable)
            PlaceHeading();
    }

    // The order's details under the title, each value wrapped beside its caption; a detail that
    // runs past the page's body continues on the next page.
    void PlaceDetails()
    {
        const QFont caption = DocumentFont(BodyPixels, true);
        for (const TLabelValue& detail : Quote.Details) {
            bool first = true;
            const double valueWidth = std::min(300.0, PageWidth - 2 * Margin - CaptionWidth);
            for (const QString& line : WrappedLines(detail.Value, BodyMetrics, valueWidth)) {
                if (Y + LineHeight > BodyBottom())
                    NextPage();
                if (first)
                    Text(caption, Margin, Y, CaptionWidth, Qt::AlignLeft, detail.Label);
                first = false;
                Text(Body, Margin + CaptionWidth, Y, valueWidth, Qt::AlignLeft, line);
                Y += LineHeight;
            }
        }
    }

    void NextPage()
    {
        if (Painter != nullptr)
            Device->newPage();
        StartPage(false);
    }

    double HeadingHeight() const
    {
        qsizetype count = 1;
        for (int column = 0; column < QuoteColumnCount; ++column)
            count = std::max(count, WrappedLines(Quote.Headings.value(column), BoldMetrics,
                                                 Width[column] - 2 * CellPadding)
                                        .size());
        return count * LineHeight + 2 * CellPadding;
    }

    void DrawFooter()
    {
        if (Painter == nullptr)
            return;
        const double top = PageHeight - Margin - FooterHeight + 10;
        Painter->setPen(QPen(Qt::black, 0.8));
        Painter->drawLine(QPointF(Margin, top), QPointF(PageWidth - Margin, top));
        const QFont font = DocumentFont(FooterPixels);
        const QFontMetricsF metrics(font, Device);
        const QStringList contact = ReportContactLines();
        const double step = metrics.lineSpacing();
        for (int i = 0; i < contact.size(); ++i) {
            const bool left = i < 3;
            const double y = top + 6 + (left ? i : i - 3) * step;
            Painter->setFont(font);
            Painter->drawText(
                QRectF(left ? Margin : PageWidth / 2, y, PageWidth / 2 - Margin, step * 1.5),
                Qt::AlignLeft | Qt::AlignTop, contact.at(i));
        }
        Painter->drawText(QRectF(Margin, top + 6 + 3 * step, PageWidth - 2 * Margin, step * 1.5),
                          Qt::AlignRight | Qt::AlignTop,
                          Tr("QuotePdf", "Page %1 of %2").arg(Page).arg(PageCount));
    }

    void PlaceHeading() { PlaceRow(Quote.Headings, true); }

    // One row of the table; a row taller than the room left goes to the next page, and a row
    // taller than a whole page continues there.
    void PlaceRow(const QStringList& cells, bool heading)
    {
        const QFont& font = heading ? Bold : Body;
        const QFontMetricsF& metrics = heading ? BoldMetrics : BodyMetrics;
        QList<QStringList> lines;
        qsizetype count = 1;
        for (int column = 0; column < QuoteColumnCount; ++column) {
            lines.append(
                WrappedLines(cells.value(column), metrics, Width[column] - 2 * CellPadding));
            count = std::max(count, lines.last().size());
        }
        const double fullPage = BodyBottom() - (Margin + 32) - 3 * LineHeight;
        qsizetype done = 0;
        while (done < count) {
            const qsizetype room = static_cast<qsizetype>(
                std::floor((BodyBottom() - Y - 2 * CellPadding) / LineHeight));
            const qsizetype left = count - done;
            const bool fitsAPage = left * LineHeight <= fullPage;
            // Nothing is drawn below the page's body: with no room for a line (even under a
            // fresh heading), the row goes on to the next page. A fresh page always has room, so
            // this ends.
            if (!heading && Fresh && room <= 0) {
                // A paper too small for a heading and one line: nothing can be laid out.
                TooSmall = true;
                return;
            }
            if (!heading && (room <= 0 || (!Fresh && left > room && fitsAPage && done == 0))) {
                NextPage();
                continue;
            }
            const qsizetype now = heading ? left : std::min(left, room);
            const double height = now * LineHeight + 2 * CellPadding;
            if (Painter != nullptr) {
                if (heading)
                    Painter->fillRect(QRectF(Margin, Y, PageWidth - 2 * Margin, height),
                                      QColor(225, 225, 225));
                Painter->setPen(QPen(QColor(150, 150, 150), 0.5));
                Painter->drawLine(QPointF(Margin, Y + height),
                                  QPointF(PageWidth - Margin, Y + height));
                Painter->setPen(Qt::black);
            }
            for (int column = 0; column < QuoteColumnCount; ++column) {
                const Qt::Alignment align =
                    IsQuoteNumberColumn(column) ? Qt::AlignRight : Qt::AlignLeft;
                for (qsizetype i = 0; i < now; ++i) {
                    const qsizetype index = done + i;
                    if (index < lines.at(column).size())
                        Text(font, Left[column] + CellPadding, Y + CellPadding + i * LineHeight,
                             Width[column] - 2 * CellPadding, align, lines.at(column).at(index));
                }
            }
            Y += height;
            done += now;
            Fresh = heading;
            if (done < count)
                NextPage();
        }
    }

    void PlaceTotal()
    {
        const double height = LineHeight + 2 * CellPadding;
        if (Y + height > BodyBottom())
            NextPage();
        const double labelLeft = Left[3];
        Text(Bold, labelLeft, Y + CellPadding, Left[5] - labelLeft - CellPadding, Qt::AlignRight,
             Quote.TotalLabel);
        Text(Bold, Left[5] + CellPadding, Y + CellPadding, Width[5] - 2 * CellPadding,
             Qt::AlignRight, Quote.Total);
        Y += height;
        if (Quote.TotalNote.isEmpty())
            return;
        for (const QString& line :
             WrappedLines(Quote.TotalNote, BodyMetrics, PageWidth - 2 * Margin)) {
            if (Y + LineHeight > BodyBottom())
                NextPage();
            Text(Body, Margin, Y, PageWidth - 2 * Margin, Qt::AlignRight, line);
            Y += LineHeight;
        }
    }

    const TQuoteDocument& Quote;
    QPagedPaintDevice* Device;
    QPainter* Painter;
    int PageCount;
    QFont Body;
    QFont Bold;
    QFontMetricsF BodyMetrics;
    QFontMetricsF BoldMetrics;
    double PageWidth = 0;
    double PageHeight = 0;
    double Left[QuoteColumnCount] = {};
    double Width[QuoteColumnCount] = {};
    double LineHeight = 12;
    double CaptionWidth = 110;
    double Y = 0;
    int Page = 0;
    // Nothing but the heading is on the page yet.
    bool Fresh = true;
    // The details are placed: every further page starts with the table's heading.
    bool InTable = false;
    bool TooSmall = false;
};

void PrepareWriter(QPdfWriter& writer)
{
    writer.setResolution(300);
    writer.setPageSize(QuotePaperSize());
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("Ferrolyn"));
}

} // namespace

QFont DocumentFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // No ligatures: the PDF's text reads back and is found as typed ("affaire", not "a\ufb00aire").
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QPageSize QuotePaperSize()
{
    switch (QLocale::system().territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
        return QPageSize(QPageSize::Letter);
    default:
        return QPageSize(QPageSize::A4);
    }
}

int DrawQuote(const TQuoteDocument& quote, QPagedPaintDevice* device)
{
    // A first pass counts the pages for "Page N of M"; the second draws.
    const int pages = TQuotePainter(quote, device, nullptr, 0).Run();
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    TQuotePainter(quote, device, &painter, pages).Run();
    return painter.end() ? pages : 0;
}

QByteArray PdfBytes(const QString& title, const std::function<int(QPagedPaintDevice*)>& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        PrepareWriter(writer);
        writer.setTitle(title);
        if (draw(&writer) == 0)
            return {};
    }
    return buffer.data();
}

QString WritePdfFile(const QByteArray& bytes, const QString& path, const QString& what)
{
    if (bytes.isEmpty())
        return Tr("QuotePdf", "Cannot write the PDF file \"%1\": the %2 could not be drawn.")
            .arg(QDir::toNativeSeparators(path), what);
    try {
        WriteFileAtomically(path, bytes, Tr("QuotePdf", "PDF file"));
    } catch (const TDataError& error) {
        return error.FullText();
    }
    return {};
}

QByteArray QuotePdfBytes(const TQuoteDocument& quote)
{
    return PdfBytes(Tr("QuotePdf", "Quotation"),
                    [&quote](QPagedPaintDevice* device) { return DrawQuote(quote, device); });
}

QString WriteQuotePdf(const TQuoteDocument& quote, const QString& path)
{
    return WritePdfFile(QuotePdfBytes(quote), path, Tr("QuotePdf", "quote"));
}

bool PrintQuote(QWidget* parent, const std::function<TQuoteDocument()>& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QuotePaperSize());
    if (!PrintDialogs::Execute(parent, printer))
        return false;
    const TQuoteDocument quote = document();
    const QString pdf =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (!pdf.isEmpty()) {
        const QString failure = WriteQuotePdf(quote, pdf);
        if (failure.isEmpty())
            return true;
        Dialogs::Error(parent, failure);
        return false;
    }
    if (DrawQuote(quote, &printer) > 0)
        return true;
    Dialogs::Error(parent, Tr("QuotePdf", "The quote could not be printed."));
    return false;
}
