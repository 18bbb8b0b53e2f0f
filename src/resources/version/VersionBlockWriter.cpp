#include "VersionBlockWriter.h"

#include <stdexcept>

namespace {

using TBytes = std::vector<std::uint8_t>;

constexpr std::uint16_t BinaryType = 0;
constexpr std::uint16_t TextType = 1;
constexpr std::uint32_t FixedSignature = 0xFEEF04BD;
constexpr std::uint32_t FixedStructVersion = 0x00010000;

void Put16(TBytes& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(TBytes& out, std::uint32_t value)
{
    Put16(out, std::uint16_t(value & 0xFFFF));
    Put16(out, std::uint16_t(value >> 16));
}

void Set16(TBytes& out, std::size_t at, std::size_t value)
{
    if (value > 0xFFFF) {
        throw std::length_error("version data node longer than 65535 bytes");
    }
    out[at] = std::uint8_t(value & 0xFF);
    out[at + 1] = std::uint8_t(value >> 8);
}

void PadTo4(TBytes& out)
{
    while (out.size() % 4 != 0) {
        out.push_back(0);
    }
}

void PutText(TBytes& out, const std::u16string& text)
{
    for (char16_t c : text) {
        Put16(out, std::uint16_t(c));
    }
    Put16(out, 0);
}

// One node; `valueLength` counts bytes for binary values, characters for texts.
TBytes Node(const std::u16string& key, std::uint16_t type, const TBytes& value,
            std::size_t valueLength, const std::vector<TBytes>& children)
{
    TBytes out(6, 0);
    PutText(out, key);
    PadTo4(out);
    out.insert(out.end(), value.begin(), value.end());
    for (const TBytes& child : children) {
        PadTo4(out);
        out.insert(out.end(), child.begin(), child.end());
    }
    Set16(out, 0, out.size());
    Set16(out, 2, valueLength);
    Set16(out, 4, type);
    return out;
}

TBytes TextNode(const TVersionString& entry)
{
    TBytes value;
    PutText(value, entry.Value);
    return Node(entry.Name, TextType, value, entry.Value.size() + 1, {});
}

std::uint32_t High(const std::array<std::uint16_t, 4>& v)
{
    return std::uint32_t(v[0]) << 16 | v[1];
}

std::uint32_t Low(const std::array<std::uint16_t, 4>& v)
{
    return std::uint32_t(v[2]) << 16 | v[3];
}

TBytes FixedInfo(const TVersionBlockSpec& spec)
{
    TBytes out;
    Put32(out, FixedSignature);
    Put32(out, FixedStructVersion);
    Put32(out, High(spec.FileVersion));
    Put32(out, Low(spec.FileVersion));
    Put32(out, High(spec.ProductVersion));
    Put32(out, Low(spec.ProductVersion));
    Put32(out, 0x3F); // flags mask
    Put32(out, 0);    // flags
    Put32(out, 0x4);  // operating system: 32-bit windows
    Put32(out, 0x1);  // file type: application
    Put32(out, 0);    // subtype
    Put32(out, 0);    // date, high
    Put32(out, 0);    // date, low
    return out;
}

TBytes StringFileInfo(const TVersionBlockSpec& spec)
{
    std::vector<TBytes> tables;
    for (const TVersionStringTable& table : spec.StringTables) {
        std::vector<TBytes> strings;
        for (const TVersionString& entry : table.Strings) {
            strings.push_back(TextNode(entry));
        }
        tables.push_back(Node(table.Key, TextType, {}, 0, strings));
    }
    return Node(u"StringFileInfo", TextType, {}, 0, tables);
}

TBytes VarFileInfo(const TVersionBlockSpec& spec)
{
    TBytes pairs;
    for (const auto& [language, codePage] : spec.Translations) {
        Put16(pairs, language);
        Put16(pairs, codePage);
    }
    return Node(u"VarFileInfo", TextType, {}, 0,
                {Node(u"Translation", BinaryType, pairs, pairs.size(), {})});
}

} // namespace

std::vector<std::uint8_t> BuildVersionBlock(const TVersionBlockSpec& spec)
{
    std::vector<TBytes> children;
    if (!spec.StringTables.empty()) {
        children.push_back(StringFileInfo(spec));
    }
    if (spec.HasTranslation) {
        children.push_back(VarFileInfo(spec));
    }
    const TBytes fixed = spec.HasFixedInfo ? FixedInfo(spec) : TBytes();
    return Node(u"VS_VERSION_INFO", BinaryType, fixed, fixed.size(), children);
}
