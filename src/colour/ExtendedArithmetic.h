#pragma once
// A software model of x87 extended-precision arithmetic (64-bit significand,
// round to nearest with ties to even), for targets whose long double is not that
// format and for builds that ask for it. Only what the colour conversions need:
// +, -, *, / and comparisons on finite values, rounding to a double's 53-bit
// significand, and the final rounding to an integer. Integer-only,
// allocation-free, no floating-point environment involved. Exponents are
// unbounded, so values far outside the double range do not overflow or become
// subnormal as real hardware would; the conversions never come near those limits.

#include <cstdint>

class SoftExtended
{
public:
    constexpr SoftExtended() = default;
    // Exact, as is every int in extended precision.
    constexpr SoftExtended(int value) : SoftExtended(value < 0, Magnitude(value), 0) {}
    // (-1)^negative * significand * 2^exponent.
    static constexpr SoftExtended Scaled(bool negative, std::uint64_t significand, int exponent)
    {
        return SoftExtended(negative, significand, exponent);
    }

    // The value is (-1)^IsNegative() * Significand() * 2^Exponent(); the
    // significand has its top bit set unless the value is zero.
    constexpr std::uint64_t Significand() const { return m_significand; }
    constexpr int Exponent() const { return m_exponent; }
    constexpr bool IsZero() const { return m_significand == 0; }
    constexpr bool IsNegative() const { return m_negative && !IsZero(); }

    // The value rounded to 53 significant bits (ties to even): what storing it
    // into a double keeps.
    constexpr SoftExtended RoundedToDouble() const;
    // Nearest integer, exact halves to the even neighbour. Values must fit an int.
    constexpr int RoundToInt() const;

    friend constexpr SoftExtended operator-(SoftExtended a)
    {
        a.m_negative = !a.m_negative;
        return a;
    }
    friend constexpr SoftExtended operator+(SoftExtended a, SoftExtended b) { return Add(a, b); }
    friend constexpr SoftExtended operator-(SoftExtended a, SoftExtended b) { return Add(a, -b); }
    friend constexpr SoftExtended operator*(SoftExtended a, SoftExtended b)
    {
        return Multiply(a, b);
    }
    // b must not be zero.
    friend constexpr SoftExtended operator/(SoftExtended a, SoftExtended b) { return Divide(a, b); }

    friend constexpr bool operator==(SoftExtended a, SoftExtended b) { return Compare(a, b) == 0; }
    friend constexpr bool operator!=(SoftExtended a, SoftExtended b) { return Compare(a, b) != 0; }
    friend constexpr bool operator<(SoftExtended a, SoftExtended b) { return Compare(a, b) < 0; }
    friend constexpr bool operator>(SoftExtended a, SoftExtended b) { return Compare(a, b) > 0; }

private:
    struct Wide // 128-bit unsigned
    {
        std::uint64_t high;
        std::uint64_t low;
    };

    // significand * 2^exponent, normalised (top bit set) unless zero.
    constexpr SoftExtended(bool negative, std::uint64_t significand, int exponent);
    static constexpr std::uint64_t Magnitude(int value)
    {
        return value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    }

    static constexpr int LeadingZeros(std::uint64_t x);
    static constexpr Wide MultiplyWide(std::uint64_t a, std::uint64_t b);
    static constexpr std::uint64_t DivideWide(Wide dividend, std::uint64_t divisor,
                                              std::uint64_t& remainder);
    // (m * 2^exponent) plus, when sticky, something smaller than one unit of m's
    // lowest bit, rounded to 64 significant bits.
    static constexpr SoftExtended RoundWide(bool negative, Wide m, int exponent, bool sticky);

    static constexpr SoftExtended Add(SoftExtended a, SoftExtended b);
    static constexpr SoftExtended Multiply(SoftExtended a, SoftExtended b);
    static constexpr SoftExtended Divide(SoftExtended a, SoftExtended b);
    static constexpr int Compare(SoftExtended a, SoftExtended b);

    std::uint64_t m_significand = 0;
    int m_exponent = 0;
    bool m_negative = false;
};

// The definitions are constexpr (and so inline): the conversions built on them
// compile to straight integer code and can keep tables made at compile time.

constexpr SoftExtended::SoftExtended(bool negative, std::uint64_t significand, int exponent)
    : m_negative(negative)
{
    if (significand == 0)
        return;
    const int shift = LeadingZeros(significand);
    m_significand = significand << shift;
    m_exponent = exponent - shift;
}

constexpr int SoftExtended::LeadingZeros(std::uint64_t x)
{
#if defined(__GNUC__) || defined(__clang__)
    return x == 0 ? 64 : __builtin_clzll(x);
#else
    int n = 0;
    for (int step = 32; step > 0; step /= 2)
        if ((x >> (64 - step)) == 0) {
            n += step;
            x <<= step;
        }
    return x == 0 ? 64 : n;
#endif
}

constexpr SoftExtended::Wide SoftExtended::MultiplyWide(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t mask = 0xFFFFFFFFu;
    const std::uint64_t lowLow = (a & mask) * (b & mask);
    const std::uint64_t highLow = (a >> 32) * (b & mask);
    const std::uint64_t lowHigh = (a & mask) * (b >> 32);
    const std::uint64_t highHigh = (a >> 32) * (b >> 32);
    const std::uint64_t middle = (lowLow >> 32) + (highLow & mask) + (lowHigh & mask);
    return Wide{highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
                middle << 32 | (lowLow & mask)};
}

// Long division in two 32-bit digits (Knuth's algorithm D). Needs a divisor with
// its top bit set and dividend.high < divisor, so that the quotient fits 64 bits.
constexpr std::uint64_t SoftExtended::DivideWide(Wide dividend, std::uint64_t divisor,
                                                 std::uint64_t& remainder)
{
    const std::uint64_t base = std::uint64_t(1) << 32;
    const std::uint64_t divisorHigh = divisor >> 32;
    const std::uint64_t divisorLow = divisor & 0xFFFFFFFFu;
    const std::uint64_t digit1 = dividend.low >> 32;
    const std::uint64_t digit0 = dividend.low & 0xFFFFFFFFu;

    std::uint64_t quotientHigh = dividend.high / divisorHigh;
    std::uint64_t partial = dividend.high - quotientHigh * divisorHigh;
    while (quotientHigh >= base || quotientHigh * divisorLow > (partial << 32 | digit1)) {
        --quotientHigh;
        partial += divisorHigh;
        if (partial >= base)
            break;
    }
    const std::uint64_t middle = (dividend.high << 32 | digit1) - quotientHigh * divisor;

    std::uint64_t quotientLow = middle / divisorHigh;
    partial = middle - quotientLow * divisorHigh;
    while (quotientLow >= base || quotientLow * divisorLow > (partial << 32 | digit0)) {
        --quotientLow;
        partial += divisorHigh;
        if (partial >= base)
            break;
    }
    remainder = (middle << 32 | digit0) - quotientLow * divisor;
    return quotientHigh << 32 | quotientLow;
}

constexpr SoftExtended SoftExtended::RoundWide(bool negative, Wide m, int exponent, bool sticky)
{
    if (m.high == 0 && m.low == 0)
        return SoftExtended(negative, 0, 0);
    // Bring the top bit to bit 127. Callers leave at most a few leading zeros when
    // sticky is set, so those bits stay far below the rounding position.
    const int shift = m.high != 0 ? LeadingZeros(m.high) : 64 + LeadingZeros(m.low);
    if (shift >= 64) {
        m = Wide{m.low << (shift - 64), 0};
    } else if (shift > 0) {
        m = Wide{m.high << shift | m.low >> (64 - shift), m.low << shift};
    }
    exponent += 64 - shift;

    const std::uint64_t half = std::uint64_t(1) << 63;
    const bool above = m.low > half || (m.low == half && sticky);
    const bool tie = m.low == half && !sticky;
    SoftExtended result;
    result.m_negative = negative;
    result.m_significand = m.high;
    result.m_exponent = exponent;
    if (above || (tie && (m.high & 1) != 0)) {
        if (++result.m_significand == 0) {
            result.m_significand = half;
            ++result.m_exponent;
        }
    }
    return result;
}

constexpr SoftExtended SoftExtended::Add(SoftExtended a, SoftExtended b)
{
    if (b.IsZero())
        return a.IsZero() ? SoftExtended(a.m_negative && b.m_negative, 0, 0) : a;
    if (a.IsZero())
        return b;
    if (a.m_exponent < b.m_exponent ||
        (a.m_exponent == b.m_exponent && a.m_significand < b.m_significand)) {
        const SoftExtended larger = b;
        b = a;
        a = larger;
    }
    // a's significand in the high word, b's shifted right by the exponent gap;
    // bits shifted past the low word only count as sticky.
    const int gap = a.m_exponent - b.m_exponent;
    Wide bigger{a.m_significand, 0};
    Wide smaller{b.m_significand, 0};
    bool sticky = false;
    if (gap >= 128) {
        smaller = Wide{0, 0};
        sticky = true;
    } else if (gap > 64) {
        sticky = (b.m_significand << (128 - gap)) != 0;
        smaller = Wide{0, b.m_significand >> (gap - 64)};
    } else if (gap == 64) {
        smaller = Wide{0, b.m_significand};
    } else if (gap > 0) {
        smaller = Wide{b.m_significand >> gap, b.m_significand << (64 - gap)};
    }
    int exponent = a.m_exponent - 64;
    if (a.m_negative == b.m_negative) {
        const std::uint64_t low = bigger.low + smaller.low;
        const std::uint64_t carry = low < bigger.low ? 1 : 0;
        Wide sum{bigger.high + smaller.high + carry, low};
        if (sum.high < bigger.high || (carry != 0 && sum.high == bigger.high)) {
            // carried out of bit 127
            sticky = sticky || (sum.low & 1) != 0;
            sum = Wide{std::uint64_t(1) << 63 | sum.high >> 1, sum.high << 63 | sum.low >> 1};
            ++exponent;
        }
        return RoundWide(a.m_negative, sum, exponent, sticky);
    }
    // |a| >= |b|. A sticky remainder makes the true difference a little smaller:
    // borrow one unit and keep the sticky fraction (1 - remainder).
    Wide difference{bigger.high - smaller.high, bigger.low - smaller.low};
    if (bigger.low < smaller.low)
        --difference.high;
    if (sticky) {
        if (difference.low == 0)
            --difference.high;
        --difference.low;
    }
    if (difference.high == 0 && difference.low == 0 && !sticky)
        return SoftExtended(false, 0, 0); // exact cancellation gives +0
    return RoundWide(a.m_negative, difference, exponent, sticky);
}

constexpr SoftExtended SoftExtended::Multiply(SoftExtended a, SoftExtended b)
{
    const bool negative = a.m_negative != b.m_negative;
    if (a.IsZero() || b.IsZero())
        return SoftExtended(negative, 0, 0);
    return RoundWide(negative, MultiplyWide(a.m_significand, b.m_significand),
                     a.m_exponent + b.m_exponent, false);
}

constexpr SoftExtended SoftExtended::Divide(SoftExtended a, SoftExtended b)
{
    const bool negative = a.m_negative != b.m_negative;
    if (a.IsZero())
        return SoftExtended(negative, 0, 0);
    if (b.m_significand == std::uint64_t(1) << 63) { // a power of two: exact
        a.m_negative = negative;
        a.m_exponent -= b.m_exponent + 63;
        return a;
    }
    // Scale the dividend so that the quotient has exactly 64 bits: by 2^64 when
    // a's significand is the smaller, else by 2^63.
    const bool smaller = a.m_significand < b.m_significand;
    const Wide dividend =
        smaller ? Wide{a.m_significand, 0} : Wide{a.m_significand >> 1, a.m_significand << 63};
    std::uint64_t remainder = 0;
    SoftExtended result;
    result.m_negative = negative;
    result.m_significand = DivideWide(dividend, b.m_significand, remainder);
    result.m_exponent = a.m_exponent - b.m_exponent - (smaller ? 64 : 63);
    // Round up when remainder / divisor is above one half. It is never exactly
    // one half: such a quotient would need a dividend wider than 64 bits.
    if (remainder > b.m_significand - remainder) {
        if (++result.m_significand == 0) {
            result.m_significand = std::uint64_t(1) << 63;
            ++result.m_exponent;
        }
    }
    return result;
}

constexpr int SoftExtended::Compare(SoftExtended a, SoftExtended b)
{
    if (a.IsZero() && b.IsZero())
        return 0;
    if (a.IsNegative() != b.IsNegative())
        return a.IsNegative() ? -1 : 1;
    // Same sign: compare magnitudes, zero below everything else.
    int magnitude = 0;
    if (a.IsZero() || b.IsZero())
        magnitude = a.IsZero() ? -1 : 1;
    else if (a.m_exponent != b.m_exponent)
        magnitude = a.m_exponent < b.m_exponent ? -1 : 1;
    else if (a.m_significand != b.m_significand)
        magnitude = a.m_significand < b.m_significand ? -1 : 1;
    return a.IsNegative() ? -magnitude : magnitude;
}

constexpr SoftExtended SoftExtended::RoundedToDouble() const
{
    const std::uint64_t dropped = m_significand & 0x7FF;
    const std::uint64_t half = 0x400;
    SoftExtended result = *this;
    result.m_significand &= ~std::uint64_t(0x7FF);
    if (dropped > half || (dropped == half && (m_significand & 0x800) != 0)) {
        result.m_significand += 0x800;
        if (result.m_significand == 0) {
            result.m_significand = std::uint64_t(1) << 63;
            ++result.m_exponent;
        }
    }
    return result;
}

constexpr int SoftExtended::RoundToInt() const
{
    if (IsZero() || m_exponent < -64)
        return 0; // below one half
    // A value that fits an int has at least 33 fraction bits here.
    const int fractionBits = -m_exponent;
    std::uint64_t magnitude = fractionBits == 64 ? 0 : m_significand >> fractionBits;
    const std::uint64_t fraction =
        fractionBits == 64 ? m_significand : m_significand << (64 - fractionBits);
    const std::uint64_t half = std::uint64_t(1) << 63;
    if (fraction > half || (fraction == half && (magnitude & 1) != 0))
        ++magnitude;
    return m_negative ? -int(magnitude) : int(magnitude);
}
