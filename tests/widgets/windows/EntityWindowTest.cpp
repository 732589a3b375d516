// SPDX-License-Identifier: GPL-3.0-or-later
#define QTEST_QPA_MOUSE_HANDLING

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#include "controls/BoxLabl.h"
#include "controls/SuperGrd.h"
#include "platform/Clipboard.h"
#include "platform/SysColors.h"
#include "windows/EntityWindow.h"

using windows::TfrmSpecial;

namespace {

class SpecialWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = new TfrmSpecial(nullptr, &open);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void TearDown() override { delete window; }

    controls::TSuperGrid& Grid() const { return *window->SuperGrid1; }
    QString Shown() const { return window->lblSpecial->Caption(); }
    QString Code() const { return window->txtCode->text(); }
    QString Name() const { return window->txtName->text(); }
    QColor PixelOfCell(int col, int row) const {
        const platform::Rect r = Grid().CellRect(col, row);
        return Grid().viewport()->grab().toImage().pixelColor(r.left + 3, r.top + 3);
    }

    bool open = false;
    QPointer<TfrmSpecial> window;
};

TEST_F(SpecialWindowTest, OpensOnTheQuoteInTheCharColumn) {
    EXPECT_TRUE(open);
    EXPECT_EQ(window->windowTitle(), "Special Characters");
    EXPECT_EQ(window->size(), QSize(237, 345));
    EXPECT_EQ(Shown(), "\"");
    EXPECT_EQ(Code(), "&#34");
    EXPECT_EQ(Name(), "&quot");
    EXPECT_EQ(std::make_pair(Grid().Col(), Grid().Row()), std::make_pair(0, 1));
    EXPECT_TRUE(Grid().hasFocus());
    // The places of the design: the grid fills the window below the large character; the
    // captions read on the line of their fields.
    const std::pair<QWidget*, QRect> places[] = {
        {window->lblSpecial, {5, 2, 41, 35}},     {window->txtCode, {87, 1, 52, 19}},
        {window->txtName, {87, 21, 52, 19}},      {window->cmdCopyCode, {143, 2, 17, 18}},
        {window->cmdCopyName, {143, 22, 17, 18}}, {window->cmdHide, {178, 8, 58, 25}},
        {window->SuperGrid1, {0, 41, 237, 304}}};
    for (const auto& [widget, place] : places)
        EXPECT_EQ(widget->geometry(), place) << widget->objectName().toStdString();
    const std::tuple<QWidget*, QPoint, QWidget*> captions[] = {{window->lblCode, {54, 4}, window->txtCode},
                                                               {window->Label1, {52, 24}, window->txtName}};
    for (const auto& [caption, at, field] : captions) {
        EXPECT_EQ(caption->pos(), at);
        EXPECT_LE(std::abs(caption->geometry().center().y() - field->geometry().center().y()), 3);
    }
    EXPECT_EQ(Grid().CellRect(2, 1).right, 42 + 71 + 99 + 2) << "Char, Code and Name columns";
    int col = 0, row = 0;
    Grid().MouseToCell(Grid().viewport()->width() - 2, 30, col, row);
    EXPECT_EQ(col, -1) << "and none right of Name";
    EXPECT_TRUE(window->cmdHide->font().bold());
    // The window's text 11 pixels high; the large character 24, in blue.
    EXPECT_EQ(window->txtCode->font().pixelSize(), 11);
    EXPECT_EQ(window->lblSpecial->font().pixelSize(), 24);
    const QImage large = window->lblSpecial->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb* pixels = reinterpret_cast<const QRgb*>(large.constBits());
    EXPECT_GT(std::count(pixels, pixels + large.width() * large.height(), qRgb(0, 0, 255)), 0);
    EXPECT_EQ(Grid().accessibleName(), "Special characters");
}

// Tab walks from the grid through the fields, the copy buttons and Close back to the grid,
// in reading order; the window opens beside the main window's corner.
TEST_F(SpecialWindowTest, TabWalksTheFieldsAndTheWindowOpensByTheMainWindow) {
    for (QWidget* next :
         std::initializer_list<QWidget*>{window->txtCode, window->txtName, window->cmdCopyCode,
                                         window->cmdCopyName, window->cmdHide, &Grid()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    QWidget mainWindow;
    mainWindow.move(100, 80);
    bool secondOpen = false;
    auto* beside = new TfrmSpecial(&mainWindow, &secondOpen);
    EXPECT_EQ(beside->pos(), mainWindow.frameGeometry().topLeft() + QPoint(5, 5));
}

TEST_F(SpecialWindowTest, HoldsTheWholeTable) {
    ASSERT_EQ(Grid().RowCount(), 102);
    // Quote, ampersand, less, greater and backquote, then every code from 160 to 255; each
    // row shows its code's character.
    const int leading[] = {34, 38, 60, 62, 96};
    for (int row = 1; row <= 101; ++row) {
        const int code = row <= 5 ? leading[row - 1] : 154 + row;
        EXPECT_EQ(Grid().Cells(0, row), QString(QChar(static_cast<char16_t>(code)))) << row;
        EXPECT_EQ(Grid().Cells(1, row), "&#" + QString::number(code)) << row;
    }
    EXPECT_EQ(Grid().Cells(2, 3), "&lt");
    EXPECT_EQ(Grid().Columns().Items(2).Title(), std::vector<std::string>{"Name"});
}

TEST_F(SpecialWindowTest, ShowsTheRowThatBecomesCurrent) {
    struct Case {
        int row;
        char16_t shown;
        const char* code;
        const char* name;
    } cases[] = {
        {233 - 154, u'\u00E9', "&#233", "&eacute;"},
        {160 - 154, u'\u00A0', "&#160", "&nbsp;"},
        {5, u'`', "&#96", "&grave;"},
        {164 - 154, u'\u00A4', "&#164", "&curren;"},
    };
    for (const Case& c : cases) {
        Grid().SetRow(c.row);
        EXPECT_EQ(Shown(), QString(QChar(c.shown))) << c.code;
        EXPECT_EQ(Code(), c.code);
        EXPECT_EQ(Name(), c.name);
    }
}

TEST_F(SpecialWindowTest, LastRowScrollsIntoViewFromTheKeyboard) {
    QTest::keyClick(&Grid(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid().Row(), 101);
    EXPECT_EQ(Code(), "&#255");
    EXPECT_EQ(Name(), "&yuml;");
    EXPECT_EQ(Shown(), QString(QChar(u'\u00FF')));
    const platform::Rect last = Grid().CellRect(0, 101);
    EXPECT_GT(last.Height(), 0);
    EXPECT_LE(last.bottom, Grid().viewport()->height());
    EXPECT_EQ(Grid().TopRow(), 91) << "eleven rows of characters show below the titles";
}

TEST_F(SpecialWindowTest, RowsAlternateAndTheSelectedCellIsHighlighted) {
    using platform::ColorToRGB;
    using platform::ToQColor;
    EXPECT_EQ(PixelOfCell(0, 1), ToQColor(ColorToRGB(platform::clHighlight)));
    EXPECT_EQ(PixelOfCell(1, 1), ToQColor(ColorToRGB(platform::clInfoBk)));
    EXPECT_EQ(PixelOfCell(1, 2), ToQColor(ColorToRGB(platform::clWindow)));
    EXPECT_EQ(PixelOfCell(1, 0), ToQColor(ColorToRGB(platform::clBtnFace)));
}

TEST_F(SpecialWindowTest, CopyButtonsCopyTheFieldsAsEdited) {
    Grid().SetRow(233 - 154);
    window->cmdCopyCode->click();
    EXPECT_EQ(platform::ClipboardText(), "&#233");
    window->txtName->clear();
    QTest::keyClicks(window->txtName, "&eacute");
    window->cmdCopyName->click();
    EXPECT_EQ(platform::ClipboardText(), "&eacute");
    EXPECT_EQ(window->cmdCopyName->toolTip(), "Copy Name");
    EXPECT_EQ(window->cmdCopyName->accessibleName(), "Copy Name");
    EXPECT_FALSE(window->cmdCopyName->icon().isNull()) << "the copy picture";
}

TEST_F(SpecialWindowTest, EscapeClosesTheWindowWithNothingFocused) {
    QApplication::focusWidget()->clearFocus();
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(open);
}

TEST_F(SpecialWindowTest, EscapeWithAnyModifiersClosesAndReleasesTheWindow) {
    QTest::keyClick(&Grid(), Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(open);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
