// The clipboard case line and the command line's 13 values, applied to a case
// with the tables of a program folder and solved both ways: raising, as the
// window and --solve do, and reporting, as the batch does. The two must agree.
#include "CaseArguments.h"
#include "CaseInput.h"
#include "CaseInputError.h"
#include "ConvertError.h"
#include "FuzzSupport.h"
#include "Hx.h"
#include "HxFields.h"
#include "LookupTables.h"
#include "MathError.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>
#include <cstdlib>

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

bool SameNumbers(const THx& a, const THx& b)
{
    for (const THxNumberField& field : HxNumberFields) {
        const double x = a.*field.member;
        const double y = b.*field.member;
        if (!(x == y || (std::isnan(x) && std::isnan(y))))
            return false;
    }
    return a.method == b.method;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TCaseArguments arguments;
    if (!arguments.ReadCaseLine(QString::fromUtf8(FuzzBytes(data, size))).empty())
        return 0;
    THx hx;
    try {
        arguments.Input(Tables()).ApplyTo(hx);
    } catch (const ECaseInputError&) {
        return 0; // an index that is not an entry of its table
    }
    THx reporting = hx;
    const std::optional<TMathFault> fault = reporting.SolveOrFault(arguments.mask);
    try {
        hx.Solve(arguments.mask);
    } catch (const EMathError& error) {
        if (fault != error.Fault())
            std::abort();
        return 0;
    }
    if (fault || !SameNumbers(hx, reporting))
        std::abort();
    QStringList lines;
    try {
        hx.WriteResultsPage(lines);
        hx.WriteDiagnostics(lines);
    } catch (const EMathError&) {
        // A product on the page overflows: the window reports no solution.
    } catch (const EConvertError&) {
        // A value no format of the page fits.
    }
    return 0;
}
