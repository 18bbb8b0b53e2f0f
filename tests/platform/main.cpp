#include "TestAppFolders.h"
#include "TestMain.h"

#include <QCoreApplication>

// One executable for the platform folder: list every test class here.
KELVANE_TEST_MAIN(QCoreApplication, TestAppFolders)
