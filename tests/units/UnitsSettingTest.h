#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

// The shared units settings table and its "units.ini" file.
class UnitsSettingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void registeredInTableOrder_data();
    void registeredInTableOrder();
    void loadWithoutFileKeepsDefaults();
    void saveWithoutFileWritesEveryKey();
    void loadReadsValuesAndKeepsDefaultsForBadKeys();
    void outOfRangeIndexWrittenBackUnchanged();
    void saveKeepsForeignSectionsAndKeys();
    void windowsFileReadsFirstValuesAndStaysWindows();
    void saveOfUnchangedSettingsLeavesTheFile();
    void folderThatCannotBeCreatedWritesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
