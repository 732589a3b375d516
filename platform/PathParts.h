// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder part of a file's path: everything before the last "/", or "/" itself for a
// file in the root folder. A name without a "/" (or an empty one) gives an empty text.
std::string DirectoryPart(std::string_view path);

// A file's full name in a folder: the folder, a "/" unless the folder ends in one (the root
// folder does), and the name.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace platform
