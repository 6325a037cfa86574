#include "DatasheetPdf.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "documents/QuotePdf.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Page geometry in points (1/72 inch).
constexpr double Margin = 40;
constexpr double FooterHeight = 30;
constexpr double RowGap = 2;
constexpr double BlockGap = 14;
constexpr double DrawingHeight = 70;
constexpr double ChartHeight = 190;
// The captions' column of the label/value blocks and the as-built table.
constexpr double LabelWidth = 220;

// Lays the sheet out block by block, and draws it when it has a painter.
class TSheetPainter
{
public:
    TSheetPainter(const TDatasheet& sheet, QPagedPaintDevice* device, QPainter* painter,
                  int pageCount)
        : Sheet(sheet), Device(device), Painter(painter), PageCount(pageCount),
          Body(DocumentFont(9)), Bold(DocumentFont(9, true)), Heading(DocumentFont(11, true)),
          Title(DocumentFont(16, true)), Metrics(Body, device)
    {
        const double scale = device->logicalDpiX() / 72.0;
        PageWidth = device->width() / scale;
        PageHeight = device->height() / scale;
        if (painter != nullptr)
            painter->scale(scale, scale);
        Line = Metrics.lineSpacing() + RowGap;
    }

    int Run()
    {
        Page = 1;
        Y = Margin;
        // The name wraps: an assembly without a part number is named by its description.
        Paragraph(Title, Sheet.Name, 8);
        for (const QString& line : Sheet.Description.split(QLatin1Char('\n')))
            Paragraph(Body, line);
        Paragraph(Body, Tr("DatasheetPdf", "Pricing date: %1").arg(Sheet.PricingDate), BlockGap);
        Block(DrawingHeight + BlockGap, [this] { Drawing(), Y += DrawingHeight + BlockGap; });
        LabelValues(Tr("DatasheetPdf", "Performance at the middle of the band"), Sheet.Figures);
        AsBuilt();
        const QStringList chartTitle = Lines(Heading, Margin, ChartTitle());
        const QStringList chartCaption = Lines(Body, Margin + 40, ChartCaption());
        const double chartHeight = ChartHeight + (chartTitle.size() - 1) * LineHeight(Heading) +
                                   (chartCaption.size() - 1) * Line + Line + BlockGap;
        Block(chartHeight, [&] { Chart(chartTitle, chartCaption), Y += chartHeight; });
        LabelValues(Tr("DatasheetPdf", "Mechanical data"), Sheet.Mechanical);
        Footer();
        return Page;
    }

private:
    double Bottom() const { return PageHeight - Margin - FooterHeight; }

    // Runs draw at Y, on the next page when height does not fit the rest of this one.
    void Block(double height, const std::function<void()>& draw)
    {
        if (Y + height > Bottom() && Y > Margin) {
            Footer();
            if (Painter != nullptr)
                Device->newPage();
            ++Page;
            Y = Margin;
        }
        draw();
    }

    // One line of text at (x, y), no wider than width (to the page's right margin by default):
    // a longer text is cut to what fits, never drawn past the page.
    void Text(const QFont& font, double x, double y, const QString& text,
              Qt::Alignment align = Qt::AlignLeft, double width = 0)
    {
        if (Painter == nullptr)
            return;
        Painter->setFont(font);
        const QFontMetricsF metrics(font, Device);
        const double w = width > 0 ? width : PageWidth - Margin - x;
        Painter->drawText(QRectF(x, y, w, metrics.height() + 2), int(align | Qt::AlignTop),
                          metrics.elidedText(text, Qt::ElideRight, w));
    }

    // The text's lines in font, wrapped between words to width (to the page's right margin by
    // default).
    QStringList Lines(const QFont& font, double x, const QString& text, double width = 0) const
    {
        const QFontMetricsF metrics(font, Device);
        return WrappedLines(text, metrics, width > 0 ? width : PageWidth - Margin - x);
    }

    double LineHeight(const QFont& font) const
    {
        return std::max(Line, QFontMetricsF(font, Device).lineSpacing() + RowGap);
    }

    // A wrapped text at Y, kept on one page; Y moves below it.
    void Paragraph(const QFont& font, const QString& text, double after = 0)
    {
        const QStringList lines = Lines(font, Margin, text);
        const double step = LineHeight(font);
        Block(lines.size() * step + after, [&] {
            for (const QString& line : lines)
                Text(font, Margin, Y, line), Y += step;
            Y += after;
        });
    }

    void Footer()
    {
        Text(Body, Margin, PageHeight - Margin - Line,
             Tr("DatasheetPdf", "Page %1 of %2").arg(Page).arg(std::max(PageCount, Page)),
             Qt::AlignRight, PageWidth - 2 * Margin);
    }

    // The top connector, the cable with its caption and the bottom connector, left to right.
    void Drawing()
    {
        if (Painter == nullptr)
            return;
        const double width = PageWidth - 2 * Margin;
        const double mid = Y + 28;
        const double connector = 70;
        const double cableLeft = Margin + connector;
        const double cableRight = Margin + width - connector;
        Painter->setPen(QPen(Qt::black, 1));
        Painter->setBrush(QColor(220, 220, 220));
        Painter->drawRect(QRectF(cableLeft, mid - 5, cableRight - cableLeft, 10));
        // A connector's name, wrapped under it within the page's margins.
        const double labelWidth = connector + 20;
        const auto label = [&](double left, const QString& text) {
            const QStringList lines = Lines(Body, left, text, labelWidth);
            for (qsizetype i = 0; i < lines.size() && i < 2; ++i)
                Text(Body, left, mid + 16 + i * Line, lines.at(i), Qt::AlignCenter, labelWidth);
        };
        const auto end = [&](double left, const QString& name, bool right) {
            const double labelLeft = right ? Margin + width - labelWidth : Margin;
            if (name.isEmpty()) {
                label(labelLeft, Tr("DatasheetPdf", "(no connector)"));
                return;
            }
            Painter->setBrush(QColor(170, 170, 170));
            Painter->drawRect(QRectF(left + (right ? 0 : 20), mid - 12, connector - 20, 24));
            Painter->drawRect(QRectF(right ? left + connector - 20 : left, mid - 7, 20, 14));
            label(labelLeft, name);
        };
        end(Margin, Sheet.TopInterface, false);
        end(cableRight, Sheet.BottomInterface, true);
        Text(Body, cableLeft, mid - 22, Sheet.CableCaption, Qt::AlignCenter,
             cableRight - cableLeft);
        Text(Body, cableLeft + 20, mid + 16, Tr("DatasheetPdf", "Not to scale."), Qt::AlignCenter,
             cableRight - cableLeft - 40);
    }

    // A block's heading, kept on the page with the line after it.
    void BlockHeading(const QString& title, double after)
    {
        const QStringList lines = Lines(Heading, Margin, title);
        const double step = LineHeight(Heading);
        Block(lines.size() * step + 4 + after, [&] {
            for (const QString& line : lines)
                Text(Heading, Margin, Y, line), Y += step;
            Y += 4;
        });
    }

    void LabelValues(const QString& title, const QList<TLabelValue>& rows)
    {
        BlockHeading(title, Line);
        for (const TLabelValue& row : rows) {
            const QStringList labels = Lines(Body, Margin, row.Label, LabelWidth - 6);
            const QStringList values = Lines(Body, Margin + LabelWidth, row.Value);
            const qsizetype count = std::max(labels.size(), values.size());
            Block(count * Line, [&] {
                for (qsizetype i = 0; i < count; ++i) {
                    Text(Body, Margin, Y, labels.value(i), Qt::AlignLeft, LabelWidth - 6);
                    Text(Body, Margin + LabelWidth, Y, values.value(i));
                    Y += Line;
                }
            });
        }
        Y += BlockGap;
    }

    void AsBuilt()
    {
        const double nameWidth = LabelWidth;
        const double column = (PageWidth - 2 * Margin - nameWidth) / 3;
        QList<QStringList> headings;
        qsizetype headingLines = 1;
        for (int c = 1; c < Sheet.AsBuiltHeadings.size(); ++c) {
            headings.append(Lines(Bold, 0, Sheet.AsBuiltHeadings.at(c), column - 4));
            headingLines = std::max(headingLines, headings.last().size());
        }
        BlockHeading(Tr("DatasheetPdf", "Assembly as built"), headingLines * Line + Line);
        Block(headingLines * Line, [&] {
            for (qsizetype c = 0; c < headings.size(); ++c)
                for (qsizetype i = 0; i < headings.at(c).size(); ++i)
                    Text(Bold, Margin + nameWidth + c * column, Y + i * Line, headings.at(c).at(i),
                         Qt::AlignRight, column);
            Y += headingLines * Line;
        });
        for (const TAsBuiltRow& row : Sheet.AsBuilt)
            Block(Line, [&] {
                Text(Body, Margin, Y, row.Name, Qt::AlignLeft, nameWidth - 6);
                if (row.Values.size() == 1)
                    Text(Body, Margin + nameWidth, Y, row.Values.first(), Qt::AlignRight,
                         3 * column);
                else
                    for (int c = 0; c < row.Values.size(); ++c)
                        Text(Body, Margin + nameWidth + c * column, Y, row.Values.at(c),
                             Qt::AlignRight, column);
                Y += Line;
            });
        if (!Sheet.AsBuiltNote.isEmpty())
            Paragraph(Body, Sheet.AsBuiltNote);
        Y += BlockGap;
    }

    static QString ChartTitle()
    {
        return Tr("DatasheetPdf", "Insertion loss as built and return-loss limit across the band");
    }

    static QString ChartCaption()
    {
        return Tr("DatasheetPdf", "Green: insertion loss as built (dB, left). Orange: return-loss "
                                  "limit (dB, right).");
    }

    // Insertion loss as built (left axis, dB) and the return-loss limit (right axis, dB), under
    // its title's lines and over its caption's.
    void Chart(const QStringList& title, const QStringList& caption)
    {
        const double titleStep = LineHeight(Heading);
        for (qsizetype i = 0; i < title.size(); ++i)
            Text(Heading, Margin, Y + i * titleStep, title.at(i));
        if (Painter == nullptr || Sheet.CurveMHz.size() < 2)
            return;
        const QRectF plot(Margin + 40, Y + (title.size() - 1) * titleStep + Line + 6,
                          PageWidth - 2 * Margin - 80, ChartHeight - 40);
        Painter->setPen(QPen(Qt::black, 0.5));
        Painter->setBrush(Qt::NoBrush);
        Painter->drawRect(plot);
        const double f1 = Sheet.CurveMHz.first();
        const double f2 = Sheet.CurveMHz.last();
        const auto range = [](const QList<double>& values) {
            double low = INFINITY;
            double high = -INFINITY;
            for (const double v : values)
                if (std::isfinite(v))
                    low = std::min(low, v), high = std::max(high, v);
            if (!std::isfinite(low))
                return std::pair{0.0, 1.0};
            if (high - low < 1e-9)
                high = low + 1;
            return std::pair{std::floor(low * 10) / 10, std::ceil(high * 10) / 10};
        };
        const auto [lossLow, lossHigh] = range(Sheet.CurveInsertionLoss);
        const auto [rlLow, rlHigh] = range(Sheet.CurveReturnLoss);
        const auto x = [&](double f) {
            return f2 > f1 ? plot.left() + (f - f1) / (f2 - f1) * plot.width() : plot.center().x();
        };
        const auto series = [&](const QList<double>& values, double low, double high,
                                const QColor& colour) {
            QPainterPath path;
            bool started = false;
            for (qsizetype i = 0; i < values.size() && i < Sheet.CurveMHz.size(); ++i) {
                if (!std::isfinite(values.at(i))) {
                    started = false;
                    continue;
                }
                const QPointF point(x(Sheet.CurveMHz.at(i)), plot.bottom() - (values.at(i) - low) /
                                                                                 (high - low) *
                                                                                 plot.height());
                started ? path.lineTo(point) : path.moveTo(point);
                started = true;
            }
            Painter->setPen(QPen(colour, 1.5));
            Painter->drawPath(path);
        };
        series(Sheet.CurveInsertionLoss, lossLow, lossHigh, QColor(40, 120, 40));
        series(Sheet.CurveReturnLoss, rlLow, rlHigh, QColor(200, 110, 0));
        Painter->setPen(QPen(Qt::black, 1));
        const QLocale locale;
        const auto number = [&](double v) {
            return locale.toString(v, 'f', 1);
        };
        Text(Body, Margin, plot.top() - 2, number(lossHigh), Qt::AlignRight, 36);
        Text(Body, Margin, plot.bottom() - Line, number(lossLow), Qt::AlignRight, 36);
        Text(Body, plot.right() + 4, plot.top() - 2, number(rlHigh));
        Text(Body, plot.right() + 4, plot.bottom() - Line, number(rlLow));
        Text(Body, plot.left(), plot.bottom() + 2, FloatToStr(f1) + QStringLiteral(" MHz"));
        Text(Body, plot.right() - 100, plot.bottom() + 2, FloatToStr(f2) + QStringLiteral(" MHz"),
             Qt::AlignRight, 100);
        for (qsizetype i = 0; i < caption.size(); ++i)
            Text(Body, plot.left(), plot.bottom() + Line + 2 + i * Line, caption.at(i));
    }

    const TDatasheet& Sheet;
    QPagedPaintDevice* Device;
    QPainter* Painter;
    int PageCount;
    QFont Body;
    QFont Bold;
    QFont Heading;
    QFont Title;
    QFontMetricsF Metrics;
    double PageWidth = 0;
    double PageHeight = 0;
    double Line = 12;
    double Y = 0;
    int Page = 1;
};

} // namespace

int DrawDatasheet(const TDatasheet& sheet, QPagedPaintDevice* device)
{
    const int pages = TSheetPainter(sheet, device, nullptr, 0).Run();
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    TSheetPainter(sheet, device, &painter, pages).Run();
    return painter.end() ? pages : 0;
}

QByteArray DatasheetPdfBytes(const TDatasheet& sheet)
{
    return PdfBytes(Tr("DatasheetPdf", "Datasheet %1").arg(sheet.Name),
                    [&sheet](QPagedPaintDevice* device) { return DrawDatasheet(sheet, device); });
}

QString WriteDatasheetPdf(const TDatasheet& sheet, const QString& path)
{
    return WritePdfFile(DatasheetPdfBytes(sheet), path, Tr("DatasheetPdf", "datasheet"));
}
