#include "IniText.h"

#include <QByteArrayView>

namespace {

constexpr QByteArrayView Utf8Mark("\xef\xbb\xbf");

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// The end of the blank lines and ";" comment lines from `pos`.
qsizetype SkipBlankLines(QByteArrayView text, qsizetype pos)
{
    for (;;) {
        while (pos < text.size() && IsSpace(text[pos]))
            ++pos;
        if (pos == text.size() || text[pos] != ';')
            return pos;
        while (pos < text.size() && !IsLineBreak(text[pos]))
            ++pos;
    }
}

// The end of the line from `pos`, which is no blank or comment line.
qsizetype LineEnd(QByteArrayView text, qsizetype pos)
{
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if ((IsLineBreak(c) || c == ';') && !quoted)
            return pos;
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && pos + 1 < text.size()) {
            ++pos; // the escaped byte; a "\r\n" or "\n\r" after a backslash is one break
            if (pos + 1 < text.size() && IsLineBreak(text[pos]) && IsLineBreak(text[pos + 1]) &&
                text[pos] != text[pos + 1])
                ++pos;
        }
    }
    return pos;
}

// A key or section name as written: "\" for "/", "%XX" and "%UXXXX" for characters.
QString UnescapedKey(QByteArrayView escaped)
{
    const QString text = QString::fromUtf8(escaped);
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            key += u'/';
            continue;
        }
        const qsizetype digits = i + 1 < text.size() && text[i + 1] == u'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4);
        bool ok = false;
        const ushort code = text[i] == u'%' && first + digits <= text.size()
                                ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            key += text[i];
            continue;
        }
        key += QChar(code);
        i = first + digits - 1;
    }
    return key;
}

QByteArray EscapedKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/')
            escaped += '\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                 c == u'_' || c == u'-' || c == u'.')
            escaped += char(c);
        else if (c <= 0xff)
            escaped += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            escaped += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return escaped;
}

QString SectionOfHeader(QByteArrayView line)
{
    const qsizetype close = line.indexOf(']');
    const QByteArrayView name = line.sliced(1, (close < 0 ? line.size() : close) - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1));
    return UnescapedKey(name);
}

QByteArray HeaderOf(const QString& section)
{
    const QByteArray name = EscapedKey(section);
    return name.compare("general", Qt::CaseInsensitive) == 0 ? "[%General]" : '[' + name + ']';
}

// The section a new key goes to, and its name within it, as QSettings splits them.
std::pair<QString, QString> SplitKey(const QString& key)
{
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0)
        return {QString(), key};
    return {key.left(slash), key.mid(slash + 1)};
}

// Whether what is added after the text starts on a line of its own.
bool EndsWithBreak(const QByteArray& text)
{
    return text.isEmpty() || IsLineBreak(text.back());
}

} // namespace

TIniText::TIniText(const QByteArray& text)
{
    Parse(text);
}

void TIniText::Parse(const QByteArray& text)
{
    const QByteArrayView view(text);
    qsizetype pos = view.startsWith(Utf8Mark) ? Utf8Mark.size() : 0;
    if (pos > 0)
        m_lines.push_back(TLine(text.first(pos)));
    QString section;
    while (pos < view.size()) {
        const qsizetype lineStart = SkipBlankLines(view, pos);
        if (lineStart > pos)
            m_lines.push_back(TLine(text.sliced(pos, lineStart - pos)));
        if (lineStart == view.size())
            break;
        pos = LineEnd(view, lineStart);
        AddLine(text.sliced(lineStart, pos - lineStart), section);
    }
}

// `section` is the one the lines before were in, and becomes the one this line ends in.
void TIniText::AddLine(QByteArray bytes, QString& section)
{
    TLine line(std::move(bytes));
    const qsizetype equals = line.bytes.indexOf('=');
    if (line.bytes.startsWith('[')) {
        section = SectionOfHeader(line.bytes);
        line.kind = lkSection;
    } else if (equals > 0) {
        const QString name = UnescapedKey(QByteArrayView(line.bytes).first(equals).trimmed());
        line.kind = lkKey;
        line.key = section.isEmpty() ? name : section + u'/' + name;
        line.valueStart = equals + 1;
    }
    line.section = section;
    m_lines.push_back(std::move(line));
}

QByteArray TIniText::Bytes() const
{
    QByteArray text;
    for (const TLine& line : m_lines)
        text += line.bytes;
    return text;
}

qsizetype TIniText::LastLineOf(const QString& key) const
{
    for (qsizetype i = qsizetype(m_lines.size()) - 1; i >= 0; --i) {
        if (m_lines[i].kind == lkKey && m_lines[i].key == key)
            return i;
    }
    return -1;
}

std::optional<QByteArray> TIniText::Value(const QString& key) const
{
    const qsizetype index = LastLineOf(key);
    if (index < 0)
        return std::nullopt;
    const TLine& line = m_lines[index];
    return line.bytes.sliced(line.valueStart);
}

// Before the section's first key that sorts after `key`, as QSettings sorts the
// keys it writes, else after the section's last key or header; -1 when the
// file has neither. Top-level keys may also go before the first header.
qsizetype TIniText::InsertionPoint(const QString& section, const QString& key) const
{
    qsizetype after = -1;
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const TLine& line = m_lines[i];
        if (line.kind == lkOther || line.section != section)
            continue;
        if (line.kind == lkKey && line.key > key)
            return i;
        after = i + 1;
    }
    if (after >= 0 || !section.isEmpty())
        return after;
    return !m_lines.empty() && m_lines.front().bytes == Utf8Mark ? 1 : 0;
}

void TIniText::SetValue(const QString& key, const QByteArray& value)
{
    if (const qsizetype index = LastLineOf(key); index >= 0) {
        TLine& line = m_lines[index];
        line.bytes = line.bytes.first(line.valueStart) + value;
        return;
    }
    const auto [section, name] = SplitKey(key);
    qsizetype at = InsertionPoint(section, key);
    if (at < 0) {
        AppendSection(section);
        at = qsizetype(m_lines.size());
    }
    const QByteArray bytes = EscapedKey(name) + '=' + value;
    TLine keyLine(bytes, lkKey, section);
    keyLine.key = key;
    keyLine.valueStart = bytes.size() - value.size();
    // A line before it that ends without a line break gets one; the new line
    // then takes one from the line break it was inserted before, or its own.
    if (at > 0 && m_lines[at - 1].kind != lkOther) {
        m_lines.insert(m_lines.begin() + at, TLine("\n"));
        ++at;
    }
    m_lines.insert(m_lines.begin() + at, std::move(keyLine));
    if (at + 1 == qsizetype(m_lines.size()) || m_lines[at + 1].kind != lkOther)
        m_lines.insert(m_lines.begin() + at + 1, TLine("\n"));
}

// At the end, after a blank line, as QSettings sets sections apart.
void TIniText::AppendSection(const QString& section)
{
    const QByteArray text = Bytes();
    if (!EndsWithBreak(text))
        m_lines.push_back(TLine("\n"));
    if (!text.isEmpty())
        m_lines.push_back(TLine("\n"));
    m_lines.push_back(TLine(HeaderOf(section), lkSection, section));
}

// The line and the line break after it.
void TIniText::RemoveLine(qsizetype index)
{
    m_lines.erase(m_lines.begin() + index);
    if (index == qsizetype(m_lines.size()) || m_lines[index].kind != lkOther)
        return;
    QByteArray& after = m_lines[index].bytes;
    after.remove(0, after.startsWith("\r\n") ? 2 : IsLineBreak(after.front()) ? 1 : 0);
    if (after.isEmpty())
        m_lines.erase(m_lines.begin() + index);
}

void TIniText::Remove(const QString& key)
{
    for (qsizetype index = LastLineOf(key); index >= 0; index = LastLineOf(key))
        RemoveLine(index);
}

void TIniText::RemoveGroup(const QString& group)
{
    const QString prefix = group + u'/';
    for (qsizetype i = qsizetype(m_lines.size()) - 1; i >= 0; --i) {
        if (m_lines[i].kind == lkKey && m_lines[i].key.startsWith(prefix))
            RemoveLine(i);
    }
}

bool TIniText::HasGroup(const QString& group) const
{
    const QString prefix = group + u'/';
    for (const TLine& line : m_lines) {
        if (line.kind == lkKey && line.key.startsWith(prefix))
            return true;
    }
    return false;
}

QStringList TIniText::TopGroups() const
{
    QStringList groups;
    for (const TLine& line : m_lines) {
        const qsizetype slash = line.key.indexOf(u'/');
        if (line.kind == lkKey && slash > 0 && !groups.contains(line.key.left(slash)))
            groups << line.key.left(slash);
    }
    groups.sort();
    return groups;
}
