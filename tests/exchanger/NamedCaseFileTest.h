#pragma once

#include <QObject>
#include <QTemporaryDir>

// Case files the user names (TCaseFile, behind Open and Save As): the file
// on disk, what reads back, and every way a file can fail to read or write.
class NamedCaseFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writtenFileIsTheSaveLayoutWithTheMask();
    void writtenCaseReadsBack_data();
    void writtenCaseReadsBack();
    void loadReadsTheNineValuesOfANamedFile();
    void allowancesReadBackAndOldFilesHaveNone();
    void fileWithoutMaskOrNamesGivesNone();
    void unreadableFileGivesTheReason_data();
    void unreadableFileGivesTheReason();
    void hostileFileIsRefusedUnread_data();
    void hostileFileIsRefusedUnread();
    void failedWriteGivesTheReasonAndKeepsTheOldFile_data();
    void failedWriteGivesTheReasonAndKeepsTheOldFile();
    void refusedPermissionsGiveTheReason();

private:
    QString PathOf(const QString& name) const;

    QTemporaryDir m_folder;
};
