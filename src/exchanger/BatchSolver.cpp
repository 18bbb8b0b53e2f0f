#include "BatchSolver.h"

#include "CaseArguments.h"
#include "CaseInputError.h"
#include "CsvWriter.h"
#include "CurrentHx.h"
#include "HxFields.h"
#include "LineReader.h"
#include "SolveOutcome.h"

#include <QIODevice>

namespace {

void WriteFailure(TCsvWriter& csv, const QString& status)
{
    for (std::size_t i = 0; i < std::size(HxTextFields) + std::size(HxNumberFields); ++i)
        csv.AddEmpty();
    csv.AddText(status);
    csv.EndRow();
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
    while (reader.ReadLine(line))
        SolveLine(QString::fromUtf8(line), csv);
    csv.Flush();
}

void TBatchSolver::WriteHeader(TCsvWriter& csv)
{
    for (const THxTextField& field : HxTextFields)
        csv.AddText(QLatin1StringView(field.name));
    for (const THxNumberField& field : HxNumberFields)
        csv.AddText(QLatin1StringView(field.name));
    csv.AddText(QLatin1StringView("status"));
    csv.EndRow();
}

// A line that does not parse and a case without a solution are reported, not
// raised: a batch of them would otherwise spend most of its time unwinding.
void TBatchSolver::SolveLine(const QString& line, TCsvWriter& csv)
{
    try {
        TCaseArguments arguments;
        if (const std::string problem = arguments.ReadCaseLine(line); !problem.empty()) {
            WriteFailure(csv, QString::fromStdString(problem));
            return;
        }
        m_hx = m_initial;
        arguments.ApplyTo(m_hx, m_tables);
        if (const std::optional<TMathFault> fault = m_hx.SolveOrFault(arguments.mask)) {
            WriteFailure(csv, NoSolutionText(*fault));
            return;
        }
    } catch (const ECaseInputError& error) {
        WriteFailure(csv, QString::fromStdString(error.what()));
        return;
    }
    for (const THxTextField& field : HxTextFields)
        csv.AddText(m_hx.*field.member);
    for (const THxNumberField& field : HxNumberFields)
        csv.AddNumber(m_hx.*field.member);
    csv.AddText(QLatin1StringView("Solved"));
    csv.EndRow();
}
