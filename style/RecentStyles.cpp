// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/RecentStyles.h"

#include <algorithm>

#include "platform/IniFile.h"
#include "style/Settings.h"

namespace {

std::string KeyOf(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

std::vector<std::string> ReadRecentStyles(const std::string& settingsPath) {
    const platform::TIniFile ini(settingsPath);
    std::vector<std::string> styles;
    for (std::size_t i = 0; i < kMaxRecentStyles; ++i) {
        const std::string path = ini.ReadString(kRecentSection, KeyOf(i), "");
        if (!path.empty() && std::find(styles.begin(), styles.end(), path) == styles.end()) {
            styles.push_back(path);
        }
    }
    return styles;
}

void WriteRecentStyles(const std::string& settingsPath, const std::vector<std::string>& styles) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (std::size_t i = 0; i < styles.size() && i < kMaxRecentStyles; ++i)
        keys.emplace_back(KeyOf(i), styles[i]);
    platform::TIniFile(settingsPath).Change([&keys](platform::IniText& text) {
        text.ReplaceSection(kRecentSection, keys);
    });
}

std::vector<std::string> WithRecentStyle(std::vector<std::string> styles, const std::string& path) {
    styles = WithoutStyle(std::move(styles), path);
    styles.insert(styles.begin(), path);
    if (styles.size() > kMaxRecentStyles) styles.resize(kMaxRecentStyles);
    return styles;
}

std::vector<std::string> WithoutStyle(std::vector<std::string> styles, const std::string& path) {
    styles.erase(std::remove(styles.begin(), styles.end(), path), styles.end());
    return styles;
}

std::string RecentItemText(std::size_t index, const std::string& path) {
    std::string name;
    for (char c : CaptionName(path)) {
        name += c;
        if (c == '&') name += '&';
    }
    return "&" + std::to_string(index + 1) + " " + name;
}
