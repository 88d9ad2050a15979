// The portable colour arithmetic against the x87 path: every RGB colour and every
// valid HSL triple compared, and the cost per call of both paths. Exits with 1 on
// any mismatch.
#include "colour/PortableColourArithmetic.h"

#include "BenchReport.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int kColours = 1 << 24;
constexpr int kHslTriples = 360 * 101 * 101;

volatile unsigned g_sink; // keeps the optimiser from dropping the work

template <typename Convert> double RgbToHslNanoseconds(Convert convert)
{
    QElapsedTimer timer;
    timer.start();
    unsigned sum = 0;
    for (int c = 0; c < kColours; ++c) {
        const Rgb rgb = UnpackColour(ColorRef(c));
        const Hsl hsl = convert(rgb.red, rgb.green, rgb.blue);
        sum = sum * 31 + unsigned(hsl.hue + hsl.saturation + hsl.lightness);
    }
    g_sink = sum;
    return double(timer.nsecsElapsed()) / kColours;
}

template <typename Convert> double HslToRgbNanoseconds(Convert convert)
{
    QElapsedTimer timer;
    timer.start();
    unsigned sum = 0;
    for (int h = 0; h < 360; ++h)
        for (int s = 0; s <= 100; ++s)
            for (int l = 0; l <= 100; ++l)
                sum = sum * 31 + PackColour(convert(h, s, l));
    g_sink = sum;
    return double(timer.nsecsElapsed()) / kHslTriples;
}

} // namespace

int main()
{
    const double portableRgb = RgbToHslNanoseconds(RgbToHslPortable);
    const double portableHsl = HslToRgbNanoseconds(HslToRgbPortable);
    RecordFigure("RgbToHsl, portable", portableRgb, "ns");
    RecordFigure("HslToRgb, portable", portableHsl, "ns");
#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
    long long rgbCompared = 0;
    long long rgbMismatches = 0;
    for (int c = 0; c < kColours; ++c) {
        const Rgb rgb = UnpackColour(ColorRef(c));
        ++rgbCompared;
        if (RgbToHslPortable(rgb.red, rgb.green, rgb.blue) !=
            RgbToHslX87(rgb.red, rgb.green, rgb.blue)) {
            if (rgbMismatches++ < 10)
                std::printf("RgbToHsl mismatch at %d,%d,%d\n", rgb.red, rgb.green, rgb.blue);
        }
    }
    long long hslCompared = 0;
    long long hslMismatches = 0;
    for (int h = 0; h < 360; ++h)
        for (int s = 0; s <= 100; ++s)
            for (int l = 0; l <= 100; ++l) {
                ++hslCompared;
                if (HslToRgbPortable(h, s, l) != HslToRgbX87(h, s, l)) {
                    if (hslMismatches++ < 10)
                        std::printf("HslToRgb mismatch at %d,%d,%d\n", h, s, l);
                }
            }
    const double x87Rgb = RgbToHslNanoseconds(RgbToHslX87);
    const double x87Hsl = HslToRgbNanoseconds(HslToRgbX87);

    std::printf("RgbToHsl: %lld colours compared, %lld mismatches\n", rgbCompared, rgbMismatches);
    std::printf("HslToRgb: %lld triples compared, %lld mismatches\n", hslCompared, hslMismatches);
    std::printf("RgbToHsl: x87 %6.1f ns, portable %6.1f ns per call\n", x87Rgb, portableRgb);
    std::printf("HslToRgb: x87 %6.1f ns, portable %6.1f ns per call\n", x87Hsl, portableHsl);
    RecordFigure("RgbToHsl, x87", x87Rgb, "ns");
    RecordFigure("HslToRgb, x87", x87Hsl, "ns");
    return rgbMismatches == 0 && hslMismatches == 0 ? 0 : 1;
#else
    std::printf("no x87 arithmetic on this target: portable path timed only\n");
    std::printf("RgbToHsl: portable %6.1f ns per call\n", portableRgb);
    std::printf("HslToRgb: portable %6.1f ns per call\n", portableHsl);
    return 0;
#endif
}
