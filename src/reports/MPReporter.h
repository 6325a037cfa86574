#pragma once

#include "EZPrint.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QFont;
class QImage;
class QPagedPaintDevice;
class QWidget;

// The company's logo, and the footer's contact lines: three of the address, then the web site
// and the service line.
QImage Logo();
QStringList ReportContactLines();

// Where one entry of the report goes: its page (0 for the first) and its name and value
// rectangles in page units.
struct TReportEntryPlace {
    int Page = 0;
    QString Name;
    QString Value;
    TPageRect NameRect;
    TPageRect ValueRect;
    // The value did not fit even on a page of its own and is cut at the footer.
    bool Clipped = false;
};

// The layout of a whole report: the y of the first entry and every entry's place.
struct TReportLayout {
    int PageCount = 0;
    int FirstTop = 0;
    QList<TReportEntryPlace> Entries;
};

// Prints a list of "name=value" entries under a title on framed pages with the company's logo
// and footer. Entries that would reach the footer continue on a further page.
class TMPReporter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER Title)
    Q_PROPERTY(QStringList ReportValues MEMBER ReportValues)
    Q_PROPERTY(int TextHeight MEMBER TextHeight)
    Q_PROPERTY(int NameColumnLeft MEMBER NameColumnLeft)
    Q_PROPERTY(int ValueColumnLeft MEMBER ValueColumnLeft)
public:
    explicit TMPReporter(QObject* parent = nullptr);

    // Printed centred above the list; no title line when empty.
    QString Title;
    // "name=value": the name is the text before the first '=', the value the text after it. A
    // line without '=' is all name.
    QStringList ReportValues;
    // One list line, in thousandths of the page height.
    int TextHeight = 16;
    // The left edges of the two columns, in thousandths of the page width.
    int NameColumnLeft = 60;
    int ValueColumnLeft = 460;

    // Asks where to print and prints ReportValues under Title. A PDF is drawn into a temporary
    // file and replaces the chosen file only when whole. False when cancelled or when printing
    // failed, which is reported in an error message.
    bool PrintReport(QWidget* parent);
    // Draws the whole report on device, one device page per report page, without any dialog.
    bool Render(QPagedPaintDevice* device);

    // The page frame, the footer and the logo of one page.
    void DrawFrame(TEZPrint& ez);
    // The title and the list, starting further pages on a paged device as the layout needs.
    void DrawValues(TEZPrint& ez, const QStringList& entries, const QString& title);
    // Where DrawValues puts each entry, measured with ez's canvas.
    TReportLayout Layout(TEZPrint& ez, const QStringList& entries, const QString& title) const;

    // The layout of the last drawn report; empty until something was drawn.
    const TReportLayout& LastLayout() const { return FLastLayout; }

    // The report's typeface at a height in device pixels.
    static QFont ReportFont(int pixelHeight, bool bold);

    // The footer band starts here; no entry reaches it.
    static constexpr int FooterTop = 923;
    // The first entry's y without and with a title.
    static constexpr int ListTop = 100;
    static constexpr int TitledListTop = 145;

private:
    TReportLayout FLastLayout;
};
