// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "tests/unit/style/TempFolder.h"

namespace {

TEST(Settings, LiveInTheProgramFolder) { EXPECT_EQ(SettingsPath("/opt/velloran/"), "/opt/velloran/vlr.ini"); }

TEST(Settings, StartupIsErrorUntilWritten) {
    TempFolder folder;
    const std::string settings = SettingsPath(folder.Dir());
    EXPECT_EQ(ReadStartup(settings), "ERROR");
    WriteStartup(settings, "/home/u/Blue Sky.vls");
    EXPECT_EQ(ReadStartup(settings), "/home/u/Blue Sky.vls");
    EXPECT_EQ(ReadFile(settings), "[Options]\nstartup=/home/u/Blue Sky.vls\n");
}

TEST(Settings, StartupStyleFileFallsBackToTheDefaultStyle) {
    const auto exists = [](const std::string& path) { return path == "/s/Blue.vls" || path == "ERROR"; };
    EXPECT_EQ(StartupStyleFile("/p/", "/s/Blue.vls", exists), "/s/Blue.vls");
    EXPECT_EQ(StartupStyleFile("/p/", "/s/Gone.vls", exists), "/p/Default.vls");
    EXPECT_EQ(StartupStyleFile("/p/", "", exists), "/p/Default.vls");
    // A file really named "ERROR" in the current folder is still the mark of a missing key.
    EXPECT_EQ(StartupStyleFile("/p/", "ERROR", exists), "/p/Default.vls");
}

TEST(Settings, SaveValuesOutsideThePoliciesActAsSaveOnExit) {
    struct Case {
        const char* stored;  // nullptr: no key
        int value;
        TSavePolicy policy;
    };
    const Case cases[] = {
        {nullptr, -1, spSaveOnExit}, {"0", 0, spSaveOnExit},  {"1", 1, spPromptBeforeSaving},
        {"2", 2, spDoNotSave},       {"3", 3, spSaveOnExit},  {"-1", -1, spSaveOnExit},
        {"x", -1, spSaveOnExit},     {"0x2", 2, spDoNotSave}, {"", -1, spSaveOnExit},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string settings = SettingsPath(folder.Dir());
        if (c.stored) WriteFile(settings, std::string("[Options]\nsave=") + c.stored + "\n");
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        EXPECT_EQ(ReadSaveValue(settings), c.value);
        EXPECT_EQ(SavePolicyOf(ReadSaveValue(settings)), c.policy);
    }
}

TEST(Settings, SaveValueWriteKeepsStartup) {
    TempFolder folder;
    const std::string settings = SettingsPath(folder.Dir());
    WriteStartup(settings, "/s/a.vls");
    WriteSaveValue(settings, spDoNotSave);
    EXPECT_EQ(ReadSaveValue(settings), 2);
    EXPECT_EQ(ReadStartup(settings), "/s/a.vls");
}

TEST(CaptionName, DropsTheLastFourCharactersOfTheFileName) {
    EXPECT_EQ(CaptionName("/home/u/Styles/Blue Sky.vls"), "Blue Sky");
    EXPECT_EQ(CaptionName("a.vls"), "a");
    EXPECT_EQ(CaptionName("/s/abc"), "");
    EXPECT_EQ(CaptionName("/s/.vls"), "");
    EXPECT_EQ(CaptionName("/s.vls/x.txt"), "x");
    // Characters, not bytes: a name in another script is never cut inside a character.
    EXPECT_EQ(CaptionName("/s/スタイル.vls"), "スタイル");
    EXPECT_EQ(CaptionName("/s/abcdé日本語"), "abcd");
    EXPECT_EQ(CaptionName("/s/ab日本"), "");
}

TEST(CaptionName, GivesTheCaptionAndTheQuestion) {
    EXPECT_EQ(CaptionFor("/home/u/Styles/Blue.vls"), " Velloran - Blue");
    EXPECT_EQ(CaptionFor("/p/abc"), " Velloran - ");
    EXPECT_EQ(SaveQuestion("/home/u/Blue Sky.vls"), "Save changes to Style \"Blue Sky\"?");
    EXPECT_EQ(SaveQuestion("/p/a.vls"), "Save changes to Style \"a\"?");
    EXPECT_EQ(SaveQuestion("/p/abc"), "Save changes to Style \"\"?");
}

// Runs the exit steps over a settings file holding `save` (none when nullopt), answering the
// question with `answer`, and records what happened.
struct ExitRun {
    bool mayClose = false;
    std::vector<std::string> questions;
    int styleWrites = 0;
    std::string startup;
};

ExitRun RunExit(std::optional<std::string> save, TSaveAnswer answer = TSaveAnswer::Yes,
                const TStyleOrigin& origin = {}) {
    TempFolder folder;
    const std::string settings = SettingsPath(folder.Dir());
    if (save) WriteFile(settings, "[Options]\nstartup=/old.vls\nsave=" + *save + "\n");
    ExitRun run;
    run.mayClose = ExitSteps(
        settings, "/s/Blue Sky.vls",
        [&](const std::string& question) {
            run.questions.push_back(question);
            return answer;
        },
        [&] { ++run.styleWrites; }, [](const std::string& message) { ADD_FAILURE() << message; }, origin);
    run.startup = ReadStartup(settings);
    return run;
}

TEST(ExitSteps, SaveOnExitAndValuesOutsideThePoliciesWriteTheStyle) {
    const std::optional<std::string> values[] = {std::nullopt, "0", "3", "-1", "x"};
    for (const std::optional<std::string>& save : values) {
        SCOPED_TRACE(save.value_or("(none)"));
        const ExitRun run = RunExit(save);
        EXPECT_TRUE(run.mayClose);
        EXPECT_EQ(run.styleWrites, 1);
        EXPECT_TRUE(run.questions.empty());
        EXPECT_EQ(run.startup, "/s/Blue Sky.vls");
    }
}

TEST(ExitSteps, PromptAsksAndFollowsTheAnswer) {
    const ExitRun yes = RunExit("1", TSaveAnswer::Yes);
    EXPECT_EQ(yes.questions, std::vector<std::string>{"Save changes to Style \"Blue Sky\"?"});
    EXPECT_TRUE(yes.mayClose);
    EXPECT_EQ(yes.styleWrites, 1);

    const ExitRun no = RunExit("1", TSaveAnswer::No);
    EXPECT_EQ(no.questions.size(), 1u);
    EXPECT_TRUE(no.mayClose);
    EXPECT_EQ(no.styleWrites, 0);

    const ExitRun cancel = RunExit("1", TSaveAnswer::Cancel);
    EXPECT_EQ(cancel.questions.size(), 1u);
    EXPECT_FALSE(cancel.mayClose);
    EXPECT_EQ(cancel.styleWrites, 0);
    EXPECT_EQ(cancel.startup, "/s/Blue Sky.vls");
}

// The question names the file that was only partly read, which after a failed Open is not
// the file the style would be written to.
TEST(ExitSteps, AStyleThatFailedToReadIsNotSavedWithoutAsking) {
    const TStyleOrigin partly{"/t/Bad.vls", std::nullopt};
    const ExitRun no = RunExit("0", TSaveAnswer::No, partly);
    EXPECT_EQ(no.questions,
              std::vector<std::string>{
                  "The style was only partly read from \"Bad.vls\": the values after the damaged one "
                  "are those it had before.\nSave this mixture to Style \"Blue Sky\"?"});
    EXPECT_TRUE(no.mayClose);
    EXPECT_EQ(no.styleWrites, 0);
    const ExitRun yes = RunExit("x", TSaveAnswer::Yes, partly);
    EXPECT_EQ(yes.styleWrites, 1);
    const ExitRun never = RunExit("2", TSaveAnswer::Yes, partly);
    EXPECT_TRUE(never.questions.empty());
    EXPECT_EQ(never.styleWrites, 0);
}

TEST(ExitSteps, DoNotSaveClosesWithoutWritingOrAsking) {
    const ExitRun run = RunExit("2");
    EXPECT_TRUE(run.mayClose);
    EXPECT_EQ(run.styleWrites, 0);
    EXPECT_TRUE(run.questions.empty());
    EXPECT_EQ(run.startup, "/s/Blue Sky.vls");
}

// The settings hold only the start-up path and the policy: failing to write them is reported,
// and the close goes on with the style's own policy.
TEST(ExitSteps, UnwritableSettingsAreReportedAndTheCloseGoesOn) {
    TempFolder folder;
    const std::string settings = SettingsPath(folder.Dir());
    WriteFile(settings, "[Options]\nsave=1\n");
    MakeReadOnly(settings);
    std::vector<std::string> events;
    EXPECT_TRUE(ExitSteps(
        settings, "/s/a.vls",
        [&](const std::string&) {
            events.push_back("asked");
            return TSaveAnswer::Yes;
        },
        [&] { events.push_back("written"); },
        [&](const std::string& message) { events.push_back(message); }));
    EXPECT_EQ(events, (std::vector<std::string>{"Unable to write to " + settings + "\nPermission denied",
                                                "asked", "written"}));
    EXPECT_EQ(ReadFile(settings), "[Options]\nsave=1\n");
}

TEST(ExitSteps, FirstCloseCreatesTheSettingsAndTheDefaultStyle) {
    TempFolder folder;
    const std::string style = folder.Dir() + "Default.vls";
    EXPECT_TRUE(ExitSteps(
        SettingsPath(folder.Dir()), style, [](const std::string&) { return TSaveAnswer::Cancel; },
        [&] { WriteStyle(style, DefaultStyle({"Arial"})); }, [](const std::string&) {}));
    EXPECT_EQ(ReadStartup(SettingsPath(folder.Dir())), style);
    EXPECT_EQ(platform::TIniFile(style).ReadString("Font", "faceFont", ""), "Arial");
}

TEST(ExitSteps, UnwritableStyleAbandonsTheClose) {
    TempFolder folder;
    const std::string style = folder.File("locked.vls");
    WriteFile(style, "[Font]\ncaption=kept\n");
    MakeReadOnly(style);
    EXPECT_THROW(ExitSteps(
                     SettingsPath(folder.Dir()), style, [](const std::string&) { return TSaveAnswer::Yes; },
                     [&] { WriteStyle(style, DefaultStyle({"Arial"})); }, [](const std::string&) {}),
                 platform::Error);
    EXPECT_EQ(ReadFile(style), "[Font]\ncaption=kept\n");
    EXPECT_EQ(ReadStartup(SettingsPath(folder.Dir())), style);
}

}  // namespace
