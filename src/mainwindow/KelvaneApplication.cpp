#include "KelvaneApplication.h"

#include "ApplicationErrors.h"
#include "KelvaneStyle.h"

TKelvaneApplication::TKelvaneApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setStyle(new TKelvaneStyle(style()->name())); // the application owns it
}

bool TKelvaneApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}
