#pragma once

#include "QvCustomEdit.h"

// The formatted edit as forms use it: QvCustomEdit with its settings
// published as properties.
class TFmtEdit : public QvCustomEdit
{
    Q_OBJECT
    Q_PROPERTY(QString FormatStr READ FormatStr WRITE SetFormatStr)
    Q_PROPERTY(int SigDigs READ SigDigs WRITE SetSigDigs)
    Q_PROPERTY(int UnitsBase READ UnitsBase WRITE SetUnitsBase)
    Q_PROPERTY(int UnitsValue READ UnitsValue WRITE SetUnitsValue)
    Q_PROPERTY(double RangeHi READ RangeHi WRITE SetRangeHi)
    Q_PROPERTY(double RangeLo READ RangeLo WRITE SetRangeLo)

public:
    using QvCustomEdit::QvCustomEdit;
};
