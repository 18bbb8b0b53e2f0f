#pragma once

#include <QApplication>

// The application object, in the application's style. Its event dispatch is
// the last net for errors: an exception thrown by an event handler is shown by
// the application error handler instead of unwinding through Qt's event loop.
class TKelvaneApplication : public QApplication
{
    Q_OBJECT
public:
    TKelvaneApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
