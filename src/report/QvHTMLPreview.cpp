#include "QvHTMLPreview.h"

#include "AppFolders.h"
#include "CurrentPrinter.h"
#include "EmailForm.h"
#include "Format.h"
#include "Gopage.h"
#include "GridLines.h"
#include "HTMLView.h"
#include "MakerRecord.h"
#include "NumberText.h"
#include "PageNumEdit.h"
#include "PageStore.h"
#include "PaintBox.h"
#include "Platform.h"
#include "PreviewImages.h"
#include "PreviewLayout.h"
#include "PrintStatusForm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

constexpr int LastPageOfAll = 9999;

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

QToolButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetHint(button, hint);
    return button;
}

QToolButton* ImageButton(QWidget* parent, const char* name, const QString& image,
                         const QString& hint, bool checkable)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(PreviewImage(image));
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    SetHint(button, hint);
    return button;
}

QLabel* StatusLabel(QWidget* parent, const char* name, const QString& hint)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    SetHint(label, hint);
    return label;
}

void Fill(QWidget* widget, QPalette::ColorRole role)
{
    widget->setBackgroundRole(role);
    widget->setAutoFillBackground(true);
}

QString ReportBody(const QString& documentFile)
{
    return QStringLiteral("Please find selection attached...\r\n\r\n"
                          "To view, copy all of the attached files to a temp folder and open ") +
           QFileInfo(documentFile).fileName() + QStringLiteral(" with your standard web browser");
}

} // namespace

std::unique_ptr<THTMLPreviewForm> THTMLPreviewForm::Create(QWidget* owner, THTMLView& viewer,
                                                           const QString& extraAttachments)
{
    auto pages = std::make_unique<TPageStore>(CurrentPrinter());
    bool cancelled = false;
    {
        TPrnStatusForm status(owner);
        status.DoPreview(viewer, *pages, cancelled);
    }
    if (cancelled)
        return nullptr;
    return std::make_unique<THTMLPreviewForm>(owner, viewer, extraAttachments, std::move(pages));
}

THTMLPreviewForm::THTMLPreviewForm(QWidget* owner, THTMLView& viewer,
                                   const QString& extraAttachments,
                                   std::unique_ptr<TPageStore> pages)
    : QDialog(owner), m_viewer(viewer), m_extraAttachments(extraAttachments),
      m_pageStore(std::move(pages)), m_zoomCursor(PreviewCursor("ZOOM_CURSOR")),
      m_handCursor(PreviewCursor("HAND_CURSOR")), m_printDialog(RunPrintDialog)
{
    setObjectName("HTMLPreviewForm");
    setWindowTitle("Preview Form");
    setFont(QFont("Tahoma", 8));
    resize(838, 528);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar());
    layout->addWidget(MakePageArea(), 1);
    layout->addWidget(MakeStatusBar());

    ZoomBox->setCurrentIndex(TPreviewLayout::FitToPageIndex);
    UnitsBox->setCurrentIndex(0);
    ZoomCursorBut->setChecked(true);
    SetPageCursor(crZoomCursor);
}

THTMLPreviewForm::~THTMLPreviewForm() = default;

QWidget* THTMLPreviewForm::MakeToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    bar->setFixedHeight(35);
    bar->setIconSize(QSize(16, 16));

    PrevPageBut = Button(bar, "PrevPageBut", "Pre&v", "Move to Previous Page in Document");
    NextPageBut = Button(bar, "NextPageBut", "&Next", "Advance to Next Page in Document");
    ZoomBox = new QComboBox(bar);
    ZoomBox->setObjectName("ZoomBox");
    ZoomBox->addItems(TPreviewLayout::ZoomItems());
    FitPageBut = ImageButton(bar, "FitPageBut", "fitpage", "Fit to Page", true);
    FitWidthBut = ImageButton(bar, "FitWidthBut", "fitwidth", "Fit to Width", true);
    GridBut = ImageButton(bar, "GridBut", "grid", "Show/Hide Grid", true);
    UnitsBox = new QComboBox(bar);
    UnitsBox->setObjectName("UnitsBox");
    UnitsBox->addItems({"Inches", "Centimeters"});
    ZoomCursorBut = ImageButton(bar, "ZoomCursorBut", "zoomtool",
                                "Selects the Zoom Tool to zoom in or out", true);
    HandCursorBut = ImageButton(bar, "HandCursorBut", "handtool",
                                "Selects the Hand Tool to pan across the Page", true);
    OnePageBut = Button(bar, "OnePageBut", "&1", "Display One page at a time");
    TwoPageBut = Button(bar, "TwoPageBut", "&2", "Display Two pages side by side");
    OnePageBut->setCheckable(true);
    TwoPageBut->setCheckable(true);
    OnePageBut->setChecked(true);
    PrintBut = Button(bar, "PrintBut", "&Print...", "Print the Current Document");
    EmailBut = Button(bar, "EmailBut", "&Email...", "Email the Current Document");
    CloseBut = Button(bar, "CloseBut", "&Close", "Close the Print Preview window");

    auto* tools = new QButtonGroup(this);
    tools->addButton(ZoomCursorBut);
    tools->addButton(HandCursorBut);
    auto* pageMode = new QButtonGroup(this);
    pageMode->addButton(OnePageBut);
    pageMode->addButton(TwoPageBut);

    for (QWidget* control : std::initializer_list<QWidget*>{
             PrevPageBut, NextPageBut, ZoomBox, FitPageBut, FitWidthBut, GridBut, UnitsBox,
             ZoomCursorBut, HandCursorBut, OnePageBut, TwoPageBut, PrintBut, EmailBut, CloseBut})
        bar->addWidget(control);

    connect(PrevPageBut, &QToolButton::clicked, this, [this] {
        GoToPage(m_currentPage - 1);
        UpdateButtons();
    });
    connect(NextPageBut, &QToolButton::clicked, this, [this] {
        GoToPage(m_currentPage + 1);
        UpdateButtons();
    });
    connect(ZoomBox, &QComboBox::activated, this, &THTMLPreviewForm::ZoomBoxChange);
    connect(FitPageBut, &QToolButton::clicked, this,
            [this] { SelectZoom(TPreviewLayout::FitToPageIndex); });
    connect(FitWidthBut, &QToolButton::clicked, this,
            [this] { SelectZoom(TPreviewLayout::FitToWidthIndex); });
    connect(GridBut, &QToolButton::toggled, this, &THTMLPreviewForm::RepaintPages);
    connect(UnitsBox, &QComboBox::activated, this, [this] {
        if (GridBut->isChecked())
            RepaintPages();
    });
    connect(ZoomCursorBut, &QToolButton::clicked, this, [this] { SetPageCursor(crZoomCursor); });
    connect(HandCursorBut, &QToolButton::clicked, this, [this] { SetPageCursor(crHandCursor); });
    connect(OnePageBut, &QToolButton::clicked, this, &THTMLPreviewForm::ScrollBox1Resize);
    OnePageBut->installEventFilter(this);
    connect(TwoPageBut, &QToolButton::clicked, this, [this] {
        ZoomBox->setCurrentIndex(TPreviewLayout::FitToPageIndex);
        ScrollBox1Resize();
    });
    connect(PrintBut, &QToolButton::clicked, this, &THTMLPreviewForm::PrintButClick);
    connect(EmailBut, &QToolButton::clicked, this, &THTMLPreviewForm::EmailButClick);
    connect(CloseBut, &QToolButton::clicked, this, &QDialog::reject);
    return bar;
}

QWidget* THTMLPreviewForm::MakeStatusBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName("StatusBar1");
    bar->setFixedHeight(27);
    bar->setFont(QFont("Arial", 8));
    FirstPageSpeed =
        ImageButton(bar, "FirstPageSpeed", "first", "Go to First Page in Document", false);
    PrevPageSpeed =
        ImageButton(bar, "PrevPageSpeed", "prev", "Move to Previous Page in Document", false);
    NextPageSpeed =
        ImageButton(bar, "NextPageSpeed", "next", "Advance to Next Page in Document", false);
    LastPageSpeed = ImageButton(bar, "LastPageSpeed", "last", "Go to Last Page in Document", false);
    PageNumSpeed = ImageButton(bar, "PageNumSpeed", "pagenum", "Go to Page by Page Number", false);
    CurPageLabel = StatusLabel(bar, "CurPageLabel", "Displays the Current Page of the Document");
    ZoomLabel = StatusLabel(bar, "ZoomLabel", "Displays the Current Zoom Level (100% = normal)");
    HintLabel = StatusLabel(bar, "HintLabel", "Displays Help for the object beneath the mouse");
    CurPageLabel->setMinimumWidth(110);
    ZoomLabel->setMinimumWidth(60);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    for (QWidget* control :
         std::initializer_list<QWidget*>{FirstPageSpeed, PrevPageSpeed, NextPageSpeed,
                                         LastPageSpeed, PageNumSpeed, CurPageLabel, ZoomLabel})
        layout->addWidget(control);
    layout->addWidget(HintLabel, 1);

    connect(FirstPageSpeed, &QToolButton::clicked, this, [this] {
        GoToPage(0);
        UpdateButtons();
    });
    connect(PrevPageSpeed, &QToolButton::clicked, PrevPageBut, &QToolButton::click);
    connect(NextPageSpeed, &QToolButton::clicked, NextPageBut, &QToolButton::click);
    connect(LastPageSpeed, &QToolButton::clicked, this, [this] {
        GoToPage(PageCount() - 1);
        UpdateButtons();
    });
    connect(PageNumSpeed, &QToolButton::clicked, this, &THTMLPreviewForm::PageNumSpeedClick);
    return bar;
}

QWidget* THTMLPreviewForm::MakePageArea()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    Fill(ScrollBox1->viewport(), QPalette::Button);
    ScrollBox1->viewport()->installEventFilter(this);

    ContainPanel = new QWidget;
    ContainPanel->setObjectName("ContainPanel");
    Fill(ContainPanel, QPalette::Dark);

    const QString hint = QStringLiteral("Page View.  With Zoom Tool, left or right click to "
                                        "zoom in/out.  Click & drag with Hand Tool to pan.");
    auto makePage = [&](const char* panelName, const char* boxName, TPaintBox*& box) {
        auto* panel = new QFrame(ContainPanel);
        panel->setObjectName(panelName);
        Fill(panel, QPalette::Base);
        box = new TPaintBox(panel);
        box->setObjectName(boxName);
        SetHint(box, hint);
        auto* fill = new QVBoxLayout(panel);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(box);
        return panel;
    };
    PagePanel = makePage("PagePanel", "PB1", PB1);
    PagePanel2 = makePage("PagePanel2", "PB2", PB2);
    PagePanel2->hide();

    PB1->OnPaint = [this](QPainter& painter) { PBPaint(painter, *PB1, m_currentPage); };
    PB2->OnPaint = [this](QPainter& painter) {
        if (TwoPageBut->isChecked())
            PBPaint(painter, *PB2, m_currentPage + 1);
    };
    PB1->OnMouseDown = [this](QMouseEvent& event) { PB1MouseDown(event); };
    PB1->OnMouseMove = [this](QMouseEvent& event) { PB1MouseMove(event); };
    PB1->OnMouseUp = [this](QMouseEvent&) { m_dragging = false; };
    // PB2 has no mouse handlers: clicks on it do nothing, yet the mouse over
    // it shows its hint and the tool's cursor.

    ScrollBox1->setWidget(ContainPanel);
    return ScrollBox1;
}

int THTMLPreviewForm::PageCount() const
{
    return m_pageStore ? m_pageStore->PageCount() : 0;
}

double THTMLPreviewForm::ScreenResolution() const
{
    return logicalDpiY();
}

void THTMLPreviewForm::SetPageCursor(int number)
{
    const QCursor& cursor = number == crHandCursor ? m_handCursor : m_zoomCursor;
    PB1->setCursor(cursor);
    PB2->setCursor(cursor);
}

TMailMessage THTMLPreviewForm::ReportMessage() const
{
    const QString documentFile = m_viewer.CurrentFile();
    QString attachments = documentFile;
    if (!m_extraAttachments.isEmpty())
        attachments = attachments.isEmpty() ? m_extraAttachments
                                            : attachments + QLatin1Char(',') + m_extraAttachments;
    TMailMessage message;
    message.Subject = QStringLiteral("Report");
    SplitText(attachments, QLatin1Char(','), message.Attachments);
    message.Body = ReportBody(documentFile);
    message.FromName = OwnerName;
    message.FromCompany = OwnerOrganization;
    message.FromAddress = MakerEmail;
    return message;
}

void THTMLPreviewForm::done(int result)
{
    m_pageStore.reset();
    QDialog::done(result);
}

void THTMLPreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool THTMLPreviewForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        HintLabel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool THTMLPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize)
        ScrollBox1Resize();
    else if (watched == OnePageBut && event->type() == QEvent::MouseButtonRelease &&
             OnePageBut->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        ZoomBox->setCurrentIndex(TPreviewLayout::FitToPageIndex);
        ScrollBox1Resize();
    }
    return QDialog::eventFilter(watched, event);
}

void THTMLPreviewForm::FormShow()
{
    GoToPage(0);
    UpdateButtons();
    ScrollBox1Resize();
}

void THTMLPreviewForm::GoToPage(int page)
{
    m_currentPage = page;
    CurPageLabel->setText(
        Format("Page %d of %d", {std::int64_t{page + 1}, std::int64_t{PageCount()}}));
    RepaintPages();
}

void THTMLPreviewForm::UpdateButtons()
{
    const int count = PageCount();
    NextPageBut->setEnabled(m_currentPage + 1 < count);
    PrevPageBut->setEnabled(m_currentPage > 0);
    NextPageSpeed->setEnabled(NextPageBut->isEnabled());
    LastPageSpeed->setEnabled(NextPageBut->isEnabled());
    PrevPageSpeed->setEnabled(PrevPageBut->isEnabled());
    FirstPageSpeed->setEnabled(PrevPageBut->isEnabled());
    PageNumSpeed->setEnabled(count > 1);
}

void THTMLPreviewForm::RepaintPages()
{
    PB1->update();
    PB2->update();
}

void THTMLPreviewForm::ScrollBox1Resize()
{
    // Showing or hiding the scroll bars resizes the page area from inside this
    // layout; that resize is laid out again once this pass is done.
    if (m_layingOut) {
        m_layoutAgain = true;
        return;
    }
    const QScopedValueRollback guard(m_layingOut, true);
    for (int pass = 0; pass < 3; ++pass) {
        m_layoutAgain = false;
        LayOutPageArea();
        if (!m_layoutAgain)
            break;
    }
}

void THTMLPreviewForm::LayOutPageArea()
{
    if (ZoomBox->currentIndex() < 0) {
        const QSignalBlocker blocker(ZoomBox);
        ZoomBox->setCurrentIndex(TPreviewLayout::FitToPageIndex);
    }
    const int index = ZoomBox->currentIndex();
    FitPageBut->setChecked(index == TPreviewLayout::FitToPageIndex);
    FitWidthBut->setChecked(index == TPreviewLayout::FitToWidthIndex);
    if (!m_pageStore)
        return;

    const TPreviewLayout layout(m_pageStore->Geometry(), ScreenResolution());
    const QSize client = ScrollBox1->viewport()->size();
    const double z = layout.ZoomFor(index, m_zoom, client);
    if (index != TPreviewLayout::FitToPageIndex)
        OnePageBut->setChecked(true);

    const bool twoPages = TwoPageBut->isChecked();
    const TPreviewLayout::TPlacement place = layout.Place(z, twoPages, client, ScrollBox1->size());
    PagePanel->resize(place.Page);
    PagePanel2->setVisible(twoPages);
    if (twoPages)
        PagePanel2->resize(place.Page);
    ContainPanel->resize(place.Content);
    PagePanel->move(place.FirstPage);
    PagePanel2->move(place.SecondPage);
    const Qt::ScrollBarPolicy policy =
        place.ScrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    ScrollBox1->setHorizontalScrollBarPolicy(policy);
    ScrollBox1->setVerticalScrollBarPolicy(policy);

    m_zoom = z;
    ZoomLabel->setText(TPreviewLayout::ZoomText(z));
}

void THTMLPreviewForm::PBPaint(QPainter& painter, const TPaintBox& box, int page) const
{
    if (!m_pageStore || page < 0 || page >= m_pageStore->PageCount())
        return;
    const TPageGeometry& paper = m_pageStore->Geometry();
    painter.scale(double(box.width()) / paper.PaperWidth, double(box.height()) / paper.PaperHeight);
    painter.save();
    painter.translate(paper.OffsetX, paper.OffsetY);
    m_pageStore->DrawPage(painter, page);
    painter.restore();
    if (!GridBut->isChecked())
        return;
    const double unitsPerInch = UnitsBox->currentIndex() == 1 ? 2.54 : 1.0;
    const TGridLines grid = TGridLines::For(paper, unitsPerInch);
    painter.setPen(QPen(QColor(192, 192, 192), 0));
    for (int x : grid.X)
        painter.drawLine(x, 0, x, paper.PaperHeight);
    for (int y : grid.Y)
        painter.drawLine(0, y, paper.PaperWidth, y);
}

void THTMLPreviewForm::ZoomBoxChange()
{
    ScrollBox1Resize();
    ScrollBox1Resize();
}

void THTMLPreviewForm::SelectZoom(int index)
{
    ZoomBox->setCurrentIndex(index);
    ZoomBoxChange();
}

void THTMLPreviewForm::PB1MouseDown(QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    if (HandCursorBut->isChecked()) {
        m_dragStartX = at.x();
        m_dragStartY = at.y();
        m_dragging = true;
        return;
    }
    const float rx = float(at.x()) / float(PagePanel->width());
    const float ry = float(at.y()) / float(PagePanel->height());
    m_zoom = TPreviewLayout::ClickZoom(m_zoom, event.buttons() & Qt::LeftButton,
                                       event.buttons() & Qt::RightButton);
    {
        const QSignalBlocker blocker(ZoomBox);
        ZoomBox->setCurrentIndex(TPreviewLayout::CustomIndex);
    }
    ScrollBox1Resize();
    const QPoint middle = TPreviewLayout::CentreOn(PagePanel->size(), rx, ry, ScrollBox1->size());
    ScrollBox1->horizontalScrollBar()->setValue(middle.x());
    ScrollBox1->verticalScrollBar()->setValue(middle.y());
}

void THTMLPreviewForm::PB1MouseMove(QMouseEvent& event)
{
    if (!m_dragging)
        return;
    const QPoint at = event.position().toPoint();
    QScrollBar* horizontal = ScrollBox1->horizontalScrollBar();
    QScrollBar* vertical = ScrollBox1->verticalScrollBar();
    horizontal->setValue(horizontal->value() + m_dragStartX - at.x());
    vertical->setValue(vertical->value() + m_dragStartY - at.y());
}

void THTMLPreviewForm::PageNumSpeedClick()
{
    TGoPageForm dialog(this);
    dialog.PageNum->setMaximum(PageCount());
    dialog.PageNum->setValue(m_currentPage + 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    GoToPage(dialog.EnteredPage() - 1);
    UpdateButtons();
}

void THTMLPreviewForm::PrintButClick()
{
    QPrinter& printer = CurrentPrinter();
    const std::optional<TPrintRequest> request = m_printDialog(printer, m_printFromPage, this);
    if (!request)
        return;
    m_printFromPage = request->FromPage;
    UseWholePrintableArea(printer);
    TPrnStatusForm status(this);
    bool cancelled = false;
    try {
        status.DoPrint(m_viewer, printer, request->FromPage,
                       request->AllPages ? LastPageOfAll : request->ToPage, cancelled);
    } catch (const std::exception& error) {
        TPlatform::Current().ShowMessage(QString::fromStdString(error.what()));
    }
}

void THTMLPreviewForm::EmailButClick()
{
    TEmailForm composer(ReportMessage(), this);
    composer.exec();
}

bool ShowReportPreview(QWidget* owner, THTMLView& viewer, const QString& extraAttachments)
{
    // The layout lets input through, Report included: one report at a time.
    static bool reportRunning = false;
    if (reportRunning)
        return false;
    const QScopedValueRollback running(reportRunning, true);
    const std::unique_ptr<THTMLPreviewForm> preview =
        THTMLPreviewForm::Create(owner, viewer, extraAttachments);
    if (!preview)
        return false;
    preview->exec();
    return true;
}
