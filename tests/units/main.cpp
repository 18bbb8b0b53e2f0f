#include "FormatTest.h"
#include "NumberTextTest.h"
#include "TestMain.h"

#include <QApplication>

KELVANE_TEST_MAIN(QApplication, NumberTextTest, FormatTest)
