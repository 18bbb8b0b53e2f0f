#include "QtPlatform.h"

#include "PlatformPath.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

TQtPlatform::TQtPlatform(QString title)
    : m_title(std::move(title)), m_previous(TPlatform::Install(this))
{
}

TQtPlatform::~TQtPlatform()
{
    TPlatform::Install(m_previous);
}

void TQtPlatform::Beep()
{
    QApplication::beep();
}

void TQtPlatform::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

// The URL from the path's bytes: a folder name that is not UTF-8 stays as it is.
bool TQtPlatform::OpenDocument(const QString& path)
{
    return QDesktopServices::openUrl(
        QUrl::fromEncoded("file://" + TPlatformPath::ToBytes(path).toPercentEncoding("/")));
}

QString TQtPlatform::ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void TQtPlatform::SetClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}
