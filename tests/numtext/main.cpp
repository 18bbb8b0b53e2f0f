#include "FormatTest.h"
#include "NumberTextTest.h"
#include "RoundTripTextTest.h"
#include "TestMain.h"

#include <QCoreApplication>

// One executable for the number text folder: list every test class here.
KELVANE_TEST_MAIN(QCoreApplication, NumberTextTest, FormatTest, RoundTripTextTest)
