#pragma once

#include <QObject>

class ChartDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void screenshotShowsTheChart();
};
