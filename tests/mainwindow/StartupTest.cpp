#include "StartupTest.h"

#include "AppFolders.h"
#include "CurrentHx.h"
#include "Main.h"
#include "ProgramStartup.h"
#include "RecordingPlatform.h"
#include "SettingsStore.h"
#include "UnitsSetting.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace {

TMainForm* OpenMainForm()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TMainForm*>(widget); form && form->isVisible())
            return form;
    }
    return nullptr;
}

const QStringList CaseValues{"0", "40", "20", "1",  "1",      "10", "15",
                             "2", "0",  "37", "38", "23.529", "111"};

void ForgetRememberedCase()
{
    TSettingsStore store(GetAppRegistryKey());
    for (const QString& section : store.Sections())
        store.EraseSection(section);
    store.Flush();
}

class TThrowingObject : public QObject
{
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QObject::event(event);
    }
};

} // namespace

void StartupTest::programOpensSolvedAndStoresOnClose()
{
    TRecordingPlatform platform;
    QString status;
    QString title;
    QTimer closer;
    // Waits for the window's first Calc, notes what it shows, then closes it as the user would.
    connect(&closer, &QTimer::timeout, [&] {
        TMainForm* form = OpenMainForm();
        if (!form || !form->Label13->text().startsWith("Solved"))
            return;
        status = form->Label13->text();
        title = form->windowTitle();
        form->close();
    });
    closer.start(20);
    const QStringList arguments = QStringList{QApplication::applicationFilePath()} + CaseValues;
    QCOMPARE(RunProgram(arguments), 0);
    QCOMPARE(status, QString("Solved  (Hot fluid specified)..."));
    QVERIFY(title.startsWith("Kelvane "));
    QVERIFY(platform.messages.isEmpty());
    // Shutdown: the last case is remembered, the units settings are written,
    // and the shared case is gone.
    const TSettingsStore store(GetAppRegistryKey());
    QCOMPARE(store.ReadFloat("HotFluid", "thi", 0), 40.0);
    QCOMPARE(store.ReadFloat("ColdFluid", "mc", 0), 2.0);
    QVERIFY(store.SectionExists("MainForm"));
    QVERIFY(QFile::exists(UnitsSettingsPath()));
    QVERIFY(UnitsSettings().isEmpty());
    QVERIFY_THROWS_EXCEPTION(std::logic_error, CurrentHx());
}

void StartupTest::quitAfterStartEndsSolvedWithoutStoring_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("option before the case values")
        << QStringList{"--quit-after-start"} + CaseValues;
    QTest::newRow("option after the case values") << CaseValues + QStringList{"--quit-after-start"};
}

void StartupTest::quitAfterStartEndsSolvedWithoutStoring()
{
    QFETCH(QStringList, arguments);
    TRecordingPlatform platform;
    InitAppFolders(); // the folders RunProgram is about to use, so the store can be cleared
    ForgetRememberedCase();
    QString status;
    // The event loop has ended on its own; the window is still there to read.
    const QMetaObject::Connection onQuit = connect(qApp, &QCoreApplication::aboutToQuit, [&] {
        if (TMainForm* form = OpenMainForm())
            status = form->Label13->text();
    });
    const int exitCode = RunProgram(QStringList{QApplication::applicationFilePath()} + arguments);
    disconnect(onQuit);
    QCOMPARE(exitCode, 0);
    QCOMPARE(status, QString("Solved  (Hot fluid specified)..."));
    QVERIFY(platform.messages.isEmpty());
    const TSettingsStore store(GetAppRegistryKey());
    QVERIFY(store.Sections().isEmpty());
}

void StartupTest::exceptionInEventHandlerIsShown()
{
    TRecordingPlatform platform;
    TThrowingObject object;
    QEvent event(QEvent::User);
    QCOMPARE(QApplication::sendEvent(&object, &event), false);
    QCOMPARE(platform.messages, QStringList({"handler failed"}));
}
