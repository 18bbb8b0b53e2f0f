#include "MakerRecord.h"

#include "AppFolders.h"
#include "SettingsStore.h"

namespace {

TMakerRecord record;

} // namespace

const QString& MakerEmail = record.Email;

TMakerRecord ReadMakerRecord(const TSettingsStore& store, const QString& commonFilesFolder)
{
    const auto read = [&store](const char* key, const QString& defaultValue) {
        return store.ReadString(QString(), QString::fromLatin1(key), defaultValue);
    };
    // Placeholder contact details for a machine without a maker record.
    TMakerRecord maker;
    maker.Company = read("company", QStringLiteral("Marbleworth Software"));
    maker.Description = read("description", QStringLiteral("Engineering calculation software"));
    maker.Logo = read("logo", commonFilesFolder + QStringLiteral("Marbleworth/ReportLogo.gif"));
    maker.Addr1 = read("addr1", QStringLiteral("1 Example Street"));
    maker.Addr2 = read("addr2", QStringLiteral("Example Town"));
    maker.Code = read("code", QStringLiteral("EX1 2AB"));
    maker.Country = read("country", QStringLiteral("Exampleland"));
    maker.Email = read("email", QStringLiteral("support@marbleworth.example"));
    maker.Web = read("web", QStringLiteral("www.marbleworth.example"));
    maker.Tel = read("tel", QStringLiteral("+00 100 200 300"));
    maker.Fax = read("fax", QStringLiteral("+00 100 200 301"));
    maker.User = read("user", QString());
    return maker;
}

void InitMakerRecord()
{
    // Start-up reads the record before the folders are resolved; the logo's
    // default must not start from an empty folder.
    const QString common = CommonFilesFolder.isEmpty() ? GetCommonFilesFolder() : CommonFilesFolder;
    const TSettingsStore store(QStringLiteral("Software\\Marbleworth"));
    record = ReadMakerRecord(store, common);
}

const TMakerRecord& MakerRecord()
{
    return record;
}
