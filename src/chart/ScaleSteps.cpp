#include "ScaleSteps.h"

#include <array>
#include <cmath>

namespace {

struct TStepRow
{
    double Threshold;
    double Value;
};

constexpr std::array<TStepRow, 25> TickSteps{{
    {0.00011, 0.0001}, {0.00021, 0.0002}, {0.00051, 0.0005}, {0.0011, 0.001}, {0.0021, 0.002},
    {0.0051, 0.005},   {0.011, 0.01},     {0.021, 0.02},     {0.051, 0.05},   {0.11, 0.1},
    {0.21, 0.2},       {0.51, 0.5},       {1.1, 1},          {2.1, 2},        {5.1, 5},
    {10.1, 10},        {20.1, 20},        {25.1, 25},        {50.1, 50},      {100.1, 100},
    {150.1, 150},      {200.1, 200},      {250.1, 250},      {300.1, 300},    {500.1, 500},
}};

constexpr std::array<double, 24> Ranges{0.001, 0.002, 0.005, 0.01, 0.02, 0.05,  0.1,   0.2,
                                        0.5,   1,     2,     5,    10,   20,    50,    100,
                                        200,   500,   1000,  2000, 5000, 10000, 20000, 50000};

constexpr std::array<double, 18> LogFloors{0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5,
                                           1,     2,     5,     10,   20,   50,   100, 200, 500};

constexpr std::array<TStepRow, 16> LogStarts{{
    {0.1, 0.001},
    {0.2, 0.002},
    {0.5, 0.005},
    {1, 0.01},
    {2, 0.02},
    {5, 0.05},
    {10, 0.1},
    {20, 0.2},
    {50, 0.5},
    {100, 1},
    {200, 2},
    {500, 5},
    {1000, 10},
    {2000, 20},
    {5000, 50},
    {10000, 100},
}};

// The powers of ten a logarithmic walk stops at, 10^-3 ... 10^7.
constexpr std::array<double, 11> Decades{0.001, 0.01, 0.1, 1, 10, 100, 1000, 1e4, 1e5, 1e6, 1e7};

} // namespace

long long TScaleSteps::Round(double value)
{
    // Beyond the integer range (or NaN) there is no count or pixel to round to; hold it in range.
    constexpr double Limit = 9.0e18;
    if (!(std::fabs(value) < Limit))
        return value > 0 ? static_cast<long long>(Limit)
                         : (value < 0 ? -static_cast<long long>(Limit) : 0);
    return static_cast<long long>(std::nearbyint(value));
}

double TScaleSteps::RoundUpToStep(double x, double step, double tolerance)
{
    double q = x / step;
    const double f = q - std::trunc(q);
    if (f >= 0 && std::fabs(f) > std::fabs(tolerance))
        q += 1;
    return std::trunc(q) * step;
}

double TScaleSteps::RoundDownToStep(double x, double step, double tolerance)
{
    double q = x / step;
    const double f = q - std::trunc(q);
    if (f <= 0 && std::fabs(f) > std::fabs(tolerance))
        q -= 1;
    return std::trunc(q) * step;
}

double TScaleSteps::RangeStep(double range)
{
    for (double t : Ranges)
        if (range <= t)
            return t / 10;
    return RoundUpToStep(range / 10, 10000, 0);
}

double TScaleSteps::TickStep(double rawSpacing)
{
    for (const TStepRow& row : TickSteps)
        if (row.Threshold >= rawSpacing)
            return row.Value;
    return RoundUpToStep(rawSpacing, 500, 0);
}

double TScaleSteps::LogFloor(double x)
{
    if (x <= 0.001)
        return x;
    if (x >= 500)
        return RoundDownToStep(x, 100, 0);
    double floor = LogFloors.front();
    for (double value : LogFloors)
        if (value <= x)
            floor = value;
    return floor;
}

double TScaleSteps::LogStart(double high)
{
    for (const TStepRow& row : LogStarts)
        if (high <= row.Threshold)
            return row.Value;
    return 1000;
}

double TScaleSteps::NextLogTick(double& decade, bool& isDecade, double x)
{
    isDecade = false;
    for (double power : Decades) {
        if (decade < power && x - power >= -0.001) {
            decade = power;
            isDecade = true;
            return power;
        }
    }
    return x;
}

bool TScaleSteps::ValueInList(const QList<double>& list, double x)
{
    return list.contains(x);
}
