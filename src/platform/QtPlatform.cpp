#include "QtPlatform.h"

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

bool TQtPlatform::OpenDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString TQtPlatform::ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void TQtPlatform::SetClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}
