#include "TestFormPlacement.h"
#include "TestIniFile.h"
#include "TestInterruptedSave.h"
#include "TestMain.h"
#include "TestSettingsStore.h"
#include "TestXMLFile.h"

#include <QApplication>

KELVANE_TEST_MAIN(QApplication, TestIniFile, TestSettingsStore, TestXMLFile, TestFormPlacement,
                  TestInterruptedSave)
