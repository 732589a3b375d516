// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SysColors.h"

#include <QApplication>
#include <QWidget>

namespace platform {

namespace {

struct SysColorRole {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette has no caption roles; the caption colours follow the selection colour and
// the shadow colour, which the classic palette gives the classic caption colours.
constexpr SysColorRole kPaletteRoles[] = {
    {COLOR_ACTIVECAPTION, QPalette::Active, QPalette::Highlight},
    {COLOR_INACTIVECAPTION, QPalette::Active, QPalette::Dark},
    {COLOR_WINDOW, QPalette::Active, QPalette::Base},
    {COLOR_WINDOWTEXT, QPalette::Active, QPalette::Text},
    {COLOR_HIGHLIGHT, QPalette::Active, QPalette::Highlight},
    {COLOR_HIGHLIGHTTEXT, QPalette::Active, QPalette::HighlightedText},
    {COLOR_BTNFACE, QPalette::Active, QPalette::Button},
    {COLOR_BTNSHADOW, QPalette::Active, QPalette::Dark},
    {COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text},
    {COLOR_BTNTEXT, QPalette::Active, QPalette::ButtonText},
    {COLOR_BTNHIGHLIGHT, QPalette::Active, QPalette::Light},
    {COLOR_INFOTEXT, QPalette::Active, QPalette::ToolTipText},
    {COLOR_INFOBK, QPalette::Active, QPalette::ToolTipBase},
};

struct ClassicColor {
    int index;
    TColor color;
};

constexpr ClassicColor kClassicColors[] = {
    {COLOR_ACTIVECAPTION, 0x800000},
    {COLOR_INACTIVECAPTION, 0x808080},
    {COLOR_WINDOW, 0xFFFFFF},
    {COLOR_WINDOWTEXT, 0x000000},
    {COLOR_CAPTIONTEXT, 0xFFFFFF},
    {COLOR_HIGHLIGHT, 0x800000},
    {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
    {COLOR_BTNFACE, 0xC0C0C0},
    {COLOR_BTNSHADOW, 0x808080},
    {COLOR_GRAYTEXT, 0x808080},
    {COLOR_BTNTEXT, 0x000000},
    {COLOR_INACTIVECAPTIONTEXT, 0xC0C0C0},
    {COLOR_BTNHIGHLIGHT, 0xFFFFFF},
    {COLOR_INFOTEXT, 0x000000},
    {COLOR_INFOBK, 0xE1FFFF},
    {COLOR_GRADIENTACTIVECAPTION, 0xD08410},
    {COLOR_GRADIENTINACTIVECAPTION, 0xC0C0C0},
};

TColor ClassicColorOf(int index) {
    for (const auto& entry : kClassicColors) {
        if (entry.index == index) return entry.color;
    }
    return clBlack;
}

}  // namespace

TColor GetSysColor(int index) {
    if (qApp != nullptr) {
        const QPalette palette = QApplication::palette();
        for (const auto& entry : kPaletteRoles) {
            if (entry.index == index) return FromQColor(palette.color(entry.group, entry.role));
        }
    }
    return ClassicColorOf(index);
}

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8) |
           (static_cast<TColor>(color.blue()) << 16);
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}

QPalette ClassicPalette() {
    const auto q = [](int index) { return ToQColor(ClassicColorOf(index)); };
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, q(COLOR_BTNFACE));
        palette.setColor(group, QPalette::Button, q(COLOR_BTNFACE));
        palette.setColor(group, QPalette::Base, q(COLOR_WINDOW));
        palette.setColor(group, QPalette::Text, q(COLOR_WINDOWTEXT));
        palette.setColor(group, QPalette::WindowText, q(COLOR_WINDOWTEXT));
        palette.setColor(group, QPalette::ButtonText, q(COLOR_BTNTEXT));
        palette.setColor(group, QPalette::Dark, q(COLOR_BTNSHADOW));
        palette.setColor(group, QPalette::Light, q(COLOR_BTNHIGHLIGHT));
        palette.setColor(group, QPalette::Highlight, q(COLOR_HIGHLIGHT));
        palette.setColor(group, QPalette::HighlightedText, q(COLOR_HIGHLIGHTTEXT));
        palette.setColor(group, QPalette::ToolTipBase, q(COLOR_INFOBK));
        palette.setColor(group, QPalette::ToolTipText, q(COLOR_INFOTEXT));
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, q(COLOR_GRAYTEXT));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, q(COLOR_GRAYTEXT));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, q(COLOR_GRAYTEXT));
    return palette;
}

}  // namespace platform
