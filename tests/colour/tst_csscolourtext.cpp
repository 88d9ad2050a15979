#include "colour/ColourNames.h"
#include "colour/ColourText.h"
#include "colour/CssColourText.h"
#include "support/ColourPrinting.h"

#include <QtTest>

Q_DECLARE_METATYPE(CssForm)

namespace {

Rgb Hex(const QString& six)
{
    return *ReadHexTriple(six.utf16());
}

} // namespace

class CssColourTextTest : public QObject
{
    Q_OBJECT
private slots:
    void printing_data();
    void printing();
    void everyFormReadsBack();
    void reading_data();
    void reading();
    void refusing_data();
    void refusing();
    void nearestName_data();
    void nearestName();
};

void CssColourTextTest::printing_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<CssForm>("form");
    QTest::addColumn<QString>("text");
    // As few digits as give the same 8-bit colour back; greys print no chroma.
    QTest::newRow("green oklch") << "008000" << CssForm::OkLch << "oklch(52% 0.177 142.5)";
    QTest::newRow("green oklab") << "008000" << CssForm::OkLab << "oklab(51.98% -0.1403 0.1077)";
    QTest::newRow("green lab") << "008000" << CssForm::Lab << "lab(46.3 -47.6 48.6)";
    QTest::newRow("green lch") << "008000" << CssForm::Lch << "lch(46.3 68 134.4)";
    QTest::newRow("green p3") << "008000" << CssForm::DisplayP3
                              << "color(display-p3 0.216 0.494 0.132)";
    QTest::newRow("green rgb") << "008000" << CssForm::Rgb << "rgb(0 128 0)";
    QTest::newRow("green hsl") << "008000" << CssForm::Hsl << "hsl(120 100% 25%)";
    QTest::newRow("green hex") << "008000" << CssForm::Hex << "#008000";
    QTest::newRow("red oklch") << "FF0000" << CssForm::OkLch << "oklch(62.8% 0.2577 29.23)";
    QTest::newRow("start colour hsl") << "06A7FF" << CssForm::Hsl << "hsl(201.2 100% 51.2%)";
    QTest::newRow("grey oklch") << "808080" << CssForm::OkLch << "oklch(60% 0 0)";
    QTest::newRow("grey lch") << "808080" << CssForm::Lch << "lch(53.6 0 0)";
    QTest::newRow("white oklab") << "FFFFFF" << CssForm::OkLab << "oklab(100% 0 0)";
    QTest::newRow("black p3") << "000000" << CssForm::DisplayP3 << "color(display-p3 0 0 0)";
}

void CssColourTextTest::printing()
{
    QFETCH(QString, hex);
    QFETCH(CssForm, form);
    QFETCH(QString, text);
    QCOMPARE(FormatCssForm(form, Hex(hex)), text);
}

// A stride through the cube here; bench_cssroundtrip checks all 16,777,216.
void CssColourTextTest::everyFormReadsBack()
{
    for (std::uint32_t v = 0; v < 0x1000000u; v += 4099) {
        const Rgb c{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
        for (const CssFormRow& row : kCssForms) {
            const QString text = FormatCssForm(row.form, c);
            const CssColourReading back = ReadCssColour(text);
            QVERIFY2(back.colour && *back.colour == c && !back.gamutMapped, qPrintable(text));
        }
    }
}

void CssColourTextTest::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("alphaIgnored");
    QTest::addColumn<bool>("gamutMapped");
    // The published web-platform-tests and CSS Color 4 values for green.
    QTest::newRow("oklab wpt") << "oklab(51.975% -0.1403 0.10768)"
                               << "008000" << false << false;
    QTest::newRow("oklch wpt") << "oklch(51.975% 0.17686 142.495)"
                               << "008000" << false << false;
    QTest::newRow("lab css") << "lab(46.2775% -47.5621 48.5837)"
                             << "008000" << false << false;
    QTest::newRow("lch css") << "lch(46.2775% 67.9892 134.3912)"
                             << "008000" << false << false;
    QTest::newRow("p3") << "color(display-p3 0.21604 0.49418 0.13151)"
                        << "008000" << false << false;
    QTest::newRow("srgb-linear") << "color(srgb-linear 0 0.21586 0)"
                                 << "008000" << false << false;
    QTest::newRow("xyz") << "color(xyz 0.0771884 0.154375 0.0257248)"
                         << "008000" << false << false;
    QTest::newRow("hwb") << "hwb(120 0% 49.8039%)"
                         << "008000" << false << false;
    QTest::newRow("oklab 50% 0.05 0") << "oklab(50% 0.05 0)"
                                      << "7C5762" << false << false;
    QTest::newRow("oklab numbers") << "OKLAB(0.7 -0.1 0)"
                                   << "4BB3A1" << false << false;
    // Hex, names and the rgb()/hsl() syntaxes.
    QTest::newRow("#rgb") << "#0F8"
                          << "00FF88" << false << false;
    QTest::newRow("#rgba opaque") << "#0F8F"
                                  << "00FF88" << false << false;
    QTest::newRow("#rrggbbaa") << "  #ffff0080\n"
                               << "FFFF00" << true << false;
    QTest::newRow("bare six digits") << "06a7ff"
                                     << "06A7FF" << false << false;
    QTest::newRow("name any case") << "ToMaTo"
                                   << "FF6347" << false << false;
    QTest::newRow("transparent") << "transparent"
                                 << "000000" << true << false;
    QTest::newRow("rgb commas") << "rgb(6, 167, 255)"
                                << "06A7FF" << false << false;
    QTest::newRow("program's RGB()") << "RGB(6,167,255)"
                                     << "06A7FF" << false << false;
    QTest::newRow("rgba commas") << "rgba(10%, 20%, 30%, 0.5)"
                                 << "1A334D" << true << false;
    QTest::newRow("rgb blanks mixed") << "rgb(100% 50 none / 100%)"
                                      << "FF3200" << false << false;
    QTest::newRow("rgb clamps") << "rgb(300 -5 1e2)"
                                << "FF0064" << false << false;
    QTest::newRow("hsl commas") << "hsl(120, 100%, 25%)"
                                << "008000" << false << false;
    QTest::newRow("hsla turn") << "hsla(0.5turn 100% 50% / 0.2)"
                               << "00FFFF" << true << false;
    QTest::newRow("hsl numbers") << "hsl(120deg 100 25)"
                                 << "008000" << false << false;
    QTest::newRow("hwb grey") << "hwb(0 100% 100%)"
                              << "808080" << false << false;
    // Outside sRGB: the chroma goes down until the clip is not noticeable.
    QTest::newRow("oklch past white") << "oklch(100% 0.3 60)"
                                      << "FFFFFF" << false << true;
    QTest::newRow("p3 red") << "color(display-p3 1 0 0)"
                            << "FF0B0C" << false << true;
    QTest::newRow("vivid oklch") << "oklch(0.7 0.4 30)"
                                 << "FF5843" << false << true;
    QTest::newRow("rec2020 green") << "color(rec2020 0 1 0)"
                                   << "00F272" << false << true;
}

void CssColourTextTest::reading()
{
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QFETCH(bool, alphaIgnored);
    QFETCH(bool, gamutMapped);
    const CssColourReading reading = ReadCssColour(text);
    QVERIFY2(reading.colour, qPrintable(reading.error));
    QCOMPARE(*reading.colour, Hex(hex));
    QCOMPARE(reading.alphaIgnored, alphaIgnored);
    QCOMPARE(reading.gamutMapped, gamutMapped);
}

void CssColourTextTest::refusing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("why");
    QTest::newRow("empty") << "  "
                           << "The text is empty.";
    QTest::newRow("unknown name") << "bluish"
                                  << "\"bluish\" is not a color name.";
    QTest::newRow("currentcolor") << "currentColor"
                                  << "currentColor has no color of its own.";
    QTest::newRow("five digits") << "#12345"
                                 << "A hex color has 3, 4, 6 or 8 digits, not 5.";
    QTest::newRow("bad digit") << "#12G"
                               << "\"G\" is not a hexadecimal digit.";
    QTest::newRow("unknown function") << "cmyk(0 0 0 0)"
                                      << "\"cmyk()\" is not a color function.";
    QTest::newRow("no bracket") << "rgb(1 2 3"
                                << "rgb() has no closing \")\".";
    QTest::newRow("two values") << "rgb(1 2)"
                                << "rgb() takes 3 values, then optionally \"/\" and an alpha.";
    QTest::newRow("mixed separators")
        << "rgb(1, 2 3)"
        << "rgb() takes 3 values separated by blanks, then optionally \"/\" and "
           "an alpha.";
    QTest::newRow("commas in lab") << "lab(50, 0, 0)"
                                   << "lab() takes 3 values separated by blanks, then optionally "
                                      "\"/\" and an alpha.";
    QTest::newRow("legacy mix") << "rgb(10%, 20, 30)"
                                << "rgb() with commas takes all numbers or all percentages.";
    QTest::newRow("angle for red") << "rgb(1deg 2 3)"
                                   << "\"1deg\" is not a value rgb() takes.";
    QTest::newRow("unknown unit") << "hsl(1px 2% 3%)"
                                  << "\"1px\" has a unit hsl() does not know.";
    QTest::newRow("not a number") << "oklch(1.2.3 0 0)"
                                  << "\"1.2.3\" is not a number.";
    QTest::newRow("unknown space") << "color(cmyk 0 0 0)"
                                   << "color() does not know the color space \"cmyk\".";
    QTest::newRow("relative colour") << "rgb(from red r g b)"
                                     << "rgb() takes 3 values, then optionally \"/\" and an alpha.";
    QTest::newRow("brackets inside") << "oklch(calc(1) 0 0)"
                                     << "oklch() has a bracket inside.";
}

void CssColourTextTest::refusing()
{
    QFETCH(QString, text);
    QFETCH(QString, why);
    const CssColourReading reading = ReadCssColour(text);
    QVERIFY(!reading.colour);
    QCOMPARE(reading.error, why);
}

void CssColourTextTest::nearestName_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("text");
    QTest::newRow("tomato itself") << "FF6347"
                                   << "= tomato";
    QTest::newRow("first of two names") << "00FFFF"
                                        << "= aqua";
    QTest::newRow("grey") << "808080"
                          << "= gray";
    QTest::newRow("start colour") << "06A7FF" << QString::fromUtf8("≈ dodgerblue");
    QTest::newRow("near tomato") << "FF6448" << QString::fromUtf8("≈ tomato");
    QTest::newRow("near black") << "010101" << QString::fromUtf8("≈ black");
}

void CssColourTextTest::nearestName()
{
    QFETCH(QString, hex);
    QFETCH(QString, text);
    QCOMPARE(NearestNameText(Hex(hex)), text);
    // Every name reads back as the colour its table row gives.
    for (const CssNamedColour* row = NamedColoursBegin(); row != NamedColoursEnd(); ++row)
        QCOMPARE(ColourOfName(QString::fromLatin1(row->name).toUpper()), row->colour);
}

QTEST_APPLESS_MAIN(CssColourTextTest)
#include "tst_csscolourtext.moc"
