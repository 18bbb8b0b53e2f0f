#include "HeadlessSolver.h"

#include "BatchSolver.h"
#include "CaseArguments.h"
#include "CaseInput.h"
#include "CaseInputError.h"
#include "CaseSolve.h"
#include "Format.h"
#include "HxFields.h"
#include "LookupTables.h"
#include "MathError.h"
#include "OutputError.h"
#include "SolveOutcome.h"
#include "SystemDisplayUnits.h"

#include <QFile>
#include <QIODevice>
#include <cmath>

namespace {

constexpr QLatin1StringView optSolve("--solve");
constexpr QLatin1StringView optJson("--json");
constexpr QLatin1StringView optBatch("--batch");
constexpr QLatin1StringView optHelp("--help");
constexpr QLatin1StringView optHelpShort("-h");
constexpr QLatin1StringView optVersion("--version");
constexpr QLatin1StringView optUnits("--units");

// The names --units takes, in UnitSystems order.
constexpr QLatin1StringView UnitSystemKeys[] = {QLatin1StringView("si"), QLatin1StringView("us"),
                                                QLatin1StringView("metric")};
static_assert(std::size(UnitSystemKeys) == std::size(UnitSystems));

std::optional<TUnitSystem> UnitSystemOf(const QString& key)
{
    for (std::size_t i = 0; i < std::size(UnitSystems); ++i)
        if (key == UnitSystemKeys[i])
            return UnitSystems[i];
    return std::nullopt;
}

bool IsOption(const QString& argument)
{
    for (QLatin1StringView option :
         {optSolve, optJson, optBatch, optHelp, optHelpShort, optVersion, optUnits})
        if (argument == option)
            return true;
    return argument.startsWith(optUnits + u'=');
}

void Write(QIODevice& out, const QString& text)
{
    EOutputError::WriteAll(out, text.toUtf8());
}

// Standard error is the last resort: a failure to write it has no one to tell.
void WriteError(QIODevice& err, const QString& message)
{
    err.write((QStringLiteral("kelvane: ") + message + u'\n').toUtf8());
}

int UsageError(QIODevice& err, const QString& message)
{
    WriteError(err, message + QStringLiteral("\nTry 'kelvane --help'."));
    return THeadlessSolver::ecUsage;
}

QString JsonString(const QString& text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c.unicode() < 0x20) {
            quoted += Format(QStringLiteral("\\u%.4x"), {std::int64_t(c.unicode())});
        } else {
            quoted += c;
        }
    }
    quoted += u'"';
    return quoted;
}

// At full precision; null for a value the solve did not compute.
QString JsonNumber(double value)
{
    return std::isnan(value) ? QStringLiteral("null") : FloatToRoundTripText(value);
}

} // namespace

struct THeadlessSolver::TCommand
{
    bool help = false;
    bool version = false;
    bool solve = false;
    bool batch = false;
    bool json = false;
    // As --units gave it: a key of UnitSystemKeys, or empty without the option.
    std::optional<QString> unitsKey;
    QStringList values;
    QString unknownOption;
};

THeadlessSolver::THeadlessSolver(QString programFolder, QString version)
    : m_programFolder(std::move(programFolder)), m_version(std::move(version))
{
}

bool THeadlessSolver::IsHeadlessCommand(const QStringList& arguments)
{
    return !arguments.isEmpty() && IsOption(arguments.first());
}

bool THeadlessSolver::LooksLikeOption(const QString& argument)
{
    if (argument.size() < 2 || argument[0] != u'-')
        return false;
    const QChar next = argument[1];
    return (next < u'0' || next > u'9') && next != u'.';
}

QString THeadlessSolver::UsageText()
{
    return QStringLiteral(
        "Usage: kelvane --solve HOT THI THO MH COLD TCI TCO MC TYPE UO AO Q MASK\n"
        "                       [RFH RFC MARGIN] [--json | --units si|us|metric]\n"
        "       kelvane --batch [FILE]\n"
        "       kelvane --help | --version\n"
        "\n"
        "Solves heat exchanger cases without a window.\n"
        "\n"
        "  --solve   solve one case and print the results page as text, the\n"
        "            diagnostic lines and the findings; with --json, the whole record,\n"
        "            \"verdict\" and \"findings\" as one JSON object\n"
        "  --units   the units of the text of --solve: si (the record's, without the\n"
        "            option), us (Btu/hr, degF, lb/hr, ft2) or metric (kcal/hr, degC,\n"
        "            kg/hr, m2); the values given stay in the units below\n"
        "  --batch   solve one case line (\"Kelvane,\" and the 13 or 16 values,\n"
        "            comma-separated)\n"
        "            per input line from FILE, or standard input without FILE or with \"-\";\n"
        "            print CSV: the record's fields, the findings (joined by \"; \") and a\n"
        "            status, one row per line\n"
        "\n"
        "Values: HOT, COLD fluid and TYPE exchanger type as 0-based indexes into fluids.ini\n"
        "and heatxtype.ini of the program folder; THI THO TCI TCO in degC; MH MC in kg/s;\n"
        "UO in W/m2degC; AO in m2; Q in kW; MASK the sum of the given values: THI 1, THO 2,\n"
        "MH 4, TCI 8, TCO 16, MC 32, UO 64, AO 128, Q 256. Numbers use \".\".\n"
        "RFH RFC, the fouling resistances of the hot and cold streams in m2K/W, and\n"
        "MARGIN, the design margin in % of area, may follow; 0 without them. UO is the\n"
        "clean coefficient; the service one, Us = 1/(1/UO + RFH + RFC), sizes the\n"
        "exchanger, and the margin is added to the area it needs (Areq).\n"
        "\n"
        "JSON keys and CSV columns, the record's units: thi tho tci tco lmtd itd in degC;\n"
        "mh mc in kg/s; cph cpc in kJ/kgK; ch cc cmin cmax in kW/K; Uo Us in kW/m2K (not\n"
        "W); Ao Aclean Areq in m2; Q Qmax in kW; Rfh Rfc in m2K/W; margin and OD (the\n"
        "overdesign Ao/Aclean - 1) in %; e ntu cr F without unit. A value the solve did\n"
        "not reach is null in JSON and empty in CSV.\n"
        "\n"
        "A type's section in heatxtype.ini may name its flow arrangement with the key\n"
        "\"arrangement\": counter-flow (without the key), parallel-flow, shell-and-tube-N\n"
        "(N shell passes, 1 to 8), cross-flow-unmixed, cross-flow-hot-mixed or\n"
        "cross-flow-cold-mixed. Any but counter flow is solved with its effectiveness-NTU\n"
        "relation and LMTD correction factor F, both shown in the text's exchanger block;\n"
        "JSON and CSV give \"arrangement\" and \"F\" (1 for counter flow) for every case.\n"
        "An effectiveness the arrangement cannot reach is infeasible; a type with an\n"
        "unknown arrangement is not solved (exit status 1).\n"
        "\n"
        "Every solved case gets a verdict. Infeasible: a temperature cross or pinch at\n"
        "either end, a stream that does not cool or heat, a duty or effectiveness not\n"
        "positive, an effectiveness above 1, a computed flow, capacity rate, UO, AO or\n"
        "Ntu not positive, or nothing computed (UO and AO given without all four\n"
        "temperatures or both inlets and flows), a negative allowance, or fouling that\n"
        "alone needs more than the given area. Warnings: a given value the solve\n"
        "changed beyond the rounding of its field, a duty worked from without being\n"
        "given, or fouling above half the resistance. Feasible: no finding. An\n"
        "infeasible batch row has the status \"Infeasible: \" and the first finding.\n"
        "\n"
        "Exit status: 0 solved (feasible or with warnings), 1 no solution with this\n"
        "data, 2 bad arguments, 3 solved but infeasible. --batch tells each case in its\n"
        "status column.\n");
}

int THeadlessSolver::Run(const QStringList& arguments, QIODevice& in, QIODevice& out,
                         QIODevice& err) const
{
    try {
        return RunCommand(arguments, in, out, err);
    } catch (const EOutputError& error) {
        WriteError(err, QString::fromStdString(error.what()));
        return ecNoSolution;
    }
}

int THeadlessSolver::RunCommand(const QStringList& arguments, QIODevice& in, QIODevice& out,
                                QIODevice& err) const
{
    TCommand command;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == optUnits)
            command.unitsKey = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (argument.startsWith(optUnits + u'='))
            command.unitsKey = argument.mid(optUnits.size() + 1);
        else if (argument == optHelp || argument == optHelpShort)
            command.help = true;
        else if (argument == optVersion)
            command.version = true;
        else if (argument == optSolve)
            command.solve = true;
        else if (argument == optBatch)
            command.batch = true;
        else if (argument == optJson)
            command.json = true;
        else if (LooksLikeOption(argument) && command.unknownOption.isEmpty())
            command.unknownOption = argument;
        else
            command.values << argument;
    }
    if (!command.unknownOption.isEmpty())
        return UsageError(err, QStringLiteral("unknown option '%1'").arg(command.unknownOption));
    if (command.help) {
        Write(out, UsageText());
        return ecSuccess;
    }
    if (command.version) {
        Write(out, QStringLiteral("Kelvane ") + m_version + u'\n');
        return ecSuccess;
    }
    if (command.solve == command.batch)
        return UsageError(err, QStringLiteral("give either --solve or --batch"));
    if (command.unitsKey) {
        if (!UnitSystemOf(*command.unitsKey))
            return UsageError(err, QStringLiteral("--units takes si, us or metric"));
        if (command.batch || command.json)
            return UsageError(err, QStringLiteral("--units goes with the text of --solve only: "
                                                  "JSON and CSV keep the record's units"));
    }
    if (command.solve)
        return Solve(command, out, err);
    if (command.json)
        return UsageError(err, QStringLiteral("--json goes with --solve only"));
    return Batch(command, in, out, err);
}

int THeadlessSolver::Solve(const TCommand& command, QIODevice& out, QIODevice& err) const
{
    TCaseInput input;
    try {
        const TCaseArguments arguments = TCaseArguments::Parse(command.values);
        input = arguments.Input(LoadTables(err));
    } catch (const ECaseInputError& error) {
        return UsageError(err, QStringLiteral("--solve: ") + QString::fromStdString(error.what()));
    }
    THx initial;
    SetInitialCase(initial);
    initial.Solve(InitialCaseMask);
    const TDisplayUnits units = command.unitsKey
                                    ? SystemDisplayUnits(*UnitSystemOf(*command.unitsKey))
                                    : TDisplayUnits::Record();
    // SolveCase has checked the products that the texts compute.
    const TCaseResult result = SolveCase(input, initial, units);
    if (result.failure) {
        WriteError(err, result.failure->Text());
        return ecNoSolution;
    }
    WriteSolved(command, result, units, out);
    if (result.verdict.IsInfeasible()) {
        WriteError(err, InfeasibleText(MethodName(result.hx.method), result.verdict));
        return ecInfeasible;
    }
    return ecSuccess;
}

// Each value of the tables that is no number is told once, before any case.
TLookupTables THeadlessSolver::LoadTables(QIODevice& err) const
{
    TLookupTables tables = TLookupTables::LoadFrom(m_programFolder);
    for (const QString& problem : tables.Problems())
        WriteError(err, QStringLiteral("warning: ") + problem);
    return tables;
}

void THeadlessSolver::WriteSolved(const TCommand& command, const TCaseResult& result,
                                  const TDisplayUnits& units, QIODevice& out)
{
    QString text;
    if (command.json) {
        text = JsonOf(result.hx, result.verdict);
    } else {
        QStringList lines = TextOf(result.hx, units);
        result.verdict.AppendFindings(lines);
        text = lines.join(u'\n');
    }
    Write(out, text + u'\n');
}

int THeadlessSolver::Batch(const TCommand& command, QIODevice& in, QIODevice& out,
                           QIODevice& err) const
{
    if (command.values.size() > 1)
        return UsageError(err, QStringLiteral("--batch takes at most one FILE"));
    QFile file;
    QIODevice* input = &in;
    if (!command.values.isEmpty() && command.values.first() != u'-') {
        file.setFileName(command.values.first());
        if (!file.open(QIODevice::ReadOnly))
            return UsageError(
                err,
                QStringLiteral("cannot open '%1': %2").arg(file.fileName(), file.errorString()));
        input = &file;
    }
    TBatchSolver(LoadTables(err)).Run(*input, out);
    return ecSuccess;
}

QString THeadlessSolver::JsonOf(const THx& hx, const TVerdict& verdict)
{
    QString json(u'{');
    const auto key = [&json](const char* name) {
        if (json.size() > 1)
            json += u',';
        json += JsonString(QString::fromLatin1(name)) + u':';
    };
    for (const THxTextField& field : HxTextFields) {
        key(field.name);
        json += JsonString(field.text(hx));
    }
    for (const THxNumberField& field : HxNumberFields) {
        key(field.name);
        json += JsonNumber(hx.Result(field.member));
    }
    key(HxArrangementName);
    json += JsonString(QString(hx.arrangement.Key()));
    key(HxCorrectionFactorField.name);
    json += JsonNumber(hx.Result(HxCorrectionFactorField.member));
    for (const THxNumberField& field : HxAllowanceFields) {
        key(field.name);
        json += JsonNumber(hx.Result(field.member));
    }
    key("verdict");
    json += JsonString(verdict.KindName());
    key("findings");
    QStringList findings;
    for (const QString& finding : verdict.Findings())
        findings << JsonString(finding);
    json += u'[' + findings.join(u',') + QLatin1StringView("]}");
    return json;
}

QStringList THeadlessSolver::TextOf(const THx& hx, const TDisplayUnits& units)
{
    QStringList lines;
    hx.WriteResultsText(lines, units);
    lines << QString();
    hx.WriteDiagnostics(lines, units);
    return lines;
}
