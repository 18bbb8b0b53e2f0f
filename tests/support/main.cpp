#include "TestMain.h"
#include "TestVerInfoRes.h"

#include <QCoreApplication>

KELVANE_TEST_MAIN(QCoreApplication, TestVerInfoRes)
