#pragma once

#include "AppFolders.h"
#include "Main.h"
#include "QvFmtEdit.h"
#include "QvUnitsForm.h"
#include "RecordingPlatform.h"
#include "SettingsStore.h"
#include "WhenModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// The main window as the program makes it, over a program folder of its own
// with the shipped tables, an empty documents folder, no remembered case or
// recent files and recorded platform effects. Make one in
// a test's init() and drop it in cleanup().
class TWindowFixture
{
public:
    TWindowFixture()
    {
        const QString dir = programDir.path();
        const QString shipped = qEnvironmentVariable("KELVANE_PROGRAM_DIR");
        for (const QString table : {"fluids.ini", "heatxtype.ini"}) {
            if (!QFile::copy(shipped + "/" + table, dir + "/" + table))
                qFatal("cannot copy %s", qPrintable(table));
        }
        QDir(dir).mkpath("data");
        QDir(dir).mkpath("docs");
        InitAppFolders(TFolderSources{dir + "/kelvane", dir + "/data", dir + "/docs"});
        ForgetSettings();
    }

    // A window started with `arguments` after the program path; `show`
    // activates it, which runs the first Calc.
    std::unique_ptr<TMainForm> MakeForm(const QStringList& arguments = {}, bool show = true) const
    {
        auto form = std::make_unique<TMainForm>(QStringList{ExeFolder + "kelvane"} + arguments);
        if (show) {
            form->show();
            form->activateWindow();
            if (!QTest::qWaitForWindowActive(form.get()))
                qWarning("main window not activated");
        }
        return form;
    }

    // Adds "no heat capacity", a fluid whose specific heat is 0, to the fluid
    // table before a window starts: a case with it has ordinary temperatures,
    // yet what its solve works out over the fluid's capacity rate faults.
    void AddFluidWithoutHeatCapacity() const
    {
        QFile fluids(programDir.path() + "/fluids.ini");
        if (!fluids.open(QIODevice::Append) || fluids.write("[no heat capacity]\ncp=0\n") <= 0)
            qFatal("cannot add a fluid to %s", qPrintable(fluids.fileName()));
    }

    static void ForgetSettings()
    {
        TSettingsStore store(GetAppRegistryKey());
        for (const QString& section : store.Sections())
            store.EraseSection(section);
        store.Flush();
    }

    QTemporaryDir programDir;
    TRecordingPlatform platform;
};

// The case the window's last Calc solved.
inline const THx& SolvedCase(const TMainForm& form)
{
    return form.Document().Result().hx;
}

// The nine value fields, in the order of their mask bits.
inline const QStringList FieldNames = {"edthi", "edtho", "edmh", "edtci", "edtco",
                                       "edmc",  "eduo",  "edao", "edq"};

inline TFmtEdit* Field(TMainForm& form, const QString& name)
{
    auto* field = form.findChild<TFmtEdit*>(name);
    if (!field)
        qFatal("no field %s", qPrintable(name));
    return field;
}

inline QLabel* UnitsLabel(TMainForm& form, const QString& name)
{
    auto* label = form.findChild<QLabel*>(name + "Units");
    if (!label)
        qFatal("no units label for %s", qPrintable(name));
    return label;
}

// Clicks the field's units label and picks the unit in `row` of the list
// with the keyboard.
inline void ChooseUnit(TMainForm& form, const QString& name, int row)
{
    WhenModal<TUnitsForm>([row](TUnitsForm* list) {
        QTest::keyClick(list->ListBox1(), Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(list->ListBox1(), Qt::Key_Down);
        QTest::keyClick(list->ListBox1(), Qt::Key_Return);
    });
    QTest::mouseClick(UnitsLabel(form, name), Qt::LeftButton);
}

inline QStringList FieldTexts(TMainForm& form)
{
    QStringList texts;
    for (const QString& name : FieldNames)
        texts << Field(form, name)->text();
    return texts;
}

// Ticks the boxes of `mask`, clicked as the user does, only where a box has to change.
inline void SetMask(TMainForm& form, int mask)
{
    for (int n = 0; n < 9; ++n) {
        QCheckBox* box = form.cb[n];
        if (box->isChecked() != bool(mask & (1 << n)))
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
}

inline void PressF9(TMainForm& form)
{
    QTest::keyClick(&form, Qt::Key_F9);
}

// Whether some pixel of the status line, as the user sees it, is of `colour`.
inline bool StatusShows(TMainForm& form, const std::function<bool(const QColor&)>& colour)
{
    const QImage image = form.Label13->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (colour(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

// Pure red, the colour of an infeasible case; the usual maroon is far darker.
inline bool StatusShowsRed(TMainForm& form)
{
    return StatusShows(
        form, [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; });
}

// Amber, the colour of a case with warnings: neither red nor maroon, nor the
// grey of the background.
inline bool StatusShowsAmber(TMainForm& form)
{
    return StatusShows(form, [](const QColor& c) {
        return c.red() > 180 && c.green() > 90 && c.green() < 150 && c.blue() < 60;
    });
}

// The whole status text shows: a long one takes a smaller type.
inline bool StatusFitsItsLine(TMainForm& form)
{
    const QLabel& label = *form.Label13;
    return QFontMetrics(label.font()).horizontalAdvance(label.text()) <=
           label.contentsRect().width();
}

// Moves the drop-down's selection with the arrow keys, as a user does.
inline void ChooseItem(QComboBox* dropDown, int index)
{
    dropDown->setFocus();
    while (dropDown->currentIndex() < index)
        QTest::keyClick(dropDown, Qt::Key_Down);
    while (dropDown->currentIndex() > index)
        QTest::keyClick(dropDown, Qt::Key_Up);
}

// Replaces a field's text by typing; the field keeps the focus.
inline void TypeInto(TFmtEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// A case file as a user might have it: LMTD ticks (mask 219), fluids and type
// by name with the specific heats the program saves beside them (2.0, 3.9), a
// hot stream at 90 to 50 °C against a cold one at 15 to 35 °C.
inline QByteArray LmtdCaseText(const QByteArray& hot = "oil", const QByteArray& cold = "sea water",
                               const QByteArray& type = "plate")
{
    return "<datafile><hot><name>" + hot +
           "</name><thi>90.000</thi><tho>50.000</tho><mh>1.000</mh><cph>2.000</cph></"
           "hot><cold><name>" +
           cold +
           "</name><tci>15.000</tci><tco>35.000</tco><mc>1.000</mc><cpc>3.900</cpc></cold><heatx>"
           "<name>" +
           type +
           "</name><Uo>2.500</Uo><Ao>3.000</Ao></heatx><duty><Q>10.000</Q><given mask=\"219\"/>"
           "</duty></datafile>";
}
