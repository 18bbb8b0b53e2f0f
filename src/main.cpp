#include "HeadlessSolver.h"
#include "ProgramStartup.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// No display needed: only Qt Core runs.
int RunHeadless(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    QFile in;
    QFile out;
    QFile err;
    in.open(0, QIODevice::ReadOnly);
    out.open(1, QIODevice::WriteOnly);
    err.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const THeadlessSolver solver(QCoreApplication::applicationDirPath(),
                                 QStringLiteral(KELVANE_VERSION));
    return solver.Run(arguments, in, out, err);
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (THeadlessSolver::IsHeadlessCommand(arguments))
        return RunHeadless(argc, argv, arguments);
    return RunMainWindow(argc, argv);
}
