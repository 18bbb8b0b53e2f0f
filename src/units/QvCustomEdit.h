#pragma once

#include "FieldFormat.h"
#include "FmtValue.h"
#include "FormatType.h"
#include "UnitsType.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <optional>

// A single-line numeric field. Its value is read and written in a base unit
// through GetValue/SetValue and shown in a display unit under a format; the
// number set, typed or carried over a change of unit is kept exactly while
// its text is on show, and the text is read only after the user edited it.
// It filters keystrokes by the kind of format, reformats on Enter and when
// focus leaves, pulls values outside RangeLo..RangeHi (base units) back to the
// nearest bound with a beep, and restores the text on Escape. A units label
// beside it (TFmtEditLabel) shows the display unit and lets the user switch it.
// The widget holds the text, the keys and the focus; what a text means and
// what to show is TFieldFormat's.
class QvCustomEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit QvCustomEdit(QWidget* parent = nullptr);
    ~QvCustomEdit() override;

    // The value in base units: a double, an int under an integer format, a
    // string under string and fraction formats. A text that does not read as a
    // number comes back as that text.
    TFmtValue GetValue() const { return m_format.ValueOf(text()); }
    // Shows the value in the display unit and format and keeps it exactly; an
    // error empties the text. The range is not checked.
    void SetValue(const TFmtValue& value);

    // The text when the field last gained focus; Escape puts it back.
    const QString& EntryText() const { return m_format.EntryText(); }

    double RangeLo() const { return m_format.RangeLo(); }
    void SetRangeLo(double value) { m_format.SetRangeLo(value); }
    double RangeHi() const { return m_format.RangeHi(); }
    void SetRangeHi(double value) { m_format.SetRangeHi(value); }

    // Changing the type takes the present text as a base-unit value.
    TUnitsType UnitsType() const { return m_format.UnitsType(); }
    void SetUnitsType(TUnitsType type);
    // Display unit; the field keeps its base value and re-expresses the text.
    int UnitsValue() const { return m_format.UnitsValue(); }
    void SetUnitsValue(int index);
    int UnitsBase() const { return m_format.UnitsBase(); }
    void SetUnitsBase(int index);

    // display = base × Factor + Offset
    double Factor() const { return m_format.Factor(); }
    double Offset() const { return m_format.Offset(); }

    // The label showing the unit name; not owned. A TFmtEditLabel also lists
    // this field among its Edits, and the two forget each other when either goes.
    QLabel* UnitsLabel() const { return m_unitsLabel; }
    void SetUnitsLabel(QLabel* label);

    // Decimals of FormatStr at the last units update.
    int Decimals() const { return m_format.Decimals(); }

    TFormatType FormatType() const { return m_format.FormatType(); }
    void SetFormatType(TFormatType type) { m_format.SetFormatType(type); }
    int SigDigs() const { return m_format.SigDigs(); }
    void SetSigDigs(int digits) { m_format.SetSigDigs(digits); }
    int MinSigDigs() const { return m_format.MinSigDigs(); }
    void SetMinSigDigs(int digits) { m_format.SetMinSigDigs(digits); }
    const QString& FormatStr() const { return m_format.FormatStr(); }
    void SetFormatStr(const QString& format);

    // Re-expresses the present value after a change of unit settings.
    void UpdateUnits();
    // A typed text that was pulled back into range, and the text of the bound shown for it.
    struct TRangePull
    {
        QString typed;
        QString shown;
    };
    // The last pull into range, while the field still shows the bound it set.
    std::optional<TRangePull> RangePull() const;

    // Reformats `text` into the field, pulling numbers into range; false when
    // a number had to be moved to a bound.
    virtual bool FormatText(const QString& text);
    // Reformats a modified text; out of range it keeps the focus and beeps.
    virtual void ValidateEdit();
    virtual void ValidateError();
    // Restores EntryText after the text was modified.
    virtual void ResetEdit();

    // One typed character: Escape, Backspace, Enter or text to insert.
    void ProcessChar(const QString& c);
    // Whether the format lets `c` in; marks the text modified either way.
    bool IsValidChar(const QString& c);
    // Collapses the selection at `position`, kept inside the text.
    void SetCaret(int position);

signals:
    void OnEnter();
    // After leaving has validated the text, out of range or not.
    void OnExit();
    // The user picked a unit on the units label.
    void OnUnitsEdited(QvCustomEdit* sender);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ShowUnits(const std::optional<TFieldFormat::TUnitsShown>& shown);
    void DeleteBeforeSelection();

    TFieldFormat m_format;
    QPointer<QLabel> m_unitsLabel;
    std::optional<TRangePull> m_rangePull;

    // Focus came in through the focus chain (not a window switch) and has not left.
    bool m_entered = false;
    // A failed validation is taking the focus back.
    bool m_reclaiming = false;
};
