#pragma once

#include <QString>

// The desktop services the program reaches outside itself: beep, plain message
// box, shell open, clipboard. Everything goes through the one installed
// instance, so a Windows build can swap in the native services and tests can
// record what the program asked for.
class TPlatform
{
public:
    virtual ~TPlatform() = default;

    virtual void Beep() = 0;
    // A plain message box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // Opens a document with the desktop's associated viewer; false when nothing opened it.
    virtual bool OpenDocument(const QString& path) = 0;
    virtual QString ClipboardText() = 0;
    virtual void SetClipboardText(const QString& text) = 0;

    // The installed services; a headless stand-in until a GUI installs its own.
    static TPlatform& Current();
    // Installs `platform` (not owned) and returns the one it replaces; nullptr restores the
    // stand-in.
    static TPlatform* Install(TPlatform* platform);
};
