#pragma once

#include <QObject>

class VerInfoResTest : public QObject
{
    Q_OBJECT

private slots:
    void runningProgramHasBuiltInVersion();
    void otherFilesHaveNone_data();
    void otherFilesHaveNone();
    void stringsComeFromTheFirstTranslation();
    void missingProductNameGivesBlankCaption();
    void fileVersionWords_data();
    void fileVersionWords();
    void constructionErrors_data();
    void constructionErrors();
    void subBlockLookupIgnoresCase();
    void entryIndexOutOfRangeThrows();
    void truncatedBlocksAreRefused();
    void corruptLengthsStayInsideTheBlock();
};
