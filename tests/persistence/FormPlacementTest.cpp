#include "FormPlacementTest.h"

#include "AppFolders.h"
#include "FormPlacement.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <memory>

namespace {

std::unique_ptr<QWidget> Window(const QString& name,
                                const QRect& geometry = QRect(10, 20, 300, 200))
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    window->setGeometry(geometry);
    return window;
}

QSize ScreenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

struct TStoredPlacement
{
    int left;
    int top;
    int width;
    int height;
};

void Store(const QString& section, const TStoredPlacement& place)
{
    TSettingsStore store(GetAppRegistryKey());
    store.WriteInteger(section, "Left", place.left);
    store.WriteInteger(section, "Top", place.top);
    store.WriteInteger(section, "Width", place.width);
    store.WriteInteger(section, "Height", place.height);
    store.Flush();
}

void StoreValue(const QString& section, const QString& name, const QString& text)
{
    TSettingsStore store(GetAppRegistryKey());
    store.WriteString(section, name, text);
    store.Flush();
}

void StoreWinState(const QString& section, int winState)
{
    TSettingsStore store(GetAppRegistryKey());
    store.WriteInteger(section, "WinState", winState);
    store.Flush();
}

} // namespace

void FormPlacementTest::initTestCase()
{
    if (qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty()) {
        QSKIP("needs its own XDG_CONFIG_HOME; run it through ctest");
    }
    QVERIFY(QGuiApplication::primaryScreen());
}

void FormPlacementTest::saveWritesEveryValue()
{
    const auto window = Window("SavedForm", QRect(40, 50, 320, 240));
    SaveFormPlacement(window.get());
    const TSettingsStore store(GetAppRegistryKey());
    QCOMPARE(store.ReadInteger("SavedForm", "Left", -1), 40);
    QCOMPARE(store.ReadInteger("SavedForm", "Top", -1), 50);
    QCOMPARE(store.ReadInteger("SavedForm", "Width", -1), 320);
    QCOMPARE(store.ReadInteger("SavedForm", "Height", -1), 240);
    QCOMPARE(store.ReadString("SavedForm", "Visible", ""), QString("0"));
    QCOMPARE(store.ReadInteger("SavedForm", "WinState", -1), 0);
}

void FormPlacementTest::restoreBringsBackPositionAndSize()
{
    SaveFormPlacement(Window("RoundTrip", QRect(70, 80, 333, 222)).get());
    const auto window = Window("RoundTrip");
    RestoreFormPlacement(window.get(), false, true);
    QCOMPARE(window->frameGeometry(), QRect(70, 80, 333, 222));
    QVERIFY(!window->isVisible());
}

void FormPlacementTest::restoreWithoutSizeKeepsTheSize()
{
    Store("NoSize", {70, 80, 333, 222});
    const auto window = Window("NoSize", QRect(10, 20, 300, 200));
    RestoreFormPlacement(window.get(), false, false);
    QCOMPARE(window->frameGeometry(), QRect(70, 80, 300, 200));
}

void FormPlacementTest::missingValuesLeaveTheWindowAlone()
{
    const auto window = Window("NeverStored", QRect(30, 40, 250, 150));
    RestoreFormPlacement(window.get(), false, true);
    QCOMPARE(window->frameGeometry(), QRect(30, 40, 250, 150));
    QCOMPARE(window->windowState(), Qt::WindowNoState);
}

void FormPlacementTest::offScreenPlacesArePulledBack_data()
{
    const QSize screen = ScreenSize();
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("far right") << 5000 << 10 << QPoint(screen.width() - 200, 10);
    QTest::newRow("above the screen") << 10 << -30 << QPoint(10, 0);
    QTest::newRow("left of the screen") << -8 << 10 << QPoint(0, 10);
    QTest::newRow("below the screen")
        << 10 << screen.height() - 99 << QPoint(10, screen.height() - 200);
    QTest::newRow("just reachable") << screen.width() - 100 << screen.height() - 100
                                    << QPoint(screen.width() - 100, screen.height() - 100);
}

void FormPlacementTest::offScreenPlacesArePulledBack()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QPoint, expected);
    const QString section = QString("Clamp-") + QTest::currentDataTag();
    Store(section, {left, top, 300, 200});
    const auto window = Window(section);
    RestoreFormPlacement(window.get(), false, false);
    QCOMPARE(window->pos(), expected);
}

void FormPlacementTest::visibility_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("visible");
    QTest::newRow("stored visible") << "1" << true;
    QTest::newRow("stored hidden") << "0" << false;
    QTest::newRow("missing means hidden") << "" << false;
}

void FormPlacementTest::visibility()
{
    QFETCH(QString, stored);
    QFETCH(bool, visible);
    const QString section = QString("Visible-") + QTest::currentDataTag();
    if (!stored.isEmpty()) {
        StoreValue(section, "Visible", stored);
    }
    const auto window = Window(section);
    window->setVisible(!visible);
    RestoreFormPlacement(window.get(), true, false);
    QCOMPARE(window->isVisible(), visible);
}

void FormPlacementTest::winState_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("normal") << 0 << int(Qt::WindowNoState);
    QTest::newRow("minimised") << 1 << int(Qt::WindowMinimized);
    QTest::newRow("maximised") << 2 << int(Qt::WindowMaximized);
}

void FormPlacementTest::winState()
{
    QFETCH(int, stored);
    QFETCH(int, expected);
    const QString section = QString("WinState-") + QTest::currentDataTag();
    StoreWinState(section, stored);
    const auto window = Window(section);
    window->setWindowState(stored == 0 ? Qt::WindowMaximized : Qt::WindowNoState);
    RestoreFormPlacement(window.get(), false, false);
    QCOMPARE(int(window->windowState()), expected);
}

void FormPlacementTest::maximisedWindowKeepsItsNormalPlace()
{
    const auto window = Window("Maximised", QRect(60, 70, 300, 200));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect normal = window->frameGeometry(); // stored places are the outer frame's
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    SaveFormPlacement(window.get());
    const TSettingsStore store(GetAppRegistryKey());
    QCOMPARE(store.ReadInteger("Maximised", "WinState", -1), 2);
    QCOMPARE(store.ReadString("Maximised", "Visible", ""), QString("1"));
    QCOMPARE(store.ReadInteger("Maximised", "Left", -1), normal.x());
    QCOMPARE(store.ReadInteger("Maximised", "Width", -1), normal.width());
}

// Closing while minimised or maximised stores the outer frame of the normal
// place, so the next start puts the window back where it was, not lower by
// the height of the title bar.
void FormPlacementTest::minimisedOrMaximisedWindowReturnsToItsFrame_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("winState");
    QTest::newRow("minimised") << int(Qt::WindowMinimized) << 1;
    QTest::newRow("maximised") << int(Qt::WindowMaximized) << 2;
}

void FormPlacementTest::minimisedOrMaximisedWindowReturnsToItsFrame()
{
    QFETCH(int, state);
    QFETCH(int, winState);
    const QString section = QString("Closed-") + QTest::currentDataTag();
    const auto window = Window(section, QRect(60, 70, 300, 200));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect frame = window->frameGeometry();
    QVERIFY2(frame != window->geometry(), "the platform draws no frame to test with");
    window->setWindowState(Qt::WindowStates(state));
    QTRY_COMPARE(int(window->windowState()), state);
    SaveFormPlacement(window.get());
    {
        const TSettingsStore store(GetAppRegistryKey());
        QCOMPARE(store.ReadInteger(section, "WinState", -1), winState);
        QCOMPARE(QRect(store.ReadInteger(section, "Left", -1),
                       store.ReadInteger(section, "Top", -1),
                       store.ReadInteger(section, "Width", -1),
                       store.ReadInteger(section, "Height", -1)),
                 frame);
    }
    // The next start, and the user bringing the window back to normal.
    const auto restarted = Window(section, QRect(10, 20, 300, 200));
    restarted->show();
    QVERIFY(QTest::qWaitForWindowExposed(restarted.get()));
    RestoreFormPlacement(restarted.get(), false, true);
    QTRY_COMPARE(int(restarted->windowState()), state);
    restarted->showNormal();
    QTRY_COMPARE(restarted->frameGeometry(), frame);
}
