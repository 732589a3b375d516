// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/SettingsHome.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "style/Settings.h"
#include "tests/unit/style/TempFolder.h"

namespace {

TEST(SettingsHome, FolderFollowsWhetherTheProgramCanWriteBesideItself) {
    struct Case {
        bool writable;
        const char* xdgConfigHome;  // nullptr: unset
        const char* home;
        std::string dir;
    };
    const Case cases[] = {
        {true, "/x", "/h", "/p/"},
        {false, "/x", "/h", "/x/velloran/"},
        {false, "/x/", "/h", "/x/velloran/"},
        {false, nullptr, "/h", "/h/.config/velloran/"},
        {false, "", "/h/", "/h/.config/velloran/"},
        // A relative value is ignored, as the base-directory rules say.
        {false, "rel", "/h", "/h/.config/velloran/"},
        {false, nullptr, nullptr, "/p/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsDirFor("/p/", c.writable, c.xdgConfigHome, c.home), c.dir)
            << c.writable << " " << (c.xdgConfigHome ? c.xdgConfigHome : "(unset)");
    }
}

// Sets an environment variable for a scope, or unsets it (nullptr), and restores it after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A packaged build keeps its settings in the user's folder also where it could write beside
// itself, as the superuser can under /usr; without HOME the password database names the home.
TEST(SettingsHome, APackagedBuildNeverKeepsItsSettingsBesideItself) {
    TempFolder program;
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", "/h");
    EXPECT_EQ(ChooseSettingsDir(program.Dir(), false), program.Dir());
    EXPECT_EQ(ChooseSettingsDir(program.Dir(), true), "/h/.config/velloran/");
    const ScopedEnv noHome("HOME", nullptr);
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(ChooseSettingsDir(program.Dir(), true), std::string(user->pw_dir) + "/.config/velloran/");
}

class CarryOver : public ::testing::Test {
protected:
    std::string NewDir() const { return home.Dir() + "config/velloran/"; }

    TempFolder program;
    TempFolder home;
};

// Copying, the private folder and the old files left alone are seen end to end in the
// package's test; here, that the old files are read only once.
TEST_F(CarryOver, ReadsTheOldFilesOnce) {
    WriteFile(program.File("vlr.ini"), "[Options]\nstartup=" + program.File("Default.vls") + "\nsave=1\n");
    WriteFile(program.File("Default.vls"), "[Font]\nColor=FF0000\n");
    CarryOverSettings(program.Dir(), NewDir());
    EXPECT_EQ(ReadStartup(NewDir() + "vlr.ini"), NewDir() + "Default.vls");

    WriteFile(program.File("Default.vls"), "[Font]\nColor=00FF00\n");
    WriteFile(program.File("vlr.ini"), "[Options]\nsave=2\n");
    CarryOverSettings(program.Dir(), NewDir());
    EXPECT_EQ(ReadFile(NewDir() + "Default.vls"), "[Font]\nColor=FF0000\n");
    EXPECT_EQ(ReadSaveValue(NewDir() + "vlr.ini"), 1);
}

TEST_F(CarryOver, KeepsWhatTheNewFolderHasAndAStartupStyleElsewhere) {
    WriteFile(program.File("vlr.ini"), "[Options]\nstartup=/styles/Blue.vls\n");
    WriteFile(program.File("Default.vls"), "[Font]\nColor=FF0000\n");
    std::filesystem::create_directories(NewDir());
    WriteFile(NewDir() + "Default.vls", "[Font]\nColor=0000FF\n");

    CarryOverSettings(program.Dir(), NewDir());

    EXPECT_EQ(ReadStartup(NewDir() + "vlr.ini"), "/styles/Blue.vls");
    EXPECT_EQ(ReadFile(NewDir() + "Default.vls"), "[Font]\nColor=0000FF\n");
}

TEST_F(CarryOver, SettingsWithoutADefaultStyleMakeTheFolderToo) {
    WriteFile(program.File("vlr.ini"), "[Options]\nsave=2\n");
    CarryOverSettings(program.Dir(), NewDir());
    EXPECT_EQ(ReadSaveValue(NewDir() + "vlr.ini"), 2);
}

// A packaged build's folder is the package system's: what lies there (a superuser's run of an
// older build) is never taken for the user's settings.
TEST_F(CarryOver, APackagedBuildCarriesNothing) {
    WriteFile(program.File("vlr.ini"), "[Options]\nsave=2\n");
    WriteFile(program.File("Default.vls"), "[Font]\nColor=FF0000\n");
    CarryOverSettings(program.Dir(), NewDir(), true);
    EXPECT_FALSE(std::filesystem::exists(home.Dir() + "config"));
}

TEST_F(CarryOver, NothingToCarryMakesNoFolder) {
    CarryOverSettings(program.Dir(), NewDir());
    EXPECT_FALSE(std::filesystem::exists(home.Dir() + "config"));
    // Settings beside a writable program stay where they are.
    WriteFile(program.File("vlr.ini"), "[Options]\nsave=1\n");
    CarryOverSettings(program.Dir(), program.Dir());
    EXPECT_EQ(program.Names(), (std::set<std::string>{"vlr.ini"}));
}

}  // namespace
