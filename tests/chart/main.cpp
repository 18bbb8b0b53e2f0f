#include "TestChartCanvas.h"
#include "TestChartDemo.h"
#include "TestChartModel.h"
#include "TestChartMouse.h"
#include "TestChartPainting.h"
#include "TestMain.h"
#include "TestScaleSteps.h"
#include "TestScales.h"

#include <QApplication>

KELVANE_TEST_MAIN(QApplication, TestScaleSteps, TestScales, TestChartModel, TestChartCanvas,
                  TestChartPainting, TestChartMouse, TestChartDemo)
