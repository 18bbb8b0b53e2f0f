#pragma once

#include "Platform.h"

// The desktop's own services through Qt: the default beep, a plain message
// box with an OK button, the associated viewer, the system clipboard.
// Installs itself for its lifetime (create it right after QApplication):
//
//   QApplication app(argc, argv);
//   TQtPlatform platform;
class TQtPlatform final : public TPlatform
{
public:
    TQtPlatform();
    ~TQtPlatform() override;
    TQtPlatform(const TQtPlatform&) = delete;
    TQtPlatform& operator=(const TQtPlatform&) = delete;

    void Beep() override;
    void ShowMessage(const QString& text) override;
    bool OpenDocument(const QString& path) override;
    QString ClipboardText() override;
    void SetClipboardText(const QString& text) override;

private:
    TPlatform* m_previous = nullptr;
};
