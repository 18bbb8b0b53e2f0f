// A hostile settings file (the registry stand-in): the program's values read as
// each of the three kinds, which must give a value or the default, never fail;
// a save changes the program's lines only, and what it writes reads back.
#include "FuzzSupport.h"
#include "IniText.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "the saved file cannot be read");
    return file.readAll();
}

void ReadEveryKind(const TSettingsStore& store, const QString& section, const QString& name)
{
    (void)store.ReadInteger(section, name, 7);
    (void)store.ReadFloat(section, name, 7.5);
    (void)store.ReadString(section, name, "seven");
    (void)store.ValueExists(section, name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString folder = FuzzHome() + "/.config/Marbleworth/";
    static const bool made = QDir().mkpath(folder);
    (void)made;
    const QString path = folder + "fuzz.conf";
    const QByteArray bytes = FuzzBytes(data, size);
    WriteFuzzFile(path, bytes);
    Check(TIniText(bytes).Bytes() == bytes, "the text does not come back as it was read");
    {
        TSettingsStore store("Software\\Marbleworth\\fuzz");
        for (const QString& section : store.Sections()) {
            (void)store.SectionExists(section);
            ReadEveryKind(store, section, "v");
        }
        for (const char* key : {"HotFluid/thi", "MainForm/Left", "s/v", "General/v", "v"}) {
            const QString text = QString::fromLatin1(key);
            const qsizetype slash = text.lastIndexOf(u'/');
            ReadEveryKind(store, slash < 0 ? QString() : text.left(slash), text.mid(slash + 1));
        }
        store.WriteFloat("HotFluid", "thi", 35.25);
        store.WriteString("MainForm", "Note", " a \"note\", ; = \\ \x01");
        store.EraseSection("s");
        store.Flush();
    }
    const TSettingsStore store("Software\\Marbleworth\\fuzz");
    const QByteArray saved = ReadAll(path);
    Check(TIniText(saved).Bytes() == saved, "the saved text does not come back as it was read");
    Check(!store.ValueExists("s", "v"), "an erased value is still there");
    (void)store.ReadFloat("HotFluid", "thi", 0.0);
    QFile::remove(path);
    return 0;
}
