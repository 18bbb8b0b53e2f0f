#include "TestIniFile.h"
#include "TestMain.h"

#include <QCoreApplication>

KELVANE_TEST_MAIN(QCoreApplication, TestIniFile)
