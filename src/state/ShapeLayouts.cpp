#include "state/ShapeLayouts.h"

#include <cstddef>

namespace {

constexpr char kFillerParagraph[] =
    "Lorem ipsum dolor sit amet, consectetur adipisicing elit, sed do eiusmod tempor "
    "incididunt ut  labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud "
    "exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat. Duis aute irure.";
constexpr std::size_t kParagraphLength = sizeof(kFillerParagraph) - 1;
static_assert(kParagraphLength == 250);

constexpr std::array<char, 4 * kParagraphLength + 1> RepeatParagraph()
{
    std::array<char, 4 * kParagraphLength + 1> text{};
    for (std::size_t i = 0; i < 4 * kParagraphLength; ++i)
        text[i] = kFillerParagraph[i % kParagraphLength];
    return text;
}
constexpr std::array<char, 4 * kParagraphLength + 1> kFillerText = RepeatParagraph();

constexpr ColorRef Grey(std::uint8_t level)
{
    return PackColour(level, level, level);
}

// An item at left 450 is parked: beyond the test area, neither seen nor reached.
// The grey squares Shape3 to Shape6 are parked in every layout.
constexpr ShapeCell kShape3 = {450, 128, 65, 65, Grey(207)};
constexpr ShapeCell kShape4 = {450, 264, 65, 65, Grey(188)};
constexpr ShapeCell kShape5 = {450, 280, 65, 65, Grey(173)};
constexpr ShapeCell kShape6 = {450, 320, 65, 65, Grey(158)};

// "Shapes 1" and "Shapes 2" park every text.
constexpr std::array<TextCell, kTestTextCount> kParkedTexts = {{
    {450, 160, 81, 33, 24, "Text1"},
    {450, 128, 60, 13, 8, "Text2"},
    {450, 144, 60, 13, 8, "Text3"},
    {450, 168, 60, 13, 8, "Text4"},
    {450, 192, 60, 13, 8, "Text5"},
    {450, 208, 60, 13, 8, "Text6"},
    {450, 232, 60, 13, 8, "Text7"},
    {450, 208, 60, 13, 8, "Text8"},
    {450, 224, 60, 17, 8, "Text9"},
    {450, 248, 60, 13, 8, "Text10"},
}};

constexpr std::array<ShapeLayout, kShapeLayoutCount> kLayouts = {{
    {"Shapes 1",
     false,
     {{
         {450, 24, 65, 65, Grey(242)},
         {450, 104, 65, 65, Grey(226)},
         kShape3,
         kShape4,
         kShape5,
         kShape6,
         {184, 144, 73, 73, PackColour(255, 210, 128)},
         {153, 120, 136, 120, PackColour(255, 146, 128)},
         {128, 96, 185, 169, PackColour(146, 128, 255)},
         {104, 72, 233, 217, PackColour(126, 255, 146)},
     }},
     kParkedTexts},
    {"Shapes 2",
     false,
     {{
         {450, 24, 65, 65, Grey(242)},
         {450, 104, 65, 65, Grey(226)},
         kShape3,
         kShape4,
         kShape5,
         kShape6,
         {450, 240, 73, 73, Grey(149)},
         {120, 165, 192, 25, PackColour(255, 0, 4)},
         {216, 144, 169, 65, PackColour(255, 215, 178)},
         {48, 144, 169, 65, PackColour(0, 0, 0)},
     }},
     kParkedTexts},
    {"Page 1",
     true,
     {{
         {11, 35, 414, 4, Grey(242)},
         {11, 364, 417, 4, Grey(226)},
         kShape3,
         kShape4,
         kShape5,
         kShape6,
         {450, 240, 73, 73, Grey(149)},
         {450, 165, 192, 25, Grey(139)},
         {450, 144, 169, 65, Grey(125)},
         {450, 144, 169, 65, Grey(100)},
     }},
     {{
         {12, 8, 141, 26, 18, "Lorem Ipsum"},
         {12, 48, 195, 313, 10, kFillerText.data()},
         {290, 48, 133, 63, 10,
          "Lorem ipsum dolor sit amet, consectetur adipisicing elit, sed do eiusmod tempor."},
         {220, 125, 197, 210, 10, kFillerText.data()},
         {372, 368, 53, 19, 10, "Page 5"},
         {450, 264, 35, 19, 10, "Text6"},
         {450, 288, 35, 19, 10, "Text7"},
         {450, 168, 35, 19, 10, "Text8"},
         {450, 280, 35, 19, 10, "Text9"},
         {450, 304, 43, 19, 10, "Text10"},
     }}},
    {"More...",
     false,
     {{
         {11, 107, 414, 4, Grey(242)},
         {3, 263, 417, 4, Grey(226)},
         kShape3,
         kShape4,
         kShape5,
         kShape6,
         {450, 240, 73, 73, Grey(149)},
         {450, 165, 192, 25, Grey(139)},
         {450, 144, 169, 65, Grey(125)},
         {450, 144, 169, 65, Grey(100)},
     }},
     {{
         {12, 72, 213, 33, 22, "Color Notes"},
         {47, 160, 333, 81, 12,
          "Drop a color on this paragraph to see how it reads as body text. Drop colors on "
          "the two rules that frame the page, and on the free area for the background."},
         {48, 136, 249, 17, 12, "How text reads on this background"},
         {450, 208, 121, 25, 12, "A short caption"},
         {450, 368, 53, 19, 12, "Text5"},
         {450, 264, 35, 19, 12, "Text6"},
         {450, 288, 35, 19, 12, "Text7"},
         {450, 168, 35, 19, 12, "Text8"},
         {450, 280, 35, 19, 12, "Text9"},
         {450, 304, 43, 19, 12, "Text10"},
     }}},
}};

} // namespace

const std::array<ShapeLayout, kShapeLayoutCount>& ShapeLayouts()
{
    return kLayouts;
}

const char* FillerText()
{
    return kFillerText.data();
}

void ApplyLayoutColours(const ShapeLayout& layout, ShapeTestColours& colours)
{
    for (int i = 0; i < kTestShapeCount; ++i)
        colours.shapeFills[i] = layout.shapes[i].fill;
    colours.textColours.fill(kLayoutTextColour);
}

ShapeTestColours LayoutDefaultColours(const ShapeLayout& layout)
{
    ShapeTestColours colours;
    ApplyLayoutColours(layout, colours);
    colours.background = kInitialBackground;
    return colours;
}
