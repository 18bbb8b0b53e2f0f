#pragma once

#include "FlowArrangement.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A fluid of the fluid table: its name and specific heat, kJ/(kg·K).
struct TFluid
{
    QString name;
    double cp = 1.0;
    // Why the table's cp was not used; empty when it was (or the key is missing).
    QString tableProblem;
    // The table's typical fouling resistance, m²·K/W, offered as the stream's
    // when the fluid is chosen; none where the table gives no number.
    std::optional<double> fouling;
};

// An exchanger type of the type table: its name, default Uo, W/m²°C, and flow
// arrangement (counter flow when the section names none).
struct THeatXTypeEntry
{
    QString name;
    double Uo = 20.0;
    TFlowArrangement arrangement;
    // Why the section's arrangement is not known; empty when it is.
    QString arrangementError;
    // Why the table's Uo was not used; empty when it was (or the key is missing).
    QString tableProblem;

    // The arrangement; raises EArrangementError when the section names an unknown one.
    const TFlowArrangement& Arrangement() const;
};

// The fluid table "fluids.ini" and the exchanger type table "heatxtype.ini" of
// the program folder. Sections in file order are the entries (the drop-down
// order); a missing key or a value that is not a finite number gives cp 1.0 and
// Uo 20.0, and the latter is a table problem that names the file, section, key
// and text; a missing file gives an empty table. A type's optional key "arrangement" names
// its flow arrangement; an unknown one keeps the type listed and is reported
// when the type is used. Lookups by index never read out of range.
class TLookupTables
{
public:
    static constexpr const char* FluidFileName = "fluids.ini";
    static constexpr const char* HeatXTypeFileName = "heatxtype.ini";
    static constexpr double DefaultFluidCp = 1.0;
    static constexpr double DefaultTypeUo = 20.0;
    static constexpr const char* ArrangementKey = "arrangement";

    // Both tables from `folder` (the program folder; with or without a trailing "/").
    static TLookupTables LoadFrom(const QString& folder);
    void LoadFluids(const QString& path);
    void LoadHeatXTypes(const QString& path);

    const QList<TFluid>& Fluids() const { return m_fluids; }
    const QList<THeatXTypeEntry>& HeatXTypes() const { return m_types; }
    QStringList FluidNames() const;
    QStringList HeatXTypeNames() const;
    // Every table problem of both tables, fluids first, in file order.
    QStringList Problems() const;

    // nullptr when `index` is not an entry (an empty table, -1, past the end).
    const TFluid* FluidAt(int index) const;
    const THeatXTypeEntry* HeatXTypeAt(int index) const;

private:
    QList<TFluid> m_fluids;
    QStringList m_problems; // of values no case uses
    QList<THeatXTypeEntry> m_types;
};
