#include "MakerRecordTest.h"
#include "RefrigLibTest.h"
#include "TestMain.h"
#include "VerInfoResTest.h"

#include <QCoreApplication>

KELVANE_TEST_MAIN(QCoreApplication, VerInfoResTest, MakerRecordTest, RefrigLibTest)
