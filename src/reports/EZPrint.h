#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QImage;
class QPainter;

// A rectangle in page units (thousandths of the printable page width for x, of its height for
// y), from its top-left corner to its bottom-right corner.
struct TPageRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// How DrawTextInRect treats its text. All three wrap at word boundaries inside the rectangle's
// width and start at its top-left corner.
enum class TTextFormat {
    WrapClipped, // draws; nothing shows outside the rectangle
    Wrap,        // draws; lines below the rectangle's bottom still show
    Measure,     // draws nothing
};

// Draws on a printer page (or any paint device) in page units. XScale and YScale are the device
// pixels per page unit; every conversion rounds to the nearest pixel, ties to even.
class TEZPrint
{
public:
    explicit TEZPrint(QPainter* canvas = nullptr);

    double XScale = 1.0;
    double YScale = 1.0;

    QPainter* Canvas() const { return FCanvas; }
    void SetCanvas(QPainter* canvas);

    int ScaleX(int x) const;
    int ScaleY(int y) const;
    int UnscaleY(int pixels) const;
    // Device rectangle whose corners are the scaled corners of rect.
    QRect ScaleRect(const TPageRect& rect) const;

    // The text with its top-left corner at (x, y), in the canvas font.
    void TextOutAt(int x, int y, const QString& text);
    // The text with its top edge at y and centred on x.
    void TextOutCentred(int x, int y, const QString& text);
    // Draws or measures text in rect; returns the height of the wrapped text in device pixels,
    // at least one line.
    int DrawTextInRect(const TPageRect& rect, const QString& text, TTextFormat format);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // The outline of rect in the current pen; the inside is left as it is.
    void Rectangle(const TPageRect& rect);
    // The whole bitmap, stretched to fill rect.
    void StretchBitmap(const TPageRect& rect, const QImage& bitmap);

    // Rounds to the nearest whole number, an exact half to the even neighbour.
    static int RoundEven(double value);

private:
    QPainter* FCanvas = nullptr;
    QPoint PenPos;
};
