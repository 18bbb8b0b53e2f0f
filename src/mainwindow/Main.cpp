#include "Main.h"

#include "AppFolders.h"
#include "ApplicationErrors.h"
#include "CaseArguments.h"
#include "CaseInputs.h"
#include "DropDownSelection.h"
#include "FileDialog.h"
#include "FormPlacement.h"
#include "HTMLView.h"
#include "Hx.h"
#include "LastCase.h"
#include "LookupTables.h"
#include "NumberParse.h"
#include "Platform.h"
#include "PlatformPath.h"
#include "QvChartPanel.h"
#include "QvFmtEdit.h"
#include "QvHTMLPreview.h"
#include "SettingsStore.h"
#include "ShownUnit.h"
#include "SpecMask.h"
#include "SystemDisplayUnits.h"
#include "TemperatureChart.h"
#include "ToolbarImages.h"
#include "UnitsCatalogue.h"
#include "VerInfoRes.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QToolBar>
#include <optional>

namespace {

// The field of each case input, in the order of CaseInputRows, which is the tab
// order and the order of the check boxes cb0 ... cb8.
constexpr TFmtEdit* TMainForm::*FieldMembers[] = {
    &TMainForm::edthi, &TMainForm::edtho, &TMainForm::edmh,  &TMainForm::edtci,
    &TMainForm::edtco, &TMainForm::edmc,  &TMainForm::eduo,  &TMainForm::edao,
    &TMainForm::edq,   &TMainForm::edrfh, &TMainForm::edrfc, &TMainForm::edmargin,
};
static_assert(std::size(FieldMembers) == CaseInputCount);
static_assert(TLastCase::FieldCount == CaseInputCount);

// The drop-down a field stands under: hot, cold, exchanger; the allowances
// stand under a caption.
constexpr int FieldsPerGroup = 3;
constexpr int GroupCount = CaseInputCount / FieldsPerGroup;

const QString NotSolvedText = QStringLiteral("Not Solved...");

// Window layout, pixels in the client area at the default size; the menu bar
// stands above the tool bar.
constexpr int MenuBarHeight = TMainForm::MenuBarHeight;
constexpr int ToolBarHeight = 40;
constexpr int ColumnTop = MenuBarHeight + 48;
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
constexpr int ColumnBottom =
    ColumnTop + GroupCount * (FieldsPerGroup + 1) * RowStep + (GroupCount - 1) * GroupGap;
constexpr int StatusTop = ColumnBottom + 18;
constexpr int StatusHeight = 28;
constexpr int PanelTop = MenuBarHeight + 45;
constexpr int PanelBottom = StatusTop - 6;
constexpr int PageLeft = ColumnRight + 6;
constexpr int PageWidth = 281;
constexpr int ChartLeft = 499;
constexpr int ChartWidth = 246;
constexpr int ChartHeight = 239;
constexpr int MemoTop = PanelTop + 245;
static_assert(StatusTop + StatusHeight + 6 == TMainForm::ClientHeight);

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

// "Q 20000000 kW is out of range: set to 10000000.000 kW"
QString RangePullText(const TCaseInputRow& row, const TFmtEdit& field,
                      const QvCustomEdit::TRangePull& pull)
{
    const QString units = GetUnitsName(field.UnitsType(), field.UnitsValue());
    return TMainForm::tr("%1 %2 %3 is out of range: set to %4 %3")
        .arg(QLatin1String(row.name), pull.typed, units, pull.shown);
}

// A table entry for a drop-down's selection; nullptr without one.
template <typename Entry>
const Entry* TableEntry(const QList<Entry>& table, const QComboBox& dropDown)
{
    const int index = dropDown.currentIndex();
    return index >= 0 && index < table.size() ? &table[index] : nullptr;
}

// The selected entry into `entry`; without a selection `entry` stays (a case
// file's fluid that the table lacks, say).
template <typename Entry>
void SelectedEntryInto(const QList<Entry>& table, const QComboBox& dropDown, Entry& entry)
{
    if (const Entry* selected = TableEntry(table, dropDown))
        entry = *selected;
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

// A caption too long for its room ("margin") takes a smaller type.
void FitCaption(QLabel& caption)
{
    constexpr int smallest = 6;
    QFont font = caption.font();
    while (font.pointSize() > smallest &&
           QFontMetrics(font).horizontalAdvance(caption.text()) > caption.width())
        font.setPointSize(font.pointSize() - 1);
    caption.setFont(font);
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
    setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight);
    CreateActions();
    CreateCaseFileActions();
    CreateToolBar();
    CreateControls();
    CreateContextMenu();
    CreateCaseFileMenu();
    CreateUnitsMenu();
    CreateMenuBar();
    FormCreate(arguments);
}

TMainForm::~TMainForm() = default;

TFmtEdit* TMainForm::*TMainForm::FieldOf(int bit)
{
    return FieldMembers[bit];
}

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
    ToolBar1->setGeometry(0, MenuBarHeight, ClientWidth, ToolBarHeight);
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

void TMainForm::CreateGroupCaption(const QString& caption, int top)
{
    auto* label = new QLabel(caption, this);
    label->setGeometry(CheckLeft, top, ColumnRight - CheckLeft, RowHeight);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

TFmtEdit* TMainForm::CreateField(const TCaseInputRow& row, int top)
{
    const QString name = QLatin1String(row.name);
    auto* check = new QCheckBox(this);
    check->setObjectName(QStringLiteral("cb%1").arg(row.bit));
    check->setGeometry(CheckLeft, top, CaptionLeft - CheckLeft, RowHeight);
    check->setFocusPolicy(Qt::ClickFocus);
    if (row.allowance) {
        check->setChecked(true);
        check->setEnabled(false);
        check->setToolTip(tr("%1 is always given: 0 for none").arg(name));
    } else {
        check->setChecked(HasBit(InitialCaseMask, row.bit));
        check->setToolTip(tr("%1 is given").arg(name));
        cb[row.bit] = check;
    }

    auto* caption = new QLabel(name, this);
    caption->setGeometry(CaptionLeft, top, FieldLeft - CaptionLeft - 4, RowHeight);
    FitCaption(*caption);

    const QString fieldName = QStringLiteral("ed") + name.toLower();
    auto* units = new TFmtEditLabel(this);
    units->setObjectName(fieldName + QStringLiteral("Units"));
    units->setGeometry(UnitsLeft, top, UnitsWidth, RowHeight);
    units->setCursor(Qt::PointingHandCursor);
    units->setToolTip(tr("Click to choose the unit"));

    auto* field = new TFmtEdit(this);
    field->setObjectName(fieldName);
    field->setGeometry(FieldLeft, top, FieldWidth, RowHeight);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->SetFormatType(ft_Fixed);
    field->SetSigDigs(5);
    field->SetMinSigDigs(MinSigDigitsOf(row.unitsType));
    field->SetFormatStr(QLatin1String(row.format));
    field->SetRangeLo(row.rangeLo);
    field->SetRangeHi(row.rangeHi);
    field->SetUnitsType(row.unitsType);
    field->SetUnitsBase(row.unitsBase);
    field->SetUnitsValue(row.unitsBase);
    field->SetUnitsLabel(units);
    connect(field, &QvCustomEdit::OnExit, this, [this, &row, field] { FieldExit(row, field); });
    connect(field, &QvCustomEdit::OnUnitsEdited, this,
            [this] { RunGuarded([this] { ShowResultsInUnits(); }); });
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
    for (const TCaseInputRow& row : CaseInputRows) {
        const int group = row.bit / FieldsPerGroup;
        if (row.bit % FieldsPerGroup == 0) {
            if (group > 0)
                top += GroupGap;
            if (group < int(std::size(dropDowns)))
                *dropDowns[group] =
                    CreateDropDown(dropDownNames[group], dropDownCaptions[group], top);
            else
                CreateGroupCaption(tr("Fouling and margin"), top);
            top += RowStep;
        }
        this->*FieldOf(row.bit) = CreateField(row, top);
        top += RowStep;
    }
    connect(cbHot, &QComboBox::activated, this, [this] { RunGuarded([this] { cbHotChange(); }); });
    connect(cbCold, &QComboBox::activated, this,
            [this] { RunGuarded([this] { cbColdChange(); }); });
    connect(cbHex, &QComboBox::activated, this, [this] { RunGuarded([this] { cbHexChange(); }); });

    HTMLView = new THTMLView(this);
    HTMLView->setObjectName(QStringLiteral("HTMLView"));
    HTMLView->setGeometry(PageLeft, PanelTop, PageWidth, PanelBottom - PanelTop);
    HTMLView->setFocusPolicy(Qt::ClickFocus);
    HTMLView->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 10));
    HTMLView->document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt { font-family: 'Courier New', monospace; }"));

    // The report: the results page and the verdict's block, never shown in the window.
    ReportView = new THTMLView(this);
    ReportView->setObjectName(QStringLiteral("ReportView"));
    ReportView->setGeometry(HTMLView->geometry());
    ReportView->hide();
    ReportView->document()->setDefaultFont(HTMLView->document()->defaultFont());
    ReportView->document()->setDefaultStyleSheet(HTMLView->document()->defaultStyleSheet());

    tChart = new TChartPanel(this);
    tChart->setObjectName(QStringLiteral("tChart"));
    tChart->setGeometry(ChartLeft, PanelTop, ChartWidth, ChartHeight);
    ConfigureTemperatureChart(*tChart);

    DiagMemo = new QPlainTextEdit(this);
    DiagMemo->setObjectName(QStringLiteral("DiagMemo"));
    DiagMemo->setGeometry(ChartLeft, MemoTop, ChartWidth, PanelBottom - MemoTop);
    DiagMemo->setFont(CourierFont(8));
    DiagMemo->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    DiagMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette memoPalette = DiagMemo->palette();
    memoPalette.setColor(QPalette::Text, Qt::gray);
    DiagMemo->setPalette(memoPalette);

    Label13 = new QLabel(QStringLiteral("Status"), this);
    Label13->setObjectName(QStringLiteral("Label13"));
    Label13->setGeometry(CheckLeft, StatusTop, ClientWidth - 2 * CheckLeft, StatusHeight);
    Label13->setFont(StatusFont(StatusPointSize));
    Label13->setStyleSheet(StatusStyle(TVerdict::vkFeasible));

    // Tab order: the fields, in table order.
    for (int i = 1; i < CaseInputCount; ++i)
        setTabOrder(this->*FieldOf(i - 1), this->*FieldOf(i));
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

// File, Edit, Case and Help, with the actions of the tool bar and the context menu.
void TMainForm::CreateMenuBar()
{
    MenuBar1 = new QMenuBar(this);
    MenuBar1->setObjectName(QStringLiteral("MenuBar1"));
    MenuBar1->setGeometry(0, 0, ClientWidth, MenuBarHeight);
    ActionQuit = new QAction(tr("Quit"), this);
    ActionQuit->setObjectName(QStringLiteral("ActionQuit"));
    ActionQuit->setShortcut(QKeySequence::Quit);
    connect(ActionQuit, &QAction::triggered, this, &QWidget::close);
    addAction(ActionQuit);

    QMenu* file = MenuBar1->addMenu(tr("&File"));
    file->addActions({ActionLoad, ActionSave, ActionOpen, ActionSaveAs});
    file->addMenu(RecentFilesMenu);
    file->addSeparator();
    file->addAction(ActionReport);
    file->addSeparator();
    file->addAction(ActionQuit);
    MenuBar1->addMenu(tr("&Edit"))->addActions({Copytoclipboard1, Pastefromclipboard1});
    QMenu* caseMenu = MenuBar1->addMenu(tr("&Case"));
    caseMenu->addActions({ActionCalc, ActionReset});
    caseMenu->addMenu(UnitsMenu);
    MenuBar1->addMenu(tr("&Help"))->addAction(ActionHelp);
}

// The results page and the chart with the memo share the room beyond the
// default size: the page and the right-hand column each take half its width,
// the chart and the memo each half its height.
void TMainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int wider = std::max(0, width() - ClientWidth);
    const int taller = std::max(0, height() - ClientHeight);
    const int pageWider = wider / 2;
    const int chartTaller = taller / 2;
    MenuBar1->resize(width(), MenuBarHeight);
    ToolBar1->resize(width(), ToolBarHeight);
    HTMLView->setGeometry(PageLeft, PanelTop, PageWidth + pageWider,
                          PanelBottom - PanelTop + taller);
    ReportView->setGeometry(HTMLView->geometry());
    tChart->setGeometry(ChartLeft + pageWider, PanelTop, ChartWidth + wider - pageWider,
                        ChartHeight + chartTaller);
    DiagMemo->setGeometry(ChartLeft + pageWider, MemoTop + chartTaller,
                          ChartWidth + wider - pageWider,
                          PanelBottom - MemoTop + taller - chartTaller);
    Label13->setGeometry(CheckLeft, StatusTop + taller, width() - 2 * CheckLeft, StatusHeight);
}

void TMainForm::CreateUnitsMenu()
{
    PopupMenu1->addSeparator();
    UnitsMenu = PopupMenu1->addMenu(tr("Units"));
    UnitsMenu->setObjectName(QStringLiteral("UnitsMenu"));
    auto* systems = new QActionGroup(UnitsMenu);
    systems->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const TUnitSystem system : UnitSystems) {
        QAction* action = UnitsMenu->addAction(UnitSystemName(system));
        action->setCheckable(true);
        systems->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, system] { RunGuarded([this, system] { ApplyUnitSystem(system); }); });
    }
    connect(UnitsMenu, &QMenu::aboutToShow, this, [this] { CheckShownUnitSystem(); });
}

// Every field whose quantity the system has takes its unit; the values stay.
void TMainForm::ApplyUnitSystem(TUnitSystem system)
{
    for (const TCaseInputRow& row : CaseInputRows)
        if (const std::optional<int> units = UnitSystemIndex(system, row.unitsType))
            (this->*FieldOf(row.bit))->SetUnitsValue(*units);
    ShowResultsInUnits();
}

bool TMainForm::FieldsShow(TUnitSystem system) const
{
    for (const TCaseInputRow& row : CaseInputRows) {
        const std::optional<int> units = UnitSystemIndex(system, row.unitsType);
        if (units && (this->*FieldOf(row.bit))->UnitsValue() != *units)
            return false;
    }
    return true;
}

std::optional<TUnitSystem> TMainForm::ShownUnitSystem() const
{
    for (const TUnitSystem system : UnitSystems)
        if (FieldsShow(system))
            return system;
    return std::nullopt;
}

// Each field's quantity in its display unit where that is not its base unit;
// the quantities without a field in the system the fields show, SI where they
// show none; temperature differences in the hot inlet's unit, as on the chart.
TDisplayUnits TMainForm::ResultUnits() const
{
    TDisplayUnits units = SystemDisplayUnits(ShownUnitSystem().value_or(TUnitSystem::usSI));
    for (const TCaseInputRow& row : CaseInputRows) {
        const int shown = (this->*FieldOf(row.bit))->UnitsValue();
        if (shown != row.unitsBase)
            units.Set(row.bit, CaseInputShownUnit(row, shown));
    }
    if (const int shown = edthi->UnitsValue())
        units.Set(sqTemperatureDifference, ShownUnitOf(utTemperatureChange, shown, 0));
    return units;
}

void TMainForm::CheckShownUnitSystem()
{
    const QList<QAction*> actions = UnitsMenu->actions();
    for (int i = 0; i < actions.size(); ++i)
        actions[i]->setChecked(FieldsShow(UnitSystems[i]));
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
    if (arguments.size() == 1 + TCaseArguments::Count ||
        arguments.size() == 1 + TCaseArguments::WithAllowances)
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
    m_fluids = tables.Fluids();
    m_tableProblems = tables.Problems();
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
        const TFmtEdit& field = *(this->*FieldOf(i));
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
            (this->*FieldOf(i))->SetValue(*value);
    }
}

// A unit index the field's quantity does not have gives its base unit.
void TMainForm::UnitsIntoFields(const TLastCase& lastCase)
{
    for (int i = 0; i < TLastCase::FieldCount; ++i) {
        TFmtEdit& field = *(this->*FieldOf(i));
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
        ShowTableProblems();
    });
    emit Started();
}

// ---------------------------------------------------------------------------
// Fields, check boxes, drop-downs and status

// The current input from the controls: the fields' exact values, the ticks
// and the drop-downs' entries.
void TMainForm::ReadFieldsIntoCase()
{
    TCaseInput& input = m_document.current;
    for (const TCaseInputRow& row : CaseInputRows)
        input.values[row.bit] = row.RecordValue(FieldNumber(*(this->*FieldOf(row.bit))));
    input.mask = MaskFromCheckBoxes();
    SelectedEntryInto(m_fluids, *cbHot, input.hotFluid);
    SelectedEntryInto(m_fluids, *cbCold, input.coldFluid);
    SelectedEntryInto(m_types, *cbHex, input.heatXType);
}

void TMainForm::WriteCaseIntoFields()
{
    const THx& hx = m_document.Result().hx;
    for (const TCaseInputRow& row : CaseInputRows)
        (this->*FieldOf(row.bit))->SetValue(row.FieldValue(hx.*row.member));
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

// The current input follows the choice; the solved case waits for Calc.
void TMainForm::cbHotChange()
{
    SelectedEntryInto(m_fluids, *cbHot, m_document.current.hotFluid);
    OfferFouling(m_document.current.hotFluid, *edrfh);
    ShowNotSolved();
}

void TMainForm::cbColdChange()
{
    SelectedEntryInto(m_fluids, *cbCold, m_document.current.coldFluid);
    OfferFouling(m_document.current.coldFluid, *edrfc);
    ShowNotSolved();
}

// A fluid the table gives a fouling resistance brings it into its stream's field.
void TMainForm::OfferFouling(const TFluid& fluid, TFmtEdit& field)
{
    if (fluid.fouling)
        field.SetValue(*fluid.fouling);
}

// An unticked Uo takes the type's default; a ticked one is the user's and
// stays, as does any Uo without a selection.
void TMainForm::cbHexChange()
{
    SelectedEntryInto(m_types, *cbHex, m_document.current.heatXType);
    const THeatXTypeEntry* type = TableEntry(m_types, *cbHex);
    if (type && !cb[mbUo]->isChecked())
        eduo->SetValue(type->Uo);
    ShowNotSolved();
}

// Once, after the first Calc; every case with such a value also warns of it.
void TMainForm::ShowTableProblems()
{
    if (!m_tableProblems.isEmpty())
        TPlatform::Current().ShowMessage(tr("Values of the tables that are not numbers:\n") +
                                         m_tableProblems.join(u'\n'));
    m_tableProblems.clear();
}

// F9 in a field being edited reads its text as leaving the field would. A value
// pulled into range stops the Calc, so that the user sees what would be solved.
bool TMainForm::FocusedFieldPulledIntoRange()
{
    for (const TCaseInputRow& row : CaseInputRows) {
        TFmtEdit* field = this->*FieldOf(row.bit);
        if (field->hasFocus() && field->isModified() && !field->FormatText(field->text())) {
            field->ValidateError();
            FieldExit(row, field);
            return true;
        }
    }
    return false;
}

void TMainForm::FieldExit(const TCaseInputRow& row, TFmtEdit* field)
{
    if (!field->isModified())
        return;
    if (const std::optional<QvCustomEdit::TRangePull> pull = field->RangePull())
        ShowStatus(RangePullText(row, *field, *pull), TVerdict::vkWarnings);
    else
        ShowNotSolved();
}

// ---------------------------------------------------------------------------
// Calc

void TMainForm::ActionCalcExecute()
{
    if (FocusedFieldPulledIntoRange())
        return;
    ReadFieldsIntoCase(); // a field holding no number stops here, the status unchanged
    try {
        const TDisplayUnits units = ResultUnits();
        ShowResult(m_document.Solve(units), units);
    } catch (...) {
        // Not a fault of the case but of the program: the action's guard names
        // it in a message box. No result of this Calc is left on show.
        ClearResults();
        ShowNotSolved();
        throw;
    }
}

// A case with findings keeps its results on show, so the numbers that prove
// them can be read; a case without a solution shows none, and its fields stay
// as the user gave them.
void TMainForm::ShowResult(const TCaseResult& result, const TDisplayUnits& units)
{
    if (result.failure) {
        ClearResults();
        ShowStatus(result.StatusText());
        return;
    }
    WriteCaseIntoFields();
    ShowSolved(result, units);
    ShowStatus(result.StatusText(), result.verdict.Kind());
}

// The page, the report, the diagnostics with the findings and the chart of a
// solved case, in `units`.
void TMainForm::ShowSolved(const TCaseResult& result, const TDisplayUnits& units)
{
    const THx& hx = result.hx;
    m_pageList.clear();
    QStringList diagnostics;
    hx.WriteResultsPage(m_pageList, units);
    HTMLView->LoadFromStrings(m_pageList);
    QStringList report = m_pageList;
    result.verdict.InsertReportBlock(report);
    ReportView->LoadFromStrings(report);
    hx.WriteDiagnostics(diagnostics, units);
    result.verdict.AppendFindings(diagnostics);
    ShowDiagnostics(diagnostics.join(QLatin1Char('\n')));
    ShowChart();
    m_resultsOnShow = true;
}

// Results on show follow a change of the fields' units; the status line too,
// while it still tells them rather than a later edit.
void TMainForm::ShowResultsInUnits()
{
    if (!m_resultsOnShow)
        return;
    const bool statusTellsResult = Label13->text() == m_document.Result().StatusText();
    const TDisplayUnits units = ResultUnits();
    const TCaseResult& result = m_document.Rejudge(units);
    ShowSolved(result, units);
    if (statusTellsResult)
        ShowStatus(result.StatusText(), result.verdict.Kind());
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
    m_resultsOnShow = false;
    HTMLView->Clear();
    ReportView->Clear();
    DiagMemo->clear();
    ClearChart();
}

// In the unit of the hot inlet's field: "degC", "degF" or "K" on the axis.
void TMainForm::ShowChart()
{
    TChartTemperatureUnit unit;
    unit.factor = edthi->Factor();
    unit.offset = edthi->Offset();
    unit.name = GetUnitsName(edthi->UnitsType(), edthi->UnitsValue())
                    .replace(QChar(u'°'), QStringLiteral("deg"));
    ShowTemperatureChart(*tChart, m_document.Result().hx, unit);
}

void TMainForm::ClearChart()
{
    ClearTemperatureChart(*tChart);
}

// ---------------------------------------------------------------------------
// Report and help

void TMainForm::ActionReportExecute()
{
    ShowReportPreview(this, *ReportView);
}

void TMainForm::ActionHelpExecute()
{
    if (!TPlatform::Current().OpenDocument(ExeFolder + QStringLiteral("Help/Index.htm")))
        TPlatform::Current().ShowMessage(
            QStringLiteral("No program to show the help page is set up on this computer."));
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
