#pragma once

#include <QStringList>

// What the feasibility check makes of a solved case: feasible, feasible with
// warnings, or infeasible, with its findings in the program's own words, each
// carrying the numbers that prove it. Infeasible findings come first, so the
// first finding is the one to show when there is room for only one.
class TVerdict
{
public:
    enum TKind : int
    {
        vkFeasible,
        vkWarnings,
        vkInfeasible
    };

    TKind Kind() const;
    // "feasible", "warnings" or "infeasible", as the headless outputs name them.
    QLatin1StringView KindName() const;
    bool IsInfeasible() const { return m_infeasibleCount > 0; }
    const QStringList& Findings() const { return m_findings; }

    void AddInfeasible(const QString& finding);
    void AddWarning(const QString& finding);

    // After diagnostic lines: an empty line, then one finding per line; nothing
    // at all without findings.
    void AppendFindings(QStringList& lines) const;
    // Into the HTML lines of a results page, before its closing lines: a block
    // headed "Verdict" with the kind's name and one paragraph per finding;
    // nothing without findings, so a feasible case's report is its page.
    void InsertReportBlock(QStringList& page) const;

private:
    QStringList m_findings;
    qsizetype m_infeasibleCount = 0;
};
