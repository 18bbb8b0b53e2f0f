#include "IniFile.h"

#include "BoundedFile.h"
#include "Format.h"
#include "NumberParse.h"
#include "ReplaceFile.h"
#include "TextEncoding.h"

#include <QStringDecoder>
#include <set>
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

// How the store's parser reads a line: a section header, a key=value line
// (multi-line values and key-only lines are off), a "[" line without its "]",
// or anything else (blank, comment, or a line it skips).
enum class TLineKind
{
    Section,
    Key,
    BrokenHeader,
    Other
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView TrimmedLeft(QByteArrayView text)
{
    while (!text.isEmpty() && IsBlank(text.front())) {
        text = text.sliced(1);
    }
    return text;
}

QByteArrayView TrimmedRight(QByteArrayView text)
{
    while (!text.isEmpty() && IsBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// The kind of `line` (without its line break) and the name it gives.
TLineKind KindOf(QByteArrayView line, QByteArrayView& name)
{
    line = TrimmedLeft(line);
    if (line.isEmpty() || line.front() == ';' || line.front() == '#') {
        return TLineKind::Other;
    }
    if (line.front() == '[') {
        line = TrimmedLeft(line.sliced(1));
        const qsizetype end = line.indexOf(']');
        name = TrimmedRight(line.first(std::max<qsizetype>(end, 0)));
        return end < 0 ? TLineKind::BrokenHeader : TLineKind::Section;
    }
    const qsizetype equals = line.indexOf('=');
    name = TrimmedRight(line.first(std::max<qsizetype>(equals, 0)));
    return equals <= 0 ? TLineKind::Other : TLineKind::Key;
}

// Length of the line break at the start of `text`: CR LF, LF or CR.
qsizetype LineBreakLength(QByteArrayView text)
{
    if (text.startsWith("\r\n")) {
        return 2;
    }
    return !text.isEmpty() && (text.front() == '\n' || text.front() == '\r') ? 1 : 0;
}

// The text without any section or key that appears again further down, so
// the first one is the one read, as with the desktop's INI functions; the
// store would merge a repeated section into the first and let a repeated key
// replace the value. Names compare as the store compares them (ASCII letters
// without regard to case). A "[" line without its "]" goes too: the store
// would skip it but take the rest of the file for the name of the section.
QByteArray WithoutRepeats(QByteArrayView text)
{
    QByteArray kept;
    kept.reserve(text.size());
    std::set<QByteArray> sections{QByteArray()}; // keys above every header: section ""
    std::set<QByteArray> keys;
    bool inRepeatedSection = false;
    while (!text.isEmpty()) {
        qsizetype end = 0;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
            ++end;
        }
        const QByteArrayView line = text.first(end);
        const QByteArrayView withBreak = text.first(end + LineBreakLength(text.sliced(end)));
        text = text.sliced(withBreak.size());
        QByteArrayView name;
        bool leftOut = inRepeatedSection;
        switch (KindOf(line, name)) {
        case TLineKind::Section:
            inRepeatedSection = leftOut = !sections.insert(name.toByteArray().toLower()).second;
            keys.clear();
            break;
        case TLineKind::Key:
            leftOut = leftOut || !keys.insert(name.toByteArray().toLower()).second;
            break;
        case TLineKind::BrokenHeader:
            leftOut = true;
            break;
        case TLineKind::Other:
            break;
        }
        if (!leftOut) {
            kept += withBreak;
        }
    }
    return kept;
}

// The store reads UTF-8, and up to the first NUL byte. A file that is not
// valid UTF-8 was written by a Windows program in its 8-bit code page.
QByteArray StoreText(const QByteArray& bytes, bool& windows1252)
{
    windows1252 = InvalidUtf8Offset(bytes) >= 0;
    QByteArray text = windows1252 ? FromWindows1252(bytes).toUtf8() : bytes;
    if (const qsizetype nul = text.indexOf('\0'); nul >= 0) {
        text.truncate(nul);
    }
    // The store drops a leading byte order mark itself; it is no part of the first line.
    if (text.startsWith("\xef\xbb\xbf")) {
        text.remove(0, 3);
    }
    return WithoutRepeats(text);
}

[[noreturn]] void ThrowFileError(const QString& path, const QString& reason)
{
    throw std::runtime_error(
        QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString());
}

} // namespace

TIniFile::TIniFile(const QString& path) : m_path(path), m_data(std::make_unique<TData>())
{
    const TBoundedFile file(path, MaxFileSize);
    if (!file.Exists()) {
        return;
    }
    if (!file.IsRead()) {
        m_loadError = file.Problem();
        return;
    }
    const QByteArray& bytes = file.Bytes();
    const QByteArray text = StoreText(bytes, m_windows1252);
    if (m_data->ini.LoadData(text.constData(), size_t(text.size())) < 0) {
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
    const std::string text = Utf8(value);
    const char* current = m_data->ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str());
    if (current && text == current) {
        return;
    }
    if (m_data->ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), text.c_str()) < 0) {
        throw std::bad_alloc();
    }
    m_changed = true;
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, Format(QStringLiteral("%d"), {std::int64_t(value)}));
}

void TIniFile::WriteFloat(const QString& section, const QString& key, double value)
{
    WriteString(section, key, FloatToRoundTripText(value));
}

void TIniFile::UpdateFile() const
{
    if (!m_loadError.isEmpty()) {
        ThrowFileError(m_path, QStringLiteral("the file could not be read (%1)").arg(m_loadError));
    }
    if (!m_changed) {
        return; // the file keeps its bytes and its time
    }
    std::string text;
    if (m_data->ini.Save(text) < 0) {
        ThrowFileError(m_path, QStringLiteral("not enough memory"));
    }
    const QByteArray bytes = FileBytes(text);
    if (m_fileText == bytes) {
        return; // changed back: the file keeps its bytes and its time
    }
    if (const QString error = ReplaceFile(m_path, std::string_view(bytes)); !error.isEmpty()) {
        ThrowFileError(m_path, error);
    }
}

QByteArray TIniFile::FileBytes(const std::string& storeText) const
{
    if (m_windows1252) {
        if (auto bytes = ToWindows1252(QString::fromStdString(storeText))) {
            return *bytes;
        }
    }
    return QByteArray::fromStdString(storeText);
}
