#pragma once

#include <QObject>

// The built kelvane program from the outside, with its shipped tables.
class ExecutableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void solvesTheInitialCase();
    void exitCodes_data();
    void exitCodes();
    void versionIsTheBuildVersion();
    void mistypedLongOptionNeedsNoDisplay();
    void batchFromStandardInput();
    void failedWriteEndsWithStatusOne_data();
    void failedWriteEndsWithStatusOne();
    void batchOfAnEndlessLineEndsInBoundedMemory();
    void infeasibleCaseInEveryOutput();
    void tableValueThatIsNoNumberIsToldAndWarnedOf();
    void windowStartLoadsNoImagePlugin();
    void caseFileArgumentOpensTheCase();
    void caseFileArgumentNotNamedInUtf8OpensTheCase();
    void caseFileArgumentThatCannotBeOpened_data();
    void caseFileArgumentThatCannotBeOpened();
    void largeForeignSettingsAreNotRead_data();
    void largeForeignSettingsAreNotRead();
    void programFolderNotNamedInUtf8();
    void badInput_data();
    void badInput();
    void cleanupTestCase();

private:
    QString m_program;
    // The bad-input table's figures, printed at the end for docs/robustness.md.
    int m_inputsTried = 0;
    int m_crashes = 0;
    int m_dataLost = 0;
};
