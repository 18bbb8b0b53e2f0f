// The clipboard case line and the command line's 13 values, applied to a case
// with the tables of a program folder.
#include "CaseArguments.h"
#include "CaseInputError.h"
#include "ConvertError.h"
#include "FuzzSupport.h"
#include "Hx.h"
#include "LookupTables.h"
#include "MathError.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const TLookupTables& Tables()
{
    static const TLookupTables tables = [] {
        const QString folder = FuzzHome() + "/program";
        QDir().mkpath(folder);
        WriteFuzzFile(folder + "/fluids.ini", "[Air]\ncp=1.005\n[Water]\ncp=4.18\n");
        WriteFuzzFile(folder + "/heatxtype.ini", "[fin and tube]\nUo=37\n");
        return TLookupTables::LoadFrom(folder);
    }();
    return tables;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString line = QString::fromUtf8(FuzzBytes(data, size));
    try {
        const TCaseArguments arguments = TCaseArguments::FromCaseLine(line);
        THx hx;
        arguments.ApplyTo(hx, Tables());
        hx.Solve(arguments.mask);
        QStringList lines;
        hx.WriteResultsPage(lines);
        hx.WriteDiagnostics(lines);
    } catch (const ECaseInputError&) {
    } catch (const EConvertError&) {
    } catch (const EMathError&) {
    }
    return 0;
}
