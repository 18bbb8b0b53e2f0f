#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>

// Reads the version data of an executable: the fixed file information and
// the string table of its first translation.
//
//   GetProductNameAndVersion(QCoreApplication::applicationFilePath())  // "Kelvane 1.0.0.3"
//   TVerInfoRes info(path);            // throws EVerInfoError or a subclass
//   info.GetVersionString(viProductName), info.GetFileVersionText()
//
// The data comes from TVersionSource::Current() (VersionSource.h).

class EVerInfoError : public std::runtime_error
{
public:
    explicit EVerInfoError(const std::string& message) : std::runtime_error(message) {}
};

// "No Version Info Available."
class ENoVerInfoError : public EVerInfoError
{
public:
    ENoVerInfoError() : EVerInfoError("No Version Info Available.") {}
};

// "No fixed file info"
class eNoFixeVerInfo : public EVerInfoError
{
public:
    eNoFixeVerInfo() : EVerInfoError("No fixed file info") {}
};

// Indexes of the string-table entries.
enum TVersionEntry : int
{
    viCompanyName = 0,
    viFileDescription,
    viFileVersion,
    viInternalName,
    viLegalCopyright,
    viLegalTrademarks,
    viOriginalFilename,
    viProductName,
    viProductVersion,
    viComments,
};

class TVerInfoRes
{
public:
    static constexpr int EntryCount = 10;
    static constexpr std::uint32_t FixedInfoSize = 52;

    explicit TVerInfoRes(const QString& fileName);

    // "CompanyName", ... "Comments"; throws std::out_of_range outside 0 ... 9.
    static QString EntryName(int index);

    // The entry's text, empty when the data has no such entry.
    QString GetVersionString(int index) const;
    // "%d.%d.%d.%d" of the fixed information's file version.
    QString GetFileVersionText() const;
    QString GetProductName() const;

    std::uint32_t VersionHandle() const { return m_versionHandle; }
    std::int32_t VersionSize() const { return m_versionSize; }
    const QByteArray& VersionData() const { return m_versionData; }
    std::uint16_t TranslationLanguage() const;
    std::uint16_t TranslationCodePage() const;
    const QString& FileName() const { return m_fileName; }

private:
    std::uint32_t Read32(qsizetype at) const;
    std::uint16_t Read16(qsizetype at) const;

    std::uint32_t m_versionHandle = 0;
    std::int32_t m_versionSize = 0;
    QByteArray m_versionData;
    qsizetype m_translation = 0; // offset of the first language and code page pair
    qsizetype m_fixedInfo = 0;   // offset of the 52-byte fixed file information
    QString m_fileName;
};

// GetProductName + " " + GetFileVersionText of the file; throws as TVerInfoRes does.
QString GetProductNameAndVersion(const QString& fileName);
