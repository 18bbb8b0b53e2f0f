#include "LookupTables.h"

#include "ArrangementError.h"
#include "Format.h"
#include "IniFile.h"
#include "NumberParse.h"

#include <QDir>
#include <QFileInfo>

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

// The number under `key`; a text that is no finite number leaves `value` at
// its default and says so in `problem`.
void ReadNumber(const TIniFile& ini, const QString& section, const QString& key, double& value,
                QString& problem)
{
    if (!ini.KeyExists(section, key))
        return;
    const QString text = ini.ReadString(section, key, QString());
    if (TryStrToFloat(text, value))
        return;
    problem = Format(QStringLiteral("%s, section [%s], %s \"%s\" is not a number: %s is used"),
                     {QFileInfo(ini.FileName()).fileName(), section, key, QuotedExcerpt(text),
                      FloatToRoundTripText(value)});
}

// (section, number under `key`) for every section of the file, in file order.
template <typename Entry>
QList<Entry> ReadTable(const TIniFile& ini, const QString& key, double Entry::*value,
                       double defaultValue)
{
    QList<Entry> entries;
    for (const QString& section : ini.Sections()) {
        Entry entry;
        entry.name = section;
        entry.*value = defaultValue;
        ReadNumber(ini, section, key, entry.*value, entry.tableProblem);
        entries.append(entry);
    }
    return entries;
}

void ReadArrangement(const TIniFile& ini, THeatXTypeEntry& type)
{
    const QString key = QLatin1StringView(TLookupTables::ArrangementKey);
    if (!ini.KeyExists(type.name, key))
        return;
    const QString value = ini.ReadString(type.name, key, QString());
    if (const std::optional<TFlowArrangement> arrangement = TFlowArrangement::FromKey(value))
        type.arrangement = *arrangement;
    else
        type.arrangementError =
            Format(QStringLiteral("unknown arrangement \"%s\" in %s, section [%s]"),
                   {value, QFileInfo(ini.FileName()).fileName(), type.name});
}

// A fouling resistance that is no number is offered as none, and reported.
void ReadFouling(const TIniFile& ini, TFluid& fluid, QStringList& problems)
{
    const QString key = QStringLiteral("fouling");
    if (!ini.KeyExists(fluid.name, key))
        return;
    double value = 0;
    QString problem;
    ReadNumber(ini, fluid.name, key, value, problem);
    if (problem.isEmpty())
        fluid.fouling = value;
    else
        problems << problem.left(problem.lastIndexOf(u':')) + QStringLiteral(": none is offered");
}

} // namespace

const TFlowArrangement& THeatXTypeEntry::Arrangement() const
{
    if (!arrangementError.isEmpty())
        throw EArrangementError(arrangementError.toStdString());
    return arrangement;
}

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
    const TIniFile ini(path);
    m_fluids = ReadTable(ini, QStringLiteral("cp"), &TFluid::cp, DefaultFluidCp);
    for (TFluid& fluid : m_fluids)
        ReadFouling(ini, fluid, m_problems);
}

void TLookupTables::LoadHeatXTypes(const QString& path)
{
    const TIniFile ini(path);
    m_types = ReadTable(ini, QStringLiteral("Uo"), &THeatXTypeEntry::Uo, DefaultTypeUo);
    for (THeatXTypeEntry& type : m_types)
        ReadArrangement(ini, type);
}

QStringList TLookupTables::FluidNames() const
{
    return NamesOf(m_fluids);
}

QStringList TLookupTables::HeatXTypeNames() const
{
    return NamesOf(m_types);
}

QStringList TLookupTables::Problems() const
{
    QStringList problems;
    for (const TFluid& fluid : m_fluids)
        if (!fluid.tableProblem.isEmpty())
            problems << fluid.tableProblem;
    for (const THeatXTypeEntry& type : m_types)
        if (!type.tableProblem.isEmpty())
            problems << type.tableProblem;
    return problems + m_problems;
}

const TFluid* TLookupTables::FluidAt(int index) const
{
    return EntryAt(m_fluids, index);
}

const THeatXTypeEntry* TLookupTables::HeatXTypeAt(int index) const
{
    return EntryAt(m_types, index);
}
