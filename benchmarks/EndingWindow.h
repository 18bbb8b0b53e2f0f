#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

// The window of the start-up benchmark's baselines: it ends the program once
// it is active, after the paints then pending, the moment
// "kelvane --quit-after-start" ends once its first Calc has run.
class TEndingWindow : public QWidget
{
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        return QWidget::event(event);
    }
};
