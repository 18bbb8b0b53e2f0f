#pragma once

#include "CaseInputs.h"

#include <QString>
#include <array>
#include <optional>

class THx;

// A case file the user names (Open, Save As). It has the layout of the
// program's own case file, so Load reads its nine values, and one element
// more, which Load ignores: the mask of given values the case was solved
// with, as the last element of the `duty` group,
//
//   <given mask="111"/>
//
// Reading is strict where Load is lenient: a file it cannot take whole
// changes nothing.
struct TCaseFile
{
    // The case inputs in the order of CaseInputRows (thi, tho, mh, tci, tco,
    // mc, Uo, Ao, Q, Rfh, Rfc, margin), in the record's units: Uo in kW/(m²·K).
    // The allowances are 0 where the file has none.
    std::array<double, CaseInputCount> values{};
    // The names the file gives; empty when it gives none.
    QString hotFluid;
    QString coldFluid;
    QString heatXType;
    // The specific heats the file gives the streams (cph, cpc), kJ/(kg·K); empty
    // where it gives no finite number.
    std::optional<double> hotCp;
    std::optional<double> coldCp;
    // The mask of given values, when the file holds one.
    std::optional<int> mask;

    // Throws std::runtime_error "Cannot open "<path>": <reason>" when there is
    // no such file, it is not a regular file or larger than
    // TXMLFile::MaxFileSize, cannot be read, is not well-formed XML, holds none of the nine values
    // (not a case file), lacks a number for one of them, or holds a mask
    // that is not a whole number from 0 to 511.
    static TCaseFile Read(const QString& path);

    // Writes the whole record as Save does, with `mask`, replacing the file
    // atomically. Throws std::runtime_error "Cannot save "<path>": <reason>"
    // and leaves any old file as it was.
    static void Write(const QString& path, const THx& hx, int mask, const QString& programName);

    // Puts the case inputs into the record.
    void GivenValuesInto(THx& hx) const;
};
