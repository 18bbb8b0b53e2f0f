#pragma once

#include "MailMessage.h"
#include "PrintDialog.h"

#include <QCursor>
#include <QDialog>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QMouseEvent;
class QPainter;
class QScrollArea;
class QToolButton;
class THTMLView;
class TPageStore;
class TPaintBox;

// The print preview of an HTML document view: the document laid out on the
// current printer's pages, one page or two side by side, at a chosen zoom,
// with an optional ruler grid; from it the user pages through the document,
// prints a page range or hands the document to the e-mail composer.
//
// The pages are laid out once, before the window is made:
//
//   if (const auto preview = THTMLPreviewForm::Create(owner, view))
//       preview->exec();
//
// ShowReportPreview does exactly that.
class THTMLPreviewForm : public QDialog
{
    Q_OBJECT
public:
    // Cursor numbers of the zoom glass and the hand.
    static constexpr int crZoomCursor = 40;
    static constexpr int crHandCursor = 41;

    // Lays `viewer`'s document out on the current printer's pages with a
    // progress window and makes the preview of them; nothing when the user
    // cancelled the layout. `extraAttachments` are comma-separated files the
    // e-mail carries besides the document's own file. `viewer` must outlive
    // the window.
    static std::unique_ptr<THTMLPreviewForm> Create(QWidget* owner, THTMLView& viewer,
                                                    const QString& extraAttachments = QString());

    // The preview of `pages`, laid out already from `viewer`'s document.
    THTMLPreviewForm(QWidget* owner, THTMLView& viewer, const QString& extraAttachments,
                     std::unique_ptr<TPageStore> pages);
    ~THTMLPreviewForm() override;

    // The laid-out pages; null once the window has closed.
    const TPageStore* PageStore() const { return m_pageStore.get(); }
    int CurrentPage() const { return m_currentPage; }
    // The zoom now shown; also the one "Custom" selects.
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom) { m_zoom = zoom; }
    bool Dragging() const { return m_dragging; }
    // The "From" page the print dialog starts with; the user's last entry.
    int PrintFromPage() const { return m_printFromPage; }
    // Replaces the platform's print dialog.
    void SetPrintDialog(TPrintDialogRunner runner) { m_printDialog = std::move(runner); }
    // The message the e-mail button gives the composer.
    TMailMessage ReportMessage() const;

    QToolButton* PrevPageBut = nullptr;
    QToolButton* NextPageBut = nullptr;
    QComboBox* ZoomBox = nullptr;
    QToolButton* FitPageBut = nullptr;
    QToolButton* FitWidthBut = nullptr;
    QToolButton* GridBut = nullptr;
    QComboBox* UnitsBox = nullptr;
    QToolButton* ZoomCursorBut = nullptr;
    QToolButton* HandCursorBut = nullptr;
    QToolButton* OnePageBut = nullptr;
    QToolButton* TwoPageBut = nullptr;
    QToolButton* PrintBut = nullptr;
    QToolButton* EmailBut = nullptr;
    QToolButton* CloseBut = nullptr;
    QToolButton* FirstPageSpeed = nullptr;
    QToolButton* PrevPageSpeed = nullptr;
    QToolButton* NextPageSpeed = nullptr;
    QToolButton* LastPageSpeed = nullptr;
    QToolButton* PageNumSpeed = nullptr;
    QLabel* CurPageLabel = nullptr;
    QLabel* ZoomLabel = nullptr;
    QLabel* HintLabel = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* ContainPanel = nullptr;
    QFrame* PagePanel = nullptr;
    QFrame* PagePanel2 = nullptr;
    TPaintBox* PB1 = nullptr;
    TPaintBox* PB2 = nullptr;

public slots:
    // Closing releases the page store.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    // The hint of whatever is under the mouse goes to HintLabel.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeToolBar();
    QWidget* MakeStatusBar();
    QWidget* MakePageArea();

    int PageCount() const;
    double ScreenResolution() const;
    void SetPageCursor(int number);

    void FormShow();
    void GoToPage(int page);
    void UpdateButtons();
    void ScrollBox1Resize();
    void LayOutPageArea();
    void PBPaint(QPainter& painter, const TPaintBox& box, int page) const;
    void RepaintPages();
    void ZoomBoxChange();
    void SelectZoom(int index);
    void PB1MouseDown(QMouseEvent& event);
    void PB1MouseMove(QMouseEvent& event);
    void PageNumSpeedClick();
    void PrintButClick();
    void EmailButClick();

    THTMLView& m_viewer;
    QString m_extraAttachments;
    std::unique_ptr<TPageStore> m_pageStore;
    QCursor m_zoomCursor;
    QCursor m_handCursor;
    TPrintDialogRunner m_printDialog;
    int m_currentPage = 0;
    double m_zoom = 1.0;
    int m_dragStartX = 0;
    int m_dragStartY = 0;
    bool m_dragging = false;
    int m_printFromPage = 1;
    bool m_layingOut = false;
    bool m_layoutAgain = false;
};

// The report action: previews `viewer` modally unless the user cancelled the
// page layout, then destroys the preview. True when the preview was shown.
// While one report is laid out or shown, another does nothing.
bool ShowReportPreview(QWidget* owner, THTMLView& viewer,
                       const QString& extraAttachments = QString());
