#include "state/WebPageStyle.h"

#include <algorithm>

const char kWebPageBodyText[] =
    "This is a sample text. To change a text, right click on it. To change the change the "
    "properties of the text, double click on it. To change any color, simply drag and drop a "
    "color.";

namespace {

constexpr char kFooterText[] = "Copyright 2003 Someone";

struct Sample
{
    std::array<ColorRef, kWebPartCount> partColours; // header, footer, link column, body
    ColorRef border;
    std::array<int, kWebDividerCount> sizes; // header height, footer height, link column width
    const char* headerText;
    std::array<const char*, 5> links;
    const char* pageTitle;
    // Header text, footer text, link 1, links 2 to 5, page title.
    std::array<ColorRef, 5> textColours;
};

constexpr ColorRef C(int red, int green, int blue)
{
    return PackColour(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue));
}

constexpr std::array<const char*, 5> kNumberedLinks = {
    "This is link 1", "This is link 2", "This is link 3", "This is link 4", "This is link 5"};
constexpr std::array<const char*, 5> kPhotoLinks = {"Home", "Flowers", "Animals", "Nature",
                                                    "About"};
constexpr std::array<const char*, 5> kCompanyLinks = {"Home", "Products", "Downloads", "Company",
                                                      "Contact"};

// clang-format off
const Sample kSamples[kWebPageSampleCount] = {
    {{C(200, 224, 133), C(49, 61, 15), C(130, 163, 41), C(246, 250, 235)}, C(0, 0, 0), {49, 25, 113},
     "My Web Site", kNumberedLinks, "Page 1",
     {C(0, 0, 0), C(246, 250, 235), C(0, 0, 0), C(0, 0, 0), C(0, 0, 0)}},
    {{C(179, 170, 219), C(192, 170, 219), C(216, 170, 219), C(242, 237, 247)}, C(0, 0, 0), {49, 25, 113},
     "My Photo Collection", kPhotoLinks, "Welcome!",
     {C(0, 0, 0), C(246, 250, 235), C(15, 25, 61), C(72, 31, 122), C(0, 0, 0)}},
    {{C(222, 190, 33), C(222, 190, 33), C(204, 145, 51), C(242, 229, 166)}, C(0, 0, 0), {49, 25, 113},
     "My Web Page", kPhotoLinks, "Welcome!",
     {C(61, 44, 15), C(61, 44, 15), C(61, 44, 15), C(61, 44, 15), C(61, 44, 15)}},
    {{C(51, 204, 69), C(31, 122, 41), C(41, 163, 55), C(204, 255, 210)}, C(0, 0, 0), {49, 25, 113},
     "My Web Page", kPhotoLinks, "Welcome!",
     {C(61, 44, 15), C(61, 44, 15), C(61, 44, 15), C(61, 44, 15), C(61, 44, 15)}},
    {{C(255, 157, 0), C(165, 153, 255), C(41, 31, 122), C(232, 230, 255)}, C(41, 31, 122), {49, 25, 113},
     "MyCompany", kCompanyLinks, "Welcome!",
     {C(21, 15, 61), C(61, 44, 15), C(232, 230, 255), C(232, 230, 255), C(61, 44, 15)}},
    {{C(21, 15, 61), C(165, 153, 255), C(143, 133, 224), C(210, 204, 255)}, C(165, 153, 255), {47, 0, 76},
     "MyCompany", kCompanyLinks, "Welcome!",
     {C(232, 230, 255), C(61, 44, 15), C(232, 230, 255), C(232, 230, 255), C(61, 44, 15)}},
};

const WebTextPlacement kPlacements[kWebTextCount] = {
    {WebPart::Header,     {8, 7},  "headertext"},
    {WebPart::Footer,     {8, 6},  "footertext"},
    {WebPart::LinkColumn, {8, 8},  "link1"},
    {WebPart::LinkColumn, {8, 24}, "link2"},
    {WebPart::LinkColumn, {8, 40}, "link3"},
    {WebPart::LinkColumn, {8, 56}, "link4"},
    {WebPart::LinkColumn, {8, 72}, "link5"},
    {WebPart::Body,       {8, 8},  "pagetitle"},
    {WebPart::Body,       {8, 32}, "bodytext"},
};
// clang-format on

constexpr const char* kPartNames[kWebPartCount] = {"header", "footer", "linkcolumn", "body"};

// The body text's right margin inside the body.
constexpr int kBodyTextRightMargin = 11;

FontSpec Font(const char* family, int pointSize, bool bold, bool underline)
{
    FontSpec font;
    font.family = QString::fromLatin1(family);
    font.pointSize = pointSize;
    font.bold = bold;
    font.underline = underline;
    return font;
}

// Multiplies and divides with the quotient rounded half away from zero.
int MulDivRounded(int value, int numerator, int denominator)
{
    const long long product = (long long)value * numerator;
    const long long half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

bool operator==(const FontSpec& a, const FontSpec& b)
{
    return a.family == b.family && a.pointSize == b.pointSize && a.colour == b.colour &&
           a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.strikeOut == b.strikeOut && a.charSet == b.charSet;
}

bool operator==(const WebPageStyle& a, const WebPageStyle& b)
{
    return a.partColours == b.partColours && a.borderColour == b.borderColour &&
           a.partSizes == b.partSizes && a.texts == b.texts;
}

int FontPixelSize(int pointSize)
{
    return MulDivRounded(pointSize, 96, 72);
}

int FontPointSize(int pixelSize)
{
    return MulDivRounded(pixelSize, 72, 96);
}

WebPageStyle InitialWebPageStyle()
{
    WebPageStyle style;
    constexpr char kSansSerif[] = "MS Sans Serif";
    style.text(WebText::HeaderText).font = Font("Arial", 24, true, false);
    style.text(WebText::FooterText).font = Font(kSansSerif, 8, false, false);
    for (int i = 0; i < 5; ++i)
        style.texts[std::size_t(WebText::Link1) + i].font = Font(kSansSerif, 8, false, true);
    style.text(WebText::PageTitle).font = Font("Arial", 16, true, false);
    style.text(WebText::BodyText).font = Font(kSansSerif, 8, false, false);
    ApplyWebPageSample(style, 1);
    return style;
}

bool ApplyWebPageSample(WebPageStyle& style, int sampleNumber)
{
    if (sampleNumber < 1 || sampleNumber > kWebPageSampleCount)
        return false;
    const Sample& sample = kSamples[sampleNumber - 1];
    style.partColours = sample.partColours;
    style.borderColour = sample.border;
    style.partSizes = sample.sizes;

    style.text(WebText::HeaderText).text = QString::fromLatin1(sample.headerText);
    style.text(WebText::FooterText).text = QString::fromLatin1(kFooterText);
    for (int i = 0; i < 5; ++i)
        style.texts[std::size_t(WebText::Link1) + i].text = QString::fromLatin1(sample.links[i]);
    style.text(WebText::PageTitle).text = QString::fromLatin1(sample.pageTitle);
    style.text(WebText::BodyText).text = QString::fromLatin1(kWebPageBodyText);

    style.text(WebText::HeaderText).font.colour = sample.textColours[0];
    style.text(WebText::FooterText).font.colour = sample.textColours[1];
    style.text(WebText::Link1).font.colour = sample.textColours[2];
    for (int i = 1; i < 5; ++i)
        style.texts[std::size_t(WebText::Link1) + i].font.colour = sample.textColours[3];
    style.text(WebText::PageTitle).font.colour = sample.textColours[4];
    style.text(WebText::BodyText).font.colour = 0;
    return true;
}

int DividerDragSize(int requested, int maximum)
{
    if (requested < 1)
        return 0;
    return std::max(0, std::min(requested, maximum));
}

int MaximumPartSize(const WebPageStyle& style, WebDivider divider)
{
    // Every divider stays on the page, even beside a collapsed part.
    constexpr int kBodyMinimum = 1;
    constexpr int kVerticalRoom = kWebPageHeight - 2 * kWebDividerThickness - kBodyMinimum;
    switch (divider) {
    case WebDivider::BelowHeader:
        return std::max(0, kVerticalRoom - style.size(WebDivider::AboveFooter));
    case WebDivider::AboveFooter:
        return std::max(0, kVerticalRoom - style.size(WebDivider::BelowHeader));
    case WebDivider::RightOfLinkColumn:
        break;
    }
    return kWebPageWidth - kWebDividerThickness - kBodyMinimum;
}

void DragDivider(WebPageStyle& style, WebDivider divider, int requested)
{
    style.partSizes[std::size_t(divider)] =
        DividerDragSize(requested, MaximumPartSize(style, divider));
}

bool SetPartSize(WebPageStyle& style, WebDivider divider, int size)
{
    if (size < 0 || size > MaximumPartSize(style, divider))
        return false;
    style.partSizes[std::size_t(divider)] = size;
    return true;
}

WebPageLayout LayOutWebPage(const WebPageStyle& style)
{
    constexpr int kThick = kWebDividerThickness;
    const int header =
        std::clamp(style.size(WebDivider::BelowHeader), 0, kWebPageHeight - 2 * kThick);
    const int footer =
        std::clamp(style.size(WebDivider::AboveFooter), 0, kWebPageHeight - 2 * kThick - header);
    const int linkColumn =
        std::clamp(style.size(WebDivider::RightOfLinkColumn), 0, kWebPageWidth - kThick);
    const int middleTop = header + kThick;
    const int middleHeight = kWebPageHeight - header - footer - 2 * kThick;
    const int footerDividerTop = middleTop + middleHeight;

    WebPageLayout layout;
    layout.parts[std::size_t(WebPart::Header)] = QRect(0, 0, kWebPageWidth, header);
    layout.parts[std::size_t(WebPart::Footer)] =
        QRect(0, kWebPageHeight - footer, kWebPageWidth, footer);
    layout.parts[std::size_t(WebPart::LinkColumn)] = QRect(0, middleTop, linkColumn, middleHeight);
    layout.parts[std::size_t(WebPart::Body)] =
        QRect(linkColumn + kThick, middleTop, kWebPageWidth - linkColumn - kThick, middleHeight);
    layout.dividers[std::size_t(WebDivider::BelowHeader)] = QRect(0, header, kWebPageWidth, kThick);
    layout.dividers[std::size_t(WebDivider::AboveFooter)] =
        QRect(0, footerDividerTop, kWebPageWidth, kThick);
    layout.dividers[std::size_t(WebDivider::RightOfLinkColumn)] =
        QRect(linkColumn, middleTop, kThick, middleHeight);
    return layout;
}

const char* WebPartName(WebPart which)
{
    return kPartNames[std::size_t(which)];
}

WebTextPlacement PlaceWebText(WebText which)
{
    return kPlacements[std::size_t(which)];
}

int BodyTextWidth(int bodyWidth)
{
    const int left = PlaceWebText(WebText::BodyText).position.x();
    return std::max(0, bodyWidth - left - kBodyTextRightMargin);
}
