#pragma once

#include "MailHandOver.h"

#include <QStringList>

// Opens the desktop's mail composer on the message through xdg-email, with
// the subject, body, recipients and attachments filled in; the user sends it
// from there. The sender's name, company and address are the mail client's
// own business and are not passed on.
class TXdgEmailHandOver final : public TMailHandOver
{
public:
    explicit TXdgEmailHandOver(QString program = QStringLiteral("xdg-email"));

    bool Send(const TMailMessage& message, QString& error) override;

    // The command-line arguments for `message`.
    static QStringList Arguments(const TMailMessage& message);

private:
    QString m_program;
};
