// The window program started as kelvane starts it (RunMainWindow), with a user
// at the keyboard: once the window shows its solved case the user does what
// the first argument names and the driver prints what was seen, one line each.
// Every message box is answered with OK after its text (and, on an X display,
// the title the desktop holds for it) is printed.
//
//   titles          the desktop titles (_NET_WM_NAME, read with xprop) of the
//                   main window, of a message box (a bad case line pasted) and
//                   of the print preview; then the window is closed
//   save-and-close  Save, then the window is closed
//   open-and-close  Open… of the file $KELVANE_DRIVER_FILE names (the file
//                   dialog answers with it), then the window is closed
//
// The arguments after the first go to the program.

#include "FileDialog.h"
#include "Main.h"
#include "ProgramStartup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString g_scenario;

void Print(const QString& what, const QString& seen)
{
    std::fputs((what + QStringLiteral(": ") + seen + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// The window's title as the desktop holds it, in xprop's words.
QString DesktopTitle(const QWidget* window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()),
                                          QStringLiteral("_NET_WM_NAME")});
    xprop.waitForFinished();
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

bool OnXDisplay()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

TMainForm* SolvedMainForm()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<TMainForm*>(widget);
        if (form && form->isVisible() && form->Label13->text().startsWith(QLatin1String("Solved")))
            return form;
    }
    return nullptr;
}

// One thing the user does; true once done, and the next one follows.
using TStep = std::function<bool()>;

class TUser final : public QObject
{
public:
    explicit TUser(std::vector<TStep> steps) : QObject(qApp), m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &TUser::Act);
        m_timer.start(20);
    }

    // Runs `action` from the event loop, so a modal window it opens leaves
    // the user free to act; `done` is set once it returns.
    static TStep Start(std::function<void()> action, bool& done)
    {
        return [action = std::move(action), &done] {
            QTimer::singleShot(0, qApp, [action, &done] {
                action();
                done = true;
            });
            return true;
        };
    }

private:
    void Act()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Print(QStringLiteral("message box"), box->text());
            if (OnXDisplay())
                Print(QStringLiteral("message box title"), DesktopTitle(box));
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (m_next < m_steps.size() && m_steps[m_next]())
            ++m_next;
    }

    std::vector<TStep> m_steps;
    std::size_t m_next = 0;
    QTimer m_timer;
};

bool g_pasted = false;
bool g_reported = false;
bool g_saved = false;
bool g_opened = false;
bool g_closed = false;

TStep CloseWindow()
{
    return TUser::Start([] { SolvedMainForm()->close(); }, g_closed);
}

std::vector<TStep> TitleSteps()
{
    return {[] {
                TMainForm* form = SolvedMainForm();
                if (form)
                    Print(QStringLiteral("main window"), DesktopTitle(form));
                return form != nullptr;
            },
            TUser::Start(
                [] {
                    QGuiApplication::clipboard()->setText(
                        QStringLiteral("Kelvane,0,x,1,1,1,1,1,1,1,1,1,1,1"));
                    SolvedMainForm()->Pastefromclipboard1->trigger();
                },
                g_pasted),
            [] { return g_pasted; },
            TUser::Start([] { SolvedMainForm()->ActionReport->trigger(); }, g_reported),
            [] {
                auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!preview || preview->objectName() != QLatin1String("HTMLPreviewForm"))
                    return false;
                Print(QStringLiteral("preview"), DesktopTitle(preview));
                preview->reject();
                return true;
            },
            [] { return g_reported; },
            CloseWindow()};
}

std::vector<TStep> SaveAndCloseSteps()
{
    return {[] { return SolvedMainForm() != nullptr; },
            TUser::Start([] { SolvedMainForm()->ActionSave->trigger(); }, g_saved),
            [] { return g_saved; }, CloseWindow()};
}

std::vector<TStep> OpenAndCloseSteps()
{
    return {[] { return SolvedMainForm() != nullptr; },
            TUser::Start(
                [] {
                    TFileDialog::SetNextFileName(qEnvironmentVariable("KELVANE_DRIVER_FILE"));
                    SolvedMainForm()->ActionOpen->trigger();
                },
                g_opened),
            [] { return g_opened; }, CloseWindow()};
}

// Starts the user as soon as the program has its application object.
void StartUser()
{
    if (g_scenario == QLatin1String("titles"))
        new TUser(TitleSteps());
    else if (g_scenario == QLatin1String("open-and-close"))
        new TUser(OpenAndCloseSteps());
    else
        new TUser(SaveAndCloseSteps());
}

Q_COREAPP_STARTUP_FUNCTION(StartUser)

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(
            "usage: kelvane_driver titles|save-and-close|open-and-close [PROGRAM ARGUMENTS]\n",
            stderr);
        return 2;
    }
    g_scenario = QString::fromLocal8Bit(argv[1]);
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    arguments.push_back(nullptr);
    int count = argc - 1;
    return RunMainWindow(count, arguments.data(), [](const QStringList&) { return 2; });
}
