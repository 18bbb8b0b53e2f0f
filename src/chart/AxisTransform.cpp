#include "AxisTransform.h"

#include <cmath>

double TAxisTransform::Forward(double value) const
{
    if (!m_logarithmic)
        return value;
    const double logarithm = value > 0.0 ? std::log10(value) : -2.0;
    return std::isfinite(logarithm) ? logarithm : -2.0;
}

double TAxisTransform::Inverse(double stored) const
{
    return m_logarithmic ? std::pow(10.0, stored) : stored;
}

double TAxisTransform::Admit(double value) const
{
    if (!m_logarithmic)
        return value;
    return value > 0.0 && std::isfinite(std::log10(value)) ? value : 0.01;
}
