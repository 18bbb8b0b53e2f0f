#include "SettingsStore.h"

#include "BoundedFile.h"
#include "NumberParse.h"
#include "ReplaceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>
#include <cstring>
#include <stdexcept>

namespace {

// A section may name nested subkeys with "\\"; groups nest with "/".
QString GroupOf(const QString& section)
{
    QString group = section;
    return group.replace(u'\\', u'/');
}

QString KeyOf(const QString& section, const QString& name)
{
    return section.isEmpty() ? name : GroupOf(section) + u'/' + name;
}

// The file QSettings keeps the store in, worked out as it does, so that
// settings written by earlier versions are found.
QString StoreFileOf(const QString& organisation, const QString& program)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return program.isEmpty()
               ? folder + u'/' + organisation + QStringLiteral(".conf")
               : folder + u'/' + organisation + u'/' + program + QStringLiteral(".conf");
}

// A process killed while it made the lock file leaves it empty, with no owner
// to check. A save holds the lock for milliseconds, so one older than this is
// abandoned. The lock is the one QSettings takes, so that a program using
// QSettings on the same file waits for a save, and the other way round.
constexpr int AbandonedLockMs = 2000;

[[noreturn]] void ThrowWriteError(const QString& path, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("Cannot write the settings file \"%1\": %2")
                                 .arg(path, reason)
                                 .toStdString());
}

} // namespace

TSettingsStore::TSettingsStore(const QString& keyPath)
{
    const QStringList parts = keyPath.split(u'\\', Qt::SkipEmptyParts);
    if (parts.size() < 2 || parts.size() > 3 ||
        parts.front().compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0) {
        throw std::invalid_argument("Not a settings key path: \"" + keyPath.toStdString() + '"');
    }
    m_fileName = StoreFileOf(parts.at(1), parts.value(2));
    const TBoundedFile file(m_fileName, MaxFileSize);
    if (file.IsRead())
        m_text = TIniText(file.Bytes());
    else if (file.Exists())
        m_refusal = file.Problem();
}

std::optional<TIniValue> TSettingsStore::Value(const QString& section, const QString& name) const
{
    const std::optional<QByteArray> written = m_text.Value(KeyOf(section, name));
    if (!written)
        return std::nullopt;
    return TIniValue(*written);
}

void TSettingsStore::Change(std::function<void(TIniText&)> change)
{
    change(m_text);
    m_changes.push_back(std::move(change));
}

int TSettingsStore::ReadInteger(const QString& section, const QString& name, int defaultValue) const
{
    const std::optional<TIniValue> value = Value(section, name);
    int number = defaultValue;
    return value && value->Kind() == TIniValue::ivText && TryStrToInt(value->Text(), number)
               ? number
               : defaultValue;
}

double TSettingsStore::ReadFloat(const QString& section, const QString& name,
                                 double defaultValue) const
{
    const std::optional<TIniValue> value = Value(section, name);
    if (!value || value->Kind() != TIniValue::ivBytes || value->Bytes().size() != sizeof(double))
        return defaultValue;
    const quint64 bits = qFromLittleEndian<quint64>(value->Bytes().constData());
    double number;
    std::memcpy(&number, &bits, sizeof number);
    return number;
}

QString TSettingsStore::ReadString(const QString& section, const QString& name,
                                   const QString& defaultValue) const
{
    const std::optional<TIniValue> value = Value(section, name);
    return value && value->Kind() == TIniValue::ivText ? value->Text() : defaultValue;
}

void TSettingsStore::WriteInteger(const QString& section, const QString& name, int value)
{
    Change([key = KeyOf(section, name), text = TIniValue::OfInteger(value)](TIniText& ini) {
        ini.SetValue(key, text);
    });
}

void TSettingsStore::WriteFloat(const QString& section, const QString& name, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(sizeof bits, Qt::Uninitialized);
    qToLittleEndian(bits, bytes.data());
    Change([key = KeyOf(section, name), text = TIniValue::OfBytes(bytes)](TIniText& ini) {
        ini.SetValue(key, text);
    });
}

void TSettingsStore::WriteString(const QString& section, const QString& name, const QString& value)
{
    Change([key = KeyOf(section, name), text = TIniValue::OfText(value)](TIniText& ini) {
        ini.SetValue(key, text);
    });
}

bool TSettingsStore::ValueExists(const QString& section, const QString& name) const
{
    return m_text.Value(KeyOf(section, name)).has_value();
}

bool TSettingsStore::SectionExists(const QString& section) const
{
    return m_text.HasGroup(GroupOf(section));
}

QStringList TSettingsStore::Sections() const
{
    return m_text.TopGroups();
}

void TSettingsStore::DeleteValue(const QString& section, const QString& name)
{
    Change([key = KeyOf(section, name)](TIniText& ini) { ini.Remove(key); });
}

void TSettingsStore::EraseSection(const QString& section)
{
    if (!section.isEmpty())
        Change([group = GroupOf(section)](TIniText& ini) { ini.RemoveGroup(group); });
}

// The changes go onto the file as it is now, so that what another program
// saved meanwhile stays.
void TSettingsStore::Flush()
{
    if (!m_refusal.isEmpty())
        ThrowWriteError(m_fileName, m_refusal + QStringLiteral("; it was left as it was"));
    if (!QDir().mkpath(QFileInfo(m_fileName).path()))
        ThrowWriteError(m_fileName, QStringLiteral("its folder cannot be made"));
    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(AbandonedLockMs);
    // Waits out a live save, or until an abandoned lock counts as stale.
    if (!lock.tryLock(2 * AbandonedLockMs))
        ThrowWriteError(m_fileName, QStringLiteral("another program holds its lock file"));
    const TBoundedFile file(m_fileName, MaxFileSize);
    if (!file.IsRead() && file.Exists())
        ThrowWriteError(m_fileName, file.Problem() + QStringLiteral("; it was left as it was"));
    TIniText text(file.Bytes());
    for (const auto& change : m_changes)
        change(text);
    const QByteArray bytes = text.Bytes();
    if (bytes != file.Bytes())
        WriteText(bytes);
    m_text = std::move(text);
    m_changes.clear();
}

void TSettingsStore::WriteText(const QByteArray& text) const
{
    if (const QString error = ReplaceFile(m_fileName, std::string_view(text)); !error.isEmpty())
        ThrowWriteError(m_fileName, error + QStringLiteral("; it was left as it was"));
}
