#include "CaseInput.h"

#include "Hx.h"

TCaseInput TCaseInput::Initial()
{
    TCaseInput input;
    for (const TCaseInputRow& row : CaseInputRows)
        input.values[row.bit] = row.initialValue;
    input.mask = InitialCaseMask;
    for (auto [fluid, name] : {std::pair{&input.hotFluid, QStringLiteral("air")},
                               std::pair{&input.coldFluid, QStringLiteral("water")}}) {
        fluid->name = name;
        fluid->cp = THx::DefaultCp(name);
    }
    input.heatXType.name = QStringLiteral("fin and tube");
    return input;
}

void TCaseInput::ApplyTo(THx& hx) const
{
    for (const TCaseInputRow& row : CaseInputRows)
        hx.*row.member = values[row.bit];
    hx.hotFluid = hotFluid.name;
    hx.cph = hotFluid.cp;
    hx.coldFluid = coldFluid.name;
    hx.cpc = coldFluid.cp;
    hx.SetHeatXType(heatXType.name);
    hx.arrangement = heatXType.arrangement;
}

QStringList TCaseInput::TableProblems() const
{
    QStringList problems;
    for (const QString& problem :
         {hotFluid.tableProblem, coldFluid.tableProblem, heatXType.tableProblem})
        if (!problem.isEmpty() && !problems.contains(problem))
            problems << problem;
    return problems;
}

void SetInitialCase(THx& hx)
{
    TCaseInput::Initial().ApplyTo(hx);
}
