#pragma once

#include <QObject>

class TestChartDemo : public QObject
{
    Q_OBJECT

private slots:
    void screenshotShowsTheChart();
};
