#include "QtPlatformTest.h"

#include "QtPlatform.h"
#include "WhenModal.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

void QtPlatformTest::headlessStandInKeepsTheClipboardInTheProcess()
{
    TPlatform& headless = TPlatform::Current();
    QGuiApplication::clipboard()->setText("desktop text");
    headless.SetClipboardText("Kelvane,0,35,13");
    QCOMPARE(headless.ClipboardText(), QString("Kelvane,0,35,13"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("desktop text"));
    QVERIFY(!headless.OpenDocument(QCoreApplication::applicationFilePath()));
}

void QtPlatformTest::qtPlatformInstallsItselfForItsLifetime()
{
    TPlatform* before = &TPlatform::Current();
    {
        TQtPlatform platform("Kelvane");
        QCOMPARE(&TPlatform::Current(), static_cast<TPlatform*>(&platform));
    }
    QCOMPARE(&TPlatform::Current(), before);
}

void QtPlatformTest::qtPlatformClipboardRoundTrip()
{
    TQtPlatform platform("Kelvane");
    TPlatform::Current().SetClipboardText("Kelvane,0,35,13");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Kelvane,0,35,13"));
    QGuiApplication::clipboard()->setText("from elsewhere");
    QCOMPARE(TPlatform::Current().ClipboardText(), QString("from elsewhere"));
}

void QtPlatformTest::qtPlatformShowsPlainOkBox()
{
    TQtPlatform platform("Kelvane");
    QString shownText;
    QString title;
    int buttons = 0;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        shownText = box->text();
        title = box->windowTitle();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    TPlatform::Current().ShowMessage("File name not known");
    QCOMPARE(shownText, QString("File name not known"));
    QCOMPARE(title, QString("Kelvane"));
    QCOMPARE(buttons, 1);
}
