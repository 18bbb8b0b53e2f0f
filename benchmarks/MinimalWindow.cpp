// The start-up baseline: a Qt Widgets program that shows one empty window of
// the main window's size and ends as "kelvane --quit-after-start" ends.
#include "EndingWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TEndingWindow window;
    window.setFixedSize(756, 500);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
