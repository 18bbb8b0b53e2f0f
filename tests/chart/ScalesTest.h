#pragma once

#include <QObject>

class ScalesTest : public QObject
{
    Q_OBJECT

private slots:
    void autoScaleLinear_data();
    void autoScaleLinear();
    void autoScaleLogarithmic_data();
    void autoScaleLogarithmic();
    void autoScaleLogarithmicStopsOnAnInfiniteHighEnd();
    void linearTicksOfZeroToOne();
    void linearYTicksRunBottomUp();
    void linearTicksMayPassTheEndByTwoPercent();
    void logTicksOneToThousand();
    void logTicksOneToEight();
    void logTicksWithoutAnyDoublingGetQuarterAndHalf();
    void logLabelsOfMinorTicksGiveWay();
    void tickLabelText_data();
    void tickLabelText();
    void labelSpansKeepAPixelFree();
    void transformOfLogarithmicAxis_data();
    void transformOfLogarithmicAxis();
    void layoutMapsDataToPixelsAndBack();
    void layoutTruncatesTowardsZero();
    void layoutWithEqualLimitsScalesByOne();
    void layoutHoldsFarPointsInIntegerRange();
};
