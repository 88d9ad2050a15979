#include "colour/Harmonies.h"

void ComputeHarmonies(Rgb main, Harmonies& out)
{
    const Hsl base = RgbToHsl(main);
    out.base = base;
    out.wheel[0] = PackColour(main);
    for (int segment = 1; segment < kWheelSegments; ++segment)
        out.wheel[segment] =
            PackColour(HslToRgb(ShiftHue(base.hue, 30 * segment), base.saturation, base.lightness));

    int swatch = 0;
    for (const HarmonyRow& row : kHarmonyRows)
        for (int i = 0; i < row.count; ++i)
            out.rows[swatch++] = out.wheel[row.segments[i] - 1];

    for (int i = 0; i < int(kVariationSteps.size()); ++i) {
        const VariationStep step = kVariationSteps[i];
        const int saturation = step.saturation < 0 ? base.saturation : step.saturation;
        out.variations[i] = PackColour(HslToRgb(base.hue, saturation, step.lightness));
    }
}

void ComputeVariationsGrid(Rgb main, VariationsGrid& out)
{
    const Hsl base = RgbToHsl(main);
    for (int r = 0; r < kGridRows; ++r) {
        const int hue = ShiftHue(base.hue, 30 * r);
        for (int c = 0; c < kGridColumns; ++c) {
            const int lightness = c == 0 ? base.lightness : 10 * c;
            out[r][c] = PackColour(HslToRgb(hue, base.saturation, lightness));
        }
    }
}
