#include "QvCustomEdit.h"

#include "FmtEditLabel.h"
#include "Format.h"
#include "NumberParse.h"
#include "NumberText.h"
#include "Platform.h"
#include "UnitsCatalogue.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

const QString kEscape(QChar(27));
const QString kBackspace(QChar(8));
const QString kEnter(QChar(13));

// The result of an extended-precision conversion as a double; one that does
// not fit is an error, as the field treats any other failed arithmetic.
double ToDouble(long double value)
{
    const auto result = static_cast<double>(value);
    if (!std::isfinite(result))
        throw std::overflow_error("Floating point overflow");
    return result;
}

// Nearest integer, ties to even, that must fit in Integer.
template <typename Integer> Integer RoundTo(double value)
{
    const double rounded = std::nearbyint(value);
    constexpr auto lowest = static_cast<double>(std::numeric_limits<Integer>::min());
    if (!(rounded >= lowest && rounded < -lowest))
        throw std::overflow_error("Integer overflow");
    return static_cast<Integer>(rounded);
}

// Focus that moves because the user switched windows or a popup opened: the
// field neither enters nor leaves.
bool IsWindowSwitch(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool IsSurrogatePairAt(const QString& text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at].isLowSurrogate() &&
           text[at - 1].isHighSurrogate();
}

} // namespace

QvCustomEdit::QvCustomEdit(QWidget* parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0.0"));
}

QvCustomEdit::~QvCustomEdit()
{
    SetUnitsLabel(nullptr);
}

TFmtValue QvCustomEdit::GetValue() const
{
    TFmtValue value = text();
    try {
        if (IsStringFormat(m_formatStr)) {
            value = Format(m_formatStr, {text()});
        } else if (IsFractionFormat(m_formatStr)) {
            double first = 0.0;
            double second = 0.0;
            if (ParseFraction(text(), first, second)) {
                value =
                    Format(m_formatStr, {ToDouble(UnitsFromDisplay(first, m_factor, m_offset)),
                                         ToDouble(UnitsFromDisplay(second, m_factor, m_offset))});
            } else {
                value = Format(QStringLiteral("%0.4g"),
                               {ToDouble(UnitsFromDisplay(first, m_factor, m_offset))});
            }
        } else {
            const double display = StrToFloat(CleanNumberText(text()));
            value = ToDouble(UnitsFromDisplay(display, m_factor, m_offset));
            if (IsIntegerFormat(m_formatStr))
                value = RoundTo<int>(value.ToFloat());
        }
    } catch (const std::exception&) {
        // The value read so far stands; the raw text when nothing could be read.
    }
    return value;
}

void QvCustomEdit::SetValue(const TFmtValue& value)
{
    try {
        if (IsStringFormat(m_formatStr)) {
            setText(Format(m_formatStr, {value.ToString()}));
        } else if (IsFractionFormat(m_formatStr)) {
            double first = 0.0;
            double second = 0.0;
            ParseFraction(value.ToString(), first, second);
            setText(Format(m_formatStr, {ToDouble(UnitsToDisplay(first, m_factor, m_offset)),
                                         ToDouble(UnitsToDisplay(second, m_factor, m_offset))}));
        } else {
            const double display = ToDouble(UnitsToDisplay(value.ToFloat(), m_factor, m_offset));
            if (IsIntegerFormat(m_formatStr))
                setText(Format(m_formatStr, {RoundTo<std::int64_t>(display)}));
            else if (IsFloatFormat(m_formatStr))
                setText(FormatNumber(display));
        }
    } catch (const std::exception&) {
        setText(QString());
    }
}

// The format for a number in display units, by FormatType.
QString QvCustomEdit::NumberFormat(double display) const
{
    const QString sigDigitFormat = SigDigitFormat(m_sigDigs, 12, display);
    switch (m_formatType) {
    case ft_Auto:
        return sigDigitFormat;
    case ft_AutoOverride:
        return std::pow(10.0, 2 - m_decimals) > display ? sigDigitFormat : m_formatStr;
    case ft_Fixed:
    case ft_Manual:
        break;
    }
    return m_formatStr;
}

QString QvCustomEdit::FormatNumber(double display) const
{
    return Format(NumberFormat(display), {display});
}

void QvCustomEdit::SetUnitsType(TUnitsType type)
{
    m_unitsType = type;
    m_unitsValue = CheckUnitsIndex(type, m_unitsValue);
    m_unitsBase = CheckUnitsIndex(type, m_unitsBase);
    m_factor = 1.0;
    m_offset = 0.0;
    UpdateUnits();
}

void QvCustomEdit::SetUnitsValue(int index)
{
    m_unitsValue = CheckUnitsIndex(m_unitsType, index);
    UpdateUnits();
}

void QvCustomEdit::SetUnitsBase(int index)
{
    m_unitsBase = CheckUnitsIndex(m_unitsType, index);
    UpdateUnits();
}

void QvCustomEdit::SetUnitsLabel(QLabel* label)
{
    auto* current = qobject_cast<TFmtEditLabel*>(m_unitsLabel.data());
    if (current && current != label)
        current->RemoveEdit(this);
    if (IsStringFormat(m_formatStr))
        m_formatStr = QStringLiteral("%0.1f");
    m_unitsLabel = label;
    if (auto* unitsLabel = qobject_cast<TFmtEditLabel*>(label)) {
        unitsLabel->AddEdit(this);
        SetUnitsValue(m_unitsValue);
    }
}

void QvCustomEdit::SetFormatStr(const QString& format)
{
    m_formatStr = format;
    if (format == QStringLiteral("%S") && text() == QStringLiteral("0.0"))
        setText(QString());
}

void QvCustomEdit::UpdateUnits()
{
    if (m_unitsType == utNone && (IsStringFormat(m_formatStr) || IsIntegerFormat(m_formatStr)))
        return;
    try {
        const bool fraction = IsFractionFormat(m_formatStr);
        const TFmtValue current = GetValue();
        const TFmtValue value = fraction ? TFmtValue(current.ToString()) : current.ToFloat();
        QString name;
        QString format;
        GetUnitsConversion(m_unitsType, m_unitsValue, m_unitsBase, name, m_factor, m_offset,
                           format);
        if (m_formatType != ft_Manual && m_unitsType != utNone)
            m_formatStr = format;
        if (IsStringFormat(m_formatStr))
            return;
        m_decimals = FormatDecimals(m_formatStr);
        if (m_unitsLabel)
            m_unitsLabel->setText(name);
        if (fraction && !m_formatStr.contains(u'/'))
            m_formatStr = m_formatStr + u'/' + m_formatStr;
        SetValue(value);
    } catch (const std::exception&) {
        // A text that is not a number: the field goes on showing the previous unit.
    }
}

bool QvCustomEdit::FormatText(const QString& text)
{
    if (IsStringFormat(m_formatStr)) {
        const QString formatted = Format(m_formatStr, {text});
        if (formatted != this->text())
            setText(formatted);
        setModified(true);
        return true;
    }
    bool accepted = true;
    try {
        const QString cleaned = CleanNumberText(text);
        QString formatted;
        if (IsFractionFormat(m_formatStr)) {
            double first = 0.0;
            double second = 0.0;
            const bool both = ParseFraction(cleaned, first, second);
            // Both numbers may move to a bound; without a "/" there is no second one.
            const bool firstInRange = CheckRange(first);
            const bool secondInRange = !both || CheckRange(second);
            accepted = firstInRange && secondInRange;
            formatted = both ? Format(m_formatStr, {first, second})
                             : Format(m_formatStr.left(m_formatStr.indexOf(u'/')), {first});
        } else {
            double x = StrToFloat(cleaned);
            accepted = CheckRange(x);
            formatted = IsIntegerFormat(m_formatStr)
                            ? Format(m_formatStr, {std::int64_t{RoundTo<std::int32_t>(x)}})
                            : FormatNumber(x);
        }
        if (formatted != this->text())
            setText(formatted);
        setModified(true);
    } catch (const std::exception&) {
        // Not a number: the text stays as typed.
    }
    return accepted;
}

bool QvCustomEdit::CheckRange(double& x) const
{
    if (IsStringFormat(m_formatStr))
        return true;
    const double lo = ToDouble(UnitsToDisplay(m_rangeLo, m_factor, m_offset));
    const double hi = ToDouble(UnitsToDisplay(m_rangeHi, m_factor, m_offset));
    if (std::fabs(lo - hi) < 0.00001 || (lo == 0.0 && hi == 0.0))
        return true;
    // Up to 0.5 % beyond a bound is taken as typed.
    constexpr double tolerance = 0.005;
    if (x < lo && (lo == 0.0 || std::fabs((lo - x) / lo) > tolerance)) {
        x = lo;
        return false;
    }
    if (x > hi && (hi == 0.0 || std::fabs((x - hi) / hi) > tolerance)) {
        x = hi;
        return false;
    }
    return true;
}

void QvCustomEdit::ValidateEdit()
{
    if (!isModified() || FormatText(text()))
        return;
    {
        const QScopedValueRollback reclaiming(m_reclaiming, true);
        setFocus();
    }
    setModified(true);
    ValidateError();
}

void QvCustomEdit::ValidateError()
{
    TPlatform::Current().Beep();
}

void QvCustomEdit::ResetEdit()
{
    if (!isModified())
        return;
    if (m_entryText != text())
        setText(m_entryText);
    setModified(false);
}

void QvCustomEdit::ProcessChar(const QString& c)
{
    if (c == kEscape) {
        ResetEdit();
        return;
    }
    if (isReadOnly())
        return;
    if (c == kBackspace) {
        setModified(true); // the character went at key down
        return;
    }
    if (c == kEnter) {
        ValidateEdit();
        return;
    }
    if (selectionLength() > 1) {
        const int start = selectionStart();
        QString remaining = text();
        remaining.remove(start, selectionLength());
        setText(remaining);
        setModified(true);
        SetCaret(start);
    }
    if (!IsValidChar(c)) {
        TPlatform::Current().Beep();
        return;
    }
    insert(c); // replaces a one-character selection
    SetCaret(cursorPosition());
}

bool QvCustomEdit::IsValidChar(const QString& c)
{
    setModified(true);
    const auto oneOf = [&c](QStringView accepted) {
        return c.size() == 1 && accepted.contains(c[0]);
    };
    if (IsFractionFormat(m_formatStr))
        return oneOf(u"-./0123456789");
    if (IsIntegerFormat(m_formatStr))
        return oneOf(u"-0123456789");
    if (IsFloatFormat(m_formatStr))
        return oneOf(IsGeneralFormat(m_formatStr) ? u"-.0123456789eE" : u"-.0123456789");
    return true;
}

void QvCustomEdit::SetCaret(int position)
{
    const QString current = text();
    if (IsSurrogatePairAt(current, position))
        --position;
    setCursorPosition(std::clamp(position, 0, int(current.size())));
}

// Backspace removes the character before the selection start, never the
// selection as a block.
void QvCustomEdit::DeleteBeforeSelection()
{
    if (isReadOnly())
        return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    if (start <= 0)
        return;
    QString remaining = text();
    int from = start - 1;
    if (IsSurrogatePairAt(remaining, from))
        --from;
    remaining.remove(from, start - from);
    setText(remaining);
    SetCaret(from);
}

// While the text is modified the field claims Escape, so a dialog's cancel
// button or a window shortcut does not take it.
bool QvCustomEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isModified() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void QvCustomEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        DeleteBeforeSelection();
        ProcessChar(kBackspace);
        event->accept();
        return;
    case Qt::Key_Escape: {
        const bool claimed = isModified();
        ProcessChar(kEscape);
        event->setAccepted(claimed);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ProcessChar(kEnter);
        event->ignore(); // a dialog's default button still sees Enter
        return;
    default:
        break;
    }
    const QString typed = event->text();
    // Navigation, Delete and the editing shortcuts (copy, paste, cut, undo,
    // select all) carry no typed character: the line edit handles them, so
    // pasted text is not filtered.
    if (typed.isEmpty() || !typed.at(0).isPrint() ||
        event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::MetaModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    ProcessChar(typed);
    event->accept();
}

void QvCustomEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_reclaiming) {
        m_entered = true;
        return;
    }
    // Coming back to the window to the field that had the focus is no entry;
    // the first focus a newly shown window gives is.
    if (m_entered && IsWindowSwitch(event->reason()))
        return;
    m_entered = true;
    m_entryText = text();
    emit OnEnter();
    setModified(false);
    m_entryText = text();
}

// Validation runs after the line edit's own handling, so that a field taking
// the focus back keeps its caret; a field that never had the focus (one whose
// focus was taken back before it arrived) does not validate.
void QvCustomEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_entered || IsWindowSwitch(event->reason()))
        return;
    m_entered = false;
    ValidateEdit();
    emit OnExit();
}
