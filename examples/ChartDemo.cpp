// A chart with a logarithmic X axis and one draggable marker of each kind.
// Drag a marker with the mouse; hold Ctrl to lock the markers in place.
//
//   chart_demo [--screenshot FILE]   with --screenshot, saves the window as a PNG and exits.

#include "QvChartPanel.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {

// A small blue diamond on white, the background a glyph is converted against.
QImage DiamondGlyph()
{
    QImage glyph(11, 11, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter painter(&glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 200));
    painter.drawPolygon(QPolygon({{5, 0}, {10, 5}, {5, 10}, {0, 5}}));
    return glyph;
}

void AddMarkerLine(TChartPanel& chart, TColor colour, std::uint8_t kind, const QImage* glyph,
                   const TPointVec& shape, std::initializer_list<TDoublePoint> points)
{
    TChartLine* line = chart.AddLine(colour, kind, glyph, 9, shape);
    line->SetMarkerStyle(clBlack, colour, psSolid, 1);
    for (const TDoublePoint& p : points)
        line->AddPoint(p.X, p.Y);
}

void FillChart(TChartPanel& chart)
{
    chart.SetTitle("Response - drag the markers");
    chart.SetScaleXLabel("frequency [Hz]");
    chart.SetScaleYLabel("level [dB]");
    chart.SetLeftMargin(60);
    chart.SetRightMargin(30);
    chart.SetTopMargin(30);
    chart.SetBottomMargin(50);
    chart.SetScaleType(stlnXY);
    chart.SetXRange(1, 1000);
    chart.AutoScaleY(9, 2, 38, 0);

    const QImage glyph = DiamondGlyph();
    const TPointVec triangle{{0, -6}, {6, 5}, {-6, 5}};
    AddMarkerLine(chart, 0xC05000, ptCircle, nullptr, {},
                  {{1, 5}, {3, 12}, {10, 18}, {40, 24}, {200, 29}, {1000, 31}});
    AddMarkerLine(chart, clRed, ptSquare, nullptr, {},
                  {{1, 35}, {5, 33}, {20, 28}, {80, 20}, {300, 14}, {1000, 10}});
    AddMarkerLine(chart, 0x008000, ptPolygon, nullptr, triangle,
                  {{2, 20}, {8, 22}, {30, 12}, {150, 8}, {600, 4}});
    AddMarkerLine(chart, 0x800080, ptGlyph, &glyph, {},
                  {{1.5, 27}, {15, 36}, {120, 34}, {700, 22}});
    TChartLine* cursor = chart.AddLine(0x0080FF, ptCrossHair, nullptr, 9, {});
    cursor->AddPoint(50, 15);

    chart.OnAllowPointMove = [](TChartPanel*, TShiftState shift, int, int, bool& allow) {
        allow = !(shift.Keys & Qt::ControlModifier);
    };
    chart.Redraw();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype screenshotArg = args.indexOf("--screenshot");

    QWidget window;
    window.setWindowTitle("Chart demo");
    auto* layout = new QVBoxLayout(&window);
    auto* chart = new TChartPanel(&window);
    chart->setMinimumSize(560, 380);
    layout->addWidget(chart);
    layout->addWidget(new QLabel("Drag a marker; hold Ctrl to lock them.", &window));
    FillChart(*chart);
    window.show();

    if (screenshotArg >= 0) {
        if (screenshotArg + 1 >= args.size()) {
            std::fprintf(stderr, "--screenshot needs a file name\n");
            return 2;
        }
        const QString file = args[screenshotArg + 1];
        QTimer::singleShot(0, &window, [&window, file] {
            const bool saved = window.grab().save(file, "PNG");
            if (!saved)
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
