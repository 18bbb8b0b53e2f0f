#include "DisplayUnitsTest.h"

#include "Hx.h"
#include "QvChartPanel.h"
#include "QvFmtEdit.h"
#include "WindowFixture.h"

#include <QAction>
#include <QMenu>

namespace {

// Each field's text and unit, as the window shows them.
QStringList Shown(TMainForm& form)
{
    QStringList shown;
    for (const QString& name : FieldNames)
        shown << Field(form, name)->text() + ' ' + UnitsLabel(form, name)->text();
    return shown;
}

} // namespace

DisplayUnitsTest::DisplayUnitsTest() = default;
DisplayUnitsTest::~DisplayUnitsTest() = default;

void DisplayUnitsTest::init()
{
    m_fixture = std::make_unique<TWindowFixture>();
}

void DisplayUnitsTest::cleanup()
{
    m_fixture.reset();
}

void DisplayUnitsTest::restartKeepsAFieldInFahrenheit()
{
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
        ChooseUnit(*form, "edthi", 1);
        QCOMPARE(UnitsLabel(*form, "edthi")->text(), QString("°F"));
        QCOMPARE(Field(*form, "edthi")->text(), QString("95.0"));
        form->close();
    }
    auto form = m_fixture->MakeForm({}, false);
    QCOMPARE(UnitsLabel(*form, "edthi")->text(), QString("°F"));
    QCOMPARE(Field(*form, "edthi")->text(), QString("95.0"));
    QCOMPARE(UnitsLabel(*form, "edtho")->text(), QString("°C"));
    form->show();
    form->activateWindow();
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(SolvedCase(*form).thi, 35.0); // the case in °C, as before
    QCOMPARE(Field(*form, "edthi")->text(), QString("95.0"));
}

void DisplayUnitsTest::restartKeepsEveryFieldsUnitAndText()
{
    const int units[] = {2, 1, 5, 1, 2, 3, 1, 4, 2};
    QStringList shown;
    {
        auto form = m_fixture->MakeForm({}, false);
        for (int i = 0; i < FieldNames.size(); ++i)
            Field(*form, FieldNames[i])->SetUnitsValue(units[i]);
        // More decimals than the base unit shows: kept only if the unit
        // comes back before the value.
        Field(*form, "edthi")->SetValue(35.02);
        shown = Shown(*form);
        form->close();
    }
    QCOMPARE(shown.size(), 9);
    QCOMPARE(shown[0], QString("308.17 K"));
    QCOMPARE(shown[2], QString("7936.6 lb/hr"));
    auto form = m_fixture->MakeForm({}, false);
    QCOMPARE(Shown(*form), shown);
}

void DisplayUnitsTest::storedUnitTheFieldLacksGivesTheBaseUnit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key"); // the field's key in the DisplayUnits section
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the last temperature unit") << "edthi"
                                               << "thi" << 2 << "308.15 K";
    QTest::newRow("one past the temperature units") << "edthi"
                                                    << "thi" << 3 << "35.0 °C";
    QTest::newRow("a negative index") << "edtho"
                                      << "tho" << -1 << "13.0 °C";
    QTest::newRow("the last mass flow unit") << "edmh"
                                             << "mh" << 5 << "7936.6 lb/hr";
    QTest::newRow("far beyond the mass flow units") << "edmh"
                                                    << "mh" << 99 << "1.0000 kg/s";
    QTest::newRow("one past the Uo units") << "eduo"
                                           << "Uo" << 2 << "37 W/m²°C";
}

void DisplayUnitsTest::storedUnitTheFieldLacksGivesTheBaseUnit()
{
    QFETCH(QString, field);
    QFETCH(QString, key);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    {
        TSettingsStore store(GetAppRegistryKey());
        store.WriteInteger("DisplayUnits", key, stored);
        store.Flush();
    }
    auto form = m_fixture->MakeForm({}, false);
    QCOMPARE(Field(*form, field)->text() + ' ' + UnitsLabel(*form, field)->text(), shown);
    QCOMPARE(m_fixture->platform.messages, QStringList());
}

void DisplayUnitsTest::resetKeepsTheUnits()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    ChooseUnit(*form, "edmh", 5);
    ChooseUnit(*form, "edtci", 1);
    form->ActionReset->trigger();
    QCOMPARE(Field(*form, "edmh")->text() + ' ' + UnitsLabel(*form, "edmh")->text(),
             QString("7936.6 lb/hr"));
    QCOMPARE(Field(*form, "edtci")->text() + ' ' + UnitsLabel(*form, "edtci")->text(),
             QString("41.0 °F"));
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
}

// The Units sub-menu: every field in the system's unit, the values and the
// solved case as they were; a field switched on its own leaves no system
// chosen; the choice stays from one run to the next with the fields' units.
void DisplayUnitsTest::unitSystemSwitchesEveryFieldAtOnce()
{
    const auto chosen = [](TMainForm& form) {
        emit form.UnitsMenu->aboutToShow();
        QStringList names;
        for (const QAction* action : form.UnitsMenu->actions())
            if (action->isChecked())
                names << action->text();
        return names;
    };
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
        const THx before = form->Document().Result().hx;
        QCOMPARE(chosen(*form), QStringList{"SI (kW, °C, kg/s, m²)"});
        form->UnitsMenu->actions()[1]->trigger();
        QCOMPARE(chosen(*form), QStringList{"US customary (Btu/h, °F, lb/h, ft²)"});
        const QStringList units = {"edthiUnits", "edmhUnits", "eduoUnits",
                                   "edaoUnits",  "edqUnits",  "edrfhUnits"};
        QStringList shown;
        for (const QString& label : units)
            shown << form->findChild<QLabel*>(label)->text();
        QCOMPARE(shown,
                 QStringList({"°F", "lb/hr", "Btu/hr·ft²°F", "ft²", "Btu/hr", "ft²·hr·°F/Btu"}));
        QCOMPARE(Field(*form, "edthi")->text(), QString("95.0"));
        QCOMPARE(Field(*form, "edthi")->GetValue().ToFloat(), 35.0);
        // The chart's axis in °F: the hot inlet at 95 is inside its range.
        QCOMPARE(form->tChart->ScaleYLabel(), QString("temperature [degF]"));
        QVERIFY(form->tChart->YMax() >= 95 && form->tChart->YMin() <= 41);
        PressF9(*form);
        QCOMPARE(form->Document().Result().hx.Ao, before.Ao);
        QCOMPARE(form->Document().Result().hx.tco, before.tco);

        form->UnitsMenu->actions()[2]->trigger();
        QCOMPARE(Field(*form, "edmh")->text(), QString("3600.00")); // 1 kg/s in kg/hr
        QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
        Field(*form, "edq")->SetUnitsValue(0);
        QCOMPARE(chosen(*form), QStringList());
        form->UnitsMenu->actions()[1]->trigger();
        form->close();
    }
    auto form = m_fixture->MakeForm();
    QCOMPARE(chosen(*form), QStringList{"US customary (Btu/h, °F, lb/h, ft²)"});
}
