#include "KelvaneApplication.h"

#include "ApplicationErrors.h"

TKelvaneApplication::TKelvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TKelvaneApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}
