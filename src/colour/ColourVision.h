#pragma once
// Colours as people with a colour-vision deficiency see them. Protanopia,
// deuteranopia and tritanopia use the matrices Machado, Oliveira and Fernandes
// (2009) published for severities 0.0 to 1.0 in steps of 0.1 (anomalous
// trichromacy up to dichromacy at 1.0); a severity between two rows takes the
// element-wise linear blend of the two matrices. Achromatopsia is the relative
// luminance (0.2126 R + 0.7152 G + 0.0722 B), blended with the colour itself
// below severity 1.0. Every matrix works on linear sRGB components 0..1.
//
// Pure functions and small values; nothing allocates. The per-channel tables
// (8-bit sRGB to linear light, 4096 steps of linear light back to 8-bit sRGB) are
// built on first use and shared, read-only.

#include "colour/ColourValues.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum class VisionKind
{
    Normal,
    Protanopia,
    Deuteranopia,
    Tritanopia,
    Achromatopsia,
};
constexpr int kVisionKindCount = 5;

// Severity 0.1 .. 1.0; Normal ignores it.
struct ColourVision
{
    VisionKind kind = VisionKind::Normal;
    double severity = 1.0;
    friend bool operator==(ColourVision a, ColourVision b)
    {
        return a.kind == b.kind && (a.kind == VisionKind::Normal || a.severity == b.severity);
    }
    friend bool operator!=(ColourVision a, ColourVision b) { return !(a == b); }
};

constexpr double kMinVisionSeverity = 0.1;
constexpr double kMaxVisionSeverity = 1.0;

// Lower-case names as the command line and the settings spell them: "normal",
// "protanopia", "deuteranopia", "tritanopia", "achromatopsia".
const char* VisionKindName(VisionKind kind);

// "KIND" or "KIND:SEVERITY", the kind by its name (letter case ignored), the
// severity a decimal number 0.1 .. 1.0 with a "." ("deuteranopia:0.6"); without
// one, 1.0. "normal" takes no severity. Anything else is nullopt.
std::optional<ColourVision> ParseColourVision(std::string_view text);
// The form ParseColourVision reads: "normal", "tritanopia:1", "protanopia:0.35"
// (at most two decimals, trailing zeros dropped). Locale-free. Returns the length
// written; `out` holds at least 24 characters.
int FormatColourVision(ColourVision vision, char* out);

// Row-major, applied as out = M * (r, g, b) on linear components.
using VisionMatrix = std::array<float, 9>;

// The published matrix of `kind` (Protanopia, Deuteranopia or Tritanopia) at
// table row `tenth` 0 .. 10 (severity tenth / 10). Row 0 is the identity.
const VisionMatrix& PublishedVisionMatrix(VisionKind kind, int tenth);

// The matrix used for `vision`: the identity for Normal; the severity is clamped
// to 0.1 .. 1.0 and interpolated between the two nearest table rows.
VisionMatrix VisionMatrixFor(ColourVision vision);

// One simulated view: its matrix, ready to apply. Copyable, no heap.
class VisionSimulator
{
public:
    explicit VisionSimulator(ColourVision vision = {});

    ColourVision vision() const { return m_vision; }
    bool IsNormal() const { return m_vision.kind == VisionKind::Normal; }

    // The colour as seen. Greys stay as they are at every severity; Normal returns
    // the colour unchanged.
    Rgb See(Rgb colour) const;
    // Keeps the top byte.
    ColorRef See(ColorRef colour) const;
    // The colour as seen in linear light (each 0..1), before it is rounded to 8 bits.
    std::array<float, 3> SeeLinear(Rgb colour) const;

    // In place, 32-bit pixels 0xAARRGGBB (QImage::Format_RGB32 / ARGB32); alpha kept.
    void SeePixels(std::uint32_t* pixels, std::size_t count) const;

private:
    ColourVision m_vision;
    VisionMatrix m_matrix;
};
