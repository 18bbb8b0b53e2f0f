#include "CaseDocument.h"

TCaseDocument::TCaseDocument() : current(TCaseInput::Initial()), m_solvedInput(current)
{
    m_result = SolveCase(m_solvedInput, m_solvedFrom);
}

const TCaseResult& TCaseDocument::Solve(const TDisplayUnits& units)
{
    m_solvedInput = current;
    // The record solved before is the start: a solve that computes nothing keeps its method.
    m_solvedFrom = m_result.hx;
    return Rejudge(units);
}

const TCaseResult& TCaseDocument::Rejudge(const TDisplayUnits& units)
{
    m_result = SolveCase(m_solvedInput, m_solvedFrom, units);
    return m_result;
}
