#include "EmailForm.h"

#include "CurrentMailHandOver.h"
#include "MailHandOver.h"
#include "Platform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Field(QWidget* parent, const char* name, const QString& text)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    return field;
}

} // namespace

TEmailForm::TEmailForm(const TMailMessage& message, QWidget* parent)
    : QDialog(parent), m_ccAddress(message.CcAddress)
{
    setObjectName("EmailForm");
    setWindowTitle("Email");
    resize(480, 420);

    FromAddr = Field(this, "FromAddr", message.FromAddress);
    FromName = Field(this, "FromName", message.FromName);
    Company = Field(this, "Company", message.FromCompany);
    ToAddr = Field(this, "ToAddr", message.ToAddress);
    Subject = Field(this, "Subject", message.Subject);
    Body = new QPlainTextEdit(message.Body, this);
    Body->setObjectName("Body");
    Attachments = new QListWidget(this);
    Attachments->setObjectName("Attachments");
    Attachments->addItems(message.Attachments);
    SendBtn = new QPushButton("&Send", this);
    SendBtn->setObjectName("SendBtn");
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    connect(SendBtn, &QPushButton::clicked, this, &TEmailForm::SendBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow("From addr.", FromAddr);
    fields->addRow("From name", FromName);
    fields->addRow("Company", Company);
    fields->addRow("To addr.", ToAddr);
    fields->addRow("Subject", Subject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SendBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Body, 1);
    layout->addWidget(new QLabel("Attachments:", this));
    layout->addWidget(Attachments);
    layout->addLayout(buttons);
}

TMailMessage TEmailForm::Message() const
{
    QStringList files;
    for (int i = 0; i < Attachments->count(); ++i)
        files << Attachments->item(i)->text();
    return {ToAddr->text(),      m_ccAddress,      Subject->text(), files,
            Body->toPlainText(), FromName->text(), Company->text(), FromAddr->text()};
}

void TEmailForm::SendBtnClick()
{
    QString error;
    if (CurrentMailHandOver().Send(Message(), error))
        accept();
    else
        TPlatform::Current().ShowMessage(error);
}
