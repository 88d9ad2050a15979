#include "ui/SystemColours.h"

#include "copy/QtColour.h"

#include <QGuiApplication>

#include <array>

namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemRole kNone{QPalette::NColorGroups, QPalette::NoRole};

// By system colour index: the palette role that plays the same part.
constexpr std::array<SystemRole, 29> kSystemRoles{{
    {QPalette::Active, QPalette::Button},            // clScrollBar
    {QPalette::Active, QPalette::Window},            // clBackground (the desktop)
    {QPalette::Active, QPalette::Highlight},         // clActiveCaption
    {QPalette::Inactive, QPalette::Mid},             // clInactiveCaption
    {QPalette::Active, QPalette::Window},            // clMenu
    {QPalette::Active, QPalette::Base},              // clWindow
    {QPalette::Active, QPalette::Shadow},            // clWindowFrame
    {QPalette::Active, QPalette::WindowText},        // clMenuText
    {QPalette::Active, QPalette::Text},              // clWindowText
    {QPalette::Active, QPalette::HighlightedText},   // clCaptionText
    {QPalette::Active, QPalette::Button},            // clActiveBorder
    {QPalette::Inactive, QPalette::Button},          // clInactiveBorder
    {QPalette::Active, QPalette::Mid},               // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},         // clHighlight
    {QPalette::Active, QPalette::HighlightedText},   // clHighlightText
    {QPalette::Active, QPalette::Button},            // clBtnFace
    {QPalette::Active, QPalette::Dark},              // clBtnShadow
    {QPalette::Disabled, QPalette::Text},            // clGrayText
    {QPalette::Active, QPalette::ButtonText},        // clBtnText
    {QPalette::Inactive, QPalette::HighlightedText}, // clInactiveCaptionText
    {QPalette::Active, QPalette::Light},             // clBtnHighlight
    {QPalette::Active, QPalette::Shadow},            // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},          // cl3DLight
    {QPalette::Active, QPalette::ToolTipText},       // clInfoText
    {QPalette::Active, QPalette::ToolTipBase},       // clInfoBk
    kNone,
    kNone,
    {QPalette::Active, QPalette::Highlight}, // clGradientActiveCaption
    {QPalette::Inactive, QPalette::Mid},     // clGradientInactiveCaption
}};

} // namespace

std::optional<ColorRef> SystemColourFromPalette(const QPalette& palette, int index)
{
    if (index < 0 || std::size_t(index) >= kSystemRoles.size() ||
        kSystemRoles[std::size_t(index)].role == QPalette::NoRole)
        return std::nullopt;
    const SystemRole& role = kSystemRoles[std::size_t(index)];
    return ColorRefOf(palette.color(role.group, role.role));
}

SystemColourLookup DesktopSystemColours()
{
    return [](int index) { return SystemColourFromPalette(QGuiApplication::palette(), index); };
}
