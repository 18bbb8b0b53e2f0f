#pragma once

#include <QObject>

class TestMakerRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noMakerKeyGivesDefaults();
    void storedValuesWinEvenWhenEmpty();

private:
    QString m_configHome;
};
