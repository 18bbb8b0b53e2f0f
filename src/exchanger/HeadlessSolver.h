#pragma once

#include "DisplayUnits.h"

#include <QString>
#include <QStringList>

class QIODevice;
class THx;
class TLookupTables;
struct TCaseResult;
class TVerdict;

// The command-line face of the solver, for scripts and parametric studies; needs
// no display:
//   --solve HOT THI THO MH COLD TCI TCO MC TYPE UO AO Q MASK [RFH RFC MARGIN]
//           [--json | --units si|us|metric]
//   --batch [FILE]        case lines from FILE ("-" or none: standard input) to CSV
//   --help, --version
// Tables are read from the given program folder when a case needs them.
class THeadlessSolver
{
public:
    enum TExitCode : int
    {
        ecSuccess = 0,
        ecNoSolution = 1,
        ecUsage = 2,
        ecInfeasible = 3
    };

    THeadlessSolver(QString programFolder, QString version);

    // Whether `arguments` (without the program path) ask for the headless solver
    // rather than the main window: the first one is one of the options above.
    static bool IsHeadlessCommand(const QStringList& arguments);
    // Whether `argument` has the form of an option: "-" and something that
    // does not continue a number ("-5", "-.5") or stand alone ("-", standard input).
    static bool LooksLikeOption(const QString& argument);
    static QString UsageText();

    // Runs the command in `arguments` (without the program path); returns the exit code.
    // Output that cannot be written ends it with ecNoSolution and "cannot write the output".
    int Run(const QStringList& arguments, QIODevice& in, QIODevice& out, QIODevice& err) const;

    // The record as one JSON object, numbers at full round-trip precision, then
    // "verdict" ("feasible", "warnings", "infeasible") and "findings" (texts).
    static QString JsonOf(const THx& hx, const TVerdict& verdict);
    // The four blocks of the results page as plain text, a blank line, the
    // diagnostic lines, each quantity in its unit of `units`.
    static QStringList TextOf(const THx& hx, const TDisplayUnits& units = TDisplayUnits::Record());

private:
    struct TCommand;
    int RunCommand(const QStringList& arguments, QIODevice& in, QIODevice& out,
                   QIODevice& err) const;
    int Solve(const TCommand& command, QIODevice& out, QIODevice& err) const;
    TLookupTables LoadTables(QIODevice& err) const;
    static void WriteSolved(const TCommand& command, const TCaseResult& result,
                            const TDisplayUnits& units, QIODevice& out);
    int Batch(const TCommand& command, QIODevice& in, QIODevice& out, QIODevice& err) const;

    QString m_programFolder;
    QString m_version;
};
