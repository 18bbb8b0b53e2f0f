#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class XMLFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void createGivesAnEmptyDocument();
    void missingFileGivesEmptyRootAndDefaults();
    void savedFileHasTheIndentedLayout();
    void savedFileLoadsBack();
    void rootMatchesWithoutCaseChildrenExactly();
    void namespacedNamesMatchByLocalName();
    void firstOfTwoElementsIsRead();
    void readFloat_data();
    void readFloat();
    void readFloatDefaultPassesThroughText();
    void readWithoutParent();
    void writeStringUniqueOverwrites();
    void writeStringRefusesElementWithChildren();
    void writeWithoutParent();
    void findNodeCreatesOnceThenFinds();
    void findNodeKeepsOneDocumentElement();
    void attributesKeepTheirFirstPlace();
    void newDocumentDiscardsTheLoadedContent();
    void saveWithoutFileNameThrowsAndWritesNothing();
    void badFileGivesInvalidFormat_data();
    void badFileGivesInvalidFormat();
    void wellFormedFilesLoad_data();
    void wellFormedFilesLoad();
    void unreadableFileGivesInvalidFormat();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void statusTexts();

private:
    QString WriteFile(const QString& name, const QByteArray& content);

    std::unique_ptr<QTemporaryDir> m_dir;
};
