#include "colour/CssColourText.h"

#include "colour/ColourNames.h"
#include "colour/ColourSpaces.h"
#include "colour/ColourText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr double kHalfStep = 0.5 / 255;
constexpr int kMostDecimals = 12;
constexpr long long kPowersOfTen[kMostDecimals + 1] = {
    1,          10,          100,          1000,          10000,          100000,         1000000,
    10000000LL, 100000000LL, 1000000000LL, 10000000000LL, 100000000000LL, 1000000000000LL};

// ---- The forms' numbers -------------------------------------------------------

// CSS's own HSL (not the program's HSL model): s and l in percent.
RgbReal CssHslToSrgb(double hue, double saturation, double lightness)
{
    hue = std::fmod(hue, 360);
    if (hue < 0)
        hue += 360;
    const double s = saturation / 100;
    const double l = lightness / 100;
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return RgbReal{channel(0), channel(8), channel(4)};
}

// Hue in degrees (0 for a grey), saturation and lightness in percent.
void SrgbToCssHsl(RgbReal c, double out[3])
{
    const double max = std::max({c.red, c.green, c.blue});
    const double min = std::min({c.red, c.green, c.blue});
    const double lightness = (max + min) / 2;
    const double d = max - min;
    double hue = 0;
    double saturation = 0;
    if (d != 0) {
        saturation = lightness == 0 || lightness == 1
                         ? 0
                         : (max - lightness) / std::min(lightness, 1 - lightness);
        if (max == c.red)
            hue = (c.green - c.blue) / d + (c.green < c.blue ? 6 : 0);
        else if (max == c.green)
            hue = (c.blue - c.red) / d + 2;
        else
            hue = (c.red - c.green) / d + 4;
        hue *= 60;
    }
    out[0] = hue;
    out[1] = saturation * 100;
    out[2] = lightness * 100;
}

// The numbers a form prints, in its units: OK lightness in percent, CIE
// lightness 0..100, hues in degrees, HSL saturation and lightness in percent.
void FormValues(CssForm form, Rgb c, double out[3])
{
    switch (form) {
    case CssForm::OkLch:
    case CssForm::Lch: {
        const Lch v = form == CssForm::OkLch ? RgbToOkLch(c) : RgbToLch(c);
        out[0] = form == CssForm::OkLch ? v.l * 100 : v.l;
        out[1] = v.c;
        out[2] = v.h;
        return;
    }
    case CssForm::OkLab:
    case CssForm::Lab: {
        const Lab v = form == CssForm::OkLab ? RgbToOkLab(c) : RgbToLab(c);
        out[0] = form == CssForm::OkLab ? v.l * 100 : v.l;
        out[1] = v.a;
        out[2] = v.b;
        return;
    }
    case CssForm::DisplayP3: {
        const RgbReal v = RgbToDisplayP3(c);
        out[0] = v.red;
        out[1] = v.green;
        out[2] = v.blue;
        return;
    }
    case CssForm::Hsl:
        SrgbToCssHsl(RgbToReal(c), out);
        return;
    case CssForm::Rgb:
    case CssForm::Hex:
        out[0] = c.red;
        out[1] = c.green;
        out[2] = c.blue;
        return;
    }
}

// The way back from the numbers of a form with a linear-light inverse (the Lab,
// LCH and P3 forms) to unclamped linear sRGB.
RgbReal FormToLinearSrgb(CssForm form, const double v[3])
{
    switch (form) {
    case CssForm::OkLch:
        return OkLabToLinearSrgb(LchToLab(Lch{v[0] / 100, v[1], v[2]}));
    case CssForm::OkLab:
        return OkLabToLinearSrgb(Lab{v[0] / 100, v[1], v[2]});
    case CssForm::Lab:
        return XyzD65ToLinearSrgb(XyzD50ToD65(LabToXyzD50(Lab{v[0], v[1], v[2]})));
    case CssForm::Lch:
        return XyzD65ToLinearSrgb(XyzD50ToD65(LabToXyzD50(LchToLab(Lch{v[0], v[1], v[2]}))));
    default:
        break;
    }
    return XyzD65ToLinearSrgb(LinearDisplayP3ToXyzD65(SrgbToLinear(RgbReal{v[0], v[1], v[2]})));
}

// The way back from a form's numbers (in the units above) to unclamped sRGB:
// the reader converts with it, the printer checks its digits with the same steps.
RgbReal FormToSrgb(CssForm form, const double v[3])
{
    switch (form) {
    case CssForm::Hsl:
        return CssHslToSrgb(v[0], v[1], v[2]);
    case CssForm::Rgb:
    case CssForm::Hex:
        return RgbReal{v[0] / 255, v[1] / 255, v[2] / 255};
    default:
        break;
    }
    return LinearToSrgb(FormToLinearSrgb(form, v));
}

// Whether an sRGB component reads as `byte`: less than half a step outside
// 0..1 and rounding to it.
bool ReadsAsByte(double srgb, std::uint8_t byte)
{
    return srgb >= -kHalfStep && srgb <= 1 + kHalfStep &&
           RealToRgb(RgbReal{srgb, 0, 0}).red == byte;
}

// The same test on linear light, without the transfer curve's power: byte b
// takes the linear values between the images of (b - 0.5) / 255 and
// (b + 0.5) / 255. Values within a hair of a bound take the exact way.
bool LinearReadsAsByte(double linear, std::uint8_t byte)
{
    static const std::array<double, 257> bounds = [] {
        std::array<double, 257> values{};
        for (int k = 0; k <= 256; ++k)
            values[k] = SrgbToLinear((k - 0.5) / 255);
        return values;
    }();
    constexpr double kHair = 1e-12;
    const double low = bounds[byte];
    const double high = bounds[byte + 1];
    if (linear < low - kHair || linear > high + kHair)
        return false;
    if (linear > low + kHair && linear < high - kHair)
        return true;
    return ReadsAsByte(LinearToSrgb(linear), byte);
}

// True when the printed numbers `back` read as the colour `c`.
bool ReadsBackAs(CssForm form, const double back[3], Rgb c)
{
    if (form == CssForm::Hsl) {
        const RgbReal srgb = CssHslToSrgb(back[0], back[1], back[2]);
        return ReadsAsByte(srgb.red, c.red) && ReadsAsByte(srgb.green, c.green) &&
               ReadsAsByte(srgb.blue, c.blue);
    }
    const RgbReal linear = FormToLinearSrgb(form, back);
    return LinearReadsAsByte(linear.red, c.red) && LinearReadsAsByte(linear.green, c.green) &&
           LinearReadsAsByte(linear.blue, c.blue);
}

struct FormShape
{
    int baseDecimals[3]; // the fewest decimals tried; all grow together
    bool percent[3];
    int hueIndex; // -1 when the form has no hue
};

FormShape ShapeOf(CssForm form)
{
    switch (form) {
    case CssForm::OkLch:
        return {{0, 2, 0}, {true, false, false}, 2};
    case CssForm::OkLab:
        return {{0, 2, 2}, {true, false, false}, -1};
    case CssForm::Lab:
        return {{0, 0, 0}, {false, false, false}, -1};
    case CssForm::Lch:
        return {{0, 0, 0}, {false, false, false}, 2};
    case CssForm::DisplayP3:
        return {{2, 2, 2}, {false, false, false}, -1};
    case CssForm::Hsl:
        return {{0, 0, 0}, {false, true, true}, 0};
    case CssForm::Rgb:
    case CssForm::Hex:
        break;
    }
    return {{0, 0, 0}, {false, false, false}, -1};
}

// A form's numbers as printed: value = digits / 10^decimals.
struct Printed
{
    long long digits[3];
    int decimals[3];
};

// The fewest digits whose reading gives `c` back.
Printed ShortestExact(CssForm form, Rgb c)
{
    double values[3];
    FormValues(form, c, values);
    const FormShape shape = ShapeOf(form);
    Printed printed{};
    for (int extra = 0;; ++extra) {
        double back[3];
        for (int i = 0; i < 3; ++i) {
            const int decimals = std::min(shape.baseDecimals[i] + extra, kMostDecimals);
            long long digits = std::llround(values[i] * double(kPowersOfTen[decimals]));
            if (i == shape.hueIndex && digits >= 360 * kPowersOfTen[decimals])
                digits -= 360 * kPowersOfTen[decimals];
            printed.digits[i] = digits;
            printed.decimals[i] = decimals;
            back[i] = double(digits) / double(kPowersOfTen[decimals]);
        }
        if (ReadsBackAs(form, back, c) || shape.baseDecimals[0] + extra >= kMostDecimals)
            return printed;
    }
}

// digits / 10^decimals without trailing zeros and never "-0".
char* WriteFixed(char* out, long long digits, int decimals)
{
    if (digits < 0) {
        *out++ = '-';
        digits = -digits;
    }
    long long whole = digits / kPowersOfTen[decimals];
    long long fraction = digits % kPowersOfTen[decimals];
    out = WriteDecimal(out, std::uint32_t(whole));
    if (fraction == 0)
        return out;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --decimals;
    }
    *out++ = '.';
    for (int place = decimals - 1; place >= 0; --place)
        *out++ = char('0' + fraction / kPowersOfTen[place] % 10);
    return out;
}

char* WriteText(char* out, const char* text)
{
    const std::size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

char* WriteComponent(char* out, const Printed& printed, const FormShape& shape, int i)
{
    out = WriteFixed(out, printed.digits[i], printed.decimals[i]);
    if (shape.percent[i])
        *out++ = '%';
    return out;
}

const char* Opening(CssForm form)
{
    switch (form) {
    case CssForm::OkLch:
        return "oklch(";
    case CssForm::OkLab:
        return "oklab(";
    case CssForm::Lab:
        return "lab(";
    case CssForm::Lch:
        return "lch(";
    case CssForm::DisplayP3:
        return "color(display-p3 ";
    case CssForm::Hsl:
        return "hsl(";
    case CssForm::Rgb:
        return "rgb(";
    case CssForm::Hex:
        break;
    }
    return "#";
}

// ---- Reading ------------------------------------------------------------------

struct Token
{
    enum Kind
    {
        Number,
        Percent,
        Angle,
        None,
        Ident,
        Comma,
        Slash
    };
    Kind kind = Number;
    double value = 0; // degrees for an angle
    QStringView text;
};

constexpr int kMaxTokens = 9;

struct Tokens
{
    Token items[kMaxTokens];
    int count = 0;
};

bool IsLetter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}
bool IsBlank(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

QString Quoted(QStringView text)
{
    return QLatin1Char('"') + QuotedValue(text) + QLatin1Char('"');
}

// Lower-case ASCII copy of a short name, for comparisons; empty when too long.
QByteArray LowerAscii(QStringView text)
{
    if (text.size() > 32)
        return {};
    return text.toString().toLower().toLatin1();
}

// Reads the body of a colour function into tokens; on failure gives why.
QString Tokenise(QStringView body, QStringView function, Tokens& tokens)
{
    qsizetype i = 0;
    const qsizetype n = body.size();
    while (i < n) {
        const char16_t c = body[i].unicode();
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        if (tokens.count == kMaxTokens)
            return QStringLiteral("%1() has too many values.").arg(function);
        Token& token = tokens.items[tokens.count++];
        const qsizetype start = i;
        if (c == ',' || c == '/') {
            token.kind = c == ',' ? Token::Comma : Token::Slash;
            token.text = body.mid(i, 1);
            ++i;
            continue;
        }
        const bool signedNumber = (c == '+' || c == '-') && i + 1 < n &&
                                  (IsDigit(body[i + 1].unicode()) || body[i + 1] == u'.');
        if (IsDigit(c) || c == '.' || signedNumber) {
            if (c == '+' || c == '-')
                ++i;
            while (i < n && (IsDigit(body[i].unicode()) || body[i] == u'.'))
                ++i;
            if (i + 1 < n && (body[i] == u'e' || body[i] == u'E') &&
                (IsDigit(body[i + 1].unicode()) || ((body[i + 1] == u'+' || body[i + 1] == u'-') &&
                                                    i + 2 < n && IsDigit(body[i + 2].unicode()))))
                i += 2;
            while (i < n && IsDigit(body[i].unicode()))
                ++i;
            const QStringView number = body.mid(start, i - start);
            char buffer[48];
            qsizetype length = 0;
            for (QChar ch : number) {
                if (length == qsizetype(sizeof buffer))
                    return QStringLiteral("%1 is not a number.").arg(Quoted(number));
                if (ch != u'+' || length != 0)
                    buffer[length++] = char(ch.unicode());
            }
            const std::from_chars_result read =
                std::from_chars(buffer, buffer + length, token.value);
            if (read.ec != std::errc() || read.ptr != buffer + length ||
                !std::isfinite(token.value))
                return QStringLiteral("%1 is not a number.").arg(Quoted(number));
            const qsizetype unitStart = i;
            if (i < n && body[i] == u'%') {
                token.kind = Token::Percent;
                ++i;
            } else {
                while (i < n && IsLetter(body[i].unicode()))
                    ++i;
                const QByteArray unit = LowerAscii(body.mid(unitStart, i - unitStart));
                token.kind = i == unitStart ? Token::Number : Token::Angle;
                if (unit == "deg")
                    ;
                else if (unit == "rad")
                    token.value *= 180 / 3.14159265358979323846;
                else if (unit == "grad")
                    token.value *= 0.9;
                else if (unit == "turn")
                    token.value *= 360;
                else if (token.kind == Token::Angle)
                    return QStringLiteral("%1 has a unit %2() does not know.")
                        .arg(Quoted(body.mid(start, i - start)), function);
            }
            token.text = body.mid(start, i - start);
            continue;
        }
        if (IsLetter(c) || c == '-') {
            while (i < n &&
                   (IsLetter(body[i].unicode()) || IsDigit(body[i].unicode()) || body[i] == u'-'))
                ++i;
            token.text = body.mid(start, i - start);
            token.kind =
                token.text.compare(u"none", Qt::CaseInsensitive) == 0 ? Token::None : Token::Ident;
            continue;
        }
        return QStringLiteral("%1 has no place in a color.").arg(Quoted(body.mid(i, 1)));
    }
    return {};
}

// How a component of a function is read: the value of 100% (0 when no
// percentage is allowed), the factor of a plain number, whether it is a hue
// (angles allowed), and the range it is clamped to.
struct ComponentRule
{
    double percentReference;
    double numberScale;
    bool hue;
    double low;
    double high;
};

constexpr double kUnbounded = 1e300;

struct FunctionRule
{
    const char* name;
    CssForm form; // the form whose units the components are read in
    ComponentRule components[3];
    bool legacyCommas; // rgb() and hsl() also take the old comma syntax
};

// One row per colour function. Components come out in the units of FormToSrgb
// (OK lightness in percent, HSL saturation and lightness in percent, RGB 0..255).
constexpr ComponentRule kByte{255, 1, false, 0, 255};
constexpr ComponentRule kHue{0, 1, true, -kUnbounded, kUnbounded};
constexpr ComponentRule kPercent{100, 1, false, 0, 100};
constexpr ComponentRule kLabAxis{125, 1, false, -kUnbounded, kUnbounded};
constexpr ComponentRule kLchChroma{150, 1, false, 0, kUnbounded};
constexpr ComponentRule kOkLightness{100, 100, false, 0, 100};
constexpr ComponentRule kOkAxis{0.4, 1, false, -kUnbounded, kUnbounded};
constexpr ComponentRule kOkChroma{0.4, 1, false, 0, kUnbounded};

const FunctionRule kFunctionRules[] = {
    {"rgb", CssForm::Rgb, {kByte, kByte, kByte}, true},
    {"rgba", CssForm::Rgb, {kByte, kByte, kByte}, true},
    {"hsl", CssForm::Hsl, {kHue, kPercent, kPercent}, true},
    {"hsla", CssForm::Hsl, {kHue, kPercent, kPercent}, true},
    {"hwb", CssForm::Hsl, {kHue, kPercent, kPercent}, false},
    {"lab", CssForm::Lab, {kPercent, kLabAxis, kLabAxis}, false},
    {"lch", CssForm::Lch, {kPercent, kLchChroma, kHue}, false},
    {"oklab", CssForm::OkLab, {kOkLightness, kOkAxis, kOkAxis}, false},
    {"oklch", CssForm::OkLch, {kOkLightness, kOkChroma, kHue}, false},
};

const FunctionRule* FindFunction(QStringView name)
{
    for (const FunctionRule& rule : kFunctionRules)
        if (name.compare(QLatin1String(rule.name), Qt::CaseInsensitive) == 0)
            return &rule;
    return nullptr;
}

// The predefined spaces of color(): each gives XYZ D65.
enum class ColorSpace
{
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProPhotoRgb,
    Rec2020,
    XyzD50,
    XyzD65
};

struct ColorSpaceRow
{
    const char* name;
    ColorSpace space;
};

const ColorSpaceRow kColorSpaces[] = {
    {"srgb", ColorSpace::Srgb},
    {"srgb-linear", ColorSpace::SrgbLinear},
    {"display-p3", ColorSpace::DisplayP3},
    {"a98-rgb", ColorSpace::A98Rgb},
    {"prophoto-rgb", ColorSpace::ProPhotoRgb},
    {"rec2020", ColorSpace::Rec2020},
    {"xyz", ColorSpace::XyzD65},
    {"xyz-d65", ColorSpace::XyzD65},
    {"xyz-d50", ColorSpace::XyzD50},
};

RgbReal ColorSpaceToSrgb(ColorSpace space, RgbReal c)
{
    const Xyz asXyz{c.red, c.green, c.blue};
    switch (space) {
    case ColorSpace::Srgb:
        return c;
    case ColorSpace::SrgbLinear:
        return LinearToSrgb(c);
    case ColorSpace::DisplayP3:
        return DisplayP3ToSrgb(c);
    case ColorSpace::A98Rgb:
        return XyzD65ToSrgb(A98RgbToXyzD65(c));
    case ColorSpace::ProPhotoRgb:
        return XyzD50ToSrgb(ProPhotoRgbToXyzD50(c));
    case ColorSpace::Rec2020:
        return XyzD65ToSrgb(Rec2020ToXyzD65(c));
    case ColorSpace::XyzD50:
        return XyzD50ToSrgb(asXyz);
    case ColorSpace::XyzD65:
        break;
    }
    return XyzD65ToSrgb(asXyz);
}

CssColourReading Failure(QString why)
{
    CssColourReading reading;
    reading.error = std::move(why);
    return reading;
}

// Rounds an sRGB value to 8 bits, bringing it into gamut first when needed.
// `okLch` is the colour's OKLCH when the text gave it, else computed here.
CssColourReading Finish(RgbReal srgb, double alpha, const Lch* okLch = nullptr)
{
    CssColourReading reading;
    reading.alphaIgnored = alpha < 1;
    if (IsInUnitRange(srgb, kHalfStep)) {
        reading.colour = RealToRgb(srgb);
        return reading;
    }
    const Lch lch =
        okLch ? *okLch : LabToLch(XyzD65ToOkLab(LinearSrgbToXyzD65(SrgbToLinear(srgb))));
    reading.colour = RealToRgb(GamutMapToSrgb(lch, &reading.gamutMapped));
    return reading;
}

CssColourReading ReadHex(QStringView digits)
{
    const qsizetype n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8)
        return Failure(QStringLiteral("A hex color has 3, 4, 6 or 8 digits, not %1.").arg(n));
    int values[8];
    for (qsizetype i = 0; i < n; ++i) {
        values[i] = HexDigitValue(digits[i].unicode());
        if (values[i] < 0)
            return Failure(
                QStringLiteral("%1 is not a hexadecimal digit.").arg(Quoted(digits.mid(i, 1))));
    }
    const bool shortForm = n <= 4;
    auto component = [&](int index) {
        return shortForm ? values[index] * 17 : values[2 * index] * 16 + values[2 * index + 1];
    };
    CssColourReading reading;
    reading.colour =
        Rgb{std::uint8_t(component(0)), std::uint8_t(component(1)), std::uint8_t(component(2))};
    reading.alphaIgnored = (n == 4 || n == 8) && component(3) != 255;
    return reading;
}

// Splits the tokens into the three components and the alpha: "a b c" or
// "a b c / alpha", or, where the function allows it, "a, b, c" or "a, b, c, alpha".
QString Components(const Tokens& tokens, int first, QStringView function, bool commasAllowed,
                   const Token* values[3], const Token** alpha, bool* commas)
{
    *alpha = nullptr;
    *commas = false;
    const Token* items = tokens.items + first;
    const int n = tokens.count - first;
    for (int i = 0; i < n; ++i)
        *commas = *commas || items[i].kind == Token::Comma;
    if (*commas) {
        bool alternating = n == 5 || n == 7;
        for (int i = 0; i < n && alternating; ++i)
            alternating =
                (items[i].kind == Token::Comma) == (i % 2 == 1) && items[i].kind != Token::Slash;
        if (!commasAllowed || !alternating)
            return QStringLiteral("%1() takes 3 values separated by blanks, then optionally "
                                  "\"/\" and an alpha.")
                .arg(function);
        values[0] = &items[0];
        values[1] = &items[2];
        values[2] = &items[4];
        if (n == 7)
            *alpha = &items[6];
        return {};
    }
    const bool withAlpha = n == 5 && items[3].kind == Token::Slash;
    bool valid = n == 3 || withAlpha;
    for (int i = 0; i < n && valid; ++i)
        valid = items[i].kind != Token::Slash || i == 3;
    if (!valid)
        return QStringLiteral("%1() takes 3 values, then optionally \"/\" and an alpha.")
            .arg(function);
    values[0] = &items[0];
    values[1] = &items[1];
    values[2] = &items[2];
    if (withAlpha)
        *alpha = &items[4];
    return {};
}

QString ReadAlpha(const Token* token, QStringView function, double* alpha)
{
    *alpha = 1;
    if (!token)
        return {};
    if (token->kind == Token::None)
        *alpha = 0;
    else if (token->kind == Token::Number)
        *alpha = token->value;
    else if (token->kind == Token::Percent)
        *alpha = token->value / 100;
    else
        return QStringLiteral("%1 is not an alpha value of %2().")
            .arg(Quoted(token->text), function);
    return {};
}

QString ReadComponent(const Token& token, const ComponentRule& rule, QStringView function,
                      bool commas, double* value)
{
    bool allowed = false;
    switch (token.kind) {
    case Token::None:
        allowed = !commas;
        *value = 0;
        break;
    case Token::Number:
        allowed = true;
        *value = token.value * rule.numberScale;
        break;
    case Token::Percent:
        allowed = rule.percentReference != 0;
        *value = token.value * rule.percentReference / 100;
        break;
    case Token::Angle:
        allowed = rule.hue;
        *value = token.value;
        break;
    default:
        break;
    }
    if (!allowed)
        return QStringLiteral("%1 is not a value %2() takes.").arg(Quoted(token.text), function);
    *value = std::clamp(*value, rule.low, rule.high);
    return {};
}

CssColourReading ReadColorFunction(const Tokens& tokens, QStringView function)
{
    if (tokens.count == 0 || tokens.items[0].kind != Token::Ident)
        return Failure(QStringLiteral("color() starts with the name of a color space."));
    const QByteArray name = LowerAscii(tokens.items[0].text);
    const ColorSpaceRow* row = nullptr;
    for (const ColorSpaceRow& candidate : kColorSpaces)
        if (name == candidate.name)
            row = &candidate;
    if (!row)
        return Failure(QStringLiteral("color() does not know the color space %1.")
                           .arg(Quoted(tokens.items[0].text)));
    const Token* values[3];
    const Token* alphaToken;
    bool legacy;
    QString why = Components(tokens, 1, function, false, values, &alphaToken, &legacy);
    double alpha = 1;
    if (why.isEmpty())
        why = ReadAlpha(alphaToken, function, &alpha);
    double v[3] = {};
    const ComponentRule rule{1, 1, false, -kUnbounded, kUnbounded};
    for (int i = 0; i < 3 && why.isEmpty(); ++i)
        why = ReadComponent(*values[i], rule, function, false, &v[i]);
    if (!why.isEmpty())
        return Failure(why);
    return Finish(ColorSpaceToSrgb(row->space, RgbReal{v[0], v[1], v[2]}), alpha);
}

CssColourReading ReadFunction(QStringView name, QStringView body)
{
    Tokens tokens;
    QString why = Tokenise(body, name, tokens);
    if (!why.isEmpty())
        return Failure(why);
    if (name.compare(u"color", Qt::CaseInsensitive) == 0)
        return ReadColorFunction(tokens, name);
    const FunctionRule* rule = FindFunction(name);
    if (!rule)
        return Failure(QStringLiteral("\"%1()\" is not a color function.").arg(QuotedValue(name)));
    const Token* values[3];
    const Token* alphaToken;
    bool legacy;
    why = Components(tokens, 0, name, rule->legacyCommas, values, &alphaToken, &legacy);
    double alpha = 1;
    if (why.isEmpty())
        why = ReadAlpha(alphaToken, name, &alpha);
    double v[3] = {};
    for (int i = 0; i < 3 && why.isEmpty(); ++i)
        why = ReadComponent(*values[i], rule->components[i], name, legacy, &v[i]);
    // The comma syntax of rgb() has all numbers or all percentages, of hsl()
    // percentages for saturation and lightness.
    if (why.isEmpty() && legacy) {
        const bool mixed =
            rule->form == CssForm::Rgb
                ? (values[0]->kind != values[1]->kind || values[1]->kind != values[2]->kind)
                : (values[1]->kind != Token::Percent || values[2]->kind != Token::Percent);
        if (mixed)
            why = QStringLiteral("%1() with commas takes %2.")
                      .arg(name, rule->form == CssForm::Rgb
                                     ? QStringLiteral("all numbers or all percentages")
                                     : QStringLiteral("percentages for saturation and lightness"));
    }
    if (!why.isEmpty())
        return Failure(why);
    if (name.compare(u"hwb", Qt::CaseInsensitive) == 0) {
        const double white = v[1] / 100;
        const double black = v[2] / 100;
        if (white + black >= 1) {
            const double grey = white / (white + black);
            return Finish(RgbReal{grey, grey, grey}, alpha);
        }
        RgbReal c = CssHslToSrgb(v[0], 100, 50);
        auto mix = [&](double channel) { return channel * (1 - white - black) + white; };
        return Finish(RgbReal{mix(c.red), mix(c.green), mix(c.blue)}, alpha);
    }
    const RgbReal srgb = FormToSrgb(rule->form, v);
    if (rule->form == CssForm::OkLch) {
        const Lch okLch{v[0] / 100, v[1], v[2]};
        return Finish(srgb, alpha, &okLch);
    }
    if (rule->form == CssForm::OkLab) {
        const Lch okLch = LabToLch(Lab{v[0] / 100, v[1], v[2]});
        return Finish(srgb, alpha, &okLch);
    }
    return Finish(srgb, alpha);
}

bool AllHexDigits(QStringView text)
{
    for (QChar c : text)
        if (HexDigitValue(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace

char* WriteCssForm(char* out, CssForm form, Rgb c)
{
    if (form == CssForm::Hex) {
        *out++ = '#';
        return WriteHexText(out, c);
    }
    out = WriteText(out, Opening(form));
    if (form == CssForm::Rgb) {
        out = WriteDecimal(out, c.red);
        *out++ = ' ';
        out = WriteDecimal(out, c.green);
        *out++ = ' ';
        out = WriteDecimal(out, c.blue);
    } else {
        const Printed printed = ShortestExact(form, c);
        const FormShape shape = ShapeOf(form);
        for (int i = 0; i < 3; ++i) {
            if (i > 0)
                *out++ = ' ';
            out = WriteComponent(out, printed, shape, i);
        }
    }
    *out++ = ')';
    return out;
}

QString FormatCssForm(CssForm form, Rgb c)
{
    char text[kMaxCssFormLength];
    return QString::fromLatin1(text, WriteCssForm(text, form, c) - text);
}

QString CssFormComponent(CssForm form, Rgb c, int index)
{
    char text[kMaxCssFormLength];
    char* end = text;
    if (form == CssForm::Rgb || form == CssForm::Hex) {
        const std::uint8_t values[3] = {c.red, c.green, c.blue};
        end = WriteDecimal(text, values[index]);
    } else {
        end = WriteComponent(text, ShortestExact(form, c), ShapeOf(form), index);
    }
    return QString::fromLatin1(text, end - text);
}

CssColourReading ReadCssColour(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return Failure(QStringLiteral("The text is empty."));
    if (text.front() == u'#')
        return ReadHex(text.mid(1));
    if ((text.size() == 6 || text.size() == 8) && AllHexDigits(text))
        return ReadHex(text);
    const qsizetype open = text.indexOf(u'(');
    if (open < 0) {
        if (text.compare(u"transparent", Qt::CaseInsensitive) == 0)
            return Finish(RgbReal{0, 0, 0}, 0);
        if (text.compare(u"currentcolor", Qt::CaseInsensitive) == 0)
            return Failure(QStringLiteral("currentColor has no color of its own."));
        if (const std::optional<Rgb> named = ColourOfName(text)) {
            CssColourReading reading;
            reading.colour = named;
            return reading;
        }
        return Failure(QStringLiteral("%1 is not a color name.").arg(Quoted(text)));
    }
    const QStringView name = text.first(open).trimmed();
    QStringView body = text.mid(open + 1);
    if (body.isEmpty() || body.back() != u')')
        return Failure(QStringLiteral("%1() has no closing \")\".").arg(QuotedValue(name)));
    body.chop(1);
    if (body.contains(u'(') || body.contains(u')'))
        return Failure(QStringLiteral("%1() has a bracket inside.").arg(QuotedValue(name)));
    return ReadFunction(name, body);
}

QString ReadingNote(const CssColourReading& reading)
{
    if (!reading.colour)
        return QStringLiteral("Not a color: ") + reading.error;
    QString note;
    if (reading.alphaIgnored)
        note = QStringLiteral("Alpha ignored: the main color has no transparency. ");
    if (reading.gamutMapped)
        note += QStringLiteral("The color lies outside sRGB; gamut mapping brought it in. ");
    return note.trimmed();
}
