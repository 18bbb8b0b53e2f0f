#include "PreviewLayout.h"

#include "TestMain.h"

#include <QCoreApplication>

namespace {

// Letter paper, 8.5 x 11 in, at 300 dpi, seen on a screen of 96 pixels per inch.
TPreviewLayout LetterOnScreen()
{
    return TPreviewLayout({300, 300, 2550, 3300, 0, 0}, 96);
}

} // namespace

using TPlacement = TPreviewLayout::TPlacement;
Q_DECLARE_METATYPE(TPlacement)

// The preview's page-area arithmetic, without a window.
class PreviewLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void zoomListItems()
    {
        QCOMPARE(TPreviewLayout::ZoomItems(),
                 QStringList({"Fit To Page", "Fit To Width", "Custom", "25%", "50%", "75%", "100%",
                              "125%", "150%", "200%", "300%", "400%"}));
        QCOMPARE(TPreviewLayout::ZoomItems().at(TPreviewLayout::FitToPageIndex),
                 QString("Fit To Page"));
        QCOMPARE(TPreviewLayout::ZoomItems().at(TPreviewLayout::FitToWidthIndex),
                 QString("Fit To Width"));
        QCOMPARE(TPreviewLayout::ZoomItems().at(TPreviewLayout::CustomIndex), QString("Custom"));
    }

    void zoomForEachListEntry_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("custom");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<double>("zoom");
        QTest::newRow("Fit To Page looks at the height alone")
            << TPreviewLayout::FitToPageIndex << 1.7 << QSize(300, 600) << (580.0 / 96) / 11;
        QTest::newRow("Fit To Width looks at the width alone")
            << TPreviewLayout::FitToWidthIndex << 1.7 << QSize(836, 100) << 1.0;
        QTest::newRow("Custom is the kept zoom")
            << TPreviewLayout::CustomIndex << 1.7 << QSize(836, 600) << 1.7;
        QTest::newRow("25%") << 3 << 1.7 << QSize(836, 600) << 0.25;
        QTest::newRow("75%") << 5 << 1.7 << QSize(836, 600) << 0.75;
        QTest::newRow("400%, the last entry") << 11 << 1.7 << QSize(836, 600) << 4.0;
        QTest::newRow("past the list") << 12 << 1.7 << QSize(836, 600) << 1.0;
        QTest::newRow("before the list") << -1 << 1.7 << QSize(836, 600) << 1.0;
    }

    void zoomForEachListEntry()
    {
        QFETCH(int, index);
        QFETCH(double, custom);
        QFETCH(QSize, client);
        QFETCH(double, zoom);
        QCOMPARE(LetterOnScreen().ZoomFor(index, custom, client), zoom);
    }

    void placesThePages_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("twoPages");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<TPlacement>("placement");
        // At 50% the page is 8.5 x 11 in x 96 / 2 = 408 x 528 pixels.
        QTest::newRow("one page centred in a larger area")
            << 0.5 << false << QSize(816, 600) << QSize(816, 600)
            << TPlacement{{408, 528}, {815, 599}, {203, 35}, {631, 35}, false};
        QTest::newRow("two pages side by side fill the width")
            << 0.5 << true << QSize(816, 600) << QSize(816, 600)
            << TPlacement{{408, 528}, {856, 599}, {10, 35}, {438, 35}, false};
        QTest::newRow("the first page alone decides the scroll bars")
            << 0.5 << true << QSize(600, 600) << QSize(600, 600)
            << TPlacement{{408, 528}, {856, 599}, {10, 35}, {438, 35}, false};
        QTest::newRow("a page larger than the area scrolls")
            << 1.0 << false << QSize(600, 400) << QSize(617, 417)
            << TPlacement{{816, 1056}, {836, 1076}, {10, 10}, {846, 10}, true};
        QTest::newRow("Fit To Page in an area 600 high")
            << (580.0 / 96) / 11 << false << QSize(838, 600) << QSize(838, 600)
            << TPlacement{{448, 580}, {837, 600}, {194, 10}, {662, 10}, false};
    }

    void placesThePages()
    {
        QFETCH(double, zoom);
        QFETCH(bool, twoPages);
        QFETCH(QSize, client);
        QFETCH(QSize, outer);
        QFETCH(TPlacement, placement);
        const TPlacement placed = LetterOnScreen().Place(zoom, twoPages, client, outer);
        QCOMPARE(placed.Page, placement.Page);
        QCOMPARE(placed.Content, placement.Content);
        QCOMPARE(placed.FirstPage, placement.FirstPage);
        QCOMPARE(placed.SecondPage, placement.SecondPage);
        QCOMPARE(placed.ScrollBars, placement.ScrollBars);
    }

    void pageSizeFollowsThePaperAndTheScreen()
    {
        // A4 (8.27 x 11.69 in) at 600 dpi on a screen of 120 pixels per inch, at 100%.
        const TPreviewLayout a4({600, 600, 4961, 7016, 0, 0}, 120);
        QCOMPARE(a4.Place(1.0, false, QSize(100, 100), QSize(100, 100)).Page, QSize(992, 1403));
    }

    void zoomToolClick_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("right");
        QTest::addColumn<double>("after");
        QTest::newRow("left click at 19") << 19.0 << true << false << 28.5;
        QTest::newRow("left click at 28.5 stays") << 28.5 << true << false << 28.5;
        QTest::newRow("right click at 0.12") << 0.12 << false << true << 0.08;
        QTest::newRow("right click at 0.08 stays") << 0.08 << false << true << 0.08;
        QTest::newRow("both buttons cancel out") << 1.0 << true << true << 1.0;
        QTest::newRow("both buttons at the upper limit zoom out")
            << 20.0 << true << true << 20.0 / 1.5;
    }

    void zoomToolClick()
    {
        QFETCH(double, zoom);
        QFETCH(bool, left);
        QFETCH(bool, right);
        QFETCH(double, after);
        QCOMPARE(TPreviewLayout::ClickZoom(zoom, left, right), after);
    }

    void clickedPointComesToTheMiddle_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<float>("rx");
        QTest::addColumn<float>("ry");
        QTest::addColumn<QPoint>("scroll");
        QTest::newRow("centre of a page at 150%")
            << QSize(1224, 1584) << 0.5f << 0.5f << QPoint(193, 559);
        QTest::newRow("top-left corner, before the scroll range")
            << QSize(1224, 1584) << 0.0f << 0.0f << QPoint(-419, -233);
        QTest::newRow("a third of the way, truncated")
            << QSize(1000, 1000) << 1.0f / 3 << 2.0f / 3 << QPoint(333 - 419, 666 - 233);
    }

    void clickedPointComesToTheMiddle()
    {
        QFETCH(QSize, page);
        QFETCH(float, rx);
        QFETCH(float, ry);
        QFETCH(QPoint, scroll);
        QCOMPARE(TPreviewLayout::CentreOn(page, rx, ry, QSize(838, 466)), scroll);
    }

    void zoomLabel_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("text");
        QTest::newRow("50%") << 0.5 << "50%";
        QTest::newRow("Fit To Page rounds to a whole percent") << (580.0 / 96) / 11 << "55%";
        QTest::newRow("thousands grouped") << 12.5 << "1,250%";
        QTest::newRow("below 10%") << 0.08 << "8%";
    }

    void zoomLabel()
    {
        QFETCH(double, zoom);
        QFETCH(QString, text);
        QCOMPARE(TPreviewLayout::ZoomText(zoom), text);
    }
};

KELVANE_TEST_MAIN(QCoreApplication, PreviewLayoutTest)

#include "PreviewLayoutTest.moc"
