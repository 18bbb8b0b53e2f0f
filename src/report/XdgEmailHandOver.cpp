#include "XdgEmailHandOver.h"

#include "Format.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// How long to wait for xdg-email to hand over before leaving it to run on its own.
constexpr int HandOverWaitMs = 5000;

QStringList Addresses(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList addresses;
    for (const QString& part : text.split(separators)) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            addresses << address;
    }
    return addresses;
}

QString FailureText(QProcess& process)
{
    // Exit codes of xdg-email: 3 no mail program found, 4 the mail program failed, 5 no such file.
    switch (process.exitCode()) {
    case 3:
        return QStringLiteral("No e-mail program is set up on this computer.");
    case 5:
        return QStringLiteral("An attachment could not be found.");
    default: {
        const QString detail = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        QString text =
            Format("The e-mail program failed (exit code %d).", {std::int64_t{process.exitCode()}});
        if (!detail.isEmpty())
            text += QLatin1Char(' ') + detail;
        return text;
    }
    }
}

} // namespace

TXdgEmailHandOver::TXdgEmailHandOver(QString program) : m_program(std::move(program)) {}

QStringList TXdgEmailHandOver::Arguments(const TMailMessage& message)
{
    QStringList arguments{QStringLiteral("--utf8")};
    for (const QString& address : Addresses(message.CcAddress))
        arguments << QStringLiteral("--cc") << address;
    arguments << QStringLiteral("--subject") << message.Subject;
    QString body = message.Body;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    arguments << QStringLiteral("--body") << body;
    for (const QString& file : message.Attachments)
        arguments << QStringLiteral("--attach") << file;
    arguments << Addresses(message.ToAddress);
    return arguments;
}

bool TXdgEmailHandOver::Send(const TMailMessage& message, QString& error)
{
    const QString program = QStandardPaths::findExecutable(m_program);
    if (program.isEmpty()) {
        error = QStringLiteral("No e-mail program is available: ") + m_program +
                QStringLiteral(" was not found. Install xdg-utils and set up a mail client.");
        return false;
    }
    // Parented to the application so that a mail client that keeps running
    // outlives this call; the process object goes when it ends.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(program, Arguments(message));
    if (!process->waitForStarted()) {
        error =
            QStringLiteral("The e-mail program could not be started: ") + process->errorString();
        process->deleteLater();
        return false;
    }
    if (!process->waitForFinished(HandOverWaitMs))
        return true;
    if (process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0)
        return true;
    error = FailureText(*process);
    return false;
}
