// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/CaptionLayout.h"

using namespace controls;
using platform::Rect;

namespace {

constexpr platform::TColor kNavy = 0x800000;  // red 0, green 0, blue 128

struct GradientRow {
    int index;
    int blue;
};

TEST(BuildGradientTable, RunsFromBlackToTheCaptionColourRoundingHalvesToEven) {
    const TGradientTable table = BuildGradientTable(kNavy, 64);
    // 128 / 63 = 2.03 per step.
    for (const GradientRow& row : {GradientRow{0, 0}, {1, 2}, {32, 65}, {63, 128}}) {
        EXPECT_EQ(table[row.index], static_cast<platform::TColor>(row.blue) << 16) << "entry " << row.index;
    }
    // Red 0x18 in 17 steps is 1.5 per step: 1.5, 4.5 and 7.5 go to the even neighbours.
    const TGradientTable halves = BuildGradientTable(0x000018, 17);
    EXPECT_EQ(halves[1], 2u);
    EXPECT_EQ(halves[3], 4u);
    EXPECT_EQ(halves[5], 8u);
    EXPECT_EQ(halves[16], 0x18u);
}

TEST(BuildGradientTable, KeepsEachChannelApart) {
    const TGradientTable table = BuildGradientTable(0x40FF80, 8);
    EXPECT_EQ(table[7], 0x40FF80u);
    // 128/7 * 2 = 36.6, 255/7 * 2 = 72.9, 64/7 * 2 = 18.3
    EXPECT_EQ(table[2], static_cast<platform::TColor>(37 | (73 << 8) | (18 << 16)));
}

TEST(CaptionRect, LiesInsideTheFrameOneLineShortOfTheCaptionBand) {
    EXPECT_EQ(CaptionRect(403, 455, TFormBorderStyle::bsSizeable), (Rect{4, 4, 399, 22}));
    EXPECT_EQ(CaptionRect(300, 200, TFormBorderStyle::bsDialog), (Rect{3, 3, 297, 21}));
    EXPECT_EQ(CaptionRect(300, 200, TFormBorderStyle::bsSizeToolWin), (Rect{4, 4, 296, 18}));
    EXPECT_EQ(CaptionRect(300, 200, TFormBorderStyle::bsNone), (Rect{}));
}

TEST(LayoutCaption, MainWindowHasIconCloseDisabledMaximiseAndMinimise) {
    // The main window's caption: 395 x 18 inside its frame.
    const TCaptionLayout layout =
        LayoutCaption(395, 18, TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize, false);
    ASSERT_TRUE(layout.hasIcon);
    EXPECT_EQ(layout.iconBox, (Rect{1, 0, 18, 18}));
    EXPECT_EQ(layout.iconX, 2);
    EXPECT_EQ(layout.iconY, 1);
    ASSERT_EQ(layout.buttons.size(), 3u);
    EXPECT_EQ(layout.buttons[0].kind, TCaptionButtonKind::Close);
    EXPECT_EQ(layout.buttons[0].rect, (Rect{377, 2, 393, 16}));
    EXPECT_EQ(layout.buttons[1].kind, TCaptionButtonKind::Maximize);
    EXPECT_EQ(layout.buttons[1].rect, (Rect{359, 2, 375, 16}));
    EXPECT_FALSE(layout.buttons[1].enabled);
    EXPECT_EQ(layout.buttons[2].kind, TCaptionButtonKind::Minimize);
    EXPECT_EQ(layout.buttons[2].rect, (Rect{343, 2, 359, 16}));
    EXPECT_TRUE(layout.buttons[2].enabled);
    // The text starts 2 further right: x = s + 4 = 20 with 16-pixel small icons.
    EXPECT_EQ(layout.textArea.left + 2, 20);
    EXPECT_EQ(layout.textArea.right, 342);
}

TEST(LayoutCaption, OtherStylesFollowTheirOwnButtonRules) {
    const TCaptionLayout maximised =
        LayoutCaption(200, 18, TFormBorderStyle::bsSizeable, biSystemMenu | biMaximize | biMinimize, true);
    EXPECT_EQ(maximised.buttons[1].kind, TCaptionButtonKind::Restore);
    EXPECT_TRUE(maximised.buttons[1].enabled);

    const TCaptionLayout dialog =
        LayoutCaption(200, 18, TFormBorderStyle::bsDialog, biSystemMenu | biHelp, false);
    EXPECT_FALSE(dialog.hasIcon);
    ASSERT_EQ(dialog.buttons.size(), 2u);
    EXPECT_EQ(dialog.buttons[1].kind, TCaptionButtonKind::Help);
    EXPECT_EQ(dialog.textArea, (Rect{1, 0, 200 - 18 - 16 - 3, 18}));

    const TCaptionLayout tool = LayoutCaption(200, 14, TFormBorderStyle::bsToolWindow, biSystemMenu, false);
    ASSERT_EQ(tool.buttons.size(), 1u);
    EXPECT_EQ(tool.buttons[0].rect, (Rect{198 - 15 + 2, 2, 198, 12}));
    EXPECT_EQ(tool.textArea.right, 185 - 5);
}

struct HitRow {
    int x;
    int y;
    int hit;
    TSizeCursor cursor;
};

TEST(HitTest, FrameEdgesResizeWithTheirCursorsAndTheCaptionPartsAnswerByName) {
    const HitRow rows[] = {
        {0, 200, HTLEFT, TSizeCursor::SizeWE},         {402, 200, HTRIGHT, TSizeCursor::SizeWE},
        {200, 0, HTTOP, TSizeCursor::SizeNS},          {200, 454, HTBOTTOM, TSizeCursor::SizeNS},
        {1, 1, HTTOPLEFT, TSizeCursor::SizeNWSE},      {400, 453, HTBOTTOMRIGHT, TSizeCursor::SizeNWSE},
        {401, 10, HTTOPRIGHT, TSizeCursor::SizeNESW},  {10, 452, HTBOTTOMLEFT, TSizeCursor::SizeNESW},
        {10, 10, HTSYSMENU, TSizeCursor::None},        {4 + 380, 10, HTCLOSE, TSizeCursor::None},
        {4 + 365, 10, HTMAXBUTTON, TSizeCursor::None}, {4 + 350, 10, HTMINBUTTON, TSizeCursor::None},
        {200, 10, HTCAPTION, TSizeCursor::None},       {200, 22, HTCAPTION, TSizeCursor::None},
        {200, 23, HTCLIENT, TSizeCursor::None},
    };
    for (const HitRow& row : rows) {
        const int hit =
            HitTest(row.x, row.y, 403, 455, TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize, false);
        EXPECT_EQ(hit, row.hit) << row.x << "," << row.y;
        EXPECT_EQ(CursorForHitTest(hit), row.cursor) << row.x << "," << row.y;
    }
    // A fixed frame does not resize.
    EXPECT_EQ(HitTest(0, 100, 300, 200, TFormBorderStyle::bsDialog, biSystemMenu, false), HTBORDER);
}

TEST(CopyWindowText, CopiesAtMostSizeMinusOneAndAnswersTheCountWithoutTheZero) {
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CopyWindowText(" Velloran -", buffer, 5), 4);
    EXPECT_STREQ(buffer, " Vel");
    EXPECT_EQ(buffer[5], 'x');  // nothing beyond the buffer's size

    EXPECT_EQ(CopyWindowText("abc", buffer, 16), 3);
    EXPECT_STREQ(buffer, "abc");

    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CopyWindowText("abc", buffer, 0), 0);
    EXPECT_EQ(buffer[0], 'x');

    // "é" is two bytes: a buffer with room for one of them gets neither.
    EXPECT_EQ(CopyWindowText("a\xC3\xA9", buffer, 3), 1);
    EXPECT_STREQ(buffer, "a");
}

}  // namespace
