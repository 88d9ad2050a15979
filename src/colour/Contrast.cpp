#include "colour/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double Linearised(std::uint8_t component)
{
    const double s = component / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

const char* PassOrFail(bool pass)
{
    return pass ? "pass" : "fail";
}

} // namespace

double RelativeLuminance(Rgb c)
{
    return 0.2126 * Linearised(c.red) + 0.7152 * Linearised(c.green) + 0.0722 * Linearised(c.blue);
}

double ContrastRatio(Rgb a, Rgb b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ContrastVerdict JudgeContrast(Rgb text, Rgb background)
{
    // No tolerance is added before rounding down: over all pairs of 8-bit colours
    // the ratios nearest below a level lie 6e-14 or more under it, well above the
    // error of the arithmetic (about 1e-15), and black on white comes out as 21.
    const int hundredths = int(std::floor(ContrastRatio(text, background) * 100));
    ContrastVerdict verdict;
    verdict.hundredths = hundredths;
    verdict.aaNormal = hundredths >= 450;
    verdict.aaLarge = hundredths >= 300;
    verdict.aaaNormal = hundredths >= 700;
    verdict.aaaLarge = hundredths >= 450;
    return verdict;
}

QString FormatContrastRatio(int hundredths)
{
    QString text = QString::number(hundredths / 100);
    const int fraction = hundredths % 100;
    if (fraction != 0) {
        text += QLatin1Char('.') + QString::number(fraction / 10);
        if (fraction % 10 != 0)
            text += QString::number(fraction % 10);
    }
    return text + QStringLiteral(":1");
}

QString ContrastToolTip(Rgb text, Rgb background)
{
    const ContrastVerdict verdict = JudgeContrast(text, background);
    return QStringLiteral("Contrast %1\nNormal text: AA %2, AAA %3. Large text: AA %4, AAA %5.")
        .arg(FormatContrastRatio(verdict.hundredths), QLatin1String(PassOrFail(verdict.aaNormal)),
             QLatin1String(PassOrFail(verdict.aaaNormal)),
             QLatin1String(PassOrFail(verdict.aaLarge)),
             QLatin1String(PassOrFail(verdict.aaaLarge)));
}

QString ContrastOnWhiteAndBlackToolTip(Rgb colour)
{
    return QStringLiteral("On white: ") + ContrastToolTip(colour, Rgb{255, 255, 255}) +
           QStringLiteral("\nOn black: ") + ContrastToolTip(colour, Rgb{0, 0, 0});
}
