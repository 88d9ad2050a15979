#pragma once
// The colours derived from the main colour: the twelve-segment wheel, the six
// harmony rows, the ten variation swatches and the 12 x 10 variations grid.
// Fixed-size values; computing them never allocates.

#include "colour/ColourValues.h"

#include <array>

// Segment numbers are 1..12 clockwise from the top; segment 1 is the main colour
// itself and segment n shows the hue offset 30 * (n - 1) degrees.
constexpr int kWheelSegments = 12;

struct HarmonyRow
{
    const char* name;
    int count;                   // swatches in the row, 2..4
    std::array<int, 4> segments; // wheel segment each swatch copies, left to right
};

// The rows in display order, top to bottom. Tetrad starts with the -30 degree
// neighbour and uses 330, 60, 120, 240 on purpose.
constexpr std::array<HarmonyRow, 6> kHarmonyRows{{
    {"Analogous", 3, {12, 1, 2, 0}},
    {"Complements", 2, {1, 7, 0, 0}},
    {"Split Complements", 3, {1, 6, 8, 0}},
    {"Triad", 3, {1, 5, 9, 0}},
    {"Tetrad", 4, {12, 3, 5, 9}},
    {"Square", 4, {1, 4, 7, 10}},
}};
constexpr int kHarmonySwatches = 19;

// Variation swatches, upper row then lower row, left to right: (saturation, lightness);
// a saturation of -1 means "the main colour's own saturation".
struct VariationStep
{
    int saturation;
    int lightness;
};
constexpr std::array<VariationStep, 10> kVariationSteps{{
    {-1, 95},
    {-1, 90},
    {-1, 80},
    {-1, 70},
    {60, 70},
    {60, 50},
    {60, 40},
    {60, 30},
    {60, 20},
    {60, 15},
}};

struct Harmonies
{
    Hsl base;                                    // RgbToHsl of the main colour
    std::array<ColorRef, kWheelSegments> wheel;  // segment 1..12 at index 0..11
    std::array<ColorRef, kHarmonySwatches> rows; // all rows' swatches in display order
    std::array<ColorRef, 10> variations;         // upper row then lower row
};

constexpr int kGridRows = 12;
constexpr int kGridColumns = 10;
// Row r is the hue shifted by 30r degrees; column 0 keeps the main lightness,
// column c > 0 has lightness 10c.
using VariationsGrid = std::array<std::array<ColorRef, kGridColumns>, kGridRows>;

// H + offset, minus 360 above 360, and 0 when it lands on 360.
constexpr int ShiftHue(int hue, int offset)
{
    int shifted = hue + offset;
    if (shifted > 360)
        shifted -= 360;
    if (shifted == 360)
        shifted = 0;
    return shifted;
}

void ComputeHarmonies(Rgb main, Harmonies& out);
void ComputeVariationsGrid(Rgb main, VariationsGrid& out);
