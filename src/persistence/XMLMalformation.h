#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <pugixml.hpp>

// Why a file that the XML parser accepted is still not well formed, as
// "<what> at offset <n>"; empty when it is. The parser lets through text or
// character data outside the document element, a second document element, a
// repeated attribute, a reference to an entity that is not declared (only the
// five predefined ones can be: declarations are refused) or to a character
// that XML does not allow, and bytes that are not UTF-8 in a UTF-8 document.
// `encoding` is the one the parser found.
QString MalformationOf(const QByteArray& bytes, pugi::xml_encoding encoding);

// "<what> at offset <n>", the form of the parser's messages.
QString XMLErrorAt(const char* what, std::ptrdiff_t offset);
