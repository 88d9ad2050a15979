#include "colour/ColourValues.h"

#include "colour/PortableColourArithmetic.h"

// The conversions reproduce one exact arithmetic (colour/ColourConversions.cpp):
// textbook code in plain doubles differs on a number of inputs. Where long double
// is not the x87 format, the portable path computes the same results in software.

namespace {

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
