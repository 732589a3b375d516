// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderEntries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](char a, char b) { return Lower(a) < Lower(b); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower)) return false;
    return a < b;
}

}  // namespace

std::vector<std::string> FolderEntries(const std::string& folder, EntryKind kind, std::string_view suffix) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return names;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !EndsWithIgnoringCase(name, suffix)) continue;
        struct stat info {};
        if (::stat((prefix + name).c_str(), &info) != 0) continue;
        if (kind == EntryKind::Folders ? S_ISDIR(info.st_mode) : !S_ISDIR(info.st_mode))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

}  // namespace platform
