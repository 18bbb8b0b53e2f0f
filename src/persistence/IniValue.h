#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One value of a settings file in the textual form QSettings gives it, for
// the three kinds the settings store keeps: texts (integers are written as
// their decimal text), and raw bytes as "@ByteArray(...)". A value of any
// other form ("@Variant(...)", "@Rect(...)", "@Invalid()") is of neither kind
// and is never decoded further.
class TIniValue
{
public:
    enum TKind
    {
        ivOther,
        ivText,
        ivBytes
    };

    // Decodes the text after a key's "=".
    explicit TIniValue(QByteArrayView written);

    TKind Kind() const { return m_kind; }
    // The text; a list of texts (unquoted commas) is joined with ", ".
    const QString& Text() const { return m_text; }
    const QByteArray& Bytes() const { return m_bytes; }

    // What is written after the "=" for each kind.
    static QByteArray OfText(const QString& text);
    static QByteArray OfInteger(int value);
    static QByteArray OfBytes(const QByteArray& bytes);

private:
    TKind m_kind = ivText;
    QString m_text;
    QByteArray m_bytes;
};
