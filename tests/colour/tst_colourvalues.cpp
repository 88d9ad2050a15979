#include "colour/ColourText.h"
#include "support/ColourPrinting.h"

#include <QtTest>

class ColourValuesTest : public QObject
{
    Q_OBJECT
private slots:
    void rgbToHsl_data();
    void rgbToHsl();
    void hslToRgb_data();
    void hslToRgb();
    void rgbToHslStaysInRangeForEveryColour();
    void hslToRgbGivesGreysWithoutSaturation();
    void hslToRgbIsDeterministicOverTheValidRange();
    void packing();
    void webSafe_data();
    void webSafe();
    void snappingIsIdempotentAndNearest();
    void textForms();
    void parseHexText_data();
    void parseHexText();
    void parseInteger_data();
    void parseInteger();
};

void ColourValuesTest::rgbToHsl_data()
{
    QTest::addColumn<Rgb>("rgb");
    QTest::addColumn<Hsl>("hsl");
    QTest::newRow("start-up colour") << Rgb{6, 167, 255} << Hsl{201, 100, 51};
    QTest::newRow("red") << Rgb{255, 0, 0} << Hsl{0, 100, 50};
    QTest::newRow("green") << Rgb{0, 255, 0} << Hsl{120, 100, 50};
    QTest::newRow("blue") << Rgb{0, 0, 255} << Hsl{240, 100, 50};
    QTest::newRow("grey") << Rgb{128, 128, 128} << Hsl{0, 0, 50};
    QTest::newRow("black") << Rgb{0, 0, 0} << Hsl{0, 0, 0};
    QTest::newRow("white") << Rgb{255, 255, 255} << Hsl{0, 0, 100};
    QTest::newRow("hue 359.76 reported as 0") << Rgb{255, 0, 1} << Hsl{0, 100, 50};
    QTest::newRow("red ties green takes red formula") << Rgb{255, 255, 0} << Hsl{60, 100, 50};
    QTest::newRow("green ties blue takes green formula") << Rgb{0, 255, 255} << Hsl{180, 100, 50};
    QTest::newRow("web-safe 336699") << Rgb{51, 102, 153} << Hsl{210, 50, 40};
    // Lightness 0.5 exactly takes the l >= 0.5 saturation formula.
    QTest::newRow("l exactly one half") << Rgb{255, 0, 0} << Hsl{0, 100, 50};
    QTest::newRow("dark low saturation") << Rgb{10, 12, 11} << Hsl{150, 9, 4};
    // Hue 7.4999... after the stored h / 6: plain doubles would round 7.5 to 8.
    QTest::newRow("extended scaling 8,1,0") << Rgb{8, 1, 0} << Hsl{7, 100, 2};
    QTest::newRow("extended scaling 40,1,0") << Rgb{40, 1, 0} << Hsl{1, 100, 8};
    QTest::newRow("extended scaling 120,1,0") << Rgb{120, 1, 0} << Hsl{1, 100, 24};
}

void ColourValuesTest::rgbToHsl()
{
    QFETCH(Rgb, rgb);
    QFETCH(Hsl, hsl);
    QCOMPARE(RgbToHsl(rgb), hsl);
}

void ColourValuesTest::hslToRgb_data()
{
    QTest::addColumn<Hsl>("hsl");
    QTest::addColumn<Rgb>("rgb");
    QTest::newRow("start-up round trip differs") << Hsl{201, 100, 51} << Rgb{5, 168, 255};
    QTest::newRow("red") << Hsl{0, 100, 50} << Rgb{255, 0, 0};
    QTest::newRow("green") << Hsl{120, 100, 50} << Rgb{0, 255, 0};
    QTest::newRow("blue") << Hsl{240, 100, 50} << Rgb{0, 0, 255};
    QTest::newRow("359") << Hsl{359, 100, 50} << Rgb{255, 0, 4};
    QTest::newRow("8.5 ties to 8") << Hsl{2, 100, 50} << Rgb{255, 8, 0};
    QTest::newRow("25.5 ties to 26") << Hsl{6, 100, 50} << Rgb{255, 26, 0};
    QTest::newRow("no saturation") << Hsl{77, 0, 50} << Rgb{128, 128, 128};
    QTest::newRow("lightness 0") << Hsl{200, 40, 0} << Rgb{0, 0, 0};
    QTest::newRow("lightness 100") << Hsl{200, 40, 100} << Rgb{255, 255, 255};
    QTest::newRow("30,50,75") << Hsl{30, 50, 75} << Rgb{224, 192, 160};
    QTest::newRow("upper variation") << Hsl{201, 100, 95} << Rgb{230, 246, 255};
    QTest::newRow("saturation 60 swatch") << Hsl{201, 60, 70} << Rgb{133, 193, 224};
    QTest::newRow("complement of start-up") << Hsl{21, 100, 51} << Rgb{255, 92, 5};
    QTest::newRow("30 degrees") << Hsl{30, 100, 50} << Rgb{255, 128, 0};
    QTest::newRow("330 degrees") << Hsl{330, 100, 50} << Rgb{255, 0, 128};
    QTest::newRow("grid L90") << Hsl{201, 100, 90} << Rgb{204, 237, 255};
    // 125 + 125 * t with t the stored double of -0.98: 2.5000000000000022 in
    // extended precision, an exact 2.5 (rounded to 2) in plain doubles.
    QTest::newRow("extended darkening 0,2,1") << Hsl{0, 2, 1} << Rgb{3, 3, 3};
    QTest::newRow("extended darkening 0,2,9") << Hsl{0, 2, 9} << Rgb{24, 23, 23};
    QTest::newRow("extended darkening 0,2,11") << Hsl{0, 2, 11} << Rgb{29, 27, 27};
    QTest::newRow("hue 360 is black") << Hsl{360, 100, 50} << Rgb{0, 0, 0};
    QTest::newRow("negative hue is black") << Hsl{-1, 100, 50} << Rgb{0, 0, 0};
    QTest::newRow("saturation 101 is black") << Hsl{10, 101, 50} << Rgb{0, 0, 0};
    QTest::newRow("negative saturation is black") << Hsl{10, -1, 50} << Rgb{0, 0, 0};
    QTest::newRow("lightness 101 is black") << Hsl{10, 100, 101} << Rgb{0, 0, 0};
    QTest::newRow("negative lightness is black") << Hsl{10, 100, -1} << Rgb{0, 0, 0};
}

void ColourValuesTest::hslToRgb()
{
    QFETCH(Hsl, hsl);
    QFETCH(Rgb, rgb);
    QCOMPARE(HslToRgb(hsl), rgb);
}

void ColourValuesTest::rgbToHslStaysInRangeForEveryColour()
{
    for (int c = 0; c < 1 << 24; ++c) {
        const Hsl hsl = RgbToHsl(UnpackColour(ColorRef(c)));
        if (hsl.hue < 0 || hsl.hue > 359 || hsl.saturation < 0 || hsl.saturation > 100 ||
            hsl.lightness < 0 || hsl.lightness > 100)
            QFAIL(qPrintable(QStringLiteral("out of range for %1").arg(c, 6, 16)));
    }
}

void ColourValuesTest::hslToRgbGivesGreysWithoutSaturation()
{
    for (int h = 0; h < 360; ++h)
        for (int l = 0; l <= 100; ++l) {
            const Rgb c = HslToRgb(h, 0, l);
            if (c.red != c.green || c.green != c.blue)
                QFAIL(qPrintable(QStringLiteral("not grey at %1,0,%2").arg(h).arg(l)));
            if (c != HslToRgb(0, 0, l))
                QFAIL("grey depends on the hue");
        }
}

void ColourValuesTest::hslToRgbIsDeterministicOverTheValidRange()
{
    // Two passes over every valid triple agree, and lightness ends are black and white.
    quint64 first = 0;
    quint64 second = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int h = 0; h < 360; ++h)
            for (int s = 0; s <= 100; ++s)
                for (int l = 0; l <= 100; ++l) {
                    const ColorRef c = PackColour(HslToRgb(h, s, l));
                    (pass == 0 ? first : second) =
                        (pass == 0 ? first : second) * 1099511628211ull ^ c;
                }
    QCOMPARE(first, second);
    for (int h = 0; h < 360; ++h)
        for (int s = 0; s <= 100; ++s) {
            QCOMPARE(HslToRgb(h, s, 0), (Rgb{0, 0, 0}));
            QCOMPARE(HslToRgb(h, s, 100), (Rgb{255, 255, 255}));
        }
}

void ColourValuesTest::packing()
{
    QCOMPARE(PackColour(6, 167, 255), ColorRef(0x00FFA706));
    QCOMPARE(UnpackColour(0xAAFFA706u), (Rgb{6, 167, 255}));
    QCOMPARE(UnpackColour(NegativeColour(PackColour(6, 167, 255))), (Rgb{249, 88, 0}));
    QCOMPARE(NegativeColour(NegativeColour(0x123456)), ColorRef(0x123456));
}

void ColourValuesTest::webSafe_data()
{
    QTest::addColumn<Rgb>("rgb");
    QTest::addColumn<bool>("safe");
    QTest::addColumn<Rgb>("snapped");
    QTest::newRow("25,26,127") << Rgb{25, 26, 127} << false << Rgb{0, 51, 102};
    QTest::newRow("128,229,230") << Rgb{128, 229, 230} << false << Rgb{153, 204, 255};
    QTest::newRow("76,77,178") << Rgb{76, 77, 178} << false << Rgb{51, 102, 153};
    QTest::newRow("179,0,255") << Rgb{179, 0, 255} << false << Rgb{204, 0, 255};
    QTest::newRow("0,51,255") << Rgb{0, 51, 255} << true << Rgb{0, 51, 255};
    QTest::newRow("0,51,254") << Rgb{0, 51, 254} << false << Rgb{0, 51, 255};
    QTest::newRow("black") << Rgb{0, 0, 0} << true << Rgb{0, 0, 0};
    QTest::newRow("start-up") << Rgb{6, 167, 255} << false << Rgb{0, 153, 255};
}

void ColourValuesTest::webSafe()
{
    QFETCH(Rgb, rgb);
    QFETCH(bool, safe);
    QFETCH(Rgb, snapped);
    QCOMPARE(IsWebSafe(rgb), safe);
    QCOMPARE(SnapToWebSafe(rgb), snapped);
}

void ColourValuesTest::snappingIsIdempotentAndNearest()
{
    int safeCount = 0;
    for (int v = 0; v < 256; ++v) {
        const auto b = std::uint8_t(v);
        const Rgb snapped = SnapToWebSafe(Rgb{b, b, b});
        QVERIFY(IsWebSafe(snapped));
        QCOMPARE(SnapToWebSafe(snapped), snapped);
        QVERIFY(std::abs(int(snapped.red) - v) <= 25);
        safeCount += IsWebSafe(Rgb{b, 0, 0});
    }
    QCOMPARE(safeCount, 6);
}

void ColourValuesTest::textForms()
{
    const Rgb c{6, 167, 255};
    QCOMPARE(FormatHashHex(c), QStringLiteral("#06A7FF"));
    QCOMPARE(FormatPackedText(c), QStringLiteral("$00FFA706"));
    QCOMPARE(FormatHashHex(Rgb{0, 0, 0}), QStringLiteral("#000000"));
    QCOMPARE(ParseInteger(FormatPackedText(c)), std::optional<int>(int(PackColour(c))));
}

void ColourValuesTest::parseHexText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<Rgb>("rgb");
    QTest::addColumn<QString>("error");
    QTest::newRow("six digits") << "06A7FF" << true << Rgb{6, 167, 255} << QString();
    QTest::newRow("lower case") << "06a7ff" << true << Rgb{6, 167, 255} << QString();
    QTest::newRow("three digits") << "FFF" << true << Rgb{255, 255, 15} << QString();
    QTest::newRow("one digit") << "A" << true << Rgb{170, 0, 0} << QString();
    QTest::newRow("four digits") << "1234" << true << Rgb{0x12, 0x34, 0x34} << QString();
    QTest::newRow("not hex") << "ZZ0000" << false << Rgb{}
                             << QStringLiteral("'$000000ZZ' is not a valid integer value");
    QTest::newRow("blank") << "12 456" << false << Rgb{}
                           << QStringLiteral("'$0056 412' is not a valid integer value");
}

void ColourValuesTest::parseHexText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(Rgb, rgb);
    QFETCH(QString, error);
    const HexParseResult result = ParseHexText(text);
    QCOMPARE(result.colour.has_value(), ok);
    if (ok)
        QCOMPARE(UnpackColour(*result.colour), rgb);
    QCOMPARE(result.error, error);
}

void ColourValuesTest::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "255" << true << 255;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("negative") << "-12" << true << -12;
    QTest::newRow("leading blank") << " 5" << true << 5;
    QTest::newRow("hexadecimal") << "$00FFA706" << true << 0xFFA706;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letter") << "1a" << false << 0;
    QTest::newRow("trailing blank") << "5 " << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("too large") << "99999999999" << false << 0;
    QTest::newRow("negative hexadecimal") << "-$10" << true << -16;
    QTest::newRow("lowest 32-bit hexadecimal") << "-$80000000" << true << INT_MIN;
    QTest::newRow("lowest decimal") << "-2147483648" << true << INT_MIN;
}

void ColourValuesTest::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto parsed = ParseInteger(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

QTEST_APPLESS_MAIN(ColourValuesTest)
#include "tst_colourvalues.moc"
