#include "LookupTables.h"

#include "IniFile.h"

#include <QDir>

namespace {

template <typename Entry> const Entry* EntryAt(const QList<Entry>& entries, int index)
{
    return index >= 0 && index < entries.size() ? &entries[index] : nullptr;
}

template <typename Entry> QStringList NamesOf(const QList<Entry>& entries)
{
    QStringList names;
    names.reserve(entries.size());
    for (const Entry& entry : entries)
        names << entry.name;
    return names;
}

// (section, number under `key`) for every section of the file, in file order.
template <typename Entry>
QList<Entry> ReadTable(const QString& path, const QString& key, double defaultValue)
{
    const TIniFile ini(path);
    QList<Entry> entries;
    for (const QString& section : ini.Sections())
        entries.append({section, ini.ReadFloat(section, key, defaultValue)});
    return entries;
}

} // namespace

TLookupTables TLookupTables::LoadFrom(const QString& folder)
{
    const QDir dir(folder);
    TLookupTables tables;
    tables.LoadFluids(dir.filePath(QLatin1StringView(FluidFileName)));
    tables.LoadHeatXTypes(dir.filePath(QLatin1StringView(HeatXTypeFileName)));
    return tables;
}

void TLookupTables::LoadFluids(const QString& path)
{
    m_fluids = ReadTable<TFluid>(path, QStringLiteral("cp"), DefaultFluidCp);
}

void TLookupTables::LoadHeatXTypes(const QString& path)
{
    m_types = ReadTable<THeatXTypeEntry>(path, QStringLiteral("Uo"), DefaultTypeUo);
}

QStringList TLookupTables::FluidNames() const
{
    return NamesOf(m_fluids);
}

QStringList TLookupTables::HeatXTypeNames() const
{
    return NamesOf(m_types);
}

const TFluid* TLookupTables::FluidAt(int index) const
{
    return EntryAt(m_fluids, index);
}

const THeatXTypeEntry* TLookupTables::HeatXTypeAt(int index) const
{
    return EntryAt(m_types, index);
}
