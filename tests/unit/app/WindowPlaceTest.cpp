// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlace.h"

#include <gtest/gtest.h>

TEST(WindowPlaceTest, CentredWithTheTitleBarAlwaysOnTheArea) {
    struct Row {
        QRect available;
        QSize window;
        QPoint place;
    };
    const Row rows[] = {
        {{0, 0, 1280, 800}, {403, 455}, {438, 172}},
        // Scale 2 on a 1280 x 800 screen: 640 x 400 logical pixels, less a panel.
        {{0, 0, 640, 400}, {405, 485}, {117, 0}},
        {{0, 28, 640, 372}, {405, 485}, {117, 28}},
        // Narrower than the window too.
        {{0, 0, 300, 300}, {403, 455}, {0, 0}},
        // A second screen right of and below the first.
        {{1920, 100, 1280, 800}, {403, 455}, {2358, 272}},
        // Exactly the window's size.
        {{10, 20, 403, 455}, {403, 455}, {10, 20}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WindowPlace(row.available, row.window), row.place) << row.available.x();
}
