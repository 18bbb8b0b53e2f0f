#pragma once

#include <QObject>
#include <memory>

class TMainForm;
class TWindowFixture;

// Save and Load of the case file "sample.xml" in the program folder, through
// the main window's actions.
class CaseFileTest : public QObject
{
    Q_OBJECT
public:
    CaseFileTest();
    ~CaseFileTest() override;

private slots:
    void init();
    void cleanup();

    void savedInitialCaseIsTheWorkedExample();
    void saveThenLoadKeepsTheNineValues();
    void savingTwiceGivesTheSameFile();
    void loadReadsOnlyWhatTheFileHolds_data();
    void loadReadsOnlyWhatTheFileHolds();
    void failedSaveIsShownAndChangesNothing();
    void failedSaveNamesTheFileAndKeepsTheOldOne_data();
    void failedSaveNamesTheFileAndKeepsTheOldOne();

private:
    QString CasePath() const;
    void WriteCaseFile(const QByteArray& text) const;
    QByteArray ReadCaseFile() const;

    std::unique_ptr<TWindowFixture> m_fixture;
    std::unique_ptr<TMainForm> m_form;
};
