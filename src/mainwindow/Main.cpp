#include "Main.h"

#include "AppFolders.h"
#include "ApplicationErrors.h"
#include "CaseArguments.h"
#include "CurrentHx.h"
#include "FormPlacement.h"
#include "HTMLView.h"
#include "Hx.h"
#include "LookupTables.h"
#include "NumberParse.h"
#include "Platform.h"
#include "QvChartPanel.h"
#include "QvFmtEdit.h"
#include "QvHTMLPreview.h"
#include "SettingsStore.h"
#include "TemperatureChart.h"
#include "ToolbarImages.h"
#include "UoUnits.h"
#include "VerInfoRes.h"
#include "XMLFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <cmath>

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
    {&TMainForm::eduo, "eduo", "Uo", "%0.5g", utHeatTransCoeff, 0.01, 1000.0, true, "37", 2},
    {&TMainForm::edao, "edao", "Ao", "%0.1f", utArea, 0.01, 1000.0, false, "38.0", 2},
    {&TMainForm::edq, "edq", "Q", "%0.3f", utDutyPrim, 0.001, 1000.0, false, "23.529", 2},
};

// One item of the default case and of the remembered last case: a drop-down
// index or a field value (base units), with its settings section and name.
struct TCaseItem
{
    const char* section;
    const char* name;
    QComboBox* TMainForm::*dropDown;
    TFmtEdit* TMainForm::*field;
    double resetValue;
};

const TCaseItem CaseItems[] = {
    {"HotFluid", "index", &TMainForm::cbHot, nullptr, 0},
    {"HotFluid", "thi", nullptr, &TMainForm::edthi, 35.0},
    {"HotFluid", "tho", nullptr, &TMainForm::edtho, 13.0},
    {"HotFluid", "mh", nullptr, &TMainForm::edmh, 1.0},
    {"ColdFluid", "index", &TMainForm::cbCold, nullptr, 1},
    {"ColdFluid", "tci", nullptr, &TMainForm::edtci, 5.0},
    {"ColdFluid", "tco", nullptr, &TMainForm::edtco, 11.0},
    {"ColdFluid", "mc", nullptr, &TMainForm::edmc, 0.895},
    {"HeatXType", "index", &TMainForm::cbHex, nullptr, 0},
    {"HeatXType", "Uo", nullptr, &TMainForm::eduo, 37.0},
    {"HeatXType", "Ao", nullptr, &TMainForm::edao, 41.8},
    {"HeatXType", "Q", nullptr, &TMainForm::edq, 22.506},
};

const QString CaseFileName = QStringLiteral("sample.xml");

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

// A table entry for a drop-down's selection; nullptr without one.
const double* TableEntry(const QList<double>& table, const QComboBox& dropDown)
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

} // namespace

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setFixedSize(ClientWidth, ClientHeight);
    CreateActions();
    CreateToolBar();
    CreateControls();
    CreateContextMenu();
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
    for (const QString& fluid :
         {QStringLiteral("air"), QStringLiteral("water"), QStringLiteral("oil")}) {
        cbHot->addItem(fluid);
        cbCold->addItem(fluid);
    }
    cbHex->addItems({QStringLiteral("fin and tube"), QStringLiteral("shell and tube"),
                     QStringLiteral("tube in tube"), QStringLiteral("compact"),
                     QStringLiteral("plate")});
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
    QFont statusFont = CourierFont(12);
    statusFont.setBold(true);
    Label13->setFont(statusFont);
    Label13->setStyleSheet(QStringLiteral("color: #800000;"));

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
    setWindowTitle(GetProductNameAndVersion(QCoreApplication::applicationFilePath()));
    m_pageList.clear();
    LoadTables();
    RestoreLastCase();
    if (arguments.size() == 14)
        ApplyCaseArguments(arguments);
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
    m_typeUo.clear();
    for (const THeatXTypeEntry& type : tables.HeatXTypes())
        m_typeUo << type.Uo;
}

void TMainForm::ActionResetExecute()
{
    for (const TCaseItem& item : CaseItems) {
        if (item.dropDown)
            SetItemIndex(*(this->*item.dropDown), int(item.resetValue));
        else
            (this->*item.field)->SetValue(item.resetValue);
    }
    SetStatus(false);
}

void TMainForm::RestoreLastCase()
{
    RestoreFormPlacement(this, false, false);
    ActionResetExecute();
    const TSettingsStore store(m_settingsKeyPath);
    for (const TCaseItem& item : CaseItems) {
        const QString section = QLatin1String(item.section);
        const QString name = QLatin1String(item.name);
        if (item.dropDown) {
            QComboBox& dropDown = *(this->*item.dropDown);
            SetItemIndex(dropDown, store.ReadInteger(section, name, dropDown.currentIndex()));
        } else {
            // Not a number or infinite is no value a field can hold: missing.
            TFmtEdit& field = *(this->*item.field);
            const double current = FieldNumber(field);
            const double stored = store.ReadFloat(section, name, current);
            field.SetValue(std::isfinite(stored) ? stored : current);
        }
    }
}

void TMainForm::StoreLastCase()
{
    SaveFormPlacement(this);
    TSettingsStore store(m_settingsKeyPath);
    for (const TCaseItem& item : CaseItems) {
        const QString section = QLatin1String(item.section);
        const QString name = QLatin1String(item.name);
        if (item.dropDown) {
            store.WriteInteger(section, name, (this->*item.dropDown)->currentIndex());
            continue;
        }
        // A field left holding no number keeps the value remembered before.
        double value = 0;
        if (TryStrToFloat((this->*item.field)->GetValue().ToString(), value))
            store.WriteFloat(section, name, value);
    }
    store.Flush();
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

void TMainForm::SetStatus(bool solved)
{
    Label13->setText(solved
                         ? QStringLiteral("Solved  (") + CurrentHx().method + QStringLiteral(")...")
                         : QStringLiteral("Not Solved..."));
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
    SetStatus(false);
}

void TMainForm::cbColdChange()
{
    if (const double* cp = TableEntry(m_fluidCp, *cbCold)) {
        CurrentHx().coldFluid = cbCold->currentText();
        CurrentHx().cpc = *cp;
    }
    SetStatus(false);
}

// Without a selection the Uo field keeps its value.
void TMainForm::cbHexChange()
{
    if (const double* uo = TableEntry(m_typeUo, *cbHex))
        eduo->SetValue(*uo);
    SetStatus(false);
}

void TMainForm::FieldExit(TFmtEdit* field)
{
    if (field->isModified())
        SetStatus(false);
}

// ---------------------------------------------------------------------------
// Calc

void TMainForm::ActionCalcExecute()
{
    ReadFieldsIntoCase(); // a field holding no number stops here, the status unchanged
    cbHotChange();
    cbColdChange();
    CurrentHx().SetHeatXType(cbHex->currentText());
    cbHexChange();
    try {
        THx& hx = CurrentHx();
        hx.Solve(MaskFromCheckBoxes());
        WriteCaseIntoFields();
        m_pageList.clear();
        QStringList diagnostics;
        hx.WriteResultsPage(m_pageList);
        HTMLView->LoadFromStrings(m_pageList);
        hx.WriteDiagnostics(diagnostics);
        ShowDiagnostics(diagnostics.join(QLatin1Char('\n')));
        ShowChart();
        SetStatus(true);
    } catch (...) {
        ClearResults();
        Label13->setText(QStringLiteral("No solution with this data..."));
    }
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
    TPlatform::Current().OpenDocument(ExeFolder + QStringLiteral("Help/Index.htm"));
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
