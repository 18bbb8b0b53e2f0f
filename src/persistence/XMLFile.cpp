#include "XMLFile.h"

#include "BoundedFile.h"
#include "Format.h"
#include "NumberParse.h"
#include "ReplaceFile.h"
#include "XMLMalformation.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

const QString IndentUnit = QStringLiteral("  ");
const QString LineBreak = QStringLiteral("\r\n");

// Keeps whitespace-only text so a loaded layout survives; the document type
// is parsed only to be checked.
constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_doctype;

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

QString FromUtf8(const char* text)
{
    return QString::fromUtf8(text);
}

// Compares with the qualified name ("ns:name") or the local name ("name").
bool HasName(const TXMLNode& node, const std::string& name, Qt::CaseSensitivity cs)
{
    const QString qualified = FromUtf8(node.name());
    const QString wanted = QString::fromStdString(name);
    if (qualified.compare(wanted, cs) == 0) {
        return true;
    }
    const qsizetype colon = qualified.indexOf(u':');
    return colon >= 0 && qualified.mid(colon + 1).compare(wanted, cs) == 0;
}

TXMLNode FirstNamed(const TXMLNode& parent, const std::string& name)
{
    for (TXMLNode node : parent.children()) {
        if (HasName(node, name, Qt::CaseSensitive)) {
            return node;
        }
    }
    return {};
}

bool IsText(const TXMLNode& node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The element's single text node, or an empty node.
TXMLNode SingleText(const TXMLNode& element)
{
    const TXMLNode first = element.first_child();
    return first && !first.next_sibling() && IsText(first) ? first : TXMLNode();
}

int Level(TXMLNode node)
{
    int level = 0;
    for (node = node.parent(); node; node = node.parent()) {
        ++level;
    }
    return level;
}

QString Repeated(const QString& unit, int count)
{
    return count > 0 ? unit.repeated(count) : QString();
}

void AppendText(TXMLNode parent, const QString& text)
{
    parent.append_child(pugi::node_pcdata).set_value(Utf8(text).c_str());
}

// Stops at the first node nested MaxDepth levels below the document.
class TDepthCheck final : public pugi::xml_tree_walker
{
public:
    bool for_each(pugi::xml_node&) override { return depth() < TXMLFile::MaxDepth; }
};

// Why a document the parser accepted is still refused, or empty when it is accepted.
QString RefusalOf(pugi::xml_document& document)
{
    for (const TXMLNode node : document.children()) {
        if (node.type() == pugi::node_doctype &&
            std::string(node.value()).find("<!ENTITY") != std::string::npos) {
            return QStringLiteral("entity declarations are not accepted");
        }
    }
    TDepthCheck depthCheck;
    if (!document.traverse(depthCheck)) {
        return QStringLiteral("elements are nested deeper than %1 levels")
            .arg(Format(QStringLiteral("%d"), {std::int64_t(TXMLFile::MaxDepth)}));
    }
    return {};
}

class TStringWriter final : public pugi::xml_writer
{
public:
    void write(const void* data, size_t size) override
    {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

[[noreturn]] void ThrowSaveError(const QString& fileName, const QString& reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot save \"%1\": %2").arg(fileName, reason).toStdString());
}

} // namespace

QString ReadStatusText(TXMLReadStatus status)
{
    static const std::array<const char*, 7> texts = {
        "none",          "invalid file format", "not found", "wrong type", "parent node not found",
        "value missing", "attribute missing"};
    return status < texts.size() ? QString::fromLatin1(texts[status]) : QString();
}

QString WriteStatusText(TXMLWriteStatus status)
{
    static const std::array<const char*, 3> texts = {"none", "not an element node",
                                                     "parent node not found"};
    return status < texts.size() ? QString::fromLatin1(texts[status]) : QString();
}

TXMLFile::TXMLFile() = default;

TXMLFile::TXMLFile(const QString& fileName) : m_fileName(fileName)
{
    LoadFile();
}

TXMLFile::TXMLFile(const QString& fileName, TXMLNode& root, bool clear) : TXMLFile(fileName)
{
    if (m_readStatus != rsNone) {
        return;
    }
    // With `clear` the reference belongs to the discarded tree; a caller that
    // saves replaces it at once through NewDocument.
    root = m_document.document_element();
    if (clear) {
        Clear();
    }
}

void TXMLFile::LoadFile()
{
    const TBoundedFile file(m_fileName, MaxFileSize);
    if (!file.Exists()) {
        return;
    }
    QString error = file.Problem();
    if (error.isEmpty()) {
        const QByteArray& bytes = file.Bytes();
        const pugi::xml_parse_result result =
            m_document.load_buffer(bytes.constData(), size_t(bytes.size()), ParseOptions);
        error = result ? RefusalOf(m_document) : XMLErrorAt(result.description(), result.offset);
        if (error.isEmpty()) {
            error = MalformationOf(bytes, result.encoding);
        }
    }
    if (!error.isEmpty()) {
        m_errorMessage = error;
        m_readStatus = rsInvalidFileFormat;
        Clear();
    }
}

void TXMLFile::Clear()
{
    m_document.reset();
}

void TXMLFile::NewDocument(const QString& rootName, const QString& programName, TXMLNode& root,
                           const QString& version)
{
    Clear();
    FindNode(TXMLNode(), {rootName}, root, true);
    if (root) {
        SetAttribute(root, QStringLiteral("program"), programName);
        SetAttribute(root, QStringLiteral("generator"), QStringLiteral("Marbleworth Software"));
        SetAttribute(root, QStringLiteral("version"), version);
    }
}

void TXMLFile::Save()
{
    if (m_fileName.isEmpty()) {
        throw std::runtime_error("File name not known");
    }
    TStringWriter writer;
    m_document.save(writer, "", pugi::format_raw | pugi::format_no_declaration,
                    pugi::encoding_utf8);
    if (const QString error = ReplaceFile(m_fileName, writer.text); !error.isEmpty()) {
        ThrowSaveError(m_fileName, error);
    }
}

TXMLNode TXMLFile::AppendIndented(TXMLNode parent, const QString& name)
{
    const std::string tag = Utf8(name);
    if (parent.type() == pugi::node_document) {
        return parent.append_child(tag.c_str());
    }
    const QString closingBreak = LineBreak + Repeated(IndentUnit, Level(parent) - 1);
    if (!parent.first_child()) {
        AppendText(parent, closingBreak);
    }
    AppendText(parent, IndentUnit);
    TXMLNode element = parent.append_child(tag.c_str());
    AppendText(parent, closingBreak);
    return element;
}

void TXMLFile::FindChild(TXMLNode parent, const QString& name, TXMLNode& child, int index,
                         bool create)
{
    child = TXMLNode();
    if (!parent) {
        return;
    }
    child = FirstNamed(parent, Utf8(name));
    if (child || !create) {
        return;
    }
    TXMLNode before = index >= 0 ? parent.first_child() : TXMLNode();
    for (int i = 0; before && i < index; ++i) {
        before = before.next_sibling();
    }
    child = before ? parent.insert_child_before(Utf8(name).c_str(), before)
                   : AppendIndented(parent, name);
}

void TXMLFile::FindNode(TXMLNode start, const QStringList& path, TXMLNode& node, bool create)
{
    node = TXMLNode();
    if (path.isEmpty()) {
        return;
    }
    TXMLNode current = start;
    qsizetype next = 0;
    if (!start) {
        const std::string first = Utf8(path.front());
        const TXMLNode root = m_document.document_element();
        if (root && HasName(root, first, Qt::CaseInsensitive)) {
            current = root;
        } else if (!create) {
            return;
        } else {
            current = FirstNamed(m_document, first);
            // A document holds one document element: one of another name
            // stays and nothing is made beside it.
            if (!current && !root) {
                current = m_document.append_child(first.c_str());
            }
        }
        next = 1;
    }
    for (; current && next < path.size(); ++next) {
        FindChild(current, path.at(next), current, -1, create);
    }
    node = current;
}

void TXMLFile::SetAttribute(TXMLNode element, const QString& name, const QString& value)
{
    if (!element) {
        return;
    }
    const std::string attributeName = Utf8(name);
    pugi::xml_attribute attribute = element.attribute(attributeName.c_str());
    if (!attribute) {
        attribute = element.append_attribute(attributeName.c_str());
    }
    attribute.set_value(Utf8(value).c_str());
}

void TXMLFile::ReadString(TXMLNode parent, const QString& name, QString& value,
                          const QString& defaultValue)
{
    value = defaultValue;
    m_readStatus = rsNone;
    if (!parent) {
        m_readStatus = rsParentNotFound;
        return;
    }
    const TXMLNode child = FirstNamed(parent, Utf8(name));
    if (!child) {
        m_readStatus = rsNotFound;
        return;
    }
    if (child.type() != pugi::node_element) {
        return;
    }
    const TXMLNode text = SingleText(child);
    if (!text || *text.value() == '\0') {
        m_readStatus = rsValueMissing;
        return;
    }
    value = FromUtf8(text.value());
}

double TXMLFile::ReadFloat(TXMLNode parent, const QString& name, double defaultValue)
{
    try {
        QString text;
        ReadString(parent, name, text, Format(QStringLiteral("%0.15g"), {defaultValue}));
        return StrToFloat(text);
    } catch (const std::exception&) {
        m_readStatus = rsWrongType;
        return defaultValue;
    }
}

void TXMLFile::WriteString(TXMLNode parent, const QString& name, TXMLNode& child, bool unique,
                           const QString& value)
{
    m_writeStatus = wsNone;
    if (!parent) {
        m_writeStatus = wsParentNotFound;
        return;
    }
    child = unique ? FirstNamed(parent, Utf8(name)) : TXMLNode();
    if (!child) {
        child = AppendIndented(parent, name);
    }
    if (child.type() != pugi::node_element) {
        return;
    }
    TXMLNode text = SingleText(child);
    if (!text && child.first_child()) {
        m_writeStatus = wsNotAnElementNode;
        return;
    }
    if (!text) {
        text = child.append_child(pugi::node_pcdata);
    }
    text.set_value(Utf8(value).c_str());
}

void TXMLFile::WriteFloat(TXMLNode parent, const QString& name, TXMLNode& child, bool unique,
                          const QString& format, double value)
{
    WriteString(parent, name, child, unique, Format(format, {value}));
}
