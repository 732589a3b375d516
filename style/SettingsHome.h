// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/BuildOptions.h"

// Where the settings file and the default style live. A program that can write in its own
// folder keeps them beside itself, as a copy in any folder and the per-user install always
// have; one installed where it cannot write (a package under /usr) keeps them in the user's
// configuration folder instead, so that closing it does not fail on every exit.

// The settings folder, ending in "/": programDir when programDirWritable; else
// xdgConfigHome + "/velloran/", or home + "/.config/velloran/" when xdgConfigHome is unset,
// empty or relative (the base-directory rules ignore a relative value). With neither, the
// program folder: there is nowhere better, and the writes then report what fails. Null
// pointers stand for unset variables.
std::string SettingsDirFor(const std::string& programDir, bool programDirWritable, const char* xdgConfigHome,
                           const char* home);

// SettingsDirFor for this process: whether the program folder is writable now, and the
// environment's XDG_CONFIG_HOME and HOME (the user's home from the password database when HOME
// is unset). A packaged build (`packaged`) takes its folder as never writable: it belongs to
// the package system, also when the superuser runs the program. Called once at start-up, so
// that one run never splits its settings over two folders.
std::string ChooseSettingsDir(const std::string& programDir, bool packaged = platform::kPackagedBuild);

// Makes the settings folder with any missing folder above it, private to the user (mode
// 0700) as configuration folders are. A folder that cannot be made is left to the write that
// follows, which reports "Unable to write to <file>" naming the file the user knows.
void MakeSettingsDir(const std::string& settingsDir);

// For a program folder that has become read-only since the last run: the settings file and
// default style found there are copied into the settings folder, each unless the folder has
// one already, and only while the folder has no settings file (one there means they were
// carried over, or were never needed): they are read once. The old files stay untouched. A "startup" entry
// naming the old default style is pointed at the copy, so that the next close writes the copy rather than
// failing on the old file. The default style goes first, so that a failure leaves no settings file behind and
// the next start tries again. Throws platform::Error ("Unable to write to <path>", or ReadError for an
// unreadable old file) and carries nothing further.
// A packaged build carries nothing over: its program folder is the package system's, and
// whatever lies there was left by someone else (a superuser's run of an older build).
void CarryOverSettings(const std::string& programDir, const std::string& settingsDir,
                       bool packaged = platform::kPackagedBuild);
