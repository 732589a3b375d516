// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PathParts.h"

namespace platform {

std::string DirectoryPart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string full(folder);
    if (full.empty() || full.back() != '/') full += '/';
    full += name;
    return full;
}

}  // namespace platform
