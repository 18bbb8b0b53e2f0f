#pragma once

#include <QObject>

class PlatformPathTest : public QObject
{
    Q_OBJECT

private slots:
    void bytesComeBackAsTheyWere_data();
    void bytesComeBackAsTheyWere();
    void fileNamedInBytesIsFound();
};
