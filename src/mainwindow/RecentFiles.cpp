#include "RecentFiles.h"

#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("RecentFiles");

QString EntryName(int number)
{
    return QStringLiteral("File") + QString::number(number);
}

QString AbsolutePath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void TRecentFiles::Add(const QString& path)
{
    const QString absolute = AbsolutePath(path);
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > MaxCount)
        m_files.removeLast();
}

bool TRecentFiles::Remove(const QString& path)
{
    return m_files.removeAll(AbsolutePath(path)) > 0;
}

TRecentFiles TRecentFiles::Read(const TSettingsStore& store)
{
    TRecentFiles recent;
    for (int number = 1; number <= MaxCount; ++number) {
        const QString path = store.ReadString(Section, EntryName(number), QString());
        if (!path.isEmpty() && !recent.m_files.contains(AbsolutePath(path)))
            recent.m_files << AbsolutePath(path);
    }
    return recent;
}

void TRecentFiles::Write(TSettingsStore& store) const
{
    store.EraseSection(Section);
    for (int i = 0; i < m_files.size(); ++i)
        store.WriteString(Section, EntryName(i + 1), m_files[i]);
}
