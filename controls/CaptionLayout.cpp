// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CaptionLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/SysMetrics.h"

namespace controls {

using platform::GetSystemMetrics;
using platform::Rect;

namespace {

platform::TColor ColorOf(int red, int green, int blue) {
    return static_cast<platform::TColor>(red) | (static_cast<platform::TColor>(green) << 8) |
           (static_cast<platform::TColor>(blue) << 16);
}

}  // namespace

int NearestEven(double v) { return static_cast<int>(std::nearbyint(v)); }

TGradientTable BuildGradientTable(platform::TColor captionColor, int colors) {
    TGradientTable table{};
    const double steps = colors - 1;
    const double stepR = platform::RedOf(captionColor) / steps;
    const double stepG = platform::GreenOf(captionColor) / steps;
    const double stepB = platform::BlueOf(captionColor) / steps;
    for (int i = 0; i < colors; ++i) {
        table[static_cast<std::size_t>(i)] =
            ColorOf(NearestEven(stepR * i), NearestEven(stepG * i), NearestEven(stepB * i));
    }
    return table;
}

bool IsToolWindow(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

bool IsSizeable(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

FrameMetrics FrameOf(TFormBorderStyle style) {
    if (style == TFormBorderStyle::bsNone) return {};
    FrameMetrics metrics;
    if (IsSizeable(style)) {
        metrics.frameX = GetSystemMetrics(platform::SM_CXFRAME);
        metrics.frameY = GetSystemMetrics(platform::SM_CYFRAME);
    } else {
        metrics.frameX = GetSystemMetrics(platform::SM_CXDLGFRAME);
        metrics.frameY = GetSystemMetrics(platform::SM_CYDLGFRAME);
    }
    metrics.captionHeight =
        GetSystemMetrics(IsToolWindow(style) ? platform::SM_CYSMCAPTION : platform::SM_CYCAPTION);
    return metrics;
}

Rect CaptionRect(int windowWidth, int windowHeight, TFormBorderStyle style) {
    if (style == TFormBorderStyle::bsNone) return {};
    const FrameMetrics metrics = FrameOf(style);
    Rect caption{metrics.frameX, metrics.frameY, windowWidth - metrics.frameX, windowHeight - metrics.frameY};
    caption.bottom = caption.top + metrics.captionHeight - 1;
    return caption;
}

TCaptionLayout LayoutCaption(int w, int h, TFormBorderStyle style, TBorderIcons icons, bool maximized) {
    TCaptionLayout layout;
    Rect r{1, 0, w, h};

    if ((icons & biSystemMenu) != 0 &&
        (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable)) {
        const int s = GetSystemMetrics(platform::SM_CXSMICON);
        layout.hasIcon = true;
        layout.iconBox = {r.left, r.top, r.left + s + 1, r.bottom};
        layout.iconX = r.left + 1;
        layout.iconY = r.top + 1;
        layout.iconSize = s;
        r.left += s + 1;
    }

    Rect b{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    if (IsToolWindow(style)) {
        b.left = b.right - GetSystemMetrics(platform::SM_CXSMSIZE) + 2;
        layout.buttons.push_back({TCaptionButtonKind::Close, b, true});
        r.right = b.left - 5;
        layout.textArea = r;
        return layout;
    }

    const int s = GetSystemMetrics(platform::SM_CXSMICON);
    b.left = b.right - s;
    const auto moveLeft = [&b](int by) {
        b.left -= by;
        b.right -= by;
    };
    if ((icons & biSystemMenu) != 0) {
        layout.buttons.push_back({TCaptionButtonKind::Close, b, true});
        moveLeft(s + 2);
        r.right -= s + 2;
    }
    if (style != TFormBorderStyle::bsDialog) {
        layout.buttons.push_back({maximized ? TCaptionButtonKind::Restore : TCaptionButtonKind::Maximize, b,
                                  (icons & biMaximize) != 0});
        moveLeft(s);
        layout.buttons.push_back({TCaptionButtonKind::Minimize, b, (icons & biMinimize) != 0});
        moveLeft(s);
        r.right -= 2 * s;
    } else if ((icons & biHelp) != 0) {
        layout.buttons.push_back({TCaptionButtonKind::Help, b, true});
        r.right -= s;
    }
    r.right -= 3;
    layout.textArea = r;
    return layout;
}

namespace {

int ButtonHitTest(TCaptionButtonKind kind) {
    switch (kind) {
        case TCaptionButtonKind::Close: return HTCLOSE;
        case TCaptionButtonKind::Maximize:
        case TCaptionButtonKind::Restore: return HTMAXBUTTON;
        case TCaptionButtonKind::Minimize: return HTMINBUTTON;
        case TCaptionButtonKind::Help: return HTHELP;
    }
    return HTCAPTION;
}

// Which sizing edge or corner (x, y) lies on, HTNOWHERE when none. Near the ends of an edge
// the corner takes over, as far as a caption button is wide plus the frame.
int SizingHitTest(int x, int y, int w, int h, const FrameMetrics& frame) {
    const int corner = GetSystemMetrics(platform::SM_CXSIZE) + frame.frameX;
    const bool left = x < frame.frameX;
    const bool right = x >= w - frame.frameX;
    const bool top = y < frame.frameY;
    const bool bottom = y >= h - frame.frameY;
    if (!left && !right && !top && !bottom) return HTNOWHERE;
    const bool nearLeft = x < corner;
    const bool nearRight = x >= w - corner;
    const bool nearTop = y < corner;
    const bool nearBottom = y >= h - corner;
    if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    return top ? HTTOP : HTBOTTOM;
}

}  // namespace

int HitTest(int x, int y, int w, int h, TFormBorderStyle style, TBorderIcons icons, bool maximized) {
    if (x < 0 || y < 0 || x >= w || y >= h) return HTNOWHERE;
    if (style == TFormBorderStyle::bsNone) return HTCLIENT;
    const FrameMetrics frame = FrameOf(style);
    if (IsSizeable(style) && !maximized) {
        const int sizing = SizingHitTest(x, y, w, h, frame);
        if (sizing != HTNOWHERE) return sizing;
    }
    const Rect caption = CaptionRect(w, h, style);
    if (caption.Contains(x, y)) {
        const int cx = x - caption.left;
        const int cy = y - caption.top;
        const TCaptionLayout layout =
            LayoutCaption(caption.Width(), caption.Height(), style, icons, maximized);
        if (layout.hasIcon && layout.iconBox.Contains(cx, cy)) return HTSYSMENU;
        for (const TCaptionButton& button : layout.buttons) {
            if (button.rect.Contains(cx, cy)) return ButtonHitTest(button.kind);
        }
        return HTCAPTION;
    }
    if (x < frame.frameX || x >= w - frame.frameX || y < frame.frameY || y >= h - frame.frameY)
        return HTBORDER;
    // The line under the caption still belongs to it.
    if (y < frame.frameY + frame.captionHeight) return HTCAPTION;
    return HTCLIENT;
}

TSizeCursor CursorForHitTest(int hitTest) {
    switch (hitTest) {
        case HTLEFT:
        case HTRIGHT: return TSizeCursor::SizeWE;
        case HTTOP:
        case HTBOTTOM: return TSizeCursor::SizeNS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT: return TSizeCursor::SizeNWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: return TSizeCursor::SizeNESW;
        default: return TSizeCursor::None;
    }
}

int CopyWindowText(std::string_view caption, char* buffer, int size) {
    if (size <= 0 || buffer == nullptr) return 0;
    std::size_t count = std::min(caption.size(), static_cast<std::size_t>(size - 1));
    // Back off over continuation bytes so that a character is copied whole or not at all.
    if (count < caption.size()) {
        while (count > 0 && (static_cast<unsigned char>(caption[count]) & 0xC0) == 0x80) --count;
    }
    std::copy_n(caption.data(), count, buffer);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

}  // namespace controls
