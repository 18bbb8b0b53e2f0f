#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The platform's version resource service: size query, fetch, and sub-block
// lookup over a fetched block.
//
//   TVersionSource::Current().GetFileVersionInfoSize(file, handle)
//   TVersionSource::Current().GetFileVersionInfo(file, handle, size, data)
//   VerQueryValue(data, "\\StringFileInfo\\040904E4\\ProductName", offset, length)
//
// The installed source hands out the version data built into the program for
// the running executable and reports none for every other file; tests install
// their own with TVersionSource::Install.
class TVersionSource
{
public:
    virtual ~TVersionSource() = default;

    // Size in bytes of the file's version data, 0 when it has none.
    virtual std::int32_t GetFileVersionInfoSize(const QString& fileName, std::uint32_t& handle) = 0;
    // Fills `data` with `size` bytes of version data; false on failure.
    virtual bool GetFileVersionInfo(const QString& fileName, std::uint32_t handle,
                                    std::int32_t size, QByteArray& data) = 0;

    static TVersionSource& Current();
    // Installs `source` (not owned) and returns the one it replaces; nullptr restores the built-in.
    static TVersionSource* Install(TVersionSource* source);
};

// Finds the sub-block `subBlock` ("\\" for the fixed file information,
// "\\VarFileInfo\\Translation", "\\StringFileInfo\\<lang><cp>\\<name>") in a
// VS_VERSIONINFO block. On success `offset` is the value's position in `block`
// and `length` its size: bytes for binary values, UTF-16 characters for texts,
// both cut to what the block really holds. Names match without regard to
// ASCII case. Every length and offset is checked against the block: a
// truncated or malformed block gives false, never a read outside it.
bool VerQueryValue(const QByteArray& block, const QString& subBlock, qsizetype& offset,
                   std::uint32_t& length);
