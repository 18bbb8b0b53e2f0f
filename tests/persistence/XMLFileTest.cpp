#include "XMLFileTest.h"

#include "FileSizeLimit.h"
#include "RecordingPlatform.h"
#include "TestFiles.h"
#include "XMLFile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>
#include <stdexcept>

namespace {

QByteArray Serialized(TXMLFile& xml)
{
    std::ostringstream out;
    xml.Document().save(out, "", pugi::format_raw | pugi::format_no_declaration);
    return QByteArray::fromStdString(out.str());
}

const QByteArray CaseFile = "<datafile program=\"kelvane\" generator=\"Marbleworth Software\" "
                            "version=\"1.0.0.0\">\r\n"
                            "  <hot>\r\n"
                            "    <name>water</name>\r\n"
                            "    <thi>80.000</thi>\r\n"
                            "  </hot>\r\n"
                            "  <cold>\r\n"
                            "    <tci>-1.500</tci>\r\n"
                            "  </cold>\r\n"
                            "</datafile>";

// The save sequence of the case file: clear, new root, sections, values.
void WriteCase(const QString& path)
{
    TXMLNode root;
    TXMLFile xml(path, root, true);
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    TXMLNode section;
    TXMLNode child;
    xml.FindNode(root, {"hot"}, section, true);
    xml.WriteString(section, "name", child, true, "water");
    xml.WriteFloat(section, "thi", child, true, "%0.3f", 80.0);
    xml.FindNode(root, {"cold"}, section, true);
    xml.WriteFloat(section, "tci", child, true, "%0.3f", -1.5);
    xml.Save();
}

QByteArray Nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

QByteArray BillionLaughs()
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n";
    for (int i = 1; i <= 9; ++i) {
        text += " <!ENTITY lol" + QByteArray::number(i) + " \"" +
                QByteArray("&lol" + (i > 1 ? QByteArray::number(i - 1) : QByteArray()) + ";")
                    .repeated(10) +
                "\">\n";
    }
    return text + "]>\n<lolz>&lol9;</lolz>";
}

} // namespace

void XMLFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString XMLFileTest::WriteFile(const QString& name, const QByteArray& content)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

void XMLFileTest::createGivesAnEmptyDocument()
{
    TXMLFile xml;
    QVERIFY(xml.FileName().isEmpty());
    QCOMPARE(xml.ReadStatus(), rsNone);
    QCOMPARE(xml.WriteStatus(), wsNone);
    QVERIFY(!xml.Document().first_child());
}

void XMLFileTest::missingFileGivesEmptyRootAndDefaults()
{
    TXMLNode root;
    TXMLFile xml(m_dir->filePath("none.xml"), root, false);
    QCOMPARE(xml.ReadStatus(), rsNone);
    QVERIFY(!root);
    TXMLNode hot;
    xml.FindNode(root, {"hot"}, hot, false);
    QVERIFY(!hot);
    QCOMPARE(xml.ReadFloat(hot, "thi", 35.0), 35.0);
    QCOMPARE(xml.ReadStatus(), rsParentNotFound);
    QVERIFY(!QFile::exists(m_dir->filePath("none.xml")));
}

void XMLFileTest::savedFileHasTheIndentedLayout()
{
    const QString path = m_dir->filePath("sample.xml");
    WriteCase(path);
    QCOMPARE(ReadAll(path), CaseFile);
}

void XMLFileTest::savedFileLoadsBack()
{
    const QString path = m_dir->filePath("sample.xml");
    WriteCase(path);
    TXMLNode root;
    TXMLFile xml(path, root, false);
    QCOMPARE(xml.ReadStatus(), rsNone);
    QVERIFY(root);
    TXMLNode hot;
    xml.FindNode(root, {"hot"}, hot, false);
    QString name;
    xml.ReadString(hot, "name", name, "");
    QCOMPARE(name, QString("water"));
    QCOMPARE(xml.ReadFloat(hot, "thi", 0.0), 80.0);
    TXMLNode cold;
    xml.FindNode(TXMLNode(), {"datafile", "cold"}, cold, false);
    QCOMPARE(xml.ReadFloat(cold, "tci", 0.0), -1.5);
    QCOMPARE(xml.ReadStatus(), rsNone);
}

void XMLFileTest::rootMatchesWithoutCaseChildrenExactly()
{
    TXMLFile xml(WriteFile("upper.xml", "<DATAFILE><HOT><thi>1</thi></HOT></DATAFILE>"));
    TXMLNode root;
    xml.FindNode(TXMLNode(), {"datafile"}, root, false);
    QVERIFY(root);
    TXMLNode hot;
    xml.FindNode(root, {"hot"}, hot, false);
    QVERIFY(!hot);
    xml.FindNode(root, {"HOT"}, hot, false);
    QVERIFY(hot);
}

void XMLFileTest::namespacedNamesMatchByLocalName()
{
    TXMLFile xml(WriteFile("ns.xml", "<k:datafile xmlns:k=\"urn:k\"><k:hot><k:thi>2.5</k:thi>"
                                     "</k:hot></k:datafile>"));
    TXMLNode hot;
    xml.FindNode(TXMLNode(), {"datafile", "hot"}, hot, false);
    QVERIFY(hot);
    QCOMPARE(xml.ReadFloat(hot, "thi", 0.0), 2.5);
    QCOMPARE(xml.ReadFloat(hot, "k:thi", 0.0), 2.5);
}

void XMLFileTest::firstOfTwoElementsIsRead()
{
    TXMLFile xml(WriteFile("two.xml", "<datafile><hot><thi>1</thi><thi>2</thi></hot></datafile>"));
    TXMLNode hot;
    xml.FindNode(TXMLNode(), {"datafile", "hot"}, hot, false);
    QString value;
    xml.ReadString(hot, "thi", value, "");
    QCOMPARE(value, QString("1"));
}

void XMLFileTest::readFloat_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("status");
    QTest::newRow("number") << QByteArray("<thi>80.000</thi>") << 80.0 << int(rsNone);
    QTest::newRow("blanks around") << QByteArray("<thi> 7 </thi>") << 7.0 << int(rsNone);
    QTest::newRow("character data")
        << QByteArray("<thi><![CDATA[2.5]]></thi>") << 2.5 << int(rsNone);
    QTest::newRow("not a number") << QByteArray("<thi>abc</thi>") << 0.5 << int(rsWrongType);
    QTest::newRow("comma decimal") << QByteArray("<thi>2,5</thi>") << 0.5 << int(rsWrongType);
    QTest::newRow("empty element") << QByteArray("<thi/>") << 0.5 << int(rsValueMissing);
    QTest::newRow("start and end tag") << QByteArray("<thi></thi>") << 0.5 << int(rsValueMissing);
    QTest::newRow("child element")
        << QByteArray("<thi><x>1</x></thi>") << 0.5 << int(rsValueMissing);
    QTest::newRow("text and element")
        << QByteArray("<thi>1<x/></thi>") << 0.5 << int(rsValueMissing);
    QTest::newRow("no such element") << QByteArray("<tho>1</tho>") << 0.5 << int(rsNotFound);
}

void XMLFileTest::readFloat()
{
    QFETCH(QByteArray, element);
    QFETCH(double, expected);
    QFETCH(int, status);
    TXMLFile xml(WriteFile("r.xml", "<datafile><hot>" + element + "</hot></datafile>"));
    TXMLNode hot;
    xml.FindNode(TXMLNode(), {"datafile", "hot"}, hot, false);
    QCOMPARE(xml.ReadFloat(hot, "thi", 0.5), expected);
    QCOMPARE(int(xml.ReadStatus()), status);
}

void XMLFileTest::readFloatDefaultPassesThroughText()
{
    TXMLFile xml(WriteFile("d.xml", "<datafile><hot><thi/></hot></datafile>"));
    TXMLNode hot;
    xml.FindNode(TXMLNode(), {"datafile", "hot"}, hot, false);
    // Missing: the default as 15-digit text, read back.
    QCOMPARE(xml.ReadFloat(hot, "tho", 0.1 + 0.2), 0.3);
    QVERIFY(0.1 + 0.2 != 0.3);
    // Defaults that the general form writes in scientific notation come back too.
    QCOMPARE(xml.ReadFloat(hot, "tho", 1e-7), 1e-7);
    QCOMPARE(xml.ReadFloat(hot, "tho", -1.5e20), -1.5e20);
    QCOMPARE(xml.ReadStatus(), rsNotFound);
    // Empty: the same, with its own status.
    QCOMPARE(xml.ReadFloat(hot, "thi", 1.0 / 3.0), 0.333333333333333);
    QCOMPARE(xml.ReadStatus(), rsValueMissing);
}

void XMLFileTest::readWithoutParent()
{
    TXMLFile xml;
    QString value = "old";
    xml.ReadString(TXMLNode(), "thi", value, "dflt");
    QCOMPARE(value, QString("dflt"));
    QCOMPARE(xml.ReadStatus(), rsParentNotFound);
}

void XMLFileTest::writeStringUniqueOverwrites()
{
    TXMLFile xml;
    TXMLNode root;
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    TXMLNode child;
    xml.WriteString(root, "name", child, true, "water");
    xml.WriteString(root, "name", child, true, "oil");
    QCOMPARE(Serialized(xml), QByteArray("<datafile program=\"kelvane\" generator=\"Marbleworth "
                                         "Software\" version=\"1.0.0.0\">\r\n"
                                         "  <name>oil</name>\r\n</datafile>"));
    xml.WriteString(root, "name", child, false, "air");
    int names = 0;
    for (TXMLNode node : root.children("name")) {
        ++names;
        Q_UNUSED(node);
    }
    QCOMPARE(names, 2);
    QCOMPARE(QString(child.child_value()), QString("air"));
    QCOMPARE(xml.WriteStatus(), wsNone);
}

void XMLFileTest::writeStringRefusesElementWithChildren()
{
    TXMLFile xml(WriteFile("w.xml", "<datafile><hot><x/></hot></datafile>"));
    TXMLNode root;
    xml.FindNode(TXMLNode(), {"datafile"}, root, false);
    TXMLNode child;
    xml.WriteString(root, "hot", child, true, "text");
    QCOMPARE(xml.WriteStatus(), wsNotAnElementNode);
    QCOMPARE(Serialized(xml), QByteArray("<datafile><hot><x/></hot></datafile>"));
}

void XMLFileTest::writeWithoutParent()
{
    TXMLFile xml;
    TXMLNode child;
    xml.WriteFloat(TXMLNode(), "thi", child, true, "%0.3f", 1.0);
    QCOMPARE(xml.WriteStatus(), wsParentNotFound);
    QVERIFY(!xml.Document().first_child());
}

void XMLFileTest::findNodeCreatesOnceThenFinds()
{
    TXMLFile xml;
    TXMLNode hot;
    xml.FindNode(TXMLNode(), {"datafile", "hot"}, hot, true);
    QVERIFY(hot);
    QCOMPARE(QString(hot.parent().name()), QString("datafile"));
    const QByteArray once = Serialized(xml);
    QCOMPARE(once, QByteArray("<datafile>\r\n  <hot/>\r\n</datafile>"));
    TXMLNode again;
    xml.FindNode(TXMLNode(), {"datafile", "hot"}, again, true);
    QCOMPARE(again, hot);
    QCOMPARE(Serialized(xml), once);
}

void XMLFileTest::findNodeKeepsOneDocumentElement()
{
    TXMLFile xml;
    TXMLNode root;
    xml.FindNode(TXMLNode(), {"datafile"}, root, true);
    TXMLNode other;
    xml.FindNode(TXMLNode(), {"other", "x"}, other, true);
    QVERIFY(!other);
    QCOMPARE(Serialized(xml), QByteArray("<datafile/>"));
}

void XMLFileTest::attributesKeepTheirFirstPlace()
{
    TXMLFile xml;
    TXMLNode root;
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    xml.SetAttribute(root, "program", "other");
    xml.SetAttribute(TXMLNode(), "program", "ignored");
    QCOMPARE(Serialized(xml), QByteArray("<datafile program=\"other\" generator=\"Marbleworth "
                                         "Software\" version=\"1.0.0.0\"/>"));
}

void XMLFileTest::newDocumentDiscardsTheLoadedContent()
{
    const QString path = WriteFile("sample.xml", "<datafile><old>1</old></datafile>");
    TXMLNode root;
    TXMLFile xml(path, root, false);
    QVERIFY(root);
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    TXMLNode child;
    xml.WriteString(root, "new", child, true, "2");
    xml.Save();
    QCOMPARE(ReadAll(path), QByteArray("<datafile program=\"kelvane\" generator=\"Marbleworth "
                                       "Software\" version=\"1.0.0.0\">\r\n  <new>2</new>\r\n"
                                       "</datafile>"));
}

// The wrapper only reports; the window that called Save shows the text.
void XMLFileTest::saveWithoutFileNameThrowsAndWritesNothing()
{
    TRecordingPlatform platform;
    TXMLFile xml;
    TXMLNode root;
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    const QStringList before = QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::Files);
    try {
        xml.Save();
        QFAIL("Save without a file name did not throw");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QString("File name not known"));
    }
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::Files), before);
}

void XMLFileTest::badFileGivesInvalidFormat_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("malformed") << QByteArray("<datafile><hot></datafile>")
                               << "Start-end tags mismatch at offset 17";
    QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18)
                              << "No document element found at offset 18";
    QTest::newRow("empty file") << QByteArray() << "No document element found at offset 0";
    QTest::newRow("billion laughs") << BillionLaughs() << "entity declarations are not accepted";
    QTest::newRow("deeply nested")
        << Nested(100000) << "elements are nested deeper than 256 levels";
    QTest::newRow("unclosed attribute")
        << QByteArray("<datafile program=\"x>") << "Error parsing element attribute at offset 19";
    QTest::newRow("text after the document element")
        << QByteArray("<datafile><duty><Q>1</Q></duty></datafile>junk")
        << "Text outside the document element at offset 42";
    QTest::newRow("character data after the document element")
        << QByteArray("<datafile/>\r\n<![CDATA[<Q>1</Q>]]>")
        << "Text outside the document element at offset 22";
    QTest::newRow("two document elements")
        << QByteArray("<datafile><duty><Q>1</Q></duty></datafile><datafile/>")
        << "More than one document element at offset 43";
    QTest::newRow("duplicated attribute")
        << QByteArray("<datafile><duty unit=\"kW\" unit=\"W\"><Q>1</Q></duty></datafile>")
        << "Duplicate attribute at offset 11";
    QTest::newRow("undeclared entity")
        << QByteArray("<datafile><duty><Q>&one;</Q></duty></datafile>")
        << "Undeclared entity reference at offset 19";
    QTest::newRow("undeclared entity in an attribute")
        << QByteArray("<datafile program=\"&kelvane;\"/>")
        << "Undeclared entity reference at offset 1";
    QTest::newRow("ampersand alone")
        << QByteArray("<datafile><hot><name>oil & water</name></hot></datafile>")
        << "Undeclared entity reference at offset 25";
    QTest::newRow("reference to a character XML does not allow")
        << QByteArray("<datafile><hot><name>&#0;</name></hot></datafile>")
        << "Undeclared entity reference at offset 21";
    QTest::newRow("invalid UTF-8")
        << QByteArray("<datafile><hot><name>w\xe4ter</name></hot></datafile>")
        << "Invalid UTF-8 byte sequence at offset 22";
    QTest::newRow("UTF-8 encoded surrogate")
        << QByteArray("<datafile><hot><name>\xed\xa0\x80</name></hot></datafile>")
        << "Invalid UTF-8 byte sequence at offset 21";
}

// What is well formed loads as before, whatever the parser had to accept to read it.
void XMLFileTest::wellFormedFilesLoad_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name"); // of <datafile><hot><name>
    QTest::newRow("predefined entities and character references")
        << QByteArray("<datafile><hot><name>a&amp;b&lt;&gt;&quot;&apos; &#233;&#xE9;&#x1F600;"
                      "</name></hot></datafile>")
        << QString("a&b<>\"' éé😀");
    QTest::newRow("declaration, byte order mark, comments and blanks around")
        << QByteArray("\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- case -->\r\n"
                      "<datafile><hot><name>w\xc3\xa4ter</name></hot></datafile>\r\n"
                      "<!-- end --><?done yes?>\r\n")
        << QString("wäter");
    QTest::newRow("document type without declarations")
        << QByteArray("<!DOCTYPE datafile><datafile><hot><name>oil</name></hot></datafile>")
        << QString("oil");
    QTest::newRow("character data inside")
        << QByteArray("<datafile><hot><name><![CDATA[a & b]]></name></hot></datafile>")
        << QString("a & b");
    QTest::newRow("an ampersand in a comment")
        << QByteArray("<datafile><!-- a & b --><hot><name>oil</name></hot></datafile>")
        << QString("oil");
    QTest::newRow("Latin-1 by its declaration")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                      "<datafile><hot><name>w\xe4ter</name></hot></datafile>")
        << QString("wäter");
    QTest::newRow("UTF-16 with a byte order mark")
        << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(
               QString("<datafile><hot><name>wäter</name></hot></datafile>")))
        << QString("wäter");
}

void XMLFileTest::wellFormedFilesLoad()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    TXMLNode root;
    TXMLFile xml(WriteFile("good.xml", content), root, false);
    QCOMPARE(xml.ReadStatus(), rsNone);
    QCOMPARE(xml.ErrorMessage(), QString());
    TXMLNode hot;
    xml.FindNode(root, {"hot"}, hot, false);
    QString read;
    xml.ReadString(hot, "name", read, "missing");
    QCOMPARE(read, name);
}

void XMLFileTest::badFileGivesInvalidFormat()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TRecordingPlatform platform;
    const QString path = WriteFile("bad.xml", content);
    TXMLNode root;
    TXMLFile xml(path, root, false);
    QCOMPARE(xml.ReadStatus(), rsInvalidFileFormat);
    QCOMPARE(xml.ErrorMessage(), message);
    QVERIFY(!root);
    QVERIFY(!xml.Document().first_child());
    QVERIFY(platform.messages.isEmpty());
    // The next read starts afresh.
    QCOMPARE(xml.ReadFloat(root, "thi", 4.0), 4.0);
    QCOMPARE(xml.ReadStatus(), rsParentNotFound);
}

void XMLFileTest::unreadableFileGivesInvalidFormat()
{
    QVERIFY(QDir(m_dir->path()).mkpath("sample.xml"));
    TXMLNode root;
    TXMLFile xml(m_dir->filePath("sample.xml"), root, false);
    QCOMPARE(xml.ReadStatus(), rsInvalidFileFormat);
    QVERIFY(!xml.ErrorMessage().isEmpty());
    QVERIFY(!root);
}

void XMLFileTest::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<int>("length");
    QTest::newRow("missing folder") << "no/such/sample.xml" << false << 20000;
    QTest::newRow("a folder in the way") << "busy" << false << 20000;
    QTest::newRow("full disk") << "sample.xml" << true << 20000;
    // Short enough for Qt's write buffer, where a cut-off write once went unseen.
    QTest::newRow("full disk on a short file") << "sample.xml" << true << 1000;
}

void XMLFileTest::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, diskFull);
    QFETCH(int, length);
    QVERIFY(QDir(m_dir->path()).mkpath("busy"));
    const QByteArray old = "<datafile><old>1</old></datafile>";
    WriteFile("sample.xml", old);
    const QString path = m_dir->filePath(relativePath);

    TXMLNode root;
    TXMLFile xml(path, root, true);
    xml.NewDocument("datafile", "kelvane", root, "1.0.0.0");
    TXMLNode child;
    xml.WriteString(root, "long", child, true, QString(length, u'x'));
    {
        TFileSizeLimit limit(diskFull ? rlim_t(length / 4) : RLIM_INFINITY);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, xml.Save());
    }
    QCOMPARE(ReadAll(m_dir->filePath("sample.xml")), old);
    QVERIFY(QFileInfo(m_dir->filePath("busy")).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList({"busy", "sample.xml"}));
}

void XMLFileTest::statusTexts()
{
    QCOMPARE(ReadStatusText(rsNone), QString("none"));
    QCOMPARE(ReadStatusText(rsInvalidFileFormat), QString("invalid file format"));
    QCOMPARE(ReadStatusText(rsNotFound), QString("not found"));
    QCOMPARE(ReadStatusText(rsWrongType), QString("wrong type"));
    QCOMPARE(ReadStatusText(rsParentNotFound), QString("parent node not found"));
    QCOMPARE(ReadStatusText(rsValueMissing), QString("value missing"));
    QCOMPARE(ReadStatusText(rsAttributeMissing), QString("attribute missing"));
    QCOMPARE(WriteStatusText(wsNone), QString("none"));
    QCOMPARE(WriteStatusText(wsNotAnElementNode), QString("not an element node"));
    QCOMPARE(WriteStatusText(wsParentNotFound), QString("parent node not found"));
}
