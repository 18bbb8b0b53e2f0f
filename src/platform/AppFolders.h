#pragma once

#include <QString>

// The folders that hold the program's own files and those it shares with the
// maker's other tools, and the registered owner of the machine. Worked out
// once at start-up, read-only afterwards.
//
//   InitAppFolders();                 // at start-up, after QCoreApplication;
//                                     // throws std::runtime_error "Could not find
//                                     // My Documents folder location."
//   InitRegisteredOwner();            // fills OwnerName, OwnerOrganization
//   ExeFolder, ExeBaseName, ProgramFilesFolder, CommonFilesFolder,
//   MyDocumentsFolder, UserDataFolder, MakerFolder, MakerCommonFolder
//                                     // every folder ends with "/"
//   GetAppRegistryKey("")             // "Software\Marbleworth\" + ExeBaseName
//
// On Linux the program files and common files folders are both the per-user
// data folder (normally ~/.local/share/), so the shared files sit where the
// user can write them. Tests call InitAppFolders(TFolderSources) to point
// everything at folders of their own.

// Where the folder values come from.
struct TFolderSources
{
    QString ExePath;         // full path of the executable
    QString DataFolder;      // stands in for the program files and common files folders
    QString DocumentsFolder; // the user's documents folder; empty when there is none
};

// The running executable and the desktop's standard locations.
TFolderSources SystemFolderSources();
void InitAppFolders(const TFolderSources& sources);
void InitAppFolders();

extern const QString& ProgramFilesFolder;
extern const QString& CommonFilesFolder;
extern const QString& ExeBaseName;
extern const QString& ExeFolder;
extern const QString& MyDocumentsFolder;
extern const QString& UserDataFolder;
extern const QString& MakerFolder;
extern const QString& MakerCommonFolder;

// The user's full name (from the password database) and organisation (from
// the ORGANIZATION environment variable), empty when unknown.
void InitRegisteredOwner();
extern const QString& OwnerName;
extern const QString& OwnerOrganization;

// The path separator of this platform, "/".
inline constexpr QChar PathDelimiter = u'/';

// The text with "/" appended unless it already ends with one; empty stays empty.
QString AddTrailingBackslash(const QString& text);

// "Software\Marbleworth\" + the file name without folder and extension; an
// empty argument names the running executable.
QString GetAppRegistryKey(const QString& fileName = QString());

QString GetProgramFilesFolder();
QString GetCommonFilesFolder();
// Without trailing "/"; throws std::runtime_error when there is none.
QString GetMyDocumentsFolder();

// The maker's shared folder: the part of `exeFolder` up to a folder named
// after the maker (matched without regard to letter case, kept as spelt),
// otherwise `programFilesFolder` + "Marbleworth/".
QString GetMakerFolder(const QString& exeFolder, const QString& programFilesFolder);
QString GetMakerFolder();

void GetRegisteredOwner(QString& ownerName, QString& organization);
// The full name in a password database comment field ("Jane Doe,Room 4,,").
QString OwnerNameFromGecos(const QString& gecos);
