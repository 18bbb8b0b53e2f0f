#include "CaseArguments.h"

#include "CaseInput.h"
#include "CaseInputError.h"
#include "Format.h"
#include "Hx.h"
#include "LookupTables.h"
#include "NumberParse.h"

#include <algorithm>

namespace {

const QLatin1StringView CaseLineTag("Kelvane");
const QString CaseLineFormat =
    QStringLiteral("Kelvane,%d,%0.3f,%0.3f,%0.3f,%d,%0.3f,%0.3f,%0.3f,%d,%0.3f,%0.3f,%0.3f,%d");

// One value: its name in messages and usage texts, where it goes (an integer or a number) and, for
// the nine numbers, its bit in the mask of given values.
struct TValueSpec
{
    const char* name = nullptr;
    int TCaseArguments::*integer = nullptr;
    double TCaseArguments::*number = nullptr;
    int maskBit = -1;
};

constexpr std::array<TValueSpec, TCaseArguments::WithAllowances> ValueSpecs = {{
    {"HOT", &TCaseArguments::hotFluid, nullptr},
    {"THI", nullptr, &TCaseArguments::thi, mbThi},
    {"THO", nullptr, &TCaseArguments::tho, mbTho},
    {"MH", nullptr, &TCaseArguments::mh, mbMh},
    {"COLD", &TCaseArguments::coldFluid, nullptr},
    {"TCI", nullptr, &TCaseArguments::tci, mbTci},
    {"TCO", nullptr, &TCaseArguments::tco, mbTco},
    {"MC", nullptr, &TCaseArguments::mc, mbMc},
    {"TYPE", &TCaseArguments::heatXType, nullptr},
    {"UO", nullptr, &TCaseArguments::Uo, mbUo},
    {"AO", nullptr, &TCaseArguments::Ao, mbAo},
    {"Q", nullptr, &TCaseArguments::Q, mbQ},
    {"MASK", &TCaseArguments::mask, nullptr},
    {"RFH", nullptr, &TCaseArguments::Rfh, mbRfh},
    {"RFC", nullptr, &TCaseArguments::Rfc, mbRfc},
    {"MARGIN", nullptr, &TCaseArguments::margin, mbMargin},
}};

bool IsValueCount(qsizetype count)
{
    return count == TCaseArguments::Count || count == TCaseArguments::WithAllowances;
}

std::string CountProblem(qsizetype found, const char* where)
{
    return "expected " + std::to_string(TCaseArguments::Count) + " or " +
           std::to_string(TCaseArguments::WithAllowances) + " values" + where + " but found " +
           std::to_string(found);
}

std::string BadValue(int index, const std::string& reason)
{
    return std::string(ValueSpecs[std::size_t(index)].name) + " (value " +
           std::to_string(index + 1) + "): " + reason;
}

// Where the first comma is, or -1: a plain scan, which a batch of case lines
// finds much cheaper than a general search for a one-character text.
qsizetype CommaIn(QStringView text)
{
    const auto comma = std::find(text.begin(), text.end(), u',');
    return comma == text.end() ? -1 : comma - text.begin();
}

template <typename Entry>
const Entry& TableEntry(const Entry* entry, int valueIndex, int index, const char* table,
                        qsizetype size)
{
    if (!entry)
        throw ECaseInputError(BadValue(
            valueIndex, std::to_string(index) + " is not an entry of the " + table + " table (" +
                            (size == 0 ? std::string("it is empty")
                                       : "entries 0 to " + std::to_string(size - 1)) +
                            ")"));
    return *entry;
}

// The member that holds the number of each mask bit.
constexpr auto NumberOfBit = [] {
    std::array<double TCaseArguments::*, CaseInputCount> numbers{};
    for (const TValueSpec& spec : ValueSpecs)
        if (spec.number)
            numbers[std::size_t(spec.maskBit)] = spec.number;
    return numbers;
}();

double TCaseArguments::*NumberAt(TMaskBit bit)
{
    return NumberOfBit[std::size_t(bit)];
}

} // namespace

TMaskBit TCaseArguments::MaskBitOf(TValue number)
{
    return TMaskBit(ValueSpecs[std::size_t(number)].maskBit);
}

std::string TCaseArguments::Read(const TTexts& texts, const TConverted& converted)
{
    for (int i = 0; i < texts.count; ++i) {
        const TValueSpec& spec = ValueSpecs[std::size_t(i)];
        // A view of the caller's text: no copy is made per value.
        const QStringView view = texts.values[std::size_t(i)];
        const QString text = QString::fromRawData(view.data(), view.size());
        double number = 0;
        if (spec.integer) {
            int value = 0;
            if (!TryStrToInt(text, value))
                return BadValue(i, InvalidIntegerMessage(text));
            this->*spec.integer = value;
            number = value;
        } else {
            if (!TryStrToFloat(text, this->*spec.number))
                return BadValue(i, InvalidFloatMessage(text));
            number = this->*spec.number;
        }
        if (converted)
            converted(TValue(i), number);
    }
    return {};
}

std::string TCaseArguments::ReadCaseLine(QStringView line)
{
    TTexts texts;
    const std::string problem = SplitCaseLine(line, texts);
    return problem.empty() ? Read(texts) : problem;
}

std::string TCaseArguments::SplitCaseLine(QStringView line, TTexts& texts)
{
    // The tag, then the values as far as there is room; every field is counted.
    qsizetype count = 0;
    QStringView tag;
    const auto keep = [&](QStringView field) {
        if (count == 0)
            tag = field;
        else if (count <= WithAllowances)
            texts.values[std::size_t(count - 1)] = field;
        ++count;
    };
    QStringView rest = TrimmedBlanks(line);
    for (qsizetype comma = CommaIn(rest); comma >= 0; comma = CommaIn(rest)) {
        keep(rest.first(comma));
        rest = TrimmedBlanks(rest.sliced(comma + 1));
    }
    if (!rest.isEmpty())
        keep(rest);
    // The tag as written is checked first: the case-insensitive comparison folds
    // every character, which a batch of case lines would pay for on each.
    if (count == 0 || (tag != CaseLineTag && tag.compare(CaseLineTag, Qt::CaseInsensitive) != 0))
        return "not a case line: it must start with \"Kelvane,\"";
    if (!IsValueCount(count - 1))
        return CountProblem(count - 1, " after the tag");
    texts.count = int(count - 1);
    return {};
}

TCaseArguments::TTexts TCaseArguments::Texts(const QStringList& values, qsizetype first)
{
    TTexts texts;
    texts.count = int(values.size() - first);
    for (int i = 0; i < texts.count; ++i)
        texts.values[std::size_t(i)] = values.at(first + i);
    return texts;
}

TCaseArguments TCaseArguments::Parse(const QStringList& values, qsizetype first)
{
    if (first < 0 || !IsValueCount(values.size() - first))
        throw ECaseInputError(CountProblem(std::max<qsizetype>(values.size() - first, 0), ""));
    TCaseArguments arguments;
    if (const std::string problem = arguments.Read(Texts(values, first)); !problem.empty())
        throw ECaseInputError(problem);
    return arguments;
}

TCaseArguments TCaseArguments::FromCaseLine(const QString& line)
{
    TCaseArguments arguments;
    if (const std::string problem = arguments.ReadCaseLine(line); !problem.empty())
        throw ECaseInputError(problem);
    return arguments;
}

QString TCaseArguments::CaseLine() const
{
    QString line =
        Format(CaseLineFormat, {std::int64_t(hotFluid), thi, tho, mh, std::int64_t(coldFluid), tci,
                                tco, mc, std::int64_t(heatXType), Uo, Ao, Q, std::int64_t(mask)});
    if (Rfh != 0 || Rfc != 0 || margin != 0)
        for (const double allowance : {Rfh, Rfc, margin})
            line += u',' + FloatToRoundTripText(allowance);
    return line;
}

TCaseArguments TCaseArguments::FromCase(const THx& hx, int hotFluid, int coldFluid, int heatXType,
                                        int mask)
{
    TCaseArguments a;
    a.hotFluid = hotFluid;
    a.coldFluid = coldFluid;
    a.heatXType = heatXType;
    a.mask = mask;
    for (const TCaseInputRow& row : CaseInputRows)
        a.*NumberAt(row.bit) = row.FieldValue(hx.*row.member);
    return a;
}

TCaseInput TCaseArguments::Input(const TLookupTables& tables) const
{
    TCaseInput input;
    input.hotFluid =
        TableEntry(tables.FluidAt(hotFluid), cvHotFluid, hotFluid, "fluid", tables.Fluids().size());
    input.coldFluid = TableEntry(tables.FluidAt(coldFluid), cvColdFluid, coldFluid, "fluid",
                                 tables.Fluids().size());
    input.heatXType = TableEntry(tables.HeatXTypeAt(heatXType), cvHeatXType, heatXType,
                                 "exchanger type", tables.HeatXTypes().size());
    for (const TCaseInputRow& row : CaseInputRows)
        input.values[row.bit] = row.RecordValue(this->*NumberAt(row.bit));
    input.mask = mask;
    return input;
}
