#include "AllowancesTest.h"
#include "ArrangementExecutableTest.h"
#include "ArrangementSolveTest.h"
#include "BatchSolverTest.h"
#include "CaseArgumentsTest.h"
#include "CaseSolveTest.h"
#include "ExecutableTest.h"
#include "FeasibilityTest.h"
#include "FlowRelationTest.h"
#include "FormulasTest.h"
#include "HeadlessSolverTest.h"
#include "HxModelTest.h"
#include "LookupTablesTest.h"
#include "NamedCaseFileTest.h"
#include "ResultUnitsTest.h"
#include "ResultsPageTest.h"
#include "SolverEdgesTest.h"
#include "SolverTest.h"
#include "TestMain.h"

#include <QCoreApplication>

// One executable for the exchanger folder: list every test class here.
KELVANE_TEST_MAIN(QCoreApplication, HxModelTest, FormulasTest, FlowRelationTest, SolverTest,
                  FeasibilityTest, ResultsPageTest, LookupTablesTest, CaseArgumentsTest,
                  NamedCaseFileTest, BatchSolverTest, HeadlessSolverTest, ExecutableTest,
                  ArrangementSolveTest, ArrangementExecutableTest, SolverEdgesTest, CaseSolveTest,
                  AllowancesTest, ResultUnitsTest)
