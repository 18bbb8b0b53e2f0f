#include "AppFolders.h"

#include "PlatformPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace {

const QString Maker = QStringLiteral("Marbleworth");

struct TAppFolders
{
    QString ProgramFilesFolder;
    QString CommonFilesFolder;
    QString ExeBaseName;
    QString ExeFolder;
    QString MyDocumentsFolder;
    QString UserDataFolder;
    QString MakerFolder;
    QString MakerCommonFolder;
};

TAppFolders folders;
QString ownerName;
QString ownerOrganization;

// As the platform's bytes: Qt's own path would lose a folder name that is not UTF-8.
QString ExecutablePath()
{
    return TPlatformPath::ExecutablePath();
}

QString DocumentsOrThrow(const QString& documents)
{
    if (documents.isEmpty()) {
        throw std::runtime_error("Could not find My Documents folder location.");
    }
    QString folder = documents;
    while (folder.size() > 1 && folder.endsWith(PathDelimiter)) {
        folder.chop(1);
    }
    return folder;
}

// The folder, created with its parents when missing, or `fallback` when that fails.
QString CreatedOr(const QString& folder, const QString& fallback)
{
    return QDir().mkpath(folder) ? folder : fallback;
}

} // namespace

const QString& ProgramFilesFolder = folders.ProgramFilesFolder;
const QString& CommonFilesFolder = folders.CommonFilesFolder;
const QString& ExeBaseName = folders.ExeBaseName;
const QString& ExeFolder = folders.ExeFolder;
const QString& MyDocumentsFolder = folders.MyDocumentsFolder;
const QString& UserDataFolder = folders.UserDataFolder;
const QString& MakerFolder = folders.MakerFolder;
const QString& MakerCommonFolder = folders.MakerCommonFolder;
const QString& OwnerName = ownerName;
const QString& OwnerOrganization = ownerOrganization;

QString AddTrailingBackslash(const QString& text)
{
    if (text.isEmpty() || text.endsWith(PathDelimiter)) {
        return text;
    }
    return text + PathDelimiter;
}

QString GetAppRegistryKey(const QString& fileName)
{
    QString baseName = QFileInfo(fileName).completeBaseName();
    if (fileName.isEmpty()) {
        baseName = folders.ExeBaseName.isEmpty() ? QFileInfo(ExecutablePath()).completeBaseName()
                                                 : folders.ExeBaseName;
    }
    return QStringLiteral("Software\\") + Maker + u'\\' + baseName;
}

QString GetProgramFilesFolder()
{
    return AddTrailingBackslash(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString GetCommonFilesFolder()
{
    return GetProgramFilesFolder();
}

QString GetMyDocumentsFolder()
{
    return DocumentsOrThrow(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString GetMakerFolder(const QString& exeFolder, const QString& programFilesFolder)
{
    // Found without regard to case, but kept as spelt: on a case-sensitive
    // file system another spelling would name a folder that does not exist.
    const qsizetype at = exeFolder.indexOf(Maker, 0, Qt::CaseInsensitive);
    if (at < 0) {
        return programFilesFolder + Maker + PathDelimiter;
    }
    return exeFolder.left(at + Maker.size()) + PathDelimiter;
}

QString GetMakerFolder()
{
    return GetMakerFolder(folders.ExeFolder, folders.ProgramFilesFolder);
}

TFolderSources SystemFolderSources()
{
    return {ExecutablePath(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
}

void InitAppFolders(const TFolderSources& sources)
{
    TAppFolders values;
    values.ProgramFilesFolder = AddTrailingBackslash(sources.DataFolder);
    values.CommonFilesFolder = AddTrailingBackslash(sources.DataFolder);
    const QFileInfo exe(sources.ExePath);
    values.ExeBaseName = exe.completeBaseName();
    values.ExeFolder = AddTrailingBackslash(exe.absolutePath());
    values.MyDocumentsFolder = AddTrailingBackslash(DocumentsOrThrow(sources.DocumentsFolder));
    values.UserDataFolder = CreatedOr(values.MyDocumentsFolder + Maker + PathDelimiter +
                                          values.ExeBaseName + PathDelimiter,
                                      values.ExeFolder);
    values.MakerFolder = GetMakerFolder(values.ExeFolder, values.ProgramFilesFolder);
    values.MakerCommonFolder = values.MakerFolder + QStringLiteral("Common Files/");
    folders = std::move(values);
}

void InitAppFolders()
{
    InitAppFolders(SystemFolderSources());
}

QString OwnerNameFromGecos(const QString& gecos)
{
    return gecos.section(u',', 0, 0).trimmed();
}

void GetRegisteredOwner(QString& name, QString& organization)
{
    name.clear();
    organization.clear();
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_gecos) {
        name = OwnerNameFromGecos(QString::fromLocal8Bit(entry->pw_gecos));
    }
    organization = qEnvironmentVariable("ORGANIZATION");
}

void InitRegisteredOwner()
{
    GetRegisteredOwner(ownerName, ownerOrganization);
}
