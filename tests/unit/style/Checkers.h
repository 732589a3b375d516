// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "tests/unit/style/TempFolder.h"

// Outside checkers that read what the program writes, run as commands.

// What the command prints on both streams, and its exit status.
struct CommandResult {
    std::string output;
    int status = -1;
};

inline CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    EXPECT_NE(pipe, nullptr) << command;
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) result.output += buffer.data();
    result.status = pclose(pipe);
    return result;
}

// What tinycss2 reads from the sheet: "selector|property|value" lines and "ERROR" lines.
inline std::string ParsedByTinycss2(const std::string& css) {
    TempFolder folder;
    const std::string path = folder.File("sheet.css");
    WriteFile(path, css);
    return RunCommand(CSS_CHECK_COMMAND " '" + path + "'").output;
}
