#pragma once

#include <QObject>

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void valuesComeBackWithTheirKinds();
    void storedFileHoldsGroupsAndRawDoubles();
    void handWrittenValues_data();
    void handWrittenValues();
    void valuesOfEveryKind_data();
    void storeReadsWhatQSettingsWrote_data() { valuesOfEveryKind_data(); }
    void storeReadsWhatQSettingsWrote();
    void qsettingsReadsWhatTheStoreWrote_data() { valuesOfEveryKind_data(); }
    void qsettingsReadsWhatTheStoreWrote();
    void saveKeepsEveryOtherLine();
    void makerRecordUnderTheOrganisation();
    void sectionsCanBeListedAndErased();
    void keyPathMustNameTheMaker_data();
    void keyPathMustNameTheMaker();
    void unwritableStoreThrowsOnFlush();
    void fileThatCannotBeReadIsKept_data();
    void fileThatCannotBeReadIsKept();
    void emptyLockFileOfAKilledSaveDoesNotStallFlush();

private:
    // A store file written by hand, as another program or an older version left it.
    QString WriteStoreFile(const QString& program, const QByteArray& content);

    QString m_configHome;
};
