// Typed and pasted number text: clean-up, parsing, fractions and line splitting.
#include "ConvertError.h"
#include "FuzzSupport.h"
#include "NumberParse.h"
#include "NumberText.h"

#include <QString>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(FuzzBytes(data, size));
    try {
        double cleaned = 0;
        (void)TryStrToFloat(CleanNumberText(text), cleaned);
    } catch (const EConvertError&) {
        // An exponent CleanNumberText cannot take: all this run looks for is a crash.
    }
    double first = 0;
    double second = 0;
    try {
        ParseFraction(text, first, second);
    } catch (const EConvertError&) {
        // Not a number or a fraction: all this run looks for is a crash.
    }
    double value = 0;
    int integer = 0;
    // The Try forms must agree with the throwing ones.
    bool threw = false;
    try {
        value = StrToFloat(text);
    } catch (const EConvertError&) {
        threw = true;
    }
    double tried = 0;
    if (TryStrToFloat(text, tried) == threw)
        std::abort();
    if (!threw && !(tried == value || (std::isnan(tried) && std::isnan(value))))
        std::abort();
    (void)TryStrToInt(text, integer);
    (void)TrimNumberText(text);
    for (const QChar delimiter : {QChar(u','), QChar(u';'), QChar(u' ')}) {
        const QStringList parts = SplitTextToArray(text, delimiter);
        for (const QString& part : parts)
            if (part.size() > text.size())
                std::abort();
    }
    return 0;
}
