#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

// Runs `answer` on the modal window of type Window that the next action opens,
// as soon as it is up, then closes it should the answer leave it open, so that a
// failing check never leaves the test waiting in the window's event loop. Gives
// up after some seconds, rejecting whatever dialog is modal then.
template <typename Window>
void WhenModal(std::function<void(Window*)> answer, int tries = 500, int delay = 0)
{
    QTimer::singleShot(delay, [answer, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<Window*>(modal)) {
            const QPointer<QWidget> guard(window);
            answer(window);
            if (guard && QApplication::activeModalWidget() == guard)
                guard->close();
        } else if (tries > 0)
            WhenModal<Window>(answer, tries - 1, 10);
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}
