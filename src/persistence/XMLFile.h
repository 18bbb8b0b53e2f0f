#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <pugixml.hpp>

// A node reference into a TXMLFile's document; may be empty (null), which
// every operation accepts as the absence of the element.
using TXMLNode = pugi::xml_node;

enum TXMLReadStatus : std::uint8_t
{
    rsNone = 0,
    rsInvalidFileFormat = 1,
    rsNotFound = 2,
    rsWrongType = 3,
    rsParentNotFound = 4,
    rsValueMissing = 5,
    rsAttributeMissing = 6,
};

enum TXMLWriteStatus : std::uint8_t
{
    wsNone = 0,
    wsNotAnElementNode = 1,
    wsParentNotFound = 2,
};

// "none", "invalid file format", "not found", ...
QString ReadStatusText(TXMLReadStatus status);
// "none", "not an element node", "parent node not found"
QString WriteStatusText(TXMLWriteStatus status);

// A path-and-name view of one XML data file. Reads never throw: a bad file or
// a missing element leaves a status and hands back the caller's default.
//
// Saving:  TXMLNode root; TXMLFile xml(path, root, true);
//          xml.NewDocument("datafile", ExeBaseName, root, "1.0.0.0");
//          TXMLNode hot; xml.FindNode(root, {"hot"}, hot, true);
//          TXMLNode child; xml.WriteFloat(hot, "thi", child, true, "%0.3f", 80.0);
//          xml.Save();                       // throws std::runtime_error on failure
// Loading: TXMLNode root; TXMLFile xml(path, root, false);
//          TXMLNode hot; xml.FindNode(root, {"hot"}, hot, false);
//          double thi = xml.ReadFloat(hot, "thi", thi);
//
// Appended elements are indented with two spaces per level and CR LF line
// breaks; saving adds no whitespace of its own and no XML declaration, and
// writes UTF-8. A file that is not well formed, holds entity declarations or
// has elements nested deeper than MaxDepth is refused as an invalid file format,
// and so is one larger than MaxFileSize, a folder, a named pipe or a device,
// before it is read.
class TXMLFile
{
public:
    static constexpr int MaxDepth = 256;
    // A case file is a few kB; a parsed document costs many times its size.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // Create: an empty document, no file name.
    TXMLFile();
    // CreateFromFile: loads the file when it exists.
    explicit TXMLFile(const QString& fileName);
    // CreateWithRoot: as above and hands out the document element (only when
    // the load succeeded); with `clear` set the document is emptied afterwards.
    TXMLFile(const QString& fileName, TXMLNode& root, bool clear);
    TXMLFile(const TXMLFile&) = delete;
    TXMLFile& operator=(const TXMLFile&) = delete;

    const QString& FileName() const { return m_fileName; }
    pugi::xml_document& Document() { return m_document; }
    TXMLReadStatus ReadStatus() const { return m_readStatus; }
    TXMLWriteStatus WriteStatus() const { return m_writeStatus; }
    const QString& ErrorMessage() const { return m_errorMessage; }

    void Clear();
    void NewDocument(const QString& rootName, const QString& programName, TXMLNode& root,
                     const QString& version);
    // Replaces the file atomically: on failure the old file stays as it was
    // and std::runtime_error says why. Without a file name it writes nothing
    // and throws std::runtime_error "File name not known".
    void Save();

    void FindChild(TXMLNode parent, const QString& name, TXMLNode& child, int index, bool create);
    void FindNode(TXMLNode start, const QStringList& path, TXMLNode& node, bool create);
    void SetAttribute(TXMLNode element, const QString& name, const QString& value);

    void ReadString(TXMLNode parent, const QString& name, QString& value,
                    const QString& defaultValue);
    double ReadFloat(TXMLNode parent, const QString& name, double defaultValue);
    void WriteString(TXMLNode parent, const QString& name, TXMLNode& child, bool unique,
                     const QString& value);
    // `format` is a Format directive such as "%0.3f"; one that does not fit
    // the value raises EConvertError.
    void WriteFloat(TXMLNode parent, const QString& name, TXMLNode& child, bool unique,
                    const QString& format, double value);

private:
    void LoadFile();
    TXMLNode AppendIndented(TXMLNode parent, const QString& name);

    QString m_fileName;
    pugi::xml_document m_document;
    TXMLReadStatus m_readStatus = rsNone;
    TXMLWriteStatus m_writeStatus = wsNone;
    QString m_errorMessage;
};
