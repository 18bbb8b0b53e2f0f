#include "TestMain.h"
#include "TestMakerRecord.h"
#include "TestRefrigLib.h"
#include "TestVerInfoRes.h"

#include <QCoreApplication>

KELVANE_TEST_MAIN(QCoreApplication, TestVerInfoRes, TestMakerRecord, TestRefrigLib)
