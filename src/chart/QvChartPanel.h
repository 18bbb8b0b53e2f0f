#pragma once

#include "ChartCanvas.h"
#include "ChartFont.h"
#include "ChartLayout.h"
#include "ChartLine.h"
#include "ChartPoint.h"
#include "ChartTypes.h"

#include <QFrame>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

// An XY chart on a bevelled panel: polylines with point markers inside a plot
// rectangle, linear or logarithmic scales with grid lines and labels, axes, a
// title, axis titles, a read-out of the mouse position in data units, and
// dragging of marked points under the control of OnAllowPointMove.
//
// Everything is drawn on a retained canvas the size of the drawing area, which
// the paint event shows. Lines, markers, grid lines and axes are drawn with a
// not-xor pen, so drawing an item a second time erases it: a moved point is
// erased and redrawn without repainting the rest. Line and marker colours are
// held in a drawing form, which shows them in their own colour on GridColor.
//
// Property setters other than GridColor only store; call Redraw to show the change.
class TChartPanel : public QFrame
{
    Q_OBJECT

public:
    using TChartLineVec = std::vector<std::unique_ptr<TChartLine>>;

    explicit TChartPanel(QWidget* parent = nullptr);
    ~TChartPanel() override;

    // Releases every line and its points, ends a drag; the picture stays until Redraw.
    void Clear();
    // Appends an empty line in `colour` (RGB or system colour) whose points get markers of
    // `pointType`, `size` pixels and `shape`; a given `bitmap` is copied as the line's glyph.
    TChartLine* AddLine(TColor colour, std::uint8_t pointType, const QImage* bitmap, int size,
                        const TPointVec& shape);
    // Equal limits are widened: 0, 0 to 0, 1 and v, v to v/2, 3v/2.
    void SetXRange(double min, double max);
    void SetYRange(double min, double max);
    // A rounded Y range covering lo..hi, never below `floor`; on a linear Y axis it also sets
    // ScaleYTicks for at most `maxTicks` intervals. No repaint.
    void AutoScaleY(int maxTicks, double lo, double hi, double floor);
    // Draws the whole chart now.
    void Redraw();
    // Draws one line with its markers, or one marker, over the chart. Drawing it again
    // erases it: erase, move the point, draw again.
    void DrawLine(const TChartLine& line);
    void DrawPoint(const TChartPoint& point);

    QPoint DataToPixel(double x, double y) const { return m_layout.DataToPixel(x, y); }
    TDoublePoint PixelToData(int px, int py) const { return m_layout.PixelToData(px, py); }
    bool PointInPlot(int px, int py) const { return m_layout.PointInPlot({px, py}); }
    // Finds the first movable point within 3 pixels; sets HitPoint and HitLine.
    bool HitTest(int px, int py);
    // A copy of `bitmap` prepared to be drawn by exclusive or on GridColor: it shows the
    // bitmap's own colours there when `brushColour` is the bitmap's background.
    QImage ConvertGlyph(const QImage& bitmap, TColor brushColour = clWhite) const;
    // `colour` in the drawing form for the current GridColor.
    TColor DrawingForm(TColor colour) const;

    double CursorX() const { return m_cursorX; }
    double CursorY() const { return m_cursorY; }
    const TChartLineVec& Lines() const { return m_lines; }
    TChartPoint* HitPoint() const { return m_hitPoint; }
    TChartLine* HitLine() const { return m_hitLine; }
    bool Dragging() const { return m_dragging; }
    // The read-out as last drawn, "[x, y]", or empty after a redraw.
    const QString& ReadoutText() const { return m_readoutText; }

    // The drawing area as last drawn, and its layout.
    const QImage& Canvas() const { return m_canvas.Image(); }
    int DrawWidth() const { return m_drawWidth; }
    int DrawHeight() const { return m_drawHeight; }
    const TRect& PlotRect() const { return m_layout.PlotRect(); }
    int PlotWidth() const { return m_layout.PlotWidth(); }
    int PlotHeight() const { return m_layout.PlotHeight(); }
    long double XScale() const { return m_layout.XScale(); }
    long double YScale() const { return m_layout.YScale(); }

    // Colours: RGB $00BBGGRR or system colours $FF0000nn.
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TColor AxesColor() const { return m_axesColor; }
    void SetAxesColor(TColor value) { m_axesColor = value; }
    TColor GridColor() const { return m_gridColor; }
    // Redraws at once; colours already in drawing form keep the old GridColor's form.
    void SetGridColor(TColor value);

    int LeftMargin() const { return m_leftMargin; }
    void SetLeftMargin(int value) { m_leftMargin = value; }
    int RightMargin() const { return m_rightMargin; }
    void SetRightMargin(int value) { m_rightMargin = value; }
    int TopMargin() const { return m_topMargin; }
    void SetTopMargin(int value) { m_topMargin = value; }
    int BottomMargin() const { return m_bottomMargin; }
    void SetBottomMargin(int value) { m_bottomMargin = value; }

    // Limits in data units; on a logarithmic axis a value <= 0 is stored as 0.01. The chart
    // scales by their logarithms there but keeps the values themselves, so they read back
    // exactly.
    double XMin() const { return m_xMin; }
    void SetXMin(double value) { m_xMin = XTransform().Admit(value); }
    double XMax() const { return m_xMax; }
    void SetXMax(double value) { m_xMax = XTransform().Admit(value); }
    double YMin() const { return m_yMin; }
    void SetYMin(double value) { m_yMin = YTransform().Admit(value); }
    double YMax() const { return m_yMax; }
    void SetYMax(double value) { m_yMax = YTransform().Admit(value); }
    TScaleType ScaleType() const { return m_scaleType; }
    // Keeps the limits in data units (values <= 0 become 0.01 on an axis turning logarithmic).
    void SetScaleType(TScaleType value);

    QString Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    TAlignment TitleAlignment() const { return m_titleAlignment; }
    void SetTitleAlignment(TAlignment value) { m_titleAlignment = value; }

    bool ShowXYPos() const { return m_showXYPos; }
    void SetShowXYPos(bool value) { m_showXYPos = value; }
    TXYPosPlace ShowXYPosPlace() const { return m_showXYPosPlace; }
    void SetShowXYPosPlace(TXYPosPlace value) { m_showXYPosPlace = value; }
    // Formats of the read-out's values; empty chooses one by the value's size.
    QString ShowXPosFmt() const { return m_showXPosFmt; }
    void SetShowXPosFmt(const QString& value) { m_showXPosFmt = value; }
    QString ShowYPosFmt() const { return m_showYPosFmt; }
    void SetShowYPosFmt(const QString& value) { m_showYPosFmt = value; }

    bool ShowXScale() const { return m_showXScale; }
    void SetShowXScale(bool value) { m_showXScale = value; }
    int ScaleXTicks() const { return m_scaleXTicks; }
    // At least 2.
    void SetScaleXTicks(int value) { m_scaleXTicks = qMax(2, value); }
    QString ScaleXLabel() const { return m_scaleXLabel; }
    void SetScaleXLabel(const QString& value) { m_scaleXLabel = value; }
    bool ShowYScale() const { return m_showYScale; }
    void SetShowYScale(bool value) { m_showYScale = value; }
    int ScaleYTicks() const { return m_scaleYTicks; }
    void SetScaleYTicks(int value) { m_scaleYTicks = qMax(2, value); }
    QString ScaleYLabel() const { return m_scaleYLabel; }
    void SetScaleYLabel(const QString& value) { m_scaleYLabel = value; }
    TAxisType AxisType() const { return m_axisType; }
    void SetAxisType(TAxisType value) { m_axisType = value; }

    // Fonts are copied in.
    const TChartFont& FontLabels() const { return m_fontLabels; }
    void SetFontLabels(const TChartFont& value) { m_fontLabels = value; }
    const TChartFont& FontXYPos() const { return m_fontXYPos; }
    void SetFontXYPos(const TChartFont& value) { m_fontXYPos = value; }
    const TChartFont& ScaleXFont() const { return m_scaleXFont; }
    void SetScaleXFont(const TChartFont& value) { m_scaleXFont = value; }
    const TChartFont& ScaleYFont() const { return m_scaleYFont; }
    void SetScaleYFont(const TChartFont& value) { m_scaleYFont = value; }

    // The bevelled frame.
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value) { m_borderStyle = value; }
    TBevelKind BevelKind() const { return m_bevelKind; }
    void SetBevelKind(TBevelKind value) { m_bevelKind = value; }

    // Asked before each step of a point drag.
    TAllowPointMoveEvent OnAllowPointMove;

    QSize sizeHint() const override { return {250, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TAxisTransform XTransform() const;
    TAxisTransform YTransform() const;
    TColor Resolved(TColor colour) const;
    QRgb Rgb(TColor colour) const;
    void UpdateDrawSize();
    void UpdateFrameStyle();
    void SetCanvasFont(const TChartFont& font);

    void DrawFrame();
    void ComputeLayout();
    void DrawXScale();
    void DrawYScale();
    void DrawGridLine(bool isX, int pixel);
    void DrawLabel(bool isX, int pixel, const QString& label, int halfH);
    int YLabelX(int labelWidth) const;
    void DrawLinearScale(bool isX, double min, double max, int halfH);
    void DrawLogScale(bool isX, double min, double max, int halfH);
    void DrawXTitle(int halfH);
    void DrawYTitle();
    void DrawAxes();
    void DrawTitle();
    void DrawSegment(QPoint p0, QPoint p1, int a, int b, bool toTheEnd);
    void DragTo(int x, int y, TShiftState shift);
    void UpdateReadout();
    QString FormatReadout() const;
    void PaintReadout(bool blank);

    // Colours, margins, limits and the other properties.
    TColor m_color = clWindow;
    TColor m_axesColor = clWindowText;
    TColor m_gridColor = clWhite;
    int m_leftMargin = 40;
    int m_rightMargin = 20;
    int m_topMargin = 25;
    int m_bottomMargin = 40;
    double m_xMin = 1.0;
    double m_xMax = 10.0;
    double m_yMin = 1.0;
    double m_yMax = 10.0;
    TScaleType m_scaleType = stXY;
    QString m_title;
    TAlignment m_titleAlignment = taCenter;
    bool m_showXYPos = true;
    TXYPosPlace m_showXYPosPlace = ppBottomLeft;
    QString m_showXPosFmt;
    QString m_showYPosFmt;
    bool m_showXScale = true;
    int m_scaleXTicks = 6;
    QString m_scaleXLabel;
    bool m_showYScale = true;
    int m_scaleYTicks = 6;
    QString m_scaleYLabel;
    TAxisType m_axisType = xtQuad1;
    TChartFont m_fontLabels;
    TChartFont m_fontXYPos;
    TChartFont m_scaleXFont;
    TChartFont m_scaleYFont;
    TBevelCut m_bevelOuter = bvLowered;
    int m_bevelWidth = 1;
    TBorderStyle m_borderStyle = bsNone;
    TBevelKind m_bevelKind = bkNone;

    // Drawing state.
    TChartCanvas m_canvas;
    int m_drawWidth = 0;
    int m_drawHeight = 0;
    TChartLayout m_layout;
    TChartLineVec m_lines;
    TChartPoint* m_hitPoint = nullptr;
    TChartLine* m_hitLine = nullptr;
    bool m_dragging = false;
    double m_cursorX = 0.0;
    double m_cursorY = 0.0;
    QString m_readoutText;
    TChartFont m_readoutFont;
};
