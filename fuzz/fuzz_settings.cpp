// A hostile settings file (the registry stand-in): every value read as each
// of the three kinds, which must give a value or the default, never fail.
#include "FuzzSupport.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int run = 0;
    // A fresh program name each run: QSettings caches files it has read.
    const QString program = QStringLiteral("fuzz%1").arg(++run);
    static const QString folder = FuzzHome() + "/.config/Marbleworth/";
    static const bool made = QDir().mkpath(folder);
    (void)made;
    const QString path = folder + program + ".conf";
    WriteFuzzFile(path, FuzzBytes(data, size));
    {
        const TSettingsStore store("Software\\Marbleworth\\" + program);
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Marbleworth", program);
        QStringList keys = raw.allKeys();
        keys << "HotFluid/thi"
             << "MainForm/Left"
             << "Missing/value";
        for (const QString& key : keys) {
            const qsizetype slash = key.lastIndexOf(u'/');
            const QString section = slash < 0 ? QString() : key.left(slash);
            const QString name = key.mid(slash + 1);
            (void)store.ReadInteger(section, name, 7);
            (void)store.ReadFloat(section, name, 7.5);
            (void)store.ReadString(section, name, "seven");
            (void)store.ValueExists(section, name);
        }
        (void)store.Sections();
    }
    QFile::remove(path);
    return 0;
}
