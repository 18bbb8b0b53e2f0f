#include "TestAppFolders.h"
#include "TestMain.h"
#include "TestQtPlatform.h"

#include <QApplication>

// One executable for the platform folder: list every test class here.
KELVANE_TEST_MAIN(QApplication, TestAppFolders, TestQtPlatform)
