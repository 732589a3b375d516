// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// Replaces the clipboard's whole content with plain text.
void SetClipboardText(const std::string& text);
// Replaces the clipboard's content with the same fragment twice over: as plain text, for
// editors of source, and as text/html, for rich editors that paste it formatted.
void SetClipboardHtml(const std::string& html);
std::string ClipboardText();
// The clipboard's text/html, empty when it has none.
std::string ClipboardHtml();

}  // namespace platform
