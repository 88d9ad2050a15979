#include "colour/ExtendedArithmetic.h"
#include "colour/PortableColourArithmetic.h"

#include <cstdint>

// RgbToHsl and HslToRgb written once over the extended type Ext: every named
// intermediate is stored as a 64-bit double (Stored), every expression between
// two of them is one evaluation in 80-bit extended precision, and the final
// scaling rounds to an integer with ties to even (RoundToInt). The x87 path runs
// it on the hardware's long double, the portable path on SoftExtended.

namespace {

#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
// long double with the operations the conversions need, nothing more.
struct X87Extended
{
    long double value = 0;

    X87Extended() = default;
    X87Extended(int v) : value(v) {}
    explicit X87Extended(long double v) : value(v) {}

    bool IsNegative() const { return value < 0; }
    // Round to nearest, exact halves to the even neighbour (the FPU default mode).
    // One fistp does exactly that on the extended value; the library call saves
    // and restores the floating-point environment and costs far more.
    int RoundToInt() const
    {
        int result;
        asm("fistpl %0" : "=m"(result) : "t"(value) : "st");
        return result;
    }

    friend X87Extended operator+(X87Extended a, X87Extended b)
    {
        return X87Extended(a.value + b.value);
    }
    friend X87Extended operator-(X87Extended a, X87Extended b)
    {
        return X87Extended(a.value - b.value);
    }
    friend X87Extended operator*(X87Extended a, X87Extended b)
    {
        return X87Extended(a.value * b.value);
    }
    friend X87Extended operator/(X87Extended a, X87Extended b)
    {
        return X87Extended(a.value / b.value);
    }
    friend bool operator==(X87Extended a, X87Extended b) { return a.value == b.value; }
    friend bool operator!=(X87Extended a, X87Extended b) { return a.value != b.value; }
    friend bool operator<(X87Extended a, X87Extended b) { return a.value < b.value; }
    friend bool operator>(X87Extended a, X87Extended b) { return a.value > b.value; }
};

X87Extended Stored(X87Extended x)
{
    return X87Extended(static_cast<long double>(double(x.value)));
}
#endif

SoftExtended Stored(SoftExtended x)
{
    return x.RoundedToDouble();
}

// The divisions that depend on one input alone, each as stored: byte / 255,
// (100 - S) / 100 and (L - 50) / 50. Made once, so a conversion divides only
// where two inputs meet.
template <typename Ext> struct Fractions
{
    Ext byte[256];
    Ext saturation[101];
    Ext lightness[101];

    Fractions()
    {
        for (int i = 0; i < 256; ++i)
            byte[i] = Stored(Ext(i) / 255);
        for (int i = 0; i <= 100; ++i) {
            saturation[i] = Stored(Ext(100 - i) / 100);
            lightness[i] = Stored(Ext(i - 50) / 50);
        }
    }
};

template <typename Ext> const Fractions<Ext>& FractionsOf()
{
    static const Fractions<Ext> fractions;
    return fractions;
}

template <typename Ext> std::uint8_t ToByte(Ext value)
{
    return std::uint8_t(value.RoundToInt() & 0xFF);
}

template <typename Ext> Hsl RgbToHslIn(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const Fractions<Ext>& fractions = FractionsOf<Ext>();
    const Ext r = fractions.byte[red];
    const Ext g = fractions.byte[green];
    const Ext b = fractions.byte[blue];
    Ext max = r;
    if (g > max)
        max = g;
    if (b > max)
        max = b;
    Ext min = r;
    if (g < min)
        min = g;
    if (b < min)
        min = b;
    const Ext l = Stored((max + min) / 2);
    Ext s = 0;
    Ext h = 0;
    if (max != min) {
        if (l < Ext(1) / 2)
            s = Stored((max - min) / (max + min));
        else
            s = Stored((max - min) / (2 - max - min));
        const Ext d = Stored(max - min);
        if (r == max)
            h = Stored((g - b) / d);
        else if (g == max)
            h = Stored((b - r) / d + 2);
        else
            h = Stored((r - g) / d + 4);
        h = Stored(h / 6);
        if (h.IsNegative())
            h = Stored(h + 1);
    }
    int hue = (h * 360).RoundToInt();
    if (hue == 360)
        hue = 0;
    return Hsl{hue, (s * 100).RoundToInt(), (l * 100).RoundToInt()};
}

template <typename Ext> Rgb HslToRgbIn(int hue, int saturation, int lightness)
{
    if (hue >= 360 || hue < 0 || saturation > 100 || saturation < 0 || lightness > 100 ||
        lightness < 0)
        return Rgb{};

    const Ext step = Ext(17) / 4; // 4.25 = 255 / 60 per degree, exact
    const Ext h = hue;
    std::uint8_t c[3];
    if (hue <= 60) {
        c[0] = 255, c[1] = ToByte(h * step), c[2] = 0;
    } else if (hue <= 120) {
        c[0] = ToByte(255 - (h - 60) * step), c[1] = 255, c[2] = 0;
    } else if (hue <= 180) {
        c[0] = 0, c[1] = 255, c[2] = ToByte((h - 120) * step);
    } else if (hue <= 240) {
        c[0] = 0, c[1] = ToByte(255 - (h - 180) * step), c[2] = 255;
    } else if (hue <= 300) {
        c[0] = ToByte((h - 240) * step), c[1] = 0, c[2] = 255;
    } else {
        c[0] = 255, c[1] = 0, c[2] = ToByte(255 - (h - 300) * step);
    }

    const Fractions<Ext>& fractions = FractionsOf<Ext>();
    const Ext k = fractions.saturation[saturation];
    for (std::uint8_t& channel : c)
        channel = ToByte(Ext(channel) - (Ext(channel) - 128) * k);

    const Ext t = fractions.lightness[lightness];
    if (t > 0) {
        for (std::uint8_t& channel : c)
            channel = ToByte(Ext(channel) + (255 - Ext(channel)) * t);
    } else if (t < 0) {
        for (std::uint8_t& channel : c)
            channel = ToByte(Ext(channel) + Ext(channel) * t);
    }
    return Rgb{c[0], c[1], c[2]};
}

} // namespace

Hsl RgbToHslPortable(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return RgbToHslIn<SoftExtended>(red, green, blue);
}

Rgb HslToRgbPortable(int hue, int saturation, int lightness)
{
    return HslToRgbIn<SoftExtended>(hue, saturation, lightness);
}

#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
Hsl RgbToHslX87(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return RgbToHslIn<X87Extended>(red, green, blue);
}

Rgb HslToRgbX87(int hue, int saturation, int lightness)
{
    return HslToRgbIn<X87Extended>(hue, saturation, lightness);
}
#endif
