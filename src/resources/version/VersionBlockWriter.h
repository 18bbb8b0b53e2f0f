#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Writes a version data block in the VS_VERSIONINFO layout: little-endian
// nodes of length, value length, type, a UTF-16 key and a value, each on a
// 4-byte boundary. Used at build time for the block built into the program,
// and by tests to craft blocks of their own.

struct TVersionString
{
    std::u16string Name;
    std::u16string Value;
};

struct TVersionStringTable
{
    std::u16string Key; // language and code page as 8 hexadecimal digits, "040904E4"
    std::vector<TVersionString> Strings;
};

struct TVersionBlockSpec
{
    bool HasFixedInfo = true;
    std::array<std::uint16_t, 4> FileVersion{};
    std::array<std::uint16_t, 4> ProductVersion{};
    std::vector<TVersionStringTable> StringTables;
    bool HasTranslation = true;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> Translations; // language, code page
};

std::vector<std::uint8_t> BuildVersionBlock(const TVersionBlockSpec& spec);
