#include "FmtValue.h"

#include "Format.h"
#include "NumberParse.h"

double TFmtValue::ToFloat() const
{
    if (const auto* d = std::get_if<double>(&m_value))
        return *d;
    if (const auto* i = std::get_if<int>(&m_value))
        return *i;
    return StrToFloat(std::get<QString>(m_value));
}

QString TFmtValue::ToString() const
{
    if (const auto* d = std::get_if<double>(&m_value))
        return FloatToRoundTripText(*d);
    if (const auto* i = std::get_if<int>(&m_value))
        return Format(QStringLiteral("%d"), {std::int64_t{*i}});
    return std::get<QString>(m_value);
}
