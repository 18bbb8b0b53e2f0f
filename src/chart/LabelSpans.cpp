#include "LabelSpans.h"

bool TLabelSpans::Overlaps(int lower, int upper) const
{
    for (const TSpan& span : m_spans)
        if (upper >= span.Lower && span.Upper >= lower)
            return true;
    return false;
}

void TLabelSpans::Add(int lower, int upper)
{
    m_spans.append({lower - 1, upper + 1});
}
