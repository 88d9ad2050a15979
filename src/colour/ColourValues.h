#pragma once
// Colour values, the program's own HSL model and the text forms of a colour.
// Pure functions without state that allocate nothing; the text forms are in
// colour/ColourText.h.

#include <cstdint>

// A colour packed as 0x00BBGGRR: red in bits 0..7, green 8..15, blue 16..23.
using ColorRef = std::uint32_t;

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb a, Rgb b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// H 0..359 degrees (red 0, green 120, blue 240), S 0..100, L 0..100 (50 neutral).
struct Hsl
{
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    friend bool operator==(Hsl a, Hsl b)
    {
        return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness;
    }
    friend bool operator!=(Hsl a, Hsl b) { return !(a == b); }
};

constexpr ColorRef PackColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColorRef(red) | ColorRef(green) << 8 | ColorRef(blue) << 16;
}
constexpr ColorRef PackColour(Rgb c)
{
    return PackColour(c.red, c.green, c.blue);
}

// The top byte is ignored.
constexpr Rgb UnpackColour(ColorRef c)
{
    return Rgb{std::uint8_t(c & 0xFF), std::uint8_t(c >> 8 & 0xFF), std::uint8_t(c >> 16 & 0xFF)};
}

// A colour written 0xRRGGBB, as CSS hex and 32-bit pixels order it; the top byte
// is ignored.
constexpr Rgb UnpackRrggbb(std::uint32_t rrggbb)
{
    return Rgb{std::uint8_t(rrggbb >> 16 & 0xFF), std::uint8_t(rrggbb >> 8 & 0xFF),
               std::uint8_t(rrggbb & 0xFF)};
}

// Every component becomes 255 minus itself.
constexpr ColorRef NegativeColour(ColorRef c)
{
    return (c ^ 0xFFFFFFu) & 0xFFFFFFu;
}

// Max/min formula; a hue that rounds to 360 is reported as 0. Ties round to even.
Hsl RgbToHsl(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
inline Hsl RgbToHsl(Rgb c)
{
    return RgbToHsl(c.red, c.green, c.blue);
}

// Six-segment hue ramp, pull towards grey 128 by saturation, push towards black
// or white by lightness. Out-of-range input (H outside 0..359, S or L outside
// 0..100) gives black. Not the inverse of RgbToHsl.
Rgb HslToRgb(int hue, int saturation, int lightness);
inline Rgb HslToRgb(Hsl c)
{
    return HslToRgb(c.hue, c.saturation, c.lightness);
}

// True when every component is one of 0, 51, 102, 153, 204, 255.
bool IsWebSafe(Rgb c);
// Each component to the nearest multiple of 51 (thresholds 26, 77, 128, 179, 230).
Rgb SnapToWebSafe(Rgb c);
