#pragma once
// The two arithmetic paths behind RgbToHsl and HslToRgb, for tests and benchmarks.
// The x87 path uses the hardware's 80-bit extended precision and exists only on
// x86 compilers whose long double is that format; the portable path reproduces
// its results bit for bit with integer arithmetic and exists everywhere.
// RgbToHsl and HslToRgb use the x87 path where it exists, unless the build
// selects KROMI_PORTABLE_COLOUR_ARITHMETIC.

#include "colour/ColourValues.h"

#include <cfloat>

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
#define KROMI_HAS_X87_COLOUR_ARITHMETIC 1
#endif

Hsl RgbToHslPortable(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
Rgb HslToRgbPortable(int hue, int saturation, int lightness);

#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
Hsl RgbToHslX87(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
Rgb HslToRgbX87(int hue, int saturation, int lightness);
#endif
