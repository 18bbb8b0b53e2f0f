#include "VerInfoRes.h"

#include "Format.h"
#include "VersionSource.h"

#include <array>

namespace {

const std::array<const char*, TVerInfoRes::EntryCount> EntryNames = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};

constexpr std::uint32_t PairSize = 4;

} // namespace

TVerInfoRes::TVerInfoRes(const QString& fileName) : m_fileName(fileName)
{
    TVersionSource& source = TVersionSource::Current();
    m_versionSize = source.GetFileVersionInfoSize(m_fileName, m_versionHandle);
    if (m_versionSize <= 0) {
        throw ENoVerInfoError();
    }
    if (!source.GetFileVersionInfo(m_fileName, m_versionHandle, m_versionSize, m_versionData) ||
        m_versionData.size() != m_versionSize) {
        throw EVerInfoError("Cannot obtain version info.");
    }
    std::uint32_t length = 0;
    if (!VerQueryValue(m_versionData, QStringLiteral("\\VarFileInfo\\Translation"), m_translation,
                       length) ||
        length < PairSize) {
        throw EVerInfoError("No language info.");
    }
    if (!VerQueryValue(m_versionData, QStringLiteral("\\"), m_fixedInfo, length) ||
        length < FixedInfoSize) {
        throw eNoFixeVerInfo();
    }
}

QString TVerInfoRes::EntryName(int index)
{
    if (index < 0 || index >= EntryCount) {
        throw std::out_of_range("version string index out of range");
    }
    return QString::fromLatin1(EntryNames[std::size_t(index)]);
}

std::uint16_t TVerInfoRes::Read16(qsizetype at) const
{
    return std::uint16_t(std::uint8_t(m_versionData[at]) | std::uint8_t(m_versionData[at + 1])
                                                               << 8);
}

std::uint32_t TVerInfoRes::Read32(qsizetype at) const
{
    return std::uint32_t(Read16(at)) | std::uint32_t(Read16(at + 2)) << 16;
}

std::uint16_t TVerInfoRes::TranslationLanguage() const
{
    return Read16(m_translation);
}

std::uint16_t TVerInfoRes::TranslationCodePage() const
{
    return Read16(m_translation + 2);
}

QString TVerInfoRes::GetVersionString(int index) const
{
    const QString subBlock =
        Format(QStringLiteral("%s%.4x%.4x\\%s"),
               {QStringLiteral("\\StringFileInfo\\"), std::int64_t(TranslationLanguage()),
                std::int64_t(TranslationCodePage()), EntryName(index)});
    qsizetype offset = 0;
    std::uint32_t length = 0;
    if (!VerQueryValue(m_versionData, subBlock, offset, length)) {
        return {};
    }
    QString text;
    for (std::uint32_t i = 0; i < length; ++i) {
        const std::uint16_t c = Read16(offset + 2 * qsizetype(i));
        if (c == 0) {
            break;
        }
        text += QChar(c);
    }
    return text;
}

QString TVerInfoRes::GetFileVersionText() const
{
    // dwFileVersionMS and dwFileVersionLS follow the signature and structure version.
    const std::uint32_t high = Read32(m_fixedInfo + 8);
    const std::uint32_t low = Read32(m_fixedInfo + 12);
    return Format(QStringLiteral("%d.%d.%d.%d"),
                  {std::int64_t(high >> 16), std::int64_t(high & 0xFFFF), std::int64_t(low >> 16),
                   std::int64_t(low & 0xFFFF)});
}

QString TVerInfoRes::GetProductName() const
{
    return GetVersionString(viProductName);
}

QString GetProductNameAndVersion(const QString& fileName)
{
    const TVerInfoRes info(fileName);
    return info.GetProductName() + u' ' + info.GetFileVersionText();
}
