// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "platform/Color.h"
#include "platform/Rect.h"

// The geometry of a window that draws its own caption and frame: the gradient colours,
// where the caption, its icon, buttons and text go, what a point of the frame does, and the
// window-text rule. Pure code, so that all of it is checked without a window.
namespace controls {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1;
inline constexpr TBorderIcons biMinimize = 2;
inline constexpr TBorderIcons biMaximize = 4;
inline constexpr TBorderIcons biHelp = 8;

inline constexpr int kMinGradientColors = 8;
inline constexpr int kMaxGradientColors = 256;
inline constexpr int kDefaultGradientColors = 64;

// Only the first GradientColors entries are used.
using TGradientTable = std::array<platform::TColor, kMaxGradientColors>;

// The integer nearest to v; a value exactly halfway goes to the even neighbour.
int NearestEven(double v);

// The colours from black (entry 0) to the caption colour (entry colors - 1) in colors
// steps, each channel rounded with NearestEven. colors must lie in 8..256.
TGradientTable BuildGradientTable(platform::TColor captionColor, int colors);

bool IsToolWindow(TFormBorderStyle style);
bool IsSizeable(TFormBorderStyle style);

// The width of the frame on each side and the height of the caption band (the painted
// caption and the line under it) of a window of the style.
struct FrameMetrics {
    int frameX = 0;
    int frameY = 0;
    int captionHeight = 0;
};
FrameMetrics FrameOf(TFormBorderStyle style);

// The caption in window coordinates: inside the frame, one pixel less high than the
// caption band. Empty for bsNone.
platform::Rect CaptionRect(int windowWidth, int windowHeight, TFormBorderStyle style);

enum class TCaptionButtonKind { Close, Maximize, Restore, Minimize, Help };

struct TCaptionButton {
    TCaptionButtonKind kind;
    platform::Rect rect;
    bool enabled;
};

// Where the parts of a caption w x h pixels go, in caption coordinates.
struct TCaptionLayout {
    bool hasIcon = false;
    platform::Rect iconBox;  // filled behind the icon
    int iconX = 0;
    int iconY = 0;
    int iconSize = 0;
    std::vector<TCaptionButton> buttons;  // right to left
    // What is left for the caption paint handler and the text; the text starts 2 pixels
    // further right.
    platform::Rect textArea;
};

TCaptionLayout LayoutCaption(int w, int h, TFormBorderStyle style, TBorderIcons icons, bool maximized);

// Hit-test codes, with their classic values.
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;
inline constexpr int HTSYSMENU = 3;
inline constexpr int HTMINBUTTON = 8;
inline constexpr int HTMAXBUTTON = 9;
inline constexpr int HTLEFT = 10;
inline constexpr int HTRIGHT = 11;
inline constexpr int HTTOP = 12;
inline constexpr int HTTOPLEFT = 13;
inline constexpr int HTTOPRIGHT = 14;
inline constexpr int HTBOTTOM = 15;
inline constexpr int HTBOTTOMLEFT = 16;
inline constexpr int HTBOTTOMRIGHT = 17;
inline constexpr int HTBORDER = 18;
inline constexpr int HTCLOSE = 20;
inline constexpr int HTHELP = 21;

// What the point (x, y) of a window w x h is: a sizing edge or corner (sizeable styles
// only), the icon, a caption button, the caption, the fixed border, or the client.
int HitTest(int x, int y, int w, int h, TFormBorderStyle style, TBorderIcons icons, bool maximized);

enum class TSizeCursor { None, SizeWE, SizeNS, SizeNWSE, SizeNESW };

// The sizing cursor a hit-test code shows, None for codes that keep the normal cursor.
TSizeCursor CursorForHitTest(int hitTest);

// Copies caption into the caller's buffer of size bytes, as the window-text request
// answers: at most size - 1 bytes and a terminating zero, never half of a UTF-8 character.
// Returns the number of bytes copied without the zero; size 0 (or less) copies nothing and
// answers 0.
int CopyWindowText(std::string_view caption, char* buffer, int size);

}  // namespace controls
