#pragma once

#include <string>

namespace platform {

// Replaces the clipboard's whole content with plain text.
void SetClipboardText(const std::string& text);
std::string ClipboardText();

}  // namespace platform
