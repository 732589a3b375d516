// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The styles last opened or saved, most recent first, kept in a section of their own in the
// settings file ("File1" to "File8"), written in the settings file's own encoding.

inline constexpr std::string_view kRecentSection = "Recent Styles";
inline constexpr std::size_t kMaxRecentStyles = 8;

// The stored list: "File1".."File8" in order, empty values and repeats left out. A missing or
// unreadable settings file gives an empty list.
std::vector<std::string> ReadRecentStyles(const std::string& settingsPath);
// Replaces the section with the list (an empty list removes it). Throws platform::Error
// "Unable to write to <settingsPath>" when the file cannot be written.
void WriteRecentStyles(const std::string& settingsPath, const std::vector<std::string>& styles);

// The list with path first, an earlier mention of it removed, cut to kMaxRecentStyles.
std::vector<std::string> WithRecentStyle(std::vector<std::string> styles, const std::string& path);
std::vector<std::string> WithoutStyle(std::vector<std::string> styles, const std::string& path);

// The menu item's text: "&<n> <name>" with n from 1, the name as the caption gives it, and
// any "&" in it doubled so that it shows as itself.
std::string RecentItemText(std::size_t index, const std::string& path);
