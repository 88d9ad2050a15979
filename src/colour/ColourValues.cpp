#include "colour/ColourValues.h"

#include "colour/PortableColourArithmetic.h"

#include <cstdlib>

// The conversions reproduce one exact arithmetic: every named intermediate is
// stored as a 64-bit double, every expression between two of them is evaluated
// in 80-bit extended precision (long double on x86-64), and the final scaling
// and rounding happen in extended precision with ties to even. Textbook code in
// plain doubles differs on a number of inputs. Where long double is not the x87
// format, the portable path computes the same results in software.

namespace {

#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
using Extended = long double;

// Round to nearest, exact halves to the even neighbour (the FPU default mode).
// One fistp does exactly that on the extended value; the library call saves and
// restores the floating-point environment and costs far more.
inline int RoundEven(Extended value)
{
    int result;
    asm("fistpl %0" : "=m"(result) : "t"(value) : "st");
    return result;
}

std::uint8_t ToByte(Extended value)
{
    return std::uint8_t(RoundEven(value) & 0xFF);
}
#endif

constexpr bool IsWebSafeComponent(std::uint8_t c)
{
    return c % 51 == 0;
}

std::uint8_t SnapComponent(std::uint8_t c)
{
    if (c < 26)
        return 0;
    if (c < 77)
        return 51;
    if (c < 128)
        return 102;
    if (c < 179)
        return 153;
    if (c < 230)
        return 204;
    return 255;
}

} // namespace

#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
Hsl RgbToHslX87(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const double r = double(Extended(red) / 255);
    const double g = double(Extended(green) / 255);
    const double b = double(Extended(blue) / 255);
    double max = r;
    if (g > max)
        max = g;
    if (b > max)
        max = b;
    double min = r;
    if (g < min)
        min = g;
    if (b < min)
        min = b;
    const double l = double((Extended(max) + min) / 2);
    double s = 0;
    double h = 0;
    if (max != min) {
        if (l < 0.5)
            s = double((Extended(max) - min) / (Extended(max) + min));
        else
            s = double((Extended(max) - min) / (2 - Extended(max) - min));
        const double d = double(Extended(max) - min);
        if (r == max)
            h = double((Extended(g) - b) / d);
        else if (g == max)
            h = double((Extended(b) - r) / d + 2);
        else
            h = double((Extended(r) - g) / d + 4);
        h = double(Extended(h) / 6);
        if (h < 0)
            h = double(Extended(h) + 1);
    }
    int hue = RoundEven(Extended(h) * 360);
    if (hue == 360)
        hue = 0;
    return Hsl{hue, RoundEven(Extended(s) * 100), RoundEven(Extended(l) * 100)};
}

Rgb HslToRgbX87(int hue, int saturation, int lightness)
{
    if (hue >= 360 || hue < 0 || saturation > 100 || saturation < 0 || lightness > 100 ||
        lightness < 0)
        return Rgb{};

    constexpr Extended step = 4.25L; // 255 / 60 per degree
    const Extended h = hue;
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

    const double k = double(Extended(std::abs(saturation - 100)) / 100);
    for (std::uint8_t& channel : c)
        channel = ToByte(Extended(channel) - (Extended(channel) - 128) * k);

    const double t = double(Extended(lightness - 50) / 50);
    if (t > 0) {
        for (std::uint8_t& channel : c)
            channel = ToByte(Extended(channel) + (255 - Extended(channel)) * t);
    } else if (t < 0) {
        for (std::uint8_t& channel : c)
            channel = ToByte(Extended(channel) + Extended(channel) * t);
    }
    return Rgb{c[0], c[1], c[2]};
}
#endif

#if defined(KROMI_HAS_X87_COLOUR_ARITHMETIC) && !defined(KROMI_PORTABLE_COLOUR_ARITHMETIC)
#define KROMI_COLOUR_ARITHMETIC_X87 1
#endif

Hsl RgbToHsl(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
#ifdef KROMI_COLOUR_ARITHMETIC_X87
    return RgbToHslX87(red, green, blue);
#else
    return RgbToHslPortable(red, green, blue);
#endif
}

Rgb HslToRgb(int hue, int saturation, int lightness)
{
#ifdef KROMI_COLOUR_ARITHMETIC_X87
    return HslToRgbX87(hue, saturation, lightness);
#else
    return HslToRgbPortable(hue, saturation, lightness);
#endif
}

bool IsWebSafe(Rgb c)
{
    return IsWebSafeComponent(c.red) && IsWebSafeComponent(c.green) && IsWebSafeComponent(c.blue);
}

Rgb SnapToWebSafe(Rgb c)
{
    return Rgb{SnapComponent(c.red), SnapComponent(c.green), SnapComponent(c.blue)};
}
