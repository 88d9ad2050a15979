#pragma once
// The Simple Web Page Test page as plain data: the colours of its four parts and
// of the border, the sizes set by its three dividers, and its nine texts with
// their fonts. The window keeps one WebPageStyle as the page's state, shows it
// (LayOutWebPage gives every rectangle) and changes it only through this data, so
// the style file (storage/WebStyleFile.h) and the HTML export
// (storage/WebPageHtmlExport.h) see exactly what the window shows.
//
// Geometry is in pixels of the page frame (385 x 297), whose top-left corner sits
// at kWebPageFramePosition in the window's client area. The frame's own colour is
// the border colour; it shows only in the three 2-pixel dividers between the parts.

#include "colour/ColourValues.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstddef>

enum class WebPart
{
    Header,     // along the top edge
    Footer,     // along the bottom edge
    LinkColumn, // along the left edge, between the header and footer dividers
    Body,       // the rest
};
inline constexpr int kWebPartCount = 4;

enum class WebText
{
    HeaderText,
    FooterText,
    Link1,
    Link2,
    Link3,
    Link4,
    Link5,
    PageTitle,
    BodyText, // the only one that wraps
};
inline constexpr int kWebTextCount = 9;

// Each divider sets the size of the part on its outer side.
enum class WebDivider
{
    BelowHeader,       // the header's height
    AboveFooter,       // the footer's height
    RightOfLinkColumn, // the link column's width
};
inline constexpr int kWebDividerCount = 3;

inline constexpr int kWebPageWidth = 385;
inline constexpr int kWebPageHeight = 297;
inline constexpr int kWebDividerThickness = 2;
inline constexpr QPoint kWebPageFramePosition{170, 24};

// Windows character set numbers as the font dialog knows them; 1 lets the
// system choose.
inline constexpr int kDefaultCharSet = 1;

// A font as plain data; the window turns it into a QFont. Sizes are whole points
// shown at 96 dots per inch, so 8 points are 11 pixels whatever the screen
// (FontPixelSize); `colour` is the text colour.
struct FontSpec
{
    QString family;
    int pointSize = 8; // 1..kMaxFontPointSize
    ColorRef colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = kDefaultCharSet; // 0..255, kept so that a chosen font comes back as it was

    friend bool operator==(const FontSpec& a, const FontSpec& b);
    friend bool operator!=(const FontSpec& a, const FontSpec& b) { return !(a == b); }
};
inline constexpr int kMaxFontPointSize = 1000;

// Point size to pixel height at 96 dpi and back, rounded half away from zero:
// 8 pt = 11 px, 16 pt = 21 px, 24 pt = 32 px.
int FontPixelSize(int pointSize);
int FontPointSize(int pixelSize);

struct WebPageText
{
    QString text; // any characters, line breaks included
    FontSpec font;
    friend bool operator==(const WebPageText& a, const WebPageText& b)
    {
        return a.text == b.text && a.font == b.font;
    }
    friend bool operator!=(const WebPageText& a, const WebPageText& b) { return !(a == b); }
};

struct WebPageStyle
{
    std::array<ColorRef, kWebPartCount> partColours{}; // indexed by WebPart
    ColorRef borderColour = 0;
    // Indexed by WebDivider: header height, footer height, link column width.
    // Keep them inside the page with SetPartSize or DragDivider.
    std::array<int, kWebDividerCount> partSizes{};
    std::array<WebPageText, kWebTextCount> texts; // indexed by WebText

    ColorRef& colour(WebPart part) { return partColours[std::size_t(part)]; }
    ColorRef colour(WebPart part) const { return partColours[std::size_t(part)]; }
    int size(WebDivider divider) const { return partSizes[std::size_t(divider)]; }
    WebPageText& text(WebText which) { return texts[std::size_t(which)]; }
    const WebPageText& text(WebText which) const { return texts[std::size_t(which)]; }

    friend bool operator==(const WebPageStyle& a, const WebPageStyle& b);
    friend bool operator!=(const WebPageStyle& a, const WebPageStyle& b) { return !(a == b); }
};

// The page as the window is created: its first fonts (24-point bold Arial
// header text, 16-point bold Arial page title, 8-point "MS Sans Serif" for the
// rest, the links underlined) with everything else as "Load Sample 1" sets it.
WebPageStyle InitialWebPageStyle();

// "Load Sample 1" .. "Load Sample 6": the part and border colours, the three sizes,
// the texts and the text colours of the sample. Font family, size, style and
// character set stay as they are. A number outside 1..6 changes nothing and
// returns false.
inline constexpr int kWebPageSampleCount = 6;
bool ApplyWebPageSample(WebPageStyle& style, int sampleNumber);

// The body text every sample sets, in black; the footer text is always
// "Copyright 2003 Someone".
extern const char kWebPageBodyText[];

// The divider rule: the size a part takes when its divider is dragged to where
// the part would be `requested` pixels. Below 1 pixel the part collapses to 0;
// otherwise it follows, up to `maximum`.
int DividerDragSize(int requested, int maximum);
// The largest size of the divider's part that leaves the body at least 1 pixel.
int MaximumPartSize(const WebPageStyle& style, WebDivider divider);
// Applies DividerDragSize with MaximumPartSize: what a mouse move on a divider does.
void DragDivider(WebPageStyle& style, WebDivider divider, int requested);
// Sets a size that must lie in 0..MaximumPartSize; false (nothing changed) otherwise.
bool SetPartSize(WebPageStyle& style, WebDivider divider, int size);

// Where each part and divider is, in page-frame coordinates. Sizes beyond the page
// are cut so that the rectangles never overlap or turn negative.
struct WebPageLayout
{
    std::array<QRect, kWebPartCount> parts;
    std::array<QRect, kWebDividerCount> dividers;
    QRect part(WebPart which) const { return parts[std::size_t(which)]; }
    QRect divider(WebDivider which) const { return dividers[std::size_t(which)]; }
};
WebPageLayout LayOutWebPage(const WebPageStyle& style);

// Where a text sits: its part and its top-left corner relative to that part. Every
// text sizes itself to its content, except the body text, which wraps at
// BodyTextWidth of the body's width and grows downwards.
struct WebTextPlacement
{
    WebPart part;
    QPoint position;
    const char* name; // "headertext", "footertext", "link1" .. "link5", "pagetitle", "bodytext"
};
WebTextPlacement PlaceWebText(WebText which);
// "header", "footer", "linkcolumn", "body". These names and those of the texts are
// the keys of the style file and the element ids of the HTML export.
const char* WebPartName(WebPart which);
// 251 for the initial body width of 270: the body text keeps its right margin
// of 11 pixels as the body widens or narrows; never below 0.
int BodyTextWidth(int bodyWidth);
