#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// The text of a settings file in the INI form QSettings reads and writes,
// held as it is. Lines are found by their keys ("Section/name", or "name" at
// the top level, which QSettings keeps under [General]); only the lines of
// keys that are set or removed change, and every other byte stays as it was.
// Values are handed out as the raw text after the "=", never interpreted
// here, so a large value of another program's costs one pass over its bytes.
//
// Lines are split as QSettings splits them: a quoted part or a backslash
// may carry a line break, and a ";" outside quotes starts a comment.
class TIniText
{
public:
    explicit TIniText(const QByteArray& text = {});

    QByteArray Bytes() const;

    // The raw text after the "=" of the key's last line; none when no line has the key.
    std::optional<QByteArray> Value(const QString& key) const;
    // `value` is written as it is: it must already be in the file's textual form.
    void SetValue(const QString& key, const QByteArray& value);
    void Remove(const QString& key);
    // Removes every key under "group/"; section headers and other lines stay.
    void RemoveGroup(const QString& group);
    bool HasGroup(const QString& group) const;
    // The first parts of the keys that have a "/", each once, sorted as QSettings lists them.
    QStringList TopGroups() const;

private:
    enum TKind
    {
        lkOther,
        lkSection,
        lkKey
    };
    struct TLine
    {
        explicit TLine(QByteArray text, TKind lineKind = lkOther, QString lineSection = {})
            : bytes(std::move(text)), kind(lineKind), section(std::move(lineSection))
        {
        }

        QByteArray bytes;
        TKind kind;
        QString section; // a header's section, or the section a key line is in
        QString key;     // a key line's whole key
        qsizetype valueStart = 0;
    };

    void Parse(const QByteArray& text);
    void AddLine(QByteArray bytes, QString& section);
    qsizetype LastLineOf(const QString& key) const;
    qsizetype InsertionPoint(const QString& section, const QString& key) const;
    void AppendSection(const QString& section);
    void RemoveLine(qsizetype index);

    std::vector<TLine> m_lines;
};
