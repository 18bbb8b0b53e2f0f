#include "SettingsStore.h"

#include "BoundedFile.h"
#include "KeptFile.h"
#include "NumberParse.h"

#include <QFile>
#include <QLockFile>
#include <QSettings>
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

// The file QSettings keeps the store in, worked out as it does: it must not
// read a file it could not cope with.
QString StoreFileOf(const QString& organisation, const QString& program)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return program.isEmpty()
               ? folder + u'/' + organisation + QStringLiteral(".conf")
               : folder + u'/' + organisation + u'/' + program + QStringLiteral(".conf");
}

bool IsText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

// A hand-edited file may hold a text with unquoted commas, which QSettings
// reads as a list of its parts.
bool IsSplitText(const QVariant& value)
{
    return value.typeId() == QMetaType::QStringList;
}

// A process killed while QSettings made its lock file leaves it empty, with
// no owner to check, and QSettings then waits 30 s before breaking it. Its
// syncs hold the lock for milliseconds, so one older than this is abandoned.
constexpr int AbandonedLockMs = 2000;

// Whether the file QSettings just wrote holds all of its keys. It writes one
// line per key, each ending in a line break, so a file cut short by a full
// disk ends inside a line or lacks keys. (Qt 6.4 renames such a file into
// place without reporting the failed write.)
bool HoldsAllKeys(const QString& path, qsizetype keyCount)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return keyCount == 0;
    const QByteArray text = file.readAll();
    if (text.isEmpty())
        return keyCount == 0;
    if (!text.endsWith('\n'))
        return false;
    qsizetype keyLines = 0;
    for (QByteArrayView line : text.split('\n'))
        keyLines += !line.isEmpty() && !line.startsWith('[');
    return keyLines == keyCount;
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
    m_refusal = TBoundedFile::RefusalOf(m_fileName, MaxFileSize);
    if (!m_refusal.isEmpty())
        return;
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             parts.at(1), parts.value(2));
    // A program's key must not show the organisation's or the system's values.
    m_settings->setFallbacksEnabled(false);
}

TSettingsStore::~TSettingsStore() = default;

QVariant TSettingsStore::Value(const QString& key) const
{
    return m_settings ? m_settings->value(key) : QVariant();
}

void TSettingsStore::SetValue(const QString& key, const QVariant& value)
{
    if (m_settings)
        m_settings->setValue(key, value);
}

int TSettingsStore::ReadInteger(const QString& section, const QString& name, int defaultValue) const
{
    const QVariant value = Value(KeyOf(section, name));
    if (value.typeId() == QMetaType::Int) {
        return value.toInt();
    }
    int number = defaultValue;
    return IsText(value) && TryStrToInt(value.toString(), number) ? number : defaultValue;
}

double TSettingsStore::ReadFloat(const QString& section, const QString& name,
                                 double defaultValue) const
{
    const QVariant value = Value(KeyOf(section, name));
    if (value.typeId() != QMetaType::QByteArray) {
        return defaultValue;
    }
    const QByteArray bytes = value.toByteArray();
    if (bytes.size() != sizeof(double)) {
        return defaultValue;
    }
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData());
    double number;
    std::memcpy(&number, &bits, sizeof number);
    return number;
}

QString TSettingsStore::ReadString(const QString& section, const QString& name,
                                   const QString& defaultValue) const
{
    const QVariant value = Value(KeyOf(section, name));
    if (value.typeId() == QMetaType::Int || IsText(value)) {
        return value.toString();
    }
    return IsSplitText(value) ? value.toStringList().join(QStringLiteral(", ")) : defaultValue;
}

void TSettingsStore::WriteInteger(const QString& section, const QString& name, int value)
{
    SetValue(KeyOf(section, name), value);
}

void TSettingsStore::WriteFloat(const QString& section, const QString& name, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(sizeof bits, Qt::Uninitialized);
    qToLittleEndian(bits, bytes.data());
    SetValue(KeyOf(section, name), bytes);
}

void TSettingsStore::WriteString(const QString& section, const QString& name, const QString& value)
{
    SetValue(KeyOf(section, name), value);
}

bool TSettingsStore::ValueExists(const QString& section, const QString& name) const
{
    return m_settings && m_settings->contains(KeyOf(section, name));
}

bool TSettingsStore::SectionExists(const QString& section) const
{
    if (!m_settings)
        return false;
    m_settings->beginGroup(GroupOf(section));
    const bool exists = !m_settings->allKeys().isEmpty();
    m_settings->endGroup();
    return exists;
}

QStringList TSettingsStore::Sections() const
{
    return m_settings ? m_settings->childGroups() : QStringList();
}

void TSettingsStore::DeleteValue(const QString& section, const QString& name)
{
    if (m_settings)
        m_settings->remove(KeyOf(section, name));
}

void TSettingsStore::EraseSection(const QString& section)
{
    if (m_settings && !section.isEmpty()) {
        m_settings->remove(GroupOf(section));
    }
}

void TSettingsStore::Flush()
{
    if (!m_settings)
        throw std::runtime_error("Cannot write the settings file \"" + m_fileName.toStdString() +
                                 "\": " + m_refusal.toStdString() + "; it was left as it was");
    BreakAbandonedLock();
    const QString path = m_settings->fileName();
    TKeptFile kept(path);
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError) {
        throw std::runtime_error("Cannot write the settings file \"" + path.toStdString() + '"');
    }
    if (!HoldsAllKeys(path, m_settings->allKeys().size())) {
        const bool restored = kept.Restore();
        throw std::runtime_error("Cannot write the settings file \"" + path.toStdString() +
                                 (restored
                                      ? "\": it could not be written whole, and was left as it was"
                                      : "\": it could not be written whole"));
    }
}

void TSettingsStore::BreakAbandonedLock() const
{
    QLockFile lock(m_settings->fileName() + QStringLiteral(".lock"));
    lock.setStaleLockTime(AbandonedLockMs);
    // Waits out a live sync, or until an abandoned lock counts as stale.
    if (lock.tryLock(2 * AbandonedLockMs))
        lock.unlock();
}
