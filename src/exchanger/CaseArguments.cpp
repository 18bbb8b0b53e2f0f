#include "CaseArguments.h"

#include "CaseInputError.h"
#include "ConvertError.h"
#include "Hx.h"
#include "LookupTables.h"
#include "NumberParse.h"

#include <array>

namespace {

constexpr std::array<const char*, TCaseArguments::Count> valueNames = {
    "HOT", "THI", "THO", "MH", "COLD", "TCI", "TCO", "MC", "TYPE", "UO", "AO", "Q", "MASK"};

[[noreturn]] void RaiseBadValue(int index, const std::string& reason)
{
    throw ECaseInputError(std::string(valueNames[index]) + " (value " + std::to_string(index + 1) +
                          "): " + reason);
}

// Reads the values in order, naming the first one that does not convert. The
// values are views into the caller's text: no copy is made per value.
class TValueReader
{
public:
    explicit TValueReader(const QStringView* values) : m_values(values) {}

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
        const QStringView value = m_values[m_index];
        try {
            target = convert(QString::fromRawData(value.data(), value.size()));
        } catch (const EConvertError& error) {
            RaiseBadValue(m_index, error.what());
        }
        ++m_index;
    }

    const QStringView* m_values;
    int m_index = 0;
};

bool IsTrimmable(QChar c)
{
    return c.unicode() <= ' ';
}

QStringView Trimmed(QStringView text)
{
    while (!text.isEmpty() && IsTrimmable(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsTrimmable(text.back()))
        text.chop(1);
    return text;
}

// The fields of a case line, split as SplitTextToArray splits at commas (the
// whole text trimmed; each field up to its comma as it stands; the rest after a
// comma trimmed; an empty last rest adds nothing), as views into the line. Keeps
// the first `fields.size()` fields and returns how many there are.
template <std::size_t N>
qsizetype SplitCaseLine(QStringView line, std::array<QStringView, N>& fields)
{
    qsizetype count = 0;
    QStringView rest = Trimmed(line);
    for (qsizetype comma = rest.indexOf(u','); comma >= 0; comma = rest.indexOf(u',')) {
        if (count < qsizetype(N))
            fields[std::size_t(count)] = rest.first(comma);
        ++count;
        rest = Trimmed(rest.sliced(comma + 1));
    }
    if (!rest.isEmpty()) {
        if (count < qsizetype(N))
            fields[std::size_t(count)] = rest;
        ++count;
    }
    return count;
}

TCaseArguments ParseValues(const QStringView* values)
{
    TCaseArguments a;
    TValueReader reader(values);
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

TCaseArguments TCaseArguments::Parse(const QStringList& values, qsizetype first)
{
    if (first < 0 || values.size() - first != Count)
        throw ECaseInputError("expected " + std::to_string(Count) + " values but found " +
                              std::to_string(std::max<qsizetype>(values.size() - first, 0)));
    std::array<QStringView, Count> views;
    for (int i = 0; i < Count; ++i)
        views[std::size_t(i)] = values[first + i];
    return ParseValues(views.data());
}

TCaseArguments TCaseArguments::FromCaseLine(const QString& line)
{
    std::array<QStringView, Count + 1> fields;
    const qsizetype count = SplitCaseLine(line, fields);
    if (count == 0 || fields[0].compare(QLatin1StringView("Kelvane"), Qt::CaseInsensitive) != 0)
        throw ECaseInputError("not a case line: it must start with \"Kelvane,\"");
    if (count != Count + 1)
        throw ECaseInputError("expected " + std::to_string(Count) +
                              " values after the tag but found " + std::to_string(count - 1));
    return ParseValues(fields.data() + 1);
}

void TCaseArguments::ApplyTo(THx& hx, const TLookupTables& tables) const
{
    const TFluid& hot =
        TableEntry(tables.FluidAt(hotFluid), 0, hotFluid, "fluid", tables.Fluids().size());
    const TFluid& cold =
        TableEntry(tables.FluidAt(coldFluid), 4, coldFluid, "fluid", tables.Fluids().size());
    const THeatXTypeEntry& type = TableEntry(tables.HeatXTypeAt(heatXType), 8, heatXType,
                                             "exchanger type", tables.HeatXTypes().size());
    const TFlowArrangement& arrangement = type.Arrangement();
    hx.thi = thi;
    hx.tho = tho;
    hx.mh = mh;
    hx.tci = tci;
    hx.tco = tco;
    hx.mc = mc;
    hx.Uo = 0.001 * Uo;
    hx.Ao = Ao;
    hx.Q = Q;
    // The tables' specific heats stand in for the built-in ones.
    hx.hotFluid = hot.name;
    hx.cph = hot.cp;
    hx.coldFluid = cold.name;
    hx.cpc = cold.cp;
    hx.SetHeatXType(type.name);
    hx.arrangement = arrangement;
}
