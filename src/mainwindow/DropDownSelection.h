#pragma once

#include <QComboBox>

// Selections the program makes; neither runs the drop-down's change handler,
// which follows the user only.

// Outside the list: no selection.
inline void SetItemIndex(QComboBox& dropDown, int index)
{
    dropDown.setCurrentIndex(index >= 0 && index < dropDown.count() ? index : -1);
}

// Selects the item of that name; false when the list has none, and the
// selection stays.
inline bool SelectItemNamed(QComboBox& dropDown, const QString& name)
{
    const int index = dropDown.findText(name);
    if (index >= 0)
        dropDown.setCurrentIndex(index);
    return index >= 0;
}
