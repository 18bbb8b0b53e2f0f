#pragma once

#include <QStringList>

class TSettingsStore;

// The case files last opened or saved, newest first, each once, at most
// MaxCount. Paths are kept absolute. In the store: the section "RecentFiles"
// with texts "File1" (the newest) to "File8".
class TRecentFiles
{
public:
    static constexpr int MaxCount = 8;

    const QStringList& Files() const { return m_files; }
    // Puts the file first; an earlier entry of it goes, and so does the
    // oldest one beyond MaxCount.
    void Add(const QString& path);
    // False when the file is not in the list.
    bool Remove(const QString& path);

    // Entries that are empty or repeated are skipped.
    static TRecentFiles Read(const TSettingsStore& store);
    // Replaces what the store held.
    void Write(TSettingsStore& store) const;

private:
    QStringList m_files;
};
