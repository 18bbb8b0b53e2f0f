#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

// A save stopped at any point, by a failed write or by killing the process,
// leaves each saved file either as it was or as the save meant to leave it:
// never truncated, never missing.
class InterruptedSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void failedFlushKeepsTheOldFile_data();
    void failedFlushKeepsTheOldFile();
    void failedFirstFlushLeavesNoFile();
    void killedSaveLoopLeavesOldOrNew();

private:
    // The two complete versions of the file of that kind.
    QByteArray Version(int kind, int version) const;

    std::unique_ptr<QTemporaryDir> m_references;
    std::unique_ptr<QTemporaryDir> m_dir;
};
