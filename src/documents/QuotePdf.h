#pragma once

#include <QFont>

#include "reports/QuoteDocument.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>

class QFontMetricsF;
class QPagedPaintDevice;
class QWidget;

// The text broken into lines no wider than width: at blanks where it can, inside a word only
// where the word alone is wider; line breaks in the text are kept.
QStringList WrappedLines(const QString& text, const QFontMetricsF& metrics, double width);

// The paper of the user's region: Letter in the Americas' Letter countries, A4 elsewhere.
QPageSize QuotePaperSize();

// The documents' font at this pixel size: DejaVu Sans for Latin, Greek and Cyrillic, and a
// Chinese font for the scripts it lacks; a PDF embeds the glyphs it draws of each.
QFont DocumentFont(int pixels, bool bold = false);

// Draws the quote on device, page after page: the logo, the title and details on the first page,
// the table with its heading on every page (headings and cells wrapped between words, a column at
// least as wide as its heading's longest word; a row taller than a page continues on the next),
// the total and the pricing-date line, and on every page the footer's contact lines and "Page N of
// M". The number of pages; 0 when the device cannot be painted on.
int DrawQuote(const TQuoteDocument& quote, QPagedPaintDevice* device);

// The quote as PDF bytes on the region's paper; empty when it cannot be drawn.
QByteArray QuotePdfBytes(const TQuoteDocument& quote);

// Writes the quote as a PDF file; the file is replaced only when the whole document is written.
// An empty text on success, else the message to show.
QString WriteQuotePdf(const TQuoteDocument& quote, const QString& path);

// A document drawn by draw (which returns its number of pages, 0 when it cannot be drawn) as PDF
// bytes on the region's paper, with this title; empty when it cannot be drawn.
QByteArray PdfBytes(const QString& title, const std::function<int(QPagedPaintDevice*)>& draw);
// Writes PDF bytes as a file, replaced only when the whole document is written. An empty text on
// success, else the message to show (what: "quote", "datasheet").
QString WritePdfFile(const QByteArray& bytes, const QString& path, const QString& what);

// Prints the quote, made by document once the print dialog is accepted, through the print
// dialog. False when cancelled or failed; a failure is reported in a message.
bool PrintQuote(QWidget* parent, const std::function<TQuoteDocument()>& document);
