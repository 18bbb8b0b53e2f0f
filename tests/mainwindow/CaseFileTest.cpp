#include "CaseFileTest.h"

#include "AppFolders.h"
#include "CaseInput.h"
#include "FileSizeLimit.h"
#include "Hx.h"
#include "Main.h"
#include "QvFmtEdit.h"
#include "SavedInitialCase.h"
#include "TestFiles.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>

CaseFileTest::CaseFileTest() = default;
CaseFileTest::~CaseFileTest() = default;

void CaseFileTest::init()
{
    m_fixture = std::make_unique<TWindowFixture>();
    // Not shown: the solved case stays the initial case until a Calc.
    m_form = m_fixture->MakeForm({}, false);
}

void CaseFileTest::cleanup()
{
    m_form.reset();
    m_fixture.reset();
}

QString CaseFileTest::CasePath() const
{
    return ExeFolder + "sample.xml";
}

void CaseFileTest::WriteCaseFile(const QByteArray& text) const
{
    QFile file(CasePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray CaseFileTest::ReadCaseFile() const
{
    return ReadAll(CasePath());
}

void CaseFileTest::savedInitialCaseIsTheWorkedExample()
{
    m_form->ActionSave->trigger();
    QCOMPARE(ReadCaseFile(), SavedInitialCase(SolvedCase(*m_form)));
    QVERIFY(m_fixture->platform.messages.isEmpty());
}

void CaseFileTest::saveThenLoadKeepsTheNineValues()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTRY_VERIFY(m_form->Label13->text().startsWith("Solved"));
    auto* uo = m_form->findChild<TFmtEdit*>("eduo");
    uo->setFocus();
    uo->selectAll();
    QTest::keyClicks(uo, "37.4");
    QTest::keyClick(m_form.get(), Qt::Key_F9);
    const QStringList solved = FieldTexts(*m_form);
    QCOMPARE(solved[6], QString("37.4"));
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(CasePath()));

    m_form->ActionReset->trigger();
    auto* thi = m_form->findChild<TFmtEdit*>("edthi");
    thi->SetValue(99.0);
    const QString status = m_form->Label13->text();
    m_form->ActionLoad->trigger();
    QCOMPARE(FieldTexts(*m_form), solved);
    QCOMPARE(SolvedCase(*m_form).Uo, 0.0374);  // stored in kW/(m²·K), every digit kept
    QCOMPARE(m_form->Label13->text(), status); // Load does not calculate
}

void CaseFileTest::savingTwiceGivesTheSameFile()
{
    m_form->ActionSave->trigger();
    const QByteArray first = ReadCaseFile();
    m_form->ActionSave->trigger();
    QCOMPARE(ReadCaseFile(), first);
    QCOMPARE(first.count("<thi>"), 1);
}

void CaseFileTest::loadReadsOnlyWhatTheFileHolds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("Q");
    QTest::addColumn<QString>("thi");
    QTest::addColumn<QString>("reason"); // empty: no message
    QTest::newRow("only the duty")
        << QByteArray("<datafile><duty><Q>10.000</Q></duty></datafile>") << "10.000"
        << "35.0" << QString();
    QTest::newRow("document element of another name")
        << QByteArray("<casefile><hot><thi>80.000</thi><name>oil</name></hot></casefile>")
        << "22.506"
        << "80.0" << QString();
    QTest::newRow("a text that is not a number keeps the value")
        << QByteArray("<datafile><hot><thi>hot</thi></hot><duty><Q>5</Q></duty></datafile>")
        << "5.000"
        << "35.0" << QString();
    QTest::newRow("malformed file") << QByteArray("<datafile><hot><thi>80.000</hot>") << "22.506"
                                    << "35.0"
                                    << "Start-end tags mismatch at offset 28";
    QTest::newRow("no file") << QByteArray() << "22.506"
                             << "35.0"
                             << "there is no such file";
}

// Into the fields, which show the reset case until the first Calc; the solved
// case waits for the next Calc.
void CaseFileTest::loadReadsOnlyWhatTheFileHolds()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    if (!file.isEmpty())
        WriteCaseFile(file);
    const THx before = SolvedCase(*m_form);
    m_form->cbHot->setCurrentIndex(2);
    m_form->ActionLoad->trigger();
    QTEST(Field(*m_form, "edq")->text(), "Q");
    QTEST(Field(*m_form, "edthi")->text(), "thi");
    QCOMPARE(Field(*m_form, "edtho")->text(), QString("13.0"));
    QCOMPARE(m_form->cbHot->currentIndex(), 2); // names in the file play no part
    QCOMPARE(SolvedCase(*m_form).Q, before.Q);
    const QStringList messages =
        reason.isEmpty() ? QStringList()
                         : QStringList{QString("Cannot load \"%1\": %2").arg(CasePath(), reason)};
    QCOMPARE(m_fixture->platform.messages, messages);
}

void CaseFileTest::failedSaveIsShownAndChangesNothing()
{
    // A folder where the file should be: no one can replace it.
    QVERIFY(QDir().mkpath(CasePath()));
    const double q = SolvedCase(*m_form).Q;
    m_form->ActionSave->trigger();
    QCOMPARE(m_fixture->platform.messages.size(), 1);
    QVERIFY(
        m_fixture->platform.messages.front().startsWith("Cannot save \"" + CasePath() + "\": "));
    QCOMPARE(SolvedCase(*m_form).Q, q);
    // The program goes on.
    m_form->ActionCalc->trigger();
    QVERIFY(m_form->Label13->text().startsWith("Solved"));
}

void CaseFileTest::failedSaveNamesTheFileAndKeepsTheOldOne_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    // An installed program folder the user cannot write to.
    QTest::newRow("read-only program folder") << true << false << "Permission denied";
    QTest::newRow("full disk") << false << true << "File too large";
}

void CaseFileTest::failedSaveNamesTheFileAndKeepsTheOldOne()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    const QByteArray old = "<datafile><duty><Q>10.000</Q></duty></datafile>";
    WriteCaseFile(old);
    const QDir folder(m_fixture->programDir.path());
    const QStringList entries = folder.entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    const QFile::Permissions permissions = QFile::permissions(folder.path());
    const auto restorePermissions =
        qScopeGuard([&] { QFile::setPermissions(folder.path(), permissions); });
    if (readOnlyFolder) {
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        if (QFile probe(folder.filePath("probe")); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("This user writes into read-only folders (root); the full disk row shows the "
                  "same message.");
        }
    }
    {
        TFileSizeLimit limit(diskFull ? 64 : RLIM_INFINITY);
        m_form->ActionSave->trigger();
    }
    QCOMPARE(m_fixture->platform.messages,
             QStringList{QString("Cannot save \"%1\": %2").arg(CasePath(), reason)});
    QCOMPARE(ReadCaseFile(), old);
    QCOMPARE(folder.entryList(QDir::NoDotAndDotDot | QDir::AllEntries), entries);
}
