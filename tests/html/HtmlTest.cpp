#include "CurrentPrinter.h"
#include "HTMLView.h"
#include "PageGeometry.h"
#include "PageStore.h"
#include "PdfText.h"
#include "ResultsPageFixture.h"
#include "TestMain.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

namespace {

// Letter paper at 300 dpi with a printable area 0.25 in from the left and top.
TPageGeometry LetterAt300()
{
    return {300, 300, 2550, 3300, 75, 75};
}

QPrinter& PdfPrinter(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    UseWholePrintableArea(printer);
    return printer;
}

// Every page event a job raised, in order.
struct TPageEventLog
{
    QList<int> pages;
    int stopAt = -1;
    THTMLView::TPageEvent Event()
    {
        return [this](int page, bool& stop) {
            pages << page;
            if (page == stopAt)
                stop = true;
        };
    }
};

QList<int> Range(int first, int last)
{
    QList<int> pages;
    for (int i = first; i <= last; ++i)
        pages << i;
    return pages;
}

} // namespace

// The document view as the results view and the preview use it.
class HTMLViewTest : public QObject
{
    Q_OBJECT
private slots:
    void resultsPageFromLinesHasNoFile()
    {
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        QVERIFY(view.CurrentFile().isEmpty());
        QVERIFY(view.toPlainText().contains("Q = 23.529 kW"));
        QVERIFY(view.toPlainText().contains("thi = 35.000 \u00b0C"));
        QVERIFY(view.toPlainText().contains("cph = 1.023 kJ/kg\u00b7K"));
    }

    void pageFromFileKeepsItsPathUntilTextReplacesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.htm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>From a file: 25 &deg;C</p></body></html>");
        file.close();

        THTMLView view;
        view.LoadFromFile(path);
        QCOMPARE(view.CurrentFile(), path);
        QVERIFY(view.toPlainText().contains("From a file: 25 \u00b0C"));
        view.LoadFromStrings({"<p>text</p>"});
        QVERIFY(view.CurrentFile().isEmpty());
        view.LoadFromFile(path);
        view.Clear();
        QVERIFY(view.CurrentFile().isEmpty());
        QVERIFY(view.toPlainText().isEmpty());
    }

    void unreadableFileThrowsAndKeepsThePage()
    {
        THTMLView view;
        view.LoadFromStrings({"<p>kept</p>"});
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, view.LoadFromFile("/nonexistent/page.htm"));
        QCOMPARE(view.toPlainText(), QString("kept"));
    }

    // An image beside the page on disk must not be read, neither for the
    // screen nor for the printed pages.
    void loadsNoImageFromDisk()
    {
        QTemporaryDir dir;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath("logo.png")));
        const QString path = dir.filePath("page.htm");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString("<html><body><img src=\"logo.png\"><img src=\"%1\"></body></html>")
                       .arg(QUrl::fromLocalFile(dir.filePath("logo.png")).toString())
                       .toUtf8());
        file.close();

        THTMLView view;
        view.LoadFromFile(path);
        QVERIFY(view.document()->resource(QTextDocument::ImageResource, QUrl("logo.png")).isNull());
        QVERIFY(view.loadResource(QTextDocument::ImageResource,
                                  QUrl::fromLocalFile(dir.filePath("logo.png")))
                    .isNull());
        TPageStore store(LetterAt300());
        QVERIFY(view.LayoutPages(store));
        QCOMPARE(store.PageCount(), 1);
    }

    void linkIsNotFollowedButTextIsSelectable()
    {
        THTMLView view;
        view.resize(400, 200);
        view.LoadFromStrings(
            {"<html><body><p><a href=\"other.htm\">Elsewhere</a></p></body></html>"});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy clicked(&view, &QTextBrowser::anchorClicked);
        QTextCursor cursor(view.document());
        cursor.setPosition(3);
        const QPoint onLink = view.cursorRect(cursor).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onLink);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(view.toPlainText(), QString("Elsewhere"));
        // The text stays selectable: a double click picks the word.
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, onLink);
        QCOMPARE(view.textCursor().selectedText(), QString("Elsewhere"));
        QVERIFY(view.source().isEmpty());
        QVERIFY(view.isReadOnly());
    }
};

// Laying a document out into a page store.
class PageStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void resultsPageFitsOnePage()
    {
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        TPageStore store(LetterAt300());
        QVERIFY(view.LayoutPages(store));
        QCOMPARE(store.PageCount(), 1);
        QCOMPARE(store.Geometry(), LetterAt300());
    }

    void pageCount_data()
    {
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("margin");
        QTest::addColumn<int>("smallest");
        QTest::addColumn<int>("largest");
        // Type of about 1/6 in on 7 in of text height: some 40 lines a page.
        QTest::newRow("long text breaks into pages") << 150 << 1.0 << 2.0 << 3 << 5;
        QTest::newRow("scale 2 doubles the pages") << 150 << 2.0 << 2.0 << 7 << 10;
        QTest::newRow("wide margins give more pages") << 150 << 1.0 << 6.0 << 5 << 9;
        QTest::newRow("an empty document is one blank page") << 0 << 1.0 << 2.0 << 1 << 1;
    }

    void pageCount()
    {
        QFETCH(int, paragraphs);
        QFETCH(double, scale);
        QFETCH(double, margin);
        QFETCH(int, smallest);
        QFETCH(int, largest);
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(paragraphs));
        view.SetPrintSetup({margin, margin, margin, margin, scale});
        TPageStore store(LetterAt300());
        QVERIFY(view.LayoutPages(store));
        QVERIFY2(store.PageCount() >= smallest && store.PageCount() <= largest,
                 qPrintable(QString::number(store.PageCount())));
    }

    void layoutDoesNotDependOnResolution()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        TPageStore at300(LetterAt300());
        TPageStore at600({600, 600, 5100, 6600, 0, 0});
        QVERIFY(view.LayoutPages(at300));
        QVERIFY(view.LayoutPages(at600));
        QCOMPARE(at600.PageCount(), at300.PageCount());
    }

    void pageEventsAnnounceEveryPageInOrder()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        TPageEventLog log;
        view.SetPageEvent(log.Event());
        TPageStore store(LetterAt300());
        QVERIFY(view.LayoutPages(store));
        QCOMPARE(log.pages, Range(0, store.PageCount()));
    }

    void stopEndsTheLayoutAtThatPage_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::newRow("before the first page") << 0;
        QTest::newRow("at the third page") << 3;
    }

    void stopEndsTheLayoutAtThatPage()
    {
        QFETCH(int, stopAt);
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        TPageEventLog log;
        log.stopAt = stopAt;
        view.SetPageEvent(log.Event());
        TPageStore store(LetterAt300());
        QVERIFY(!view.LayoutPages(store));
        QCOMPARE(log.pages, Range(0, stopAt));
        QCOMPARE(store.PageCount(), std::max(stopAt - 1, 0));
    }

    // A click queued before the job must be handled while it runs, so a
    // Cancel button works between pages.
    void pendingInputRunsBetweenPages()
    {
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        bool delivered = false;
        QTimer::singleShot(0, &view, [&] { delivered = true; });
        int seenAt = -1;
        view.SetPageEvent([&](int page, bool&) {
            if (delivered && seenAt < 0)
                seenAt = page;
        });
        TPageStore store(LetterAt300());
        QVERIFY(view.LayoutPages(store));
        QCOMPARE(seenAt, 0);
    }

    // The pictures carry the pages' text: replayed onto a PDF page they read back as printed.
    void pagePicturesHoldThePagesText()
    {
        QTemporaryDir dir;
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, dir.filePath("pictures.pdf"));
        printer.setResolution(300);
        TPageStore store(printer);
        QCOMPARE(store.Geometry().XResolution, 300);
        QVERIFY(view.LayoutPages(store));
        QVERIFY(store.PageCount() >= 3);
        {
            QPainter painter(&printer);
            store.DrawPage(painter, 0);
            printer.newPage();
            store.DrawPage(painter, store.PageCount() - 1);
        }
        const QStringList pages = PdfPages(dir.filePath("pictures.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains("Paragraph 1\n") || pages[0].contains("Paragraph 1 "));
        QVERIFY(pages[1].contains("Paragraph 150"));
        QVERIFY(!pages[1].contains("Paragraph 1\n"));
    }

    void pageOutsideTheStoreThrows()
    {
        TPageStore store(LetterAt300());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.Page(0));
    }

    void marginsThatLeaveNoRoomThrow()
    {
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        view.SetPrintSetup({11.0, 11.0, 2.0, 2.0, 1.0});
        TPageStore store(LetterAt300());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, view.LayoutPages(store));
    }
};

// Measuring printers and printing pages on them.
class PagePrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void measuresPaperResolutionAndPrintableArea()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(10, 20, 10, 20), QPageLayout::Millimeter);
        const TPageGeometry margins = TPageGeometry::Measure(printer);
        QCOMPARE(margins.XResolution, 600);
        QCOMPARE(margins.YResolution, 600);
        QCOMPARE(margins.PaperWidth, 5100);
        QCOMPARE(margins.PaperHeight, 6600);
        // 10 mm and 20 mm at 600 dpi, within the printer's rounding to whole points.
        QVERIFY(qAbs(margins.OffsetX - 236) <= 9);
        QVERIFY(qAbs(margins.OffsetY - 472) <= 9);
        UseWholePrintableArea(printer);
        const TPageGeometry whole = TPageGeometry::Measure(printer);
        QCOMPARE(whole.OffsetX, 0);
        QCOMPARE(whole.OffsetY, 0);
    }

    void resultsPagePrintsToPdf()
    {
        QTemporaryDir dir;
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, dir.filePath("report.pdf"));
        TPageEventLog log;
        view.SetPageEvent(log.Event());
        QVERIFY(view.PrintPages(printer, 1, 9999));
        QCOMPARE(log.pages, Range(0, 1));
        const QStringList pages = PdfPages(dir.filePath("report.pdf"));
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains("Q = 23.529 kW"));
        QVERIFY(pages[0].contains("Hot fluid: air"));
        QVERIFY(pages[0].contains("Duty: Hot fluid specified"));
    }

    void printsThePageRange_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("printed");
        QTest::newRow("one page from the middle") << 2 << 2 << 1;
        QTest::newRow("to 9999 means to the end") << 2 << 9999 << -1;
        QTest::newRow("all pages") << 1 << 9999 << 0;
    }

    void printsThePageRange()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, printed);
        QTemporaryDir dir;
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        TPageStore store(LetterAt300());
        QVERIFY(view.LayoutPages(store));
        const int count = store.PageCount();
        const int expected = printed > 0 ? printed : count - first + 1;

        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, dir.filePath("range.pdf"));
        printer.setResolution(300);
        TPageEventLog log;
        view.SetPageEvent(log.Event());
        QVERIFY(view.PrintPages(printer, first, last));
        QCOMPARE(log.pages, QList<int>{0} + Range(first, first + expected - 1));
        const QStringList pages = PdfPages(dir.filePath("range.pdf"));
        QCOMPARE(pages.size(), expected);
        // Printed pages break where the preview's pages do.
        QTemporaryDir previewDir;
        QPrinter replay(QPrinter::HighResolution);
        PdfPrinter(replay, previewDir.filePath("preview.pdf"));
        replay.setResolution(300);
        {
            QPainter painter(&replay);
            for (int i = first - 1; i < first - 1 + expected; ++i) {
                if (i > first - 1)
                    replay.newPage();
                store.DrawPage(painter, i);
            }
        }
        QCOMPARE(PdfPages(previewDir.filePath("preview.pdf")), pages);
    }

    void lineAtAPageBreakLandsOnOnePage_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<bool>("previewed");
        QTest::newRow("printed on Letter at 300 dpi") << int(QPageSize::Letter) << 300 << false;
        QTest::newRow("printed on A4 at 600 dpi") << int(QPageSize::A4) << 600 << false;
        QTest::newRow("printed on Legal at 1200 dpi") << int(QPageSize::Legal) << 1200 << false;
        QTest::newRow("previewed on Letter at 300 dpi") << int(QPageSize::Letter) << 300 << true;
        QTest::newRow("previewed on A5 at 600 dpi") << int(QPageSize::A5) << 600 << true;
    }

    // The PDF's text holds every paragraph once, in order, whichever page
    // breaks fall where.
    void lineAtAPageBreakLandsOnOnePage()
    {
        QFETCH(int, paper);
        QFETCH(int, resolution);
        QFETCH(bool, previewed);
        constexpr int count = 200;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("pages.pdf");
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(count));
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, pdf);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        printer.setResolution(resolution);
        UseWholePrintableArea(printer);
        if (previewed) {
            TPageStore store(printer);
            QVERIFY(view.LayoutPages(store));
            QPainter painter(&printer);
            for (int page = 0; page < store.PageCount(); ++page) {
                if (page > 0)
                    printer.newPage();
                store.DrawPage(painter, page);
            }
        } else {
            QVERIFY(view.PrintPages(printer, 1, 9999));
        }
        const QStringList pages = PdfPages(pdf);
        QVERIFY(pages.size() >= 3);
        QList<int> numbers;
        static const QRegularExpression paragraph("Paragraph (\\d+)");
        for (const QRegularExpressionMatch& match : paragraph.globalMatch(pages.join('\n')))
            numbers << match.captured(1).toInt();
        QCOMPARE(numbers, Range(1, count));
    }

    void stopDuringPrintingPrintsNoFurther()
    {
        QTemporaryDir dir;
        THTMLView view;
        view.LoadFromStrings(NumberedParagraphs(150));
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, dir.filePath("stopped.pdf"));
        TPageEventLog log;
        log.stopAt = 3;
        view.SetPageEvent(log.Event());
        QVERIFY(!view.PrintPages(printer, 1, 9999));
        QCOMPARE(log.pages, Range(0, 3));
        QCOMPARE(PdfPages(dir.filePath("stopped.pdf")).size(), 2);
    }

    void rangePastTheEndThrowsAndMakesNoFile()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("none.pdf");
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, pdf);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, view.PrintPages(printer, 2, 9999));
        QVERIFY(!QFile::exists(pdf));
    }

    void printerThatCannotStartThrows()
    {
        THTMLView view;
        view.LoadFromStrings(ResultsPageLines());
        QPrinter printer(QPrinter::HighResolution);
        PdfPrinter(printer, "/nonexistent/folder/report.pdf");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, view.PrintPages(printer, 1, 1));
    }
};

KELVANE_TEST_MAIN(QApplication, HTMLViewTest, PageStoreTest, PagePrintingTest)

#include "HtmlTest.moc"
