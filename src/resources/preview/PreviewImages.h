#pragma once

#include <QCursor>
#include <QIcon>

// The print preview's built-in images.

// The cursor image named "ZOOM_CURSOR" (a zoom glass) or "HAND_CURSOR" (a
// hand), with its hot spot; a default arrow for any other name.
QCursor PreviewCursor(const QString& name);
// A 16 x 16 button image: "fitpage", "fitwidth", "grid", "zoomtool",
// "handtool", "first", "prev", "next", "last", "pagenum".
QIcon PreviewImage(const QString& name);
