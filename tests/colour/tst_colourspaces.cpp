#include "colour/ColourSpaces.h"
#include "colour/ColourText.h"

#include <QtTest>

namespace {

Rgb Hex(const char* six)
{
    return *ReadHexTriple(six);
}

bool Near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

#define COMPARE_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(Near(actual, expected, tolerance), qPrintable(QStringLiteral("%1 is %2, expected %3") \
                                                               .arg(QLatin1String(#actual))        \
                                                               .arg(actual, 0, 'g', 10)            \
                                                               .arg(expected, 0, 'g', 10)))

} // namespace

class ColourSpacesTest : public QObject
{
    Q_OBJECT
private slots:
    void fromSrgb_data();
    void fromSrgb();
    void ottossonTable_data();
    void ottossonTable();
    void okLabToSrgb_data();
    void okLabToSrgb();
    void greysHaveNoChroma();
    void roundTripsThroughTheCube();
    void gamutMapping_data();
    void gamutMapping();
};

// Published pairs: the CSS Color 4 examples and web-platform-tests references for
// green #008000, and values of the same tests' reference pages.
void ColourSpacesTest::fromSrgb_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("space");
    QTest::addColumn<double>("c0");
    QTest::addColumn<double>("c1");
    QTest::addColumn<double>("c2");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("green oklab") << "008000"
                                 << "oklab" << 0.51975 << -0.1403 << 0.10768 << 6e-6;
    QTest::newRow("green oklch") << "008000"
                                 << "oklch" << 0.51975 << 0.17686 << 142.495 << 6e-4;
    // Published before the D50 white and the adaptation matrix were given in
    // full; today's matrices move them by up to 0.01.
    QTest::newRow("green lab") << "008000"
                               << "lab" << 46.2775 << -47.5621 << 48.5837 << 0.015;
    QTest::newRow("green lch") << "008000"
                               << "lch" << 46.2775 << 67.9892 << 134.3912 << 0.015;
    QTest::newRow("green display-p3") << "008000"
                                      << "p3" << 0.21604 << 0.49418 << 0.13151 << 6e-6;
    QTest::newRow("green linear") << "008000"
                                  << "linear" << 0.0 << 0.21586 << 0.0 << 6e-6;
    QTest::newRow("white xyz d65")
        << "FFFFFF"
        << "xyz65" << 0.3127 / 0.3290 << 1.0 << (1 - 0.3127 - 0.3290) / 0.3290 << 1e-12;
    QTest::newRow("white xyz d50")
        << "FFFFFF"
        << "xyz50" << 0.3457 / 0.3585 << 1.0 << (1 - 0.3457 - 0.3585) / 0.3585 << 1e-6;
    QTest::newRow("white oklab") << "FFFFFF"
                                 << "oklab" << 1.0 << 0.0 << 0.0 << 1e-7;
    QTest::newRow("white lab") << "FFFFFF"
                               << "lab" << 100.0 << 0.0 << 0.0 << 1e-5;
    QTest::newRow("red oklch") << "FF0000"
                               << "oklch" << 0.62796 << 0.25768 << 29.2339 << 6e-5;
    QTest::newRow("red display-p3") << "FF0000"
                                    << "p3" << 0.91749 << 0.20029 << 0.13856 << 6e-5;
}

void ColourSpacesTest::fromSrgb()
{
    QFETCH(QString, hex);
    QFETCH(QString, space);
    QFETCH(double, c0);
    QFETCH(double, c1);
    QFETCH(double, c2);
    QFETCH(double, tolerance);
    const Rgb colour = Hex(qPrintable(hex));
    double v[3] = {};
    if (space == "oklab") {
        const Lab c = RgbToOkLab(colour);
        v[0] = c.l, v[1] = c.a, v[2] = c.b;
    } else if (space == "oklch") {
        const Lch c = RgbToOkLch(colour);
        v[0] = c.l, v[1] = c.c, v[2] = c.h;
    } else if (space == "lab") {
        const Lab c = RgbToLab(colour);
        v[0] = c.l, v[1] = c.a, v[2] = c.b;
    } else if (space == "lch") {
        const Lch c = RgbToLch(colour);
        v[0] = c.l, v[1] = c.c, v[2] = c.h;
    } else if (space == "p3") {
        const RgbReal c = RgbToDisplayP3(colour);
        v[0] = c.red, v[1] = c.green, v[2] = c.blue;
    } else if (space == "linear") {
        const RgbReal c = RgbToLinearSrgb(colour);
        v[0] = c.red, v[1] = c.green, v[2] = c.blue;
    } else {
        const Xyz c = space == "xyz65" ? RgbToXyzD65(colour) : RgbToXyzD50(colour);
        v[0] = c.x, v[1] = c.y, v[2] = c.z;
    }
    COMPARE_NEAR(v[0], c0, tolerance);
    COMPARE_NEAR(v[1], c1, tolerance);
    COMPARE_NEAR(v[2], c2, tolerance);
}

// Ottosson's table of XYZ (D65) and OKLab pairs, given to three decimals.
void ColourSpacesTest::ottossonTable_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("white") << 0.950 << 1.000 << 1.089 << 1.000 << 0.000 << 0.000;
    QTest::newRow("x") << 1.000 << 0.000 << 0.000 << 0.450 << 1.236 << -0.019;
    QTest::newRow("y") << 0.000 << 1.000 << 0.000 << 0.922 << -0.671 << 0.263;
    QTest::newRow("z") << 0.000 << 0.000 << 1.000 << 0.153 << -1.415 << -0.449;
}

void ColourSpacesTest::ottossonTable()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(double, l);
    QFETCH(double, a);
    QFETCH(double, b);
    const Lab lab = XyzD65ToOkLab(Xyz{x, y, z});
    COMPARE_NEAR(lab.l, l, 0.0005);
    COMPARE_NEAR(lab.a, a, 0.0005);
    COMPARE_NEAR(lab.b, b, 0.0005);
    const Xyz back = OkLabToXyzD65(lab);
    COMPARE_NEAR(back.x, x, 1e-9);
    COMPARE_NEAR(back.y, y, 1e-9);
    COMPARE_NEAR(back.z, z, 1e-9);
}

// The web-platform-tests reference pages: OKLab and OKLCH values with the sRGB
// percentages they must paint.
void ColourSpacesTest::okLabToSrgb_data()
{
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("polar");
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::newRow("oklab(50% 0.05 0)") << 0.5 << 0.05 << 0.0 << false << 48.477 << 34.29 << 38.412;
    QTest::newRow("oklab(70% -0.1 0)") << 0.7 << -0.1 << 0.0 << false << 29.264 << 70.096 << 63.017;
    QTest::newRow("oklab(70% 0 0.125)")
        << 0.7 << 0.0 << 0.125 << false << 73.942 << 60.484 << 19.65;
    QTest::newRow("oklab(55% 0 -0.2)")
        << 0.55 << 0.0 << -0.2 << false << 27.888 << 38.072 << 89.414;
    QTest::newRow("oklch(50% 0.2 270)") << 0.5 << 0.2 << 270.0 << true << 23.056 << 31.73 << 82.628;
    QTest::newRow("oklch(55% 0.15 345)")
        << 0.55 << 0.15 << 345.0 << true << 67.293 << 27.791 << 52.28;
}

void ColourSpacesTest::okLabToSrgb()
{
    QFETCH(double, l);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, polar);
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    const Lab lab = polar ? LchToLab(Lch{l, a, b}) : Lab{l, a, b};
    const RgbReal srgb = OkLabToSrgb(lab);
    COMPARE_NEAR(srgb.red * 100, red, 0.0006);
    COMPARE_NEAR(srgb.green * 100, green, 0.0006);
    COMPARE_NEAR(srgb.blue * 100, blue, 0.0006);
}

void ColourSpacesTest::greysHaveNoChroma()
{
    double lastL = -1;
    for (int v = 0; v < 256; ++v) {
        const Rgb grey{std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)};
        const Lch ok = RgbToOkLch(grey);
        const Lch cie = RgbToLch(grey);
        QCOMPARE(ok.c, 0.0);
        QCOMPARE(ok.h, 0.0);
        QCOMPARE(cie.c, 0.0);
        QCOMPARE(cie.h, 0.0);
        QVERIFY(ok.l > lastL);
        lastL = ok.l;
        // Display P3 shares sRGB's white, so a grey stays the same grey.
        const RgbReal p3 = RgbToDisplayP3(grey);
        COMPARE_NEAR(p3.red, v / 255.0, 1e-12);
        COMPARE_NEAR(p3.blue, v / 255.0, 1e-12);
    }
}

// Every way back lands on the 8-bit colour it came from; a stride through the
// cube keeps the test short (the whole cube is checked in bench/).
void ColourSpacesTest::roundTripsThroughTheCube()
{
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 7) {
                const Rgb c{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
                QCOMPARE(RealToRgb(OkLabToSrgb(RgbToOkLab(c))), c);
                QCOMPARE(RealToRgb(OkLabToSrgb(LchToLab(RgbToOkLch(c)))), c);
                QCOMPARE(RealToRgb(LabToSrgb(LchToLab(RgbToLch(c)))), c);
                QCOMPARE(RealToRgb(DisplayP3ToSrgb(RgbToDisplayP3(c))), c);
                QCOMPARE(RealToRgb(XyzD50ToSrgb(RgbToXyzD50(c))), c);
            }
}

void ColourSpacesTest::gamutMapping_data()
{
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("h");
    QTest::addColumn<bool>("mapped");
    QTest::newRow("in gamut") << 0.51975 << 0.17686 << 142.495 << false;
    QTest::newRow("lightness past white") << 1.2 << 0.3 << 30.0 << true;
    QTest::newRow("negative lightness") << -0.1 << 0.3 << 30.0 << true;
    QTest::newRow("vivid red") << 0.6 << 0.4 << 30.0 << true;
    QTest::newRow("vivid cyan") << 0.9 << 0.3 << 200.0 << true;
    QTest::newRow("dark blue") << 0.2 << 0.5 << 264.0 << true;
    QTest::newRow("huge chroma") << 0.5 << 5.0 << 120.0 << true;
}

void ColourSpacesTest::gamutMapping()
{
    QFETCH(double, l);
    QFETCH(double, c);
    QFETCH(double, h);
    QFETCH(bool, mapped);
    bool wasMapped = !mapped;
    const RgbReal srgb = GamutMapToSrgb(Lch{l, c, h}, &wasMapped);
    QCOMPARE(wasMapped, mapped);
    QVERIFY(IsInUnitRange(srgb));
    const Lch result = LabToLch(XyzD65ToOkLab(LinearSrgbToXyzD65(SrgbToLinear(srgb))));
    if (l >= 1 || l <= 0) {
        COMPARE_NEAR(result.l, l >= 1 ? 1.0 : 0.0, 1e-7);
        return;
    }
    // Chroma goes down, lightness and hue stay within the noticeable difference.
    QVERIFY(result.c <= c + 1e-9);
    COMPARE_NEAR(result.l, l, 0.02);
    if (mapped)
        COMPARE_NEAR(result.h, h, 5.0);
    else
        COMPARE_NEAR(result.c, c, 1e-4);
}

QTEST_APPLESS_MAIN(ColourSpacesTest)
#include "tst_colourspaces.moc"
