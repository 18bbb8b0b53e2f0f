#pragma once

#include <QIcon>
#include <QList>

// The main window's tool bar image list: six 24 x 24 images for Load, Save,
// Reset, Calc, Report and Help, in this order (image index = tool bar position).
QList<QIcon> ToolbarImages();
