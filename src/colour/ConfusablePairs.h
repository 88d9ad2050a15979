#pragma once
// Pairs of colours a person with a colour-vision deficiency can hardly tell
// apart: the two colours as seen (ColourVision) lie closer than a threshold in
// OKLab (Euclidean deltaE OK), while with normal vision they do not.
//
// The search puts the seen colours into a grid of cells as wide as the threshold
// and compares each colour only with those in its own and the 26 neighbouring
// cells, so it grows with the number of colours, not with its square. Its work
// is bounded: it stops after `maxComparisons` distance tests or `maxPairs` pairs
// and then says it is incomplete, so a list of a million colours answers in well
// under a second.

#include "colour/ColourVision.h"

#include <array>
#include <cstddef>
#include <vector>

// 0.03: CSS Color 4 takes a deltaE OK of 0.02 as one just noticeable difference
// between two large patches side by side; scheme colours are seldom adjacent large
// patches and the simulation is itself an approximation, so pairs closer than one
// and a half of those are "hardly told apart".
constexpr float kHardToTellApartDeltaE = 0.03f;

struct ConfusionLimits
{
    float threshold = kHardToTellApartDeltaE;
    std::size_t maxPairs = 1000;
    std::size_t maxComparisons = 30'000'000;
};

struct ConfusablePair
{
    int first = 0; // index into the colours searched, first < second
    int second = 0;
    float seenDeltaE = 0;   // as the deficient viewer sees them
    float normalDeltaE = 0; // with normal vision
};

struct ConfusionResult
{
    // Closest first (the hardest to tell apart).
    std::vector<ConfusablePair> pairs;
    // False when a limit stopped the search: more pairs may exist.
    bool complete = true;
};

// OKLab L, a, b of a colour given in linear sRGB (components 0..1).
std::array<float, 3> OklabFromLinearSrgb(const std::array<float, 3>& linear);
float DeltaEOk(const std::array<float, 3>& a, const std::array<float, 3>& b);

ConfusionResult FindConfusablePairs(const ColorRef* colours, std::size_t count, ColourVision vision,
                                    const ConfusionLimits& limits = {});
