#pragma once

#include <QString>

class TSettingsStore;

// The maker's contact details, read once at start-up from the settings store
// key "Software\Marbleworth" (~/.config/Marbleworth.conf) and never written.
// A missing value takes its default; an empty one stays empty.
//
//   InitMakerRecord();          // at start-up
//   MakerEmail                  // the "email" value, for the report e-mail
//   MakerRecord().Company ...   // the whole record
struct TMakerRecord
{
    QString Company;
    QString Description;
    QString Logo;
    QString Addr1;
    QString Addr2;
    QString Code;
    QString Country;
    QString Email;
    QString Web;
    QString Tel;
    QString Fax;
    QString User;
};

// Reads the record's keys in order from `store` (the maker's key itself);
// the logo's default is `commonFilesFolder` + "Marbleworth/ReportLogo.gif".
TMakerRecord ReadMakerRecord(const TSettingsStore& store, const QString& commonFilesFolder);

// Reads the process-wide record from the user's settings store.
void InitMakerRecord();
const TMakerRecord& MakerRecord();
extern const QString& MakerEmail;
