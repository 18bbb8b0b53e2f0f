#pragma once

#include <QObject>

// Every method of the solver on every flow arrangement of the shipped type
// table, through the built program's --solve --json, against an independent
// calculation of the same exchanger; and a duty one arrangement cannot reach.
class ArrangementExecutableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void methodsRecoverTheExchanger_data();
    void methodsRecoverTheExchanger();
    void oneShellPassCannotReachTheDuty();

private:
    QString m_program;
};
