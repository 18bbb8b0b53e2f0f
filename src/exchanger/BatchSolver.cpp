#include "BatchSolver.h"

#include "CaseArguments.h"
#include "CaseInput.h"
#include "CaseInputError.h"
#include "CaseSolve.h"
#include "CsvWriter.h"
#include "HxFields.h"
#include "LineReader.h"

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
    for (const THxNumberField& field : HxAllowanceFields)
        csv.AddText(QLatin1StringView(field.name));
    csv.AddText(QLatin1StringView("findings"));
    csv.AddText(QLatin1StringView("status"));
    csv.EndRow();
}

// A line that does not parse and a case without a solution are reported, not
// raised: a batch of them would otherwise spend most of its time unwinding.
void TBatchSolver::SolveLine(const QString& line, TCsvWriter& csv)
{
    TCaseArguments arguments;
    if (const std::string problem = arguments.ReadCaseLine(line); !problem.empty()) {
        WriteFailure(csv, QString::fromStdString(problem));
        return;
    }
    TCaseInput input;
    try {
        input = arguments.Input(m_tables);
    } catch (const ECaseInputError& error) {
        WriteFailure(csv, QString::fromStdString(error.what()));
        return;
    }
    const TCaseResult result = SolveCase(input, m_initial);
    if (result.failure) {
        WriteFailure(csv, result.failure->Text());
        return;
    }
    const THx& hx = result.hx;
    for (const THxTextField& field : HxTextFields)
        csv.AddText(field.text(hx));
    for (const THxNumberField& field : HxNumberFields)
        csv.AddNumber(hx.Result(field.member));
    csv.AddText(hx.arrangement.Key());
    csv.AddNumber(hx.Result(HxCorrectionFactorField.member));
    for (const THxNumberField& field : HxAllowanceFields)
        csv.AddNumber(hx.Result(field.member));
    csv.AddText(result.verdict.Findings().join(FindingSeparator));
    if (result.verdict.IsInfeasible())
        csv.AddText(QStringLiteral("Infeasible: ") + result.verdict.Findings().first());
    else
        csv.AddText(QLatin1StringView("Solved"));
    csv.EndRow();
}
