#include "DisplayUnits.h"

const TDisplayUnits& TDisplayUnits::Record()
{
    static const TDisplayUnits record;
    return record;
}

void TDisplayUnits::Set(int quantity, TShownUnit unit)
{
    m_units.at(std::size_t(quantity)) = std::move(unit);
}

const TShownUnit* TDisplayUnits::Of(int quantity) const
{
    const std::optional<TShownUnit>& unit = m_units.at(std::size_t(quantity));
    return unit ? &*unit : nullptr;
}
