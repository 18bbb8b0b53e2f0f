#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class TCurrentHxScope;
class TMainForm;
class TRecordingPlatform;

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

    std::unique_ptr<QTemporaryDir> m_programDir;
    std::unique_ptr<TRecordingPlatform> m_platform;
    std::unique_ptr<TCurrentHxScope> m_currentHx;
    std::unique_ptr<TMainForm> m_form;
};
