#include "Verdict.h"

TVerdict::TKind TVerdict::Kind() const
{
    if (IsInfeasible())
        return vkInfeasible;
    return m_findings.isEmpty() ? vkFeasible : vkWarnings;
}

QLatin1StringView TVerdict::KindName() const
{
    switch (Kind()) {
    case vkFeasible:
        return QLatin1StringView("feasible");
    case vkWarnings:
        return QLatin1StringView("warnings");
    case vkInfeasible:
        break;
    }
    return QLatin1StringView("infeasible");
}

void TVerdict::AddInfeasible(const QString& finding)
{
    m_findings.insert(m_infeasibleCount++, finding);
}

void TVerdict::AddWarning(const QString& finding)
{
    m_findings.append(finding);
}

void TVerdict::AppendFindings(QStringList& lines) const
{
    if (m_findings.isEmpty())
        return;
    lines << QString();
    lines << m_findings;
}

void TVerdict::InsertReportBlock(QStringList& page) const
{
    if (m_findings.isEmpty())
        return;
    QStringList block{QStringLiteral("<p>&nbsp;</p>"),
                      QStringLiteral("<p class=\"hd\"><b>Verdict</b>: ") + KindName() +
                          QStringLiteral("</p>")};
    for (const QString& finding : m_findings)
        block << QStringLiteral("<p>") + finding.toHtmlEscaped() + QStringLiteral("</p>");
    const qsizetype end = page.indexOf(QStringLiteral("</body>"));
    for (qsizetype i = 0; i < block.size(); ++i)
        page.insert((end < 0 ? page.size() : end) + i, block[i]);
}
