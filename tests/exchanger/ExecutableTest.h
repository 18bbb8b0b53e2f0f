#pragma once

#include <QObject>

// The built kelvane program from the outside, with its shipped tables.
class ExecutableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void solvesTheInitialCase();
    void exitCodes_data();
    void exitCodes();
    void versionIsTheBuildVersion();
    void batchFromStandardInput();

private:
    QString m_program;
};
