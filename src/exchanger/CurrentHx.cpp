#include "CurrentHx.h"

#include "Hx.h"

#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<THx> current;

} // namespace

THx& CurrentHx()
{
    if (!current)
        throw std::logic_error("CurrentHx used outside its start-up scope");
    return *current;
}

void SetInitialCase(THx& hx)
{
    hx.SetHotFluid(QStringLiteral("air"));
    hx.SetColdFluid(QStringLiteral("water"));
    hx.SetHeatXType(QStringLiteral("fin and tube"));
    hx.thi = 35.0;
    hx.tho = 12.0;
    hx.mh = 1.0;
    hx.tci = 6.0;
    hx.mc = 0.8;
    hx.Uo = 0.037;
}

TCurrentHxScope::TCurrentHxScope()
{
    if (current)
        throw std::logic_error("CurrentHx already exists");
    auto hx = std::make_unique<THx>();
    SetInitialCase(*hx);
    hx->Solve(InitialCaseMask);
    current = std::move(hx);
}

TCurrentHxScope::~TCurrentHxScope()
{
    current.reset();
}
