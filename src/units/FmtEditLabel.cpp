#include "FmtEditLabel.h"

#include "QvCustomEdit.h"
#include "QvUnitsForm.h"

#include <QCursor>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

TFmtEditLabel::TFmtEditLabel(QWidget* parent) : QLabel(parent) {}

TFmtEditLabel::~TFmtEditLabel()
{
    const QList<QvCustomEdit*> edits = m_edits;
    for (auto edit = edits.crbegin(); edit != edits.crend(); ++edit)
        (*edit)->SetUnitsLabel(nullptr);
}

void TFmtEditLabel::EditLinked(QvCustomEdit* edit)
{
    if (!m_edits.contains(edit))
        m_edits.append(edit);
}

void TFmtEditLabel::EditUnlinked(QvCustomEdit* edit)
{
    m_edits.removeAll(edit);
}

void TFmtEditLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}

void TFmtEditLabel::Click()
{
    const QPointer<TFmtEditLabel> self(this);
    if (!m_edits.isEmpty())
        ChooseUnits();
    if (self)
        emit OnClick();
}

void TFmtEditLabel::ChooseUnits()
{
    const QPointer<TFmtEditLabel> self(this);
    int selected = 0;
    {
        TUnitsForm form;
        form.SetOwnerEdit(m_edits.first());
        form.move(QCursor::pos() + QPoint(5, 5));
        form.FillUnitsList();
        form.exec();
        selected = std::max(form.ListBox1()->currentRow(), 0);
    }
    if (!self)
        return;
    // A handler may unlink or destroy edits while the unit is applied.
    QList<QPointer<QvCustomEdit>> edits;
    for (QvCustomEdit* edit : m_edits)
        edits.append(edit);
    for (const QPointer<QvCustomEdit>& edit : edits) {
        if (!edit)
            continue;
        edit->SetUnitsValue(selected);
        emit edit->OnUnitsEdited(edit);
    }
}
