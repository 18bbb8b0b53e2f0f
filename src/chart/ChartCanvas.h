#pragma once

#include "ChartTypes.h"

#include <QFont>
#include <QImage>
#include <QPolygon>
#include <QRgb>
#include <QSize>
#include <QString>

// The chart's drawing surface: a 32-bit RGB image with a current pen, brush and
// font. Lines and shapes combine with what is under them through a not-xor pen
// (pixel := NOT(pen XOR pixel)), without anti-aliasing, each pixel at most once
// per call, so drawing the same thing twice restores the image. Text is opaque
// and plain. Colours here are resolved RGB values.
class TChartCanvas
{
public:
    // A new, white surface of `size`; `dotsPerMeter` sizes point fonts as on the screen.
    void Resize(QSize size, int dotsPerMeterX, int dotsPerMeterY);
    const QImage& Image() const { return m_image; }

    QRgb PenColor = qRgb(0, 0, 0);
    std::uint8_t PenStyle = psSolid;
    int PenWidth = 1;
    QRgb BrushColor = qRgb(255, 255, 255);
    QFont Font;
    QRgb FontColor = qRgb(0, 0, 0);

    // Fills (left, top)..(right, bottom), right and bottom excluded, with the brush; plain copy.
    void FillRect(const TRect& rect);
    // From `from` up to but not including `to`, with the pen.
    void Line(QPoint from, QPoint to);
    // Outlined with the pen and filled with the brush; the bounds exclude right and bottom.
    void Rectangle(const TRect& bounds);
    void Ellipse(const TRect& bounds);
    void Polygon(const QPolygon& points);
    // Combines `bitmap` with the surface by exclusive or (source-invert copy).
    void DrawXor(QPoint topLeft, const QImage& bitmap);
    // Replaces the pixels under `bitmap` (plain copy).
    void Copy(QPoint topLeft, const QImage& bitmap);

    // Text with its top left at (x, y) on an opaque background in the brush colour.
    void TextOut(int x, int y, const QString& text);
    // The same turned by `angle` degrees counter-clockwise about (x, y); 90 reads upwards.
    void TextOutRotated(int x, int y, const QString& text, double angle);
    int TextWidth(const QString& text) const;
    // Line height of the current font.
    int TextHeight() const;

private:
    template <typename Draw> void DrawShape(QRect bounds, Draw draw);

    QImage m_image;
};
