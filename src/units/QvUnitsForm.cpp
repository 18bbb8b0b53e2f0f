#include "QvUnitsForm.h"

#include "QvCustomEdit.h"
#include "UnitsCatalogue.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

TUnitsForm::TUnitsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_listBox(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Units"));
    setBackgroundRole(QPalette::Button);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(135, 147);

    // The window takes the size FillUnitsList computes, smaller than the
    // list's own minimum size for a short list.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listBox);
    m_listBox->setFrameShape(QFrame::NoFrame);
    m_listBox->setUniformItemSizes(true);
    m_listBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listBox->installEventFilter(this);
    m_listBox->viewport()->installEventFilter(this);
    m_listBox->setFocus();
}

void TUnitsForm::FillUnitsList()
{
    m_listBox->clear();
    const TUnitsType type = m_ownerEdit->UnitsType();
    const int count = UnitsCount(type);
    const QFontMetrics metrics(m_listBox->font());
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(GetUnitsName(type, i), m_listBox);
        const int width = metrics.horizontalAdvance(item->text());
        item->setSizeHint(QSize(width, ItemHeight));
        widest = std::max(widest, width);
    }
    m_listBox->setCurrentRow(m_ownerEdit->UnitsValue());
    // Half an item of margin below the last one.
    const int height =
        count > 0 ? static_cast<int>(std::nearbyint(ItemHeight * (count + 0.5))) : this->height();
    resize(std::max(50, widest) + 10, height);
}

bool TUnitsForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_listBox && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            accept();
            return true;
        default:
            break;
        }
    }
    if (watched == m_listBox->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QModelIndex under =
            m_listBox->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (under.isValid())
            m_listBox->setCurrentIndex(under);
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
