#pragma once

#include "Platform.h"

#include <QString>

// The desktop's own services through Qt: the default beep, a plain message
// box with an OK button titled with the application's title, the associated
// viewer, the system clipboard. Installs itself for its lifetime (create it
// right after QApplication):
//
//   QApplication app(argc, argv);
//   TQtPlatform platform(QStringLiteral("Kelvane"));
class TQtPlatform final : public TPlatform
{
public:
    explicit TQtPlatform(QString title);
    ~TQtPlatform() override;
    TQtPlatform(const TQtPlatform&) = delete;
    TQtPlatform& operator=(const TQtPlatform&) = delete;

    void Beep() override;
    void ShowMessage(const QString& text) override;
    bool OpenDocument(const QString& path) override;
    QString ClipboardText() override;
    void SetClipboardText(const QString& text) override;

private:
    QString m_title;
    TPlatform* m_previous = nullptr;
};
