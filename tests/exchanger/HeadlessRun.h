#pragma once

#include "HeadlessSolver.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

// What one in-process run of the headless solver gave: exit status, standard
// output and standard error.
struct THeadlessRun
{
    int code = -1;
    QString out;
    QString err;
};

// Runs the headless solver on `arguments` with the tables of `programFolder`,
// `input` as its standard input.
inline THeadlessRun RunHeadless(const QString& programFolder, const QString& version,
                                const QStringList& arguments, const QByteArray& input = {})
{
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    THeadlessRun run;
    run.code = THeadlessSolver(programFolder, version).Run(arguments, in, out, err);
    run.out = QString::fromUtf8(out.data());
    run.err = QString::fromUtf8(err.data());
    return run;
}
