// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabBar>
#include <tuple>

#include "controls/SuperGrd.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "windows/Colors.h"
#include "windows/EntityWindow.h"
#include "windows/FileOpen.h"

namespace {

QAccessibleInterface* Accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// Checks that every control of the window has a role and a name that a screen reader
// announces, and returns how many it checked.
int CheckNamedControls(QWidget& window) {
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QTabBar*>(widget) ||
            qobject_cast<QGroupBox*>(widget) || qobject_cast<controls::TSlideBar*>(widget) ||
            qobject_cast<controls::THotspot*>(widget) || qobject_cast<controls::TCustomBoxLabel*>(widget) ||
            qobject_cast<controls::TStringGrid*>(widget) || qobject_cast<windows::TPaletteSwatches*>(widget);
        // Qt's own parts (the menu bar's overflow button) come named by Qt when shown.
        if (!control || widget->objectName().startsWith("qt_") || !widget->isVisibleTo(&window)) continue;
        ++checked;
        QAccessibleInterface* accessible = Accessible(widget);
        EXPECT_NE(accessible, nullptr);
        if (accessible == nullptr) continue;
        const std::string what = window.objectName().toStdString() + ": " +
                                 widget->metaObject()->className() + " " + widget->objectName().toStdString();
        EXPECT_NE(accessible->role(), QAccessible::Client) << what;
        EXPECT_NE(accessible->role(), QAccessible::NoRole) << what;
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << what;
    }
    return checked;
}

}  // namespace

// Every control a user can reach, in the main window and the side windows it opens, has a
// role and a name that a screen reader announces.
TEST_F(MainWindowTest, EveryControlHasAnAccessibleRoleAndName) {
    EXPECT_GE(CheckNamedControls(*window), 40);
    bool open = false;
    auto* special = new windows::TfrmSpecial(window.get(), &open);
    auto* palette = new windows::TfrmColors(window.get(), open, [](platform::TColor) {});
    auto* chooser = new windows::TfrmFileOpen(folder.filePath("none.gif").toStdString(), {}, window.get());
    const std::pair<QWidget*, int> sideWindows[] = {{special, 6}, {palette, 3}, {chooser, 7}};
    for (const auto& [side, controls] : sideWindows) EXPECT_GE(CheckNamedControls(*side), controls);
}

// The special characters' grid is a table to a screen reader: a header per column, a cell
// per character named by its text, the current cell selected, and moving it is announced.
TEST_F(MainWindowTest, SpecialCharactersGridIsATableOfNamedCells) {
    bool open = false;
    auto* special = new windows::TfrmSpecial(window.get(), &open);
    special->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(special));
    controls::TStringGrid* grid = special->SuperGrid1;
    QAccessibleInterface* accessible = Accessible(grid);
    ASSERT_EQ(accessible->role(), QAccessible::Table);
    QAccessibleTableInterface* table = accessible->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), grid->RowCount() - 1);
    EXPECT_EQ(table->columnCount(), 3);

    struct Row {
        int row;
        int column;
        const char* name;
        const char* header;
    };
    const Row rows[] = {
        {0, 0, "\"", "Char"},
        {0, 1, "&#34", "Code"},
        {0, 2, "&quot", "Name"},
        {100, 1, "&#255", "Code"},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* cell = table->cellAt(row.row, row.column);
        ASSERT_NE(cell, nullptr) << row.name;
        EXPECT_EQ(cell->role(), QAccessible::Cell) << row.name;
        EXPECT_EQ(cell->text(QAccessible::Name), row.name);
        EXPECT_EQ(cell->parent(), accessible) << row.name;
        EXPECT_EQ(accessible->child(accessible->indexOfChild(cell)), cell) << row.name;
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr) << row.name;
        EXPECT_EQ(std::make_pair(place->rowIndex(), place->columnIndex()),
                  std::make_pair(row.row, row.column));
        ASSERT_EQ(place->columnHeaderCells().size(), 1) << row.name;
        EXPECT_EQ(place->columnHeaderCells().front()->text(QAccessible::Name), row.header) << row.name;
    }
    EXPECT_EQ(table->cellAt(table->rowCount(), 0), nullptr);

    // The current cell is the selected one, wherever the keys take it.
    EXPECT_TRUE(table->cellAt(0, 0)->state().selected);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    ASSERT_EQ(table->selectedCells().size(), 1);
    EXPECT_EQ(table->selectedCells().front(), table->cellAt(1, 1));
    EXPECT_TRUE(table->cellAt(1, 1)->state().focused);
    EXPECT_FALSE(table->cellAt(0, 0)->state().selected);
    EXPECT_FALSE(table->cellAt(0, 0)->state().focused);
    EXPECT_EQ(accessible->childAt(table->cellAt(1, 2)->rect().center().x(),
                                  table->cellAt(1, 2)->rect().center().y()),
              table->cellAt(1, 2));
}

TEST_F(MainWindowTest, SlideBarsAreSlidersWithTheirValueAndRange) {
    struct Row {
        controls::TSlideBar* bar;
        const char* name;
        int value;
        int min;
        int max;
    };
    const Row rows[] = {
        {Panel().SlideBarRed, "Red", 255, 0, 255},
        {Panel().SlideBarGreen, "Green", 255, 0, 255},
        {Panel().SlideBarBlue, "Blue", 0, 0, 255},
        {Font().SlideBarFontSize, "Font Size", 6, 1, 7},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* slider = Accessible(row.bar);
        EXPECT_EQ(slider->role(), QAccessible::Slider) << row.name;
        EXPECT_EQ(slider->text(QAccessible::Name), row.name);
        ASSERT_NE(slider->valueInterface(), nullptr) << row.name;
        EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), row.value) << row.name;
        EXPECT_EQ(slider->valueInterface()->minimumValue().toInt(), row.min) << row.name;
        EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), row.max) << row.name;
    }
}

// The sixteen swatches in their places: each is a button named and hinted by its colour,
// and a click on it puts that colour into the tag.
TEST_F(MainWindowTest, SwatchesSitInOrderNamedByTheirColours) {
    struct Row {
        const char* name;
        const char* tagColour;
    };
    const Row rows[] = {
        {"Black", "#000000"},  {"White", "#FFFFFF"},  {"Navy", "#000080"},   {"Blue", "#0000FF"},
        {"Maroon", "#800000"}, {"Red", "#FF0000"},    {"Green", "#008000"},  {"Lime", "#00FF00"},
        {"Silver", "#C0C0C0"}, {"Gray", "#808080"},   {"Purple", "#800080"}, {"Fuchsia", "#FF00FF"},
        {"Olive", "#808000"},  {"Yellow", "#FFFF00"}, {"Teal", "#008080"},   {"Aqua", "#00FFFF"},
    };
    QWidget* row = Panel().pnlColor;
    for (int n = 0; n < 16; ++n) {
        const QPoint middle(2 + 15 * n + 8, 10);
        auto* hotspot = qobject_cast<controls::THotspot*>(row->childAt(middle));
        ASSERT_NE(hotspot, nullptr) << n;
        EXPECT_EQ(hotspot->Hint(), rows[n].name) << n;
        QAccessibleInterface* button = Accessible(hotspot);
        EXPECT_EQ(button->role(), QAccessible::Button) << n;
        EXPECT_EQ(button->text(QAccessible::Name), rows[n].name) << n;
        ClickAt(row, middle);
        EXPECT_NE(Tag().find(std::string("COLOR=\"") + rows[n].tagColour + "\""), std::string::npos)
            << rows[n].name << ": " << Tag();
    }
}

TEST_F(MainWindowTest, PictureButtonsAreNamedByTheirHintsAndBoxLabelsByTheirText) {
    const std::pair<QWidget*, const char*> rows[] = {
        {Font().cmdCopyFontTag, "Copy Font Tag"},
        {Font().cmdCopyFontTagText, "Copy Font Tag Including Text"},
        {window->cmdBodyTag, "Copy Body Tag"},
    };
    for (const auto& [button, name] : rows) {
        EXPECT_EQ(Accessible(button)->role(), QAccessible::Button) << name;
        EXPECT_EQ(Accessible(button)->text(QAccessible::Name), name);
    }
    EXPECT_EQ(Accessible(Font().cmdBold)->text(QAccessible::Name), "Bold");
    window->SetPicture("/pictures/sunset.gif", "sunset.gif");
    EXPECT_EQ(Accessible(window->lblFilename)->role(), QAccessible::StaticText);
    EXPECT_EQ(Accessible(window->lblFilename)->text(QAccessible::Name), "sunset.gif");
}

// The web palette is a table of its 216 colours to a screen reader, each cell named by the
// code the palette shows; the keyboard's ring is the selected and focused cell, and a cell's
// press picks its colour. (What screen readers are told as the ring moves is read on the
// real accessibility bus, by e2e_screen_reader: this platform has no bridge to tell.)
TEST_F(MainWindowTest, WebPaletteIsATableOfNamedColoursThatFollowsTheRing) {
    QTest::mouseClick(window->cmdColors, Qt::LeftButton);
    auto* palette = window->findChild<windows::TfrmColors*>();
    ASSERT_NE(palette, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(palette));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == palette->Swatches; }));
    QAccessibleInterface* accessible = Accessible(palette->Swatches);
    ASSERT_EQ(accessible->role(), QAccessible::Table);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Web palette");
    QAccessibleTableInterface* table = accessible->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(std::make_pair(table->rowCount(), table->columnCount()), std::make_pair(36, 6));
    EXPECT_EQ(accessible->childCount(), 216);
    EXPECT_EQ(table->selectedCellCount(), 0) << "no ring before a key";

    struct Row {
        int row;
        int column;
        const char* name;
    };
    const Row rows[] = {
        {0, 0, "000000"}, {0, 5, "0000FF"}, {1, 0, "330000"}, {6, 0, "003300"}, {35, 5, "FFFFFF"}};
    for (const Row& row : rows) {
        QAccessibleInterface* cell = table->cellAt(row.row, row.column);
        ASSERT_NE(cell, nullptr) << row.name;
        EXPECT_EQ(cell->role(), QAccessible::Cell) << row.name;
        EXPECT_EQ(cell->text(QAccessible::Name), row.name);
        EXPECT_EQ(cell->parent(), accessible) << row.name;
        EXPECT_EQ(accessible->child(accessible->indexOfChild(cell)), cell) << row.name;
        EXPECT_EQ(
            std::make_pair(cell->tableCellInterface()->rowIndex(), cell->tableCellInterface()->columnIndex()),
            std::make_pair(row.row, row.column));
    }
    EXPECT_EQ(table->cellAt(36, 0), nullptr);
    EXPECT_EQ(table->cellAt(0, 6), nullptr);
    EXPECT_EQ(accessible->child(216), nullptr);

    // The ring: the first key rings the first swatch in view, the next ones move it.
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Right, "CCCC00"}, {Qt::Key_Right, "CCCC33"}, {Qt::Key_Up, "99CC33"}};
    for (const auto& [key, code] : keys) {
        QTest::keyClick(palette->Swatches, key);
        ASSERT_EQ(table->selectedCells().size(), 1) << code;
        QAccessibleInterface* ringed = table->selectedCells().front();
        EXPECT_EQ(ringed->text(QAccessible::Name), code);
        EXPECT_TRUE(ringed->state().selected) << code;
        EXPECT_TRUE(ringed->state().focused) << code;
        const QPoint middle = ringed->rect().center();
        EXPECT_EQ(accessible->childAt(middle.x(), middle.y()), ringed) << code;
    }
    EXPECT_FALSE(table->cellAt(28, 0)->state().selected);
    // The ring is one cell: no row or column is selected, and none can be.
    EXPECT_FALSE(table->isRowSelected(27) || table->isColumnSelected(1));
    EXPECT_FALSE(table->selectRow(0) || table->selectColumn(0));
    EXPECT_EQ(table->selectedCellCount(), 1);

    // A press on a cell picks it and moves the ring there.
    QAccessibleInterface* dark = table->cellAt(1, 0);
    ASSERT_NE(dark->actionInterface(), nullptr);
    ASSERT_EQ(dark->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    dark->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(std::make_tuple(Panel().SlideBarRed->Position(), Panel().SlideBarGreen->Position(),
                              Panel().SlideBarBlue->Position()),
              std::make_tuple(0x33, 0, 0));
    EXPECT_TRUE(dark->state().selected);
    palette->close();
}
