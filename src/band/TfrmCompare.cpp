#include "TfrmCompare.h"

#include "base/LineFormat.h"
#include "catalog/Band.h"
#include "platform/Translation.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int RowIndexRole = Qt::UserRole;
constexpr int SortRole = Qt::UserRole + 1;
// The lines a heading may take.
constexpr int HeadingLines = 4;

// A cell that sorts by its number when it has one (undefined numbers last), else by its text.
class TCompareItem : public QTableWidgetItem
{
public:
    TCompareItem(const QString& text, double number) : QTableWidgetItem(text)
    {
        setData(SortRole, number);
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        const double a = data(SortRole).toDouble();
        const double b = other.data(SortRole).toDouble();
        const bool aNumber = std::isfinite(a);
        const bool bNumber = std::isfinite(b);
        if (aNumber || bNumber) {
            if (aNumber != bNumber)
                return aNumber; // numbers before "n/a"
            return a < b;
        }
        return text().localeAwareCompare(other.text()) < 0;
    }
};

} // namespace

TfrmCompare::TfrmCompare(const QList<TComparisonRow>& rows, const TComparisonInput& input,
                         const TTransmissionLine* current, QWidget* parent)
    : QDialog(parent), Rows(rows), Input(input)
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(tr("Compare Cables"));

    const QStringList headings = ComparisonHeadings(input);
    grdCompare = new QTableWidget(static_cast<int>(rows.size()), ComparisonColumnCount, this);
    grdCompare->setObjectName(QStringLiteral("grdCompare"));
    grdCompare->setHorizontalHeaderLabels(headings);
    grdCompare->verticalHeader()->setVisible(false);
    grdCompare->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCompare->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCompare->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCompare->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    grdCompare->horizontalHeader()->setFixedHeight(HeadingLines * fontMetrics().lineSpacing() + 6);
    grdCompare->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);

    Filling = true;
    int currentRow = -1;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList texts = ComparisonTexts(rows.at(r));
        const QList<double> numbers = ComparisonNumbers(rows.at(r));
        for (int c = 0; c < ComparisonColumnCount; ++c) {
            auto* item = new TCompareItem(texts.at(c), numbers.at(c));
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            else if (c == 1)
                item->setToolTip(texts.at(c)); // the column may cut it short
            if (c == 0) {
                item->setData(RowIndexRole, r);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(rows.at(r).Cable == current ? Qt::Checked : Qt::Unchecked);
            }
            grdCompare->setItem(r, c, item);
        }
        if (rows.at(r).Cable == current)
            currentRow = r;
    }
    // Widths from the headings and the first rows: measuring every cell of a long list costs
    // more than the rest of the dialog.
    grdCompare->horizontalHeader()->setResizeContentsPrecision(40);
    grdCompare->resizeColumnsToContents();
    // The number columns as wide as their wrapped headings need in four lines at most (long
    // compound words in some languages).
    const QHeaderView* header = grdCompare->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 2; c < ComparisonColumnCount; ++c) {
        const int designed = c == 2 ? 66 : 88;
        const int widest =
            WrappedWidth(header->fontMetrics(), headings.at(c), designed - margins, HeadingLines) +
            margins;
        // ... nor than the texts of its first rows ("no list price").
        int cells = 0;
        for (int r = 0; r < std::min(grdCompare->rowCount(), 40); ++r)
            cells = std::max(
                cells,
                grdCompare->fontMetrics().horizontalAdvance(grdCompare->item(r, c)->text()) + 12);
        grdCompare->setColumnWidth(c, std::max({designed, widest, cells}));
    }
    grdCompare->setColumnWidth(1, std::min(grdCompare->columnWidth(1), 200));
    // The list's order until a heading is clicked.
    grdCompare->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grdCompare->setSortingEnabled(true);
    grdCompare->horizontalHeader()->setSortIndicatorShown(true);
    if (currentRow >= 0)
        grdCompare->selectRow(currentRow);
    Filling = false;
    connect(grdCompare, &QTableWidget::itemChanged, this, &TfrmCompare::ItemChanged);

    auto* chart = new QChart;
    chart->setMargins(QMargins(0, 0, 0, 0));
    // Axis labels in the user's number format, as the table beside them. Qt Charts localizes a
    // label format only when it gives a precision ("%.6g", not "%g").
    chart->setLocale(UserLocale());
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    chtCompare = new QChartView(chart, this);
    chtCompare->setObjectName(QStringLiteral("chtCompare"));
    chtCompare->setMinimumHeight(220);

    lblCompareNote = new QLabel(tr("Tick up to %1 cables to draw their total attenuation at %2 %3.")
                                    .arg(MostDrawn)
                                    .arg(FloatToStr(input.Length),
                                         input.Metres ? QStringLiteral("m") : QStringLiteral("ft")),
                                this);
    lblCompareNote->setObjectName(QStringLiteral("lblCompareNote"));

    btnUseCable = new QPushButton(tr("&Use This Cable"), this);
    btnUseCable->setObjectName(QStringLiteral("btnUseCable"));
    btnUseCable->setDefault(true);
    btnCompareClose = new QPushButton(tr("Close"), this);
    btnCompareClose->setObjectName(QStringLiteral("btnCompareClose"));
    connect(btnUseCable, &QPushButton::clicked, this, [this] {
        if (!SelectedPartNumber().isEmpty())
            accept();
    });
    connect(btnCompareClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdCompare, &QTableWidget::itemSelectionChanged, this,
            [this] { btnUseCable->setEnabled(!SelectedPartNumber().isEmpty()); });
    btnUseCable->setEnabled(!SelectedPartNumber().isEmpty());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCompareNote, 1);
    buttons->addWidget(btnUseCable);
    buttons->addWidget(btnCompareClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdCompare, 3);
    layout->addWidget(chtCompare, 2);
    layout->addLayout(buttons);
    resize(1020, 620);
    Redraw();
}

QString TfrmCompare::SelectedPartNumber() const
{
    const QList<QTableWidgetItem*> selected = grdCompare->selectedItems();
    for (const QTableWidgetItem* item : selected)
        if (item->column() == 0)
            return item->text();
    return {};
}

QStringList TfrmCompare::DrawnPartNumbers() const
{
    QStringList drawn;
    for (int r = 0; r < grdCompare->rowCount(); ++r)
        if (grdCompare->item(r, 0)->checkState() == Qt::Checked)
            drawn.append(grdCompare->item(r, 0)->text());
    return drawn;
}

void TfrmCompare::ItemChanged(QTableWidgetItem* item)
{
    if (Filling || item->column() != 0)
        return;
    if (item->checkState() == Qt::Checked && DrawnPartNumbers().size() > MostDrawn) {
        Filling = true;
        item->setCheckState(Qt::Unchecked);
        Filling = false;
        lblCompareNote->setText(
            tr("At most %1 cables are drawn: untick one first.").arg(MostDrawn));
        return;
    }
    Redraw();
}

void TfrmCompare::Redraw()
{
    QChart* chart = chtCompare->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis); // hands the axis back
        delete axis;
    }
    auto* frequency = new QValueAxis;
    frequency->setTitleText(tr("Frequency (MHz)"));
    frequency->setLabelFormat(QStringLiteral("%.6g"));
    frequency->setRange(Input.BeginFrequency, Input.EndFrequency > Input.BeginFrequency
                                                  ? Input.EndFrequency
                                                  : Input.BeginFrequency + 1);
    auto* loss = new QValueAxis;
    loss->setTitleText(tr("Total attenuation (dB)"));
    loss->setLabelFormat(QStringLiteral("%.6g"));
    chart->addAxis(frequency, Qt::AlignBottom);
    chart->addAxis(loss, Qt::AlignLeft);
    double high = 0;
    for (int r = 0; r < grdCompare->rowCount(); ++r) {
        const QTableWidgetItem* item = grdCompare->item(r, 0);
        if (item->checkState() != Qt::Checked)
            continue;
        const TComparisonRow& row = Rows.at(item->data(RowIndexRole).toInt());
        auto* series = new QLineSeries;
        series->setName(row.PartNumber);
        for (const TBandPoint& point : BandCurve(*row.Cable, !Input.Metres, Input.BeginFrequency,
                                                 Input.EndFrequency, Input.Length, 61)) {
            if (!std::isfinite(point.Total))
                continue;
            series->append(point.Frequency, point.Total);
            high = std::max(high, point.Total);
        }
        chart->addSeries(series);
        series->attachAxis(frequency);
        series->attachAxis(loss);
    }
    loss->setRange(0, high > 0 ? high * 1.1 : 1);
    loss->applyNiceNumbers();
}
