#include "IniFile.h"

#include "Format.h"
#include "NumberParse.h"
#include "ReplaceFile.h"

#include <QFile>
#include <QStringDecoder>
#include <stdexcept>
#include <string>

// Debian's header holds the template bodies behind SI_IMPLEMENTATION; this is
// the one translation unit that instantiates them.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct TIniFile::TData
{
    // UTF-8 store, one value per key, no multi-line values.
    CSimpleIniA ini{true, false, false};

    // Lines are written as key=value, as the desktop's INI files have them.
    TData() { ini.SetSpaces(false); }
};

namespace {

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// The store's text as it is: QString::fromUtf8 would drop a byte order mark
// that starts a name or value, and the name it lists could not be found again.
QString FromUtf8(const char* text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(text);
}

QStringList InLoadOrder(CSimpleIniA::TNamesDepend names)
{
    names.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& entry : names) {
        result << FromUtf8(entry.pItem);
    }
    return result;
}

[[noreturn]] void ThrowFileError(const QString& path, const QString& reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString());
}

} // namespace

TIniFile::TIniFile(const QString& path) : m_path(path), m_data(std::make_unique<TData>())
{
    QFile file(path);
    if (!file.exists()) {
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = file.errorString();
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_loadError = file.errorString();
        return;
    }
    if (m_data->ini.LoadData(bytes.constData(), size_t(bytes.size())) < 0) {
        m_data->ini.Reset();
        m_loadError = QStringLiteral("not enough memory to read it");
        return;
    }
    m_fileText = bytes;
}

TIniFile::~TIniFile() = default;

QStringList TIniFile::Sections() const
{
    CSimpleIniA::TNamesDepend names;
    m_data->ini.GetAllSections(names);
    QStringList sections = InLoadOrder(names);
    // Keys above the first section header belong to no section.
    sections.removeAll(QString());
    return sections;
}

QStringList TIniFile::Keys(const QString& section) const
{
    CSimpleIniA::TNamesDepend names;
    m_data->ini.GetAllKeys(Utf8(section).c_str(), names);
    return InLoadOrder(names);
}

bool TIniFile::SectionExists(const QString& section) const
{
    return m_data->ini.SectionExists(Utf8(section).c_str());
}

bool TIniFile::KeyExists(const QString& section, const QString& key) const
{
    return m_data->ini.KeyExists(Utf8(section).c_str(), Utf8(key).c_str());
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    const char* value = m_data->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str());
    return value ? FromUtf8(value) : defaultValue;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    int value = defaultValue;
    return TryStrToInt(ReadString(section, key, QString()), value) ? value : defaultValue;
}

double TIniFile::ReadFloat(const QString& section, const QString& key, double defaultValue) const
{
    double value = defaultValue;
    return TryStrToFloat(ReadString(section, key, QString()), value) ? value : defaultValue;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (m_data->ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), Utf8(value).c_str()) < 0) {
        throw std::bad_alloc();
    }
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, Format(QStringLiteral("%d"), {std::int64_t(value)}));
}

void TIniFile::WriteFloat(const QString& section, const QString& key, double value)
{
    WriteString(section, key, FloatToRoundTripText(value));
}

void TIniFile::EraseSection(const QString& section)
{
    m_data->ini.Delete(Utf8(section).c_str(), nullptr);
}

void TIniFile::UpdateFile() const
{
    if (!m_loadError.isEmpty()) {
        ThrowFileError(m_path, QStringLiteral("the file could not be read (%1)").arg(m_loadError));
    }
    std::string text;
    if (m_data->ini.Save(text) < 0) {
        ThrowFileError(m_path, QStringLiteral("not enough memory"));
    }
    if (m_fileText == QByteArrayView(text)) {
        return; // nothing changed: the file keeps its bytes and its time
    }
    if (const QString error = ReplaceFile(m_path, text); !error.isEmpty()) {
        ThrowFileError(m_path, error);
    }
}
