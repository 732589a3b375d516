// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/SettingsHome.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "platform/IniFile.h"
#include "style/Settings.h"

namespace {

constexpr std::string_view kFolderName = "velloran/";
constexpr mode_t kPrivateFolder = 0700;

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Copies one INI file's text as the INI layer reads it, written atomically; `edit` may change
// it on the way.
void CopyIniFile(const std::string& from, const std::string& to,
                 const std::function<void(platform::IniText& text)>& edit = {}) {
    const platform::IniText text = platform::TIniFile(from).ReadAll();
    platform::TIniFile(to).Change([&](platform::IniText& copy) {
        copy = text;
        if (edit) edit(copy);
    });
}

}  // namespace

std::string SettingsDirFor(const std::string& programDir, bool programDirWritable, const char* xdgConfigHome,
                           const char* home) {
    if (programDirWritable) return programDir;
    if (IsSet(xdgConfigHome) && *xdgConfigHome == '/')
        return WithSlash(xdgConfigHome) + std::string(kFolderName);
    if (IsSet(home)) return WithSlash(home) + ".config/" + std::string(kFolderName);
    return programDir;
}

std::string ChooseSettingsDir(const std::string& programDir, bool packaged) {
    const bool writable = !packaged && ::access(programDir.c_str(), W_OK) == 0;
    const char* home = std::getenv("HOME");
    if (!IsSet(home)) {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    return SettingsDirFor(programDir, writable, std::getenv("XDG_CONFIG_HOME"), home);
}

void MakeSettingsDir(const std::string& settingsDir) {
    for (std::size_t slash = settingsDir.find('/', 1); slash != std::string::npos;
         slash = settingsDir.find('/', slash + 1)) {
        const std::string folder = settingsDir.substr(0, slash);
        if (!Exists(folder)) ::mkdir(folder.c_str(), kPrivateFolder);
    }
}

void CarryOverSettings(const std::string& programDir, const std::string& settingsDir, bool packaged) {
    const std::string newSettings = SettingsPath(settingsDir);
    if (packaged || settingsDir == programDir || Exists(newSettings)) return;
    const std::string oldSettings = SettingsPath(programDir);
    const std::string oldDefault = programDir + std::string(kDefaultStyleFileName);
    const std::string newDefault = settingsDir + std::string(kDefaultStyleFileName);

    if (Exists(oldDefault) && !Exists(newDefault)) {
        MakeSettingsDir(settingsDir);
        CopyIniFile(oldDefault, newDefault);
    }
    if (!Exists(oldSettings)) return;
    MakeSettingsDir(settingsDir);
    CopyIniFile(oldSettings, newSettings, [&](platform::IniText& text) {
        if (text.Value(settingskeys::kSection, settingskeys::kStartup) == oldDefault)
            text.SetValue(settingskeys::kSection, settingskeys::kStartup, newDefault);
    });
}
