#pragma once

#include <QString>
#include <QStringList>

// A prepared e-mail, in the order the preview fills it: two recipient
// address texts, the subject, the files to attach, the body and the sender's
// name, company and address. Address texts may hold several addresses
// separated by "," or ";".
struct TMailMessage
{
    QString ToAddress;
    QString CcAddress;
    QString Subject;
    QStringList Attachments;
    QString Body;
    QString FromName;
    QString FromCompany;
    QString FromAddress;

    bool operator==(const TMailMessage&) const = default;
};
