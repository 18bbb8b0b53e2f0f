#include "FmtEditTest.h"
#include "TestMain.h"
#include "UnitsCatalogueTest.h"
#include "UnitsFormTest.h"
#include "UnitsSettingTest.h"

#include <QApplication>

// One executable for the units folder: list every test class here.
KELVANE_TEST_MAIN(QApplication, UnitsCatalogueTest, UnitsSettingTest, UnitsFormTest, FmtEditTest)
