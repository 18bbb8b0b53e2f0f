#pragma once

#include <QObject>

class QvCustomEdit;

// What a units label offers the fields that name it as their UnitsLabel: a
// field calls these when it starts and stops naming the label, so that the
// label can list its fields without the field knowing the label's class.
class TUnitsLabelLink
{
public:
    virtual ~TUnitsLabelLink() = default;

    virtual void EditLinked(QvCustomEdit* edit) = 0;
    virtual void EditUnlinked(QvCustomEdit* edit) = 0;
};

#define TUnitsLabelLink_iid "Kelvane.TUnitsLabelLink"
Q_DECLARE_INTERFACE(TUnitsLabelLink, TUnitsLabelLink_iid)
