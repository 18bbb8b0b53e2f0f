// The mapping of a case to its XML data file: groups and value elements in
// the file's order, every number as the shortest text that reads back as the
// same double, so that a case saved and opened again is the same case. Files
// written with three decimals read as before. The service allowances are written
// only where one is set, so a clean case's file is as it always was; a file
// without them reads them as 0.
#include "Format.h"
#include "Hx.h"
#include "XMLFile.h"

#include <QString>
#include <cmath>
#include <limits>
#include <variant>

namespace {

// One value element: a text or a number of the record, or the method's name,
// and whether loading reads it.
struct TCaseValue
{
    const char* name;
    std::variant<QString THx::*, double THx::*, THxMethod THx::*> field;
    bool readBack;
};

struct TCaseGroup
{
    const char* name;
    std::initializer_list<TCaseValue> values;
    bool allowances = false;
};

const TCaseGroup CaseGroups[] = {
    {"hot",
     {{"name", &THx::hotFluid, false},
      {"thi", &THx::thi, true},
      {"tho", &THx::tho, true},
      {"mh", &THx::mh, true},
      {"cph", &THx::cph, false},
      {"ch", &THx::ch, false}}},
    {"cold",
     {{"name", &THx::coldFluid, false},
      {"tci", &THx::tci, true},
      {"tco", &THx::tco, true},
      {"mc", &THx::mc, true},
      {"cpc", &THx::cpc, false},
      {"cc", &THx::cc, false}}},
    {"heatx", {{"name", &THx::heatXType, false}, {"Uo", &THx::Uo, true}, {"Ao", &THx::Ao, true}}},
    {"lmtd", {{"lmtd", &THx::lmtd, false}}},
    {"e-Ntu",
     {{"cmax", &THx::cmax, false},
      {"cmin", &THx::cmin, false},
      {"cr", &THx::cr, false},
      {"itd", &THx::itd, false},
      {"ntu", &THx::ntu, false},
      {"e", &THx::e, false}}},
    {"duty", {{"method", &THx::method, false}, {"Qmax", &THx::Qmax, false}, {"Q", &THx::Q, true}}},
    {"service",
     {{"Rfh", &THx::Rfh, true},
      {"Rfc", &THx::Rfc, true},
      {"margin", &THx::margin, true},
      {"Us", &THx::Us, false},
      {"Aclean", &THx::Aclean, false},
      {"Areq", &THx::Areq, false},
      {"OD", &THx::OD, false}},
     true},
};

// An allowance the file lacks is 0; one it gives as no number is NaN.
double ReadAllowance(TXMLFile& file, TXMLNode group, const QString& name)
{
    TXMLNode element;
    if (group)
        file.FindNode(group, {name}, element, false);
    return element ? file.ReadFloat(group, name, std::numeric_limits<double>::quiet_NaN()) : 0;
}

bool HasReadBackValues(const TCaseGroup& group)
{
    for (const TCaseValue& value : group.values) {
        if (value.readBack)
            return true;
    }
    return false;
}

} // namespace

void THx::WriteCase(TXMLFile& file, pugi::xml_node root) const
{
    for (const TCaseGroup& group : CaseGroups) {
        if (group.allowances && !HasAllowances())
            continue;
        TXMLNode node;
        file.FindNode(root, {QLatin1String(group.name)}, node, true);
        if (!node)
            continue;
        for (const TCaseValue& value : group.values) {
            TXMLNode child;
            const QString name = QLatin1String(value.name);
            if (const auto* text = std::get_if<QString THx::*>(&value.field)) {
                file.WriteString(node, name, child, true, this->**text);
                continue;
            }
            if (const auto* methodOf = std::get_if<THxMethod THx::*>(&value.field)) {
                file.WriteString(node, name, child, true, MethodName(this->**methodOf));
                continue;
            }
            // A value read back is an input; a result the solve did not reach is left empty.
            const double THx::*member = std::get<double THx::*>(value.field);
            const double number = value.readBack ? this->*member : Result(member);
            file.WriteString(node, name, child, true,
                             std::isnan(number) ? QString() : FloatToRoundTripText(number));
        }
    }
}

void THx::ReadCase(TXMLFile& file, pugi::xml_node root)
{
    for (const TCaseGroup& group : CaseGroups) {
        if (!HasReadBackValues(group))
            continue;
        TXMLNode node;
        file.FindNode(root, {QLatin1String(group.name)}, node, false);
        if (!node && !group.allowances)
            continue;
        for (const TCaseValue& value : group.values) {
            if (!value.readBack)
                continue;
            double& field = this->*std::get<double THx::*>(value.field);
            const QString name = QLatin1String(value.name);
            field = group.allowances ? ReadAllowance(file, node, name)
                                     : file.ReadFloat(node, name, field);
        }
    }
}
