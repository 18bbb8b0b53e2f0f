#pragma once

#include <utility>

// The one application error handler: an error that the code does not catch
// where it has something better to do ends here and is shown as a plain
// message box with its text; the program goes on.

// Shows the exception being handled. Call only inside a catch block.
void ShowCurrentException();

// Runs an action slot, handing any exception to the application error
// handler, so that no exception unwinds through Qt's own code.
template <typename Action> void RunGuarded(Action&& action)
{
    try {
        std::forward<Action>(action)();
    } catch (...) {
        ShowCurrentException();
    }
}
