#include "colour/PortableColourArithmetic.h"

#include "colour/ExtendedArithmetic.h"

// Step for step the x87 conversions: each SoftExtended expression is one
// extended-precision evaluation, and RoundedToDouble() is the store into a
// named double.

namespace {

using Ext = SoftExtended;

std::uint8_t ToByte(Ext value)
{
    return std::uint8_t(value.RoundToInt() & 0xFF);
}

// The divisions by constants that depend on one input alone, made once at
// compile time: byte / 255, (100 - S) / 100 and (L - 50) / 50, each as stored.
struct Fractions
{
    Ext byte[256];
    Ext saturation[101];
    Ext lightness[101];
};

constexpr Fractions MakeFractions()
{
    Fractions f;
    for (int i = 0; i < 256; ++i)
        f.byte[i] = (Ext(i) / 255).RoundedToDouble();
    for (int i = 0; i <= 100; ++i) {
        f.saturation[i] = (Ext(100 - i) / 100).RoundedToDouble();
        f.lightness[i] = (Ext(i - 50) / 50).RoundedToDouble();
    }
    return f;
}

constexpr Fractions kFractions = MakeFractions();

} // namespace

Hsl RgbToHslPortable(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const Ext r = kFractions.byte[red];
    const Ext g = kFractions.byte[green];
    const Ext b = kFractions.byte[blue];
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
    const Ext l = ((max + min) / 2).RoundedToDouble();
    Ext s;
    Ext h;
    if (max != min) {
        if (l < Ext::Scaled(false, 1, -1))
            s = ((max - min) / (max + min)).RoundedToDouble();
        else
            s = ((max - min) / (2 - max - min)).RoundedToDouble();
        const Ext d = (max - min).RoundedToDouble();
        if (r == max)
            h = ((g - b) / d).RoundedToDouble();
        else if (g == max)
            h = ((b - r) / d + 2).RoundedToDouble();
        else
            h = ((r - g) / d + 4).RoundedToDouble();
        h = (h / 6).RoundedToDouble();
        if (h.IsNegative())
            h = (h + 1).RoundedToDouble();
    }
    int hue = (h * 360).RoundToInt();
    if (hue == 360)
        hue = 0;
    return Hsl{hue, (s * 100).RoundToInt(), (l * 100).RoundToInt()};
}

Rgb HslToRgbPortable(int hue, int saturation, int lightness)
{
    if (hue >= 360 || hue < 0 || saturation > 100 || saturation < 0 || lightness > 100 ||
        lightness < 0)
        return Rgb{};

    const Ext step = Ext::Scaled(false, 17, -2); // 4.25 = 255 / 60 per degree
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

    const Ext k = kFractions.saturation[saturation];
    for (std::uint8_t& channel : c)
        channel = ToByte(Ext(channel) - (Ext(channel) - 128) * k);

    const Ext t = kFractions.lightness[lightness];
    if (t > 0) {
        for (std::uint8_t& channel : c)
            channel = ToByte(Ext(channel) + (255 - Ext(channel)) * t);
    } else if (t < 0) {
        for (std::uint8_t& channel : c)
            channel = ToByte(Ext(channel) + Ext(channel) * t);
    }
    return Rgb{c[0], c[1], c[2]};
}
