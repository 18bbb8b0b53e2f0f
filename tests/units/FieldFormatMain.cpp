#include "FieldFormatTest.h"
#include "TestMain.h"

#include <QCoreApplication>

KELVANE_TEST_MAIN(QCoreApplication, FieldFormatTest)
