#include "ChartCanvasTest.h"
#include "ChartDemoTest.h"
#include "ChartModelTest.h"
#include "ChartMouseTest.h"
#include "ChartPaintingTest.h"
#include "ScaleStepsTest.h"
#include "ScalesTest.h"
#include "TestMain.h"

#include <QApplication>

KELVANE_TEST_MAIN(QApplication, ScaleStepsTest, ScalesTest, ChartModelTest, ChartCanvasTest,
                  ChartPaintingTest, ChartMouseTest, ChartDemoTest)
