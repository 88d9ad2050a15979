#include "colour/Harmonies.h"
#include "colour/WheelStyle.h"

#include <QtTest>

class HarmoniesTest : public QObject
{
    Q_OBJECT
private slots:
    void startUpColour();
    void rows_data();
    void rows();
    void hueLandingOn360IsRed();
    void greyMainColour();
    void blackMainColour();
    void gridMatchesItsDefinition();
    void everyHarmonySwatchIsAWheelSegment();
    void styleRoundTripAndPartialStyles();
};

namespace {
Harmonies Compute(Rgb c)
{
    Harmonies h{};
    ComputeHarmonies(c, h);
    return h;
}
ColorRef Ref(int r, int g, int b)
{
    return PackColour(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
}
} // namespace

void HarmoniesTest::startUpColour()
{
    const Harmonies h = Compute(Rgb{6, 167, 255});
    QCOMPARE(h.base, (Hsl{201, 100, 51}));
    QCOMPARE(h.wheel[0], Ref(6, 167, 255));
    QCOMPARE(h.wheel[6], Ref(255, 92, 5));
    QCOMPARE(h.variations[0], Ref(230, 246, 255));
    QCOMPARE(h.variations[4], Ref(133, 193, 224));
    for (int i = 5; i < 10; ++i) // the lower row keeps saturation 60
        QCOMPARE(h.variations[i], PackColour(HslToRgb(201, 60, kVariationSteps[i].lightness)));
}

void HarmoniesTest::rows_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<ColorRef>>("colours");
    QTest::newRow("complements of start-up")
        << 6 << 1 << QList<ColorRef>{Ref(6, 167, 255), Ref(255, 92, 5)};
    QTest::newRow("analogous of red")
        << 255 << 0 << QList<ColorRef>{Ref(255, 0, 128), Ref(255, 0, 0), Ref(255, 128, 0)};
    QTest::newRow("tetrad of red starts at -30")
        << 255 << 4
        << QList<ColorRef>{Ref(255, 0, 128), PackColour(HslToRgb(60, 100, 50)),
                           PackColour(HslToRgb(120, 100, 50)), PackColour(HslToRgb(240, 100, 50))};
    QTest::newRow("square of red")
        << 255 << 5
        << QList<ColorRef>{Ref(255, 0, 0), PackColour(HslToRgb(90, 100, 50)),
                           PackColour(HslToRgb(180, 100, 50)), PackColour(HslToRgb(270, 100, 50))};
}

void HarmoniesTest::rows()
{
    QFETCH(int, red);
    QFETCH(int, row);
    QFETCH(QList<ColorRef>, colours);
    const Rgb main = red == 255 ? Rgb{255, 0, 0} : Rgb{6, 167, 255};
    const Harmonies h = Compute(main);
    int first = 0;
    for (int r = 0; r < row; ++r)
        first += kHarmonyRows[r].count;
    QCOMPARE(kHarmonyRows[row].count, int(colours.size()));
    for (int i = 0; i < colours.size(); ++i)
        QCOMPARE(h.rows[first + i], colours[i]);
}

void HarmoniesTest::hueLandingOn360IsRed()
{
    QCOMPARE(ShiftHue(30, 330), 0);
    QCOMPARE(ShiftHue(359, 30), 29);
    QCOMPARE(ShiftHue(0, 330), 330);
    // H0 = 30: segment 12 (offset 330) is red-based, not black.
    const Harmonies h = Compute(Rgb{255, 128, 0});
    QCOMPARE(h.base.hue, 30);
    QCOMPARE(h.wheel[11], PackColour(HslToRgb(0, h.base.saturation, h.base.lightness)));
    QVERIFY(h.wheel[11] != 0);
}

void HarmoniesTest::greyMainColour()
{
    const Harmonies h = Compute(Rgb{100, 100, 100});
    const ColorRef grey = PackColour(HslToRgb(0, 0, h.base.lightness));
    for (int i = 1; i < kWheelSegments; ++i)
        QCOMPARE(h.wheel[i], grey);
    // The saturation-60 swatches take the hue 0: red family.
    const Rgb coloured = UnpackColour(h.variations[4]);
    QVERIFY(coloured.red > coloured.green && coloured.green == coloured.blue);
}

void HarmoniesTest::blackMainColour()
{
    const Harmonies h = Compute(Rgb{0, 0, 0});
    for (ColorRef c : h.wheel)
        QCOMPARE(c, ColorRef(0));
    for (ColorRef c : h.rows)
        QCOMPARE(c, ColorRef(0));
    QCOMPARE(h.variations[0], PackColour(HslToRgb(0, 0, 95)));
    QCOMPARE(h.variations[9], PackColour(HslToRgb(0, 60, 15)));
}

void HarmoniesTest::gridMatchesItsDefinition()
{
    VariationsGrid grid{};
    ComputeVariationsGrid(Rgb{6, 167, 255}, grid);
    QCOMPARE(grid[0][9], Ref(204, 237, 255));
    QCOMPARE(grid[0][0], PackColour(HslToRgb(201, 100, 51))); // the HSL round trip, not the colour
    QCOMPARE(grid[0][0], Ref(5, 168, 255));
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c)
            QCOMPARE(grid[r][c], PackColour(HslToRgb((201 + 30 * r) % 360, 100, c ? 10 * c : 51)));
}

void HarmoniesTest::everyHarmonySwatchIsAWheelSegment()
{
    // Sweep a coarse cube: each swatch equals its segment exactly.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 19) {
                const Harmonies h = Compute(Rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
                int swatch = 0;
                for (const HarmonyRow& row : kHarmonyRows)
                    for (int i = 0; i < row.count; ++i)
                        QCOMPARE(h.rows[swatch++], h.wheel[row.segments[i] - 1]);
            }
}

namespace {

// A style text as the wheel style files hold one: "c1.left=71", ... "c1.type=2".
QString StyleText(const WheelGeometry& wheel)
{
    QStringList lines;
    for (int i = 0; i < kWheelShapes; ++i) {
        const QString prefix = QStringLiteral("c%1.").arg(i + 1);
        lines << prefix + "left=" + QString::number(wheel[i].left)
              << prefix + "top=" + QString::number(wheel[i].top)
              << prefix + "height=" + QString::number(wheel[i].height)
              << prefix + "width=" + QString::number(wheel[i].width)
              << prefix + "type=" + QString::number(int(wheel[i].outline));
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

void HarmoniesTest::styleRoundTripAndPartialStyles()
{
    WheelGeometry squares = DefaultWheelGeometry();
    for (ShapeGeometry& shape : squares)
        shape.outline = ShapeOutline::Rectangle;
    squares[5].left = -7;
    WheelGeometry read = DefaultWheelGeometry();
    ApplyWheelStyle(ParseWheelStyle(StyleText(squares)), read);
    QCOMPARE(read, squares);

    // Only c3 given, in odd case and LF line ends; a broken c4 is ignored.
    WheelGeometry partial = DefaultWheelGeometry();
    ApplyWheelStyle(ParseWheelStyle(QStringLiteral("C3.LEFT=1\nc3.top=2\nc3.height=3\nc3.width=4\n"
                                                   "c3.type=1\nc4.left=x\nc4.top=1\nc4.height=1\n"
                                                   "c4.width=1\nc3.left=99\n")),
                    partial);
    QCOMPARE(partial[2], (ShapeGeometry{1, 2, 3, 4, ShapeOutline::Rectangle}));
    QCOMPARE(partial[3], DefaultWheelGeometry()[3]);
    QCOMPARE(partial[0], DefaultWheelGeometry()[0]);
}

QTEST_APPLESS_MAIN(HarmoniesTest)
#include "tst_harmonies.moc"
