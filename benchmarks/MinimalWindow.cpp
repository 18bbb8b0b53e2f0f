// The start-up baseline: a Qt Widgets program that shows one empty window of
// the main window's size and ends as soon as that window is active, the moment
// "kelvane --quit-after-start" ends at once its first Calc has run.
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class TEmptyWindow : public QWidget
{
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        return QWidget::event(event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TEmptyWindow window;
    window.setFixedSize(756, 500);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
