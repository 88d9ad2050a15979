// The representative colours of a picture.
#include "colour/PaletteClustering.h"

#include <QtTest>

#include <vector>

namespace {

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    PixelGrid grid() const { return {pixels.data(), width, height, width}; }
};

std::uint32_t Argb(ColorRef c, std::uint32_t alpha = 0xFF)
{
    const Rgb rgb = UnpackColour(c);
    return alpha << 24 | std::uint32_t(rgb.red) << 16 | std::uint32_t(rgb.green) << 8 | rgb.blue;
}

// Vertical stripes of the given colours and widths; `noise` adds a fixed
// pattern of -noise..noise to every channel.
Picture Stripes(const QList<QPair<ColorRef, int>>& stripes, int height, int noise = 0)
{
    Picture p;
    for (const auto& stripe : stripes)
        p.width += stripe.second;
    p.height = height;
    p.pixels.reserve(std::size_t(p.width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        for (const auto& stripe : stripes) {
            for (int x = 0; x < stripe.second; ++x) {
                const int n = noise ? (x * 7 + y * 13) % (2 * noise + 1) - noise : 0;
                const Rgb c = UnpackColour(stripe.first);
                p.pixels.push_back(Argb(PackColour(std::uint8_t(qBound(0, c.red + n, 255)),
                                                   std::uint8_t(qBound(0, c.green - n, 255)),
                                                   std::uint8_t(qBound(0, c.blue + n, 255)))));
            }
        }
    }
    return p;
}

QList<ColorRef> Colours(const QList<PaletteColour>& palette)
{
    QList<ColorRef> colours;
    for (const PaletteColour& c : palette)
        colours << c.colour;
    return colours;
}

const ColorRef kSky = PackColour(6, 167, 255);
const ColorRef kRust = PackColour(183, 65, 14);
const ColorRef kMoss = PackColour(138, 154, 91);
const ColorRef kInk = PackColour(20, 20, 30);

} // namespace

class PaletteClusteringTest : public QObject
{
    Q_OBJECT
private slots:
    void flatBlocksGiveExactlyTheirColours_data();
    void flatBlocksGiveExactlyTheirColours();
    void noisyBlocksGiveColoursNearTheirs();
    void sameInputSamePalette();
    void transparentPixelsAreNoPartOfThePicture();
    void progressAndCancel();
};

void PaletteClusteringTest::flatBlocksGiveExactlyTheirColours_data()
{
    QTest::addColumn<int>("width");  // of the narrowest stripe
    QTest::addColumn<int>("height"); // rows
    QTest::addColumn<int>("count");
    QTest::newRow("asked for four") << 10 << 10 << 4;
    QTest::newRow("asked for more than there are") << 10 << 10 << 64;
    QTest::newRow("a picture larger than the samples") << 500 << 1500 << 4;
}

void PaletteClusteringTest::flatBlocksGiveExactlyTheirColours()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, count);
    const Picture p =
        Stripes({{kMoss, 2 * width}, {kSky, 4 * width}, {kInk, width}, {kRust, 3 * width}}, height);
    const QList<PaletteColour> palette = PicturePalette(p.grid(), count);
    QCOMPARE(Colours(palette), (QList<ColorRef>{kSky, kRust, kMoss, kInk}));
    QVERIFY(qAbs(palette[0].share - 0.4) < 0.01);
    QVERIFY(qAbs(palette[3].share - 0.1) < 0.01);
}

// Thousands of distinct colours around four: the k-means path finds the four.
void PaletteClusteringTest::noisyBlocksGiveColoursNearTheirs()
{
    const Picture p =
        Stripes({{kMoss, 200}, {kSky, 400}, {kInk, 100}, {kRust, 300}}, 400, /*noise*/ 6);
    const QList<PaletteColour> palette = PicturePalette(p.grid(), 4);
    const QList<ColorRef> expected{kSky, kRust, kMoss, kInk};
    QCOMPARE(palette.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const Rgb got = UnpackColour(palette[i].colour);
        const Rgb want = UnpackColour(expected[i]);
        QVERIFY2(qAbs(got.red - want.red) <= 2 && qAbs(got.green - want.green) <= 2 &&
                     qAbs(got.blue - want.blue) <= 2,
                 qPrintable(QString::number(i)));
    }
}

void PaletteClusteringTest::sameInputSamePalette()
{
    Picture p;
    p.width = 700;
    p.height = 500;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels.push_back(Argb(PackColour(x * 255 / 699, y * 255 / 499, (x ^ y) & 0xFF)));
    const QList<PaletteColour> first = PicturePalette(p.grid(), 16);
    QCOMPARE(first.size(), 16);
    for (int i = 1; i < first.size(); ++i)
        QVERIFY(first[i - 1].share >= first[i].share);
    for (int run = 0; run < 3; ++run)
        QCOMPARE(Colours(PicturePalette(p.grid(), 16)), Colours(first));
    // The count is kept within 2..64.
    QCOMPARE(PicturePalette(p.grid(), 1).size(), 2);
    QCOMPARE(PicturePalette(p.grid(), 1000).size(), 64);
}

void PaletteClusteringTest::transparentPixelsAreNoPartOfThePicture()
{
    Picture p = Stripes({{kSky, 3}, {kRust, 5}, {kInk, 4}}, 4);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 3; x < 8; ++x)
            p.pixels[std::size_t(y * p.width + x)] = Argb(kRust, x == 3 ? 127 : 0);
    }
    QCOMPARE(Colours(PicturePalette(p.grid(), 8)), (QList<ColorRef>{kInk, kSky}));
    for (std::uint32_t& pixel : p.pixels)
        pixel &= 0x7FFFFFFF;
    QVERIFY(PicturePalette(p.grid(), 8).isEmpty());
    QVERIFY(PicturePalette(PixelGrid{}, 8).isEmpty());
}

void PaletteClusteringTest::progressAndCancel()
{
    const Picture p = Stripes({{kMoss, 200}, {kSky, 400}}, 300, 9);
    QList<int> steps;
    QVERIFY(!PicturePalette(p.grid(), 8, [&steps](int percent) {
                 steps << percent;
                 return true;
             }).isEmpty());
    QCOMPARE(steps.back(), 100);
    QVERIFY(std::is_sorted(steps.begin(), steps.end()));
    int calls = 0;
    QVERIFY(PicturePalette(p.grid(), 8, [&calls](int) { return ++calls < 3; }).isEmpty());
    QCOMPARE(calls, 3);
}

QTEST_APPLESS_MAIN(PaletteClusteringTest)
#include "tst_paletteclustering.moc"
