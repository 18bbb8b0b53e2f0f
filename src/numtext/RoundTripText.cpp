#include "RoundTripText.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

// The shortest decimal of a double by the Schubfach method (R. Giulietti, "The
// Schubfach way to render doubles", 2020): the decimal interval that rounds to
// the double is scaled by a 126-bit power of ten with round-to-odd, which is
// exact enough to decide, among the candidates of the two lengths it leaves,
// the shortest one inside the interval and, of those, the closest.
namespace {

using uint64 = std::uint64_t;
using uint128 = unsigned __int128;

struct TPow10
{
    uint64 g1;
    uint64 g0;
};

constexpr TPow10 Pow10Table[] = {
#include "RoundTripPow10.inc"
};
constexpr int Pow10TableMin = -324;

constexpr int SignificandBits = 52;
constexpr uint64 HiddenBit = uint64(1) << SignificandBits;
constexpr int ExponentBias = 1075; // bias and significand width: value = c × 2^q
constexpr int QMin = 1 - ExponentBias;

// A number `digits` × 10^`exponent`.
struct TDecimal
{
    uint64 digits;
    int exponent;
};

int FloorLog10Pow2(int e)
{
    return int((std::int64_t(e) * 661971961083) >> 41);
}

int FloorLog10ThreeQuartersPow2(int e)
{
    return int((std::int64_t(e) * 661971961083 - 274743187321) >> 41);
}

int FloorLog2Pow10(int e)
{
    return int((std::int64_t(e) * 913124641741) >> 38);
}

// ⌊g × cp / 2^127⌋, its lowest bit set when the division leaves a remainder.
uint64 RoundToOdd(const TPow10& g, uint64 cp)
{
    constexpr uint64 low63 = (uint64(1) << 63) - 1;
    const auto x1 = uint64((uint128(g.g0) * cp) >> 64);
    const uint128 y = uint128(g.g1) * cp;
    const uint64 z = (uint64(y) >> 1) + x1;
    const uint64 floor = uint64(y >> 64) + (z >> 63);
    return floor | (((z & low63) + low63) >> 63);
}

// The shortest decimal inside the rounding interval of c × 2^q (c with its
// hidden bit), the closest one when there are several, the even one on a tie.
TDecimal ShortestDecimal(int q, uint64 c)
{
    const uint64 odd = c & 1; // an odd significand's interval leaves out its ends
    const uint64 cb = c << 2;
    const uint64 cbr = cb + 2;
    // At a power of two the interval below is half as wide as the one above.
    const bool narrowBelow = c == HiddenBit && q != QMin;
    const uint64 cbl = narrowBelow ? cb - 1 : cb - 2;
    const int k = narrowBelow ? FloorLog10ThreeQuartersPow2(q) : FloorLog10Pow2(q);
    const int h = q + FloorLog2Pow10(-k) + 2;
    const TPow10& g = Pow10Table[k - Pow10TableMin];
    const uint64 vb = RoundToOdd(g, cb << h);
    const uint64 lower = RoundToOdd(g, cbl << h) + odd;
    const uint64 upper = RoundToOdd(g, cbr << h) - odd;

    const uint64 s = vb >> 2;
    if (s >= 10) {
        // One digit fewer: when just one of its two neighbours is inside, it is the answer.
        const uint64 shorter = s / 10;
        const bool belowInside = lower <= shorter * 40;
        const bool aboveInside = shorter * 40 + 40 <= upper;
        if (belowInside != aboveInside)
            return {shorter + aboveInside, k + 1};
    }
    const bool belowInside = lower <= s * 4;
    const bool aboveInside = s * 4 + 4 <= upper;
    if (belowInside != aboveInside)
        return {s + aboveInside, k};
    const uint64 middle = s * 4 + 2;
    const bool roundUp = vb > middle || (vb == middle && (s & 1) != 0);
    return {s + roundUp, k};
}

// Divides out 10^`count` when it divides the digits.
void StripZeros(TDecimal& d, uint64 power, int count)
{
    if (d.digits % power == 0) {
        d.digits /= power;
        d.exponent += count;
    }
}

// A 17-digit number has at most 16 trailing zeros: 8 + 8, then 4, 2, 1. Most
// digits of a computed value end in another digit, which one test tells.
TDecimal WithoutTrailingZeros(TDecimal d)
{
    if (d.digits % 10 != 0)
        return d;
    StripZeros(d, 100000000, 8);
    StripZeros(d, 100000000, 8);
    StripZeros(d, 10000, 4);
    StripZeros(d, 100, 2);
    StripZeros(d, 10, 1);
    return d;
}

int DecimalLength(uint64 value)
{
    static constexpr uint64 powers[] = {1,
                                        10,
                                        100,
                                        1000,
                                        10000,
                                        100000,
                                        1000000,
                                        10000000,
                                        100000000,
                                        1000000000,
                                        10000000000,
                                        100000000000,
                                        1000000000000,
                                        10000000000000,
                                        100000000000000,
                                        1000000000000000,
                                        10000000000000000,
                                        100000000000000000,
                                        1000000000000000000,
                                        10000000000000000000u};
    const int estimate = (std::bit_width(value) * 1233) >> 12; // ⌊log10 2^bits⌋
    return estimate + (value >= powers[estimate]);
}

constexpr char DigitPairs[] = "00010203040506070809101112131415161718192021222324"
                              "25262728293031323334353637383940414243444546474849"
                              "50515253545556575859606162636465666768697071727374"
                              "75767778798081828384858687888990919293949596979899";

void WritePair(char* out, std::uint32_t pair)
{
    std::memcpy(out, DigitPairs + 2 * pair, 2);
}

// Writes the eight digits of `value`, leading zeros included, at `out`: two
// halves of four whose divisions do not wait for each other.
void WriteEightDigits(char* out, std::uint32_t value)
{
    const std::uint32_t high = value / 10000;
    const std::uint32_t low = value % 10000;
    WritePair(out, high / 100);
    WritePair(out + 2, high % 100);
    WritePair(out + 4, low / 100);
    WritePair(out + 6, low % 100);
}

// Writes the `length` digits of `value` at `out`, from the end: eight at a
// time in 32-bit arithmetic, then two at a time.
void WriteDigits(char* out, uint64 value, int length)
{
    char* at = out + length;
    while (value >= 100000000) {
        at -= 8;
        WriteEightDigits(at, std::uint32_t(value % 100000000));
        value /= 100000000;
    }
    auto rest = std::uint32_t(value);
    while (rest >= 100) {
        at -= 2;
        WritePair(at, rest % 100);
        rest /= 100;
    }
    if (rest >= 10)
        WritePair(at - 2, rest);
    else
        at[-1] = char('0' + rest);
}

char* WriteScientific(char* out, const TDecimal& d, int length, int exponent10)
{
    WriteDigits(out + 1, d.digits, length);
    out[0] = out[1];
    char* at = out + 1;
    if (length > 1) {
        *at = '.';
        at += length;
    }
    *at++ = 'e';
    *at++ = exponent10 < 0 ? '-' : '+';
    const int magnitude = exponent10 < 0 ? -exponent10 : exponent10;
    if (magnitude >= 100)
        *at++ = char('0' + magnitude / 100);
    *at++ = char('0' + magnitude / 10 % 10);
    *at++ = char('0' + magnitude % 10);
    return at;
}

// A fixed text with no zeros to append: digits with a point inside, or "0."
// and zeros before them.
char* WriteFixed(char* out, const TDecimal& d, int length, int exponent10)
{
    if (exponent10 < 0) {
        *out++ = '0';
        *out++ = '.';
        std::memset(out, '0', std::size_t(-exponent10 - 1));
        out += -exponent10 - 1;
        WriteDigits(out, d.digits, length);
        return out + length;
    }
    const int integerDigits = exponent10 + 1;
    if (integerDigits == length) {
        WriteDigits(out, d.digits, length);
        return out + length;
    }
    // Written one place on, the integer digits move back before the point:
    // they are few, and a byte loop costs less than a call to memmove.
    WriteDigits(out + 1, d.digits, length);
    for (int i = 0; i < integerDigits; ++i)
        out[i] = out[i + 1];
    out[integerDigits] = '.';
    return out + length + 1;
}

} // namespace

char* WriteRoundTripText(char* out, double value)
{
    const auto bits = std::bit_cast<uint64>(value);
    const int biasedExponent = int(bits >> SignificandBits) & 0x7ff;
    // Zero, subnormals, infinities and NaN are rare: the library writes them.
    if (biasedExponent == 0 || biasedExponent == 0x7ff)
        return std::to_chars(out, out + RoundTripTextRoom, value).ptr;

    const uint64 c = HiddenBit | (bits & (HiddenBit - 1));
    const int q = biasedExponent - ExponentBias;
    // A whole number below 2^53 is its own shortest decimal.
    const bool whole = q < 0 && q > -53 && ((c >> -q) << -q) == c;
    const TDecimal d = WithoutTrailingZeros(whole ? TDecimal{c >> -q, 0} : ShortestDecimal(q, c));

    const int length = DecimalLength(d.digits);
    const int exponent10 = d.exponent + length - 1; // of the first digit
    const int magnitude = exponent10 < 0 ? -exponent10 : exponent10;
    const int scientificLength = length + (length > 1) + 2 + (magnitude >= 100 ? 3 : 2);
    const int fixedLength = d.exponent >= 0   ? length + d.exponent
                            : exponent10 >= 0 ? length + 1
                                              : length + 1 - exponent10;
    // A fixed text with zeros appended is written by the library, which gives
    // such large whole numbers all their digits.
    if (fixedLength <= scientificLength && d.exponent > 0)
        return std::to_chars(out, out + RoundTripTextRoom, value).ptr;
    if (bits >> 63)
        *out++ = '-';
    return fixedLength <= scientificLength ? WriteFixed(out, d, length, exponent10)
                                           : WriteScientific(out, d, length, exponent10);
}
