#pragma once

#include <QList>

// The pixel spans taken by the labels of one scale, so that a minor label that
// would touch one already drawn can be left out.
class TLabelSpans
{
public:
    // True when [lower, upper] meets a span already taken.
    bool Overlaps(int lower, int upper) const;
    // Takes [lower - 1, upper + 1], keeping a pixel free on each side.
    void Add(int lower, int upper);

private:
    struct TSpan
    {
        int Lower;
        int Upper;
    };
    QList<TSpan> m_spans;
};
