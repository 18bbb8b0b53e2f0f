#pragma once

#include <QString>

// Two distinct, complete versions of each file the program saves: the case
// file through TXMLFile, units.ini through TIniFile and the last case
// through TSettingsStore, written the way the program writes them. The save
// loop helper alternates the versions; the tests compare what is left on
// disk with copies of both.
class TSaveLoopCase
{
public:
    enum TFileKind
    {
        fkCase,
        fkUnits,
        fkSettings
    };

    // `folder` holds sample.xml and units.ini; the settings go under the
    // program name `program` in the settings store.
    TSaveLoopCase(const QString& folder, const QString& program);

    void Save(TFileKind kind, int version) const;
    void SaveAll(int version) const;

    // Where the file of that kind lives.
    QString PathOf(TFileKind kind) const;

private:
    void SaveCase(int version) const;
    void SaveUnits(int version) const;
    void SaveSettings(int version) const;

    QString m_folder;
    QString m_program;
};
