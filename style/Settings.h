#pragma once

#include <functional>
#include <string>

#include "style/StyleFile.h"
#include "windows/SettingsKeys.h"

// The settings file and the steps of the main window's start and close that use it. Nothing
// of the settings is held in memory: every call reads or writes the file afresh.

inline constexpr std::string_view kDefaultStyleFileName = "Default.vls";

// programDir ends in "/".
std::string SettingsPath(const std::string& programDir);

// The stored start-up style file; "ERROR" when there is none.
std::string ReadStartup(const std::string& settingsPath);
// Throws platform::Error "Unable to write to <settingsPath>" when the file cannot be written.
void WriteStartup(const std::string& settingsPath, const std::string& styleFileName);

// The stored "save" value as it stands: -1 when missing or not a number, and possibly outside
// the policies. SavePolicyOf gives the policy it acts as.
int ReadSaveValue(const std::string& settingsPath);
// Throws as WriteStartup does.
void WriteSaveValue(const std::string& settingsPath, int value);

// The style file a start opens: the stored start-up file when there is one and it exists,
// else the program folder's default style file (whether that exists or not).
std::string StartupStyleFile(const std::string& programDir, const std::string& startupValue,
                             const FileExistsCheck& fileExists);

// The name the caption and the save question give a style file: its file-name part without
// the last four characters (the extension ".vls" is assumed), so a name of four characters or
// fewer leaves nothing.
std::string CaptionName(const std::string& styleFileName);
// " Velloran - <name>"
std::string CaptionFor(const std::string& styleFileName);
// Save changes to Style "<name>"?
std::string SaveQuestion(const std::string& styleFileName);

enum class TSaveAnswer { Yes, No, Cancel };

// The steps of closing the main window. Writes "startup" := styleFileName, then applies the
// stored policy: save (also for a value outside the policies) writes the style with
// writeStyle; prompt asks askToSave(SaveQuestion(styleFileName)) and writes on Yes; do-not-save
// writes nothing. Returns whether the window may close: false only when the question was
// cancelled, with "startup" already written. A failed write ("Unable to write to <path>")
// propagates, and the caller keeps the window open and shows the message.
// When the style file could not be read completely (styleReadFailed), the style in memory is
// a mixture of what was read and what was there before; saving it silently would overwrite
// the user's file with it, so the save policy asks first instead.
bool ExitSteps(const std::string& settingsPath, const std::string& styleFileName,
               const std::function<TSaveAnswer(const std::string& question)>& askToSave,
               const std::function<void()>& writeStyle, bool styleReadFailed = false);
