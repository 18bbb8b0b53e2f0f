#pragma once

#include <array>
#include <optional>

class TSettingsStore;

// The case the main window remembers from one run to the next: the three
// drop-down selections, the twelve field values in the fields' base units (Uo
// in W/m²°C, margin in %), the ticks of their "given" check boxes and the display unit of
// each field. A plain value without
// widgets; the window copies its controls into one and back.
//
//   TLastCase last = TLastCase::Read(store, current); // the rest from `current`
//   last.Write(store);
//   store.Flush();
//
// In the store: sections "HotFluid", "ColdFluid" and "HeatXType", each with
// the drop-down's "index" (integer) and its three fields' values (texts named
// "thi" ... "Q", each the shortest that reads back as the same double; raw
// doubles, as earlier versions wrote them, read too), the section "Allowances"
// with "Rfh", "Rfc" and "margin" alike, the section "Given" with the check boxes'
// "mask" (integer, bit n for field n), and the section "DisplayUnits" with
// each field's unit index (integers named "thi" ... "margin").
struct TLastCase
{
    static constexpr int FieldCount = 12;

    int hotFluid = 0;
    int coldFluid = 0;
    int heatXType = 0;
    // In field order thi, tho, mh, tci, tco, mc, Uo, Ao, Q, Rfh, Rfc, margin;
    // empty for a field that holds no number.
    std::array<std::optional<double>, FieldCount> values{};
    // The ticked check boxes, bit n for field n; empty leaves the ticks as
    // they are.
    std::optional<int> mask;
    // Display unit indexes, in the same order.
    std::array<int, FieldCount> units{};

    // What Reset puts into the window, and so where restoring starts: fluids 0
    // and 1, type 0, the case inputs' reset values (CaseInputRows); units at 0;
    // no mask, so Reset leaves the ticks.
    static TLastCase ResetCase();

    // The remembered case. What the store lacks, holds as another kind or
    // holds as a value no field can show (not a number, infinite) or no mask
    // of nine ticks comes from `current`.
    static TLastCase Read(const TSettingsStore& store, const TLastCase& current);
    // Writes every item in the store's order; an empty value or mask leaves
    // the one remembered before.
    void Write(TSettingsStore& store) const;

    bool operator==(const TLastCase&) const = default;
};
