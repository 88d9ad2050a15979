#include "colour/PaletteClustering.h"

#include "colour/ColourSpaces.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// One distinct colour of the samples (or one bin of close colours), with how
// many samples it stands for.
struct Point
{
    Lab lab;
    double weight = 0;
};

// Above this many distinct colours, close colours are binned first: k-means then
// costs the same for any photo.
constexpr std::size_t kMaxPoints = 1 << 15;
constexpr int kMaxIterations = 40;
// The fixed seed that makes the start, and so the palette, the same every time.
constexpr std::mt19937::result_type kSeed = 20261208;

// OKLab of 0x00RRGGBB.
Lab ToOklab(std::uint32_t rgb)
{
    return XyzD65ToOkLab(RgbToXyzD65(UnpackRrggbb(rgb)));
}

ColorRef FromOklab(const Lab& lab)
{
    return PackColour(RealToRgb(OkLabToSrgb(lab)));
}

// Adds a point to a running sum: lab weighted, weights summed.
void Accumulate(Point& sum, const Point& p)
{
    sum.lab.l += p.lab.l * p.weight;
    sum.lab.a += p.lab.a * p.weight;
    sum.lab.b += p.lab.b * p.weight;
    sum.weight += p.weight;
}

// The weighted mean of the points a sum holds.
Lab Mean(const Point& sum)
{
    return {sum.lab.l / sum.weight, sum.lab.a / sum.weight, sum.lab.b / sum.weight};
}

double Distance2(const Lab& x, const Lab& y)
{
    const double dl = x.l - y.l;
    const double da = x.a - y.a;
    const double db = x.b - y.b;
    return dl * dl + da * da + db * db;
}

// The opaque pixels on an even grid of at most kMaxPaletteSamples points, as
// 0x00RRGGBB.
std::vector<std::uint32_t> Sample(const PixelGrid& grid)
{
    std::vector<std::uint32_t> samples;
    if (!grid.pixels || grid.width <= 0 || grid.height <= 0)
        return samples;
    const double total = double(grid.width) * grid.height;
    const int step = std::max(1, int(std::ceil(std::sqrt(total / kMaxPaletteSamples))));
    samples.reserve(std::size_t((grid.width / step + 1) * std::size_t(grid.height / step + 1)));
    for (int y = step / 2; y < grid.height; y += step) {
        const std::uint32_t* row = grid.pixels + y * grid.stride;
        for (int x = step / 2; x < grid.width; x += step) {
            if (row[x] >> 24 >= 128)
                samples.push_back(row[x] & 0xFFFFFF);
        }
    }
    return samples;
}

struct Points
{
    std::vector<Point> points;
    // The colour of each point while no binning merged colours, else empty.
    std::vector<std::uint32_t> exact;
};

// The distinct sample colours with their counts; binned to 5 bits per channel
// (mean OKLab of each bin) when there are more than kMaxPoints of them.
Points Distinct(std::vector<std::uint32_t> samples)
{
    std::sort(samples.begin(), samples.end());
    Points result;
    for (std::size_t i = 0; i < samples.size();) {
        std::size_t end = i;
        while (end < samples.size() && samples[end] == samples[i])
            ++end;
        result.points.push_back({ToOklab(samples[i]), double(end - i)});
        result.exact.push_back(samples[i]);
        i = end;
    }
    if (result.points.size() <= kMaxPoints)
        return result;
    std::vector<Point> bins(std::size_t(1) << 15);
    for (std::size_t i = 0; i < result.exact.size(); ++i) {
        const std::uint32_t c = result.exact[i];
        Accumulate(bins[(c >> 19 & 0x1F) << 10 | (c >> 11 & 0x1F) << 5 | (c >> 3 & 0x1F)],
                   result.points[i]);
    }
    result.points.clear();
    result.exact.clear();
    for (const Point& bin : bins) {
        if (bin.weight > 0)
            result.points.push_back({Mean(bin), bin.weight});
    }
    return result;
}

// A number in [0, 1) from the generator, the same on every platform (unlike the
// standard distributions, whose algorithms the library chooses).
double Uniform(std::mt19937& random)
{
    return random() / 4294967296.0;
}

// The index whose cumulative weight passes `target`.
std::size_t PickWeighted(const std::vector<double>& weights, double total, double target)
{
    double sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        sum += weights[i];
        if (sum > target * total && weights[i] > 0)
            return i;
    }
    // Rounding left the target past the sum: the last point that can be chosen.
    for (std::size_t i = weights.size(); i-- > 0;) {
        if (weights[i] > 0)
            return i;
    }
    return 0;
}

// k-means++: each next centre drawn with probability weight * distance² to the
// nearest centre chosen so far.
std::vector<Lab> StartCentres(const std::vector<Point>& points, int count)
{
    std::mt19937 random(kSeed);
    std::vector<double> weights(points.size());
    double total = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        total += weights[i] = points[i].weight;
    std::vector<Lab> centres{points[PickWeighted(weights, total, Uniform(random))].lab};
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::max());
    while (int(centres.size()) < count) {
        total = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            nearest[i] = std::min(nearest[i], Distance2(points[i].lab, centres.back()));
            total += weights[i] = points[i].weight * nearest[i];
        }
        if (total <= 0)
            break; // every point is a centre already
        centres.push_back(points[PickWeighted(weights, total, Uniform(random))].lab);
    }
    return centres;
}

std::size_t NearestCentre(const Lab& lab, const std::vector<Lab>& centres, double* distance)
{
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (std::size_t c = 0; c < centres.size(); ++c) {
        const double d = Distance2(lab, centres[c]);
        if (d < bestDistance) {
            bestDistance = d;
            best = c;
        }
    }
    *distance = bestDistance;
    return best;
}

QList<PaletteColour> Sorted(std::vector<PaletteColour> colours)
{
    std::sort(colours.begin(), colours.end(), [](const PaletteColour& x, const PaletteColour& y) {
        return x.share != y.share ? x.share > y.share : x.colour < y.colour;
    });
    // Two centres may round to the same colour: one entry with both shares.
    QList<PaletteColour> result;
    for (const PaletteColour& c : colours) {
        auto same = std::find_if(result.begin(), result.end(),
                                 [&c](const PaletteColour& r) { return r.colour == c.colour; });
        if (same != result.end())
            same->share += c.share;
        else
            result.append(c);
    }
    std::stable_sort(
        result.begin(), result.end(),
        [](const PaletteColour& x, const PaletteColour& y) { return x.share > y.share; });
    return result;
}

} // namespace

QList<PaletteColour> PicturePalette(const PixelGrid& grid, int count,
                                    const ClusterProgress& progress)
{
    count = std::clamp(count, kMinPaletteColours, kMaxPaletteColours);
    const auto goOn = [&progress](int percent) { return !progress || progress(percent); };
    std::vector<std::uint32_t> samples = Sample(grid);
    const double sampleCount = double(samples.size());
    if (samples.empty() || !goOn(5))
        return {};
    const Points distinct = Distinct(std::move(samples));
    const std::vector<Point>& points = distinct.points;
    if (!goOn(10))
        return {};

    std::vector<PaletteColour> colours;
    if (!distinct.exact.empty() && points.size() <= std::size_t(count)) {
        // No fewer distinct colours than asked for: those colours themselves.
        for (std::size_t i = 0; i < points.size(); ++i)
            colours.push_back(
                {PackColour(UnpackRrggbb(distinct.exact[i])), points[i].weight / sampleCount});
        goOn(100);
        return Sorted(std::move(colours));
    }

    std::vector<Lab> centres = StartCentres(points, count);
    std::vector<std::size_t> owner(points.size(), centres.size());
    std::vector<double> distance(points.size());
    std::vector<Point> sums(centres.size());
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        bool moved = false;
        std::fill(sums.begin(), sums.end(), Point{});
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::size_t c = NearestCentre(points[i].lab, centres, &distance[i]);
            moved = moved || c != owner[i];
            owner[i] = c;
            Accumulate(sums[c], points[i]);
        }
        if (!goOn(10 + 90 * (iteration + 1) / kMaxIterations))
            return {};
        if (!moved)
            break;
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (sums[c].weight > 0) {
                centres[c] = Mean(sums[c]);
                continue;
            }
            // An empty cluster takes over the point worst served by its centre.
            std::size_t worst = 0;
            for (std::size_t i = 1; i < points.size(); ++i) {
                if (points[i].weight * distance[i] > points[worst].weight * distance[worst])
                    worst = i;
            }
            centres[c] = points[worst].lab;
            distance[worst] = 0;
        }
    }
    for (std::size_t c = 0; c < centres.size(); ++c) {
        if (sums[c].weight > 0)
            colours.push_back({FromOklab(centres[c]), sums[c].weight / sampleCount});
    }
    goOn(100);
    return Sorted(std::move(colours));
}
