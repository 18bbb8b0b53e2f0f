#include "FmtEditTest.h"

#include "ConvertError.h"
#include "Format.h"
#include "QvFmtEdit.h"
#include "QvUnitsForm.h"
#include "RecordingPlatform.h"
#include "UnitsLabelLink.h"
#include "WhenModal.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

// A window with two fields sharing one units label, shown and active. A
// button ahead of the fields takes the window's first focus, so that a test
// sets its fields up before one of them is entered.
class TFieldsWindow : public QWidget
{
public:
    TFieldsWindow()
        : start(new QPushButton(QStringLiteral("start"), this)), edit(new TFmtEdit(this)),
          other(new TFmtEdit(this)), label(new TFmtEditLabel(this))
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(start);
        layout->addWidget(edit);
        layout->addWidget(other);
        layout->addWidget(label);
        edit->setObjectName(QStringLiteral("edit"));
        other->setObjectName(QStringLiteral("other"));
        show();
        activateWindow();
    }

    QPushButton* start = nullptr;
    TFmtEdit* edit = nullptr;
    TFmtEdit* other = nullptr;
    TFmtEditLabel* label = nullptr;
};

// A units label of a class the field does not know, recording the links the
// field reports.
class TRecordingUnitsLabel : public QLabel, public TUnitsLabelLink
{
    Q_OBJECT
    Q_INTERFACES(TUnitsLabelLink)

public:
    QStringList calls;

private:
    void EditLinked(QvCustomEdit* edit) override { calls << "linked " + edit->objectName(); }
    void EditUnlinked(QvCustomEdit* edit) override { calls << "unlinked " + edit->objectName(); }
};

// A mass flow field as the main window sets one up: kg/s, 0.01 to 1000.
void MakeMassFlowField(QvCustomEdit* edit, QLabel* label)
{
    edit->SetUnitsType(utMassFlow);
    edit->SetRangeLo(0.01);
    edit->SetRangeHi(1000.0);
    edit->SetUnitsLabel(label);
    edit->SetValue(1.0);
}

void MakeTemperatureField(QvCustomEdit* edit, QLabel* label)
{
    edit->SetUnitsType(utTemperature);
    edit->SetUnitsLabel(label);
    edit->SetValue(35.0);
}

// Focuses the field, selects everything and types `text` over it.
void Retype(QvCustomEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ClickLabelAt(TFmtEditLabel* label, QPoint cursor)
{
    QCursor::setPos(cursor);
    QTest::mouseClick(label, Qt::LeftButton);
}

// Clicks the label and picks the unit in `row` of the list with the mouse.
void ChooseUnitOnLabel(TFmtEditLabel* label, int row)
{
    WhenModal<TUnitsForm>([row](TUnitsForm* form) {
        const QRect item = form->ListBox1()->visualItemRect(form->ListBox1()->item(row));
        QTest::mousePress(form->ListBox1()->viewport(), Qt::LeftButton, {}, item.center());
    });
    ClickLabelAt(label, QPoint(50, 50));
}

// An area field in m², which shows one decimal.
void MakeAreaField(QvCustomEdit* edit, QLabel* label)
{
    edit->SetUnitsType(utArea);
    edit->SetRangeLo(0.01);
    edit->SetRangeHi(1000.0);
    edit->SetUnitsLabel(label);
}

// The field's value as exact text, so that a difference in the last digit fails.
QString ExactValue(const QvCustomEdit* edit)
{
    return edit->GetValue().ToString();
}

} // namespace

void FmtEditTest::initTestCase()
{
    QVERIFY(QGuiApplication::platformName() == QStringLiteral("offscreen"));
}

void FmtEditTest::temperatureShownInFahrenheit()
{
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeTemperatureField(w.edit, w.label);
    w.edit->SetUnitsValue(1);
    QCOMPARE(w.label->text(), QStringLiteral("°F"));

    w.edit->SetValue(35.0);
    QCOMPARE(w.edit->text(), QStringLiteral("95.0"));

    Retype(w.edit, QStringLiteral("212"));
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(w.edit->text(), QStringLiteral("212.0"));
    QVERIFY(w.edit->GetValue().IsFloat());
    QCOMPARE(w.edit->GetValue().ToFloat(), 100.0);
}

// Typed into a kg/s field with the range 0.01 to 1000 kg/s, then Enter.
void FmtEditTest::typedValueReformattedOnEnter_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("rangeLo");
    QTest::addColumn<double>("rangeHi");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("in range") << 0 << 0.01 << 1000.0 << "12.5"
                              << "12.5000" << 0;
    QTest::newRow("0.4 % above the top is taken as typed") << 0 << 0.01 << 1000.0 << "1004"
                                                           << "1004.0000" << 0;
    QTest::newRow("0.6 % above the top becomes the top") << 0 << 0.01 << 1000.0 << "1006"
                                                         << "1000.0000" << 1;
    QTest::newRow("half the bottom becomes the bottom") << 0 << 0.01 << 1000.0 << "0.005"
                                                        << "0.0100" << 1;
    QTest::newRow("in g/s the bottom reads 10") << 1 << 0.01 << 1000.0 << "5"
                                                << "10.0" << 1;
    QTest::newRow("in g/s the top reads 1000000") << 1 << 0.01 << 1000.0 << "2000000"
                                                  << "1000000.0" << 1;
    QTest::newRow("no range takes any number") << 0 << 0.0 << 0.0 << "123456"
                                               << "123456.0000" << 0;
    QTest::newRow("a zero bottom is strict") << 0 << 0.0 << 10.0 << "-0.001"
                                             << "0.0000" << 1;
    QTest::newRow("typed text cleaned first") << 0 << 0.01 << 1000.0 << "1.2.3"
                                              << "1.2300" << 0;
}

void FmtEditTest::typedValueReformattedOnEnter()
{
    QFETCH(int, units);
    QFETCH(double, rangeLo);
    QFETCH(double, rangeHi);
    QFETCH(QString, typed);
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->SetUnitsType(utMassFlow);
    w.edit->SetRangeLo(rangeLo);
    w.edit->SetRangeHi(rangeHi);
    w.edit->SetUnitsValue(units);

    Retype(w.edit, typed);
    QTest::keyClick(w.edit, Qt::Key_Return);

    QTEST(w.edit->text(), "shown");
    QTEST(platform.beeps, "beeps");
    QVERIFY(w.edit->isModified());
    QVERIFY(w.edit->hasFocus());
}

void FmtEditTest::fractionNumbersPulledIntoRange()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->SetFormatStr(QStringLiteral("%0.2f/%0.2f"));
    w.edit->SetRangeLo(1.0);
    w.edit->SetRangeHi(100.0);

    Retype(w.edit, QStringLiteral("0.5/500"));
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(w.edit->text(), QStringLiteral("1.00/100.00"));
    QCOMPARE(platform.beeps, 1);

    Retype(w.edit, QStringLiteral("7"));
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(w.edit->text(), QStringLiteral("7.00"));
    QCOMPARE(w.edit->GetValue().ToString(), QStringLiteral("7"));
    QCOMPARE(platform.beeps, 1);
}

void FmtEditTest::exitOutOfRangeKeepsFocusAndFiresExit()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    QSignalSpy exits(w.edit, &QvCustomEdit::OnExit);
    QSignalSpy otherEnters(w.other, &QvCustomEdit::OnEnter);

    Retype(w.edit, QStringLiteral("1006"));
    QTest::keyClick(w.edit, Qt::Key_Tab);

    QCOMPARE(w.edit->text(), QStringLiteral("1000.0000"));
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(exits.count(), 1);
    QVERIFY(w.edit->hasFocus());
    QCOMPARE(QApplication::focusWidget(), w.edit);
    QVERIFY(w.edit->isModified());
    QCOMPARE(otherEnters.count(), 0);
    // Escape after the pull-back still restores what was there on entry.
    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(w.edit->text(), QStringLiteral("1.0000"));
}

void FmtEditTest::exitInRangeLetsFocusGo()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    QSignalSpy exits(w.edit, &QvCustomEdit::OnExit);

    Retype(w.edit, QStringLiteral("2.5"));
    QTest::keyClick(w.edit, Qt::Key_Tab);

    QCOMPARE(w.edit->text(), QStringLiteral("2.5000"));
    QCOMPARE(QApplication::focusWidget(), w.other);
    QCOMPARE(platform.beeps, 0);
    QCOMPARE(exits.count(), 1);
    // The window learns of the user's change from the flag after leaving.
    QVERIFY(w.edit->isModified());
    QCOMPARE(w.edit->GetValue().ToFloat(), 2.5);
}

// Leaving one out-of-range field for another that also holds an out-of-range
// modified text: the first takes the focus back once, the second never
// validates, and the focus settles.
void FmtEditTest::noFocusPingPongBetweenTwoOutOfRangeFields()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    MakeMassFlowField(w.other, w.label);
    w.other->setText(QStringLiteral("5000"));
    w.other->setModified(true);
    QSignalSpy exits(w.edit, &QvCustomEdit::OnExit);
    QSignalSpy otherExits(w.other, &QvCustomEdit::OnExit);
    QSignalSpy otherEnters(w.other, &QvCustomEdit::OnEnter);

    Retype(w.edit, QStringLiteral("2000"));
    QTest::keyClick(w.edit, Qt::Key_Tab);

    QCOMPARE(QApplication::focusWidget(), w.edit);
    QCOMPARE(w.edit->text(), QStringLiteral("1000.0000"));
    QCOMPARE(w.other->text(), QStringLiteral("5000"));
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(otherExits.count(), 0);
    QCOMPARE(otherEnters.count(), 0);

    // The bound now shown is in range: the next Tab lets the focus go.
    QTest::keyClick(w.edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.other);
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(exits.count(), 2);
    QCOMPARE(otherEnters.count(), 1);
    QVERIFY(!w.other->isModified());
}

// Another window taking the activation is no exit: nothing validates and the
// field keeps its entry text for Escape.
void FmtEditTest::windowSwitchDoesNotValidate()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    QSignalSpy exits(w.edit, &QvCustomEdit::OnExit);
    Retype(w.edit, QStringLiteral("5000"));

    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QCOMPARE(exits.count(), 0);
    QCOMPARE(platform.beeps, 0);
    QCOMPARE(w.edit->text(), QStringLiteral("5000"));
    QCOMPARE(w.edit->EntryText(), QStringLiteral("1.0000"));
    QVERIFY(w.edit->isModified());
}

void FmtEditTest::escapeRestoresEntryText()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);

    Retype(w.edit, QStringLiteral("42"));
    QCOMPARE(w.edit->text(), QStringLiteral("42"));
    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(w.edit->text(), QStringLiteral("1.0000"));
    QVERIFY(!w.edit->isModified());

    // Without typing Escape changes nothing, even after the window rewrote the text.
    w.edit->SetValue(3.0);
    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(w.edit->text(), QStringLiteral("3.0000"));
    QCOMPARE(platform.beeps, 0);
}

// The unit switched through the label while the field has the focus, then a
// typed text escaped: the field gives back the value it held on entry, shown
// in the unit the label now names.
void FmtEditTest::escapeAfterUnitSwitchKeepsHeldValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("held");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("unitsName");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("kg/s to lb/hr") << int(utMassFlow) << 1.0 << "1.0000" << 5 << "7936.6"
                                   << "lb/hr" << 0.05 / 7936.64;
    QTest::newRow("kg/s to g/s") << int(utMassFlow) << 2.5 << "2.5000" << 1 << "2500.0"
                                 << "g/s" << 0.0;
    QTest::newRow("°C to °F") << int(utTemperature) << 35.0 << "35.0" << 1 << "95.0"
                              << "°F" << 0.0;
    QTest::newRow("°C to K") << int(utTemperature) << 20.0 << "20.0" << 2 << "293.15"
                             << "K" << 1e-9;
}

void FmtEditTest::escapeAfterUnitSwitchKeepsHeldValue()
{
    QFETCH(int, type);
    QFETCH(double, held);
    QFETCH(QString, entryText);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(double, tolerance);
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->SetUnitsType(static_cast<TUnitsType>(type));
    w.edit->SetUnitsLabel(w.label);
    w.edit->SetValue(held);
    w.edit->setFocus();
    QCOMPARE(w.edit->text(), entryText);

    WhenModal<TUnitsForm>([row](TUnitsForm* form) {
        QListWidget* list = form->ListBox1();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    });
    ClickLabelAt(w.label, QPoint(40, 40));
    QCOMPARE(w.edit->text(), shown);
    // The list has closed; the desktop gives the window back its activation.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.edit);

    w.edit->selectAll();
    QTest::keyClicks(w.edit, QStringLiteral("5"));
    QCOMPARE(w.edit->text(), QStringLiteral("5"));
    QTest::keyClick(w.edit, Qt::Key_Escape);

    QCOMPARE(w.edit->text(), shown);
    QTEST(w.label->text(), "unitsName");
    QVERIFY(!w.edit->isModified());
    QVERIFY2(qAbs(w.edit->GetValue().ToFloat() - held) <= tolerance,
             qPrintable(w.edit->GetValue().ToString()));
    QCOMPARE(platform.beeps, 0);
}

void FmtEditTest::escapeClaimedFromDialogOnlyWhileModified()
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QPushButton(QStringLiteral("start"), &dialog));
    auto* edit = new TFmtEdit(&dialog);
    layout->addWidget(edit);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    edit->SetValue(1.5);
    QSignalSpy rejected(&dialog, &QDialog::rejected);

    Retype(edit, QStringLiteral("9"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), QStringLiteral("1.5"));
    QCOMPARE(rejected.count(), 0);
    QVERIFY(dialog.isVisible());

    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
}

void FmtEditTest::escapeClaimedFromShortcutOnlyWhileModified()
{
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    QShortcut shortcut(Qt::Key_Escape, &w);
    QSignalSpy activated(&shortcut, &QShortcut::activated);

    Retype(w.edit, QStringLiteral("3"));
    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(activated.count(), 0);
    QCOMPARE(w.edit->text(), QStringLiteral("1.0000"));

    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(activated.count(), 1);
}

void FmtEditTest::keyFiltering_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("a letter is refused in a fixed format") << "%0.1f"
                                                           << "a"
                                                           << "" << 1;
    QTest::newRow("e is refused in a fixed format") << "%0.1f"
                                                    << "1e5"
                                                    << "15" << 1;
    QTest::newRow("e is taken in a general format") << "%0.5g"
                                                    << "1e5"
                                                    << "1e5" << 0;
    QTest::newRow("E is taken in a general format") << "%0.5g"
                                                    << "-2E3"
                                                    << "-2E3" << 0;
    QTest::newRow("digits, minus and point in a fixed format") << "%0.3f"
                                                               << "-1.25"
                                                               << "-1.25" << 0;
    QTest::newRow("a point is refused in an integer format") << "%d"
                                                             << "1.5"
                                                             << "15" << 1;
    QTest::newRow("a slash is refused outside fractions") << "%0.2f"
                                                          << "1/2"
                                                          << "12" << 1;
    QTest::newRow("a slash is taken in a fraction format") << "%0.2f/%0.2f"
                                                           << "1/2"
                                                           << "1/2" << 0;
    QTest::newRow("every character in a string format") << "%s"
                                                        << "ab c!"
                                                        << "ab c!" << 0;
    QTest::newRow("a space is refused in a fixed format") << "%0.1f"
                                                          << "1 2"
                                                          << "12" << 1;
}

void FmtEditTest::keyFiltering()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->SetFormatStr(format);
    w.edit->setText(QString());
    w.edit->setFocus();

    QTest::keyClicks(w.edit, typed);

    QTEST(w.edit->text(), "shown");
    QTEST(platform.beeps, "beeps");
    QVERIFY(w.edit->isModified());
}

void FmtEditTest::typingReplacesSelection()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->setText(QStringLiteral("12345"));
    w.edit->setFocus();
    w.edit->setSelection(2, 2);

    QTest::keyClick(w.edit, Qt::Key_9);
    QCOMPARE(w.edit->text(), QStringLiteral("1295"));
    QCOMPARE(w.edit->cursorPosition(), 3);

    // A refused character still removes a selection of more than one character.
    w.edit->setSelection(0, 2);
    QTest::keyClick(w.edit, Qt::Key_X);
    QCOMPARE(w.edit->text(), QStringLiteral("95"));
    QCOMPARE(w.edit->cursorPosition(), 0);
    QCOMPARE(platform.beeps, 1);
}

void FmtEditTest::backspace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("caret");
    QTest::newRow("caret at the start does nothing") << "12345" << 0 << 0 << "12345" << 0;
    QTest::newRow("caret after 3 removes the 3") << "12345" << 3 << 0 << "1245" << 2;
    QTest::newRow("caret at the end") << "12345" << 5 << 0 << "1234" << 4;
    QTest::newRow("a selection loses the character before it") << "12345" << 2 << 2 << "1345" << 1;
}

void FmtEditTest::backspace()
{
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->setText(text);
    w.edit->setFocus();
    if (selectionLength > 0)
        w.edit->setSelection(selectionStart, selectionLength);
    else
        w.edit->setCursorPosition(selectionStart);

    QTest::keyClick(w.edit, Qt::Key_Backspace);

    QTEST(w.edit->text(), "shown");
    QTEST(w.edit->cursorPosition(), "caret");
    QVERIFY(!w.edit->hasSelectedText());
    QVERIFY(w.edit->isModified());
}

void FmtEditTest::pastedTextIsNotFiltered()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    QApplication::clipboard()->setText(QStringLiteral("1 2,5"));
    w.edit->setFocus();
    w.edit->selectAll();

    QTest::keyClick(w.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.edit->text(), QStringLiteral("1 2,5"));
    QTest::keyClick(w.edit, Qt::Key_Return);

    QCOMPARE(w.edit->text(), QStringLiteral("1 2,5"));
    QCOMPARE(platform.beeps, 0);
    const TFmtValue value = w.edit->GetValue();
    QVERIFY(value.IsString());
    QCOMPARE(value.ToString(), QStringLiteral("1 2,5"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, value.ToFloat());
}

// Typed digits beyond those the format shows are the value: through Enter,
// leaving the field, and entering and leaving it again.
void FmtEditTest::typedValueKeptBeyondTheDigitsShown()
{
    TRecordingPlatform platform;
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeAreaField(w.edit, w.label);

    Retype(w.edit, QStringLiteral("0.25"));
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(w.edit->text(), QStringLiteral("0.3"));
    QTest::keyClick(w.edit, Qt::Key_Tab);
    QTRY_VERIFY(w.other->hasFocus());
    QCOMPARE(w.edit->text(), QStringLiteral("0.3"));
    QCOMPARE(ExactValue(w.edit), QStringLiteral("0.25"));

    // A refused key marks the text modified; leaving validates it again.
    w.edit->setFocus();
    QTest::keyClick(w.edit, Qt::Key_A);
    QVERIFY(w.edit->isModified());
    QTest::keyClick(w.edit, Qt::Key_Tab);
    QTRY_VERIFY(w.other->hasFocus());
    QCOMPARE(ExactValue(w.edit), QStringLiteral("0.25"));

    // Edited digits are read as they stand.
    Retype(w.edit, QStringLiteral("0.30"));
    QTest::keyClick(w.edit, Qt::Key_Tab);
    QCOMPARE(ExactValue(w.edit), QStringLiteral("0.3"));
    QCOMPARE(platform.beeps, 1);
}

// A value set by the program, edited and escaped: the value is the one set,
// whatever the typing and Enter in between.
void FmtEditTest::escapeGivesBackTheExactValue()
{
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeAreaField(w.edit, w.label);
    w.edit->SetValue(0.2504);
    Retype(w.edit, QStringLiteral("7"));
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(ExactValue(w.edit), QStringLiteral("7"));
    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(w.edit->text(), QStringLiteral("0.3"));
    QCOMPARE(ExactValue(w.edit), QStringLiteral("0.2504"));
}

void FmtEditTest::valueKinds()
{
    TFmtEdit edit;
    edit.SetFormatStr(QStringLiteral("%d"));
    edit.SetValue(2.5);
    QCOMPARE(edit.text(), QStringLiteral("2")); // ties to even
    edit.SetValue(3.5);
    QCOMPARE(edit.text(), QStringLiteral("4"));
    edit.setText(QStringLiteral("7"));
    QVERIFY(edit.GetValue().IsInteger());
    QCOMPARE(edit.GetValue(), TFmtValue(7));

    edit.SetFormatStr(QStringLiteral("%s"));
    edit.SetValue(QStringLiteral("R22"));
    QCOMPARE(edit.text(), QStringLiteral("R22"));
    QCOMPARE(edit.GetValue(), TFmtValue(QStringLiteral("R22")));

    edit.SetFormatStr(QStringLiteral("%0.1f/%0.1f"));
    edit.SetValue(QStringLiteral("1.25/3"));
    QCOMPARE(edit.text(), QStringLiteral("1.3/3.0"));
    QCOMPARE(edit.GetValue(), TFmtValue(QStringLiteral("1.3/3.0")));
}

void FmtEditTest::setValueErrorEmptiesText()
{
    TFmtEdit edit;
    edit.SetUnitsType(utMassFlow);
    edit.SetValue(QStringLiteral("not a number"));
    QCOMPARE(edit.text(), QString());
    edit.SetValue(1e308);
    edit.SetUnitsValue(5); // beyond the largest double in lb/hr
    QCOMPARE(edit.text(), QString());
}

void FmtEditTest::formatTypes_data()
{
    QTest::addColumn<int>("formatType");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("auto: five significant digits") << int(ft_Auto) << 37.0 << "37.000";
    QTest::newRow("auto: small value") << int(ft_Auto) << 0.001234 << "0.00123";
    QTest::newRow("fixed: the unit's format") << int(ft_Fixed) << 37.0 << "37.0";
    QTest::newRow("auto override: small values as auto")
        << int(ft_AutoOverride) << 3.14159 << "3.142";
    QTest::newRow("auto override: large values as fixed")
        << int(ft_AutoOverride) << 314.159 << "314.2";
    QTest::newRow("manual keeps its own format") << int(ft_Manual) << 37.0 << "37.000";
}

void FmtEditTest::formatTypes()
{
    QFETCH(int, formatType);
    QFETCH(double, value);
    TFmtEdit edit;
    edit.SetFormatType(static_cast<TFormatType>(formatType));
    edit.SetFormatStr(QStringLiteral("%0.3f"));
    edit.SetUnitsType(utTemperature); // "%0.1f" unless manual
    edit.SetValue(value);
    QTEST(edit.text(), "shown");
}

void FmtEditTest::stringFormatClearsInitialText()
{
    TFmtEdit edit;
    QCOMPARE(edit.text(), QStringLiteral("0.0"));
    edit.SetFormatStr(QStringLiteral("%S"));
    QCOMPARE(edit.text(), QString());
}

void FmtEditTest::unitSwitchKeepsBaseValue()
{
    TFmtEdit edit;
    TFmtEditLabel label;
    MakeMassFlowField(&edit, &label);
    QCOMPARE(edit.text(), QStringLiteral("1.0000"));
    QCOMPARE(label.text(), QStringLiteral("kg/s"));

    edit.SetUnitsValue(5);
    QCOMPARE(edit.text(), QStringLiteral("7936.6"));
    QCOMPARE(label.text(), QStringLiteral("lb/hr"));
    QCOMPARE(edit.FormatStr(), QStringLiteral("%0.1f"));
    QCOMPARE(edit.Decimals(), 1);

    edit.SetUnitsValue(0);
    QCOMPARE(edit.text(), QStringLiteral("1.0000"));
    QCOMPARE(label.text(), QStringLiteral("kg/s"));
    QCOMPARE(edit.GetValue().ToFloat(), 1.0);

    edit.SetUnitsValue(99); // forced into the list
    QCOMPARE(edit.UnitsValue(), 5);
}

void FmtEditTest::unitSwitchWithUnreadableTextKeepsPreviousUnit()
{
    TFmtEdit edit;
    TFmtEditLabel label;
    MakeMassFlowField(&edit, &label);
    edit.setText(QStringLiteral("abc"));

    edit.SetUnitsValue(5);

    QCOMPARE(edit.UnitsValue(), 5);
    QCOMPARE(edit.Factor(), 1.0);
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    QCOMPARE(label.text(), QStringLiteral("kg/s"));
    QCOMPARE(edit.FormatStr(), QStringLiteral("%0.4f"));
}

void FmtEditTest::setUnitsTypeTakesTextAsBaseValue()
{
    TFmtEdit edit;
    edit.SetUnitsValue(1);
    edit.setText(QStringLiteral("20"));
    edit.SetUnitsType(utTemperature);
    QCOMPARE(edit.UnitsValue(), 1);
    QCOMPARE(edit.Factor(), 1.8);
    QCOMPARE(edit.Offset(), 32.0);
    QCOMPARE(edit.text(), QStringLiteral("68.0"));
}

void FmtEditTest::labelClickAppliesChosenUnitToEveryEdit()
{
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeMassFlowField(w.edit, w.label);
    MakeMassFlowField(w.other, w.label);
    w.other->SetValue(2.0);
    QSignalSpy editedFirst(w.edit, &QvCustomEdit::OnUnitsEdited);
    QSignalSpy editedSecond(w.other, &QvCustomEdit::OnUnitsEdited);
    QSignalSpy clicks(w.label, &TFmtEditLabel::OnClick);

    QPoint shownAt;
    QStringList items;
    int selectedOnOpen = -1;
    bool listFocused = false;
    WhenModal<TUnitsForm>([&](TUnitsForm* form) {
        shownAt = form->pos();
        for (int i = 0; i < form->ListBox1()->count(); ++i)
            items << form->ListBox1()->item(i)->text();
        selectedOnOpen = form->ListBox1()->currentRow();
        listFocused = QTest::qWaitFor([form] { return form->ListBox1()->hasFocus(); });
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(form->ListBox1(), Qt::Key_Down);
        QTest::keyClick(form->ListBox1(), Qt::Key_Return);
    });
    ClickLabelAt(w.label, QPoint(300, 200));

    QCOMPARE(shownAt, QPoint(305, 205));
    QCOMPARE(items, QStringList({"kg/s", "g/s", "kg/hr", "lb/s", "lb/min", "lb/hr"}));
    QCOMPARE(selectedOnOpen, 0);
    QVERIFY(listFocused);
    QCOMPARE(w.edit->text(), QStringLiteral("7936.6"));
    QCOMPARE(w.other->text(), QStringLiteral("15873.3"));
    QCOMPARE(w.label->text(), QStringLiteral("lb/hr"));
    QCOMPARE(editedFirst.count(), 1);
    QCOMPARE(editedSecond.count(), 1);
    QCOMPARE(editedFirst.at(0).at(0).value<QvCustomEdit*>(), w.edit);
    QCOMPARE(clicks.count(), 1);
    // The base value survives up to the rounding of the text shown.
    QVERIFY(qAbs(w.other->GetValue().ToFloat() - 2.0) < 0.05 / 7936.64);

    // Back to kg/s through the list: the base value is kept up to the shown rounding.
    WhenModal<TUnitsForm>([](TUnitsForm* form) {
        QTest::keyClick(form->ListBox1(), Qt::Key_Home);
        QTest::keyClick(form->ListBox1(), Qt::Key_Escape);
    });
    ClickLabelAt(w.label, QPoint(10, 10));
    QCOMPARE(w.edit->text(), QStringLiteral("1.0000"));
    QCOMPARE(w.other->text(), QStringLiteral("2.0000"));
}

void FmtEditTest::labelClickRoundTripsTemperatureUnits()
{
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    MakeTemperatureField(w.edit, w.label);
    const auto chooseRow = [&w](int row) {
        WhenModal<TUnitsForm>([row](TUnitsForm* form) {
            const QRect item = form->ListBox1()->visualItemRect(form->ListBox1()->item(row));
            QTest::mousePress(form->ListBox1()->viewport(), Qt::LeftButton, {}, item.center());
        });
        ClickLabelAt(w.label, QPoint(50, 50));
    };

    chooseRow(1);
    QCOMPARE(w.edit->text(), QStringLiteral("95.0"));
    QCOMPARE(w.label->text(), QStringLiteral("°F"));
    chooseRow(2);
    QCOMPARE(w.edit->text(), QStringLiteral("308.15"));
    QCOMPARE(w.label->text(), QStringLiteral("K"));
    chooseRow(0);
    QCOMPARE(w.edit->text(), QStringLiteral("35.0"));
    QCOMPARE(w.edit->GetValue().ToFloat(), 35.0);
}

// Switched to another unit through the label and back: the field holds the
// value it was given, not the number its rounded text in either unit reads as.
void FmtEditTest::unitSwitchAndBackKeepsTheExactValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shownInUnit");
    QTest::addColumn<QString>("shownBack");
    QTest::newRow("Uo 100 W/m²°C through Btu/hr·ft²°F")
        << int(utHeatTransCoeff) << 100.0 << 1 << "17.611"
        << "100";
    QTest::newRow("Ao 0.3 m² through ft²") << int(utArea) << 0.3 << 4 << "3.2"
                                           << "0.3";
    QTest::newRow("°C through K") << int(utTemperature) << 20.04 << 2 << "293.19"
                                  << "20.0";
}

void FmtEditTest::unitSwitchAndBackKeepsTheExactValue()
{
    QFETCH(int, type);
    QFETCH(double, value);
    QFETCH(int, row);
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->SetUnitsType(static_cast<TUnitsType>(type));
    w.edit->SetUnitsLabel(w.label);
    w.edit->SetValue(value);

    ChooseUnitOnLabel(w.label, row);
    QTEST(w.edit->text(), "shownInUnit");
    QCOMPARE(ExactValue(w.edit), FloatToRoundTripText(value));
    ChooseUnitOnLabel(w.label, 0);
    QTEST(w.edit->text(), "shownBack");
    QCOMPARE(ExactValue(w.edit), FloatToRoundTripText(value));
}

void FmtEditTest::labelClickOnNoneTypeAppliesFirstIndex()
{
    TFieldsWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit->SetUnitsLabel(w.label);
    w.edit->SetUnitsValue(4); // utNone keeps any index
    QCOMPARE(w.edit->UnitsValue(), 4);
    int count = -1;
    WhenModal<TUnitsForm>([&count](TUnitsForm* form) {
        count = form->ListBox1()->count();
        QTest::keyClick(form->ListBox1(), Qt::Key_Return);
    });
    ClickLabelAt(w.label, QPoint(20, 20));
    QCOMPARE(count, 0);
    QCOMPARE(w.edit->UnitsValue(), 0);
}

void FmtEditTest::labelWithoutEditsOnlyClicks()
{
    TFmtEditLabel label;
    label.show();
    QSignalSpy clicks(&label, &TFmtEditLabel::OnClick);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
}

void FmtEditTest::linksForgottenOnDestruction()
{
    auto label = std::make_unique<TFmtEditLabel>();
    auto first = std::make_unique<TFmtEdit>();
    auto second = std::make_unique<TFmtEdit>();
    first->SetUnitsLabel(label.get());
    second->SetUnitsLabel(label.get());
    first->SetUnitsLabel(label.get()); // no duplicate
    QCOMPARE(label->Edits(), QList<QvCustomEdit*>({first.get(), second.get()}));

    first.reset();
    QCOMPARE(label->Edits(), QList<QvCustomEdit*>({second.get()}));

    label.reset();
    QCOMPARE(second->UnitsLabel(), nullptr);
    second->SetUnitsType(utArea); // would write to the label if it were still linked
    QCOMPARE(second->UnitsLabel(), nullptr);
}

// Any label that offers the link learns which fields name it; a plain label
// shows the unit from the next unit change on.
void FmtEditTest::fieldReportsLinksToAnyUnitsLabel()
{
    TRecordingUnitsLabel recording;
    QLabel plain;
    auto edit = std::make_unique<TFmtEdit>();
    edit->setObjectName(QStringLiteral("edit"));
    edit->SetUnitsType(utTemperature);

    edit->SetUnitsLabel(&recording);
    QCOMPARE(recording.text(), QStringLiteral("°C"));
    edit->SetUnitsValue(1);
    QCOMPARE(recording.text(), QStringLiteral("°F"));

    edit->SetUnitsLabel(&plain);
    edit->SetUnitsValue(2);
    QCOMPARE(plain.text(), QStringLiteral("K"));
    QCOMPARE(recording.text(), QStringLiteral("°F"));
    edit->SetUnitsLabel(&recording);
    edit.reset();
    QCOMPARE(recording.calls,
             QStringList({"linked edit", "unlinked edit", "linked edit", "unlinked edit"}));
}

void FmtEditTest::relinkingMovesEditBetweenLabels()
{
    TFmtEditLabel first;
    TFmtEditLabel second;
    TFmtEdit edit;
    edit.SetUnitsType(utArea);
    edit.SetUnitsLabel(&first);
    QCOMPARE(first.text(), QStringLiteral("m²"));

    edit.SetUnitsLabel(&second);
    QVERIFY(first.Edits().isEmpty());
    QCOMPARE(second.Edits(), QList<QvCustomEdit*>({&edit}));
    QCOMPARE(second.text(), QStringLiteral("m²"));

    edit.SetUnitsLabel(nullptr);
    QVERIFY(second.Edits().isEmpty());
}

#include "FmtEditTest.moc"
