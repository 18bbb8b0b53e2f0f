#pragma once

#include <QPixmap>
#include <QString>

// A PNG image built into the program, read as PNG; a null pixmap when it
// cannot be read. A reader left to guess the format loads every image format
// plugin installed with Qt to ask each of them, which costs start-up time and
// memory for formats the program never shows.
QPixmap ReadBuiltInPng(const QString& path);
