#pragma once

#include "FlowArrangement.h"
#include "MathError.h"
#include "SpecMask.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

class TDisplayUnits;
class TResultsPage;
class TXMLFile;
namespace pugi {
class xml_node;
}

// The method Solve chose, in THx::method.
// The coldest temperature there is, in the record's unit, °C.
inline constexpr double AbsoluteZero = -273.15;

enum class THxMethod : std::uint8_t
{
    hmNone, // no solve has chosen one yet
    hmDutySpecified,
    hmColdFluidSpecified,
    hmHotFluidSpecified,
    hmNotProperlySpecified,
    hmLmtd,
    hmENtu
};

// The method in words, as every output names it: "Duty specified", "Cold fluid
// specified", "Hot fluid specified", "Data not properly specified", "LMTD
// method", "e-Ntu method"; empty for none.
QString MethodName(THxMethod method);

// Why a solve ended before computing every value. The values after the step
// where it stopped are not computed (THx::Result).
enum class TSolveStop
{
    ssNone,
    ssTemperatures,     // the streams touch or cross at an end (Approach::EndOf), or a
                        // stream whose flow the duty gives neither cools nor heats
    ssArrangementLimit, // the effectiveness is at the most the arrangement reaches
    ssOutsideRelation,  // the arrangement's relation has no ntu or e for the values
    ssAllowances        // a fouling resistance or the margin is negative, or the fouling
                        // alone needs more than the given area allows
};

// One two-stream heat exchanger case: the nine values the user can give, the
// fluid and exchanger names, the specific heats and everything Solve derives.
// Units: °C, kg/s, kJ/(kg·K), kW/K, kW/(m²·K) for Uo, m², kW. A plain record:
// the fields are read and written directly; nothing validates them as a whole.
class THx
{
public:
    THxMethod method = THxMethod::hmNone; // the method the last Solve chose
    QString coldFluid;
    QString hotFluid;
    QString heatXType;
    double thi = 0;
    double tho = 0;
    double mh = 0;
    double cph = 0;
    double ch = 0;
    double tci = 0;
    double tco = 0;
    double mc = 0;
    double cpc = 0;
    double cc = 0;
    double Uo = 0;
    double Ao = 0;
    double lmtd = 0;
    double cmax = 0;
    double cmin = 0;
    double itd = 0;
    double e = 0;
    double ntu = 0;
    double cr = 0;
    double Q = 0;
    double Qmax = 0;
    // How the streams flow; the caller sets it with the type (counter flow by
    // default). Counter flow is solved by the counter-flow relations alone.
    TFlowArrangement arrangement;
    // LMTD correction factor of the arrangement, counter-flow ntu / ntu: 1 for
    // counter flow.
    double F = 0;
    // The service allowances: fouling resistances of the hot and cold streams,
    // m²·K/W referred to Ao, and the design margin, % of area. Uo is the clean
    // coefficient; the service one, Us, takes its place in every equation. The
    // area the duty needs in service is Areq; Ao is Areq with the margin where the
    // solve sizes the exchanger. Without allowances Us is Uo and Areq Ao, exactly.
    double Rfh = 0;
    double Rfc = 0;
    double margin = 0;
    double Us = 0;     // kW/(m²·K)
    double Aclean = 0; // the area the duty needs with Uo, without margin
    double Areq = 0;
    double OD = 0;                        // overdesign Ao/Aclean - 1, %
    TSolveStop stop = TSolveStop::ssNone; // of the last Solve
    // The numbers the last Solve did not reach (the nine given values at their
    // mask bits, the derived values above them). They keep the values the
    // record held, as Solve never stores a NaN; Result leaves them out.
    std::uint32_t unsolved = 0;

    // Chooses the method from the mask of given values and computes the missing
    // values in place. A floating-point fault raises EMathError before any
    // non-finite value is stored; the steps done until then stay in the record.
    // Once the four temperatures are known, a pinch or cross at either end ends
    // the solve before the lmtd, ntu or size are worked out from it; so does an
    // effectiveness at the arrangement's limit, or values outside its relation.
    // Such a stop is no error: `stop` says why, the steps done until then
    // stay, and `unsolved` names what the solve did not reach.
    void Solve(int mask);
    // As Solve, but the fault is returned rather than raised, for a caller that
    // reports it and drops the case, as the batch does: raising and catching
    // would cost more than the solve. After a fault the derived values are
    // unspecified and may be NaN.
    [[nodiscard]] std::optional<TMathFault> SolveOrFault(int mask);
    // A number of the record as the last Solve left it, for the outputs: NaN
    // where the solve did not reach it (`unsolved`), never an earlier case's.
    double Result(const double THx::*value) const;
    void MarkUnsolved(std::initializer_list<double THx::*> values);
    // Marks every value the solve did not get with `mask` as not reached: the
    // record of a case without a solution.
    void MarkNothingSolved(int mask);

    void SetHotFluid(const QString& name);
    void SetColdFluid(const QString& name);
    void SetHeatXType(const QString& name);
    // Whether a fouling resistance or the margin is set.
    bool HasAllowances() const { return Rfh != 0 || Rfc != 0 || margin != 0; }
    // Built-in specific heat, kJ/(kg·K): air, water, oil (any letter case), else 1.0.
    static double DefaultCp(const QString& name);

    // Append the HTML lines of the results page (40 for counter flow; another
    // arrangement adds its name and F), the same page as plain text, and the 9
    // diagnostic lines, each quantity in its unit of `units` (without: the record's).
    void WriteResultsPage(QStringList& lines) const;
    void WriteResultsPage(QStringList& lines, const TDisplayUnits& units) const;
    void WriteResultsText(QStringList& lines) const;
    void WriteResultsText(QStringList& lines, const TDisplayUnits& units) const;
    void WriteDiagnostics(QStringList& lines) const;
    void WriteDiagnostics(QStringList& lines, const TDisplayUnits& units) const;
    // The six products the diagnostic lines show, in line order: Uo·Ao,
    // ntu·cmin, then the duty four ways (the rate equation with F for an arrangement
    // other than counter flow). Raises EMathError when one overflows.
    std::array<double, 6> DiagnosticProducts() const;

    // The case file (HxCaseFile.cpp): every group of the record below `root`,
    // and back only the nine given values, each keeping its value when absent.
    void WriteCase(TXMLFile& file, pugi::xml_node root) const;
    void ReadCase(TXMLFile& file, pugi::xml_node root);

private:
    void SolveByMethod(int mask);
    void ColdDutyFromFlow();
    void HotDutyFromFlow();
    void ColdFlowFromDuty();
    void ColdOutletFromDuty();
    void ColdInletFromDuty();
    void HotOutletFromDuty();
    void HotInletFromDuty();
    void HotFlowFromDuty();
    void CompleteColdSide(int mask);
    void CompleteHotSide(int mask);
    void CapacityRates();
    // The steps that can stop the solve say whether it goes on: false, with
    // `stop` set, where it stops.
    bool EffectivenessAndNtu();
    bool EffectivenessFromTemperatures();
    bool ArrangementNtu(const TFlowRelation& relation);
    bool EndsOpen();                                   // no pinch or cross at either end
    bool StreamsChange(bool hot, bool cold, int mask); // each stream whose flow is to be found
    bool BelowLimit(const TFlowRelation& relation);    // e short of the arrangement's limit
    bool Related(std::optional<double> value, double& result); // a value of the relation
    void SizeExchanger(int mask);
    bool AllowancesSound(int mask);
    void ServiceCoefficient();
    bool CleanCoefficient();
    void RatedAreas();
    void DesignAreas();
    double FoulingResistance() const;
    double MarginFactor() const;
    void CommonTail(int mask);
    void MarkUnsolvedGivenValues(int bits);
    bool LmtdMethodDuty();
    bool LmtdAndNtu();
    void LmtdMethod(int mask);
    void EffectivenessNtuMethod();
    void WriteResults(TResultsPage& page, const TDisplayUnits& units) const;
};
