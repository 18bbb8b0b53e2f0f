#include "ApplicationErrors.h"

#include "Platform.h"

#include <QString>
#include <exception>

void ShowCurrentException()
{
    QString text;
    try {
        throw;
    } catch (const std::exception& error) {
        text = QString::fromUtf8(error.what());
    } catch (...) {
        text = QStringLiteral("Unknown error");
    }
    try {
        TPlatform::Current().ShowMessage(text);
    } catch (...) {
        // Nothing is left to report a failing message box with.
    }
}
