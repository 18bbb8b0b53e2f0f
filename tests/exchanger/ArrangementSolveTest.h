#pragma once

#include <QObject>
#include <QTemporaryDir>

// The solver, results text and headless outputs with a flow arrangement: where
// it cannot reach the effectiveness, what the page and diagnostics add, and a
// type table that names an unknown arrangement.
class ArrangementSolveTest : public QObject
{
    Q_OBJECT

private slots:
    void unreachableEffectivenessStopsTheSolve_data();
    void unreachableEffectivenessStopsTheSolve();
    void effectivenessOfOneIsAPinch();
    void resultsNameTheArrangementAndF_data();
    void resultsNameTheArrangementAndF();
    void unknownArrangementIsNoSolution();

private:
    QString ProgramFolderWithTypes(const QByteArray& types);
    QTemporaryDir m_dir;
};
