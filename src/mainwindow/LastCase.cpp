#include "LastCase.h"

#include "CaseInputs.h"
#include "Format.h"
#include "NumberParse.h"
#include "SettingsStore.h"

#include <QString>
#include <cmath>
#include <limits>

namespace {

static_assert(TLastCase::FieldCount == CaseInputCount);

// A section of the store: one drop-down (none for the allowances) and the three
// fields below it.
struct TGroup
{
    const char* section;
    int TLastCase::*index;
    int firstField;
};

constexpr int FieldsPerGroup = 3;

const TGroup Groups[] = {
    {"HotFluid", &TLastCase::hotFluid, 0},
    {"ColdFluid", &TLastCase::coldFluid, 3},
    {"HeatXType", &TLastCase::heatXType, 6},
    {"Allowances", nullptr, 9},
};

const QString IndexName = QStringLiteral("index");
const QString UnitsSection = QStringLiteral("DisplayUnits");
const QString GivenSection = QStringLiteral("Given");
const QString MaskName = QStringLiteral("mask");

// The case input's name is the value's name in the store.
QString FieldName(int field)
{
    return QLatin1String(CaseInputRows[field].name);
}

// A value as its shortest round-trip text, or as the raw double earlier
// versions stored; none unless it is a finite number.
std::optional<double> ReadValue(const TSettingsStore& store, const QString& section,
                                const QString& name)
{
    double value = std::numeric_limits<double>::quiet_NaN();
    if (!TryStrToFloat(store.ReadString(section, name, QString()), value))
        value = store.ReadFloat(section, name, std::numeric_limits<double>::quiet_NaN());
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace

TLastCase TLastCase::ResetCase()
{
    TLastCase reset;
    reset.hotFluid = 0;
    reset.coldFluid = 1;
    reset.heatXType = 0;
    for (const TCaseInputRow& row : CaseInputRows)
        reset.values[row.bit] = row.resetValue;
    return reset;
}

TLastCase TLastCase::Read(const TSettingsStore& store, const TLastCase& current)
{
    TLastCase last = current;
    for (const TGroup& group : Groups) {
        const QString section = QLatin1String(group.section);
        if (group.index)
            last.*group.index = store.ReadInteger(section, IndexName, current.*group.index);
        for (int field = group.firstField; field < group.firstField + FieldsPerGroup; ++field) {
            if (const std::optional<double> stored = ReadValue(store, section, FieldName(field)))
                last.values[field] = *stored;
        }
    }
    const int mask = store.ReadInteger(GivenSection, MaskName, -1);
    if (mask >= 0 && mask < (1 << MaskedValueCount))
        last.mask = mask;
    for (int field = 0; field < FieldCount; ++field)
        last.units[field] = store.ReadInteger(UnitsSection, FieldName(field), current.units[field]);
    return last;
}

void TLastCase::Write(TSettingsStore& store) const
{
    for (const TGroup& group : Groups) {
        const QString section = QLatin1String(group.section);
        if (group.index)
            store.WriteInteger(section, IndexName, this->*group.index);
        for (int field = group.firstField; field < group.firstField + FieldsPerGroup; ++field) {
            if (values[field])
                store.WriteString(section, FieldName(field), FloatToRoundTripText(*values[field]));
        }
    }
    if (mask)
        store.WriteInteger(GivenSection, MaskName, *mask);
    for (int field = 0; field < FieldCount; ++field)
        store.WriteInteger(UnitsSection, FieldName(field), units[field]);
}
