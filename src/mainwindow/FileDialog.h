#pragma once

#include <QString>

class QWidget;

// The desktop's dialogs for choosing a file to open or a file to save to.
// A test answers the next dialog instead of the user, without showing it:
//
//   TFileDialog::SetNextFileName(path);   // QString() answers "cancelled"
//   form.ActionOpen->trigger();
class TFileDialog
{
public:
    // An existing file; empty when the user cancelled.
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter);
    // The file to write; the dialog adds `defaultSuffix` to a name without
    // one and asks before an existing file is replaced. Empty when cancelled.
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter, const QString& defaultSuffix);

    // The next dialog is not shown and gives `fileName`.
    static void SetNextFileName(const QString& fileName);
};
