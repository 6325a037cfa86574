#include "BandPanel.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Translation.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QStyle>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int BandRowHeight = 22;

// A range over the finite values with "nice" ends for ticks intervals (steps of 1, 2 or 5 times a
// power of ten), set only when it differs from the axis's range: every change of range lays the
// axis out again, which costs more than all the rest of the panel.
void FitAxis(QValueAxis* axis, const QList<double>& values)
{
    double low = 0;
    double high = 0;
    bool any = false;
    for (const double value : values) {
        if (!std::isfinite(value))
            continue;
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    }
    if (!any) {
        low = 0;
        high = 1;
    }
    if (high <= low)
        high = low + std::max(std::abs(low) * 0.1, 0.1);
    const int intervals = std::max(1, axis->tickCount() - 1);
    const double rough = (high - low) / intervals;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        const double first = std::floor(low / step) * step;
        if (first + intervals * step >= high)
            break;
    }
    double first = std::floor(low / step) * step;
    if (first < 0 && low >= 0)
        first = 0;
    const double last = first + intervals * step;
    if (axis->min() != first || axis->max() != last)
        axis->setRange(first, last);
}

} // namespace

TBandPanel::TBandPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BandPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    lblBandNote = new QLabel(this);
    lblBandNote->setObjectName(QStringLiteral("lblBandNote"));
    layout->addWidget(lblBandNote);

    auto* row = new QHBoxLayout;
    grdBand = new QTableWidget(3, static_cast<int>(BandHeadings().size()), this);
    grdBand->setObjectName(QStringLiteral("grdBand"));
    grdBand->verticalHeader()->setVisible(false);
    grdBand->verticalHeader()->setDefaultSectionSize(BandRowHeight);
    grdBand->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBand->setSelectionMode(QAbstractItemView::NoSelection);
    grdBand->setFocusPolicy(Qt::NoFocus);
    grdBand->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdBand->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdBand->setWordWrap(true);
    QHeaderView* header = grdBand->horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setSectionResizeMode(QHeaderView::Stretch);
    connect(header, &QHeaderView::sectionResized, this, [this] { FitHeadingHeight(); });
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < grdBand->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdBand->setItem(r, c, item);
        }
    row->addWidget(grdBand, 3, Qt::AlignTop);

    auto* chart = new QChart;
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    // Axis labels in the user's number format, as the table beside them ("0,4", not "0.4"). Qt
    // Charts localizes a label format only when it gives a precision ("%.6g", not "%g").
    chart->setLocale(UserLocale());
    chart->setLocalizeNumbers(true);
    AttenuationSeries = new QLineSeries(chart);
    InsertionLossSeries = new QLineSeries(chart);
    PowerSeries = new QLineSeries(chart);
    MiddleSeries = new QScatterSeries(chart);
    MiddleSeries->setMarkerSize(8);
    chart->addSeries(AttenuationSeries);
    chart->addSeries(InsertionLossSeries);
    chart->addSeries(PowerSeries);
    chart->addSeries(MiddleSeries);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.8));
    const auto axis = [&](const QColor& colour, int ticks) {
        auto* made = new QValueAxis(chart);
        made->setTitleFont(small);
        made->setLabelsFont(small);
        made->setTickCount(ticks);
        made->setLabelFormat(QStringLiteral("%.6g"));
        if (colour.isValid())
            made->setTitleBrush(colour);
        return made;
    };
    FrequencyAxis = axis(QColor(), 5);
    AttenuationAxis = axis(QColor(), 4);
    PowerAxis = axis(PowerSeries->color(), 4);
    ShowTexts();
    MiddleSeries->setColor(AttenuationSeries->color().darker(150));
    chart->addAxis(FrequencyAxis, Qt::AlignBottom);
    chart->addAxis(AttenuationAxis, Qt::AlignLeft);
    chart->addAxis(PowerAxis, Qt::AlignRight);
    // The legend names the curves: the two losses share the left axis.
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(small);
    // The middle's mark is named by the note above the table.
    for (QLegendMarker* marker : chart->legend()->markers(MiddleSeries))
        marker->setVisible(false);
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(AttenuationSeries), static_cast<QXYSeries*>(InsertionLossSeries),
          static_cast<QXYSeries*>(MiddleSeries)}) {
        series->attachAxis(FrequencyAxis);
        series->attachAxis(AttenuationAxis);
    }
    PowerSeries->attachAxis(FrequencyAxis);
    PowerSeries->attachAxis(PowerAxis);
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(AttenuationSeries), static_cast<QXYSeries*>(InsertionLossSeries),
          static_cast<QXYSeries*>(PowerSeries), static_cast<QXYSeries*>(MiddleSeries)})
        connect(series, &QXYSeries::hovered, this, &TBandPanel::ShowPointTip);

    chtBand = new QChartView(chart, this);
    chtBand->setObjectName(QStringLiteral("chtBand"));
    chtBand->setRenderHint(QPainter::Antialiasing, false);
    chtBand->setMinimumSize(230, 150);
    // Read, not operated: the Tab key passes it by (its menu is on the right mouse button).
    chtBand->setFocusPolicy(Qt::NoFocus);
    chtBand->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* png = new QAction(chtBand);
    png->setObjectName(QStringLiteral("SaveChartPng"));
    BindText(png, "text", TrKey("TBandPanel", "Save Chart as &PNG..."));
    auto* svg = new QAction(chtBand);
    svg->setObjectName(QStringLiteral("SaveChartSvg"));
    BindText(svg, "text", TrKey("TBandPanel", "Save Chart as &SVG..."));
    chtBand->addAction(png);
    chtBand->addAction(svg);
    connect(png, &QAction::triggered, this, [this] { SaveChart(false); });
    connect(svg, &QAction::triggered, this, [this] { SaveChart(true); });
    row->addWidget(chtBand, 2);
    // It grows with the window, from a size at which the chart can still be read.
    setMinimumHeight(220);
    layout->addLayout(row, 1);
}

void TBandPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ShowTexts();
    QWidget::changeEvent(event);
}

void TBandPanel::ShowTexts()
{
    // Short names, so the legend fits a narrow chart; the axes carry the units.
    AttenuationSeries->setName(tr("Cable total"));
    InsertionLossSeries->setName(tr("Insertion loss"));
    PowerSeries->setName(tr("Avg. power"));
    MiddleSeries->setName(tr("Middle of the band"));
    FrequencyAxis->setTitleText(tr("Frequency (MHz)"));
    AttenuationAxis->setTitleText(tr("Loss (dB)"));
    PowerAxis->setTitleText(tr("Average (kW)"));
    const QStringList headings = BandHeadings();
    grdBand->setHorizontalHeaderLabels(headings);
    // No column narrower than the longest word of the headings, which wrap between words.
    QHeaderView* header = grdBand->horizontalHeader();
    int widest = 0;
    for (const QString& heading : headings)
        widest = std::max(widest, LongestUnbreakable(header->fontMetrics(), heading));
    header->setMinimumSectionSize(widest + 6);
    grdBand->setFixedHeight(header->height() + 3 * BandRowHeight + 2 * grdBand->frameWidth());
    grdBand->setMinimumWidth(static_cast<int>(headings.size()) * (widest + 6) +
                             2 * grdBand->frameWidth());
    ShowRowTexts();
}

void TBandPanel::FitHeadingHeight()
{
    // Three lines of heading, or as many as the longest takes in its column.
    const QHeaderView* header = grdBand->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int lineHeight = fontMetrics().lineSpacing();
    int lines = 3;
    for (int c = 0; c < grdBand->columnCount(); ++c) {
        const QTableWidgetItem* item = grdBand->horizontalHeaderItem(c);
        if (item == nullptr)
            continue;
        const QRect needed = header->fontMetrics().boundingRect(
            QRect(0, 0, header->sectionSize(c) - 2 * margin, 10000),
            Qt::AlignCenter | Qt::TextWordWrap, item->text());
        lines = std::max(lines, qRound(double(needed.height()) / lineHeight));
    }
    if (header->height() == lines * lineHeight + 6)
        return;
    grdBand->horizontalHeader()->setFixedHeight(lines * lineHeight + 6);
    grdBand->setFixedHeight(header->height() + 3 * BandRowHeight + 2 * grdBand->frameWidth());
}

void TBandPanel::ShowRowTexts()
{
    if (Rows.isEmpty())
        return;
    lblBandNote->setText(BandNote(BandBegin, BandEnd));
    for (int r = 0; r < Rows.size(); ++r) {
        const QStringList texts = BandRowTexts(Rows.at(r));
        for (int c = 0; c < texts.size(); ++c)
            grdBand->item(r, c)->setText(texts.at(c));
    }
}

void TBandPanel::Clear()
{
    Curve.clear();
    Rows.clear();
    lblBandNote->clear();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < grdBand->columnCount(); ++c)
            grdBand->item(r, c)->setText(QString());
    AttenuationSeries->clear();
    InsertionLossSeries->clear();
    PowerSeries->clear();
    MiddleSeries->clear();
}

void TBandPanel::Show(const TTransmissionLine* cable, bool lengthInFeet, double f1, double f2,
                      double length)
{
    if (cable == nullptr || !(f1 > 0) || !(f2 >= f1)) {
        Clear();
        return;
    }
    ChartTitle = QStringLiteral("%1, %2 %3, %4\u2013%5 MHz")
                     .arg(cable->PartNumber, FloatToStr(length),
                          lengthInFeet ? QStringLiteral("ft") : QStringLiteral("m"), FloatToStr(f1),
                          FloatToStr(f2));
    BandBegin = f1;
    BandEnd = f2;
    Rows = BandRows(*cable, lengthInFeet, f1, f2, length);
    ShowRowTexts();

    Curve = BandCurve(*cable, lengthInFeet, f1, f2, length, CurvePoints);
    QList<QPointF> attenuation;
    QList<QPointF> insertionLoss;
    QList<QPointF> power;
    QList<double> losses;
    QList<double> powers;
    for (const TBandPoint& point : Curve) {
        if (std::isfinite(point.Total))
            attenuation.append({point.Frequency, point.Total});
        if (std::isfinite(point.InsertionLoss))
            insertionLoss.append({point.Frequency, point.InsertionLoss});
        if (std::isfinite(point.AveragePower))
            power.append({point.Frequency, point.AveragePower});
        losses.append(point.Total);
        losses.append(point.InsertionLoss);
        powers.append(point.AveragePower);
    }
    AttenuationSeries->replace(attenuation);
    InsertionLossSeries->replace(insertionLoss);
    PowerSeries->replace(power);
    const TBandPoint& middle = Rows.at(1);
    MiddleSeries->clear();
    if (std::isfinite(middle.Total))
        MiddleSeries->append(middle.Frequency, middle.Total);
    const double fEnd = f2 > f1 ? f2 : f1 + 1;
    if (FrequencyAxis->min() != f1 || FrequencyAxis->max() != fEnd)
        FrequencyAxis->setRange(f1, fEnd);
    FitAxis(AttenuationAxis, losses);
    FitAxis(PowerAxis, powers);
}

void TBandPanel::ShowPointTip(const QPointF& point, bool state)
{
    if (!state || Curve.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    // The computed point nearest the pointer's frequency.
    const auto nearest =
        std::min_element(Curve.begin(), Curve.end(), [&](const auto& a, const auto& b) {
            return std::abs(a.Frequency - point.x()) < std::abs(b.Frequency - point.x());
        });
    const QStringList texts = BandRowTexts(*nearest);
    QToolTip::showText(QCursor::pos(),
                       tr("%1 MHz\nCable total attenuation: %2 dB\nInsertion loss: "
                          "%3 dB\nAverage power: %4 kW")
                           .arg(texts.at(0), texts.at(3), texts.at(4), texts.at(6)),
                       chtBand);
}

void TBandPanel::SaveChart(bool svg)
{
    const QString path = FileDialogs::GetSaveFileName(
        this, tr("Save Chart"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        svg ? tr("SVG Images (*.svg)") : tr("PNG Images (*.png)"),
        svg ? QStringLiteral("svg") : QStringLiteral("png"),
        svg ? QStringLiteral("band chart.svg") : QStringLiteral("band chart.png"));
    if (path.isEmpty())
        return;
    // Drawn at least 1200 px wide, in the view's proportions, titled with what it shows.
    QChart* chart = chtBand->chart();
    const QString shownTitle = chart->title();
    chart->setTitle(ChartTitle);
    const int width = std::max(1200, chtBand->width());
    const QSize size(width,
                     std::max(500, width * chtBand->height() / std::max(1, chtBand->width())));
    const auto draw = [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        chtBand->render(&painter, QRectF(QPointF(0, 0), size), chtBand->rect());
    };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(ChartTitle);
        QPainter painter(&generator);
        draw(painter);
    } else {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            draw(painter);
        }
        image.save(&buffer, "PNG");
    }
    chart->setTitle(shownTitle);
    try {
        if (buffer.data().isEmpty())
            throw TDataError(tr("Cannot draw the chart."));
        WriteFileAtomically(path, buffer.data(), tr("chart"));
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
}
