#include "MPReporter.h"

#include "base/DataError.h"
#include "base/SafeFile.h"
#include "base/Translate.h"
#include "platform/Dialogs.h"
#include "platform/PrintDialogs.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>

// Registers the program's resources, which a static library cannot do by itself. Outside any
// namespace, as the registration function is a global one.
static void RegisterResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

// The right edge of the value column, in thousandths of the page width.
constexpr int ValueColumnRight = 950;
// The gap between two entries, in thousandths of the page height.
constexpr int EntryGap = 5;

const QString CompanyName = QStringLiteral("VANTREL CORPORATION");
const QString StreetAddress = QStringLiteral("4100 Meridian Parkway");
const QString CityLine = QStringLiteral("Orland Hills, IL 60477");
const QString WebSiteLine = QStringLiteral("www.vantrel.example");

QString ServiceLine()
{
    return Tr("TMPReporter", "Customer Service Center: %1").arg(QStringLiteral("1-800-555-0147"));
}

} // namespace

QImage Logo()
{
    static const bool registered = (RegisterResources(), true);
    Q_UNUSED(registered);
    return QImage(QStringLiteral(":/VANTREL"));
}

QStringList ReportContactLines()
{
    return {CompanyName, StreetAddress, CityLine, WebSiteLine, ServiceLine()};
}

TMPReporter::TMPReporter(QObject* parent) : QObject(parent) {}

QFont TMPReporter::ReportFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("TIMES NEW ROMAN"));
    // Without that face, any serif face of the same size.
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    return font;
}

bool TMPReporter::PrintReport(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintDialogs::Execute(parent, printer))
        return false;
    const QString pdf =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (pdf.isEmpty()) {
        if (Render(&printer))
            return true;
        Dialogs::Error(parent, Tr("TMPReporter", "The report could not be printed."));
        return false;
    }
    try {
        // Drawn into a temporary file first: the PDF in place is replaced only by a whole one.
        QTemporaryFile drawn(
            QDir(QDir::tempPath()).filePath(QStringLiteral("ferrolyn-XXXXXX.pdf")));
        if (!drawn.open())
            throw TDataError(
                Tr("TMPReporter", "Cannot write a temporary file: %1").arg(drawn.errorString()));
        drawn.close();
        printer.setOutputFileName(drawn.fileName());
        const bool rendered = Render(&printer);
        const QByteArray bytes = drawn.open() ? drawn.readAll() : QByteArray();
        // A PDF cut short (a full disk) lacks its end-of-file marker.
        if (!rendered || !bytes.startsWith("%PDF-") || !bytes.right(32).contains("%%EOF"))
            throw TDataError(Tr("TMPReporter",
                                "Cannot write the PDF file \"%1\": the report could not be drawn.")
                                 .arg(QDir::toNativeSeparators(pdf)));
        WriteFileAtomically(pdf, bytes, Tr("TMPReporter", "PDF file"));
    } catch (const TDataError& error) {
        Dialogs::Error(parent, error.FullText());
        return false;
    }
    return true;
}

bool TMPReporter::Render(QPagedPaintDevice* device)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    // The device's size is its printable area, which is also where the painter's origin is.
    TEZPrint ez(&painter);
    ez.XScale = device->width() / 1000.0;
    ez.YScale = device->height() / 1000.0;
    DrawFrame(ez);
    DrawValues(ez, ReportValues, Title);
    return painter.end();
}

void TMPReporter::DrawFrame(TEZPrint& ez)
{
    QPainter* canvas = ez.Canvas();
    canvas->setPen(
        QPen(QBrush(Qt::black), ez.ScaleX(3), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    canvas->setBrush(Qt::NoBrush);

    ez.Rectangle({29, 71, 963, 966});
    ez.MoveTo(29, FooterTop);
    ez.LineTo(963, FooterTop);
    ez.MoveTo(496, FooterTop);
    ez.LineTo(496, 966);

    canvas->setFont(ReportFont(ez.ScaleY(10), true));
    ez.TextOutAt(167, 926, CompanyName);
    ez.TextOutAt(167, 939, StreetAddress);
    ez.TextOutAt(167, 951, CityLine);
    ez.TextOutAt(585, 930, WebSiteLine);
    ez.TextOutAt(585, 945, ServiceLine());

    const QImage logo = Logo();
    if (!logo.isNull())
        ez.StretchBitmap({407, 21, 565, 60}, logo);
}

TReportLayout TMPReporter::Layout(TEZPrint& ez, const QStringList& entries,
                                  const QString& title) const
{
    TReportLayout layout;
    layout.PageCount = 1;
    layout.FirstTop = title.isEmpty() ? ListTop : TitledListTop;

    QPainter* canvas = ez.Canvas();
    canvas->save();
    // A name shows one line: its rectangle is one line of the bold face high, and never less
    // than a list line.
    canvas->setFont(ReportFont(ez.ScaleY(TextHeight), true));
    const int nameHeight = std::max(TextHeight, ez.UnscaleY(canvas->fontMetrics().height()));
    canvas->setFont(ReportFont(ez.ScaleY(TextHeight), false));

    int page = 0;
    int top = layout.FirstTop;
    bool pageEmpty = true;
    for (const QString& entry : entries) {
        TReportEntryPlace place;
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        place.Name = equals < 0 ? entry : entry.left(equals);
        place.Value = equals < 0 ? QString() : entry.mid(equals + 1);

        // The wrapped value's height depends only on the column's width, not on where it is.
        const TPageRect measureRect{ValueColumnLeft, top, ValueColumnRight, top + TextHeight};
        const int valueHeight =
            ez.UnscaleY(ez.DrawTextInRect(measureRect, place.Value, TTextFormat::Measure));
        const int height = std::max(valueHeight, nameHeight);

        if (top + height >= FooterTop && !pageEmpty) {
            ++page;
            top = ListTop;
            pageEmpty = true;
        }
        int valueBottom = top + valueHeight;
        int nameBottom = top + nameHeight;
        if (top + height >= FooterTop) {
            // Too tall even for a page of its own: cut at the footer.
            place.Clipped = true;
            valueBottom = std::min(valueBottom, FooterTop - 1);
            nameBottom = std::min(nameBottom, FooterTop - 1);
        }
        place.Page = page;
        place.NameRect = {NameColumnLeft, top, ValueColumnLeft - 10, nameBottom};
        place.ValueRect = {ValueColumnLeft, top, ValueColumnRight, valueBottom};
        layout.Entries.append(place);

        top = valueBottom + EntryGap;
        pageEmpty = false;
    }
    layout.PageCount = page + 1;
    canvas->restore();
    return layout;
}

void TMPReporter::DrawValues(TEZPrint& ez, const QStringList& entries, const QString& title)
{
    QPainter* canvas = ez.Canvas();
    FLastLayout = Layout(ez, entries, title);

    if (!title.isEmpty()) {
        canvas->setFont(ReportFont(ez.ScaleY(22), true));
        ez.TextOutCentred(500, ListTop, title);
    }
    canvas->setBrush(Qt::NoBrush);

    const QFont nameFont = ReportFont(ez.ScaleY(TextHeight), true);
    const QFont valueFont = ReportFont(ez.ScaleY(TextHeight), false);
    int page = 0;
    for (const TReportEntryPlace& place : std::as_const(FLastLayout.Entries)) {
        if (place.Page != page) {
            auto* paged = dynamic_cast<QPagedPaintDevice*>(canvas->device());
            if (paged == nullptr || !paged->newPage())
                break;
            DrawFrame(ez);
            canvas->setBrush(Qt::NoBrush);
            page = place.Page;
        }
        canvas->setFont(nameFont);
        ez.DrawTextInRect(place.NameRect, place.Name, TTextFormat::WrapClipped);
        canvas->setFont(valueFont);
        ez.DrawTextInRect(place.ValueRect, place.Value,
                          place.Clipped ? TTextFormat::WrapClipped : TTextFormat::Wrap);
    }
}
