#include "DisplayUnitsTest.h"

#include "Format.h"
#include "HTMLView.h"
#include "HxFields.h"
#include "PdfText.h"
#include "QvChartPanel.h"
#include "QvFmtEdit.h"
#include "WindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// Hot water 80 to 40 °C against cold water 20 to 90 °C, all four given: a
// temperature cross at the hot end, infeasible.
const QStringList CrossCase = QString("1 80 40 1 1 20 90 0 0 500 0 0 31").split(' ');

// Every number of the record at full precision.
QString RecordText(const THx& hx)
{
    QStringList texts;
    for (const THxNumberField& field : HxNumberFields)
        texts << QLatin1String(field.name) + '=' + FloatToRoundTripText(hx.*field.member);
    return texts.join(' ');
}

// The report as it prints.
QString PrintedReport(TMainForm& form)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("report.pdf"));
    if (!form.ReportView->PrintPages(printer, 1, 9999))
        return {};
    return PdfPages(printer.outputFileName()).join(u'\n');
}

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

// US customary from the Units menu: the page, the diagnostics, the findings,
// the status line, the printed report and the chart all in its units, over the
// same record as in SI; back in SI the page is the SI page again.
void DisplayUnitsTest::usCustomaryCaseShowsEveryResultInItsUnits()
{
    auto form = m_fixture->MakeForm(CrossCase);
    QTRY_VERIFY(form->Label13->text().startsWith("Infeasible"));
    const QString siPage = form->HTMLView->toHtml();
    const QString siMemo = form->DiagMemo->toPlainText();
    const QString siRecord = RecordText(SolvedCase(*form));
    const QString cross = "temperature cross at the hot end: thi 176.0 °F, tco 194.0 °F";

    form->UnitsMenu->actions()[1]->trigger();
    const QString page = form->HTMLView->toPlainText();
    for (const QString& line : QStringList{"thi = 176.0 °F", "tco = 194.0 °F", "mh = 7936.6 lb/hr",
                                           "Uo = 88.055 Btu/hr·ft²°F"})
        QVERIFY2(page.contains(line), qPrintable(line + " in:\n" + page));
    const QString memo = form->DiagMemo->toPlainText();
    QVERIFY2(memo.contains(QRegularExpression("ch \\(thi-tho\\) = \\d+ Btu/hr\n")),
             qPrintable(memo));
    QVERIFY2(memo.split(u'\n').contains(cross), qPrintable(memo));
    for (const QString& si : QStringList{"°C", "kW", "kg/s", "m²"}) {
        QVERIFY2(!page.contains(si), qPrintable(si + " in:\n" + page));
        QVERIFY2(!memo.contains(si), qPrintable(si + " in:\n" + memo));
    }
    QVERIFY2(form->Label13->text().endsWith(cross), qPrintable(form->Label13->text()));
    const QString report = PrintedReport(*form);
    QVERIFY2(report.contains("thi = 176.0 °F"), qPrintable(report));
    QVERIFY2(report.simplified().contains(cross), qPrintable(report));
    QCOMPARE(form->tChart->ScaleYLabel(), QString("temperature [degF]"));
    QCOMPARE(RecordText(SolvedCase(*form)), siRecord);

    PressF9(*form);
    QCOMPARE(RecordText(SolvedCase(*form)), siRecord);
    QVERIFY(form->HTMLView->toPlainText().contains("thi = 176.0 °F"));

    form->UnitsMenu->actions()[0]->trigger();
    QCOMPARE(form->HTMLView->toHtml(), siPage);
    QCOMPARE(form->DiagMemo->toPlainText(), siMemo);
}

// A field's own unit leads its lines alone, the temperature differences
// following the hot inlet; an edit not yet solved keeps its status line.
void DisplayUnitsTest::fieldUnitLeadsItsOwnLines()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    ChooseUnit(*form, "edthi", 1);
    // The list has closed; the desktop gives the window back its activation.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    const QStringList page = form->HTMLView->toPlainText().split(u'\n');
    QVERIFY2(page.contains("thi = 95.0 °F"), qPrintable(page.join(u'\n')));
    QVERIFY2(page.contains("tho = 13.000 °C"), qPrintable(page.join(u'\n')));
    // 35 - 5 °C at the hot end's inlets: 30 K, 54 °F.
    QVERIFY2(page.contains("itd = 54.0 °F"), qPrintable(page.join(u'\n')));
    QVERIFY2(page.filter(QRegularExpression("^ch = [0-9.]+ kW/K$")).size() == 1,
             qPrintable(page.join(u'\n')));

    TypeInto(Field(*form, "edmh"), "2");
    QTest::keyClick(Field(*form, "edmh"), Qt::Key_Enter);
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
    ChooseUnit(*form, "edthi", 0);
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
    QVERIFY(form->HTMLView->toPlainText().split(u'\n').contains("thi = 35.000 °C"));
}
