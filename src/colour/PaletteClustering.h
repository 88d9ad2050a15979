#pragma once
// The representative colours of a picture: its pixels grouped in OKLab (where
// distances follow seen differences) by weighted k-means with a k-means++ start
// from a fixed seed, so the same pixels and count always give the same palette.
// Pure; no picture decoding here: the caller hands over the pixels.

#include "colour/ColourValues.h"

#include <QList>

#include <cstddef>
#include <cstdint>
#include <functional>

// Pixels as QImage::Format_RGB32 and Format_ARGB32 hold them: 0xAARRGGBB per
// pixel, `stride` pixels from one row to the next. Pixels with alpha below 128
// are not part of the picture (transparent parts of a PNG).
struct PixelGrid
{
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

struct PaletteColour
{
    ColorRef colour = 0;
    double share = 0; // 0..1: the part of the sampled pixels it stands for
};

// At most this many pixels are looked at, spread evenly over the picture: a
// 24-megapixel photo costs as much as a 0.25-megapixel one.
inline constexpr int kMaxPaletteSamples = 1 << 18;

inline constexpr int kMinPaletteColours = 2;
inline constexpr int kMaxPaletteColours = 64;

// Called with 0..100 as the work goes on; returning false stops it (the result
// is then empty).
using ClusterProgress = std::function<bool(int percent)>;

// Up to `count` (clamped to 2..64) colours, most frequent first; fewer when the
// picture has fewer distinct colours, and then exactly those colours. Empty for
// an empty or fully transparent picture.
QList<PaletteColour> PicturePalette(const PixelGrid& grid, int count,
                                    const ClusterProgress& progress = {});
