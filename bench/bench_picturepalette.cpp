// A palette from a 24-megapixel photo (6000 x 4000), JPEG and PNG, from the file
// to the colours, for 8 and 64 colours: the target is under 1 s. Also the
// clustering alone on the decoded picture.
#include "colour/PaletteClustering.h"
#include "ui/features/PicturePaletteFeature.h"

#include "BenchReport.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 5;

void Report(const char* what, double ms, bool target)
{
    std::printf(
        "%-44s %9.1f ms%s\n", what, ms,
        target ? (ms >= 0 && ms < 1000 ? "  (target < 1000: met)" : "  (target < 1000: MISSED)")
               : "");
    RecordFigure(what, ms, "ms");
}

// Something like a photo: soft gradients of several hues, shapes and grain.
QImage Photo()
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double u = x / 6000.0;
            const double v = y / 4000.0;
            const double wave = std::sin(u * 9 + v * 4) * 0.5 + 0.5;
            const int grain = int(random.bounded(17)) - 8;
            const int r = int(40 + 180 * u * wave) + grain;
            const int g = int(60 + 150 * v) + grain;
            const int b = int(200 - 150 * wave * v + 40 * std::cos(u * 20)) + grain;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QImage photo = Photo();
    const QString jpeg = dir.filePath("photo.jpg");
    const QString png = dir.filePath("photo.png");
    if (!photo.save(jpeg, "JPEG", 90) || !photo.save(png, "PNG", 50)) {
        std::printf("cannot write the pictures\n");
        return 1;
    }
    for (int count : {8, 64}) {
        for (const auto& [name, path] : {std::pair{"JPEG", jpeg}, std::pair{"PNG", png}}) {
            const QByteArray what =
                QByteArray("24 MP ") + name + ", file to " + QByteArray::number(count) + " colors";
            Report(what.constData(),
                   BestMilliseconds(kRuns,
                                    [&] {
                                        const auto colours = ReadPicturePalette(path, count);
                                        return colours && colours->size() == count;
                                    }),
                   true);
        }
        const PixelGrid grid{reinterpret_cast<const std::uint32_t*>(photo.constBits()),
                             photo.width(), photo.height(), photo.bytesPerLine() / 4};
        const QByteArray what = "24 MP decoded, clustering to " + QByteArray::number(count);
        Report(what.constData(),
               BestMilliseconds(kRuns, [&] { return PicturePalette(grid, count).size() == count; }),
               false);
    }
    return 0;
}
