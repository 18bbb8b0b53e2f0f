#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class RefrigLibTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileKeepsTheBuiltInRecord();
    void indexIsSortedWithInternalNumbers();
    void sectionIsLoadedOverTheBuiltInRecord();
    void windowsTextAndRepeatsReadAsOnWindows();
    void coefficientList_data();
    void coefficientList();
    void nonNumberInAListRaises();
    void sameNameInOtherCaseDoesNothing();
    void missingSectionFallsBackToBuiltIn();
    void startUpLoadsR22FromTheMakersCommonFolder();

private:
    QString WriteFile(const QString& path, const QByteArray& content);

    std::unique_ptr<QTemporaryDir> m_dir;
};
