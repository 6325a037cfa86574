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

QFont SheetFont(int pixels, bool bold = false)
{
    QFont font = DocumentFont(pixels, bold);
    // No ligatures: the PDF's text reads back as typed ("specified", not a ligature).
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Lays the sheet out block by block, and draws it when it has a painter.
class TSheetPainter
{
public:
    TSheetPainter(const TDatasheet& sheet, QPagedPaintDevice* device, QPainter* painter,
                  int pageCount)
        : Sheet(sheet), Device(device), Painter(painter), PageCount(pageCount), Body(SheetFont(9)),
          Bold(SheetFont(9, true)), Heading(SheetFont(11, true)), Title(SheetFont(16, true)),
          Metrics(Body, device)
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
        const QFontMetricsF titleMetrics(Title, Device);
        const double titleWidth = PageWidth - 2 * Margin;
        const double titleHeight =
            titleMetrics.boundingRect(QRectF(0, 0, titleWidth, 10000), Qt::TextWordWrap, Sheet.Name)
                .height();
        Block(titleHeight + 8, [&] {
            if (Painter != nullptr) {
                Painter->setFont(Title);
                Painter->drawText(QRectF(Margin, Y, titleWidth, titleHeight + 2), Qt::TextWordWrap,
                                  Sheet.Name);
            }
            Y += titleHeight + 8;
        });
        for (const QString& line : Sheet.Description.split(QLatin1Char('\n')))
            Block(Line, [&] { Text(Body, Margin, Y, line), Y += Line; });
        Block(Line, [this] {
            Text(Body, Margin, Y, Tr("DatasheetPdf", "Pricing date: %1").arg(Sheet.PricingDate));
            Y += Line + BlockGap;
        });
        Block(DrawingHeight + BlockGap, [this] { Drawing(), Y += DrawingHeight + BlockGap; });
        LabelValues(Tr("DatasheetPdf", "Performance at the middle of the band"), Sheet.Figures);
        AsBuilt();
        Block(ChartHeight + Line + BlockGap,
              [this] { Chart(), Y += ChartHeight + Line + BlockGap; });
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

    void Text(const QFont& font, double x, double y, const QString& text,
              Qt::Alignment align = Qt::AlignLeft, double width = 0)
    {
        if (Painter == nullptr)
            return;
        Painter->setFont(font);
        const QFontMetricsF metrics(font, Device);
        const double w = width > 0 ? width : PageWidth - Margin - x;
        Painter->drawText(QRectF(x, y, w, metrics.height() + 2), int(align | Qt::AlignTop), text);
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
        const auto end = [&](double left, const QString& name, bool right) {
            if (name.isEmpty()) {
                Text(Body, left, mid + 16, Tr("DatasheetPdf", "(no connector)"), Qt::AlignCenter,
                     connector);
                return;
            }
            Painter->setBrush(QColor(170, 170, 170));
            Painter->drawRect(QRectF(left + (right ? 0 : 20), mid - 12, connector - 20, 24));
            Painter->drawRect(QRectF(right ? left + connector - 20 : left, mid - 7, 20, 14));
            Text(Body, left - 10, mid + 16, name, Qt::AlignCenter, connector + 20);
        };
        end(Margin, Sheet.TopInterface, false);
        end(cableRight, Sheet.BottomInterface, true);
        Text(Body, cableLeft, mid - 22, Sheet.CableCaption, Qt::AlignCenter,
             cableRight - cableLeft);
        Text(Body, Margin, mid + 32, Tr("DatasheetPdf", "Not to scale."));
    }

    void LabelValues(const QString& title, const QList<TLabelValue>& rows)
    {
        Block(Line * 2, [&] { Text(Heading, Margin, Y, title), Y += Line + 4; });
        for (const TLabelValue& row : rows)
            Block(Line, [&] {
                Text(Body, Margin, Y, row.Label);
                Text(Body, Margin + 220, Y, row.Value);
                Y += Line;
            });
        Y += BlockGap;
    }

    void AsBuilt()
    {
        const double nameWidth = 220;
        const double column = (PageWidth - 2 * Margin - nameWidth) / 3;
        Block(Line * 3, [&] {
            Text(Heading, Margin, Y, Tr("DatasheetPdf", "Assembly as built"));
            Y += Line + 4;
            for (int c = 1; c < Sheet.AsBuiltHeadings.size(); ++c)
                Text(Bold, Margin + nameWidth + (c - 1) * column, Y, Sheet.AsBuiltHeadings.at(c),
                     Qt::AlignRight, column);
            Y += Line;
        });
        for (const TAsBuiltRow& row : Sheet.AsBuilt)
            Block(Line, [&] {
                Text(Body, Margin, Y, row.Name);
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
            Block(Line, [&] { Text(Body, Margin, Y, Sheet.AsBuiltNote), Y += Line; });
        Y += BlockGap;
    }

    // Insertion loss as built (left axis, dB) and the return-loss limit (right axis, dB).
    void Chart()
    {
        Text(Heading, Margin, Y,
             Tr("DatasheetPdf", "Insertion loss as built and return-loss limit across the band"));
        if (Painter == nullptr || Sheet.CurveMHz.size() < 2)
            return;
        const QRectF plot(Margin + 40, Y + Line + 6, PageWidth - 2 * Margin - 80, ChartHeight - 40);
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
        Text(Body, plot.left(), plot.bottom() + Line + 2,
             Tr("DatasheetPdf", "Green: insertion loss as built (dB, left). Orange: return-loss "
                                "limit (dB, right)."));
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
