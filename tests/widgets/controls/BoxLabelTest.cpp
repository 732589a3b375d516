// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse events go through the window as the windowing system's would, so that Qt finds the
// widget under the point and keeps the mouse with it from press to release.
#define QTEST_QPA_MOUSE_HANDLING

#include <gtest/gtest.h>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <set>
#include <utility>

#include "controls/BoxLabl.h"
#include "platform/Canvas.h"
#include "platform/SysColors.h"

using namespace controls;
using platform::TColor;

namespace {

constexpr TColor kFace = 0xC0C0C0;    // button face of the classic palette
constexpr TColor kShadow = 0x808080;  // button shadow of the classic palette
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr TColor kGray = 0x808080;

using Pixels = std::set<std::pair<int, int>>;

// Without antialiasing every ink pixel has exactly the colour it is drawn in.
QFont CrispFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage Render(QWidget& widget) { return widget.grab().toImage(); }

TColor At(const QImage& image, int x, int y) { return platform::FromQColor(image.pixelColor(x, y)); }

// The pixels of the colour inside the box (left, top) .. (right, bottom), exclusive.
Pixels PixelsOf(const QImage& image, TColor color, int left, int top, int right, int bottom) {
    Pixels pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (At(image, x, y) == color) pixels.insert({x, y});
    return pixels;
}

// The ink that DrawText leaves for the text in rect, on its own.
Pixels ReferenceInk(const QString& text, platform::Rect rect, unsigned flags, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::Canvas canvas(image);
        canvas.SetFont(CrispFont());
        canvas.SetBrushStyle(platform::BrushStyle::bsClear);
        canvas.DrawText(text, rect, flags);
    }
    return PixelsOf(image, kBlack, 0, 0, w, h);
}

int LineHeight() {
    const QFontMetrics metrics(CrispFont());
    return metrics.ascent() + metrics.descent();
}

// Half of a non-negative value, a half going to the even neighbour.
int HalfEven(int value) {
    const int half = value / 2;
    return value % 2 == 0 || half % 2 == 0 ? half : half + 1;
}

int Advance(const QString& text) { return QFontMetrics(CrispFont()).horizontalAdvance(text); }

struct Label {
    TBoxLabel label;
    Label(int w = 70, int h = 20) {
        label.resize(w, h);
        label.setFont(CrispFont());
    }
};

}  // namespace

TEST(BoxLabel, NewLabelStartsWithItsDefaults) {
    TBoxLabel label;
    EXPECT_EQ(label.size(), QSize(70, 20));
    EXPECT_EQ(label.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(label.HorizontalAlign(), THorizontalAlignment::haCenter);
    EXPECT_EQ(label.BevelOuter(), TBevelStyle::bvRaised);
    EXPECT_EQ(label.BevelInner(), TBevelStyle::bvLowered);
    EXPECT_EQ(label.BevelWidth(), 1);
    EXPECT_EQ(label.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(label.TextBorder(), 2);
    EXPECT_EQ(label.Color(), platform::clBtnFace);
    EXPECT_FALSE(label.WordWrap());
    EXPECT_TRUE(label.Caption().isEmpty());
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
}

TEST(BoxLabelPaint, DefaultLabelRings) {
    Label l;
    const QImage img = Render(l.label);
    // Outer ring, raised.
    EXPECT_EQ(At(img, 0, 0), kWhite);
    EXPECT_EQ(At(img, 68, 0), kWhite);
    EXPECT_EQ(At(img, 0, 19), kWhite);
    EXPECT_EQ(At(img, 69, 0), kShadow);
    EXPECT_EQ(At(img, 69, 10), kShadow);
    EXPECT_EQ(At(img, 35, 19), kShadow);
    // Inner ring, lowered.
    EXPECT_EQ(At(img, 1, 1), kShadow);
    EXPECT_EQ(At(img, 1, 18), kShadow);
    EXPECT_EQ(At(img, 68, 1), kWhite);
    EXPECT_EQ(At(img, 35, 18), kWhite);
    // The inside is the fill.
    EXPECT_EQ(PixelsOf(img, kFace, 2, 2, 68, 18).size(), 66u * 16u);
}

TEST(BoxLabelPaint, FilenameLabelSunkenRingAndCentredText) {
    Label l(85, 18);
    l.label.SetBevelOuter(TBevelStyle::bvNone);
    l.label.SetCaption(QStringLiteral("stone.gif"));
    const QImage img = Render(l.label);
    EXPECT_EQ(At(img, 0, 0), kShadow);
    EXPECT_EQ(At(img, 0, 17), kShadow);
    EXPECT_EQ(At(img, 83, 0), kShadow);
    EXPECT_EQ(At(img, 84, 0), kWhite);
    EXPECT_EQ(At(img, 84, 17), kWhite);
    EXPECT_EQ(At(img, 1, 17), kWhite);
    EXPECT_EQ(At(img, 1, 1), kFace);

    // Centred in (1, d, 84, d + h), d the half of the free height rounded to even.
    const int h = LineHeight();
    const int d = HalfEven(18 - h);
    const Pixels expected =
        ReferenceInk(QStringLiteral("stone.gif"), {1, d, 84, d + h}, platform::DT_CENTER, 85, 18);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(PixelsOf(img, kBlack, 0, 0, 85, 18), expected);
}

TEST(BoxLabelPaint, JustifiedTextKeepsTwiceTheInsetFree) {
    Label l;
    l.label.SetCaption(QStringLiteral("Hex"));
    l.label.SetHorizontalAlign(THorizontalAlignment::haTop);
    const int w = Advance(QStringLiteral("Hex"));
    const int h = LineHeight();

    l.label.SetAlignment(TAlignment::taLeftJustify);
    EXPECT_EQ(PixelsOf(Render(l.label), kBlack, 0, 0, 70, 20),
              ReferenceInk(QStringLiteral("Hex"), {4, 2, 4 + w, 2 + h}, 0, 70, 20));

    l.label.SetAlignment(TAlignment::taRightJustify);
    const Pixels right = PixelsOf(Render(l.label), kBlack, 0, 0, 70, 20);
    EXPECT_EQ(right, ReferenceInk(QStringLiteral("Hex"), {65 - w, 2, 65, 2 + h}, 0, 70, 20));
    for (const auto& [x, y] : right) EXPECT_LT(x, 65);
}

TEST(BoxLabelPaint, BottomAlignedTextSitsOnTheInset) {
    Label l;
    l.label.SetCaption(QStringLiteral("Hex"));
    l.label.SetAlignment(TAlignment::taLeftJustify);
    l.label.SetHorizontalAlign(THorizontalAlignment::haBottom);
    const int h = LineHeight();
    EXPECT_EQ(PixelsOf(Render(l.label), kBlack, 0, 0, 70, 20),
              ReferenceInk(QStringLiteral("Hex"), {4, 18 - h, 70, 18}, 0, 70, 20));
}

TEST(BoxLabelPaint, SingleBorderWithoutBevels) {
    Label l;
    l.label.SetBevelOuter(TBevelStyle::bvNone);
    l.label.SetBevelInner(TBevelStyle::bvNone);
    l.label.SetBorderStyle(TBorderStyle::bsSingle);
    const QImage img = Render(l.label);
    EXPECT_EQ(PixelsOf(img, kBlack, 0, 0, 70, 20).size(), 2u * 70u + 2u * 18u);
    EXPECT_EQ(At(img, 0, 0), kBlack);
    EXPECT_EQ(At(img, 69, 19), kBlack);
    EXPECT_EQ(PixelsOf(img, kFace, 1, 1, 69, 19).size(), 68u * 18u);
}

TEST(BoxLabelPaint, TextIsClippedInsideTheFrame) {
    Label l(30, 20);
    l.label.SetAlignment(TAlignment::taLeftJustify);
    l.label.SetCaption(QStringLiteral("A caption far too wide"));
    const QImage img = Render(l.label);
    // The right half of the rings is untouched by the text.
    EXPECT_EQ(At(img, 29, 10), kShadow);
    EXPECT_EQ(At(img, 28, 10), kWhite);
    EXPECT_EQ(PixelsOf(img, kBlack, 28, 0, 30, 20).size(), 0u);
}

TEST(BoxLabelPaint, DisabledTextIsGreyOverAWhiteCopyOffsetByOne) {
    Label l;
    l.label.SetCaption(QStringLiteral("Hex"));
    l.label.SetAlignment(TAlignment::taLeftJustify);
    const Pixels enabledInk = PixelsOf(Render(l.label), kBlack, 2, 2, 68, 18);
    ASSERT_FALSE(enabledInk.empty());

    l.label.SetEnabled(false);
    const QImage img = Render(l.label);
    EXPECT_TRUE(PixelsOf(img, kBlack, 0, 0, 70, 20).empty());
    // Grey exactly where the enabled text was (the shadow ring is the same grey).
    EXPECT_EQ(PixelsOf(img, kGray, 2, 2, 68, 18), enabledInk);
    // White where the copy one pixel right and down is not covered by the grey.
    Pixels expectedWhite;
    for (const auto& [x, y] : enabledInk) {
        if (y + 1 < 18 && !enabledInk.count({x + 1, y + 1})) expectedWhite.insert({x + 1, y + 1});
    }
    ASSERT_FALSE(expectedWhite.empty());
    EXPECT_EQ(PixelsOf(img, kWhite, 2, 2, 68, 18), expectedWhite);

    l.label.SetEnabled(true);
    EXPECT_EQ(PixelsOf(Render(l.label), kBlack, 2, 2, 68, 18), enabledInk);
}

TEST(BoxLabelPaint, LabelInDisabledWindowKeepsItsOwnLook) {
    QWidget parent;
    TBoxLabel label(&parent);
    label.setFont(CrispFont());
    label.SetCaption(QStringLiteral("Hex"));
    parent.setEnabled(false);
    EXPECT_FALSE(PixelsOf(Render(label), kBlack, 0, 0, 70, 20).empty());
}

TEST(BoxLabelPaint, StoredOnlyPropertiesNeverChangeThePixels) {
    Label l;
    l.label.SetCaption(QStringLiteral("12.5"));
    const QImage before = Render(l.label);
    l.label.SetTextBorder(5);
    l.label.SetFormatString(QStringLiteral("%.2f"));
    l.label.SetDecimals(3);
    EXPECT_EQ(l.label.TextBorder(), 5);
    EXPECT_EQ(l.label.FormatString(), QStringLiteral("%.2f"));
    EXPECT_EQ(l.label.Decimals(), 3);
    EXPECT_EQ(Render(l.label), before);
}

TEST(BoxLabelPaint, AmpersandUnderlinesTheNextLetterAndIsNotShown) {
    Label l;
    l.label.SetCaption(QStringLiteral("File"));
    const QImage plain = Render(l.label);
    l.label.SetCaption(QStringLiteral("&File"));
    const QImage marked = Render(l.label);
    const Pixels plainInk = PixelsOf(plain, kBlack, 2, 2, 68, 18);
    const Pixels markedInk = PixelsOf(marked, kBlack, 2, 2, 68, 18);
    // Same letters in the same place, plus an underline below them under the F.
    int lettersBottom = 0;
    for (const auto& p : plainInk) lettersBottom = std::max(lettersBottom, p.second + 1);
    Pixels extra;
    for (const auto& p : markedInk) {
        if (!plainInk.count(p)) extra.insert(p);
    }
    for (const auto& p : plainInk) EXPECT_TRUE(markedInk.count(p));
    ASSERT_FALSE(extra.empty());
    int plainLeft = 70;
    for (const auto& p : plainInk) plainLeft = std::min(plainLeft, p.first);
    for (const auto& [x, y] : extra) {
        EXPECT_GE(y, lettersBottom);
        EXPECT_LT(x, plainLeft + Advance(QStringLiteral("F")) + 1);
    }

    // "&&" shows one ampersand and underlines nothing.
    l.label.SetCaption(QStringLiteral("A&&B"));
    const int h = LineHeight();
    const int d = HalfEven(20 - h);
    EXPECT_EQ(PixelsOf(Render(l.label), kBlack, 2, 2, 68, 18),
              ReferenceInk(QStringLiteral("A&B"), {2, d, 68, d + h},
                           platform::DT_CENTER | platform::DT_NOPREFIX, 70, 20));
}

// Text that would fit the whole control's width on one line but not the frame's inside
// goes on two lines, and both show.
TEST(BoxLabelPaint, WrappedTextShowsEveryLine) {
    const QString text = QStringLiteral("aaaa bbbb");
    const int width = Advance(text) + 1;
    Label l(width, 40);
    l.label.SetWordWrap(true);
    l.label.SetCaption(text);
    const int h = LineHeight();
    const int d = HalfEven(40 - 2 * h);
    EXPECT_EQ(PixelsOf(Render(l.label), kBlack, 0, 0, width, 40),
              ReferenceInk(QStringLiteral("aaaa\nbbbb"), {2, d, width - 2, d + 2 * h}, platform::DT_CENTER,
                           width, 40));
}

TEST(BoxLabelPaint, CaptionIsCutAt255Characters) {
    Label l(4000, 20);
    l.label.SetAlignment(TAlignment::taLeftJustify);
    const QString kept(255, u'x');
    l.label.SetCaption(kept);
    const QImage cut = Render(l.label);
    l.label.SetCaption(kept + QStringLiteral("WWWWW"));
    EXPECT_EQ(Render(l.label), cut);
    EXPECT_EQ(l.label.Caption().size(), 260) << "the caption itself is kept whole";
}

TEST(BoxLabelPaint, SettingAPropertyRepaintsWithTheNewValue) {
    Label l;
    const QImage raised = Render(l.label);
    l.label.SetBevelOuter(TBevelStyle::bvLowered);
    const QImage lowered = Render(l.label);
    EXPECT_EQ(At(raised, 0, 0), kWhite);
    EXPECT_EQ(At(lowered, 0, 0), kShadow);
    l.label.SetColor(platform::clWhite);
    EXPECT_EQ(At(Render(l.label), 10, 10), kWhite);
}

TEST(BoxLabelMouse, ClickAndDoubleClickAreRaised) {
    QWidget window;
    window.resize(100, 50);
    TBoxLabel label(&window);
    label.move(10, 10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(&label, &TCustomBoxLabel::OnClick);
    QSignalSpy doubles(&label, &TCustomBoxLabel::OnDblClick);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    // The first press and release of a double click are a click, as usual.
    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 2) << "a right click is no click";
}
