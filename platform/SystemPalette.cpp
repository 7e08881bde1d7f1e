#include "platform/SystemPalette.h"

#include "platform/Colors.h"

namespace tirnel {

namespace {

struct RoleColor {
    QPalette::ColorRole role;
    Color color;
};

// Every role, for an active or inactive window.
constexpr RoleColor kRoles[] = {
    {QPalette::Window, SystemColor(kColorButtonFace)},
    {QPalette::WindowText, SystemColor(8)},  // window text
    {QPalette::Base, SystemColor(5)},        // window
    {QPalette::AlternateBase, SystemColor(kColorButtonFace)},
    {QPalette::Text, SystemColor(8)},
    {QPalette::PlaceholderText, SystemColor(kColorGrayText)},
    {QPalette::Button, SystemColor(kColorButtonFace)},
    {QPalette::ButtonText, SystemColor(kColorButtonText)},
    {QPalette::BrightText, SystemColor(kColorButtonHighlight)},
    {QPalette::Light, SystemColor(kColorButtonHighlight)},
    {QPalette::Midlight, SystemColor(kColor3dLight)},
    {QPalette::Mid, SystemColor(kColorButtonShadow)},
    {QPalette::Dark, SystemColor(kColorButtonShadow)},
    {QPalette::Shadow, SystemColor(kColor3dDarkShadow)},
    {QPalette::Highlight, SystemColor(13)},        // highlight
    {QPalette::HighlightedText, SystemColor(14)},  // highlight text
    {QPalette::Link, RGB(0, 0, 255)},
    {QPalette::LinkVisited, RGB(128, 0, 128)},
    {QPalette::ToolTipBase, SystemColor(24)},  // tooltip back
    {QPalette::ToolTipText, SystemColor(23)},  // tooltip text
};

// What differs for a disabled widget: its text is grey.
constexpr RoleColor kDisabledRoles[] = {
    {QPalette::WindowText, SystemColor(kColorGrayText)},
    {QPalette::Text, SystemColor(kColorGrayText)},
    {QPalette::ButtonText, SystemColor(kColorGrayText)},
};

void SetRoles(QPalette& palette, QPalette::ColorGroup group, const auto& roles) {
    for (const RoleColor& r : roles) palette.setColor(group, r.role, QColor::fromRgb(ToQRgb(r.color)));
}

}  // namespace

QPalette SystemPalette() {
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        SetRoles(palette, group, kRoles);
    SetRoles(palette, QPalette::Disabled, kDisabledRoles);
    return palette;
}

}  // namespace tirnel
