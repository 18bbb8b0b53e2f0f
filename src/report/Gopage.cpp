#include "Gopage.h"

#include "PageNumEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TGoPageForm::TGoPageForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("GoPageForm");
    setWindowTitle("Go to Page Number");
    QFont bold("Tahoma", 8);
    bold.setBold(true);
    setFont(bold);
    setFixedSize(231, 116);

    auto* frame = new QGroupBox(this);
    PageNum = new TPageNumEdit(frame);
    PageNum->setObjectName("PageNum");
    PageNum->setMinimum(1);
    PageNum->installEventFilter(this);
    PageNum->findChild<QLineEdit*>()->installEventFilter(this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(PageNum);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void TGoPageForm::accept()
{
    // Read before the dialog hides: leaving the field would put its last valid value back.
    m_enteredPage = PageNum->HeldValue();
    QDialog::accept();
}

bool TGoPageForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OKBtn->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
