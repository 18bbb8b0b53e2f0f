#pragma once

#include "Platform.h"

#include <QStringList>

// Records every platform effect a test wants to see and installs itself for
// its lifetime, restoring the previous services when it goes.
class TRecordingPlatform final : public TPlatform
{
public:
    TRecordingPlatform() : m_previous(TPlatform::Install(this)) {}
    ~TRecordingPlatform() override { TPlatform::Install(m_previous); }
    TRecordingPlatform(const TRecordingPlatform&) = delete;
    TRecordingPlatform& operator=(const TRecordingPlatform&) = delete;

    void Beep() override { ++beeps; }
    void ShowMessage(const QString& text) override { messages << text; }
    bool OpenDocument(const QString& path) override
    {
        openedDocuments << path;
        return openSucceeds;
    }
    QString ClipboardText() override { return clipboard; }
    void SetClipboardText(const QString& text) override { clipboard = text; }

    int beeps = 0;
    QStringList messages;
    QStringList openedDocuments;
    bool openSucceeds = true;
    QString clipboard;

private:
    TPlatform* m_previous = nullptr;
};
