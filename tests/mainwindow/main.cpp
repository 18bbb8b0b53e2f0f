#include "CaseDocumentTest.h"
#include "CaseFileTest.h"
#include "DisplayUnitsTest.h"
#include "DrivenProgramTest.h"
#include "ExactValuesTest.h"
#include "KelvaneApplication.h"
#include "LastCaseTest.h"
#include "MainWindowTest.h"
#include "OpenSaveAsTest.h"
#include "RecentFilesTest.h"
#include "StartupTest.h"
#include "TestMain.h"

// One executable for the main window: list every test class here. The
// program's own application object catches what event handlers throw.
KELVANE_TEST_MAIN(TKelvaneApplication, MainWindowTest, CaseFileTest, StartupTest, OpenSaveAsTest,
                  DisplayUnitsTest, ExactValuesTest, LastCaseTest, RecentFilesTest,
                  DrivenProgramTest, CaseDocumentTest)
