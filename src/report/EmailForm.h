#pragma once

#include "MailMessage.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The e-mail composer: shows a prepared message for the user to complete and
// hands it to the mail hand-over on Send. A hand-over that fails shows its
// reason and leaves the composer open.
class TEmailForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEmailForm(const TMailMessage& message, QWidget* parent = nullptr);

    // The message as the fields now hold it.
    TMailMessage Message() const;

    QLineEdit* FromAddr = nullptr;
    QLineEdit* FromName = nullptr;
    QLineEdit* Company = nullptr;
    QLineEdit* ToAddr = nullptr;
    QLineEdit* Subject = nullptr;
    QPlainTextEdit* Body = nullptr;
    QListWidget* Attachments = nullptr;
    QPushButton* SendBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    void SendBtnClick();

    // Carried through unseen: the composer has no field for it.
    QString m_ccAddress;
};
