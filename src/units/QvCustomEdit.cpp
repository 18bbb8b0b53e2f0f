#include "QvCustomEdit.h"

#include "Platform.h"
#include "UnitsLabelLink.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

const QString EscapeKey(QChar(27));
const QString BackspaceKey(QChar(8));
const QString EnterKey(QChar(13));

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

void QvCustomEdit::SetValue(const TFmtValue& value)
{
    m_rangePull.reset();
    if (const std::optional<QString> shown = m_format.ShowValue(value))
        setText(*shown);
}

void QvCustomEdit::SetUnitsType(TUnitsType type)
{
    ShowUnits(m_format.SetUnitsType(type, text()));
}

void QvCustomEdit::SetUnitsValue(int index)
{
    ShowUnits(m_format.SetUnitsValue(index, text()));
}

void QvCustomEdit::SetUnitsBase(int index)
{
    ShowUnits(m_format.SetUnitsBase(index, text()));
}

void QvCustomEdit::UpdateUnits()
{
    ShowUnits(m_format.UpdateUnits(text()));
}

void QvCustomEdit::ShowUnits(const std::optional<TFieldFormat::TUnitsShown>& shown)
{
    if (!shown)
        return;
    if (m_unitsLabel)
        m_unitsLabel->setText(shown->unitsName);
    if (shown->text)
        setText(*shown->text);
}

void QvCustomEdit::SetUnitsLabel(QLabel* label)
{
    auto* current = qobject_cast<TUnitsLabelLink*>(m_unitsLabel.data());
    if (current && m_unitsLabel != label)
        current->EditUnlinked(this);
    m_format.UseNumberFormat();
    m_unitsLabel = label;
    if (auto* link = qobject_cast<TUnitsLabelLink*>(label)) {
        link->EditLinked(this);
        SetUnitsValue(UnitsValue());
    }
}

void QvCustomEdit::SetFormatStr(const QString& format)
{
    m_format.SetFormatStr(format);
    if (format == QStringLiteral("%S") && text() == QStringLiteral("0.0"))
        setText(QString());
}

bool QvCustomEdit::FormatText(const QString& text)
{
    const TFieldFormat::TFormattedText formatted = m_format.FormatText(text);
    if (formatted.text) {
        const QString typed = text.trimmed();
        if (*formatted.text != this->text())
            setText(*formatted.text);
        setModified(true);
        if (!formatted.inRange)
            m_rangePull = TRangePull{typed, *formatted.text};
    }
    return formatted.inRange;
}

std::optional<QvCustomEdit::TRangePull> QvCustomEdit::RangePull() const
{
    if (m_rangePull && m_rangePull->shown == text())
        return m_rangePull;
    return std::nullopt;
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
    const QString& entry = m_format.RestoreEntry();
    if (entry != text())
        setText(entry);
    setModified(false);
}

void QvCustomEdit::ProcessChar(const QString& c)
{
    if (c == EscapeKey) {
        ResetEdit();
        return;
    }
    if (isReadOnly())
        return;
    if (c == BackspaceKey) {
        setModified(true); // the character went at key down
        return;
    }
    if (c == EnterKey) {
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
    return m_format.AcceptsChar(c);
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
        ProcessChar(BackspaceKey);
        event->accept();
        return;
    case Qt::Key_Escape: {
        const bool claimed = isModified();
        ProcessChar(EscapeKey);
        event->setAccepted(claimed);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ProcessChar(EnterKey);
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
    m_format.SetEntryText(text());
    emit OnEnter();
    setModified(false);
    m_format.SetEntryText(text());
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
