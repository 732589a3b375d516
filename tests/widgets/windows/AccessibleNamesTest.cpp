// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "windows/AccessibleNames.h"

// A button alike in every row is named with its row after its text, without the
// mnemonic mark but with a shown ampersand.
TEST(RowButtonNameTest, PutsTheRowAfterTheButtonsText) {
    struct Row {
        const char* button;
        const char* row;
        const char* name;
    };
    const Row rows[] = {
        {"Fix", "New links", "Fix New links"},
        {"&Fix", "Normal text", "Fix Normal text"},
        {"Fix AA", "Visited links", "Fix AA Visited links"},
        {"Fix &AAA", " Font  color ", "Fix AAA Font color"},
        {"Copy && Paste", "Code", "Copy & Paste Code"},
        {"Fix", "", "Fix"},
        {"", "Active links", "Active links"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(
            windows::RowButtonName(QString::fromUtf8(row.button), QString::fromUtf8(row.row)).toStdString(),
            row.name)
            << row.button << " / " << row.row;
}
