#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

// An INI file held in memory: sections in square brackets, key=value lines.
// Section and key names match without regard to ASCII letter case, and a
// section or key repeated further down is ignored (the first one counts), as
// with the desktop's own INI files. The text is UTF-8, or Windows-1252 when
// the file's bytes are not valid UTF-8 (files made by Windows programs).
//
//   TIniFile ini(path);                        // loads; a missing file is empty
//   ini.Sections(), ini.Keys(section)          // in file order
//   ini.SectionExists(s), ini.KeyExists(s, k)
//   ini.ReadString(s, k, def), ReadInteger, ReadFloat
//                                              // missing key or non-number: def
//   ini.WriteString(s, k, v), WriteInteger, WriteFloat
//   ini.UpdateFile();                          // atomic write, throws on failure
//
// Writing changes only the memory image; UpdateFile writes it back, keeping
// every other section, key and comment of the file as it was, less the
// repeats that were ignored, and in the file's encoding (UTF-8 when a written
// text does not fit Windows-1252). Numbers are read and written with "." as
// the decimal separator whatever the locale.
//
// A file that cannot be read (a folder, a named pipe, a device, one larger
// than MaxFileSize) reads as empty, LoadError() says why, and it is never
// overwritten.
class TIniFile
{
public:
    // The program's tables and settings are a few kB.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    explicit TIniFile(const QString& path);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const QString& FileName() const { return m_path; }
    // Why an existing file was not read; empty when it was, or there was none.
    const QString& LoadError() const { return m_loadError; }

    QStringList Sections() const;
    QStringList Keys(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool KeyExists(const QString& section, const QString& key) const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    double ReadFloat(const QString& section, const QString& key, double defaultValue) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    // Written as the shortest text that reads back as the same double.
    void WriteFloat(const QString& section, const QString& key, double value);

    // Writes the file through a temporary file that replaces it only when
    // complete; a file whose values were not changed, or that would get the
    // bytes it was read with, is left as it is. Throws std::runtime_error
    // naming the file and the reason.
    void UpdateFile() const;

private:
    // The store's UTF-8 text in the file's encoding.
    QByteArray FileBytes(const std::string& storeText) const;

    struct TData;
    QString m_path;
    std::unique_ptr<TData> m_data;
    // An existing file that could not be read is never overwritten.
    QString m_loadError;
    // The file's bytes as read; none when there was no file to read.
    std::optional<QByteArray> m_fileText;
    bool m_windows1252 = false;
    // Whether a write changed the memory image since loading.
    bool m_changed = false;
};
