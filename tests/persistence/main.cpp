#include "TestAppFolders.h"
#include "TestIniFile.h"
#include "TestMain.h"
#include "TestSettingsStore.h"
#include "TestXMLFile.h"

#include <QCoreApplication>

KELVANE_TEST_MAIN(QCoreApplication, TestIniFile, TestAppFolders, TestSettingsStore, TestXMLFile)
