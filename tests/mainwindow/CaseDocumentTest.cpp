#include "CaseDocumentTest.h"

#include "CaseArguments.h"
#include "CaseFile.h"
#include "FileDialog.h"
#include "Format.h"
#include "HeadlessRun.h"
#include "SpecMask.h"
#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <random>

namespace {

// Chooses the drop-down's item as the user does: the change handler runs.
void Choose(QComboBox& dropDown, int index)
{
    dropDown.setCurrentIndex(index);
    emit dropDown.activated(index);
}

// A random case of the 13 values with `mask` and `type`: temperatures from
// −50 to 400 °C, flows, Uo, Ao and Q spread over their fields' ranges.
QStringList RandomCase(std::mt19937& random, int fluids, int type, int mask)
{
    std::uniform_real_distribution<double> temperature(-50, 400);
    const auto logUniform = [&random](double lo, double hi) {
        return std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(random));
    };
    std::uniform_int_distribution<int> fluid(0, fluids - 1);
    const auto text = [](double value) { return FloatToRoundTripText(value); };
    return {QString::number(fluid(random)), text(temperature(random)),
            text(temperature(random)),      text(logUniform(0.01, 1000)),
            QString::number(fluid(random)), text(temperature(random)),
            text(temperature(random)),      text(logUniform(0.01, 1000)),
            QString::number(type),          text(logUniform(0.01, 10000)),
            text(logUniform(0.01, 1000)),   text(logUniform(0.001, 1000)),
            QString::number(mask)};
}

} // namespace

CaseDocumentTest::CaseDocumentTest() = default;
CaseDocumentTest::~CaseDocumentTest() = default;

void CaseDocumentTest::init()
{
    m_fixture = std::make_unique<TWindowFixture>();
}

void CaseDocumentTest::cleanup()
{
    m_fixture.reset();
}

// A fluid chosen after Calc reaches neither the saved file nor the copied case
// line until the next Calc solves it.
void CaseDocumentTest::saveAsAndCopyCarryTheSolvedCase()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    const THx solved = SolvedCase(*form);
    Choose(*form->cbHot, form->cbHot->findText("oil"));
    QCOMPARE(form->Label13->text(), QString("Not Solved..."));

    const QString path = m_fixture->programDir.filePath("mixed.xml");
    TFileDialog::SetNextFileName(path);
    form->ActionSaveAs->trigger();
    const TCaseFile saved = TCaseFile::Read(path);
    QCOMPARE(saved.hotFluid, QString("air"));
    QCOMPARE(saved.hotCp, std::optional(1.023));
    QCOMPARE(saved.values[mbQ], solved.Q);
    QCOMPARE(saved.mask, std::optional(InitialCaseMask));
    form->Copytoclipboard1->trigger();
    QCOMPARE(m_fixture->platform.clipboard,
             TCaseArguments::FromCase(solved, 0, 1, 0, InitialCaseMask).CaseLine());

    PressF9(*form);
    QCOMPARE(SolvedCase(*form).hotFluid, QString("oil"));
    QCOMPARE(SolvedCase(*form).cph, 2.0);
    form->Copytoclipboard1->trigger();
    QVERIFY(m_fixture->platform.clipboard.startsWith("Kelvane,2,"));
}

void CaseDocumentTest::tableValueThatIsNoNumberIsToldOnceAndWarnedOf()
{
    QFile fluids(m_fixture->programDir.filePath("fluids.ini"));
    QVERIFY(fluids.open(QIODevice::Append));
    QVERIFY(fluids.write("[brine]\ncp=4,193\n") > 0);
    fluids.close();
    const QString problem = "fluids.ini, section [brine], cp \"4,193\" is not a number: 1 is used";

    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    QCOMPARE(m_fixture->platform.messages,
             QStringList{"Values of the tables that are not numbers:\n" + problem});
    Choose(*form->cbHot, form->cbHot->findText("brine"));
    PressF9(*form);
    QCOMPARE(form->Label13->text(), "Solved with warnings  (Hot fluid specified): " + problem);
    QVERIFY(StatusShowsAmber(*form));
    QCOMPARE(SolvedCase(*form).cph, 1.0);
    QCOMPARE(m_fixture->platform.messages.size(), 1); // told once
}

// Every mask with every type of the shipped table, random values pasted at
// full precision: Calc gives the record, verdict and findings that --json
// gives, or the same failure.
void CaseDocumentTest::calcAgreesWithJsonOnRandomCases()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(form->Label13->text().startsWith("Solved"));
    std::mt19937 random(20261210);
    const int types = form->cbHex->count();
    for (int n = 0; n < 10000; ++n) {
        const int mask = n % 512;
        const QStringList values = RandomCase(random, form->cbHot->count(), n % types, mask);
        m_fixture->platform.clipboard = "Kelvane," + values.join(',');
        form->Pastefromclipboard1->trigger();
        form->ActionCalc->trigger();
        const TCaseResult& result = form->Document().Result();
        const THeadlessRun headless = RunHeadless(QStringList{"--solve", "--json"} + values);
        const QString label = values.join(',');
        if (result.failure) {
            QCOMPARE(headless.code, int(THeadlessSolver::ecNoSolution));
            QCOMPARE(QString::fromUtf8(headless.err), "kelvane: " + result.failure->Text() + "\n");
            QCOMPARE(form->Label13->text(), result.failure->Text());
            continue;
        }
        QJsonObject window =
            QJsonDocument::fromJson(THeadlessSolver::JsonOf(result.hx, result.verdict).toUtf8())
                .object();
        QJsonObject json = QJsonDocument::fromJson(headless.out).object();
        // A mask that computes nothing keeps the method of the solve before:
        // the window's last Calc, the headless solver's initial case.
        if (!SolveComputes(mask)) {
            window.remove("method");
            json.remove("method");
        }
        QVERIFY2(window == json, qPrintable(label));
    }
}
