#include "DrivenProgramTest.h"

#include "DataLimit.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

struct TRun
{
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QStringList lines; // of standard output
    QString errors;
};

// A program folder of its own: the driver beside the shipped tables, and an
// empty home for the settings.
class TProgramFolder
{
public:
    TProgramFolder()
    {
        const QString shipped = qEnvironmentVariable("KELVANE_PROGRAM_DIR");
        m_ok = m_dir.isValid() &&
               QFile::copy(QCoreApplication::applicationDirPath() + "/kelvane_driver", Program()) &&
               QFile::copy(shipped + "/fluids.ini", Path("fluids.ini")) &&
               QFile::copy(shipped + "/heatxtype.ini", Path("heatxtype.ini")) &&
               QDir().mkpath(Path("home/.config")) && QDir().mkpath(Path("home/.cache"));
    }

    bool IsReady() const { return m_ok; }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Program() const { return Path("kelvane_driver"); }

    // The driver with `scenario` in `environment` plus the folder's home;
    // `limit` sets up the child before it starts.
    TRun Run(const QString& scenario, QProcessEnvironment environment,
             const std::function<void()>& limit = {}) const
    {
        environment.insert("HOME", Path("home"));
        environment.insert("XDG_CONFIG_HOME", Path("home/.config"));
        environment.insert("XDG_DATA_HOME", Path("home/.local/share"));
        environment.insert("XDG_CACHE_HOME", Path("home/.cache"));
        QProcess process;
        process.setProcessEnvironment(environment);
        if (limit)
            process.setChildProcessModifier(limit);
        process.start(Program(), {scenario});
        TRun run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            run.errors = "the program did not end within a minute";
            return run;
        }
        run.status = process.exitStatus();
        run.code = process.exitCode();
        run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
        run.lines.removeAll(QString());
        run.errors += QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// An X server of its own, on a display it picks; stopped with the object.
class TXServer
{
public:
    TXServer()
    {
        m_server.start("Xvfb",
                       {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        if (m_server.waitForStarted() && m_server.waitForReadyRead(20000))
            m_display = ":" + QString::fromLatin1(m_server.readAllStandardOutput()).trimmed();
    }
    ~TXServer()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }
    TXServer(const TXServer&) = delete;
    TXServer& operator=(const TXServer&) = delete;

    // Empty when the server did not start.
    const QString& Display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

QString WmName(const QString& title)
{
    return QString("_NET_WM_NAME(UTF8_STRING) = \"%1\"").arg(title);
}

} // namespace

// Each window shows its own caption on the desktop, with no application name
// added: the main window its product name and version, the preview "Preview
// Form", a message box the application's title.
void DrivenProgramTest::desktopShowsEachWindowsOwnCaption()
{
    const TProgramFolder folder;
    QVERIFY(folder.IsReady());
    const TXServer server;
    QVERIFY2(!server.Display().isEmpty(), "Xvfb did not start");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server.Display());
    environment.insert("QT_QPA_PLATFORM", "xcb");

    const TRun run = folder.Run("titles", environment);

    QVERIFY2(run.status == QProcess::NormalExit && run.code == 0, qPrintable(run.errors));
    QCOMPARE(run.lines, QStringList({"main window: " + WmName("Kelvane " KELVANE_VERSION),
                                     "message box: Invalid command line arguments...",
                                     "message box title: " + WmName("Kelvane"),
                                     "preview: " + WmName("Preview Form")}));
}

// Writes past the limit fail as on a full disk: Save shows its message and
// keeps the old case file, and closing the window ends the program normally,
// not by the signal the system sends.
void DrivenProgramTest::fileSizeLimitFailsSavesWithoutEndingTheProgram()
{
    const TProgramFolder folder;
    QVERIFY(folder.IsReady());
    const QByteArray old = "<datafile><duty><Q>10.000</Q></duty></datafile>";
    QVERIFY(WriteAll(folder.Path("sample.xml"), old));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");

    const TRun run = folder.Run("save-and-close", environment, [] {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
    });

    QVERIFY2(run.status == QProcess::NormalExit,
             qPrintable("the program ended abnormally: " + run.errors));
    QCOMPARE(run.code, 0);
    QVERIFY2(!run.lines.isEmpty(), qPrintable(run.errors));
    QCOMPARE(
        run.lines.first(),
        QString("message box: Cannot save \"%1\": File too large").arg(folder.Path("sample.xml")));
    // Closing reports the settings it could not write in the same way.
    for (const QString& line : run.lines)
        QVERIFY2(line.startsWith("message box: Cannot "), qPrintable(line));
    QCOMPARE(ReadAll(folder.Path("sample.xml")), old);
}

// Open… of a file of 200 MB (sparse) with the data segment limited to 100 MB:
// it is refused unread, the message names the file and the limit, and the
// program goes on to close normally.
void DrivenProgramTest::openOfAHugeFileIsRefusedInBoundedMemory()
{
    const TProgramFolder folder;
    QVERIFY(folder.IsReady());
    const QString path = folder.Path("huge.xml");
    QVERIFY(WriteAll(path, "<datafile>"));
    QVERIFY(QFile::resize(path, 200 * 1024 * 1024));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("KELVANE_DRIVER_FILE", path);

    const TRun run = folder.Run("open-and-close", environment, LimitData);

    QVERIFY2(run.status == QProcess::NormalExit, qPrintable(run.errors));
    QCOMPARE(run.code, 0);
    QCOMPARE(run.lines, QStringList{QString("message box: Cannot open \"%1\": it is larger than "
                                            "the limit of 1 MB (1048576 bytes)")
                                        .arg(path)});
}
