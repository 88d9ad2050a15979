#include "colour/ColourVision.h"
#include "colour/ConfusablePairs.h"

#include <QtTest>

#include <random>

Q_DECLARE_METATYPE(VisionKind)
Q_DECLARE_METATYPE(VisionMatrix)

namespace {

const VisionKind kKinds[] = {VisionKind::Protanopia, VisionKind::Deuteranopia,
                             VisionKind::Tritanopia, VisionKind::Achromatopsia};

QString Hex(Rgb c)
{
    return QString::asprintf("#%02X%02X%02X", c.red, c.green, c.blue);
}

Rgb FromHex(const char* text)
{
    const uint v = QByteArray(text + 1).toUInt(nullptr, 16);
    return Rgb{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

} // namespace

class ColourVisionTest : public QObject
{
    Q_OBJECT
private slots:
    void publishedRows_data();
    void publishedRows();
    void betweenRowsIsTheBlend();
    void greysUnchangedAtEverySeverity();
    void seenColours_data();
    void seenColours();
    void pixelsAgreeWithColours();
    void parse_data();
    void parse();
    void formatReadsBack();
    void oklab();
    void pairsMatchAnExhaustiveSearch();
    void pairSearchStopsAtItsLimits();
};

void ColourVisionTest::publishedRows_data()
{
    QTest::addColumn<VisionKind>("kind");
    QTest::addColumn<double>("severity");
    QTest::addColumn<VisionMatrix>("matrix");
    // Rows of the tables published by Machado, Oliveira and Fernandes (2009).
    QTest::newRow("protanomaly 0.1")
        << VisionKind::Protanopia << 0.1
        << VisionMatrix{0.856167f, 0.182038f,  -0.038205f, 0.029342f, 0.955115f,
                        0.015544f, -0.002880f, -0.001563f, 1.004443f};
    QTest::newRow("protanomaly 0.5")
        << VisionKind::Protanopia << 0.5
        << VisionMatrix{0.458064f, 0.679578f,  -0.137642f, 0.092785f, 0.846313f,
                        0.060902f, -0.007494f, -0.016807f, 1.024301f};
    QTest::newRow("protanopia 1.0")
        << VisionKind::Protanopia << 1.0
        << VisionMatrix{0.152286f, 1.052583f,  -0.204868f, 0.114503f, 0.786281f,
                        0.099216f, -0.003882f, -0.048116f, 1.051998f};
    QTest::newRow("deuteranomaly 0.3")
        << VisionKind::Deuteranopia << 0.3
        << VisionMatrix{0.675425f, 0.433850f,  -0.109275f, 0.125303f, 0.847755f,
                        0.026942f, -0.007950f, 0.018572f,  0.989378f};
    QTest::newRow("deuteranomaly 0.7")
        << VisionKind::Deuteranopia << 0.7
        << VisionMatrix{0.457771f, 0.731899f,  -0.189670f, 0.226409f, 0.731012f,
                        0.042579f, -0.011595f, 0.034333f,  0.977261f};
    QTest::newRow("deuteranopia 1.0")
        << VisionKind::Deuteranopia << 1.0
        << VisionMatrix{0.367322f, 0.860646f,  -0.227968f, 0.280085f, 0.672501f,
                        0.047413f, -0.011820f, 0.042940f,  0.968881f};
    QTest::newRow("tritanomaly 0.2")
        << VisionKind::Tritanopia << 0.2
        << VisionMatrix{0.895720f, 0.133330f, -0.029050f, 0.029997f, 0.945400f,
                        0.024603f, 0.013027f, 0.104707f,  0.882266f};
    QTest::newRow("tritanomaly 0.6")
        << VisionKind::Tritanopia << 0.6
        << VisionMatrix{1.104996f, -0.046633f, -0.058363f, -0.032137f, 0.971635f,
                        0.060503f, 0.001336f,  0.317922f,  0.680742f};
    QTest::newRow("tritanopia 1.0")
        << VisionKind::Tritanopia << 1.0
        << VisionMatrix{1.255528f, -0.076749f, -0.178779f, -0.078411f, 0.930809f,
                        0.147602f, 0.004733f,  0.691367f,  0.303900f};
}

void ColourVisionTest::publishedRows()
{
    QFETCH(VisionKind, kind);
    QFETCH(double, severity);
    QFETCH(VisionMatrix, matrix);
    const VisionMatrix used = VisionMatrixFor({kind, severity});
    for (int i = 0; i < 9; ++i)
        QVERIFY2(std::abs(used[i] - matrix[i]) < 1e-6f, qPrintable(QString::number(i)));
}

void ColourVisionTest::betweenRowsIsTheBlend()
{
    const VisionMatrix low = PublishedVisionMatrix(VisionKind::Deuteranopia, 2);
    const VisionMatrix high = PublishedVisionMatrix(VisionKind::Deuteranopia, 3);
    const VisionMatrix mid = VisionMatrixFor({VisionKind::Deuteranopia, 0.25});
    for (int i = 0; i < 9; ++i)
        QVERIFY(std::abs(mid[i] - (low[i] + high[i]) / 2) < 1e-6f);
}

void ColourVisionTest::greysUnchangedAtEverySeverity()
{
    for (const VisionKind kind : kKinds)
        for (int step = 2; step <= 20; ++step) {
            const VisionSimulator simulator({kind, step / 20.0});
            std::uint32_t pixels[256];
            for (int g = 0; g < 256; ++g) {
                const Rgb grey{std::uint8_t(g), std::uint8_t(g), std::uint8_t(g)};
                QCOMPARE(Hex(simulator.See(grey)), Hex(grey));
                pixels[g] = 0xFF000000u | std::uint32_t(g) * 0x010101u;
            }
            simulator.SeePixels(pixels, 256);
            for (int g = 0; g < 256; ++g)
                QCOMPARE(pixels[g], 0xFF000000u | std::uint32_t(g) * 0x010101u);
        }
}

void ColourVisionTest::seenColours_data()
{
    QTest::addColumn<QString>("vision");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("seen");
    // Worked by hand from the published matrices and the sRGB curve.
    QTest::newRow("deuteranopia red") << "deuteranopia:1"
                                      << "#FF0000"
                                      << "#A39000";
    QTest::newRow("achromatopsia red") << "achromatopsia"
                                       << "#FF0000"
                                       << "#7F7F7F";
    QTest::newRow("normal keeps it") << "normal"
                                     << "#12AB34"
                                     << "#12AB34";
}

void ColourVisionTest::seenColours()
{
    QFETCH(QString, vision);
    QFETCH(QString, colour);
    QFETCH(QString, seen);
    const std::optional<ColourVision> parsed = ParseColourVision(vision.toStdString());
    QVERIFY(parsed);
    QCOMPARE(Hex(VisionSimulator(*parsed).See(FromHex(qPrintable(colour)))), seen);
}

void ColourVisionTest::pixelsAgreeWithColours()
{
    for (const VisionKind kind : kKinds) {
        const VisionSimulator simulator({kind, 0.45});
        std::vector<std::uint32_t> pixels;
        for (int r = 0; r < 256; r += 15)
            for (int g = 0; g < 256; g += 15)
                for (int b = 0; b < 256; b += 15)
                    pixels.push_back(0x80000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 |
                                     std::uint32_t(b));
        std::vector<std::uint32_t> seen = pixels;
        simulator.SeePixels(seen.data(), seen.size());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const Rgb c{std::uint8_t(pixels[i] >> 16), std::uint8_t(pixels[i] >> 8),
                        std::uint8_t(pixels[i])};
            const Rgb s = simulator.See(c);
            QCOMPARE(seen[i], 0x80000000u | std::uint32_t(s.red) << 16 |
                                  std::uint32_t(s.green) << 8 | s.blue);
        }
    }
}

void ColourVisionTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("severity");
    QTest::newRow("kind alone is full severity") << "Protanopia" << true << 1 << 1.0;
    QTest::newRow("severity 1") << "deuteranopia:1" << true << 2 << 1.0;
    QTest::newRow("decimal") << "tritanopia:0.35" << true << 3 << 0.35;
    QTest::newRow("lowest") << "achromatopsia:0.1" << true << 4 << 0.1;
    QTest::newRow("normal") << "NORMAL" << true << 0 << 1.0;
    QTest::newRow("normal takes none") << "normal:1" << false << 0 << 0.0;
    QTest::newRow("below range") << "deuteranopia:0.05" << false << 0 << 0.0;
    QTest::newRow("zero") << "deuteranopia:0" << false << 0 << 0.0;
    QTest::newRow("above range") << "deuteranopia:1.5" << false << 0 << 0.0;
    QTest::newRow("empty severity") << "deuteranopia:" << false << 0 << 0.0;
    QTest::newRow("decimal comma") << "deuteranopia:0,5" << false << 0 << 0.0;
    QTest::newRow("sign") << "deuteranopia:-1" << false << 0 << 0.0;
    QTest::newRow("unknown kind") << "deutan" << false << 0 << 0.0;
    QTest::newRow("empty") << "" << false << 0 << 0.0;
}

void ColourVisionTest::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, kind);
    QFETCH(double, severity);
    const std::optional<ColourVision> parsed = ParseColourVision(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
        QCOMPARE(int(parsed->kind), kind);
        QVERIFY(std::abs(parsed->severity - severity) < 1e-9);
    }
}

void ColourVisionTest::formatReadsBack()
{
    char text[24];
    for (const VisionKind kind : kKinds)
        for (int hundredths = 10; hundredths <= 100; ++hundredths) {
            const ColourVision vision{kind, hundredths / 100.0};
            FormatColourVision(vision, text);
            const std::optional<ColourVision> parsed = ParseColourVision(text);
            QVERIFY2(parsed && *parsed == vision, text);
        }
    FormatColourVision({VisionKind::Deuteranopia, 1.0}, text);
    QCOMPARE(QByteArray(text), QByteArray("deuteranopia:1"));
    FormatColourVision({VisionKind::Tritanopia, 0.5}, text);
    QCOMPARE(QByteArray(text), QByteArray("tritanopia:0.5"));
}

void ColourVisionTest::oklab()
{
    // Reference values from Björn Ottosson's OKLab description.
    const std::array<float, 3> white = OklabFromLinearSrgb({1, 1, 1});
    QVERIFY(std::abs(white[0] - 1) < 1e-4f && std::abs(white[1]) < 1e-4f &&
            std::abs(white[2]) < 1e-4f);
    const std::array<float, 3> red = OklabFromLinearSrgb({1, 0, 0});
    QVERIFY(std::abs(red[0] - 0.62796f) < 1e-4f);
    QVERIFY(std::abs(red[1] - 0.22486f) < 1e-4f);
    QVERIFY(std::abs(red[2] - 0.12585f) < 1e-4f);
}

void ColourVisionTest::pairsMatchAnExhaustiveSearch()
{
    std::mt19937 random(26);
    std::vector<ColorRef> colours(600);
    for (ColorRef& c : colours)
        c = random() & 0xFFFFFFu;
    for (const VisionKind kind : kKinds) {
        const ColourVision vision{kind, 1.0};
        ConfusionLimits limits;
        limits.maxPairs = 1'000'000;
        const ConfusionResult found =
            FindConfusablePairs(colours.data(), colours.size(), vision, limits);
        QVERIFY(found.complete);
        const VisionSimulator simulator(vision);
        const VisionSimulator normal;
        const auto lab = [](const VisionSimulator& s, ColorRef c) {
            std::array<float, 3> linear = s.SeeLinear(UnpackColour(c));
            for (float& v : linear)
                v = std::clamp(v, 0.0f, 1.0f);
            return OklabFromLinearSrgb(linear);
        };
        QSet<QPair<int, int>> expected;
        for (int a = 0; a < int(colours.size()); ++a)
            for (int b = a + 1; b < int(colours.size()); ++b)
                if (DeltaEOk(lab(simulator, colours[a]), lab(simulator, colours[b])) <
                        kHardToTellApartDeltaE &&
                    DeltaEOk(lab(normal, colours[a]), lab(normal, colours[b])) >=
                        kHardToTellApartDeltaE)
                    expected.insert({a, b});
        QSet<QPair<int, int>> actual;
        for (const ConfusablePair& pair : found.pairs)
            actual.insert({pair.first, pair.second});
        QVERIFY(!expected.isEmpty());
        QCOMPARE(actual, expected);
        for (std::size_t i = 1; i < found.pairs.size(); ++i)
            QVERIFY(found.pairs[i - 1].seenDeltaE <= found.pairs[i].seenDeltaE);
    }
}

void ColourVisionTest::pairSearchStopsAtItsLimits()
{
    // A million colours all crowded on the red-green axis: the search must stop.
    std::vector<ColorRef> colours;
    for (int i = 0; i < 1'000'000; ++i)
        colours.push_back(PackColour(std::uint8_t(i % 256), std::uint8_t(i / 256 % 256),
                                     std::uint8_t(i / 65536)));
    ConfusionLimits limits;
    limits.maxComparisons = 2'000'000;
    const ConfusionResult capped = FindConfusablePairs(colours.data(), colours.size(),
                                                       {VisionKind::Deuteranopia, 1.0}, limits);
    QVERIFY(!capped.complete);
    QVERIFY(capped.pairs.size() <= limits.maxPairs);
    limits.maxPairs = 5;
    const ConfusionResult few =
        FindConfusablePairs(colours.data(), 1000, {VisionKind::Achromatopsia, 1.0}, limits);
    QVERIFY(!few.complete);
    QCOMPARE(few.pairs.size(), std::size_t(5));
}

QTEST_APPLESS_MAIN(ColourVisionTest)
#include "tst_colourvision.moc"
