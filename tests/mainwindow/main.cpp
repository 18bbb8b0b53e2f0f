#include "CaseFileTest.h"
#include "MainWindowTest.h"
#include "TestMain.h"

#include <QApplication>

// One executable for the main window: list every test class here.
KELVANE_TEST_MAIN(QApplication, MainWindowTest, CaseFileTest)
