#include "CaseFileTest.h"
#include "DrivenProgramTest.h"
#include "KelvaneApplication.h"
#include "MainWindowTest.h"
#include "StartupTest.h"
#include "TestMain.h"

// One executable for the main window: list every test class here. The
// program's own application object catches what event handlers throw.
KELVANE_TEST_MAIN(TKelvaneApplication, MainWindowTest, CaseFileTest, StartupTest, DrivenProgramTest)
