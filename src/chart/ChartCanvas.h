#pragma once

#include "ChartTypes.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRgb>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <optional>

// The chart's drawing surface: a 32-bit RGB image with a current pen, brush and
// font. Lines and shapes combine with what is under them through a not-xor pen
// (pixel := NOT(pen XOR pixel)), without anti-aliasing, each pixel at most once
// per call, so drawing the same thing twice restores the image. Text is opaque
// and plain. Colours here are resolved RGB values.
//
// Every drawing call starts from a fresh painter's state. A paint scope keeps
// one painter open on the surface for a whole redraw, so that its calls share
// it instead of each opening its own.
class TChartCanvas
{
public:
    class TPaintScope
    {
    public:
        // The surface is not resized while the scope lives.
        explicit TPaintScope(TChartCanvas& canvas);
        ~TPaintScope();
        TPaintScope(const TPaintScope&) = delete;
        TPaintScope& operator=(const TPaintScope&) = delete;

    private:
        TChartCanvas& m_canvas;
    };

    // A new, white surface of `size`; `dotsPerMeter` sizes point fonts as on the screen.
    void Resize(QSize size, int dotsPerMeterX, int dotsPerMeterY);
    const QImage& Image() const { return m_image; }

    QRgb PenColor = qRgb(0, 0, 0);
    std::uint8_t PenStyle = psSolid;
    int PenWidth = 1;
    QRgb BrushColor = qRgb(255, 255, 255);
    QRgb FontColor = qRgb(0, 0, 0);

    const QFont& Font() const { return m_font; }
    void SetFont(const QFont& font);

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
    // Runs `draw` with the paint scope's painter, its state restored afterwards,
    // or with a painter of its own outside a scope.
    template <typename Draw> void Paint(Draw draw);
    template <typename Draw> void DrawShape(QRect bounds, Draw draw);
    void StraightLine(QPoint from, QPoint to);
    void UpdateMetrics();

    // A text measured and laid out once for the current font: each redraw
    // draws the same labels again. Texts with control characters are not laid out.
    struct TPreparedText
    {
        int Width;
        std::optional<QStaticText> Layout;
    };
    const TPreparedText& Prepared(const QString& text) const;

    QImage m_image;
    std::optional<QPainter> m_scopePainter;
    QFont m_font;
    QFontMetrics m_metrics{m_font};
    mutable QHash<QString, TPreparedText> m_prepared;
};
