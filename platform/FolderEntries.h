// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class EntryKind { Folders, Files };

// The names in a folder, as the bytes the file system holds: a name that is not valid UTF-8
// (from an old archive, say) is listed like any other, where Qt's directory listing leaves
// it out. Folders or files (links followed; "." and ".." left out), hidden ones included,
// those of files ending in `suffix` in any ASCII letter case, sorted without regard to case.
// A folder that cannot be read has no entries.
std::vector<std::string> FolderEntries(const std::string& folder, EntryKind kind,
                                       std::string_view suffix = {});

}  // namespace platform
