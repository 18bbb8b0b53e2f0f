#include "BatchSolver.h"

#include "ArrangementError.h"
#include "CaseArguments.h"
#include "CaseInputError.h"
#include "CsvWriter.h"
#include "CurrentHx.h"
#include "Feasibility.h"
#include "HxFields.h"
#include "LineReader.h"
#include "SolveOutcome.h"

#include <QIODevice>

namespace {

// Between the findings of one cell; no finding contains ';'.
constexpr QLatin1StringView FindingSeparator("; ");

void WriteFailure(TCsvWriter& csv, const QString& status)
{
    // The record's fields, the arrangement, F and the findings stay empty.
    for (std::size_t i = 0; i < HxOutputCount + 1; ++i)
        csv.AddEmpty();
    csv.AddText(status);
    csv.EndRow();
}

// The status of a line the reader did not keep.
QString TooLongText(const TLineReader& reader)
{
    const QString text =
        QStringLiteral("line longer than %1 bytes: not a case line").arg(reader.LineLimit());
    if (!reader.Abandoned())
        return text;
    return text + QStringLiteral(", and no line end within %1 bytes: the rest of the input "
                                 "is not read")
                      .arg(reader.SkipLimit());
}

} // namespace

TBatchSolver::TBatchSolver(TLookupTables tables) : m_tables(std::move(tables))
{
    SetInitialCase(m_initial);
    m_initial.Solve(InitialCaseMask);
}

void TBatchSolver::Run(QIODevice& in, QIODevice& out)
{
    TCsvWriter csv(out);
    WriteHeader(csv);
    TLineReader reader(in);
    QByteArrayView line;
    while (reader.ReadLine(line)) {
        if (reader.LineTooLong())
            WriteFailure(csv, TooLongText(reader));
        else
            SolveLine(QString::fromUtf8(line), csv);
    }
    csv.Flush();
}

void TBatchSolver::WriteHeader(TCsvWriter& csv)
{
    for (const THxTextField& field : HxTextFields)
        csv.AddText(QLatin1StringView(field.name));
    for (const THxNumberField& field : HxNumberFields)
        csv.AddText(QLatin1StringView(field.name));
    csv.AddText(QLatin1StringView(HxArrangementName));
    csv.AddText(QLatin1StringView(HxCorrectionFactorField.name));
    csv.AddText(QLatin1StringView("findings"));
    csv.AddText(QLatin1StringView("status"));
    csv.EndRow();
}

// A line that does not parse and a case without a solution are reported, not
// raised: a batch of them would otherwise spend most of its time unwinding.
void TBatchSolver::SolveLine(const QString& line, TCsvWriter& csv)
{
    TVerdict verdict;
    try {
        TCaseArguments arguments;
        if (const std::string problem = arguments.ReadCaseLine(line); !problem.empty()) {
            WriteFailure(csv, QString::fromStdString(problem));
            return;
        }
        m_hx = m_initial;
        arguments.ApplyTo(m_hx, m_tables);
        const THx given = m_hx;
        if (const std::optional<TMathFault> fault = m_hx.SolveOrFault(arguments.mask)) {
            WriteFailure(csv, NoSolutionText(*fault));
            return;
        }
        verdict = JudgeSolve(given, m_hx, arguments.mask);
    } catch (const ECaseInputError& error) {
        WriteFailure(csv, QString::fromStdString(error.what()));
        return;
    } catch (const EMathError& error) {
        // Raised outside the checked arithmetic: an overflow of the diagnostic products.
        WriteFailure(csv, NoSolutionText(error));
        return;
    } catch (const EArrangementError& error) {
        WriteFailure(csv, NoSolutionText(error));
        return;
    }
    for (const THxTextField& field : HxTextFields)
        csv.AddText(m_hx.*field.member);
    for (const THxNumberField& field : HxNumberFields)
        csv.AddNumber(m_hx.Result(field.member));
    csv.AddText(m_hx.arrangement.Key());
    csv.AddNumber(m_hx.Result(HxCorrectionFactorField.member));
    csv.AddText(verdict.Findings().join(FindingSeparator));
    if (verdict.IsInfeasible())
        csv.AddText(QStringLiteral("Infeasible: ") + verdict.Findings().first());
    else
        csv.AddText(QLatin1StringView("Solved"));
    csv.EndRow();
}
