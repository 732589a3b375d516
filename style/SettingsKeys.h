// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The program's settings file, shared by the main window's start-up and exit steps and by the
// Options dialog. Pure: no Qt, so that the application's pure code can use it too.
namespace settingskeys {

inline constexpr std::string_view kFileName = "vlr.ini";
inline constexpr std::string_view kSection = "Options";
// The style file to open at the next start.
inline constexpr std::string_view kStartup = "startup";
// The exit save policy, a TSavePolicy value.
inline constexpr std::string_view kSave = "save";
// The value "save" reads as when missing or not a number.
inline constexpr int kSaveMissing = -1;
// 1 when Copy as CSS, Export Page and View in Browser add the dark variant; anything else is off.
inline constexpr std::string_view kDarkVariant = "darkvariant";

}  // namespace settingskeys

// What the main window does with the style when it closes. The values are what "save" stores
// and the item indexes of the Options dialog's radio group.
enum TSavePolicy { spSaveOnExit = 0, spPromptBeforeSaving = 1, spDoNotSave = 2 };

// A stored value outside the policies (a missing or damaged one included) saves on exit, so
// that a damaged settings file never loses the user's style.
constexpr TSavePolicy SavePolicyOf(int stored) {
    return stored == spPromptBeforeSaving || stored == spDoNotSave ? static_cast<TSavePolicy>(stored)
                                                                   : spSaveOnExit;
}
