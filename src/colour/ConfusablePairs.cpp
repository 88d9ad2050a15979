#include "colour/ConfusablePairs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

struct GridPoint
{
    std::uint64_t cell;
    int index;
};

constexpr int kCellBias = 1 << 20; // keeps cell coordinates positive

std::uint64_t CellKey(int x, int y, int z)
{
    return std::uint64_t(x + kCellBias) << 42 | std::uint64_t(y + kCellBias) << 21 |
           std::uint64_t(z + kCellBias);
}

int CellOf(float value, float width)
{
    return int(std::floor(value / width));
}

} // namespace

std::array<float, 3> OklabFromLinearSrgb(const std::array<float, 3>& c)
{
    // Björn Ottosson's OKLab: linear sRGB to cone responses, cube root, then L, a, b.
    const float l = std::cbrt(0.4122214708f * c[0] + 0.5363325363f * c[1] + 0.0514459929f * c[2]);
    const float m = std::cbrt(0.2119034982f * c[0] + 0.6806995451f * c[1] + 0.1073969566f * c[2]);
    const float s = std::cbrt(0.0883024619f * c[0] + 0.2817188376f * c[1] + 0.6299787005f * c[2]);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

float DeltaEOk(const std::array<float, 3>& a, const std::array<float, 3>& b)
{
    const float dl = a[0] - b[0], da = a[1] - b[1], db = a[2] - b[2];
    return std::sqrt(dl * dl + da * da + db * db);
}

ConfusionResult FindConfusablePairs(const ColorRef* colours, std::size_t count, ColourVision vision,
                                    const ConfusionLimits& limits)
{
    ConfusionResult result;
    if (count < 2 || !(limits.threshold > 0))
        return result;
    const VisionSimulator simulator(vision);
    const VisionSimulator normal;
    const float width = limits.threshold;
    std::vector<std::array<float, 3>> seen(count);
    std::vector<GridPoint> grid(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::array<float, 3> linear = simulator.SeeLinear(UnpackColour(colours[i]));
        // The view is what reaches the screen: clamped to what it can show.
        for (float& v : linear)
            v = std::clamp(v, 0.0f, 1.0f);
        seen[i] = OklabFromLinearSrgb(linear);
        grid[i] = {CellKey(CellOf(seen[i][0], width), CellOf(seen[i][1], width),
                           CellOf(seen[i][2], width)),
                   int(i)};
    }
    std::sort(grid.begin(), grid.end(),
              [](const GridPoint& a, const GridPoint& b) { return a.cell < b.cell; });
    const auto cellRange = [&grid](std::uint64_t key) {
        return std::equal_range(
            grid.begin(), grid.end(), GridPoint{key, 0},
            [](const GridPoint& a, const GridPoint& b) { return a.cell < b.cell; });
    };

    std::size_t comparisons = 0;
    for (std::size_t start = 0; start < grid.size() && result.complete;) {
        std::size_t end = start;
        while (end < grid.size() && grid[end].cell == grid[start].cell)
            ++end;
        const std::array<float, 3>& anchor = seen[std::size_t(grid[start].index)];
        const int cx = CellOf(anchor[0], width), cy = CellOf(anchor[1], width),
                  cz = CellOf(anchor[2], width);
        // Each unordered pair of cells once: the neighbour's key is not below ours.
        for (int dx = -1; dx <= 1 && result.complete; ++dx)
            for (int dy = -1; dy <= 1 && result.complete; ++dy)
                for (int dz = -1; dz <= 1 && result.complete; ++dz) {
                    const std::uint64_t key = CellKey(cx + dx, cy + dy, cz + dz);
                    if (key < grid[start].cell)
                        continue;
                    const auto [first, last] = cellRange(key);
                    for (std::size_t i = start; i < end && result.complete; ++i) {
                        const int a = grid[i].index;
                        for (auto j = first; j != last; ++j) {
                            const int b = j->index;
                            if (key == grid[start].cell && b <= a)
                                continue;
                            if (++comparisons > limits.maxComparisons) {
                                result.complete = false;
                                break;
                            }
                            const float seenDelta = DeltaEOk(seen[a], seen[b]);
                            if (seenDelta >= limits.threshold)
                                continue;
                            const float normalDelta = DeltaEOk(
                                OklabFromLinearSrgb(normal.SeeLinear(UnpackColour(colours[a]))),
                                OklabFromLinearSrgb(normal.SeeLinear(UnpackColour(colours[b]))));
                            if (normalDelta < limits.threshold)
                                continue;
                            result.pairs.push_back(
                                {std::min(a, b), std::max(a, b), seenDelta, normalDelta});
                            if (result.pairs.size() >= limits.maxPairs) {
                                result.complete = false;
                                break;
                            }
                        }
                    }
                }
        start = end;
    }
    std::sort(result.pairs.begin(), result.pairs.end(),
              [](const ConfusablePair& a, const ConfusablePair& b) {
                  return a.seenDeltaE != b.seenDeltaE ? a.seenDeltaE < b.seenDeltaE
                         : a.first != b.first         ? a.first < b.first
                                                      : a.second < b.second;
              });
    return result;
}
