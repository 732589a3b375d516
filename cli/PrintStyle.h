// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

// `velloran --print WHAT STYLE.vls`: one text of a style file on standard output, for build
// scripts, with no window system at all. WHAT is "font", "font-text", "body" or "css", the
// texts the copy commands put on the clipboard, followed by a line end.
//
// The style is read as the window reads it, with two differences that come from having no
// display: the face is taken as the file names it (the window would replace a face that is not
// installed), and a picture is not decoded (only its name enters the body tag).
//
// Returns the exit code: 0; 1 when the file cannot be read (the message on err, nothing on
// out) or stops at a damaged value (what was read on out, the damage on err). Nothing is ever
// written to the style or the settings.
int PrintStyle(const std::string& what, const std::string& path, std::ostream& out, std::ostream& err);
