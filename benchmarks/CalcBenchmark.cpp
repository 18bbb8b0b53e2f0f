// One press of F9 on the initial case in the main window: read the fields,
// solve, write the results page into the view, the diagnostics into the memo,
// redraw the chart and set the status line. The window is shown (offscreen
// platform) and starts from an empty settings store, as on a first start.
// BM_CalcAndPaint also paints what Calc changed, as the event loop does next.
#include "AppFolders.h"
#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

// The folders of the benchmark: the build's program folder (tables) and
// empty data and documents folders, so no user file is read or written.
class TBenchFolders
{
public:
    TBenchFolders()
    {
        if (!m_home.isValid())
            throw std::runtime_error("no temporary folder");
        const QString home = m_home.path();
        QDir(home).mkpath(QStringLiteral("data"));
        QDir(home).mkpath(QStringLiteral("docs"));
        InitAppFolders(TFolderSources{QStringLiteral(KELVANE_PROGRAM_DIR "/kelvane"),
                                      home + QStringLiteral("/data"),
                                      home + QStringLiteral("/docs")});
    }

private:
    QTemporaryDir m_home;
};

// A shown main window, its first Calc done, and the shared case it solves.
class TShownForm
{
public:
    TShownForm() : m_form(QStringList{ExeFolder + QStringLiteral("kelvane")})
    {
        m_form.show();
        m_form.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_form) ||
            !m_form.Label13->text().startsWith(QStringLiteral("Solved")))
            throw std::runtime_error("the main window did not open solved");
    }

    void PressF9() { m_form.ActionCalc->trigger(); }
    QString Status() const { return m_form.Label13->text(); }

private:
    TMainForm m_form;
};

void BM_Calc(benchmark::State& state)
{
    TShownForm form;
    for (auto _ : state)
        form.PressF9();
    state.SetLabel(form.Status().toStdString());
}

void BM_CalcAndPaint(benchmark::State& state)
{
    TShownForm form;
    for (auto _ : state) {
        form.PressF9();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    state.SetLabel(form.Status().toStdString());
}

} // namespace

BENCHMARK(BM_Calc)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_CalcAndPaint)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

int main(int argc, char** argv)
{
    // The user's settings stay out of it: a temporary home for everything Qt
    // looks up there, and no display needed.
    QTemporaryDir home;
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TBenchFolders folders;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
