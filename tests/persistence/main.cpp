#include "FormPlacementTest.h"
#include "IniFileTest.h"
#include "InterruptedSaveTest.h"
#include "SettingsStoreTest.h"
#include "TestMain.h"
#include "XMLFileTest.h"

#include <QApplication>

KELVANE_TEST_MAIN(QApplication, IniFileTest, SettingsStoreTest, XMLFileTest, FormPlacementTest,
                  InterruptedSaveTest)
