#pragma once

#include "FmtValue.h"
#include "FormatType.h"
#include "UnitsType.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

// A single-line numeric field. Its text is the truth: shown in a display unit
// under a format, read and written in a base unit through GetValue/SetValue.
// It filters keystrokes by the kind of format, reformats on Enter and when
// focus leaves, pulls values outside RangeLo..RangeHi (base units) back to the
// nearest bound with a beep, and restores the text on Escape. A units label
// beside it (TFmtEditLabel) shows the display unit and lets the user switch it.
class QvCustomEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit QvCustomEdit(QWidget* parent = nullptr);
    ~QvCustomEdit() override;

    // The value in base units: a double, an int under an integer format, a
    // string under string and fraction formats. A text that does not read as a
    // number comes back as that text.
    TFmtValue GetValue() const;
    // Shows the value in the display unit and format; an error empties the text.
    // The range is not checked.
    void SetValue(const TFmtValue& value);

    // The text when the field last gained focus; Escape puts it back.
    const QString& EntryText() const { return m_entryText; }

    double RangeLo() const { return m_rangeLo; }
    void SetRangeLo(double value) { m_rangeLo = value; }
    double RangeHi() const { return m_rangeHi; }
    void SetRangeHi(double value) { m_rangeHi = value; }

    // Changing the type takes the present text as a base-unit value.
    TUnitsType UnitsType() const { return m_unitsType; }
    void SetUnitsType(TUnitsType type);
    // Display unit; the field keeps its base value and re-expresses the text.
    int UnitsValue() const { return m_unitsValue; }
    void SetUnitsValue(int index);
    int UnitsBase() const { return m_unitsBase; }
    void SetUnitsBase(int index);

    // display = base × Factor + Offset
    double Factor() const { return m_factor; }
    double Offset() const { return m_offset; }

    // The label showing the unit name; not owned. A TFmtEditLabel also lists
    // this field among its Edits, and the two forget each other when either goes.
    QLabel* UnitsLabel() const { return m_unitsLabel; }
    void SetUnitsLabel(QLabel* label);

    // Decimals of FormatStr at the last units update.
    int Decimals() const { return m_decimals; }

    TFormatType FormatType() const { return m_formatType; }
    void SetFormatType(TFormatType type) { m_formatType = type; }
    int SigDigs() const { return m_sigDigs; }
    void SetSigDigs(int digits) { m_sigDigs = digits; }
    const QString& FormatStr() const { return m_formatStr; }
    void SetFormatStr(const QString& format);

    // Re-expresses the present value after a change of unit settings.
    void UpdateUnits();
    // Reformats `text` into the field, pulling numbers into range; false when
    // a number had to be moved to a bound.
    virtual bool FormatText(const QString& text);
    // Whether `x` (display units) is in range; moves it to the bound when it
    // lies more than 0.5 % beyond one.
    bool CheckRange(double& x) const;
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
    QString NumberFormat(double display) const;
    QString FormatNumber(double display) const;
    void DeleteBeforeSelection();

    QString m_entryText;
    double m_rangeLo = 0.0;
    double m_rangeHi = 0.0;
    TUnitsType m_unitsType = utNone;
    int m_unitsValue = 0;
    int m_unitsBase = 0;
    double m_factor = 1.0;
    double m_offset = 0.0;
    QPointer<QLabel> m_unitsLabel;
    int m_decimals = 0;
    TFormatType m_formatType = ft_Fixed;
    int m_sigDigs = 5;
    QString m_formatStr = QStringLiteral("%0.1f");

    // Focus came in through the focus chain (not a window switch) and has not left.
    bool m_entered = false;
    // A failed validation is taking the focus back.
    bool m_reclaiming = false;
};
