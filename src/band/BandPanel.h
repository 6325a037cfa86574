#pragma once

#include "catalog/Band.h"

#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

// The assembly's performance across its band: a note naming the frequency of the seven figures,
// a table of the band's beginning, middle and end, and a chart against frequency of the cable's
// total attenuation and the insertion loss (the cable and two connectors; left axis) and the
// average power (right axis), the middle marked on the cable's curve. Its context menu saves
// the chart as PNG or SVG.
class TBandPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TBandPanel(QWidget* parent = nullptr);

    // Shows the band f1..f2 of cable at this length (feet or metres); nothing without a cable.
    void Show(const TTransmissionLine* cable, bool lengthInFeet, double f1, double f2,
              double length);
    void Clear();

    // How many points the chart draws across the band.
    static constexpr int CurvePoints = 61;

    QLabel* lblBandNote = nullptr;
    QTableWidget* grdBand = nullptr;
    QChartView* chtBand = nullptr;
    QLineSeries* AttenuationSeries = nullptr;   // the cable's total attenuation
    QLineSeries* InsertionLossSeries = nullptr; // the cable and two connectors
    QLineSeries* PowerSeries = nullptr;
    QScatterSeries* MiddleSeries = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The names, titles and headings, and the band's note and table, in the current language.
    void ShowTexts();
    void ShowRowTexts();
    // The headings' height: what the longest needs in its column now.
    void FitHeadingHeight();
    void SaveChart(bool svg);
    void ShowPointTip(const QPointF& point, bool state);

    QValueAxis* FrequencyAxis = nullptr;
    QValueAxis* AttenuationAxis = nullptr;
    QValueAxis* PowerAxis = nullptr;
    QList<TBandPoint> Curve;
    // The band shown (f1, f2) and its beginning, middle and end; no rows when nothing is shown.
    double BandBegin = 0;
    double BandEnd = 0;
    QList<TBandPoint> Rows;
    // "KRV4-50B, 6 ft, 800–2200 MHz": the title of a saved chart.
    QString ChartTitle;
};
