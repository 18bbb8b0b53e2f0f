#pragma once

#include <QList>
#include <QPoint>
#include <Qt>
#include <cstdint>
#include <functional>

// Plain types shared by the chart's classes.

class TChartPanel;

// A colour value: $00BBGGRR for an RGB colour (red in the low byte), $FF0000nn
// for the desktop's system colour number nn.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindow = 0xFF000005;     // window background
inline constexpr TColor clWindowText = 0xFF000008; // window text

// Pen style codes of the drawing surface.
inline constexpr std::uint8_t psSolid = 0;
inline constexpr std::uint8_t psDash = 1;
inline constexpr std::uint8_t psDot = 2;
inline constexpr std::uint8_t psDashDot = 3;
inline constexpr std::uint8_t psDashDotDot = 4;
inline constexpr std::uint8_t psClear = 5;
inline constexpr std::uint8_t psInsideFrame = 6;

// Integer pixel points, e.g. the vertices of a polygon marker relative to its point.
using TPointVec = QList<QPoint>;

// A position in data units.
struct TDoublePoint
{
    double X = 0.0;
    double Y = 0.0;
};

// A rectangle as left, top, right, bottom; right and bottom are the first pixels outside
// a filled rectangle, and Width() = Right - Left.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Edges included.
    bool Contains(QPoint p) const
    {
        return p.x() >= Left && p.x() <= Right && p.y() >= Top && p.y() <= Bottom;
    }
    bool operator==(const TRect&) const = default;
};

// Marker kinds of a chart point.
enum TPointType : std::uint8_t
{
    ptNone = 0,
    ptGlyph = 1,
    ptCircle = 2,
    ptSquare = 3,
    ptPolygon = 4,
    ptCrossHair = 5
};

// Where the axes are drawn.
enum TAxisType : std::uint8_t
{
    xtNone = 0,
    xtCent0 = 1,
    xtQuad1 = 2,
    xtQuad2 = 3
};

// Which axes are logarithmic.
enum TScaleType : std::uint8_t
{
    stXY = 0,
    stlnXY = 1,  // X logarithmic
    stXlnY = 2,  // Y logarithmic
    stlnXlnY = 3 // both
};

// Corner of the mouse position read-out.
enum TXYPosPlace : std::uint8_t
{
    ppTopRight = 0,
    ppBottomLeft = 1
};

enum TAlignment : std::uint8_t
{
    taLeftJustify = 0,
    taRightJustify = 1,
    taCenter = 2
};

enum TBevelCut : std::uint8_t
{
    bvNone = 0,
    bvLowered = 1,
    bvRaised = 2
};

enum TBorderStyle : std::uint8_t
{
    bsNone = 0,
    bsSingle = 1
};

enum TBevelKind : std::uint8_t
{
    bkNone = 0,
    bkTile = 1,
    bkSoft = 2,
    bkFlat = 3
};

// The pressed modifier keys and mouse buttons of a mouse event.
struct TShiftState
{
    Qt::KeyboardModifiers Keys;
    Qt::MouseButtons Buttons;
};

// A colour's drawing form for the chart's current GridColor (TChartPanel::DrawingForm),
// handed to its lines and points so that they need not know the panel.
using TDrawingForm = std::function<TColor(TColor colour)>;

// Asked before each step of a point drag; clearing `allow` stops the drag.
using TAllowPointMoveEvent =
    std::function<void(TChartPanel* sender, TShiftState shift, int x, int y, bool& allow)>;
