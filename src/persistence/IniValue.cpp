#include "IniValue.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace {

const QLatin1StringView BytesPrefix("@ByteArray(");
const QLatin1StringView TextPrefix("@String(");

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int OctalValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// The character a "\c" escape stands for; 0 for none.
char EscapedChar(char c)
{
    constexpr char codes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                 {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                 {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    for (const auto& code : codes) {
        if (c == code[0])
            return code[1];
    }
    return 0;
}

void ChopBlanks(QString& text, qsizetype limit)
{
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
}

// The texts of a written value as QSettings reads them: escapes, quotes, and
// unquoted commas between the items of a list; more than one item is a list.
class TUnescaper
{
public:
    explicit TUnescaper(QByteArrayView text) : m_text(text) {}

    QStringList Items()
    {
        SkipBlanks();
        while (m_pos < m_text.size())
            Step();
        if (!m_quoted)
            ChopBlanks(m_item, m_chopLimit);
        m_items << m_item;
        return m_items;
    }

private:
    void SkipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
        m_chopLimit = m_item.size();
    }

    void Step()
    {
        const char c = m_text[m_pos];
        if (c == '\\') {
            ++m_pos;
            Escape();
        } else if (c == '"') {
            ++m_pos;
            m_quoted = true;
            m_inQuotes = !m_inQuotes;
            if (!m_inQuotes)
                SkipBlanks();
        } else if (c == ',' && !m_inQuotes) {
            ++m_pos;
            if (!m_quoted)
                ChopBlanks(m_item, m_chopLimit);
            m_items << m_item;
            m_item.clear();
            m_quoted = false;
            SkipBlanks();
        } else {
            Plain();
        }
    }

    // A run of bytes without escapes, quotes or commas, as UTF-8.
    void Plain()
    {
        qsizetype end = m_pos + 1;
        while (end < m_text.size() && m_text[end] != '\\' && m_text[end] != '"' &&
               m_text[end] != ',')
            ++end;
        m_item += QString::fromUtf8(m_text.sliced(m_pos, end - m_pos));
        m_pos = end;
    }

    void Escape()
    {
        if (m_pos >= m_text.size())
            return;
        const char c = m_text[m_pos++];
        if (const char escaped = EscapedChar(c)) {
            m_item += QLatin1Char(escaped);
        } else if (c == 'x') {
            Number(16, HexValue, 0);
        } else if (OctalValue(c) >= 0) {
            Number(8, OctalValue, OctalValue(c));
        } else if ((c == '\n' || c == '\r') && m_pos < m_text.size() &&
                   (m_text[m_pos] == '\n' || m_text[m_pos] == '\r') && m_text[m_pos] != c) {
            ++m_pos; // a line continued after a two-byte line break
        }
        m_chopLimit = m_item.size();
    }

    // "\x" takes every hex digit after it, "\0".."\7" every octal one, as one
    // UTF-16 unit; "\x" with no digit stands for nothing.
    void Number(int base, int (*digitValue)(char), int value)
    {
        bool any = base == 8;
        while (m_pos < m_text.size() && digitValue(m_text[m_pos]) >= 0) {
            value = (value * base + digitValue(m_text[m_pos++])) & 0xffff;
            any = true;
        }
        if (any)
            m_item += QChar(char16_t(value));
    }

    QByteArrayView m_text;
    qsizetype m_pos = 0;
    QStringList m_items;
    QString m_item;
    qsizetype m_chopLimit = 0;
    bool m_inQuotes = false;
    bool m_quoted = false;
};

// As QSettings writes a text: escapes, and quotes around one that holds a
// separator or starts or ends with a blank. Raw bytes go as Latin-1 with the
// bytes from 0x7f escaped, texts as UTF-8.
QByteArray Escaped(const QString& text, bool utf8)
{
    QByteArray written;
    bool quote = false;
    bool escapeHexDigit = false; // after "\x.." or "\0", a hex digit would join the escape
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        quote = quote || c == u';' || c == u',' || c == u'=';
        if (escapeHexDigit && c < 0x80 && HexValue(char(c)) >= 0) {
            written += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        if (c == 0) {
            written += "\\0";
            escapeHexDigit = true;
        } else if (c == u'\a' || c == u'\b' || c == u'\f' || c == u'\n' || c == u'\r' ||
                   c == u'\t' || c == u'\v') {
            constexpr char names[] = "abtnvfr";
            written += '\\';
            written += names[c - u'\a'];
        } else if (c == u'"' || c == u'\\') {
            written += '\\';
            written += char(c);
        } else if (c <= 0x1f || (c >= 0x7f && !utf8) || (QChar::isSurrogate(c) && !pair)) {
            // A lone surrogate, a file name's byte that is not UTF-8, kept as it is.
            written += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else if (c >= 0x80) {
            written += QStringView(text).sliced(i, pair ? 2 : 1).toUtf8();
            i += pair;
        } else {
            written += char(c);
        }
    }
    if (quote || written.startsWith(' ') || written.endsWith(' '))
        written = '"' + written + '"';
    return written;
}

bool IsForm(const QString& text, QLatin1StringView prefix)
{
    return text.startsWith(prefix) && text.endsWith(u')');
}

// Whether the text is the form QSettings gives a value of another kind.
bool IsOtherForm(const QString& text)
{
    static const QLatin1StringView prefixes[] = {
        QLatin1StringView("@Variant("), QLatin1StringView("@DateTime("),
        QLatin1StringView("@Rect("),    QLatin1StringView("@Size("),
        QLatin1StringView("@Point("),   QLatin1StringView("@Invalid(")};
    return std::any_of(std::begin(prefixes), std::end(prefixes),
                       [&text](QLatin1StringView prefix) { return IsForm(text, prefix); });
}

} // namespace

TIniValue::TIniValue(QByteArrayView written)
{
    const QStringList items = TUnescaper(written).Items();
    m_text = items.join(QStringLiteral(", "));
    if (items.size() > 1)
        return;
    if (IsForm(m_text, BytesPrefix)) {
        m_kind = ivBytes;
        m_bytes = QStringView(m_text).sliced(BytesPrefix.size()).chopped(1).toLatin1();
        m_text.clear();
    } else if (IsForm(m_text, TextPrefix)) {
        m_text = m_text.sliced(TextPrefix.size()).chopped(1);
    } else if (m_text.startsWith(QLatin1StringView("@@"))) {
        m_text.remove(0, 1);
    } else if (IsOtherForm(m_text)) {
        m_kind = ivOther;
        m_text.clear();
    }
}

QByteArray TIniValue::OfText(const QString& text)
{
    return Escaped(text.startsWith(u'@') ? u'@' + text : text, true);
}

QByteArray TIniValue::OfInteger(int value)
{
    return QByteArray::number(value);
}

QByteArray TIniValue::OfBytes(const QByteArray& bytes)
{
    return Escaped(BytesPrefix + QString::fromLatin1(bytes) + u')', false);
}
