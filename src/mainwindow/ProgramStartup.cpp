#include "ProgramStartup.h"

#include "AppFolders.h"
#include "ApplicationErrors.h"
#include "HeadlessSolver.h"
#include "KelvaneApplication.h"
#include "Main.h"
#include "MakerRecord.h"
#include "PlatformPath.h"
#include "QtPlatform.h"
#include "RefrigLib.h"
#include "UnitsSetting.h"

#include <QLocale>
#include <clocale>
#include <csignal>
#include <memory>
#include <optional>

namespace {

// The title of the application's message boxes. Qt would add its display name
// to every window's title on the desktop, so none is set: each window shows
// its own caption, nothing more.
const QString ApplicationTitle = QStringLiteral("Kelvane");

// A write past the file size limit (ulimit -f) fails like any other write
// instead of ending the program.
void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

// Numbers are written and read with "." whatever the user's regional settings.
void FixNumberFormats()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

// Registers and loads the units settings, and writes them back when the
// program ends (after the main window is gone).
class TUnitsSettingsScope
{
public:
    TUnitsSettingsScope()
    {
        RegisterUnitsSettings();
        LoadUnitsSettings();
    }
    ~TUnitsSettingsScope()
    {
        RunGuarded([] { SaveUnitsSettings(); });
    }
    TUnitsSettingsScope(const TUnitsSettingsScope&) = delete;
    TUnitsSettingsScope& operator=(const TUnitsSettingsScope&) = delete;
};

// The solved window's paint waits as a low-priority update request: it is
// painted first, so the run ends with the window shown solved. The event loop
// is left by exit(), not quit(), which would close the window and so remember
// the case and placement: a start-up benchmark leaves the user's settings as
// they were.
void QuitAfterStart()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::exit(0);
}

// Whether the first argument left once Qt has taken out its own options
// (-style, -platform...) is an option but not one of the window's.
bool IsCommandOption(const QStringList& arguments)
{
    return arguments.size() > 1 && IsSolverOption(arguments[1]);
}

// The arguments Qt has not taken out as its own, file names kept as the
// platform's bytes (QApplication::arguments() loses those that are not UTF-8).
QStringList ArgumentsLeft(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << TPlatformPath::FromBytes(argv[i]);
    return arguments;
}

} // namespace

int RunProgram(const QStringList& arguments)
{
    QStringList windowArguments = arguments;
    const bool quitAfterStart = windowArguments.removeAll(QuitAfterStartOption()) > 0;

    // Process-wide objects in start-up order; they go in the reverse order.
    InitMakerRecord();
    InitAppFolders();
    InitRefrigLib();
    InitRegisteredOwner();
    const TUnitsSettingsScope unitsSettings;

    int exitCode = 0;
    {
        TMainForm form(windowArguments);
        if (quitAfterStart)
            QObject::connect(&form, &TMainForm::Started, qApp, QuitAfterStart,
                             Qt::QueuedConnection);
        form.show();
        form.activateWindow();
        exitCode = QApplication::exec();
    }
    return exitCode;
}

// Ends the program once the window has been shown and solved.
QString QuitAfterStartOption()
{
    return QStringLiteral("--quit-after-start");
}

bool IsSolverOption(const QString& argument)
{
    return THeadlessSolver::LooksLikeOption(argument) && argument != QuitAfterStartOption();
}

int RunMainWindow(int argc, char** argv, TCommandRunner runCommand)
{
    IgnoreFileSizeSignal();
    FixNumberFormats();
    // Qt needs its application object before the folders and the settings store.
    TKelvaneApplication app(argc, argv);
    FixNumberFormats(); // the application object adopts the user's locale again
    const QStringList arguments = ArgumentsLeft(argc, argv);
    if (IsCommandOption(arguments))
        return runCommand(arguments.mid(1));
    // A run that ends once started has nobody to close a message box: its
    // messages go to standard error, as without a window system.
    std::optional<TQtPlatform> platform;
    if (!arguments.contains(QuitAfterStartOption()))
        platform.emplace(ApplicationTitle);
    try {
        return RunProgram(arguments);
    } catch (...) {
        ShowCurrentException();
        return 1;
    }
}
