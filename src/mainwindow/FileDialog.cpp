#include "FileDialog.h"

#include <QFileDialog>
#include <optional>
#include <utility>

namespace {

std::optional<QString> nextFileName;

QString ChosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString TFileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                     const QString& filter)
{
    if (nextFileName)
        return *std::exchange(nextFileName, std::nullopt);
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

QString TFileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                     const QString& filter, const QString& defaultSuffix)
{
    if (nextFileName)
        return *std::exchange(nextFileName, std::nullopt);
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return ChosenFile(dialog);
}

void TFileDialog::SetNextFileName(const QString& fileName)
{
    nextFileName = fileName;
}
