// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WindowProgram.h"

std::filesystem::path WindowProgramFor(const std::optional<std::filesystem::path>& self,
                                       const std::filesystem::path& installedDir) {
    const bool known = self && self->is_absolute() && self->has_parent_path();
    return (known ? self->parent_path() : installedDir) / kWindowProgramName;
}

std::filesystem::path WindowProgram() {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    return WindowProgramFor(failed ? std::nullopt : std::optional(self), VELLORAN_INSTALLED_DIR);
}
