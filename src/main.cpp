#include "HeadlessSolver.h"
#include "PlatformPath.h"
#include "ProgramStartup.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << TPlatformPath::FromBytes(argv[i]);
    return arguments;
}

// The headless solver on the standard streams, once an application object exists.
int RunSolver(const QStringList& arguments)
{
    QFile in;
    QFile out;
    QFile err;
    in.open(0, QIODevice::ReadOnly);
    // Unbuffered, so that a failed write is seen where it happens; the CSV writer
    // gathers its own large blocks.
    out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const THeadlessSolver solver(QFileInfo(TPlatformPath::ExecutablePath()).path(),
                                 QStringLiteral(KELVANE_VERSION));
    return solver.Run(arguments, in, out, err);
}

// No display needed: only Qt Core runs.
int RunHeadless(int argc, char** argv, const QStringList& arguments)
{
    const QCoreApplication app(argc, argv);
    return RunSolver(arguments);
}

// Qt's own options take one dash; a first argument of two that is not the
// window's own is the solver's to answer, so a mistyped command needs no display.
bool IsLongOptionOfTheSolver(const QStringList& arguments)
{
    return !arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--")) &&
           IsSolverOption(arguments.first());
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (THeadlessSolver::IsHeadlessCommand(arguments) || IsLongOptionOfTheSolver(arguments))
        return RunHeadless(argc, argv, arguments);
    // Qt's own options (-style, -platform...) may come first: the window's
    // start-up takes them out before it looks at the rest.
    return RunMainWindow(argc, argv, RunSolver);
}
