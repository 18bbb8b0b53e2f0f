#pragma once

#include <QObject>
#include <memory>

class TWindowFixture;

// Named case files through the main window: Open (Ctrl+O) and Save As
// (Ctrl+Shift+S) with the file dialogs answered through their test seam, the
// recent cases in the context menu, and a case file named on the command line.
class OpenSaveAsTest : public QObject
{
    Q_OBJECT
public:
    OpenSaveAsTest();
    ~OpenSaveAsTest() override;

private slots:
    void init();
    void cleanup();

    void saveAsThenOpenRestoresTheWholeCase();
    void fileFromSaveOpensWithTheTicksUnchanged();
    void allowancesSolveSaveOpenCopyPasteAndStay();
    void badFileShowsTheReasonAndChangesNothing_data();
    void badFileShowsTheReasonAndChangesNothing();
    void tableNoteTakesTheStatusColourAndType();
    void namesTheTablesLackAreSolvedFromTheFileAndShown();
    void cancelledDialogsChangeNothing();
    void failedSaveAsShowsTheReasonAndKeepsTheOldFile_data();
    void failedSaveAsShowsTheReasonAndKeepsTheOldFile();
    void dialogsStartInTheDocumentsFolderWithTheCaseFilter();
    void contextMenuAndKeysReachOpenAndSaveAs();
    void recentListKeepsOrderAndDropsAMissingFile();
    void commandLineFileOpensSolved();
    void commandLineFileThatCannotBeOpened_data();
    void commandLineFileThatCannotBeOpened();
    void fileThatIsNoCaseFileShowsWhy_data();
    void fileThatIsNoCaseFileShowsWhy();

private:
    QString DocumentPath(const QString& name) const;

    std::unique_ptr<TWindowFixture> m_fixture;
};
