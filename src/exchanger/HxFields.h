#pragma once

#include "Hx.h"

// The fields of THx by their record names, in record order (the four texts come
// first): what the JSON and CSV outputs of the headless solver list, followed
// by the flow arrangement (its key), its correction factor F and the service
// allowances with what they give.
struct THxTextField
{
    const char* name;
    QString (*text)(const THx& hx);
};

struct THxNumberField
{
    const char* name;
    double THx::*member;
};

inline constexpr THxTextField HxTextFields[] = {
    {"method", [](const THx& hx) { return MethodName(hx.method); }},
    {"coldFluid", [](const THx& hx) { return hx.coldFluid; }},
    {"hotFluid", [](const THx& hx) { return hx.hotFluid; }},
    {"heatXType", [](const THx& hx) { return hx.heatXType; }},
};

inline constexpr THxNumberField HxNumberFields[] = {
    {"thi", &THx::thi},   {"tho", &THx::tho},   {"mh", &THx::mh},     {"cph", &THx::cph},
    {"ch", &THx::ch},     {"tci", &THx::tci},   {"tco", &THx::tco},   {"mc", &THx::mc},
    {"cpc", &THx::cpc},   {"cc", &THx::cc},     {"Uo", &THx::Uo},     {"Ao", &THx::Ao},
    {"lmtd", &THx::lmtd}, {"cmax", &THx::cmax}, {"cmin", &THx::cmin}, {"itd", &THx::itd},
    {"e", &THx::e},       {"ntu", &THx::ntu},   {"cr", &THx::cr},     {"Q", &THx::Q},
    {"Qmax", &THx::Qmax},
};

inline constexpr const char* HxArrangementName = "arrangement";
inline constexpr THxNumberField HxCorrectionFactorField = {"F", &THx::F};

inline constexpr THxNumberField HxAllowanceFields[] = {
    {"Rfh", &THx::Rfh},       {"Rfc", &THx::Rfc},   {"margin", &THx::margin}, {"Us", &THx::Us},
    {"Aclean", &THx::Aclean}, {"Areq", &THx::Areq}, {"OD", &THx::OD},
};

// Every value the JSON and CSV outputs give for a case.
inline constexpr std::size_t HxOutputCount =
    std::size(HxTextFields) + std::size(HxNumberFields) + 2 + std::size(HxAllowanceFields);
