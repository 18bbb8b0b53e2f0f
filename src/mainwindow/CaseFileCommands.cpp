// The main window's case commands: the program's own case file (Load, Save),
// the case line (clipboard, command line) and named case files with the
// recent cases.
#include "AppFolders.h"
#include "ApplicationErrors.h"
#include "CaseArguments.h"
#include "CaseFile.h"
#include "CaseInputs.h"
#include "DropDownSelection.h"
#include "FileDialog.h"
#include "Format.h"
#include "Main.h"
#include "Platform.h"
#include "PlatformPath.h"
#include "QvFmtEdit.h"
#include "SettingsStore.h"
#include "XMLFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

const QString CaseFileName = QStringLiteral("sample.xml");
const QString CaseFileSuffix = QStringLiteral("xml");

QString CaseFileFilter()
{
    return TMainForm::tr("Kelvane cases (*.xml)");
}

// Why Load cannot read the program's case file; empty when it can.
QString LoadProblem(const TXMLFile& file)
{
    if (!TPlatformPath::Exists(file.FileName()))
        return QStringLiteral("there is no such file");
    if (file.ReadStatus() == rsInvalidFileFormat)
        return file.ErrorMessage();
    return QString();
}

// A fluid a case file names, and where the window takes it.
struct TFileFluid
{
    QComboBox* dropDown;
    QString name;
    std::optional<double> cp;
    TFluid* entry;

    bool InTable() const { return name.isEmpty() || dropDown->findText(name) >= 0; }
};

} // namespace

// ---------------------------------------------------------------------------
// The program's case file

// The case as the last Calc solved it.
void TMainForm::ActionSaveExecute()
{
    TXMLNode root;
    TXMLFile file(ExeFolder + CaseFileName, root, true);
    file.NewDocument(QStringLiteral("datafile"), ExeBaseName, root, QStringLiteral("1.0.0.0"));
    m_document.Result().hx.WriteCase(file, root);
    file.Save();
}

// The values the file holds go into their fields; the others stay, and the
// next Calc solves them.
void TMainForm::ActionLoadExecute()
{
    TXMLNode root;
    TXMLFile file(ExeFolder + CaseFileName, root, false);
    if (const QString problem = LoadProblem(file); !problem.isEmpty()) {
        TPlatform::Current().ShowMessage(
            tr("Cannot load \"%1\": %2").arg(QDir::toNativeSeparators(file.FileName()), problem));
        return;
    }
    THx hx;
    for (const TCaseInputRow& row : CaseInputRows)
        hx.*row.member = std::numeric_limits<double>::quiet_NaN();
    hx.ReadCase(file, root);
    for (const TCaseInputRow& row : CaseInputRows)
        if (!std::isnan(hx.*row.member))
            (this->*FieldOf(row.bit))->SetValue(row.FieldValue(hx.*row.member));
}

// ---------------------------------------------------------------------------
// Clipboard line and command line

namespace {

// One value of a case line or the command line into its control.
void ApplyCaseValue(TMainForm& form, TCaseArguments::TValue value, double number)
{
    switch (value) {
    case TCaseArguments::cvHotFluid:
        SetItemIndex(*form.cbHot, int(number));
        break;
    case TCaseArguments::cvColdFluid:
        SetItemIndex(*form.cbCold, int(number));
        break;
    case TCaseArguments::cvHeatXType:
        SetItemIndex(*form.cbHex, int(number));
        break;
    case TCaseArguments::cvMask:
        form.CheckBoxesFromMask(int(number));
        break;
    default: // a number, into its field
        (form.*TMainForm::FieldOf(TCaseArguments::MaskBitOf(value)))->SetValue(number);
        break;
    }
}

// Each value goes to its control as it converts; the first that does not stops
// there, with the message, and what was set before it stays set. A case of 13
// values has no allowances: theirs become 0.
void ApplyCaseTexts(TMainForm& form, const TCaseArguments::TTexts& texts)
{
    TCaseArguments values;
    const std::string problem =
        values.Read(texts, [&form](TCaseArguments::TValue value, double number) {
            ApplyCaseValue(form, value, number);
        });
    if (!problem.empty()) {
        TPlatform::Current().ShowMessage(QStringLiteral("Invalid command line arguments..."));
        return;
    }
    for (int value = texts.count; value < TCaseArguments::WithAllowances; ++value)
        ApplyCaseValue(form, TCaseArguments::TValue(value), 0);
}

} // namespace

// The case as the last Calc solved it; a fluid or type the tables lack has no index (-1).
void TMainForm::Copytoclipboard1Click()
{
    const TCaseInput& solved = m_document.SolvedInput();
    const TCaseArguments values =
        TCaseArguments::FromCase(m_document.Result().hx, cbHot->findText(solved.hotFluid.name),
                                 cbCold->findText(solved.coldFluid.name),
                                 cbHex->findText(solved.heatXType.name), solved.mask);
    TPlatform::Current().SetClipboardText(values.CaseLine());
}

// A text that is not a case line is ignored without a message.
void TMainForm::Pastefromclipboard1Click()
{
    const QString text = TPlatform::Current().ClipboardText();
    TCaseArguments::TTexts texts;
    if (TCaseArguments::SplitCaseLine(text, texts).empty())
        ApplyCaseTexts(*this, texts);
}

void TMainForm::ApplyCaseArguments(const QStringList& arguments)
{
    ApplyCaseTexts(*this, TCaseArguments::Texts(arguments, 1));
}

// ---------------------------------------------------------------------------
// Named case files and the recent cases

void TMainForm::CreateCaseFileActions()
{
    ActionOpen = CreateAction(QStringLiteral("ActionOpen"), tr("Open\u2026"), -1,
                              &TMainForm::ActionOpenExecute);
    ActionSaveAs = CreateAction(QStringLiteral("ActionSaveAs"), tr("Save As\u2026"), -1,
                                &TMainForm::ActionSaveAsExecute);
    ActionOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ActionSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

// Below the clipboard items: Open, Save As and the recent cases. The recent
// cases' actions are made once and only relabelled, so an item that changes
// the list while it runs is never deleted under itself.
void TMainForm::CreateCaseFileMenu()
{
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ActionOpen);
    PopupMenu1->addAction(ActionSaveAs);
    RecentFilesMenu = PopupMenu1->addMenu(tr("Open Recent"));
    RecentFilesMenu->setObjectName(QStringLiteral("RecentFilesMenu"));
    for (int i = 0; i < TRecentFiles::MaxCount; ++i) {
        QAction* item = RecentFilesMenu->addAction(QString());
        connect(item, &QAction::triggered, this, [this, item] {
            RunGuarded([this, item] { OpenRecentFile(item->data().toString()); });
        });
    }
    UpdateRecentFilesMenu();
}

void TMainForm::UpdateRecentFilesMenu()
{
    const QStringList& files = m_recentFiles.Files();
    const QList<QAction*> items = RecentFilesMenu->actions();
    for (int i = 0; i < items.size(); ++i) {
        const QString path = files.value(i);
        items[i]->setText(QStringLiteral("&%1 %2").arg(
            QString::number(i + 1),
            QDir::toNativeSeparators(path).replace(QStringLiteral("&"), QStringLiteral("&&"))));
        items[i]->setData(path);
        items[i]->setVisible(i < files.size());
    }
    RecentFilesMenu->setEnabled(!files.isEmpty());
}

void TMainForm::ActionOpenExecute()
{
    const QString path =
        TFileDialog::GetOpenFileName(this, tr("Open Case"), UserDataFolder, CaseFileFilter());
    if (!path.isEmpty())
        OpenCaseFile(path);
}

// The case as the last Calc solved it, with the mask it was solved with.
void TMainForm::ActionSaveAsExecute()
{
    const QString path = TFileDialog::GetSaveFileName(this, tr("Save Case As"), UserDataFolder,
                                                      CaseFileFilter(), CaseFileSuffix);
    if (path.isEmpty())
        return;
    TCaseFile::Write(path, m_document.Result().hx, m_document.SolvedInput().mask, ExeBaseName);
    RememberCaseFile(path);
}

void TMainForm::OpenCaseFile(const QString& path)
{
    ApplyCaseFile(path);
    ActionCalcExecute();
    ShowTableNote();
    RememberCaseFile(path);
}

// From the command line: the first activation's Calc solves the case. A path
// that is no case file to read shows why, as Open does, and the last case stays.
void TMainForm::OpenCaseAtStart(const QString& path)
{
    RunGuarded([this, &path] {
        ApplyCaseFile(path);
        RememberCaseFile(path);
    });
}

// A fluid the tables lack is solved with the specific heat the file gives it,
// its drop-down left without a selection; a file that gives none is refused
// before anything changes. A type the tables lack leaves its drop-down as it
// is; a file without a mask leaves the check boxes.
void TMainForm::ApplyCaseFile(const QString& path)
{
    const TCaseFile file = TCaseFile::Read(path);
    const TFileFluid fluids[] = {
        {cbHot, file.hotFluid, file.hotCp, &m_document.current.hotFluid},
        {cbCold, file.coldFluid, file.coldCp, &m_document.current.coldFluid},
    };
    for (const TFileFluid& fluid : fluids) {
        if (!fluid.InTable() && !fluid.cp)
            throw std::runtime_error(
                tr("Cannot open \"%1\": the fluid \"%2\" is not in the fluid table, and the "
                   "file gives no specific heat for it")
                    .arg(path, fluid.name)
                    .toStdString());
    }
    QStringList notes;
    for (const TFileFluid& fluid : fluids) {
        if (fluid.InTable()) {
            SelectItemNamed(*fluid.dropDown, fluid.name);
            continue;
        }
        fluid.dropDown->setCurrentIndex(-1);
        *fluid.entry = TFluid{fluid.name, *fluid.cp, QString(), std::nullopt};
        notes << tr("%1 (cp %2 from the file)").arg(fluid.name, FloatToRoundTripText(*fluid.cp));
    }
    if (!file.heatXType.isEmpty() && !SelectItemNamed(*cbHex, file.heatXType))
        notes << file.heatXType;
    notes.removeDuplicates();
    m_tableNote =
        notes.isEmpty() ? QString() : QStringLiteral("  Not in the tables: ") + notes.join(", ");
    for (const TCaseInputRow& row : CaseInputRows)
        (this->*FieldOf(row.bit))->SetValue(row.FieldValue(file.values[row.bit]));
    if (file.mask)
        CheckBoxesFromMask(*file.mask);
}

// After the status of the Calc that solved the file, in its colour, and fitted
// to the line as a whole.
void TMainForm::ShowTableNote()
{
    if (!m_tableNote.isEmpty()) {
        const TCaseResult& result = m_document.Result();
        ShowStatus(Label13->text() + m_tableNote,
                   result.failure ? TVerdict::vkFeasible : result.verdict.Kind());
    }
    m_tableNote.clear();
}

// A file that has gone leaves the list, and the user is told; anything else in
// its place (a folder, a named pipe) is opened as Open does, which says why not.
void TMainForm::OpenRecentFile(const QString& path)
{
    if (TPlatformPath::Exists(path)) {
        OpenCaseFile(path);
        return;
    }
    m_recentFiles.Remove(path);
    TPlatform::Current().ShowMessage(
        tr("The case file \"%1\" no longer exists; it is removed from the recent cases.")
            .arg(QDir::toNativeSeparators(path)));
    RecentFilesChanged();
}

void TMainForm::RememberCaseFile(const QString& path)
{
    m_recentFiles.Add(path);
    RecentFilesChanged();
}

// Stored at once: the list does not wait for the window to close.
void TMainForm::RecentFilesChanged()
{
    UpdateRecentFilesMenu();
    TSettingsStore store(m_settingsKeyPath);
    m_recentFiles.Write(store);
    store.Flush();
}
