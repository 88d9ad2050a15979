#include "colour/ColourSpaces.h"

#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Matrix
{
    double m[3][3];
};

constexpr RgbReal Apply(const Matrix& m, double x, double y, double z)
{
    return RgbReal{m.m[0][0] * x + m.m[0][1] * y + m.m[0][2] * z,
                   m.m[1][0] * x + m.m[1][1] * y + m.m[1][2] * z,
                   m.m[2][0] * x + m.m[2][1] * y + m.m[2][2] * z};
}
constexpr Xyz ToXyz(RgbReal v)
{
    return Xyz{v.red, v.green, v.blue};
}
constexpr Lab ToLab(RgbReal v)
{
    return Lab{v.red, v.green, v.blue};
}

// The sRGB and Display P3 matrices as the exact fractions their primaries and
// white give; computed in doubles they make a grey's X:Y:Z exactly the white's.
constexpr Matrix kLinearSrgbToXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                   {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                   {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Matrix kXyzToLinearSrgb{{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                   {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                   {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr Matrix kLinearP3ToXyz{{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                                 {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                                 {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
constexpr Matrix kXyzToLinearP3{{{446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
                                 {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
                                 {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415}}};

constexpr Matrix kLinearA98ToXyz{{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
                                  {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
                                  {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
constexpr Matrix kLinear2020ToXyz{
    {{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
     {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
     {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};
// ProPhoto's primaries give no exact fractions; 64-bit values.
constexpr Matrix kLinearProPhotoToXyz{
    {{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
     {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
     {0.0, 0.0, 0.82510460251046020}}};

constexpr Matrix kD65ToD50{{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                            {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                            {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Matrix kD50ToD65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                            {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                            {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};

// OKLab's matrices recomputed for the same D65 white as the XYZ above.
constexpr Matrix kXyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                            {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                            {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix kLmsToOkLab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                              {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                              {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix kLmsToXyz{{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                            {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                            {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Matrix kOkLabToLms{{{1.0, 0.3963377773761749, 0.2158037573099136},
                              {1.0, -0.1055613458156586, -0.0638541728258133},
                              {1.0, -0.0894841775298119, -1.2914855480194092}}};

constexpr Matrix Product(const Matrix& a, const Matrix& b)
{
    Matrix p{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            p.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return p;
}

// OKLab straight from and to linear sRGB: one matrix where two would run, for
// the conversions made a million times over (printing, picture palettes).
constexpr Matrix kLinearSrgbToLms = Product(kXyzToLms, kLinearSrgbToXyz);
constexpr Matrix kLmsToLinearSrgb = Product(kXyzToLinearSrgb, kLmsToXyz);

// D50 white from its four-figure chromaticity, as CIE Lab is defined on it.
constexpr double kD50X = 0.3457 / 0.3585;
constexpr double kD50Z = (1.0 - 0.3457 - 0.3585) / 0.3585;
constexpr double kLabEpsilon = 216.0 / 24389;
constexpr double kLabKappa = 24389.0 / 27;

double LabF(double t)
{
    return t > kLabEpsilon ? std::cbrt(t) : (kLabKappa * t + 16) / 116;
}
double LabFInverse(double f)
{
    const double cube = f * f * f;
    return cube > kLabEpsilon ? cube : (116 * f - 16) / kLabKappa;
}

RgbReal Clipped(RgbReal c)
{
    auto clip = [](double v) { return v < 0 ? 0.0 : v > 1 ? 1.0 : v; };
    return RgbReal{clip(c.red), clip(c.green), clip(c.blue)};
}

Lab SrgbToOkLab(RgbReal srgb)
{
    return LinearSrgbToOkLab(SrgbToLinear(srgb));
}

bool IsGrey(Rgb c)
{
    return c.red == c.green && c.green == c.blue;
}

} // namespace

double SrgbToLinear(double component)
{
    const double magnitude = std::fabs(component);
    if (magnitude <= 0.04045)
        return component / 12.92;
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), component);
}

double LinearToSrgb(double component)
{
    const double magnitude = std::fabs(component);
    if (magnitude <= 0.0031308)
        return component * 12.92;
    return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, component);
}

RgbReal SrgbToLinear(RgbReal c)
{
    return RgbReal{SrgbToLinear(c.red), SrgbToLinear(c.green), SrgbToLinear(c.blue)};
}

RgbReal LinearToSrgb(RgbReal c)
{
    return RgbReal{LinearToSrgb(c.red), LinearToSrgb(c.green), LinearToSrgb(c.blue)};
}

RgbReal RgbToReal(Rgb c)
{
    return RgbReal{c.red / 255.0, c.green / 255.0, c.blue / 255.0};
}

Rgb RealToRgb(RgbReal c)
{
    const RgbReal clipped = Clipped(c);
    auto byte = [](double v) { return std::uint8_t(std::floor(v * 255 + 0.5)); };
    return Rgb{byte(clipped.red), byte(clipped.green), byte(clipped.blue)};
}

Xyz LinearSrgbToXyzD65(RgbReal c)
{
    return ToXyz(Apply(kLinearSrgbToXyz, c.red, c.green, c.blue));
}

RgbReal XyzD65ToLinearSrgb(Xyz c)
{
    return Apply(kXyzToLinearSrgb, c.x, c.y, c.z);
}

Xyz LinearDisplayP3ToXyzD65(RgbReal c)
{
    return ToXyz(Apply(kLinearP3ToXyz, c.red, c.green, c.blue));
}

RgbReal XyzD65ToLinearDisplayP3(Xyz c)
{
    return Apply(kXyzToLinearP3, c.x, c.y, c.z);
}

Xyz A98RgbToXyzD65(RgbReal c)
{
    auto linear = [](double v) { return std::copysign(std::pow(std::fabs(v), 563.0 / 256), v); };
    return ToXyz(Apply(kLinearA98ToXyz, linear(c.red), linear(c.green), linear(c.blue)));
}

Xyz Rec2020ToXyzD65(RgbReal c)
{
    auto linear = [](double v) {
        constexpr double alpha = 1.09929682680944;
        constexpr double beta = 0.018053968510807;
        const double magnitude = std::fabs(v);
        if (magnitude < beta * 4.5)
            return v / 4.5;
        return std::copysign(std::pow((magnitude + alpha - 1) / alpha, 1 / 0.45), v);
    };
    return ToXyz(Apply(kLinear2020ToXyz, linear(c.red), linear(c.green), linear(c.blue)));
}

Xyz ProPhotoRgbToXyzD50(RgbReal c)
{
    auto linear = [](double v) {
        const double magnitude = std::fabs(v);
        if (magnitude <= 16.0 / 512)
            return v / 16;
        return std::copysign(std::pow(magnitude, 1.8), v);
    };
    return ToXyz(Apply(kLinearProPhotoToXyz, linear(c.red), linear(c.green), linear(c.blue)));
}

Xyz XyzD65ToD50(Xyz c)
{
    return ToXyz(Apply(kD65ToD50, c.x, c.y, c.z));
}

Xyz XyzD50ToD65(Xyz c)
{
    return ToXyz(Apply(kD50ToD65, c.x, c.y, c.z));
}

Lab XyzD50ToLab(Xyz c)
{
    const double fx = LabF(c.x / kD50X);
    const double fy = LabF(c.y);
    const double fz = LabF(c.z / kD50Z);
    return Lab{116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Xyz LabToXyzD50(Lab c)
{
    const double fy = (c.l + 16) / 116;
    const double fx = c.a / 500 + fy;
    const double fz = fy - c.b / 200;
    const double y = c.l > kLabKappa * kLabEpsilon ? fy * fy * fy : c.l / kLabKappa;
    return Xyz{LabFInverse(fx) * kD50X, y, LabFInverse(fz) * kD50Z};
}

Lab XyzD65ToOkLab(Xyz c)
{
    const RgbReal lms = Apply(kXyzToLms, c.x, c.y, c.z);
    // cbrt keeps the sign, which a general power would not.
    return ToLab(Apply(kLmsToOkLab, std::cbrt(lms.red), std::cbrt(lms.green), std::cbrt(lms.blue)));
}

Xyz OkLabToXyzD65(Lab c)
{
    const RgbReal lms = Apply(kOkLabToLms, c.l, c.a, c.b);
    return ToXyz(Apply(kLmsToXyz, lms.red * lms.red * lms.red, lms.green * lms.green * lms.green,
                       lms.blue * lms.blue * lms.blue));
}

Lch LabToLch(Lab c)
{
    const double chroma = std::sqrt(c.a * c.a + c.b * c.b);
    if (chroma == 0)
        return Lch{c.l, 0, 0};
    double hue = std::atan2(c.b, c.a) * 180 / kPi;
    if (hue < 0)
        hue += 360;
    return Lch{c.l, chroma, hue};
}

Lab LchToLab(Lch c)
{
    const double radians = c.h * kPi / 180;
    return Lab{c.l, c.c * std::cos(radians), c.c * std::sin(radians)};
}

double DeltaEOk(Lab a, Lab b)
{
    const double dl = a.l - b.l;
    const double da = a.a - b.a;
    const double db = a.b - b.b;
    return std::sqrt(dl * dl + da * da + db * db);
}

RgbReal RgbToLinearSrgb(Rgb c)
{
    // The 256 values, each the same double the curve gives, made on first use:
    // three powers per colour are most of a conversion's time.
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i)
            values[i] = SrgbToLinear(i / 255.0);
        return values;
    }();
    return RgbReal{linear[c.red], linear[c.green], linear[c.blue]};
}

Xyz RgbToXyzD65(Rgb c)
{
    return LinearSrgbToXyzD65(RgbToLinearSrgb(c));
}

Xyz RgbToXyzD50(Rgb c)
{
    return XyzD65ToD50(RgbToXyzD65(c));
}

Lab RgbToLab(Rgb c)
{
    Lab lab = XyzD50ToLab(RgbToXyzD50(c));
    // The adaptation matrix leaves a grey a few units in the last place off neutral.
    if (IsGrey(c))
        lab.a = lab.b = 0;
    return lab;
}

Lch RgbToLch(Rgb c)
{
    return LabToLch(RgbToLab(c));
}

Lab LinearSrgbToOkLab(RgbReal c)
{
    const RgbReal lms = Apply(kLinearSrgbToLms, c.red, c.green, c.blue);
    return ToLab(Apply(kLmsToOkLab, std::cbrt(lms.red), std::cbrt(lms.green), std::cbrt(lms.blue)));
}

RgbReal OkLabToLinearSrgb(Lab c)
{
    const RgbReal lms = Apply(kOkLabToLms, c.l, c.a, c.b);
    return Apply(kLmsToLinearSrgb, lms.red * lms.red * lms.red, lms.green * lms.green * lms.green,
                 lms.blue * lms.blue * lms.blue);
}

Lab RgbToOkLab(Rgb c)
{
    Lab lab = LinearSrgbToOkLab(RgbToLinearSrgb(c));
    if (IsGrey(c))
        lab.a = lab.b = 0;
    return lab;
}

Lch RgbToOkLch(Rgb c)
{
    return LabToLch(RgbToOkLab(c));
}

RgbReal RgbToDisplayP3(Rgb c)
{
    return LinearToSrgb(XyzD65ToLinearDisplayP3(RgbToXyzD65(c)));
}

RgbReal XyzD65ToSrgb(Xyz c)
{
    return LinearToSrgb(XyzD65ToLinearSrgb(c));
}

RgbReal XyzD50ToSrgb(Xyz c)
{
    return XyzD65ToSrgb(XyzD50ToD65(c));
}

RgbReal LabToSrgb(Lab c)
{
    return XyzD50ToSrgb(LabToXyzD50(c));
}

RgbReal OkLabToSrgb(Lab c)
{
    return LinearToSrgb(OkLabToLinearSrgb(c));
}

RgbReal DisplayP3ToSrgb(RgbReal c)
{
    return XyzD65ToSrgb(LinearDisplayP3ToXyzD65(SrgbToLinear(c)));
}

bool IsInUnitRange(RgbReal c, double tolerance)
{
    auto inside = [tolerance](double v) { return v >= -tolerance && v <= 1 + tolerance; };
    return inside(c.red) && inside(c.green) && inside(c.blue);
}

RgbReal GamutMapToSrgb(Lch okLch, bool* mapped)
{
    constexpr double kJnd = 0.02;
    constexpr double kEpsilon = 0.0001;
    constexpr double kHalfStep = 0.5 / 255;
    if (mapped)
        *mapped = false;
    Lch current = okLch;
    const RgbReal origin = OkLabToSrgb(LchToLab(current));
    // Less than half an 8-bit step outside rounds as the edge itself does: a
    // colour read back from its own short text lands there and is not mapped.
    if (IsInUnitRange(origin, kHalfStep))
        return Clipped(origin);
    if (mapped)
        *mapped = true;
    if (okLch.l >= 1)
        return RgbReal{1, 1, 1};
    if (okLch.l <= 0)
        return RgbReal{0, 0, 0};
    RgbReal clipped = Clipped(origin);
    if (DeltaEOk(SrgbToOkLab(clipped), LchToLab(current)) < kJnd)
        return clipped;
    double low = 0;
    double high = current.c;
    bool lowInGamut = true;
    while (high - low > kEpsilon) {
        current.c = (low + high) / 2;
        const RgbReal candidate = OkLabToSrgb(LchToLab(current));
        if (lowInGamut && IsInUnitRange(candidate)) {
            low = current.c;
            continue;
        }
        clipped = Clipped(candidate);
        const double error = DeltaEOk(SrgbToOkLab(clipped), LchToLab(current));
        if (error < kJnd) {
            if (kJnd - error < kEpsilon)
                return clipped;
            lowInGamut = false;
            low = current.c;
        } else {
            high = current.c;
        }
    }
    return clipped;
}
