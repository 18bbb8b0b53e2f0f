#pragma once

#include "CaseDocument.h"
#include "LookupTables.h"
#include "RecentFiles.h"
#include "UnitSystem.h"
#include "Verdict.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QToolBar;
class TChartPanel;
class TFmtEdit;
class TFmtEditLabel;
class THTMLView;
struct TCaseInputRow;
struct TLastCase;

// The calculator's only window: the nine fields of a case with their "given"
// check boxes, the fluid and exchanger type drop-downs, the tool bar, the
// results view, the diagnostics memo, the temperature chart and the status
// line. Calc reads the controls into the case document, solves it and shows
// the result; Save As, Copy, the report and the chart show that solved case.
//
// Controls carry their names as object names (edthi, cb0, tChart, ...).
class TMainForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 756;
    // The default and smallest size: room for the menu bar, the tool bar, and
    // the fields of the hot and cold streams, the exchanger, and the fouling
    // and margin below them.
    static constexpr int MenuBarHeight = 24;
    static constexpr int ClientHeight = 636 + MenuBarHeight;

    // `arguments`: the program path followed by its arguments; exactly 13 or
    // 16 arguments are applied as a case (ApplyCaseArguments); a single argument
    // that names a file opens it as a case file (the first activation's Calc
    // solves it).
    explicit TMainForm(const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Window operations of the calculation workflow.
    void ReadFieldsIntoCase();
    void WriteCaseIntoFields();
    int MaskFromCheckBoxes() const;
    void CheckBoxesFromMask(int mask);
    void ShowNotSolved();
    void ApplyCaseArguments(const QStringList& arguments);
    // The last case with its display units, and the recent cases.
    void RestoreLastCase();
    void StoreLastCase();

    // Actions and handlers, by control and event.
    void ActionLoadExecute();
    void ActionSaveExecute();
    void ActionResetExecute();
    void ActionCalcExecute();
    void ActionReportExecute();
    void ActionHelpExecute();
    void cbHotChange();
    void cbColdChange();
    void cbHexChange();
    void Copytoclipboard1Click();
    void Pastefromclipboard1Click();

    // Named case files: the file dialogs start in the user's documents folder.
    void ActionOpenExecute();
    void ActionSaveAsExecute();
    // Puts the file's case into the controls, solves it and lists the file
    // first among the recent cases. A file that cannot be read raises an error
    // with the reason and changes nothing.
    void OpenCaseFile(const QString& path);

    // The field of a case input, by its mask bit.
    static TFmtEdit* TMainForm::*FieldOf(int bit);
    const TCaseDocument& Document() const { return m_document; }

signals:
    // The window has been activated for the first time and has run its first Calc.
    void Started();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void CreateToolBar();
    void CreateContextMenu();
    void CreateCaseFileActions();
    void CreateCaseFileMenu();
    TFmtEdit* CreateField(const TCaseInputRow& row, int top);
    QComboBox* CreateDropDown(const QString& name, const QString& caption, int top);
    void CreateGroupCaption(const QString& caption, int top);
    void FormCreate(const QStringList& arguments);
    void LoadTables();
    void FormActivate();
    TLastCase CaseFromControls() const;
    void CaseIntoControls(const TLastCase& lastCase);
    void UnitsIntoFields(const TLastCase& lastCase);
    // A modified field left: the case is not solved, or the field's value was pulled into range.
    void FieldExit(const TCaseInputRow& row, TFmtEdit* field);
    void OfferFouling(const TFluid& fluid, TFmtEdit& field);
    void CreateUnitsMenu();
    void CreateMenuBar();
    void ShowResultsInUnits();
    void ApplyUnitSystem(TUnitSystem system);
    bool FieldsShow(TUnitSystem system) const;
    // The system every field shows, if any.
    std::optional<TUnitSystem> ShownUnitSystem() const;
    TDisplayUnits ResultUnits() const;
    void CheckShownUnitSystem();
    bool FocusedFieldPulledIntoRange();
    bool FormKeyDown(QWidget* focused, int key);
    void ShowChart();
    void ClearChart();
    void ShowDiagnostics(const QString& text);
    // A status that is not a solved case's verdict shows as a feasible one's.
    void ShowStatus(const QString& text, TVerdict::TKind verdict = TVerdict::vkFeasible);
    void ShowResult(const TCaseResult& result, const TDisplayUnits& units);
    void ShowSolved(const TCaseResult& result, const TDisplayUnits& units);
    void ClearResults();
    QAction* CreateAction(const QString& name, const QString& caption, int image,
                          void (TMainForm::*handler)());
    void ApplyCaseFile(const QString& path);
    void OpenCaseAtStart(const QString& path);
    void OpenRecentFile(const QString& path);
    void RememberCaseFile(const QString& path);
    void RecentFilesChanged();
    void UpdateRecentFilesMenu();
    void ShowTableNote();
    void ShowTableProblems();

    QString m_settingsKeyPath;
    bool m_firstActivation = false;
    QStringList m_pageList;
    QList<THeatXTypeEntry> m_types;
    QList<TFluid> m_fluids;
    // The tables' values that are no numbers, told once after the first Calc.
    QStringList m_tableProblems;
    TCaseDocument m_document;
    // Whether the page, memo and chart show the document's result.
    bool m_resultsOnShow = false;
    TRecentFiles m_recentFiles;
    // Names of an opened case file that the tables lack, for the status line
    // after the Calc that follows.
    QString m_tableNote;

public:
    // The window's controls, owned by it (named as the window designs them).
    QToolBar* ToolBar1 = nullptr;
    QComboBox* cbHot = nullptr;
    QComboBox* cbCold = nullptr;
    QComboBox* cbHex = nullptr;
    TFmtEdit* edthi = nullptr;
    TFmtEdit* edtho = nullptr;
    TFmtEdit* edmh = nullptr;
    TFmtEdit* edtci = nullptr;
    TFmtEdit* edtco = nullptr;
    TFmtEdit* edmc = nullptr;
    TFmtEdit* eduo = nullptr;
    TFmtEdit* edao = nullptr;
    TFmtEdit* edq = nullptr;
    TFmtEdit* edrfh = nullptr;
    TFmtEdit* edrfc = nullptr;
    TFmtEdit* edmargin = nullptr;
    // The "given" check boxes of the nine values a mask ticks; the allowances'
    // boxes are always ticked.
    std::array<QCheckBox*, MaskedValueCount> cb{};
    THTMLView* HTMLView = nullptr;
    THTMLView* ReportView = nullptr; // what Report previews and prints
    TChartPanel* tChart = nullptr;
    QPlainTextEdit* DiagMemo = nullptr;
    QLabel* Label13 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* ActionLoad = nullptr;
    QAction* ActionSave = nullptr;
    QAction* ActionReset = nullptr;
    QAction* ActionCalc = nullptr;
    QAction* ActionReport = nullptr;
    QAction* ActionHelp = nullptr;
    QAction* Copytoclipboard1 = nullptr;
    QAction* Pastefromclipboard1 = nullptr;
    QAction* ActionOpen = nullptr;
    QAction* ActionSaveAs = nullptr;
    QMenu* RecentFilesMenu = nullptr; // in PopupMenu1; one action per recent file
    // In PopupMenu1: one checkable action per unit system, in UnitSystems order;
    // the system every field shows is checked, none when the fields mix them.
    QMenu* UnitsMenu = nullptr;
    QMenuBar* MenuBar1 = nullptr;
    QAction* ActionQuit = nullptr;
};
