#include "StartupTest.h"

#include "AppFolders.h"
#include "ApplicationErrors.h"
#include "CaseInput.h"
#include "IniFile.h"
#include "Main.h"
#include "ProgramStartup.h"
#include "QvFmtEdit.h"
#include "RecordingPlatform.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "UnitsSetting.h"
#include "WindowFixture.h"
#include "XMLFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
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

// What the window shows once its first Calc has run.
struct TFirstSight
{
    QString status;
    QStringList fields;
    QList<int> dropDowns;
    int mask = -1;

    bool operator==(const TFirstSight&) const = default;
};

QByteArray Describe(const TFirstSight& sight)
{
    return (sight.status + " | " + sight.fields.join(' ') + " | " +
            QString::number(sight.dropDowns.value(0)) + ' ' +
            QString::number(sight.dropDowns.value(1)) + ' ' +
            QString::number(sight.dropDowns.value(2)) + " | mask " + QString::number(sight.mask))
        .toUtf8();
}

// Starts the program as a user does, with no arguments unless given, and
// closes the window once it shows a result.
TFirstSight StartAndClose(const QStringList& arguments = {})
{
    TFirstSight sight;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        TMainForm* form = OpenMainForm();
        if (!form || form->Label13->text() == QLatin1String("Not Solved..."))
            return;
        sight.status = form->Label13->text();
        for (const TFmtEdit* field : {form->edthi, form->edtho, form->edmh, form->edtci,
                                      form->edtco, form->edmc, form->eduo, form->edao, form->edq})
            sight.fields << field->text();
        sight.dropDowns = {form->cbHot->currentIndex(), form->cbCold->currentIndex(),
                           form->cbHex->currentIndex()};
        sight.mask = form->MaskFromCheckBoxes();
        form->close();
    });
    closer.start(20);
    if (RunProgram(QStringList{QApplication::applicationFilePath()} + arguments) != 0)
        qWarning("the program ended with an error");
    return sight;
}

QString SettingsPath()
{
    return SettingsFile(QFileInfo(QApplication::applicationFilePath()).completeBaseName());
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Eight raw bytes as the settings file holds a double.
QByteArray RawDouble(const char* littleEndianEscapes)
{
    return QByteArray("@ByteArray(") + littleEndianEscapes + ")";
}

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
    // and the units settings are released.
    const TSettingsStore store(GetAppRegistryKey());
    QCOMPARE(store.ReadString("HotFluid", "thi", {}), QString("40"));
    QCOMPARE(store.ReadString("ColdFluid", "mc", {}), QString("2"));
    QVERIFY(store.SectionExists("MainForm"));
    QVERIFY(QFile::exists(UnitsSettingsPath()));
    QVERIFY(UnitsSettings().isEmpty());
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
    TWindowFixture::ForgetSettings();
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

// An error out of a window action (RunGuarded) reaches the user as a message
// box with the error's text: the case file's missing name, for one.
void StartupTest::actionErrorsAreShownWithTheirText()
{
    TRecordingPlatform platform;
    RunGuarded([] {
        TXMLFile xml;
        xml.Save();
    });
    QCOMPARE(platform.messages, QStringList({"File name not known"}));
}

void StartupTest::corruptedFileGivesTheDefaults_data()
{
    QTest::addColumn<bool>("unitsFile"); // otherwise the settings file
    QTest::addColumn<QByteArray>("content");
    QByteArray garbage;
    for (int i = 0; i < 600; ++i)
        garbage += char((i * 37 + 11) % 256);
    QTest::newRow("settings: garbage bytes") << false << garbage;
    QTest::newRow("settings: only NUL bytes") << false << QByteArray(300, '\0');
    QTest::newRow("settings: empty file") << false << QByteArray();
    QTest::newRow("settings: truncated in the first value")
        << false << QByteArray("[HotFluid]\nindex=");
    QTest::newRow("settings: truncated inside a raw double")
        << false << QByteArray("[HotFluid]\nthi=@ByteArray(\\0\\0\\0");
    QTest::newRow("settings: wrong kinds of values")
        << false
        << "[HotFluid]\nindex=" + RawDouble("\\0\\0\\0\\0\\0\\0\\xf0?") +
               "\nthi=@Point(8 0)\ntho=cold\nmh=" + RawDouble("\\0\\0\\xf0?") +
               "\n[ColdFluid]\nindex=one\ntci=@Rect(1 2 3 4)\n"
               "[HeatXType]\nindex=4294967296\nQ=@Variant(\\0\\0\\0\\x7f\\0)\n";
    QTest::newRow("settings: not a number and infinity, once shown as 0")
        << false
        << "[HotFluid]\nthi=" + RawDouble("\\0\\0\\0\\0\\0\\0\\xf8\\x7f") +
               "\ntho=" + RawDouble("\\0\\0\\0\\0\\0\\0\\xf0\\x7f") +
               "\n[HeatXType]\nAo=" + RawDouble("\\0\\0\\0\\0\\0\\0\\xf0\\xff") + "\n";
    QTest::newRow("units.ini: garbage bytes") << true << garbage;
    QTest::newRow("units.ini: only NUL bytes") << true << QByteArray(300, '\0');
    QTest::newRow("units.ini: empty file") << true << QByteArray();
    QTest::newRow("units.ini: truncated in a key") << true << QByteArray("[fat]\nhei");
    QTest::newRow("units.ini: wrong kinds of values")
        << true << QByteArray("[fat]\nheight=tall\nlength=2.5\n[air]\nw=\nrh=99999999999\n");
}

void StartupTest::corruptedFileGivesTheDefaults()
{
    QFETCH(bool, unitsFile);
    QFETCH(QByteArray, content);
    TRecordingPlatform platform;
    InitAppFolders();
    QFile::remove(SettingsPath());
    QFile::remove(UnitsSettingsPath());
    const TFirstSight defaults = StartAndClose();
    QCOMPARE(defaults.status, QString("Solved  (Hot fluid specified)..."));

    const QString path = unitsFile ? UnitsSettingsPath() : SettingsPath();
    WriteFile(path, content);
    const TFirstSight sight = StartAndClose();
    QVERIFY2(sight == defaults, Describe(sight) + "\nexpected\n" + Describe(defaults));
    QCOMPARE(platform.messages, QStringList());
    // Closing wrote complete files again: the last case and the default units.
    QCOMPARE(TSettingsStore(GetAppRegistryKey()).ReadString("HotFluid", "thi", {}), QString("35"));
    QCOMPARE(TIniFile(UnitsSettingsPath()).ReadInteger("fat", "height", -1), 3);
}

void StartupTest::caseFileOnTheCommandLineOpensSolved()
{
    TRecordingPlatform platform;
    InitAppFolders();
    TWindowFixture::ForgetSettings();
    QTemporaryDir folder;
    const QString path = folder.filePath("lmtd.xml");
    WriteFile(path, LmtdCaseText());
    const TFirstSight sight = StartAndClose({path});
    // The test program's folder has no tables: the drop-downs stay empty, the
    // fluids are solved with the file's specific heats and the status line
    // names what the file asked for.
    QCOMPARE(sight.status, QString("Solved  (LMTD method)...  Not in the tables: oil (cp 2 from "
                                   "the file), sea water (cp 3.9 from the file), "
                                   "plate"));
    QCOMPARE(sight.dropDowns, QList<int>({-1, -1, -1}));
    QCOMPARE(sight.mask, 219);
    QCOMPARE(sight.fields.mid(0, 2), QStringList({"90.0", "50.0"}));
    QCOMPARE(sight.fields.mid(6, 2), QStringList({"2500", "3.000"}));
    QCOMPARE(platform.messages, QStringList());
    // Closing remembered the case as solved, and the file is the newest recent case.
    const TSettingsStore store(GetAppRegistryKey());
    QCOMPARE(store.ReadString("HotFluid", "thi", {}), QString("90"));
    QCOMPARE(store.ReadString("HeatXType", "Uo", {}), QString("2500"));
    QVERIFY(store.ReadString("HotFluid", "mh", {}) != "1"); // computed by the LMTD method
    QCOMPARE(store.ReadString("RecentFiles", "File1", ""), path);
}
