#pragma once

// Uo as the record holds it, kW/(m²·K), and as people give it, W/m²°C: in the
// main window's field, on the command line and in the case line.
constexpr double UoFromWatts(double watts)
{
    return 0.001 * watts;
}

constexpr double UoInWatts(double uo)
{
    return 1000.0 * uo;
}
