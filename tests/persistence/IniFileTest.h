#pragma once

#include <QObject>
#include <QTemporaryDir>

class IniFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileReadsAsEmpty();
    void sectionsAndKeysComeInFileOrder();
    void namesMatchWithoutLetterCase();
    void listedNamesAndValuesReadBack_data();
    void listedNamesAndValuesReadBack();
    void textEncodingOfTheFile_data();
    void textEncodingOfTheFile();
    void firstOfRepeatedNamesCounts_data();
    void firstOfRepeatedNamesCounts();
    void readInteger_data();
    void readInteger();
    void readFloat_data();
    void readFloat();
    void readFloatIgnoresTheLocale();
    void writtenValuesReadBack();
    void updateKeepsEverythingElse();
    void updateWritesUtf8();
    void updateKeepsWhatWasRead_data();
    void updateKeepsWhatWasRead();
    void updateOfAnUnchangedFileLeavesIt_data();
    void updateOfAnUnchangedFileLeavesIt();
    void failedUpdateThrowsAndKeepsTheFile_data();
    void failedUpdateThrowsAndKeepsTheFile();
    void fileThatCannotBeReadIsEmptyAndKept_data();
    void fileThatCannotBeReadIsEmptyAndKept();

private:
    QString WriteFile(const QString& name, const QByteArray& content);

    std::unique_ptr<QTemporaryDir> m_dir;
};
