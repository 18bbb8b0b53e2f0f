// The paste path on a real window: a clipboard line goes through Paste into
// the fields, then Calc runs on whatever landed there.
#include "AppFolders.h"
#include "FuzzSupport.h"
#include "KelvaneApplication.h"
#include "Main.h"
#include "RecordingPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>

namespace {

struct TWindowFixture
{
    TWindowFixture()
    {
        const QString folder = FuzzHome() + "/program";
        QDir().mkpath(folder);
        WriteFuzzFile(folder + "/fluids.ini", "[Air]\ncp=1.005\n[Water]\ncp=4.18\n");
        WriteFuzzFile(folder + "/heatxtype.ini", "[fin and tube]\nUo=37\n");
        InitAppFolders(TFolderSources{folder + "/kelvane", FuzzHome() + "/.local/share",
                                      FuzzHome() + "/Documents"});
        form = std::make_unique<TMainForm>(QStringList{folder + "/kelvane"});
    }
    TRecordingPlatform platform;
    std::unique_ptr<TMainForm> form;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzHome();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static TKelvaneApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TWindowFixture fixture;
    fixture.platform.clipboard = QString::fromUtf8(FuzzBytes(data, size));
    fixture.platform.messages.clear();
    fixture.form->Pastefromclipboard1Click();
    // Calc catches its own errors; a field that is not a number stops it with a message.
    try {
        fixture.form->ActionCalcExecute();
    } catch (const std::exception&) {
    }
    // What the program's event loop does between two commands: the events the
    // widgets posted (updates, deferred deletes) are handled rather than piling up.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
