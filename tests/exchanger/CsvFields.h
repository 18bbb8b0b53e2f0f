#pragma once

#include <QString>
#include <QStringList>

// The fields of one CSV row of the batch, quoted fields unquoted.
inline QStringList CsvFields(const QString& row)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const QChar c = row[i];
        if (c == u'"' && quoted && row.mid(i + 1, 1) == "\"")
            fields.last() += row[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            fields << QString();
        else
            fields.last() += c;
    }
    return fields;
}
