#pragma once

#include "AppFolders.h"
#include "CurrentHx.h"
#include "Main.h"
#include "RecordingPlatform.h"
#include "SettingsStore.h"
#include "WhenModal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// The main window as the program makes it, over a program folder of its own
// with the shipped tables, an empty documents folder, no remembered case or
// recent files, recorded platform effects and a fresh CurrentHx. Make one in
// a test's init() and drop it in cleanup().
class TWindowFixture
{
public:
    TWindowFixture()
    {
        const QString dir = programDir.path();
        const QString shipped = qEnvironmentVariable("KELVANE_PROGRAM_DIR");
        for (const QString table : {"fluids.ini", "heatxtype.ini"}) {
            if (!QFile::copy(shipped + "/" + table, dir + "/" + table))
                qFatal("cannot copy %s", qPrintable(table));
        }
        QDir(dir).mkpath("data");
        QDir(dir).mkpath("docs");
        InitAppFolders(TFolderSources{dir + "/kelvane", dir + "/data", dir + "/docs"});
        ForgetSettings();
        currentHx = std::make_unique<TCurrentHxScope>();
    }

    // A window started with `arguments` after the program path; `show`
    // activates it, which runs the first Calc.
    std::unique_ptr<TMainForm> MakeForm(const QStringList& arguments = {}, bool show = true) const
    {
        auto form = std::make_unique<TMainForm>(QStringList{ExeFolder + "kelvane"} + arguments);
        if (show) {
            form->show();
            form->activateWindow();
            if (!QTest::qWaitForWindowActive(form.get()))
                qWarning("main window not activated");
        }
        return form;
    }

    static void ForgetSettings()
    {
        TSettingsStore store(GetAppRegistryKey());
        for (const QString& section : store.Sections())
            store.EraseSection(section);
        store.Flush();
    }

    QTemporaryDir programDir;
    TRecordingPlatform platform;
    std::unique_ptr<TCurrentHxScope> currentHx;
};
