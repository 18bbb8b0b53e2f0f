#include "FmtEditTest.h"
#include "FormatTest.h"
#include "NumberTextTest.h"
#include "RoundTripTextTest.h"
#include "TestMain.h"
#include "UnitsCatalogueTest.h"
#include "UnitsFormTest.h"
#include "UnitsSettingTest.h"

#include <QApplication>

// One executable for the units folder: list every test class here.
KELVANE_TEST_MAIN(QApplication, NumberTextTest, FormatTest, RoundTripTextTest, UnitsCatalogueTest,
                  UnitsSettingTest, UnitsFormTest, FmtEditTest)
