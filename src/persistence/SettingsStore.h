#pragma once

#include "IniText.h"
#include "IniValue.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The per-user settings store, standing in for a registry key: a key path
// "Software\Marbleworth[\<program>]" with sections (subkeys) holding named
// values of three kinds: 32-bit integers, doubles as 8 raw bytes, texts.
//
//   TSettingsStore store(GetAppRegistryKey());       // the program's key
//   TSettingsStore maker(QStringLiteral("Software\\Marbleworth"));
//   store.ReadInteger("HotFluid", "index", 0);        // section "" = the key itself
//   store.WriteFloat("HotFluid", "thi", 35.0);
//   store.ReadString("MainForm", "Visible", "0");
//   store.Flush();                                    // throws when it cannot be written
//
// Kept in the file QSettings' native format uses, in the form it writes:
// organisation "Marbleworth" and application <program>
// (~/.config/Marbleworth/<program>.conf), or the organisation alone for
// "Software\Marbleworth" (~/.config/Marbleworth.conf); sections are groups. The
// file is read and written as text by TIniText: only the lines of the values
// the program reads are decoded, and a flush rewrites only the lines of the
// values it changed, so values of other programs, of any size or kind, stay
// byte for byte. A value of another kind, or a raw value that is not 8 bytes
// long, reads as missing: the caller's default comes back. Integers and texts
// share a textual form in the file, so a text holding a decimal 32-bit
// integer also reads as that integer.
//
// A file over MaxFileSize, or one that is no regular file, is not read: the
// store then holds nothing, and Flush refuses to replace the file.
class TSettingsStore
{
public:
    // The program's settings are a few hundred bytes.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // Throws std::invalid_argument unless the path is "Software\" + organisation [+ "\" + program].
    explicit TSettingsStore(const QString& keyPath);
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    int ReadInteger(const QString& section, const QString& name, int defaultValue) const;
    double ReadFloat(const QString& section, const QString& name, double defaultValue) const;
    QString ReadString(const QString& section, const QString& name,
                       const QString& defaultValue) const;

    void WriteInteger(const QString& section, const QString& name, int value);
    void WriteFloat(const QString& section, const QString& name, double value);
    void WriteString(const QString& section, const QString& name, const QString& value);

    bool ValueExists(const QString& section, const QString& name) const;
    bool SectionExists(const QString& section) const;
    QStringList Sections() const;
    void DeleteValue(const QString& section, const QString& name);
    void EraseSection(const QString& section);

    // Writes pending changes; throws std::runtime_error when the store cannot be written.
    void Flush();

private:
    std::optional<TIniValue> Value(const QString& section, const QString& name) const;
    // Makes the change here, and keeps it to make again on the file as Flush finds it.
    void Change(std::function<void(TIniText&)> change);
    void WriteText(const QByteArray& text) const;

    QString m_fileName;
    // Why the file was not read; empty when it was, or there was none.
    QString m_refusal;
    TIniText m_text;
    std::vector<std::function<void(TIniText&)>> m_changes;
};
