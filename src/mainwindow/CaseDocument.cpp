#include "CaseDocument.h"

TCaseDocument::TCaseDocument() : current(TCaseInput::Initial()), m_solvedInput(current)
{
    m_result = SolveCase(m_solvedInput, THx());
}

const TCaseResult& TCaseDocument::Solve()
{
    m_solvedInput = current;
    // The record solved before is the start: a solve that computes nothing keeps its method.
    m_result = SolveCase(m_solvedInput, m_result.hx);
    return m_result;
}
