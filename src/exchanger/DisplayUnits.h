#pragma once

#include "ShownUnit.h"
#include "SpecMask.h"

#include <array>
#include <optional>

// A quantity of a case's results as the texts show it: each value the user
// gives, at its mask bit, and the three that only the results show.
enum TShownQuantity : int
{
    sqSpecificHeat = mbMargin + 1,
    sqCapacityRate,
    sqTemperatureDifference,
    ShownQuantityCount
};

// How the results page, the diagnostic lines and the findings show each
// quantity: in a display unit where one is set, otherwise as the record holds
// it, with the texts' own unit names and decimals. Without any unit set every
// text is the SI text the program has always written.
//
// Uo's unit shows Us too, Ao's Aclean and Areq, Q's Qmax and the duties of the
// diagnostic lines, margin's the overdesign.
class TDisplayUnits
{
public:
    // None set: the record's units.
    static const TDisplayUnits& Record();

    // `quantity` is a TMaskBit of a case input or a TShownQuantity; `unit`
    // converts from the record's unit.
    void Set(int quantity, TShownUnit unit);
    // None: the record's unit.
    const TShownUnit* Of(int quantity) const;

private:
    std::array<std::optional<TShownUnit>, ShownQuantityCount> m_units;
};
