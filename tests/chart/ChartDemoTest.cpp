#include "ChartDemoTest.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

namespace {

int CountPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

// Runs the demo program under the offscreen platform and keeps its window as a test artefact.
void ChartDemoTest::screenshotShowsTheChart()
{
    const QString demo = QStringLiteral(KELVANE_CHART_DEMO);
    if (demo.isEmpty())
        QSKIP("the examples are not built");
    const QString folder = qEnvironmentVariable("KELVANE_ARTIFACTS", QDir::tempPath());
    QVERIFY(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath("chart-demo.png");
    QFile::remove(file);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(demo, {"--screenshot", file});
    QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    const QImage shot = QImage(file).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!shot.isNull());
    QVERIFY(shot.width() >= 560 && shot.height() >= 380);
    // The plot is white, and the red square markers and the line between them show in red.
    QVERIFY(CountPixels(shot, qRgb(255, 255, 255)) > 100000);
    QVERIFY(CountPixels(shot, qRgb(255, 0, 0)) > 200);
    QVERIFY(CountPixels(shot, qRgb(0, 0x80, 0)) > 200);
}
