#include "VersionSource.h"

#include "BuiltInVersion.h"
#include "PlatformPath.h"

#include <QStringList>
#include <optional>
#include <sys/stat.h>

namespace {

std::uint16_t Read16(const QByteArray& block, qsizetype at)
{
    return std::uint16_t(std::uint8_t(block[at]) | std::uint8_t(block[at + 1]) << 8);
}

qsizetype Align4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

// One node of the block, its parts checked to lie inside its parent.
struct TVersionNode
{
    qsizetype Begin = 0;
    qsizetype End = 0; // one past the node's last byte
    std::uint16_t ValueLength = 0;
    std::uint16_t Type = 0;
    QString Key;
    qsizetype ValueBegin = 0;
    qsizetype ValueBytes = 0;
    qsizetype ChildrenBegin = 0;
};

constexpr qsizetype HeaderSize = 6;
constexpr std::uint16_t TextType = 1;

std::optional<TVersionNode> ReadNode(const QByteArray& block, qsizetype at, qsizetype limit)
{
    if (at < 0 || at + HeaderSize > limit) {
        return std::nullopt;
    }
    TVersionNode node;
    node.Begin = at;
    const std::uint16_t length = Read16(block, at);
    node.End = at + length;
    if (length < HeaderSize || node.End > limit) {
        return std::nullopt;
    }
    node.ValueLength = Read16(block, at + 2);
    node.Type = Read16(block, at + 4);
    qsizetype key = at + HeaderSize;
    for (;; key += 2) {
        if (key + 2 > node.End) {
            return std::nullopt; // no terminating zero inside the node
        }
        const std::uint16_t c = Read16(block, key);
        if (c == 0) {
            break;
        }
        node.Key += QChar(c);
    }
    node.ValueBegin = std::min(Align4(key + 2), node.End);
    const qsizetype wanted =
        node.Type == TextType ? qsizetype(node.ValueLength) * 2 : qsizetype(node.ValueLength);
    node.ValueBytes = std::min(wanted, node.End - node.ValueBegin);
    node.ChildrenBegin = std::min(Align4(node.ValueBegin + node.ValueBytes), node.End);
    return node;
}

std::optional<TVersionNode> FindChildNode(const QByteArray& block, const TVersionNode& parent,
                                          const QString& key)
{
    for (qsizetype at = parent.ChildrenBegin; at + HeaderSize <= parent.End;) {
        const std::optional<TVersionNode> child = ReadNode(block, at, parent.End);
        if (!child) {
            return std::nullopt;
        }
        if (child->Key.compare(key, Qt::CaseInsensitive) == 0) {
            return child;
        }
        at = Align4(child->End);
    }
    return std::nullopt;
}

// The built-in data for the running executable, nothing for any other file.
class TBuiltInVersionSource final : public TVersionSource
{
public:
    std::int32_t GetFileVersionInfoSize(const QString& fileName, std::uint32_t& handle) override
    {
        handle = 0;
        return IsRunningExecutable(fileName) ? std::int32_t(BuiltInVersionBlock().size()) : 0;
    }

    bool GetFileVersionInfo(const QString& fileName, std::uint32_t, std::int32_t size,
                            QByteArray& data) override
    {
        const auto block = BuiltInVersionBlock();
        if (!IsRunningExecutable(fileName) || size < 0) {
            return false;
        }
        const auto count = std::min<std::size_t>(std::size_t(size), block.size());
        data = QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(count));
        data.resize(size, '\0');
        return true;
    }

private:
    // The same file on the disk, whatever the name or its encoding.
    static bool IsRunningExecutable(const QString& fileName)
    {
        struct stat file;
        struct stat self;
        return ::stat(TPlatformPath::ToBytes(fileName).constData(), &file) == 0 &&
               ::stat("/proc/self/exe", &self) == 0 && file.st_dev == self.st_dev &&
               file.st_ino == self.st_ino;
    }
};

TBuiltInVersionSource& BuiltIn()
{
    static TBuiltInVersionSource source;
    return source;
}

TVersionSource* installed = nullptr;

} // namespace

TVersionSource& TVersionSource::Current()
{
    return installed ? *installed : BuiltIn();
}

TVersionSource* TVersionSource::Install(TVersionSource* source)
{
    TVersionSource* previous = installed;
    installed = source;
    return previous;
}

bool VerQueryValue(const QByteArray& block, const QString& subBlock, qsizetype& offset,
                   std::uint32_t& length)
{
    std::optional<TVersionNode> node = ReadNode(block, 0, block.size());
    for (const QString& key : subBlock.split(u'\\', Qt::SkipEmptyParts)) {
        if (!node) {
            break;
        }
        node = FindChildNode(block, *node, key);
    }
    if (!node) {
        return false;
    }
    offset = node->ValueBegin;
    length = std::uint32_t(node->Type == TextType ? node->ValueBytes / 2 : node->ValueBytes);
    return true;
}
