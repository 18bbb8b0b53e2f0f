#include "VerInfoResTest.h"

#include "VerInfoRes.h"
#include "VersionBlockWriter.h"
#include "VersionSource.h"

#include <QCoreApplication>
#include <QTemporaryFile>
#include <QTest>

namespace {

// Hands out one crafted block for every file, installed for its lifetime.
class TFakeVersionSource final : public TVersionSource
{
public:
    explicit TFakeVersionSource(QByteArray block)
        : m_block(std::move(block)), m_previous(TVersionSource::Install(this))
    {
    }
    ~TFakeVersionSource() override { TVersionSource::Install(m_previous); }
    TFakeVersionSource(const TFakeVersionSource&) = delete;
    TFakeVersionSource& operator=(const TFakeVersionSource&) = delete;

    std::int32_t GetFileVersionInfoSize(const QString&, std::uint32_t& handle) override
    {
        handle = 7;
        return std::int32_t(m_block.size());
    }
    bool GetFileVersionInfo(const QString&, std::uint32_t handle, std::int32_t size,
                            QByteArray& data) override
    {
        if (fetchFails || handle != 7) {
            return false;
        }
        data = m_block.left(size);
        return true;
    }

    bool fetchFails = false;

private:
    QByteArray m_block;
    TVersionSource* m_previous = nullptr;
};

TVersionBlockSpec KelvaneSpec()
{
    TVersionBlockSpec spec;
    spec.FileVersion = {1, 0, 0, 3};
    spec.ProductVersion = {1, 0, 0, 3};
    spec.Translations = {{0x0409, 0x04E4}};
    spec.StringTables = {
        {u"040904E4", {{u"CompanyName", u"Marbleworth Software"}, {u"ProductName", u"Kelvane"}}}};
    return spec;
}

QByteArray Block(const TVersionBlockSpec& spec)
{
    const std::vector<std::uint8_t> bytes = BuildVersionBlock(spec);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void Put16(QByteArray& block, qsizetype at, std::uint16_t value)
{
    block[at] = char(value & 0xFF);
    block[at + 1] = char(value >> 8);
}

// A block whose fixed information is only `bytes` long.
QByteArray ShortFixedInfo(int bytes)
{
    TVersionBlockSpec spec = KelvaneSpec();
    spec.HasFixedInfo = false;
    QByteArray block = Block(spec);
    const qsizetype valueAt = 40; // header and "VS_VERSION_INFO" with its zero, aligned
    block.insert(valueAt, QByteArray(bytes, '\x11'));
    Put16(block, 0, std::uint16_t(block.size()));
    Put16(block, 2, std::uint16_t(bytes));
    return block;
}

QString ConstructionError(const QByteArray& block, bool fetchFails = false)
{
    TFakeVersionSource source(block);
    source.fetchFails = fetchFails;
    try {
        TVerInfoRes info("any.exe");
        return QString();
    } catch (const EVerInfoError& error) {
        return QString::fromUtf8(error.what());
    }
}

} // namespace

void VerInfoResTest::runningProgramHasBuiltInVersion()
{
    const QString self = QCoreApplication::applicationFilePath();
    QCOMPARE(GetProductNameAndVersion(self), QString("Kelvane 1.0.0.3"));
    const TVerInfoRes info(self);
    QCOMPARE(info.GetVersionString(viCompanyName), QString("Marbleworth Software"));
    QCOMPARE(info.GetVersionString(viFileVersion), QString("1.0.0.3"));
    QCOMPARE(info.GetVersionString(viLegalTrademarks), QString());
    QCOMPARE(info.TranslationLanguage(), std::uint16_t(0x0409));
    QCOMPARE(info.TranslationCodePage(), std::uint16_t(0x04E4));
    QCOMPARE(info.FileName(), self);
    QCOMPARE(info.VersionSize(), std::int32_t(info.VersionData().size()));
}

void VerInfoResTest::otherFilesHaveNone_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("another program") << "/bin/sh";
    QTest::newRow("no such file") << "/no/such/kelvane";
    QTest::newRow("empty name") << "";
}

void VerInfoResTest::otherFilesHaveNone()
{
    QFETCH(QString, fileName);
    QVERIFY_THROWS_EXCEPTION(ENoVerInfoError, GetProductNameAndVersion(fileName));
    try {
        TVerInfoRes info(fileName);
    } catch (const ENoVerInfoError& error) {
        QCOMPARE(QString(error.what()), QString("No Version Info Available."));
    }
}

void VerInfoResTest::stringsComeFromTheFirstTranslation()
{
    TVersionBlockSpec spec = KelvaneSpec();
    spec.StringTables.insert(spec.StringTables.begin(),
                             {u"040904B0", {{u"ProductName", u"Wrong table"}}});
    spec.Translations.push_back({0x0407, 0x04B0});
    TFakeVersionSource source(Block(spec));
    const TVerInfoRes info("any.exe");
    QCOMPARE(info.GetProductName(), QString("Kelvane"));
    QCOMPARE(GetProductNameAndVersion("any.exe"), QString("Kelvane 1.0.0.3"));
}

void VerInfoResTest::missingProductNameGivesBlankCaption()
{
    TVersionBlockSpec spec = KelvaneSpec();
    spec.StringTables[0].Strings = {{u"CompanyName", u"Marbleworth Software"}};
    TFakeVersionSource source(Block(spec));
    QCOMPARE(GetProductNameAndVersion("any.exe"), QString(" 1.0.0.3"));
}

void VerInfoResTest::fileVersionWords_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1.0.0.3") << 1 << 0 << 0 << 3 << "1.0.0.3";
    QTest::newRow("halves stay apart") << 2 << 65535 << 300 << 1 << "2.65535.300.1";
}

void VerInfoResTest::fileVersionWords()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(QString, expected);
    TVersionBlockSpec spec = KelvaneSpec();
    spec.FileVersion = {std::uint16_t(a), std::uint16_t(b), std::uint16_t(c), std::uint16_t(d)};
    spec.ProductVersion = {9, 9, 9, 9};
    TFakeVersionSource source(Block(spec));
    QCOMPARE(TVerInfoRes("any.exe").GetFileVersionText(), expected);
}

void VerInfoResTest::constructionErrors_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<bool>("fetchFails");
    QTest::addColumn<QString>("message");
    TVersionBlockSpec noTranslation = KelvaneSpec();
    noTranslation.HasTranslation = false;
    TVersionBlockSpec emptyTranslation = KelvaneSpec();
    emptyTranslation.Translations.clear();
    TVersionBlockSpec noFixedInfo = KelvaneSpec();
    noFixedInfo.HasFixedInfo = false;

    QTest::newRow("size 0") << QByteArray() << false << "No Version Info Available.";
    QTest::newRow("fetch fails") << Block(KelvaneSpec()) << true << "Cannot obtain version info.";
    QTest::newRow("no translation table") << Block(noTranslation) << false << "No language info.";
    QTest::newRow("empty translation table")
        << Block(emptyTranslation) << false << "No language info.";
    QTest::newRow("no fixed info") << Block(noFixedInfo) << false << "No fixed file info";
    QTest::newRow("fixed info of 48 bytes") << ShortFixedInfo(48) << false << "No fixed file info";
    QTest::newRow("fixed info of 52 bytes") << ShortFixedInfo(52) << false << "";
}

void VerInfoResTest::constructionErrors()
{
    QFETCH(QByteArray, block);
    QFETCH(bool, fetchFails);
    QFETCH(QString, message);
    QCOMPARE(ConstructionError(block, fetchFails), message);
}

void VerInfoResTest::subBlockLookupIgnoresCase()
{
    const QByteArray block = Block(KelvaneSpec());
    qsizetype offset = -1;
    std::uint32_t length = 0;
    QVERIFY(VerQueryValue(block, "\\stringfileinfo\\040904e4\\PRODUCTNAME", offset, length));
    QCOMPARE(length, std::uint32_t(8)); // "Kelvane" and its zero
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(block.constData() + offset), 7),
             QString("Kelvane"));
    QVERIFY(!VerQueryValue(block, "\\StringFileInfo\\040904E4\\Comments", offset, length));
    QVERIFY(!VerQueryValue(block, "\\StringFileInfo\\04090000\\ProductName", offset, length));
}

void VerInfoResTest::entryIndexOutOfRangeThrows()
{
    TFakeVersionSource source(Block(KelvaneSpec()));
    const TVerInfoRes info("any.exe");
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, info.GetVersionString(10));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, info.GetVersionString(-1));
    QCOMPARE(TVerInfoRes::EntryName(9), QString("Comments"));
}

void VerInfoResTest::truncatedBlocksAreRefused()
{
    const QByteArray block = Block(KelvaneSpec());
    for (qsizetype size = 0; size < block.size(); ++size) {
        const QString message = ConstructionError(block.left(size));
        QVERIFY2(!message.isEmpty(), qPrintable(QString::number(size)));
    }
    QCOMPARE(ConstructionError(block), QString());
}

void VerInfoResTest::corruptLengthsStayInsideTheBlock()
{
    // Every 16-bit field in turn set to hostile values: the reader may refuse
    // the block or read it, but stays inside it (the sanitizer build checks).
    const QByteArray block = Block(KelvaneSpec());
    int read = 0;
    for (qsizetype at = 0; at + 1 < block.size(); at += 2) {
        for (std::uint16_t hostile : {std::uint16_t(0), std::uint16_t(1), std::uint16_t(7),
                                      std::uint16_t(0x7FFF), std::uint16_t(0xFFFF)}) {
            QByteArray corrupt = block;
            Put16(corrupt, at, hostile);
            TFakeVersionSource source(corrupt);
            try {
                const TVerInfoRes info("any.exe");
                for (int i = 0; i < TVerInfoRes::EntryCount; ++i) {
                    QVERIFY(info.GetVersionString(i).size() <= corrupt.size() / 2);
                }
                QCOMPARE(info.GetFileVersionText().count(u'.'), 3);
                ++read;
            } catch (const EVerInfoError&) {
            }
        }
    }
    QVERIFY(read > 0);
}
