#pragma once

#include "QvChartPanel.h"

#include <QImage>
#include <QRect>
#include <memory>

// A chart of 0..1 by 0..40 on a light grey panel, drawn once.
std::unique_ptr<TChartPanel> MakeChart(bool withScales = true);

// True when some pixel of `area` differs from `background`.
bool HasInk(const QImage& image, const QRect& area, QRgb background);

inline constexpr TColor kPanelColor = 0xD0D0D0;
inline constexpr QRgb PanelRgb = 0xFFD0D0D0;
inline constexpr QRgb GridLineRgb = 0xFFE0E2EB; // red 224, green 226, blue 235
