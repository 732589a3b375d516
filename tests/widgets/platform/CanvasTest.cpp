// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QImage>

#include "platform/Canvas.h"
#include "platform/SysColors.h"

using namespace platform;

namespace {

QImage Blank(int w, int h, TColor fill = clWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(fill));
    return image;
}

TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

// Counts the pixels of the image that have the colour.
int CountOf(const QImage& image, TColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == color;
    return n;
}

}  // namespace

TEST(CanvasLines, StopShortOfTheEndPointInEveryDirection) {
    struct Case {
        int x0, y0, x1, y1, endX, endY, lastX, lastY;
    };
    const Case cases[] = {
        {1, 5, 8, 5, 8, 5, 7, 5},  // rightwards
        {8, 5, 1, 5, 1, 5, 2, 5},  // leftwards
        {5, 1, 5, 8, 5, 8, 5, 7},  // downwards
        {5, 8, 5, 1, 5, 1, 5, 2},  // upwards
        {1, 1, 6, 6, 6, 6, 5, 5},  // diagonal
    };
    for (const auto& c : cases) {
        QImage image = Blank(10, 10);
        {
            Canvas canvas(image);
            canvas.MoveTo(c.x0, c.y0);
            canvas.LineTo(c.x1, c.y1);
            EXPECT_EQ(canvas.PenX(), c.x1);
            EXPECT_EQ(canvas.PenY(), c.y1);
        }
        EXPECT_EQ(At(image, c.x0, c.y0), clBlack) << "start point is drawn";
        EXPECT_EQ(At(image, c.lastX, c.lastY), clBlack) << "pixel before the end is drawn";
        EXPECT_EQ(At(image, c.endX, c.endY), clWhite) << "end point is left out";
        EXPECT_EQ(CountOf(image, clBlack), std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0)));
    }
}

TEST(CanvasLines, ClearPenMovesWithoutDrawing) {
    QImage image = Blank(10, 10);
    {
        Canvas canvas(image);
        canvas.SetPenStyle(PenStyle::psClear);
        canvas.MoveTo(0, 0);
        canvas.LineTo(9, 0);
        EXPECT_EQ(canvas.PenX(), 9);
    }
    EXPECT_EQ(CountOf(image, clWhite), 100);
}

TEST(CanvasRectangle, ClearPenFillsOnePixelShortOnTheRightAndBottom) {
    QImage image = Blank(12, 12);
    {
        Canvas canvas(image);
        canvas.SetPenStyle(PenStyle::psClear);
        canvas.SetBrushColor(clSilver);
        canvas.Rectangle(2, 3, 8, 9);
    }
    EXPECT_EQ(CountOf(image, clSilver), 5 * 5);
    EXPECT_EQ(At(image, 2, 3), clSilver);
    EXPECT_EQ(At(image, 6, 7), clSilver);
    EXPECT_EQ(At(image, 7, 7), clWhite);
    EXPECT_EQ(At(image, 6, 8), clWhite);
}

TEST(CanvasRectangle, SolidPenOutlinesInsideTheExclusiveEdges) {
    QImage image = Blank(12, 12);
    {
        Canvas canvas(image);
        canvas.SetBrushColor(clSilver);
        canvas.Rectangle(2, 2, 8, 7);
    }
    EXPECT_EQ(At(image, 2, 2), clBlack);
    EXPECT_EQ(At(image, 7, 6), clBlack);
    EXPECT_EQ(At(image, 8, 6), clWhite);
    EXPECT_EQ(At(image, 7, 7), clWhite);
    EXPECT_EQ(CountOf(image, clBlack), 2 * 6 + 2 * 3);
    EXPECT_EQ(CountOf(image, clSilver), 4 * 3);
}

TEST(CanvasCopy, RasterOperationsCombineBitwiseAndStayOpaque) {
    struct Case {
        RasterOp op;
        TColor expected;
    };
    const TColor source = 0x0F0F33, dest = 0x3355F0;
    const Case cases[] = {
        {SRCCOPY, source},
        {SRCAND, source & dest},
        {SRCPAINT, source | dest},
        {SRCINVERT, source ^ dest},
    };
    const QImage from = Blank(4, 4, source);
    for (const auto& c : cases) {
        QImage image = Blank(6, 6, dest);
        {
            Canvas canvas(image);
            canvas.CopyRect({1, 1, 3, 3}, from, {0, 0, 2, 2}, c.op);
        }
        EXPECT_EQ(At(image, 1, 1), c.expected);
        EXPECT_EQ(At(image, 2, 2), c.expected);
        EXPECT_EQ(At(image, 3, 3), dest);
        EXPECT_EQ(qAlpha(image.pixel(2, 2)), 255);
    }
}

TEST(CanvasCopy, MaskAndPaintComposeATransparentThumb) {
    // Background grey; thumb red inside, black outside; mask black inside, white outside.
    QImage thumb = Blank(4, 1, clBlack), mask = Blank(4, 1, clWhite);
    thumb.setPixelColor(1, 0, ToQColor(clRed));
    mask.setPixelColor(1, 0, Qt::black);
    QImage image = Blank(4, 1, clGray);
    {
        Canvas canvas(image);
        canvas.CopyRect({0, 0, 4, 1}, mask, {0, 0, 4, 1}, SRCAND);
        canvas.CopyRect({0, 0, 4, 1}, thumb, {0, 0, 4, 1}, SRCPAINT);
    }
    EXPECT_EQ(At(image, 0, 0), clGray);
    EXPECT_EQ(At(image, 1, 0), clRed);
    EXPECT_EQ(At(image, 3, 0), clGray);
}

TEST(CanvasCopy, ClipsAgainstSourceAndTarget) {
    const QImage from = Blank(4, 4, clRed);
    QImage image = Blank(5, 5);
    {
        Canvas canvas(image);
        canvas.CopyRect({-2, 3, 2, 7}, from, {0, 0, 4, 4}, SRCCOPY);
        canvas.CopyRect({4, 0, 9, 5}, from, {2, 2, 7, 7}, SRCINVERT);
    }
    EXPECT_EQ(CountOf(image, clRed), 2 * 2);
    EXPECT_EQ(At(image, 0, 3), clRed);
    EXPECT_EQ(At(image, 1, 4), clRed);
    EXPECT_EQ(At(image, 4, 0), clRed ^ clWhite);
    EXPECT_EQ(At(image, 4, 1), clRed ^ clWhite);
    EXPECT_EQ(At(image, 4, 2), clWhite);
}

TEST(CanvasColours, SystemColoursFollowThePalette) {
    QImage image = Blank(2, 1);
    {
        Canvas canvas(image);
        canvas.SetBrushColor(clBtnFace);
        canvas.FillRect({0, 0, 1, 1});
        canvas.Pixel(1, 0, clBtnShadow);
    }
    EXPECT_EQ(At(image, 0, 0), clSilver);
    EXPECT_EQ(At(image, 1, 0), clGray);
}

// A two-ring frame on a 6 x 5 rectangle, row by row: T top colour, B bottom colour, . untouched.
TEST(CanvasFrame3D, TopLeftAndBottomRightRingsThenShrinks) {
    QImage image = Blank(8, 7);
    Rect rect{1, 1, 7, 6};
    {
        Canvas canvas(image);
        canvas.Frame3D(rect, clRed, clBlue, 2);
    }
    const char* expected[] = {
        "........", ".TTTTTB.", ".TTTTBB.", ".TT..BB.", ".TBBBBB.", ".BBBBBB.", "........",
    };
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 8; ++x) {
            const TColor want = expected[y][x] == 'T' ? clRed : expected[y][x] == 'B' ? clBlue : clWhite;
            EXPECT_EQ(At(image, x, y), want) << x << "," << y;
        }
    }
    EXPECT_EQ(rect, (Rect{3, 3, 5, 4}));
}
