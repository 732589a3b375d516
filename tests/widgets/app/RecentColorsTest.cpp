// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Recent Colors: the session's picks, as they come from Pick from Screen (which
// delivers them through TakePickedColor; the pick itself is tested on a real screen).
#include <QMenu>
#include <QUndoStack>

#include "app/PickFromScreen.h"
#include "style/ColorValue.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

struct RecentCase {
    const char* name;
    std::vector<platform::TColor> picks;
    QStringList items;
};

void PrintTo(const RecentCase& row, std::ostream* out) { *out << row.name; }

// The picks as colour codes, 0xRRGGBB.
platform::TColor Rgb(int rgb) {
    return colorvalue::ColorFromChannels(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

const RecentCase kRecentCases[] = {
    {"NoPickLeavesItDisabled", {}, {}},
    {"NewestFirst",
     {Rgb(0x102030), Rgb(0xA0B0C0), Rgb(0x00FF7F)},
     {"&1 #00FF7F", "&2 #A0B0C0", "&3 #102030"}},
    {"APickedAgainMovesToTheTopOnce",
     {Rgb(0x102030), Rgb(0xA0B0C0), Rgb(0x00FF7F), Rgb(0x102030), Rgb(0x102030)},
     {"&1 #102030", "&2 #00FF7F", "&3 #A0B0C0"}},
    {"EightAtMostTheOldestGoing",
     {Rgb(0x000001), Rgb(0x000002), Rgb(0x000003), Rgb(0x000004), Rgb(0x000005), Rgb(0x000006), Rgb(0x000007),
      Rgb(0x000008), Rgb(0x000009), Rgb(0x00000A)},
     {"&1 #00000A", "&2 #000009", "&3 #000008", "&4 #000007", "&5 #000006", "&6 #000005", "&7 #000004",
      "&8 #000003"}},
    {"AnOldOneAgainWhenFull",
     {Rgb(0x000001), Rgb(0x000002), Rgb(0x000003), Rgb(0x000004), Rgb(0x000005), Rgb(0x000006), Rgb(0x000007),
      Rgb(0x000008), Rgb(0x000001)},
     {"&1 #000001", "&2 #000008", "&3 #000007", "&4 #000006", "&5 #000005", "&6 #000004", "&7 #000003",
      "&8 #000002"}},
};

// The submenu's items as it shows them.
QStringList Items(const TfrmMain& window) {
    QStringList items;
    for (QAction* item : window.mnuEditRecentColors->actions()) items << item->text();
    return items;
}

class RecentColorsTest : public MainWindowTest, public ::testing::WithParamInterface<RecentCase> {};

TEST_P(RecentColorsTest, ListsThePicksNewestFirstOnceEach) {
    const RecentCase& row = GetParam();
    for (platform::TColor color : row.picks) TakePickedColor(*window, color, TColorSource::Pick);
    EXPECT_EQ(Items(*window), row.items);
    // The submenu as the Edit menu shows it: disabled while empty.
    EXPECT_EQ(window->mnuEditRecentColors->menuAction()->isEnabled(), !row.items.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Picks, RecentColorsTest, ::testing::ValuesIn(kRecentCases),
                         [](const auto& info) { return std::string(info.param.name); });

class RecentColorChoiceTest : public MainWindowTest {};

// Choosing a recent colour sets the colour being edited, as a pick does, in one undo step,
// also when no input event brings it (a screen reader's action); the list stays as it was.
TEST_F(RecentColorChoiceTest, AppliesToTheTargetAsOneUndoStep) {
    for (bool bodyPage : {false, true}) {
        SCOPED_TRACE(bodyPage ? "Body page" : "Font page");
        if (bodyPage) {
            ShowBodyPage();
            QTest::mouseClick(window->chkLinks, Qt::LeftButton, {}, QPoint(5, 5));
        }
        const std::array<int, 3> before = Bars();
        for (int rgb : {0x336699, 0xCC0011}) TakePickedColor(*window, Rgb(rgb), TColorSource::Pick);
        const int steps = window->History()->Stack()->count();
        const QStringList items = Items(*window);

        window->mnuEditRecentColors->actions().at(1)->trigger();
        EXPECT_EQ(Bars(), (std::array<int, 3>{0x33, 0x66, 0x99}));
        const std::string attribute = bodyPage ? "LINK=\"#336699\"" : "COLOR=\"#336699\"";
        EXPECT_NE(Tag().find(attribute), std::string::npos) << Tag();
        EXPECT_EQ(window->History()->Stack()->count(), steps + 1);
        EXPECT_EQ(Items(*window), items);

        window->mnuEditUndo->trigger();
        EXPECT_EQ(Bars(), (std::array<int, 3>{0xCC, 0x00, 0x11}));
        window->mnuEditUndo->trigger();
        window->mnuEditUndo->trigger();
        EXPECT_EQ(Bars(), before);
    }
}

}  // namespace
