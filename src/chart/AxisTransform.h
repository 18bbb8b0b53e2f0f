#pragma once

// Maps a data value of one axis to the value the chart stores and scales: the
// value itself on a linear axis, its decimal logarithm on a logarithmic one.
class TAxisTransform
{
public:
    explicit TAxisTransform(bool logarithmic = false) : m_logarithmic(logarithmic) {}

    // On a logarithmic axis a value <= 0 (or one whose logarithm fails) maps to log10(0.01) = -2.
    double Forward(double value) const;
    double Inverse(double stored) const;
    // The data value the axis holds for `value`: 0.01 where the logarithm cannot be taken.
    double Admit(double value) const;

private:
    bool m_logarithmic;
};
