#pragma once

#include <cstdint>

// How a formatted edit chooses the format of its numbers.
enum TFormatType : std::uint8_t
{
    ft_Auto,         // SigDigs significant digits; FormatStr follows the display unit
    ft_Fixed,        // FormatStr, which follows the display unit
    ft_AutoOverride, // as ft_Auto for small values, as ft_Fixed otherwise
    ft_Manual,       // FormatStr, kept when the unit changes
};
