#include "XMLMalformation.h"

#include "Format.h"
#include "TextEncoding.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

namespace {

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsPredefinedEntity(std::string_view name)
{
    static constexpr std::array<std::string_view, 5> names{"lt", "gt", "amp", "apos", "quot"};
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "&#...;" or "&#x...;" without the "&#" and ";": a character XML allows.
bool IsCharacterReference(std::string_view digits)
{
    int base = 10;
    if (!digits.empty() && digits.front() == 'x') {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8)
        return false;
    char32_t c = 0;
    for (const char digit : digits) {
        const int value = digit >= '0' && digit <= '9'                 ? digit - '0'
                          : base == 16 && digit >= 'a' && digit <= 'f' ? digit - 'a' + 10
                          : base == 16 && digit >= 'A' && digit <= 'F' ? digit - 'A' + 10
                                                                       : -1;
        if (value < 0)
            return false;
        c = c * char32_t(base) + char32_t(value);
    }
    return IsXmlChar(c);
}

// Offset in `text` (a value as written in the file) of the first reference
// that is neither predefined nor a valid character reference; -1 when none.
std::ptrdiff_t BadReferenceIn(std::string_view text)
{
    for (std::size_t at = text.find('&'); at != std::string_view::npos;
         at = text.find('&', at + 1)) {
        const std::size_t end = text.find(';', at);
        if (end == std::string_view::npos)
            return std::ptrdiff_t(at);
        const std::string_view name = text.substr(at + 1, end - at - 1);
        const bool valid =
            name.starts_with('#') ? IsCharacterReference(name.substr(1)) : IsPredefinedEntity(name);
        if (!valid)
            return std::ptrdiff_t(at);
    }
    return -1;
}

// Walks a document parsed as written (no references replaced) for what the
// parser does not check.
class TMalformationWalker final : public pugi::xml_tree_walker
{
public:
    bool for_each(pugi::xml_node& node) override
    {
        if (node.type() == pugi::node_element)
            CheckElement(node);
        else if (node.type() == pugi::node_pcdata)
            CheckReferences(node.value(), node.offset_debug());
        return found.isEmpty();
    }

    QString found;

private:
    void CheckElement(const pugi::xml_node& element)
    {
        std::set<std::string_view> names;
        for (const pugi::xml_attribute& attribute : element.attributes()) {
            if (!names.insert(attribute.name()).second) {
                found = XMLErrorAt("Duplicate attribute", element.offset_debug());
                return;
            }
            if (BadReferenceIn(attribute.value()) >= 0) {
                found = XMLErrorAt("Undeclared entity reference", element.offset_debug());
                return;
            }
        }
    }

    void CheckReferences(std::string_view text, std::ptrdiff_t offset)
    {
        if (const std::ptrdiff_t at = BadReferenceIn(text); at >= 0)
            found = XMLErrorAt("Undeclared entity reference", offset + at);
    }
};

// Text and elements directly in the document: one element, nothing else but
// markup (comments, processing instructions, the document type) and blanks.
QString OutsideTheDocumentElement(const pugi::xml_document& document)
{
    int elements = 0;
    for (const pugi::xml_node& node : document.children()) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            return XMLErrorAt("Text outside the document element", node.offset_debug());
        if (node.type() == pugi::node_element && ++elements > 1)
            return XMLErrorAt("More than one document element", node.offset_debug());
    }
    return {};
}

} // namespace

QString MalformationOf(const QByteArray& bytes, pugi::xml_encoding encoding)
{
    if (encoding == pugi::encoding_utf8) {
        if (const qsizetype at = InvalidUtf8Offset(bytes); at >= 0)
            return XMLErrorAt("Invalid UTF-8 byte sequence", at);
    }
    // As written: top-level text kept, references left as they are.
    pugi::xml_document asWritten;
    const pugi::xml_parse_result result =
        asWritten.load_buffer(bytes.constData(), std::size_t(bytes.size()),
                              pugi::parse_fragment | pugi::parse_cdata, encoding);
    if (!result)
        return XMLErrorAt(result.description(), result.offset);
    if (QString outside = OutsideTheDocumentElement(asWritten); !outside.isEmpty())
        return outside;
    TMalformationWalker walker;
    asWritten.traverse(walker);
    return walker.found;
}

QString XMLErrorAt(const char* what, std::ptrdiff_t offset)
{
    return QStringLiteral("%1 at offset %2")
        .arg(QString::fromLatin1(what), Format(QStringLiteral("%d"), {std::int64_t(offset)}));
}
