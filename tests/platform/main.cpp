#include "AppFoldersTest.h"
#include "PlatformPathTest.h"
#include "QtPlatformTest.h"
#include "TestMain.h"

#include <QApplication>

// One executable for the platform folder: list every test class here.
KELVANE_TEST_MAIN(QApplication, AppFoldersTest, PlatformPathTest, QtPlatformTest)
