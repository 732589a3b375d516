// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse events go through the window as the windowing system's would.
#define QTEST_QPA_MOUSE_HANDLING

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "controls/GridDataFile.h"
#include "controls/Picture.h"
#include "controls/SuperGrd.h"
#include "controls/SuperGridPaint.h"
#include "platform/Error.h"
#include "platform/SysColors.h"
#include "platform/Translations.h"
#include "tests/unit/style/TempFolder.h"

using namespace controls;

namespace {

// A 1 x 1 GIF whose one pixel is red, field by field.
const std::string kRedGif{
    "GIF89a"
    "\x01\x00\x01\x00"                          // screen 1 x 1
    "\x80\x00\x00"                              // global table of 2 entries
    "\xFF\x00\x00\x00\x00\x00"                  // red, black
    "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"  // image at 0,0, 1 x 1
    "\x02\x02\x44\x01\x00"                      // code size 2; clear, index 0, end
    "\x3B",
    33};

// Four columns, a title row and three data rows; column 0 holds check boxes checked by
// default, column 1 is plain, columns 2 and 3 have no descriptor.
// Counts the paints a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct Grid {
    TSuperGrid grid;
    std::vector<std::tuple<int, int, bool>> clicks;

    Grid() {
        grid.SetColCount(4);
        grid.SetRowCount(4);
        grid.SetFixedCols(0);
        grid.SetDefaultRowHeight(20);
        TColumns columns;
        TColumn checks;
        checks.ControlType = kControlCheckBox;
        checks.CheckBoxDefault = true;
        columns.Add(checks);
        columns.Add(TColumn());
        grid.SetColumns(columns);
        grid.OnCheckBoxClick = [this](TSuperGrid*, int col, int row, bool checked) {
            clicks.emplace_back(col, row, checked);
        };
        grid.resize(300, 200);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QPoint Centre(int col, int row) const {
        const platform::Rect r = grid.CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    bool Checked(int col, int row) const {
        return dynamic_cast<const TSuperCheckBoxState&>(*grid.Objects(col, row)).Checked;
    }
};

TEST(SuperGridCheckBoxes, NewDataCellsGetBoxesInTheirDefaultState) {
    Grid g;
    EXPECT_EQ(g.grid.Objects(0, 0), nullptr);  // the title row has none
    EXPECT_TRUE(g.Checked(0, 1));
    EXPECT_EQ(g.grid.Cells(0, 1), " ");
    EXPECT_EQ(g.grid.Objects(1, 1), nullptr);
    g.grid.SetRowCount(5);
    EXPECT_TRUE(g.Checked(0, 4));
}

TEST(SuperGridCheckBoxes, ToggleOnlyOnALeftPressAndReleaseInTheSameCell) {
    struct Case {
        const char* what;
        Qt::MouseButton pressButton;
        int pressRow;
        Qt::MouseButton releaseButton;
        int releaseRow;
        bool toggles;
    } cases[] = {
        {"left in the same cell", Qt::LeftButton, 1, Qt::LeftButton, 1, true},
        {"left from one cell to another", Qt::LeftButton, 1, Qt::LeftButton, 2, false},
        {"right press, left release", Qt::RightButton, 1, Qt::LeftButton, 1, false},
        {"right in the same cell", Qt::RightButton, 1, Qt::RightButton, 1, false},
    };
    for (const Case& c : cases) {
        Grid g;
        QWidget* view = g.grid.viewport();
        QTest::mousePress(view, c.pressButton, {}, g.Centre(0, c.pressRow));
        QApplication::processEvents();
        PaintCounter counter;
        view->installEventFilter(&counter);
        QTest::mouseRelease(view, c.releaseButton, {}, g.Centre(0, c.releaseRow));
        QApplication::processEvents();
        EXPECT_EQ(!g.Checked(0, 1), c.toggles) << c.what;
        if (c.toggles) {
            EXPECT_GT(counter.paints, 0) << "the toggled box is drawn anew";
        }
        EXPECT_TRUE(g.Checked(0, 2)) << c.what;
        EXPECT_EQ(g.clicks.size(), c.toggles ? 1u : 0u) << c.what;
        if (c.toggles) {
            EXPECT_EQ(g.clicks[0], std::make_tuple(0, 1, false));
        }
    }
}

TEST(SuperGridCheckBoxes, KeysNeverToggle) {
    Grid g;
    g.grid.setFocus();
    QTest::keyClick(&g.grid, Qt::Key_Space);
    QTest::keyClick(&g.grid, Qt::Key_Return);
    EXPECT_TRUE(g.Checked(0, 1));
}

TEST(SuperGridColumns, MovingAColumnWithoutDescriptorAppendsThemFirst) {
    TSuperGrid grid;
    grid.SetColCount(6);
    TColumns columns;
    for (const char* title : {"A", "B", "C"}) {
        TColumn column;
        column.SetTitle({title});
        columns.Add(column);
    }
    grid.SetColumns(columns);
    for (int col = 0; col < 6; ++col) {
        grid.SetColWidths(col, 30 + col);
        grid.SetCells(col, 1, QString::number(col));
    }
    grid.SetColWidths(6, 99);  // no such column: both ignored
    grid.MoveColumn(6, 1);
    grid.MoveColumn(5, 1);
    const TColumns& moved = grid.Columns();
    ASSERT_EQ(moved.Count(), 6);
    EXPECT_EQ(moved.Items(0).Title(), std::vector<std::string>{"A"});
    EXPECT_EQ(moved.Items(1).Width(), 35);
    EXPECT_EQ(moved.Items(2).Title(), std::vector<std::string>{"B"});
    EXPECT_EQ(moved.Items(3).Title(), std::vector<std::string>{"C"});
    EXPECT_EQ(moved.Items(4).Width(), 33);
    EXPECT_EQ(moved.Items(5).Width(), 34);
    EXPECT_EQ(grid.Cells(1, 1), "5");
    EXPECT_EQ(grid.ColWidths(1), 35);
}

TEST(StringGridCurrentCell, AsksOnlyOnARealChange) {
    Grid g;
    int asked = 0;
    g.grid.OnSelectCell = [&asked](TStringGrid*, int, int, bool&) { ++asked; };
    g.grid.SetCol(g.grid.Col());
    g.grid.SetRow(g.grid.Row());
    EXPECT_EQ(asked, 0);
    g.grid.SetRow(2);
    EXPECT_EQ(asked, 1);
    g.grid.OnSelectCell = [](TStringGrid*, int, int, bool& canSelect) { canSelect = false; };
    g.grid.SetRow(3);
    EXPECT_EQ(g.grid.Row(), 2);
}

TEST(StringGridCurrentCell, KeysMoveWithinTheDataCells) {
    Grid g;
    g.grid.SetFixedRows(4);  // refused: no data row would be left
    g.grid.SetColCount(0);   // refused: a grid keeps its fixed columns and one more
    g.grid.setFocus();
    QTest::keyClick(&g.grid, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&g.grid, Qt::Key_Right);  // the last column goes no further
    EXPECT_EQ(std::make_pair(g.grid.Col(), g.grid.Row()), std::make_pair(3, 3));
    QTest::keyClick(&g.grid, Qt::Key_Home);
    EXPECT_EQ(std::make_pair(g.grid.Col(), g.grid.Row()), std::make_pair(0, 3));
    QTest::keyClick(&g.grid, Qt::Key_PageUp);
    EXPECT_EQ(g.grid.Row(), 1);  // never onto the title row
    QTest::keyClick(&g.grid, Qt::Key_Down);
    EXPECT_EQ(g.grid.Row(), 2);
    QTest::keyClick(&g.grid, Qt::Key_Right);
    QTest::keyClick(&g.grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(std::make_pair(g.grid.Col(), g.grid.Row()), std::make_pair(0, 1));
    // The current cell alone wears the dotted focus ring.
    g.grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g.grid));
    const QImage shot = g.grid.viewport()->grab().toImage();
    const QColor dot = platform::ToQColor(platform::ColorToRGB(platform::clHighlight) ^ 0xFFFFFF);
    const platform::Rect current = g.grid.CellRect(0, 1), below = g.grid.CellRect(0, 2);
    EXPECT_EQ(shot.pixelColor(current.left, current.top), dot);
    EXPECT_NE(shot.pixelColor(below.left, below.top), dot);
}

// A row cut by a single pixel at the bottom of the view is scrolled into view.
TEST(StringGridCurrentCell, ARowCutByOnePixelScrollsIntoView) {
    Grid g;
    g.grid.SetRowCount(20);
    const int frame = g.grid.height() - g.grid.viewport()->height();
    g.grid.resize(300, frame + 21 + 7 * 21 + 20 - 1);  // the title, seven rows and row 8 less a pixel
    g.grid.SetRow(8);
    EXPECT_EQ(g.grid.TopRow(), 2);
    EXPECT_LE(g.grid.CellRect(0, 8).bottom, g.grid.viewport()->height());
}

TEST(StringGridHitTest, GivesMinusOneOutsideTheCells) {
    Grid g;
    int col = 0, row = 0;
    g.grid.MouseToCell(5, 5, col, row);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(0, 0));
    g.grid.MouseToCell(299, 5, col, row);  // right of the last column (4 x 65 wide)
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(-1, -1));
    g.grid.MouseToCell(5, 150, col, row);  // below the last row
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(-1, -1));
    g.grid.SetRowHeights(2, 0);  // a row of no height takes only its line
    EXPECT_EQ(g.grid.CellRect(0, 3).top, g.grid.CellRect(0, 2).top + 1);
}

struct DataGrid : Grid {
    TempFolder folder;

    void Load(const std::string& content, bool addRows) {
        WriteFile(folder.File("data.csv"), content);
        TColumns columns;
        columns.Assign(grid.Columns());
        columns.SetLoadData(true);
        columns.SetDataFileName(folder.File("data.csv"));
        columns.SetAddRows(addRows);
        grid.SetColumns(columns);
        grid.Loaded();
    }
};

TEST(SuperGridDataFile, FillsRowsAndAddsThemWhenAllowed) {
    for (const bool addRows : {false, true}) {
        DataGrid g;
        g.grid.SetCells(1, 3, "old");
        g.Load("a,b,c,d\n,x,,y\n1,2\n3,4\n5,6\n", addRows);
        EXPECT_EQ(g.grid.Cells(0, 1), "a");
        EXPECT_EQ(g.grid.Cells(3, 1), "d");
        EXPECT_EQ(g.grid.Cells(0, 2), " ");  // a check-box cell keeps its blank
        EXPECT_EQ(g.grid.Cells(1, 2), "x");
        EXPECT_EQ(g.grid.Cells(2, 2), "");
        EXPECT_EQ(g.grid.Cells(1, 3), "2");
        EXPECT_EQ(g.grid.RowCount(), addRows ? 6 : 4);
        if (addRows) {
            EXPECT_EQ(g.grid.Cells(1, 5), "6");
            EXPECT_TRUE(g.Checked(0, 5));
        }
    }
}

TEST(SuperGridDataFile, PicturesLoadIntoCellsAndAreDrawn) {
    DataGrid g;
    WriteFile(g.folder.File("red.gif"), kRedGif);
    QImage blue(2, 3, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(QString::fromStdString(g.folder.File("blue.png"))));
    g.Load(
        ",{" + g.folder.File("red.gif") + "}after,{ " + g.folder.File("blue.png") + " }\n,{missing.gif}x\n",
        false);
    const auto* red = dynamic_cast<const TPicture*>(g.grid.Objects(1, 1));
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->Graphic().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(g.grid.Cells(1, 1), "after");
    ASSERT_NE(dynamic_cast<const TPicture*>(g.grid.Objects(2, 1)), nullptr);
    EXPECT_EQ(g.grid.Cells(2, 1), " ");
    EXPECT_EQ(g.grid.Objects(1, 2), nullptr);  // a missing picture is skipped
    EXPECT_EQ(g.grid.Cells(1, 2), "x");

    const QImage shot = g.grid.viewport()->grab().toImage();
    const platform::Rect cell = g.grid.CellRect(1, 1);
    EXPECT_EQ(shot.pixelColor(cell.left + 2, cell.top + 2), QColor(Qt::red));

    // Loading again frees the pictures before it reads the file anew.
    g.Load("", false);
    EXPECT_EQ(g.grid.Objects(1, 1), nullptr);
    EXPECT_EQ(g.grid.Cells(1, 1), "");
}

TEST(SuperGridDataFile, MissingFileClearsTheDataRowsSilently) {
    DataGrid g;
    g.grid.SetCells(1, 1, "kept?");
    g.grid.SetCells(0, 1, "on");  // a check-box cell, whose text goes back to its blank
    g.grid.SetCells(1, 0, "title");
    TColumns columns;
    columns.Assign(g.grid.Columns());
    columns.SetLoadData(true);
    columns.SetDataFileName(g.folder.File("none.csv"));
    g.grid.SetColumns(columns);
    EXPECT_NO_THROW(g.grid.Loaded());
    EXPECT_EQ(g.grid.Cells(1, 1), "");
    EXPECT_EQ(g.grid.Cells(1, 0), "title");
    EXPECT_EQ(g.grid.Cells(0, 1), " ");
}

// The error reads in the user's language, the file's name as it is.
TEST(SuperGridDataFile, AnUnreadablePictureEndsTheLoadWithAnError) {
    DataGrid g;
    WriteFile(g.folder.File("bad.gif"), "GIF89a\x01");
    WriteFile(g.folder.File("bad.png"), "not a picture");
    const struct {
        const char* language;
        const char* before;
        const char* after;
    } languages[] = {{"en", "Unable to load the picture ", ""},
                     {"de", "Das Bild ", " kann nicht geladen werden"}};
    for (const auto& language : languages) {
        platform::InstallTranslations(platform::TranslationsFolder(), {language.language});
        for (const char* name : {"bad.gif", "bad.png"}) {
            try {
                g.Load("before\n,{" + g.folder.File(name) + "}\nafter\n", false);
                ADD_FAILURE() << name << " loaded";
            } catch (const platform::Error& e) {
                EXPECT_EQ(std::string(e.what()), language.before + g.folder.File(name) + language.after);
            }
            EXPECT_EQ(g.grid.Cells(0, 1), "before");
            EXPECT_EQ(g.grid.Cells(0, 3), " ");  // the load ended before the third line
            EXPECT_EQ(g.grid.Objects(1, 2), nullptr);
        }
        platform::RemoveTranslations();
    }
}

// Tables come from other systems' editors and spreadsheets, as style files do.
TEST(SuperGridDataFile, ReadsTheEncodingsStyleFilesComeIn) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"UTF-8", "Caf\xC3\xA9\n"},
        {"Windows-1252", "Caf\xE9\n"},
        {"UTF-8 after a mark",
         "\xEF\xBB\xBF"
         "Caf\xC3\xA9\n"},
        {"UTF-16LE", std::string("\xFF\xFE"
                                 "C\0a\0f\0\xE9\0\n\0",
                                 12)},
    };
    for (const auto& c : cases) {
        DataGrid g;
        g.Load(c.bytes, false);
        EXPECT_EQ(g.grid.Cells(0, 1), QString::fromUtf8("Caf\xC3\xA9")) << c.what;
    }
}

// A pipe would wait for a writer that never comes; a huge file would fill the memory.
TEST(SuperGridDataFile, WhatIsNotARegularFileOfSaneSizeIsRefused) {
    DataGrid g;
    const std::string pipe = g.folder.File("pipe.csv");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = g.folder.File("huge.csv");
    WriteFile(huge, "a\n");
    std::filesystem::resize_file(huge, kMaxDataFileBytes + 1);
    for (const std::string& name : {pipe, huge, g.folder.Dir()}) {
        TColumns columns;
        columns.Assign(g.grid.Columns());
        columns.SetLoadData(true);
        columns.SetDataFileName(name);
        g.grid.SetColumns(columns);
        try {
            g.grid.Loaded();
            ADD_FAILURE() << name << " was read";
        } catch (const platform::Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to read the data file " + name);
        }
    }
}

TEST(SuperGridDataFile, APipeNamedLikeAPictureIsRefusedWithoutWaiting) {
    // Opened to read, a pipe would wait for a writer that never comes.
    TempFolder folder;
    const std::string pipe = folder.File("pipe.gif");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TPicture picture;
    try {
        picture.LoadFromFile(pipe);
        ADD_FAILURE() << "the pipe loaded";
    } catch (const platform::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to load the picture " + pipe);
    }
}

// A title's lines stand two pixels apart, on the title row only: a second fixed row shows
// its own text.
TEST(SuperGridDrawing, TitleLinesStackOnTheTitleRowOnly) {
    TSuperGrid grid;
    grid.SetFixedCols(0);
    grid.SetColCount(1);
    grid.SetFixedRows(2);
    grid.SetRowHeights(0, 60);
    TColumns columns;
    TColumn column;
    column.SetTitle({"H", "H"});
    columns.Add(column);
    grid.SetColumns(columns);
    grid.resize(200, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    const QImage shot = grid.viewport()->grab().toImage();
    const auto inkRows = [&shot](const platform::Rect& r) {  // the first row of each line of ink
        std::vector<int> starts;
        for (int y = r.top + 3, inkAbove = 0; y < r.bottom - 3; ++y) {
            int ink = 0;
            for (int x = r.left + 4; x < r.right - 4; ++x) ink |= qGray(shot.pixel(x, y)) < 64;
            if (ink && !inkAbove) starts.push_back(y);
            inkAbove = ink;
        }
        return starts;
    };
    const std::vector<int> title = inkRows(grid.CellRect(0, 0));
    ASSERT_EQ(title.size(), 2u);
    const QFontMetrics metrics(TSuperGrid::ToQFont(column.TitleFont()));
    EXPECT_EQ(title[1] - title[0], metrics.ascent() + metrics.descent() + 2);
    EXPECT_TRUE(inkRows(grid.CellRect(0, 1)).empty());
    // A stored font's height, weight, strike-out and pitch reach the drawing font.
    TFont stored;
    stored.Height = -20;
    stored.Bold = true;
    stored.StrikeOut = true;
    stored.Pitch = TFontPitch::fpFixed;
    const QFont drawn = TSuperGrid::ToQFont(stored);
    EXPECT_EQ(drawn.pixelSize(), 20);
    EXPECT_TRUE(drawn.bold() && drawn.strikeOut() && drawn.fixedPitch());
    stored.Pitch = TFontPitch::fpVariable;
    EXPECT_FALSE(TSuperGrid::ToQFont(stored).fixedPitch());
}

// Where in a cell's picture the image shows, pixel for pixel.
bool Shows(const QImage& shot, const platform::Rect& cell, const QImage& image) {
    for (int y = cell.top; y + image.height() <= cell.bottom; ++y) {
        for (int x = cell.left; x + image.width() <= cell.right; ++x) {
            if (shot.copy(x, y, image.width(), image.height()) == image) return true;
        }
    }
    return false;
}

// Each style of check box shows its own image for on and off; a grid left to its owner's
// drawing shows none.
TEST(SuperGridDrawing, EachCheckBoxStyleShowsItsImage) {
    Grid g;
    TColumns columns;
    for (const std::uint8_t style : {kCheckBoxStandard, kCheckBoxCheckMark, kCheckBoxPlain}) {
        TColumn column;
        column.ControlType = kControlCheckBox;
        column.CheckBoxStyle = style;
        column.CheckBoxDefault = true;
        columns.Add(column);
    }
    g.grid.SetColumns(columns);
    for (int col = 0; col < 3; ++col)
        dynamic_cast<TSuperCheckBoxState&>(*g.grid.Objects(col, 2)).Checked = false;
    const char* images[2][3] = {{"STANDARD_CB_ON", "CHECKMARK_CB_ON", "PLAIN_CB_ON"},
                                {"STANDARD_CB_OFF", "STANDARD_CB_OFF", "PLAIN_CB_OFF"}};
    const QImage shot = g.grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int row = 1; row <= 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            const char* name = images[row - 1][col];
            EXPECT_TRUE(Shows(shot, g.grid.CellRect(col, row), TSuperGrid::CheckBoxImage(name))) << name;
        }
    }
    g.grid.SetDefaultDrawing(false);
    const QImage plain = g.grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(Shows(plain, g.grid.CellRect(0, 1), TSuperGrid::CheckBoxImage("STANDARD_CB_ON")));
}

// An ellipsis column shows a text that fills its cell whole and cuts a longer one, where a
// clipping column beside it shows both alike; both write in their font's colour. Changes
// made once the grid shows reach the screen.
TEST(SuperGridDrawing, EllipsisCutsOnlyATextLongerThanTheCell) {
    TSuperGrid grid;
    grid.SetFixedCols(0);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    TColumn column;
    TFont red = column.Font();
    red.Color = platform::clRed;
    column.SetFont(red);
    grid.Columns().Add(column);
    column.TextOverflow = kOverflowEllipsis;
    grid.Columns().Add(column);
    column.TextOverflow = kOverflowClip;
    grid.Columns().Add(column);
    const int width = QFontMetrics(TSuperGrid::ToQFont(red)).horizontalAdvance("HHHH") + 2 * kCellTextInset;
    for (int col = 0; col < 3; ++col) grid.SetColWidths(col, width);
    for (int col = 1; col < 3; ++col) {
        grid.SetCells(col, 1, "HHHH");
        grid.SetCells(col, 2, "HHHHH");
    }
    grid.resize(300, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    const QImage shot = grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto cell = [&](int col, int row) {
        const platform::Rect r = grid.CellRect(col, row);
        return shot.copy(r.left, r.top, r.Width(), r.Height());
    };
    EXPECT_EQ(cell(1, 1), cell(2, 1)) << "a text that fills the cell is kept";
    EXPECT_NE(cell(1, 2), cell(2, 2)) << "a longer one is cut";
    const QImage ink = cell(1, 1);
    const QRgb* pixels = reinterpret_cast<const QRgb*>(ink.constBits());
    EXPECT_GT(std::count(pixels, pixels + ink.width() * ink.height(), qRgb(255, 0, 0)), 0);

    PaintCounter counter;
    grid.viewport()->installEventFilter(&counter);
    const std::function<void()> changes[] = {[&] { grid.SetCells(1, 1, "H"); },
                                             [&] { grid.Columns().Items(2).SetTitle({"T"}); }};
    for (const auto& change : changes) {
        counter.paints = 0;
        change();
        QApplication::processEvents();
        EXPECT_GT(counter.paints, 0);
    }
}

TEST(SuperGridDrawing, CheckBoxImagesMatchTheirPixelTables) {
    // Row 7 of each image, and the corner pixels: enough to tell all five apart.
    struct Case {
        const char* name;
        const char* row7;
    } cases[] = {
        {"STANDARD_CB_ON", "GKWWWKKKWWWSW"},  {"STANDARD_CB_OFF", "GKWWWWWWWWWSW"},
        {"CHECKMARK_CB_ON", "GKWKKWKKKWWSW"}, {"PLAIN_CB_ON", "KWWWWWKWWWWWK"},
        {"PLAIN_CB_OFF", "KWWWWWWWWWWWK"},
    };
    const auto colorOf = [](char c) {
        return c == 'K'   ? QColor(0, 0, 0)
               : c == 'G' ? QColor(0x80, 0x80, 0x80)
               : c == 'S' ? QColor(0xC0, 0xC0, 0xC0)
                          : QColor(0xFF, 0xFF, 0xFF);
    };
    for (const Case& c : cases) {
        const QImage image = TSuperGrid::CheckBoxImage(c.name);
        ASSERT_EQ(image.size(), QSize(13, 13)) << c.name;
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(image.pixelColor(x, 6), colorOf(c.row7[x])) << c.name << " x " << x;
    }
}

}  // namespace

namespace {

TEST(StringGridMouse, LeftClickSelectsADataCellAndTheWheelScrolls) {
    Grid g;
    g.grid.SetRowCount(40);
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, g.Centre(2, 3));
    EXPECT_EQ(std::make_pair(g.grid.Col(), g.grid.Row()), std::make_pair(2, 3));
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, g.Centre(1, 0));  // a title
    QTest::mouseClick(g.grid.viewport(), Qt::RightButton, {}, g.Centre(1, 2));
    EXPECT_EQ(std::make_pair(g.grid.Col(), g.grid.Row()), std::make_pair(2, 3));

    const auto turn = [&g](int delta) {
        QWheelEvent event({50, 50}, g.grid.mapToGlobal(QPoint(50, 50)), {}, {0, delta}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(g.grid.viewport(), &event);
    };
    turn(-120);
    EXPECT_EQ(g.grid.TopRow(), 4);
    EXPECT_EQ(g.grid.verticalScrollBar()->value(), 3);
    // A touchpad turns in small steps: eight of an eighth of a notch scroll as one notch does.
    for (int i = 0; i < 8; ++i) turn(-15);
    EXPECT_EQ(g.grid.TopRow(), 7);
    // What is left of a turn one way does not shorten a turn the other way.
    turn(15);
    turn(-120);
    EXPECT_EQ(g.grid.TopRow(), 10);
    EXPECT_EQ(g.grid.verticalScrollBar()->pageStep(), 8) << "a page is the rows wholly in view";
}

}  // namespace
