// The portable colour arithmetic, on every target. The conversion rows are inputs
// where the rounding is delicate: plain doubles, extended precision without the
// stores into doubles, or quad precision with them give another result. Their
// expected values were computed once with the x87 path.
#include "colour/ExtendedArithmetic.h"
#include "colour/PortableColourArithmetic.h"
#include "support/ColourPrinting.h"

#include <QtTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(SoftExtended)

QByteArray Describe(const SoftExtended& x)
{
    return (x.IsNegative() ? "-0x" : "0x") + QByteArray::number(x.Significand(), 16) + 'p' +
           QByteArray::number(x.Exponent());
}

namespace QTest {
template <> char* toString(const SoftExtended& x)
{
    return qstrdup(Describe(x));
}
} // namespace QTest

namespace {

using Ext = SoftExtended;

// red, green, blue, then hue, saturation, lightness
constexpr int kRgbToHslRows[][6] = {
    {8, 1, 0, 7, 100, 2},         {97, 85, 1, 53, 98, 19},      {184, 242, 2, 75, 98, 48},
    {237, 77, 3, 19, 97, 47},     {237, 208, 5, 53, 96, 47},    {33, 247, 7, 113, 94, 50},
    {24, 120, 8, 111, 88, 25},    {2, 3, 10, 233, 67, 2},       {195, 79, 13, 22, 88, 41},
    {168, 210, 14, 73, 88, 44},   {12, 52, 15, 125, 62, 13},    {21, 78, 18, 117, 62, 19},
    {140, 21, 20, 0, 75, 31},     {132, 141, 21, 65, 74, 32},   {35, 55, 23, 97, 41, 15},
    {67, 137, 25, 97, 69, 32},    {75, 109, 29, 86, 58, 27},    {8, 120, 30, 132, 88, 25},
    {153, 66, 33, 17, 65, 36},    {65, 25, 36, 343, 44, 18},    {76, 156, 36, 100, 62, 38},
    {159, 146, 39, 53, 61, 39},   {233, 65, 41, 7, 81, 54},     {182, 72, 42, 13, 62, 44},
    {47, 31, 45, 307, 21, 15},    {72, 126, 46, 101, 47, 34},   {5, 125, 48, 141, 92, 25},
    {189, 148, 51, 42, 57, 47},   {121, 189, 51, 90, 57, 47},   {44, 92, 54, 133, 35, 27},
    {9, 11, 57, 237, 73, 13},     {58, 97, 57, 118, 26, 30},    {16, 136, 59, 141, 79, 30},
    {26, 194, 61, 133, 76, 43},   {49, 15, 63, 282, 62, 15},    {143, 209, 65, 87, 61, 54},
    {44, 124, 66, 136, 48, 33},   {21, 31, 69, 227, 53, 18},    {56, 62, 72, 217, 12, 25},
    {99, 112, 72, 79, 22, 36},    {35, 40, 75, 233, 36, 22},    {1, 241, 75, 139, 99, 47},
    {196, 157, 76, 41, 50, 53},   {127, 7, 78, 325, 90, 26},    {170, 199, 79, 75, 52, 55},
    {159, 128, 81, 36, 33, 47},   {3, 123, 82, 159, 95, 25},    {104, 125, 85, 91, 19, 41},
    {166, 156, 86, 53, 32, 49},   {115, 160, 88, 97, 29, 49},   {35, 42, 91, 233, 44, 25},
    {92, 84, 91, 307, 5, 35},     {70, 79, 94, 217, 15, 32},    {46, 114, 96, 164, 43, 31},
    {126, 6, 97, 315, 91, 26},    {20, 30, 100, 233, 67, 24},   {122, 66, 101, 323, 30, 37},
    {136, 64, 103, 327, 36, 39},  {78, 192, 105, 134, 47, 53},  {74, 86, 106, 217, 18, 35},
    {78, 222, 108, 133, 69, 59},  {3, 243, 109, 146, 98, 48},   {151, 126, 111, 23, 16, 51},
    {133, 13, 112, 311, 82, 29},  {146, 26, 115, 315, 70, 34},  {76, 109, 116, 191, 21, 38},
    {92, 38, 118, 281, 51, 31},   {119, 0, 120, 300, 100, 24},  {95, 215, 120, 133, 60, 61},
    {34, 1, 121, 257, 98, 24},    {93, 2, 122, 285, 97, 24},    {4, 140, 123, 173, 94, 28},
    {123, 4, 124, 300, 94, 25},   {102, 85, 125, 265, 19, 41},  {89, 86, 126, 245, 19, 42},
    {37, 8, 128, 255, 88, 27},    {198, 14, 129, 323, 87, 42},  {125, 111, 129, 287, 7, 47},
    {39, 10, 130, 255, 86, 27},   {199, 227, 131, 77, 63, 70},  {66, 204, 133, 149, 58, 53},
    {103, 14, 134, 285, 81, 29},  {158, 198, 134, 97, 36, 65},  {77, 16, 136, 270, 79, 30},
    {17, 116, 137, 191, 78, 30},  {109, 18, 138, 285, 77, 31},  {186, 164, 138, 33, 26, 64},
    {157, 21, 140, 307, 76, 35},  {156, 36, 143, 306, 62, 38},  {71, 86, 143, 227, 34, 42},
    {9, 249, 143, 154, 95, 51},   {143, 24, 144, 300, 71, 33},  {116, 236, 145, 135, 76, 69},
    {176, 80, 148, 317, 38, 50},  {72, 29, 149, 261, 67, 35},   {59, 30, 150, 255, 67, 35},
    {224, 104, 151, 337, 66, 64}, {91, 32, 152, 270, 65, 36},   {64, 33, 153, 255, 65, 36},
    {89, 113, 153, 217, 26, 47},  {90, 6, 154, 274, 93, 31},    {65, 34, 154, 255, 64, 37},
    {198, 54, 156, 317, 57, 49},  {66, 37, 157, 255, 62, 38},   {148, 188, 157, 134, 23, 66},
    {69, 38, 158, 255, 61, 38},   {250, 90, 158, 335, 94, 67},  {98, 39, 159, 270, 61, 39},
    {101, 40, 160, 270, 60, 39},  {163, 139, 160, 307, 12, 59}, {72, 41, 161, 255, 59, 40},
    {110, 66, 162, 267, 42, 45},  {134, 123, 163, 257, 18, 56}, {74, 45, 165, 255, 57, 41},
    {75, 46, 166, 255, 57, 42},   {238, 46, 166, 323, 85, 56},  {46, 129, 166, 199, 57, 42},
    {48, 47, 167, 240, 56, 42},   {107, 48, 168, 270, 56, 42},  {121, 241, 168, 143, 81, 71},
    {80, 49, 169, 255, 55, 43},   {131, 146, 171, 217, 19, 59}, {192, 227, 171, 97, 50, 78},
    {54, 53, 173, 240, 53, 44},   {144, 53, 173, 285, 53, 44},  {145, 54, 174, 285, 53, 45},
    {96, 145, 174, 202, 33, 53},  {174, 55, 175, 300, 52, 45},  {160, 162, 176, 233, 9, 66},
    {58, 57, 177, 240, 51, 46},   {106, 63, 177, 263, 47, 47},  {87, 58, 178, 255, 51, 46},
    {81, 193, 179, 173, 47, 54},  {181, 188, 180, 113, 6, 72},  {92, 61, 181, 255, 50, 47},
    {75, 62, 182, 247, 49, 48},   {93, 62, 182, 255, 49, 48},   {124, 63, 183, 270, 49, 48},
    {250, 180, 183, 357, 87, 84}, {125, 64, 184, 270, 48, 49},  {222, 48, 186, 312, 72, 53},
    {248, 182, 186, 356, 82, 84}, {45, 123, 189, 208, 62, 46},  {71, 70, 190, 240, 48, 51},
    {126, 134, 190, 233, 33, 62}, {73, 72, 192, 240, 49, 52},   {93, 78, 192, 248, 47, 53},
    {155, 195, 194, 179, 25, 69}, {193, 209, 195, 127, 15, 79}, {36, 192, 196, 181, 69, 45},
    {197, 78, 198, 300, 51, 54},  {156, 79, 199, 279, 52, 55},  {81, 80, 200, 240, 52, 55},
    {91, 39, 201, 259, 67, 47},   {57, 123, 201, 213, 57, 51},  {132, 135, 204, 237, 41, 66},
    {202, 165, 205, 295, 29, 73}, {205, 86, 206, 300, 55, 57},  {214, 174, 207, 311, 33, 76},
    {89, 88, 208, 240, 56, 58},   {26, 49, 210, 233, 78, 46},   {60, 185, 210, 190, 62, 53},
    {255, 15, 213, 311, 100, 53}, {96, 95, 215, 240, 60, 61},   {241, 161, 215, 319, 74, 79},
    {114, 54, 216, 262, 67, 53},  {216, 97, 217, 300, 61, 62},  {209, 178, 218, 287, 35, 78},
    {176, 21, 221, 287, 83, 47},  {244, 68, 222, 307, 89, 61},  {222, 103, 223, 300, 65, 64},
    {145, 155, 225, 233, 57, 73}, {217, 218, 225, 233, 12, 87}, {138, 193, 228, 203, 63, 72},
    {111, 110, 230, 240, 71, 67}, {9, 48, 231, 229, 93, 47},    {23, 101, 231, 217, 82, 50},
    {113, 112, 232, 240, 72, 67}, {26, 104, 234, 217, 83, 51},  {246, 198, 236, 313, 73, 87},
    {13, 97, 237, 217, 90, 49},   {119, 118, 238, 240, 78, 70}, {118, 0, 240, 270, 100, 47},
    {176, 184, 240, 233, 68, 82}, {242, 60, 241, 300, 87, 59},  {1, 75, 241, 221, 99, 47},
    {3, 169, 243, 199, 98, 48},   {193, 124, 244, 275, 85, 72}, {141, 53, 245, 267, 91, 58},
    {127, 126, 246, 240, 87, 73}, {7, 233, 247, 184, 94, 50},   {246, 8, 248, 300, 94, 50},
    {80, 87, 248, 237, 92, 64},   {130, 129, 249, 240, 91, 74}, {34, 97, 250, 223, 96, 56},
    {249, 130, 250, 300, 92, 75}, {190, 12, 252, 285, 98, 52},  {12, 70, 252, 225, 98, 52},
    {134, 133, 253, 240, 97, 76}, {133, 206, 253, 203, 97, 76}, {136, 135, 255, 240, 100, 76},
};

// hue, saturation, lightness, then red, green, blue
constexpr int kHslToRgbRows[][6] = {
    {0, 2, 1, 3, 3, 3},           {2, 10, 45, 127, 104, 103},   {2, 100, 50, 255, 8, 0},
    {3, 30, 26, 86, 48, 47},      {4, 48, 37, 140, 55, 50},     {6, 100, 50, 255, 26, 0},
    {7, 100, 97, 255, 241, 240},  {9, 2, 13, 34, 33, 33},       {10, 3, 29, 77, 73, 72},
    {13, 66, 71, 230, 153, 133},  {14, 4, 41, 109, 103, 101},   {17, 2, 23, 60, 58, 57},
    {20, 41, 69, 209, 165, 144},  {20, 41, 71, 211, 171, 151},  {23, 59, 65, 219, 153, 113},
    {26, 45, 55, 192, 134, 89},   {27, 2, 27, 71, 69, 67},      {29, 63, 9, 37, 23, 8},
    {31, 53, 51, 196, 133, 64},   {32, 19, 85, 224, 217, 210},  {34, 61, 95, 250, 243, 235},
    {36, 18, 59, 170, 155, 132},  {36, 54, 51, 198, 143, 63},   {38, 80, 15, 69, 47, 8},
    {40, 33, 85, 229, 221, 204},  {42, 5, 48, 129, 126, 117},   {42, 57, 29, 116, 91, 32},
    {42, 76, 21, 95, 70, 13},     {43, 30, 74, 209, 198, 169},  {46, 3, 51, 134, 133, 127},
    {46, 62, 65, 221, 195, 111},  {49, 45, 95, 248, 246, 237},  {53, 7, 45, 123, 121, 107},
    {56, 38, 95, 247, 247, 237},  {59, 2, 13, 34, 34, 33},      {59, 42, 61, 197, 197, 114},
    {63, 17, 55, 158, 161, 121},  {65, 2, 55, 143, 143, 138},   {66, 2, 85, 217, 218, 216},
    {69, 58, 61, 197, 214, 98},   {71, 61, 85, 232, 240, 193},  {73, 3, 81, 207, 208, 205},
    {76, 49, 85, 226, 235, 198},  {77, 49, 55, 165, 197, 84},   {78, 10, 5, 13, 14, 11},
    {78, 65, 61, 182, 221, 91},   {78, 85, 18, 62, 85, 7},      {80, 17, 35, 95, 105, 74},
    {83, 92, 5, 15, 24, 1},       {84, 8, 51, 133, 140, 121},   {84, 82, 38, 113, 176, 17},
    {87, 56, 5, 13, 20, 6},       {89, 57, 93, 237, 247, 227},  {92, 2, 41, 105, 107, 103},
    {92, 34, 1, 3, 3, 2},         {95, 41, 73, 182, 215, 158},  {97, 45, 59, 140, 198, 103},
    {98, 49, 65, 154, 209, 122},  {102, 26, 35, 80, 113, 67},   {104, 14, 95, 242, 244, 241},
    {105, 75, 79, 181, 242, 161}, {109, 14, 55, 131, 157, 125}, {110, 56, 91, 223, 245, 219},
    {111, 65, 61, 110, 221, 91},  {114, 61, 55, 85, 210, 71},   {115, 76, 9, 8, 41, 6},
    {117, 57, 45, 56, 180, 49},   {120, 88, 45, 13, 216, 13},   {121, 43, 19, 28, 70, 29},
    {123, 70, 77, 155, 238, 159}, {126, 84, 5, 2, 23, 4},       {126, 84, 15, 6, 71, 13},
    {129, 59, 37, 38, 150, 55},   {131, 80, 97, 241, 253, 243}, {132, 41, 59, 108, 193, 125},
    {135, 83, 7, 3, 33, 11},      {138, 21, 15, 30, 47, 35},    {139, 17, 85, 210, 223, 214},
    {142, 97, 45, 4, 226, 85},    {144, 45, 65, 125, 206, 158}, {146, 2, 1, 3, 3, 3},
    {148, 96, 55, 30, 251, 133},  {149, 68, 39, 32, 167, 97},   {151, 50, 81, 182, 231, 207},
    {153, 60, 5, 5, 20, 13},      {154, 43, 15, 22, 55, 41},    {156, 22, 87, 215, 229, 223},
    {157, 61, 65, 111, 220, 179}, {158, 6, 63, 155, 167, 163},  {161, 17, 85, 210, 223, 219},
    {162, 41, 16, 24, 58, 48},    {162, 41, 17, 26, 61, 51},    {162, 97, 46, 4, 231, 163},
    {164, 45, 85, 199, 234, 225}, {164, 92, 95, 231, 254, 248}, {168, 37, 35, 57, 123, 109},
    {170, 80, 95, 232, 253, 249}, {171, 92, 95, 231, 254, 251}, {175, 41, 89, 216, 239, 237},
    {176, 93, 51, 14, 246, 231},  {178, 37, 3, 5, 11, 10},      {182, 2, 1, 3, 3, 3},
    {183, 45, 85, 199, 232, 234}, {184, 93, 65, 83, 237, 249},  {188, 37, 47, 76, 152, 165},
    {189, 41, 79, 180, 217, 223}, {191, 100, 35, 0, 146, 179},  {195, 49, 65, 122, 188, 209},
    {195, 88, 35, 11, 128, 168},  {197, 90, 63, 76, 197, 245},  {198, 47, 40, 54, 121, 150},
    {198, 99, 90, 204, 239, 255}, {202, 7, 55, 133, 143, 149},  {202, 73, 5, 3, 15, 22},
    {204, 54, 32, 38, 90, 126},   {205, 61, 55, 71, 152, 210},  {206, 45, 65, 125, 171, 206},
    {209, 39, 93, 230, 237, 244}, {210, 41, 87, 208, 222, 235}, {211, 63, 29, 27, 73, 121},
    {214, 21, 35, 71, 87, 109},   {215, 80, 93, 223, 235, 251}, {217, 45, 12, 17, 28, 44},
    {221, 2, 13, 33, 33, 34},     {222, 6, 1, 2, 3, 3},         {224, 61, 55, 71, 107, 210},
    {227, 88, 15, 5, 19, 72},     {228, 41, 99, 251, 252, 253}, {231, 14, 95, 241, 241, 244},
    {233, 49, 85, 198, 202, 235}, {236, 93, 31, 6, 15, 153},    {238, 96, 55, 30, 37, 251},
    {239, 43, 33, 48, 49, 121},   {243, 10, 42, 98, 97, 118},   {244, 73, 35, 33, 25, 155},
    {245, 76, 21, 20, 13, 95},    {249, 5, 40, 98, 98, 107},    {249, 95, 35, 30, 4, 174},
    {251, 22, 85, 211, 208, 225}, {254, 73, 45, 70, 31, 199},   {256, 14, 85, 214, 211, 222},
    {258, 5, 13, 33, 32, 35},     {261, 76, 39, 76, 24, 175},   {262, 80, 55, 116, 49, 233},
    {264, 80, 67, 157, 104, 239}, {268, 14, 65, 165, 153, 179}, {268, 34, 29, 73, 49, 99},
    {270, 80, 93, 237, 223, 251}, {272, 83, 45, 121, 20, 210},  {275, 92, 85, 223, 181, 252},
    {276, 73, 15, 44, 11, 66},    {276, 82, 52, 153, 32, 233},  {280, 2, 13, 34, 33, 34},
    {282, 7, 23, 60, 55, 63},     {282, 17, 82, 213, 201, 217}, {282, 83, 40, 135, 18, 186},
    {283, 10, 85, 218, 213, 221}, {283, 94, 69, 209, 102, 250}, {287, 26, 5, 15, 9, 16},
    {288, 69, 69, 209, 122, 231}, {290, 62, 99, 253, 251, 254}, {294, 30, 95, 245, 239, 246},
    {295, 26, 35, 109, 67, 113},  {297, 19, 95, 245, 240, 245}, {300, 88, 45, 216, 13, 216},
    {301, 38, 47, 165, 74, 165},  {304, 15, 51, 149, 112, 147}, {307, 26, 5, 16, 9, 15},
    {307, 26, 15, 48, 29, 46},    {310, 80, 81, 245, 168, 232}, {313, 80, 65, 237, 95, 207},
    {314, 37, 19, 67, 31, 58},    {317, 30, 47, 156, 85, 136},  {318, 11, 56, 156, 131, 148},
    {318, 23, 45, 141, 89, 125},  {318, 85, 63, 241, 80, 193},  {319, 88, 45, 216, 13, 151},
    {321, 41, 77, 221, 173, 204}, {324, 22, 60, 176, 131, 157}, {324, 58, 50, 202, 54, 143},
    {325, 37, 33, 115, 53, 90},   {328, 29, 67, 196, 147, 173}, {329, 33, 85, 229, 204, 217},
    {330, 100, 15, 77, 0, 38},    {333, 24, 43, 136, 83, 107},  {333, 80, 81, 245, 168, 203},
    {336, 53, 5, 19, 6, 11},      {339, 84, 15, 71, 6, 29},     {343, 41, 59, 193, 108, 132},
    {346, 27, 95, 246, 239, 241}, {346, 76, 41, 185, 25, 62},   {350, 21, 85, 225, 209, 211},
    {351, 80, 67, 239, 104, 124}, {352, 37, 7, 25, 11, 13},     {355, 92, 51, 245, 15, 35},
    {357, 33, 95, 247, 238, 239}, {358, 37, 49, 171, 79, 82},
};

Rgb MakeRgb(int red, int green, int blue)
{
    return Rgb{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
}

bool SameBits(Ext a, Ext b)
{
    return a.IsNegative() == b.IsNegative() && a.Significand() == b.Significand() &&
           (a.IsZero() || a.Exponent() == b.Exponent());
}

#ifdef KROMI_HAS_X87_COLOUR_ARITHMETIC
Ext FromLongDouble(long double value)
{
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    return Ext::Scaled(std::signbit(value), std::uint64_t(std::ldexp(fraction, 64)), exponent - 64);
}

// Some significands have few bits so that exact ties occur.
long double RandomOperand(std::mt19937_64& random, int exponent)
{
    std::uint64_t significand = random() | std::uint64_t(1) << 63;
    if (random() % 4 == 0)
        significand &= ~std::uint64_t(0) << (random() % 64);
    const long double magnitude = std::ldexp((long double)significand, exponent - 63);
    return random() % 2 ? -magnitude : magnitude;
}

// Mostly close exponents (carries, cancellation, ties), some far apart (sticky bits).
int RandomGap(std::mt19937_64& random)
{
    switch (random() % 4) {
    case 0:
        return 0;
    case 1:
        return int(random() % 7) - 3;
    case 2:
        return int(random() % 141) - 70;
    default:
        return int(random() % 301) - 150;
    }
}
#endif

} // namespace

class PortableColourTest : public QObject
{
    Q_OBJECT
private slots:
    void rgbToHsl_data();
    void rgbToHsl();
    void hslToRgb_data();
    void hslToRgb();
    void arithmetic_data();
    void arithmetic();
    void roundToInt_data();
    void roundToInt();
    void arithmeticMatchesX87();
};

void PortableColourTest::rgbToHsl_data()
{
    QTest::addColumn<Rgb>("rgb");
    QTest::addColumn<Hsl>("hsl");
    for (const auto& row : kRgbToHslRows)
        QTest::addRow("%d,%d,%d", row[0], row[1], row[2])
            << MakeRgb(row[0], row[1], row[2]) << Hsl{row[3], row[4], row[5]};
}

void PortableColourTest::rgbToHsl()
{
    QFETCH(Rgb, rgb);
    QFETCH(Hsl, hsl);
    QCOMPARE(RgbToHslPortable(rgb.red, rgb.green, rgb.blue), hsl);
}

void PortableColourTest::hslToRgb_data()
{
    QTest::addColumn<Hsl>("hsl");
    QTest::addColumn<Rgb>("rgb");
    for (const auto& row : kHslToRgbRows)
        QTest::addRow("%d,%d,%d", row[0], row[1], row[2])
            << Hsl{row[0], row[1], row[2]} << MakeRgb(row[3], row[4], row[5]);
}

void PortableColourTest::hslToRgb()
{
    QFETCH(Hsl, hsl);
    QFETCH(Rgb, rgb);
    QCOMPARE(HslToRgbPortable(hsl.hue, hsl.saturation, hsl.lightness), rgb);
}

void PortableColourTest::arithmetic_data()
{
    QTest::addColumn<char>("op"); // + - * /, or d: a rounded to a double
    QTest::addColumn<Ext>("a");
    QTest::addColumn<Ext>("b");
    QTest::addColumn<Ext>("result");
    const std::uint64_t top = std::uint64_t(1) << 63;
    const std::uint64_t ones = ~std::uint64_t(0);
    QTest::newRow("1 / 3 rounds up")
        << '/' << Ext(1) << Ext(3) << Ext::Scaled(false, 0xAAAAAAAAAAAAAAABu, -65);
    QTest::newRow("1 / 7 rounds down")
        << '/' << Ext(1) << Ext(7) << Ext::Scaled(false, 0x9249249249249249u, -66);
    QTest::newRow("-200 / 255") << '/' << Ext(-200) << Ext(255)
                                << Ext::Scaled(true, 0xC8C8C8C8C8C8C8C9u, -64);
    QTest::newRow("tie 1 + 2^-64 stays even")
        << '+' << Ext(1) << Ext::Scaled(false, 1, -64) << Ext(1);
    QTest::newRow("tie (1 + 2^-63) + 2^-64 rounds up to even")
        << '+' << Ext::Scaled(false, top + 1, -63) << Ext::Scaled(false, 1, -64)
        << Ext::Scaled(false, top + 2, -63);
    QTest::newRow("carry out of the significand")
        << '+' << Ext::Scaled(false, ones, -63) << Ext::Scaled(false, 3, -65) << Ext(2);
    QTest::newRow("exact cancellation") << '-' << Ext(3) << Ext(3) << Ext(0);
    QTest::newRow("sticky bits lift a tie")
        << '-' << Ext::Scaled(false, top + 3, -63) << Ext::Scaled(false, ones, -128)
        << Ext::Scaled(false, top + 3, -63);
    QTest::newRow("sticky bits keep a difference below the tie")
        << '-' << Ext(1) << Ext::Scaled(false, top + 1, -128) << Ext::Scaled(false, ones, -64);
    QTest::newRow("far below the last bit")
        << '-' << Ext(1) << Ext::Scaled(false, 1, -200) << Ext(1);
    QTest::newRow("product tie to even")
        << '*' << Ext::Scaled(false, top + 1, -63) << Ext::Scaled(false, 3, -1)
        << Ext::Scaled(false, 0xC000000000000002u, -63);
    QTest::newRow("product rounds down")
        << '*' << Ext::Scaled(false, top + 1, -63) << Ext::Scaled(false, top + 1, -63)
        << Ext::Scaled(false, top + 2, -63);
    QTest::newRow("negative product")
        << '*' << Ext(-5) << Ext::Scaled(false, 1, -2) << Ext::Scaled(true, 5, -2);
    QTest::newRow("double tie stays even")
        << 'd' << Ext::Scaled(false, 0x8000000000000400u, -63) << Ext() << Ext(1);
    QTest::newRow("double tie rounds up to even")
        << 'd' << Ext::Scaled(false, 0x8000000000000C00u, -63) << Ext()
        << Ext::Scaled(false, 0x8000000000001000u, -63);
    QTest::newRow("double above the tie") << 'd' << Ext::Scaled(false, 0x8000000000000401u, -63)
                                          << Ext() << Ext::Scaled(false, 0x8000000000000800u, -63);
    QTest::newRow("double carry") << 'd' << Ext::Scaled(false, 0xFFFFFFFFFFFFFC00u, -63) << Ext()
                                  << Ext(2);
}

void PortableColourTest::arithmetic()
{
    QFETCH(char, op);
    QFETCH(Ext, a);
    QFETCH(Ext, b);
    QFETCH(Ext, result);
    const Ext actual = op == '+'   ? a + b
                       : op == '-' ? a - b
                       : op == '*' ? a * b
                       : op == '/' ? a / b
                                   : a.RoundedToDouble();
    QVERIFY2(SameBits(actual, result), Describe(actual).constData());
}

void PortableColourTest::roundToInt_data()
{
    QTest::addColumn<Ext>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5") << Ext::Scaled(false, 5, -1) << 2;
    QTest::newRow("3.5") << Ext::Scaled(false, 7, -1) << 4;
    QTest::newRow("-2.5") << Ext::Scaled(true, 5, -1) << -2;
    QTest::newRow("0.5") << Ext::Scaled(false, 1, -1) << 0;
    QTest::newRow("just above 2.5") << Ext::Scaled(false, (std::uint64_t(5) << 61) + 1, -62) << 3;
    QTest::newRow("just below 0.5") << Ext::Scaled(false, ~std::uint64_t(0), -65) << 0;
    QTest::newRow("-7.75") << Ext::Scaled(true, 31, -2) << -8;
    QTest::newRow("255") << Ext(255) << 255;
    QTest::newRow("zero") << Ext(0) << 0;
}

void PortableColourTest::roundToInt()
{
    QFETCH(Ext, value);
    QFETCH(int, rounded);
    QCOMPARE(value.RoundToInt(), rounded);
}

void PortableColourTest::arithmeticMatchesX87()
{
#ifndef KROMI_HAS_X87_COLOUR_ARITHMETIC
    QSKIP("no x87 extended precision on this target");
#else
    std::mt19937_64 random(1987);
    for (int i = 0; i < 100000; ++i) {
        const int exponent = int(random() % 41) - 20;
        const long double a = RandomOperand(random, exponent);
        const long double b = RandomOperand(random, exponent + RandomGap(random));
        const Ext x = FromLongDouble(a);
        const Ext y = FromLongDouble(b);
        const auto same = [&](const char* what, Ext actual, long double expected) {
            if (SameBits(actual, FromLongDouble(expected)))
                return true;
            qWarning("%s of %s and %s", what, Describe(x).constData(), Describe(y).constData());
            return false;
        };
        QVERIFY(same("sum", x + y, a + b));
        QVERIFY(same("difference", x - y, a - b));
        QVERIFY(same("product", x * y, a * b));
        QVERIFY(same("quotient", x / y, a / b));
        QVERIFY(same("double", x.RoundedToDouble(), (long double)(double)a));
        QCOMPARE(x < y, a < b);
        QCOMPARE(x == y, a == b);
        const long double small = std::ldexp(a, int(random() % 30) - exponent - 1);
        QCOMPARE(FromLongDouble(small).RoundToInt(), int(std::lrint(small)));
    }
#endif
}

QTEST_APPLESS_MAIN(PortableColourTest)
#include "tst_portablecolour.moc"
