// A hostile INI file read through TIniFile and, as "RefLib8.rdf", through the
// refrigerant data library selecting every refrigerant it lists.
#include "ConvertError.h"
#include "FuzzSupport.h"
#include "IniFile.h"
#include "RefrigLib.h"

#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString path = FuzzHome() + "/RefLib8.rdf";
    const QByteArray bytes = FuzzBytes(data, size);
    // Names that are not UTF-8 are listed decoded and cannot be looked up again
    // (a known limit of the INI layer), so only UTF-8 files must list what exists.
    const bool utf8 = QString::fromUtf8(bytes).toUtf8() == bytes;
    WriteFuzzFile(path, bytes);
    {
        TIniFile ini(path);
        for (const QString& section : ini.Sections()) {
            if (utf8 && !ini.SectionExists(section))
                std::abort();
            for (const QString& key : ini.Keys(section)) {
                (void)ini.ReadString(section, key, {});
                (void)ini.ReadInteger(section, key, 0);
                (void)ini.ReadFloat(section, key, 0.0);
            }
        }
        ini.WriteString("Fuzz", "key", "value");
        ini.UpdateFile();
        TIniFile reread(path);
        if (reread.ReadString("Fuzz", "key", {}) != "value")
            std::abort();
    }
    WriteFuzzFile(path, bytes);
    TRefrigLib lib(path);
    for (const QString& name : lib.Sections()) {
        try {
            lib.SelectRefrigerant(name);
        } catch (const EConvertError&) {
        }
    }
    return 0;
}
