#include "CaseArguments.h"

#include "CaseInputError.h"
#include "ConvertError.h"
#include "Hx.h"
#include "LookupTables.h"
#include "NumberParse.h"
#include "NumberText.h"

#include <array>

namespace {

constexpr std::array<const char*, TCaseArguments::Count> valueNames = {
    "HOT", "THI", "THO", "MH", "COLD", "TCI", "TCO", "MC", "TYPE", "UO", "AO", "Q", "MASK"};

[[noreturn]] void RaiseBadValue(int index, const std::string& reason)
{
    throw ECaseInputError(std::string(valueNames[index]) + " (value " + std::to_string(index + 1) +
                          "): " + reason);
}

// Reads the values in order, naming the first one that does not convert.
class TValueReader
{
public:
    TValueReader(const QStringList& values, qsizetype first) : m_values(values), m_at(first) {}

    void Read(int& target)
    {
        ReadWith(target, [](const QString& t) { return StrToInt(t); });
    }
    void Read(double& target)
    {
        ReadWith(target, [](const QString& t) { return StrToFloat(t); });
    }

private:
    template <typename T, typename Convert> void ReadWith(T& target, Convert convert)
    {
        try {
            target = convert(m_values[m_at++]);
        } catch (const EConvertError& error) {
            RaiseBadValue(m_index, error.what());
        }
        ++m_index;
    }

    const QStringList& m_values;
    qsizetype m_at;
    int m_index = 0;
};

template <typename Entry>
const Entry& TableEntry(const Entry* entry, int valueIndex, int index, const char* table,
                        qsizetype size)
{
    if (!entry)
        RaiseBadValue(valueIndex, std::to_string(index) + " is not an entry of the " + table +
                                      " table (" +
                                      (size == 0 ? std::string("it is empty")
                                                 : "entries 0 to " + std::to_string(size - 1)) +
                                      ")");
    return *entry;
}

} // namespace

const char* TCaseArguments::ValueName(int index)
{
    return valueNames.at(std::size_t(index));
}

TCaseArguments TCaseArguments::Parse(const QStringList& values, qsizetype first)
{
    if (first < 0 || values.size() - first != Count)
        throw ECaseInputError("expected " + std::to_string(Count) + " values but found " +
                              std::to_string(std::max<qsizetype>(values.size() - first, 0)));
    TCaseArguments a;
    TValueReader reader(values, first);
    reader.Read(a.hotFluid);
    reader.Read(a.thi);
    reader.Read(a.tho);
    reader.Read(a.mh);
    reader.Read(a.coldFluid);
    reader.Read(a.tci);
    reader.Read(a.tco);
    reader.Read(a.mc);
    reader.Read(a.heatXType);
    reader.Read(a.Uo);
    reader.Read(a.Ao);
    reader.Read(a.Q);
    reader.Read(a.mask);
    return a;
}

TCaseArguments TCaseArguments::FromCaseLine(const QString& line)
{
    const QStringList fields = SplitTextToArray(line, u',');
    if (fields.isEmpty() ||
        fields[0].compare(QLatin1StringView("Kelvane"), Qt::CaseInsensitive) != 0)
        throw ECaseInputError("not a case line: it must start with \"Kelvane,\"");
    if (fields.size() != Count + 1)
        throw ECaseInputError("expected " + std::to_string(Count) +
                              " values after the tag but found " +
                              std::to_string(fields.size() - 1));
    return Parse(fields, 1);
}

void TCaseArguments::ApplyTo(THx& hx, const TLookupTables& tables) const
{
    const TFluid& hot =
        TableEntry(tables.FluidAt(hotFluid), 0, hotFluid, "fluid", tables.Fluids().size());
    const TFluid& cold =
        TableEntry(tables.FluidAt(coldFluid), 4, coldFluid, "fluid", tables.Fluids().size());
    const THeatXTypeEntry& type = TableEntry(tables.HeatXTypeAt(heatXType), 8, heatXType,
                                             "exchanger type", tables.HeatXTypes().size());
    hx.thi = thi;
    hx.tho = tho;
    hx.mh = mh;
    hx.tci = tci;
    hx.tco = tco;
    hx.mc = mc;
    hx.Uo = 0.001 * Uo;
    hx.Ao = Ao;
    hx.Q = Q;
    hx.SetHotFluid(hot.name);
    hx.cph = hot.cp;
    hx.SetColdFluid(cold.name);
    hx.cpc = cold.cp;
    hx.SetHeatXType(type.name);
}
