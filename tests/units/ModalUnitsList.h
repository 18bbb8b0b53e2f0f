#pragma once

#include "QvUnitsForm.h"

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs `answer` on the units list once it runs modally, then makes sure the
// list has closed so that a failing test never hangs in its event loop.
inline void WhenUnitsListShown(std::function<void(TUnitsForm*)> answer, int attempts = 200)
{
    QTimer::singleShot(attempts == 200 ? 0 : 10, [answer, attempts] {
        auto* form = qobject_cast<TUnitsForm*>(QApplication::activeModalWidget());
        if (!form) {
            if (attempts > 0)
                WhenUnitsListShown(answer, attempts - 1);
            return;
        }
        answer(form);
        if (form->isVisible())
            form->reject();
    });
}
