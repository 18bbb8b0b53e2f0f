#include "Main.h"

#include "AppFolders.h"
#include "ApplicationErrors.h"
#include "ArrangementError.h"
#include "CaseArguments.h"
#include "CaseFile.h"
#include "CurrentHx.h"
#include "Feasibility.h"
#include "FileDialog.h"
#include "FormPlacement.h"
#include "HTMLView.h"
#include "Hx.h"
#include "LastCase.h"
#include "LookupTables.h"
#include "MathError.h"
#include "NumberParse.h"
#include "Platform.h"
#include "PlatformPath.h"
#include "QvChartPanel.h"
#include "QvFmtEdit.h"
#include "QvHTMLPreview.h"
#include "SettingsStore.h"
#include "SolveOutcome.h"
#include "SpecMask.h"
#include "TemperatureChart.h"
#include "ToolbarImages.h"
#include "UnitsCatalogue.h"
#include "UoUnits.h"
#include "VerInfoRes.h"
#include "XMLFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <optional>

// One numeric field of the window: its control, caption, format and range,
// and whether its "given" check box starts ticked.
struct TMainForm::TFieldRow
{
    TFmtEdit* TMainForm::*field;
    const char* name;
    const char* caption;
    const char* format;
    TUnitsType unitsType;
    double rangeLo;
    double rangeHi;
    bool given;
    const char* designText;
    int group; // 0 hot, 1 cold, 2 exchanger: the drop-down the field stands under
};

namespace {

using TFieldRow = TMainForm::TFieldRow;

// In tab order, which is also the order of the check boxes cb0 ... cb8.
const TFieldRow FieldRows[] = {
    {&TMainForm::edthi, "edthi", "thi", "%0.1f", utTemperature, 0, 0, true, "35.0", 0},
    {&TMainForm::edtho, "edtho", "tho", "%0.1f", utTemperature, 0, 0, true, "12.0", 0},
    {&TMainForm::edmh, "edmh", "mh", "%0.4f", utMassFlow, 0.01, 1000.0, true, "1.0000", 0},
    {&TMainForm::edtci, "edtci", "tci", "%0.1f", utTemperature, 0, 0, true, "6.0", 1},
    {&TMainForm::edtco, "edtco", "tco", "%0.1f", utTemperature, 0, 0, false, "13.0", 1},
    {&TMainForm::edmc, "edmc", "mc", "%0.4f", utMassFlow, 0.01, 1000.0, true, "0.8000", 1},
    {&TMainForm::eduo, "eduo", "Uo", "%0.5g", utHeatTransCoeff, 0.01, 10000.0, true, "37", 2},
    {&TMainForm::edao, "edao", "Ao", "%0.1f", utArea, 0.01, 1000.0, false, "38.0", 2},
    {&TMainForm::edq, "edq", "Q", "%0.3f", utDutyPrim, 0.001, 1000.0, false, "23.529", 2},
};
static_assert(std::size(FieldRows) == TLastCase::FieldCount);

const QString CaseFileName = QStringLiteral("sample.xml");
const QString NotSolvedText = QStringLiteral("Not Solved...");
const QString CaseFileSuffix = QStringLiteral("xml");

QString CaseFileFilter()
{
    return TMainForm::tr("Kelvane cases (*.xml)");
}

// Window layout, pixels in the client area.
constexpr int ToolBarHeight = 40;
constexpr int ColumnTop = 48;
constexpr int RowStep = 32;
constexpr int GroupGap = 8;
constexpr int RowHeight = 22;
constexpr int CheckLeft = 8;
constexpr int CaptionLeft = 28;
constexpr int FieldLeft = 62;
constexpr int FieldWidth = 78;
constexpr int UnitsLeft = 144;
constexpr int UnitsWidth = 62;
constexpr int ColumnRight = 206;
constexpr int DropDownLeft = 74;

// A drop-down index set from the program: outside the list, no selection.
// Setting it does not run the drop-down's change handler (that follows the user only).
void SetItemIndex(QComboBox& dropDown, int index)
{
    dropDown.setCurrentIndex(index >= 0 && index < dropDown.count() ? index : -1);
}

// The field's value in base units; a text that is not a number raises the
// number conversion error with that text.
double FieldNumber(const TFmtEdit& field)
{
    return field.GetValue().ToFloat();
}

// The field's value in base units; empty when its text is not a number.
std::optional<double> FieldValue(const TFmtEdit& field)
{
    double value = 0;
    if (!TryStrToFloat(field.GetValue().ToString(), value))
        return std::nullopt;
    return value;
}

// Selects the item of that name; false when the list has none, and the
// selection stays. Does not run the change handler.
bool SelectItemNamed(QComboBox& dropDown, const QString& name)
{
    const int index = dropDown.findText(name);
    if (index >= 0)
        dropDown.setCurrentIndex(index);
    return index >= 0;
}

// A table entry for a drop-down's selection; nullptr without one.
template <typename Entry>
const Entry* TableEntry(const QList<Entry>& table, const QComboBox& dropDown)
{
    const int index = dropDown.currentIndex();
    return index >= 0 && index < table.size() ? &table[index] : nullptr;
}

QFont CourierFont(int pointSize)
{
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(QFont::Monospace);
    return font;
}

constexpr int StatusPointSize = 12;
// The smallest type a long status line is shrunk to so that it fits.
constexpr int StatusMinimumPointSize = 7;

QFont StatusFont(int pointSize)
{
    QFont font = CourierFont(pointSize);
    font.setBold(true);
    return font;
}

// The status line's font at the largest size that shows all of `text` in `width`.
QFont StatusFontFitting(const QString& text, int width)
{
    int pointSize = StatusPointSize;
    while (pointSize > StatusMinimumPointSize &&
           QFontMetrics(StatusFont(pointSize)).horizontalAdvance(text) > width)
        --pointSize;
    return StatusFont(pointSize);
}

// The status line is maroon; a case with warnings shows in amber, an
// infeasible one in red.
QString StatusStyle(TVerdict::TKind verdict)
{
    switch (verdict) {
    case TVerdict::vkWarnings:
        return QStringLiteral("color: #c87800;");
    case TVerdict::vkInfeasible:
        return QStringLiteral("color: #ff0000;");
    case TVerdict::vkFeasible:
        break;
    }
    return QStringLiteral("color: #800000;");
}

} // namespace

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setFixedSize(ClientWidth, ClientHeight);
    CreateActions();
    CreateCaseFileActions();
    CreateToolBar();
    CreateControls();
    CreateContextMenu();
    CreateCaseFileMenu();
    FormCreate(arguments);
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateActions()
{
    ActionLoad =
        CreateAction(QStringLiteral("ActionLoad"), tr("Load"), 0, &TMainForm::ActionLoadExecute);
    ActionSave =
        CreateAction(QStringLiteral("ActionSave"), tr("Save"), 1, &TMainForm::ActionSaveExecute);
    ActionReset =
        CreateAction(QStringLiteral("ActionReset"), tr("Reset"), 2, &TMainForm::ActionResetExecute);
    ActionCalc =
        CreateAction(QStringLiteral("ActionCalc"), tr("Calc"), 3, &TMainForm::ActionCalcExecute);
    ActionReport = CreateAction(QStringLiteral("ActionReport"), tr("Report"), 4,
                                &TMainForm::ActionReportExecute);
    ActionHelp =
        CreateAction(QStringLiteral("ActionHelp"), tr("Help"), 5, &TMainForm::ActionHelpExecute);
    ActionSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ActionCalc->setShortcut(QKeySequence(Qt::Key_F9));
    ActionReport->setShortcut(QKeySequence(Qt::Key_F2));
    ActionHelp->setShortcut(QKeySequence(Qt::Key_F1));
}

QAction* TMainForm::CreateAction(const QString& name, const QString& caption, int image,
                                 void (TMainForm::*handler)())
{
    static const QList<QIcon> images = ToolbarImages();
    auto* action = new QAction(images.value(image), caption, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
    addAction(action); // the shortcuts work wherever the focus is in the window
    return action;
}

void TMainForm::CreateToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, ClientWidth, ToolBarHeight);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolBar1->setMovable(false);
    ToolBar1->addActions(
        {ActionLoad, ActionSave, ActionReset, ActionCalc, ActionReport, ActionHelp});
}

QComboBox* TMainForm::CreateDropDown(const QString& name, const QString& caption, int top)
{
    auto* label = new QLabel(caption, this);
    label->setGeometry(CheckLeft, top, DropDownLeft - CheckLeft, RowHeight);
    auto* dropDown = new QComboBox(this);
    dropDown->setObjectName(name);
    dropDown->setGeometry(DropDownLeft, top, ColumnRight - DropDownLeft, RowHeight);
    dropDown->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    return dropDown;
}

TFmtEdit* TMainForm::CreateField(const TFieldRow& row, int top)
{
    const int index = int(&row - FieldRows);
    auto* check = new QCheckBox(this);
    check->setObjectName(QStringLiteral("cb%1").arg(index));
    check->setGeometry(CheckLeft, top, CaptionLeft - CheckLeft, RowHeight);
    check->setChecked(row.given);
    check->setFocusPolicy(Qt::ClickFocus);
    check->setToolTip(tr("%1 is given").arg(QLatin1String(row.caption)));
    cb[index] = check;

    auto* caption = new QLabel(QLatin1String(row.caption), this);
    caption->setGeometry(CaptionLeft, top, FieldLeft - CaptionLeft - 4, RowHeight);

    auto* units = new TFmtEditLabel(this);
    units->setObjectName(QStringLiteral("%1Units").arg(QLatin1String(row.name)));
    units->setGeometry(UnitsLeft, top, UnitsWidth, RowHeight);
    units->setCursor(Qt::PointingHandCursor);
    units->setToolTip(tr("Click to choose the unit"));

    auto* field = new TFmtEdit(this);
    field->setObjectName(QLatin1String(row.name));
    field->setGeometry(FieldLeft, top, FieldWidth, RowHeight);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->SetFormatType(ft_Fixed);
    field->SetSigDigs(5);
    field->SetFormatStr(QLatin1String(row.format));
    field->SetRangeLo(row.rangeLo);
    field->SetRangeHi(row.rangeHi);
    field->setText(QLatin1String(row.designText));
    field->SetUnitsType(row.unitsType);
    field->SetUnitsBase(0);
    field->SetUnitsValue(0);
    field->SetUnitsLabel(units);
    connect(field, &QvCustomEdit::OnExit, this, [this, field] { FieldExit(field); });
    field->installEventFilter(this);
    return field;
}

void TMainForm::CreateControls()
{
    const QString dropDownNames[] = {QStringLiteral("cbHot"), QStringLiteral("cbCold"),
                                     QStringLiteral("cbHex")};
    const QString dropDownCaptions[] = {tr("Hot fluid"), tr("Cold fluid"), tr("Hx Type")};
    QComboBox** dropDowns[] = {&cbHot, &cbCold, &cbHex};

    int top = ColumnTop;
    int group = -1;
    for (const TFieldRow& row : FieldRows) {
        if (row.group != group) {
            group = row.group;
            if (group > 0)
                top += GroupGap;
            *dropDowns[group] = CreateDropDown(dropDownNames[group], dropDownCaptions[group], top);
            top += RowStep;
        }
        this->*row.field = CreateField(row, top);
        top += RowStep;
    }
    connect(cbHot, &QComboBox::activated, this, [this] { RunGuarded([this] { cbHotChange(); }); });
    connect(cbCold, &QComboBox::activated, this,
            [this] { RunGuarded([this] { cbColdChange(); }); });
    connect(cbHex, &QComboBox::activated, this, [this] { RunGuarded([this] { cbHexChange(); }); });

    HTMLView = new THTMLView(this);
    HTMLView->setObjectName(QStringLiteral("HTMLView"));
    HTMLView->setGeometry(ColumnRight + 6, 45, 281, 415);
    HTMLView->setFocusPolicy(Qt::ClickFocus);
    HTMLView->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 10));
    HTMLView->document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt { font-family: 'Courier New', monospace; }"));

    tChart = new TChartPanel(this);
    tChart->setObjectName(QStringLiteral("tChart"));
    tChart->setGeometry(499, 45, 246, 239);
    ConfigureTemperatureChart(*tChart);

    DiagMemo = new QPlainTextEdit(this);
    DiagMemo->setObjectName(QStringLiteral("DiagMemo"));
    DiagMemo->setGeometry(499, 290, 246, 170);
    DiagMemo->setFont(CourierFont(8));
    DiagMemo->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    DiagMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette memoPalette = DiagMemo->palette();
    memoPalette.setColor(QPalette::Text, Qt::gray);
    DiagMemo->setPalette(memoPalette);

    Label13 = new QLabel(QStringLiteral("Status"), this);
    Label13->setObjectName(QStringLiteral("Label13"));
    Label13->setGeometry(CheckLeft, 466, ClientWidth - 2 * CheckLeft, 28);
    Label13->setFont(StatusFont(StatusPointSize));
    Label13->setStyleSheet(StatusStyle(TVerdict::vkFeasible));

    // Tab order: the nine fields, in table order.
    for (std::size_t i = 1; i < std::size(FieldRows); ++i)
        setTabOrder(this->*FieldRows[i - 1].field, this->*FieldRows[i].field);
}

void TMainForm::CreateContextMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Copytoclipboard1 = PopupMenu1->addAction(tr("Copy to clipboard"));
    Copytoclipboard1->setObjectName(QStringLiteral("Copytoclipboard1"));
    Pastefromclipboard1 = PopupMenu1->addAction(tr("Paste from clipboard"));
    Pastefromclipboard1->setObjectName(QStringLiteral("Pastefromclipboard1"));
    connect(Copytoclipboard1, &QAction::triggered, this,
            [this] { RunGuarded([this] { Copytoclipboard1Click(); }); });
    connect(Pastefromclipboard1, &QAction::triggered, this,
            [this] { RunGuarded([this] { Pastefromclipboard1Click(); }); });
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

// ---------------------------------------------------------------------------
// Start-up

void TMainForm::FormCreate(const QStringList& arguments)
{
    m_settingsKeyPath = GetAppRegistryKey();
    setWindowTitle(GetProductNameAndVersion(TPlatformPath::ExecutablePath()));
    m_pageList.clear();
    LoadTables();
    RestoreLastCase();
    if (arguments.size() == 14)
        ApplyCaseArguments(arguments);
    else if (arguments.size() == 2)
        OpenCaseAtStart(arguments[1]);
    m_firstActivation = true;
}

void TMainForm::LoadTables()
{
    const TLookupTables tables = TLookupTables::LoadFrom(ExeFolder);
    cbHot->clear();
    cbHot->addItems(tables.FluidNames());
    m_fluidCp.clear();
    for (const TFluid& fluid : tables.Fluids())
        m_fluidCp << fluid.cp;
    cbCold->clear();
    cbCold->addItems(tables.FluidNames());
    cbHex->clear();
    cbHex->addItems(tables.HeatXTypeNames());
    m_types = tables.HeatXTypes();
}

void TMainForm::ActionResetExecute()
{
    CaseIntoControls(TLastCase::ResetCase());
    ShowNotSolved();
}

void TMainForm::RestoreLastCase()
{
    RestoreFormPlacement(this, false, false);
    ActionResetExecute();
    const TSettingsStore store(m_settingsKeyPath);
    const TLastCase last = TLastCase::Read(store, CaseFromControls());
    UnitsIntoFields(last);
    CaseIntoControls(last);
    m_recentFiles = TRecentFiles::Read(store);
    UpdateRecentFilesMenu();
}

void TMainForm::StoreLastCase()
{
    SaveFormPlacement(this);
    TSettingsStore store(m_settingsKeyPath);
    CaseFromControls().Write(store);
    store.Flush();
}

TLastCase TMainForm::CaseFromControls() const
{
    TLastCase controls;
    controls.hotFluid = cbHot->currentIndex();
    controls.coldFluid = cbCold->currentIndex();
    controls.heatXType = cbHex->currentIndex();
    controls.mask = MaskFromCheckBoxes();
    for (int i = 0; i < TLastCase::FieldCount; ++i) {
        const TFmtEdit& field = *(this->*FieldRows[i].field);
        controls.values[i] = FieldValue(field);
        controls.units[i] = field.UnitsValue();
    }
    return controls;
}

// Leaves a field whose value is empty as it is, and the ticks without a mask.
void TMainForm::CaseIntoControls(const TLastCase& lastCase)
{
    SetItemIndex(*cbHot, lastCase.hotFluid);
    SetItemIndex(*cbCold, lastCase.coldFluid);
    SetItemIndex(*cbHex, lastCase.heatXType);
    if (lastCase.mask)
        CheckBoxesFromMask(*lastCase.mask);
    for (int i = 0; i < TLastCase::FieldCount; ++i) {
        if (const std::optional<double> value = lastCase.values[i])
            (this->*FieldRows[i].field)->SetValue(*value);
    }
}

// A unit index the field's quantity does not have gives its base unit.
void TMainForm::UnitsIntoFields(const TLastCase& lastCase)
{
    for (int i = 0; i < TLastCase::FieldCount; ++i) {
        TFmtEdit& field = *(this->*FieldRows[i].field);
        const int unit = lastCase.units[i];
        field.SetUnitsValue(unit >= 0 && unit < UnitsCount(field.UnitsType()) ? unit
                                                                              : field.UnitsBase());
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    RunGuarded([this] { StoreLastCase(); });
    QWidget::closeEvent(event);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TMainForm::FormActivate()
{
    if (!m_firstActivation)
        return;
    // A Calc stopped by a field that holds no number leaves the flag set.
    RunGuarded([this] {
        ActionCalcExecute();
        m_firstActivation = false;
        ShowTableNote();
    });
    emit Started();
}

// ---------------------------------------------------------------------------
// Fields, check boxes, drop-downs and status

void TMainForm::ReadFieldsIntoCase()
{
    THx& hx = CurrentHx();
    hx.thi = FieldNumber(*edthi);
    hx.tho = FieldNumber(*edtho);
    hx.mh = FieldNumber(*edmh);
    hx.tci = FieldNumber(*edtci);
    hx.tco = FieldNumber(*edtco);
    hx.mc = FieldNumber(*edmc);
    hx.Uo = UoFromWatts(FieldNumber(*eduo));
    hx.Ao = FieldNumber(*edao);
    hx.Q = FieldNumber(*edq);
}

void TMainForm::WriteCaseIntoFields()
{
    const THx& hx = CurrentHx();
    edthi->SetValue(hx.thi);
    edtho->SetValue(hx.tho);
    edmh->SetValue(hx.mh);
    edtci->SetValue(hx.tci);
    edtco->SetValue(hx.tco);
    edmc->SetValue(hx.mc);
    eduo->SetValue(UoInWatts(hx.Uo));
    edao->SetValue(hx.Ao);
    edq->SetValue(hx.Q);
}

int TMainForm::MaskFromCheckBoxes() const
{
    int mask = 0;
    for (int n = 0; n < int(cb.size()); ++n) {
        if (cb[n]->isChecked())
            SetBit(mask, n);
    }
    return mask;
}

void TMainForm::CheckBoxesFromMask(int mask)
{
    for (int n = 0; n < int(cb.size()); ++n)
        cb[n]->setChecked(HasBit(mask, n));
}

void TMainForm::ShowNotSolved()
{
    ShowStatus(NotSolvedText);
}

// A finding, in amber for a warning and in red for an infeasible case, or a
// failure with its cause may be long: it takes a smaller type where it needs to.
void TMainForm::ShowStatus(const QString& text, TVerdict::TKind verdict)
{
    Label13->setText(text);
    // Style and font are set only on a change: each polishes the label again.
    const QString style = StatusStyle(verdict);
    if (Label13->styleSheet() != style)
        Label13->setStyleSheet(style);
    const QFont font = StatusFontFitting(text, Label13->contentsRect().width());
    if (Label13->font() != font)
        Label13->setFont(font);
}

// A case with findings keeps its results on show, so the numbers that prove
// them can be read.
void TMainForm::ShowVerdict(const TVerdict& verdict)
{
    ShowStatus(SolvedStatusText(CurrentHx().method, verdict), verdict.Kind());
}

// The record takes the chosen fluid's name with its specific heat, so the
// results page and the case file name the fluid that was solved. Without a
// selection the record keeps both.
void TMainForm::cbHotChange()
{
    if (const double* cp = TableEntry(m_fluidCp, *cbHot)) {
        CurrentHx().hotFluid = cbHot->currentText();
        CurrentHx().cph = *cp;
    }
    ShowNotSolved();
}

void TMainForm::cbColdChange()
{
    if (const double* cp = TableEntry(m_fluidCp, *cbCold)) {
        CurrentHx().coldFluid = cbCold->currentText();
        CurrentHx().cpc = *cp;
    }
    ShowNotSolved();
}

// An unticked Uo takes the type's default; a ticked one is the user's and
// stays, as does any Uo without a selection.
void TMainForm::cbHexChange()
{
    const THeatXTypeEntry* type = TableEntry(m_types, *cbHex);
    if (type && !cb[mbUo]->isChecked())
        eduo->SetValue(type->Uo);
    ShowNotSolved();
}

void TMainForm::FieldExit(TFmtEdit* field)
{
    if (field->isModified())
        ShowNotSolved();
}

// ---------------------------------------------------------------------------
// Calc

void TMainForm::ActionCalcExecute()
{
    ReadFieldsIntoCase(); // a field holding no number stops here, the status unchanged
    const double uoRead = FieldNumber(*eduo);
    cbHotChange();
    cbColdChange();
    CurrentHx().SetHeatXType(cbHex->currentText());
    cbHexChange();
    try {
        THx& hx = CurrentHx();
        hx.arrangement = SelectedArrangement();
        const THx given = hx;
        const int mask = MaskFromCheckBoxes();
        m_solvedMask = mask;
        hx.Solve(mask);
        const TVerdict verdict = CheckFeasibility({given, hx, mask, SolveComputes(mask)});
        WriteCaseIntoFields();
        m_pageList.clear();
        QStringList diagnostics;
        hx.WriteResultsPage(m_pageList);
        HTMLView->LoadFromStrings(m_pageList);
        hx.WriteDiagnostics(diagnostics);
        verdict.AppendFindings(diagnostics);
        ShowDiagnostics(diagnostics.join(QLatin1Char('\n')));
        ShowChart();
        ShowVerdict(verdict);
    } catch (const EMathError& error) {
        ShowFailure(NoSolutionText(error), uoRead);
    } catch (const EArrangementError& error) {
        ShowFailure(NoSolutionText(error), uoRead);
    } catch (...) {
        // Not a fault of the case but of the program: the action's guard names
        // it in a message box. No result of this Calc is left on show.
        ShowFailure(NotSolvedText, uoRead);
        throw;
    }
}

void TMainForm::ShowFailure(const QString& status, double uoRead)
{
    ClearResults();
    // The next Calc sizes with the Uo the user gave, not the type's default.
    eduo->SetValue(uoRead);
    ShowStatus(status);
}

// Without a selection no type names an arrangement: counter flow.
TFlowArrangement TMainForm::SelectedArrangement() const
{
    const THeatXTypeEntry* type = TableEntry(m_types, *cbHex);
    return type ? type->Arrangement() : TFlowArrangement();
}

// What QPlainTextEdit::setPlainText does, less its reformatting of the whole
// text in the format at the cursor, which is the default one here anyway.
void TMainForm::ShowDiagnostics(const QString& text)
{
    DiagMemo->document()->setPlainText(text);
    DiagMemo->document()->setModified(false);
    DiagMemo->moveCursor(QTextCursor::Start);
}

void TMainForm::ClearResults()
{
    HTMLView->Clear();
    DiagMemo->clear();
    ClearChart();
}

void TMainForm::ShowChart()
{
    ShowTemperatureChart(*tChart, CurrentHx());
}

void TMainForm::ClearChart()
{
    ClearTemperatureChart(*tChart);
}

// ---------------------------------------------------------------------------
// Case file, report and help

void TMainForm::ActionSaveExecute()
{
    TXMLNode root;
    TXMLFile file(ExeFolder + CaseFileName, root, true);
    file.NewDocument(QStringLiteral("datafile"), ExeBaseName, root, QStringLiteral("1.0.0.0"));
    CurrentHx().WriteCase(file, root);
    file.Save();
}

void TMainForm::ActionLoadExecute()
{
    {
        TXMLNode root;
        TXMLFile file(ExeFolder + CaseFileName, root, false);
        CurrentHx().ReadCase(file, root);
    }
    WriteCaseIntoFields();
}

void TMainForm::ActionReportExecute()
{
    ShowReportPreview(this, *HTMLView);
}

void TMainForm::ActionHelpExecute()
{
    if (!TPlatform::Current().OpenDocument(ExeFolder + QStringLiteral("Help/Index.htm")))
        TPlatform::Current().ShowMessage(
            QStringLiteral("No program to show the help page is set up on this computer."));
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
    default: // the nine numbers, in the order of their check boxes
        (form.*FieldRows[TCaseArguments::MaskBitOf(value)].field)->SetValue(number);
        break;
    }
}

// Each value goes to its control as it converts; the first that does not stops
// there, with the message, and what was set before it stays set.
void ApplyCaseTexts(TMainForm& form, const TCaseArguments::TTexts& texts)
{
    TCaseArguments values;
    const std::string problem =
        values.Read(texts, [&form](TCaseArguments::TValue value, double number) {
            ApplyCaseValue(form, value, number);
        });
    if (!problem.empty())
        TPlatform::Current().ShowMessage(QStringLiteral("Invalid command line arguments..."));
}

} // namespace

void TMainForm::Copytoclipboard1Click()
{
    const TCaseArguments values =
        TCaseArguments::FromCase(CurrentHx(), cbHot->currentIndex(), cbCold->currentIndex(),
                                 cbHex->currentIndex(), MaskFromCheckBoxes());
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

// The record as the last Calc left it, with the mask that Calc solved it with.
void TMainForm::ActionSaveAsExecute()
{
    const QString path = TFileDialog::GetSaveFileName(this, tr("Save Case As"), UserDataFolder,
                                                      CaseFileFilter(), CaseFileSuffix);
    if (path.isEmpty())
        return;
    TCaseFile::Write(path, CurrentHx(), m_solvedMask, ExeBaseName);
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

// Names the tables lack leave their drop-downs as they are; a file without
// a mask leaves the check boxes.
void TMainForm::ApplyCaseFile(const QString& path)
{
    const TCaseFile file = TCaseFile::Read(path);
    QStringList lacking;
    for (const auto& [dropDown, name] :
         {std::pair{cbHot, &file.hotFluid}, std::pair{cbCold, &file.coldFluid},
          std::pair{cbHex, &file.heatXType}}) {
        if (!name->isEmpty() && !SelectItemNamed(*dropDown, *name))
            lacking << *name;
    }
    lacking.removeDuplicates();
    m_tableNote = lacking.isEmpty() ? QString()
                                    : QStringLiteral("  Not in the tables: ") + lacking.join(", ");
    file.GivenValuesInto(CurrentHx());
    WriteCaseIntoFields();
    if (file.mask)
        CheckBoxesFromMask(*file.mask);
}

void TMainForm::ShowTableNote()
{
    if (!m_tableNote.isEmpty())
        Label13->setText(Label13->text() + m_tableNote);
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

// ---------------------------------------------------------------------------
// Key handling

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched) &&
        FormKeyDown(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

// Enter and Down move to the next field, Up to the previous one; true when consumed.
bool TMainForm::FormKeyDown(QWidget* focused, int key)
{
    if (!focused->hasFocus())
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return true;
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return true;
    default:
        return false;
    }
}
