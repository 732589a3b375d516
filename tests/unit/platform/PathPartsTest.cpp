// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/PathParts.h"

// Where the picture chooser starts (the folder of the current picture) and the full name it
// builds from a folder and a selected file.
TEST(PathParts, FolderOfAPicture) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/ann/pics/a.gif", "/home/ann/pics"},
        {"/sky.gif", "/"},
        {"/home/ann/pics/", "/home/ann/pics"},
        {"a.gif", ""},
        {"", ""},
    };
    for (const auto& [path, folder] : rows) EXPECT_EQ(platform::DirectoryPart(path), folder) << path;
}

TEST(PathParts, FullNameInAFolder) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"/", "sky.gif", "/sky.gif"},
        {"/web", "sky.gif", "/web/sky.gif"},
        {"/web/", "sky.gif", "/web/sky.gif"},
        {"/a:b", "c.gif", "/a:b/c.gif"},
    };
    for (const auto& [folder, name, full] : rows) EXPECT_EQ(platform::JoinPath(folder, name), full) << folder;
}
