// A hostile version block: the sub-block lookup and the reader over it.
#include "FuzzSupport.h"
#include "VerInfoRes.h"
#include "VersionSource.h"

#include <cstdlib>

namespace {

// Hands out the fuzz input as the version data of every file.
class TFuzzVersionSource final : public TVersionSource
{
public:
    QByteArray block;
    std::int32_t GetFileVersionInfoSize(const QString&, std::uint32_t& handle) override
    {
        handle = 0;
        return std::int32_t(block.size());
    }
    bool GetFileVersionInfo(const QString&, std::uint32_t, std::int32_t size,
                            QByteArray& data) override
    {
        data = block.left(size);
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TFuzzVersionSource source;
    static const bool installed = (TVersionSource::Install(&source), true);
    (void)installed;
    source.block = FuzzBytes(data, size);
    for (const char* subBlock :
         {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904E4\\ProductName",
          "\\StringFileInfo\\040904E4\\FileVersion"}) {
        qsizetype offset = 0;
        std::uint32_t length = 0;
        if (VerQueryValue(source.block, QLatin1String(subBlock), offset, length) &&
            (offset < 0 || offset > source.block.size()))
            std::abort();
    }
    try {
        TVerInfoRes info("kelvane");
        for (int i = 0; i < TVerInfoRes::EntryCount; ++i)
            (void)info.GetVersionString(i);
        (void)info.GetFileVersionText();
        (void)GetProductNameAndVersion("kelvane");
    } catch (const EVerInfoError&) {
    }
    return 0;
}
