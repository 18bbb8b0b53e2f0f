#include "MainWindowTest.h"

#include "AppFolders.h"
#include "CaseInput.h"
#include "CaseLineRows.h"
#include "Format.h"
#include "HTMLView.h"
#include "Hx.h"
#include "LookupTables.h"
#include "Main.h"
#include "NumberParse.h"
#include "PageStore.h"
#include "PdfText.h"
#include "QvChartPanel.h"
#include "QvFmtEdit.h"
#include "QvHTMLPreview.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// The fluid of specific heat 0 that the fixture adds (AddFluidWithoutHeatCapacity).
void SelectHotFluidWithoutHeatCapacity(TMainForm& form)
{
    form.cbHot->setCurrentIndex(form.cbHot->findText(QStringLiteral("no heat capacity")));
}

QString ProgramDir()
{
    return qEnvironmentVariable("KELVANE_PROGRAM_DIR");
}

QStringList MemoLines(TMainForm& form)
{
    return form.DiagMemo->toPlainText().split(u'\n');
}

// The position of a shipped exchanger type in the drop-down.
int TypeIndex(const QString& name)
{
    const int index = int(TLookupTables::LoadFrom(ProgramDir()).HeatXTypeNames().indexOf(name));
    if (index < 0)
        qFatal("no exchanger type %s", qPrintable(name));
    return index;
}

// Command-line values of one case on the exchanger type `name`.
QStringList CaseOnType(const char* values, const QString& name)
{
    return QString::fromLatin1(values).arg(TypeIndex(name)).split(u' ');
}

// Oil at 120 -> 40 °C, 1 kg/s, against water from 20 °C, 1 kg/s, Uo 500 W/m²°C,
// hot fluid specified: e 0.8 at Cr 0.477.
constexpr const char* hotOilCase = "2 120 40 1 1 20 0 1 %1 500 0 0 111";

// The mean height of the green (cold stream) pixels in column x of the chart.
double ColdLineHeight(const QImage& chart, int x)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < chart.height(); ++y) {
        const QColor c = chart.pixelColor(x, y);
        if (c.green() > 100 && c.red() < 60 && c.blue() < 60) {
            sum += y;
            ++count;
        }
    }
    if (count == 0)
        qFatal("no cold stream pixel in column %d", x);
    return sum / count;
}

} // namespace

MainWindowTest::MainWindowTest() = default;
MainWindowTest::~MainWindowTest() = default;

void MainWindowTest::initTestCase()
{
    QVERIFY2(QFile::exists(ProgramDir() + "/fluids.ini"), "the tables are in the program folder");
}

void MainWindowTest::init()
{
    m_fixture = std::make_unique<TWindowFixture>();
}

void MainWindowTest::cleanup()
{
    m_fixture.reset();
}

void MainWindowTest::firstRunShowsResetCaseThenSolves()
{
    auto form = m_fixture->MakeForm({}, false);
    QCOMPARE(FieldTexts(*form), QStringList({"35.0", "13.0", "1.0000", "5.0", "11.0", "0.8950",
                                             "37", "41.80", "22.506"}));
    QCOMPARE(form->cbHot->currentIndex(), 0);
    QCOMPARE(form->cbCold->currentIndex(), 1);
    QCOMPARE(form->cbHex->currentIndex(), 0);
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
    QCOMPARE(form->size(), QSize(756, 660));
    QCOMPARE(form->tChart->geometry(), QRect(499, 45 + TMainForm::MenuBarHeight, 246, 239));

    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    // Given values rewritten as they were, tco and Ao computed.
    QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
    QCOMPARE(Field(*form, "edmc")->text(), QString("0.8950"));
    const THx& hx = SolvedCase(*form);
    QVERIFY(hx.tco != 11.0);
    QCOMPARE(Field(*form, "edtco")->text(), Format("%0.1f", {hx.tco}));
    QCOMPARE(Field(*form, "edao")->text(), Format("%0.2f", {hx.Ao})); // four digits
    QCOMPARE(Field(*form, "eduo")->text(), QString("37"));
    QCOMPARE(hx.method, THxMethod::hmHotFluidSpecified);
    QVERIFY(form->HTMLView->toPlainText().contains("Hot fluid specified"));
    QCOMPARE(form->DiagMemo->document()->blockCount(), 9);
    QCOMPARE(form->tChart->Lines().size(), std::size_t(2));
    QVERIFY(form->tChart->YMin() <= SolvedCase(*form).tci - 5 &&
            form->tChart->YMax() >= SolvedCase(*form).thi + 5);
    QCOMPARE(form->tChart->XMin(), 0.0);
    QCOMPARE(form->tChart->XMax(), 1.0);

    // Later activations do not calculate again.
    TypeInto(Field(*form, "edq"), "10");
    form->DiagMemo->setFocus();
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
}

void MainWindowTest::screenshotOfSolvedWindow()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const QImage image = form->grab().toImage();
    QCOMPARE(image.size(), QSize(756, 660) * image.devicePixelRatio());
    const QString folder = qEnvironmentVariable("KELVANE_ARTIFACTS");
    QVERIFY(!folder.isEmpty());
    QDir().mkpath(folder);
    QVERIFY(image.save(folder + "/main-window.png"));
    // The chart shows both stream colours.
    const QImage chart = form->tChart->grab().toImage();
    bool red = false;
    bool green = false;
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const QColor c = chart.pixelColor(x, y);
            red = red || (c.red() > 200 && c.green() < 60 && c.blue() < 60);
            green = green || (c.green() > 100 && c.red() < 60 && c.blue() < 60);
        }
    }
    QVERIFY(red);
    QVERIFY(green);
}

void MainWindowTest::toolBarHasSixActionsWithImagesAndShortcuts()
{
    auto form = m_fixture->MakeForm({}, false);
    const QList<QAction*> actions = form->ToolBar1->actions();
    QStringList captions;
    for (QAction* action : actions) {
        captions << action->text();
        QVERIFY(!action->icon().isNull());
        QCOMPARE(action->icon().actualSize(QSize(24, 24)), QSize(24, 24));
    }
    QCOMPARE(captions, QStringList({"Load", "Save", "Reset", "Calc", "Report", "Help"}));
    // Shown when the window is too narrow for every button.
    const auto* extension = form->ToolBar1->findChild<QToolButton*>("qt_toolbar_ext_button");
    QVERIFY(extension);
    QVERIFY(!extension->icon().isNull());
    QCOMPARE(form->ToolBar1->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QCOMPARE(form->ActionSave->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(form->ActionCalc->shortcut(), QKeySequence("F9"));
    QCOMPARE(form->ActionReport->shortcut(), QKeySequence("F2"));
    QCOMPARE(form->ActionHelp->shortcut(), QKeySequence("F1"));
    QVERIFY(form->windowTitle().startsWith("Kelvane 1."));
}

void MainWindowTest::calcChoosesMethodFromCheckBoxes_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("status");
    QTest::newRow("design boxes: hot fluid") << 111 << "Solved  (Hot fluid specified)...";
    QTest::newRow("duty ticked wins") << 111 + 256 << "Solved  (Duty specified)...";
    QTest::newRow("four temperatures with Uo and Ao: LMTD")
        << (1 + 2 + 8 + 16 + 64 + 128) << "Solved  (LMTD method)...";
    QTest::newRow("inlets and flows with Uo and Ao: e-Ntu")
        << (1 + 4 + 8 + 32 + 64 + 128) << "Solved  (e-Ntu method)...";
    QTest::newRow("cold fluid") << (8 + 16 + 32 + 64) << "Solved  (Cold fluid specified)...";
}

void MainWindowTest::calcChoosesMethodFromCheckBoxes()
{
    QFETCH(int, mask);
    QFETCH(QString, status);
    auto form = m_fixture->MakeForm();
    SetMask(*form, mask);
    QCOMPARE(form->MaskFromCheckBoxes(), mask);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), status);
    QCOMPARE(form->MaskFromCheckBoxes(), mask); // Calc leaves the boxes alone
    QCOMPARE(form->tChart->Lines().size(), std::size_t(2));
}

void MainWindowTest::ratingWithoutTemperaturesKeepsPreviousMethod()
{
    auto form = m_fixture->MakeForm();
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    SetMask(*form, 1 + 64 + 128);
    TypeInto(Field(*form, "edtho"), "20");
    PressF9(*form);
    QCOMPARE(form->Label13->text(),
             QString("Infeasible  (Hot fluid specified): nothing computed: with Uo and Ao given, "
                     "give thi, tho, tci, tco or thi, mh, tci, mc"));
    // Nothing computed: the fields show what was read.
    QCOMPARE(Field(*form, "edtho")->text(), QString("20.0"));
    QCOMPARE(SolvedCase(*form).tho, 20.0);
}

void MainWindowTest::failedSolveClearsResults()
{
    m_fixture->AddFluidWithoutHeatCapacity();
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    SelectHotFluidWithoutHeatCapacity(*form); // the hot outlet divides by a zero capacity rate
    TypeInto(Field(*form, "eduo"), "50");
    SetMask(*form, 256 + 1 + 8 + 16 + 64);
    PressF9(*form);
    QCOMPARE(form->Label13->text(),
             QString("No solution with this data... (Floating point division by zero)"));
    QVERIFY(form->HTMLView->toPlainText().trimmed().isEmpty());
    QVERIFY(form->DiagMemo->toPlainText().isEmpty());
    QCOMPARE(form->tChart->Lines().size(), std::size_t(0));
    // The Uo field shows what was typed, not the type's default.
    QCOMPARE(Field(*form, "eduo")->text(), QString("50"));
}

// A typed Uo that the failed Calc read stays in the field, and the next Calc
// sizes with it.
void MainWindowTest::failedSolveKeepsTheUoRead()
{
    m_fixture->AddFluidWithoutHeatCapacity();
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    SetMask(*form, 47); // Uo unticked takes the type's
    form->cbHex->setFocus();
    QTest::keyClick(form->cbHex, Qt::Key_Down); // "shell and tube", Uo 500
    QCOMPARE(Field(*form, "eduo")->text(), QString("500"));
    TypeInto(Field(*form, "eduo"), "300");
    const int air = form->cbHot->currentIndex();
    SelectHotFluidWithoutHeatCapacity(*form); // the hot outlet divides by a zero capacity rate
    SetMask(*form, 256 + 1 + 8 + 16 + 64);
    PressF9(*form);
    QCOMPARE(form->Label13->text(),
             QString("No solution with this data... (Floating point division by zero)"));
    QCOMPARE(Field(*form, "eduo")->text(), QString("300"));
    form->cbHot->setCurrentIndex(air);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
    QCOMPARE(SolvedCase(*form).Uo, 0.3);
    QCOMPARE(Field(*form, "eduo")->text(), QString("300"));
}

// Oil at 120 °C cannot heat water to 130 °C: the solve stops at the cross, the
// results, memo and chart stay, the status names the first finding in red, the
// memo lists every finding.
void MainWindowTest::infeasibleCaseShowsItsFirstFindingInRed()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    QVERIFY(!StatusShowsRed(*form));
    TypeInto(Field(*form, "edthi"), "120");
    TypeInto(Field(*form, "edmh"), "2");
    TypeInto(Field(*form, "edtci"), "20");
    TypeInto(Field(*form, "edtco"), "130");
    TypeInto(Field(*form, "edmc"), "1");
    SetMask(*form, 1 + 8 + 16 + 32);
    PressF9(*form);
    const QString cross = "temperature cross at the hot end: thi 120.0 °C, tco 130.0 °C";
    QCOMPARE(form->Label13->text(), "Infeasible  (Cold fluid specified): " + cross);
    QVERIFY(StatusShowsRed(*form));
    QVERIFY(StatusFitsItsLine(*form));
    const QStringList memo = MemoLines(*form);
    QVERIFY2(memo.size() > 11, qPrintable(memo.join(u'|')));
    QCOMPARE(memo[0], QString("Diagnostic"));
    QCOMPARE(memo[9], QString());
    QCOMPARE(memo[10], cross);
    QCOMPARE(memo.size(), 12);
    QVERIFY(memo[11].startsWith("temperature cross at the cold end: tho "));
    QVERIFY(form->HTMLView->toPlainText().contains("Cold fluid specified"));
    QCOMPARE(form->tChart->Lines().size(), std::size_t(2));

    // A feasible case afterwards shows as it always did.
    TypeInto(Field(*form, "edtco"), "50");
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Cold fluid specified)..."));
    QVERIFY(!StatusShowsRed(*form));
    QCOMPARE(form->Label13->font().pointSize(), 12);
    QCOMPARE(MemoLines(*form).size(), 9);
}

// Four temperatures and both flows ticked: the cold side fixes the duty and
// changes the ticked mh. The status says so in amber, fitted to its line, and
// the memo lists the finding after the diagnostics.
void MainWindowTest::warningShowsInAmberInTheStatusLine()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    QVERIFY(!StatusShowsAmber(*form));
    TypeInto(Field(*form, "edmh"), "2");
    TypeInto(Field(*form, "edtco"), "11");
    SetMask(*form, 63);
    PressF9(*form);
    const QString computed = Format("%0.4f", {SolvedCase(*form).mh});
    QVERIFY(computed != "2.0000");
    QCOMPARE(Field(*form, "edmh")->text(), computed);
    const QString warning =
        "given value changed: mh given 2.0000 kg/s, computed " + computed + " kg/s";
    QCOMPARE(form->Label13->text(), "Solved with warnings  (Cold fluid specified): " + warning);
    QVERIFY(StatusShowsAmber(*form));
    QVERIFY(!StatusShowsRed(*form));
    QVERIFY(StatusFitsItsLine(*form));
    QCOMPARE(MemoLines(*form).mid(9), QStringList({"", warning}));

    // Given the mh it computes, the same case is feasible and shows as it always did.
    TypeInto(Field(*form, "edmh"), computed);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Cold fluid specified)..."));
    QVERIFY(!StatusShowsAmber(*form));
    QCOMPARE(form->Label13->font().pointSize(), 12);
    QCOMPARE(MemoLines(*form).size(), 9);
}

void MainWindowTest::uoRangeAdmitsTheTypeDefaults_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("above the plate default") << "2600"
                                             << "2600" << 0;
    QTest::newRow("the upper bound") << "10000"
                                     << "10000" << 0;
    QTest::newRow("beyond the upper bound") << "12000"
                                            << "10000" << 1;
}

// Typed and left by Tab, then used by Calc.
void MainWindowTest::uoRangeAdmitsTheTypeDefaults()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    TFmtEdit* uo = Field(*form, "eduo");
    TypeInto(uo, typed);
    QTest::keyClick(uo, Qt::Key_Tab);
    QCOMPARE(uo->text(), shown);
    QCOMPARE(m_fixture->platform.beeps, beeps);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(SolvedCase(*form).Uo, StrToFloat(shown) / 1000);
    QCOMPARE(uo->text(), shown);
}

void MainWindowTest::plantScaleValuesAreTaken_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("value"); // in the field's base unit
    const QString notSolved = "Not Solved...";
    QTest::newRow("a 2 MW duty") << "edq"
                                 << "2000"
                                 << "2000.000" << notSolved << 2000.0;
    QTest::newRow("a refinery flow") << "edmh"
                                     << "450"
                                     << "450.0000" << notSolved << 450.0;
    QTest::newRow("an area of a large shell") << "edao"
                                              << "4500"
                                              << "4500.0" << notSolved << 4500.0;
    QTest::newRow("a small area shows four digits") << "edao"
                                                    << "0.25"
                                                    << "0.2500" << notSolved << 0.25;
    QTest::newRow("a small flow shows four digits") << "edmc"
                                                    << "0.0123"
                                                    << "0.01230" << notSolved << 0.0123;
    QTest::newRow("a hot furnace gas") << "edthi"
                                       << "1450"
                                       << "1450.0" << notSolved << 1450.0;
    QTest::newRow("a duty beyond 10 GW")
        << "edq"
        << "20000000"
        << "10000000.000"
        << "Q 20000000 kW is out of range: set to 10000000.000 kW" << 1e7;
    QTest::newRow("a flow below the smallest")
        << "edmc"
        << "0.00001"
        << "0.0001000"
        << "mc 0.00001 kg/s is out of range: set to 0.0001000 kg/s" << 0.0001;
    QTest::newRow("below absolute zero")
        << "edtci"
        << "-300"
        << "-273.1"
        << "tci -300 °C is out of range: set to -273.1 °C" << AbsoluteZero;
}

// Typed and left by Tab: the field keeps the value, and a value pulled into
// range says so in amber.
void MainWindowTest::plantScaleValuesAreTaken()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, status);
    QFETCH(double, value);
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    TFmtEdit* edit = Field(*form, field);
    TypeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTEST(edit->text(), "shown");
    QCOMPARE(edit->GetValue().ToFloat(), value);
    QCOMPARE(form->Label13->text(), status);
    QCOMPARE(StatusShowsAmber(*form), status != "Not Solved...");
    QCOMPARE(m_fixture->platform.beeps, status != "Not Solved..." ? 1 : 0);
}

// Oil at 120 -> 40 °C against water at 20 -> 60 °C in counter flow, Uo 500 W/m²°C, duty given.
void MainWindowTest::plantScaleDutyIsSolved()
{
    auto form =
        m_fixture->MakeForm(CaseOnType("2 120 40 1 1 20 60 1 %1 500 10 160 347", "shell and tube"));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
    TypeInto(Field(*form, "edq"), "2000");
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
    const THx& hx = SolvedCase(*form);
    QCOMPARE(hx.Q, 2000.0);
    const double lmtd = (60.0 - 20.0) / std::log(3.0);
    QVERIFY(std::abs(hx.Ao - 2000 / (0.5 * lmtd)) <= 1e-12 * hx.Ao);
    QVERIFY(std::abs(hx.mh - 2000 / (hx.cph * 80)) <= 1e-12 * hx.mh);
    QCOMPARE(Field(*form, "edao")->text(), Format("%0.1f", {hx.Ao}));
}

// F9 while the typed text is beyond the range: the field shows the bound and
// the status says so; nothing is solved until the next F9.
void MainWindowTest::calcInAFieldPulledIntoRangeStops()
{
    auto form =
        m_fixture->MakeForm(CaseOnType("2 120 40 1 1 20 60 1 %1 500 10 160 347", "shell and tube"));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
    TFmtEdit* q = Field(*form, "edq");
    TypeInto(q, "20000000");
    PressF9(*form);
    QCOMPARE(form->Label13->text(),
             QString("Q 20000000 kW is out of range: set to 10000000.000 kW"));
    QVERIFY(q->hasFocus());
    QCOMPARE(SolvedCase(*form).Q, 160.0);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
    QCOMPARE(SolvedCase(*form).Q, 1e7);
}

void MainWindowTest::fieldWithoutNumberStopsCalc()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const QString status = form->Label13->text();
    const double tho = SolvedCase(*form).tho;
    // Pasted text is not filtered by the field.
    QApplication::clipboard()->setText("abc");
    Field(*form, "edmh")->setFocus();
    Field(*form, "edmh")->selectAll();
    QTest::keyClick(Field(*form, "edmh"), Qt::Key_V, Qt::ControlModifier);
    form->cb[0]->setFocus(); // leave: a text that does not parse stays as typed
    QCOMPARE(Field(*form, "edmh")->text(), QString("abc"));
    form->Label13->setText(status);
    TypeInto(Field(*form, "edtho"), "15");
    Field(*form, "edmh")->setFocus();
    form->Label13->setText(status);
    PressF9(*form);
    QCOMPARE(m_fixture->platform.messages,
             QStringList({"'abc' is not a valid floating point value"}));
    QCOMPARE(form->Label13->text(), status);
    // The solved case is the one before: the typed tho waits for a Calc that reads.
    QVERIFY(tho != 15.0);
    QCOMPARE(SolvedCase(*form).tho, tho);
    QCOMPARE(form->tChart->Lines().size(), std::size_t(2));
}

void MainWindowTest::unitSwitchChangesNoResult()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const double q = SolvedCase(*form).Q;
    const double ao = SolvedCase(*form).Ao;
    const double yMax = form->tChart->YMax();
    for (const QString name : {"edthi", "edtho", "edtci", "edtco"})
        Field(*form, name)->SetUnitsValue(1); // °F
    Field(*form, "edmh")->SetUnitsValue(5);
    QCOMPARE(Field(*form, "edthi")->text(), QString("95.0"));
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(QString::number(SolvedCase(*form).Q, 'f', 3), QString::number(q, 'f', 3));
    QCOMPARE(QString::number(SolvedCase(*form).Ao, 'f', 3), QString::number(ao, 'f', 3));
    // The chart follows the temperature unit: the hot inlet at 95 °F.
    QVERIFY(form->tChart->YMax() > yMax);
    QCOMPARE(form->tChart->Lines().front()->Points().front()->Y, 95.0);
}

void MainWindowTest::enterDownUpMoveFocusInFieldsOnly()
{
    auto form = m_fixture->MakeForm();
    TFmtEdit* thi = Field(*form, "edthi");
    TFmtEdit* tho = Field(*form, "edtho");
    thi->setFocus();
    QTest::keyClick(thi, Qt::Key_Return);
    QTRY_VERIFY(tho->hasFocus());
    QTest::keyClick(tho, Qt::Key_Up);
    QTRY_VERIFY(thi->hasFocus());
    QTest::keyClick(thi, Qt::Key_Down);
    QTRY_VERIFY(tho->hasFocus());
    // Tab order runs through the fields only: drop-downs and check boxes are skipped.
    Field(*form, "edmc")->setFocus();
    QTest::keyClick(Field(*form, "edmc"), Qt::Key_Tab);
    QTRY_VERIFY(Field(*form, "eduo")->hasFocus());
    form->DiagMemo->setFocus();
    QTest::keyClick(form->DiagMemo, Qt::Key_Return);
    QVERIFY(form->DiagMemo->hasFocus());
    QVERIFY(form->DiagMemo->toPlainText().contains('\n'));
}

void MainWindowTest::leavingModifiedFieldMarksNotSolved()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const QString solved = form->Label13->text();
    TFmtEdit* mh = Field(*form, "edmh");
    mh->setFocus();
    QTest::keyClick(mh, Qt::Key_Tab);
    QCOMPARE(form->Label13->text(), solved);
    mh->setFocus();
    QTest::keyClicks(mh, "5");
    QTest::keyClick(mh, Qt::Key_Tab);
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
}

void MainWindowTest::dropDownChangeSetsUoAndStatus()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    SetMask(*form, 47); // Uo unticked takes the type's
    form->cbHex->setFocus();
    QTest::keyClick(form->cbHex, Qt::Key_Down); // "shell and tube"
    QCOMPARE(form->cbHex->currentIndex(), 1);
    QCOMPARE(Field(*form, "eduo")->text(), QString("500"));
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
    QCOMPARE(SolvedCase(*form).heatXType, QString("fin and tube")); // follows at the next Calc
    form->cbCold->setFocus();
    QTest::keyClick(form->cbCold, Qt::Key_Down); // "oil"
    QCOMPARE(SolvedCase(*form).cpc, 4.193);      // the solved case is the one before
    PressF9(*form);
    QCOMPARE(SolvedCase(*form).heatXType, QString("shell and tube"));
    QCOMPARE(SolvedCase(*form).cpc, 2.0);
}

// Choosing "shell and tube" (Uo 500) after the Uo field was set, ticked or not.
// The shipped table's typical fouling resistance comes into the stream's field:
// oil 0.000176 m²K/W hot, sea water 0.000088 cold; the case is solved with it.
void MainWindowTest::choosingAFluidOffersItsFouling()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    QCOMPARE(Field(*form, "edrfh")->GetValue().ToFloat(), 0.0);
    ChooseItem(form->cbHot, 2);
    ChooseItem(form->cbCold, 3);
    QCOMPARE(Field(*form, "edrfh")->text(), QString("0.0001760"));
    QCOMPARE(Field(*form, "edrfc")->GetValue().ToFloat(), 0.000088);
    PressF9(*form);
    const THx& hx = SolvedCase(*form);
    QCOMPARE(hx.Rfh, 0.000176);
    QCOMPARE(hx.Rfc, 0.000088);
    QVERIFY(std::abs(hx.Us * 1000 - 1 / (1 / 37.0 + 0.000264)) < 1e-12);
}

void MainWindowTest::typeChangeKeepsATickedUo_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("typedUo");
    QTest::addColumn<QString>("shownUo");
    QTest::newRow("ticked Uo of the first case stays") << 111 << ""
                                                       << "37";
    QTest::newRow("ticked Uo typed stays") << 111 << "250"
                                           << "250";
    QTest::newRow("unticked Uo takes the type's") << 47 << "250"
                                                  << "500";
}

void MainWindowTest::typeChangeKeepsATickedUo()
{
    QFETCH(int, mask);
    QFETCH(QString, typedUo);
    QFETCH(QString, shownUo);
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    SetMask(*form, mask);
    TFmtEdit* uo = Field(*form, "eduo");
    if (!typedUo.isEmpty()) {
        TypeInto(uo, typedUo);
        QTest::keyClick(uo, Qt::Key_Tab);
    }
    form->cbHex->setFocus();
    QTest::keyClick(form->cbHex, Qt::Key_Down);
    QCOMPARE(form->cbHex->currentText(), QString("shell and tube"));
    QCOMPARE(uo->text(), shownUo);
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));

    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(SolvedCase(*form).Uo, StrToFloat(shownUo) / 1000);
    QCOMPARE(uo->text(), shownUo);
}

void MainWindowTest::resultsPageNamesTheChosenFluids()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const int oil = form->cbHot->findText("oil");
    const int seaWater = form->cbCold->findText("sea water");
    QVERIFY(oil >= 0 && seaWater >= 0);
    form->cbHot->setCurrentIndex(oil);
    form->cbCold->setCurrentIndex(seaWater);
    PressF9(*form);
    QVERIFY(form->Label13->text().startsWith("Solved"));
    QCOMPARE(SolvedCase(*form).hotFluid, QString("oil"));
    QCOMPARE(SolvedCase(*form).coldFluid, QString("sea water"));
    const QString page = form->HTMLView->toPlainText();
    QVERIFY2(page.contains("Hot fluid: oil"), qPrintable(page));
    QVERIFY2(page.contains("Cold fluid: sea water"), qPrintable(page));
}

void MainWindowTest::copyPutsCaseLine()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    form->Copytoclipboard1->trigger();
    const QString line = m_fixture->platform.clipboard;
    QVERIFY(line.startsWith("Kelvane,"));
    QVERIFY(line.endsWith(",111"));
    const THx& hx = SolvedCase(*form);
    QCOMPARE(line, "Kelvane,0,35.000,13.000,1.000,1,5.000," + Format("%0.3f", {hx.tco}) +
                       ",0.895,0,37.000," + Format("%0.3f", {hx.Ao}) + ",22.506,111");
}

void MainWindowTest::pasteCaseLine_data()
{
    AddCaseLineRows();
}

void MainWindowTest::pasteCaseLine()
{
    QFETCH(QString, line);
    QFETCH(QString, problem);
    const bool accepted = problem.isEmpty();
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    form->ActionCalc->trigger();
    const QString status = form->Label13->text();
    const QString page = form->HTMLView->toHtml();
    form->cbHot->setCurrentIndex(2);
    SetMask(*form, 7);
    TypeInto(Field(*form, "edthi"), "80");
    form->Label13->setText(status);
    m_fixture->platform.clipboard = line;
    form->Pastefromclipboard1->trigger();
    QVERIFY(m_fixture->platform.messages.isEmpty());
    if (accepted) {
        QCOMPARE(FieldTexts(*form), QStringList({"35.0", "13.0", "1.0000", "5.0", "11.0", "0.8950",
                                                 "37", "41.80", "22.506"}));
        QCOMPARE(form->cbHot->currentIndex(), 0);
        QCOMPARE(form->MaskFromCheckBoxes(), 111);
    } else {
        QCOMPARE(Field(*form, "edthi")->GetValue().ToFloat(), 80.0);
        QCOMPARE(form->cbHot->currentIndex(), 2);
        QCOMPARE(form->MaskFromCheckBoxes(), 7);
    }
    QCOMPARE(form->Label13->text(), status);
    QCOMPARE(form->HTMLView->toHtml(), page);
}

void MainWindowTest::pasteStopsAtBadEntry()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    form->cbHot->setCurrentIndex(2);
    const QStringList before = FieldTexts(*form);
    m_fixture->platform.clipboard = "Kelvane,1,50,20,x,1,5,11,0.895,0,37,41.8,22.506,111";
    form->Pastefromclipboard1->trigger();
    QCOMPARE(m_fixture->platform.messages, QStringList({"Invalid command line arguments..."}));
    QCOMPARE(form->cbHot->currentIndex(), 1);
    QCOMPARE(Field(*form, "edthi")->text(), QString("50.0"));
    QCOMPARE(Field(*form, "edtho")->text(), QString("20.0"));
    QCOMPARE(FieldTexts(*form).mid(2), before.mid(2));
}

void MainWindowTest::copyThenPasteRestoresCase()
{
    auto form = m_fixture->MakeForm();
    SetMask(*form, 1 + 2 + 8 + 16 + 64 + 128);
    form->cbHex->setCurrentIndex(3);
    TypeInto(Field(*form, "eduo"), "120");
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    const QStringList texts = FieldTexts(*form);
    form->Copytoclipboard1->trigger();
    form->ActionReset->trigger();
    SetMask(*form, 111);
    QVERIFY(FieldTexts(*form) != texts);
    form->Pastefromclipboard1->trigger();
    QCOMPARE(form->MaskFromCheckBoxes(), 1 + 2 + 8 + 16 + 64 + 128);
    QCOMPARE(form->cbHex->currentIndex(), 3);
    for (int i = 0; i < texts.size(); ++i)
        QVERIFY2(qAbs(StrToFloat(texts[i]) - StrToFloat(FieldTexts(*form)[i])) < 0.001,
                 qPrintable(FieldNames[i]));
}

void MainWindowTest::indexOutsideListLeavesNoSelection()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const double cph = SolvedCase(*form).cph;
    m_fixture->platform.clipboard = "Kelvane,99,35,13,1,1,5,11,0.895,-1,50,41.8,22.506,111";
    form->Pastefromclipboard1->trigger();
    QCOMPARE(form->cbHot->currentIndex(), -1);
    QCOMPARE(form->cbHex->currentIndex(), -1);
    PressF9(*form);
    // No table entry: the record keeps its cp, the Uo field its value.
    QCOMPARE(SolvedCase(*form).cph, cph);
    QCOMPARE(SolvedCase(*form).Uo, 0.05);
    QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
}

void MainWindowTest::commandLineOpensSolvedByLmtd()
{
    auto form = m_fixture->MakeForm(QString("1 20 10 0.5 0 5 12 0.6 2 250 3 0 219").split(' '));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    QCOMPARE(form->cbHot->currentIndex(), 1);
    QCOMPARE(form->cbCold->currentIndex(), 0);
    QCOMPARE(form->cbHex->currentIndex(), 2);
    QList<bool> checked;
    for (QCheckBox* box : form->cb)
        checked << box->isChecked();
    QCOMPARE(checked, QList<bool>({true, true, false, true, true, false, true, true, false}));
    QCOMPARE(SolvedCase(*form).thi, 20.0);
    QCOMPARE(SolvedCase(*form).Uo, 0.25);
    QCOMPARE(Field(*form, "eduo")->text(), QString("250"));

    // Other counts of arguments are ignored; a bad value is reported.
    auto twelve =
        m_fixture->MakeForm(QString("1 20 10 0.5 0 5 12 0.6 2 250 3 0").split(' '), false);
    QCOMPARE(Field(*twelve, "edthi")->text(), QString("35.0"));
    QVERIFY(m_fixture->platform.messages.isEmpty());
    auto bad = m_fixture->MakeForm(QString("1 20 10 0.5 0 5 12 0.6 2 250 3 0 x").split(' '), false);
    QCOMPARE(m_fixture->platform.messages, QStringList({"Invalid command line arguments..."}));
    QCOMPARE(Field(*bad, "edthi")->text(), QString("20.0"));
}

void MainWindowTest::restartBringsBackLastCase()
{
    QPoint placed;
    double tco = 0;
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
        tco = SolvedCase(*form).tco;
        form->cbHot->setCurrentIndex(3);
        form->cbHex->setCurrentIndex(4);
        Field(*form, "edthi")->SetUnitsValue(1); // shown in °F, kept in °C
        TypeInto(Field(*form, "edq"), "17.25");
        TypeInto(Field(*form, "edmc"), "1.2345");
        form->DiagMemo->setFocus();
        form->move(40, 30);
        placed = form->pos();
        form->close();
    }
    auto form = m_fixture->MakeForm({}, false);
    QCOMPARE(form->pos(), placed);
    QCOMPARE(form->cbHot->currentIndex(), 3);
    QCOMPARE(form->cbCold->currentIndex(), 1);
    QCOMPARE(form->cbHex->currentIndex(), 4);
    QCOMPARE(Field(*form, "edq")->GetValue().ToFloat(), 17.25);
    QCOMPARE(Field(*form, "edmc")->GetValue().ToFloat(), 1.2345);
    QCOMPARE(Field(*form, "edthi")->GetValue().ToFloat(), 35.0);
    // The value computed, not the one its text shows.
    QCOMPARE(Field(*form, "edtco")->text(), QString("11.0"));
    QCOMPARE(Field(*form, "edtco")->GetValue().ToString(), FloatToRoundTripText(tco));
}

// The first case's values solved with other ticks, closed and started again.
void MainWindowTest::restartSolvesWithTheTicksOfTheLastCase_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("status");
    QTest::newRow("e-Ntu") << 237 << "Solved  (e-Ntu method)...";
    QTest::newRow("cold fluid specified") << 56 << "Solved  (Cold fluid specified)...";
    QTest::newRow("nothing ticked")
        << 0
        << "Solved with warnings  (Data not properly specified): duty not given: worked from "
           "Q 22.506 kW as entered";
}

void MainWindowTest::restartSolvesWithTheTicksOfTheLastCase()
{
    QFETCH(int, mask);
    QFETCH(QString, status);
    THx solved;
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
        SetMask(*form, mask);
        PressF9(*form);
        QTEST(form->Label13->text(), "status");
        solved = SolvedCase(*form);
        form->close();
    }
    auto form = m_fixture->MakeForm();
    QTRY_COMPARE(form->Label13->text(), status);
    QCOMPARE(form->MaskFromCheckBoxes(), mask);
    QCOMPARE(SolvedCase(*form).method, solved.method);
    for (const auto value : {&THx::thi, &THx::tho, &THx::mh, &THx::tci, &THx::tco, &THx::mc,
                             &THx::Uo, &THx::Ao, &THx::Q})
        QCOMPARE(FloatToRoundTripText(SolvedCase(*form).*value),
                 FloatToRoundTripText(solved.*value));
}

void MainWindowTest::resetKeepsCheckBoxes()
{
    auto form = m_fixture->MakeForm();
    SetMask(*form, 111 + 256);
    TypeInto(Field(*form, "edthi"), "70");
    PressF9(*form);
    QVERIFY(form->Label13->text().startsWith("Solved"));
    const double q = SolvedCase(*form).Q;
    form->ActionReset->trigger();
    QCOMPARE(form->MaskFromCheckBoxes(), 111 + 256);
    QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));
    QCOMPARE(SolvedCase(*form).Q, q); // the record is untouched
}

void MainWindowTest::helpOpensHelpPage()
{
    auto form = m_fixture->MakeForm();
    QTest::keyClick(form.get(), Qt::Key_F1);
    QCOMPARE(m_fixture->platform.openedDocuments, QStringList({ExeFolder + "Help/Index.htm"}));
    QVERIFY(QFile::exists(ProgramDir() + "/Help/Index.htm"));
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

// With no viewer to open the page, F1 says so as Email does, instead of nothing.
void MainWindowTest::helpWithoutViewerSaysSo()
{
    auto form = m_fixture->MakeForm();
    m_fixture->platform.openSucceeds = false;
    QTest::keyClick(form.get(), Qt::Key_F1);
    QCOMPARE(m_fixture->platform.openedDocuments, QStringList({ExeFolder + "Help/Index.htm"}));
    QCOMPARE(m_fixture->platform.messages,
             QStringList({"No program to show the help page is set up on this computer."}));
}

void MainWindowTest::reportPreviewsResultsPage()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    int pages = -1;
    bool owned = false;
    QString pageLabel;
    // The page layout's progress window comes first; the preview follows.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<THTMLPreviewForm*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible())
            return;
        pages = preview->PageStore() ? preview->PageStore()->PageCount() : 0;
        owned = preview->parentWidget() == form.get();
        pageLabel = preview->CurPageLabel->text();
        preview->reject();
    });
    closer.start(20);
    QTest::keyClick(form.get(), Qt::Key_F2);
    QVERIFY(pages >= 1);
    QVERIFY(owned);
    QCOMPARE(pageLabel, QString("Page 1 of 1"));
    QVERIFY(form->findChildren<THTMLPreviewForm*>().isEmpty()); // destroyed afterwards
}

// The report of a case with findings says what the verdict is and why; the
// values the solve did not reach are blank, never an earlier case's.
void MainWindowTest::reportOfAnInfeasibleCaseCarriesItsVerdict()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    m_fixture->platform.clipboard = "Kelvane,1,100,40,1,1,20,60,0,6,500,0,0,95";
    form->Pastefromclipboard1->trigger();
    PressF9(*form);
    QVERIFY(StatusShowsRed(*form));
    const QStringList findings = form->Document().Result().verdict.Findings();
    QVERIFY(!findings.isEmpty());
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("report.pdf"));
    QVERIFY(form->ReportView->PrintPages(printer, 1, 9999));
    const QString text = PdfPages(printer.outputFileName()).join(u'\n');
    QVERIFY2(text.contains("Verdict: infeasible"), qPrintable(text));
    for (const QString& finding : findings)
        QVERIFY2(text.simplified().contains(finding.simplified()), qPrintable(finding));
    QVERIFY2(text.contains(QRegularExpression("Ao =\\s*\n")), qPrintable(text));
}

void MainWindowTest::reportPrintsResultsToPdf()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("report.pdf"));
    QVERIFY(form->HTMLView->PrintPages(printer, 1, 9999));
    const QStringList pages = PdfPages(printer.outputFileName());
    QCOMPARE(pages.size(), 1);
    const QString duty = "Q = " + Format("%0.3f", {SolvedCase(*form).Q}) + " kW";
    QVERIFY2(pages.first().contains(duty), qPrintable(pages.first()));
    // A feasible case's report is its results page.
    QCOMPARE(form->ReportView->toHtml(), form->HTMLView->toHtml());
}

// Every command in the menu bar is the action of the tool bar or the context
// menu, with its key; Quit closes the window.
void MainWindowTest::menuBarHoldsEveryCommand()
{
    auto form = m_fixture->MakeForm();
    QStringList menus;
    for (QAction* menu : form->MenuBar1->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << item->text();
        menus << menu->text() + ": " + items.join(", ");
    }
    QCOMPARE(menus, QStringList({"&File: Load, Save, Open\u2026, Save As\u2026, Open Recent, , "
                                 "Report, , Quit",
                                 "&Edit: Copy to clipboard, Paste from clipboard",
                                 "&Case: Calc, Reset, Units", "&Help: Help"}));
    const QMenu* file = form->MenuBar1->actions()[0]->menu();
    QCOMPARE(file->actions()[3], form->ActionSaveAs);
    QCOMPARE(file->actions()[4]->menu(), form->RecentFilesMenu);
    QCOMPARE(form->ActionQuit->shortcut(), QKeySequence(QKeySequence::Quit));
    form->ActionQuit->trigger();
    QVERIFY(!form->isVisible());
}

// Beyond the default size the results page, the chart and the memo take the
// room; the window does not get smaller than its default.
void MainWindowTest::resizedWindowGivesTheRoomToThePageAndTheChart()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const QRect page = form->HTMLView->geometry();
    const QRect chart = form->tChart->geometry();
    const QRect memo = form->DiagMemo->geometry();
    const QRect status = form->Label13->geometry();
    form->resize(form->width() + 200, form->height() + 100);
    QTRY_COMPARE(form->HTMLView->geometry(), page.adjusted(0, 0, 100, 100));
    QCOMPARE(form->tChart->geometry(), chart.adjusted(100, 0, 200, 50));
    QCOMPARE(form->DiagMemo->geometry(), memo.adjusted(100, 50, 200, 100));
    QCOMPARE(form->Label13->geometry(), status.adjusted(0, 100, 200, 100));
    QCOMPARE(Field(*form, "edthi")->geometry().width(), 78);
    form->resize(500, 400);
    QTRY_COMPARE(form->size(), QSize(756, 660));
    QCOMPARE(form->HTMLView->geometry(), page);
}

void MainWindowTest::rightClickOpensContextMenu()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            items << action->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return); // the first item: copy
    });
    const QPoint onStatusLine = form->Label13->geometry().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onStatusLine,
                            form->mapToGlobal(onStatusLine));
    QApplication::sendEvent(form.get(), &event);
    // The clipboard items first; the case file items follow a separator, then the units.
    QTRY_COMPARE(items, QStringList({"Copy to clipboard", "Paste from clipboard", "", "Open\u2026",
                                     "Save As\u2026", "Open Recent", "", "Units"}));
    QTRY_VERIFY(m_fixture->platform.clipboard.startsWith("Kelvane,0,35.000,"));
}

void MainWindowTest::typeWithoutUoGivesTwenty()
{
    QFile types(m_fixture->programDir.path() + "/heatxtype.ini");
    QVERIFY(types.open(QIODevice::WriteOnly | QIODevice::Truncate));
    types.write("[fin and tube]\nUo=37\n[spiral]\nUo=many\n");
    types.close();
    auto form = m_fixture->MakeForm();
    QCOMPARE(form->cbHex->count(), 2);
    SetMask(*form, 47); // Uo unticked takes the type's
    form->cbHex->setFocus();
    QTest::keyClick(form->cbHex, Qt::Key_Down);
    QCOMPARE(form->cbHex->currentText(), QString("spiral"));
    QCOMPARE(Field(*form, "eduo")->text(), QString("20"));
}

void MainWindowTest::tablesFillDropDowns()
{
    const QString dir = m_fixture->programDir.path();
    {
        QFile fluids(dir + "/fluids.ini");
        QVERIFY(fluids.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fluids.write("[water]\ncp=4.19\n[oil]\nrho=870\n");
        QVERIFY(QFile::remove(dir + "/heatxtype.ini"));
    }
    auto form = m_fixture->MakeForm();
    QCOMPARE(form->cbHot->count(), 2);
    QCOMPARE(form->cbCold->itemText(1), QString("oil"));
    QCOMPARE(form->cbHot->currentText(), QString("water"));
    QCOMPARE(form->cbCold->currentText(), QString("oil"));
    QCOMPARE(form->cbHex->count(), 0);
    QTRY_VERIFY(form->Label13->text() != "Not Solved...");
    QCOMPARE(SolvedCase(*form).cph, 4.19);
    QCOMPARE(SolvedCase(*form).cpc, 1.0);                  // no "cp": the default
    QCOMPARE(Field(*form, "eduo")->text(), QString("37")); // no type: Uo stays
}

void MainWindowTest::missingOrEmptyTablesStillSolve_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("empty");
    QTest::newRow("no fluid table") << QStringList{"fluids.ini"} << QStringList{};
    QTest::newRow("empty fluid table") << QStringList{} << QStringList{"fluids.ini"};
    QTest::newRow("empty type table") << QStringList{} << QStringList{"heatxtype.ini"};
    QTest::newRow("no tables at all")
        << QStringList{"fluids.ini", "heatxtype.ini"} << QStringList{};
}

// Without table entries the drop-downs stay empty and the case keeps the
// record's specific heats and the Uo field's value: the window still solves,
// with no message.
void MainWindowTest::missingOrEmptyTablesStillSolve()
{
    QFETCH(QStringList, missing);
    QFETCH(QStringList, empty);
    const QString dir = m_fixture->programDir.path();
    for (const QString& table : missing)
        QVERIFY(QFile::remove(dir + '/' + table));
    for (const QString& table : empty) {
        QFile file(dir + '/' + table);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    auto form = m_fixture->MakeForm();
    const bool noFluids = missing.contains("fluids.ini") || empty.contains("fluids.ini");
    QCOMPARE(form->cbHot->count() == 0, noFluids);
    QCOMPARE(form->cbHex->count() == 0,
             missing.contains("heatxtype.ini") || empty.contains("heatxtype.ini"));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QVERIFY(m_fixture->platform.messages.isEmpty());
    if (noFluids) {
        QCOMPARE(SolvedCase(*form).cph, 1.023); // the built-in air and water of the record
        QCOMPARE(SolvedCase(*form).cpc, 4.193);
    }
    QCOMPARE(Field(*form, "eduo")->text(), QString("37"));
}

// Another arrangement than counter flow: the same duty and lmtd, the area
// divided by F, and the page and memo say so.
void MainWindowTest::shellPassesCorrectTheArea()
{
    double counterFlowArea = 0;
    {
        auto form = m_fixture->MakeForm(CaseOnType(hotOilCase, "shell and tube"));
        QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
        QVERIFY(!form->HTMLView->toPlainText().contains("arrangement"));
        QVERIFY(form->DiagMemo->toPlainText().contains("Uo Ao lmtd = 160.000 kW"));
        counterFlowArea = SolvedCase(*form).Ao;
    }
    auto form = m_fixture->MakeForm(CaseOnType(hotOilCase, "shell and tube, 2 shell passes"));
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    const THx& hx = SolvedCase(*form);
    QVERIFY(hx.F > 0.5 && hx.F < 1);
    QVERIFY(std::abs(hx.Ao - counterFlowArea / hx.F) <= 1e-12 * hx.Ao);
    QCOMPARE(Field(*form, "edao")->text(), Format("%0.3f", {counterFlowArea / hx.F}));
    const QString page = form->HTMLView->toPlainText();
    QVERIFY(page.contains("arrangement: shell and tube, 2 shell passes"));
    QVERIFY(page.contains("F = " + Format("%0.3f", {hx.F})));
    QVERIFY(form->DiagMemo->toPlainText().contains("Uo Ao F lmtd = 160.000 kW"));
}

// Both streams enter at the left: the cold line rises from tci there, where
// counter flow draws it falling from tco.
void MainWindowTest::parallelFlowChartsBothStreamsFromTheLeft()
{
    const char* eNtuCase = "2 120 0 2 1 20 0 0.8 %1 500 6.5 0 237";
    for (const QString type : {"parallel flow", "tube in tube"}) {
        auto form = m_fixture->MakeForm(CaseOnType(eNtuCase, type));
        QTRY_COMPARE(form->Label13->text(), QString("Solved  (e-Ntu method)..."));
        const THx& hx = SolvedCase(*form);
        const bool parallel = type == "parallel flow";
        QCOMPARE(form->tChart->Lines().size(), std::size_t(2));
        const auto& hot = form->tChart->Lines()[0]->Points();
        const auto& cold = form->tChart->Lines()[1]->Points();
        QCOMPARE(hot[0]->X, 0.0);
        QCOMPARE(hot[0]->Y, hx.thi);
        QCOMPARE(hot[1]->Y, hx.tho);
        QCOMPARE(cold[0]->X, 0.0);
        QCOMPARE(cold[0]->Y, parallel ? hx.tci : hx.tco);
        QCOMPARE(cold[1]->X, 1.0);
        QCOMPARE(cold[1]->Y, parallel ? hx.tco : hx.tci);
        const QImage chart = form->tChart->grab().toImage();
        const double left = ColdLineHeight(chart, 56);
        const double right = ColdLineHeight(chart, chart.width() - 26);
        QVERIFY2(parallel ? left > right : left < right, qPrintable(type));
    }
}

// The type stays in the drop-down with its Uo; Calc with it names what is
// wrong and shows no results; the other types still solve.
void MainWindowTest::unknownArrangementIsNoSolution()
{
    QFile types(m_fixture->programDir.path() + "/heatxtype.ini");
    QVERIFY(types.open(QIODevice::WriteOnly | QIODevice::Truncate));
    types.write("[fin and tube]\nUo=37\n[odd one]\nUo=40\narrangement=zig-zag\n");
    types.close();
    auto form = m_fixture->MakeForm();
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    SetMask(*form, 47); // Uo unticked takes the type's
    form->cbHex->setFocus();
    QTest::keyClick(form->cbHex, Qt::Key_Down);
    QCOMPARE(form->cbHex->currentText(), QString("odd one"));
    QCOMPARE(Field(*form, "eduo")->text(), QString("40"));
    PressF9(*form);
    QCOMPARE(form->Label13->text(),
             QString("No solution with this data... (unknown arrangement \"zig-zag\" in "
                     "heatxtype.ini, section [odd one])"));
    QVERIFY(form->HTMLView->toPlainText().trimmed().isEmpty());
    QVERIFY(form->DiagMemo->toPlainText().isEmpty());
    QCOMPARE(form->tChart->Lines().size(), std::size_t(0));
    form->cbHex->setFocus();
    QTest::keyClick(form->cbHex, Qt::Key_Up);
    PressF9(*form);
    QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
}

// Oil cooled from 120 to 40 °C by water heated from 20 to 60 °C, duty given:
// counter flow sizes it, one shell pass cannot reach it. The status names the
// arrangement, e and the limit in red; what was solved up to there stays shown,
// what was not (F, Ntu, the area) is blank.
void MainWindowTest::oneShellPassCannotReachTheDuty()
{
    const char* dutyCase = "2 120 40 1 1 20 60 1 %1 500 10 160 347";
    {
        auto form = m_fixture->MakeForm(CaseOnType(dutyCase, "shell and tube"));
        QTRY_COMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
        QCOMPARE(Field(*form, "edao")->text(), QString("8.789"));
    }
    auto form = m_fixture->MakeForm(CaseOnType(dutyCase, "shell and tube, 1 shell pass"));
    const QString finding = "effectiveness beyond the reach of shell and tube, 1 shell pass: "
                            "e 0.800, limit 0.764 at Cr 0.500";
    QTRY_COMPARE(form->Label13->text(), "Infeasible  (Duty specified): " + finding);
    QVERIFY(StatusShowsRed(*form));
    QVERIFY(StatusFitsItsLine(*form));
    const QStringList memo = MemoLines(*form);
    QCOMPARE(memo.size(), 11);
    QCOMPARE(memo[7], QString("Uo Ao F lmtd ="));
    QCOMPARE(memo[10], finding);
    const QString page = form->HTMLView->toPlainText();
    for (const char* line : {"arrangement: shell and tube, 1 shell pass", "mc = 0.954 kg/s",
                             "lmtd = 36.410", "e = 0.800", "Q = 160.000 kW"})
        QVERIFY2(page.contains(QString::fromUtf8(line)), line);
    for (const char* line : {"F =", "Ntu =", "Ao ="})
        QVERIFY2(page.split(u'\n').contains(QString::fromUtf8(line)), line);
    QCOMPARE(Field(*form, "edmc")->text(), QString("0.9540"));
    QCOMPARE(form->tChart->Lines().size(), std::size_t(2));
}
