#include "EZPrint.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

TEZPrint::TEZPrint(QPainter* canvas) : FCanvas(canvas) {}

void TEZPrint::SetCanvas(QPainter* canvas)
{
    if (canvas != FCanvas)
        FCanvas = canvas;
}

int TEZPrint::RoundEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5)
        result = floor + 1.0;
    else if (fraction == 0.5)
        result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    return static_cast<int>(result);
}

int TEZPrint::ScaleX(int x) const
{
    return RoundEven(x * XScale);
}

int TEZPrint::ScaleY(int y) const
{
    return RoundEven(y * YScale);
}

int TEZPrint::UnscaleY(int pixels) const
{
    return YScale == 0.0 ? 0 : RoundEven(pixels / YScale);
}

QRect TEZPrint::ScaleRect(const TPageRect& rect) const
{
    const int left = ScaleX(rect.Left);
    const int top = ScaleY(rect.Top);
    return {left, top, ScaleX(rect.Right) - left, ScaleY(rect.Bottom) - top};
}

void TEZPrint::TextOutAt(int x, int y, const QString& text)
{
    const QFontMetrics metrics = FCanvas->fontMetrics();
    FCanvas->drawText(QPoint(ScaleX(x), ScaleY(y) + metrics.ascent()), text);
}

void TEZPrint::TextOutCentred(int x, int y, const QString& text)
{
    const QFontMetrics metrics = FCanvas->fontMetrics();
    const int halfWidth = metrics.horizontalAdvance(text) / 2;
    const int left = RoundEven(x * XScale - halfWidth);
    FCanvas->drawText(QPoint(left, ScaleY(y) + metrics.ascent()), text);
}

int TEZPrint::DrawTextInRect(const TPageRect& rect, const QString& text, TTextFormat format)
{
    const QRect area = ScaleRect(rect);
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    if (format == TTextFormat::Wrap)
        flags |= Qt::TextDontClip;
    if (format != TTextFormat::Measure)
        FCanvas->drawText(area, flags, text);
    // Text without any character still takes one line, as high as a line of text (with the
    // font's leading, which a line of text includes).
    return std::max(FCanvas->boundingRect(area, flags, text).height(),
                    FCanvas->fontMetrics().lineSpacing());
}

void TEZPrint::MoveTo(int x, int y)
{
    PenPos = QPoint(ScaleX(x), ScaleY(y));
}

void TEZPrint::LineTo(int x, int y)
{
    const QPoint to(ScaleX(x), ScaleY(y));
    FCanvas->drawLine(PenPos, to);
    PenPos = to;
}

void TEZPrint::Rectangle(const TPageRect& rect)
{
    // The pen is centred on the scaled corners, as the lines of the same coordinates are.
    const QRectF outline(QPointF(ScaleX(rect.Left), ScaleY(rect.Top)),
                         QPointF(ScaleX(rect.Right), ScaleY(rect.Bottom)));
    FCanvas->save();
    FCanvas->setBrush(Qt::NoBrush);
    FCanvas->drawRect(outline);
    FCanvas->restore();
}

void TEZPrint::StretchBitmap(const TPageRect& rect, const QImage& bitmap)
{
    FCanvas->drawImage(ScaleRect(rect), bitmap);
}
