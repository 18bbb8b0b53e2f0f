#include "PrintStatusForm.h"

#include "Format.h"
#include "HTMLView.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// How long a page event waits for a newly shown window to reach the screen.
constexpr int OnScreenWaitMs = 1000;

// Installs a page event on the viewer for one job and removes it again, also
// when the job throws.
class TPageEventScope
{
public:
    TPageEventScope(THTMLView& viewer, THTMLView::TPageEvent event) : m_viewer(viewer)
    {
        m_viewer.SetPageEvent(std::move(event));
    }
    ~TPageEventScope() { m_viewer.SetPageEvent({}); }
    TPageEventScope(const TPageEventScope&) = delete;
    TPageEventScope& operator=(const TPageEventScope&) = delete;

private:
    THTMLView& m_viewer;
};

} // namespace

TPrnStatusForm::TPrnStatusForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("PrnStatusForm");
    setWindowTitle("PrnStatusForm");
    setFixedSize(247, 96);
    StatusLabel = new QLabel("Status", this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setAlignment(Qt::AlignCenter);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, [this] { m_cancelled = true; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatusLabel);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
}

void TPrnStatusForm::reject()
{
    m_cancelled = true;
}

void TPrnStatusForm::PageEvent(int page, bool& stop)
{
    if (m_cancelled) {
        stop = true;
        return;
    }
    if (page > 0)
        ++m_pagesLetThrough;
    StatusLabel->setText(page == 0 ? QStringLiteral("Formating")
                                   : Format("Page Number %d", {std::int64_t{page}}));
    WaitUntilOnScreen();
    repaint();
}

void TPrnStatusForm::WaitUntilOnScreen()
{
    // The desktop puts a newly shown window on the screen a little later; a
    // repaint before that is lost, and the job's next step may be long.
    QWindow* window = windowHandle();
    if (m_waitedForScreen || !window || !isVisible())
        return;
    m_waitedForScreen = true;
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(OnScreenWaitMs);
    while (!window->isExposed() && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

template <typename Job> void TPrnStatusForm::RunJob(THTMLView& viewer, bool& cancelled, Job job)
{
    const TPageEventScope scope(viewer, [this](int page, bool& stop) { PageEvent(page, stop); });
    show();
    job();
    hide();
    cancelled = m_cancelled;
}

void TPrnStatusForm::DoPreview(THTMLView& viewer, TPageStore& store, bool& cancelled)
{
    RunJob(viewer, cancelled, [&] { viewer.LayoutPages(store); });
}

void TPrnStatusForm::DoPrint(THTMLView& viewer, QPrinter& printer, int firstPage, int lastPage,
                             bool& cancelled)
{
    bool finished = false;
    RunJob(viewer, cancelled, [&] { finished = viewer.PrintPages(printer, firstPage, lastPage); });
    // Each page let through was printed before the job stopped: a print to a
    // file that was cancelled takes the pages it wrote away again.
    const QString file = printer.outputFileName();
    if (!finished && m_pagesLetThrough > 0 && !file.isEmpty())
        QFile::remove(file);
}
