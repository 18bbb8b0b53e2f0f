#include "CaseFile.h"

#include "CaseInputs.h"
#include "Format.h"
#include "Hx.h"
#include "NumberParse.h"
#include "PlatformPath.h"
#include "XMLFile.h"

#include <QStringList>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

const QString MaskGroup = QStringLiteral("duty");
const QString MaskElement = QStringLiteral("given");
const QString MaskAttribute = QStringLiteral("mask");
constexpr int LargestMask = 511;

[[noreturn]] void ThrowOpenError(const QString& path, const QString& reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot open \"%1\": %2").arg(path, reason).toStdString());
}

QString ReadName(TXMLFile& file, TXMLNode root, const QString& group)
{
    TXMLNode node;
    file.FindNode(root, {group}, node, false);
    QString name;
    file.ReadString(node, QStringLiteral("name"), name, QString());
    return name;
}

// The specific heat the file gives a stream; none when it gives no finite number.
std::optional<double> ReadCp(TXMLFile& file, TXMLNode root, const QString& group,
                             const QString& name)
{
    TXMLNode node;
    file.FindNode(root, {group}, node, false);
    const double cp = file.ReadFloat(node, name, std::numeric_limits<double>::quiet_NaN());
    return std::isfinite(cp) ? std::optional(cp) : std::nullopt;
}

std::optional<int> ReadMask(TXMLFile& file, TXMLNode root, const QString& path)
{
    TXMLNode given;
    file.FindNode(root, {MaskGroup, MaskElement}, given, false);
    if (!given)
        return std::nullopt;
    const QString text =
        QString::fromUtf8(given.attribute(MaskAttribute.toUtf8().constData()).value());
    int mask = -1;
    if (!TryStrToInt(text, mask) || mask < 0 || mask > LargestMask)
        ThrowOpenError(path, QStringLiteral("the mask of given values \"%1\" is not a whole number "
                                            "from 0 to %2")
                                 .arg(QuotedExcerpt(text),
                                      Format(QStringLiteral("%d"), {std::int64_t(LargestMask)})));
    return mask;
}

} // namespace

TCaseFile TCaseFile::Read(const QString& path)
{
    // A folder, a named pipe, a device or a file over the size limit is
    // refused by the wrapper, before it is read.
    if (!TPlatformPath::Exists(path))
        ThrowOpenError(path, QStringLiteral("there is no such file"));
    TXMLNode root;
    TXMLFile file(path, root, false);
    if (file.ReadStatus() == rsInvalidFileFormat)
        ThrowOpenError(path, file.ErrorMessage());

    // Read as Load reads; a value still not a number afterwards is one the
    // file lacks or does not give as a number.
    THx hx;
    for (const TCaseInputRow& row : CaseInputRows)
        hx.*row.member = std::numeric_limits<double>::quiet_NaN();
    hx.ReadCase(file, root);

    TCaseFile caseFile;
    QStringList lacking;
    for (const TCaseInputRow& row : CaseInputRows) {
        caseFile.values[row.bit] = hx.*row.member;
        if (std::isnan(caseFile.values[row.bit]))
            lacking << QLatin1String(row.name);
    }
    if (lacking.size() == MaskedValueCount)
        ThrowOpenError(path, QStringLiteral("it is not a case file: it holds none of the values "
                                            "thi, tho, mh, tci, tco, mc, Uo, Ao, Q"));
    if (!lacking.isEmpty())
        ThrowOpenError(path, QStringLiteral("it holds no number for %1").arg(lacking.join(", ")));

    caseFile.hotFluid = ReadName(file, root, QStringLiteral("hot"));
    caseFile.coldFluid = ReadName(file, root, QStringLiteral("cold"));
    caseFile.heatXType = ReadName(file, root, QStringLiteral("heatx"));
    caseFile.hotCp = ReadCp(file, root, QStringLiteral("hot"), QStringLiteral("cph"));
    caseFile.coldCp = ReadCp(file, root, QStringLiteral("cold"), QStringLiteral("cpc"));
    caseFile.mask = ReadMask(file, root, path);
    return caseFile;
}

void TCaseFile::Write(const QString& path, const THx& hx, int mask, const QString& programName)
{
    TXMLNode root;
    TXMLFile file(path, root, true);
    file.NewDocument(QStringLiteral("datafile"), programName, root, QStringLiteral("1.0.0.0"));
    hx.WriteCase(file, root);
    TXMLNode given;
    file.FindNode(root, {MaskGroup, MaskElement}, given, true);
    file.SetAttribute(given, MaskAttribute, Format(QStringLiteral("%d"), {std::int64_t(mask)}));
    file.Save();
}

void TCaseFile::GivenValuesInto(THx& hx) const
{
    for (const TCaseInputRow& row : CaseInputRows)
        hx.*row.member = values[row.bit];
}
