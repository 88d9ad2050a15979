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

int CellOf(double value, float width)
{
    return int(std::floor(value / width));
}

} // namespace

Lab SeenOkLab(const VisionSimulator& simulator, ColorRef colour)
{
    return RgbToOkLab(simulator.See(UnpackColour(colour)));
}

ConfusionResult FindConfusablePairs(const ColorRef* colours, std::size_t count, ColourVision vision,
                                    const ConfusionLimits& limits)
{
    ConfusionResult result;
    if (count > limits.maxColours) {
        count = limits.maxColours;
        result.complete = false;
    }
    if (count < 2 || !(limits.threshold > 0))
        return result;
    const VisionSimulator simulator(vision);
    const float width = limits.threshold;
    std::vector<Lab> seen(count);
    std::vector<GridPoint> grid(count);
    for (std::size_t i = 0; i < count; ++i) {
        seen[i] = SeenOkLab(simulator, colours[i]);
        grid[i] = {
            CellKey(CellOf(seen[i].l, width), CellOf(seen[i].a, width), CellOf(seen[i].b, width)),
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
    bool stopped = false;
    for (std::size_t start = 0; start < grid.size() && !stopped;) {
        std::size_t end = start;
        while (end < grid.size() && grid[end].cell == grid[start].cell)
            ++end;
        const Lab& anchor = seen[std::size_t(grid[start].index)];
        const int cx = CellOf(anchor.l, width), cy = CellOf(anchor.a, width),
                  cz = CellOf(anchor.b, width);
        // Each unordered pair of cells once: the neighbour's key is not below ours.
        for (int dx = -1; dx <= 1 && !stopped; ++dx)
            for (int dy = -1; dy <= 1 && !stopped; ++dy)
                for (int dz = -1; dz <= 1 && !stopped; ++dz) {
                    const std::uint64_t key = CellKey(cx + dx, cy + dy, cz + dz);
                    if (key < grid[start].cell)
                        continue;
                    const auto [first, last] = cellRange(key);
                    for (std::size_t i = start; i < end && !stopped; ++i) {
                        const int a = grid[i].index;
                        for (auto j = first; j != last; ++j) {
                            const int b = j->index;
                            if (key == grid[start].cell && b <= a)
                                continue;
                            if (++comparisons > limits.maxComparisons) {
                                stopped = true;
                                break;
                            }
                            const float seenDelta = float(DeltaEOk(seen[a], seen[b]));
                            if (seenDelta >= limits.threshold)
                                continue;
                            const float normalDelta =
                                float(DeltaEOk(RgbToOkLab(UnpackColour(colours[a])),
                                               RgbToOkLab(UnpackColour(colours[b]))));
                            if (normalDelta < limits.threshold)
                                continue;
                            result.pairs.push_back(
                                {std::min(a, b), std::max(a, b), seenDelta, normalDelta});
                            if (result.pairs.size() >= limits.maxPairs) {
                                stopped = true;
                                break;
                            }
                        }
                    }
                }
        start = end;
    }
    result.complete = result.complete && !stopped;
    std::sort(result.pairs.begin(), result.pairs.end(),
              [](const ConfusablePair& a, const ConfusablePair& b) {
                  return a.seenDeltaE != b.seenDeltaE ? a.seenDeltaE < b.seenDeltaE
                         : a.first != b.first         ? a.first < b.first
                                                      : a.second < b.second;
              });
    return result;
}
