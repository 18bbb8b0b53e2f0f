#pragma once

#include <QObject>

class MakerRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noMakerKeyGivesDefaults();
    void storedValuesWinEvenWhenEmpty();

private:
    QString m_configHome;
};
