#include "UnitsFormTest.h"

#include "QvFmtEdit.h"
#include "QvUnitsForm.h"
#include "WhenModal.h"

#include <QListWidget>
#include <QTest>

namespace {

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

void UnitsFormTest::listsUnitsWithCurrentSelected()
{
    TFmtEdit edit;
    edit.SetUnitsType(utTemperature);
    edit.SetUnitsValue(1);
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();

    QCOMPARE(Items(form.ListBox1()), QStringList({"°C", "°F", "K"}));
    QCOMPARE(form.ListBox1()->currentRow(), 1);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), QSize(60, 46));

    // Filling again starts from an empty list.
    form.FillUnitsList();
    QCOMPARE(form.ListBox1()->count(), 3);
}

void UnitsFormTest::heightFollowsItemCount_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("height");
    QTest::newRow("2 items") << int(utAltitude) << 32;
    QTest::newRow("3 items") << int(utTemperature) << 46;
    QTest::newRow("4 items") << int(utConductance) << 58;
    QTest::newRow("5 items") << int(utArea) << 72;
    QTest::newRow("6 items") << int(utMassFlow) << 84;
    QTest::newRow("7 items") << int(utViscosity) << 98;
    QTest::newRow("8 items") << int(utPressure) << 110;
}

void UnitsFormTest::heightFollowsItemCount()
{
    QFETCH(int, type);
    TFmtEdit edit;
    edit.SetUnitsType(static_cast<TUnitsType>(type));
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTEST(form.height(), "height");
    // Every item in view: the half-item margin is below the last one.
    const QListWidget* list = form.ListBox1();
    QCOMPARE(list->geometry(), form.rect());
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    QCOMPARE(last.height(), TUnitsForm::ItemHeight);
    QVERIFY(last.bottom() < list->viewport()->height());
}

void UnitsFormTest::widthFitsWidestName()
{
    TFmtEdit edit;
    TUnitsForm form;
    form.SetOwnerEdit(&edit);

    edit.SetUnitsType(utAltitude); // "m", "ft": narrower than the minimum
    form.FillUnitsList();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.width(), 60);

    // Filled again while shown, the window takes the new width.
    edit.SetUnitsType(utThermalResist);
    form.FillUnitsList();
    const QFontMetrics metrics(form.ListBox1()->font());
    const int widest = metrics.horizontalAdvance(QStringLiteral("ft²·hr·°F/Btu"));
    QCOMPARE(form.width(), std::max(50, widest) + 10);
}

void UnitsFormTest::noneTypeGivesEmptyList()
{
    TFmtEdit edit;
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();
    QCOMPARE(form.ListBox1()->count(), 0);
    QCOMPARE(form.ListBox1()->currentRow(), -1);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), QSize(60, 147));
}

// The list's own minimum size does not grow the window once it runs modally.
void UnitsFormTest::shownModallyAtComputedSize()
{
    TFmtEdit edit;
    edit.SetUnitsType(utTemperature);
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();
    QSize shown;
    QRect listGeometry;
    WhenModal<TUnitsForm>([&](TUnitsForm* modal) {
        shown = modal->size();
        listGeometry = modal->ListBox1()->geometry();
        QTest::keyClick(modal->ListBox1(), Qt::Key_Escape);
    });
    form.exec();
    QCOMPARE(shown, QSize(60, 46));
    QCOMPARE(listGeometry, QRect(0, 0, 60, 46));
}

void UnitsFormTest::borderlessAndOnTop()
{
    TUnitsForm form;
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(form.isWindow());
    QCOMPARE(form.windowTitle(), QStringLiteral("Units"));
    QVERIFY(!form.isVisible());
}

// Escape does not undo a selection moved with the arrow keys.
void UnitsFormTest::closesOnKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void UnitsFormTest::closesOnKey()
{
    QFETCH(int, key);
    TFmtEdit edit;
    edit.SetUnitsType(utTemperature);
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();
    bool listFocused = false;
    bool openAfterArrow = false;
    WhenModal<TUnitsForm>([&](TUnitsForm* shown) {
        listFocused = QTest::qWaitFor([shown] { return shown->ListBox1()->hasFocus(); });
        QTest::keyClick(shown->ListBox1(), Qt::Key_Down);
        openAfterArrow = shown->isVisible();
        QTest::keyClick(shown->ListBox1(), Qt::Key(key));
    });
    form.exec();
    QVERIFY(listFocused);
    QVERIFY(openAfterArrow);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.ListBox1()->currentRow(), 1);
}

void UnitsFormTest::mousePressSelectsItemAndCloses()
{
    TFmtEdit edit;
    edit.SetUnitsType(utTemperature);
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();
    WhenModal<TUnitsForm>([](TUnitsForm* shown) {
        QListWidget* list = shown->ListBox1();
        QTest::mousePress(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(2)).center());
    });
    form.exec();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.ListBox1()->currentRow(), 2);
}

void UnitsFormTest::mousePressBelowItemsKeepsSelection()
{
    TFmtEdit edit;
    edit.SetUnitsType(utTemperature);
    edit.SetUnitsValue(1);
    TUnitsForm form;
    form.SetOwnerEdit(&edit);
    form.FillUnitsList();
    WhenModal<TUnitsForm>([](TUnitsForm* shown) {
        QListWidget* list = shown->ListBox1();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {},
                          QPoint(5, list->viewport()->height() - 2));
    });
    form.exec();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.ListBox1()->currentRow(), 1);
}
