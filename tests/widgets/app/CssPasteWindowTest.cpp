// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clipboard.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "tests/widgets/controls/GifFiles.h"

// Pasted CSS reaches the controls: a sheet naming the style's own picture selects picture
// mode, a background without a picture selects colour mode, and the font's rule sets the
// Font page; what was left out is named in the warning.
TEST_F(MainWindowTest, PastedCssSelectsTheModeAndLoadsTheFont) {
    const std::string tile =
        giftest::SaveGif(folder.filePath("tile.gif"), giftest::OneFrame(giftest::Solid(2, 2, 1)));
    window->SetPicture(tile, "tile.gif");
    window->SelectColorMode();

    platform::SetClipboardText(
        "body { background: #fff url(\"images/tile.gif\") } .velloran { color: red; font-weight: 600 }");
    window->mnuEditPasteTag->trigger();
    EXPECT_EQ(TakeErrors(), QStringList());
    EXPECT_TRUE(window->optPicture->isChecked());
    EXPECT_EQ(window->Style().BackColor, 0xFFFFFFu);
    EXPECT_TRUE(Font().cmdBold->isChecked());
    EXPECT_EQ(Bars(), (std::array<int, 3>{255, 0, 0}));

    platform::SetClipboardText("<body style=\"background-color: rgb(0 0 255 / 0.5)\">");
    window->mnuEditPasteTag->trigger();
    EXPECT_FALSE(window->optPicture->isChecked());
    EXPECT_EQ(window->Style().BackColor, 0xFF0000u);
    EXPECT_EQ(TakeErrors(),
              QStringList{"The tag was loaded except for:\nbackground-color: rgb(0 0 255 / 0.5) is "
                          "loaded without its transparency: a style's colors are opaque."});
}
