#include "Platform.h"

#include <cstdio>

namespace {

// Without a window system: messages go to standard error, the clipboard is a
// string of this process, nothing can be opened.
class THeadlessPlatform final : public TPlatform
{
public:
    void Beep() override {}
    void ShowMessage(const QString& text) override
    {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    bool OpenDocument(const QString&) override { return false; }
    QString ClipboardText() override { return m_clipboard; }
    void SetClipboardText(const QString& text) override { m_clipboard = text; }

private:
    QString m_clipboard;
};

THeadlessPlatform& Headless()
{
    static THeadlessPlatform headless;
    return headless;
}

TPlatform* installed = nullptr;

} // namespace

TPlatform& TPlatform::Current()
{
    return installed ? *installed : Headless();
}

TPlatform* TPlatform::Install(TPlatform* platform)
{
    TPlatform* previous = installed;
    installed = platform;
    return previous;
}
