#include "OpenSaveAsTest.h"

#include "BoundedFile.h"
#include "FileDialog.h"
#include "FileSizeLimit.h"
#include "Format.h"
#include "HTMLView.h"
#include "Hx.h"
#include "QvFmtEdit.h"
#include "SizeLimitFiles.h"
#include "TestFiles.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <sys/stat.h>

namespace {

// Everything the window shows of a case: fields, drop-downs, ticks, status.
QStringList Shown(TMainForm& form)
{
    QStringList shown;
    for (const QString& name : FieldNames)
        shown << Field(form, name)->text();
    shown << form.cbHot->currentText() << form.cbCold->currentText() << form.cbHex->currentText();
    shown << QString::number(form.MaskFromCheckBoxes()) << form.Label13->text();
    return shown;
}

void PressKeys(TMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(&form, key, modifiers);
}

void PressOpen(TMainForm& form)
{
    PressKeys(form, Qt::Key_O, Qt::ControlModifier);
}

void PressSaveAs(TMainForm& form)
{
    PressKeys(form, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
}

QAction* ActionNamed(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Right-clicks the status line and goes down `path` in the context menu by
// its items' texts, with the keyboard; false when an item is missing.
bool ChooseFromContextMenu(TMainForm& form, const QStringList& path)
{
    const QPoint onStatusLine = form.Label13->geometry().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onStatusLine, form.mapToGlobal(onStatusLine));
    QApplication::sendEvent(&form, &event);
    QMenu* menu = form.PopupMenu1;
    for (const QString& text : path) {
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            return false;
        QAction* action = ActionNamed(menu, text);
        if (!action || !action->isVisible() || !action->isEnabled()) {
            menu->hide();
            return false;
        }
        menu->setActiveAction(action);
        QTest::keyClick(menu, action->menu() ? Qt::Key_Right : Qt::Key_Return);
        if (action->menu())
            menu = action->menu();
    }
    return true;
}

// The recent cases as the context menu lists them.
QStringList RecentItems(TMainForm& form)
{
    QStringList items;
    for (QAction* action : form.RecentFilesMenu->actions()) {
        if (action->isVisible())
            items << action->text();
    }
    return items;
}

QString RecentItem(int number, const QString& path)
{
    return QStringLiteral("&%1 %2").arg(number).arg(path);
}

bool Solved(TMainForm& form)
{
    return form.Label13->text().startsWith("Solved");
}

} // namespace

OpenSaveAsTest::OpenSaveAsTest() = default;
OpenSaveAsTest::~OpenSaveAsTest() = default;

void OpenSaveAsTest::init()
{
    m_fixture = std::make_unique<TWindowFixture>();
}

void OpenSaveAsTest::cleanup()
{
    m_fixture.reset();
}

QString OpenSaveAsTest::DocumentPath(const QString& name) const
{
    return UserDataFolder + name;
}

void OpenSaveAsTest::saveAsThenOpenRestoresTheWholeCase()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    ChooseItem(form->cbHot, 2);  // oil
    ChooseItem(form->cbCold, 3); // sea water
    SetMask(*form, 219 - 64);    // Uo unticked takes the type's
    ChooseItem(form->cbHex, 4);  // plate: its Uo, 2500
    SetMask(*form, 219);
    TypeInto(Field(*form, "edthi"), "90");
    TypeInto(Field(*form, "edtho"), "50");
    TypeInto(Field(*form, "edtci"), "15");
    TypeInto(Field(*form, "edtco"), "35");
    TypeInto(Field(*form, "edao"), "3");
    PressKeys(*form, Qt::Key_F9, {});
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    const QStringList saved = Shown(*form);
    const double q = SolvedCase(*form).Q;

    // A tick changed since the Calc: the file keeps the mask the case was solved with.
    SetMask(*form, 219 + 256);
    const QString path = DocumentPath("lmtd.xml");
    TFileDialog::SetNextFileName(path);
    PressSaveAs(*form);
    const QByteArray file = ReadAll(path);
    for (const char* line :
         {"<name>oil</name>", "<name>sea water</name>", "<name>plate</name>",
          "<method>LMTD method</method>", "<Uo>2.5</Uo>", "    <given mask=\"219\"/>\r\n  </duty>"})
        QVERIFY2(file.contains(line), line);

    // Another case altogether, solved.
    form->ActionReset->trigger();
    ChooseItem(form->cbHot, 1);
    ChooseItem(form->cbCold, 0);
    ChooseItem(form->cbHex, 1);
    SetMask(*form, 111);
    PressKeys(*form, Qt::Key_F9, {});
    QVERIFY(Shown(*form) != saved);

    TFileDialog::SetNextFileName(path);
    PressOpen(*form);
    QCOMPARE(Shown(*form), saved);
    QCOMPARE(Format("%0.3f", {SolvedCase(*form).Q}), Format("%0.3f", {q}));
    QCOMPARE(SolvedCase(*form).hotFluid, QString("oil"));
    QCOMPARE(m_fixture->platform.messages, QStringList());
}

// The fouling and margin fields go where the nine go: into the solve, the
// file, the case line and the remembered case; a case line of 13 values has none.
void OpenSaveAsTest::allowancesSolveSaveOpenCopyPasteAndStay()
{
    const QString path = DocumentPath("fouled.xml");
    THx fouled;
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(Solved(*form));
        const THx clean = SolvedCase(*form);
        QVERIFY(!form->HTMLView->toPlainText().contains("Us ="));
        TypeInto(Field(*form, "edrfh"), "0.0002");
        TypeInto(Field(*form, "edrfc"), "0.0001");
        TypeInto(Field(*form, "edmargin"), "20");
        PressKeys(*form, Qt::Key_F9, {});
        QCOMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
        fouled = SolvedCase(*form);
        QCOMPARE(fouled.Rfh, 0.0002);
        QCOMPARE(fouled.margin, 20.0);
        QCOMPARE(fouled.Q, clean.Q);
        QVERIFY(std::abs(fouled.Ao / clean.Ao - 1.2 * (1 + 37 * 0.0003)) < 1e-12);
        QCOMPARE(Field(*form, "edrfh")->text(), QString("0.0002000"));
        QCOMPARE(Field(*form, "edmargin")->text(), QString("20.0"));
        const QString page = form->HTMLView->toPlainText();
        QVERIFY2(page.contains("margin = 20.000 %") && page.contains("OD = "), qPrintable(page));

        form->Copytoclipboard1->trigger();
        // The allowances as their shortest round-trip texts.
        const QString allowances = ",2e-04,1e-04,20";
        QVERIFY2(m_fixture->platform.clipboard.endsWith(allowances),
                 qPrintable(m_fixture->platform.clipboard));
        TFileDialog::SetNextFileName(path);
        PressSaveAs(*form);
        QVERIFY(ReadAll(path).contains("<margin>20</margin>"));

        // A case line without allowances takes them away.
        const QString line = m_fixture->platform.clipboard;
        m_fixture->platform.clipboard =
            line.left(line.size() - QString(",0.0002,0.0001,20").size());
        form->Pastefromclipboard1->trigger();
        QCOMPARE(Field(*form, "edrfh")->GetValue().ToFloat(), 0.0);
        QCOMPARE(Field(*form, "edmargin")->GetValue().ToFloat(), 0.0);
        PressKeys(*form, Qt::Key_F9, {});
        QCOMPARE(SolvedCase(*form).Ao, clean.Ao);

        TFileDialog::SetNextFileName(path);
        PressOpen(*form);
        QCOMPARE(SolvedCase(*form).Ao, fouled.Ao);
        form->close();
    }
    auto form = m_fixture->MakeForm();
    QCOMPARE(Field(*form, "edrfc")->GetValue().ToFloat(), 0.0001);
    QCOMPARE(Field(*form, "edmargin")->GetValue().ToFloat(), 20.0);
    QTRY_VERIFY(Solved(*form));
    QCOMPARE(SolvedCase(*form).Ao, fouled.Ao);
}

void OpenSaveAsTest::fileFromSaveOpensWithTheTicksUnchanged()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    PressKeys(*form, Qt::Key_S, Qt::ControlModifier); // sample.xml, no mask
    const QStringList saved = Shown(*form);

    ChooseItem(form->cbHot, 2);
    TypeInto(Field(*form, "edthi"), "60");
    SetMask(*form, 111 + 256);
    TFileDialog::SetNextFileName(ExeFolder + "sample.xml");
    PressOpen(*form);
    QCOMPARE(form->MaskFromCheckBoxes(), 111 + 256);
    QCOMPARE(form->cbHot->currentText(), QString("air"));
    QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
    QCOMPARE(form->Label13->text(), QString("Solved  (Duty specified)..."));
    // The duty ticked: the values come back as saved and solve to themselves.
    QStringList expected = saved;
    expected[12] = "367";
    expected[13] = "Solved  (Duty specified)...";
    QCOMPARE(Shown(*form), expected);
}

void OpenSaveAsTest::badFileShowsTheReasonAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("malformed XML")
        << QByteArray("<datafile><hot><thi>80.000</hot>") << "Start-end tags mismatch at offset 28";
    QTest::newRow("not a case file")
        << QByteArray("<html><body/></html>")
        << "it is not a case file: it holds none of the values thi, tho, mh, tci, tco, mc, Uo, "
           "Ao, Q";
    QByteArray noNumber = LmtdCaseText();
    noNumber.replace("<Ao>3.000</Ao>", "<Ao>large</Ao>");
    QTest::newRow("a value that is not a number") << noNumber << "it holds no number for Ao";
    QByteArray badMask = LmtdCaseText();
    badMask.replace("mask=\"219\"", "mask=\"1023\"");
    QTest::newRow("a mask beyond the nine values")
        << badMask << "the mask of given values \"1023\" is not a whole number from 0 to 511";
    QByteArray noCp = LmtdCaseText("oil", "glycol");
    noCp.replace("<cpc>3.900</cpc>", "");
    QTest::newRow("a fluid the tables lack, without its cp")
        << noCp
        << "the fluid \"glycol\" is not in the fluid table, and the file gives no specific heat "
           "for it";
}

void OpenSaveAsTest::badFileShowsTheReasonAndChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    TypeInto(Field(*form, "edq"), "12.5"); // typed, not yet solved
    const QStringList before = Shown(*form);
    const double thi = SolvedCase(*form).thi;
    const QString path = DocumentPath("bad.xml");
    QVERIFY(WriteAll(path, content));

    TFileDialog::SetNextFileName(path);
    PressOpen(*form);
    QCOMPARE(m_fixture->platform.messages,
             QStringList{QString("Cannot open \"%1\": %2").arg(path, reason)});
    QCOMPARE(Shown(*form), before);
    QCOMPARE(SolvedCase(*form).thi, thi);
    QCOMPARE(RecentItems(*form), QStringList());
}

// The note of the tables joins a status with warnings in its amber, and takes
// the smaller type the whole line needs.
void OpenSaveAsTest::tableNoteTakesTheStatusColourAndType()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    const QString path = DocumentPath("flue.xml");
    QVERIFY(WriteAll(path, "<datafile><hot><name>flue gas</name><thi>400</thi><tho>180</tho>"
                           "<mh>1.2</mh><cph>1.1</cph></hot><cold><name>water</name><tci>20</tci>"
                           "<tco>80</tco><mc>1</mc></cold><heatx><Uo>0.05</Uo><Ao>10</Ao></heatx>"
                           "<duty><Q>0</Q><given mask=\"63\"/></duty></datafile>"));
    TFileDialog::SetNextFileName(path);
    PressOpen(*form);
    const QString status = form->Label13->text();
    QVERIFY2(status.startsWith("Solved with warnings  (Cold fluid specified): given value changed"),
             qPrintable(status));
    QVERIFY2(status.endsWith("  Not in the tables: flue gas (cp 1.1 from the file)"),
             qPrintable(status));
    QVERIFY(StatusShowsAmber(*form));
    QCOMPARE(form->Label13->font().pointSize(), 7); // the smallest, as for any status this long
}

// A fluid the tables lack is solved with the specific heat the file gives it.
void OpenSaveAsTest::namesTheTablesLackAreSolvedFromTheFileAndShown()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    const QString path = DocumentPath("foreign.xml");
    QVERIFY(WriteAll(path, LmtdCaseText("glycol", "oil", "spiral")));
    TFileDialog::SetNextFileName(path);
    PressOpen(*form);
    QCOMPARE(form->cbHot->currentIndex(), -1); // no entry of the table stands for it
    QCOMPARE(form->cbCold->currentText(), QString("oil"));
    QCOMPARE(form->cbHex->currentText(), QString("fin and tube")); // as it was
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)...  Not in the tables: glycol "
                                            "(cp 2 from the file), spiral"));
    const THx& hx = SolvedCase(*form);
    QCOMPARE(hx.hotFluid, QString("glycol"));
    QCOMPARE(hx.cph, 2.0);
    QCOMPARE(hx.cpc, 2.0); // oil is in the table: its cp, not the file's 3.9
    QCOMPARE(hx.mh, hx.Q / (2.0 * (90 - 50)));
    QCOMPARE(Field(*form, "eduo")->text(), QString("2500"));
    // The next Calc says nothing more about the file and solves the same fluid.
    PressKeys(*form, Qt::Key_F9, {});
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    QCOMPARE(SolvedCase(*form).hotFluid, QString("glycol"));
}

void OpenSaveAsTest::cancelledDialogsChangeNothing()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    TypeInto(Field(*form, "edthi"), "50");
    const QStringList before = Shown(*form);
    TFileDialog::SetNextFileName(QString());
    PressOpen(*form);
    QCOMPARE(Shown(*form), before);
    TFileDialog::SetNextFileName(QString());
    PressSaveAs(*form);
    QCOMPARE(QDir(UserDataFolder).entryList(QDir::Files), QStringList());
    QCOMPARE(RecentItems(*form), QStringList());
    QCOMPARE(m_fixture->platform.messages, QStringList());
}

void OpenSaveAsTest::failedSaveAsShowsTheReasonAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "old.xml" << true << "File too large";
    QTest::newRow("a folder that does not exist")
        << "gone/new.xml" << false << "No such file or directory";
}

void OpenSaveAsTest::failedSaveAsShowsTheReasonAndKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    const QByteArray old = LmtdCaseText();
    QVERIFY(WriteAll(DocumentPath("old.xml"), old));
    const QString path = DocumentPath(name);
    {
        TFileSizeLimit limit(diskFull ? 64 : RLIM_INFINITY);
        TFileDialog::SetNextFileName(path);
        PressSaveAs(*form);
    }
    QCOMPARE(m_fixture->platform.messages,
             QStringList{QString("Cannot save \"%1\": %2").arg(path, reason)});
    QCOMPARE(ReadAll(DocumentPath("old.xml")), old);
    QCOMPARE(QDir(UserDataFolder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"old.xml"});
    QCOMPARE(RecentItems(*form), QStringList());
    QVERIFY(Solved(*form)); // the program goes on
}

// The desktop's own dialogs, answered by typing a file name as a user does.
void OpenSaveAsTest::dialogsStartInTheDocumentsFolderWithTheCaseFilter()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    const QStringList saved = Shown(*form);
    struct TAsked
    {
        QString folder;
        QStringList filters;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    };
    TAsked asked;
    const auto answer = [&asked](const QString& typed) {
        return [&asked, typed](QFileDialog* dialog) {
            asked = {dialog->directory().absolutePath(), dialog->nameFilters(),
                     dialog->acceptMode()};
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, Qt::Key_Return);
        };
    };

    WhenModal<QFileDialog>(answer("typed"));
    PressSaveAs(*form);
    QCOMPARE(asked.folder, QDir::cleanPath(UserDataFolder));
    QCOMPARE(asked.filters, QStringList{"Kelvane cases (*.xml)"});
    QCOMPARE(asked.mode, QFileDialog::AcceptSave);
    QVERIFY(ReadAll(DocumentPath("typed.xml")).contains("<given mask=\"111\"/>"));

    // Without a window manager nothing hands the activation back after a dialog.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    ChooseItem(form->cbHot, 2);
    SetMask(*form, 111 + 256);
    WhenModal<QFileDialog>(answer("typed.xml"));
    PressOpen(*form);
    QCOMPARE(asked.folder, QDir::cleanPath(UserDataFolder));
    QCOMPARE(asked.filters, QStringList{"Kelvane cases (*.xml)"});
    QCOMPARE(asked.mode, QFileDialog::AcceptOpen);
    QCOMPARE(Shown(*form), saved);
}

void OpenSaveAsTest::contextMenuAndKeysReachOpenAndSaveAs()
{
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    QCOMPARE(form->ActionOpen->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(form->ActionSaveAs->shortcut(), QKeySequence("Ctrl+Shift+S"));
    QVERIFY(!form->RecentFilesMenu->isEnabled()); // nothing opened or saved yet

    const QString path = DocumentPath("menu & more.xml");
    TFileDialog::SetNextFileName(path);
    QVERIFY(ChooseFromContextMenu(*form, {"Save As\u2026"}));
    QVERIFY(QFile::exists(path));
    QVERIFY(form->RecentFilesMenu->isEnabled());
    // An ampersand in a name is shown, not taken for a keyboard accelerator.
    QCOMPARE(RecentItems(*form), QStringList{"&1 " + DocumentPath("menu && more.xml")});

    QVERIFY(WriteAll(path, LmtdCaseText()));
    TFileDialog::SetNextFileName(path);
    QVERIFY(ChooseFromContextMenu(*form, {"Open\u2026"}));
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));

    // The keys work while a field has the focus.
    form->ActionReset->trigger();
    TypeInto(Field(*form, "edq"), "5");
    TFileDialog::SetNextFileName(path);
    QTest::keyClick(Field(*form, "edq"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(form->Label13->text(), QString("Solved  (LMTD method)..."));
    QCOMPARE(Field(*form, "edthi")->text(), QString("90.0"));
}

void OpenSaveAsTest::recentListKeepsOrderAndDropsAMissingFile()
{
    const QString a = DocumentPath("a.xml");
    const QString b = DocumentPath("b.xml");
    const QString c = DocumentPath("c.xml");
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(Solved(*form));
        for (const QString& path : {a, b, c}) {
            TFileDialog::SetNextFileName(path);
            PressSaveAs(*form);
        }
        TFileDialog::SetNextFileName(a);
        PressOpen(*form);
        QCOMPARE(RecentItems(*form),
                 QStringList({RecentItem(1, a), RecentItem(2, c), RecentItem(3, b)}));
        form->close();
    }
    // A new start lists them as they were.
    auto form = m_fixture->MakeForm();
    QTRY_VERIFY(Solved(*form));
    QCOMPARE(RecentItems(*form),
             QStringList({RecentItem(1, a), RecentItem(2, c), RecentItem(3, b)}));

    QVERIFY(QFile::remove(c));
    TypeInto(Field(*form, "edthi"), "33");
    const QStringList before = Shown(*form);
    QVERIFY(ChooseFromContextMenu(*form, {"Open Recent", RecentItem(2, c)}));
    QCOMPARE(m_fixture->platform.messages,
             QStringList{QString("The case file \"%1\" no longer exists; it is removed from the "
                                 "recent cases.")
                             .arg(c)});
    QCOMPARE(Shown(*form), before);
    QCOMPARE(RecentItems(*form), QStringList({RecentItem(1, a), RecentItem(2, b)}));
    QCOMPARE(TSettingsStore(GetAppRegistryKey()).ReadString("RecentFiles", "File2", ""), b);
    QVERIFY(!TSettingsStore(GetAppRegistryKey()).ValueExists("RecentFiles", "File3"));

    // An item that is there opens its case and moves to the top.
    QVERIFY(ChooseFromContextMenu(*form, {"Open Recent", RecentItem(2, b)}));
    QCOMPARE(RecentItems(*form), QStringList({RecentItem(1, b), RecentItem(2, a)}));
    QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
    QVERIFY(Solved(*form));
}

void OpenSaveAsTest::commandLineFileOpensSolved()
{
    const QString path = DocumentPath("start.xml");
    QVERIFY(WriteAll(path, LmtdCaseText("oil", "water", "spiral")));
    auto form = m_fixture->MakeForm({path});
    QTRY_COMPARE(form->Label13->text(),
                 QString("Solved  (LMTD method)...  Not in the tables: spiral"));
    QCOMPARE(form->cbHot->currentText(), QString("oil"));
    QCOMPARE(form->cbCold->currentText(), QString("water"));
    QCOMPARE(form->MaskFromCheckBoxes(), 219);
    QCOMPARE(Field(*form, "edthi")->text(), QString("90.0"));
    QCOMPARE(Field(*form, "eduo")->text(), QString("2500"));
    QCOMPARE(SolvedCase(*form).tco, 35.0);
    QCOMPARE(RecentItems(*form), QStringList{RecentItem(1, path)});
    QCOMPARE(m_fixture->platform.messages, QStringList());
}

// A path on the command line that is no case file to read: the window says
// why, as Open says it of the same path, and shows the last case.
void OpenSaveAsTest::commandLineFileThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("kind"); // MakeEntry's, "none" (no such file) or "device"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reason");
    const QByteArray open("<datafile>");
    QTest::newRow("no such file") << "none" << QByteArray() << qint64(0) << "there is no such file";
    QTest::newRow("a folder") << "folder" << QByteArray() << qint64(0)
                              << "it is a folder, not a file";
    QTest::newRow("a named pipe") << "fifo" << QByteArray() << qint64(0)
                                  << "it is a named pipe (FIFO), not a file";
    QTest::newRow("a device") << "device" << QByteArray() << qint64(0)
                              << "it is a device, not a file";
    QTest::newRow("empty") << "file" << QByteArray() << qint64(0)
                           << "No document element found at offset 0";
    QTest::newRow("200 MB") << "file" << open << qint64(200) * TBoundedFile::MB
                            << "it is larger than the limit of 1 MB (1048576 bytes)";
    QTest::newRow("malformed") << "file" << open << qint64(open.size())
                               << "Start-end tags mismatch at offset 9";
}

void OpenSaveAsTest::commandLineFileThatCannotBeOpened()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    const QString path = kind == "device" ? QString("/dev/zero") : DocumentPath("start.xml");
    if (kind != "none" && kind != "device")
        QVERIFY(MakeEntry(path, kind, content, size, ' ', TBoundedFile::MB));
    const QString message = QString("Cannot open \"%1\": %2").arg(path, reason);
    auto form = m_fixture->MakeForm({path});
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
    QCOMPARE(form->MaskFromCheckBoxes(), 111);
    QCOMPARE(m_fixture->platform.messages, QStringList{message});
    QCOMPARE(RecentItems(*form), QStringList());

    TFileDialog::SetNextFileName(path);
    PressOpen(*form);
    QCOMPARE(m_fixture->platform.messages, QStringList({message, message}));
    QCOMPARE(Field(*form, "edthi")->text(), QString("35.0"));
    QCOMPARE(RecentItems(*form), QStringList());
}

// A saved case replaced by something that is no case file to read: Open and
// Open Recent say what it is and change nothing; the recent list keeps it. On
// the command line it gets its reason too, then the last case.
void OpenSaveAsTest::fileThatIsNoCaseFileShowsWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a named pipe") << "fifo"
                                  << "it is a named pipe (FIFO), not a file";
    QTest::newRow("a file of 200 MB") << "200 MB"
                                      << "it is larger than the limit of 1 MB (1048576 bytes)";
}

void OpenSaveAsTest::fileThatIsNoCaseFileShowsWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = DocumentPath("replaced.xml");
    const QString message = QString("Cannot open \"%1\": %2").arg(path, reason);
    {
        auto form = m_fixture->MakeForm();
        QTRY_VERIFY(Solved(*form));
        TFileDialog::SetNextFileName(path);
        PressSaveAs(*form);
        if (kind == "fifo") {
            QVERIFY(QFile::remove(path));
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QVERIFY(QFile::resize(path, 200 * 1024 * 1024));
        }
        TypeInto(Field(*form, "edthi"), "33");
        const QStringList before = Shown(*form);

        TFileDialog::SetNextFileName(path);
        PressOpen(*form);
        QVERIFY(ChooseFromContextMenu(*form, {"Open Recent", RecentItem(1, path)}));
        QCOMPARE(m_fixture->platform.messages, QStringList({message, message}));
        QCOMPARE(Shown(*form), before);
        QCOMPARE(RecentItems(*form), QStringList{RecentItem(1, path)});
        form->close();
    }
    m_fixture->platform.messages.clear();
    auto form = m_fixture->MakeForm({path});
    QTRY_COMPARE(form->Label13->text(), QString("Solved  (Hot fluid specified)..."));
    QCOMPARE(m_fixture->platform.messages, QStringList{message});
    QCOMPARE(RecentItems(*form), QStringList{RecentItem(1, path)});
}
