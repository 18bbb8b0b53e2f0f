#include "TickLabel.h"

#include "Format.h"
#include "NumberText.h"

QString TTickLabel::AutoFormat(double value)
{
    return AutoFixedFormat(9999, QStringLiteral("%4.2g"), value);
}

QString TTickLabel::Text(double value)
{
    return TrimNumberText(Format(AutoFormat(value), {value}));
}
