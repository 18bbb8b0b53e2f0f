#include "FormPlacement.h"

#include "AppFolders.h"
#include "NumberParse.h"
#include "SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr int StateNormal = 0;
constexpr int StateMinimised = 1;
constexpr int StateMaximised = 2;

QString SectionOf(const QWidget* window)
{
    const QString name = window->objectName();
    return name.isEmpty() ? QString::fromLatin1(window->metaObject()->className()) : name;
}

int WinStateOf(const QWidget* window)
{
    if (window->isMinimized()) {
        return StateMinimised;
    }
    return window->isMaximized() ? StateMaximised : StateNormal;
}

Qt::WindowStates WindowStatesOf(int winState)
{
    switch (winState) {
    case StateMinimised:
        return Qt::WindowMinimized;
    case StateMaximised:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

// Pulls an edge back when the window would sit off the screen.
int Reachable(int edge, int screenExtent)
{
    if (edge < 0) {
        return 0;
    }
    return edge > screenExtent - 100 ? screenExtent - 200 : edge;
}

// What the window's frame adds around its inner rectangle.
QMargins FrameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The outer frame of the place a minimised or maximised window returns to:
// Qt keeps that place as the inner rectangle, without the frame.
QRect NormalFrame(const QWidget* window)
{
    return window->normalGeometry().marginsAdded(FrameMargins(window));
}

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

} // namespace

void RestoreFormPlacement(QWidget* window, bool restoreVisibility, bool restoreSize)
{
    const TSettingsStore store(GetAppRegistryKey());
    const QString section = SectionOf(window);
    const QRect frame = window->frameGeometry();
    int left = store.ReadInteger(section, QStringLiteral("Left"), frame.x());
    int top = store.ReadInteger(section, QStringLiteral("Top"), frame.y());
    if (restoreSize) {
        const int width = store.ReadInteger(section, QStringLiteral("Width"), frame.width());
        const int height = store.ReadInteger(section, QStringLiteral("Height"), frame.height());
        // Stored sizes are the outer frame's; resize takes the inner size.
        const QMargins margins = FrameMargins(window);
        window->resize(std::max(0, width - margins.left() - margins.right()),
                       std::max(0, height - margins.top() - margins.bottom()));
    }
    if (restoreVisibility) {
        int visible = 0;
        TryStrToInt(store.ReadString(section, QStringLiteral("Visible"), QStringLiteral("0")),
                    visible);
        window->setVisible(visible != 0);
    }
    const QSize screen = PrimaryScreenSize();
    if (screen.isValid()) {
        left = Reachable(left, screen.width());
        top = Reachable(top, screen.height());
    }
    window->move(left, top);
    if (store.ValueExists(section, QStringLiteral("WinState"))) {
        const int winState = store.ReadInteger(section, QStringLiteral("WinState"), StateNormal);
        window->setWindowState(WindowStatesOf(winState));
    }
}

void SaveFormPlacement(QWidget* window)
{
    TSettingsStore store(GetAppRegistryKey());
    const QString section = SectionOf(window);
    // A minimised or maximised window keeps the place it returns to.
    const QRect place =
        WinStateOf(window) == StateNormal ? window->frameGeometry() : NormalFrame(window);
    store.WriteInteger(section, QStringLiteral("Left"), place.x());
    store.WriteInteger(section, QStringLiteral("Top"), place.y());
    store.WriteInteger(section, QStringLiteral("Width"), place.width());
    store.WriteInteger(section, QStringLiteral("Height"), place.height());
    store.WriteString(section, QStringLiteral("Visible"),
                      window->isVisible() ? QStringLiteral("1") : QStringLiteral("0"));
    store.WriteInteger(section, QStringLiteral("WinState"), WinStateOf(window));
    store.Flush();
}
