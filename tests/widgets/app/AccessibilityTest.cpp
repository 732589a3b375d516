#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabBar>

#include "tests/widgets/app/MainWindowFixture.h"

namespace {

QAccessibleInterface* Accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

}  // namespace

// Every control a user can reach has a role and a name that a screen reader announces.
TEST_F(MainWindowTest, EveryControlHasAnAccessibleRoleAndName) {
    int checked = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) ||
                             qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QTabBar*>(widget) ||
                             qobject_cast<QGroupBox*>(widget) || qobject_cast<controls::TSlideBar*>(widget) ||
                             qobject_cast<controls::THotspot*>(widget) ||
                             qobject_cast<controls::TCustomBoxLabel*>(widget);
        // Qt's own parts (the menu bar's overflow button) come named by Qt when shown.
        if (!control || widget->objectName().startsWith("qt_")) continue;
        ++checked;
        QAccessibleInterface* accessible = Accessible(widget);
        ASSERT_NE(accessible, nullptr);
        const std::string what =
            std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString();
        EXPECT_NE(accessible->role(), QAccessible::Client) << what;
        EXPECT_NE(accessible->role(), QAccessible::NoRole) << what;
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << what;
    }
    EXPECT_GE(checked, 40);
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
