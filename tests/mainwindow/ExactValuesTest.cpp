#include "ExactValuesTest.h"

#include "CaseInputs.h"
#include "FileDialog.h"
#include "Format.h"
#include "HTMLView.h"
#include "HeadlessRun.h"
#include "Hx.h"
#include "HxFields.h"
#include "SpecMask.h"
#include "TestFiles.h"
#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QToolBar>

namespace {

struct THeadlessOutput
{
    QStringList page; // the results page as text, then the diagnostic lines
    QJsonObject record;
};

// `kelvane --solve` with the 13 values, as text and as JSON.
THeadlessOutput SolveHeadless(const QStringList& values)
{
    const QStringList solve = QStringList{"--solve"} + values;
    return {QString::fromUtf8(RunHeadless(solve).out).split('\n', Qt::SkipEmptyParts),
            QJsonDocument::fromJson(RunHeadless(solve + QStringList{"--json"}).out).object()};
}

QString Exact(double value)
{
    return FloatToRoundTripText(value);
}

// Every number of the record, exactly.
QString RecordText(const THx& hx)
{
    QStringList texts;
    for (const THxNumberField& field : HxNumberFields)
        texts << QLatin1String(field.name) + '=' + Exact(hx.*field.member);
    return texts.join(' ');
}

QString ExactValue(TMainForm& form, const QString& field)
{
    return Field(form, field)->GetValue().ToString();
}

// The 13 values of the case the window holds: each stream's drop-down and
// fields, the exchanger's, then the ticks.
QStringList CaseValues(TMainForm& form)
{
    const QComboBox* const dropDowns[] = {form.cbHot, form.cbCold, form.cbHex};
    QStringList values;
    for (int group = 0; group < 3; ++group) {
        values << QString::number(dropDowns[group]->currentIndex());
        for (int n = 3 * group; n < 3 * group + 3; ++n)
            values << ExactValue(form, FieldNames[n]);
    }
    return values << QString::number(form.MaskFromCheckBoxes());
}

} // namespace

ExactValuesTest::ExactValuesTest() = default;
ExactValuesTest::~ExactValuesTest() = default;

void ExactValuesTest::init()
{
    m_fixture = std::make_unique<TWindowFixture>();
}

void ExactValuesTest::cleanup()
{
    m_fixture.reset();
}

// Values the fields show rounded: Ao 0.25 in a field of one decimal, a flow
// of four decimals given with five. They reach the window on the command
// line or pasted as a case line, then Calc.
void ExactValuesTest::commandLineCaseSolvedAsHeadless_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("status");
    const QString smallOilCase = "1 80 40 0 9 20 50 0 7 21.6 0.25 0 219";
    QTest::newRow("Ao 0.25 shown as 0.3, LMTD, command line")
        << smallOilCase << false << "Solved  (LMTD method)...";
    QTest::newRow("Ao 0.25 shown as 0.3, LMTD, pasted")
        << smallOilCase << true << "Solved  (LMTD method)...";
    QTest::newRow("mh 0.01254 shown as 0.0125, hot fluid specified")
        << "0 90 45.55 0.01254 0 20 50 0.8 0 37 1 0 7" << false
        << "Solved  (Hot fluid specified)...";
}

// The window and `kelvane --solve` solve the same 13 values to the same
// record, page and diagnostics.
void ExactValuesTest::commandLineCaseSolvedAsHeadless()
{
    QFETCH(QString, values);
    QFETCH(bool, pasted);
    const QStringList arguments = values.split(' ');
    auto form = m_fixture->MakeForm(pasted ? QStringList() : arguments);
    QTRY_VERIFY(!form->DiagMemo->toPlainText().isEmpty());
    if (pasted) {
        m_fixture->platform.clipboard = "Kelvane," + arguments.join(',');
        form->Pastefromclipboard1->trigger();
        PressF9(*form);
    }
    QTEST(form->Label13->text(), "status");
    const THeadlessOutput headless = SolveHeadless(arguments);
    QVERIFY(!headless.record.isEmpty());

    for (int n = 0; n < 9; ++n) {
        const double solved = headless.record.value(CaseInputRows[n].name).toDouble();
        QCOMPARE(ExactValue(*form, FieldNames[n]), Exact(n == mbUo ? solved * 1000 : solved));
    }
    const QString page = form->HTMLView->toPlainText();
    const QString memo = form->DiagMemo->toPlainText();
    // The page writes units its own way ("m2"): names and numbers are compared.
    for (const QString& line : headless.page) {
        const QString numbers = line.section(' ', 0, 2);
        QVERIFY2(page.contains(numbers) || memo.contains(numbers), qPrintable(line));
    }
}

// Calc of a case whose arithmetic faults: the status names the fault's kind
// as `kelvane --solve` does with the values the window holds, in the status
// line's usual colour, and fits its line.
void ExactValuesTest::faultedCalcNamesItsKindAsHeadless_data()
{
    QTest::addColumn<QString>("dropDown"); // the side given the fluid without heat capacity
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("kind");
    QTest::newRow("hot outlet over a zero capacity rate, duty given")
        << "cbHot" << 1 + 8 + 16 + 64 + 256 << "Floating point division by zero";
    QTest::newRow("zero cold duty over a zero capacity rate, four temperatures and both flows")
        << "cbCold" << 63 << "Invalid floating point operation";
}

void ExactValuesTest::faultedCalcNamesItsKindAsHeadless()
{
    QFETCH(QString, dropDown);
    QFETCH(int, mask);
    QFETCH(QString, kind);
    m_fixture->AddFluidWithoutHeatCapacity();
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    auto* fluid = form->findChild<QComboBox*>(dropDown);
    QVERIFY(fluid);
    fluid->setCurrentIndex(fluid->findText("no heat capacity"));
    QVERIFY(fluid->currentIndex() >= 0);
    SetMask(*form, mask);
    PressF9(*form);
    const QString status = form->Label13->text();
    QCOMPARE(status, "No solution with this data... (" + kind + ')');
    const THeadlessRun headless = RunHeadless(QStringList{"--solve"} + CaseValues(*form));
    QCOMPARE(QString::fromUtf8(headless.err), "kelvane: " + status + '\n');
    QVERIFY(!StatusShowsRed(*form));
    QVERIFY(!StatusShowsAmber(*form));
    QVERIFY(StatusFitsItsLine(*form));
}

// A field shown in another unit, edited and escaped there, and switched back:
// Calc solves the same case in either unit.
void ExactValuesTest::unitSwitchAndEscapeChangeNoValue_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("shownInUnit");
    QTest::newRow("Ao 0.3 m² through ft²") << "1 80 40 0 9 20 50 0 7 21.6 0.3 0 219"
                                           << "edao" << 4 << "3.229";
    QTest::newRow("Uo 100 W/m²°C through Btu/hr·ft²°F") << "1 80 40 0 9 20 50 0 7 100 0.3 0 219"
                                                        << "eduo" << 1 << "17.611";
}

void ExactValuesTest::unitSwitchAndEscapeChangeNoValue()
{
    QFETCH(QString, values);
    QFETCH(QString, field);
    QFETCH(int, unit);
    auto form = m_fixture->MakeForm(values.split(' '));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    const QString solved = RecordText(SolvedCase(*form));
    const QString value = ExactValue(*form, field);

    ChooseUnit(*form, field, unit);
    // The list has closed; the desktop gives the window back its activation.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTEST(Field(*form, field)->text(), "shownInUnit");
    TypeInto(Field(*form, field), "5");
    QTest::keyClick(Field(*form, field), Qt::Key_Escape);
    QTEST(Field(*form, field)->text(), "shownInUnit");
    PressF9(*form);
    QCOMPARE(ExactValue(*form, field), value);
    QCOMPARE(RecordText(SolvedCase(*form)), solved);

    ChooseUnit(*form, field, 0);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    QCOMPARE(ExactValue(*form, field), value);
    QCOMPARE(RecordText(SolvedCase(*form)), solved);
}

// Air against air through 1.4 W/m²°C, 0.0125 kg/s each way: numbers that
// three decimals do not hold. Saved with Save As (a named file) or Save
// (sample.xml), solved with other values in between, then opened or loaded.
void ExactValuesTest::savedCaseOpensBitForBit_data()
{
    QTest::addColumn<bool>("named");
    QTest::newRow("Save As, then Open") << true;
    QTest::newRow("Save, then Load and Calc") << false;
}

void ExactValuesTest::savedCaseOpensBitForBit()
{
    QFETCH(bool, named);
    const QString path = named ? UserDataFolder + "air.xml" : ExeFolder + "sample.xml";
    const auto save = [&](TMainForm& form) {
        if (named)
            TFileDialog::SetNextFileName(path);
        QTest::keyClick(&form, Qt::Key_S,
                        named ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        return ReadAll(path);
    };
    auto form =
        m_fixture->MakeForm(QString("0 80 40 0.0125 0 20 60 0.0125 0 1.4 0 0 111").split(' '));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    const QString solved = RecordText(SolvedCase(*form));
    const QByteArray saved = save(*form);
    const QByteArrayList lines = {"<mh>0.0125</mh>", "<mc>0.0125</mc>", "<Uo>0.0014</Uo>",
                                  ("<Ao>" + Exact(SolvedCase(*form).Ao) + "</Ao>").toLatin1()};
    for (const QByteArray& line : lines)
        QVERIFY2(saved.contains(line), line.constData());

    TypeInto(Field(*form, "edthi"), "95");
    TypeInto(Field(*form, "eduo"), "2");
    PressF9(*form);
    QVERIFY(RecordText(SolvedCase(*form)) != solved);
    if (named) {
        TFileDialog::SetNextFileName(path);
        QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    } else {
        QTest::mouseClick(form->ToolBar1->widgetForAction(form->ActionLoad), Qt::LeftButton);
        PressF9(*form);
    }
    QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(RecordText(SolvedCase(*form)), solved);
    QCOMPARE(save(*form), saved);
    QCOMPARE(m_fixture->platform.messages, QStringList());
}
