#pragma once

#include <QDialog>

class QListWidget;
class QvCustomEdit;

// The borderless pop-up list of the units of one quantity type, from which
// the user picks a field's display unit. Shown modally next to the mouse
// pointer; Enter, Escape or a mouse press on the list closes it. It changes
// nothing itself: the caller reads the selected row.
class TUnitsForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ItemHeight = 13;

    explicit TUnitsForm(QWidget* parent = nullptr);

    QListWidget* ListBox1() const { return m_listBox; }
    // The edit whose units are listed; not owned.
    QvCustomEdit* OwnerEdit() const { return m_ownerEdit; }
    void SetOwnerEdit(QvCustomEdit* edit) { m_ownerEdit = edit; }

    // Lists the owner edit's units, selects its display unit and sizes the
    // window to fit them.
    void FillUnitsList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* m_listBox = nullptr;
    QvCustomEdit* m_ownerEdit = nullptr;
};
