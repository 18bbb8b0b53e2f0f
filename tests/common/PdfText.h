#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The text of a PDF file as pdftotext reads it, one entry per page.
inline QStringList PdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}
