#include "AppFolders.h"
#include "CurrentMailHandOver.h"
#include "CurrentPrinter.h"
#include "EmailForm.h"
#include "Gopage.h"
#include "GridLines.h"
#include "HTMLView.h"
#include "MailHandOver.h"
#include "MakerRecord.h"
#include "PageNumEdit.h"
#include "PageStore.h"
#include "PaintBox.h"
#include "PdfText.h"
#include "PreviewImages.h"
#include "PrintStatusForm.h"
#include "QvHTMLPreview.h"
#include "RecordingPlatform.h"
#include "ResultsPageFixture.h"
#include "TestMain.h"
#include "WhenModal.h"
#include "XdgEmailHandOver.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <functional>

namespace {

// The current printer as every preview test sees it: Letter paper, 8.5 x 11
// in, at 300 dpi, printing to a PDF file.
void UseLetterPdfPrinter(const QString& outputFile = QString())
{
    QPrinter& printer = CurrentPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputFile);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setResolution(300);
    UseWholePrintableArea(printer);
}

// Clicks Cancel on the progress window as soon as a job lets input through.
void CancelNextJob()
{
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* status = qobject_cast<TPrnStatusForm*>(window); status && status->isVisible())
                QTest::mouseClick(status->CancelButton, Qt::LeftButton);
    });
}

// Runs `action` once on the progress window as soon as its label reads
// `status`, while the job runs.
class TOnStatus : public QObject
{
public:
    TOnStatus(const QString& status, std::function<void(TPrnStatusForm*)> action)
        : m_status(status), m_action(std::move(action))
    {
        connect(&m_watch, &QTimer::timeout, this, [this] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<TPrnStatusForm*>(window);
                    form && form->isVisible() && form->StatusLabel->text() == m_status) {
                    m_watch.stop();
                    m_action(form);
                    return;
                }
        });
        m_watch.start(0);
    }

private:
    QString m_status;
    std::function<void(TPrnStatusForm*)> m_action;
    QTimer m_watch;
};

void ClickCancel(TPrnStatusForm* status)
{
    QTest::mouseClick(status->CancelButton, Qt::LeftButton);
}

void Choose(QComboBox* box, const QString& item)
{
    const int index = box->findText(item);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// A document view with a preview made for it, shown at the window's design size.
struct TPreviewFixture
{
    THTMLView view;
    std::unique_ptr<THTMLPreviewForm> form;

    explicit TPreviewFixture(const QStringList& page)
    {
        view.LoadFromStrings(page);
        form = THTMLPreviewForm::Create(nullptr, view);
        form->show();
    }
    template <typename T> T* Find(const char* name) const
    {
        return form->findChild<T*>(QLatin1String(name));
    }
};

QString Label(const TPreviewFixture& f, const char* name)
{
    return f.Find<QLabel>(name)->text();
}

} // namespace

// The progress window of a page job.
class PrnStatusFormTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseLetterPdfPrinter(); }

    void pageEventShowsWhatIsBeingDone()
    {
        TPrnStatusForm status;
        QCOMPARE(status.windowTitle(), QString("PrnStatusForm"));
        QCOMPARE(status.StatusLabel->text(), QString("Status"));
        bool stop = false;
        status.PageEvent(0, stop);
        QCOMPARE(status.StatusLabel->text(), QString("Formating"));
        status.PageEvent(12, stop);
        QCOMPARE(status.StatusLabel->text(), QString("Page Number 12"));
        QVERIFY(!stop);
    }

    void cancelStopsAtTheNextPageEvent_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape key") << true;
    }

    void cancelStopsAtTheNextPageEvent()
    {
        QFETCH(bool, byEscape);
        TPrnStatusForm status;
        status.show();
        if (byEscape)
            QTest::keyClick(&status, Qt::Key_Escape);
        else
            QTest::mouseClick(status.CancelButton, Qt::LeftButton);
        QVERIFY(status.Cancelled());
        QVERIFY(status.isVisible());
        bool stop = false;
        status.PageEvent(3, stop);
        QVERIFY(stop);
    }

    // Shown just before its job starts, the window may not be on the screen
    // yet when "Formating" comes, and the job's first step lets no input
    // through: the page event must put it there, painted.
    void pageEventShowsTheWindowPaintedOnScreen()
    {
        TPrnStatusForm status;
        status.show();
        bool stop = false;
        status.PageEvent(0, stop);
        QVERIFY(status.windowHandle()->isExposed());
        const QImage drawn = status.grab().toImage();
        const QImage onScreen = status.screen()->grabWindow(status.winId()).toImage();
        QCOMPARE(onScreen.convertToFormat(drawn.format()), drawn);
    }

    void previewJobLaysOutAllPagesAndRemovesItsEvent()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        TPageStore store(CurrentPrinter());
        TPrnStatusForm status;
        bool cancelled = true;
        status.DoPreview(view, store, cancelled);
        QVERIFY(!cancelled);
        QVERIFY(store.PageCount() >= 3);
        QCOMPARE(status.StatusLabel->text(), QString("Page Number %1").arg(store.PageCount()));
        QVERIFY(!status.isVisible());
        QVERIFY(!view.PageEvent());
    }

    void cancelDuringLayoutIsReported()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        TPageStore store(CurrentPrinter());
        TPrnStatusForm status;
        bool cancelled = false;
        CancelNextJob();
        status.DoPreview(view, store, cancelled);
        QVERIFY(cancelled);
        QCOMPARE(store.PageCount(), 0);
        QVERIFY(!view.PageEvent());
    }

    void failingJobStillRemovesItsEvent()
    {
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        view.SetPrintSetup({15.0, 15.0, 2.0, 2.0, 1.0});
        TPageStore store(CurrentPrinter());
        TPrnStatusForm status;
        bool cancelled = false;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, status.DoPreview(view, store, cancelled));
        QVERIFY(!view.PageEvent());
    }
};

// Zoom, page mode, tools and hints of the preview window.
class PreviewViewTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        UseLetterPdfPrinter();
        TPreviewFixture probe(ResultsPageLines());
        if (probe.form->logicalDpiY() != 96)
            QSKIP("the zoom examples assume a screen of 96 pixels per inch");
    }

    void startsAtFitToPageWithOnePageAndTheZoomTool()
    {
        TPreviewFixture f(ResultsPageLines());
        QCOMPARE(f.form->windowTitle(), QString("Preview Form"));
        QCOMPARE(f.form->ZoomBox->currentText(), QString("Fit To Page"));
        QCOMPARE(f.form->UnitsBox->currentText(), QString("Inches"));
        QVERIFY(f.form->FitPageBut->isChecked());
        QVERIFY(!f.form->FitWidthBut->isChecked());
        QVERIFY(f.form->OnePageBut->isChecked());
        QVERIFY(f.form->ZoomCursorBut->isChecked());
        QVERIFY(!f.form->GridBut->isChecked());
        QVERIFY(!f.form->PagePanel2->isVisible());
        QStringList items;
        for (int i = 0; i < f.form->ZoomBox->count(); ++i)
            items << f.form->ZoomBox->itemText(i);
        QCOMPARE(items, QStringList({"Fit To Page", "Fit To Width", "Custom", "25%", "50%", "75%",
                                     "100%", "125%", "150%", "200%", "300%", "400%"}));
    }

    void fixedZoomSizesThePage_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("label");
        QTest::newRow("50% of 8.5 x 11 in at 96 ppi") << "50%" << 528 << 408 << "50%";
        QTest::newRow("100%") << "100%" << 1056 << 816 << "100%";
        QTest::newRow("25%") << "25%" << 264 << 204 << "25%";
    }

    void fixedZoomSizesThePage()
    {
        QFETCH(QString, item);
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(QString, label);
        TPreviewFixture f(ResultsPageLines());
        Choose(f.form->ZoomBox, item);
        QCOMPARE(f.form->PagePanel->height(), height);
        QCOMPARE(f.form->PagePanel->width(), width);
        QCOMPARE(Label(f, "ZoomLabel"), label);
        QVERIFY(!f.form->FitPageBut->isChecked());
        QVERIFY(!f.form->FitWidthBut->isChecked());
    }

    void fitToPageFollowsThePageAreaHeight()
    {
        TPreviewFixture f(ResultsPageLines());
        f.form->resize(838, f.form->height() + 600 - f.form->ScrollBox1->viewport()->height());
        QTRY_COMPARE(f.form->ScrollBox1->viewport()->height(), 600);
        QCOMPARE(f.form->Zoom(), (580.0 / 96) / 11);
        QCOMPARE(Label(f, "ZoomLabel"), QString("55%"));
        QCOMPARE(f.form->PagePanel->height(), 580);
        // Centred: the page area is wider than the page.
        QCOMPARE(f.form->PagePanel->y(), 10);
        const int centre = f.form->PagePanel->geometry().center().x();
        QVERIFY2(qAbs(centre - f.form->ScrollBox1->viewport()->width() / 2) <= 3,
                 qPrintable(
                     QString("%1 of %2").arg(centre).arg(f.form->ScrollBox1->viewport()->width())));
        QCOMPARE(f.form->ScrollBox1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void fitToWidthButtonFitsTheWidth()
    {
        TPreviewFixture f(ResultsPageLines());
        QTest::mouseClick(f.form->FitWidthBut, Qt::LeftButton);
        QCOMPARE(f.form->ZoomBox->currentText(), QString("Fit To Width"));
        QVERIFY(f.form->FitWidthBut->isChecked());
        QVERIFY(!f.form->FitPageBut->isChecked());
        // The page is taller than the area, so the scroll bars show and the width is fitted to what
        // is left.
        QCOMPARE(f.form->ScrollBox1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(f.form->PagePanel->width(), int(96 * f.form->Zoom() * 8.5));
        QCOMPARE(f.form->PagePanel->width(), f.form->ScrollBox1->viewport()->width() - 20);
        QTest::mouseClick(f.form->FitPageBut, Qt::LeftButton);
        QCOMPARE(f.form->ZoomBox->currentText(), QString("Fit To Page"));
        QVERIFY(f.form->FitPageBut->isChecked());
    }

    void twoPagesSitSideBySideOnlyAtFitToPage()
    {
        TPreviewFixture f(NumberedParagraphs(150));
        QTest::mouseClick(f.form->TwoPageBut, Qt::LeftButton);
        QVERIFY(f.form->PagePanel2->isVisible());
        QCOMPARE(f.form->PagePanel2->size(), f.form->PagePanel->size());
        QCOMPARE(f.form->PagePanel2->x(), f.form->PagePanel->x() + f.form->PagePanel->width() + 20);
        Choose(f.form->ZoomBox, "200%");
        QVERIFY(f.form->OnePageBut->isChecked());
        QVERIFY(!f.form->PagePanel2->isVisible());
        QTest::mouseClick(f.form->TwoPageBut, Qt::LeftButton);
        QCOMPARE(f.form->ZoomBox->currentText(), QString("Fit To Page"));
        QVERIFY(f.form->PagePanel2->isVisible());
        QTest::mouseClick(f.form->OnePageBut, Qt::LeftButton);
        QVERIFY(!f.form->PagePanel2->isVisible());
    }

    void zoomToolClicksStopAtTheLimits_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("button");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::newRow("left click at 19") << 19.0 << int(Qt::LeftButton) << 28.5 << 28.5;
        QTest::newRow("right click at 0.12") << 0.12 << int(Qt::RightButton) << 0.08 << 0.08;
        QTest::newRow("left click at 1") << 1.0 << int(Qt::LeftButton) << 1.5 << 2.25;
    }

    void zoomToolClicksStopAtTheLimits()
    {
        QFETCH(double, start);
        QFETCH(int, button);
        QFETCH(double, first);
        QFETCH(double, second);
        TPreviewFixture f(ResultsPageLines());
        f.form->SetZoom(start);
        Choose(f.form->ZoomBox, "Custom");
        QCOMPARE(f.form->Zoom(), start);
        const auto mouse = Qt::MouseButton(button);
        QTest::mouseClick(f.form->PB1, mouse, {}, QPoint(5, 5));
        QVERIFY(qFuzzyCompare(f.form->Zoom(), first));
        QCOMPARE(f.form->ZoomBox->currentText(), QString("Custom"));
        QTest::mouseClick(f.form->PB1, mouse, {}, QPoint(5, 5));
        QVERIFY(qFuzzyCompare(f.form->Zoom(), second));
    }

    void zoomClickBringsTheClickedPointToTheMiddle()
    {
        TPreviewFixture f(ResultsPageLines());
        Choose(f.form->ZoomBox, "100%");
        QWidget* page = f.form->PB1;
        QTest::mouseClick(page, Qt::LeftButton, {}, page->rect().center());
        QCOMPARE(f.form->Zoom(), 1.5);
        QCOMPARE(f.form->ZoomLabel->text(), QString("150%"));
        QWidget* area = f.form->ScrollBox1->viewport();
        const QPoint centre = page->mapTo(area, page->rect().center());
        // The page lies 10 pixels into the scrolled area and the scroll bars take some room.
        QVERIFY2(qAbs(centre.x() - area->width() / 2) <= 20,
                 qPrintable(QString::number(centre.x())));
        QVERIFY2(qAbs(centre.y() - area->height() / 2) <= 20,
                 qPrintable(QString::number(centre.y())));
    }

    void handToolDragsThePage()
    {
        TPreviewFixture f(ResultsPageLines());
        Choose(f.form->ZoomBox, "200%");
        QTest::mouseClick(f.form->HandCursorBut, Qt::LeftButton);
        QScrollBar* h = f.form->ScrollBox1->horizontalScrollBar();
        QScrollBar* v = f.form->ScrollBox1->verticalScrollBar();
        h->setValue(300);
        v->setValue(300);
        QTest::mousePress(f.form->PB1, Qt::LeftButton, {}, QPoint(400, 400));
        QVERIFY(f.form->Dragging());
        QTest::mouseMove(f.form->PB1, QPoint(360, 370));
        QCOMPARE(h->value(), 340);
        QCOMPARE(v->value(), 330);
        QTest::mouseRelease(f.form->PB1, Qt::LeftButton, {}, QPoint(360, 370));
        QVERIFY(!f.form->Dragging());
        QCOMPARE(f.form->Zoom(), 2.0);
    }

    void toolsSetTheirCursors()
    {
        TPreviewFixture f(ResultsPageLines());
        const QImage glass = PreviewCursor("ZOOM_CURSOR").pixmap().toImage();
        const QImage hand = PreviewCursor("HAND_CURSOR").pixmap().toImage();
        QVERIFY(!glass.isNull() && !hand.isNull() && glass != hand);
        QCOMPARE(f.form->PB1->cursor().pixmap().toImage(), glass);
        QCOMPARE(f.form->PB2->cursor().pixmap().toImage(), glass);
        QTest::mouseClick(f.form->HandCursorBut, Qt::LeftButton);
        QCOMPARE(f.form->PB1->cursor().pixmap().toImage(), hand);
        QCOMPARE(f.form->PB2->cursor().pixmap().toImage(), hand);
        QTest::mouseClick(f.form->ZoomCursorBut, Qt::LeftButton);
        QCOMPARE(f.form->PB1->cursor().pixmap().toImage(), glass);
    }

    void hintUnderTheMouseGoesToTheHintPanel()
    {
        TPreviewFixture f(ResultsPageLines());
        QCOMPARE(f.form->PrintBut->toolTip(), QString("Print the Current Document"));
        QStatusTipEvent tip(f.form->PrintBut->statusTip());
        QApplication::sendEvent(f.form->PrintBut, &tip);
        QCOMPARE(Label(f, "HintLabel"), QString("Print the Current Document"));
        QStatusTipEvent pageTip(f.form->PB1->statusTip());
        QApplication::sendEvent(f.form->PB1, &pageTip);
        QVERIFY(Label(f, "HintLabel").startsWith("Page View.  With Zoom Tool"));
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(f.form->PB1, &leave);
        QVERIFY(Label(f, "HintLabel").isEmpty());
    }

    void pageBoxesShowTheHintAndTheToolCursor_data()
    {
        QTest::addColumn<int>("box");
        QTest::newRow("first page") << 1;
        QTest::newRow("second page of two") << 2;
    }

    // As the user sees it: the mouse moved over a page box gives the hint in
    // the hint panel, the box's tooltip and the tool's cursor.
    void pageBoxesShowTheHintAndTheToolCursor()
    {
        QFETCH(int, box);
        TPreviewFixture f(NumberedParagraphs(150));
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QTest::mouseClick(f.form->TwoPageBut, Qt::LeftButton);
        TPaintBox* page = box == 1 ? f.form->PB1 : f.form->PB2;
        QVERIFY(page->isVisible());
        const QString hint("Page View.  With Zoom Tool, left or right click to zoom in/out.  "
                           "Click & drag with Hand Tool to pan.");
        auto cursorShown = [&] { return f.form->windowHandle()->cursor().pixmap().toImage(); };
        QTest::mouseMove(f.form->CloseBut);
        QTest::mouseMove(page, page->rect().center());
        QCOMPARE(QApplication::widgetAt(page->mapToGlobal(page->rect().center())), page);
        QCOMPARE(page->toolTip(), hint);
        // The desktop may deliver the mouse's moves later.
        QTRY_COMPARE(Label(f, "HintLabel"), hint);
        QTRY_COMPARE(cursorShown(), PreviewCursor("ZOOM_CURSOR").pixmap().toImage());
        QTest::mouseClick(f.form->HandCursorBut, Qt::LeftButton);
        QTest::mouseMove(page, page->rect().center() + QPoint(5, 5));
        QTRY_COMPARE(cursorShown(), PreviewCursor("HAND_CURSOR").pixmap().toImage());
    }

    void escapeClosesTheWindowAndReleasesThePages()
    {
        TPreviewFixture f(ResultsPageLines());
        QVERIFY(f.form->PageStore());
        QTest::keyClick(f.form.get(), Qt::Key_Escape);
        QVERIFY(!f.form->isVisible());
        QVERIFY(!f.form->PageStore());
    }
};

// Paging, the go-to-page dialog and the ruler grid.
class PreviewPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseLetterPdfPrinter(); }

    void onePageDocumentDisablesPaging()
    {
        TPreviewFixture f(ResultsPageLines());
        QCOMPARE(Label(f, "CurPageLabel"), QString("Page 1 of 1"));
        for (QToolButton* button :
             {f.form->NextPageBut, f.form->PrevPageBut, f.form->FirstPageSpeed,
              f.form->PrevPageSpeed, f.form->NextPageSpeed, f.form->LastPageSpeed,
              f.form->PageNumSpeed})
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    }

    void pagingButtonsMoveAndFollowThePage()
    {
        TPreviewFixture f(NumberedParagraphs(150));
        const int count = f.form->PageStore()->PageCount();
        QVERIFY(count >= 3);
        QVERIFY(f.form->NextPageBut->isEnabled());
        QVERIFY(!f.form->PrevPageBut->isEnabled());
        QVERIFY(f.form->PageNumSpeed->isEnabled());
        QTest::mouseClick(f.form->NextPageBut, Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), 1);
        QCOMPARE(Label(f, "CurPageLabel"), QString("Page 2 of %1").arg(count));
        QVERIFY(f.form->PrevPageBut->isEnabled());
        QVERIFY(f.form->FirstPageSpeed->isEnabled());
        QTest::mouseClick(f.form->LastPageSpeed, Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), count - 1);
        QVERIFY(!f.form->NextPageBut->isEnabled());
        QVERIFY(!f.form->NextPageSpeed->isEnabled());
        QVERIFY(!f.form->LastPageSpeed->isEnabled());
        QTest::mouseClick(f.form->PrevPageSpeed, Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), count - 2);
        QTest::mouseClick(f.form->FirstPageSpeed, Qt::LeftButton);
        QCOMPARE(f.form->CurrentPage(), 0);
        QVERIFY(!f.form->PrevPageBut->isEnabled());
    }

    void documentWithoutPagesShowsNone()
    {
        UseLetterPdfPrinter();
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        auto pages = std::make_unique<TPageStore>(CurrentPrinter());
        bool cancelled = false;
        CancelNextJob();
        TPrnStatusForm status;
        status.DoPreview(view, *pages, cancelled);
        QVERIFY(cancelled);
        THTMLPreviewForm form(nullptr, view, QString(), std::move(pages));
        form.show();
        QCOMPARE(form.CurPageLabel->text(), QString("Page 1 of 0"));
        for (QToolButton* button :
             {form.NextPageBut, form.PrevPageBut, form.FirstPageSpeed, form.PrevPageSpeed,
              form.NextPageSpeed, form.LastPageSpeed, form.PageNumSpeed})
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        // Nothing to draw: the page box stays white.
        const QImage page = form.PagePanel->grab().toImage();
        QCOMPARE(page.pixelColor(page.width() / 2, page.height() / 2), QColor(Qt::white));
    }

    void goToPageHoldsTheNumberToThePages_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("shown");
        QTest::newRow("a page in range") << "4" << true << 4;
        QTest::newRow("50 shows the last page") << "50" << true << 0;
        QTest::newRow("0 shows the first page") << "0" << true << 1;
        QTest::newRow("no number shows the first page") << "" << true << 1;
        QTest::newRow("cancel keeps the page") << "7" << false << 2;
    }

    void goToPageHoldsTheNumberToThePages()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(int, shown);
        TPreviewFixture f(NumberedParagraphs(300));
        const int count = f.form->PageStore()->PageCount();
        QVERIFY2(count >= 8 && count < 50, qPrintable(QString::number(count)));
        if (shown == 0)
            shown = count;
        QTest::mouseClick(f.form->NextPageBut, Qt::LeftButton);
        bool checked = false;
        WhenModal<TGoPageForm>([&](TGoPageForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Go to Page Number"));
            QCOMPARE(dialog->PageNum->value(), 2);
            QCOMPARE(dialog->PageNum->maximum(), count);
            QLineEdit* text = dialog->PageNum->findChild<QLineEdit*>();
            text->selectAll();
            QTest::keyClick(text, Qt::Key_Delete);
            QTest::keyClicks(text, typed);
            QCOMPARE(text->text(), typed);
            checked = true;
            if (ok)
                QTest::keyClick(text, Qt::Key_Return);
            else
                QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);
        });
        QTest::mouseClick(f.form->PageNumSpeed, Qt::LeftButton);
        QVERIFY(checked);
        QCOMPARE(f.form->CurrentPage(), shown - 1);
        QCOMPARE(Label(f, "CurPageLabel"), QString("Page %1 of %2").arg(shown).arg(count));
        QCOMPARE(f.form->NextPageBut->isEnabled(), shown < count);
    }

    void gridLines_data()
    {
        QTest::addColumn<double>("unitsPerInch");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("firstX");
        QTest::addColumn<int>("lastX");
        // 8.5 in rounds to 8 inch lines (half to even); 21.59 cm to 22 centimetre lines.
        QTest::newRow("inches") << 1.0 << 8 << 11 << 300 << 2400;
        QTest::newRow("centimetres") << 2.54 << 22 << 28 << 118 << 2598;
    }

    void gridLines()
    {
        QFETCH(double, unitsPerInch);
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QFETCH(int, firstX);
        QFETCH(int, lastX);
        const TGridLines grid = TGridLines::For({300, 300, 2550, 3300, 0, 0}, unitsPerInch);
        QCOMPARE(grid.X.size(), vertical);
        QCOMPARE(grid.Y.size(), horizontal);
        QCOMPARE(grid.X.first(), firstX);
        QCOMPARE(grid.X.last(), lastX);
        QCOMPARE(grid.Y.first(), firstX);
    }

    void gridLinesLieBeyondThePaperOnlyAtTheEnd()
    {
        const TGridLines grid = TGridLines::For({300, 300, 2550, 3300, 0, 0}, 2.54);
        QVERIFY(grid.X.last() > 2550);
        QVERIFY(grid.X[grid.X.size() - 2] < 2550);
        QCOMPARE(grid.X[1] - grid.X[0], 118);
    }

    void gridIsDrawnInSilverOnThePage()
    {
        TPreviewFixture f(ResultsPageLines());
        Choose(f.form->ZoomBox, "100%");
        const QColor silver(192, 192, 192);
        // Silver pixels in the lower half of column x or the one beside it.
        auto column = [&](const QImage& image, int x) {
            int count = 0;
            for (int y = image.height() / 2; y < image.height(); ++y)
                count += image.pixelColor(x, y) == silver || image.pixelColor(x + 1, y) == silver;
            return count;
        };
        const QImage plain = f.form->PB1->grab().toImage();
        QTest::mouseClick(f.form->GridBut, Qt::LeftButton);
        const QImage inches = f.form->PB1->grab().toImage();
        // One inch at 100% is 96 pixels from the paper's edge.
        QCOMPARE(column(plain, 95), 0);
        QVERIFY(column(inches, 95) > inches.height() / 3);
        QVERIFY(column(inches, 191) > inches.height() / 3);
        Choose(f.form->UnitsBox, "Centimeters");
        const QImage centimetres = f.form->PB1->grab().toImage();
        const int oneCm = int(96 / 2.54);
        QVERIFY(column(centimetres, oneCm) > centimetres.height() / 3);
        // Only the horizontal lines cross the column of an inch that is no whole centimetre.
        QVERIFY(column(centimetres, 191) < centimetres.height() / 10);
    }
};

// Printing from the preview.
class PreviewPrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void reportPrintsToPdfWithTheResults()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        UseLetterPdfPrinter();
        TPreviewFixture f(ResultsPageLines());
        f.form->SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
            printer.setOutputFileName(pdf);
            return std::optional<TPrintRequest>(TPrintRequest{1, 1, true});
        });
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains("Q = 23.529 kW"));
        QVERIFY(pages[0].contains("Hot fluid: air"));
        QVERIFY(f.form->isVisible());
    }

    void pageRangeChoices_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("firstPrinted");
        QTest::addColumn<int>("lastPrinted"); // 0: the last page
        QTest::newRow("a range") << 2 << 3 << false << 2 << 3;
        QTest::newRow("all pages from the From page") << 2 << 1 << true << 2 << 0;
        QTest::newRow("all pages") << 1 << 1 << true << 1 << 0;
    }

    void pageRangeChoices()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, all);
        QFETCH(int, firstPrinted);
        QFETCH(int, lastPrinted);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("range.pdf");
        UseLetterPdfPrinter();
        TPreviewFixture f(NumberedParagraphs(150));
        const int count = f.form->PageStore()->PageCount();
        if (lastPrinted == 0)
            lastPrinted = count;
        f.form->SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
            printer.setOutputFileName(pdf);
            return std::optional<TPrintRequest>(TPrintRequest{from, to, all});
        });
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), lastPrinted - firstPrinted + 1);
        // Page n of the preview begins with the paragraph that the printed page begins with.
        auto firstParagraph = [](const QString& text) {
            return text.trimmed().section(QChar('\n'), 0, 0).trimmed();
        };
        QTemporaryDir previewDir;
        QPrinter replay(QPrinter::HighResolution);
        replay.setOutputFormat(QPrinter::PdfFormat);
        replay.setOutputFileName(previewDir.filePath("page.pdf"));
        replay.setPageSize(QPageSize(QPageSize::Letter));
        replay.setResolution(300);
        UseWholePrintableArea(replay);
        {
            QPainter painter(&replay);
            f.form->PageStore()->DrawPage(painter, firstPrinted - 1);
        }
        QCOMPARE(firstParagraph(pages[0]),
                 firstParagraph(PdfPages(previewDir.filePath("page.pdf"))[0]));
    }

    void fromPageIsKeptWhileTheWindowLives()
    {
        UseLetterPdfPrinter();
        TPreviewFixture f(NumberedParagraphs(150));
        QList<int> offered;
        QTemporaryDir dir;
        f.form->SetPrintDialog([&](QPrinter& printer, int fromPage, QWidget*) {
            offered << fromPage;
            printer.setOutputFileName(dir.filePath("kept.pdf"));
            return std::optional<TPrintRequest>(TPrintRequest{3, 3, false});
        });
        QCOMPARE(f.form->PrintFromPage(), 1);
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QCOMPARE(offered, QList<int>({1, 3}));
        TPreviewFixture fresh(ResultsPageLines());
        QCOMPARE(fresh.form->PrintFromPage(), 1);
    }

    // "All" prints from the kept "From" page, which an earlier range may have
    // moved past the end.
    void pageRangePastTheEndIsReported()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("past.pdf");
        UseLetterPdfPrinter();
        TPreviewFixture f(ResultsPageLines());
        TRecordingPlatform platform;
        QList<int> offered;
        f.form->SetPrintDialog([&](QPrinter& printer, int fromPage, QWidget*) {
            offered << fromPage;
            printer.setOutputFileName(pdf);
            return std::optional<TPrintRequest>(offered.size() == 1
                                                    ? TPrintRequest{3, 5, false}
                                                    : TPrintRequest{fromPage, fromPage, true});
        });
        const QString nothing =
            "Nothing was printed: printing starts at page 3, and the document ends at page 1.";
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QCOMPARE(platform.messages, QStringList({nothing}));
        QVERIFY(!QFile::exists(pdf));
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QCOMPARE(offered, QList<int>({1, 3}));
        QCOMPARE(platform.messages, QStringList({nothing, nothing}));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.form->isVisible());
    }

    void cancelledDialogPrintsNothing()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("none.pdf");
        UseLetterPdfPrinter(pdf);
        TPreviewFixture f(ResultsPageLines());
        f.form->SetPrintDialog(
            [](QPrinter&, int, QWidget*) { return std::optional<TPrintRequest>(); });
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
    }

    void cancelDuringPrintingKeepsTheWindowOpen()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("cancelled.pdf");
        UseLetterPdfPrinter();
        TPreviewFixture f(NumberedParagraphs(150));
        TRecordingPlatform platform;
        f.form->SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
            printer.setOutputFileName(pdf);
            CancelNextJob();
            return std::optional<TPrintRequest>(TPrintRequest{1, 1, true});
        });
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QVERIFY(PdfPages(pdf).size() < f.form->PageStore()->PageCount());
        QVERIFY(f.form->isVisible());
        QVERIFY(platform.messages.isEmpty());
    }

    void cancelledPrintToFileLeavesNoNewFile_data()
    {
        QTest::addColumn<QString>("cancelAt");
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("cancelled after two pages: no file") << "Page Number 2" << QByteArray();
        QTest::newRow("cancelled before the first page: the earlier file stays")
            << "Formating" << QByteArray("earlier file");
    }

    void cancelledPrintToFileLeavesNoNewFile()
    {
        QFETCH(QString, cancelAt);
        QFETCH(QByteArray, left);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("cancelled.pdf");
        QFile earlier(pdf);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier file");
        earlier.close();
        UseLetterPdfPrinter();
        TPreviewFixture f(NumberedParagraphs(150));
        TRecordingPlatform platform;
        std::unique_ptr<TOnStatus> cancel;
        f.form->SetPrintDialog([&](QPrinter& printer, int, QWidget*) {
            printer.setOutputFileName(pdf);
            cancel = std::make_unique<TOnStatus>(cancelAt, ClickCancel);
            return std::optional<TPrintRequest>(TPrintRequest{1, 1, true});
        });
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QCOMPARE(QFile::exists(pdf), !left.isEmpty());
        if (!left.isEmpty()) {
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), left);
        }
        QVERIFY(platform.messages.isEmpty());
    }

    void printerThatCannotStartIsReported()
    {
        UseLetterPdfPrinter();
        TPreviewFixture f(ResultsPageLines());
        TRecordingPlatform platform;
        f.form->SetPrintDialog([](QPrinter& printer, int, QWidget*) {
            printer.setOutputFileName("/nonexistent/folder/report.pdf");
            return std::optional<TPrintRequest>(TPrintRequest{1, 1, true});
        });
        QTest::mouseClick(f.form->PrintBut, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].contains("could not start"));
    }

    void printDialogOffersThePageRange()
    {
        UseLetterPdfPrinter();
        bool checked = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
            QCOMPARE(dialog->minPage(), 1);
            QCOMPARE(dialog->maxPage(), 9999);
            QCOMPARE(dialog->fromPage(), 4);
            QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
            QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
            QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
            checked = true;
            dialog->reject();
        });
        QVERIFY(!RunPrintDialog(CurrentPrinter(), 4, nullptr));
        QVERIFY(checked);
    }
};

namespace {

// Records what the composer hands over, and fails when told to.
class TRecordingMailHandOver final : public TMailHandOver
{
public:
    TRecordingMailHandOver() : m_previous(InstallMailHandOver(this)) {}
    ~TRecordingMailHandOver() override { InstallMailHandOver(m_previous); }

    bool Send(const TMailMessage& message, QString& error) override
    {
        sent << message;
        error = failure;
        return failure.isEmpty();
    }

    QList<TMailMessage> sent;
    QString failure;

private:
    TMailHandOver* m_previous = nullptr;
};

// An executable "xdg-email" that writes its arguments, one a line, to
// args.txt beside it and ends with `exitCode`.
QString FakeXdgEmail(const QTemporaryDir& dir, int exitCode)
{
    const QString path = dir.filePath("xdg-email");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QString("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\n"
                         "echo 'mail client trouble' >&2\nexit %2\n")
                     .arg(dir.filePath("args.txt"))
                     .arg(exitCode)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

// The e-mail button, the composer and the hand-over to the mail client.
class ReportEmailTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        UseLetterPdfPrinter();
        qputenv("ORGANIZATION", "Heat Test Works");
        InitRegisteredOwner();
        InitMakerRecord();
        QVERIFY(!MakerEmail.isEmpty());
    }

    void documentFromTextAttachesOnlyTheExtras_data()
    {
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QStringList>("attachments");
        QTest::newRow("from the main window") << QString() << QStringList();
        QTest::newRow("with extra files")
            << "/tmp/a.csv, /tmp/b.png" << QStringList({"/tmp/a.csv", "/tmp/b.png"});
    }

    void documentFromTextAttachesOnlyTheExtras()
    {
        QFETCH(QString, extras);
        QFETCH(QStringList, attachments);
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        const auto form = THTMLPreviewForm::Create(nullptr, view, extras);
        QVERIFY(form);
        const TMailMessage message = form->ReportMessage();
        QCOMPARE(message.ToAddress, QString());
        QCOMPARE(message.CcAddress, QString());
        QCOMPARE(message.Subject, QString("Report"));
        QCOMPARE(message.Attachments, attachments);
        QCOMPARE(message.Body,
                 QString("Please find selection attached...\r\n\r\nTo view, copy all of the "
                         "attached files to a temp folder and open  with your standard web "
                         "browser"));
        QCOMPARE(message.FromName, OwnerName);
        QCOMPARE(message.FromCompany, QString("Heat Test Works"));
        QCOMPARE(message.FromAddress, MakerEmail);
    }

    void documentFromFileIsAttachedAndNamed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("results.htm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ResultsPageLines().join('\n').toUtf8());
        file.close();
        THTMLView view;
        view.LoadFromFile(path);
        const auto form = THTMLPreviewForm::Create(nullptr, view, "/tmp/chart.png");
        QVERIFY(form);
        const TMailMessage message = form->ReportMessage();
        QCOMPARE(message.Attachments, QStringList({path, "/tmp/chart.png"}));
        QVERIFY(message.Body.endsWith("open results.htm with your standard web browser"));
    }

    void composerShowsTheMessageAndSendsItOn()
    {
        TRecordingMailHandOver handOver;
        TPreviewFixture f(ResultsPageLines());
        bool checked = false;
        WhenModal<TEmailForm>([&](TEmailForm* composer) {
            QCOMPARE(composer->FromAddr->text(), MakerEmail);
            QCOMPARE(composer->FromName->text(), OwnerName);
            QCOMPARE(composer->Company->text(), QString("Heat Test Works"));
            QCOMPARE(composer->ToAddr->text(), QString());
            QCOMPARE(composer->Subject->text(), QString("Report"));
            QVERIFY(composer->Body->toPlainText().startsWith("Please find selection attached..."));
            QCOMPARE(composer->Attachments->count(), 0);
            QTest::keyClicks(composer->ToAddr, "colleague@example.com");
            checked = true;
            QTest::mouseClick(composer->SendBtn, Qt::LeftButton);
        });
        QTest::mouseClick(f.form->EmailBut, Qt::LeftButton);
        QVERIFY(checked);
        QCOMPARE(handOver.sent.size(), 1);
        QCOMPARE(handOver.sent[0].ToAddress, QString("colleague@example.com"));
        QCOMPARE(handOver.sent[0].Subject, QString("Report"));
        QCOMPARE(handOver.sent[0].FromAddress, MakerEmail);
    }

    void failedHandOverIsShownAndTheComposerStays()
    {
        TRecordingMailHandOver handOver;
        handOver.failure = "No e-mail program is available";
        TRecordingPlatform platform;
        TEmailForm composer(TMailMessage{"a@example.com", {}, "Report", {}, "body", {}, {}, {}});
        composer.show();
        QTest::mouseClick(composer.SendBtn, Qt::LeftButton);
        QCOMPARE(handOver.sent.size(), 1);
        QCOMPARE(platform.messages, QStringList({"No e-mail program is available"}));
        QVERIFY(composer.isVisible());
        QCOMPARE(composer.result(), 0);
    }

    void desktopMailClientUnlessAnotherIsInstalled()
    {
        QVERIFY(dynamic_cast<TXdgEmailHandOver*>(&CurrentMailHandOver()));
        {
            TRecordingMailHandOver handOver;
            QCOMPARE(&CurrentMailHandOver(), &handOver);
        }
        QVERIFY(dynamic_cast<TXdgEmailHandOver*>(&CurrentMailHandOver()));
    }

    void xdgEmailGetsSubjectBodyRecipientsAndAttachments()
    {
        QTemporaryDir dir;
        const QString program = FakeXdgEmail(dir, 0);
        TXdgEmailHandOver handOver(program);
        QString error;
        const TMailMessage message{"a@example.com; b@example.com",
                                   "c@example.com",
                                   "Report",
                                   {"/tmp/results.htm", "/tmp/chart.png"},
                                   "Line one\r\n\r\nLine two",
                                   "Jane",
                                   "Works",
                                   "maker@example.com"};
        QVERIFY2(handOver.Send(message, error), qPrintable(error));
        QFile args(dir.filePath("args.txt"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        const QString recorded = QString::fromUtf8(args.readAll());
        QCOMPARE(recorded, QString("--utf8\n--cc\nc@example.com\n--subject\nReport\n--body\n"
                                   "Line one\n\nLine two\n--attach\n/tmp/results.htm\n--attach\n"
                                   "/tmp/chart.png\na@example.com\nb@example.com\n"));
    }

    void xdgEmailFailureIsAClearError_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("no mail client") << 3 << "No e-mail program is set up";
        QTest::newRow("mail client failed") << 4 << "mail client trouble";
    }

    void xdgEmailFailureIsAClearError()
    {
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir dir;
        TXdgEmailHandOver handOver(FakeXdgEmail(dir, exitCode));
        QString error;
        QVERIFY(!handOver.Send(TMailMessage{}, error));
        QVERIFY2(error.contains(says), qPrintable(error));
    }

    void missingXdgEmailIsAClearError()
    {
        TXdgEmailHandOver handOver("/nonexistent/xdg-email");
        QString error;
        QVERIFY(!handOver.Send(TMailMessage{}, error));
        QVERIFY2(error.contains("No e-mail program is available"), qPrintable(error));
    }
};

// The report action as the main window's Report (F2) runs it.
class ReportActionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseLetterPdfPrinter(); }

    void reportShowsTheResultsPageModally()
    {
        QMainWindow window;
        auto* view = new THTMLView(&window);
        window.setCentralWidget(view);
        view->LoadFromStrings(ResultsPageLines());
        window.show();
        QString pageLabel;
        bool wasModal = false;
        QPointer<THTMLPreviewForm> seen;
        WhenModal<THTMLPreviewForm>([&](THTMLPreviewForm* modal) {
            seen = modal;
            wasModal = seen->isModal();
            pageLabel = seen->CurPageLabel->text();
            QCOMPARE(seen->ZoomBox->currentText(), QString("Fit To Page"));
            SaveScreenshot(seen);
            QTest::mouseClick(seen->CloseBut, Qt::LeftButton);
        });
        QVERIFY(ShowReportPreview(&window, *view));
        QVERIFY(wasModal);
        QCOMPARE(pageLabel, QString("Page 1 of 1"));
        QVERIFY(seen.isNull());
        QVERIFY(!view->PageEvent());
    }

    void cancelledLayoutShowsNoPreview()
    {
        QMainWindow window;
        auto* view = new THTMLView(&window);
        window.setCentralWidget(view);
        view->LoadFromStrings(ResultsPageLines());
        window.show();
        CancelNextJob();
        QVERIFY(!ShowReportPreview(&window, *view));
        QVERIFY(window.findChildren<THTMLPreviewForm*>().isEmpty());
    }

    void createLaysThePagesOutBeforeTheWindowIsShown()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        const auto preview = THTMLPreviewForm::Create(nullptr, view);
        QVERIFY(preview);
        QVERIFY(!preview->isVisible());
        QVERIFY(preview->PageStore()->PageCount() >= 3);
        QVERIFY(!view.PageEvent());
    }

    void createGivesNothingWhenTheLayoutIsCancelled()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        const TOnStatus cancel("Page Number 2", ClickCancel);
        QVERIFY(!THTMLPreviewForm::Create(nullptr, view));
        QVERIFY(!view.PageEvent());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(!qobject_cast<THTMLPreviewForm*>(window));
            QVERIFY(!qobject_cast<TPrnStatusForm*>(window) || !window->isVisible());
        }
    }

    void reportPressedAgainDuringTheLayoutIsIgnored()
    {
        QMainWindow window;
        auto* view = new THTMLView(&window);
        window.setCentralWidget(view);
        view->LoadFromStrings(NumberedParagraphs(150));
        auto* report = new QToolBar(&window);
        window.addToolBar(report);
        QAction* action = report->addAction("Report", [&] { ShowReportPreview(&window, *view); });
        window.show();
        bool pressedAgain = false;
        const TOnStatus again("Page Number 1", [&](TPrnStatusForm*) {
            pressedAgain = true;
            QTest::mouseClick(report->widgetForAction(action), Qt::LeftButton);
        });
        // Every preview that comes up is counted and closed.
        int previews = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* preview = qobject_cast<THTMLPreviewForm*>(QApplication::activeModalWidget());
                preview && preview->isVisible()) {
                ++previews;
                preview->reject();
            }
        });
        closer.start(0);
        QTest::mouseClick(report->widgetForAction(action), Qt::LeftButton);
        QVERIFY(pressedAgain);
        QCOMPARE(previews, 1);
    }

private:
    static void SaveScreenshot(QWidget* preview)
    {
        const QString folder = qEnvironmentVariable("KELVANE_ARTIFACTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        QVERIFY(preview->grab().save(QDir(folder).filePath("preview-fit.png")));
    }
};

KELVANE_TEST_MAIN(QApplication, PrnStatusFormTest, PreviewViewTest, PreviewPagesTest,
                  PreviewPrintingTest, ReportEmailTest, ReportActionTest)

#include "ReportTest.moc"
