#include "SaveLoopCase.h"

#include "IniFile.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "XMLFile.h"

namespace {

// As many groups and values as a saved case, so a save takes as long.
const QStringList Groups = {"hot", "cold", "heatx", "lmtd", "e-Ntu", "duty"};
constexpr int ValuesPerGroup = 6;
constexpr int UnitsSections = 12;
constexpr int UnitsKeys = 7;

// Every value differs between the two versions.
double ValueOf(int version, int group, int index)
{
    return (version + 1) * 100.0 + group * 10.0 + index + 0.125;
}

} // namespace

TSaveLoopCase::TSaveLoopCase(const QString& folder, const QString& program)
    : m_folder(folder), m_program(program)
{
}

void TSaveLoopCase::Save(TFileKind kind, int version) const
{
    switch (kind) {
    case fkCase:
        SaveCase(version);
        break;
    case fkUnits:
        SaveUnits(version);
        break;
    case fkSettings:
        SaveSettings(version);
        break;
    }
}

void TSaveLoopCase::SaveAll(int version) const
{
    for (const TFileKind kind : {fkCase, fkUnits, fkSettings})
        Save(kind, version);
}

QString TSaveLoopCase::PathOf(TFileKind kind) const
{
    switch (kind) {
    case fkCase:
        return m_folder + QStringLiteral("/sample.xml");
    case fkUnits:
        return m_folder + QStringLiteral("/units.ini");
    case fkSettings:
        break;
    }
    return SettingsFile(m_program);
}

void TSaveLoopCase::SaveCase(int version) const
{
    TXMLNode root;
    TXMLFile file(PathOf(fkCase), root, true);
    file.NewDocument(QStringLiteral("datafile"), QStringLiteral("kelvane"), root,
                     QStringLiteral("1.0.0.0"));
    for (int g = 0; g < Groups.size(); ++g) {
        TXMLNode group;
        file.FindNode(root, {Groups[g]}, group, true);
        TXMLNode child;
        file.WriteString(group, QStringLiteral("name"), child, true,
                         version == 0 ? QStringLiteral("air") : QStringLiteral("water"));
        for (int i = 0; i < ValuesPerGroup; ++i)
            file.WriteFloat(group, QStringLiteral("v%1").arg(i), child, true,
                            QStringLiteral("%0.3f"), ValueOf(version, g, i));
    }
    file.Save();
}

void TSaveLoopCase::SaveUnits(int version) const
{
    TIniFile ini(PathOf(fkUnits));
    for (int s = 0; s < UnitsSections; ++s) {
        for (int k = 0; k < UnitsKeys; ++k)
            ini.WriteInteger(QStringLiteral("section%1").arg(s), QStringLiteral("key%1").arg(k),
                             version * 10 + k);
    }
    ini.UpdateFile();
}

void TSaveLoopCase::SaveSettings(int version) const
{
    TSettingsStore store(SettingsKey(m_program));
    for (int g = 0; g < 3; ++g) {
        const QString section = Groups[g];
        store.WriteInteger(section, QStringLiteral("index"), version + g);
        for (int i = 0; i < 3; ++i)
            store.WriteFloat(section, QStringLiteral("v%1").arg(i), ValueOf(version, g, i));
    }
    store.Flush();
}
