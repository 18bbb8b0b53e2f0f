#pragma once

#include "LookupTables.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class TChartPanel;
class TFmtEdit;
class TFmtEditLabel;
class THTMLView;

// The calculator's only window: the nine fields of a case with their "given"
// check boxes, the fluid and exchanger type drop-downs, the tool bar, the
// results view, the diagnostics memo, the temperature chart and the status
// line. Calc copies the fields into CurrentHx, solves it and shows the result.
//
// Controls carry their names as object names (edthi, cb0, tChart, ...).
class TMainForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 756;
    static constexpr int ClientHeight = 500;

    // `arguments`: the program path followed by its arguments; exactly 13
    // arguments are applied as a case (ApplyCaseArguments).
    explicit TMainForm(const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Window operations of the calculation workflow.
    void ReadFieldsIntoCase();
    void WriteCaseIntoFields();
    int MaskFromCheckBoxes() const;
    void CheckBoxesFromMask(int mask);
    void SetStatus(bool solved);
    void ApplyCaseArguments(const QStringList& arguments);
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

    // One numeric field of the window design (Main.cpp).
    struct TFieldRow;

signals:
    // The window has been activated for the first time and has run its first Calc.
    void Started();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void CreateToolBar();
    void CreateContextMenu();
    TFmtEdit* CreateField(const TFieldRow& row, int top);
    QComboBox* CreateDropDown(const QString& name, const QString& caption, int top);
    void FormCreate(const QStringList& arguments);
    void LoadTables();
    void FormActivate();
    void FieldExit(TFmtEdit* field);
    bool FormKeyDown(QWidget* focused, int key);
    void ShowChart();
    void ClearChart();
    void ShowDiagnostics(const QString& text);
    // The selected type's arrangement; raises EArrangementError for an unknown one.
    TFlowArrangement SelectedArrangement() const;
    void ClearResults();
    QAction* CreateAction(const QString& name, const QString& caption, int image,
                          void (TMainForm::*handler)());

    QString m_settingsKeyPath;
    bool m_firstActivation = false;
    QStringList m_pageList;
    QList<THeatXTypeEntry> m_types;
    QList<double> m_fluidCp;

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
    std::array<QCheckBox*, 9> cb{};
    THTMLView* HTMLView = nullptr;
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
};
