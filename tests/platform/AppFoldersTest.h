#pragma once

#include <QObject>
#include <QTemporaryDir>

class AppFoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void addTrailingBackslash_data();
    void addTrailingBackslash();
    void makerFolder_data();
    void makerFolder();
    void appRegistryKey_data();
    void appRegistryKey();
    void appRegistryKeyOfTheRunningProgram();
    void foldersFromSources();
    void makerFolderAboveTheExecutable();
    void noDocumentsFolderStopsStartUp();
    void userDataFolderFallsBackToExeFolder();
    void systemFoldersUseTheDesktopLocations();
    void ownerNameFromGecos_data();
    void ownerNameFromGecos();
    void organizationFromTheEnvironment();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
