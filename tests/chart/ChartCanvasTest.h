#pragma once

#include <QObject>

class ChartCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void straightLineMatchesThePainter_data();
    void straightLineMatchesThePainter();
    void textMatchesThePainter_data();
    void textMatchesThePainter();
    void paintScopeDrawsAsSeparatePainters();
    void textWidthFollowsTheFont();
};
