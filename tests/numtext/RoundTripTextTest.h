#pragma once

#include <QObject>

// The shortest round-trip writer against the standard library's, whose texts
// it must reproduce character for character.
class RoundTripTextTest : public QObject
{
    Q_OBJECT

private slots:
    void writesTheLibrarysText_data();
    void writesTheLibrarysText();
    void sweepsMatchTheLibrary_data();
    void sweepsMatchTheLibrary();
};
