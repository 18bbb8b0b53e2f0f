#pragma once

#include <QString>

// The text of a scale label, and the automatic format of the mouse read-out.
class TTickLabel
{
public:
    // Fixed point sized to the value up to 9999, "%4.2g" above.
    static QString AutoFormat(double value);
    // `value` in its automatic format with redundant zeros trimmed: 0.2 gives "0.2", 20000 "2E4".
    static QString Text(double value);
};
