#include "ExecutableTest.h"

#include "DataLimit.h"
#include "ProgramRun.h"
#include "SizeLimitFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList InitialCase = {"--solve", "0",   "35", "12", "1",  "1",      "6",
                                 "13",      "0.8", "0",  "37", "38", "23.529", "111"};

// The initial case with one value replaced: `index` 1 is HOT ... 13 is MASK.
QStringList WithValue(int index, const QString& value)
{
    QStringList arguments = InitialCase;
    arguments[index] = value;
    return arguments;
}

// What a run under a limit gave: its exit code (-1 when it crashed or did not
// finish in time), its errors and its output when it went to a pipe.
struct TLimitedRun
{
    int code = -1;
    QByteArray out;
    QString err;
};

// Runs `program` with its data segment limited (LimitData) and its standard
// output into `outputFile`, or a pipe without one; a run past `seconds` is killed.
TLimitedRun
RunLimited(const QString& program, const QStringList& arguments,
           const QString& outputFile = QString(), int seconds = 20,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier(LimitData);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    process.closeWriteChannel();
    TLimitedRun run;
    if (!process.waitForFinished(seconds * 1000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A case file that opens, solved by the LMTD method.
const QByteArray LmtdCase = "<datafile><hot><name>oil</name><thi>90.000</thi><tho>50.000</tho>"
                            "<mh>1.000</mh></hot><cold><name>water</name><tci>15.000</tci>"
                            "<tco>35.000</tco><mc>1.000</mc></cold><heatx><name>plate</name>"
                            "<Uo>2.500</Uo><Ao>3.000</Ao></heatx><duty><Q>10.000</Q>"
                            "<given mask=\"219\"/></duty></datafile>";

// The window's start-up, shown and solved, takes well under a second; this
// allows for a loaded machine and the sanitizers.
constexpr int WindowSeconds = 60;

// The program's own files for a run: its settings and data under `home`.
QProcessEnvironment EnvironmentWithHome(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    environment.insert("XDG_DATA_HOME", home.filePath(".local/share"));
    return environment;
}

QString SettingsPathIn(const QTemporaryDir& home)
{
    return home.filePath(".config/Marbleworth/kelvane.conf");
}

} // namespace

void ExecutableTest::initTestCase()
{
    m_program = QDir(qEnvironmentVariable("KELVANE_PROGRAM_DIR")).filePath("kelvane");
    QVERIFY2(QFileInfo(m_program).isExecutable(), qPrintable(m_program));
}

void ExecutableTest::solvesTheInitialCase()
{
    const TProgramRun result = RunProgram(m_program, InitialCase);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.err, QString());
    for (const char* line : {"Hot fluid: air", "Cold fluid: water", "Duty: Hot fluid specified",
                             "Q = 23.529 kW", "tco = 13.014 °C", "lmtd = 12.310 °C", "e = 0.793",
                             "Ntu = 1.868", "Ao = 51.660 m²", "e Qmax = 23.529 kW"})
        QVERIFY2(result.out.contains(QString::fromUtf8(line) + u'\n'), line);
}

void ExecutableTest::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QStringList noSolution = InitialCase; // the hot outlet from a zero capacity rate
    noSolution[4] = "0";
    noSolution[13] = "256";
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no solution") << noSolution << 1;
    QTest::newRow("bad arguments") << QStringList{"--solve", "1", "2"} << 2;
    QTest::newRow("infeasible: hot outlet above the hot inlet") << WithValue(3, "40") << 3;
    QTest::newRow("warnings only: a given flow changed") << WithValue(13, "63") << 0;
    QTest::newRow("unknown option") << QStringList{"--solve", "--frobnicate"} << 2;
    // Qt takes its own options out before the program looks at the rest.
    QTest::newRow("Qt's option, then the window")
        << QStringList{"-platform", "offscreen", "--quit-after-start"} << 0;
    QTest::newRow("Qt's option, then a command") << QStringList{"-style", "fusion", "--help"} << 0;
}

void ExecutableTest::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    const TProgramRun result = RunProgram(m_program, arguments);
    QCOMPARE(result.code, code);
    QCOMPARE(result.err.isEmpty(), code == 0);
}

void ExecutableTest::versionIsTheBuildVersion()
{
    const TProgramRun result = RunProgram(m_program, {"--version"});
    QCOMPARE(result.code, 0);
    QCOMPARE(result.out, QStringLiteral("Kelvane " KELVANE_VERSION "\n"));
}

// A script on a machine without a desktop gets the answer, not the windowing
// system's failure to start.
void ExecutableTest::mistypedLongOptionNeedsNoDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    const TProgramRun result = RunProgram(m_program, {"--slove", "1"}, {}, environment);
    QCOMPARE(result.code, 2);
    QVERIFY2(result.err.startsWith("kelvane: unknown option '--slove'"), qPrintable(result.err));
}

void ExecutableTest::batchFromStandardInput()
{
    const TProgramRun result = RunProgram(m_program, {"--batch"},
                                          "Kelvane,0,35,12,1,1,6,13,0.8,0,37,38,23.529,111\n"
                                          "Kelvane,0,35,12,0,1,6,13,0.8,0,37,38,23.529,256\n");
    QCOMPARE(result.code, 0);
    const QStringList rows = result.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 3);
    QVERIFY(
        rows[1].startsWith(QStringLiteral("Hot fluid specified,water,air,fin and tube,35,12,1,")));
    QVERIFY(rows[1].endsWith(QStringLiteral(",Solved")));
    QVERIFY(rows[2].endsWith(QStringLiteral(",No solution with this data... (Floating point "
                                            "division by zero)")));
}

void ExecutableTest::failedWriteEndsWithStatusOne_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("solve") << InitialCase;
    QTest::newRow("solve as JSON") << InitialCase + QStringList{"--json"};
    QTest::newRow("help") << QStringList{"--help"};
    QTest::newRow("version") << QStringList{"--version"};
    QTest::newRow("batch") << QStringList{"--batch", "/dev/null"};
}

// A full disk or a closed pipe is not a success that wrote nothing.
void ExecutableTest::failedWriteEndsWithStatusOne()
{
    QFETCH(QStringList, arguments);
    const TLimitedRun result = RunLimited(m_program, arguments, "/dev/full");
    QCOMPARE(result.code, 1);
    QCOMPARE(result.err, QStringLiteral("kelvane: cannot write the output: No space left on "
                                        "device\n"));
}

// An input without a line end is not read whole: /dev/zero gives one status
// row and ends, the process's heap far below what the old reader grew to.
void ExecutableTest::batchOfAnEndlessLineEndsInBoundedMemory()
{
    QElapsedTimer timer;
    timer.start();
    const TLimitedRun result = RunLimited(m_program, {"--batch", "/dev/zero"});
    qInfo("--batch /dev/zero: %lld ms", timer.elapsed());
    QCOMPARE(result.code, 0);
    QCOMPARE(result.err, QString());
    const QList<QByteArray> rows = result.out.split('\n');
    QCOMPARE(rows.size(), 3); // the header, one row, nothing after the last line end
    QCOMPARE(rows[1],
             ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\"line longer than 65536 bytes: not a case "
             "line, and no line end within 16777216 bytes: the rest of the input is "
             "not read\"");
}

// A cold stream "heated" above the hot inlet: the solve stops at the cross,
// infeasible in every output.
void ExecutableTest::infeasibleCaseInEveryOutput()
{
    const QStringList values = {"2", "120", "0",   "2", "1", "20", "130",
                                "1", "1",   "300", "0", "0", "57"};
    const QString cross = "temperature cross at the hot end: thi 120.0 °C, tco 130.0 °C";
    const QString findings = cross + "; temperature cross at the cold end: tho 4.7 °C, tci 20.0 °C";

    const TProgramRun text = RunProgram(m_program, QStringList{"--solve"} + values);
    QCOMPARE(text.code, 3);
    QCOMPARE(text.err, "kelvane: Infeasible  (Cold fluid specified): " + cross + "\n");
    QVERIFY2(text.out.contains("\ncc (tco-tci) = 461.230 kW\n"), qPrintable(text.out));
    // The solve stopped before the effectiveness: its product is left blank.
    QVERIFY2(text.out.endsWith("\ne Qmax =\n\n" + findings.split("; ").join(u'\n') + "\n"),
             qPrintable(text.out));

    const TProgramRun json = RunProgram(m_program, QStringList{"--solve", "--json"} + values);
    QCOMPARE(json.code, 3);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(object.value("verdict").toString(), QStringLiteral("infeasible"));
    QCOMPARE(object.value("findings").toArray().size(), 2);
    QCOMPARE(object.value("findings").toArray().first().toString(), cross);
    QCOMPARE(object.value("method").toString(), QStringLiteral("Cold fluid specified"));

    const TProgramRun batch =
        RunProgram(m_program, {"--batch"}, ("Kelvane," + values.join(u',') + "\n").toUtf8());
    QCOMPARE(batch.code, 0);
    const QStringList rows = batch.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 2);
    QVERIFY(
        rows[0].endsWith(",Qmax,arrangement,F,Rfh,Rfc,margin,Us,Aclean,Areq,OD,findings,status"));
    QVERIFY(rows[1].startsWith("Cold fluid specified,water,oil,"));
    QVERIFY2(rows[1].endsWith(",\"" + findings + "\",\"Infeasible: " + cross + "\""),
             qPrintable(rows[1]));
}

// A program folder whose fluid table gives a cp that is no number: told once on
// standard error before any case, and a warning of every case that uses it.
void ExecutableTest::tableValueThatIsNoNumberIsToldAndWarnedOf()
{
    QTemporaryDir folder;
    const QString program = folder.filePath("kelvane");
    QVERIFY(QFile::copy(m_program, program));
    QVERIFY(WriteAll(folder.filePath("fluids.ini"), "[brine]\ncp=4,193\n[water]\ncp=4.193\n"));
    QVERIFY(WriteAll(folder.filePath("heatxtype.ini"), "[plate]\nUo=2500\n"));
    const QString problem = "fluids.ini, section [brine], cp \"4,193\" is not a number: 1 is used";
    const QStringList values = {"0",   "35", "12", "1",  "1",      "6",  "13",
                                "0.8", "0",  "37", "38", "23.529", "111"};

    const TProgramRun text = RunProgram(program, QStringList{"--solve"} + values);
    QCOMPARE(text.code, 0);
    QCOMPARE(text.err, "kelvane: warning: " + problem + "\n");
    QVERIFY2(text.out.endsWith("\n" + problem + "\n"), qPrintable(text.out));

    const TProgramRun json = RunProgram(program, QStringList{"--solve", "--json"} + values);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(object.value("cph").toDouble(), 1.0);
    QCOMPARE(object.value("verdict").toString(), QStringLiteral("warnings"));
    QCOMPARE(object.value("findings").toArray().last().toString(), problem);

    const QString line = "Kelvane," + values.join(u',') + "\n";
    const TProgramRun batch = RunProgram(program, {"--batch"}, (line + line).toUtf8());
    QCOMPARE(batch.err, "kelvane: warning: " + problem + "\n"); // once for the whole batch
    const QStringList rows = batch.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 3);
    const QString quoted = u'"' + QString(problem).replace(u'"', QStringLiteral("\"\"")) + u'"';
    for (const QString& row : rows.mid(1))
        QVERIFY2(row.endsWith(u',' + quoted + ",Solved"), qPrintable(row));
}

// The window's images are built-in PNGs, read as such: no image format plugin
// is loaded at start-up to guess a format. The dynamic loader lists every
// library it starts.
void ExecutableTest::windowStartLoadsNoImagePlugin()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "libs");
    const TProgramRun result = RunProgram(m_program, {"--quit-after-start"}, {}, environment);
    QCOMPARE(result.code, 0);
    QVERIFY2(result.err.contains("/platforms/"), "the loader listed no plugin at all");
    QVERIFY2(!result.err.contains("/imageformats/"), "an image format plugin was loaded");
}

// The window opens a case file named by the one argument, relative to the
// folder it is started in. It remembers the file among the recent cases at
// once, which is what a run that ends as soon as it has solved leaves behind.
void ExecutableTest::caseFileArgumentOpensTheCase()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("cases"));
    const QString path = home.filePath("cases/lmtd.xml");
    QVERIFY(WriteAll(path, LmtdCase));
    const QProcessEnvironment environment = EnvironmentWithHome(home);
    const TProgramRun result = RunProgram(m_program, {"lmtd.xml", "--quit-after-start"}, {},
                                          environment, home.filePath("cases"));
    QCOMPARE(result.code, 0);
    QCOMPARE(result.err, QString());
    const QByteArray settings = ReadAll(SettingsPathIn(home));
    QVERIFY2(settings.contains("[RecentFiles]\nFile1=" + path.toUtf8() + "\n"), settings);
    QVERIFY2(!settings.contains("[HotFluid]"), settings); // nothing else is stored
}

// The same with a file name that is not UTF-8, which Qt would decode to U+FFFD:
// the program gets the name as bytes from the shell and opens that file.
void ExecutableTest::caseFileArgumentNotNamedInUtf8OpensTheCase()
{
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("cases"));
    const QByteArray path = QFile::encodeName(home.filePath("cases")) + "/lmtd-\xff.xml";
    std::FILE* file = std::fopen(path.constData(), "wb");
    QVERIFY(file);
    const bool written = std::fwrite(LmtdCase.constData(), 1, std::size_t(LmtdCase.size()), file) ==
                         std::size_t(LmtdCase.size());
    QVERIFY(std::fclose(file) == 0 && written);
    const auto removeFile = qScopeGuard([&path] { std::remove(path.constData()); });
    const TProgramRun result = RunProgram(
        "/bin/sh",
        {"-c", R"sh(exec "$0" "$(printf 'lmtd-\377.xml')" --quit-after-start)sh", m_program}, {},
        EnvironmentWithHome(home), home.filePath("cases"));
    QCOMPARE(result.err, QString());
    QCOMPARE(result.code, 0);
    const QByteArray settings = ReadAll(SettingsPathIn(home));
    QVERIFY2(settings.contains("[RecentFiles]\nFile1="), settings);
}

// A path that is no case file to read: the window says why and starts with
// the last case, remembering nothing. A run that ends once started has nobody
// to close a message box, so it says so on standard error. Nothing is read
// whole: under a data limit far below the largest file, the run still ends.
void ExecutableTest::caseFileArgumentThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("kind"); // "none" for no such file, "device" for /dev/zero
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file of 200 MB") << "file"
                                      << "it is larger than the limit of 1 MB (1048576 bytes)";
    QTest::newRow("a named pipe") << "fifo"
                                  << "it is a named pipe (FIFO), not a file";
    QTest::newRow("a device") << "device"
                              << "it is a device, not a file";
    QTest::newRow("a folder") << "folder"
                              << "it is a folder, not a file";
    QTest::newRow("no such file") << "none"
                                  << "there is no such file";
}

void ExecutableTest::caseFileArgumentThatCannotBeOpened()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir home;
    const QString path = kind == "device" ? QString("/dev/zero") : home.filePath("case.xml");
    if (kind != "none" && kind != "device")
        QVERIFY(MakeEntry(path, kind, "<datafile>", 200 * 1024 * 1024, ' ', 1024));
    QElapsedTimer timer;
    timer.start();
    const TLimitedRun result = RunLimited(m_program, {path, "--quit-after-start"}, {},
                                          WindowSeconds, EnvironmentWithHome(home));
    qInfo("%s: %lld ms", QTest::currentDataTag(), timer.elapsed());
    QCOMPARE(result.code, 0);
    QCOMPARE(result.err, QString("Cannot open \"%1\": %2\n").arg(path, reason));
    QVERIFY(!QFile::exists(SettingsPathIn(home)));
}

namespace {

// An image as QSettings stores it, as another program may have put it in the
// settings: some 50 kB of text, 25 MB once decoded.
QByteArray ImageValueText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("image.ini");
    {
        QImage image(5000, 5000, QImage::Format_Grayscale8);
        image.fill(128);
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("image", image);
    }
    const QByteArray text = ReadAll(path);
    const qsizetype start = text.indexOf("image=") + 6;
    return text.mid(start, text.indexOf('\n', start) - start);
}

} // namespace

// Images of another program's under [MainForm], the section the window reads
// its place from: a file over the size limit is not read, and one just within
// it is read without decoding them (all of them decoded would take GBs). The
// case file named on the command line goes into the recent cases at once,
// which shows what a save does with them.
void ExecutableTest::largeForeignSettingsAreNotRead_data()
{
    QTest::addColumn<int>("count"); // image values; 0: as many as stay within the limit
    QTest::newRow("40 images, over the size limit") << 40;
    QTest::newRow("as many images as stay within the size limit") << 0;
}

void ExecutableTest::largeForeignSettingsAreNotRead()
{
    QFETCH(int, count);
    static const QByteArray image = ImageValueText();
    const QByteArray own = "[HotFluid]\nindex=2\n\n";
    QByteArray settings = own + "[MainForm]\n";
    const qint64 limit = 1024 * 1024;
    for (int i = 0; count ? i < count : settings.size() + image.size() + 20 < limit; ++i)
        settings += "Image" + QByteArray::number(i) + "=" + image + "\n";
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(".config/Marbleworth"));
    QVERIFY(WriteAll(SettingsPathIn(home), settings));
    const QString path = home.filePath("lmtd.xml");
    QVERIFY(WriteAll(path, LmtdCase));

    QElapsedTimer timer;
    timer.start();
    const TLimitedRun result = RunLimited(m_program, {path, "--quit-after-start"}, {},
                                          WindowSeconds, EnvironmentWithHome(home));
    qInfo("%lld bytes of settings: %lld ms", qint64(settings.size()), timer.elapsed());
    QCOMPARE(result.code, 0);
    const QByteArray after = ReadAll(SettingsPathIn(home));
    if (settings.size() > limit) {
        QCOMPARE(result.err, QString("Cannot write the settings file \"%1\": it is larger than "
                                     "the limit of 1 MB (1048576 bytes); it was left as it was\n")
                                 .arg(SettingsPathIn(home)));
        QCOMPARE(after, settings);
    } else {
        QCOMPARE(result.err, QString());
        QCOMPARE(after, settings + "\n[RecentFiles]\nFile1=" + path.toUtf8() + "\n");
    }
}

namespace {

// Copies the file into `folder`, named by the platform's bytes as it is.
bool CopyInto(const QString& file, const QByteArray& folder)
{
    const QByteArray content = ReadAll(file);
    const QByteArray target = folder + '/' + QFile::encodeName(QFileInfo(file).fileName());
    const int descriptor = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0755);
    if (descriptor < 0)
        return false;
    const bool written = ::write(descriptor, content.constData(), std::size_t(content.size())) ==
                         ssize_t(content.size());
    return ::close(descriptor) == 0 && written && !content.isEmpty();
}

} // namespace

// A program folder whose name is not UTF-8 (Qt would turn its bytes into
// U+FFFD): the tables, the version and the help page are still found there.
// QProcess cannot start a program by such a name, so a link with a plain
// name starts it; the program finds its own folder through the link.
void ExecutableTest::programFolderNotNamedInUtf8()
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/kelvane-\xff\xfe";
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    QCOMPARE(::mkdir((folder + "/Help").constData(), 0755), 0);
    const QString shipped = QFileInfo(m_program).path();
    for (const char* file : {"kelvane", "fluids.ini", "heatxtype.ini"})
        QVERIFY2(CopyInto(shipped + '/' + file, folder), file);
    QVERIFY(CopyInto(shipped + "/Help/Index.htm", folder + "/Help"));
    // QTemporaryDir cannot remove what it cannot name.
    const auto removeFolder = qScopeGuard([&folder] {
        for (const char* file : {"kelvane", "fluids.ini", "heatxtype.ini", "Help/Index.htm"})
            ::unlink((folder + '/' + file).constData());
        ::rmdir((folder + "/Help").constData());
        ::rmdir(folder.constData());
    });
    const QString link = dir.filePath("kelvane");
    QCOMPARE(::symlink((folder + "/kelvane").constData(), QFile::encodeName(link).constData()), 0);

    const TProgramRun solved = RunProgram(link, InitialCase);
    QCOMPARE(solved.err, QString());
    QCOMPARE(solved.code, 0);
    QVERIFY2(solved.out.contains("Hot fluid: air\n"), qPrintable(solved.out));
    QTemporaryDir home;
    const TProgramRun started =
        RunProgram(link, {"--quit-after-start"}, {}, EnvironmentWithHome(home));
    QCOMPARE(started.err, QString());
    QCOMPARE(started.code, 0);
}

void ExecutableTest::badInput_data()
{
    // The program folder's tables: shipped, or one of them missing or empty.
    QTest::addColumn<QString>("tables");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("output"); // a line of standard output, or of errors for code 2
    const QString thiNotANumber = "kelvane: --solve: THI (value 2): '%1' is not a valid floating "
                                  "point value";
    const auto number = [&](const char* tag, const QString& text) {
        QTest::newRow(tag) << "shipped" << WithValue(2, text) << QByteArray() << 2
                           << thiNotANumber.arg(text);
    };
    number("a word for a number", "x");
    number("an empty value", "");
    number("a decimal comma", "35,5");
    number("not a number", "nan");
    number("infinity", "inf");
    number("beyond the largest double", "1e999");
    // Beside an inlet difference of 1e308, an approach of 6 °C at the cold end is a pinch.
    QTest::newRow("the largest double solves")
        << "shipped" << WithValue(2, "1e308") << QByteArray() << 3 << "Duty: Hot fluid specified";
    QTest::newRow("fluid index out of the table")
        << "shipped" << WithValue(1, "99") << QByteArray() << 2
        << "kelvane: --solve: HOT (value 1): 99 is not an entry of the fluid table (entries 0 to "
           "18)";
    QTest::newRow("fluid index beyond 32 bits")
        << "shipped" << WithValue(1, "99999999999") << QByteArray() << 2
        << "kelvane: --solve: HOT (value 1): '99999999999' is not a valid integer value";
    QTest::newRow("negative type index")
        << "shipped" << WithValue(9, "-1") << QByteArray() << 2
        << "kelvane: --solve: TYPE (value 9): -1 is not an entry of the exchanger type table "
           "(entries 0 to 10)";
    QTest::newRow("mask as a number with decimals")
        << "shipped" << WithValue(13, "111.5") << QByteArray() << 2
        << "kelvane: --solve: MASK (value 13): '111.5' is not a valid integer value";
    QTest::newRow("12 values") << "shipped" << InitialCase.mid(0, 13) << QByteArray() << 2
                               << "kelvane: --solve: expected 13 or 16 values but found 12";
    QTest::newRow("14 values") << "shipped" << (InitialCase + QStringList{"5"}) << QByteArray() << 2
                               << "kelvane: --solve: expected 13 or 16 values but found 14";
    QTest::newRow("unknown option")
        << "shipped" << QStringList{"--solve", "--frobnicate"} << QByteArray() << 2
        << "kelvane: unknown option '--frobnicate'";
    // An option the program does not know opens no window: it says so and ends.
    QTest::newRow("mistyped option before the case values")
        << "shipped" << (QStringList{"--slove"} + InitialCase.mid(1)) << QByteArray() << 2
        << "kelvane: unknown option '--slove'";
    QTest::newRow("short option that is not one")
        << "shipped" << QStringList{"-x"} << QByteArray() << 2 << "kelvane: unknown option '-x'";
    QTest::newRow("unknown option after Qt's own")
        << "shipped" << QStringList{"-platform", "offscreen", "--slove"} << QByteArray() << 2
        << "kelvane: unknown option '--slove'";
    QTest::newRow("batch file that does not exist")
        << "shipped" << QStringList{"--batch", "/no/such/file"} << QByteArray() << 2
        << "kelvane: cannot open '/no/such/file': No such file or directory";
    QTest::newRow("batch of garbage lines")
        << "shipped" << QStringList{"--batch"}
        << QByteArray("garbage\n\x01\x02\xff\xfe\nKelvane,0,35\n"
                      "Kelvane,0,nan,12,1,1,6,13,0.8,0,37,38,23.529,111\n")
        << 0
        << ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,expected 13 or 16 values after the tag but found 2";
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 131 + 7) % 256);
    QTest::newRow("batch of binary bytes") << "shipped" << QStringList{"--batch"} << binary << 0
                                           << ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\"not a case "
                                              "line: it must start with \"\"Kelvane,\"\"\"";
    const QString emptyFluids =
        "kelvane: --solve: HOT (value 1): 0 is not an entry of the fluid table (it is empty)";
    const QString emptyTypes = "kelvane: --solve: TYPE (value 9): 0 is not an entry of the "
                               "exchanger type table (it is empty)";
    QTest::newRow("no fluids.ini")
        << "no fluids.ini" << InitialCase << QByteArray() << 2 << emptyFluids;
    QTest::newRow("empty fluids.ini")
        << "empty fluids.ini" << InitialCase << QByteArray() << 2 << emptyFluids;
    QTest::newRow("no heatxtype.ini")
        << "no heatxtype.ini" << InitialCase << QByteArray() << 2 << emptyTypes;
    QTest::newRow("empty heatxtype.ini")
        << "empty heatxtype.ini" << InitialCase << QByteArray() << 2 << emptyTypes;
}

void ExecutableTest::badInput()
{
    QFETCH(QString, tables);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, output);
    ++m_inputsTried;
    // A program folder of its own, holding a case file and settings to keep.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString shipped = QFileInfo(m_program).path();
    const QString program = dir.filePath("kelvane");
    QVERIFY(QFile::copy(m_program, program));
    for (const QString table : {"fluids.ini", "heatxtype.ini"}) {
        if (tables == "no " + table)
            continue;
        const bool copied = tables == "empty " + table
                                ? WriteAll(dir.filePath(table), {})
                                : QFile::copy(shipped + "/" + table, dir.filePath(table));
        QVERIFY(copied);
    }
    const QByteArray caseFile = "<datafile><duty><Q>10.000</Q></duty></datafile>";
    const QByteArray settings = "[HotFluid]\nindex=2\n";
    QVERIFY(WriteAll(dir.filePath("sample.xml"), caseFile));
    QVERIFY(QDir().mkpath(dir.filePath("config/Marbleworth")));
    QVERIFY(WriteAll(dir.filePath("config/Marbleworth/kelvane.conf"), settings));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));

    const TProgramRun result = RunProgram(program, arguments, input, environment);
    m_crashes += result.code < 0;
    const bool kept = ReadAll(dir.filePath("sample.xml")) == caseFile &&
                      ReadAll(dir.filePath("config/Marbleworth/kelvane.conf")) == settings;
    m_dataLost += !kept;
    QVERIFY2(result.code >= 0, "the program crashed");
    QVERIFY2(kept, "the case file or the settings changed");
    QCOMPARE(result.code, code);
    const QString text = code == 2 ? result.err : result.out;
    QVERIFY2(text.split(u'\n').contains(output), qPrintable(text.left(600)));
}

void ExecutableTest::cleanupTestCase()
{
    qInfo("Bad inputs against the executable: %d tried, %d crashes, %d data lost", m_inputsTried,
          m_crashes, m_dataLost);
}
