#pragma once

#include <QStringList>

// The window's own option: start, show the case solved and end.
QString QuitAfterStartOption();
// Whether `argument` is an option ("-x", "--solve") other than the window's
// own: the command line's solver answers it.
bool IsSolverOption(const QString& argument);

// Runs a command-line command (the arguments without the program path);
// returns the process exit code.
using TCommandRunner = int (*)(const QStringList& arguments);

// The interactive program: module start-up, the application object with its
// message boxes titled "Kelvane", the main window (with the command line's 13
// case values, or the case file it names, if given), the message loop, and
// shutdown in the reverse order. Returns the process exit code. An error
// during start-up is shown as a message box and ends the program with exit
// code 1. When the first argument left after Qt's own options is another
// option than "--quit-after-start", `runCommand` gets the arguments instead
// and no window opens.
int RunMainWindow(int argc, char** argv, TCommandRunner runCommand);

// Everything after the application object and the platform services: module
// start-up, the window and its message loop until it closes, shutdown.
// `arguments`: the program path followed by its arguments. With
// "--quit-after-start" among them the program ends as soon as the window has
// been shown and solved, leaving the remembered case and placement untouched.
int RunProgram(const QStringList& arguments);
