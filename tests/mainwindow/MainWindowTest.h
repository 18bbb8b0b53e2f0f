#pragma once

#include <QObject>
#include <memory>

class TWindowFixture;

// Drives the real main window under the offscreen platform: a program folder
// of its own with the shipped tables and recorded platform effects for every test.
class MainWindowTest : public QObject
{
    Q_OBJECT
public:
    MainWindowTest();
    ~MainWindowTest() override;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunShowsResetCaseThenSolves();
    void screenshotOfSolvedWindow();
    void toolBarHasSixActionsWithImagesAndShortcuts();
    void calcChoosesMethodFromCheckBoxes_data();
    void calcChoosesMethodFromCheckBoxes();
    void ratingWithoutTemperaturesKeepsPreviousMethod();
    void failedSolveClearsResults();
    void failedSolveKeepsTheUoRead();
    void infeasibleCaseShowsItsFirstFindingInRed();
    void warningShowsInAmberInTheStatusLine();
    void uoRangeAdmitsTheTypeDefaults_data();
    void uoRangeAdmitsTheTypeDefaults();
    void plantScaleValuesAreTaken_data();
    void plantScaleValuesAreTaken();
    void plantScaleDutyIsSolved();
    void calcInAFieldPulledIntoRangeStops();
    void fieldWithoutNumberStopsCalc();
    void unitSwitchChangesNoResult();
    void enterDownUpMoveFocusInFieldsOnly();
    void leavingModifiedFieldMarksNotSolved();
    void dropDownChangeSetsUoAndStatus();
    void choosingAFluidOffersItsFouling();
    void typeChangeKeepsATickedUo_data();
    void typeChangeKeepsATickedUo();
    void resultsPageNamesTheChosenFluids();
    void copyPutsCaseLine();
    void pasteCaseLine_data();
    void pasteCaseLine();
    void pasteStopsAtBadEntry();
    void copyThenPasteRestoresCase();
    void indexOutsideListLeavesNoSelection();
    void commandLineOpensSolvedByLmtd();
    void restartBringsBackLastCase();
    void restartSolvesWithTheTicksOfTheLastCase_data();
    void restartSolvesWithTheTicksOfTheLastCase();
    void resetKeepsCheckBoxes();
    void helpOpensHelpPage();
    void helpWithoutViewerSaysSo();
    void reportPreviewsResultsPage();
    void reportOfAnInfeasibleCaseCarriesItsVerdict();
    void reportPrintsResultsToPdf();
    void menuBarHoldsEveryCommand();
    void resizedWindowGivesTheRoomToThePageAndTheChart();
    void rightClickOpensContextMenu();
    void tablesFillDropDowns();
    void typeWithoutUoGivesTwenty();
    void missingOrEmptyTablesStillSolve_data();
    void missingOrEmptyTablesStillSolve();
    void shellPassesCorrectTheArea();
    void parallelFlowChartsBothStreamsFromTheLeft();
    void unknownArrangementIsNoSolution();
    void oneShellPassCannotReachTheDuty();

private:
    std::unique_ptr<TWindowFixture> m_fixture;
};
