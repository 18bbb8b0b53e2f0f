#pragma once

#include "UnitsLabelLink.h"

#include <QLabel>
#include <QList>

class QvCustomEdit;

// The units label beside one or more formatted edits: shows their display
// unit, and a click opens the units list and applies the chosen unit to every
// linked edit. It does not own the edits; each names it as its UnitsLabel.
class TFmtEditLabel : public QLabel, public TUnitsLabelLink
{
    Q_OBJECT
    Q_INTERFACES(TUnitsLabelLink)

public:
    explicit TFmtEditLabel(QWidget* parent = nullptr);
    ~TFmtEditLabel() override;

    // The edits that name this label, in the order they linked.
    const QList<QvCustomEdit*>& Edits() const { return m_edits; }

signals:
    // After any unit change the click made.
    void OnClick();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    virtual void Click();

private:
    // Keep Edits in step with the fields' UnitsLabel.
    void EditLinked(QvCustomEdit* edit) override;
    void EditUnlinked(QvCustomEdit* edit) override;
    void ChooseUnits();

    QList<QvCustomEdit*> m_edits;
};
