// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include "platform/Canvas.h"
#include "platform/SysColors.h"

using namespace platform;

namespace {

// A font drawn without antialiasing, so that every ink pixel has exactly the font colour.
QFont CrispFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

// The box around every pixel of the colour; empty when there is none.
Rect InkBox(const QImage& image, TColor ink) {
    Rect box{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (At(image, x, y) != ink) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    if (box.right == 0) return {};
    return box;
}

int CountOf(const QImage& image, TColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == color;
    return n;
}

struct Measured {
    Rect rect;
    int result;
};

Measured Measure(const QString& text, unsigned flags, Rect rect = {0, 0, 200, 100}) {
    QImage image = Blank(4, 4);
    Canvas canvas(image);
    canvas.SetFont(CrispFont());
    const int result = canvas.DrawText(text, rect, flags | DT_CALCRECT);
    return {rect, result};
}

QImage Draw(const QString& text, Rect rect, unsigned flags, int w = 120, int h = 40,
            BrushStyle brush = BrushStyle::bsSolid, TColor brushColor = clSilver) {
    QImage image = Blank(w, h);
    Canvas canvas(image);
    canvas.SetFont(CrispFont());
    canvas.SetFontColor(clBlack);
    canvas.SetBrushColor(brushColor);
    canvas.SetBrushStyle(brush);
    canvas.DrawText(text, rect, flags);
    return image;
}

int LineHeight() {
    QImage image = Blank(1, 1);
    const QFontMetrics metrics(CrispFont(), &image);
    return metrics.ascent() + metrics.descent();
}

int Advance(const QString& text) {
    QImage image = Blank(1, 1);
    return QFontMetrics(CrispFont(), &image).horizontalAdvance(text);
}

}  // namespace

TEST(DrawTextMeasure, OneLineIsItsAdvanceWideAndAscentPlusDescentHigh) {
    const Measured m = Measure(QStringLiteral("Hello"), 0, {3, 5, 200, 100});
    EXPECT_EQ(m.rect, (Rect{3, 5, 3 + Advance(QStringLiteral("Hello")), 5 + LineHeight()}));
    EXPECT_EQ(m.result, LineHeight());
}

TEST(DrawTextMeasure, LineBreaksAndWordBreak) {
    const QString text = QStringLiteral("one two three four");
    EXPECT_EQ(Measure(text, DT_WORDBREAK).result, LineHeight()) << "fits: one line";

    const int narrow = Advance(QStringLiteral("one two")) + 2;
    const Measured wrapped = Measure(text, DT_WORDBREAK, {0, 0, narrow, 100});
    EXPECT_EQ(wrapped.result, 3 * LineHeight()) << "one two / three / four";
    EXPECT_EQ(wrapped.rect.right, Advance(QStringLiteral("one two")))
        << "the widest line, without the space at the break";

    // A word wider than the rectangle stays whole on its own line.
    const Measured longWord = Measure(QStringLiteral("a extraordinarily b"), DT_WORDBREAK, {0, 0, 20, 100});
    EXPECT_EQ(longWord.result, 3 * LineHeight());
    EXPECT_EQ(longWord.rect.right, Advance(QStringLiteral("extraordinarily")));

    EXPECT_EQ(Measure(text, 0, {0, 0, narrow, 100}).result, LineHeight()) << "no break without the flag";
    EXPECT_EQ(Measure(QStringLiteral("a\r\nb\nc\rd"), 0).result, 4 * LineHeight());
    EXPECT_EQ(Measure(QStringLiteral("a\n\nb"), 0).result, 3 * LineHeight()) << "empty line counts";
    EXPECT_EQ(Measure(QStringLiteral("a\nb"), DT_SINGLELINE).result, LineHeight());
    EXPECT_EQ(Measure(QString(), 0).result, 0);
    EXPECT_EQ(Measure(QString(), DT_SINGLELINE).result, LineHeight());
}

TEST(DrawTextPrefix, AmpersandIsHiddenDoubledShowsOneNoPrefixKeepsIt) {
    EXPECT_EQ(Measure(QStringLiteral("&File"), 0).rect.right, Advance(QStringLiteral("File")));
    EXPECT_EQ(Measure(QStringLiteral("A&&B"), 0).rect.right, Advance(QStringLiteral("A&B")));
    EXPECT_EQ(Measure(QStringLiteral("&File"), DT_NOPREFIX).rect.right, Advance(QStringLiteral("&File")));
    EXPECT_EQ(Measure(QStringLiteral("End&"), 0).rect.right, Advance(QStringLiteral("End")));

    // The marked letter gets an underline below the baseline: text drawn with the mark has
    // ink below the unmarked text's ink.
    const Rect r{0, 0, 120, 40};
    const Rect plain = InkBox(Draw(QStringLiteral("xxx"), r, 0), clBlack);
    const Rect marked = InkBox(Draw(QStringLiteral("x&xx"), r, 0), clBlack);
    EXPECT_GT(marked.bottom, plain.bottom);
    EXPECT_EQ(marked.left, plain.left);
    EXPECT_EQ(marked.right, plain.right);
    const Rect noPrefix = InkBox(Draw(QStringLiteral("x&xx"), r, DT_NOPREFIX), clBlack);
    EXPECT_EQ(noPrefix.bottom, plain.bottom) << "no underline with DT_NOPREFIX";
    EXPECT_GT(noPrefix.right, plain.right) << "the ampersand is drawn";
}

TEST(DrawTextEllipsis, CutLineFitsTheWidth) {
    const QString text = QStringLiteral("A rather long file name.gif");
    for (const int width : {120, 60, 25, 8, 0}) {
        const Measured m = Measure(text, DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, width, 20});
        EXPECT_LE(m.rect.right, width) << "width " << width;
    }
    const int fitting = Advance(QStringLiteral("A rat..."));
    EXPECT_EQ(Measure(text, DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, fitting, 20}).rect.right, fitting);
    // Text that fits is left alone.
    EXPECT_EQ(Measure(text, DT_SINGLELINE | DT_END_ELLIPSIS).rect.right, Advance(text));
}

TEST(DrawTextPlacement, AlignmentFlagsPlaceTheInk) {
    const Rect r{10, 5, 110, 35};
    const Rect left = InkBox(Draw(QStringLiteral("Ab"), r, DT_LEFT), clBlack);
    const Rect centre = InkBox(Draw(QStringLiteral("Ab"), r, DT_CENTER), clBlack);
    const Rect right = InkBox(Draw(QStringLiteral("Ab"), r, DT_RIGHT), clBlack);
    const int advance = Advance(QStringLiteral("Ab"));
    EXPECT_GE(left.left, 10);
    EXPECT_LE(left.right, 10 + advance);
    EXPECT_GE(right.left, 110 - advance);
    EXPECT_LE(right.right, 110);
    EXPECT_EQ(centre.left - left.left, (100 - advance) / 2);
    EXPECT_EQ(right.left - left.left, 100 - advance);
    EXPECT_EQ(left.top, centre.top);
    EXPECT_EQ(left.top, right.top);

    // Vertical placement of a single line.
    const Rect top = InkBox(Draw(QStringLiteral("Ab"), r, DT_SINGLELINE), clBlack);
    const Rect middle = InkBox(Draw(QStringLiteral("Ab"), r, DT_SINGLELINE | DT_VCENTER), clBlack);
    const Rect bottom = InkBox(Draw(QStringLiteral("Ab"), r, DT_SINGLELINE | DT_BOTTOM), clBlack);
    EXPECT_EQ(middle.top - top.top, (30 - LineHeight()) / 2);
    EXPECT_EQ(bottom.top - top.top, 30 - LineHeight());
}

TEST(DrawTextPlacement, ResultForCentredAndBottomLinesReachesTheTextBottom) {
    QImage image = Blank(60, 40);
    Canvas canvas(image);
    canvas.SetFont(CrispFont());
    Rect r{0, 0, 60, 40};
    EXPECT_EQ(canvas.DrawText(QStringLiteral("x"), r, DT_SINGLELINE | DT_BOTTOM), 40);
    EXPECT_EQ(canvas.DrawText(QStringLiteral("x"), r, DT_SINGLELINE | DT_VCENTER),
              (40 - LineHeight()) / 2 + LineHeight());
    EXPECT_EQ(canvas.DrawText(QStringLiteral("x"), r, 0), LineHeight());
}

TEST(DrawTextCells, SolidBrushFillsTheCellClearBrushLeavesTheBackground) {
    const Rect r{0, 0, 120, 40};
    const int cellPixels = Advance(QStringLiteral("Ab")) * LineHeight();
    const QImage solid = Draw(QStringLiteral("Ab"), r, 0, 120, 40, BrushStyle::bsSolid, clSilver);
    EXPECT_EQ(InkBox(solid, clSilver), (Rect{0, 0, Advance(QStringLiteral("Ab")), LineHeight()}));
    EXPECT_EQ(CountOf(solid, clSilver) + CountOf(solid, clBlack), cellPixels) << "only the cell is touched";
    const QImage clear = Draw(QStringLiteral("Ab"), r, 0, 120, 40, BrushStyle::bsClear, clSilver);
    EXPECT_EQ(CountOf(clear, clSilver), 0);
    EXPECT_GT(CountOf(clear, clBlack), 0);
}

TEST(DrawTextCells, DrawingIsClippedToTheRectangle) {
    const QImage image = Draw(QStringLiteral("Wide text here"), {5, 2, 25, 8}, 0);
    const Rect ink = InkBox(image, clBlack);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 25);
    EXPECT_LE(ink.bottom, 8);
    EXPECT_EQ(At(image, 26, 1), clWhite);
}

TEST(DrawTextCells, CalcRectDrawsNothing) {
    QImage image = Blank(60, 20);
    {
        Canvas canvas(image);
        canvas.SetFont(CrispFont());
        Rect r{0, 0, 60, 20};
        canvas.DrawText(QStringLiteral("Ab"), r, DT_CALCRECT);
    }
    EXPECT_EQ(CountOf(image, clWhite), 60 * 20);
}
