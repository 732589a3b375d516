// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "style/SettingsKeys.h"
#include "style/StyleFile.h"

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

// Whether the sheets written out carry the dark variant: off unless "darkvariant" is 1. A
// view of how pages are written rather than part of a style, so no style file holds it.
bool ReadDarkVariantOption(const std::string& settingsPath);
// Throws as WriteStartup does.
void WriteDarkVariantOption(const std::string& settingsPath, bool on);

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

// The question asked instead, before the style is written over a file, while the style in
// memory comes from a read that stopped at a damaged key of `partlyReadFrom`: the keys after
// it kept their earlier values, so the user is told, and the question names both files.
std::string PartlyReadQuestion(const std::string& styleFileName, const std::string& partlyReadFrom);

enum class TSaveAnswer { Yes, No, Cancel };

// How the style in memory came to be, as far as writing it is concerned.
struct TStyleOrigin {
    // The file whose read stopped at a damaged key; nothing after a complete read.
    std::optional<std::string> partlyReadFrom;
    // The stored start-up style, when it could not be read at the start and the default style
    // file was opened instead: the close stores it again rather than the file shown, so that
    // the next start tries it again. Opening or saving as another style ends it.
    std::optional<std::string> startupNotRead;
};

// The steps of closing the main window. Writes "startup" := styleFileName (or the start-up
// style that could not be read, see TStyleOrigin), then applies the
// stored policy: save (also for a value outside the policies) writes the style with
// writeStyle; prompt asks askToSave(SaveQuestion(styleFileName)) and writes on Yes; do-not-save
// writes nothing. Returns whether the window may close: false only when the question was
// cancelled, with "startup" already written.
// A settings file that cannot be written is reported through reportError and the close goes
// on: the settings hold only the start-up path and the policy, and refusing every close over
// them would leave a window that can only be killed. A style file that cannot be written
// ("Unable to write to <path>") propagates, and the caller keeps the window open and shows the
// message, since the style is the user's work.
// After a partial read the policy asks (PartlyReadQuestion) instead of saving silently. A style
// file that could not be read is saved as any other: the writer, which reads the file first to
// keep what it does not change, refuses it with "Unable to write to <path>", so the user hears
// of it and keeps the window, as with Save, rather than losing the changes without a word.
bool ExitSteps(const std::string& settingsPath, const std::string& styleFileName,
               const std::function<TSaveAnswer(const std::string& question)>& askToSave,
               const std::function<void()>& writeStyle,
               const std::function<void(const std::string& message)>& reportError,
               const TStyleOrigin& origin = {});
